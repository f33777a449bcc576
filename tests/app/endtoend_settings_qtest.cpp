// The settings file around the transfers: what is stored, what the next start shows, and what the
// switch gets from it.
#include "support/controls.h"
#include "support/endtoend.h"

using namespace lumidor;
using namespace lumidor::test;

class EndToEndSettingsTest : public QObject, public EndToEnd {
    Q_OBJECT

private Q_SLOTS:
    void init() { setUp(); }
    void cleanup() { tearDown(); }

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
        v.stickLeft2 = 1344;
        v.stickRight2 = 1700;
        // As a start-up load puts them in place.
        form_->session().doc.config = v;
        form_->configPanel()->show(v);
        choose(child<QComboBox>("cbReverse1"), 1);
        v.list(ConfigList::Reverse1) = 1;
        QCOMPARE(form_->session().doc.config, v);

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
            QCOMPARE(test::cellBox(form_->presetEditor(), n)->isChecked(), lit.contains(n));
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

    // ---- The settings file cannot be written after a successful transfer ----

    void settingsCannotBeStored_data() {
        QTest::addColumn<QString>("how");
        QTest::addColumn<bool>("configuration");
        QTest::addColumn<Lang>("lang");
        QTest::newRow("folder removed") << "removed" << false << Lang::English;
        QTest::newRow("folder replaced by a file") << "replaced" << true << Lang::Czech;
        QTest::newRow("a folder in the file's place") << "folder" << false << Lang::Czech;
        QTest::newRow("file cannot be replaced") << "limit" << true << Lang::English;
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
            const test::FailingSave failing(settingsFile(), 16);
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
};

QTEST_MAIN(EndToEndSettingsTest)
#include "endtoend_settings_qtest.moc"
