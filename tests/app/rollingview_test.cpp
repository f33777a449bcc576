#include <gtest/gtest.h>

#include <vector>

#include "app/rollingview.h"

using namespace lumidor;

namespace {

constexpr RollingLayout kFolded{9, 9, 188, 269, 422, false};

struct Animation {
    std::vector<RollingTick> ticks;  // the last one finished
    RollingLayout end;
};

Animation runToEnd(RollingLayout from, int program, int limit = 100) {
    Animation run;
    for (int i = 0; i < limit; ++i) {
        const RollingTick tick = rollingTick(from, program);
        run.ticks.push_back(tick);
        from = tick.layout;
        if (tick.finished) {
            break;
        }
    }
    run.end = from;
    return run;
}

// The promise of a fold: 40 moves of 10 pixels and one final tick, the preset
// groups gone and the preview stopped from the first move on.
TEST(RollingView, FoldFromUnfoldedTakesFortyStepsToTheFoldedLayout) {
    const Animation run = runToEnd(kUnfoldedLayout, 1);
    ASSERT_EQ(run.ticks.size(), 41u);
    EXPECT_EQ(run.end, kFolded);
    for (std::size_t i = 0; i + 1 < run.ticks.size(); ++i) {
        const RollingTick& t = run.ticks[i];
        EXPECT_EQ(t.preview, PreviewTimer::Stop) << i;
        EXPECT_FALSE(t.layout.presetsVisible) << i;
        EXPECT_EQ(t.layout.panelTop, 409 - 10 * static_cast<int>(i + 1)) << i;
        EXPECT_EQ(t.layout.clientHeight, 820 - 10 * static_cast<int>(i + 1)) << i;
        EXPECT_EQ(t.layout.converterTop, t.layout.panelTop) << i;
    }
    // The last tick only corrects the height (420 after the moves).
    EXPECT_EQ(run.ticks[39].layout.clientHeight, 420);
    EXPECT_EQ(run.ticks.back().preview, PreviewTimer::Keep);
}

TEST(RollingView, UnfoldShowsThePresetsAndStartsThePreviewOnlyAtTheEnd) {
    const Animation run = runToEnd(kFolded, 0);
    ASSERT_EQ(run.ticks.size(), 41u);
    EXPECT_EQ(run.end, kUnfoldedLayout);
    for (std::size_t i = 0; i + 1 < run.ticks.size(); ++i) {
        EXPECT_EQ(run.ticks[i].preview, PreviewTimer::Keep) << i;
        EXPECT_FALSE(run.ticks[i].layout.presetsVisible) << i;
        EXPECT_EQ(run.ticks[i].layout.aboutTop, 269 + 10 * static_cast<int>(i + 1)) << i;
    }
    EXPECT_EQ(run.ticks.back().preview, PreviewTimer::Start);
    EXPECT_TRUE(run.ticks.back().layout.presetsVisible);
}

// A change of program halfway turns the animation round from where it stands.
TEST(RollingView, ReversalHalfwayUnfoldsFromTheCurrentPosition) {
    RollingLayout l = kUnfoldedLayout;
    for (int i = 0; i < 20; ++i) {
        l = rollingTick(l, 2).layout;
    }
    ASSERT_EQ(l.panelTop, 209);
    const Animation back = runToEnd(l, 0);
    ASSERT_EQ(back.ticks.size(), 21u);
    for (std::size_t i = 0; i + 1 < back.ticks.size(); ++i) {
        EXPECT_FALSE(back.ticks[i].layout.presetsVisible) << i;
    }
    EXPECT_EQ(back.end, kUnfoldedLayout);
}

// At an end position one tick re-applies that end state and stops: program 2
// or 3 (or no selection) while folded, program 0 at start-up.
TEST(RollingView, AtAnEndPositionOneTickReappliesTheEndState) {
    for (int program : {1, 2, 3, -1}) {
        const Animation run = runToEnd(kFolded, program);
        ASSERT_EQ(run.ticks.size(), 1u) << program;
        EXPECT_EQ(run.end, kFolded) << program;
        EXPECT_EQ(run.ticks[0].preview, PreviewTimer::Keep) << program;
    }
    const Animation start = runToEnd(kUnfoldedLayout, 0);
    ASSERT_EQ(start.ticks.size(), 1u);
    EXPECT_EQ(start.end, kUnfoldedLayout);
    EXPECT_EQ(start.ticks[0].preview, PreviewTimer::Start);
}

}  // namespace
