#pragma once

#include <string>

namespace lumidor::sim {

// What the switch sends back for the bytes it received since its last answer,
// as LUMIDOR_SIM_REPLY chooses.
std::string replyTo(const std::string& received);

}  // namespace lumidor::sim
