#pragma once

namespace lumidor {

// Where the groups that slide stand, in client coordinates of the main
// window. The converter group follows the configuration panel.
struct RollingLayout {
    int panelTop = 409;          // GroupBox4
    int converterTop = 409;      // GroupBox1
    int languageTop = 588;       // GroupBox5
    int aboutTop = 669;          // GroupBox6
    int clientHeight = 820;      // status bar included
    bool presetsVisible = true;  // GroupBox2 and GroupBox3

    friend bool operator==(const RollingLayout&, const RollingLayout&) = default;
};

inline constexpr RollingLayout kUnfoldedLayout{};
inline constexpr int kFoldedPanelTop = 9;
inline constexpr int kRollingStep = 10;
inline constexpr int kRollingIntervalMs = 20;

// What the live-preview timer does on a tick.
enum class PreviewTimer { Keep, Stop, Start };

struct RollingTick {
    RollingLayout layout;
    PreviewTimer preview = PreviewTimer::Keep;
    // The end position is reached: the rolling timer stops.
    bool finished = false;
};

// One tick of the animation for the program now chosen (-1: none). The
// direction is decided anew each tick, so a change of program halfway simply
// turns it round from where it stands: program 0 unfolds, any other folds.
RollingTick rollingTick(const RollingLayout& now, int program);

}  // namespace lumidor
