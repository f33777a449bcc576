// Stands in for the converter's vendor library, so the program and its tests
// run without hardware: the open, write, read and buffer calls over one
// simulated port (setup.cpp: the listing and the port settings). The scenario
// (scenario.*) says what is plugged in and what fails; the switch (switch.*)
// answers what was written.

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <string>
#include <thread>
#include <vector>

#include "port.h"
#include "scenario.h"
#include "switch.h"

namespace lumidor::sim {

std::mutex g_mutex;
Port g_port;
Settings g_settings;
Receive g_rx;

d2xx::Handle handleFor(int device) {
    return reinterpret_cast<d2xx::Handle>(static_cast<std::uintptr_t>(0x5100 + device));
}

bool valid(d2xx::Handle handle) {
    return g_port.device >= 0 && handle == handleFor(g_port.device);
}

}  // namespace lumidor::sim

namespace {

using namespace lumidor::d2xx;
using namespace lumidor::sim;

Clock::duration byteTime() {
    // Start bit, eight data bits, stop bit.
    const Dword baud = std::max<Dword>(g_settings.baud, 1);
    return std::chrono::microseconds(10'000'000 / baud);
}

bool keepsBuffer() {
    const char* v = env("LUMIDOR_SIM_BUFFER");
    return v != nullptr && std::string(v) == "keep";
}

bool answersEachFrame() {
    const char* v = env("LUMIDOR_SIM_ANSWERS");
    return v != nullptr && std::string(v) == "each";
}

// What was written so far gets its answer: after the switch's delay once its
// last byte has crossed, and behind whatever it is still sending.
void answerPending() {
    if (g_port.received.empty()) {
        return;
    }
    const std::string text = replyTo(g_port.received);
    g_port.received.clear();
    const auto delay = std::chrono::milliseconds(envNumber("LUMIDOR_SIM_ANSWER_DELAY", 0));
    Clock::time_point at = std::max(g_port.txFree + delay, g_rx.lineFree);
    for (char c : text) {
        at += byteTime();
        g_rx.bytes.emplace_back(at, c);
    }
    g_rx.lineFree = at;
}

// The bytes whose last bit has arrived by now.
std::size_t arrived() {
    const Clock::time_point now = Clock::now();
    std::size_t n = 0;
    while (n < g_rx.bytes.size() && g_rx.bytes[n].first <= now) {
        ++n;
    }
    return n;
}

// Unless the scenario keeps it, the receive buffer starts empty at each open
// and is dropped at the close.
void forgetUnlessKept() {
    if (!keepsBuffer()) {
        g_rx = Receive{};
    }
}

}  // namespace

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
            forgetUnlessKept();
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
    // The switch answers what it got even when nobody reads any more.
    answerPending();
    g_port = Port{};
    forgetUnlessKept();
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
    const Clock::time_point start = std::max(Clock::now(), g_port.txFree);
    g_port.txFree = start + byteTime() * count;
    std::this_thread::sleep_until(g_port.txFree);
    g_port.received.append(static_cast<const char*>(buffer), count);
    if (answersEachFrame()) {
        answerPending();
    }
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
    if (count > 0 && g_rx.bytes.size() >= count) {
        until = std::min(until, g_rx.bytes[count - 1].first);
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
    const auto n = static_cast<Dword>(std::min<std::size_t>(count, arrived()));
    auto* out = static_cast<char*>(buffer);
    for (Dword i = 0; i < n; ++i) {
        out[i] = g_rx.bytes[i].second;
    }
    g_rx.bytes.erase(g_rx.bytes.begin(), g_rx.bytes.begin() + n);
    *returned = n;
    trace("  <- " + hex(buffer, n));
    return kOk;
}

#ifndef LUMIDOR_SIM_NOFUNC
LUMIDOR_SIM_EXPORT Status LUMIDOR_D2XX_CALL FT_GetQueueStatus(Handle handle, Dword* rxBytes) {
    std::lock_guard lock(g_mutex);
    if (rxBytes != nullptr) {
        *rxBytes = 0;
    }
    if (auto failed = enter("FT_GetQueueStatus", "")) {
        return *failed;
    }
    if (!valid(handle)) {
        return kInvalidHandle;
    }
    if (rxBytes == nullptr) {
        return kInvalidParameter;
    }
    if (pulledOut(g_port.opened)) {
        return kIoError;
    }
    answerPending();
    *rxBytes = static_cast<Dword>(arrived());
    return kOk;
}

// Empties what has arrived; bytes still on the line come in afterwards, as
// they would.
LUMIDOR_SIM_EXPORT Status LUMIDOR_D2XX_CALL FT_Purge(Handle handle, Dword mask) {
    std::lock_guard lock(g_mutex);
    if (auto failed = enter("FT_Purge", std::to_string(mask))) {
        return *failed;
    }
    if (!valid(handle)) {
        return kInvalidHandle;
    }
    if (pulledOut(g_port.opened)) {
        return kIoError;
    }
    if (mask & kPurgeRx) {
        g_rx.bytes.erase(g_rx.bytes.begin(),
                         g_rx.bytes.begin() + static_cast<std::ptrdiff_t>(arrived()));
    }
    return kOk;
}
#endif

// The exports have exactly the types the program calls them through, calling
// convention included.
[[maybe_unused]] constexpr OpenExFn kOpenExFits = &FT_OpenEx;
[[maybe_unused]] constexpr CloseFn kCloseFits = &FT_Close;
[[maybe_unused]] constexpr ReadFn kReadFits = &FT_Read;
[[maybe_unused]] constexpr WriteFn kWriteFits = &FT_Write;
#ifndef LUMIDOR_SIM_NOFUNC
[[maybe_unused]] constexpr GetQueueStatusFn kGetQueueStatusFits = &FT_GetQueueStatus;
[[maybe_unused]] constexpr PurgeFn kPurgeFits = &FT_Purge;
#endif
