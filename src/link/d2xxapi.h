#pragma once

// The vendor library's calling interface as this program uses it. Plain C++
// without Qt, so the converter simulator is built from the same declarations.

#include <cstdint>

namespace lumidor::d2xx {

using Handle = void*;
using Status = std::uint32_t;
using Dword = std::uint32_t;

// Status values the library returns. The numbers are the library's; the names
// are ours.
enum StatusCode : Status {
    kOk = 0,
    kInvalidHandle = 1,
    kDeviceNotFound = 2,
    kDeviceNotOpened = 3,
    kIoError = 4,
    kInsufficientResources = 5,
    kInvalidParameter = 6,
    kInvalidBaudRate = 7,
    kNotOpenedForErase = 8,
    kNotOpenedForWrite = 9,
    kFailedToWrite = 10,
    kEepromReadFailed = 11,
    kEepromWriteFailed = 12,
    kEepromEraseFailed = 13,
    kEepromNotPresent = 14,
    kEepromNotProgrammed = 15,
    kInvalidArgs = 16,
    kOtherError = 17,
};

// Listing flags: the high bits choose how much is listed, the low bits what.
inline constexpr Dword kListNumberOnly = 0x80000000u;
inline constexpr Dword kListByIndex = 0x40000000u;
inline constexpr Dword kBySerialNumber = 1;
inline constexpr Dword kByDescription = 2;

// Field sizes the listing calls fill.
inline constexpr int kDescriptionSize = 64;
inline constexpr int kSerialSize = 16;

// Exported function types, in the order of the library's own documentation.
using ListDevicesFn = Status (*)(void* arg1, void* arg2, Dword flags);
using OpenExFn = Status (*)(void* arg, Dword flags, Handle* handle);
using CloseFn = Status (*)(Handle handle);
using ReadFn = Status (*)(Handle handle, void* buffer, Dword toRead, Dword* returned);
using WriteFn = Status (*)(Handle handle, void* buffer, Dword toWrite, Dword* written);
using SetBaudRateFn = Status (*)(Handle handle, Dword baudRate);
using SetDataCharacteristicsFn = Status (*)(Handle handle, std::uint8_t wordLength,
                                            std::uint8_t stopBits, std::uint8_t parity);
using SetFlowControlFn = Status (*)(Handle handle, std::uint16_t flowControl, std::uint8_t xon,
                                    std::uint8_t xoff);
using SetTimeoutsFn = Status (*)(Handle handle, Dword readTimeout, Dword writeTimeout);
using GetDriverVersionFn = Status (*)(Handle handle, Dword* version);
using GetLibraryVersionFn = Status (*)(Dword* version);

}  // namespace lumidor::d2xx
