#include <QApplication>

#include "app/appfont.h"
#include "app/mainwindow.h"
#include "common/ui/dialogs.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    lumidor::applyApplicationFont();

    lumidor::TMainForm window;
    lumidor::Dialogs::setParentWidget(&window);
    window.show();
    // Without a window manager nothing activates the window for us.
    window.activateWindow();
    return QApplication::exec();
}
