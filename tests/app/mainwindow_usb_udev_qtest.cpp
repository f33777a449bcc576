#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <algorithm>
#include <memory>

#include "app/mainwindow.h"
#include "link/ui/interfacebox.h"
#include "link/usbwatcher.h"
#include "presets/ui/preseteditorbox.h"
#include "settings/ui/configpanelbox.h"
#include "support/controls.h"
#include "support/recordingdialogs.h"
#include "support/udevsandbox.h"

using namespace lumidor;

// The main window against udev's own messages, sent by the plug script as
// root; the window's part of a plug without udev is mainwindow_usb_qtest's.
class UdevHotPlugTest : public QObject {
    Q_OBJECT

private:
    const QString kNone = QStringLiteral("---");
    QString cannotSend_;
    QTemporaryDir dir_;
    QString state_;
    std::unique_ptr<test::RecordingDialogs> dialogs_;
    std::unique_ptr<TMainForm> form_;

    bool writeEnabled() const { return test::writeButtonsAre(form_.get(), true); }
    bool writeDisabled() const { return test::writeButtonsAre(form_.get(), false); }
    QString name() const { return form_->interfaceBox()->nameCaption(); }

    // Builds, shows and activates the window (the first search runs).
    void start(const QByteArray& devices) {
        QFile f(state_);
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(devices);
        f.close();
        form_ = std::make_unique<TMainForm>(dir_.path());
        form_->show();
        QVERIFY(QTest::qWaitForWindowActive(form_.get()));
        QVERIFY(form_->usbWatcher() != nullptr);
    }

    void plugScript(const char* command) {
        const QString script = QStringLiteral(LUMIDOR_SOURCE_DIR "/scripts/sim-plug.sh");
        QCOMPARE(QProcess::execute(QStringLiteral("bash"), {script, QString::fromLatin1(command)}),
                 0);
    }

private Q_SLOTS:
    void initTestCase() {
        cannotSend_ = test::enterUdevSandbox();
        QVERIFY(dir_.isValid());
        state_ = dir_.filePath(QStringLiteral("sim-state"));
        qputenv("LUMIDOR_SIM_STATE", state_.toLocal8Bit());
        // The script finds the udev tool in the build folder the tests come from.
        qputenv("LUMIDOR_BUILD_DIR", QFileInfo(QStringLiteral(LUMIDOR_UEVENT_TOOL))
                                             .absoluteDir()
                                             .absolutePath()
                                             .toLocal8Bit() +
                                         "/..");
    }

    void init() { dialogs_ = std::make_unique<test::RecordingDialogs>(); }

    void cleanup() {
        form_.reset();
        dialogs_.reset();
    }

    // The user's story: start without the converter, plug it in, pull it out.
    void plugThroughTheScriptFillsTheLabelsAndPullingEmptiesThem() {
        if (!cannotSend_.isEmpty()) {
            QSKIP(qPrintable(cannotSend_));
        }
        start("");
        QCOMPARE(name(), kNone);
        QVERIFY(writeDisabled());
        const qsizetype boxes = dialogs_->shown.size();

        plugScript("plug");
        QTRY_COMPARE_WITH_TIMEOUT(name(), QStringLiteral("RC_LINKUP"), 1000);
        QVERIFY(writeEnabled());
        QCOMPARE(form_->interfaceBox()->findChild<QLabel*>(QStringLiteral("ftSN"))->text(),
                 QStringLiteral("LU000001"));

        plugScript("unplug");
        QTRY_COMPARE_WITH_TIMEOUT(name(), kNone, 1000);
        QVERIFY(writeDisabled());
        // Later searches only update labels and buttons.
        QCOMPARE(dialogs_->shown.size(), boxes);

        // Closing the window ends the watching.
        form_->close();
        QCOMPARE(form_->usbWatcher(), nullptr);
    }

    // Fifty plugs and unplugs in about a second while the window runs: it
    // stays responsive, searches far fewer times and ends plugged in.
    void stormEndsInTheRightStateAndKeepsTheWindowResponsive() {
        if (!cannotSend_.isEmpty()) {
            QSKIP(qPrintable(cannotSend_));
        }
        start("");
        const int searchesBefore = form_->searchCount();
        QProcess storm;
        storm.start(
            QStringLiteral("bash"),
            {QStringLiteral("-c"),
             QStringLiteral("for i in $(seq 25); do bash \"$0\" unplug; bash \"$0\" plug; done"),
             QStringLiteral(LUMIDOR_SOURCE_DIR "/scripts/sim-plug.sh")});
        QElapsedTimer sinceTick;
        sinceTick.start();
        qint64 longestGap = 0;
        QTimer tick;
        QObject::connect(&tick, &QTimer::timeout,
                         [&] { longestGap = std::max(longestGap, sinceTick.restart()); });
        tick.start(20);
        QVERIFY(storm.waitForStarted());
        QTRY_COMPARE_WITH_TIMEOUT(storm.state(), QProcess::NotRunning, 15000);
        QCOMPARE(storm.exitCode(), 0);
        QTRY_COMPARE_WITH_TIMEOUT(name(), QStringLiteral("RC_LINKUP"), 1000);
        QTest::qWait(100);
        QCOMPARE(name(), QStringLiteral("RC_LINKUP"));
        QVERIFY(writeEnabled());
        QVERIFY2(longestGap < 500, qPrintable(QString::number(longestGap)));
        QVERIFY(form_->searchCount() - searchesBefore <= 50);
    }
};

QTEST_MAIN(UdevHotPlugTest)
#include "mainwindow_usb_udev_qtest.moc"
