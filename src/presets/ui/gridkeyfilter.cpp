#include "presets/ui/gridkeyfilter.h"

#include <QCheckBox>
#include <QKeyEvent>
#include <optional>

#include "presets/gridkeys.h"
#include "presets/presetgrid.h"

namespace lumidor {
namespace {

const char* const kCellProperty = "gridCell";

std::optional<GridKey> gridKey(const QKeyEvent* event) {
    if ((event->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) {
        return std::nullopt;
    }
    switch (event->key()) {
        case Qt::Key_Left:
            return GridKey::Left;
        case Qt::Key_Right:
            return GridKey::Right;
        case Qt::Key_Up:
            return GridKey::Up;
        case Qt::Key_Down:
            return GridKey::Down;
        case Qt::Key_Home:
            return GridKey::Home;
        case Qt::Key_End:
            return GridKey::End;
        default:
            return std::nullopt;
    }
}

}  // namespace

GridKeyFilter::GridKeyFilter(QObject* parent, std::function<QCheckBox*(int)> cellBox)
    : QObject(parent), cellBox_(std::move(cellBox)) {
    for (int n : canonicalCellNumbers()) {
        if (QCheckBox* box = cellBox_(n)) {
            box->setProperty(kCellProperty, n);
            box->installEventFilter(this);
        }
    }
}

void GridKeyFilter::applyLanguage(Lang lang) {
    for (int n : canonicalCellNumbers()) {
        if (QCheckBox* box = cellBox_(n)) {
            box->setAccessibleName(cellAccessibleName(lang, n));
        }
    }
}

bool GridKeyFilter::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) {
        return false;
    }
    const auto key = gridKey(static_cast<QKeyEvent*>(event));
    if (!key) {
        return false;
    }
    const int target = gridKeyTarget(watched->property(kCellProperty).toInt(), *key);
    if (QCheckBox* box = cellBox_(target)) {
        box->setFocus(Qt::TabFocusReason);
    }
    // At the grid's edge the key is used up too: the focus stays in the grid.
    return true;
}

}  // namespace lumidor
