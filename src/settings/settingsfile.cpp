#include "settings/settingsfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <array>

#include "common/savefile.h"
#include "settings/presetitems.h"

namespace lumidor {
namespace {

constexpr QByteArrayView kPresets("Presets");
constexpr QByteArrayView kConfiguration("Configuration");

// Cell numbers run to 180 (outputs 5-8 start at 101).
constexpr size_t kCellKeySlots = 181;

// Built once: a load or a store asks for all 160 of them.
const QByteArray& cellKey(int number) {
    static const std::array<QByteArray, kCellKeySlots> keys = [] {
        std::array<QByteArray, kCellKeySlots> k;
        for (int n : canonicalCellNumbers()) {
            k[static_cast<size_t>(n)] = "ChB" + QByteArray::number(n);
        }
        return k;
    }();
    return keys[static_cast<size_t>(number)];
}

}  // namespace

Presets presetsFromIni(const IniFile& ini) {
    Presets p;
    for (int n : canonicalCellNumbers()) {
        p.grid.setCell(n, ini.integer(kPresets, cellKey(n), 0) != 0);
    }
    for (const PresetOptionItem& item : kPresetOptionItems) {
        const int v = ini.integer(kPresets, item.iniKey, item.whenKeyMissing);
        p.options.*item.value = !item.isList ? item.range.pull(v) : item.range.holds(v) ? v : -1;
    }
    return p;
}

ConfigValues configFromIni(const IniFile& ini) {
    ConfigValues c;
    for (ConfigList l : allConfigLists()) {
        const ConfigListItem& item = configItem(l);
        const int v = ini.integer(kConfiguration, item.iniKey, item.defaultIndex);
        c.list(l) = item.holds(v) ? v : -1;
    }
    for (const ConfigNumberItem& item : kConfigNumbers) {
        c.*item.value =
            item.range.pull(ini.integer(kConfiguration, item.iniKey, item.defaultValue));
    }
    return c;
}

void putPresets(IniFile& ini, const Presets& presets) {
    for (int n : canonicalCellNumbers()) {
        ini.setValue(kPresets, cellKey(n), presets.grid.cell(n) ? "1" : "0");
    }
    for (const PresetOptionItem& item : kPresetOptionItems) {
        ini.setInteger(kPresets, item.iniKey, presets.options.*item.value);
    }
}

void putConfig(IniFile& ini, const ConfigValues& config) {
    for (ConfigList l : allConfigLists()) {
        ini.setInteger(kConfiguration, configItem(l).iniKey, config.list(l));
        for (const ConfigNumberItem& item : kConfigNumbers) {
            if (item.follows == l) {
                ini.setInteger(kConfiguration, item.iniKey, config.*item.value);
            }
        }
    }
}

QString SettingsRead::reason(Lang lang) const {
    return ownReason ? (*ownReason)(lang) : systemReason;
}

SettingsRead readSettingsFile(const QString& path, qint64 maxSize) {
    SettingsRead r;
    const QFileInfo info(path);
    if (!info.exists()) {
        r.status = SettingsRead::Status::Missing;
        return r;
    }
    r.status = SettingsRead::Status::Unreadable;
    // A folder or a pipe under the file's name: opening a pipe would block.
    if (!info.isFile()) {
        r.ownReason = Bi{"nejde o obyčejný soubor", "it is not an ordinary file"};
        return r;
    }
    static constexpr Bi kTooLarge{"soubor je větší než 16 MiB", "the file is larger than 16 MiB"};
    if (info.size() > maxSize) {
        r.ownReason = kTooLarge;
        return r;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        r.systemReason = file.errorString();
        return r;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        r.systemReason = file.errorString();
        return r;
    }
    // It may have grown since it was measured.
    if (bytes.size() > maxSize) {
        r.ownReason = kTooLarge;
        return r;
    }
    r.status = SettingsRead::Status::Ok;
    r.ini = IniFile::parse(bytes);
    return r;
}

std::optional<QString> writeSettingsFile(const QString& path, const QByteArray& bytes) {
    // A locked portable copy is updated in place rather than refused after a
    // transfer that worked.
    return replaceFileContents(path, bytes, LockedFolder::InPlaceWhenLocked);
}

namespace {

template <typename Put>
StoreOutcome store(const QString& path, const ConfirmOverwrite& confirm, Put put) {
    SettingsRead read = readSettingsFile(path);
    if (read.status == SettingsRead::Status::Unreadable) {
        if (!confirm || !confirm(read)) {
            return {StoreOutcome::Status::Kept, {}};
        }
        read.ini = IniFile{};
    }
    put(read.ini);
    if (auto error = writeSettingsFile(path, read.ini.toBytes())) {
        return {StoreOutcome::Status::Failed, *error};
    }
    return {StoreOutcome::Status::Written, {}};
}

}  // namespace

StoreOutcome storePresets(const QString& path, const Presets& presets,
                          const ConfirmOverwrite& confirm) {
    return store(path, confirm, [&](IniFile& ini) { putPresets(ini, presets); });
}

StoreOutcome storeConfiguration(const QString& path, const ConfigValues& config,
                                const ConfirmOverwrite& confirm) {
    return store(path, confirm, [&](IniFile& ini) { putConfig(ini, config); });
}

Message settingsUnreadableMessage(Lang lang, const QString& path, const QString& reason) {
    static constexpr Bi text{
        "Soubor nastavení \"%1\" se nepodařilo přečíst.\r\nPříčina: %2\r\n\r\n"
        "Předvolby a konfigurace byly nastaveny do výchozích hodnot. Soubor zůstane beze "
        "změny, dokud jeho přepsání nepotvrdíte.",
        "The settings file \"%1\" could not be read.\r\nReason: %2\r\n\r\n"
        "Presets and configuration have been set to default values. The file stays as it is "
        "until you agree to overwrite it."};
    return {MsgKind::Warning, text(lang).arg(QDir::toNativeSeparators(path), reason)};
}

QString settingsOverwriteQuestion(Lang lang, const QString& path, const QString& reason) {
    static constexpr Bi text{
        "Soubor nastavení \"%1\" nelze přečíst.\r\nPříčina: %2\r\n\r\n"
        "Přepsat jej daty právě zapsanými do RC Lumidoru? Vše ostatní, co v něm je, se ztratí.",
        "The settings file \"%1\" cannot be read.\r\nReason: %2\r\n\r\n"
        "Overwrite it with the data just written to the RC Lumidor? Anything else it holds "
        "will be lost."};
    return text(lang).arg(QDir::toNativeSeparators(path), reason);
}

Message settingsWriteFailedMessage(Lang lang, const QString& path, const QString& reason) {
    static constexpr Bi text{
        "Soubor nastavení \"%1\" se nepodařilo uložit.\r\nPříčina: %2\r\n\r\n"
        "RC Lumidor data přijal, ale program je při příštím spuštění nenačte. "
        "Předchozí obsah souboru zůstal zachován.",
        "The settings file \"%1\" could not be saved.\r\nReason: %2\r\n\r\n"
        "The RC Lumidor has received the data, but this program will not show it at its next "
        "start. The previous contents of the file are kept."};
    return {MsgKind::Error, text(lang).arg(QDir::toNativeSeparators(path), reason)};
}

}  // namespace lumidor
