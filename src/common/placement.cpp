#include "common/placement.h"

#include <algorithm>

namespace lumidor {

QPoint centredOrigin(QSize frame, const QRect& available) {
    const int x = available.left() + (available.width() - frame.width()) / 2;
    const int y = available.top() + (available.height() - frame.height()) / 2;
    return {std::max(x, available.left()), std::max(y, available.top())};
}

}  // namespace lumidor
