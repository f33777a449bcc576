#pragma once

#include <QColor>
#include <QImage>
#include <QSize>
#include <QStringList>

namespace lumidor {

// Shape and size of an LED indicator.
enum class LedStyle { LEDSmall, LEDLarge, LEDSqSmall, LEDSqLarge, LEDVertical, LEDHorizontal };

// Colours with fixed roles in every LED bitmap.
inline constexpr QRgb kLedBody = 0xFF00FF00;        // recoloured with the LED's colour
inline constexpr QRgb kLedBackground = 0xFFC0C0C0;  // replaced when borderless
inline constexpr QRgb kLedOutline = 0xFF000000;
inline constexpr QRgb kLedShadow = 0xFF808080;
inline constexpr QRgb kLedLight = 0xFFFFFFFF;

QSize ledSize(LedStyle style);

// "B" + suffix with the raised frame, "N" + suffix without (e.g. "BSM", "NLG").
QString ledBitmapName(LedStyle style, bool bordered);

// The resource the bitmap is loaded from, e.g. ":/leds/NLG.png".
QString ledBitmapPath(LedStyle style, bool bordered);

// The bitmap as rows of role letters: K black, S silver, G grey, L body, W white
// ('?' for a pixel of any other colour).
QStringList ledPixelMap(LedStyle style, bool bordered);

// The bitmap itself, exactly the style's size (RGB32).
QImage ledBitmap(LedStyle style, bool bordered);

// Replaces the 4-connected area of exactly `target` that contains `seed` with
// `colour`; nothing when the seed lies outside or has another colour.
void floodFill(QImage& image, QPoint seed, QRgb target, QColor colour);

// One ready picture of the LED: the body (the green area containing the
// centre) in `body`; when borderless the silver background connected to the
// top-left corner in `border`.
QImage ledImage(LedStyle style, bool bordered, QColor body, QColor border);

// An LED is pixel art: on a scaled screen it is enlarged by a whole factor,
// each pixel repeated, never smoothed. The factor for a device pixel ratio
// (at least 1), and the picture enlarged by it, carrying it as its ratio.
int ledPixelScale(qreal devicePixelRatio);
QImage pixelScaled(const QImage& image, int factor);

}  // namespace lumidor
