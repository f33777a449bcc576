// The whole main window against the converter simulator: the real binding,
// the real search and the real transfers, driven through the window's own
// controls. What the switch received is read back from the simulator's trace.
#include <signal.h>
#include <sys/resource.h>

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
#include <memory>

#include "app/languagebox.h"
#include "app/mainwindow.h"
#include "common/ui/updown.h"
#include "link/simenv.h"
#include "link/ui/interfacebox.h"
#include "presets/ui/preseteditorbox.h"
#include "settings/ui/configpanelbox.h"
#include "support/files.h"
#include "support/recordingdialogs.h"

using namespace lumidor;

namespace {

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

QString errorBox(const QString& reply, const char* reason, int spaces, const char* hint) {
    return reply + QString::fromUtf8(reason) + QStringLiteral("\n\r\n\r") +
           QString(spaces, QLatin1Char(' ')) + QString::fromUtf8(hint);
}
const char* const kRetryCz = "Prosím, zkuste akci opakovat.";
const char* const kRetryEn = "Please try again.";

using test::readAll;
using test::writeAll;

// One line per call to the simulator; the bytes a read delivered are indented.
QStringList traceCalls(const QString& path) {
    QStringList calls;
    for (const QByteArray& line : readAll(path).split('\n')) {
        if (!line.isEmpty() && !line.startsWith(' ')) {
            calls << QString::fromLatin1(line.left(line.indexOf('(')));
        }
    }
    return calls;
}

QStringList traceWrites(const QString& path) {
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
QList<QByteArray> traceReads(const QString& path) {
    QList<QByteArray> reads;
    for (const QByteArray& line : readAll(path).split('\n')) {
        if (line.startsWith("  <- ")) {
            reads << QByteArray::fromHex(line.mid(5));
        }
    }
    return reads;
}

QList<int> allCells() {
    QList<int> cells;
    for (int n = 1; n <= 80; ++n) {
        cells << n;
    }
    for (int n = 101; n <= 180; ++n) {
        cells << n;
    }
    return cells;
}

}  // namespace

class EndToEndTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<test::SimEnv> sim_;
    std::unique_ptr<WatchingDialogs> dialogs_;
    QLocale startLocale_;
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

    static constexpr const char* kDrawnFrame =
        "3A 2F 04 01 01 01 00 00 0D 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 "
        "00 00 00 00 00 00 00 00 00 00 00 00 00 00 08 03 05 04 03 08 59";

private Q_SLOTS:
    void init() {
        sim_ = std::make_unique<test::SimEnv>();
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

    void initTestCase() { startLocale_ = QLocale(); }

    void cleanup() {
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

    // ---- First activation ----

    void firstActivation_data() {
        QTest::addColumn<QByteArray>("devices");  // "-" for the simulator's default
        QTest::addColumn<QLocale::Language>("locale");
        QTest::addColumn<Lang>("lang");
        QTest::addColumn<bool>("file");
        QTest::addColumn<bool>("converter");
        QTest::addColumn<Boxes>("boxes");
        const Box fileMissing{MsgKind::Warning, kFileMissing};
        const Box notFound{MsgKind::Error, kNotFound};
        const QByteArray simDefault("-");
        QTest::newRow("all present")
            << simDefault << QLocale::Czech << Lang::Czech << true << true << Boxes{};
        QTest::newRow("no settings file, cz")
            << simDefault << QLocale::Czech << Lang::Czech << false << true << Boxes{fileMissing};
        QTest::newRow("no settings file, de") << simDefault << QLocale::German << Lang::English
                                              << false << true << Boxes{fileMissing};
        QTest::newRow("nothing, en") << QByteArray("") << QLocale::English << Lang::English << false
                                     << false << Boxes{notFound, fileMissing};
        QTest::newRow("nothing, cz") << QByteArray("") << QLocale::Czech << Lang::Czech << false
                                     << false << Boxes{notFound, fileMissing};
        QTest::newRow("only other devices")
            << QByteArray("USB Serial|A1;Other|B2") << QLocale::Slovak << Lang::English << true
            << false << Boxes{notFound};
    }

    void firstActivation() {
        QFETCH(QByteArray, devices);
        QFETCH(QLocale::Language, locale);
        QFETCH(Lang, lang);
        QFETCH(bool, file);
        QFETCH(bool, converter);
        QFETCH(Boxes, boxes);
        if (devices != "-") {
            sim_->set("LUMIDOR_SIM_DEVICES", devices.constData());
        }
        if (file) {
            QVERIFY(writeAll(settingsFile(), "[Presets]\r\nChB7=1\r\n"));
        }
        QLocale::setDefault(QLocale(locale));
        QVERIFY(startWindow());

        // The boxes come in the locale's language, already applied at first show.
        QCOMPARE(form_->lang(), lang);
        QCOMPARE(form_->windowTitle(), lang == Lang::Czech
                                           ? QString::fromUtf8("RC Lumidor konfigurátor HW v4.0")
                                           : QStringLiteral("RC Lumidor configurator HW v4.0"));
        Messages expected;
        for (const Box& box : boxes) {
            expected.append({box.kind, box.text(lang)});
        }
        QCOMPARE(dialogs_->shown, expected);
        QCOMPARE(form_->interfaceBox()->nameCaption(),
                 converter ? QStringLiteral("RC_LINKUP") : QStringLiteral("---"));
        QVERIFY(buttonsEnabled(converter));
        QCOMPARE(QFile::exists(settingsFile()), file);

        // Leaving the window and coming back repeats nothing.
        QWidget other;
        other.show();
        QVERIFY(QTest::qWaitForWindowActive(&other));
        form_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form_.get()));
        QCOMPARE(dialogs_->shown, expected);
    }

    // A first run without a settings file sends the documented defaults.
    void defaultsWithoutASettingsFile() {
        QVERIFY(startWindow());
        QTest::mouseClick(child<QToolButton>("btnSelectAll"), Qt::LeftButton);
        useLanguage(Lang::English);

        // Unanswered: the file is not made up.
        dialogs_->shown.clear();
        sim_->set("LUMIDOR_SIM_REPLY", "silent");
        press(presetButton());
        QCOMPARE(dialogs_->shown.size(), 1);
        QVERIFY(dialogs_->shown.first().text.startsWith(QStringLiteral("Error#0 - ")));
        QVERIFY(!QFileInfo::exists(settingsFile()));

        sim_->unset("LUMIDOR_SIM_REPLY");
        press(presetButton());
        const QString presets = QStringLiteral("3A 2F 04 01") + QStringLiteral(" 0F").repeated(40) +
                                QStringLiteral(" 01 02 00 00 0A 5C");
        QCOMPARE(traceWrites(trace_), (QStringList{presets, presets}));
        press(configurationButton());
        const QString configuration = QStringLiteral(
            "3A 1F 04 00 00 01 01 01 01 01 00 04 05 00 01 01 00 02 00 02 00 01 00 0F 0F 00 00 01 "
            "00 07 07 07 07 64");
        QCOMPARE(traceWrites(trace_), (QStringList{configuration, configuration}));
        const QByteArray file = readAll(settingsFile());
        QVERIFY(file.contains("TimeAxe=1\r\nOnOff=2\r\nPWM=0\r\nPWM_Min=0\r\nPWM_Max=100\r\n"));
        QVERIFY(
            file.contains("StickLeft1=1136\r\nStickRight1=1872\r\nStickLeft2=1136\r\n"
                          "StickRight2=1872\r\nReverse1=0\r\nReverse2=0\r\n"));
    }

    // ---- Writing the presets ----

    void presetsWrittenEndToEnd_data() {
        QTest::addColumn<Lang>("lang");
        QTest::addColumn<QString>("folder");  // below the test's own
        QTest::newRow("cz") << Lang::Czech << QString();
        QTest::newRow("en") << Lang::English << QString();
        QTest::newRow("folder named in Czech")
            << Lang::Czech << QString::fromUtf8("Nastavení a předvolby");
    }

    void presetsWrittenEndToEnd() {
        QFETCH(Lang, lang);
        QFETCH(QString, folder);
        if (!folder.isEmpty()) {
            folder_ = QDir(folder_).filePath(folder);
            QVERIFY(QDir().mkpath(folder_));
        }
        QVERIFY(startWindow());
        QVERIFY(buttonsEnabled(true));
        dialogs_->shown.clear();
        useLanguage(lang);
        QCOMPARE(form_->lang(), lang);
        drawPresets();

        press(presetButton());
        QCOMPARE(dialogs_->shown, Messages({{MsgKind::Information, kPresetsSent(lang)}}));
        // Opened by the name the search found, the frame twice, one read, closed;
        // the port settings are left as the search made them.
        QCOMPARE(traceCalls(trace_),
                 (QStringList{"FT_OpenEx", "FT_Write", "FT_Write", "FT_Read", "FT_Close"}));
        QVERIFY(readAll(trace_).startsWith("FT_OpenEx(RC_LINKUP v1.3, 2)"));
        QCOMPARE(traceWrites(trace_), (QStringList{kDrawnFrame, kDrawnFrame}));
        QCOMPARE(readAll(settingsFile()), drawnPresetsSection());
        QVERIFY(buttonsEnabled(true));
    }

    // ---- Writing the configuration, and the next start ----

    void configurationRoundTrip() {
        QVERIFY(startWindow());
        drawPresets();
        press(presetButton());

        // Every item off its default; the reverse of input 1 chosen by hand.
        ConfigValues v;
        v.lists = {3, 4, 0, 2, 0, 0, 1, 1, 2, 3, 2, 4, 3, 0, 2, 2, 1, 1, 2, 0, 0};
        v.voltage = 33;
        v.stickLeft1 = 960;
        v.stickRight1 = 2000;
        v.stickLeft0 = 1344;
        v.stickRight0 = 1700;
        form_->configPanel()->setValues(v);
        choose(child<QComboBox>("cbReverse1"), 1);
        v.list(ConfigList::Reverse1) = 1;
        QCOMPARE(form_->configPanel()->values(), v);

        dialogs_->shown.clear();
        useLanguage(Lang::English);
        press(configurationButton());
        QCOMPARE(dialogs_->shown,
                 Messages({{MsgKind::Information, kConfigurationSent(Lang::English)}}));
        const QString frame = QStringLiteral(
            "3A 1F 04 00 03 04 00 02 00 00 01 03 03 01 02 02 03 04 03 00 02 02 01 0F 0F 00 01 02 "
            "01 01 02 0D 0B 63");
        QCOMPARE(traceWrites(trace_), (QStringList{frame, frame}));

        // The presets stored first keep their place; the configuration follows.
        const QByteArray configuration =
            "[Configuration]\r\nProgram=3\r\nInitialization=4\r\nInitFlash=0\r\nFailSafe=2\r\n"
            "ConfTrans=0\r\nIndicationLED=0\r\nVoltageGuard=1\r\nVoltage=33\r\nWinkersOnOff=1\r\n"
            "CornerSpeed=2\r\nDelayWinkers=3\r\nWarningWinkers=2\r\nSoundSpeed=4\r\n"
            "EngineType=3\r\nNumCylinders=0\r\nTimeEngineStall=2\r\nEngineShutDown=2\r\n"
            "StopAccelerator=1\r\nCalStick=1\r\nNeutral=2\r\nStickLeft1=960\r\n"
            "StickRight1=2000\r\nStickLeft2=1344\r\nStickRight2=1700\r\nReverse1=1\r\n"
            "Reverse2=0\r\n\r\n";
        QCOMPARE(readAll(settingsFile()), drawnPresetsSection() + configuration);

        // The next start shows everything as it was sent.
        form_.reset();
        dialogs_->shown.clear();
        QVERIFY(startWindow());
        QCOMPARE(dialogs_->shown, Messages{});
        static const char* const kLists[] = {"cbProg",
                                             "cbInicializace",
                                             "cbInicBlik",
                                             "cbFailSafe",
                                             "cbNastavVysilacem",
                                             "cbIndikacniLED",
                                             "cbVoltageGuard",
                                             "cbSmerovky_OnOff",
                                             "cbCornerSpeed",
                                             "cbProdlevaSmerovkyTime",
                                             "cbVarovneSmerovkyTime",
                                             "cbSoundSpeed",
                                             "cbEngineType",
                                             "cbCylinder",
                                             "cbTimeOff",
                                             "cbEngineShutDown",
                                             "cbControl",
                                             "cbCalKnipl",
                                             "cbNeutral",
                                             "cbReverse1",
                                             "cbReverse0"};
        for (int i = 0; i < kConfigListCount; ++i) {
            auto* list = child<QComboBox>(kLists[i]);
            QVERIFY2(list != nullptr, kLists[i]);
            QVERIFY2(list->currentIndex() == v.lists[static_cast<size_t>(i)], kLists[i]);
        }
        QCOMPARE(child<UpDown>("UpDown1")->position(), 33);
        QCOMPARE(child<QSlider>("tbLeft1")->value(), 960);
        QCOMPARE(child<QSlider>("tbRight1")->value(), 2000);
        QCOMPARE(child<QSlider>("tbLeft0")->value(), 1344);
        QCOMPARE(child<QSlider>("tbRight0")->value(), 1700);

        const QList<int> lit{1, 101, 9, 11, 12, 180};
        for (int n : allCells()) {
            QCOMPARE(form_->presetEditor()->cellBox(n)->isChecked(), lit.contains(n));
        }
        QCOMPARE(child<QComboBox>("cbCasovaOsa")->currentIndex(), 3);
        QCOMPARE(child<QComboBox>("cbZapVyp")->currentIndex(), 5);
        QCOMPARE(child<QComboBox>("cbPWM")->currentIndex(), 4);
        QCOMPARE(child<UpDown>("udPwmMin")->position(), 30);
        QCOMPARE(child<UpDown>("udPwmMax")->position(), 80);

        // Sending again from the restored window puts the same frame on the line.
        press(configurationButton());
        QCOMPARE(traceWrites(trace_), (QStringList{frame, frame}));
    }

    // ---- Replies other than a plain acceptance ----

    void replies_data() {
        QTest::addColumn<bool>("configuration");
        QTest::addColumn<Lang>("lang");
        QTest::addColumn<QByteArray>(
            "reply");  // LUMIDOR_SIM_REPLY, or FAIL=... for LUMIDOR_SIM_FAIL
        QTest::addColumn<Messages>("boxes");
        QTest::addColumn<bool>("stored");

        QTest::newRow("silent, presets, en")
            << false << Lang::English << QByteArray("silent")
            << Messages{{MsgKind::Error,
                         errorBox("Error#0",
                                  " - RC Lumidor is not properly connected or not responding !!!",
                                  36, kRetryEn)}}
            << false;
        QTest::newRow("silent, configuration, cz")
            << true << Lang::Czech << QByteArray("silent")
            << Messages{{MsgKind::Error,
                         errorBox("Error#0",
                                  " - RC Lumidor není správně připojen nebo neodpovída !!!", 20,
                                  kRetryCz)}}
            << false;
        QTest::newRow("code inside other text")
            << false << Lang::English << QByteArray("xxError#48yy")
            << Messages{{MsgKind::Error,
                         errorBox("xxError#48yy", " - CRC checksum error !!!", 6, kRetryEn)}}
            << false;
        QTest::newRow("text after the carriage return ignored")
            << true << Lang::Czech << QByteArray("Error#16\\rRC_LINKUP...OK")
            << Messages{{MsgKind::Error,
                         errorBox("Error#16", " - chybějící počáteční znak !!!", 5, kRetryCz)}}
            << false;
        QTest::newRow("success and error")
            << false << Lang::English << QByteArray("RC_LINKUP...OK Error#64\\r")
            << Messages{{MsgKind::Information, kPresetsSent(Lang::English)},
                        {MsgKind::Error,
                         errorBox(
                             "RC_LINKUP...OK Error#64",
                             " - RC Lumidor didn`t confirm the processing of received data !!!", 38,
                             kRetryEn)}}
            << true;
        QTest::newRow("50 bytes without carriage return")
            << true << Lang::English << QByteArray("long")
            << Messages{{MsgKind::Information, kConfigurationSent(Lang::English)}} << true;
        QTest::newRow("read fails")
            << false << Lang::Czech << QByteArray("FAIL=FT_Read:4")
            << Messages{{MsgKind::Error, QStringLiteral("FT_Read - General IO error...")},
                        {MsgKind::Error,
                         errorBox("Error#0",
                                  " - RC Lumidor není správně připojen nebo neodpovída !!!", 20,
                                  kRetryCz)}}
            << false;
        QTest::newRow("neither success nor code")
            << true << Lang::English << QByteArray("BUSY\\r") << Messages{} << false;
    }

    void replies() {
        QFETCH(bool, configuration);
        QFETCH(Lang, lang);
        QFETCH(QByteArray, reply);
        QFETCH(Messages, boxes);
        QFETCH(bool, stored);
        // Kept by hand: a comment and one lit cell, so the grid may be sent.
        const QByteArray old = "; mine\r\n[Presets]\r\nChB1=1\r\nTimeAxe=2\r\n";
        QVERIFY(writeAll(settingsFile(), old));
        QVERIFY(startWindow());
        QCOMPARE(dialogs_->shown, Messages{});
        useLanguage(lang);

        if (reply == "long") {
            sim_->set("LUMIDOR_SIM_READ_TIMEOUT", "100");  // 50 bytes take 52 ms
        }
        if (reply.startsWith("FAIL=")) {
            sim_->set("LUMIDOR_SIM_FAIL", reply.mid(5).constData());
        } else {
            sim_->set("LUMIDOR_SIM_REPLY", reply.constData());
        }
        press(configuration ? configurationButton() : presetButton());
        QCOMPARE(dialogs_->shown, boxes);
        QCOMPARE(traceWrites(trace_).size(), 2);
        if (reply == "long") {
            const QList<QByteArray> reads = traceReads(trace_);
            QCOMPARE(reads.size(), 1);
            QCOMPARE(reads.first(), QByteArray("RC_LINKUP...OK") + QByteArray(36, '#'));
        }
        const QByteArray now = readAll(settingsFile());
        if (stored) {
            QVERIFY(!now.contains("; mine"));
            // Keys already in the file keep their places; the others follow.
            QVERIFY(now.startsWith(
                configuration
                    ? "[Presets]\r\nChB1=1\r\nTimeAxe=2\r\n\r\n[Configuration]\r\nProgram=0\r\n"
                    : "[Presets]\r\nChB1=1\r\nTimeAxe=2\r\nChB2=0\r\n"));
            QCOMPARE(now.contains("[Configuration]"), configuration);
        } else {
            QCOMPARE(now, old);
        }
        QVERIFY(buttonsEnabled(true));
    }

    // ---- What the file held at start-up is what the switch gets ----

    void storedValuesReachTheSwitch_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<bool>("configuration");
        QTest::addColumn<Lang>("lang");
        QTest::addColumn<Boxes>("boxes");
        QTest::addColumn<QString>("frame");  // empty: nothing opened
        QTest::addColumn<QByteArrayList>("stored");

        const Bi missingSelection{
            "Neplatné nastavení, chybí volba v některé rozbalovací nabídce !!!",
            "Invalid settings, missing selection in the pop-up menu !!!"};
        const Bi undefinedField{"Nelze zapsat nenadefinované pole !!!",
                                "Can`t write an undefined field !!!"};
        // An unchecked list without selection goes out as FF; the out-of-range
        // stick limits and threshold as pulled in.
        QTest::newRow("values out of range")
            << QByteArray(
                   "[Configuration]\r\nEngineType=7\r\nStickLeft1=700\r\n"
                   "StickRight2=5000\r\nVoltage=99\r\n")
            << true << Lang::English << Boxes{{MsgKind::Information, kConfigurationSent}}
            << QStringLiteral(
                   "3A 1F 04 00 00 01 01 01 01 01 00 05 05 00 01 01 00 02 FF 02 00 01 "
                   "00 0F 0F 00 00 01 00 07 0F 0F 07 9A")
            << QByteArrayList{"EngineType=-1\r\n", "StickLeft1=896\r\n", "StickRight2=2112\r\n",
                              "Voltage=55\r\n"};
        QTest::newRow("program out of the list")
            << QByteArray("[Configuration]\r\nProgram=9\r\n") << true << Lang::Czech
            << Boxes{{MsgKind::Warning, missingSelection}} << QString() << QByteArrayList{};
        QTest::newRow("brightness mode out of the list")
            << QByteArray("[Presets]\r\nChB5=1\r\nPWM=9\r\n") << false << Lang::English
            << Boxes{{MsgKind::Warning, missingSelection}} << QString() << QByteArrayList{};
        QTest::newRow("dark grid comes first")
            << QByteArray("[Presets]\r\nPWM=9\r\n") << false << Lang::Czech
            << Boxes{{MsgKind::Warning, undefinedField}} << QString() << QByteArrayList{};
    }

    void storedValuesReachTheSwitch() {
        QFETCH(QByteArray, file);
        QFETCH(bool, configuration);
        QFETCH(Lang, lang);
        QFETCH(Boxes, boxes);
        QFETCH(QString, frame);
        QFETCH(QByteArrayList, stored);
        QVERIFY(writeAll(settingsFile(), file));
        QVERIFY(startWindow());
        QCOMPARE(dialogs_->shown, Messages{});
        useLanguage(lang);

        press(configuration ? configurationButton() : presetButton());
        Messages expected;
        for (const Box& box : boxes) {
            expected.append({box.kind, box.text(lang)});
        }
        QCOMPARE(dialogs_->shown, expected);
        if (frame.isEmpty()) {
            QCOMPARE(traceCalls(trace_), QStringList{});
            QCOMPARE(readAll(settingsFile()), file);
        } else {
            QCOMPARE(traceWrites(trace_), (QStringList{frame, frame}));
        }
        const QByteArray now = readAll(settingsFile());
        for (const QByteArray& line : stored) {
            QVERIFY2(now.contains(line), line.constData());
        }
        QVERIFY(buttonsEnabled(true));
    }

    // The converter is opened by its whole description, wherever it is listed.
    void opensTheConverterFoundAmongOthers() {
        sim_->set("LUMIDOR_SIM_DEVICES", "USB Serial|A1;RC_LINKUP v1.3 spare|SN9");
        QVERIFY(startWindow());
        dialogs_->shown.clear();
        QCOMPARE(child<QLabel>("ftSN")->text(), QStringLiteral("SN9"));
        QTest::mouseClick(child<QToolButton>("btnSelectAll"), Qt::LeftButton);
        press(presetButton());
        QVERIFY(readAll(trace_).startsWith("FT_OpenEx(RC_LINKUP v1.3 spare, 2)\n"));
        QCOMPARE(dialogs_->shown.size(), 1);
        QCOMPARE(dialogs_->shown.first().kind, MsgKind::Information);
    }

    // ---- The converter goes away ----

    void converterGoneBeforeTransfer_data() {
        QTest::addColumn<QByteArray>("variable");
        QTest::addColumn<QByteArray>("value");
        QTest::addColumn<Lang>("lang");
        QTest::addColumn<int>("index");  // what the search after the failure leaves
        QTest::newRow("unlisted, en")
            << QByteArray("LUMIDOR_SIM_DEVICES") << QByteArray("") << Lang::English << -1;
        QTest::newRow("unplugged, cz")
            << QByteArray("LUMIDOR_SIM_UNPLUG_AFTER") << QByteArray("0") << Lang::Czech << -1;
        // Listed, but held by another program.
        QTest::newRow("taken, en")
            << QByteArray("LUMIDOR_SIM_FAIL") << QByteArray("FT_OpenEx:3") << Lang::English << 0;
    }

    void converterGoneBeforeTransfer() {
        QFETCH(QByteArray, variable);
        QFETCH(QByteArray, value);
        QFETCH(Lang, lang);
        QFETCH(int, index);
        QVERIFY(startWindow());
        dialogs_->shown.clear();
        useLanguage(lang);
        drawPresets();

        // The box comes first; the search runs once the user has read it.
        QStringList shownWhileBox;
        dialogs_->onMessage = [&] { shownWhileBox << form_->interfaceBox()->nameCaption(); };
        sim_->set(variable.constData(), value.constData());
        press(presetButton());
        QCOMPARE(shownWhileBox, QStringList{QStringLiteral("RC_LINKUP")});
        QCOMPARE(dialogs_->shown, Messages({{MsgKind::Error, kNoConnection(lang)}}));
        QVERIFY(traceWrites(trace_).isEmpty());
        QVERIFY(!QFile::exists(settingsFile()));
        // The search that followed found nothing.
        for (const char* name : {"ftName", "ftSN", "ftFw", "ftType", "ftDrv", "ftLbr"}) {
            QCOMPARE(child<QLabel>(name)->text(), QStringLiteral("---"));
        }
        QVERIFY(buttonsEnabled(false));
        QCOMPARE(form_->UsbDevice.Index, index);

        // Plugged in again: the watcher's search brings the buttons back, and
        // the converter was left closed, so it opens again.
        sim_->unset(variable.constData());
        form_->SearchConverter();
        QVERIFY(buttonsEnabled(true));
        dialogs_->shown.clear();
        press(presetButton());
        QCOMPARE(dialogs_->shown, Messages({{MsgKind::Information, kPresetsSent(lang)}}));
        QCOMPARE(readAll(settingsFile()), drawnPresetsSection());
    }

    void converterGoneDuringTransfer() {
        QVERIFY(startWindow());
        dialogs_->shown.clear();
        useLanguage(Lang::English);
        QTest::mouseClick(child<QToolButton>("btnSelectAll"), Qt::LeftButton);

        // The open is the first call; everything after it finds no converter.
        sim_->set("LUMIDOR_SIM_UNPLUG_AFTER", "1");
        press(presetButton());
        const Message writeFailed{MsgKind::Error, QStringLiteral("FT_Write - General IO error...")};
        QCOMPARE(
            dialogs_->shown,
            Messages({writeFailed,
                      writeFailed,
                      {MsgKind::Error, QStringLiteral("Writing data was`t successfully "
                                                      "transferred to the RC Lumidors !!!")}}));
        QCOMPARE(traceCalls(trace_),
                 (QStringList{"FT_OpenEx", "FT_Write", "FT_Write", "FT_Close"}));
        QVERIFY(!QFile::exists(settingsFile()));
        // No search ran: the converter is still shown.
        QCOMPARE(form_->interfaceBox()->nameCaption(), QStringLiteral("RC_LINKUP"));
        QVERIFY(buttonsEnabled(true));

        sim_->unset("LUMIDOR_SIM_UNPLUG_AFTER");
        dialogs_->shown.clear();
        press(presetButton());
        QCOMPARE(dialogs_->shown, Messages({{MsgKind::Information, kPresetsSent(Lang::English)}}));
    }

    // ---- The settings file cannot be written after a successful transfer ----

    void settingsCannotBeStored_data() {
        QTest::addColumn<QString>("how");
        QTest::addColumn<bool>("configuration");
        QTest::addColumn<Lang>("lang");
        QTest::newRow("folder removed") << "removed" << false << Lang::English;
        QTest::newRow("folder replaced by a file") << "replaced" << true << Lang::Czech;
        QTest::newRow("a folder in the file's place") << "folder" << false << Lang::Czech;
        QTest::newRow("file size limit") << "limit" << true << Lang::English;
    }

    void settingsCannotBeStored() {
        QFETCH(QString, how);
        QFETCH(bool, configuration);
        QFETCH(Lang, lang);
        const QByteArray old = "[Configuration]\r\nVoltage=50\r\n";
        if (how == QStringLiteral("folder")) {
            QVERIFY(QDir(folder_).mkdir(QLatin1String(kFileName)));
        } else {
            QVERIFY(writeAll(settingsFile(), old));
        }
        QVERIFY(startWindow());
        useLanguage(lang);
        QTest::mouseClick(child<QToolButton>("btnSelectAll"), Qt::LeftButton);
        dialogs_->shown.clear();

        const QString folder = folder_;
        if (how == QStringLiteral("removed")) {
            QVERIFY(QDir(folder).removeRecursively());
        } else if (how == QStringLiteral("replaced")) {
            QVERIFY(QDir(folder).removeRecursively());
            QVERIFY(writeAll(folder, "not a folder"));
        } else if (how == QStringLiteral("folder")) {
            dialogs_->answers = {true};  // yes, replace what cannot be read
        }

        QPushButton* button = configuration ? configurationButton() : presetButton();
        if (how == QStringLiteral("limit")) {
            sim_->unset("LUMIDOR_SIM_TRACE");
            const test::FileSizeLimit limit(16);
            QTest::mouseClick(button, Qt::LeftButton);
        } else {
            press(button);
            QCOMPARE(traceWrites(trace_).size(), 2);
        }

        // One error box naming the file, and no word of success.
        QCOMPARE(dialogs_->shown.size(), 1);
        const Message& m = dialogs_->shown.first();
        QCOMPARE(m.kind, MsgKind::Error);
        QVERIFY(m.text.startsWith(lang == Lang::Czech ? QString::fromUtf8("Soubor nastavení")
                                                      : QStringLiteral("The settings file")));
        QVERIFY(m.text.contains(QLatin1Char('"') + QDir::toNativeSeparators(settingsFile()) +
                                QLatin1Char('"')));
        QVERIFY(buttonsEnabled(true));

        // Nothing lost, nothing made up.
        if (how == QStringLiteral("removed")) {
            QVERIFY(!QFileInfo::exists(folder));
        } else if (how == QStringLiteral("replaced")) {
            QCOMPARE(readAll(folder), QByteArray("not a folder"));
        } else if (how == QStringLiteral("folder")) {
            QCOMPARE(dialogs_->questions.size(), 1);
            QVERIFY(QFileInfo(settingsFile()).isDir());
        } else {
            QCOMPARE(readAll(settingsFile()), old);
            QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden),
                     QStringList{QLatin1String(kFileName)});
        }

        // The window still holds what was sent: once the place is sound
        // again, the next transfer stores it.
        if (how == QStringLiteral("replaced")) {
            QVERIFY(QFile::remove(folder));
        }
        if (how == QStringLiteral("folder")) {
            QVERIFY(QDir(folder).rmdir(QLatin1String(kFileName)));
        }
        QVERIFY(QDir().mkpath(folder));
        dialogs_->shown.clear();
        press(button);
        QCOMPARE(dialogs_->shown,
                 Messages({{MsgKind::Information,
                            (configuration ? kConfigurationSent : kPresetsSent)(lang)}}));
        QVERIFY(readAll(settingsFile())
                    .contains(configuration ? "[Configuration]\r\n" : "[Presets]\r\nChB1=1\r\n"));
    }

    // ---- Every box in the language active when it shows ----

    void boxesFollowTheActiveLanguage() {
        QVERIFY(startWindow());
        dialogs_->shown.clear();

        // Choices off their defaults survive the relabelling of every list:
        // the same frames go out, and the same file comes back, in both languages.
        drawPresets();
        ConfigValues v;
        v.lists = {0, 4, 0, 2, 0, 0, 1, 1, 2, 3, 2, 4, 3, 0, 2, 2, 1, 1, 2, 1, 1};
        form_->configPanel()->setValues(v);
        useLanguage(Lang::Czech);
        press(presetButton());
        QCOMPARE(traceWrites(trace_), (QStringList{kDrawnFrame, kDrawnFrame}));
        const QByteArray czechFile = readAll(settingsFile());
        useLanguage(Lang::English);
        press(presetButton());
        QCOMPARE(traceWrites(trace_), (QStringList{kDrawnFrame, kDrawnFrame}));
        QCOMPARE(readAll(settingsFile()), czechFile);
        press(configurationButton());
        const QStringList configurationFrames = traceWrites(trace_);
        QCOMPARE(configurationFrames.size(), 2);
        useLanguage(Lang::Czech);
        press(configurationButton());
        QCOMPARE(traceWrites(trace_), configurationFrames);
        QCOMPARE(form_->configPanel()->values(), v);

        sim_->set("LUMIDOR_SIM_REPLY", "silent");
        press(presetButton());
        useLanguage(Lang::English);
        sim_->set("LUMIDOR_SIM_REPLY", "\\r");
        press(configurationButton());
        useLanguage(Lang::Czech);
        sim_->set("LUMIDOR_SIM_DEVICES", "");
        press(configurationButton());

        QCOMPARE(dialogs_->shown,
                 Messages({
                     {MsgKind::Information, kPresetsSent(Lang::Czech)},
                     {MsgKind::Information, kPresetsSent(Lang::English)},
                     {MsgKind::Information, kConfigurationSent(Lang::English)},
                     {MsgKind::Information, kConfigurationSent(Lang::Czech)},
                     {MsgKind::Error,
                      errorBox("Error#0", " - RC Lumidor není správně připojen nebo neodpovída !!!",
                               20, kRetryCz)},
                     {MsgKind::Error,
                      errorBox("Error#0",
                               " - RC Lumidor is not properly connected or not responding !!!", 36,
                               kRetryEn)},
                     {MsgKind::Error, kNoConnection(Lang::Czech)},
                 }));
        QVERIFY(buttonsEnabled(false));
    }
};

QTEST_MAIN(EndToEndTest)
#include "endtoend_qtest.moc"
