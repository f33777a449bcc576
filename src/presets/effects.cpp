#include "presets/effects.h"

namespace lumidor {
namespace {

// The cells each stored effect lights, by cell number (1..80 outputs 1-4,
// 101..180 outputs 5-8; four outputs per column).
constexpr int kEffect0[] = {3,   7,   10,  12,  14,  16,  22,  24,  26,  28,  41,  45,
                            103, 104, 107, 108, 111, 112, 115, 116, 119, 120, 123, 124,
                            127, 128, 131, 132, 135, 136, 139, 140, 143, 144, 147, 148,
                            149, 150, 151, 152, 153, 154, 155, 156, 159, 160, 163, 164,
                            167, 168, 169, 170, 171, 172, 173, 174, 175, 176, 179, 180};
constexpr int kEffect1[] = {
    1,   2,   3,   5,   6,   7,   9,   10,  11,  13,  15,  16,  17,  19,  20,  21,  23,  24,  25,
    26,  27,  29,  30,  31,  33,  34,  35,  37,  39,  40,  41,  43,  44,  45,  47,  48,  49,  51,
    53,  55,  57,  59,  61,  63,  65,  67,  69,  71,  73,  75,  77,  79,  109, 113, 117, 122, 126,
    130, 133, 135, 137, 139, 141, 143, 146, 148, 150, 152, 154, 156, 159, 163, 167, 172, 176, 180};
constexpr int kEffect2[] = {1,  4,  5,  6,  8,  9,   12,  13,  16,  17,  18,  20,  21,  24,  25, 28,
                            29, 30, 32, 33, 36, 37,  40,  44,  48,  51,  52,  55,  56,  60,  64, 67,
                            68, 71, 72, 76, 80, 101, 106, 111, 116, 119, 122, 125, 130, 135, 140};
constexpr int kEffect3[] = {1,   5,   10,  14,  18,  23,  27,  32,  36,  40,
                            141, 145, 150, 154, 158, 163, 167, 172, 176, 180};
constexpr int kEffect4[] = {1,   2,   3,   4,   5,   6,   7,   8,   9,   10,  11,  12,  13,  14,
                            15,  16,  17,  18,  19,  20,  21,  22,  23,  24,  25,  26,  27,  28,
                            29,  30,  31,  32,  33,  34,  35,  36,  37,  38,  39,  40,  141, 142,
                            143, 144, 145, 146, 147, 148, 149, 150, 151, 152, 153, 154, 155, 156,
                            157, 158, 159, 160, 161, 162, 163, 164, 165, 166, 167, 168, 169, 170,
                            171, 172, 173, 174, 175, 176, 177, 178, 179, 180};
constexpr int kEffect5[] = {5,   9,   13,  14,  17,  18,  21,  22,  23,  25,  26,  27,  29,  30,
                            31,  32,  33,  34,  35,  36,  37,  38,  39,  40,  41,  42,  43,  44,
                            45,  46,  47,  48,  49,  50,  51,  52,  53,  54,  55,  57,  58,  59,
                            61,  62,  65,  66,  69,  73,  108, 112, 115, 116, 119, 120, 122, 123,
                            124, 126, 127, 128, 129, 130, 131, 132, 133, 134, 135, 136, 137, 138,
                            139, 140, 141, 142, 143, 144, 145, 146, 147, 148, 149, 150, 151, 152,
                            154, 155, 156, 158, 159, 160, 163, 164, 167, 168, 172, 176};
constexpr int kEffect7[] = {1,  6,  11, 16, 20, 24, 27, 30, 33, 37,
                            41, 46, 51, 56, 60, 64, 67, 70, 73, 77};
constexpr int kEffect8[] = {1,  4,  6,  7,  10, 11, 13, 16, 17, 20, 21, 24, 26, 27,
                            30, 31, 33, 36, 37, 40, 41, 44, 46, 47, 50, 51, 53, 56,
                            57, 60, 61, 64, 66, 67, 70, 71, 73, 76, 77, 80};
constexpr int kEffect9[] = {1,  2,  3,  4,  5,  9,  13, 14, 15, 16, 20, 24, 25, 26,
                            27, 28, 29, 33, 37, 38, 39, 40, 44, 48, 49, 50, 51, 52,
                            53, 57, 61, 62, 63, 64, 68, 72, 73, 74, 75, 76, 77};
constexpr int kEffect10[] = {1,  6,  11, 16, 19, 22, 25, 30, 35, 40,
                             43, 46, 49, 54, 59, 64, 67, 70, 73};
constexpr int kEffect11[] = {1,  2,  17, 18, 33,  34,  43,  44,  55,  56,
                             67, 68, 79, 80, 101, 102, 110, 111, 119, 120};

struct StoredEffect {
    std::span<const int> cells;
    int timeAxis;
    int onOff;
};

// By effect number; the separator has no entry of its own.
constexpr std::array<StoredEffect, kEffectCount> kEffects{{
    {kEffect0, 1, 2},
    {kEffect1, 0, 3},
    {kEffect2, 1, 2},
    {kEffect3, 0, 2},
    {kEffect4, 2, 2},
    {kEffect5, 1, 2},
    {{}, -1, -1},
    {kEffect7, 3, 2},
    {kEffect8, 3, 2},
    {kEffect9, 3, 2},
    {kEffect10, 3, 2},
    {kEffect11, 3, 2},
    {{}, 3, 2},  // random
}};

}  // namespace

bool EffectChoice::choose(std::optional<int> effect) {
    const bool valid = effect && *effect >= 0 && *effect < kEffectCount;
    effect_ = valid ? effect : std::nullopt;
    placeholder_ = !valid;
    return valid && *effect != kSeparatorEffect;
}

void EffectChoice::showPlaceholder() {
    effect_.reset();
    placeholder_ = true;
}

void EffectChoice::open() {
    placeholder_ = false;
}

bool EffectChoice::close() {
    if (placeholder_ || (effect_ && *effect_ != kSeparatorEffect)) {
        return false;
    }
    showPlaceholder();
    return true;
}

void EffectChoice::restore(std::optional<int> effect) {
    choose(effect);  // shown, not applied
}

std::span<const int> effectCells(int effect) {
    if (effect < 0 || effect >= kEffectCount) {
        return {};
    }
    return kEffects[static_cast<size_t>(effect)].cells;
}

PresetGrid randomGrid(EffectRandom& random) {
    // One generator for both sections: seeding each section from the clock
    // anew could give both the same draws.
    std::uniform_int_distribution<int> draw(0, 2);
    PresetGrid grid;
    for (int n : canonicalCellNumbers()) {
        grid.setCell(n, draw(random) == 0);
    }
    return grid;
}

std::optional<EffectResult> effectResult(int effect, EffectRandom& random) {
    if (effect < 0 || effect >= kEffectCount || effect == kSeparatorEffect) {
        return std::nullopt;
    }
    const StoredEffect& stored = kEffects[static_cast<size_t>(effect)];
    EffectResult result{{}, stored.timeAxis, stored.onOff};
    if (effect == kRandomEffect) {
        result.grid = randomGrid(random);
    } else {
        for (int n : stored.cells) {
            result.grid.setCell(n, true);
        }
    }
    return result;
}

}  // namespace lumidor
