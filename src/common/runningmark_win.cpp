// The running program's mark on Windows: a named mutex, which the system
// removes with the last handle, so a crashed program leaves none behind.
#ifdef _WIN32

#include <windows.h>

#include <string>

#include "common/runningmark.h"

namespace lumidor {
namespace {

const std::wstring kGlobalName = std::wstring(L"Global\\") + kRunningMarkName;

void* create(const wchar_t* name) {
    return CreateMutexW(nullptr, FALSE, name);
}

// Another user's mark exists though this user may not open it.
bool exists(const wchar_t* name) {
    HANDLE mark = OpenMutexW(SYNCHRONIZE, FALSE, name);
    if (mark != nullptr) {
        CloseHandle(mark);
        return true;
    }
    return GetLastError() == ERROR_ACCESS_DENIED;
}

}  // namespace

RunningMark::RunningMark() : marks_{create(kRunningMarkName), create(kGlobalName.c_str())} {}

RunningMark::~RunningMark() {
    for (void* mark : marks_) {
        if (mark != nullptr) {
            CloseHandle(mark);
        }
    }
}

bool runningMarkSeen() {
    return exists(kRunningMarkName) || exists(kGlobalName.c_str());
}

}  // namespace lumidor

#endif  // _WIN32
