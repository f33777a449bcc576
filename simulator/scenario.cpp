// The scenario half of the simulator: what is plugged in, which calls fail,
// when the converter goes, and the trace of every call.

#include "scenario.h"

#ifdef _WIN32
#include <windows.h>
#endif

#include <cstdio>
#include <cstdlib>

namespace lumidor::sim {

using namespace d2xx;

namespace {

long g_calls = 0;
std::string g_unplugValue;
bool g_gone = false;  // the converter has been unplugged

std::vector<std::string> split(const std::string& text, char sep) {
    std::vector<std::string> parts;
    std::string::size_type start = 0;
    while (true) {
        const auto pos = text.find(sep, start);
        parts.push_back(text.substr(start, pos - start));
        if (pos == std::string::npos) {
            return parts;
        }
        start = pos + 1;
    }
}

// Counts every call; once the count passes LUMIDOR_SIM_UNPLUG_AFTER the
// converter is gone. The count starts again whenever the variable changes.
bool unplugged() {
    const char* v = env("LUMIDOR_SIM_UNPLUG_AFTER");
    const std::string value = v != nullptr ? v : "";
    if (value != g_unplugValue) {
        g_unplugValue = value;
        g_calls = 0;
    }
    ++g_calls;
    return !value.empty() && g_calls > std::strtol(value.c_str(), nullptr, 0);
}

// LUMIDOR_SIM_STATE names a file that, while it exists, holds the device list
// in place of LUMIDOR_SIM_DEVICES (same form, one line), so a script can plug
// and unplug the converter while the program runs.
std::optional<std::string> stateFileDevices() {
    const char* path = env("LUMIDOR_SIM_STATE");
    if (path == nullptr || *path == '\0') {
        return std::nullopt;
    }
    FILE* f = std::fopen(path, "r");
    if (f == nullptr) {
        return std::nullopt;
    }
    std::string text;
    char chunk[256];
    while (std::fgets(chunk, sizeof chunk, f) != nullptr) {
        text += chunk;
    }
    std::fclose(f);
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) {
        text.pop_back();
    }
    return text;
}

}  // namespace

#ifdef _WIN32
// The process's own block rather than the C runtime's copy: only it can hold
// a variable that is set but empty, which says "no device at all".
const char* env(const char* name) {
    thread_local std::string value;
    value.resize(32767);
    SetLastError(ERROR_SUCCESS);
    const DWORD n = GetEnvironmentVariableA(name, value.data(), 32767);
    if (n == 0 && GetLastError() == ERROR_ENVVAR_NOT_FOUND) {
        return nullptr;
    }
    value.resize(n < 32767 ? n : 0);
    return value.c_str();
}
#else
const char* env(const char* name) {
    return std::getenv(name);
}
#endif

Dword envNumber(const char* name, Dword fallback) {
    const char* v = env(name);
    return v != nullptr && *v != '\0' ? static_cast<Dword>(std::strtoul(v, nullptr, 0)) : fallback;
}

void trace(const std::string& line) {
    const char* path = env("LUMIDOR_SIM_TRACE");
    if (path == nullptr || *path == '\0') {
        return;
    }
    // A program waiting for an answer asks for the queue every millisecond
    // or so; one line stands for a run of such calls.
    static std::string last;
    const bool repeated = line == last && line.rfind("FT_GetQueueStatus", 0) == 0;
    last = line;
    if (repeated) {
        return;
    }
    // Binary, so a line ends in \n alone on Windows too.
    if (FILE* f = std::fopen(path, "ab")) {
        std::fprintf(f, "%s\n", line.c_str());
        std::fclose(f);
    }
}

std::string hex(const void* data, Dword count) {
    if (data == nullptr) {
        return "null, " + std::to_string(count);
    }
    std::string out;
    char byte[4];
    for (Dword i = 0; i < count; ++i) {
        std::snprintf(byte, sizeof byte, "%s%02X", i ? " " : "",
                      static_cast<const unsigned char*>(data)[i]);
        out += byte;
    }
    return out;
}

std::vector<Device> devices() {
    if (g_gone) {
        return {};
    }
    const std::optional<std::string> state = stateFileDevices();
    const char* v = state ? state->c_str() : env("LUMIDOR_SIM_DEVICES");
    if (v == nullptr) {
        return {{"RC_LINKUP v1.3", "LU000001"}};
    }
    std::vector<Device> list;
    if (*v == '\0') {
        return list;
    }
    for (const std::string& entry : split(v, ';')) {
        const auto bar = entry.find('|');
        list.push_back(bar == std::string::npos
                           ? Device{entry, ""}
                           : Device{entry.substr(0, bar), entry.substr(bar + 1)});
    }
    return list;
}

// LUMIDOR_SIM_FAIL=FT_SetBaudRate:4,FT_Close:1 makes those calls fail.
std::optional<Status> failure(const char* function) {
    const char* v = env("LUMIDOR_SIM_FAIL");
    if (v == nullptr) {
        return std::nullopt;
    }
    for (const std::string& entry : split(v, ',')) {
        const auto colon = entry.find(':');
        if (entry.substr(0, colon) == function) {
            return colon == std::string::npos
                       ? kIoError
                       : static_cast<Status>(std::strtoul(entry.c_str() + colon + 1, nullptr, 0));
        }
    }
    return std::nullopt;
}

// One call's bookkeeping: the trace line, the unplug count, a chosen failure.
std::optional<Status> enter(const char* function, const std::string& args) {
    trace(std::string(function) + "(" + args + ")");
    g_gone = unplugged();
    const std::optional<Status> failed = failure(function);
    if (failed) {
        trace(std::string("  -> ") + std::to_string(*failed));
    }
    return failed;
}

bool pulledOut(const std::string& opened) {
    if (g_gone) {
        return true;
    }
    if (!stateFileDevices()) {
        return false;
    }
    for (const Device& d : devices()) {
        if (d.description == opened || d.serial == opened) {
            return false;
        }
    }
    return true;
}

}  // namespace lumidor::sim
