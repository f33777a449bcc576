#include "settings/settingsfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <array>

#include "common/savefile.h"

namespace lumidor {
namespace {

constexpr QByteArrayView kPresets("Presets");
constexpr QByteArrayView kConfiguration("Configuration");

struct ListKey {
    const char* key;
    int count;  // items in the list; a stored index must lie below it
};

// cbCasovaOsa, cbZapVyp, cbPWM
constexpr ListKey kTimeAxe{"TimeAxe", 6};
constexpr ListKey kOnOff{"OnOff", 10};
constexpr ListKey kPwm{"PWM", 6};
constexpr int kTimeAxeDefault = 1;
constexpr int kOnOffDefault = 2;  // not the first item
constexpr int kPwmDefault = 0;

struct Range {
    int low;
    int high;
    int pull(int v) const { return std::clamp(v, low, high); }
};
constexpr Range kPwmMin{0, 90};
constexpr Range kPwmMax{10, 100};
constexpr Range kVoltage{30, 55};
// The bars' own ranges; the panel's stick-limit change then keeps the
// narrower limits.
constexpr Range kLeftBar{800, 1404};
constexpr Range kRightBar{1608, 2200};

// In ConfigList order, which is the file's key order without the threshold.
constexpr std::array<ListKey, kConfigListCount> kConfigLists{{
    {"Program", 4},         {"Initialization", 5}, {"InitFlash", 2},       {"FailSafe", 3},
    {"ConfTrans", 2},       {"IndicationLED", 2},  {"VoltageGuard", 2},    {"WinkersOnOff", 2},
    {"CornerSpeed", 3},     {"DelayWinkers", 4},   {"WarningWinkers", 4},  {"SoundSpeed", 5},
    {"EngineType", 4},      {"NumCylinders", 3},   {"TimeEngineStall", 3}, {"EngineShutDown", 3},
    {"StopAccelerator", 2}, {"CalStick", 2},       {"Neutral", 3},         {"Reverse1", 2},
    {"Reverse2", 2},
}};
constexpr auto kVoltageGuardPos = static_cast<size_t>(ConfigList::VoltageGuard);
constexpr auto kNeutralPos = static_cast<size_t>(ConfigList::Neutral);
constexpr const char* kVoltageKey = "Voltage";
constexpr const char* kStickLeft1 = "StickLeft1";
constexpr const char* kStickRight1 = "StickRight1";
constexpr const char* kStickLeft2 = "StickLeft2";
constexpr const char* kStickRight2 = "StickRight2";

int listIndex(const IniFile& ini, QByteArrayView section, const ListKey& list, int fallback) {
    const int v = ini.integer(section, list.key, fallback);
    return v >= 0 && v < list.count ? v : -1;
}

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

const ConfigValues kConfigDefaults{};

}  // namespace

Presets presetsFromIni(const IniFile& ini) {
    Presets p;
    for (int n : canonicalCellNumbers()) {
        p.grid.setCell(n, ini.integer(kPresets, cellKey(n), 0) != 0);
    }
    p.options.timeAxis = listIndex(ini, kPresets, kTimeAxe, kTimeAxeDefault);
    p.options.onOff = listIndex(ini, kPresets, kOnOff, kOnOffDefault);
    p.options.pwmMode = listIndex(ini, kPresets, kPwm, kPwmDefault);
    p.options.pwmMin = kPwmMin.pull(ini.integer(kPresets, "PWM_Min", 0));
    p.options.pwmMax = kPwmMax.pull(ini.integer(kPresets, "PWM_Max", 100));
    return p;
}

ConfigValues configFromIni(const IniFile& ini) {
    ConfigValues c;
    const auto readList = [&](size_t pos) {
        c.lists[pos] =
            listIndex(ini, kConfiguration, kConfigLists[pos], kConfigDefaults.lists[pos]);
    };
    // The keys are taken in the file's order, except that input 2's reverse
    // comes before input 1's.
    for (size_t pos = 0; pos <= kVoltageGuardPos; ++pos) {
        readList(pos);
    }
    c.voltage = kVoltage.pull(ini.integer(kConfiguration, kVoltageKey, kConfigDefaults.voltage));
    for (size_t pos = kVoltageGuardPos + 1; pos <= kNeutralPos; ++pos) {
        readList(pos);
    }
    c.stickLeft1 =
        kLeftBar.pull(ini.integer(kConfiguration, kStickLeft1, kConfigDefaults.stickLeft1));
    c.stickRight1 =
        kRightBar.pull(ini.integer(kConfiguration, kStickRight1, kConfigDefaults.stickRight1));
    c.stickLeft0 =
        kLeftBar.pull(ini.integer(kConfiguration, kStickLeft2, kConfigDefaults.stickLeft0));
    c.stickRight0 =
        kRightBar.pull(ini.integer(kConfiguration, kStickRight2, kConfigDefaults.stickRight0));
    readList(static_cast<size_t>(ConfigList::Reverse0));
    readList(static_cast<size_t>(ConfigList::Reverse1));
    return c;
}

void putPresets(IniFile& ini, const Presets& presets) {
    for (int n : canonicalCellNumbers()) {
        ini.setValue(kPresets, cellKey(n), presets.grid.cell(n) ? "1" : "0");
    }
    ini.setInteger(kPresets, kTimeAxe.key, presets.options.timeAxis);
    ini.setInteger(kPresets, kOnOff.key, presets.options.onOff);
    ini.setInteger(kPresets, kPwm.key, presets.options.pwmMode);
    ini.setInteger(kPresets, "PWM_Min", presets.options.pwmMin);
    ini.setInteger(kPresets, "PWM_Max", presets.options.pwmMax);
}

void putConfig(IniFile& ini, const ConfigValues& config) {
    for (size_t pos = 0; pos <= kNeutralPos; ++pos) {
        ini.setInteger(kConfiguration, kConfigLists[pos].key, config.lists[pos]);
        if (pos == kVoltageGuardPos) {
            ini.setInteger(kConfiguration, kVoltageKey, config.voltage);
        }
    }
    ini.setInteger(kConfiguration, kStickLeft1, config.stickLeft1);
    ini.setInteger(kConfiguration, kStickRight1, config.stickRight1);
    ini.setInteger(kConfiguration, kStickLeft2, config.stickLeft0);
    ini.setInteger(kConfiguration, kStickRight2, config.stickRight0);
    for (ConfigList l : {ConfigList::Reverse1, ConfigList::Reverse0}) {
        ini.setInteger(kConfiguration, kConfigLists[static_cast<size_t>(l)].key, config.list(l));
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
