#pragma once

#include <QString>

#include "common/bilingual.h"

namespace lumidor {

// Keys that move the focus through the grid as it is drawn: rows are the
// outputs 1..8 top to bottom (section 2 right under section 1), columns
// 1..20 left to right.
enum class GridKey { Left, Right, Up, Down, Home, End };

// The cell the key moves to from `cell` (a cell number); the same cell at
// the grid's edge, 0 for a number that is no cell.
int gridKeyTarget(int cell, GridKey key);

// What a screen reader announces for a cell: "Output 3, column 7".
QString cellAccessibleName(Lang lang, int cell);

}  // namespace lumidor
