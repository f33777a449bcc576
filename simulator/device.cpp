// Stands in for the converter's vendor library, so the program and its tests
// run without hardware: the listing, open, read and write calls over one
// simulated port. The scenario (scenario.*) says what is plugged in and what
// fails; the switch (switch.*) answers what was written.

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstring>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "link/d2xxapi.h"
#include "scenario.h"
#include "switch.h"

#ifdef _WIN32
#define LUMIDOR_SIM_EXPORT extern "C" __declspec(dllexport)
#else
#define LUMIDOR_SIM_EXPORT extern "C" __attribute__((visibility("default")))
#endif

namespace {

using namespace lumidor::d2xx;
using namespace lumidor::sim;
using Clock = std::chrono::steady_clock;

struct Port {
    int device = -1;       // -1: closed
    std::string opened;    // the description it was opened by
    std::string received;  // bytes the switch got since the last answer
    std::vector<std::pair<Clock::time_point, char>> reply;  // arrival time, byte
    Clock::time_point lineFree{};
};

// Settings survive a close and a re-open, as the transfers rely on.
struct Settings {
    Dword baud = 9600;
    Dword readTimeoutMs = 3500;
    Dword writeTimeoutMs = 0;
    std::uint8_t wordLength = 8, stopBits = 0, parity = 0;
    std::uint16_t flow = 0;
    std::uint8_t xon = 0x11, xoff = 0x13;
};

std::mutex g_mutex;
Port g_port;
Settings g_settings;
int g_slowListingsLeft = 0;

Handle handleFor(int device) {
    return reinterpret_cast<Handle>(static_cast<std::uintptr_t>(0x5100 + device));
}

bool valid(Handle handle) {
    return g_port.device >= 0 && handle == handleFor(g_port.device);
}

Clock::duration byteTime() {
    // Start bit, eight data bits, stop bit.
    const Dword baud = std::max<Dword>(g_settings.baud, 1);
    return std::chrono::microseconds(10'000'000 / baud);
}

// What was written so far gets its answer, starting when the last byte has
// crossed the line.
void answerPending() {
    if (g_port.received.empty()) {
        return;
    }
    const std::string text = replyTo(g_port.received);
    g_port.received.clear();
    Clock::time_point at = std::max(g_port.lineFree, Clock::now());
    for (char c : text) {
        at += byteTime();
        g_port.reply.emplace_back(at, c);
    }
    g_port.lineFree = at;
}

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

LUMIDOR_SIM_EXPORT Status LUMIDOR_D2XX_CALL FT_OpenEx(void* arg, Dword flags, Handle* handle) {
    std::lock_guard lock(g_mutex);
    const char* name = static_cast<const char*>(arg);
    if (auto failed = enter(
            "FT_OpenEx", std::string(name != nullptr ? name : "") + ", " + std::to_string(flags))) {
        return *failed;
    }
    if (name == nullptr || handle == nullptr) {
        return kInvalidParameter;
    }
    const std::vector<Device> list = devices();
    for (std::size_t i = 0; i < list.size(); ++i) {
        const std::string& key = flags == kBySerialNumber ? list[i].serial : list[i].description;
        if (key == name) {
            if (g_port.device >= 0) {
                return kDeviceNotOpened;  // already taken
            }
            g_port = Port{};
            g_port.device = static_cast<int>(i);
            g_port.opened = name;
            *handle = handleFor(g_port.device);
            return kOk;
        }
    }
    return kDeviceNotFound;
}

LUMIDOR_SIM_EXPORT Status LUMIDOR_D2XX_CALL FT_Close(Handle handle) {
    std::lock_guard lock(g_mutex);
    if (auto failed = enter("FT_Close", "")) {
        return *failed;
    }
    if (!valid(handle)) {
        return kInvalidHandle;
    }
    g_port = Port{};
    return kOk;
}

LUMIDOR_SIM_EXPORT Status LUMIDOR_D2XX_CALL FT_Write(Handle handle, void* buffer, Dword count,
                                                     Dword* written) {
    std::lock_guard lock(g_mutex);
    if (written != nullptr) {
        *written = 0;
    }
    if (auto failed = enter("FT_Write", hex(buffer, count))) {
        return *failed;
    }
    if (!valid(handle)) {
        return kInvalidHandle;
    }
    if (buffer == nullptr || written == nullptr) {
        return kInvalidParameter;
    }
    if (pulledOut(g_port.opened)) {
        return kIoError;
    }
    // The call comes back once the bytes have crossed the line.
    const Clock::time_point start = std::max(Clock::now(), g_port.lineFree);
    g_port.lineFree = start + byteTime() * count;
    std::this_thread::sleep_until(g_port.lineFree);
    g_port.received.append(static_cast<const char*>(buffer), count);
    *written = count;
    return kOk;
}

LUMIDOR_SIM_EXPORT Status LUMIDOR_D2XX_CALL FT_Read(Handle handle, void* buffer, Dword count,
                                                    Dword* returned) {
    std::lock_guard lock(g_mutex);
    if (returned != nullptr) {
        *returned = 0;
    }
    if (auto failed = enter("FT_Read", std::to_string(count))) {
        return *failed;
    }
    if (!valid(handle)) {
        return kInvalidHandle;
    }
    if (buffer == nullptr || returned == nullptr) {
        return kInvalidParameter;
    }
    if (pulledOut(g_port.opened)) {
        return kIoError;
    }
    answerPending();
    const Dword timeoutMs = envNumber("LUMIDOR_SIM_READ_TIMEOUT", g_settings.readTimeoutMs);
    const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
    // Back when the count has arrived, or at the timeout with what has.
    Clock::time_point until = deadline;
    if (count > 0 && g_port.reply.size() >= count) {
        until = std::min(until, g_port.reply[count - 1].first);
    }
    // Pulling the converter out ends the wait at once, as the real one does.
    while (Clock::now() < until) {
        std::this_thread::sleep_until(
            std::min(until, Clock::now() + std::chrono::milliseconds(10)));
        if (pulledOut(g_port.opened)) {
            trace("  <- gone");
            return kIoError;
        }
    }
    Dword n = 0;
    auto* out = static_cast<char*>(buffer);
    const Clock::time_point now = Clock::now();
    while (n < count && n < g_port.reply.size() && g_port.reply[n].first <= now) {
        out[n] = g_port.reply[n].second;
        ++n;
    }
    g_port.reply.erase(g_port.reply.begin(), g_port.reply.begin() + n);
    *returned = n;
    trace("  <- " + hex(buffer, n));
    return kOk;
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

#ifndef LUMIDOR_SIM_WITHOUT_SET_TIMEOUTS
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
[[maybe_unused]] constexpr OpenExFn kOpenExFits = &FT_OpenEx;
[[maybe_unused]] constexpr CloseFn kCloseFits = &FT_Close;
[[maybe_unused]] constexpr ReadFn kReadFits = &FT_Read;
[[maybe_unused]] constexpr WriteFn kWriteFits = &FT_Write;
[[maybe_unused]] constexpr SetBaudRateFn kSetBaudRateFits = &FT_SetBaudRate;
[[maybe_unused]] constexpr SetDataCharacteristicsFn kSetDataCharacteristicsFits =
    &FT_SetDataCharacteristics;
[[maybe_unused]] constexpr SetFlowControlFn kSetFlowControlFits = &FT_SetFlowControl;
#ifndef LUMIDOR_SIM_WITHOUT_SET_TIMEOUTS
[[maybe_unused]] constexpr SetTimeoutsFn kSetTimeoutsFits = &FT_SetTimeouts;
#endif
[[maybe_unused]] constexpr GetDriverVersionFn kGetDriverVersionFits = &FT_GetDriverVersion;
[[maybe_unused]] constexpr GetLibraryVersionFn kGetLibraryVersionFits = &FT_GetLibraryVersion;
