// Fault figures for scripts/figures.sh; neither a benchmark nor part of the
// test command.
//   lumidor_faults store <file> <settings|presetfile> <a|b>
//       stores the A, then B, then A ... presets into the file until killed;
//       <file>.running appears once the first store is done
//   lumidor_faults once <file> <settings|presetfile> <a|b>
//       one store, as the next save after the kills
//   lumidor_faults check <file> <settings|presetfile>
//       exit 0 when the file is exactly the complete A or B content
//   lumidor_faults unplug <calls>
//       one configuration write through the main window with the simulator's
//       converter gone after <calls> calls; prints the time taken, the boxes
//       shown and whether a settings file appeared
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QSaveFile>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>

#include "app/languagebox.h"
#include "app/mainwindow.h"
#include "presets/presetfile.h"
#include "settings/settingsfile.h"
#include "support/recordingdialogs.h"

using namespace lumidor;

namespace {

Presets presetsFor(char which) {
    Presets p;
    for (int n : canonicalCellNumbers()) {
        p.grid.setCell(n, which == 'a' ? n % 3 == 0 : n % 2 == 1);
    }
    p.options = which == 'a' ? PresetOptions{1, 2, 0, 0, 100} : PresetOptions{5, 9, 3, 40, 60};
    return p;
}

// The pattern a preset file holds: the grid of the stored presets, with
// options that differ between A and B in every byte they fill.
Pattern patternFor(char which) {
    const PatternOptions options = which == 'a' ? PatternOptions{1, 0, 2} : PatternOptions{4, 1, 0};
    return {presetsFor(which).grid, options};
}

bool storeOnce(const QString& file, const QString& kind, char which) {
    if (kind == QStringLiteral("settings")) {
        return storePresets(file, presetsFor(which), nullptr).status ==
               StoreOutcome::Status::Written;
    }
    // What the preset editor's save button calls.
    const Pattern p = patternFor(which);
    return !writePresetFile(file, p.grid, p.options).has_value();
}

QByteArray expected(const QString& kind, char which) {
    if (kind == QStringLiteral("settings")) {
        IniFile ini;
        putPresets(ini, presetsFor(which));
        return ini.toBytes();
    }
    const Pattern p = patternFor(which);
    return presetFileBytes(p.grid, p.options);
}

int unplug(int argc, char** argv, const char* calls) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir dir;
    test::RecordingDialogs dialogs;
    TMainForm form(dir.path());
    form.LanguageClick(Lang::English);
    form.SearchConverter();
    dialogs.shown.clear();
    qputenv("LUMIDOR_SIM_UNPLUG_AFTER", calls);
    QElapsedTimer clock;
    clock.start();
    form.BitBtn6Click();
    const qint64 ms = clock.elapsed();
    std::printf("unplug after %s calls: %lld ms, settings file %s\n", calls,
                static_cast<long long>(ms),
                QFile::exists(form.settingsPath()) ? "WRITTEN" : "not written");
    for (const Message& m : dialogs.shown) {
        std::printf("  box: %s\n", qPrintable(QString(m.text)
                                                  .replace(QLatin1Char('\r'), QString())
                                                  .replace(QLatin1Char('\n'), QLatin1Char(' '))));
    }
    return dialogs.shown.isEmpty() || QFile::exists(form.settingsPath()) ? 1 : 0;
}

}  // namespace

int main(int argc, char** argv) {
    const QString mode = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    if (mode == QStringLiteral("store") && argc == 5) {
        const QString file = QString::fromLocal8Bit(argv[2]);
        const QString kind = QString::fromLocal8Bit(argv[3]);
        char which = argv[4][0];
        if (!storeOnce(file, kind, which)) {
            return 1;
        }
        // Tells the script that the stores are under way; the kill comes later.
        QFile(file + QStringLiteral(".running")).open(QIODevice::WriteOnly);
        // Each store replaces one complete content with the other.
        for (;;) {
            which = which == 'a' ? 'b' : 'a';
            if (!storeOnce(file, kind, which)) {
                return 1;
            }
        }
    }
    if (mode == QStringLiteral("once") && argc == 5) {
        return storeOnce(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]),
                         argv[4][0])
                   ? 0
                   : 1;
    }
    if (mode == QStringLiteral("check") && argc == 4) {
        QFile f(QString::fromLocal8Bit(argv[2]));
        if (!f.open(QIODevice::ReadOnly)) {
            return 2;
        }
        const QByteArray bytes = f.readAll();
        const QString kind = QString::fromLocal8Bit(argv[3]);
        return bytes == expected(kind, 'a') || bytes == expected(kind, 'b') ? 0 : 1;
    }
    if (mode == QStringLiteral("unplug") && argc == 3) {
        return unplug(argc, argv, argv[2]);
    }
    std::fprintf(stderr, "usage: lumidor_faults store|once|check|unplug ...\n");
    return 2;
}
