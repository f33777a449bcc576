// Which converter is opened, and what happens when it goes away.
#include "support/endtoend.h"

using namespace Qt::StringLiterals;

using namespace lumidor;
using namespace lumidor::test;

class EndToEndConverterTest : public QObject, public EndToEnd {
    Q_OBJECT

private Q_SLOTS:
    void init() { setUp(); }
    void cleanup() { tearDown(); }

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
        QCOMPARE(form_->session().UsbDevice.Index, index);

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
        // The failed purge is told, and the queue that should stand in for it
        // cannot be read either.
        sim_->set("LUMIDOR_SIM_UNPLUG_AFTER", "1");
        press(presetButton());
        const Message writeFailed{MsgKind::Error, QStringLiteral("FT_Write - General IO error...")};
        QCOMPARE(
            dialogs_->shown,
            Messages({{MsgKind::Error, QStringLiteral("FT_Purge - General IO error...")},
                      writeFailed,
                      writeFailed,
                      {MsgKind::Error, QStringLiteral("Writing data was`t successfully "
                                                      "transferred to the RC Lumidors !!!")}}));
        QCOMPARE(traceCalls(trace_),
                 (QStringList{u"FT_OpenEx"_s, u"FT_Purge"_s, u"FT_GetQueueStatus"_s, u"FT_Write"_s,
                              u"FT_Write"_s, u"FT_Close"_s}));
        QVERIFY(!QFile::exists(settingsFile()));
        // No search ran: the converter is still shown.
        QCOMPARE(form_->interfaceBox()->nameCaption(), QStringLiteral("RC_LINKUP"));
        QVERIFY(buttonsEnabled(true));

        sim_->unset("LUMIDOR_SIM_UNPLUG_AFTER");
        dialogs_->shown.clear();
        press(presetButton());
        QCOMPARE(dialogs_->shown, Messages({{MsgKind::Information, kPresetsSent(Lang::English)}}));
    }
};

QTEST_MAIN(EndToEndConverterTest)
#include "endtoend_converter_qtest.moc"
