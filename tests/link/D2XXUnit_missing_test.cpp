// Runs with a loader path that holds no vendor library (see tests/CMakeLists.txt).
#include <gtest/gtest.h>

#ifdef _WIN32
#include <windows.h>

#include <string>
#endif

#include "link/D2XXUnit.h"
#include "link/convertersearch.h"
#include "support/libraryname.h"
#include "support/search.h"

using namespace Qt::StringLiterals;

namespace lumidor {
namespace {

const QString kMissing = test::quotingLibrary(" - Knihovna \"libftd2xx.so\" nebyla nalezena !!!");

class NoLibrary : public ::testing::Test {
protected:
    NoLibrary() {
        unit.setReporter([this](const Message& m) { shown.append(m); });
    }
    D2XXUnit unit;
    Messages shown;
};

TEST_F(NoLibrary, ListingAndOpeningAreSilent) {
    unit.ListText = QStringLiteral("kept");
    EXPECT_TRUE(unit.DeviceCount().isLibraryMissing());
    EXPECT_TRUE(unit.DeviceDescription(0).isLibraryMissing());
    EXPECT_TRUE(unit.OpenByDescription(QStringLiteral("RC_LINKUP v1.3")).isLibraryMissing());
    EXPECT_EQ(unit.ListText, QStringLiteral("kept"));
    EXPECT_EQ(unit.lastDeviceCount(), 0u);
    EXPECT_TRUE(shown.isEmpty());
}

TEST_F(NoLibrary, CloseShowsOneBoxNamingFtClose) {
    EXPECT_TRUE(unit.CloseDevice().isLibraryMissing());
    ASSERT_EQ(shown.size(), 1);
    EXPECT_EQ(shown[0], (Message{MsgKind::Error, QStringLiteral("FT_Close") + kMissing}));
}

TEST_F(NoLibrary, EveryReportingOperationNamesItself) {
    std::uint32_t version = 7;
    EXPECT_TRUE(unit.GetFTDeviceSerialNo(0).isLibraryMissing());
    EXPECT_TRUE(unit.SetBaudRate().isLibraryMissing());
    EXPECT_TRUE(unit.SetDataCharacteristics().isLibraryMissing());
    EXPECT_TRUE(unit.SetFlowControl().isLibraryMissing());
    EXPECT_TRUE(unit.SetTimeouts(3500, 1).isLibraryMissing());
    EXPECT_TRUE(unit.DriverVersion(version).isLibraryMissing());
    EXPECT_TRUE(unit.LibraryVersion(version).isLibraryMissing());
    EXPECT_EQ(unit.WriteDevice(50), 0u);
    EXPECT_EQ(unit.ReadDevice(50), 0u);
    EXPECT_TRUE(unit.lastIoStatus().isLibraryMissing());
    EXPECT_EQ(version, 7u);
    EXPECT_TRUE(unit.PurgeReceive().isLibraryMissing());
    std::uint32_t queued = 7;
    EXPECT_TRUE(unit.QueueStatus(queued).isLibraryMissing());  // silent
    EXPECT_EQ(queued, 0u);

    const QStringList names{u"GetFTDeviceSerialNo"_s,
                            u"FT_SetBaudRate"_s,
                            u"FT_SetDataCharacteristics"_s,
                            u"FT_SetFlowControl"_s,
                            u"FT_SetTimeouts"_s,
                            u"FT_GetDriverVersion"_s,
                            u"FT_GetLibraryVersion"_s,
                            u"FT_Write"_s,
                            u"FT_Read"_s,
                            u"FT_Purge"_s};
    ASSERT_EQ(shown.size(), names.size());
    for (int i = 0; i < names.size(); ++i) {
        EXPECT_EQ(shown[i], (Message{MsgKind::Error, names[i] + kMissing}));
    }
}

// Only the record's index changes: no labels, no buttons, no cursor, no box.
TEST_F(NoLibrary, SearchStopsAtOnce) {
    int busy = 0;
    SearchInput input;
    input.onBusy = [&busy] { ++busy; };
    TUsbDevices previous;
    previous.Index = 0;
    previous.Description = QStringLiteral("RC_LINKUP v1.3");
    previous.SerialNo = QStringLiteral("LU000001");
    previous.FwVersion = QStringLiteral("v1.3");
    const SearchResult r = searchConverter(unit, input, previous);
    EXPECT_EQ(r.device.Index, TUsbDevices::kLibraryMissing);
    EXPECT_EQ(r.device.Description, previous.Description);
    EXPECT_EQ(r.device.SerialNo, previous.SerialNo);
    EXPECT_EQ(r.device.FwVersion, previous.FwVersion);
    EXPECT_FALSE(r.labels.has_value());
    EXPECT_FALSE(r.buttonsEnabled.has_value());
    EXPECT_TRUE(r.messages.isEmpty());
    EXPECT_FALSE(test::converterShown(r));
    EXPECT_EQ(busy, 0);
    EXPECT_TRUE(shown.isEmpty());
}

#ifdef _WIN32
// A library planted where a careless loader looks, the current folder and
// PATH, is never loaded: only the program's folder and the system's count.
TEST_F(NoLibrary, StrayLibraryInCurrentFolderOrOnPathIsNotLoaded) {
    std::wstring stray(MAX_PATH, L'\0');
    stray.resize(GetModuleFileNameW(nullptr, stray.data(), MAX_PATH));
    stray = stray.substr(0, stray.find_last_of(L"\\/")) + L"\\stray";
    std::wstring folder(MAX_PATH, L'\0');
    folder.resize(GetCurrentDirectoryW(MAX_PATH, folder.data()));
    std::wstring path(32767, L'\0');
    path.resize(GetEnvironmentVariableW(L"PATH", path.data(), 32767));
    ASSERT_TRUE(SetCurrentDirectoryW(stray.c_str()));
    ASSERT_TRUE(SetEnvironmentVariableW(L"PATH", (stray + L";" + path).c_str()));

    EXPECT_TRUE(unit.OpenByDescription(QStringLiteral("RC_LINKUP v1.3")).isLibraryMissing());
    // The plain search order does find the stray copy, so the line above means something.
    HMODULE careless = LoadLibraryW(L"ftd2xx.dll");
    EXPECT_NE(careless, nullptr);
    if (careless != nullptr) {
        FreeLibrary(careless);
    }
    SetEnvironmentVariableW(L"PATH", path.c_str());
    SetCurrentDirectoryW(folder.c_str());
}
#endif

}  // namespace
}  // namespace lumidor
