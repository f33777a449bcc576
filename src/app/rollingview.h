#pragma once

#include "app/groupplaces.h"

namespace lumidor {

// Where the groups that slide stand, in client coordinates of the main
// window. The converter group follows the configuration panel. A new value is
// the unfolded layout.
struct RollingLayout {
    int panelTop = groupplaces::kConfigPanel.top();    // GroupBox4
    int converterTop = groupplaces::kInterface.top();  // GroupBox1
    int languageTop = groupplaces::kLanguage.top();    // GroupBox5
    int aboutTop = groupplaces::kAbout.top();          // GroupBox6
    int clientHeight = groupplaces::kClientSize.height();
    bool presetsVisible = true;  // GroupBox2 and GroupBox3

    friend bool operator==(const RollingLayout&, const RollingLayout&) = default;
};

inline constexpr RollingLayout kUnfoldedLayout{};
inline constexpr int kFoldedPanelTop = 9;
inline constexpr int kRollingStep = 10;
inline constexpr int kRollingIntervalMs = 20;

namespace rolling {

// The end heights keep the client area the window had with its original
// frame: 852 and 454 outer pixels with 32 of them title bar and border.
constexpr int kFrameHeight = 32;
constexpr int kUnfoldedClientHeight =
    groupplaces::kPresetEditor.height() + groupplaces::kConfigPanel.height() + 77 - kFrameHeight;
constexpr int kFoldedClientHeight = groupplaces::kConfigPanel.height() + 72 - kFrameHeight;
static_assert(kUnfoldedClientHeight == kUnfoldedLayout.clientHeight);
static_assert(groupplaces::kInterface.top() == groupplaces::kConfigPanel.top(),
              "the converter group follows the panel");

constexpr RollingLayout moved(RollingLayout l, int by) {
    l.clientHeight += by;
    l.aboutTop += by;
    l.languageTop += by;
    l.panelTop += by;
    l.converterTop += by;
    return l;
}

}  // namespace rolling

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
constexpr RollingTick rollingTick(const RollingLayout& now, int program) {
    RollingTick tick{now};
    if (program == 0) {
        if (now.panelTop >= kUnfoldedLayout.panelTop) {
            tick.finished = true;
            tick.layout.panelTop = kUnfoldedLayout.panelTop;
            tick.layout.converterTop = kUnfoldedLayout.panelTop;
            tick.layout.presetsVisible = true;
            tick.layout.clientHeight = rolling::kUnfoldedClientHeight;
            tick.preview = PreviewTimer::Start;
        } else {
            tick.layout = rolling::moved(now, kRollingStep);
        }
        return tick;
    }
    if (now.panelTop <= kFoldedPanelTop) {
        tick.layout.clientHeight = rolling::kFoldedClientHeight;
        tick.finished = true;
        tick.layout.panelTop = kFoldedPanelTop;
        tick.layout.converterTop = kFoldedPanelTop;
    } else {
        tick.preview = PreviewTimer::Stop;
        tick.layout = rolling::moved(now, -kRollingStep);
        tick.layout.presetsVisible = false;
    }
    return tick;
}

}  // namespace lumidor
