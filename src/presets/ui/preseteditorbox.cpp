#include "presets/ui/preseteditorbox.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QIcon>
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
#include "presets/ui/patternundo.h"

namespace lumidor {
namespace {

// The caption-less buttons show a glyph from the resources (":/glyphs/<glyph>.png").
QToolButton* glyphButton(QWidget* parent, const char* name, const char* glyph, int x, int y) {
    auto* button = new QToolButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setIcon(QIcon(QStringLiteral(":/glyphs/%1.png").arg(QLatin1String(glyph))));
    button->setIconSize(QSize(24, 24));
    button->setGeometry(x, y, 32, 32);
    button->setCursor(Qt::PointingHandCursor);
    return button;
}

template <typename List = QComboBox>
List* list(QWidget* parent, const char* name, QRect geometry) {
    auto* box = new List(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setGeometry(geometry);
    return box;
}

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
}

void PresetEditorBox::buildLists() {
    cbVolbaRezimu = list<EffectList>(this, "cbVolbaRezimu", {8, 271, 236, 22});
    cbVolbaRezimu->setCursor(Qt::PointingHandCursor);
    btnOpenFile = glyphButton(this, "btnOpenFile", "open", 252, 266);
    btnSaveFile = glyphButton(this, "btnSaveFile", "save", 288, 266);
    btnUnselectAll = glyphButton(this, "btnUnselectAll", "clear", 336, 266);
    btnSelectAll = glyphButton(this, "btnSelectAll", "fill", 372, 266);
    btnReverseSelect = glyphButton(this, "btnReverseSelect", "invert", 408, 266);
    btnUnselectAll->setProperty("Tag", 0);
    btnSelectAll->setProperty("Tag", 1);
    btnReverseSelect->setProperty("Tag", 3);

    cbCasovaOsa = list<FittedList>(this, "cbCasovaOsa", {8, 306, 236, 22});
    cbZapVyp = list<FittedList>(this, "cbZapVyp", {252, 306, 332, 22});
    cbPWM = list<FittedList>(this, "cbPWM", {8, 334, 436, 22});
    cbPWM->setCursor(Qt::PointingHandCursor);

    auto pwmEdit = [this](const char* name, int x) {
        auto* edit = new QLineEdit(this);
        edit->setObjectName(QString::fromLatin1(name));
        edit->setReadOnly(true);
        edit->setCursor(Qt::SizeVerCursor);
        edit->setGeometry(x, 362, 104, 22);
        installFocusOnHover(edit);
        return edit;
    };
    auto upDown = [this](const char* name, QLineEdit* buddy, int low, int high, int position) {
        auto* ud = new UpDown(this);
        ud->setObjectName(QString::fromLatin1(name));
        ud->setCursor(Qt::SizeVerCursor);
        ud->setGeometry(buddy->geometry().right() + 1, 362, 17, 22);
        ud->setIncrement(kPwmStep);
        ud->setMinimum(low);
        ud->setMaximum(high);
        ud->setPosition(position);
        ud->setBuddy(buddy);
        return ud;
    };
    eMinPWM = pwmEdit("eMinPWM", 8);
    udPwmMin = upDown("udPwmMin", eMinPWM, kPwmMinLow, highestMinPwm(kPwmMaxHigh), kPwmMinLow);
    eMaxPWM = pwmEdit("eMaxPWM", 136);
    udPwmMax = upDown("udPwmMax", eMaxPWM, lowestMaxPwm(kPwmMinLow), kPwmMaxHigh, kPwmMaxHigh);
    eMinPWMChange();
    eMaxPWMChange();
    setPwmLimitsEnabled(false);

    tbSim = new QSlider(Qt::Horizontal, this);
    tbSim->setObjectName(QStringLiteral("tbSim"));
    tbSim->setRange(0, kStickMax);
    tbSim->setTickPosition(QSlider::NoTicks);
    tbSim->setCursor(Qt::PointingHandCursor);
    tbSim->setGeometry(272, 362, 172, 22);
    tbSim->setEnabled(false);

    BitBtn1 = new QPushButton(this);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setGeometry(452, 334, 132, 50);
    QFont writeFont = font();
    writeFont.setPixelSize(12);
    writeFont.setBold(true);
    BitBtn1->setFont(writeFont);
    BitBtn1->setCursor(Qt::PointingHandCursor);
    BitBtn1->setEnabled(false);

    cbCasovaOsa->addItems(timeAxisItems(Lang::Czech));
    cbZapVyp->addItems(onOffItems(Lang::Czech));
    cbPWM->addItems(pwmModeItems(Lang::Czech));
    selectIndex(cbCasovaOsa, 1);
    selectIndex(cbZapVyp, PresetOptions{}.onOff);
    selectIndex(cbPWM, 0);
    cbCasovaOsaChange();
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
    connect(cells_, &GridCells::edited, this, &PresetEditorBox::recordChange);
    connect(udPwmMin, &UpDown::positionChanged, this, &PresetEditorBox::eMinPWMChange);
    connect(udPwmMax, &UpDown::positionChanged, this, &PresetEditorBox::eMaxPWMChange);
}

void PresetEditorBox::applyLanguage(Lang lang) {
    setTitle(kEditorCaption(lang));
    // The cells show this hint; it also names the undo keys and the drag.
    setStatusTip(kEditorHint(lang) + kUndoKeysHint(lang));
    cells_->applyLanguage(lang);
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

PresetGrid PresetEditorBox::grid() const {
    return cells_->grid();
}

void PresetEditorBox::setGrid(const PresetGrid& grid) {
    cells_->setGrid(grid);
}

Presets PresetEditorBox::presets() const {
    Presets p;
    p.grid = grid();
    p.options.timeAxis = cbCasovaOsa->currentIndex();
    p.options.onOff = cbZapVyp->currentIndex();
    p.options.pwmMode = cbPWM->currentIndex();
    p.options.pwmMin = udPwmMin->position();
    p.options.pwmMax = udPwmMax->position();
    return p;
}

void PresetEditorBox::setPresets(const Presets& presets) {
    setGrid(presets.grid);
    selectIndex(cbCasovaOsa, presets.options.timeAxis);
    selectIndex(cbZapVyp, presets.options.onOff);
    selectIndex(cbPWM, presets.options.pwmMode);

    showPwmPair(pwmPair(presets.options.pwmMin, presets.options.pwmMax), eMinPWM, udPwmMin, eMaxPWM,
                udPwmMax);
    // A load starts the history afresh.
    forgetHistory();
}

void PresetEditorBox::forgetHistory() {
    history_->restart(state());
}

QUndoStack* PresetEditorBox::undoStack() const {
    return history_->stack();
}

QCheckBox* PresetEditorBox::cellBox(int number) const {
    return cells_->cellBox(number);
}

bool PresetEditorBox::cell(int number) const {
    const QCheckBox* box = cellBox(number);
    return box != nullptr && box->isChecked();
}

QSlider* PresetEditorBox::trackBar() const {
    return cells_->trackBar();
}

void PresetEditorBox::cbCasovaOsaChange() {
    const auto axis = timeAxis(cbCasovaOsa->currentIndex());
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
    PresetGrid g = grid();
    g.apply(selectionOfTag(tag));
    setGrid(g);
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
    setGrid(effect->grid);
    selectIndex(cbCasovaOsa, effect->timeAxis);
    cbCasovaOsaChange();
    selectIndex(cbZapVyp, effect->onOff);
    recordChange();
}

void PresetEditorBox::cbVolbaRezimuDropDown() {
    effects_.open();
    cbVolbaRezimu->dropPlaceholder();
}

Pattern PresetEditorBox::pattern() const {
    return {grid(), {cbCasovaOsa->currentIndex(), cbZapVyp->currentIndex(), cbPWM->currentIndex()}};
}

void PresetEditorBox::setPattern(const Pattern& pattern) {
    setGrid(pattern.grid);
    selectIndex(cbCasovaOsa, pattern.options.timeAxis);
    cbCasovaOsaChange();
    selectIndex(cbZapVyp, pattern.options.onOff);
    selectIndex(cbPWM, pattern.options.pwmMode);
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
    const int pwmBefore = cbPWM->currentIndex();
    setPattern(state.pattern);
    effects_.restore(state.effect);
    cbVolbaRezimu->display(effects_, lang_());
    titleFile_ = state.titleFile;
    Q_EMIT titleRestored(titleFile_);
    if (cbPWM->currentIndex() != pwmBefore) {
        Q_EMIT pwmModeRestored();
    }
}

void PresetEditorBox::eMinPWMChange() {
    showPwmPair(pwmPair(udPwmMin->position(), udPwmMax->position()), eMinPWM, udPwmMin, eMaxPWM,
                udPwmMax);
}

void PresetEditorBox::eMaxPWMChange() {
    showPwmPair(pwmPair(udPwmMin->position(), udPwmMax->position()), eMinPWM, udPwmMin, eMaxPWM,
                udPwmMax);
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
