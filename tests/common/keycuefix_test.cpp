#include "common/keycuefix.h"

#include <gtest/gtest.h>

#ifdef _WIN32
#include <windows.h>
#endif

#include <memory>
#include <vector>

namespace lumidor {
namespace {

// A desktop whose version and styles the test chooses; it records what the
// fix asks of it.
class FakePlatform : public KeyCuePlatform {
public:
    FakePlatform(bool versionOk, int major, bool styles)
        : versionOk_(versionOk), major_(major), styles_(styles) {}

    bool majorVersion(int& major) override {
        major = major_;
        return versionOk_;
    }
    bool visualStylesActive() override { return styles_; }
    void* installHook() override {
        ++installs;
        return &hookToken;
    }
    void removeHook(void* hook) override {
        EXPECT_EQ(hook, &hookToken);
        ++removals;
    }
    void invalidate(void* window) override { invalidated.push_back(window); }
    std::intptr_t callNextHook(void* hook, const HookCall& call) override {
        EXPECT_EQ(hook, &hookToken);
        passed.push_back(call.message);
        return 1000 + call.code;
    }

    int hookToken = 0;
    int installs = 0;
    int removals = 0;
    std::vector<void*> invalidated;
    std::vector<unsigned> passed;

private:
    bool versionOk_;
    int major_;
    bool styles_;
};

// No hook on an old desktop, without styles or when the version is unknown;
// such instances never touch the count.
TEST(KeyCueFix, NoHookWhereControlsRedrawThemselves) {
    const struct {
        bool versionOk;
        int major;
        bool styles;
    } cases[] = {{true, 5, true}, {true, 6, false}, {false, 10, true}, {true, 4, false}};
    for (const auto& c : cases) {
        FakePlatform platform(c.versionOk, c.major, c.styles);
        {
            TKeyCueFix fix(platform);
            EXPECT_FALSE(fix.counted());
            EXPECT_EQ(TKeyCueFix::instanceCount(), 0);
            EXPECT_FALSE(TKeyCueFix::hookInstalled());
        }
        EXPECT_EQ(platform.installs, 0);
        EXPECT_EQ(platform.removals, 0);
    }
    // This build's own desktop redraws cues by itself (or hooks on Windows).
#ifndef _WIN32
    TKeyCueFix native;
    EXPECT_FALSE(native.counted());
#endif
}

// One hook for any number of counted instances; it goes with the last one.
TEST(KeyCueFix, FirstInstanceHooksLastUnhooks) {
    FakePlatform platform(true, 6, true);
    auto first = std::make_unique<TKeyCueFix>(platform);
    auto second = std::make_unique<TKeyCueFix>(platform);
    EXPECT_TRUE(first->counted());
    EXPECT_EQ(TKeyCueFix::instanceCount(), 2);
    EXPECT_EQ(platform.installs, 1);
    first.reset();
    EXPECT_TRUE(TKeyCueFix::hookInstalled());
    EXPECT_EQ(platform.removals, 0);
    second.reset();
    EXPECT_FALSE(TKeyCueFix::hookInstalled());
    EXPECT_EQ(TKeyCueFix::instanceCount(), 0);
    EXPECT_EQ(platform.removals, 1);
}

// Only the cue notice under the action code repaints; every call is passed
// on and the next hook's answer returned unchanged.
TEST(KeyCueFix, HookRepaintsOnlyOnCueNoticeAndPassesEverythingOn) {
    FakePlatform platform(true, 10, true);
    TKeyCueFix fix(platform);
    int window = 0;
    const struct {
        int code;
        unsigned message;
        bool repaint;
    } calls[] = {{kHookAction, kUpdateUiState, true},
                 {3, kUpdateUiState, false},
                 {kHookAction, 0x000F, false},
                 {kHookAction, 0x0127, false}};
    for (const auto& c : calls) {
        platform.invalidated.clear();
        const HookCall call{c.code, c.message, &window, 7, 9};
        EXPECT_EQ(TKeyCueFix::hookProcedure(call), 1000 + c.code);
        EXPECT_EQ(platform.invalidated.size(), c.repaint ? 1u : 0u);
        if (c.repaint) {
            EXPECT_EQ(platform.invalidated.front(), &window);
        }
    }
    EXPECT_EQ(platform.passed.size(), 4u);
}

#ifdef _WIN32
// This desktop's own hook, with visual styles taken as active whatever the
// desktop says, so that it is installed.
class ThemedDesktop : public KeyCuePlatform {
public:
    bool majorVersion(int& major) override { return real_.majorVersion(major); }
    bool visualStylesActive() override { return true; }
    void* installHook() override { return real_.installHook(); }
    void removeHook(void* hook) override { real_.removeHook(hook); }
    void invalidate(void* window) override { real_.invalidate(window); }
    std::intptr_t callNextHook(void* hook, const HookCall& call) override {
        return real_.callNextHook(hook, call);
    }

private:
    KeyCuePlatform& real_ = nativeKeyCuePlatform();
};

// A window whose own procedure ignores the cue notice: only the hook can
// mark it for repainting.
LRESULT CALLBACK cueDeafProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return message == kUpdateUiState ? 0 : DefWindowProcW(window, message, wParam, lParam);
}

TEST(KeyCueFix, WindowsHookRepaintsOnTheCueNoticeWhileAnInstanceLives) {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = cueDeafProcedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = L"LumidorCueProbe";
    RegisterClassW(&windowClass);
    HWND window = CreateWindowExW(0, L"LumidorCueProbe", L"", WS_POPUP | WS_VISIBLE, 0, 0, 40, 40,
                                  nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(window, nullptr);
    const auto repaintAfterNotice = [window] {
        ValidateRect(window, nullptr);
        SendMessageW(window, kUpdateUiState, MAKEWPARAM(UIS_CLEAR, UISF_HIDEACCEL), 0);
        RECT dirty{};
        return GetUpdateRect(window, &dirty, FALSE) != FALSE;
    };

    ThemedDesktop desktop;
    {
        const TKeyCueFix first(desktop);
        ASSERT_TRUE(first.counted());
        {
            const TKeyCueFix second(desktop);
            EXPECT_EQ(TKeyCueFix::instanceCount(), 2);
        }
        EXPECT_TRUE(TKeyCueFix::hookInstalled());
        EXPECT_TRUE(repaintAfterNotice());
    }
    EXPECT_EQ(TKeyCueFix::instanceCount(), 0);
    EXPECT_FALSE(TKeyCueFix::hookInstalled());
    EXPECT_FALSE(repaintAfterNotice());
    DestroyWindow(window);
}
#endif

}  // namespace
}  // namespace lumidor
