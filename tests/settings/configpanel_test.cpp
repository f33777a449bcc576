#include "settings/configpanel.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace lumidor {
namespace {

// ---- Enabling rules ----------------------------------------------------------

// What each program allows, read straight off the panel's rules; index 4 of
// `engineDetails` is the engine list without selection.
struct ProgramRow {
    int program;
    bool guard;
    bool voltageWithGuardOn;
    bool carLights;
    bool soundBase;
    bool engineDetails[5];  // engine 0, 1, 2, 3 (siren), -1
};

constexpr ProgramRow kProgramRows[] = {
    // A program list without selection behaves like "not 1, not 2, not 3".
    {-1, true, true, false, false, {false, false, false, false, false}},
    {0, true, true, false, false, {false, false, false, false, false}},
    {1, true, true, true, false, {false, false, false, false, false}},
    {2, true, true, false, true, {true, true, true, false, true}},
    // Measuring the supply: no guard and no threshold, whatever the guard says.
    {3, false, false, false, false, {false, false, false, false, false}},
};
constexpr int kEngines[] = {0, 1, 2, 3, -1};

TEST(ConfigEnablingRules, EveryCombinationOfProgramEngineCalibrationAndGuard) {
    for (const ProgramRow& row : kProgramRows) {
        for (int ei = 0; ei < 5; ++ei) {
            for (int calibration : {0, 1}) {
                for (int guard : {0, 1}) {
                    SCOPED_TRACE(testing::Message() << "p=" << row.program << " e=" << kEngines[ei]
                                                    << " c=" << calibration << " g=" << guard);
                    const ConfigEnabling e =
                        configEnabling(row.program, kEngines[ei], calibration, guard);
                    EXPECT_EQ(e.voltageGuard, row.guard);
                    EXPECT_EQ(e.voltage, guard == 1 && row.voltageWithGuardOn);
                    EXPECT_EQ(e.carLights, row.carLights);
                    EXPECT_EQ(e.soundBase, row.soundBase);
                    EXPECT_EQ(e.engineDetails, row.engineDetails[ei]);
                    // The stick limits depend on the calibration list alone.
                    EXPECT_EQ(e.stickLimits, calibration == 1);
                }
            }
        }
    }
}

TEST(ConfigEnablingRules, ListsWithoutSelectionEnableNothingOptional) {
    const ConfigEnabling e = configEnabling(-1, -1, -1, -1);
    EXPECT_TRUE(e.voltageGuard);
    EXPECT_FALSE(e.voltage);
    EXPECT_FALSE(e.stickLimits);
}

// ---- Stick limits ------------------------------------------------------------

struct KeepCase {
    bool left;
    int position;
    int kept;
};

class StickLimitKeep : public testing::TestWithParam<KeepCase> {};

TEST_P(StickLimitKeep, PutsThePositionBackWithinTheLimits) {
    const KeepCase c = GetParam();
    EXPECT_EQ(c.left ? keepLeftLimit(c.position) : keepRightLimit(c.position), c.kept);
}

INSTANTIATE_TEST_SUITE_P(Table, StickLimitKeep,
                         testing::Values(KeepCase{true, 800, 896}, KeepCase{true, 895, 896},
                                         KeepCase{true, 896, 896}, KeepCase{true, 1136, 1136},
                                         KeepCase{true, 1376, 1376}, KeepCase{true, 1377, 1376},
                                         KeepCase{true, 1400, 1376}, KeepCase{true, 1404, 1376},
                                         KeepCase{false, 1608, 1632}, KeepCase{false, 1620, 1632},
                                         KeepCase{false, 1632, 1632}, KeepCase{false, 1872, 1872},
                                         KeepCase{false, 2112, 2112}, KeepCase{false, 2113, 2112},
                                         KeepCase{false, 2200, 2112}));

// What a settings file may hold becomes what the panel shows and the document
// keeps: the stored file and the frame then agree with the screen.
TEST(ConfigWithinLimits, ListsLoseStrayIndexesNumbersArePulledAndKept) {
    ConfigValues v;
    v.list(ConfigList::Prog) = 9;
    v.list(ConfigList::Neutral) = -5;
    v.list(ConfigList::Cylinder) = 2;
    v.voltage = 70;
    v.stickLeft1 = 700;    // past the bar, then past the kept limit
    v.stickRight1 = 1620;  // on the bar, short of the kept limit
    v.stickLeft2 = 1360;   // kept as it is
    v.stickRight2 = 5000;
    const ConfigValues got = withinLimits(v);
    EXPECT_EQ(got.list(ConfigList::Prog), -1);
    EXPECT_EQ(got.list(ConfigList::Neutral), -1);
    EXPECT_EQ(got.list(ConfigList::Cylinder), 2);
    EXPECT_EQ(got.voltage, 55);
    EXPECT_EQ(got.stickLeft1, 896);
    EXPECT_EQ(got.stickRight1, 1632);
    EXPECT_EQ(got.stickLeft2, 1360);
    EXPECT_EQ(got.stickRight2, 2112);
    EXPECT_EQ(withinLimits(ConfigValues{}), ConfigValues{});
    EXPECT_EQ(withinLimits(got), got);
}

TEST(StickLimitHint, NamesThePositionInMicroseconds) {
    EXPECT_EQ(stickLimitHint(1136, Lang::English),
              QStringLiteral("Setting limits stick for the status ON - 1136us"));
    EXPECT_EQ(stickLimitHint(2112, Lang::Czech),
              QString::fromUtf8("Nastavení meze kniplu pro stav Zapnuto - 2112us"));
}

// ---- Voltage text ------------------------------------------------------------

TEST(VoltageText, PutsThePointAfterTheFirstDigit) {
    const struct {
        int tenths;
        const char* cz;
        const char* en;
    } cases[] = {
        {30, "Flash alarm pod 3.0 V", "Flash alarm under 3.0 V"},
        {45, "Flash alarm pod 4.5 V", "Flash alarm under 4.5 V"},
        {55, "Flash alarm pod 5.5 V", "Flash alarm under 5.5 V"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(voltageText(c.tenths, Lang::Czech), QString::fromUtf8(c.cz));
        EXPECT_EQ(voltageText(c.tenths, Lang::English), QString::fromUtf8(c.en));
    }
}

// ---- Neutral band ------------------------------------------------------------

TEST(NeutralBand, WidensAroundTheCentreAndIgnoresNoSelection) {
    EXPECT_EQ(neutralBand(0), (NeutralBand{1472, 1536}));
    EXPECT_EQ(neutralBand(1), (NeutralBand{1456, 1552}));
    EXPECT_EQ(neutralBand(2), (NeutralBand{1440, 1568}));
    EXPECT_FALSE(neutralBand(-1));
    EXPECT_FALSE(neutralBand(3));
    // The widest band fills the neutral display exactly.
    EXPECT_EQ(neutralBand(2)->start, kNeutralBarMin);
    EXPECT_EQ(neutralBand(2)->end, kNeutralBarMax);
}

// ---- List texts --------------------------------------------------------------

// Control name, item count and default: a count that differs between the
// languages would move selections on a language switch, and the defaults are
// what a missing settings key brings.
struct ListRow {
    ConfigList list;
    const char* name;
    int count;
    int defaultIndex;
};

constexpr ListRow kListRows[] = {
    {ConfigList::Prog, "cbProg", 4, 0},
    {ConfigList::Inicializace, "cbInicializace", 5, 1},
    {ConfigList::InicBlik, "cbInicBlik", 2, 1},
    {ConfigList::FailSafe, "cbFailSafe", 3, 1},
    {ConfigList::NastavVysilacem, "cbNastavVysilacem", 2, 1},
    {ConfigList::IndikacniLED, "cbIndikacniLED", 2, 1},
    {ConfigList::VoltageGuard, "cbVoltageGuard", 2, 0},
    {ConfigList::Smerovky_OnOff, "cbSmerovky_OnOff", 2, 0},
    {ConfigList::CornerSpeed, "cbCornerSpeed", 3, 1},
    {ConfigList::ProdlevaSmerovkyTime, "cbProdlevaSmerovkyTime", 4, 0},
    {ConfigList::VarovneSmerovkyTime, "cbVarovneSmerovkyTime", 4, 1},
    {ConfigList::SoundSpeed, "cbSoundSpeed", 5, 2},
    {ConfigList::EngineType, "cbEngineType", 4, 0},
    {ConfigList::Cylinder, "cbCylinder", 3, 2},
    {ConfigList::TimeOff, "cbTimeOff", 3, 0},
    {ConfigList::EngineShutDown, "cbEngineShutDown", 3, 1},
    {ConfigList::Control, "cbControl", 2, 0},
    {ConfigList::CalKnipl, "cbCalKnipl", 2, 0},
    {ConfigList::Neutral, "cbNeutral", 3, 1},
    {ConfigList::Reverse1, "cbReverse1", 2, 0},
    {ConfigList::Reverse2, "cbReverse0", 2, 0},
};

TEST(ConfigListTexts, NamesCountsAndDefaults) {
    ASSERT_EQ(allConfigLists().size(), std::size(kListRows));
    std::set<std::string> names;
    for (const ListRow& row : kListRows) {
        SCOPED_TRACE(row.name);
        EXPECT_STREQ(configItem(row.list).control, row.name);
        EXPECT_EQ(configItem(row.list).count(), row.count);
        EXPECT_EQ(configListItems(row.list, Lang::Czech).size(), row.count);
        EXPECT_EQ(configListItems(row.list, Lang::English).size(), row.count);
        EXPECT_EQ(configItem(row.list).defaultIndex, row.defaultIndex);
        names.insert(row.name);
    }
    EXPECT_EQ(names.size(), std::size(kListRows));
}

TEST(ConfigListTexts, ExactItemsIncludingQuotesAndBackticks) {
    const struct {
        ConfigList list;
        int index;
        const char* cz;
        const char* en;
    } cases[] = {
        {ConfigList::Prog, 0, "Prog. č.0 - PC", "Prog. #0 - PC"},
        {ConfigList::Prog, 3, "Prog. č.3 - Měření Ucc", "Prog. #3 - Measure Ucc"},
        {ConfigList::Inicializace, 4, "Čas inic. - zobr.akt.napětí",
         "Init. time - show act.voltage"},
        {ConfigList::FailSafe, 2, "FailSafe - HOLD", "FailSafe - HOLD"},
        {ConfigList::VoltageGuard, 0, "Nehlídat palub.napětí", "Don`t protect on-board voltage"},
        {ConfigList::VoltageGuard, 1, "Hlídat palub.napětí --->", "Protect on-board voltage --->"},
        {ConfigList::Smerovky_OnOff, 0, "\"Corner\" + směrovky", "\"Corner\" + winkers"},
        {ConfigList::Smerovky_OnOff, 1, "Pouze \"Corner\"", "\"Corner\" only"},
        {ConfigList::CornerSpeed, 1, "\"Corner\" - normal", "\"Corner\" - normal"},
        {ConfigList::EngineType, 3, "Siréna", "Siren"},
        {ConfigList::Control, 1, "Pozice neutrálu - kraj", "Neutral pos. - extreme position"},
        {ConfigList::Reverse2, 1, "Reverz - zapnut", "Reverse - ON"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(configListItems(c.list, Lang::Czech).at(c.index), QString::fromUtf8(c.cz));
        EXPECT_EQ(configListItems(c.list, Lang::English).at(c.index), QString::fromUtf8(c.en));
    }
}

}  // namespace
}  // namespace lumidor
