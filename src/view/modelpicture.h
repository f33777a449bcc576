#pragma once

#include <QImage>
#include <QString>

namespace lumidor {

// Decodes one model picture from the program's resources; a null image when
// it is missing or its bytes are not a picture.
QImage loadModelPicture(const QString& resourcePath);

// The picture for a screen of the given pixel ratio: the double-resolution
// variant ("name@2x.jpg") where the ratio calls for it and it decodes, marked
// with its ratio so it is drawn at the same size; else the plain one.
QImage modelPicture(const QString& resourcePath, qreal devicePixelRatio);

}  // namespace lumidor
