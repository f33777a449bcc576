#pragma once

// The simulated converter's state, shared by its exported calls: the port
// the program opened, the settings that outlive it, and the receive buffer.

#include <chrono>
#include <cstdint>
#include <deque>
#include <mutex>
#include <string>
#include <utility>

#include "link/d2xxapi.h"

#ifdef _WIN32
#define LUMIDOR_SIM_EXPORT extern "C" __declspec(dllexport)
#else
#define LUMIDOR_SIM_EXPORT extern "C" __attribute__((visibility("default")))
#endif

namespace lumidor::sim {

using Clock = std::chrono::steady_clock;

struct Port {
    int device = -1;             // -1: closed
    std::string opened;          // the description it was opened by
    std::string received;        // bytes the switch got since its last answer
    Clock::time_point txFree{};  // the last written byte has crossed the line
};

// Settings survive a close and a re-open, as the transfers rely on.
struct Settings {
    d2xx::Dword baud = 9600;
    d2xx::Dword readTimeoutMs = 3500;
    d2xx::Dword writeTimeoutMs = 0;
    std::uint8_t wordLength = 8, stopBits = 0, parity = 0;
    std::uint16_t flow = 0;
    std::uint8_t xon = 0x11, xoff = 0x13;
};

// What the switch sent towards the program: each byte with the moment its
// last bit arrives. Emptied at the open unless the scenario keeps it.
struct Receive {
    std::deque<std::pair<Clock::time_point, char>> bytes;
    Clock::time_point lineFree{};  // the switch's last byte so far has arrived
};

extern std::mutex g_mutex;
extern Port g_port;
extern Settings g_settings;
extern Receive g_rx;

d2xx::Handle handleFor(int device);
bool valid(d2xx::Handle handle);

}  // namespace lumidor::sim
