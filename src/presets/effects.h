#pragma once

#include <QString>
#include <QStringList>
#include <array>
#include <optional>
#include <random>
#include <span>

#include "common/bilingual.h"
#include "presets/presetgrid.h"

namespace lumidor {

// The effect list in item order; an effect's number is its position here (a
// placeholder item at the head of the list is not counted).
inline constexpr int kEffectCount = 13;
inline constexpr int kSeparatorEffect = 6;
inline constexpr int kRandomEffect = 12;

inline constexpr std::array<Bi, kEffectCount> kEffectItems{{
    {"Antikolizní - letadla, heli, apd.", "Anticolision - airplane, heli, etc."},
    {"Poziční - letadla, heli, apd.", "Position - airplane, heli, etc."},
    {"Heli", "Heli"},
    {"Maják", "Beacon"},
    {"Maják II", "Beacon II"},
    {"KnightRider", "KnightRider"},
    {"-", "-"},
    {"Sinusovka", "Sine wave"},
    {"Sinusovky křížem", "Cross sine wave"},
    {"Obdelník", "Rectangle"},
    {"Pila", "Saw-like"},
    {"Záblesky", "Flashes"},
    {"Náhodné generování", "Random generate"},
}};

QStringList effectItems(Lang lang);

// The effect list shows its placeholder item while no effect is shown as
// chosen. No effect name contains three full stops, so the text alone tells.
bool isPlaceholderText(const QString& shown);
// The separator only divides the list; it is never applied.
bool isSeparatorText(const QString& shown);

// The cells a stored effect lights, by cell number; empty for the separator,
// the random effect and any other number.
std::span<const int> effectCells(int effect);

// The generator behind the random effect; tests seed it.
using EffectRandom = std::mt19937;

// Each cell lit with probability one third, independently of the others.
PresetGrid randomGrid(EffectRandom& random);

struct EffectResult {
    PresetGrid grid;  // every cell outside the pattern is dark
    int timeAxis;     // cbCasovaOsa index
    int onOff;        // cbZapVyp index
};

// Nothing for the separator or a number outside the list.
std::optional<EffectResult> effectResult(int effect, EffectRandom& random);

}  // namespace lumidor
