#include "common/ui/listutil.h"

#include <QComboBox>
#include <QEvent>
#include <QLineEdit>
#include <QSignalBlocker>

namespace lumidor {
namespace {

class FocusOnHover : public QObject {
public:
    explicit FocusOnHover(QLineEdit* edit) : QObject(edit) {
        edit->setMouseTracking(true);
        edit->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::MouseMove || event->type() == QEvent::Enter) {
            eVoltageMouseMove(static_cast<QLineEdit*>(watched));
        }
        return false;
    }
};

}  // namespace

void rebuildList(QComboBox* list, const QStringList& items, const QString& hint) {
    const QSignalBlocker blocker(list);
    const int index = list->currentIndex();
    list->clear();
    list->addItems(items);
    list->setStatusTip(hint);
    list->setCurrentIndex(index >= 0 && index < list->count() ? index : -1);
}

void selectIndex(QComboBox* list, int index) {
    const QSignalBlocker blocker(list);
    list->setCurrentIndex(index >= 0 && index < list->count() ? index : -1);
}

void eVoltageMouseMove(QLineEdit* edit) {
    if (!edit->hasFocus()) {
        edit->setFocus(Qt::MouseFocusReason);
        edit->setCursorPosition(0);
    }
}

void installFocusOnHover(QLineEdit* edit) {
    new FocusOnHover(edit);
}

}  // namespace lumidor
