#include "view/modelpicture.h"

namespace lumidor {

QImage loadModelPicture(const QString& resourcePath) {
    return QImage(resourcePath);
}

QImage modelPicture(const QString& resourcePath, qreal devicePixelRatio) {
    if (devicePixelRatio > 1.0) {
        const qsizetype dot = resourcePath.lastIndexOf(QLatin1Char('.'));
        const QString doublePath =
            dot < 0 ? resourcePath + QStringLiteral("@2x")
                    : resourcePath.left(dot) + QStringLiteral("@2x") + resourcePath.mid(dot);
        QImage image = loadModelPicture(doublePath);
        if (!image.isNull()) {
            image.setDevicePixelRatio(2.0);
            return image;
        }
    }
    return loadModelPicture(resourcePath);
}

}  // namespace lumidor
