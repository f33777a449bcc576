#pragma once

// While the program runs it holds a mark that installers can see, so an
// install or uninstall does not replace files under a running copy (Windows
// keeps a running program's files, and Wine does not even refuse). No Qt
// here: the Windows side is built by the cross compiler on its own.

namespace lumidor {

// The mark's name; packaging/windows/rc-lumidor.nsi looks for the same one,
// in the session's namespace and in the global one (other users' sessions).
inline constexpr wchar_t kRunningMarkName[] = L"RcLumidorConfiguratorRunning";

class RunningMark {
public:
    // Made for the lifetime of the object; a mark that cannot be made only
    // costs the installer's warning, so failures are not reported.
    RunningMark();
    // Trivial only in the Linux twin; Windows closes its handles here.
    ~RunningMark();  // NOLINT(performance-trivially-destructible)
    RunningMark(const RunningMark&) = delete;
    RunningMark& operator=(const RunningMark&) = delete;

    // Whether the session's mark is held; always false where there is none.
    bool held() const { return marks_[0] != nullptr; }

private:
    void* marks_[2] = {};  // the session's, the global one
};

// Whether any process holds the mark, as the installer asks.
bool runningMarkSeen();

}  // namespace lumidor
