#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QSize>
#include <QString>
#include <functional>
#include <vector>

namespace picturegen {

// A picture drawn in logical pixels. It is written once at its size and once at
// twice its size beside it as "<name>@2x.<ext>", which Qt picks by itself on a
// screen scaled to 200%. The file's extension chooses PNG or JPEG.
struct Drawing {
    QString path;  // inside resources/, e.g. "glyphs/open.png"
    QSize size;
    QColor background;  // Qt::transparent keeps an alpha channel
    std::function<void(QPainter&)> draw;
    bool greyed = false;  // written in shades of grey
};

// A picture given pixel for pixel: written at its size only, because it is
// scaled by whole pixels where it is shown.
struct Bitmap {
    QString path;
    QImage image;
};

// The twelve LED bitmaps ("leds/NSM.png" ...), in the five role colours.
std::vector<Bitmap> ledBitmaps();
// Button glyphs, flags, the receiver lead and the module drawing.
std::vector<Drawing> interfaceDrawings();
// The five pictures of the model preview window.
std::vector<Drawing> modelDrawings();

}  // namespace picturegen
