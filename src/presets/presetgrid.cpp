#include "presets/presetgrid.h"

#include <algorithm>

namespace lumidor {

int canonicalPosition(int number) {
    if (number >= 1 && number <= 80) {
        return number - 1;
    }
    if (number >= 101 && number <= 180) {
        return 80 + number - 101;
    }
    return -1;
}

int cellNumber(int output, int column) {
    if (output < 1 || output > kOutputs || column < 1 || column > kColumns) {
        return 0;
    }
    if (output <= 4) {
        return 4 * (column - 1) + output;
    }
    return 100 + 4 * (column - 1) + (output - 4);
}

std::optional<CellPosition> cellPosition(int number) {
    const int index = canonicalPosition(number);
    if (index < 0) {
        return std::nullopt;
    }
    const int withinSection = index % 80;
    const int sectionBase = index < 80 ? 1 : 5;
    return CellPosition{sectionBase + withinSection % 4, withinSection / 4 + 1};
}

bool isCellNumber(int number) {
    return canonicalPosition(number) >= 0;
}

const std::array<int, kCellCount>& canonicalCellNumbers() {
    static const std::array<int, kCellCount> numbers = [] {
        std::array<int, kCellCount> n{};
        for (int i = 0; i < kCellCount; ++i) {
            n[static_cast<size_t>(i)] = i < 80 ? i + 1 : 101 + (i - 80);
        }
        return n;
    }();
    return numbers;
}

bool PresetGrid::cell(int number) const {
    const int index = canonicalPosition(number);
    return index >= 0 && cells_[static_cast<size_t>(index)];
}

void PresetGrid::setCell(int number, bool lit) {
    const int index = canonicalPosition(number);
    if (index >= 0) {
        cells_[static_cast<size_t>(index)] = lit;
    }
}

void PresetGrid::invert() {
    for (bool& c : cells_) {
        c = !c;
    }
}

void PresetGrid::apply(Selection selection) {
    switch (selection) {
        case Selection::Clear:
            clear();
            break;
        case Selection::Fill:
            fill();
            break;
        case Selection::Invert:
            invert();
            break;
    }
}

bool PresetGrid::anyLit() const {
    return std::any_of(cells_.begin(), cells_.end(), [](bool c) { return c; });
}

int PresetGrid::litCount() const {
    return static_cast<int>(std::count(cells_.begin(), cells_.end(), true));
}

}  // namespace lumidor
