#pragma once

#include <QColor>
#include <QString>
#include <array>
#include <optional>

#include "presets/presetgrid.h"

namespace lumidor {

// The live preview plays one column per tick, looping over the twenty.
constexpr int kPreviewSteps = 20;
// tbSim: 0..160, the stick's centre at 80.
constexpr int kStickMax = 160;

constexpr int kPwmMinLow = 0;
constexpr int kPwmMinHigh = 90;
constexpr int kPwmMaxLow = 10;
constexpr int kPwmMaxHigh = 100;
constexpr int kPwmStep = 10;

inline const QColor kLitBlue{0x00, 0x00, 0xFF};
inline const QColor kPanelPlain{0xFF, 0xFF, 0xFF};
inline const QColor kPanelGoverned{0xDE, 0xDE, 0xDE};

// The step after `step`: 19 (or anything beyond) wraps to 0.
int nextPreviewStep(int step);

// A simulated brightness: x = 0 is full (pure blue), larger x paler.
QColor shade(int x);

// Brightness modes 1 and 2 sweep outputs 1 and 2 over the loop; the x of
// Led1 at a step (162 at both ends of the loop, 0 in the middle).
int loopShade(int step);

struct LedColours {
    std::optional<QColor> led1;  // nothing: leave the colour it has
    std::optional<QColor> led2;

    friend bool operator==(const LedColours&, const LedColours&) = default;
};

// Colours a preview step gives Led1/Led2: only in modes 1 (Led2 opposite to
// Led1) and 2 (equal).
LedColours stepColours(int mode, int step);

// What one preview step shows: each of Led1..Led8 lit as its output's cell in
// the step's column, and the colours of brightness modes 1 and 2. The live
// preview and the model window both draw from it.
struct PreviewLeds {
    std::array<bool, kOutputs> lit{};
    LedColours colours;

    friend bool operator==(const PreviewLeds&, const PreviewLeds&) = default;
};
// A step outside 0..19 shows every LED dark and sets no colour.
PreviewLeds previewLeds(const Presets& presets, int step);

// Colours the stick simulator gives in modes 3-5; in mode 4 only the LED of
// the stick's half changes.
LedColours stickColours(int mode, int position, int maximum = kStickMax);

// Background of the panels under outputs 1 and 2: white only in mode 0 (also
// "no selection" marks them governed, as the switch's own editor does).
QColor panelColour(int mode);

bool stickEnabled(int mode);
bool pwmLimitsEnabled(int mode);
// Where choosing the mode puts the stick simulator (modes 3-5 only).
std::optional<int> stickResetPosition(int mode, int maximum = kStickMax);

QString minPwmText(int value);
QString maxPwmText(int value);

// MIN PWM stays at least 10 below MAX PWM.
inline int lowestMaxPwm(int minPwm) {
    return minPwm + kPwmStep;
}
inline int highestMinPwm(int maxPwm) {
    return maxPwm - kPwmStep;
}

// The MIN/MAX PWM pair the two edits show: each value within its own range and
// MIN at least 10 below MAX. A pair that breaks this (from a settings file)
// keeps MIN, and MAX gives way. The up-down ranges keep the pair valid while
// the user steps either value.
struct PwmPair {
    int min = kPwmMinLow;
    int max = kPwmMaxHigh;

    int minHighest() const { return highestMinPwm(max); }
    int maxLowest() const { return lowestMaxPwm(min); }
    friend bool operator==(const PwmPair&, const PwmPair&) = default;
};
PwmPair pwmPair(int min, int max);

}  // namespace lumidor
