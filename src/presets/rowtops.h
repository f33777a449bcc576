#pragma once

#include <array>

#include "presets/presetgrid.h"

namespace lumidor {

// The top of each output's row in the preset editor. The live preview's LEDs
// beside the editor sit at the same heights, each level with its row.
inline constexpr std::array<int, kOutputs> kRowTops{69, 93, 117, 140, 166, 190, 214, 237};

}  // namespace lumidor
