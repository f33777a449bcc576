#include <QtGlobal>

#ifdef Q_OS_LINUX

#include <libudev.h>

#include <QSocketNotifier>
#include <cstring>
#include <optional>

#include "link/devicepath.h"
#include "link/usbwatcher.h"

namespace lumidor {
namespace {

QString property(udev_device* device, const char* name) {
    const char* value = udev_device_get_property_value(device, name);
    return value != nullptr ? QString::fromUtf8(value) : QString();
}

QString firstProperty(udev_device* device, std::initializer_list<const char*> names) {
    for (const char* name : names) {
        QString value = property(device, name);
        if (!value.isEmpty()) {
            return value;
        }
    }
    return {};
}

struct UsbTexts {
    QString usb;
    QString storage;
    QString storageFriendly;
};

// The USB description from the device's own properties; the storage texts
// from a disk below it, when udev already knows one.
UsbTexts textsOf(udev* context, udev_device* device) {
    UsbTexts texts;
    texts.usb = firstProperty(device, {"ID_MODEL_FROM_DATABASE", "ID_MODEL", "PRODUCT"});
    udev_enumerate* children = udev_enumerate_new(context);
    if (children == nullptr) {
        return texts;
    }
    udev_enumerate_add_match_parent(children, device);
    udev_enumerate_add_match_subsystem(children, "block");
    udev_enumerate_add_match_property(children, "DEVTYPE", "disk");
    if (udev_enumerate_scan_devices(children) >= 0) {
        if (udev_list_entry* first = udev_enumerate_get_list_entry(children)) {
            udev_device* disk =
                udev_device_new_from_syspath(context, udev_list_entry_get_name(first));
            if (disk != nullptr) {
                texts.storage = firstProperty(disk, {"ID_MODEL", "ID_TYPE"});
                texts.storageFriendly =
                    (property(disk, "ID_VENDOR") + QLatin1Char(' ') + texts.storage).trimmed();
                udev_device_unref(disk);
            }
        }
    }
    udev_enumerate_unref(children);
    return texts;
}

}  // namespace

struct TUsbClass::Impl {
    udev* context = nullptr;
    udev_monitor* monitor = nullptr;
    QSocketNotifier* notifier = nullptr;

    ~Impl() {
        delete notifier;
        if (monitor != nullptr) {
            udev_monitor_unref(monitor);
        }
        if (context != nullptr) {
            udev_unref(context);
        }
    }

    // udev's own source: its events come after its rules have run, so the
    // device's permissions are set and the serial driver has let go of it.
    bool open(const char* source) {
        context = udev_new();
        if (context == nullptr) {
            return false;
        }
        monitor = udev_monitor_new_from_netlink(context, source);
        // One event per plugged device, not one per interface it offers.
        return monitor != nullptr &&
               udev_monitor_filter_add_match_subsystem_devtype(monitor, "usb", "usb_device") >= 0 &&
               udev_monitor_enable_receiving(monitor) >= 0;
    }
};

TUsbClass::TUsbClass(QObject* parent, const char* monitorSource)
    : QObject(parent), impl_(std::make_unique<Impl>()) {
    if (!impl_->open(monitorSource)) {
        impl_ = std::make_unique<Impl>();
        return;
    }
    impl_->notifier =
        new QSocketNotifier(udev_monitor_get_fd(impl_->monitor), QSocketNotifier::Read);
    connect(impl_->notifier, &QSocketNotifier::activated, this, [this] {
        // Everything queued so far is read at once and raises one event, the
        // last: a storm of plugs while a search ran costs one more search,
        // not one per message, and the search looks at the end state anyway.
        std::optional<UsbChange> last;
        UsbTexts texts;
        while (udev_device* device = udev_monitor_receive_device(impl_->monitor)) {
            const char* action = udev_device_get_action(device);
            if (action != nullptr && std::strcmp(action, "add") == 0) {
                last = UsbChange::Arrival;
                texts = textsOf(impl_->context, device);
            } else if (action != nullptr && std::strcmp(action, "remove") == 0) {
                last = UsbChange::Removal;
                texts = textsOf(impl_->context, device);
            }
            udev_device_unref(device);
        }
        if (last == UsbChange::Arrival) {
            Q_EMIT OnUsbArrival(this, texts.usb, texts.storage, texts.storageFriendly);
        } else if (last == UsbChange::Removal) {
            Q_EMIT OnUsbRemoval(this, texts.usb, texts.storage, texts.storageFriendly);
        }
    });
}

TUsbClass::~TUsbClass() = default;

bool TUsbClass::watching() const {
    return impl_->notifier != nullptr;
}

}  // namespace lumidor

#endif  // Q_OS_LINUX
