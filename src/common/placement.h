#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

namespace lumidor {

// Where a window of the given frame size goes to sit in the centre of the
// screen's free area. On a screen smaller than the window its top-left corner
// stays on the screen, so the title bar can still be grabbed.
QPoint centredOrigin(QSize frame, const QRect& available);

}  // namespace lumidor
