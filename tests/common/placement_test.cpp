#include "common/placement.h"

#include <gtest/gtest.h>

namespace lumidor {
namespace {

// The main window opens in the middle of the free screen area, never with its
// title bar off the top or left edge.
TEST(CentredOrigin, CentresAndKeepsTheTitleBarOnScreen) {
    struct Case {
        QSize frame;
        QRect available;
        QPoint origin;
    };
    const Case cases[] = {
        {{964, 820}, {0, 0, 1280, 1024}, {158, 102}},
        {{964, 820}, {0, 30, 1920, 1050}, {478, 145}},     // panel along the top
        {{964, 820}, {1920, 0, 2560, 1440}, {2718, 310}},  // second screen
        {{964, 820}, {0, 0, 800, 600}, {0, 0}},            // smaller than the window
        {{964, 820}, {100, 50, 1000, 700}, {118, 50}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(centredOrigin(c.frame, c.available), c.origin) << c.available.width();
    }
}

}  // namespace
}  // namespace lumidor
