#pragma once

#include <algorithm>
#include <array>

#include "settings/configlists.h"

namespace lumidor {

// Everything the configuration frame carries and the settings file keeps.
// A list value is the selected index, -1 for no selection. A new value holds
// every item's default.
struct ConfigValues {
    constexpr ConfigValues();

    std::array<int, kConfigListCount> lists{};
    int voltage = 0;  // tenths of a volt
    // Stick limits in microseconds, of input 1 and input 2.
    int stickLeft1 = 0;
    int stickRight1 = 0;
    int stickLeft2 = 0;
    int stickRight2 = 0;

    constexpr int& list(ConfigList l) { return lists[static_cast<size_t>(l)]; }
    constexpr int list(ConfigList l) const { return lists[static_cast<size_t>(l)]; }

    friend bool operator==(const ConfigValues&, const ConfigValues&) = default;
};

// The configuration items that are numbers rather than list indexes.
enum class ConfigNumber { Voltage, StickLeft1, StickRight1, StickLeft2, StickRight2 };

struct ValueRange {
    int low;
    int high;
    constexpr int pull(int v) const { return std::clamp(v, low, high); }
    constexpr bool holds(int v) const { return v >= low && v <= high; }
};

struct ConfigNumberItem {
    const char* control;  // objectName of the up-down or track bar
    const char* iniKey;   // key in the settings file's Configuration section
    int ConfigValues::*value;
    // What the control can hold; a stored value outside is pulled to the
    // nearer end. The stick bars reach past the limits the switch accepts so
    // that the user can drag beyond one; the panel puts the thumb back.
    ValueRange range;
    int defaultValue;  // of a new panel and of a key the file lacks alike
    // The file keeps the number right after this list's key.
    ConfigList follows;
    int frameByte;  // first offset in the configuration payload
};

// Input 2's bars are tbLeft0 and tbRight0, like its reverse list, while the
// file numbers its keys by input; files in use hold StickLeft2 and StickRight2.
inline constexpr std::array<ConfigNumberItem, 5> kConfigNumbers{{
    {"UpDown1", "Voltage", &ConfigValues::voltage, {30, 55}, 45, ConfigList::VoltageGuard, 7},
    {"tbLeft1",
     "StickLeft1",
     &ConfigValues::stickLeft1,
     {800, 1404},
     1136,
     ConfigList::Neutral,
     27},
    {"tbRight1",
     "StickRight1",
     &ConfigValues::stickRight1,
     {1608, 2200},
     1872,
     ConfigList::Neutral,
     28},
    {"tbLeft0",
     "StickLeft2",
     &ConfigValues::stickLeft2,
     {800, 1404},
     1136,
     ConfigList::Neutral,
     25},
    {"tbRight0",
     "StickRight2",
     &ConfigValues::stickRight2,
     {1608, 2200},
     1872,
     ConfigList::Neutral,
     26},
}};

constexpr const ConfigNumberItem& configItem(ConfigNumber number) {
    return kConfigNumbers[static_cast<size_t>(number)];
}

constexpr ConfigValues::ConfigValues() {
    for (size_t i = 0; i < lists.size(); ++i) {
        lists[i] = kConfigLists[i].defaultIndex;
    }
    for (const ConfigNumberItem& n : kConfigNumbers) {
        this->*n.value = n.defaultValue;
    }
}

static_assert(kConfigNumbers.size() == static_cast<size_t>(ConfigNumber::StickRight2) + 1,
              "one row per number");

}  // namespace lumidor
