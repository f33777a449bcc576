#include <QApplication>

#include "app/mainwindow.h"
#include "common/ui/dialogs.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QFont font = QApplication::font();
    font.setPixelSize(11);
    QApplication::setFont(font);

    lumidor::TMainForm window;
    lumidor::Dialogs::setParentWidget(&window);
    window.show();
    // Without a window manager nothing activates the window for us.
    window.activateWindow();
    return QApplication::exec();
}
