// The whole main window against the converter simulator: the real binding,
// the real search and the real transfers, driven through the window's own
// controls. What the switch received is read back from the simulator's trace.
// Shared by the end-to-end tests in tests/app, one file per feature.
#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>
#include <functional>
#include <memory>

#include "app/languagebox.h"
#include "app/mainwindow.h"
#include "common/ui/updown.h"
#include "link/ui/interfacebox.h"
#include "presets/ui/preseteditorbox.h"
#include "settings/ui/configpanelbox.h"
#include "support/files.h"
#include "support/recordingdialogs.h"
#include "support/simenv.h"

namespace lumidor::test {

const char* const kFileName = "rc_lumidor_konfigurator_hw_v40.ini";

// The texts the user reads, written out here rather than taken from the program.
const Bi kPresetsSent{"Předvolby byly úspěšně přeneseny do RC Lumidoru !",
                      "The presets has been successfully transferred to the RC Lumidor !"};
const Bi kConfigurationSent{
    "Konfigurace byla úspěšně přenesena do RC Lumidoru !",
    "The configuration has been successfully transferred to the RC Lumidor !"};
const Bi kNoConnection{"Nepodařilo se navázat spojení s RC_LINKUP modulem !!!'",
                       "Unable to establish connection with the RC_LINKUP module !!!'"};
const Bi kFileMissing{
    "Soubor \"rc_lumidor_konfigurator_hw_v40.ini\" nebyl nalezen.\r\n\r\n"
    "Konfigurace byla nastavena do výchozích hodnot.",
    "File \"rc_lumidor_konfigurator_hw_v40.ini\" not found.\r\n\r\n"
    "Configuration has been set to default values."};
const Bi kNotFound{
    "                Převodník RC_LINKUP nebyl nalezen v žádném USB portu !!!\r\n\r\n"
    "Vložte, prosím, převodník do USB. Aplikace bude převodník automaticky detekovat.",
    "                  RC_LINKUP converter has not been found in any USB port !!!\r\n\r\n"
    "Please insert the converter into a USB port. The application will be automatically "
    "detect him."};

inline QString errorBox(const char* reply, const char* reason, int spaces, const char* hint) {
    return QString::fromLatin1(reply) + QString::fromUtf8(reason) + QStringLiteral("\n\r\n\r") +
           QString(spaces, QLatin1Char(' ')) + QString::fromUtf8(hint);
}
const char* const kRetryCz = "Prosím, zkuste akci opakovat.";
const char* const kRetryEn = "Please try again.";

// One line per call to the simulator; the bytes a read delivered are indented.
inline QStringList traceCalls(const QString& path) {
    QStringList calls;
    for (const QByteArray& line : readAll(path).split('\n')) {
        if (!line.isEmpty() && !line.startsWith(' ')) {
            calls << QString::fromLatin1(line.left(line.indexOf('(')));
        }
    }
    return calls;
}

inline QStringList traceWrites(const QString& path) {
    QStringList frames;
    for (const QByteArray& line : readAll(path).split('\n')) {
        if (line.startsWith("FT_Write(") && line.endsWith(')')) {
            frames << QString::fromLatin1(line.mid(9, line.size() - 10));
        }
    }
    return frames;
}

// A box whose text depends on the language active when it shows.
struct Box {
    MsgKind kind;
    Bi text;
};
using Boxes = QList<Box>;

// Also lets a test look at the window at the moment a box comes up.
class WatchingDialogs : public test::RecordingDialogs {
public:
    void message(MsgKind kind, const QString& text) override {
        if (onMessage) {
            onMessage();
        }
        RecordingDialogs::message(kind, text);
    }
    std::function<void()> onMessage;
};

// The bytes each read delivered.
inline QList<QByteArray> traceReads(const QString& path) {
    QList<QByteArray> reads;
    for (const QByteArray& line : readAll(path).split('\n')) {
        if (line.startsWith("  <- ")) {
            reads << QByteArray::fromHex(line.mid(5));
        }
    }
    return reads;
}

inline QList<int> allCells() {
    QList<int> cells;
    for (int n = 1; n <= 80; ++n) {
        cells << n;
    }
    for (int n = 101; n <= 180; ++n) {
        cells << n;
    }
    return cells;
}

// Each test class derives from this beside QObject and calls setUp() from its
// init() and tearDown() from its cleanup().
class EndToEnd {
protected:
    std::unique_ptr<SimEnv> sim_;
    std::unique_ptr<WatchingDialogs> dialogs_;
    QLocale startLocale_ = QLocale();
    std::unique_ptr<QTemporaryDir> dir_;
    std::unique_ptr<QTemporaryDir> scratch_;
    std::unique_ptr<TMainForm> form_;
    QString trace_;

    // The folder the window keeps its settings file in.
    QString folder_;
    QString settingsFile() const { return QDir(folder_).filePath(QLatin1String(kFileName)); }

    template <typename T>
    T* child(const char* name) const {
        return form_->findChild<T*>(QLatin1String(name));
    }

    // Builds, shows and activates the window: the first activation searches
    // for the converter and tells what is missing.
    bool startWindow() {
        form_ = std::make_unique<TMainForm>(folder_);
        form_->show();
        return QTest::qWaitForWindowActive(form_.get());
    }

    void useLanguage(Lang lang) {
        QToolButton* button = lang == Lang::Czech ? form_->languageBox()->czechButton()
                                                  : form_->languageBox()->englishButton();
        if (button->isEnabled()) {
            QTest::mouseClick(button, Qt::LeftButton);
        }
    }

    // A choice as the user makes it, so the list's handler runs.
    static void choose(QComboBox* list, int index) {
        QVERIFY(list != nullptr && list->isEnabled());
        QTest::keyClick(list, Qt::Key_Home);
        for (int i = 0; i < index; ++i) {
            QTest::keyClick(list, Qt::Key_Down);
        }
        QCOMPARE(list->currentIndex(), index);
    }

    void clickCell(int n) {
        QCheckBox* box = child<QCheckBox>(qPrintable(QStringLiteral("CheckBox%1").arg(n)));
        QVERIFY(box != nullptr);
        const bool was = box->isChecked();
        QTest::mouseClick(box, Qt::LeftButton);
        QCOMPARE(box->isChecked(), !was);
    }

    QPushButton* presetButton() const { return child<QPushButton>("BitBtn1"); }
    QPushButton* configurationButton() const { return child<QPushButton>("BitBtn6"); }

    bool buttonsEnabled(bool enabled) const {
        return presetButton()->isEnabled() == enabled &&
               configurationButton()->isEnabled() == enabled;
    }

    void press(QPushButton* button) {
        QVERIFY(button->isEnabled());
        QFile::remove(trace_);
        QTest::mouseClick(button, Qt::LeftButton);
        QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
    }

    // Cells 1, 101, outputs 1, 3, 4 of column 3 and output 8 of column 20;
    // time axis 3, on/off 5, brightness mode 4 with MIN 30 and MAX 80.
    void drawPresets() {
        QTest::mouseClick(child<QToolButton>("btnUnselectAll"), Qt::LeftButton);
        for (int n : {1, 101, 9, 11, 12, 180}) {
            clickCell(n);
        }
        choose(child<QComboBox>("cbCasovaOsa"), 3);
        choose(child<QComboBox>("cbZapVyp"), 5);
        choose(child<QComboBox>("cbPWM"), 4);
        auto* low = child<UpDown>("udPwmMin");
        auto* high = child<UpDown>("udPwmMax");
        QVERIFY(low != nullptr && high != nullptr);
        QVERIFY(low->isEnabled() && high->isEnabled());
        for (int i = 0; i < 3; ++i) {
            QTest::mouseClick(low->upButton(), Qt::LeftButton);
        }
        for (int i = 0; i < 2; ++i) {
            QTest::mouseClick(high->downButton(), Qt::LeftButton);
        }
        QCOMPARE(low->position(), 30);
        QCOMPARE(high->position(), 80);
    }

    static QByteArray drawnPresetsSection() {
        QByteArray text = "[Presets]\r\n";
        for (int n : allCells()) {
            const bool lit = QList<int>{1, 101, 9, 11, 12, 180}.contains(n);
            text += "ChB" + QByteArray::number(n) + (lit ? "=1\r\n" : "=0\r\n");
        }
        return text + "TimeAxe=3\r\nOnOff=5\r\nPWM=4\r\nPWM_Min=30\r\nPWM_Max=80\r\n\r\n";
    }

    static inline const QString kDrawnFrame = QStringLiteral(
        "3A 2F 04 01 01 01 00 00 0D 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 "
        "00 00 00 00 00 00 00 00 00 00 00 00 00 00 08 03 05 04 03 08 59");

    void setUp() {
        sim_ = std::make_unique<SimEnv>();
        dialogs_ = std::make_unique<WatchingDialogs>();
        dir_ = std::make_unique<QTemporaryDir>();
        scratch_ = std::make_unique<QTemporaryDir>();
        QVERIFY(dir_->isValid() && scratch_->isValid());
        trace_ = scratch_->filePath(QStringLiteral("trace.txt"));
        folder_ = dir_->path();
        // The switch's answer (15 bytes, about 16 ms on the line) starts
        // when the frames have crossed, before the read begins; nothing needs
        // the full read timeout.
        sim_->set("LUMIDOR_SIM_READ_TIMEOUT", "30");
        sim_->set("LUMIDOR_SIM_TRACE", qPrintable(trace_));
    }

    void tearDown() {
        QLocale::setDefault(startLocale_);
        form_.reset();
        dialogs_.reset();
        sim_.reset();
        dir_.reset();
        scratch_.reset();
        while (QGuiApplication::overrideCursor() != nullptr) {
            QGuiApplication::restoreOverrideCursor();
        }
    }
};

}  // namespace lumidor::test
