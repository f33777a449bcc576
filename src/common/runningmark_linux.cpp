// Elsewhere the package manager replaces files under a running program
// safely, so there is nothing to mark.
#ifndef _WIN32

#include "common/runningmark.h"

namespace lumidor {

RunningMark::RunningMark() = default;
RunningMark::~RunningMark() = default;

bool runningMarkSeen() {
    return false;
}

}  // namespace lumidor

#endif  // _WIN32
