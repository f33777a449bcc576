#pragma once

#include <QColor>
#include <QGroupBox>

#include "common/bilingual.h"
#include "presets/effects.h"
#include "presets/patternhistory.h"
#include "presets/presetgrid.h"
#include "presets/ui/effectlist.h"

class QUndoStack;
class QLineEdit;
class QPushButton;
class QSlider;
class QToolButton;

namespace lumidor {

class GridCells;
class GridKeyFilter;
class PatternUndo;
class UpDown;

// GroupBox3: the 8 x 20 preset grid with its time axis, the selection and
// file buttons, the effect list, the on/off and brightness lists, the MIN/MAX
// PWM edits and the write-presets button. The cells, the effect list and the
// history are parts of their own; this box puts them together. It shows the
// presets it is given and reports each change the user makes as the new
// presets; the window keeps them.
class PresetEditorBox : public QGroupBox {
    Q_OBJECT
public:
    PresetEditorBox(QWidget* parent, LangFn lang);

    // Relabels the group's captions, hints and lists (keeping selections).
    void applyLanguage(Lang lang);
    // Fitting the four drop-downs to their items builds their popups. From
    // this call on, applyLanguage leaves each to be fitted when it opens.
    void fitPopupsWhenOpened() { lazyPopups_ = true; }

    // The presets shown: as last given, with the user's edits since.
    const Presets& presets() const { return shown_; }
    Pattern pattern() const { return patternOf(shown_); }
    // Shows the presets as shownPresets makes them: list indexes are selected
    // without their handlers and nothing is reported.
    using QGroupBox::show;
    void show(const Presets& presets);
    // A load: shows them and starts the history afresh.
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
    // Effect `effect` chosen as from the opened list, and applied.
    void chooseEffect(int effect);
    // The effect list shows its placeholder: the one it holds, or a new one
    // at its head (selection buttons, preset files). The undo step shows it too.
    void showPlaceholder();
    // The effect number shown as chosen (the separator included), or -1.
    int selectedEffect() const { return effects_.effect().value_or(-1); }
    // Seeds the random effect's generator (tests); otherwise it is seeded once
    // from the system's entropy source.
    void setRandomSeed(unsigned seed);

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

    // The column indicator shows the preview step (0..19).
    void showStep(int step);
    // What a brightness mode governs here: the panels' colour, the stick
    // simulator (enabled in modes 3-5, moved to where the mode starts it) and
    // the MIN/MAX PWM edits.
    void showPwmMode(int mode);
    void setWriteEnabled(bool enabled);
    // Background of the panels under outputs 1 and 2.
    QColor ledPanelsColour() const;
    void setLedPanelsColour(const QColor& colour);
    // eMinPWM, udPwmMin, eMaxPWM, udPwmMax together.
    void setPwmLimitsEnabled(bool enabled);

Q_SIGNALS:
    // The user changed the presets (a cell, a list, a limit, an effect, a
    // selection button, undo or redo); they are now these.
    void presetsEdited(const Presets& presets);
    // The column duration in ms, for Timer1.
    void columnDurationChanged(int ms);
    // A selection button or an effect asks for the plain window title.
    void titleResetRequested();
    // Undo or redo brings back the title that named `file` (empty: plain).
    void titleRestored(const QString& file);
    // The user chose a brightness mode, or undo or redo brought another back.
    void pwmModeChanged();
    // The stick simulator moved, by the user or to where a mode starts it.
    void stickMoved(int position);
    void openFileRequested();  // btnOpenFile, or Ctrl+O
    void saveFileRequested();  // btnSaveFile, or Ctrl+S
    void writeRequested();     // BitBtn1

private:
    void buildLists();
    void connectControls();
    void listsEdited();
    void pwmEdited();
    void showEdit(const Presets& presets);
    EditorState state() const;
    void restoreFromHistory(const EditorState& state);

    LangFn lang_;

    GridCells* cells_ = nullptr;
    GridKeyFilter* gridKeys_ = nullptr;
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

    Presets shown_;
    EffectRandom random_;
    EffectChoice effects_;
    QString titleFile_;
    PatternUndo* history_ = nullptr;
    bool lazyPopups_ = false;
};

}  // namespace lumidor
