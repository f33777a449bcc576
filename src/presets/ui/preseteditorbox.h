#pragma once

#include <QColor>
#include <QGroupBox>
#include <array>

#include "common/bilingual.h"
#include "presets/effects.h"
#include "presets/presetgrid.h"
#include "presets/ui/effectlist.h"

class QCheckBox;
class QUndoStack;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QSlider;
class QToolButton;

namespace lumidor {

class UpDown;

// GroupBox3: the 8 x 20 preset grid with its time axis, the selection and
// file buttons, the effect list, the on/off and brightness lists, the MIN/MAX
// PWM edits and the write-presets button.
class PresetEditorBox : public QGroupBox {
    Q_OBJECT
public:
    PresetEditorBox(QWidget* parent, LangFn lang);

    // Relabels the group's captions, hints and lists (keeping selections).
    void applyLanguage(Lang lang);
    // Fitting the four drop-downs to their items builds their popups. From
    // this call on, applyLanguage leaves each to be fitted when it opens.
    void fitPopupsWhenOpened() { lazyPopups_ = true; }

    // The whole preset state: grid cells, time axis, on/off, brightness mode, MIN/MAX PWM.
    // Setting it selects list indexes without running their handlers (a stray
    // index leaves the list without selection) and clamps the PWM positions.
    Presets presets() const;
    // The 160 cells alone.
    PresetGrid grid() const;
    void setGrid(const PresetGrid& grid);
    void setPresets(const Presets& presets);

    // Applies the time axis: the four time labels and the column duration.
    void cbCasovaOsaChange();
    // Selection buttons: tag 0 clears, 1 fills, 3 inverts the grid.
    void BitBtnCheckBoxClick(int tag);
    // Shows the placeholder item at the head of the effect list while no
    // effect (and not the separator) is shown as chosen.
    void cbVolbaRezimuCloseUp();
    // Applies the effect shown as chosen; the placeholder and the separator
    // change nothing.
    void cbVolbaRezimuChange();
    // The list opens: the placeholder leaves it, so only effects are offered.
    void cbVolbaRezimuDropDown();
    // Puts the placeholder at the head of the effect list and selects it,
    // unless it is showing already (selection buttons, preset files).
    void showPlaceholder();
    // The effect number shown as chosen (the separator included), or -1.
    int selectedEffect() const;
    // Seeds the random effect's generator (tests); otherwise it is seeded once
    // from the system's entropy source.
    void setRandomSeed(unsigned seed);

    // The grid with its time axis, on/off and brightness lists. Setting it
    // selects the lists without their handlers, then applies the time axis.
    Pattern pattern() const;
    void setPattern(const Pattern& pattern);
    // Every change to the pattern is one undo step: the difference from the
    // last recorded pattern is recorded under one step. Nothing when equal.
    void recordChange();
    // The pattern as it is now becomes the start of a fresh history (loads).
    void forgetHistory();
    QUndoStack* undoStack() const { return undo_; }
    void eMinPWMChange();
    void eMaxPWMChange();

    QPushButton* writeButton() const { return BitBtn1; }

    // Cell n (1..80, 101..180); nullptr for any other number.
    QCheckBox* cellBox(int number) const;
    bool cell(int number) const;

    QSlider* trackBar() const { return TrackBar1; }
    QSlider* simBar() const { return tbSim; }
    QComboBox* pwmList() const { return cbPWM; }
    QComboBox* timeAxisList() const { return cbCasovaOsa; }
    QComboBox* onOffList() const { return cbZapVyp; }
    EffectList* effectList() const { return cbVolbaRezimu; }
    QToolButton* openFileButton() const { return btnOpenFile; }
    QToolButton* saveFileButton() const { return btnSaveFile; }

    // Background of the panels under outputs 1 and 2.
    QColor ledPanelsColour() const;
    void setLedPanelsColour(const QColor& colour);
    // eMinPWM, udPwmMin, eMaxPWM, udPwmMax together.
    void setPwmLimitsEnabled(bool enabled);

Q_SIGNALS:
    // The column duration in ms, for Timer1.
    void columnDurationChanged(int ms);
    // A selection button or an effect asks for the plain window title.
    void titleResetRequested();
    // Undo or redo changed cbPWM; the brightness rule must follow it.
    void pwmModeRestored();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildGrid();
    void insertPlaceholder();
    void buildLists();
    void connectControls();
    void setupHistory();
    void restoreFromHistory(const Pattern& pattern);
    void rebuildEffectList(Lang lang);
    bool paintCells(QObject* watched, QEvent* event);

    LangFn lang_;

    std::array<QCheckBox*, kCellCount> cells_{};  // canonical order
    std::array<QFrame*, 4> panels_{};
    std::array<QLabel*, 8> rowLabels_{};
    std::array<QLabel*, 4> sectionLabels_{};
    std::array<QLabel*, 4> timeLabels_{};

    QSlider* TrackBar1 = nullptr;
    EffectList* cbVolbaRezimu = nullptr;
    QToolButton* btnOpenFile = nullptr;
    QToolButton* btnSaveFile = nullptr;
    QToolButton* btnUnselectAll = nullptr;
    QToolButton* btnSelectAll = nullptr;
    QToolButton* btnReverseSelect = nullptr;
    FittedList* cbCasovaOsa = nullptr;
    FittedList* cbZapVyp = nullptr;
    FittedList* cbPWM = nullptr;
    QSlider* tbSim = nullptr;
    QLineEdit* eMinPWM = nullptr;
    UpDown* udPwmMin = nullptr;
    QLineEdit* eMaxPWM = nullptr;
    UpDown* udPwmMax = nullptr;
    QPushButton* BitBtn1 = nullptr;

    EffectRandom random_;
    QUndoStack* undo_ = nullptr;
    // The pattern as of the last undo step (or load).
    Pattern recorded_;
    // A press on a cell starts painting: every cell the pointer passes takes
    // the state the first one took, until the button is released.
    bool painting_ = false;
    bool paintLit_ = false;
    bool lazyPopups_ = false;
};

}  // namespace lumidor
