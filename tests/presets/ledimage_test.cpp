#include "presets/ledimage.h"

#include <gtest/gtest.h>

#include <utility>

namespace lumidor {
namespace {

constexpr LedStyle kStyles[] = {LedStyle::LEDSmall,    LedStyle::LEDLarge,
                                LedStyle::LEDSqSmall,  LedStyle::LEDSqLarge,
                                LedStyle::LEDVertical, LedStyle::LEDHorizontal};

QStringList rows(std::initializer_list<const char*> lines) {
    QStringList list;
    for (const char* line : lines) {
        list.append(QString::fromLatin1(line));
    }
    return list;
}

// The preview LEDs' look, kept pixel for pixel.
const QStringList kNlg =
    rows({"SSSSSSSSSSSSSSSSSSSSSS", "SSSSSSSSKKKKKKSSSSSSSS", "SSSSSSKKWWWWWWKKSSSSSS",
          "SSSSKKWWKKKKKKSSKKSSSS", "SSSKWWKKLLLLLLKKSSKSSS", "SSSKWKLLLLLLLLLLKSKSSS",
          "SSKWKLLLWWLLLLLLLKSKSS", "SSKWKLLWWLLLLLLLLKSKSS", "SKWKLLWWLLLLLLLLLLKGKS",
          "SKWKLLWLLLLLLLLLLLKGKS", "SKWKLLLLLLLLLLLLLLKGKS", "SKWKLWWLLLLLLLLLLLKGKS",
          "SKWKLWWLLLLLLLLLLLKGKS", "SKWKLLLLLLLLLLLLLLKGKS", "SSKSKLLLLLLLLLLLLKGKSS",
          "SSKSKLLLLLLLLLLLLKGKSS", "SSSKSKLLLLLLLLLLKGKSSS", "SSSKSSKKLLLLLLKKGGKSSS",
          "SSSSKKSSKKKKKKGGKKSSSS", "SSSSSSKKGGGGGGKKSSSSSS", "SSSSSSSSKKKKKKSSSSSSSS",
          "SSSSSSSSSSSSSSSSSSSSSS"});

// The model preview's most used look.
const QStringList kNsqsm =
    rows({"SSSSSSSSSSSSSSSS", "SKKKKKKKKKKKKKKS", "SKSSSSSSSSSSSSKS", "SKSKKKKKKKKKKGKS",
          "SKSKLLLLLLLLKGKS", "SKSKLLWWWLLLKGKS", "SKSKLWWLLLLLKGKS", "SKSKLWLLLLLLKGKS",
          "SKSKLLLLLLLLKGKS", "SKSKLLLLLLLLKGKS", "SKSKLLLLLLLLKGKS", "SKSKLLLLLLLLKGKS",
          "SKSKKKKKKKKKKGKS", "SKGGGGGGGGGGGGKS", "SKKKKKKKKKKKKKKS", "SSSSSSSSSSSSSSSS"});

TEST(LedBitmaps, TabledDrawingsAreExact) {
    EXPECT_EQ(ledPixelMap(LedStyle::LEDLarge, false), kNlg);
    EXPECT_EQ(ledPixelMap(LedStyle::LEDSqSmall, false), kNsqsm);
    EXPECT_EQ(ledBitmapName(LedStyle::LEDLarge, false), QStringLiteral("NLG"));
    EXPECT_EQ(ledBitmapName(LedStyle::LEDSqSmall, true), QStringLiteral("BSQSM"));
    EXPECT_EQ(ledBitmapPath(LedStyle::LEDSqSmall, true), QStringLiteral(":/leds/BSQSM.png"));
}

int countOf(const QImage& image, QRgb colour) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            n += image.pixel(x, y) == colour ? 1 : 0;
        }
    }
    return n;
}

// Every style keeps the colour roles the recolouring relies on.
TEST(LedBitmaps, EveryStyleKeepsRolesAndRingRule) {
    for (LedStyle style : kStyles) {
        const QString name = ledBitmapName(style, false);
        SCOPED_TRACE(name.toStdString());
        const QImage plain = ledBitmap(style, false);
        const QImage framed = ledBitmap(style, true);
        ASSERT_EQ(plain.size(), ledSize(style));
        ASSERT_EQ(framed.size(), ledSize(style));
        const int w = plain.width();
        const int h = plain.height();
        EXPECT_EQ(plain.pixel(w / 2, h / 2), kLedBody);
        for (int y = 0; y < h; ++y) {
            for (int x = 0; x < w; ++x) {
                const QRgb p = plain.pixel(x, y);
                EXPECT_TRUE(p == kLedBody || p == kLedBackground || p == kLedOutline ||
                            p == kLedShadow || p == kLedLight);
                const bool ring = x == 0 || y == 0 || x == w - 1 || y == h - 1;
                if (!ring) {
                    EXPECT_EQ(framed.pixel(x, y), p) << x << "," << y;
                    continue;
                }
                EXPECT_EQ(p, kLedBackground) << x << "," << y;
                // Raised frame: light top row and left column, shadow bottom row and right column.
                const bool light = y == 0 || (x == 0 && y != h - 1);
                EXPECT_EQ(framed.pixel(x, y), light ? kLedLight : kLedShadow) << x << "," << y;
            }
        }
        EXPECT_EQ(framed.pixel(w - 1, 0), kLedLight);
        EXPECT_EQ(framed.pixel(0, h - 1), kLedShadow);
    }
}

TEST(LedBitmaps, BoxBodiesHaveTheirSizes) {
    struct BodyCase {
        LedStyle style;
        int bodyPixels;  // the body plus its white glint
    };
    for (const BodyCase c :
         {BodyCase{LedStyle::LEDSqSmall, 8 * 8}, BodyCase{LedStyle::LEDSqLarge, 12 * 12},
          BodyCase{LedStyle::LEDVertical, 6 * 12}, BodyCase{LedStyle::LEDHorizontal, 12 * 6}}) {
        const QImage image = ledBitmap(c.style, false);
        // 6 glint pixels sit inside each box body.
        EXPECT_EQ(countOf(image, kLedBody) + 6, c.bodyPixels)
            << ledBitmapName(c.style, false).toStdString();
    }
}

TEST(LedRecolouring, BodyRecolouredBackgroundOnlyWhenBorderless) {
    const QColor blue(0, 0, 255);
    const QColor white(255, 255, 255);
    for (LedStyle style : kStyles) {
        SCOPED_TRACE(ledBitmapName(style, false).toStdString());
        for (bool bordered : {false, true}) {
            const QImage source = ledBitmap(style, bordered);
            const QImage image = ledImage(style, bordered, blue, white);
            for (int y = 0; y < source.height(); ++y) {
                for (int x = 0; x < source.width(); ++x) {
                    const QRgb before = source.pixel(x, y);
                    const QRgb after = image.pixel(x, y);
                    if (before == kLedBody) {
                        // The body is one area: all of it takes the colour.
                        EXPECT_EQ(after, blue.rgb()) << x << "," << y;
                    } else if (before == kLedBackground && !bordered && (x == 0 || y == 0)) {
                        EXPECT_EQ(after, white.rgb()) << x << "," << y;
                    } else if (before != kLedBackground || bordered) {
                        EXPECT_EQ(after, before) << x << "," << y;
                    }
                }
            }
            // A framed LED keeps its silver bevel and margin.
            if (bordered) {
                EXPECT_EQ(countOf(image, kLedBackground), countOf(source, kLedBackground));
            }
        }
    }
}

TEST(LedRecolouring, EnclosedSilverIsNotBackground) {
    // The silver bevel inside the round outline must survive a borderless
    // fill: the fill spreads only through edge-sharing pixels.
    const QImage image =
        ledImage(LedStyle::LEDLarge, false, QColor(0, 0, 255), QColor(255, 255, 255));
    EXPECT_EQ(image.pixel(14, 3), kLedBackground);  // row 4 "...KKSSKK..."
    EXPECT_EQ(image.pixel(18, 4), kLedOutline);
    EXPECT_EQ(image.pixel(0, 0), QColor(255, 255, 255).rgb());
    EXPECT_EQ(image.pixel(21, 21), QColor(255, 255, 255).rgb());
}

// On a scaled screen each LED pixel becomes a block of its own colour.
TEST(LedScaling, WholePixelBlocks) {
    for (const auto& [ratio, factor] :
         {std::pair{1.0, 1}, {1.25, 1}, {1.5, 2}, {2.0, 2}, {3.0, 3}, {0.5, 1}}) {
        EXPECT_EQ(ledPixelScale(ratio), factor) << ratio;
    }
    const QImage source =
        ledImage(LedStyle::LEDLarge, false, QColor(0, 0, 255), QColor(255, 255, 255));
    EXPECT_EQ(pixelScaled(source, 1), source);
    for (const int factor : {2, 3}) {
        const QImage big = pixelScaled(source, factor);
        ASSERT_EQ(big.size(), source.size() * factor);
        EXPECT_EQ(big.devicePixelRatio(), factor);
        int blended = 0;
        for (int y = 0; y < big.height(); ++y) {
            for (int x = 0; x < big.width(); ++x) {
                blended += big.pixel(x, y) != source.pixel(x / factor, y / factor) ? 1 : 0;
            }
        }
        EXPECT_EQ(blended, 0) << factor;
    }
}

TEST(FloodFill, LeavesOtherColoursAndOutsideSeeds) {
    QImage image(4, 1, QImage::Format_RGB32);
    image.setPixel(0, 0, kLedBody);
    image.setPixel(1, 0, kLedBody);
    image.setPixel(2, 0, kLedOutline);
    image.setPixel(3, 0, kLedBody);
    floodFill(image, {0, 0}, kLedBody, QColor(1, 2, 3));
    EXPECT_EQ(image.pixel(1, 0), QColor(1, 2, 3).rgb());
    EXPECT_EQ(image.pixel(3, 0), kLedBody);
    floodFill(image, {9, 9}, kLedBody, QColor(1, 2, 3));  // outside: nothing
    floodFill(image, {2, 0}, kLedBody, QColor(1, 2, 3));  // seed of another colour: nothing
    EXPECT_EQ(image.pixel(2, 0), kLedOutline);
    floodFill(image, {3, 0}, kLedBody, QColor(0, 255, 0));  // the same colour: no endless loop
    EXPECT_EQ(image.pixel(3, 0), kLedBody);
}

}  // namespace
}  // namespace lumidor
