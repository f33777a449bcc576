#include "presets/ledimage.h"

#include <algorithm>
#include <array>
#include <vector>

namespace lumidor {
namespace {

QChar roleOf(QRgb colour) {
    switch (colour & 0xFFFFFFu) {
        case kLedOutline & 0xFFFFFFu:
            return QLatin1Char('K');
        case kLedShadow & 0xFFFFFFu:
            return QLatin1Char('G');
        case kLedBody & 0xFFFFFFu:
            return QLatin1Char('L');
        case kLedLight & 0xFFFFFFu:
            return QLatin1Char('W');
        case kLedBackground & 0xFFFFFFu:
            return QLatin1Char('S');
        default:
            return QLatin1Char('?');
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

QString ledBitmapPath(LedStyle style, bool bordered) {
    return QStringLiteral(":/leds/%1.png").arg(ledBitmapName(style, bordered));
}

QStringList ledPixelMap(LedStyle style, bool bordered) {
    const QImage image = ledBitmap(style, bordered);
    QStringList map;
    for (int y = 0; y < image.height(); ++y) {
        QString row(image.width(), QLatin1Char('?'));
        for (int x = 0; x < image.width(); ++x) {
            row[x] = roleOf(image.pixel(x, y));
        }
        map << row;
    }
    return map;
}

QImage ledBitmap(LedStyle style, bool bordered) {
    // Loaded once per style and frame; images share their pixels until written.
    static const std::array<QImage, 12> bitmaps = [] {
        std::array<QImage, 12> all;
        for (int i = 0; i < 12; ++i) {
            const auto s = static_cast<LedStyle>(i / 2);
            QImage image(ledBitmapPath(s, i % 2 == 1));
            if (image.size() != ledSize(s)) {
                // Never happens with the compiled-in pictures; a plain silver
                // square still keeps every caller's sizes right.
                image = QImage(ledSize(s), QImage::Format_RGB32);
                image.fill(kLedBackground);
            }
            all[static_cast<size_t>(i)] = image.convertToFormat(QImage::Format_RGB32);
        }
        return all;
    }();
    return bitmaps[static_cast<size_t>(style) * 2 + (bordered ? 1 : 0)];
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

int ledPixelScale(qreal devicePixelRatio) {
    return std::max(1, qRound(devicePixelRatio));
}

QImage pixelScaled(const QImage& image, int factor) {
    if (factor <= 1) {
        return image;
    }
    // Fast transformation is nearest-neighbour: each pixel becomes a block.
    QImage big = image.scaled(image.size() * factor, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    big.setDevicePixelRatio(factor);
    return big;
}

}  // namespace lumidor
