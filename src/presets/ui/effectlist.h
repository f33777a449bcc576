#pragma once

#include <optional>

#include "common/bilingual.h"
#include "common/ui/fittedlist.h"

namespace lumidor {

class EffectChoice;

// cbVolbaRezimu: a drop-down list that tells when it opens and closes, so the
// placeholder item can leave while the list is open and come back when it
// closes without a choice. It displays an EffectChoice; each effect item
// carries its effect number, the placeholder none.
class EffectList : public FittedList {
    Q_OBJECT
public:
    using FittedList::FittedList;

    void showPopup() override;
    void hidePopup() override;

    // The 13 effects in `lang`, then `choice` shown.
    void rebuild(Lang lang, const EffectChoice& choice);
    // Selects the chosen effect, or the placeholder: the one in the list
    // already, else a new one in `lang` at the head. Never a second one.
    void display(const EffectChoice& choice, Lang lang);
    // The effect of the selected item; none for the placeholder or no selection.
    std::optional<int> currentEffect() const;
    // The list opens: the placeholder leaves; selected, it leaves no selection.
    void dropPlaceholder();

Q_SIGNALS:
    void droppingDown();
    // After any choice made in the list has been selected and applied.
    void closedUp();

private:
    bool hasPlaceholder() const;
};

}  // namespace lumidor
