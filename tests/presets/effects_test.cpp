#include "presets/effects.h"

#include <gtest/gtest.h>

namespace lumidor {
namespace {

// Every rule about the effect list hangs on this one test of its text.
TEST(EffectList, PlaceholderIsRecognisedByItsThreeStops) {
    for (const char* text : {"Předvolené efekty ...", "Preset effect ...", "..."}) {
        EXPECT_TRUE(isPlaceholderText(QString::fromUtf8(text))) << text;
    }
    for (const char* text : {"", "-", "Heli", "Sine wave", "..", ". . ."}) {
        EXPECT_FALSE(isPlaceholderText(QString::fromUtf8(text))) << text;
    }
}

}  // namespace
}  // namespace lumidor
