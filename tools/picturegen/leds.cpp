#include <QStringList>

#include "pictures.h"

namespace picturegen {
namespace {

// The five colours with fixed roles; the program recolours the body (green)
// and, when borderless, the background (silver) by flood fill.
constexpr QRgb kBody = 0xFF00FF00;
constexpr QRgb kBackground = 0xFFC0C0C0;
constexpr QRgb kOutline = 0xFF000000;
constexpr QRgb kShadow = 0xFF808080;
constexpr QRgb kLight = 0xFFFFFFFF;

// The large round LED, the look of the main window's preview.
const char* const kRoundLarge[] = {
    "SSSSSSSSSSSSSSSSSSSSSS", "SSSSSSSSKKKKKKSSSSSSSS", "SSSSSSKKWWWWWWKKSSSSSS",
    "SSSSKKWWKKKKKKSSKKSSSS", "SSSKWWKKLLLLLLKKSSKSSS", "SSSKWKLLLLLLLLLLKSKSSS",
    "SSKWKLLLWWLLLLLLLKSKSS", "SSKWKLLWWLLLLLLLLKSKSS", "SKWKLLWWLLLLLLLLLLKGKS",
    "SKWKLLWLLLLLLLLLLLKGKS", "SKWKLLLLLLLLLLLLLLKGKS", "SKWKLWWLLLLLLLLLLLKGKS",
    "SKWKLWWLLLLLLLLLLLKGKS", "SKWKLLLLLLLLLLLLLLKGKS", "SSKSKLLLLLLLLLLLLKGKSS",
    "SSKSKLLLLLLLLLLLLKGKSS", "SSSKSKLLLLLLLLLLKGKSSS", "SSSKSSKKLLLLLLKKGGKSSS",
    "SSSSKKSSKKKKKKGGKKSSSS", "SSSSSSKKGGGGGGKKSSSSSS", "SSSSSSSSKKKKKKSSSSSSSS",
    "SSSSSSSSSSSSSSSSSSSSSS",
};

const char* const kRoundSmall[] = {
    "SSSSSSSSSSSSSSSS", "SSSSSKKKKKKSSSSS", "SSSKKWWWWWWKKSSS", "SSKWWKKKKKKSSKSS",
    "SSKWKLLLLLLKSKSS", "SKWKLLWWLLLLKGKS", "SKWKLWWLLLLLKGKS", "SKWKLWLLLLLLKGKS",
    "SKWKLLLLLLLLKGKS", "SKWKLLLLLLLLKGKS", "SKSKLLLLLLLLKGKS", "SSKSKLLLLLLKGKSS",
    "SSKSSKKKKKKGGKSS", "SSSKKGGGGGGKKSSS", "SSSSSKKKKKKSSSSS", "SSSSSSSSSSSSSSSS",
};

QStringList fromRows(const char* const* rows, int count) {
    QStringList map;
    for (int i = 0; i < count; ++i) {
        map << QString::fromLatin1(rows[i]);
    }
    return map;
}

// The square and rectangular styles share one construction: a silver margin,
// a black outline, a silver bevel grey on its lower and right edges, a second
// black outline and the body with a small white glint at its upper left.
QStringList boxMap(int width, int height, int margin) {
    QStringList map;
    const int outer = margin;      // first outline
    const int inner = margin + 2;  // second outline
    const int lastOuter = width - 1 - margin;
    const int lastOuterRow = height - 1 - margin;
    const int lastInner = width - 3 - margin;  // second outline, right
    const int lastInnerRow = height - 3 - margin;
    for (int y = 0; y < height; ++y) {
        QString row(width, QLatin1Char('S'));
        for (int x = 0; x < width; ++x) {
            QChar c = QLatin1Char('S');
            const bool inOuter = x >= outer && x <= lastOuter && y >= outer && y <= lastOuterRow;
            if (!inOuter) {
                c = QLatin1Char('S');
            } else if (x == outer || x == lastOuter || y == outer || y == lastOuterRow) {
                c = QLatin1Char('K');
            } else if (y == lastOuterRow - 1 && x > outer) {
                c = QLatin1Char('G');
            } else if (x == lastOuter - 1 && y >= inner) {
                c = QLatin1Char('G');
            } else if (x < inner || y < inner) {
                c = QLatin1Char('S');
            } else if (x == inner || x == lastInner || y == inner || y == lastInnerRow) {
                c = QLatin1Char('K');
            } else {
                const int bx = x - inner - 1;
                const int by = y - inner - 1;
                const bool glint = (by == 1 && bx >= 2 && bx <= 4) ||
                                   (by == 2 && (bx == 1 || bx == 2)) || (by == 3 && bx == 1);
                c = glint ? QLatin1Char('W') : QLatin1Char('L');
            }
            row[x] = c;
        }
        map << row;
    }
    return map;
}

// A "B" bitmap is its "N" bitmap with the outermost ring turned into a raised
// frame: light top row and left column, shadowed bottom row and right column.
void raiseFrame(QStringList& map) {
    const qsizetype h = map.size();
    const qsizetype w = map.front().size();
    for (qsizetype y = 0; y < h; ++y) {
        for (qsizetype x = 0; x < w; ++x) {
            if (y == 0) {
                map[y][x] = QLatin1Char('W');
            } else if (y == h - 1) {
                map[y][x] = QLatin1Char('G');
            } else if (x == 0) {
                map[y][x] = QLatin1Char('W');
            } else if (x == w - 1) {
                map[y][x] = QLatin1Char('G');
            }
        }
    }
}

// Sixteen-colour bitmaps: an indexed image of the five role colours.
QImage toImage(const QStringList& map) {
    const QString roles = QStringLiteral("SKGLW");
    QImage image(static_cast<int>(map.front().size()), static_cast<int>(map.size()),
                 QImage::Format_Indexed8);
    image.setColorTable({kBackground, kOutline, kShadow, kBody, kLight});
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            image.setPixel(x, y, static_cast<uint>(roles.indexOf(map[y][x])));
        }
    }
    return image;
}

}  // namespace

std::vector<Bitmap> ledBitmaps() {
    struct Style {
        const char* suffix;
        QStringList map;
    };
    const Style styles[] = {
        {"SM", fromRows(kRoundSmall, 16)}, {"LG", fromRows(kRoundLarge, 22)},
        {"SQSM", boxMap(16, 16, 1)},       {"SQLG", boxMap(22, 22, 2)},
        {"VT", boxMap(16, 22, 2)},         {"HZ", boxMap(22, 16, 2)},
    };
    std::vector<Bitmap> out;
    for (const Style& s : styles) {
        QStringList framed = s.map;
        raiseFrame(framed);
        const QString suffix = QString::fromLatin1(s.suffix);
        out.push_back({QStringLiteral("leds/N%1.png").arg(suffix), toImage(s.map)});
        out.push_back({QStringLiteral("leds/B%1.png").arg(suffix), toImage(framed)});
    }
    return out;
}

}  // namespace picturegen
