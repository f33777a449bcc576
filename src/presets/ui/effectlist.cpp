#include "presets/ui/effectlist.h"

#include <QAbstractItemView>

namespace lumidor {

void EffectList::showPopup() {
    Q_EMIT droppingDown();
    FittedList::showPopup();
}

void EffectList::hidePopup() {
    const bool wasOpen = view()->isVisible();
    QComboBox::hidePopup();
    if (wasOpen) {
        // The list closes before it selects the item clicked; the close-up
        // must see that selection, so it waits for the click to finish.
        QMetaObject::invokeMethod(this, &EffectList::closedUp, Qt::QueuedConnection);
    }
}

}  // namespace lumidor
