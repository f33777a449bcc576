#pragma once

// The vendor library's calling interface as this program uses it. Plain C++
// without Qt, so the converter simulator is built from the same declarations.

#include <cstdint>

#if defined(_WIN32) && !defined(_WIN64)
#define LUMIDOR_D2XX_CALL __stdcall
#else
#define LUMIDOR_D2XX_CALL
#endif

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

// What FT_Purge empties: the receive and the transmit buffer.
inline constexpr Dword kPurgeRx = 1;
inline constexpr Dword kPurgeTx = 2;

// Field sizes the listing calls fill.
inline constexpr int kDescriptionSize = 64;
inline constexpr int kSerialSize = 16;

// Exported function types, in the order of the library's own documentation.
// They carry the library's calling convention: 32-bit Windows builds of it use
// __stdcall, and a call through a plain pointer there would leave the stack
// unbalanced after every call.
using ListDevicesFn = Status(LUMIDOR_D2XX_CALL*)(void* arg1, void* arg2, Dword flags);
using OpenExFn = Status(LUMIDOR_D2XX_CALL*)(void* arg, Dword flags, Handle* handle);
using CloseFn = Status(LUMIDOR_D2XX_CALL*)(Handle handle);
using ReadFn = Status(LUMIDOR_D2XX_CALL*)(Handle handle, void* buffer, Dword toRead,
                                          Dword* returned);
using WriteFn = Status(LUMIDOR_D2XX_CALL*)(Handle handle, void* buffer, Dword toWrite,
                                           Dword* written);
using SetBaudRateFn = Status(LUMIDOR_D2XX_CALL*)(Handle handle, Dword baudRate);
using SetDataCharacteristicsFn = Status(LUMIDOR_D2XX_CALL*)(Handle handle, std::uint8_t wordLength,
                                                            std::uint8_t stopBits,
                                                            std::uint8_t parity);
using SetFlowControlFn = Status(LUMIDOR_D2XX_CALL*)(Handle handle, std::uint16_t flowControl,
                                                    std::uint8_t xon, std::uint8_t xoff);
using SetTimeoutsFn = Status(LUMIDOR_D2XX_CALL*)(Handle handle, Dword readTimeout,
                                                 Dword writeTimeout);
using GetDriverVersionFn = Status(LUMIDOR_D2XX_CALL*)(Handle handle, Dword* version);
using GetLibraryVersionFn = Status(LUMIDOR_D2XX_CALL*)(Dword* version);
using GetQueueStatusFn = Status(LUMIDOR_D2XX_CALL*)(Handle handle, Dword* rxBytes);
using PurgeFn = Status(LUMIDOR_D2XX_CALL*)(Handle handle, Dword mask);

// Where a function of the library is looked for, and what was missing.
enum class Lookup { Found, LibraryMissing, FunctionMissing };

// Loads the library by its file name through the system's own search, every
// time, and looks the function up in it. The library is never unloaded, so a
// driver installed while the program runs is found at the next call. Null,
// with `result` saying what was missing, when there is no such function.
void* findFunction(const char* name, Lookup& result);

}  // namespace lumidor::d2xx
