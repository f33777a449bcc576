#include <QApplication>

#include "app/appfont.h"
#include "app/mainwindow.h"
#include "common/runningmark.h"
#include "common/ui/dialogs.h"

int main(int argc, char* argv[]) {
    // Held until the program ends, so an installer waits for it.
    const lumidor::RunningMark running;
    QApplication app(argc, argv);
    lumidor::applyApplicationFont();

    lumidor::TMainForm window;
    lumidor::Dialogs::setParentWidget(&window);
    // A preset file named by a file manager or Explorer opens once the window is up.
    window.openAtStart(lumidor::fileArguments(QCoreApplication::arguments(), argc, argv));
    window.show();
    // Without a window manager nothing activates the window for us.
    window.activateWindow();
    return QApplication::exec();
}
