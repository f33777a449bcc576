#include "common/ui/fittedlist.h"

#include <utility>

namespace lumidor {

void FittedList::showPopup() {
    if (fit_) {
        std::exchange(fit_, {})(this);
    }
    QComboBox::showPopup();
}

}  // namespace lumidor
