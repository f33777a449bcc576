#pragma once

#include <QColor>
#include <QObject>
#include <array>

#include "common/bilingual.h"
#include "presets/presetgrid.h"

class QCheckBox;
class QFrame;
class QLabel;
class QSlider;
class QWidget;

namespace lumidor {

// The 8 x 20 cells of the preset editor with what stands around them: the
// track bar and time labels above, the output and section labels left, the
// arrows right, and the panels under outputs 1 and 2. Built into the editor's
// group box, whose children they are.
class GridCells : public QObject {
    Q_OBJECT
public:
    explicit GridCells(QWidget* host);

    // Only the cells that change are touched, so each repaints at most once.
    // Nothing is reported.
    void setGrid(const PresetGrid& grid);
    // Cell n (1..80, 101..180); nullptr for any other number.
    QCheckBox* cellBox(int number) const;
    QSlider* trackBar() const { return TrackBar1; }

    void applyLanguage(Lang lang);
    // The output labels as the window is created, before any language applies.
    void labelRowsAsCreated();
    void showTimeLabels(const std::array<const char*, 4>& labels);

    // Background of the panels under outputs 1 and 2.
    QColor ledPanelsColour() const;
    void setLedPanelsColour(const QColor& colour);

Q_SIGNALS:
    // The user (mouse, keyboard, drag) lit or darkened a cell.
    void cellToggled(int number, bool lit);
    // A cell toggled from the keyboard, or a press-drag-release finished.
    void edited();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildTimeScale();
    void buildPanels();
    void buildRows();

    QWidget* host_;
    QSlider* TrackBar1 = nullptr;
    std::array<QCheckBox*, kCellCount> cells_{};  // canonical order
    std::array<QFrame*, 4> panels_{};
    std::array<QLabel*, 8> rowLabels_{};
    std::array<QLabel*, 4> sectionLabels_{};
    std::array<QLabel*, 4> timeLabels_{};
    // A press on a cell starts painting: every cell the pointer passes takes
    // the state the first one took, until the button is released.
    bool painting_ = false;
    bool settingGrid_ = false;
    bool paintLit_ = false;
};

}  // namespace lumidor
