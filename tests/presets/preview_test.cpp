#include "presets/preview.h"

#include <gtest/gtest.h>

namespace lumidor {
namespace {

TEST(PreviewStep, LoopsOverTwentyColumns) {
    // The first tick after start shows column 2.
    int step = 0;
    for (int tick = 1; tick <= 41; ++tick) {
        step = nextPreviewStep(step);
        EXPECT_EQ(step, tick % kPreviewSteps);
    }
    EXPECT_EQ(nextPreviewStep(25), 0);  // a stray step restarts the loop
}

// Led1's shade per step in modes 1 and 2; Led2 equal in mode 2, 162 - x in mode 1.
TEST(PreviewShades, FollowTheLoopPerMode) {
    const int table[kPreviewSteps] = {162, 144, 126, 108, 90, 72, 54,  36,  18,  0,
                                      0,   18,  36,  54,  72, 90, 108, 126, 144, 162};
    for (int s = 0; s < kPreviewSteps; ++s) {
        SCOPED_TRACE(s);
        const int x = table[s];
        const LedColours pulse = stepColours(1, s);
        ASSERT_TRUE(pulse.led1 && pulse.led2);
        EXPECT_EQ(*pulse.led1, QColor(x, x, 255));
        EXPECT_EQ(*pulse.led2, QColor(162 - x, 162 - x, 255));
        const LedColours together = stepColours(2, s);
        ASSERT_TRUE(together.led1 && together.led2);
        EXPECT_EQ(*together.led1, QColor(x, x, 255));
        EXPECT_EQ(*together.led2, QColor(x, x, 255));
    }
    EXPECT_EQ(stepColours(2, 0).led1->rgb(), 0xFFA2A2FFu);
    EXPECT_EQ(stepColours(1, 9).led1->rgb(), 0xFF0000FFu);
}

TEST(PreviewShades, OtherModesLeaveColoursAlone) {
    for (int mode : {-1, 0, 3, 4, 5}) {
        const LedColours c = stepColours(mode, 4);
        EXPECT_FALSE(c.led1.has_value()) << mode;
        EXPECT_FALSE(c.led2.has_value()) << mode;
    }
}

// One step as the live preview and the model window draw it: each LED lit as
// its output's cell in the step's column, colours only from modes 1 and 2.
TEST(PreviewLeds, StatesAndColoursPerStep) {
    Presets presets;  // output o lit in column o, every output in column 20
    for (int o = 1; o <= kOutputs; ++o) {
        presets.grid.set(o, o, true);
        presets.grid.set(o, kColumns, true);
    }
    struct Case {
        int mode;
        int step;
        const char* lit;  // Led1..Led8
        int led1;         // x of the shade, -1: left alone
        int led2;
    };
    const Case cases[] = {
        {0, 0, "10000000", -1, -1},
        {0, 4, "00001000", -1, -1},
        {1, 9, "00000000", 0, 162},
        {2, 1, "01000000", 144, 144},
        {2, 19, "11111111", 162, 162},
        {3, 2, "00100000", -1, -1},
        {-1, 7, "00000001", -1, -1},
        // A stray step shows nothing lit and sets no colour.
        {1, 20, "00000000", -1, -1},
        {2, -1, "00000000", -1, -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.mode << "/" << c.step);
        presets.options.pwmMode = c.mode;
        const PreviewLeds leds = previewLeds(presets, c.step);
        for (size_t i = 0; i < leds.lit.size(); ++i) {
            EXPECT_EQ(leds.lit[i], c.lit[i] == '1') << "Led" << i + 1;
        }
        const auto shade = [](int x) {
            return x < 0 ? std::nullopt : std::optional(QColor(x, x, 255));
        };
        EXPECT_EQ(leds.colours.led1, shade(c.led1));
        EXPECT_EQ(leds.colours.led2, shade(c.led2));
    }
}

struct StickCase {
    int mode;
    int position;
    int led1;  // x of the shade, -1: left alone
    int led2;
};

class StickSimulator : public ::testing::TestWithParam<StickCase> {};

TEST_P(StickSimulator, ShadesPerModeAndPosition) {
    const StickCase c = GetParam();
    const LedColours colours = stickColours(c.mode, c.position);
    ASSERT_EQ(colours.led1.has_value(), c.led1 >= 0);
    ASSERT_EQ(colours.led2.has_value(), c.led2 >= 0);
    if (c.led1 >= 0) {
        EXPECT_EQ(*colours.led1, QColor(c.led1, c.led1, 255));
    }
    if (c.led2 >= 0) {
        EXPECT_EQ(*colours.led2, QColor(c.led2, c.led2, 255));
    }
}

INSTANTIATE_TEST_SUITE_P(Modes, StickSimulator,
                         ::testing::Values(
                             // Mode 3: both equal, palest at 0, full at 160.
                             StickCase{3, 0, 160, 160}, StickCase{3, 160, 0, 0},
                             StickCase{3, 50, 110, 110},
                             // Mode 4: one LED per half; the centre addresses both.
                             StickCase{4, 80, 0, 0}, StickCase{4, 0, 160, -1},
                             StickCase{4, 30, 100, -1}, StickCase{4, 160, -1, 160},
                             StickCase{4, 130, -1, 100},
                             // Mode 5: brightest at both ends, palest in the middle.
                             StickCase{5, 80, 160, 160}, StickCase{5, 0, 0, 0},
                             StickCase{5, 160, 0, 0}, StickCase{5, 100, 120, 120},
                             // No stick in the other modes.
                             StickCase{0, 80, -1, -1}, StickCase{1, 80, -1, -1},
                             StickCase{2, 80, -1, -1}, StickCase{-1, 80, -1, -1}));

TEST(BrightnessMode, PanelsStickAndLimitsPerMode) {
    struct ModeCase {
        int mode;
        QColor panel;
        bool stick;
        std::optional<int> reset;
    };
    const ModeCase cases[] = {
        {0, QColor(255, 255, 255), false, std::nullopt},
        {1, QColor(222, 222, 222), false, std::nullopt},
        {2, QColor(222, 222, 222), false, std::nullopt},
        {3, QColor(222, 222, 222), true, 0},
        {4, QColor(222, 222, 222), true, 80},
        {5, QColor(222, 222, 222), true, 80},
        // No selection: grey panels, nothing enabled or moved.
        {-1, QColor(222, 222, 222), false, std::nullopt},
    };
    for (const ModeCase& c : cases) {
        SCOPED_TRACE(c.mode);
        EXPECT_EQ(panelColour(c.mode), c.panel);
        EXPECT_EQ(stickEnabled(c.mode), c.stick);
        EXPECT_EQ(pwmLimitsEnabled(c.mode), c.stick);
        EXPECT_EQ(stickResetPosition(c.mode), c.reset);
    }
}

TEST(PwmLimits, TextsAndMutualBounds) {
    EXPECT_EQ(minPwmText(0), QStringLiteral("MIN PWM: 0%"));
    EXPECT_EQ(maxPwmText(100), QStringLiteral("MAX PWM: 100%"));
    EXPECT_EQ(lowestMaxPwm(0), 10);
    EXPECT_EQ(lowestMaxPwm(90), 100);
    EXPECT_EQ(highestMinPwm(10), 0);
    EXPECT_EQ(highestMinPwm(100), 90);
}

// Whatever the pair, the edits show MIN at least 10 below MAX, both in range;
// MAX is the one that gives way.
TEST(PwmLimits, PairKeepsMinTenBelowMax) {
    struct Case {
        int min, max;
        PwmPair shown;
    };
    const Case cases[] = {
        {0, 100, {0, 100}}, {30, 80, {30, 80}}, {0, 10, {0, 10}},    {90, 100, {90, 100}},
        {60, 20, {60, 70}}, {60, 60, {60, 70}}, {90, 50, {90, 100}}, {95, 140, {90, 100}},
        {-5, 5, {0, 10}},   {35, 40, {35, 45}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.min << "/" << c.max);
        const PwmPair pair = pwmPair(c.min, c.max);
        EXPECT_EQ(pair, c.shown);
        EXPECT_EQ(pair.minHighest(), pair.max - 10);
        EXPECT_EQ(pair.maxLowest(), pair.min + 10);
    }
}

}  // namespace
}  // namespace lumidor
