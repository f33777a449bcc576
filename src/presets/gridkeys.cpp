#include "presets/gridkeys.h"

#include <algorithm>

#include "presets/presetgrid.h"

namespace lumidor {

int gridKeyTarget(int cell, GridKey key) {
    const auto at = cellPosition(cell);
    if (!at) {
        return 0;
    }
    int output = at->output;
    int column = at->column;
    switch (key) {
        case GridKey::Left:
            column = std::max(1, column - 1);
            break;
        case GridKey::Right:
            column = std::min(kColumns, column + 1);
            break;
        case GridKey::Up:
            output = std::max(1, output - 1);
            break;
        case GridKey::Down:
            output = std::min(kOutputs, output + 1);
            break;
        case GridKey::Home:
            column = 1;
            break;
        case GridKey::End:
            column = kColumns;
            break;
    }
    return cellNumber(output, column);
}

QString cellAccessibleName(Lang lang, int cell) {
    static constexpr Bi kName{"Výstup %1, sloupec %2", "Output %1, column %2"};
    const auto at = cellPosition(cell);
    return at ? kName(lang).arg(at->output).arg(at->column) : QString();
}

}  // namespace lumidor
