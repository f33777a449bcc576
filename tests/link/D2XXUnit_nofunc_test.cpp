// Runs against the simulator build that lacks FT_SetTimeouts, FT_GetQueueStatus
// and FT_Purge (see tests/CMakeLists.txt).
#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "link/D2XXUnit.h"
#include "link/convertersearch.h"
#include "link/d2xxswitchport.h"
#include "support/files.h"
#include "support/libraryname.h"
#include "support/search.h"
#include "support/simenv.h"
#include "transfer/frame.h"
#include "transfer/transfer.h"

namespace lumidor {
namespace {

TEST(FunctionMissing, OnlyTheMissingCallFailsAndTheSearchStopsThere) {
    D2XXUnit unit;
    Messages shown;
    unit.setReporter([&shown](const Message& m) { shown.append(m); });

    ASSERT_TRUE(unit.OpenByDescription(QStringLiteral("RC_LINKUP v1.3")).ok());
    const D2xxStatus status = unit.SetTimeouts(3500, 1);
    EXPECT_TRUE(status.isFunctionMissing());
    EXPECT_FALSE(status.isLibraryMissing());
    EXPECT_TRUE(unit.CloseDevice().ok());
    ASSERT_EQ(shown.size(), 1);
    EXPECT_EQ(shown[0].text, test::quotingLibrary(
                                 "FT_SetTimeouts - Funkce v \"libftd2xx.so\" nebyla nalezena !!!"));

    shown.clear();
    SearchInput input;
    input.lang = Lang::English;
    const SearchResult r = searchConverter(unit, input);
    EXPECT_EQ(r.device.Index, 0);
    EXPECT_TRUE(test::converterShown(r));
    EXPECT_FALSE(r.buttonsEnabled.has_value());
    ASSERT_EQ(r.messages.size(), 2);
    EXPECT_EQ(
        r.messages[0].text,
        test::quotingLibrary("FT_SetTimeouts - Funkce v \"libftd2xx.so\" nebyla nalezena !!!"));
    EXPECT_EQ(r.messages[1],
              (Message{MsgKind::Error,
                       QStringLiteral("Failed to set \"TimeOuts\" for USB communication !!!")}));
    // Closed again: it opens.
    EXPECT_TRUE(unit.OpenByDescription(QStringLiteral("RC_LINKUP v1.3")).ok());
    EXPECT_TRUE(unit.CloseDevice().ok());
    EXPECT_TRUE(shown.isEmpty());
}

// A library from before the queue and purge calls: a transfer reads as it
// always did, with one read of 50 bytes that the read timeout ends, and says
// nothing about the calls it lacks.
TEST(FunctionMissing, TransfersWithoutTheQueueAndPurgeCalls) {
    test::SimEnv sim;
    QTemporaryDir dir;
    const QString trace = dir.filePath(QStringLiteral("trace.txt"));
    sim.set("LUMIDOR_SIM_READ_TIMEOUT", "100");
    sim.set("LUMIDOR_SIM_TRACE", qPrintable(trace));
    D2XXUnit unit;
    Messages shown;
    unit.setReporter([&shown](const Message& m) { shown.append(m); });
    D2xxSwitchPort port(unit);
    const TransferOutcome out = exchangeFrame(&port, QStringLiteral("RC_LINKUP v1.3"),
                                              configurationFrame(ConfigValues{}), Lang::English);
    EXPECT_EQ(out.status, TransferStatus::Replied);
    EXPECT_EQ(out.reply, QStringLiteral("RC_LINKUP...OK"));
    EXPECT_TRUE(shown.isEmpty());
    QStringList reads;
    for (const QByteArray& line : test::readAll(trace).split('\n')) {
        if (line.startsWith("FT_Read") || line.startsWith("FT_GetQueueStatus") ||
            line.startsWith("FT_Purge")) {
            reads << QString::fromLatin1(line);
        }
    }
    EXPECT_EQ(reads, QStringList{QStringLiteral("FT_Read(50)")});
}

}  // namespace
}  // namespace lumidor
