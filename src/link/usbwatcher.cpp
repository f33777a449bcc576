#include "link/usbwatcher.h"

#include <QtGlobal>

#if defined(Q_OS_WIN)

#include "link/usbwatcher_win.h"

namespace lumidor {

struct TUsbClass::Impl {
    std::unique_ptr<win::UsbNotificationWindow> window;
};

TUsbClass::TUsbClass(QObject* parent, const char* /*monitorSource*/)
    : QObject(parent), impl_(std::make_unique<Impl>()) {
    impl_->window = std::make_unique<win::UsbNotificationWindow>(
        [this](UsbChange change, const win::UsbDeviceTexts& t) {
            const QString usb = QString::fromStdString(t.usbDescription);
            const QString storage = QString::fromStdString(t.storageDescription);
            const QString friendly = QString::fromStdString(t.storageFriendlyName);
            if (change == UsbChange::Arrival) {
                Q_EMIT OnUsbArrival(this, usb, storage, friendly);
            } else {
                Q_EMIT OnUsbRemoval(this, usb, storage, friendly);
            }
        });
}

TUsbClass::~TUsbClass() = default;

bool TUsbClass::watching() const {
    return impl_->window->watching();
}

}  // namespace lumidor

#elif !defined(Q_OS_LINUX)

namespace lumidor {

// No device notifications on this system: the converter is found at start-up
// and after a failed transfer only.
struct TUsbClass::Impl {};

TUsbClass::TUsbClass(QObject* parent, const char* /*monitorSource*/)
    : QObject(parent), impl_(std::make_unique<Impl>()) {}

TUsbClass::~TUsbClass() = default;

bool TUsbClass::watching() const {
    return false;
}

}  // namespace lumidor

#endif
