#include "link/D2XXUnit.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <cstring>

#include "support/libraryname.h"
#include "support/simenv.h"

using namespace Qt::StringLiterals;

namespace lumidor {
namespace {

// ---- The status texts the error boxes append ----

struct TextCase {
    D2xxStatus status;
    const char* text;
};

class StatusTexts : public ::testing::TestWithParam<TextCase> {};

TEST_P(StatusTexts, MatchTheTable) {
    EXPECT_EQ(statusText(GetParam().status), test::quotingLibrary(GetParam().text));
}

INSTANTIATE_TEST_SUITE_P(
    Table, StatusTexts,
    ::testing::Values(
        TextCase{D2xxStatus::fromLibrary(1), " - Invalid handle..."},
        TextCase{D2xxStatus::fromLibrary(4), " - General IO error..."},
        TextCase{D2xxStatus::fromLibrary(8), " Device not opened for erase..."},
        TextCase{D2xxStatus::fromLibrary(9), " Device not opened for write..."},
        TextCase{D2xxStatus::fromLibrary(16), " - Invalid arguments..."},
        TextCase{D2xxStatus::fromLibrary(17), " - Other error ..."},
        TextCase{D2xxStatus::libraryMissing(), " - Knihovna \"libftd2xx.so\" nebyla nalezena !!!"},
        TextCase{D2xxStatus::functionMissing(), " - Funkce v \"libftd2xx.so\" nebyla nalezena !!!"},
        // The library's own 18 and 19 are failures of its own, not a missing
        // library or function.
        TextCase{D2xxStatus::fromLibrary(18), " - Other error ..."},
        TextCase{D2xxStatus::fromLibrary(19), " - Other error ..."},
        TextCase{D2xxStatus::fromLibrary(20), ""},
        TextCase{D2xxStatus::fromLibrary(0xFFFFFFFFu), ""}));

TEST(D2xxStatus, LibraryNumbersNeverReadAsTheBindingsOwnConditions) {
    for (d2xx::Status code : {0u, 18u, 19u, 0xFFFFFFFFu}) {
        const D2xxStatus s = D2xxStatus::fromLibrary(code);
        EXPECT_FALSE(s.isLibraryMissing()) << code;
        EXPECT_FALSE(s.isFunctionMissing()) << code;
    }
    EXPECT_FALSE(D2xxStatus::libraryMissing().ok());
    EXPECT_FALSE(D2xxStatus::functionMissing().ok());
    EXPECT_NE(D2xxStatus::libraryMissing(), D2xxStatus::functionMissing());
}

// ---- The binding against the simulator ----

class Binding : public ::testing::Test {
protected:
    Binding() {
        unit.setReporter([this](const Message& m) { shown.append(m); });
    }
    ~Binding() override { unit.CloseDevice(); }

    test::SimEnv sim;
    D2XXUnit unit;
    Messages shown;
};

TEST_F(Binding, ListsTheReadyConverter) {
    ASSERT_TRUE(unit.DeviceCount().ok());
    EXPECT_EQ(unit.lastDeviceCount(), 1u);
    ASSERT_TRUE(unit.DeviceDescription(0).ok());
    EXPECT_EQ(unit.ListText, QStringLiteral("RC_LINKUP v1.3"));
    ASSERT_TRUE(unit.GetFTDeviceSerialNo(0).ok());
    EXPECT_EQ(unit.ListText, QStringLiteral("LU000001"));
    EXPECT_TRUE(shown.isEmpty());
}

TEST_F(Binding, FullFieldsWithoutNulStopAtTheFieldSize) {
    const QByteArray description(64, 'D');
    const QByteArray serial = "0123456789ABCDEF";
    sim.set("LUMIDOR_SIM_DEVICES", (description + "|" + serial).constData());
    // The open-name buffer follows the serial field; fill it so a reader
    // running past the field would pick it up.
    unit.OpenByDescription(QStringLiteral("XXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXX"));

    ASSERT_TRUE(unit.GetFTDeviceSerialNo(0).ok());
    EXPECT_EQ(unit.ListText, QString::fromLatin1(serial));
    ASSERT_TRUE(unit.DeviceDescription(0).ok());
    EXPECT_EQ(unit.ListText, QString::fromLatin1(description));
}

TEST_F(Binding, FailedListingLeavesListTextAndShowsNothing) {
    unit.ListText = QStringLiteral("kept");
    EXPECT_EQ(unit.DeviceDescription(5), D2xxStatus::fromLibrary(d2xx::kDeviceNotFound));
    EXPECT_EQ(unit.ListText, QStringLiteral("kept"));

    sim.set("LUMIDOR_SIM_FAIL", "FT_ListDevices:4");
    EXPECT_FALSE(unit.DeviceCount().ok());
    EXPECT_FALSE(unit.DeviceDescription(0).ok());
    EXPECT_EQ(unit.ListText, QStringLiteral("kept"));
    EXPECT_TRUE(shown.isEmpty());

    EXPECT_FALSE(unit.GetFTDeviceSerialNo(0).ok());
    EXPECT_EQ(unit.ListText, QStringLiteral("kept"));
    ASSERT_EQ(shown.size(), 1);
    EXPECT_EQ(shown[0], (Message{MsgKind::Error,
                                 QStringLiteral("GetFTDeviceSerialNo - General IO error...")}));
}

TEST_F(Binding, OpenNameIsCutTo49Characters) {
    const QByteArray name49(49, 'N');
    sim.set("LUMIDOR_SIM_DEVICES", (name49 + "|S1;" + QByteArray(60, 'L') + "|S2").constData());

    ASSERT_TRUE(unit.OpenByDescription(QString::fromLatin1(name49 + "TAIL")).ok());
    EXPECT_EQ(unit.openName(), name49);
    EXPECT_TRUE(unit.CloseDevice().ok());

    // A longer description can never be opened by its whole text.
    EXPECT_EQ(unit.OpenByDescription(QString(60, QLatin1Char('L'))),
              D2xxStatus::fromLibrary(d2xx::kDeviceNotFound));
    EXPECT_EQ(unit.openName().size(), 49);

    EXPECT_FALSE(unit.OpenByDescription(QString()).ok());
    EXPECT_TRUE(unit.openName().isEmpty());
    EXPECT_TRUE(shown.isEmpty());
}

TEST_F(Binding, ReportingOperationsNameThemselves) {
    ASSERT_TRUE(unit.OpenByDescription(QStringLiteral("RC_LINKUP v1.3")).ok());
    sim.set("LUMIDOR_SIM_FAIL",
            "FT_SetBaudRate:7,FT_SetDataCharacteristics:6,FT_SetFlowControl:17,"
            "FT_SetTimeouts:16,FT_GetDriverVersion:1,FT_GetLibraryVersion:25,FT_Write:10,"
            "FT_Read:4,FT_Purge:6,FT_GetQueueStatus:4");
    std::uint32_t version = 0x1234;
    unit.SetBaudRate();
    unit.SetDataCharacteristics();
    unit.SetFlowControl();
    unit.SetTimeouts(3500, 1);
    unit.DriverVersion(version);
    unit.LibraryVersion(version);
    EXPECT_EQ(unit.WriteDevice(10), 0u);
    EXPECT_EQ(unit.lastIoStatus(), D2xxStatus::fromLibrary(10));
    EXPECT_EQ(unit.ReadDevice(50), 0u);
    EXPECT_EQ(unit.lastIoStatus(), D2xxStatus::fromLibrary(4));
    EXPECT_EQ(version, 0x1234u);
    EXPECT_EQ(unit.PurgeReceive(), D2xxStatus::fromLibrary(6));
    // Silent: its caller falls back to a plain read, which reports.
    std::uint32_t queued = 9;
    EXPECT_EQ(unit.QueueStatus(queued), D2xxStatus::fromLibrary(4));
    EXPECT_EQ(queued, 0u);

    const QStringList expected{u"FT_SetBaudRate - Invalid baud rate..."_s,
                               u"FT_SetDataCharacteristics - Invalid parameter..."_s,
                               u"FT_SetFlowControl - Other error ..."_s,
                               u"FT_SetTimeouts - Invalid arguments..."_s,
                               u"FT_GetDriverVersion - Invalid handle..."_s,
                               u"FT_GetLibraryVersion"_s,
                               u"FT_Write - Failed to write..."_s,
                               u"FT_Read - General IO error..."_s,
                               u"FT_Purge - Invalid parameter..."_s};
    ASSERT_EQ(shown.size(), expected.size());
    for (int i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(shown[i], (Message{MsgKind::Error, expected[i]}));
    }
}

TEST_F(Binding, LibraryStatus18IsReportedAsAFailureOfTheLibrary) {
    ASSERT_TRUE(unit.OpenByDescription(QStringLiteral("RC_LINKUP v1.3")).ok());
    sim.set("LUMIDOR_SIM_FAIL", "FT_SetBaudRate:18");
    const D2xxStatus status = unit.SetBaudRate();
    EXPECT_FALSE(status.ok());
    EXPECT_FALSE(status.isLibraryMissing());
    EXPECT_EQ(status.libraryCode(), 18u);
    ASSERT_EQ(shown.size(), 1);
    EXPECT_EQ(shown[0].text, QStringLiteral("FT_SetBaudRate - Other error ..."));
}

TEST_F(Binding, ReportSwitchOffSilencesTheBoxes) {
    unit.reportEnabled = false;
    EXPECT_FALSE(unit.CloseDevice().ok());
    EXPECT_TRUE(shown.isEmpty());
}

// The transfer relies on the read coming back at the timeout with what has
// arrived.
TEST_F(Binding, ReadEndsAtTheTimeoutWithWhatArrived) {
    ASSERT_TRUE(unit.OpenByDescription(QStringLiteral("RC_LINKUP v1.3")).ok());
    ASSERT_TRUE(unit.SetTimeouts(80, 1).ok());
    std::memcpy(unit.OutputBuffer.data(), "x", 1);
    ASSERT_EQ(unit.WriteDevice(1), 1u);

    QElapsedTimer clock;
    clock.start();
    const std::uint32_t n = unit.ReadDevice(50);
    EXPECT_GE(clock.elapsed(), 70);
    EXPECT_LT(clock.elapsed(), 1000);
    EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(unit.InputBuffer.data()), n),
              QByteArray("Error#16\r"));
    EXPECT_TRUE(unit.lastIoStatus().ok());
    EXPECT_TRUE(unit.SetTimeouts(3500, 1).ok());
}

}  // namespace
}  // namespace lumidor
