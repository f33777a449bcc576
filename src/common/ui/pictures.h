#pragma once

#include <QPixmap>
#include <QString>

class QWidget;

namespace lumidor {

// A picture from the resources at its own size, for a widget's screen: on a
// scaled screen Qt picks the "@2x" variant beside the file by itself.
QPixmap resourcePixmap(const QString& path, const QWidget* widget);

}  // namespace lumidor
