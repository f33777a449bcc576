// The simulated converter's listing, its port settings and its versions.

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "port.h"
#include "scenario.h"

namespace {

using namespace lumidor::d2xx;
using namespace lumidor::sim;

int g_slowListingsLeft = 0;

void copyField(char* buffer, const std::string& text, std::size_t field) {
    // A full field gets no terminating NUL, as the vendor's listing does.
    const std::size_t n = std::min(text.size(), field);
    std::memcpy(buffer, text.data(), n);
    if (n < field) {
        buffer[n] = '\0';
    }
}

}  // namespace

LUMIDOR_SIM_EXPORT Status LUMIDOR_D2XX_CALL FT_ListDevices(void* arg1, void* arg2, Dword flags) {
    std::lock_guard lock(g_mutex);
    if (auto failed =
            enter("FT_ListDevices", std::to_string(reinterpret_cast<std::uintptr_t>(arg1)) + ", " +
                                        std::to_string(flags))) {
        return *failed;
    }
    const std::vector<Device> list = devices();
    if (flags & kListNumberOnly) {
        if (arg1 == nullptr) {
            return kInvalidParameter;
        }
        *static_cast<Dword*>(arg1) = static_cast<Dword>(list.size());
        // Each count starts a new search; its first descriptions come slowly.
        g_slowListingsLeft = static_cast<int>(envNumber("LUMIDOR_SIM_SLOW_LISTING", 0));
        return kOk;
    }
    if (!(flags & kListByIndex) || arg2 == nullptr) {
        return kInvalidParameter;
    }
    const auto index = reinterpret_cast<std::uintptr_t>(arg1);
    if (index >= list.size()) {
        return kDeviceNotFound;
    }
    auto* buffer = static_cast<char*>(arg2);
    if ((flags & 3) == kBySerialNumber) {
        if (auto failed = failure("FT_ListDevices.serial")) {
            return *failed;
        }
        copyField(buffer, list[index].serial, kSerialSize);
        return kOk;
    }
    if ((flags & 3) == kByDescription) {
        if (g_slowListingsLeft > 0) {
            --g_slowListingsLeft;
            buffer[0] = '\0';
            return kOk;
        }
        copyField(buffer, list[index].description, kDescriptionSize);
        return kOk;
    }
    return kInvalidParameter;
}

LUMIDOR_SIM_EXPORT Status LUMIDOR_D2XX_CALL FT_SetBaudRate(Handle handle, Dword baud) {
    std::lock_guard lock(g_mutex);
    if (auto failed = enter("FT_SetBaudRate", std::to_string(baud))) {
        return *failed;
    }
    if (!valid(handle)) {
        return kInvalidHandle;
    }
    if (baud == 0) {
        return kInvalidBaudRate;
    }
    g_settings.baud = baud;
    return kOk;
}

LUMIDOR_SIM_EXPORT Status LUMIDOR_D2XX_CALL FT_SetDataCharacteristics(Handle handle,
                                                                      std::uint8_t wordLength,
                                                                      std::uint8_t stopBits,
                                                                      std::uint8_t parity) {
    std::lock_guard lock(g_mutex);
    if (auto failed = enter("FT_SetDataCharacteristics", std::to_string(wordLength) + ", " +
                                                             std::to_string(stopBits) + ", " +
                                                             std::to_string(parity))) {
        return *failed;
    }
    if (!valid(handle)) {
        return kInvalidHandle;
    }
    g_settings.wordLength = wordLength;
    g_settings.stopBits = stopBits;
    g_settings.parity = parity;
    return kOk;
}

LUMIDOR_SIM_EXPORT Status LUMIDOR_D2XX_CALL FT_SetFlowControl(Handle handle, std::uint16_t flow,
                                                              std::uint8_t xon, std::uint8_t xoff) {
    std::lock_guard lock(g_mutex);
    if (auto failed = enter("FT_SetFlowControl", std::to_string(flow) + ", " + std::to_string(xon) +
                                                     ", " + std::to_string(xoff))) {
        return *failed;
    }
    if (!valid(handle)) {
        return kInvalidHandle;
    }
    g_settings.flow = flow;
    g_settings.xon = xon;
    g_settings.xoff = xoff;
    return kOk;
}

#ifndef LUMIDOR_SIM_NOFUNC
LUMIDOR_SIM_EXPORT Status LUMIDOR_D2XX_CALL FT_SetTimeouts(Handle handle, Dword readMs,
                                                           Dword writeMs) {
    std::lock_guard lock(g_mutex);
    if (auto failed =
            enter("FT_SetTimeouts", std::to_string(readMs) + ", " + std::to_string(writeMs))) {
        return *failed;
    }
    if (!valid(handle)) {
        return kInvalidHandle;
    }
    g_settings.readTimeoutMs = readMs;
    g_settings.writeTimeoutMs = writeMs;
    return kOk;
}

#endif

LUMIDOR_SIM_EXPORT Status LUMIDOR_D2XX_CALL FT_GetDriverVersion(Handle handle, Dword* version) {
    std::lock_guard lock(g_mutex);
    if (auto failed = enter("FT_GetDriverVersion", "")) {
        return *failed;
    }
    if (!valid(handle)) {
        return kInvalidHandle;
    }
    if (version == nullptr) {
        return kInvalidParameter;
    }
    *version = envNumber("LUMIDOR_SIM_DRIVER_VERSION", 0x21216);
    return kOk;
}

LUMIDOR_SIM_EXPORT Status LUMIDOR_D2XX_CALL FT_GetLibraryVersion(Dword* version) {
    std::lock_guard lock(g_mutex);
    if (auto failed = enter("FT_GetLibraryVersion", "")) {
        return *failed;
    }
    if (version == nullptr) {
        return kInvalidParameter;
    }
    *version = envNumber("LUMIDOR_SIM_LIBRARY_VERSION", 0x30215);
    return kOk;
}

// The exports have exactly the types the program calls them through, calling
// convention included.
[[maybe_unused]] constexpr ListDevicesFn kListDevicesFits = &FT_ListDevices;
[[maybe_unused]] constexpr SetBaudRateFn kSetBaudRateFits = &FT_SetBaudRate;
[[maybe_unused]] constexpr SetDataCharacteristicsFn kSetDataCharacteristicsFits =
    &FT_SetDataCharacteristics;
[[maybe_unused]] constexpr SetFlowControlFn kSetFlowControlFits = &FT_SetFlowControl;
#ifndef LUMIDOR_SIM_NOFUNC
[[maybe_unused]] constexpr SetTimeoutsFn kSetTimeoutsFits = &FT_SetTimeouts;
#endif
[[maybe_unused]] constexpr GetDriverVersionFn kGetDriverVersionFits = &FT_GetDriverVersion;
[[maybe_unused]] constexpr GetLibraryVersionFn kGetLibraryVersionFits = &FT_GetLibraryVersion;
