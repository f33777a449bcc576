// The simulator stands in for the vendor library in every test and in the
// simulator run; a careless caller must get a status back from it, not a crash.
#include <gtest/gtest.h>

#include "link/d2xxapi.h"
#include "support/simenv.h"

namespace lumidor::d2xx {
namespace {

template <typename Fn>
Fn function(const char* name) {
    Lookup found = Lookup::LibraryMissing;
    void* symbol = findFunction(name, found);
    EXPECT_EQ(found, Lookup::Found) << name;
    return reinterpret_cast<Fn>(symbol);
}

TEST(SimulatorArguments, NullPointersAreRefusedBeforeUse) {
    test::SimEnv env;
    // Traced calls format their buffers: the trace must not read a null one.
    env.set("LUMIDOR_SIM_TRACE", "/dev/null");
    char name[] = "RC_LINKUP v1.3";
    Handle handle = nullptr;
    ASSERT_EQ(function<OpenExFn>("FT_OpenEx")(name, kByDescription, &handle), kOk);

    Dword count = 7;
    char buffer[8] = {};
    const auto write = function<WriteFn>("FT_Write");
    const auto read = function<ReadFn>("FT_Read");
    EXPECT_EQ(write(handle, nullptr, 8, &count), kInvalidParameter);
    EXPECT_EQ(count, 0u);
    EXPECT_EQ(write(handle, buffer, 8, nullptr), kInvalidParameter);
    EXPECT_EQ(read(handle, nullptr, 8, &count), kInvalidParameter);
    EXPECT_EQ(read(handle, buffer, 8, nullptr), kInvalidParameter);
    EXPECT_EQ(write(nullptr, buffer, 8, &count), kInvalidHandle);
    const auto queue = function<GetQueueStatusFn>("FT_GetQueueStatus");
    EXPECT_EQ(queue(handle, nullptr), kInvalidParameter);
    EXPECT_EQ(queue(nullptr, &count), kInvalidHandle);
    EXPECT_EQ(function<PurgeFn>("FT_Purge")(nullptr, kPurgeRx), kInvalidHandle);
    EXPECT_EQ(function<OpenExFn>("FT_OpenEx")(nullptr, kByDescription, &handle), kInvalidParameter);
    EXPECT_EQ(function<ListDevicesFn>("FT_ListDevices")(nullptr, nullptr, kListNumberOnly),
              kInvalidParameter);
    EXPECT_EQ(function<GetLibraryVersionFn>("FT_GetLibraryVersion")(nullptr), kInvalidParameter);
    EXPECT_EQ(function<CloseFn>("FT_Close")(handle), kOk);
}

}  // namespace
}  // namespace lumidor::d2xx
