#include "common/jpegimage.h"

#include <gtest/gtest.h>

#include <QFile>

namespace lumidor {
namespace {

QByteArray bytesOf(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// A damaged picture must leave a blank place, never a half picture or a crash.
TEST(JpegDecoding, OnlyWholeSoundPicturesDecode) {
    const QByteArray good = bytesOf(QStringLiteral(":/models/ship.jpg"));
    ASSERT_FALSE(good.isEmpty());
    QByteArray damaged = good;
    damaged.replace(damaged.size() / 2, 2, "\xFF\xD9");  // an end marker mid-picture
    QByteArray giant = good;
    // The frame header's height and width, claimed as 65535 x 65535.
    const qsizetype sof = giant.indexOf("\xFF\xC0");
    ASSERT_GT(sof, 0);
    giant.replace(sof + 5, 4, "\xFF\xFF\xFF\xFF");

    struct Case {
        const char* what;
        QByteArray bytes;
        bool decodes;
    };
    const Case cases[] = {
        {"whole picture", good, true},
        {"cut in half", good.left(good.size() / 2), false},
        {"header only", good.left(200), false},
        {"damaged", damaged, false},
        {"absurd size", giant, false},
        {"garbage", QByteArray(4096, '\x5A'), false},
        {"another format", bytesOf(QStringLiteral(":/leds/NLG.png")), false},
        {"start marker only", QByteArray("\xFF\xD8", 2), false},
        {"empty", QByteArray(), false},
    };
    for (const Case& c : cases) {
        const QImage image = decodeJpeg(c.bytes);
        EXPECT_EQ(!image.isNull(), c.decodes) << c.what;
        if (c.decodes) {
            EXPECT_EQ(image.size(), QSize(355, 82));
            EXPECT_EQ(image.format(), QImage::Format_RGB32);
            EXPECT_GE(qGray(image.pixel(0, 0)), 250) << "white background";
            const QRgb deck = image.pixel(110, 30);
            EXPECT_GT(qRed(deck), qBlue(deck) + 40) << "a wooden deck: colours in their order";
        }
    }
}

// Each model picture comes at its place's size, and twice that for a screen
// scaled to 200%.
TEST(JpegDecoding, ModelPicturesAtBothRatios) {
    struct Picture {
        const char* path;
        QSize size;
    };
    for (const Picture& p :
         {Picture{":/models/aeroplane.jpg", {355, 289}},
          Picture{":/models/quadcopter.jpg", {329, 325}}, Picture{":/models/ship.jpg", {355, 82}},
          Picture{":/models/car-front.jpg", {185, 145}},
          Picture{":/models/car-rear.jpg", {161, 137}}}) {
        const QString path = QString::fromLatin1(p.path);
        const QImage one = loadJpegPicture(path, 1.0);
        const QImage two = loadJpegPicture(path, 2.0);
        EXPECT_EQ(one.size(), p.size) << p.path;
        EXPECT_EQ(one.devicePixelRatio(), 1.0) << p.path;
        EXPECT_EQ(two.size(), p.size * 2) << p.path;
        EXPECT_EQ(two.devicePixelRatio(), 2.0) << p.path;
    }
    EXPECT_TRUE(loadJpegPicture(QStringLiteral(":/models/missing.jpg"), 2.0).isNull());
}

}  // namespace
}  // namespace lumidor
