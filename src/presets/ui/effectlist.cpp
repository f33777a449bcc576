#include "presets/ui/effectlist.h"

#include <QAbstractItemView>
#include <QSignalBlocker>

#include "presets/editortexts.h"
#include "presets/effects.h"

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

void EffectList::rebuild(Lang lang, const EffectChoice& choice) {
    {
        const QSignalBlocker quiet(this);
        clear();
        for (int n = 0; n < kEffectCount; ++n) {
            addItem(kEffectItems[static_cast<size_t>(n)](lang), n);
        }
    }
    display(choice, lang);
}

void EffectList::display(const EffectChoice& choice, Lang lang) {
    const QSignalBlocker quiet(this);
    if (choice.placeholderShown()) {
        if (!hasPlaceholder()) {
            insertItem(0, kPlaceholderItem(lang));
        }
        setCurrentIndex(0);
    } else {
        setCurrentIndex(choice.effect() ? findData(*choice.effect()) : -1);
    }
}

std::optional<int> EffectList::currentEffect() const {
    const QVariant effect = currentData();
    return effect.isValid() ? std::optional<int>(effect.toInt()) : std::nullopt;
}

void EffectList::dropPlaceholder() {
    if (hasPlaceholder()) {
        const bool selected = currentIndex() == 0;
        const QSignalBlocker quiet(this);
        removeItem(0);
        if (selected) {
            setCurrentIndex(-1);
        }
    }
}

bool EffectList::hasPlaceholder() const {
    return count() > 0 && !itemData(0).isValid();
}

}  // namespace lumidor
