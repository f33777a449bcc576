// What the configurator's start-up is measured against (scripts/measure-startup.sh
// builds it on its own, linking Qt only): a main window with nothing in it,
// sized as given, ended at its first activation. Given a text, it shows that
// one line in a label: what any text at all adds to a window's start. Given
// --controls, it shows as many plain controls of each kind as the
// configurator's window has, in the program's font, with no program behind
// them: what Qt itself takes to build and paint such a window.
//
//   bare_window <width> <height> [text | --controls]
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QSlider>
#include <QToolButton>
#include <cstdlib>
#include <cstring>

#include "app/appfont.h"
#include "app/groupplaces.h"
#include "startupend.h"

namespace {
lumidor::bench::PeakAtExit peakAtExit;

// The configurator's main window holds 160 check boxes, 50 labels, 25 lists
// (97 items), 14 tool buttons, 6 groups (at their own places), 5 sliders and 3
// edits.
void addControls(QWidget* client) {
    for (int i = 0; i < 160; ++i) {
        (new QCheckBox(client))->move(120 + 22 * (i % 20), 60 + 22 * (i / 20));
    }
    for (int i = 0; i < 50; ++i) {
        auto* label =
            new QLabel(QStringLiteral("Výstup %1, sekce %2").arg(i % 8 + 1).arg(i / 8 + 1), client);
        label->move(8 + 240 * (i / 25), 250 + 14 * (i % 25));
    }
    for (int i = 0; i < 25; ++i) {
        auto* list = new QComboBox(client);
        for (int item = 0; item < 4; ++item) {
            list->addItem(QStringLiteral("Položka %1 seznamu %2").arg(item + 1).arg(i + 1));
        }
        list->setGeometry(500 + 150 * (i / 13), 250 + 24 * (i % 13), 140, 21);
    }
    for (int i = 0; i < 14; ++i) {
        auto* button = new QToolButton(client);
        button->setText(QStringLiteral("Tlačítko %1").arg(i + 1));
        button->setGeometry(8 + 68 * i, 640, 64, 24);
    }
    int number = 0;
    for (const QRect& place : lumidor::groupplaces::kAll) {
        auto* group = new QGroupBox(QStringLiteral("Skupina %1").arg(++number), client);
        group->setGeometry(place);
        group->lower();
    }
    for (int i = 0; i < 5; ++i) {
        (new QSlider(Qt::Horizontal, client))->setGeometry(8 + 150 * i, 760, 140, 20);
    }
    for (int i = 0; i < 3; ++i) {
        (new QLineEdit(QStringLiteral("%1").arg(10 * i), client))
            ->setGeometry(780 + 60 * i, 760, 50, 21);
    }
}
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
    if (argc > 3 && std::strcmp(argv[3], "--controls") == 0) {
        addControls(client);
    } else if (argc > 3) {
        auto* label = new QLabel(QString::fromLocal8Bit(argv[3]), client);
        label->move(8, 8);
    }
    window.setFixedSize(argc > 2 ? std::atoi(argv[1]) : 640, argc > 2 ? std::atoi(argv[2]) : 480);
    return lumidor::bench::runUntilActivation(window);
}
