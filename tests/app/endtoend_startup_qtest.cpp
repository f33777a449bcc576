// The first start: what the window finds, says and sends before anything was drawn.
#include "support/endtoend.h"

using namespace lumidor;
using namespace lumidor::test;

class EndToEndStartupTest : public QObject, public EndToEnd {
    Q_OBJECT

private Q_SLOTS:
    void init() { setUp(); }
    void cleanup() { tearDown(); }

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
};

QTEST_MAIN(EndToEndStartupTest)
#include "endtoend_startup_qtest.moc"
