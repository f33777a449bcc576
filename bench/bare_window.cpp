// What the configurator's start-up is measured against (scripts/measure-startup.sh
// builds it on its own, linking Qt only): a main window with nothing in it,
// sized as given, ended at its first activation. Given a text, it shows that
// one line in a label: what any text at all adds to a window's start.
//
//   bare_window <width> <height> [text]
#include <QApplication>
#include <QLabel>
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
    if (argc > 3) {
        auto* label = new QLabel(QString::fromLocal8Bit(argv[3]), client);
        label->move(8, 8);
    }
    window.setFixedSize(argc > 2 ? std::atoi(argv[1]) : 640, argc > 2 ? std::atoi(argv[2]) : 480);
    new lumidor::bench::QuitAtActivation(&window);
    window.show();
    window.activateWindow();
    const int result = QApplication::exec();
    std::printf("size %dx%d\n", window.width(), window.height());
    return result;
}
