#pragma once

#include <QObject>
#include <functional>

#include "common/bilingual.h"

class QCheckBox;

namespace lumidor {

// Keyboard use of the preset grid: the arrow keys move the focus by the
// grid's geometry, Home/End to the row's ends (Space toggles, as on any box),
// and every cell carries a name a screen reader can announce.
class GridKeyFilter : public QObject {
    Q_OBJECT
public:
    // cellBox: the check box of a cell number (nullptr for other numbers).
    GridKeyFilter(QObject* parent, std::function<QCheckBox*(int)> cellBox);

    void applyLanguage(Lang lang);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::function<QCheckBox*(int)> cellBox_;
};

}  // namespace lumidor
