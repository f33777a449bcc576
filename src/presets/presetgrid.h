#pragma once

#include <array>
#include <optional>

namespace lumidor {

constexpr int kOutputs = 8;
constexpr int kColumns = 20;
constexpr int kCellCount = kOutputs * kColumns;

// Every part of the program (settings file, preset files, frames, effects)
// addresses a cell by this number: 1..80 for outputs 1-4, 101..180 for 5-8,
// running column by column, four outputs per column.
int cellNumber(int output, int column);

struct CellPosition {
    int output;  // 1..8
    int column;  // 1..20
};
std::optional<CellPosition> cellPosition(int number);
bool isCellNumber(int number);
// Where a cell stands in the canonical order (0..159), or -1 for no cell.
int canonicalPosition(int number);

// 1..80, then 101..180: the order every whole-grid operation walks.
const std::array<int, kCellCount>& canonicalCellNumbers();

// What the selection buttons do to the whole grid.
enum class Selection { Clear, Fill, Invert };

// The 160 lit/dark cells, nothing else.
class PresetGrid {
public:
    bool cell(int number) const;
    void setCell(int number, bool lit);
    bool at(int output, int column) const { return cell(cellNumber(output, column)); }
    void set(int output, int column, bool lit) { setCell(cellNumber(output, column), lit); }

    void clear() { cells_.fill(false); }
    void fill() { cells_.fill(true); }
    void invert();
    void apply(Selection selection);
    bool anyLit() const;
    int litCount() const;

    friend bool operator==(const PresetGrid&, const PresetGrid&) = default;

private:
    // Indexed by position in the canonical order.
    std::array<bool, kCellCount> cells_{};
};

// The preset options stored and sent with the grid. List indexes are -1 when
// the list has no selection.
struct PresetOptions {
    int timeAxis = 1;  // cbCasovaOsa 0..5
    int onOff = 0;     // cbZapVyp 0..9; a settings file without the key reads 2
    int pwmMode = 0;   // cbPWM 0..5
    int pwmMin = 0;    // udPwmMin 0..90, steps of 10
    int pwmMax = 100;  // udPwmMax 10..100, steps of 10

    friend bool operator==(const PresetOptions&, const PresetOptions&) = default;
};

// What a preset file carries and an undo step restores: the grid and the
// three lists that go with it. -1 is a list without selection.
struct PatternOptions {
    int timeAxis = -1;  // cbCasovaOsa
    int onOff = -1;     // cbZapVyp
    int pwmMode = -1;   // cbPWM

    friend bool operator==(const PatternOptions&, const PatternOptions&) = default;
};

struct Pattern {
    PresetGrid grid;
    PatternOptions options;

    friend bool operator==(const Pattern&, const Pattern&) = default;
};

struct Presets {
    PresetGrid grid;
    PresetOptions options;

    friend bool operator==(const Presets&, const Presets&) = default;
};

// The part of the presets a preset file and an undo step carry.
inline Pattern patternOf(const Presets& presets) {
    const PresetOptions& o = presets.options;
    return {presets.grid, {o.timeAxis, o.onOff, o.pwmMode}};
}
// The presets with `pattern` in place; the PWM limits stay.
inline Presets withPattern(Presets presets, const Pattern& pattern) {
    presets.grid = pattern.grid;
    presets.options.timeAxis = pattern.options.timeAxis;
    presets.options.onOff = pattern.options.onOff;
    presets.options.pwmMode = pattern.options.pwmMode;
    return presets;
}

}  // namespace lumidor
