#include "presets/preview.h"

#include <algorithm>

namespace lumidor {

int nextPreviewStep(int step) {
    return step >= kPreviewSteps - 1 || step < 0 ? 0 : step + 1;
}

QColor shade(int x) {
    return QColor(x, x, 0xFF);
}

int loopShade(int step) {
    const int level = step < 10 ? 9 - step : step - 10;
    return 18 * level;
}

LedColours stepColours(int mode, int step) {
    if (mode != 1 && mode != 2) {
        return {};
    }
    const int x = loopShade(step);
    return {shade(x), shade(mode == 2 ? x : 162 - x)};
}

PreviewLeds previewLeds(const Presets& presets, int step) {
    PreviewLeds leds;
    if (step < 0 || step >= kPreviewSteps) {
        return leds;
    }
    for (int output = 1; output <= kOutputs; ++output) {
        leds.lit[static_cast<size_t>(output - 1)] = presets.grid.at(output, step + 1);
    }
    leds.colours = stepColours(presets.options.pwmMode, step);
    return leds;
}

LedColours stickColours(int mode, int position, int maximum) {
    const int half = maximum / 2;
    switch (mode) {
        case 3: {
            const QColor c = shade(maximum - position);
            return {c, c};
        }
        case 4: {
            LedColours colours;
            if (position <= half) {
                colours.led1 = shade(maximum - 2 * position);
            }
            if (position >= half) {
                colours.led2 = shade(maximum - 2 * (maximum - position));
            }
            return colours;
        }
        case 5: {
            const QColor c = shade(position <= half ? 2 * position : 2 * (maximum - position));
            return {c, c};
        }
        default:
            return {};
    }
}

QColor panelColour(int mode) {
    return mode == 0 ? kPanelPlain : kPanelGoverned;
}

bool stickEnabled(int mode) {
    return mode >= 3 && mode <= 5;
}
bool pwmLimitsEnabled(int mode) {
    return mode >= 3 && mode <= 5;
}

std::optional<int> stickResetPosition(int mode, int maximum) {
    if (mode == 3) {
        return 0;
    }
    if (mode == 4 || mode == 5) {
        return maximum / 2;
    }
    return std::nullopt;
}

QString minPwmText(int value) {
    return QStringLiteral("MIN PWM: %1%").arg(value);
}
QString maxPwmText(int value) {
    return QStringLiteral("MAX PWM: %1%").arg(value);
}

PwmPair pwmPair(int min, int max) {
    PwmPair pair;
    pair.min = std::clamp(min, kPwmMinLow, kPwmMinHigh);
    pair.max = std::clamp(max, lowestMaxPwm(pair.min), kPwmMaxHigh);
    return pair;
}

}  // namespace lumidor
