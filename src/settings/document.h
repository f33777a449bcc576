#pragma once

#include "presets/presetgrid.h"
#include "settings/configvalues.h"

namespace lumidor {

// What the user edits and may lose: the pattern with its options, and the
// switch's configuration. The window holds it; the group boxes are given the
// part they show and report the user's edits; previewing, writing to the
// switch, the settings file, preset files and undo read and write this value,
// never the widgets.
struct Document {
    Presets presets;
    ConfigValues config;

    friend bool operator==(const Document&, const Document&) = default;
};

}  // namespace lumidor
