#include "presets/presetgrid.h"

#include <gtest/gtest.h>

#include <set>

namespace lumidor {
namespace {

// The numbering is the key every file format and frame uses for a cell.
struct NumberCase {
    int output;
    int column;
    int number;
};

class CellNumbering : public ::testing::TestWithParam<NumberCase> {};

TEST_P(CellNumbering, MapsBothWays) {
    const NumberCase c = GetParam();
    EXPECT_EQ(cellNumber(c.output, c.column), c.number);
    const auto pos = cellPosition(c.number);
    ASSERT_TRUE(pos.has_value());
    EXPECT_EQ(pos->output, c.output);
    EXPECT_EQ(pos->column, c.column);
}

INSTANTIATE_TEST_SUITE_P(Table, CellNumbering,
                         ::testing::Values(NumberCase{1, 1, 1}, NumberCase{4, 1, 4},
                                           NumberCase{1, 2, 5}, NumberCase{2, 10, 38},
                                           NumberCase{3, 11, 43}, NumberCase{4, 20, 80},
                                           NumberCase{5, 1, 101}, NumberCase{8, 1, 104},
                                           NumberCase{5, 2, 105}, NumberCase{6, 10, 138},
                                           NumberCase{7, 11, 143}, NumberCase{8, 20, 180}));

TEST(CellNumbering, EveryCellRoundTripsAndNumbersAreUnique) {
    std::set<int> seen;
    for (int o = 1; o <= kOutputs; ++o) {
        for (int c = 1; c <= kColumns; ++c) {
            const int n = cellNumber(o, c);
            EXPECT_TRUE(seen.insert(n).second) << n;
            const auto pos = cellPosition(n);
            ASSERT_TRUE(pos);
            EXPECT_EQ(pos->output, o);
            EXPECT_EQ(pos->column, c);
        }
    }
    EXPECT_EQ(seen.size(), 160u);
}

TEST(CellNumbering, GapAndOutOfRangeAreNotCells) {
    for (int n : {0, 81, 90, 100, 181, -1}) {
        EXPECT_FALSE(isCellNumber(n)) << n;
        EXPECT_FALSE(cellPosition(n).has_value()) << n;
    }
    EXPECT_EQ(cellNumber(0, 1), 0);
    EXPECT_EQ(cellNumber(9, 1), 0);
    EXPECT_EQ(cellNumber(1, 21), 0);
}

TEST(CanonicalOrder, RunsSectionOneThenSectionTwo) {
    const auto& order = canonicalCellNumbers();
    EXPECT_EQ(order.front(), 1);
    EXPECT_EQ(order[79], 80);
    EXPECT_EQ(order[80], 101);
    EXPECT_EQ(order.back(), 180);
}

TEST(PresetGrid, InvertTwiceIsIdentityAndEmptyInvertsToFull) {
    PresetGrid g;
    g.setCell(1, true);
    g.setCell(143, true);
    const PresetGrid before = g;
    g.invert();
    EXPECT_EQ(g.litCount(), 158);
    g.invert();
    EXPECT_EQ(g, before);

    PresetGrid empty;
    empty.invert();
    EXPECT_EQ(empty.litCount(), 160);
}

TEST(CanonicalOrder, PositionIsTheIndexInTheOrder) {
    const auto& order = canonicalCellNumbers();
    for (size_t i = 0; i < order.size(); ++i) {
        EXPECT_EQ(canonicalPosition(order[i]), static_cast<int>(i));
    }
    for (int n : {0, 81, 100, 181}) {
        EXPECT_EQ(canonicalPosition(n), -1) << n;
    }
}

// What the selection buttons do.
TEST(PresetGrid, Selections) {
    PresetGrid start;
    start.setCell(1, true);
    start.setCell(180, true);
    const struct {
        Selection selection;
        int lit;
        bool cell1;
    } cases[] = {{Selection::Clear, 0, false},
                 {Selection::Fill, 160, true},
                 {Selection::Invert, 158, false}};
    for (const auto& c : cases) {
        PresetGrid g = start;
        g.apply(c.selection);
        EXPECT_EQ(g.litCount(), c.lit) << static_cast<int>(c.selection);
        EXPECT_EQ(g.cell(1), c.cell1) << static_cast<int>(c.selection);
    }
}

TEST(PresetGrid, WritesOutsideTheGridAreIgnored) {
    PresetGrid g;
    g.setCell(90, true);
    g.setCell(0, true);
    EXPECT_FALSE(g.anyLit());
    EXPECT_FALSE(g.cell(90));
}

}  // namespace
}  // namespace lumidor
