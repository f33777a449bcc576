#include "common/ui/pictures.h"

#include <QIcon>
#include <QImageReader>
#include <QWidget>

namespace lumidor {

QPixmap resourcePixmap(const QString& path, const QWidget* widget) {
    const QSize size = QImageReader(path).size();
    if (!size.isValid()) {
        return {};
    }
    // The icon looks for the "@2x" file and hands out the variant that suits
    // the ratio; the ratio of a widget not yet shown is that of its screen.
    return QIcon(path).pixmap(size, widget->devicePixelRatioF());
}

}  // namespace lumidor
