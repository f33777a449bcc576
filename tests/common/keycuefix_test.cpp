#include "common/keycuefix.h"

#include <gtest/gtest.h>

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

}  // namespace
}  // namespace lumidor
