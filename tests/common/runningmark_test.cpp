#include "common/runningmark.h"

#include <gtest/gtest.h>

namespace lumidor {
namespace {

// The installer asks exactly while one program holds the mark; a second
// program's mark and its end leave the first one's standing.
TEST(RunningMark, SeenWhileHeldOnlyOnWindows) {
#ifdef _WIN32
    ASSERT_FALSE(runningMarkSeen()) << "another copy of the program is running";
    {
        const RunningMark first;
        EXPECT_TRUE(first.held());
        EXPECT_TRUE(runningMarkSeen());
        {
            const RunningMark second;
            EXPECT_TRUE(second.held());
        }
        EXPECT_TRUE(runningMarkSeen());
    }
    EXPECT_FALSE(runningMarkSeen());
#else
    const RunningMark mark;
    EXPECT_FALSE(mark.held());
    EXPECT_FALSE(runningMarkSeen());
#endif
}

}  // namespace
}  // namespace lumidor
