#pragma once

#include <QStringList>
#include <array>
#include <optional>

#include "common/bilingual.h"

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

}  // namespace lumidor
