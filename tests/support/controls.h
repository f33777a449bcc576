#pragma once

#include <QCheckBox>
#include <QList>
#include <QObject>
#include <QPushButton>
#include <QString>
#include <algorithm>

namespace lumidor::test {

// A control found by its objectName, as a user's tool finds it; a missing one
// ends the test program, since every later step would only fail obscurely.
template <typename T>
T* control(const QObject* parent, const QString& name) {
    T* found = parent->findChild<T*>(name);
    if (found == nullptr) {
        qFatal("missing control %s", qPrintable(name));
    }
    return found;
}

// The check box of grid cell n (CheckBox1..80, CheckBox101..180); nullptr for
// a number no cell has.
inline QCheckBox* cellBox(const QObject* parent, int number) {
    return parent->findChild<QCheckBox*>(QStringLiteral("CheckBox%1").arg(number));
}

// The two write buttons, presets' then configuration's (BitBtn1, BitBtn6);
// nullptr for one whose group is not built.
inline QList<QPushButton*> writeButtons(const QObject* form) {
    return {form->findChild<QPushButton*>(QStringLiteral("BitBtn1")),
            form->findChild<QPushButton*>(QStringLiteral("BitBtn6"))};
}

// Both write buttons are in this state.
inline bool writeButtonsAre(const QObject* form, bool enabled) {
    const QList<QPushButton*> buttons = writeButtons(form);
    return std::all_of(buttons.begin(), buttons.end(),
                       [enabled](const QPushButton* b) { return b->isEnabled() == enabled; });
}

}  // namespace lumidor::test
