#include "common/keycuefix.h"

namespace lumidor {
namespace {

// Process-wide, touched only on the user-interface thread.
int instances = 0;
void* hook = nullptr;
KeyCuePlatform* hookPlatform = nullptr;

// Themed controls stop redrawing their cues from this version on.
constexpr int kFirstThemedVersion = 6;

}  // namespace

#ifndef _WIN32
// Qt redraws the cues itself here; no hook is ever needed.
KeyCuePlatform& nativeKeyCuePlatform() {
    class NoHookPlatform : public KeyCuePlatform {
    public:
        bool majorVersion(int&) override { return false; }
        bool visualStylesActive() override { return false; }
        void* installHook() override { return nullptr; }
        void removeHook(void*) override {}
        void invalidate(void*) override {}
        std::intptr_t callNextHook(void*, const HookCall&) override { return 0; }
    };
    static NoHookPlatform platform;
    return platform;
}
#endif

TKeyCueFix::TKeyCueFix(KeyCuePlatform& platform) {
    int major = 0;
    if (!platform.majorVersion(major) || major < kFirstThemedVersion ||
        !platform.visualStylesActive()) {
        return;
    }
    ++instances;
    if (instances == 1) {
        hookPlatform = &platform;
        hook = platform.installHook();
    }
    counted_ = true;
}

TKeyCueFix::~TKeyCueFix() {
    if (!counted_) {
        return;
    }
    --instances;
    if (instances == 0) {
        if (hook != nullptr) {
            hookPlatform->removeHook(hook);
        }
        hook = nullptr;
        hookPlatform = nullptr;
    }
}

int TKeyCueFix::instanceCount() {
    return instances;
}

bool TKeyCueFix::hookInstalled() {
    return hook != nullptr;
}

std::intptr_t TKeyCueFix::hookProcedure(const HookCall& call) {
    if (hookPlatform == nullptr) {
        return 0;
    }
    if (call.code == kHookAction && call.message == kUpdateUiState) {
        // The hook runs before the window takes its new cue state, so the
        // repaint asked for here shows the new state.
        hookPlatform->invalidate(call.window);
    }
    return hookPlatform->callNextHook(hook, call);
}

}  // namespace lumidor
