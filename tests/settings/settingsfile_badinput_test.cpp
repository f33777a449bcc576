// Files nobody meant to write: the loader must neither crash nor let damage
// bleed into the values it hands out.
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <random>

#include "settings/settingsfile.h"

namespace lumidor {
namespace {

// Every value lies where the controls can take it.
void expectUsable(const Presets& p, const ConfigValues& c) {
    EXPECT_GE(p.options.timeAxis, -1);
    EXPECT_LT(p.options.timeAxis, 6);
    EXPECT_GE(p.options.onOff, -1);
    EXPECT_LT(p.options.onOff, 10);
    EXPECT_GE(p.options.pwmMode, -1);
    EXPECT_LT(p.options.pwmMode, 6);
    EXPECT_GE(p.options.pwmMin, 0);
    EXPECT_LE(p.options.pwmMin, 90);
    EXPECT_GE(p.options.pwmMax, 10);
    EXPECT_LE(p.options.pwmMax, 100);
    for (int v : c.lists) {
        EXPECT_GE(v, -1);
        EXPECT_LT(v, 5);
    }
    EXPECT_GE(c.voltage, 30);
    EXPECT_LE(c.voltage, 55);
    for (int left : {c.stickLeft1, c.stickLeft2}) {
        EXPECT_GE(left, 800);
        EXPECT_LE(left, 1404);
    }
    for (int right : {c.stickRight1, c.stickRight2}) {
        EXPECT_GE(right, 1608);
        EXPECT_LE(right, 2200);
    }
}

// Loads, stores and loads again: the second load must equal the first, and the
// stored text must be a fixed point of the reader and writer.
void loadStoreLoad(const QByteArray& bytes) {
    const IniFile ini = IniFile::parse(bytes);
    const Presets p = presetsFromIni(ini);
    const ConfigValues c = configFromIni(ini);
    expectUsable(p, c);

    IniFile stored = ini;
    putPresets(stored, p);
    putConfig(stored, c);
    const QByteArray text = stored.toBytes();
    const IniFile again = IniFile::parse(text);
    EXPECT_EQ(presetsFromIni(again), p);
    EXPECT_EQ(configFromIni(again), c);
    EXPECT_EQ(again.toBytes(), text);
}

TEST(SettingsBadInput, LongLines) {
    const QByteArray huge(1 << 20, '7');
    loadStoreLoad("[Presets]\r\nChB1=" + huge + "\r\nChB2=1\r\n");
    const IniFile ini = IniFile::parse("[Presets]\r\nChB1=" + huge + "\r\nChB2=1\r\n");
    EXPECT_FALSE(presetsFromIni(ini).grid.cell(1));  // overflow: not an integer
    EXPECT_TRUE(presetsFromIni(ini).grid.cell(2));
    // A name a megabyte long is just a name.
    loadStoreLoad("[" + QByteArray(1 << 20, 'P') + "]\r\n" + QByteArray(1 << 20, 'k') + "=1\r\n");
    loadStoreLoad(QByteArray(1 << 20, '['));
    loadStoreLoad(QByteArray(1 << 20, '='));
}

TEST(SettingsBadInput, NulBytes) {
    const QByteArray text("[Configuration]\r\nProgram=3\0\r\nNeutral=2\r\n\0\0\0", 43);
    loadStoreLoad(text);
    const ConfigValues c = configFromIni(IniFile::parse(text));
    EXPECT_EQ(c.list(ConfigList::Prog), 0);  // its line is damaged
    EXPECT_EQ(c.list(ConfigList::Neutral), 2);
    EXPECT_FALSE(IniFile::parse(text).toBytes().contains('\0'));
    loadStoreLoad(QByteArray(4096, '\0'));
}

TEST(SettingsBadInput, ByteOrderMarkAndLineEnds) {
    const QByteArray bom = "\xEF\xBB\xBF";
    for (const char* eol : {"\r\n", "\n", "\r", "\n\r"}) {
        const QByteArray text = bom + "[Configuration]" + eol + "Program=3" + eol + "Voltage=50" +
                                eol + "[Presets]" + eol + "OnOff=7";
        loadStoreLoad(text);
        const IniFile ini = IniFile::parse(text);
        EXPECT_EQ(configFromIni(ini).list(ConfigList::Prog), 3) << eol;
        EXPECT_EQ(configFromIni(ini).voltage, 50) << eol;
        EXPECT_EQ(presetsFromIni(ini).options.onOff, 7) << eol;
    }
    // A BOM alone, or one cut short.
    loadStoreLoad(bom);
    loadStoreLoad("\xEF\xBB");
    loadStoreLoad(bom + bom + "[Presets]\r\nChB1=1\r\n");
}

TEST(SettingsBadInput, RandomBytes) {
    std::mt19937 rng(20261208);
    std::uniform_int_distribution<int> byte(0, 255);
    // Raw noise, and noise drawn from the characters the format cares about.
    const QByteArray alphabet = "[]=;\r\n \t0x-+19ChBPresetsConfigurationProgramVoltageStick";
    std::uniform_int_distribution<int> pick(0, static_cast<int>(alphabet.size()) - 1);
    for (int round = 0; round < 200; ++round) {
        QByteArray raw(1 + round * 37, '\0');
        QByteArray shaped(raw.size(), '\0');
        for (qsizetype i = 0; i < raw.size(); ++i) {
            raw[i] = static_cast<char>(byte(rng));
            shaped[i] = alphabet[pick(rng)];
        }
        loadStoreLoad(raw);
        loadStoreLoad(shaped);
        if (HasFailure()) {
            FAIL() << "round " << round;
        }
    }
}

TEST(SettingsBadInput, TenMegabyteFile) {
    // Mostly junk, with real keys at the end that must still be found.
    QByteArray text = "[Presets]\r\n";
    text.reserve(10 * 1024 * 1024 + 100);
    int n = 0;
    while (text.size() < 10 * 1024 * 1024) {
        text += "Junk" + QByteArray::number(n++) + "=" + QByteArray(100, 'z') + "\r\n";
    }
    text += "ChB180=1\r\n[Configuration]\r\nProgram=1\r\n";

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("big.ini"));
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        ASSERT_EQ(f.write(text), text.size());
    }
    const SettingsRead r = readSettingsFile(path);
    ASSERT_EQ(r.status, SettingsRead::Status::Ok);
    EXPECT_TRUE(presetsFromIni(r.ini).grid.cell(180));
    EXPECT_EQ(configFromIni(r.ini).list(ConfigList::Prog), 1);

    // A store keeps the junk keys (they are keys) and adds its own.
    ASSERT_EQ(storeConfiguration(path, ConfigValues{}, nullptr).status,
              StoreOutcome::Status::Written);
    const SettingsRead after = readSettingsFile(path);
    ASSERT_EQ(after.status, SettingsRead::Status::Ok);
    EXPECT_EQ(configFromIni(after.ini), ConfigValues{});
    EXPECT_TRUE(presetsFromIni(after.ini).grid.cell(180));
    EXPECT_EQ(after.ini.value("Presets", "Junk0"), QByteArray(100, 'z'));
}

TEST(SettingsBadInput, ManyDuplicateKeysAndSections) {
    // Repeats must not cost quadratic time or grow the written file.
    QByteArray text;
    for (int i = 0; i < 50000; ++i) {
        text += "[presets]\r\nChB1=" + QByteArray::number(i) + "\r\nCHB1=0\r\n";
    }
    const IniFile ini = IniFile::parse(text);
    EXPECT_EQ(ini.sectionNames().size(), 1);
    EXPECT_EQ(ini.keyNames("Presets"), QList<QByteArray>{"ChB1"});
    EXPECT_FALSE(presetsFromIni(ini).grid.cell(1));  // the first, "0"
    EXPECT_EQ(ini.toBytes(), "[presets]\r\nChB1=0\r\n\r\n");
}

}  // namespace
}  // namespace lumidor
