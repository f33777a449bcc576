#include <QSignalSpy>
#include <QtTest>

#include "link/usbwatcher.h"

#ifdef _WIN32
#include <windows.h>

#include <dbt.h>

#include <QTemporaryDir>

#include "app/mainwindow.h"
#include "link/ui/interfacebox.h"
#include "link/usbwatcher_win.h"
#include "support/recordingdialogs.h"
#include "support/simenv.h"
#else
#include "support/udevsandbox.h"
#endif

using namespace lumidor;

class UsbWatcherTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
#ifdef _WIN32
    void initTestCase() {
        createDeviceKeys();
    }
    void cleanupTestCase() {
        deleteDeviceKeys();
    }

    // The texts come from the USB enumeration keys; a storage stick's from
    // the storage instance its USB instance id begins.
    void registryLookUp() {
        QCOMPARE(win::lookUpUsbTexts(kConverterPath).usbDescription, std::string("RC_LINKUP v1.3"));
        QCOMPARE(win::lookUpUsbTexts(kConverterPath).storageDescription, std::string());
        const win::UsbDeviceTexts stick = win::lookUpUsbTexts(kStickPath);
        QCOMPARE(stick.usbDescription, std::string("USB Mass Storage Device"));
        QCOMPARE(stick.storageDescription, std::string("Disk drive"));
        QCOMPARE(stick.storageFriendlyName, std::string("Lumidor Test Stick USB Device"));
        QCOMPARE(win::lookUpUsbTexts(R"(\\?\USB#VID_0403&PID_6001#NOSUCHKEY#{x})").usbDescription,
                 std::string());
    }

    // Arrival and removal of a USB interface are reported with the device's
    // texts; queries, pending removals, volumes and ports are not plugs.
    void deviceChangeMessages() {
        TUsbClass watcher;
        QVERIFY(watcher.watching());
        QSignalSpy arrivals(&watcher, &TUsbClass::OnUsbArrival);
        QSignalSpy removals(&watcher, &TUsbClass::OnUsbRemoval);
        for (WPARAM event : {WPARAM{DBT_DEVICEQUERYREMOVE}, WPARAM { DBT_DEVICEREMOVEPENDING }}) {
            sendInterfaceChange(event, kConverterPath);
        }
        DEV_BROADCAST_HDR other{sizeof(DEV_BROADCAST_VOLUME), DBT_DEVTYP_VOLUME, 0};
        SendMessageW(watcherWindow(), WM_DEVICECHANGE, DBT_DEVICEARRIVAL,
                     reinterpret_cast<LPARAM>(&other));
        other.dbch_devicetype = DBT_DEVTYP_PORT;
        SendMessageW(watcherWindow(), WM_DEVICECHANGE, DBT_DEVICEREMOVECOMPLETE,
                     reinterpret_cast<LPARAM>(&other));
        // Codes that bring no broadcast: their data is no address and must not be read.
        for (WPARAM event : {WPARAM{DBT_DEVNODES_CHANGED}, WPARAM{DBT_CONFIGCHANGED}, WPARAM {
                                 DBT_QUERYCHANGECONFIG
                             }}) {
            SendMessageW(watcherWindow(), WM_DEVICECHANGE, event, 0x10);
        }
        QCOMPARE(arrivals.count() + removals.count(), 0);

        sendInterfaceChange(DBT_DEVICEARRIVAL, kStickPath);
        QCOMPARE(arrivals.count(), 1);
        QCOMPARE(arrivals[0].at(0).value<TUsbClass*>(), &watcher);
        QCOMPARE(arrivals[0].at(1).toString(), QStringLiteral("USB Mass Storage Device"));
        QCOMPARE(arrivals[0].at(2).toString(), QStringLiteral("Disk drive"));
        QCOMPARE(arrivals[0].at(3).toString(), QStringLiteral("Lumidor Test Stick USB Device"));
        sendInterfaceChange(DBT_DEVICEREMOVECOMPLETE, kConverterPath);
        QCOMPARE(removals.count(), 1);
        QCOMPARE(removals[0].at(1).toString(), QStringLiteral("RC_LINKUP v1.3"));
    }

    // The main window searches again on a plug or an unplug, not on other news.
    void mainWindowSearchesOnPlugAndUnplug() {
        QTemporaryDir dir;
        test::RecordingDialogs dialogs;
        test::SimEnv sim;
        TMainForm form(dir.path());
        form.show();
        form.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        const QString none = QStringLiteral("---");
        QVERIFY(form.interfaceBox()->nameCaption() != none);

        sim.set("LUMIDOR_SIM_DEVICES", "");
        sendInterfaceChange(DBT_DEVICEQUERYREMOVE, kConverterPath);
        QVERIFY(form.interfaceBox()->nameCaption() != none);
        sendInterfaceChange(DBT_DEVICEREMOVECOMPLETE, kConverterPath);
        QTRY_COMPARE(form.interfaceBox()->nameCaption(), none);

        sim.unset("LUMIDOR_SIM_DEVICES");
        sendInterfaceChange(DBT_DEVICEARRIVAL, kConverterPath);
        QTRY_VERIFY(form.interfaceBox()->nameCaption() != none);
    }

private:
    static constexpr const char* kConverterPath =
        R"(\\?\USB#VID_0403&PID_6001#LUTEST01#{a5dcbf10-6530-11d2-901f-00c04fb951ed})";
    static constexpr const char* kStickPath =
        R"(\\?\USB#VID_0951&PID_1666#LUSTICK01#{a5dcbf10-6530-11d2-901f-00c04fb951ed})";
    static constexpr const wchar_t* kKeys[] = {
        L"SYSTEM\\CurrentControlSet\\Enum\\USB\\VID_0403&PID_6001\\LUTEST01",
        L"SYSTEM\\CurrentControlSet\\Enum\\USB\\VID_0951&PID_1666\\LUSTICK01",
        L"SYSTEM\\CurrentControlSet\\Enum\\USBSTOR\\Disk&Ven_Lumidor&Prod_Test\\LUSTICK01&0"};

    static void setText(const wchar_t* key, const wchar_t* name, const wchar_t* text) {
        RegSetKeyValueW(HKEY_LOCAL_MACHINE, key, name, REG_SZ, text,
                        static_cast<DWORD>((wcslen(text) + 1) * sizeof(wchar_t)));
    }
    static void createDeviceKeys() {
        for (const wchar_t* key : kKeys) {
            HKEY created = nullptr;
            QCOMPARE(RegCreateKeyExW(HKEY_LOCAL_MACHINE, key, 0, nullptr, 0, KEY_WRITE, nullptr,
                                     &created, nullptr),
                     LONG{ERROR_SUCCESS});
            RegCloseKey(created);
        }
        setText(kKeys[0], L"DeviceDesc", L"RC_LINKUP v1.3");
        setText(kKeys[1], L"DeviceDesc", L"USB Mass Storage Device");
        setText(kKeys[2], L"DeviceDesc", L"Disk drive");
        setText(kKeys[2], L"FriendlyName", L"Lumidor Test Stick USB Device");
    }
    static void deleteDeviceKeys() {
        for (const wchar_t* key : kKeys) {
            RegDeleteTreeW(HKEY_LOCAL_MACHINE, key);
            RegDeleteKeyW(HKEY_LOCAL_MACHINE, key);
        }
        RegDeleteKeyW(HKEY_LOCAL_MACHINE,
                      L"SYSTEM\\CurrentControlSet\\Enum\\USBSTOR\\Disk&Ven_Lumidor&Prod_Test");
    }

    static HWND watcherWindow() {
        return FindWindowW(L"LumidorUsbWatcher", nullptr);
    }

    // What the system sends for a device interface, built here.
    static void sendInterfaceChange(WPARAM event, const char* path) {
        struct {
            DEV_BROADCAST_DEVICEINTERFACE_W header;
            wchar_t rest[128];
        } message{};
        message.header.dbcc_size = sizeof message;
        message.header.dbcc_devicetype = DBT_DEVTYP_DEVICEINTERFACE;
        MultiByteToWideChar(CP_UTF8, 0, path, -1, message.header.dbcc_name, 129);
        SendMessageW(watcherWindow(), WM_DEVICECHANGE, event, reinterpret_cast<LPARAM>(&message));
    }
#else
private:
    QString cannotSend_;

private Q_SLOTS:
    void initTestCase() {
        cannotSend_ = test::enterUdevSandbox();
    }

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
#endif
};

#ifdef _WIN32
QTEST_MAIN(UsbWatcherTest)
#else
QTEST_GUILESS_MAIN(UsbWatcherTest)
#endif
#include "usbwatcher_qtest.moc"
