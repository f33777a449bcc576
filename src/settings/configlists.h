#pragma once

#include <algorithm>
#include <array>
#include <span>

#include "common/bilingual.h"

namespace lumidor {

// The twenty-one configuration lists, in the order of the settings file's
// Configuration section. The names follow the controls (cb + name), except
// that the core numbers the receiver inputs as the user and the settings file
// do: input 2's controls end in 0 (cbReverse0, tbLeft0, tbRight0), its names
// here end in 2 (Reverse2, StickLeft2, StickRight2).
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
    Reverse1,
    Reverse2,
};
inline constexpr int kConfigListCount = 21;

// ---- Items of each list ------------------------------------------------------

// Same count and order in both languages, so that an index keeps its meaning
// across a language switch; the index is what the file stores and the frame
// carries. Each list's hint follows its items.

inline constexpr Bi kProgItems[] = {
    {"Prog. č.0 - PC", "Prog. #0 - PC"},
    {"Prog. č.1 - Auto světla", "Prog. #1 - Car lights"},
    {"Prog. č.2 - Zvuk", "Prog. #2 - Sound"},
    {"Prog. č.3 - Měření Ucc", "Prog. #3 - Measure Ucc"},
};
inline constexpr Bi kProgHint{"Výběr programu uloženého v RC Lumidoru.",
                              "Selecting a program stored in the RC Lumidor."};
inline constexpr Bi kInicializaceItems[] = {
    {"Čas inic. - 250 ms", "Init. time - 250 ms"},
    {"Čas inic. - 500 ms", "Init. time - 500 ms"},
    {"Čas inic. - 1000 ms", "Init. time - 1000 ms"},
    {"Čas inic. - 2000 ms", "Init. time - 2000 ms"},
    {"Čas inic. - zobr.akt.napětí", "Init. time - show act.voltage"},
};
inline constexpr Bi kInicializaceHint{
    "Čas inicializace RC Lumidoru po připojení napájení.",
    "Time of initialization RC Lumidor after the turn on of power supply."};
inline constexpr Bi kInicBlikItems[] = {
    {"Inic. dvoublik - vypnut", "Init. double flash - OFF"},
    {"Inic. dvoublik - zapnut", "Init. double flash - ON"},
};
inline constexpr Bi kInicBlikHint{
    "Výběr typu indikace po přivedení napájení do RC Lumidoru.",
    "Selecting the type of indication after the turn on of power supply to the RC "
    "Lumidore."};
inline constexpr Bi kFailSafeItems[] = {
    {"FailSafe - vypnut", "FailSafe - OFF"},
    {"FailSafe - zapnut", "FailSafe - ON"},
    {"FailSafe - HOLD", "FailSafe - HOLD"},
};
inline constexpr Bi kFailSafeHint{"Zvolení typu FailSafe.", "Selecting the type FailSafe."};
inline constexpr Bi kNastavVysilacemItems[] = {
    {"Konf.vysílačem - Vyp", "Config. by transm. - OFF"},
    {"Konf.vysílačem - Zap", "Config. by transm. - ON"},
};
inline constexpr Bi kNastavVysilacemHint{
    "Volba pro povolení nebo zakázání možnosti nastavení RC Lumidoru pomocí vysílače.",
    "Active or deactive selection for adjustable of RC Lumidor by RC transmitter."};
inline constexpr Bi kIndikacniLEDItems[] = {
    {"RX LED - vypnuta", "RX LED - OFF"},
    {"RX LED - zapnuta", "RX LED - ON"},
};
inline constexpr Bi kIndikacniLEDHint{"Aktivuje nebo deaktivuje RX LED na RC Lumidoru.",
                                      "Activate or deactivate RX LED in RC Lumidor."};
inline constexpr Bi kVoltageGuardItems[] = {
    {"Nehlídat palub.napětí", "Don`t protect on-board voltage"},
    {"Hlídat palub.napětí --->", "Protect on-board voltage --->"},
};
inline constexpr Bi kVoltageGuardHint{
    "Výběr položky, která určuje, zda bude RC Lumidor trvale sledovat napájení a v případě "
    "překročení nastavené meze toto alarmovat.",
    "Select an item that determines whether the RC Lumidor will continuously monitor the "
    "supply power and in case of exceeding the set limit, this will an alarm."};
inline constexpr Bi kSmerovkyOnOffItems[] = {
    {"\"Corner\" + směrovky", "\"Corner\" + winkers"},
    {"Pouze \"Corner\"", "\"Corner\" only"},
};
inline constexpr Bi kSmerovkyOnOffHint{"Výběr typu ovládaných světel.",
                                       "Selection the type of controlled lights."};
inline constexpr Bi kCornerSpeedItems[] = {
    {"\"Corner\" - pomalý", "\"Corner\" - slowly"},
    {"\"Corner\" - normal", "\"Corner\" - normal"},
    {"\"Corner\" - rychlý", "\"Corner\" - fast"},
};
inline constexpr Bi kCornerSpeedHint{
    "Volba rychlosti změny jasu pro stav zapnuto / vypnuto na výstupech č.1 a č.2.",
    "Selecting the rate of change of britness for state ON / state OFF on the output No.1 "
    "and No.2."};
inline constexpr Bi kProdlevaSmerovkyTimeItems[] = {
    {"Prodleva směrov. - Vyp.", "Delay winkers - OFF"},
    {"Prodleva směrov. - 2s", "Delay winkers - 2s"},
    {"Prodleva směrov. - 4s", "Delay winkers - 4s"},
    {"Prodleva směrov. - 6s", "Delay winkers - 6s"},
};
inline constexpr Bi kProdlevaSmerovkyTimeHint{
    "Výběr časové prodlevy pro zapnutí směrovek. Funkce podporována od verze firmware v1.6 "
    "a novější.",
    "Selecting the time of delay for switch on winkers. Feature is supported by the "
    "firmware version v1.6 and above."};
inline constexpr Bi kVarovneSmerovkyTimeItems[] = {
    {"Var.směrovky - Vyp.", "Warning winkers - OFF"},
    {"Var.směrovky - 10s", "Warning winkers - 10s"},
    {"Var.směrovky - 20s", "Warning winkers - 20s"},
    {"Var.směrovky - 30s", "Warning winkers - 30s"},
};
inline constexpr Bi kVarovneSmerovkyTimeHint{
    "Volba času pro zapnutí varovných směrovek u stojícího vozu.",
    "Selecting the time to turn on warning lights for a stationary vehicle."};
inline constexpr Bi kSoundSpeedItems[] = {
    {"Zvuk - zpomalit 4x", "Sound - slow down 4x"},
    {"Zvuk - zpomalit 2x", "Sound - slow down 2x"},
    {"Zvuk - normal", "Sound - normal"},
    {"Zvuk - zrychlit 2x", "Sound - speed up 2x"},
    {"Zvuk - zrychlit 4x", "Sound - speed up 4x"},
};
inline constexpr Bi kSoundSpeedHint{
    "Mění rychlost zvukových efektů generovaných RC Lumidorem.",
    "Changing the speed of sound effects generated by the RC Lumidor."};
inline constexpr Bi kEngineTypeItems[] = {
    {"Benzín", "Petrol"},
    {"Diesel", "Diesel"},
    {"Parní", "Steam"},
    {"Siréna", "Siren"},
};
inline constexpr Bi kEngineTypeHint{
    "Výběr imitování zvukového projevu. Siréna podporována od verze firmware v1.5 a "
    "novější.",
    "Selecting imitating the sound. Siren is supported by the firmware version v1.5 and "
    "above."};
inline constexpr Bi kCylinderItems[] = {
    {"Počet válců - 2", "Number of cylinders - 2"},
    {"Počet válců - 4", "Number of cylinders - 4"},
    {"Počet válců - 6", "Number of cylinders - 6"},
};
inline constexpr Bi kCylinderHint{"Počet válců, které bude Lumidor imitovat.",
                                  "The number of cylinders that will RC Lumidor imitated."};
inline constexpr Bi kTimeOffItems[] = {
    {"Čas zhasnutí po - 10s", "Time after stalling - 10s"},
    {"Čas zhasnutí po - 30s", "Time after stalling - 30s"},
    {"Čas zhasnutí po - 1min", "Time after stalling - 1min"},
};
inline constexpr Bi kTimeOffHint{
    "Čas, který musí uplynout v neutrálu pro zhasnutí motoru.",
    "Time that have to elapse in neutral position for stalling engine."};
inline constexpr Bi kEngineShutDownItems[] = {
    {"Rychl. zhasnutí - pomalá", "Stalling speed - slow"},
    {"Rychl. zhasnutí - střední", "Stalling speed - middle"},
    {"Rychl. zhasnutí - rychlá", "Stalling speed - quick"},
};
inline constexpr Bi kEngineShutDownHint{"Volba rychlosti zhasnutí motoru.",
                                        "Selection of speed of stalling engine."};
inline constexpr Bi kControlItems[] = {
    {"Pozice neutrálu - střed", "Neutral pos. - middle of stick"},
    {"Pozice neutrálu - kraj", "Neutral pos. - extreme position"},
};
inline constexpr Bi kControlHint{
    "Udává polohu kniplu vysílače, kde je neutrál plynu.",
    "Indicates the stick position of the RC transmitter where is neutral position."};
inline constexpr Bi kCalKniplItems[] = {
    {"Knipl - výchozí", "Stick - default"},
    {"Knipl - kalibrovaný", "Stick - calibrated"},
};
inline constexpr Bi kCalKniplHint{
    "Výběr rozpětí vstupních impulsů, které budou brány za výchozí hodnoty pro stavy ON - "
    "OFF.",
    "Selecting range of input pulses which will be taken as default values for the states "
    "ON - OFF."};
inline constexpr Bi kNeutralItems[] = {
    {"Neutrál - malý", "Neutral - small"},
    {"Neutrál - střední", "Neutral - middle"},
    {"Neutrál - velký", "Neutral - big"},
};
inline constexpr Bi kNeutralHint{
    "Výběr rozpětí vstupních impulsů, které budou brány za polohu kniplu ve středové "
    "poloze.",
    "Selecting range of input pulses which will be taken as default values for the central "
    "position."};
inline constexpr Bi kReverseItems[] = {
    {"Reverz - vypnut", "Reverse - OFF"},
    {"Reverz - zapnut", "Reverse - ON"},
};
inline constexpr Bi kReverseHint{"Aktivace nebo deaktivace reverzní funkce RC Lumidoru.",
                                 "Activate or deactivate reverse function of RC Lumidors."};

// ---- One row per list ----------------------------------------------------------

// Where a list stands in the configuration panel: a row of the panel's layout,
// top to bottom 1 to 10 (rows 6 and 8 hold the inputs' captions and bars), and
// one of its four columns or the centre. `shift` and `widen` are the pixels a
// list with long items borrows from a neighbour with short ones.
enum class PanelColumn { First, Second, Third, Fourth, Centre };
struct PanelPlace {
    int row;
    PanelColumn column;
    int shift = 0;
    int widen = 0;
};

// Everything the program knows about one list: the panel builds the control
// from it, the settings file reads and writes its key, the frame puts its
// index in place. Adding an item to a list is one more text above; adding a
// list is one more row below (and its items).
struct ConfigListItem {
    const char* control;  // objectName of the combo box
    const char* iniKey;   // key in the settings file's Configuration section
    std::span<const Bi> items;
    Bi hint;
    // Selected in a new panel and read for a key the file lacks; the two
    // never differ for these lists.
    int defaultIndex;
    // Offset in the configuration payload. The switch's order is not the
    // file's: warning winkers before the delay, the inputs' lists from the
    // reverses backwards, input 2 before input 1.
    int frameByte;
    PanelPlace place;
    // When a language switch rebuilds it, 0 first. The threshold's texts
    // follow the guard list, the inputs' captions the calibration list.
    int relabelRank;

    constexpr int count() const { return static_cast<int>(items.size()); }
    // A stored index outside the list leaves it without selection.
    constexpr bool holds(int index) const { return index >= 0 && index < count(); }
};

// Indexed by ConfigList: control, INI key, items, hint, default, frame byte;
// place in the panel (row, column, shift, widen), relabelling rank.
// clang-format off
inline constexpr std::array<ConfigListItem, kConfigListCount> kConfigLists{{
    {"cbProg", "Program", kProgItems, kProgHint, 0, 0,
     {1, PanelColumn::First}, 0},
    {"cbInicializace", "Initialization", kInicializaceItems, kInicializaceHint, 1, 1,
     {1, PanelColumn::Second}, 1},
    {"cbInicBlik", "InitFlash", kInicBlikItems, kInicBlikHint, 1, 2,
     {1, PanelColumn::Third}, 2},
    {"cbFailSafe", "FailSafe", kFailSafeItems, kFailSafeHint, 1, 3,
     {1, PanelColumn::Fourth}, 3},
    {"cbNastavVysilacem", "ConfTrans", kNastavVysilacemItems, kNastavVysilacemHint, 1, 4,
     {2, PanelColumn::First}, 4},
    // The guard's "Don`t protect on-board voltage" needs more than a column
    // even condensed; the indicator list beside it has only short items.
    {"cbIndikacniLED", "IndicationLED", kIndikacniLEDItems, kIndikacniLEDHint, 1, 5,
     {2, PanelColumn::Second, 0, -16}, 8},
    {"cbVoltageGuard", "VoltageGuard", kVoltageGuardItems, kVoltageGuardHint, 0, 6,
     {2, PanelColumn::Third, -16, 16}, 7},
    {"cbSmerovky_OnOff", "WinkersOnOff", kSmerovkyOnOffItems, kSmerovkyOnOffHint, 0, 9,
     {3, PanelColumn::First}, 9},
    {"cbCornerSpeed", "CornerSpeed", kCornerSpeedItems, kCornerSpeedHint, 1, 10,
     {3, PanelColumn::Second}, 10},
    {"cbProdlevaSmerovkyTime", "DelayWinkers", kProdlevaSmerovkyTimeItems,
     kProdlevaSmerovkyTimeHint, 0, 12,
     {3, PanelColumn::Third}, 11},
    {"cbVarovneSmerovkyTime", "WarningWinkers", kVarovneSmerovkyTimeItems,
     kVarovneSmerovkyTimeHint, 1, 11,
     {3, PanelColumn::Fourth}, 12},
    {"cbSoundSpeed", "SoundSpeed", kSoundSpeedItems, kSoundSpeedHint, 2, 13,
     {4, PanelColumn::First}, 15},
    {"cbEngineType", "EngineType", kEngineTypeItems, kEngineTypeHint, 0, 14,
     {4, PanelColumn::Second}, 16},
    {"cbCylinder", "NumCylinders", kCylinderItems, kCylinderHint, 2, 15,
     {4, PanelColumn::Third}, 17},
    {"cbTimeOff", "TimeEngineStall", kTimeOffItems, kTimeOffHint, 0, 16,
     {5, PanelColumn::First}, 18},
    {"cbEngineShutDown", "EngineShutDown", kEngineShutDownItems, kEngineShutDownHint, 1, 17,
     {5, PanelColumn::Second}, 19},
    // "Neutral pos. - extreme position" takes room from the empty fourth column.
    {"cbControl", "StopAccelerator", kControlItems, kControlHint, 0, 18,
     {5, PanelColumn::Third, 0, 22}, 20},
    {"cbCalKnipl", "CalStick", kCalKniplItems, kCalKniplHint, 0, 24,
     {7, PanelColumn::Centre}, 13},
    {"cbNeutral", "Neutral", kNeutralItems, kNeutralHint, 1, 23,
     {9, PanelColumn::Centre}, 14},
    {"cbReverse1", "Reverse1", kReverseItems, kReverseHint, 0, 22,
     {10, PanelColumn::First}, 5},
    {"cbReverse0", "Reverse2", kReverseItems, kReverseHint, 0, 21,
     {10, PanelColumn::Fourth}, 6},
}};
// clang-format on

constexpr const ConfigListItem& configItem(ConfigList list) {
    return kConfigLists[static_cast<size_t>(list)];
}

// Every list, in the order of ConfigList.
inline constexpr auto kAllConfigLists = [] {
    std::array<ConfigList, kConfigListCount> all{};
    for (size_t i = 0; i < all.size(); ++i) {
        all[i] = static_cast<ConfigList>(i);
    }
    return all;
}();
constexpr std::span<const ConfigList> allConfigLists() {
    return kAllConfigLists;
}

// Every list, in the order a language switch rebuilds them.
inline constexpr auto kConfigListsByRelabelRank = [] {
    std::array<ConfigList, kConfigListCount> order{};
    for (size_t i = 0; i < order.size(); ++i) {
        order[static_cast<size_t>(kConfigLists[i].relabelRank)] = static_cast<ConfigList>(i);
    }
    return order;
}();

static_assert(kConfigLists.size() == static_cast<size_t>(ConfigList::Reverse2) + 1,
              "one row per list");
static_assert(std::ranges::all_of(kConfigLists,
                                  [](const ConfigListItem& l) { return l.holds(l.defaultIndex); }),
              "every default is an item of its list");

constexpr bool eachRankOnce() {
    std::array<int, kConfigListCount> uses{};
    for (const ConfigListItem& l : kConfigLists) {
        if (l.relabelRank < 0 || l.relabelRank >= kConfigListCount) {
            return false;
        }
        ++uses[static_cast<size_t>(l.relabelRank)];
    }
    return std::ranges::all_of(uses, [](int n) { return n == 1; });
}
static_assert(eachRankOnce(), "every list is relabelled exactly once");

constexpr bool eachPlaceOnce() {
    for (size_t i = 0; i < kConfigLists.size(); ++i) {
        const PanelPlace& a = kConfigLists[i].place;
        if (a.row < 1 || a.row > 10) {
            return false;
        }
        for (size_t j = i + 1; j < kConfigLists.size(); ++j) {
            const PanelPlace& b = kConfigLists[j].place;
            if (a.row == b.row && a.column == b.column) {
                return false;
            }
        }
    }
    return true;
}
static_assert(eachPlaceOnce(), "every list has a place of its own in the panel");

}  // namespace lumidor
