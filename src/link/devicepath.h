#pragma once

// Free of Qt: the Windows watcher shares these with the rest of the program.

#include <optional>
#include <string>
#include <string_view>

namespace lumidor {

// The two registry names a USB device path leads to.
struct UsbDevicePath {
    std::string deviceId;    // VID_vvvv&PID_pppp
    std::string instanceId;  // the device's instance, the serial number for most
    friend bool operator==(const UsbDevicePath&, const UsbDevicePath&) = default;
};

// Cuts \\?\USB#VID_vvvv&PID_pppp#instance#{class} at its "#" characters.
// A part that no "#" ends is empty, so a path without "#" gives two empty ids.
UsbDevicePath splitDevicePath(std::string_view path);

// File-name mask rules, ignoring the case of ASCII letters: "*" stands for any
// run of characters, "?" for exactly one.
bool matchesMask(std::string_view name, std::string_view mask);

enum class UsbChange { Arrival, Removal };

// The event codes worth reporting: device arrival (0x8000) and removal
// complete (0x8004). Only these promise a device broadcast in the message;
// other codes carry other data or none, so nothing may be read before this.
std::optional<UsbChange> usbEventOf(unsigned long eventCode);

// A device-change notification worth reporting: one of the events above for a
// device interface (type 5). Queries, pending removals and volumes, ports and
// handles raise nothing.
std::optional<UsbChange> usbChangeOf(unsigned long eventCode, unsigned long deviceType);

}  // namespace lumidor
