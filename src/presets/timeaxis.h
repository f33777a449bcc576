#pragma once

#include <QStringList>
#include <array>
#include <optional>

#include "common/bilingual.h"
#include "presets/presetgrid.h"

namespace lumidor {

constexpr int kTimeAxisCount = 6;
constexpr int kOnOffCount = 10;

// One row of the time axis: how long a column lasts and what the four labels
// over the blocks of five columns read (the same in both languages).
struct TimeAxis {
    int msPerColumn;
    std::array<const char*, 4> labels;
};

// The row for a cbCasovaOsa index; nothing for "no selection" or a stray index.
std::optional<TimeAxis> timeAxis(int index);

QStringList timeAxisItems(Lang lang);
QStringList onOffItems(Lang lang);
QStringList pwmModeItems(Lang lang);

// The presets as the editor can show them, and so as they are kept, sent and
// stored: an index outside its list is no selection (-1), and the PWM limits
// are the pair pwmPair makes of them.
Presets shownPresets(const Presets& presets);

}  // namespace lumidor
