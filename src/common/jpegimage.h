#pragma once

#include <QByteArrayView>
#include <QImage>
#include <QString>

namespace lumidor {

// Decodes a JPEG picture (colour or greyscale) into an RGB32 image. Bytes that
// are not one whole, sound JPEG picture (empty, cut short, damaged, another
// format, or absurdly large) give a null image; nothing ever aborts.
QImage decodeJpeg(QByteArrayView bytes);

// A JPEG picture from a file or resource, for a screen of the given device
// pixel ratio: on a scaled screen its "@2x" variant beside it (carrying ratio
// 2) when that decodes, else the picture itself; null when neither decodes.
QImage loadJpegPicture(const QString& path, qreal devicePixelRatio);

}  // namespace lumidor
