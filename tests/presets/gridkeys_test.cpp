#include "presets/gridkeys.h"

#include <gtest/gtest.h>

#include "presets/presetgrid.h"

namespace lumidor {
namespace {

// Moves by the grid's geometry, not by cell number: Down from output 4
// crosses into section 2 (cell numbers 101..), Up from output 5 back again.
TEST(GridKeys, MoveByGeometryAcrossSections) {
    const struct {
        int output, column;
        GridKey key;
        int toOutput, toColumn;
    } cases[] = {
        {1, 1, GridKey::Right, 1, 2},
        {3, 7, GridKey::Left, 3, 6},
        {4, 7, GridKey::Down, 5, 7},
        {5, 7, GridKey::Up, 4, 7},
        {2, 9, GridKey::Down, 3, 9},
        {8, 20, GridKey::Up, 7, 20},
        {6, 13, GridKey::Home, 6, 1},
        {6, 13, GridKey::End, 6, 20},
        // The edges hold.
        {1, 5, GridKey::Up, 1, 5},
        {8, 5, GridKey::Down, 8, 5},
        {2, 1, GridKey::Left, 2, 1},
        {7, 20, GridKey::Right, 7, 20},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.output << "/" << c.column);
        EXPECT_EQ(gridKeyTarget(cellNumber(c.output, c.column), c.key),
                  cellNumber(c.toOutput, c.toColumn));
    }
    EXPECT_EQ(gridKeyTarget(cellNumber(4, 7), GridKey::Down), 125);
    EXPECT_EQ(gridKeyTarget(90, GridKey::Down), 0);
}

TEST(GridKeys, AccessibleNamesInBothLanguages) {
    EXPECT_EQ(cellAccessibleName(Lang::English, cellNumber(3, 7)),
              QStringLiteral("Output 3, column 7"));
    EXPECT_EQ(cellAccessibleName(Lang::Czech, cellNumber(3, 7)),
              QStringLiteral("Výstup 3, sloupec 7"));
    EXPECT_EQ(cellAccessibleName(Lang::English, 180), QStringLiteral("Output 8, column 20"));
    EXPECT_TRUE(cellAccessibleName(Lang::Czech, 0).isEmpty());
}

}  // namespace
}  // namespace lumidor
