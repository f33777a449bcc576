#include <QSignalSpy>
#include <QtTest>

#include "link/usbwatcher.h"
#include "support/udevsandbox.h"

using namespace lumidor;

class UsbWatcherTest : public QObject {
    Q_OBJECT

private:
    QString cannotSend_;

private Q_SLOTS:
    void initTestCase() { cannotSend_ = test::enterUdevSandbox(); }

    // No permission, no netlink: the program goes on without hot-plug, silently.
    void monitorThatCannotBeCreatedLeavesTheWatcherSilent() {
        TUsbClass watcher(nullptr, "no-such-source");
        QVERIFY(!watcher.watching());
    }

    void plugAndUnplugRaiseOneEventEach() {
        if (!cannotSend_.isEmpty()) {
            QSKIP(qPrintable(cannotSend_));
        }
        TUsbClass watcher;
        QVERIFY(watcher.watching());
        QSignalSpy arrivals(&watcher, &TUsbClass::OnUsbArrival);
        QSignalSpy removals(&watcher, &TUsbClass::OnUsbRemoval);

        QVERIFY(
            test::sendUdevMessage(QStringLiteral("add"), {QStringLiteral("ID_MODEL=RC_LINKUP")}));
        QTRY_COMPARE(arrivals.count(), 1);
        const QList<QVariant> args = arrivals.takeFirst();
        QCOMPARE(args.at(0).value<TUsbClass*>(), &watcher);
        QCOMPARE(args.at(1).toString(), QStringLiteral("RC_LINKUP"));
        QCOMPARE(args.at(2).toString(), QString());
        QCOMPARE(args.at(3).toString(), QString());

        QVERIFY(test::sendUdevMessage(QStringLiteral("remove")));
        QTRY_COMPARE(removals.count(), 1);
        QTest::qWait(50);
        QCOMPARE(arrivals.count(), 0);
        QCOMPARE(removals.count(), 1);
    }

    // Fifty plugs and unplugs queued while the program was busy cost one event,
    // the last, not fifty searches.
    void stormQueuedWhileBusyGivesOneEventForTheEndState() {
        if (!cannotSend_.isEmpty()) {
            QSKIP(qPrintable(cannotSend_));
        }
        TUsbClass watcher;
        QSignalSpy arrivals(&watcher, &TUsbClass::OnUsbArrival);
        QSignalSpy removals(&watcher, &TUsbClass::OnUsbRemoval);
        for (int i = 0; i < 25; ++i) {
            QVERIFY(test::sendUdevMessage(QStringLiteral("add")));
            QVERIFY(test::sendUdevMessage(QStringLiteral("remove")));
        }
        QTRY_COMPARE(removals.count(), 1);
        QTest::qWait(50);
        QCOMPARE(arrivals.count(), 0);
        QCOMPARE(removals.count(), 1);
    }

    // Driver and attribute events, and the interfaces of a device, are not plugs.
    void otherActionsRaiseNothing() {
        if (!cannotSend_.isEmpty()) {
            QSKIP(qPrintable(cannotSend_));
        }
        TUsbClass watcher;
        QSignalSpy arrivals(&watcher, &TUsbClass::OnUsbArrival);
        QSignalSpy removals(&watcher, &TUsbClass::OnUsbRemoval);
        for (const char* action : {"bind", "change", "unbind"}) {
            QVERIFY(test::sendUdevMessage(QString::fromLatin1(action)));
        }
        // A plug's interfaces: one search per plug, not one per interface.
        QVERIFY(test::sendUdevMessage(QStringLiteral("add"),
                                      {QStringLiteral("DEVTYPE=usb_interface")}));
        QTest::qWait(100);
        QCOMPARE(arrivals.count() + removals.count(), 0);
    }
};

QTEST_GUILESS_MAIN(UsbWatcherTest)
#include "usbwatcher_qtest.moc"
