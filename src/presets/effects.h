#pragma once

#include <QString>
#include <array>
#include <optional>
#include <random>
#include <span>

#include "common/bilingual.h"
#include "presets/presetgrid.h"

namespace lumidor {

// The effect list in item order; an effect's number is its position here.
// The list's items carry their numbers, so a placeholder item ahead of them
// shifts none.
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

// What the effect list shows as chosen; the list displays this value.
class EffectChoice {
public:
    // The effect shown as chosen, the separator included (the keyboard can
    // rest on it); none while the placeholder, or nothing, is shown.
    std::optional<int> effect() const { return effect_; }
    bool placeholderShown() const { return placeholder_; }

    // The list now shows `effect` (none: its placeholder). True when that is
    // an effect to apply: neither the placeholder nor the separator.
    bool choose(std::optional<int> effect);
    // What a selection button or a preset file does; nothing is applied.
    void showPlaceholder();
    // The list opens: the placeholder leaves it, so only effects are offered.
    void open();
    // The list closes. True when the placeholder comes back: nothing or the
    // separator was chosen.
    bool close();
    // An undo step shows what the list showed then; none is the placeholder.
    void restore(std::optional<int> effect);

private:
    std::optional<int> effect_;
    bool placeholder_ = false;
};

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
