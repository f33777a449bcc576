#include "presets/timeaxis.h"

#include "presets/editortexts.h"
#include "presets/preview.h"

namespace lumidor {
namespace {

// The dash counts differ between the texts; users know them exactly as
// written here, so they are not computed.
constexpr std::array<TimeAxis, kTimeAxisCount> kTimeAxes{{
    {25,
     {"[----------- 125 ms -----------,", ",----------- 250 ms -----------,",
      ",----------- 375 ms -----------,", ",----------- 500 ms ----------]"}},
    {50,
     {"[----------- 250 ms -----------,", ",----------- 500 ms -----------,",
      ",----------- 750 ms -----------,", ",----------- 1000 ms --------]"}},
    {75,
     {"[----------- 375 ms -----------,", ",----------- 750 ms -----------,",
      ",----------- 1125 ms ---------,", ",----------- 1500 ms --------]"}},
    {100,
     {"[----------- 500 ms -----------,", ",----------- 1000 ms ---------,",
      ",----------- 1500 ms ---------,", ",----------- 2000 ms --------]"}},
    {150,
     {"[----------- 750 ms -----------,", ",----------- 1500 ms ---------,",
      ",----------- 2250 ms ---------,", ",----------- 3000 ms --------]"}},
    {250,
     {"[----------- 1250 ms ---------,", ",----------- 2500 ms ---------,",
      ",----------- 3750 ms ---------,", ",----------- 5000 ms --------]"}},
}};

template <size_t N>
QStringList texts(const std::array<Bi, N>& items, Lang lang) {
    QStringList list;
    list.reserve(static_cast<qsizetype>(N));
    for (const Bi& item : items) {
        list << item(lang);
    }
    return list;
}

}  // namespace

std::optional<TimeAxis> timeAxis(int index) {
    if (index < 0 || index >= kTimeAxisCount) {
        return std::nullopt;
    }
    return kTimeAxes[static_cast<size_t>(index)];
}

QStringList timeAxisItems(Lang lang) {
    return texts(kTimeAxisItems, lang);
}
QStringList onOffItems(Lang lang) {
    return texts(kOnOffItems, lang);
}
QStringList pwmModeItems(Lang lang) {
    return texts(kPwmItems, lang);
}

namespace {

int listIndex(int index, size_t count) {
    return index >= 0 && static_cast<size_t>(index) < count ? index : -1;
}

}  // namespace

Presets shownPresets(const Presets& presets) {
    Presets shown = presets;
    PresetOptions& o = shown.options;
    o.timeAxis = listIndex(o.timeAxis, kTimeAxisItems.size());
    o.onOff = listIndex(o.onOff, kOnOffItems.size());
    o.pwmMode = listIndex(o.pwmMode, kPwmItems.size());
    const PwmPair pair = pwmPair(o.pwmMin, o.pwmMax);
    o.pwmMin = pair.min;
    o.pwmMax = pair.max;
    return shown;
}

}  // namespace lumidor
