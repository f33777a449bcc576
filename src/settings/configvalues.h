#pragma once

#include <array>

namespace lumidor {

// The twenty-one configuration lists, in the order of the settings file's
// Configuration section. The names follow the controls (cb + name).
enum class ConfigList {
    Prog,
    Inicializace,
    InicBlik,
    FailSafe,
    NastavVysilacem,
    IndikacniLED,
    VoltageGuard,
    Smerovky_OnOff,
    CornerSpeed,
    ProdlevaSmerovkyTime,
    VarovneSmerovkyTime,
    SoundSpeed,
    EngineType,
    Cylinder,
    TimeOff,
    EngineShutDown,
    Control,
    CalKnipl,
    Neutral,
    Reverse1,  // input 1
    Reverse0,  // input 2
};
constexpr int kConfigListCount = 21;

// Everything the configuration frame carries and the settings file keeps.
// A list value is the selected index, -1 for no selection.
struct ConfigValues {
    std::array<int, kConfigListCount> lists{0, 1, 1, 1, 1, 1, 0, 0, 1, 0, 1,
                                            2, 0, 2, 0, 1, 0, 0, 1, 0, 0};
    int voltage = 45;  // UpDown1, tenths of a volt, 30..55
    // Stick limits in microseconds; the 1-suffixed bars belong to input 1,
    // the 0-suffixed ones to input 2.
    int stickLeft1 = 1136;
    int stickRight1 = 1872;
    int stickLeft0 = 1136;
    int stickRight0 = 1872;

    int& list(ConfigList l) { return lists[static_cast<size_t>(l)]; }
    int list(ConfigList l) const { return lists[static_cast<size_t>(l)]; }

    friend bool operator==(const ConfigValues&, const ConfigValues&) = default;
};

}  // namespace lumidor
