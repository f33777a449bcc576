#include <gtest/gtest.h>

#include "link/devicepath.h"

using namespace lumidor;

namespace {

// The ids decide which registry keys are read; a path that does not have the
// expected shape must give empty ids (the key then cannot be opened).
TEST(DevicePath, SplitsAtTheHashCharacters) {
    const struct {
        const char* path;
        UsbDevicePath ids;
    } cases[] = {
        {R"(\\?\USB#VID_0403&PID_6001#LU000001#{a5dcbf10-6530-11d2-901f-00c04fb951ed})",
         {"VID_0403&PID_6001", "LU000001"}},
        // A storage stick: its instance id prefixes the storage instance key.
        {R"(\\?\USB#VID_0951&PID_1666#E0D55EA574B1F7A1C9460A4B#{a5dcbf10})",
         {"VID_0951&PID_1666", "E0D55EA574B1F7A1C9460A4B"}},
        {"", {}},
        {R"(\\?\USB-without-hash)", {}},
        {R"(\\?\USB#VID_0403&PID_6001)", {}},
        {R"(\\?\USB#VID_0403&PID_6001#LU000001)", {"VID_0403&PID_6001", ""}},
        {"##", {"", ""}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(splitDevicePath(c.path), c.ids) << c.path;
    }
}

TEST(DevicePath, MaskFollowsFileNameRulesIgnoringCase) {
    const struct {
        const char* name;
        const char* mask;
        bool matches;
    } cases[] = {
        {"E0D55EA574B1F7A1C9460A4B&0", "E0D55EA574B1F7A1C9460A4B*", true},
        {"e0d55ea574b1f7a1c9460a4b&0", "E0D55EA574B1F7A1C9460A4B*", true},
        {"E0D55EA574B1F7A1C9460A4B", "E0D55EA574B1F7A1C9460A4B*", true},
        {"F0D55EA574B1F7A1C9460A4B&0", "E0D55EA574B1F7A1C9460A4B*", false},
        {"7&2A3B&0", "*", true},
        {"", "*", true},
        {"", "?", false},
        {"AB&0", "A?&0", true},
        {"AB&0", "A?&1", false},
        {"AB", "A??", false},
        {"abcXYZdef", "ABC*DEF", true},
        {"abcdefdef", "*def", true},
        {"abcdefdeg", "*def", false},
        {"aXbXc", "a*b*c", true},
        {"ac", "a*b*c", false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(matchesMask(c.name, c.mask), c.matches) << c.name << " ~ " << c.mask;
    }
}

// Only an arrival or a completed removal of a device interface is reported.
TEST(DevicePath, OnlyInterfaceArrivalAndRemovalAreChanges) {
    EXPECT_EQ(usbChangeOf(0x8000, 5), UsbChange::Arrival);
    EXPECT_EQ(usbChangeOf(0x8004, 5), UsbChange::Removal);
    EXPECT_EQ(usbChangeOf(0x8001, 5), std::nullopt);  // query remove
    EXPECT_EQ(usbChangeOf(0x8003, 5), std::nullopt);  // remove pending
    EXPECT_EQ(usbChangeOf(0x0007, 5), std::nullopt);  // devnodes changed
    EXPECT_EQ(usbChangeOf(0x8000, 2), std::nullopt);  // a volume
    EXPECT_EQ(usbChangeOf(0x8004, 3), std::nullopt);  // a port
}

}  // namespace
