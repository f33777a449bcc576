#include "presets/ledimage.h"

#include <array>
#include <vector>

namespace lumidor {
namespace {

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

QRgb roleColour(QChar role) {
    switch (role.toLatin1()) {
        case 'K':
            return kLedOutline;
        case 'G':
            return kLedShadow;
        case 'L':
            return kLedBody;
        case 'W':
            return kLedLight;
        default:
            return kLedBackground;
    }
}

}  // namespace

QSize ledSize(LedStyle style) {
    switch (style) {
        case LedStyle::LEDSmall:
        case LedStyle::LEDSqSmall:
            return {16, 16};
        case LedStyle::LEDLarge:
        case LedStyle::LEDSqLarge:
            return {22, 22};
        case LedStyle::LEDVertical:
            return {16, 22};
        case LedStyle::LEDHorizontal:
            return {22, 16};
    }
    return {16, 16};
}

QString ledBitmapName(LedStyle style, bool bordered) {
    const char* suffix = "SM";
    switch (style) {
        case LedStyle::LEDSmall:
            suffix = "SM";
            break;
        case LedStyle::LEDLarge:
            suffix = "LG";
            break;
        case LedStyle::LEDSqSmall:
            suffix = "SQSM";
            break;
        case LedStyle::LEDSqLarge:
            suffix = "SQLG";
            break;
        case LedStyle::LEDVertical:
            suffix = "VT";
            break;
        case LedStyle::LEDHorizontal:
            suffix = "HZ";
            break;
    }
    return QLatin1Char(bordered ? 'B' : 'N') + QString::fromLatin1(suffix);
}

QStringList ledPixelMap(LedStyle style, bool bordered) {
    QStringList map;
    switch (style) {
        case LedStyle::LEDSmall:
            map = fromRows(kRoundSmall, 16);
            break;
        case LedStyle::LEDLarge:
            map = fromRows(kRoundLarge, 22);
            break;
        case LedStyle::LEDSqSmall:
            map = boxMap(16, 16, 1);
            break;
        case LedStyle::LEDSqLarge:
            map = boxMap(22, 22, 2);
            break;
        case LedStyle::LEDVertical:
            map = boxMap(16, 22, 2);
            break;
        case LedStyle::LEDHorizontal:
            map = boxMap(22, 16, 2);
            break;
    }
    if (bordered) {
        raiseFrame(map);
    }
    return map;
}

QImage ledBitmap(LedStyle style, bool bordered) {
    // Drawn once per style and frame; images share their pixels until written.
    static const std::array<QImage, 12> bitmaps = [] {
        std::array<QImage, 12> all;
        for (int i = 0; i < 12; ++i) {
            const auto s = static_cast<LedStyle>(i / 2);
            const QStringList map = ledPixelMap(s, i % 2 == 1);
            QImage image(ledSize(s), QImage::Format_RGB32);
            for (int y = 0; y < image.height(); ++y) {
                auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
                for (int x = 0; x < image.width(); ++x) {
                    line[x] = roleColour(map[y][x]);
                }
            }
            all[static_cast<size_t>(i)] = image;
        }
        return all;
    }();
    return bitmaps[static_cast<size_t>(static_cast<int>(style) * 2 + (bordered ? 1 : 0))];
}

void floodFill(QImage& image, QPoint seed, QRgb target, QColor colour) {
    if (!image.rect().contains(seed) || image.pixel(seed) != target) {
        return;
    }
    const QRgb fill = colour.rgb();
    if (fill == target) {
        return;
    }
    if (image.format() != QImage::Format_RGB32 && image.format() != QImage::Format_ARGB32) {
        image.convertTo(QImage::Format_ARGB32);
    }
    const int w = image.width();
    const int h = image.height();
    auto at = [&image](int x, int y) -> QRgb& {
        return reinterpret_cast<QRgb*>(image.scanLine(y))[x];
    };
    std::vector<QPoint> pending{seed};
    while (!pending.empty()) {
        const QPoint p = pending.back();
        pending.pop_back();
        const int x = p.x();
        const int y = p.y();
        if (x < 0 || y < 0 || x >= w || y >= h || at(x, y) != target) {
            continue;
        }
        at(x, y) = fill;
        pending.push_back({x + 1, y});
        pending.push_back({x - 1, y});
        pending.push_back({x, y + 1});
        pending.push_back({x, y - 1});
    }
}

QImage ledImage(LedStyle style, bool bordered, QColor body, QColor border) {
    QImage image = ledBitmap(style, bordered);
    floodFill(image, {image.width() / 2, image.height() / 2}, kLedBody, body);
    if (!bordered) {
        floodFill(image, {0, 0}, kLedBackground, border);
    }
    return image;
}

}  // namespace lumidor
