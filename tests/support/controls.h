#pragma once

#include <QCheckBox>
#include <QObject>
#include <QString>

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

}  // namespace lumidor::test
