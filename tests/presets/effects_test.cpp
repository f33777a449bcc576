#include "presets/effects.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>

namespace lumidor {
namespace {

// The placeholder is told apart by its text ("..."), which no effect may
// carry; the separator is the one "-"; both languages keep the positions
// (the language switch keeps the number).
TEST(EffectList, ItemsInBothLanguages) {
    for (Lang lang : {Lang::Czech, Lang::English}) {
        for (int i = 0; i < kEffectCount; ++i) {
            const QString item = kEffectItems[static_cast<size_t>(i)](lang);
            EXPECT_FALSE(item.contains(QLatin1String("..."))) << i;
            EXPECT_EQ(item == QLatin1String("-"), i == kSeparatorEffect) << i;
        }
    }
    EXPECT_EQ(kEffectItems[3](Lang::Czech), QStringLiteral("Maják"));
    EXPECT_EQ(kEffectItems[12](Lang::English), QStringLiteral("Random generate"));
}

// The list's rules as a state: what shows after each step, and whether a
// change applies an effect (never the placeholder, the separator or a stray).
TEST(EffectList, ChoiceFollowsThePlaceholderRules) {
    EffectChoice c;
    EXPECT_TRUE(c.close());  // the first show brings the placeholder
    EXPECT_FALSE(c.close());
    EXPECT_TRUE(c.choose(0));
    EXPECT_FALSE(c.close());
    EXPECT_FALSE(c.choose(kSeparatorEffect));
    EXPECT_EQ(c.effect(), kSeparatorEffect);
    EXPECT_TRUE(c.close());
    EXPECT_TRUE(c.placeholderShown() && !c.effect());
    c.open();
    EXPECT_FALSE(c.placeholderShown());
    EXPECT_FALSE(c.choose(std::nullopt));
    EXPECT_FALSE(c.choose(kEffectCount));
    EXPECT_TRUE(c.placeholderShown());
    c.restore(kSeparatorEffect);
    EXPECT_EQ(c.effect(), kSeparatorEffect);
}

struct Cell {
    int output;
    int column;
};

struct EffectCase {
    int effect;
    int lit;
    int timeAxis;
    int onOff;
    std::vector<Cell> litCells;   // read off the effect pictures
    std::vector<Cell> darkCells;  // likewise
};

class StoredEffects : public ::testing::TestWithParam<EffectCase> {};

TEST_P(StoredEffects, PatternAndOptions) {
    const EffectCase& c = GetParam();
    EffectRandom random(1);
    const auto result = effectResult(c.effect, random);
    ASSERT_TRUE(result);
    EXPECT_EQ(result->grid.litCount(), c.lit);
    EXPECT_EQ(result->timeAxis, c.timeAxis);
    EXPECT_EQ(result->onOff, c.onOff);
    for (const Cell& cell : c.litCells) {
        EXPECT_TRUE(result->grid.at(cell.output, cell.column)) << cell.output << "/" << cell.column;
    }
    for (const Cell& cell : c.darkCells) {
        EXPECT_FALSE(result->grid.at(cell.output, cell.column))
            << cell.output << "/" << cell.column;
    }
    // The table holds real cells, each once.
    const auto cells = effectCells(c.effect);
    EXPECT_EQ(std::set<int>(cells.begin(), cells.end()).size(), cells.size());
    for (int n : cells) {
        EXPECT_TRUE(isCellNumber(n)) << n;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, StoredEffects,
    ::testing::Values(
        EffectCase{
            0, 60, 1, 2, {{1, 11}, {2, 3}, {3, 1}, {6, 19}, {8, 20}}, {{1, 1}, {5, 1}, {3, 3}}},
        EffectCase{1, 76, 0, 3, {{1, 20}, {4, 4}, {8, 20}, {6, 8}}, {{2, 4}, {8, 1}}},
        EffectCase{2, 47, 1, 2, {{4, 20}, {2, 2}, {8, 10}}, {{1, 11}, {8, 9}}},
        EffectCase{3, 20, 0, 2, {{1, 1}, {2, 5}, {8, 20}}, {{1, 3}, {8, 17}}},
        EffectCase{4, 80, 2, 2, {{4, 10}, {5, 11}}, {{1, 11}, {8, 10}}},
        EffectCase{5, 96, 1, 2, {{1, 2}, {4, 8}, {8, 19}}, {{1, 1}, {3, 16}}},
        EffectCase{7, 20, 3, 2, {{1, 1}, {4, 4}, {1, 20}}, {{5, 1}, {2, 1}}},
        EffectCase{8, 40, 3, 2, {{1, 1}, {2, 2}, {4, 20}}, {{1, 2}, {8, 1}}},
        EffectCase{9, 41, 3, 2, {{1, 1}, {4, 5}, {4, 19}}, {{1, 5}, {4, 20}}},
        EffectCase{10, 19, 3, 2, {{1, 1}, {3, 5}, {4, 16}}, {{4, 20}, {5, 1}}},
        EffectCase{11, 20, 3, 2, {{1, 1}, {2, 5}, {5, 1}, {8, 5}}, {{5, 2}}}));

// The beacon walks outputs 1-8 in turn, two then three columns each.
TEST(StoredEffects, BeaconWalksTheOutputsInTurn) {
    EffectRandom random(1);
    const PresetGrid g = effectResult(3, random)->grid;
    int column = 1;
    for (int output = 1; output <= kOutputs; ++output) {
        const int run = output % 2 == 1 ? 2 : 3;
        for (int c = 1; c <= kColumns; ++c) {
            EXPECT_EQ(g.at(output, c), c >= column && c < column + run) << output << "/" << c;
        }
        column += run;
    }
}

TEST(StoredEffects, SeparatorAndStrayNumbersAreNoEffect) {
    EffectRandom random(1);
    for (int effect : {kSeparatorEffect, -1, kEffectCount}) {
        EXPECT_FALSE(effectResult(effect, random)) << effect;
        EXPECT_TRUE(effectCells(effect).empty()) << effect;
    }
}

// Each cell is lit with probability one third, independently: over many
// seeded draws the total, every single cell and the pair (1, 101) that a
// reseeded second section would tie together stay within five standard
// deviations of the binomial mean.
TEST(RandomEffect, OneThirdOfTheCellsIndependently) {
    constexpr int kDraws = 900;
    std::array<int, kCellCount> perCell{};
    int total = 0;
    int pair = 0;
    EffectRandom random(20261208);
    for (int d = 0; d < kDraws; ++d) {
        const auto result = effectResult(kRandomEffect, random);
        ASSERT_TRUE(result);
        EXPECT_EQ(result->timeAxis, 3);
        EXPECT_EQ(result->onOff, 2);
        total += result->grid.litCount();
        pair += result->grid.cell(1) && result->grid.cell(101) ? 1 : 0;
        for (int n : canonicalCellNumbers()) {
            perCell[static_cast<size_t>(canonicalPosition(n))] += result->grid.cell(n) ? 1 : 0;
        }
    }
    const auto within = [](int count, double trials, double p) {
        const double mean = trials * p;
        return std::abs(count - mean) <= 5 * std::sqrt(trials * p * (1 - p));
    };
    EXPECT_TRUE(within(total, double{kDraws} * kCellCount, 1.0 / 3)) << total;
    for (size_t i = 0; i < perCell.size(); ++i) {
        EXPECT_TRUE(within(perCell[i], kDraws, 1.0 / 3)) << i << ": " << perCell[i];
    }
    EXPECT_TRUE(within(pair, kDraws, 1.0 / 9)) << pair;
}

TEST(RandomEffect, SameSeedSameGridOtherSeedOtherGrid) {
    EffectRandom a(7);
    EffectRandom b(7);
    EffectRandom c(8);
    const PresetGrid first = randomGrid(a);
    EXPECT_EQ(first, randomGrid(b));
    EXPECT_NE(first, randomGrid(c));
}

}  // namespace
}  // namespace lumidor
