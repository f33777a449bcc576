#pragma once

#include <QApplication>
#include <QFont>

namespace lumidor {

// The fixed layout was drawn for this text size; the desktop's own size
// would not fit its fixed-width controls.
inline void applyApplicationFont() {
    QFont font = QApplication::font();
    font.setPixelSize(11);
    QApplication::setFont(font);
}

}  // namespace lumidor
