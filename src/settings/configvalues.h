#pragma once

#include <algorithm>
#include <array>

#include "settings/configlists.h"

namespace lumidor {

enum class ConfigNumber;

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
    constexpr int& number(ConfigNumber n);
    constexpr int number(ConfigNumber n) const;

    friend bool operator==(const ConfigValues&, const ConfigValues&) = default;
};

// The configuration items that are numbers rather than list indexes.
enum class ConfigNumber { Voltage, StickLeft1, StickRight1, StickLeft2, StickRight2 };
inline constexpr int kConfigNumberCount = 5;

struct ValueRange {
    int low;
    int high;
    constexpr int pull(int v) const { return std::clamp(v, low, high); }
    constexpr bool holds(int v) const { return v >= low && v <= high; }
};

// How a number goes on the wire, and so which control shows it.
enum class NumberEncoding {
    // Tenths of a volt as two decimal digits in two bytes (45: 4, 5); an
    // up-down beside the edit that shows it.
    TwoDigits,
    // A stick limit in steps of 32 us: (1376 - left) / 32 or (right - 1632) / 32;
    // a track bar in its input's half of the stick area.
    LeftStick,
    RightStick,
};
constexpr int frameBytes(NumberEncoding e) {
    return e == NumberEncoding::TwoDigits ? 2 : 1;
}

// The stick bars reach past the limits the switch accepts so that the user
// can drag beyond one; the panel puts the thumb back within the kept range.
inline constexpr ValueRange kLeftStickBar{800, 1404};
inline constexpr ValueRange kLeftStickKept{896, 1376};
inline constexpr ValueRange kRightStickBar{1608, 2200};
inline constexpr ValueRange kRightStickKept{1632, 2112};
inline constexpr ValueRange kVoltageRange{30, 55};

struct ConfigNumberItem {
    const char* control;  // objectName of the up-down or track bar
    const char* iniKey;   // key in the settings file's Configuration section
    int ConfigValues::*value;
    // What the control can hold; a stored value outside is pulled to the
    // nearer end, and then within `kept`.
    ValueRange range;
    ValueRange kept;
    int defaultValue;  // of a new panel and of a key the file lacks alike
    // The file keeps the number right after this list's key.
    ConfigList follows;
    int frameByte;  // first offset in the configuration payload
    NumberEncoding encoding;
    int input;  // the receiver input a stick limit belongs to; 0 for none
};

// Input 2's bars are tbLeft0 and tbRight0, like its reverse list cbReverse0,
// while the file and the core number it 2.
inline constexpr std::array<ConfigNumberItem, kConfigNumberCount> kConfigNumbers{{
    {"UpDown1", "Voltage", &ConfigValues::voltage, kVoltageRange, kVoltageRange, 45,
     ConfigList::VoltageGuard, 7, NumberEncoding::TwoDigits, 0},
    {"tbLeft1", "StickLeft1", &ConfigValues::stickLeft1, kLeftStickBar, kLeftStickKept, 1136,
     ConfigList::Neutral, 27, NumberEncoding::LeftStick, 1},
    {"tbRight1", "StickRight1", &ConfigValues::stickRight1, kRightStickBar, kRightStickKept, 1872,
     ConfigList::Neutral, 28, NumberEncoding::RightStick, 1},
    {"tbLeft0", "StickLeft2", &ConfigValues::stickLeft2, kLeftStickBar, kLeftStickKept, 1136,
     ConfigList::Neutral, 25, NumberEncoding::LeftStick, 2},
    {"tbRight0", "StickRight2", &ConfigValues::stickRight2, kRightStickBar, kRightStickKept, 1872,
     ConfigList::Neutral, 26, NumberEncoding::RightStick, 2},
}};

constexpr const ConfigNumberItem& configItem(ConfigNumber number) {
    return kConfigNumbers[static_cast<size_t>(number)];
}

// Every number, in the order of ConfigNumber.
inline constexpr auto kAllConfigNumbers = [] {
    std::array<ConfigNumber, kConfigNumberCount> all{};
    for (size_t i = 0; i < all.size(); ++i) {
        all[i] = static_cast<ConfigNumber>(i);
    }
    return all;
}();

constexpr int& ConfigValues::number(ConfigNumber n) {
    return this->*configItem(n).value;
}
constexpr int ConfigValues::number(ConfigNumber n) const {
    return this->*configItem(n).value;
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
static_assert(std::ranges::all_of(kConfigNumbers,
                                  [](const ConfigNumberItem& n) {
                                      return n.range.holds(n.kept.low) &&
                                             n.range.holds(n.kept.high) &&
                                             n.kept.holds(n.defaultValue);
                                  }),
              "every default is kept, every kept range lies within its control's");

}  // namespace lumidor
