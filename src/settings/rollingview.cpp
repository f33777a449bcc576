#include "settings/rollingview.h"

namespace lumidor {
namespace {

constexpr int kPresetGroupsHeight = 393;  // GroupBox3
constexpr int kPanelHeight = 382;         // GroupBox4
// The end heights keep the client area the window had with its original
// frame: 852 and 454 outer pixels with 32 of them title bar and border.
constexpr int kFrameHeight = 32;
constexpr int kUnfoldedClientHeight = kPresetGroupsHeight + kPanelHeight + 77 - kFrameHeight;
constexpr int kFoldedClientHeight = kPanelHeight + 72 - kFrameHeight;

static_assert(kUnfoldedClientHeight == kUnfoldedLayout.clientHeight);
static_assert(kFoldedClientHeight == 422);

RollingLayout moved(RollingLayout l, int by) {
    l.clientHeight += by;
    l.aboutTop += by;
    l.languageTop += by;
    l.panelTop += by;
    l.converterTop += by;
    return l;
}

}  // namespace

RollingTick rollingTick(const RollingLayout& now, int program) {
    RollingTick tick{now};
    if (program == 0) {
        if (now.panelTop >= kUnfoldedLayout.panelTop) {
            tick.finished = true;
            tick.layout.panelTop = kUnfoldedLayout.panelTop;
            tick.layout.converterTop = kUnfoldedLayout.panelTop;
            tick.layout.presetsVisible = true;
            tick.layout.clientHeight = kUnfoldedClientHeight;
            tick.preview = PreviewTimer::Start;
        } else {
            tick.layout = moved(now, kRollingStep);
        }
        return tick;
    }
    if (now.panelTop <= kFoldedPanelTop) {
        tick.layout.clientHeight = kFoldedClientHeight;
        tick.finished = true;
        tick.layout.panelTop = kFoldedPanelTop;
        tick.layout.converterTop = kFoldedPanelTop;
    } else {
        tick.preview = PreviewTimer::Stop;
        tick.layout = moved(now, -kRollingStep);
        tick.layout.presetsVisible = false;
    }
    return tick;
}

}  // namespace lumidor
