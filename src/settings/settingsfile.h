#pragma once

#include <QString>
#include <functional>
#include <optional>

#include "common/bilingual.h"
#include "common/message.h"
#include "presets/presetgrid.h"
#include "settings/configvalues.h"
#include "settings/inifile.h"

namespace lumidor {

// A settings file is a few kilobytes; anything this large is not one, and
// reading it whole would only waste memory.
inline constexpr qint64 kMaxSettingsFileSize = qint64{16} * 1024 * 1024;

// ---- Mapping between the file's keys and the program's values ----

// Every value the file lacks takes its default; a list index outside the list
// leaves it without selection (-1); a stick limit outside its bar is pulled to
// the nearer end of the bar; the voltage threshold and MIN/MAX PWM are pulled
// to the nearer end of their ranges.
Presets presetsFromIni(const IniFile& ini);
ConfigValues configFromIni(const IniFile& ini);

// Sets every key of the section, in the file's key order.
void putPresets(IniFile& ini, const Presets& presets);
void putConfig(IniFile& ini, const ConfigValues& config);

// ---- The file on disk ----

struct SettingsRead {
    enum class Status { Ok, Missing, Unreadable };
    Status status = Status::Missing;
    IniFile ini;
    // Why an existing file could not be read: the file system's own text, or
    // one of ours (not a plain file, too large).
    QString systemReason;
    std::optional<Bi> ownReason;

    QString reason(Lang lang) const;
};

// Reads the whole file and lets it go again. A file larger than maxSize counts
// as unreadable.
SettingsRead readSettingsFile(const QString& path, qint64 maxSize = kMaxSettingsFileSize);

// Replaces the file as a whole or not at all: the new text goes to a temporary
// file beside it which then takes the old one's place. Returns the file
// system's reason on failure, nothing on success.
std::optional<QString> writeSettingsFile(const QString& path, const QByteArray& bytes);

struct StoreOutcome {
    enum class Status {
        Written,
        // The file exists but could not be read, and the user chose to keep it.
        Kept,
        // Nothing was written; `error` says why.
        Failed,
    };
    Status status = Status::Written;
    QString error;
};

// Asked before an existing file that cannot be read would be replaced (and so
// lose whatever else it holds); receives the reason, returns true to replace.
using ConfirmOverwrite = std::function<bool(const SettingsRead& read)>;

// Each store reads the file anew so that the other section, and anything
// edited outside the program since start-up, is kept.
StoreOutcome storePresets(const QString& path, const Presets& presets,
                          const ConfirmOverwrite& confirm);
StoreOutcome storeConfiguration(const QString& path, const ConfigValues& config,
                                const ConfirmOverwrite& confirm);

// ---- What the user is told ----

// Start-up: the file exists but could not be read; the defaults are in use.
Message settingsUnreadableMessage(Lang lang, const QString& path, const QString& reason);
// Before replacing a file that exists but cannot be read.
QString settingsOverwriteQuestion(Lang lang, const QString& path, const QString& reason);
// After a successful transfer whose data could not be stored.
Message settingsWriteFailedMessage(Lang lang, const QString& path, const QString& reason);

}  // namespace lumidor
