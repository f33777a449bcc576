#pragma once

// Keyboard cues (accelerator underlines, focus rectangles) are hidden until
// the user presses Alt or moves by keyboard; the desktop then tells each
// window to show them. Themed controls on some desktops do not redraw on
// that notice, so the cues would not appear: a hook on the user-interface
// thread repaints every window that receives it. Desktops that redraw cues
// themselves report that no hook is needed. No Qt here: the Windows side
// is built by the cross compiler on its own.

#include <cstdint>

namespace lumidor {

// The notice that a window's keyboard-cue state changed.
inline constexpr unsigned kUpdateUiState = 0x128;
// The hook code under which a message is about to be delivered.
inline constexpr int kHookAction = 0;

// One call of the window-procedure hook: what the hook reads, and what it
// passes on unchanged.
struct HookCall {
    int code;
    unsigned message;
    void* window;
    std::uintptr_t wParam;
    std::intptr_t lParam;
};

// What the fix needs from the desktop; tests put a fake one in.
class KeyCuePlatform {
public:
    virtual ~KeyCuePlatform() = default;
    // The major version, or false when the query fails.
    virtual bool majorVersion(int& major) = 0;
    virtual bool visualStylesActive() = 0;
    // A window-procedure hook for the calling thread only; null on failure.
    virtual void* installHook() = 0;
    virtual void removeHook(void* hook) = 0;
    // Marks the window's whole client area for repainting, without erasing.
    virtual void invalidate(void* window) = 0;
    virtual std::intptr_t callNextHook(void* hook, const HookCall& call) = 0;
};

// The platform of this build: the real hook on Windows, no hook elsewhere.
KeyCuePlatform& nativeKeyCuePlatform();

// One instance per owner (the main window). The first counted instance
// installs the hook, the last one removes it; instances on a desktop that
// needs no hook are not counted.
class TKeyCueFix {
public:
    explicit TKeyCueFix(KeyCuePlatform& platform = nativeKeyCuePlatform());
    ~TKeyCueFix();
    TKeyCueFix(const TKeyCueFix&) = delete;
    TKeyCueFix& operator=(const TKeyCueFix&) = delete;

    bool counted() const { return counted_; }

    // Process-wide state shared by all instances.
    static int instanceCount();
    static bool hookInstalled();

    // The hook procedure: repaints on the cue notice, and always passes the
    // call on, returning the next hook's result.
    static std::intptr_t hookProcedure(const HookCall& call);

private:
    bool counted_ = false;
};

}  // namespace lumidor
