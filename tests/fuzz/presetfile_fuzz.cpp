// libFuzzer target for the preset-file record reader: whatever the bytes, it
// reads at most one file's worth of cells, gives list indexes the lists can
// take, and what it read writes back and reads again as the same.
#include <cstdint>

#include "fuzzcheck.h"
#include "presets/presetfile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace lumidor;
    using fuzz::check;
    using fuzz::within;
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    PresetGrid current;
    current.setCell(180, true);
    const PresetRecords r = readPresetRecords(bytes, current);
    check(within(r.cellsRead, 0, kCellCount));
    if (r.status != PresetRecords::Status::Ok) {
        check(r.cellsRead == 0 && r.grid == current);
        return 0;
    }
    check(within(r.options.timeAxis, -1, 5) && within(r.options.onOff, -1, 9) &&
          within(r.options.pwmMode, -1, 5));
    const QByteArray again = presetFileBytes(r.grid, r.options);
    check(again.size() == kPresetFileSize);
    const PresetRecords back = readPresetRecords(again, PresetGrid{});
    check(back.status == PresetRecords::Status::Ok && back.grid == r.grid &&
          back.options == r.options);
    return 0;
}
