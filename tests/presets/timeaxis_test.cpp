#include "presets/timeaxis.h"

#include <gtest/gtest.h>

namespace lumidor {
namespace {

// The labels must read exactly as printed for the switch: dash counts differ
// with the width of the number.
struct AxisCase {
    int index;
    int ms;
    const char* labels[4];
};

class TimeAxisTable : public ::testing::TestWithParam<AxisCase> {};

TEST_P(TimeAxisTable, LabelsAndColumnDuration) {
    const AxisCase c = GetParam();
    const auto axis = timeAxis(c.index);
    ASSERT_TRUE(axis.has_value());
    EXPECT_EQ(axis->msPerColumn, c.ms);
    for (int i = 0; i < 4; ++i) {
        EXPECT_STREQ(axis->labels[static_cast<size_t>(i)], c.labels[i]) << "lbTime" << i + 1;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Rows, TimeAxisTable,
    ::testing::Values(
        AxisCase{0,
                 25,
                 {"[----------- 125 ms -----------,", ",----------- 250 ms -----------,",
                  ",----------- 375 ms -----------,", ",----------- 500 ms ----------]"}},
        AxisCase{1,
                 50,
                 {"[----------- 250 ms -----------,", ",----------- 500 ms -----------,",
                  ",----------- 750 ms -----------,", ",----------- 1000 ms --------]"}},
        AxisCase{2,
                 75,
                 {"[----------- 375 ms -----------,", ",----------- 750 ms -----------,",
                  ",----------- 1125 ms ---------,", ",----------- 1500 ms --------]"}},
        AxisCase{3,
                 100,
                 {"[----------- 500 ms -----------,", ",----------- 1000 ms ---------,",
                  ",----------- 1500 ms ---------,", ",----------- 2000 ms --------]"}},
        AxisCase{4,
                 150,
                 {"[----------- 750 ms -----------,", ",----------- 1500 ms ---------,",
                  ",----------- 2250 ms ---------,", ",----------- 3000 ms --------]"}},
        AxisCase{5,
                 250,
                 {"[----------- 1250 ms ---------,", ",----------- 2500 ms ---------,",
                  ",----------- 3750 ms ---------,", ",----------- 5000 ms --------]"}}));

TEST(TimeAxis, NoSelectionOrStrayIndexHasNoRow) {
    EXPECT_FALSE(timeAxis(-1).has_value());
    EXPECT_FALSE(timeAxis(6).has_value());
}

// Lists are rebuilt on a language switch keeping the index, so both languages
// must have the same items in the same order.
TEST(EditorLists, BothLanguagesMatchInCountAndPosition) {
    struct ListCase {
        QStringList cz, en;
        int count;
        int probe;
        const char* czText;
        const char* enText;
    };
    const ListCase cases[] = {
        {timeAxisItems(Lang::Czech), timeAxisItems(Lang::English), 6, 2,
         "Časová osa - 75 ms / sloupec", "Timing axis - 75 ms / column"},
        {onOffItems(Lang::Czech), onOffItems(Lang::English), 10, 8, "Kódově sepni -> [1..8]",
         "Coding switch -> [1..8]"},
        {pwmModeItems(Lang::Czech), pwmModeItems(Lang::English), 6, 0,
         "Neregulovat jas výstupu č.1 a č.2", "Can`t regulate the brightness output No.1 and No.2"},
    };
    for (const ListCase& c : cases) {
        EXPECT_EQ(c.cz.size(), c.count);
        EXPECT_EQ(c.en.size(), c.count);
        EXPECT_EQ(c.cz.at(c.probe), QString::fromUtf8(c.czText));
        EXPECT_EQ(c.en.at(c.probe), QString::fromUtf8(c.enText));
    }
}

// What is kept, sent and stored is what the editor can show: a stray list
// index is no selection, the PWM pair as the edits show it; the grid as given.
TEST(ShownPresets, StrayIndexesAndPwmPairs) {
    struct Case {
        PresetOptions given;
        PresetOptions shown;
    };
    const Case cases[] = {
        {{1, 0, 0, 0, 100}, {1, 0, 0, 0, 100}},
        {{5, 9, 5, 30, 70}, {5, 9, 5, 30, 70}},
        {{6, 10, 6, 95, 140}, {-1, -1, -1, 90, 100}},
        {{-3, -1, -7, 60, 20}, {-1, -1, -1, 60, 70}},
    };
    Presets p;
    p.grid.setCell(180, true);
    for (const Case& c : cases) {
        p.options = c.given;
        const Presets shown = shownPresets(p);
        EXPECT_EQ(shown.options, c.shown) << c.given.timeAxis;
        EXPECT_EQ(shown.grid, p.grid);
    }
}

// A preset file and an undo step carry the grid and the three lists; the PWM
// limits stay as they were.
TEST(ShownPresets, PatternReplacesGridAndListsOnly) {
    Presets before;
    before.options = {1, 2, 3, 40, 80};
    Presets file;
    file.grid.setCell(7, true);
    file.options = {5, 9, 0, 0, 100};
    const Presets after = withPattern(before, patternOf(file));
    EXPECT_EQ(after.grid, file.grid);
    EXPECT_EQ(after.options, (PresetOptions{5, 9, 0, 40, 80}));
}

}  // namespace
}  // namespace lumidor
