#pragma once

// Free of Qt, so it builds with nothing but the Win32 headers.

#include <functional>
#include <string>

#include "devicepath.h"

namespace lumidor::win {

// The three texts of a device, UTF-8; empty where the registry has nothing.
struct UsbDeviceTexts {
    std::string usbDescription;
    std::string storageDescription;
    std::string storageFriendlyName;
};

// Looks the texts of a USB device path up under the local machine's USB
// enumeration keys; a storage stick's storage texts come from the USBSTOR
// instance whose name begins with the USB instance id.
UsbDeviceTexts lookUpUsbTexts(const std::string& devicePath);

// A hidden window registered for the arrival and removal of USB device
// interfaces. The handler runs on the thread that made the window.
class UsbNotificationWindow {
public:
    using Handler = std::function<void(UsbChange, const UsbDeviceTexts&)>;

    explicit UsbNotificationWindow(Handler handler);
    ~UsbNotificationWindow();
    UsbNotificationWindow(const UsbNotificationWindow&) = delete;
    UsbNotificationWindow& operator=(const UsbNotificationWindow&) = delete;

    bool watching() const { return window_ != nullptr; }

    // The device-change step: the handler runs for an arrival or removal
    // complete of a device interface; everything else is ignored.
    void deviceChange(unsigned long eventCode, const void* broadcast);

private:
    void* window_ = nullptr;
    Handler handler_;
};

}  // namespace lumidor::win
