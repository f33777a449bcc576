#include "common/ui/pictures.h"

#include <QIcon>
#include <QImageReader>
#include <QWidget>

namespace lumidor {

QPixmap resourcePixmap(const QString& path, const QWidget* widget) {
    const qreal ratio = widget->devicePixelRatioF();
    if (ratio <= 1.0) {
        // The file itself, read once.
        return QPixmap(path);
    }
    const QSize size = QImageReader(path).size();
    if (!size.isValid()) {
        return {};
    }
    // The icon looks for the "@2x" file and hands out the variant that suits
    // the ratio; the ratio of a widget not yet shown is that of its screen.
    return QIcon(path).pixmap(size, ratio);
}

}  // namespace lumidor
