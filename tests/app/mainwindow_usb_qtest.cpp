#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>
#include <functional>
#include <thread>

#include "app/languagebox.h"
#include "app/mainwindow.h"
#include "link/ui/interfacebox.h"
#include "link/usbwatcher.h"
#include "presets/ui/preseteditorbox.h"
#include "settings/ui/configpanelbox.h"
#include "support/controls.h"
#include "support/recordingdialogs.h"

using namespace lumidor;

namespace {

const QString kNone = QStringLiteral("---");

// Records every box and lets a test act while one is open, as a user's USB
// plug can.
class HookedDialogs : public test::RecordingDialogs {
public:
    void message(MsgKind kind, const QString& text) override {
        RecordingDialogs::message(kind, text);
        if (whileOpen) {
            whileOpen(text);
        }
    }
    std::function<void(const QString&)> whileOpen;

    QStringList texts() const {
        QStringList t;
        for (const Message& m : shown) {
            t.append(m.text);
        }
        return t;
    }
};

// The simulator's device list as the plug script changes it.
void writeState(const QString& path, const QByteArray& devices) {
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(devices);
}

}  // namespace

// The window's side of a plug: the watcher's events are raised directly and
// the simulator's device list changes through its state file, so this runs
// wherever the window does; mainwindow_usb_udev_qtest plugs through udev.
class HotPlugTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir dir_;
    QString state_;
    std::unique_ptr<HookedDialogs> dialogs_;
    std::unique_ptr<TMainForm> form_;

    bool writeEnabled() const { return test::writeButtonsAre(form_.get(), true); }
    bool writeDisabled() const { return test::writeButtonsAre(form_.get(), false); }
    QString name() const { return form_->interfaceBox()->nameCaption(); }

    // Builds, shows and activates the window (the first search runs).
    void start(const QByteArray& devices) {
        writeState(state_, devices);
        form_ = std::make_unique<TMainForm>(dir_.path());
        form_->show();
        QVERIFY(QTest::qWaitForWindowActive(form_.get()));
        QVERIFY(form_->usbWatcher() != nullptr);
    }

private Q_SLOTS:
    void initTestCase() {
        QVERIFY(dir_.isValid());
        state_ = dir_.filePath(QStringLiteral("sim-state"));
        qputenv("LUMIDOR_SIM_STATE", state_.toLocal8Bit());
    }

    void init() { dialogs_ = std::make_unique<HookedDialogs>(); }

    void cleanup() {
        form_.reset();
        dialogs_.reset();
        qunsetenv("LUMIDOR_SIM_FAIL");
        qunsetenv("LUMIDOR_SIM_REPLY");
        while (QGuiApplication::overrideCursor() != nullptr) {
            QGuiApplication::restoreOverrideCursor();
        }
    }

    // A plug while a box of the program is open runs the search at once; one
    // during a box of a search waits until that search is over, so two never
    // overlap.
    void arrivalWhileABoxIsOpen() {
        start("");
        bool filledWhileOpen = false;
        dialogs_->whileOpen = [&](const QString&) {
            dialogs_->whileOpen = nullptr;
            writeState(state_, "RC_LINKUP v1.3|LU000001");
            form_->UsbArrival(nullptr, {}, {}, {});
            filledWhileOpen = name() == QStringLiteral("RC_LINKUP") && writeEnabled();
        };
        form_->SearchConverter();             // nothing found: no box from a later search
        QCOMPARE(dialogs_->shown.size(), 2);  // converter missing, settings file missing
        dialogs_->shown.clear();
        // The same through a box the window shows itself.
        QVERIFY(!filledWhileOpen);
        writeState(state_, "RC_LINKUP v1.2|OLD");
        int searchesInsideBox = -1;
        dialogs_->whileOpen = [&](const QString&) {
            dialogs_->whileOpen = nullptr;
            const int before = form_->searchCount();
            writeState(state_, "RC_LINKUP v1.3|LU000001");
            form_->UsbArrival(nullptr, {}, {}, {});
            searchesInsideBox = form_->searchCount() - before;
        };
        const int before = form_->searchCount();
        form_->SearchConverter();  // finds v1.2: the firmware warning
        QCOMPARE(searchesInsideBox, 0);
        QCOMPARE(form_->searchCount() - before, 2);
        QCOMPARE(dialogs_->shown.size(), 1);
        QCOMPARE(form_->session().UsbDevice.FwVersion, QStringLiteral("v1.3"));
        QVERIFY(writeEnabled());
    }

    // A converter swapped for one with refused firmware, or whose port cannot
    // be set: the search of the failed write refuses it, and the way out of
    // the write must not switch the buttons back on.
    void refusedConverterStaysRefused_data() {
        QTest::addColumn<QByteArray>("swappedFor");
        QTest::addColumn<QByteArray>("failing");
        QTest::addColumn<QString>("searchBox");
        QTest::newRow("firmware v1.2") << QByteArray("RC_LINKUP v1.2|OLD") << QByteArray()
                                       << QStringLiteral("Unsupported firmware version");
        QTest::newRow("port settings")
            << QByteArray("RC_LINKUP v1.4|NEW") << QByteArray("FT_SetBaudRate:4")
            << QStringLiteral("Failed to set communication speed");
    }
    void refusedConverterStaysRefused() {
        QFETCH(QByteArray, swappedFor);
        QFETCH(QByteArray, failing);
        QFETCH(QString, searchBox);
        start("RC_LINKUP v1.3|LU000001");
        QVERIFY(writeEnabled());
        form_->LanguageClick(Lang::English);
        dialogs_->shown.clear();

        writeState(state_, swappedFor);
        if (!failing.isEmpty()) {
            qputenv("LUMIDOR_SIM_FAIL", failing);
        }
        form_->findChild<QPushButton*>(QStringLiteral("BitBtn6"))->click();
        const QStringList texts = dialogs_->texts();
        QVERIFY(texts.size() >= 2);  // the binding's own box may come between
        QVERIFY(texts.first().startsWith(QStringLiteral("Unable to establish connection")));
        QVERIFY2(texts.last().startsWith(searchBox), qPrintable(texts.last()));
        QCOMPARE(name(), QStringLiteral("RC_LINKUP"));
        QVERIFY(writeDisabled());
        QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
    }

    // The binding's failure boxes of a transfer come after the close and the
    // cursor, in their order: a search from inside one finds the converter free.
    void bindingBoxesWaitForTheClose_data() {
        QTest::addColumn<QByteArray>("failing");
        QTest::addColumn<QStringList>("starts");
        QTest::newRow("read") << QByteArray("FT_Read:4")
                              << QStringList{QStringLiteral("FT_Read"), QStringLiteral("Error#0")};
        QTest::newRow("write") << QByteArray("FT_Write:4")
                               << QStringList{QStringLiteral("FT_Write"),
                                              QStringLiteral("FT_Write"),
                                              QStringLiteral("Writing data")};
    }
    void bindingBoxesWaitForTheClose() {
        QFETCH(QByteArray, failing);
        QFETCH(QStringList, starts);
        start("RC_LINKUP v1.3|LU000001");
        form_->LanguageClick(Lang::English);
        dialogs_->shown.clear();
        QStringList foundFromBox;
        dialogs_->whileOpen = [&](const QString&) {
            form_->UsbArrival(nullptr, {}, {}, {});
            foundFromBox.append(name());
        };
        qputenv("LUMIDOR_SIM_FAIL", failing);
        form_->findChild<QPushButton*>(QStringLiteral("BitBtn6"))->click();
        const QStringList texts = dialogs_->texts();
        QCOMPARE(texts.size(), starts.size());
        for (qsizetype i = 0; i < starts.size(); ++i) {
            QVERIFY2(texts[i].startsWith(starts[i]), qPrintable(texts[i]));
        }
        QCOMPARE(dialogs_->underWaitCursor, QStringList());
        QCOMPARE(foundFromBox, QStringList(starts.size(), QStringLiteral("RC_LINKUP")));
        QVERIFY(writeEnabled());
    }

    // Pulled out while the switch's answer is awaited: the write ends well
    // before the read timeout and stores nothing; the removal then empties
    // the labels.
    void removalDuringATransfer() {
        start("RC_LINKUP v1.3|LU000001");
        dialogs_->shown.clear();
        qputenv("LUMIDOR_SIM_REPLY", "silent");
        std::thread pull([this] {
            std::this_thread::sleep_for(std::chrono::milliseconds(300));
            QFile f(state_);
            if (f.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
                f.close();
            }
        });
        QElapsedTimer t;
        t.start();
        form_->findChild<QPushButton*>(QStringLiteral("BitBtn6"))->click();
        const qint64 took = t.elapsed();
        pull.join();
        QVERIFY2(took < 2000, qPrintable(QString::number(took)));
        QVERIFY(!QFileInfo::exists(form_->settingsPath()));
        QVERIFY(!dialogs_->shown.isEmpty());
        QVERIFY(dialogs_->shown.last().text.contains(QStringLiteral("Error#0")));
        form_->UsbRemoval(nullptr, {}, {}, {});
        QCOMPARE(name(), kNone);
        QVERIFY(writeDisabled());
    }
};

QTEST_MAIN(HotPlugTest)
#include "mainwindow_usb_qtest.moc"
