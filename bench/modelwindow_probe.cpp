// Opens the model preview window as SpeedButton1 does and keeps the program
// running, for looking at the window and for measuring what it costs:
//
//   modelwindow_probe            the program with the model window open
//   modelwindow_probe closed     the same program, model window never opened
#include <QApplication>
#include <QTimer>

#include "app/appfont.h"
#include "app/mainwindow.h"
#include "common/ui/dialogs.h"
#include "support/recordingdialogs.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    lumidor::applyApplicationFont();

    lumidor::test::RecordingDialogs dialogs;
    lumidor::TMainForm window;
    lumidor::Dialogs::setParentWidget(&window);
    window.show();
    window.activateWindow();
    const bool open = !(argc > 1 && QByteArray(argv[1]) == "closed");
    if (open) {
        QTimer::singleShot(300, &window, [&window] { window.SpeedButton1Click(); });
    }
    return app.exec();
}
