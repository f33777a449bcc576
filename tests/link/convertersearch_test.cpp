#include "link/convertersearch.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "link/D2XXUnit.h"
#include "support/simenv.h"

using namespace Qt::StringLiterals;

namespace lumidor {
namespace {

const QString kNone = QStringLiteral("---");

TEST(VersionFormat, DotsAfterTheFirstAndThirdDigit) {
    const struct {
        std::uint32_t number;
        const char* text;
    } cases[] = {
        {0x21216, "2.12.16"}, {0x30215, "3.02.15"}, {0x100000, "1.00.000"},    {0, "0.00.00"},
        {0xABCDE, "A.BC.DE"}, {0x123, "0.01.23"},   {0xFFFFFFFF, "F.FF.FFFFF"}};
    for (const auto& c : cases) {
        EXPECT_EQ(formatVersion(c.number), QString::fromLatin1(c.text)) << c.text;
    }
}

class Search : public ::testing::Test {
protected:
    Search() {
        unit.setReporter([this](const Message& m) { outside.append(m); });
    }

    SearchResult run(Lang lang = Lang::English, bool visible = true) {
        busy = 0;
        SearchInput input;
        input.lang = lang;
        input.windowVisible = visible;
        input.onBusy = [this] { ++busy; };
        SearchResult r = searchConverter(unit, input);
        // The converter is always left closed.
        const D2xxStatus reopen = unit.OpenByDescription(QStringLiteral("RC_LINKUP v1.3"));
        if (reopen.ok()) {
            unit.CloseDevice();
        }
        EXPECT_NE(reopen, D2xxStatus::fromLibrary(d2xx::kDeviceNotOpened)) << "left open";
        return r;
    }

    test::SimEnv sim;
    D2XXUnit unit;
    Messages outside;  // what reached the installed reporter rather than the result
    int busy = 0;
};

// Which device the search takes and what it makes of its description.
struct FindCase {
    const char* devices;
    int index;
    const char* description;
    const char* serial;
    const char* firmware;
    const char* name;
    bool enabled;
};

class SearchFinds : public Search, public ::testing::WithParamInterface<FindCase> {};

TEST_P(SearchFinds, RecordLabelsAndButtons) {
    const FindCase c = GetParam();
    sim.set("LUMIDOR_SIM_DEVICES", c.devices);
    const SearchResult r = run();

    EXPECT_EQ(r.device.Index, c.index);
    EXPECT_EQ(r.device.Description, QString::fromLatin1(c.description));
    EXPECT_EQ(r.device.SerialNo, QString::fromLatin1(c.serial));
    EXPECT_EQ(r.device.FwVersion, QString::fromLatin1(c.firmware));
    ASSERT_TRUE(r.labels);
    EXPECT_EQ(r.labels->name, QString::fromLatin1(c.name));
    EXPECT_EQ(r.labels->serial, QString::fromLatin1(c.serial));
    EXPECT_EQ(r.labels->firmware, QString::fromLatin1(c.firmware));
    EXPECT_EQ(r.labels->chipType, QStringLiteral("FT232R"));
    EXPECT_EQ(r.labels->driver, QStringLiteral("2.12.16"));
    EXPECT_EQ(r.labels->library, QStringLiteral("3.02.15"));
    EXPECT_TRUE(r.found);
    EXPECT_EQ(r.buttonsEnabled, std::optional<bool>(c.enabled));
    EXPECT_EQ(busy, 1);
    EXPECT_TRUE(outside.isEmpty());
    if (c.enabled) {
        EXPECT_TRUE(r.messages.isEmpty());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, SearchFinds,
    ::testing::Values(
        FindCase{"RC_LINKUP v1.3|LU000001", 0, "RC_LINKUP v1.3", "LU000001", "v1.3", "RC_LINKUP",
                 true},
        // The lower index wins.
        FindCase{"Other|X1;RC_LINKUP v1.4|A1;RC_LINKUP v1.3|B1", 1, "RC_LINKUP v1.4", "A1", "v1.4",
                 "RC_LINKUP", true},
        FindCase{"XRC_LINKUP v2.0|S9", 0, "XRC_LINKUP v2.0", "S9", " v2.", "XRC_LINKU", true},
        FindCase{"RC_LINKUP|S0", 0, "RC_LINKUP", "S0", "", "RC_LINKUP", true},
        FindCase{"RC_LINKUP v1.0|S0", 0, "RC_LINKUP v1.0", "S0", "v1.0", "RC_LINKUP", false},
        FindCase{"RC_LINKUP v1.1|S0", 0, "RC_LINKUP v1.1", "S0", "v1.1", "RC_LINKUP", false},
        FindCase{"RC_LINKUP v1.2|S0", 0, "RC_LINKUP v1.2", "S0", "v1.2", "RC_LINKUP", false},
        FindCase{"RC_LINKUP V1.2|S0", 0, "RC_LINKUP V1.2", "S0", "V1.2", "RC_LINKUP", true}));

TEST_F(Search, RefusedFirmwareWarnsOnlyWhileTheWindowShows) {
    sim.set("LUMIDOR_SIM_DEVICES", "RC_LINKUP v1.2|S0");
    const SearchResult shown = run(Lang::Czech, true);
    ASSERT_EQ(shown.messages.size(), 1);
    EXPECT_EQ(shown.messages[0],
              (Message{MsgKind::Warning,
                       QStringLiteral("    Nepodporovaná verze firmware převodníku RC_LINKUP !!!"
                                      "\r\n\r\nProsím, nechte aktualizovat firmware převodníku "
                                      "na aktuální verzi.")}));
    const SearchResult hidden = run(Lang::Czech, false);
    EXPECT_TRUE(hidden.messages.isEmpty());
    EXPECT_EQ(hidden.buttonsEnabled, std::optional<bool>(false));
}

// Nothing usable: labels back to "---", buttons off, the record emptied.
TEST_F(Search, NoConverterShowsDashes) {
    const struct {
        const char* devices;
        const char* fail;
        int index;
    } cases[] = {
        {"", "", -1},
        {"Other|X1;Another|X2", "", -1},
        // Matched but cannot be opened: the index stays.
        {"Other|X1;RC_LINKUP v1.3|S1", "FT_OpenEx:3", 1},
        // The library's own 18 is not a missing library.
        {"RC_LINKUP v1.3|S1", "FT_ListDevices:18", -1},
    };
    for (const auto& c : cases) {
        sim.set("LUMIDOR_SIM_DEVICES", c.devices);
        sim.set("LUMIDOR_SIM_FAIL", c.fail);
        D2XXUnit fresh;
        const SearchResult r = searchConverter(fresh, SearchInput{});
        EXPECT_EQ(r.device.Index, c.index) << c.devices << c.fail;
        EXPECT_TRUE(r.device.Description.isEmpty());
        EXPECT_TRUE(r.device.SerialNo.isEmpty());
        EXPECT_TRUE(r.device.FwVersion.isEmpty());
        EXPECT_EQ(r.labels, std::optional<ConverterLabels>(ConverterLabels{}));
        EXPECT_EQ(r.buttonsEnabled, std::optional<bool>(false));
        EXPECT_FALSE(r.found);
        EXPECT_TRUE(r.messages.isEmpty());
    }
}

TEST_F(Search, UnpluggingReturnsToDashes) {
    ASSERT_TRUE(run().found);
    sim.set("LUMIDOR_SIM_DEVICES", "");
    const SearchResult r = run();
    EXPECT_FALSE(r.found);
    EXPECT_EQ(r.labels->name, kNone);
    EXPECT_EQ(r.buttonsEnabled, std::optional<bool>(false));
}

TEST_F(Search, SlowDescriptionIsWaitedForUpTo2000Attempts) {
    sim.set("LUMIDOR_SIM_SLOW_LISTING", "30");
    EXPECT_EQ(run().device.Index, 0);
    // Never appears within the attempts: the device is skipped.
    sim.set("LUMIDOR_SIM_SLOW_LISTING", "2000");
    EXPECT_EQ(run().device.Index, -1);
}

// Each port setting: its box after the binding's, the device closed, the
// labels kept and the buttons untouched.
TEST_F(Search, PortSettingFailureEndsTheSearch) {
    const struct {
        const char* fail;
        const char* binding;
        const char* text;
    } cases[] = {
        {"FT_SetBaudRate:7", "FT_SetBaudRate - Invalid baud rate...",
         "Failed to set communication speed to 9600Bd !!!"},
        {"FT_SetTimeouts:4", "FT_SetTimeouts - General IO error...",
         "Failed to set \"TimeOuts\" for USB communication !!!"},
        {"FT_SetDataCharacteristics:6", "FT_SetDataCharacteristics - Invalid parameter...",
         "Failed to set \"DataCharacteristic\" for USB communication !!!"},
        {"FT_SetFlowControl:18", "FT_SetFlowControl - Other error ...",
         "Failed to set \"FlowControl\" for USB communication !!!"},
    };
    for (const auto& c : cases) {
        sim.set("LUMIDOR_SIM_FAIL", c.fail);
        const SearchResult r = run();
        EXPECT_EQ(r.messages, (Messages{{MsgKind::Error, QString::fromLatin1(c.binding)},
                                        {MsgKind::Error, QString::fromLatin1(c.text)}}))
            << c.fail;
        EXPECT_FALSE(r.buttonsEnabled.has_value()) << c.fail;
        EXPECT_TRUE(r.found);
        EXPECT_EQ(r.labels->name, QStringLiteral("RC_LINKUP"));
        EXPECT_EQ(r.device.Index, 0);
    }
    sim.set("LUMIDOR_SIM_FAIL", "FT_SetBaudRate:4");
    EXPECT_EQ(run(Lang::Czech).messages.value(1).text,
              QStringLiteral("Nepodařilo se nastavit komunikační rychlost na 9600Bd !!!"));
}

TEST_F(Search, FailedSerialListingKeepsTheDescription) {
    sim.set("LUMIDOR_SIM_FAIL", "FT_ListDevices.serial:4");
    const SearchResult r = run();
    EXPECT_EQ(r.device.SerialNo, QStringLiteral("RC_LINKUP v1.3"));
    EXPECT_EQ(
        r.messages,
        (Messages{{MsgKind::Error, QStringLiteral("GetFTDeviceSerialNo - General IO error...")}}));
    EXPECT_EQ(r.buttonsEnabled, std::optional<bool>(true));
}

TEST_F(Search, VersionFailureIsReportedAndTheSearchGoesOn) {
    sim.set("LUMIDOR_SIM_FAIL", "FT_GetDriverVersion:4");
    sim.set("LUMIDOR_SIM_LIBRARY_VERSION", "0x100000");
    const SearchResult r = run();
    EXPECT_EQ(
        r.messages,
        (Messages{{MsgKind::Error, QStringLiteral("FT_GetDriverVersion - General IO error...")}}));
    EXPECT_EQ(r.labels->driver, QStringLiteral("0.00.00"));
    EXPECT_EQ(r.labels->library, QStringLiteral("1.00.000"));
    EXPECT_EQ(r.buttonsEnabled, std::optional<bool>(true));
}

// The converter gets exactly the line the switch expects.
TEST_F(Search, AppliesThePortSettingsAndCloses) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("trace.txt"));
    sim.set("LUMIDOR_SIM_TRACE", path.toLocal8Bit().constData());
    SearchInput input;
    ASSERT_TRUE(searchConverter(unit, input).found);
    sim.unset("LUMIDOR_SIM_TRACE");

    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QStringList calls =
        QString::fromLatin1(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    const QStringList tail = calls.mid(calls.size() - 5);
    EXPECT_EQ(tail, (QStringList{u"FT_SetBaudRate(9600)"_s, u"FT_SetTimeouts(3500, 1)"_s,
                                 u"FT_SetDataCharacteristics(8, 0, 0)"_s,
                                 u"FT_SetFlowControl(0, 17, 19)"_s, u"FT_Close()"_s}));
    EXPECT_TRUE(calls.contains(QStringLiteral("FT_OpenEx(RC_LINKUP v1.3, 2)")));
    EXPECT_EQ(unit.BaudRate, 9600u);
    EXPECT_EQ(unit.WordLength, 8);
}

}  // namespace
}  // namespace lumidor
