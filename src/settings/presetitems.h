#pragma once

#include <array>

#include "presets/editortexts.h"
#include "presets/presetgrid.h"
#include "presets/preview.h"
#include "presets/timeaxis.h"
#include "settings/configvalues.h"

namespace lumidor {

// A settings file without the OnOff key (or no file at all) selects item 2,
// "Moving the stick -> On / Off", while a new editor starts on item 0 (see
// PresetOptions). Both stay: the window shows item 0 only until the start-up
// load, and a file written before the key existed has always read as 2.
inline constexpr int kOnOffWhenKeyMissing = 2;

// One row per preset option, the counterpart of kConfigLists for the values
// stored and sent with the grid.
struct PresetOptionItem {
    const char* iniKey;  // key in the settings file's Presets section
    int PresetOptions::*value;
    // A list's indexes, where a stored index outside leaves the list without
    // selection; or an up-down's range, where a stored value is pulled to the
    // nearer end.
    bool isList;
    ValueRange range;
    int whenKeyMissing;
    int frameByte;  // offset in the preset payload, after the forty grid bytes
    int frameUnit;  // the payload carries value / frameUnit
};

constexpr ValueRange indexRange(size_t count) {
    return {0, static_cast<int>(count) - 1};
}

// In the file's key order.
inline constexpr std::array<PresetOptionItem, 5> kPresetOptionItems{{
    {"TimeAxe", &PresetOptions::timeAxis, true, indexRange(kTimeAxisItems.size()),
     PresetOptions{}.timeAxis, 40, 1},
    {"OnOff", &PresetOptions::onOff, true, indexRange(kOnOffItems.size()), kOnOffWhenKeyMissing, 41,
     1},
    {"PWM", &PresetOptions::pwmMode, true, indexRange(kPwmItems.size()), PresetOptions{}.pwmMode,
     42, 1},
    // The switch takes the limits in tens of percent.
    {"PWM_Min",
     &PresetOptions::pwmMin,
     false,
     {kPwmMinLow, kPwmMinHigh},
     PresetOptions{}.pwmMin,
     43,
     kPwmStep},
    {"PWM_Max",
     &PresetOptions::pwmMax,
     false,
     {kPwmMaxLow, kPwmMaxHigh},
     PresetOptions{}.pwmMax,
     44,
     kPwmStep},
}};

static_assert(kTimeAxisItems.size() == kTimeAxisCount && kOnOffItems.size() == kOnOffCount,
              "the editor's lists and the time axis count the same items");

}  // namespace lumidor
