#pragma once

#include <QColor>
#include <QGroupBox>

#include "common/bilingual.h"
#include "presets/effects.h"
#include "presets/patternhistory.h"
#include "presets/presetgrid.h"
#include "presets/ui/effectlist.h"

class QCheckBox;
class QUndoStack;
class QComboBox;
class QLineEdit;
class QPushButton;
class QSlider;
class QToolButton;

namespace lumidor {

class GridCells;
class PatternUndo;
class UpDown;

// GroupBox3: the 8 x 20 preset grid with its time axis, the selection and
// file buttons, the effect list, the on/off and brightness lists, the MIN/MAX
// PWM edits and the write-presets button. The cells, the effect list and the
// history are parts of their own; this box puts them together.
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
    // Selection buttons, told apart by their tag: 0 clears, 3 inverts, any
    // other fills the grid.
    void BitBtnCheckBoxClick(int tag);
    // Shows the placeholder item at the head of the effect list while no
    // effect (and not the separator) is shown as chosen.
    void cbVolbaRezimuCloseUp();
    // Applies the effect shown as chosen; the placeholder and the separator
    // change nothing.
    void cbVolbaRezimuChange();
    // The list opens: the placeholder leaves it, so only effects are offered.
    void cbVolbaRezimuDropDown();
    // The effect list shows its placeholder: the one it holds, or a new one
    // at its head (selection buttons, preset files).
    void showPlaceholder();
    // The effect number shown as chosen (the separator included), or -1.
    int selectedEffect() const { return effects_.effect().value_or(-1); }
    // Seeds the random effect's generator (tests); otherwise it is seeded once
    // from the system's entropy source.
    void setRandomSeed(unsigned seed);

    // The grid with its time axis, on/off and brightness lists. Setting it
    // selects the lists without their handlers, then applies the time axis.
    Pattern pattern() const;
    void setPattern(const Pattern& pattern);
    // Every change to the pattern is one undo step, which also brings back
    // what the effect list and the window title showed. With the pattern
    // unchanged no step is made; the current one takes what they show now.
    void recordChange();
    // The pattern as it is now becomes the start of a fresh history (loads).
    void forgetHistory();
    QUndoStack* undoStack() const;
    // The window title names this preset file from now on (empty: none).
    void setTitleFile(const QString& path);
    void eMinPWMChange();
    void eMaxPWMChange();

    QPushButton* writeButton() const { return BitBtn1; }

    // Cell n (1..80, 101..180); nullptr for any other number.
    QCheckBox* cellBox(int number) const;
    bool cell(int number) const;

    QSlider* trackBar() const;
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
    // Undo or redo brings back the title that named `file` (empty: plain).
    void titleRestored(const QString& file);
    // Undo or redo changed cbPWM; the brightness rule must follow it.
    void pwmModeRestored();

private:
    void buildLists();
    void connectControls();
    EditorState state() const;
    void restoreFromHistory(const EditorState& state);

    LangFn lang_;

    GridCells* cells_ = nullptr;
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
    EffectChoice effects_;
    QString titleFile_;
    PatternUndo* history_ = nullptr;
    bool lazyPopups_ = false;
};

}  // namespace lumidor
