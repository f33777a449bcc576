#include "presets/ui/preseteditorbox.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QIcon>
#include <QKeySequence>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QToolButton>
#include <random>
#include <utility>

#include "common/ui/listutil.h"
#include "common/ui/updown.h"
#include "presets/editortexts.h"
#include "presets/preview.h"
#include "presets/timeaxis.h"
#include "presets/ui/gridcells.h"
#include "presets/ui/gridkeyfilter.h"
#include "presets/ui/patternundo.h"

namespace lumidor {
namespace {

// Lists narrower than their longest item open wide enough to read it.
void fitDropDown(QComboBox* box) {
    box->view()->setMinimumWidth(box->view()->sizeHintForColumn(0) + 24);
}

// The buttons keep the tags the window layout gave them.
Selection selectionOfTag(int tag) {
    if (tag == 3) {
        return Selection::Invert;
    }
    return tag == 0 ? Selection::Clear : Selection::Fill;
}

inline constexpr Bi kUndoKeysHint{
    " Ctrl+Z vrátí poslední změnu, Ctrl+Shift+Z nebo Ctrl+Y ji zopakuje; tažením myší "
    "nastavíte více buněk najednou.",
    " Ctrl+Z undoes the last change, Ctrl+Shift+Z or Ctrl+Y redoes it; drag the mouse to set "
    "several cells at once."};

// The two PWM edits and their up-downs show one pair; their ranges keep it
// valid while the user steps either value. Nothing else listens to the
// up-downs, so they are set quietly.
void showPwmPair(const PwmPair& pair, QLineEdit* eMin, UpDown* udMin, QLineEdit* eMax,
                 UpDown* udMax) {
    const QSignalBlocker quietMin(udMin);
    const QSignalBlocker quietMax(udMax);
    udMin->setRange(kPwmMinLow, pair.minHighest());
    udMin->setPosition(pair.min);
    udMax->setRange(pair.maxLowest(), kPwmMaxHigh);
    udMax->setPosition(pair.max);
    eMin->setText(minPwmText(pair.min));
    eMax->setText(maxPwmText(pair.max));
}

}  // namespace

PresetEditorBox::PresetEditorBox(QWidget* parent, LangFn lang)
    : QGroupBox(parent), lang_(std::move(lang)), random_(std::random_device{}()) {
    setObjectName(QStringLiteral("GroupBox3"));
    cells_ = new GridCells(this);
    gridKeys_ = new GridKeyFilter(this, [this](int n) { return cells_->cellBox(n); });
    buildLists();
    history_ = new PatternUndo(this, [this](const EditorState& s) { restoreFromHistory(s); });
    history_->restart(state());
    // The active language is only known once the whole window exists; the
    // lists start with their Czech items so stored indexes can be selected.
    // Their popups are fitted when they open.
    const bool lazy = std::exchange(lazyPopups_, true);
    applyLanguage(Lang::Czech);
    lazyPopups_ = lazy;
    cells_->labelRowsAsCreated();
    connectControls();
    // On top of its siblings (it overlaps none) the bar's repaints need not
    // be checked against the hundreds of cells created after it.
    cells_->trackBar()->raise();
    // The column indicator only shows the preview; the keyboard passes it by.
    cells_->trackBar()->setFocusPolicy(Qt::NoFocus);
    btnOpenFile->setShortcut(QKeySequence::Open);
    btnSaveFile->setShortcut(QKeySequence::Save);
}

void PresetEditorBox::connectControls() {
    for (QToolButton* button : {btnUnselectAll, btnSelectAll, btnReverseSelect}) {
        connect(button, &QToolButton::clicked, this,
                [this, button] { BitBtnCheckBoxClick(button->property("Tag").toInt()); });
    }
    connect(cbCasovaOsa, &QComboBox::activated, this, &PresetEditorBox::cbCasovaOsaChange);
    connect(cbZapVyp, &QComboBox::activated, this, &PresetEditorBox::cbCasovaOsaChange);
    for (QComboBox* box : {cbCasovaOsa, cbZapVyp, cbPWM}) {
        connect(box, &QComboBox::activated, this, &PresetEditorBox::recordChange);
    }
    connect(cbVolbaRezimu, &QComboBox::activated, this, &PresetEditorBox::cbVolbaRezimuChange);
    connect(cbVolbaRezimu, &EffectList::droppingDown, this,
            &PresetEditorBox::cbVolbaRezimuDropDown);
    connect(cbVolbaRezimu, &EffectList::closedUp, this, &PresetEditorBox::cbVolbaRezimuCloseUp);
    connect(cbPWM, &QComboBox::activated, this, &PresetEditorBox::pwmModeChanged);
    // Selected by the user (or a user's tool): code selects with signals blocked.
    for (QComboBox* box : {cbCasovaOsa, cbZapVyp, cbPWM}) {
        connect(box, &QComboBox::currentIndexChanged, this, &PresetEditorBox::listsEdited);
    }
    connect(cells_, &GridCells::cellToggled, this, [this](int n, bool lit) {
        shown_.grid.setCell(n, lit);
        Q_EMIT presetsEdited(shown_);
    });
    connect(cells_, &GridCells::edited, this, &PresetEditorBox::recordChange);
    connect(udPwmMin, &UpDown::positionChanged, this, &PresetEditorBox::eMinPWMChange);
    connect(udPwmMax, &UpDown::positionChanged, this, &PresetEditorBox::eMaxPWMChange);
    connect(tbSim, &QSlider::valueChanged, this, &PresetEditorBox::stickMoved);
    connect(btnOpenFile, &QToolButton::clicked, this, &PresetEditorBox::openFileRequested);
    connect(btnSaveFile, &QToolButton::clicked, this, &PresetEditorBox::saveFileRequested);
    connect(BitBtn1, &QPushButton::clicked, this, &PresetEditorBox::writeRequested);
}

void PresetEditorBox::applyLanguage(Lang lang) {
    setTitle(kEditorCaption(lang));
    // The cells show this hint; it also names the undo keys and the drag.
    setStatusTip(kEditorHint(lang) + kUndoKeysHint(lang));
    cells_->applyLanguage(lang);
    gridKeys_->applyLanguage(lang);
    BitBtn1->setText(kWriteButton(lang));
    BitBtn1->setStatusTip(kWriteButtonHint(lang));
    eMinPWM->setStatusTip(kMinPwmHint(lang));
    eMaxPWM->setStatusTip(kMaxPwmHint(lang));

    cbVolbaRezimu->rebuild(lang, effects_);
    cbVolbaRezimu->setStatusTip(kEffectListHint(lang));
    rebuildList(cbCasovaOsa, timeAxisItems(lang), kTimeAxisHint(lang));
    rebuildList(cbZapVyp, onOffItems(lang), kOnOffHint(lang));
    rebuildList(cbPWM, pwmModeItems(lang), kPwmHint(lang));
    for (FittedList* box :
         {static_cast<FittedList*>(cbVolbaRezimu), cbCasovaOsa, cbZapVyp, cbPWM}) {
        if (lazyPopups_) {
            box->fitBeforeOpening(fitDropDown);
        } else {
            fitDropDown(box);
        }
    }
    btnOpenFile->setStatusTip(kOpenFileHint(lang));
    btnSaveFile->setStatusTip(kSaveFileHint(lang));
    btnReverseSelect->setStatusTip(kReverseSelectHint(lang));
    btnUnselectAll->setStatusTip(kUnselectAllHint(lang));
    btnSelectAll->setStatusTip(kSelectAllHint(lang));
    tbSim->setStatusTip(kSimHint(lang));
    // The switch shows the plain window title.
    setTitleFile({});
}

void PresetEditorBox::show(const Presets& presets) {
    shown_ = shownPresets(presets);
    cells_->setGrid(shown_.grid);
    selectIndex(cbCasovaOsa, shown_.options.timeAxis);
    selectIndex(cbZapVyp, shown_.options.onOff);
    selectIndex(cbPWM, shown_.options.pwmMode);
    showPwmPair({shown_.options.pwmMin, shown_.options.pwmMax}, eMinPWM, udPwmMin, eMaxPWM,
                udPwmMax);
}

void PresetEditorBox::showEdit(const Presets& presets) {
    show(presets);
    Q_EMIT presetsEdited(shown_);
}

void PresetEditorBox::setPresets(const Presets& presets) {
    show(presets);
    // A load starts the history afresh.
    forgetHistory();
}

void PresetEditorBox::listsEdited() {
    shown_.options.timeAxis = cbCasovaOsa->currentIndex();
    shown_.options.onOff = cbZapVyp->currentIndex();
    shown_.options.pwmMode = cbPWM->currentIndex();
    Q_EMIT presetsEdited(shown_);
}

void PresetEditorBox::forgetHistory() {
    history_->restart(state());
}

QUndoStack* PresetEditorBox::undoStack() const {
    return history_->stack();
}

void PresetEditorBox::cbCasovaOsaChange() {
    const auto axis = timeAxis(shown_.options.timeAxis);
    if (!axis) {
        return;
    }
    cells_->showTimeLabels(axis->labels);
    Q_EMIT columnDurationChanged(axis->msPerColumn);
}

void PresetEditorBox::BitBtnCheckBoxClick(int tag) {
    Q_EMIT titleResetRequested();
    titleFile_.clear();
    effects_.showPlaceholder();
    cbVolbaRezimu->display(effects_, lang_());
    Presets next = shown_;
    next.grid.apply(selectionOfTag(tag));
    showEdit(next);
    recordChange();
}

void PresetEditorBox::cbVolbaRezimuCloseUp() {
    if (effects_.close()) {
        cbVolbaRezimu->display(effects_, lang_());
    }
}

void PresetEditorBox::showPlaceholder() {
    effects_.showPlaceholder();
    cbVolbaRezimu->display(effects_, lang_());
    // An undo back to here shows it too, not the effect it replaced.
    history_->amend(state());
}

void PresetEditorBox::chooseEffect(int effect) {
    cbVolbaRezimuDropDown();
    selectIndex(cbVolbaRezimu, cbVolbaRezimu->findData(effect));
    cbVolbaRezimuChange();
}

void PresetEditorBox::setRandomSeed(unsigned seed) {
    random_.seed(seed);
}

void PresetEditorBox::cbVolbaRezimuChange() {
    if (cbVolbaRezimu->currentIndex() < 0 || !effects_.choose(cbVolbaRezimu->currentEffect())) {
        return;
    }
    const auto effect = effectResult(*effects_.effect(), random_);
    if (!effect) {
        return;
    }
    Q_EMIT titleResetRequested();
    titleFile_.clear();
    Presets next = shown_;
    next.grid = effect->grid;
    next.options.timeAxis = effect->timeAxis;
    next.options.onOff = effect->onOff;
    showEdit(next);
    cbCasovaOsaChange();
    recordChange();
}

void PresetEditorBox::cbVolbaRezimuDropDown() {
    effects_.open();
    cbVolbaRezimu->dropPlaceholder();
}

EditorState PresetEditorBox::state() const {
    return {pattern(), effects_.effect(), titleFile_};
}

void PresetEditorBox::recordChange() {
    history_->record(state());
}

void PresetEditorBox::setTitleFile(const QString& path) {
    titleFile_ = path;
    history_->amend(state());
}

void PresetEditorBox::restoreFromHistory(const EditorState& state) {
    const int pwmBefore = shown_.options.pwmMode;
    showEdit(withPattern(shown_, state.pattern));
    cbCasovaOsaChange();
    effects_.restore(state.effect);
    cbVolbaRezimu->display(effects_, lang_());
    titleFile_ = state.titleFile;
    Q_EMIT titleRestored(titleFile_);
    if (shown_.options.pwmMode != pwmBefore) {
        Q_EMIT pwmModeChanged();
    }
}

void PresetEditorBox::eMinPWMChange() {
    pwmEdited();
}

void PresetEditorBox::eMaxPWMChange() {
    pwmEdited();
}

void PresetEditorBox::pwmEdited() {
    const PwmPair pair = pwmPair(udPwmMin->position(), udPwmMax->position());
    showPwmPair(pair, eMinPWM, udPwmMin, eMaxPWM, udPwmMax);
    shown_.options.pwmMin = pair.min;
    shown_.options.pwmMax = pair.max;
    Q_EMIT presetsEdited(shown_);
}

void PresetEditorBox::showStep(int step) {
    cells_->trackBar()->setValue(step);
}

void PresetEditorBox::showPwmMode(int mode) {
    setLedPanelsColour(panelColour(mode));
    tbSim->setEnabled(stickEnabled(mode));
    if (const auto position = stickResetPosition(mode, tbSim->maximum())) {
        tbSim->setValue(*position);
    }
    setPwmLimitsEnabled(pwmLimitsEnabled(mode));
}

void PresetEditorBox::setWriteEnabled(bool enabled) {
    BitBtn1->setEnabled(enabled);
}

QColor PresetEditorBox::ledPanelsColour() const {
    return cells_->ledPanelsColour();
}

void PresetEditorBox::setLedPanelsColour(const QColor& colour) {
    cells_->setLedPanelsColour(colour);
}

void PresetEditorBox::setPwmLimitsEnabled(bool enabled) {
    eMinPWM->setEnabled(enabled);
    udPwmMin->setEnabled(enabled);
    eMaxPWM->setEnabled(enabled);
    udPwmMax->setEnabled(enabled);
}

}  // namespace lumidor
