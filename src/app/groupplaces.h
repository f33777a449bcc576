#pragma once

#include <QRect>
#include <QSize>
#include <array>

namespace lumidor::groupplaces {

// Where the main window's six groups stand in its client area, unfolded. The
// rolling view (app/rollingview.h) derives its layouts from these. The
// start-up benchmark lays out its plain groups the same: Qt paints a group's
// frame by its area, so the floor it measures must have groups of these sizes.
inline constexpr QRect kPresetEditor{11, 8, 592, 393};
inline constexpr QRect kLivePreview{614, 8, 339, 393};
inline constexpr QRect kConfigPanel{11, 409, 592, 382};
inline constexpr QRect kInterface{614, 409, 339, 172};
inline constexpr QRect kLanguage{614, 588, 339, 74};
inline constexpr QRect kAbout{614, 669, 339, 122};
inline constexpr std::array kAll{kPresetEditor, kLivePreview, kConfigPanel,
                                 kInterface,    kLanguage,    kAbout};

// The client area of the unfolded window, status bar included.
inline constexpr QSize kClientSize{964, 820};
inline constexpr int kStatusBarHeight = 19;

}  // namespace lumidor::groupplaces
