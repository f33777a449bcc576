// libFuzzer target for the settings-file reader and writer: whatever the
// bytes, loading must give values the controls can take, and what a store
// writes must read back as the same values and write back unchanged.
#include <cstdint>

#include "fuzzcheck.h"
#include "settings/settingsfile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace lumidor;
    using fuzz::check;
    using fuzz::within;
    const IniFile ini = IniFile::parse(
        QByteArrayView(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
    const Presets p = presetsFromIni(ini);
    const ConfigValues c = configFromIni(ini);

    check(within(p.options.timeAxis, -1, 5) && within(p.options.onOff, -1, 9) &&
          within(p.options.pwmMode, -1, 5) && within(p.options.pwmMin, 0, 90) &&
          within(p.options.pwmMax, 10, 100));
    for (int v : c.lists) {
        check(within(v, -1, 4));
    }
    check(within(c.voltage, 30, 55));
    check(within(c.stickLeft1, 800, 1404) && within(c.stickLeft2, 800, 1404));
    check(within(c.stickRight1, 1608, 2200) && within(c.stickRight2, 1608, 2200));

    IniFile stored = ini;
    putPresets(stored, p);
    putConfig(stored, c);
    const QByteArray text = stored.toBytes();
    check(!text.contains('\0'));
    const IniFile again = IniFile::parse(text);
    check(presetsFromIni(again) == p);
    check(configFromIni(again) == c);
    check(again.toBytes() == text);
    return 0;
}
