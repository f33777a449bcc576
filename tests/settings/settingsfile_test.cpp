// The settings file's keys and values: what a load makes of them and what a
// store writes. The file on disk is settingsfile_disk_test.
#include <gtest/gtest.h>

#include "settings/settingsfile.h"

namespace lumidor {
namespace {

ConfigValues configFrom(const QByteArray& text) {
    return configFromIni(IniFile::parse(text));
}
Presets presetsFrom(const QByteArray& text) {
    return presetsFromIni(IniFile::parse(text));
}

// ---- Loading: defaults and the out-of-range rules ----

TEST(SettingsLoad, EmptyFileGivesEveryDefault) {
    const Presets p = presetsFromIni(IniFile{});
    EXPECT_FALSE(p.grid.anyLit());
    EXPECT_EQ(p.options.timeAxis, 1);
    EXPECT_EQ(p.options.onOff, 2);  // not the first item
    EXPECT_EQ(p.options.pwmMode, 0);
    EXPECT_EQ(p.options.pwmMin, 0);
    EXPECT_EQ(p.options.pwmMax, 100);

    const ConfigValues c = configFromIni(IniFile{});
    EXPECT_EQ(c, ConfigValues{});
    EXPECT_EQ(c.list(ConfigList::Prog), 0);
    EXPECT_EQ(c.voltage, 45);
    EXPECT_EQ(c.stickLeft1, 1136);
    EXPECT_EQ(c.stickRight1, 1872);
    EXPECT_EQ(c.stickLeft2, 1136);
    EXPECT_EQ(c.stickRight2, 1872);
}

// Each configuration list by its key: the last item is kept, one past it and
// negatives leave the list without selection, junk takes the default.
struct ListCase {
    const char* key;
    ConfigList list;
    int count;
    int fallback;
};

class ConfigListKey : public ::testing::TestWithParam<ListCase> {};

TEST_P(ConfigListKey, AppliesIndexRules) {
    const ListCase c = GetParam();
    const auto load = [&](const QByteArray& value) {
        return configFrom("[Configuration]\r\n" + QByteArray(c.key) + "=" + value + "\r\n")
            .list(c.list);
    };
    EXPECT_EQ(load(QByteArray::number(c.count - 1)), c.count - 1) << c.key;
    EXPECT_EQ(load("0"), 0) << c.key;
    EXPECT_EQ(load(QByteArray::number(c.count)), -1) << c.key;
    EXPECT_EQ(load("-1"), -1) << c.key;
    EXPECT_EQ(load("abc"), c.fallback) << c.key;
    EXPECT_EQ(configFrom("").list(c.list), c.fallback) << c.key;
}

INSTANTIATE_TEST_SUITE_P(
    Table, ConfigListKey,
    ::testing::Values(ListCase{"Program", ConfigList::Prog, 4, 0},
                      ListCase{"Initialization", ConfigList::Inicializace, 5, 1},
                      ListCase{"InitFlash", ConfigList::InicBlik, 2, 1},
                      ListCase{"FailSafe", ConfigList::FailSafe, 3, 1},
                      ListCase{"ConfTrans", ConfigList::NastavVysilacem, 2, 1},
                      ListCase{"IndicationLED", ConfigList::IndikacniLED, 2, 1},
                      ListCase{"VoltageGuard", ConfigList::VoltageGuard, 2, 0},
                      ListCase{"WinkersOnOff", ConfigList::Smerovky_OnOff, 2, 0},
                      ListCase{"CornerSpeed", ConfigList::CornerSpeed, 3, 1},
                      ListCase{"DelayWinkers", ConfigList::ProdlevaSmerovkyTime, 4, 0},
                      ListCase{"WarningWinkers", ConfigList::VarovneSmerovkyTime, 4, 1},
                      ListCase{"SoundSpeed", ConfigList::SoundSpeed, 5, 2},
                      ListCase{"EngineType", ConfigList::EngineType, 4, 0},
                      ListCase{"NumCylinders", ConfigList::Cylinder, 3, 2},
                      ListCase{"TimeEngineStall", ConfigList::TimeOff, 3, 0},
                      ListCase{"EngineShutDown", ConfigList::EngineShutDown, 3, 1},
                      ListCase{"StopAccelerator", ConfigList::Control, 2, 0},
                      ListCase{"CalStick", ConfigList::CalKnipl, 2, 0},
                      ListCase{"Neutral", ConfigList::Neutral, 3, 1},
                      ListCase{"Reverse1", ConfigList::Reverse1, 2, 0},
                      ListCase{"Reverse2", ConfigList::Reverse2, 2, 0}));

// Numbers that are not list indexes: pulled into range rather than dropped.
struct RangeCase {
    const char* line;
    int expected;
};

class PulledValue : public ::testing::TestWithParam<RangeCase> {};

int pulledField(const QByteArray& text) {
    const ConfigValues c = configFrom("[Configuration]\r\n" + text);
    const Presets p = presetsFrom("[Presets]\r\n" + text);
    const QByteArray key = text.left(text.indexOf('='));
    if (key == "Voltage")
        return c.voltage;
    if (key == "StickLeft1")
        return c.stickLeft1;
    if (key == "StickRight1")
        return c.stickRight1;
    if (key == "StickLeft2")
        return c.stickLeft2;
    if (key == "StickRight2")
        return c.stickRight2;
    if (key == "PWM_Min")
        return p.options.pwmMin;
    if (key == "PWM_Max")
        return p.options.pwmMax;
    ADD_FAILURE() << key.constData();
    return 0;
}

TEST_P(PulledValue, Loads) {
    EXPECT_EQ(pulledField(GetParam().line), GetParam().expected) << GetParam().line;
}

INSTANTIATE_TEST_SUITE_P(
    Table, PulledValue,
    ::testing::Values(RangeCase{"Voltage=29", 30}, RangeCase{"Voltage=30", 30},
                      RangeCase{"Voltage=55", 55}, RangeCase{"Voltage=56", 55},
                      RangeCase{"Voltage=x", 45},
                      // The bars' ranges, not the narrower kept limits: the panel's stick
                      // handler finishes the job (700 -> 800 here -> 896 on the bar).
                      RangeCase{"StickLeft1=700", 800}, RangeCase{"StickLeft1=850", 850},
                      RangeCase{"StickLeft1=1500", 1404}, RangeCase{"StickRight1=1000", 1608},
                      RangeCase{"StickRight1=2150", 2150}, RangeCase{"StickLeft2=-5", 800},
                      RangeCase{"StickRight2=5000", 2200}, RangeCase{"StickRight2=0x700", 1792},
                      RangeCase{"PWM_Min=-10", 0}, RangeCase{"PWM_Min=35", 35},
                      RangeCase{"PWM_Min=95", 90}, RangeCase{"PWM_Max=0", 10},
                      RangeCase{"PWM_Max=200", 100}, RangeCase{"PWM_Max=no", 100}));

TEST(SettingsLoad, CellsAndPresetLists) {
    const Presets p = presetsFrom(
        "[presets]\r\nChB5=7\r\nChB6=abc\r\nchb80=1\r\nChB101=-1\r\nChB180=0x1\r\nChB81=1\r\n"
        "ChB100=1\r\nChB7=0\r\nTimeAxe=5\r\nOnOff=10\r\nPWM=6\r\n");
    EXPECT_TRUE(p.grid.cell(5));
    EXPECT_FALSE(p.grid.cell(6));
    EXPECT_TRUE(p.grid.cell(80));
    EXPECT_TRUE(p.grid.cell(101));
    EXPECT_TRUE(p.grid.cell(180));
    EXPECT_FALSE(p.grid.cell(7));
    EXPECT_EQ(p.grid.litCount(), 4);
    EXPECT_EQ(p.options.timeAxis, 5);
    EXPECT_EQ(p.options.onOff, -1);
    EXPECT_EQ(p.options.pwmMode, -1);
}

TEST(SettingsLoad, HandEditedProgramKeys) {
    EXPECT_EQ(configFrom("[Configuration]\r\nProgram=0x2\r\n").list(ConfigList::Prog), 2);
    EXPECT_EQ(configFrom("[configuration]\r\nprogram=1\r\n").list(ConfigList::Prog), 1);
    EXPECT_EQ(configFrom("[Configuration]\r\nProgram=9\r\n").list(ConfigList::Prog), -1);
    // The key must be in its own section.
    EXPECT_EQ(configFrom("[Presets]\r\nProgram=3\r\n").list(ConfigList::Prog), 0);
}

// ---- Storing: key order and mapping ----

TEST(SettingsStoreKeys, PresetsInFileOrder) {
    IniFile ini;
    putPresets(ini, Presets{});
    QList<QByteArray> expected;
    for (int n = 1; n <= 80; ++n)
        expected.append("ChB" + QByteArray::number(n));
    for (int n = 101; n <= 180; ++n)
        expected.append("ChB" + QByteArray::number(n));
    expected << "TimeAxe"
             << "OnOff"
             << "PWM"
             << "PWM_Min"
             << "PWM_Max";
    EXPECT_EQ(ini.keyNames("Presets"), expected);
}

TEST(SettingsStoreKeys, ConfigurationInFileOrder) {
    IniFile ini;
    putConfig(ini, ConfigValues{});
    const QList<QByteArray> expected{
        "Program",         "Initialization", "InitFlash",       "FailSafe",     "ConfTrans",
        "IndicationLED",   "VoltageGuard",   "Voltage",         "WinkersOnOff", "CornerSpeed",
        "DelayWinkers",    "WarningWinkers", "SoundSpeed",      "EngineType",   "NumCylinders",
        "TimeEngineStall", "EngineShutDown", "StopAccelerator", "CalStick",     "Neutral",
        "StickLeft1",      "StickRight1",    "StickLeft2",      "StickRight2",  "Reverse1",
        "Reverse2"};
    EXPECT_EQ(ini.keyNames("Configuration"), expected);
}

// Input 1's controls end in 1, input 2's in 0; the keys number the inputs 1 and 2.
TEST(SettingsStoreKeys, InputsMapToTheirKeys) {
    ConfigValues c;
    c.list(ConfigList::Reverse1) = 1;
    c.list(ConfigList::Reverse2) = 0;
    c.stickLeft1 = 900;
    c.stickRight1 = 2000;
    c.stickLeft2 = 1300;
    c.stickRight2 = 1700;
    IniFile ini;
    putConfig(ini, c);
    EXPECT_EQ(ini.value("Configuration", "Reverse1"), "1");
    EXPECT_EQ(ini.value("Configuration", "Reverse2"), "0");
    EXPECT_EQ(ini.value("Configuration", "StickLeft1"), "900");
    EXPECT_EQ(ini.value("Configuration", "StickRight1"), "2000");
    EXPECT_EQ(ini.value("Configuration", "StickLeft2"), "1300");
    EXPECT_EQ(ini.value("Configuration", "StickRight2"), "1700");
    EXPECT_EQ(configFromIni(ini), c);
}

}  // namespace
}  // namespace lumidor
