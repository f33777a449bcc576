#include "settings/settingsfile.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "support/files.h"

using namespace Qt::StringLiterals;

namespace lumidor {
namespace {

QByteArray readAll(const QString& path) {
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << path.toStdString();
    return f.readAll();
}

void writeAll(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
    ASSERT_EQ(f.write(bytes), bytes.size());
}

ConfigValues configFrom(const QByteArray& text) {
    return configFromIni(IniFile::parse(text));
}
Presets presetsFrom(const QByteArray& text) {
    return presetsFromIni(IniFile::parse(text));
}

const ConfirmOverwrite kNeverAsked = [](const SettingsRead&) -> bool {
    ADD_FAILURE() << "asked to overwrite a readable or missing file";
    return false;
};

class SettingsFileTest : public ::testing::Test {
protected:
    QString path() const { return dir_.filePath(QStringLiteral("settings.ini")); }
    QTemporaryDir dir_;
};

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

Presets somePresets() {
    Presets p;
    for (int n : {1, 2, 38, 80, 101, 143, 180})
        p.grid.setCell(n, true);
    p.options = {5, 9, 3, 40, 70};
    return p;
}

ConfigValues someConfig() {
    ConfigValues c;
    int i = 0;
    for (int& v : c.lists)
        v = (i++ % 2 == 0) ? 1 : 0;
    c.list(ConfigList::Prog) = 2;
    c.list(ConfigList::EngineType) = 3;
    c.list(ConfigList::Neutral) = -1;
    c.voltage = 31;
    c.stickLeft1 = 896;
    c.stickRight1 = 2112;
    c.stickLeft2 = 1376;
    c.stickRight2 = 1632;
    return c;
}

TEST_F(SettingsFileTest, MissingFileReadsAsMissing) {
    const SettingsRead r = readSettingsFile(path());
    EXPECT_EQ(r.status, SettingsRead::Status::Missing);
    EXPECT_TRUE(r.ini.isEmpty());
}

TEST_F(SettingsFileTest, RoundTripThroughTheFile) {
    ASSERT_EQ(storePresets(path(), somePresets(), kNeverAsked).status,
              StoreOutcome::Status::Written);
    ASSERT_EQ(storeConfiguration(path(), someConfig(), kNeverAsked).status,
              StoreOutcome::Status::Written);
    const SettingsRead r = readSettingsFile(path());
    ASSERT_EQ(r.status, SettingsRead::Status::Ok);
    EXPECT_EQ(presetsFromIni(r.ini), somePresets());
    EXPECT_EQ(configFromIni(r.ini), someConfig());
    EXPECT_EQ(r.ini.sectionNames(), (QList<QByteArray>{"Presets", "Configuration"}));

    const QByteArray bytes = readAll(path());
    EXPECT_TRUE(bytes.contains("[Presets]\r\nChB1=1\r\nChB2=1\r\nChB3=0\r\n"));
    EXPECT_TRUE(bytes.contains("PWM_Max=70\r\n\r\n[Configuration]\r\nProgram=2\r\n"));
    EXPECT_TRUE(bytes.endsWith("\r\nReverse1=0\r\nReverse2=1\r\n\r\n"));
    EXPECT_FALSE(bytes.contains("\n\n"));
    for (char ch : bytes)
        EXPECT_TRUE(ch > 0) << "non-ASCII byte written";
}

TEST_F(SettingsFileTest, PresetStoreAppendsAfterHandWrittenConfiguration) {
    writeAll(path(),
             "; written by hand\r\n[Configuration]\r\nprogram=1\r\nZeta=5\r\n\r\nAlpha=6\r\n");
    ASSERT_EQ(storePresets(path(), Presets{}, kNeverAsked).status, StoreOutcome::Status::Written);
    const QByteArray bytes = readAll(path());
    EXPECT_TRUE(
        bytes.startsWith("[Configuration]\r\nprogram=1\r\nZeta=5\r\nAlpha=6\r\n\r\n"
                         "[Presets]\r\nChB1=0\r\n"));
    EXPECT_FALSE(bytes.contains("written by hand"));

    // The configuration store keeps the hand-written keys and their places.
    ASSERT_EQ(storeConfiguration(path(), someConfig(), kNeverAsked).status,
              StoreOutcome::Status::Written);
    const IniFile ini = IniFile::parse(readAll(path()));
    const QList<QByteArray> keys = ini.keyNames("Configuration");
    ASSERT_GE(keys.size(), 4);
    EXPECT_EQ(keys.mid(0, 3), (QList<QByteArray>{"program", "Zeta", "Alpha"}));
    EXPECT_EQ(ini.value("Configuration", "program"), "2");
    EXPECT_EQ(ini.sectionNames(), (QList<QByteArray>{"Configuration", "Presets"}));
}

// ---- Failed writes: the old file stays, the reason comes back ----

TEST_F(SettingsFileTest, FailedWriteLeavesPreviousFileByteForByte) {
    const QByteArray old = "; mine\r\n[Presets]\r\nChB1=1\r\n";
    writeAll(path(), old);
    StoreOutcome out;
    {
        const test::FailingSave failing(path(), 64);
        out = storeConfiguration(path(), someConfig(), kNeverAsked);
    }
    EXPECT_EQ(out.status, StoreOutcome::Status::Failed);
    EXPECT_FALSE(out.error.isEmpty());
    EXPECT_EQ(readAll(path()), old);
    // No temporary file is left behind beside it.
    EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files), QStringList{u"settings.ini"_s});
}

TEST_F(SettingsFileTest, ReadOnlyFolderReportsAndKeepsFile) {
    if (const char* why = test::permissionsIgnored()) {
        GTEST_SKIP() << why << "; FailedWriteLeavesPreviousFileByteForByte covers a failed save";
    }
    const QByteArray old = "[Presets]\r\nChB1=1\r\n";
    writeAll(path(), old);
    QFile::setPermissions(dir_.path(), QFile::ReadOwner | QFile::ExeOwner);
    const StoreOutcome out = storePresets(path(), Presets{}, kNeverAsked);
    QFile::setPermissions(dir_.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EXPECT_EQ(out.status, StoreOutcome::Status::Failed);
    EXPECT_FALSE(out.error.isEmpty());
    EXPECT_EQ(readAll(path()), old);
}

TEST_F(SettingsFileTest, FolderThatIsAFileReports) {
    writeAll(dir_.filePath(u"plain"_s), "x");
    const QString inside = dir_.filePath(u"plain/settings.ini"_s);
    EXPECT_EQ(readSettingsFile(inside).status, SettingsRead::Status::Missing);
    const StoreOutcome out = storePresets(inside, Presets{}, kNeverAsked);
    EXPECT_EQ(out.status, StoreOutcome::Status::Failed);
    EXPECT_FALSE(out.error.isEmpty());
    EXPECT_EQ(readAll(dir_.filePath(u"plain"_s)), "x");
}

// ---- A file that exists but cannot be read is not replaced unasked ----

TEST_F(SettingsFileTest, FolderUnderTheNameIsUnreadable) {
    ASSERT_TRUE(QDir(dir_.path()).mkdir(u"settings.ini"_s));
    const SettingsRead r = readSettingsFile(path());
    EXPECT_EQ(r.status, SettingsRead::Status::Unreadable);
    EXPECT_EQ(r.reason(Lang::English), u"it is not an ordinary file"_s);
    EXPECT_EQ(presetsFromIni(r.ini), presetsFromIni(IniFile{}));

    int asked = 0;
    const auto no = [&](const SettingsRead& read) {
        ++asked;
        EXPECT_EQ(read.reason(Lang::Czech), QString::fromUtf8("nejde o obyčejný soubor"));
        return false;
    };
    EXPECT_EQ(storePresets(path(), somePresets(), no).status, StoreOutcome::Status::Kept);
    EXPECT_EQ(asked, 1);
    // Agreeing cannot replace a folder either; that is a failed write.
    const auto yes = [](const SettingsRead&) { return true; };
    EXPECT_EQ(storePresets(path(), somePresets(), yes).status, StoreOutcome::Status::Failed);
    EXPECT_TRUE(QFileInfo(path()).isDir());
    // Without anyone to ask, nothing is replaced.
    EXPECT_EQ(storeConfiguration(path(), someConfig(), nullptr).status, StoreOutcome::Status::Kept);
}

TEST_F(SettingsFileTest, OversizedFileIsUnreadableAndKeptUnlessConfirmed) {
    QByteArray big(static_cast<qsizetype>(kMaxSettingsFileSize) + 1, 'x');
    big.replace(0, 14, "[Presets]\nChB1");
    writeAll(path(), big);
    EXPECT_EQ(readSettingsFile(path()).status, SettingsRead::Status::Unreadable);
    EXPECT_EQ(readSettingsFile(path()).reason(Lang::English), u"the file is larger than 16 MiB"_s);

    EXPECT_EQ(storePresets(path(), somePresets(), [](const SettingsRead&) { return false; }).status,
              StoreOutcome::Status::Kept);
    EXPECT_EQ(QFileInfo(path()).size(), big.size());

    EXPECT_EQ(storePresets(path(), somePresets(), [](const SettingsRead&) { return true; }).status,
              StoreOutcome::Status::Written);
    const SettingsRead r = readSettingsFile(path());
    ASSERT_EQ(r.status, SettingsRead::Status::Ok);
    EXPECT_EQ(r.ini.sectionNames(), QList<QByteArray>{"Presets"});
    EXPECT_EQ(presetsFromIni(r.ini), somePresets());
}

// ---- Texts the user reads ----

TEST(SettingsMessages, NameThePathAndTheReasonInBothLanguages) {
    const QString path = QStringLiteral("/opt/rc/x.ini");
    const QString why = QStringLiteral("No space left on device");
    // Shown with the system's own separators.
    const QString quoted = u'"' + QDir::toNativeSeparators(path) + u'"';
    for (Lang lang : {Lang::Czech, Lang::English}) {
        const Message failed = settingsWriteFailedMessage(lang, path, why);
        EXPECT_EQ(failed.kind, MsgKind::Error);
        EXPECT_TRUE(failed.text.contains(quoted) && failed.text.contains(why));
        const Message unreadable = settingsUnreadableMessage(lang, path, why);
        EXPECT_EQ(unreadable.kind, MsgKind::Warning);
        EXPECT_TRUE(unreadable.text.contains(quoted) && unreadable.text.contains(why));
        const QString question = settingsOverwriteQuestion(lang, path, why);
        EXPECT_TRUE(question.contains(quoted) && question.contains(why));
    }
    // A path holding a placeholder is shown as it is.
    EXPECT_TRUE(settingsWriteFailedMessage(Lang::English, u"/tmp/%2.ini"_s, why)
                    .text.contains(QDir::toNativeSeparators(u"\"/tmp/%2.ini\""_s)));
}

}  // namespace
}  // namespace lumidor
