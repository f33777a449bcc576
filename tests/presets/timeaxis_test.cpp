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

}  // namespace
}  // namespace lumidor
