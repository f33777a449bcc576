#pragma once

#include <QString>
#include <QStringList>
#include <optional>

#include "common/bilingual.h"
#include "settings/configvalues.h"

namespace lumidor {

// The items of a list in one language, in index order.
QStringList configListItems(ConfigList list, Lang lang);

// ---- Fixed texts of the panel ----------------------------------------------

inline constexpr Bi kConfigPanelCaption{"Konfigurace RC Lumidoru: ", "RC Lumidor configuration: "};
inline constexpr Bi kSaveConfigCaption{"Zapsat konfiguraci", "Save configuration"};
inline constexpr Bi kSaveConfigHint{"Odeslání konfigurace do RC Lumidoru.",
                                    "Save configuration to the RC Lumidor."};
inline constexpr Bi kInput1Caption{"Vstup1 --->", " Input1 --->"};
inline constexpr Bi kInput2Caption{"Vstup2 --->", " Input2 --->"};
inline constexpr Bi kVoltageHint{
    "Pokud bude naměřené napětí nižší než tato hodnota, rozblikají se všechny výstupy v "
    "pravidelném intervalu.",
    "If the voltage is lower than this value, will flash all outputs at regular intervals."};

// ---- Voltage threshold -----------------------------------------------------

// "Flash alarm pod 4.5 V" for 45: the threshold always has two digits, the
// point goes after the first.
QString voltageText(int tenths, Lang lang);

// ---- Stick limits ----------------------------------------------------------

// A bar's position put back within what the switch accepts, narrower than
// the bars' own ranges (kConfigNumbers).
int keepLeftLimit(int position);
int keepRightLimit(int position);

// The configuration as the panel shows it and the document holds it: a list
// index outside its list becomes no selection, every number is pulled into
// its control's range and then within the limits the panel keeps.
ConfigValues withinLimits(ConfigValues values);

// Hint (status bar and tool tip) of a stick-limit bar at this position.
QString stickLimitHint(int position, Lang lang);

// ---- Neutral band ----------------------------------------------------------

inline constexpr int kNeutralBarMin = 1440;
inline constexpr int kNeutralBarMax = 1568;

struct NeutralBand {
    int start;
    int end;
    friend bool operator==(const NeutralBand&, const NeutralBand&) = default;
};
// The band shown for an index of cbNeutral; none for no selection, which
// leaves the display as it was.
std::optional<NeutralBand> neutralBand(int index);

// ---- Enabling rules --------------------------------------------------------

// Which of the rule-driven controls are enabled. Everything else on the panel
// is always enabled, the neutral displays always disabled.
struct ConfigEnabling {
    bool voltageGuard;   // cbVoltageGuard
    bool voltage;        // eVoltage and UpDown1
    bool carLights;      // the four car-light lists of program 1
    bool soundBase;      // cbSoundSpeed, cbEngineType
    bool engineDetails;  // cbCylinder, cbTimeOff, cbEngineShutDown, cbControl
    bool stickLimits;    // the four limit bars and the six scale labels

    friend bool operator==(const ConfigEnabling&, const ConfigEnabling&) = default;
};

// program, engine, calibration, guard: the indexes of cbProg, cbEngineType,
// cbCalKnipl and cbVoltageGuard, each -1 when the list has no selection.
ConfigEnabling configEnabling(int program, int engine, int calibration, int guard);
ConfigEnabling configEnabling(const ConfigValues& values);

}  // namespace lumidor
