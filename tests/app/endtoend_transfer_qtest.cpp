// Writing to the switch: the frames on the line, its replies, and the boxes that tell the user.
#include "support/endtoend.h"

using namespace Qt::StringLiterals;

using namespace lumidor;
using namespace lumidor::test;

class EndToEndTransferTest : public QObject, public EndToEnd {
    Q_OBJECT

private Q_SLOTS:
    void init() { setUp(); }
    void cleanup() { tearDown(); }

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
        // Opened by the name the search found, the old input dropped, the frame
        // twice, the answer read as it comes up to its carriage return, closed;
        // the port settings are left as the search made them.
        const QStringList calls = traceCalls(trace_);
        QCOMPARE(calls.mid(0, 4),
                 (QStringList{u"FT_OpenEx"_s, u"FT_Purge"_s, u"FT_Write"_s, u"FT_Write"_s}));
        QCOMPARE(calls.last(), u"FT_Close"_s);
        for (const QString& c : calls.mid(4, calls.size() - 5)) {
            QVERIFY2(c == u"FT_GetQueueStatus"_s || c == u"FT_Read"_s, qPrintable(c));
        }
        QCOMPARE(traceReads(trace_).join(), QByteArray("RC_LINKUP...OK\r"));
        QVERIFY(readAll(trace_).startsWith("FT_OpenEx(RC_LINKUP v1.3, 2)"));
        QCOMPARE(traceWrites(trace_), (QStringList{kDrawnFrame, kDrawnFrame}));
        QCOMPARE(readAll(settingsFile()), drawnPresetsSection());
        QVERIFY(buttonsEnabled(true));
    }

    // ---- Replies other than a plain acceptance ----
    // Every reply's boxes and whether it is stored are decided in the core;
    // these go through the simulator and the settings file.

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
            // Read as it comes, up to the 50th byte; the rest is never read.
            QCOMPARE(traceReads(trace_).join(), QByteArray("RC_LINKUP...OK") + QByteArray(36, '#'));
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

    // ---- Every box in the language active when it shows ----

    void boxesFollowTheActiveLanguage() {
        QVERIFY(startWindow());
        dialogs_->shown.clear();

        // Choices off their defaults survive the relabelling of every list:
        // the same frames go out, and the same file comes back, in both languages.
        drawPresets();
        ConfigValues v;
        v.lists = {0, 4, 0, 2, 0, 0, 1, 1, 2, 3, 2, 4, 3, 0, 2, 2, 1, 1, 2, 1, 1};
        form_->session().doc.config = v;
        form_->configPanel()->show(v);
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
        QCOMPARE(form_->session().doc.config, v);

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

QTEST_MAIN(EndToEndTransferTest)
#include "endtoend_transfer_qtest.moc"
