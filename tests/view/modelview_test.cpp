#include "view/modelview.h"

#include <gtest/gtest.h>

#include <QString>
#include <set>

#include "common/mnemonic.h"

namespace lumidor {
namespace {

// Which preview LED each following lamp copies, by name: the aeroplane and
// the boat in output order, the quadcopter in pairs (one lamp on an arm of
// outputs 1-4, one on an arm of outputs 5-8, outermost lamp = lowest output).
TEST(ModelFollow, EveryLampCopiesItsOutput) {
    const std::pair<const char*, int> expected[kFollowingLamps] = {
        {"aeroLED1", 1}, {"aeroLED2", 2}, {"aeroLED3", 3}, {"aeroLED4", 4}, {"aeroLED5", 5},
        {"aeroLED6", 6}, {"aeroLED7", 7}, {"aeroLED8", 8}, {"qcLED1", 1},   {"qcLED2", 2},
        {"qcLED3", 3},   {"qcLED4", 4},   {"qcLED5", 1},   {"qcLED6", 2},   {"qcLED7", 3},
        {"qcLED8", 4},   {"qcLED9", 5},   {"qcLED10", 6},  {"qcLED11", 7},  {"qcLED12", 8},
        {"qcLED13", 5},  {"qcLED14", 6},  {"qcLED15", 7},  {"qcLED16", 8},  {"lodLED1", 1},
        {"lodLED2", 2},  {"lodLED3", 3},  {"lodLED4", 4},  {"lodLED5", 5},  {"lodLED6", 6},
        {"lodLED7", 7},  {"lodLED8", 8}};
    // One LED lit at a time: exactly the lamps of that output light up.
    for (int lit = 1; lit <= 8; ++lit) {
        LedStates leds{};
        leds[static_cast<size_t>(lit - 1)] = true;
        const auto states = followStep(leds, {true, true, true});
        for (size_t i = 0; i < kFollowingLamps; ++i) {
            SCOPED_TRACE(expected[i].first);
            ASSERT_STREQ(modelLamps()[i].name, expected[i].first);
            ASSERT_TRUE(states[i].has_value());
            EXPECT_EQ(*states[i], expected[i].second == lit);
        }
    }
}

// An unticked box leaves its model's lamps alone; the others still follow.
TEST(ModelFollow, UntickedBoxFreezesOnlyItsModel) {
    const LedStates leds{true, false, true, false, true, false, true, false};
    for (size_t off = 0; off < 3; ++off) {
        SimulationBoxes boxes{true, true, true};
        boxes[off] = false;
        const auto states = followStep(leds, boxes);
        for (size_t i = 0; i < kFollowingLamps; ++i) {
            const bool frozen = static_cast<size_t>(modelLamps()[i].model) == off;
            EXPECT_EQ(states[i].has_value(), !frozen) << modelLamps()[i].name;
        }
    }
}

TEST(ModelLamps, CarLampsFollowNothingAndOnlyIndicatorsBlink) {
    std::set<std::string> blinking;
    for (size_t i = kFollowingLamps; i < modelLamps().size(); ++i) {
        const LampSpec& lamp = modelLamps()[i];
        EXPECT_EQ(lamp.model, Model::Car);
        EXPECT_EQ(lamp.output, 0);
        ASSERT_NE(lamp.hint, nullptr);
        // The car's tips are Czech in both languages.
        EXPECT_EQ((*lamp.hint)(Lang::English), (*lamp.hint)(Lang::Czech));
        if (lamp.blinkMs > 0) {
            EXPECT_EQ(lamp.blinkMs, 400);
            blinking.insert(lamp.name);
        }
    }
    EXPECT_EQ(blinking, (std::set<std::string>{"carLED3", "carLED4", "carLED11", "carLED12"}));
}

// On the down arm each label stands level with the lamp of its own output.
TEST(ModelLamps, QuadcopterLabelsStandBesideTheirOutputsLamp) {
    for (const LabelSpec& label : modelLabels()) {
        if (label.model != Model::Quadcopter) {
            continue;
        }
        const LampSpec* beside = nullptr;
        for (const LampSpec& lamp : modelLamps()) {
            if (lamp.model == Model::Quadcopter && lamp.output == label.output &&
                lamp.left == 163) {
                beside = &lamp;
            }
        }
        ASSERT_NE(beside, nullptr) << label.name;
        EXPECT_LE(std::abs(beside->top - label.top), 2) << label.name;
    }
}

TEST(Mnemonic, MarksTheLetterThatStartsAWord) {
    const struct {
        const char* caption;
        char key;
        const char* marked;
    } cases[] = {
        {"Model letadla: ", 'l', "Model &letadla: "},  // a word start beats an earlier letter
        {"Model lodi: ", 'd', "Mo&del lodi: "},        // none starts a word: the first one
        {"Save presets", 'P', "Save &presets"},        // either case
        {"Language: ", 'x', "Language: "},             // absent: unchanged
    };
    for (const auto& c : cases) {
        const QString marked = withMnemonic(QString::fromUtf8(c.caption), QLatin1Char(c.key));
        EXPECT_EQ(marked, QString::fromUtf8(c.marked));
        EXPECT_EQ(withoutMnemonic(marked), QString::fromUtf8(c.caption));
    }
    EXPECT_EQ(mnemonicOf(QStringLiteral("Save &Presets")), QLatin1Char('p'));
    EXPECT_EQ(mnemonicOf(QStringLiteral("A && B")), QChar());
    EXPECT_EQ(withoutMnemonic(QStringLiteral("A && B")), QStringLiteral("A & B"));
}

}  // namespace
}  // namespace lumidor
