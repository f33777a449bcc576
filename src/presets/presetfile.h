#pragma once

// Preset files (.rcl) hold the grid and the three preset options and nothing
// of the settings file, so they live with the grid rather than with settings.

#include <QByteArray>
#include <QString>
#include <optional>

#include "common/bilingual.h"
#include "common/message.h"
#include "presets/presetgrid.h"

namespace lumidor {

// 11-byte records: tag length 4, "v4.0", cell byte, column time, on/off,
// brightness mode, two reserved bytes. A header record, then one record per
// cell in the canonical order.
inline constexpr int kPresetRecordSize = 11;
inline constexpr int kPresetRecordCount = 1 + kCellCount;
inline constexpr qint64 kPresetFileSize = qint64{kPresetRecordSize} * kPresetRecordCount;

// Every record carries the same tag and option bytes; an index is stored as
// its low 8 bits, so no selection becomes 255.
QByteArray presetFileBytes(const PresetGrid& grid, const PatternOptions& options);

struct PresetRecords {
    enum class Status { Ok, NoData, WrongVersion };
    Status status = Status::NoData;
    // The grid given, with every cell the file holds laid over it.
    PresetGrid grid;
    int cellsRead = 0;
    // From the last record read; a byte outside its list reads as no selection.
    PatternOptions options;
};

// Only the header's tag is checked. A file cut short loads the cells it has;
// the rest keep their state in `current`.
PresetRecords readPresetRecords(QByteArrayView bytes, const PresetGrid& current);

struct PresetFileRead {
    enum class Status { Ok, Missing, NoData, WrongVersion };
    Status status = Status::Missing;
    PresetRecords records;
    // Why a file that exists could not be opened; empty when it could.
    QString systemReason;
    std::optional<Bi> ownReason;

    QString reason(Lang lang) const;
};

// Reads at most one whole file's worth of bytes, however large the file.
PresetFileRead readPresetFile(const QString& path, const PresetGrid& current);

// Atomic: the old file stays byte for byte when the write fails.
std::optional<QString> writePresetFile(const QString& path, const PresetGrid& grid,
                                       const PatternOptions& options);

// ---- Names ----

// ".rcl" is appended unless the name already contains it anywhere (letter
// case counts): "pattern.RCL" becomes "pattern.RCL.rcl", "old.rcl.bak" stays.
QString presetSavePath(const QString& chosen);
// The part after the last path separator of the platform.
QString bareFileName(const QString& path);
// The window title while a file is shown: the bare name, " - ", the plain title.
QString presetFileTitle(const QString& path, const QString& plainTitle);

// ---- What the user is told ----

Message presetFileNotFoundMessage(Lang lang, const QString& path);
// `reason` is empty when the file opened but held no whole record.
Message presetFileNoDataMessage(Lang lang, const QString& path, const QString& reason);
Message presetFileVersionMessage(Lang lang, const QString& path);
Message presetFileSaveFailedMessage(Lang lang, const QString& reason);
inline constexpr Bi kOverwriteTitle{"Varování", "Warning"};
QString presetFileOverwriteQuestion(Lang lang, const QString& path);

}  // namespace lumidor
