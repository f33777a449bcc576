#pragma once

#include "common/ui/fittedlist.h"

namespace lumidor {

// cbVolbaRezimu: a drop-down list that tells when it opens and closes, so the
// placeholder item can leave while the list is open and come back when it
// closes without a choice.
class EffectList : public FittedList {
    Q_OBJECT
public:
    using FittedList::FittedList;

    void showPopup() override;
    void hidePopup() override;

Q_SIGNALS:
    void droppingDown();
    // After any choice made in the list has been selected and applied.
    void closedUp();
};

}  // namespace lumidor
