// The program's start up to its first activation, then an orderly end: what
// callgrind counts here is the start-up cost a user waits for.
//
//   valgrind --tool=callgrind build/bench/startup_probe
#include <QApplication>
#include <QTimer>
#include <QWindow>

#include "app/mainwindow.h"
#include "common/ui/dialogs.h"
#include "support/recordingdialogs.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QFont font = QApplication::font();
    font.setPixelSize(11);
    QApplication::setFont(font);

    // The start-up messages are recorded, not waited for.
    lumidor::test::RecordingDialogs dialogs;
    lumidor::TMainForm window;
    lumidor::Dialogs::setParentWidget(&window);
    window.show();
    window.activateWindow();
    // The first activation runs from the event loop; quitting is queued behind it.
    QObject::connect(&app, &QApplication::focusWindowChanged, &app, [&app, &window] {
        if (window.isActiveWindow()) {
            QTimer::singleShot(0, &app, &QApplication::quit);
        }
    });
    return app.exec();
}
