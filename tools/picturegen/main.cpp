// Draws every picture the configurator shows and writes it into the given
// resources folder. Run it after changing a drawing and commit what it wrote:
//   cmake --build build --target pictures
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImageWriter>
#include <cstdio>

#include "pictures.h"

namespace {

using picturegen::Bitmap;
using picturegen::Drawing;

bool write(const QDir& root, const QString& path, const QImage& image) {
    const QString file = root.filePath(path);
    if (!QDir().mkpath(QFileInfo(file).path())) {
        std::fprintf(stderr, "cannot create the folder of %s\n", qPrintable(file));
        return false;
    }
    QImageWriter writer(file);
    QImage out = image;
    if (path.endsWith(QLatin1String(".jpg"))) {
        writer.setQuality(92);
        out = image.convertToFormat(QImage::Format_RGB32);
    }
    if (!writer.write(out)) {
        std::fprintf(stderr, "%s: %s\n", qPrintable(file), qPrintable(writer.errorString()));
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    return true;
}

QImage render(const Drawing& d, int scale) {
    const bool opaque = d.background.alpha() == 255;
    QImage image(d.size * scale,
                 opaque ? QImage::Format_RGB32 : QImage::Format_ARGB32_Premultiplied);
    image.fill(d.background);
    {
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        p.setRenderHint(QPainter::TextAntialiasing);
        p.scale(scale, scale);
        d.draw(p);
    }
    if (d.greyed) {
        image =
            image.convertToFormat(QImage::Format_Grayscale8).convertToFormat(QImage::Format_RGB32);
    }
    return image;
}

// "flags/cz.png" -> "flags/cz@2x.png"
QString doubled(const QString& path) {
    const qsizetype dot = path.lastIndexOf(QLatin1Char('.'));
    return path.left(dot) + QLatin1String("@2x") + path.mid(dot);
}

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <resources folder>\n", argv[0]);
        return 2;
    }
    const QDir root(QString::fromLocal8Bit(argv[1]));
    bool ok = true;
    for (const Bitmap& b : picturegen::ledBitmaps()) {
        ok = write(root, b.path, b.image) && ok;
    }
    std::vector<Drawing> drawings = picturegen::interfaceDrawings();
    for (Drawing& d : picturegen::modelDrawings()) {
        drawings.push_back(std::move(d));
    }
    for (const Drawing& d : drawings) {
        ok = write(root, d.path, render(d, 1)) && ok;
        ok = write(root, doubled(d.path), render(d, 2)) && ok;
    }
    return ok ? 0 : 1;
}
