#pragma once

// The scenario a test or a script has chosen: environment variables read at
// each call (see README.md, "Converter simulator"), so one test process can
// move from one scenario to the next.

#include <optional>
#include <string>
#include <vector>

#include "link/d2xxapi.h"

namespace lumidor::sim {

struct Device {
    std::string description;
    std::string serial;
};

const char* env(const char* name);
d2xx::Dword envNumber(const char* name, d2xx::Dword fallback);

void trace(const std::string& line);
// A call's buffer as hex bytes for the trace; a null buffer is named, never read.
std::string hex(const void* data, d2xx::Dword count);

// One call's bookkeeping: the trace line, the unplug count, a chosen failure.
std::optional<d2xx::Status> enter(const char* function, const std::string& args);
// The status LUMIDOR_SIM_FAIL chooses for the function, if any.
std::optional<d2xx::Status> failure(const char* function);

// The devices listed now, in index order.
std::vector<Device> devices();
// The converter opened by that name has been unplugged or pulled out.
bool pulledOut(const std::string& opened);

}  // namespace lumidor::sim
