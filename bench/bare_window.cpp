// What the configurator's start-up is measured against (scripts/measure-startup.sh
// builds it on its own, linking Qt only): a main window with nothing in it,
// sized as given, ended at its first activation.
//
//   bare_window <width> <height>
#include <QApplication>
#include <QMainWindow>
#include <cstdlib>

#include "app/appfont.h"
#include "startupend.h"

namespace {
lumidor::bench::PeakAtExit peakAtExit;
}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    lumidor::applyApplicationFont();
    QMainWindow window;
    auto* client = new QWidget;
    client->setAutoFillBackground(true);
    QPalette pal = client->palette();
    pal.setColor(QPalette::Window, Qt::white);
    client->setPalette(pal);
    window.setCentralWidget(client);
    window.setFixedSize(argc > 2 ? std::atoi(argv[1]) : 640, argc > 2 ? std::atoi(argv[2]) : 480);
    new lumidor::bench::QuitAtActivation(&window);
    window.show();
    window.activateWindow();
    const int result = QApplication::exec();
    std::printf("size %dx%d\n", window.width(), window.height());
    return result;
}
