#include "settings/configpanel.h"

#include <array>

namespace lumidor {
namespace {

constexpr Bi kStickHintPrefix{"Nastavení meze kniplu pro stav Zapnuto - ",
                              "Setting limits stick for the status ON - "};
constexpr Bi kVoltagePrefix{"Flash alarm pod ", "Flash alarm under "};

constexpr int kSirenEngine = 3;
constexpr int kMeasureProgram = 3;
constexpr int kCarLightsProgram = 1;
constexpr int kSoundProgram = 2;

}  // namespace

QStringList configListItems(ConfigList list, Lang lang) {
    QStringList items;
    for (const Bi& item : configItem(list).items) {
        items << item(lang);
    }
    return items;
}

QString voltageText(int tenths, Lang lang) {
    QString digits = QString::number(tenths);
    digits.insert(1, QLatin1Char('.'));
    return kVoltagePrefix(lang) + digits + QStringLiteral(" V");
}

int keepLeftLimit(int position) {
    return kLeftStickKept.pull(position);
}

int keepRightLimit(int position) {
    return kRightStickKept.pull(position);
}

ConfigValues withinLimits(ConfigValues values) {
    for (ConfigList l : allConfigLists()) {
        if (!configItem(l).holds(values.list(l))) {
            values.list(l) = -1;
        }
    }
    for (const ConfigNumberItem& n : kConfigNumbers) {
        values.*n.value = n.kept.pull(n.range.pull(values.*n.value));
    }
    return values;
}

QString stickLimitHint(int position, Lang lang) {
    return kStickHintPrefix(lang) + QString::number(position) + QStringLiteral("us");
}

std::optional<NeutralBand> neutralBand(int index) {
    // Half-widths 32, 48 and 64 us around the 1504 us centre.
    static constexpr NeutralBand kBands[] = {{1472, 1536}, {1456, 1552}, {1440, 1568}};
    static_assert(std::size(kBands) == configItem(ConfigList::Neutral).items.size(),
                  "one band per item of cbNeutral");
    if (index < 0 || index >= static_cast<int>(std::size(kBands))) {
        return std::nullopt;
    }
    return kBands[index];
}

ConfigEnabling configEnabling(int program, int engine, int calibration, int guard) {
    ConfigEnabling e{};
    // Measuring the supply is program 3 itself, so guarding it makes no sense there.
    e.voltageGuard = program != kMeasureProgram;
    e.voltage = e.voltageGuard && guard == 1;
    e.carLights = program == kCarLightsProgram;
    e.soundBase = program == kSoundProgram;
    // The siren has no cylinders, stall time, shut-down or throttle neutral;
    // no engine selected counts as an engine.
    e.engineDetails = e.soundBase && engine != kSirenEngine;
    e.stickLimits = calibration == 1;
    return e;
}

ConfigEnabling configEnabling(const ConfigValues& values) {
    return configEnabling(values.list(ConfigList::Prog), values.list(ConfigList::EngineType),
                          values.list(ConfigList::CalKnipl), values.list(ConfigList::VoltageGuard));
}

}  // namespace lumidor
