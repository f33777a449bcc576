// Runs against the simulator build that lacks FT_SetTimeouts (see tests/CMakeLists.txt).
#include <gtest/gtest.h>

#include "link/D2XXUnit.h"
#include "link/convertersearch.h"
#include "support/libraryname.h"
#include "support/search.h"

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

}  // namespace
}  // namespace lumidor
