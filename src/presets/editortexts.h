#pragma once

#include <array>

#include "common/bilingual.h"

namespace lumidor {

// Fixed texts of the preset editor and the live preview. Item lists keep the
// order of the list indexes that the settings file and the frames carry.

inline constexpr std::array<Bi, 6> kTimeAxisItems{{
    {"Časová osa - 25 ms / sloupec", "Timing axis - 25 ms / column"},
    {"Časová osa - 50 ms / sloupec", "Timing axis - 50 ms / column"},
    {"Časová osa - 75 ms / sloupec", "Timing axis - 75 ms / column"},
    {"Časová osa - 100 ms / sloupec", "Timing axis - 100 ms / column"},
    {"Časová osa - 150 ms / sloupec", "Timing axis - 150 ms / column"},
    {"Časová osa - 250 ms / sloupec", "Timing axis - 250 ms / column"},
}};

inline constexpr std::array<Bi, 10> kOnOffItems{{
    {"Spustit program po zapnutí napájení", "Start the program after power"},
    {"Aktivovat jen v krajní poloze kniplu", "Activate only in extreme position stick"},
    {"Pohybem kniplu -> Zap / Vyp", "Moving the stick -> On / Off"},
    {"2 polohový spínač -> Zap / Vyp", "2 pole switch -> On / Off"},
    {"3 polohový spínač -> OFF, S1, S2", "3 pole switch -> OFF, S1, S2"},
    {"Sekce ovládány nezávisle", "Control section independently"},
    {"Sekce nezávisle -> Zap / Vyp", "Section independently -> On / Off"},
    {"Postupně sepni -> [1..8]", "Gradually switch -> [1..8]"},
    {"Kódově sepni -> [1..8]", "Coding switch -> [1..8]"},
    {"Sepni krátce / dlouze", "Switch on short / long"},
}};

inline constexpr std::array<Bi, 6> kPwmItems{{
    {"Neregulovat jas výstupu č.1 a č.2", "Can`t regulate the brightness output No.1 and No.2"},
    {"Pulzační regulace jasu výstupu č.1 a č.2",
     "Pulsation control the brightness output No.1 and No.2"},
    {"Souběžná regulace jasu výstupu č.1 a č.2",
     "Simultan. control the bright. of outputs No.1 and No.2"},
    {"Souběžně reg. jas výst. č.1 a č.2 vysílačem",
     "Simultan. control the bright. of outputs No.1 and No.2 by RC transmitter"},
    {"Protiběžně regulovat jas výst. vysílačem",
     "Reversing control the brightness of output by RC transmitter"},
    {"Obousměrně reg. jas výst. č.1 a č.2 vysílačem",
     "Bidirect. control the bright. of outputs No.1 and No.2 by RC transmitter"},
}};

inline constexpr Bi kPlaceholderItem{"Předvolené efekty ...", "Preset effect ..."};

// Captions.
inline constexpr Bi kEditorCaption{
    "Předvolby jednotlivých výstupů RC Lumidoru pro program č.0:",
    "Preferences individual outputs RC Lumidors to program number 0:"};
inline constexpr Bi kOutputLabel{"Výstup %1", "Output %1"};
inline constexpr Bi kSection1{"Sekce 1", "Section 1"};
inline constexpr Bi kSection2{"Sekce 2", "Section 2"};
inline constexpr Bi kWriteButton{"Zapsat předvolby", "Save presets"};
inline constexpr Bi kPreviewCaption{"Reakce RC Lumidoru na aktuálně nastavené předvolby:",
                                    "Reaction RC Lumidors to the currently defined preferences: "};
inline constexpr Bi kModelButton{"Spustit ukázku simulace na modelu >>>",
                                 "Show the simulation on model >>>"};
inline constexpr const char* kArrow = "--->";

// Hints.
inline constexpr Bi kEditorHint{
    "Doba trvání každého sloupce je definována v rozbalovací nabídce. Časová osa se přizpůsobí "
    "automaticky. Zaškrtnuto = LED svítí / Nezaškrtnuto = LED nesvítí",
    "The duration of each column is defined in the pop-up menu. Timeline adapts automatically. "
    "Checked = LED on / Unchecked = LED off."};
// Deliberately the same Czech text in both languages.
inline constexpr const char* kTrackBarHint =
    "Časová základna RC Lumidoru v3.0. Periodicky se opakující smyčka 1000 ms.";
inline constexpr Bi kWriteButtonHint{"Odeslání přednastavených položek do RC Lumidoru.",
                                     "Save presets to the RC Lumidor."};
inline constexpr Bi kMinPwmHint{"Minimální hodnota PWM pro výstupy č.1 a č.2.",
                                "Minimal PWM value for the outputs No.1 and No.2"};
inline constexpr Bi kMaxPwmHint{"Maximální hodnota PWM pro výstupy č.1 a č.2.",
                                "Maximal PWM value for the outputs No.1 and No.2"};
inline constexpr Bi kEffectListHint{"Volba přednastaveného režimu.",
                                    "You can choose preset settings."};
inline constexpr Bi kTimeAxisHint{"Volba časové jednotky trvání jednoho sloupce pro předvolby.",
                                  "Selection of time units of one column for presets."};
inline constexpr Bi kOnOffHint{
    "V nabídce jsou přednastaveny volby, jak ma RC Lumidor reagovat na povely z kniplu vysílače "
    "pro program č.0.",
    "There are preset options how to Lumidor RC respond to commands from the RC transmitter stick "
    "to the program #0."};
inline constexpr Bi kPwmHint{"Způsob regulace jasu výstupů č.1 a č.2.",
                             "Control method brightness output No.1 and No.2"};
inline constexpr Bi kOpenFileHint{"Otevřít nastavení předvoleb ze souboru.",
                                  "Open settings presets from a file."};
inline constexpr Bi kSaveFileHint{"Uložit nastavení předvoleb do souboru.",
                                  "Save settings presets to a file."};
inline constexpr Bi kReverseSelectHint{"Zneguje všechny nadefinované předvolby.",
                                       "Negating all defined presets."};
inline constexpr Bi kUnselectAllHint{"Odebere všechny nadefinované předvolby.",
                                     "Removes all undefined presets."};
inline constexpr Bi kSelectAllHint{"Navolí všechny dostupné předvolby. ",
                                   "Selects all the available presets."};
inline constexpr Bi kSimHint{
    "Simulátor kniplu vysílače pro regulaci jasu výstupů č.1 a č.2.",
    "Simulator stick of RC transmitter for controlling the brightness of output No.1 and No.2"};
inline constexpr Bi kModelButtonHint{
    "Otevře okno s náhledem na aktuálně nastavenou simulaci LED v modelu.",
    "Preview on the current setting of LED at model."};

}  // namespace lumidor
