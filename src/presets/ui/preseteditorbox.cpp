#include "presets/ui/preseteditorbox.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QToolButton>
#include <QUndoStack>
#include <random>
#include <utility>

#include "common/ui/listutil.h"
#include "common/ui/updown.h"
#include "presets/editortexts.h"
#include "presets/effects.h"
#include "presets/preview.h"
#include "presets/rowtops.h"
#include "presets/timeaxis.h"
#include "presets/ui/columntrackbar.h"

namespace lumidor {
namespace {

constexpr int kGridLeft = 74;
constexpr int kColumnPitch = 22;
constexpr int kBlockGap = 5;
constexpr int kCellSize = 16;
constexpr int kBlockWidth = 5 * kColumnPitch;

int columnX(int column) {
    return kGridLeft + (column - 1) * kColumnPitch + ((column - 1) / 5) * kBlockGap;
}

QFont withPixelSize(QFont font, int pixels, bool bold = false) {
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

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

inline constexpr Bi kUndoKeysHint{
    " Ctrl+Z vrátí poslední změnu, Ctrl+Shift+Z nebo Ctrl+Y ji zopakuje; tažením myší "
    "nastavíte více buněk najednou.",
    " Ctrl+Z undoes the last change, Ctrl+Shift+Z or Ctrl+Y redoes it; drag the mouse to set "
    "several cells at once."};

// One change to the pattern. It is pushed after the change was made, so its
// first redo has nothing left to do.
class PatternStep : public QUndoCommand {
public:
    PatternStep(std::function<void(const Pattern&)> restore, Pattern before, Pattern after)
        : restore_(std::move(restore)), before_(before), after_(after) {}

    void undo() override { restore_(before_); }
    void redo() override {
        if (done_) {
            restore_(after_);
        }
        done_ = true;
    }

private:
    std::function<void(const Pattern&)> restore_;
    Pattern before_;
    Pattern after_;
    bool done_ = false;
};

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
    buildGrid();
    buildLists();
    setupHistory();
    // The active language is only known once the whole window exists; the
    // lists start with their Czech items so stored indexes can be selected.
    // Their popups are fitted when they open.
    const bool lazy = std::exchange(lazyPopups_, true);
    applyLanguage(Lang::Czech);
    lazyPopups_ = lazy;
    for (int o = 0; o < kOutputs; ++o) {
        rowLabels_[static_cast<size_t>(o)]->setText(QStringLiteral("Výstup %1:").arg(o + 1));
    }
    connectControls();
    // On top of its siblings (it overlaps none) the bar's repaints need not
    // be checked against the hundreds of cells created after it.
    TrackBar1->raise();
}

void PresetEditorBox::buildGrid() {
    TrackBar1 = new ColumnTrackBar(this);
    TrackBar1->setObjectName(QStringLiteral("TrackBar1"));
    TrackBar1->setRange(0, kColumns - 1);
    TrackBar1->setTickPosition(QSlider::TicksBelow);
    TrackBar1->setTickInterval(1);
    TrackBar1->setPageStep(1);
    TrackBar1->setStatusTip(QString::fromUtf8(kTrackBarHint));
    TrackBar1->setGeometry(columnX(1) - 3, 20, columnX(kColumns) + kCellSize - columnX(1) + 6, 26);
    // The preview moves the bar up to 40 times a second. Filling its own
    // background (the colour the window shows beneath it) keeps each move from
    // repainting the group box and the window behind it.
    TrackBar1->setAutoFillBackground(true);

    const QFont timeFont = withPixelSize(font(), 9);
    for (int i = 0; i < 4; ++i) {
        auto* label = new QLabel(this);
        label->setObjectName(QStringLiteral("lbTime%1").arg(i + 1));
        QFont f = timeFont;
        f.setLetterSpacing(QFont::PercentageSpacing, 92);
        label->setFont(f);
        label->setAlignment(Qt::AlignCenter);
        label->setGeometry(columnX(5 * i + 1) - 6, 48, kBlockWidth + 2, 14);
        timeLabels_[static_cast<size_t>(i)] = label;
    }

    // Outputs 1 and 2 lie on panels whose colour marks the rows a brightness
    // mode governs.
    for (int p = 0; p < 4; ++p) {
        auto* panel = new QFrame(this);
        panel->setObjectName(QStringLiteral("Panel%1").arg(p + 1));
        panel->setAutoFillBackground(true);
        const int firstColumn = p % 2 == 0 ? 1 : 11;
        const int left = columnX(firstColumn) - 3;
        const int right = columnX(firstColumn + 9) + kCellSize + 3;
        panel->setGeometry(left, kRowTops[static_cast<size_t>(p / 2)] + 1, right - left, 20);
        panels_[static_cast<size_t>(p)] = panel;
    }
    setLedPanelsColour(kPanelPlain);

    const QFont rowFont = withPixelSize(font(), 11, true);
    const QFont sectionFont = withPixelSize(font(), 8);
    for (int o = 1; o <= kOutputs; ++o) {
        const int top = kRowTops[static_cast<size_t>(o - 1)];
        for (int c = 1; c <= kColumns; ++c) {
            QWidget* host = this;
            int x = columnX(c);
            int y = top + 3;
            if (o <= 2) {
                QFrame* panel = panels_[static_cast<size_t>(o - 1) * 2 + (c > 10 ? 1 : 0)];
                host = panel;
                x -= panel->x();
                y -= panel->y();
            }
            const int n = cellNumber(o, c);
            auto* box = new QCheckBox(host);
            box->setObjectName(QStringLiteral("CheckBox%1").arg(n));
            box->setCursor(Qt::CrossCursor);
            box->setGeometry(x, y, kCellSize, kCellSize);
            box->installEventFilter(this);
            cells_[static_cast<size_t>(canonicalPosition(n))] = box;
        }

        auto* label = new QLabel(this);
        label->setObjectName(o <= 4 ? QStringLiteral("Label%1").arg(o)
                                    : QStringLiteral("Label%1").arg(96 + o));
        label->setFont(rowFont);
        label->setGeometry(8, top + 4, kGridLeft - 12, 14);
        rowLabels_[static_cast<size_t>(o - 1)] = label;

        auto* arrow = new QLabel(QString::fromLatin1(kArrow), this);
        arrow->setObjectName(QStringLiteral("lbSipka%1").arg(o));
        arrow->setFont(rowFont);
        arrow->setGeometry(columnX(kColumns) + kCellSize + 8, top + 4, 40, 14);

        // "Sekce" labels sit in the gap under the first and third row of each section.
        if (o % 2 == 1) {
            static const char* const kSectionNames[] = {"lbSekce12", "lbSekce34", "lbSekce56",
                                                        "lbSekce78"};
            auto* section = new QLabel(this);
            section->setObjectName(QString::fromLatin1(kSectionNames[(o - 1) / 2]));
            section->setFont(sectionFont);
            QPalette pal = section->palette();
            pal.setColor(QPalette::WindowText, QColor(0x70, 0x70, 0x70));
            section->setPalette(pal);
            section->setGeometry(8, top + 17, kGridLeft - 12, 10);
            sectionLabels_[static_cast<size_t>((o - 1) / 2)] = section;
        }
    }
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
    BitBtn1->setFont(withPixelSize(font(), 12, true));
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
    // A cell toggled from the keyboard; the mouse paints through eventFilter.
    for (QCheckBox* cell : cells_) {
        connect(cell, &QCheckBox::clicked, this, &PresetEditorBox::recordChange);
    }
    connect(udPwmMin, &UpDown::positionChanged, this, &PresetEditorBox::eMinPWMChange);
    connect(udPwmMax, &UpDown::positionChanged, this, &PresetEditorBox::eMaxPWMChange);
}

void PresetEditorBox::applyLanguage(Lang lang) {
    setTitle(kEditorCaption(lang));
    // The cells show this hint; it also names the undo keys and the drag.
    setStatusTip(kEditorHint(lang) + kUndoKeysHint(lang));
    for (int o = 1; o <= 4; ++o) {
        rowLabels_[static_cast<size_t>(o - 1)]->setText(kOutputLabel(lang).arg(o));
    }
    sectionLabels_[0]->setText(kSection1(lang));
    sectionLabels_[1]->setText(kSection1(lang));
    for (int o = 5; o <= 8; ++o) {
        rowLabels_[static_cast<size_t>(o - 1)]->setText(kOutputLabel(lang).arg(o));
    }
    sectionLabels_[2]->setText(kSection2(lang));
    sectionLabels_[3]->setText(kSection2(lang));
    BitBtn1->setText(kWriteButton(lang));
    BitBtn1->setStatusTip(kWriteButtonHint(lang));
    eMinPWM->setStatusTip(kMinPwmHint(lang));
    eMaxPWM->setStatusTip(kMaxPwmHint(lang));

    rebuildEffectList(lang);

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
}

PresetGrid PresetEditorBox::grid() const {
    PresetGrid g;
    for (int n : canonicalCellNumbers()) {
        g.setCell(n, cells_[static_cast<size_t>(canonicalPosition(n))]->isChecked());
    }
    return g;
}

void PresetEditorBox::setGrid(const PresetGrid& grid) {
    for (int n : canonicalCellNumbers()) {
        cells_[static_cast<size_t>(canonicalPosition(n))]->setChecked(grid.cell(n));
    }
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
    undo_->clear();
    recorded_ = pattern();
}

QCheckBox* PresetEditorBox::cellBox(int number) const {
    const int at = canonicalPosition(number);
    return at < 0 ? nullptr : cells_[static_cast<size_t>(at)];
}

bool PresetEditorBox::cell(int number) const {
    const QCheckBox* box = cellBox(number);
    return box != nullptr && box->isChecked();
}

void PresetEditorBox::cbCasovaOsaChange() {
    const auto axis = timeAxis(cbCasovaOsa->currentIndex());
    if (!axis) {
        return;
    }
    for (size_t i = 0; i < timeLabels_.size(); ++i) {
        timeLabels_[i]->setText(QString::fromLatin1(axis->labels[i]));
    }
    Q_EMIT columnDurationChanged(axis->msPerColumn);
}

void PresetEditorBox::BitBtnCheckBoxClick(int tag) {
    Q_EMIT titleResetRequested();
    if (!isPlaceholderText(cbVolbaRezimu->currentText())) {
        insertPlaceholder();
    }
    PresetGrid g = grid();
    g.applySelectionTag(tag);
    setGrid(g);
    recordChange();
}

void PresetEditorBox::cbVolbaRezimuCloseUp() {
    const QString shown = cbVolbaRezimu->currentText();
    if (shown.isEmpty() || shown == QStringLiteral("-")) {
        insertPlaceholder();
    }
}

void PresetEditorBox::showPlaceholder() {
    if (!isPlaceholderText(cbVolbaRezimu->currentText())) {
        insertPlaceholder();
    }
}

int PresetEditorBox::selectedEffect() const {
    const int index = cbVolbaRezimu->currentIndex();
    const bool placeholderAtHead =
        cbVolbaRezimu->count() > 0 && isPlaceholderText(cbVolbaRezimu->itemText(0));
    const int effect = placeholderAtHead ? index - 1 : index;
    return effect >= 0 && effect < kEffectCount ? effect : -1;
}

void PresetEditorBox::setRandomSeed(unsigned seed) {
    random_.seed(seed);
}

void PresetEditorBox::cbVolbaRezimuChange() {
    const QString shown = cbVolbaRezimu->currentText();
    if (isPlaceholderText(shown) || isSeparatorText(shown)) {
        return;
    }
    const auto effect = effectResult(selectedEffect(), random_);
    if (!effect) {
        return;
    }
    Q_EMIT titleResetRequested();
    // Only the cells that change are touched, so each repaints at most once.
    setGrid(effect->grid);
    selectIndex(cbCasovaOsa, effect->timeAxis);
    cbCasovaOsaChange();
    selectIndex(cbZapVyp, effect->onOff);
    recordChange();
}

void PresetEditorBox::cbVolbaRezimuDropDown() {
    if (isPlaceholderText(cbVolbaRezimu->currentText())) {
        const QSignalBlocker blocker(cbVolbaRezimu);
        cbVolbaRezimu->removeItem(0);
        cbVolbaRezimu->setCurrentIndex(-1);
    }
}

void PresetEditorBox::rebuildEffectList(Lang lang) {
    const bool placeholder = isPlaceholderText(cbVolbaRezimu->currentText());
    const int effect = selectedEffect();
    {
        const QSignalBlocker blocker(cbVolbaRezimu);
        cbVolbaRezimu->clear();
        cbVolbaRezimu->addItems(effectItems(lang));
        cbVolbaRezimu->setCurrentIndex(effect);
    }
    cbVolbaRezimu->setStatusTip(kEffectListHint(lang));
    if (placeholder) {
        const QSignalBlocker blocker(cbVolbaRezimu);
        cbVolbaRezimu->insertItem(0, kPlaceholderItem(lang));
        cbVolbaRezimu->setCurrentIndex(0);
    }
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

void PresetEditorBox::recordChange() {
    Pattern now = pattern();
    if (now == recorded_) {
        return;
    }
    undo_->push(
        new PatternStep([this](const Pattern& p) { restoreFromHistory(p); }, recorded_, now));
    recorded_ = now;
}

void PresetEditorBox::restoreFromHistory(const Pattern& pattern) {
    const int pwmBefore = cbPWM->currentIndex();
    setPattern(pattern);
    recorded_ = pattern;
    if (cbPWM->currentIndex() != pwmBefore) {
        Q_EMIT pwmModeRestored();
    }
}

void PresetEditorBox::setupHistory() {
    undo_ = new QUndoStack(this);
    QAction* undo = undo_->createUndoAction(this);
    undo->setObjectName(QStringLiteral("actUndo"));
    undo->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Z)});
    QAction* redo = undo_->createRedoAction(this);
    redo->setObjectName(QStringLiteral("actRedo"));
    redo->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    for (QAction* action : {undo, redo}) {
        action->setShortcutContext(Qt::WindowShortcut);
        addAction(action);
    }
    recorded_ = pattern();
}

bool PresetEditorBox::eventFilter(QObject* watched, QEvent* event) {
    return paintCells(watched, event) || QGroupBox::eventFilter(watched, event);
}

bool PresetEditorBox::paintCells(QObject* watched, QEvent* event) {
    auto* cell = qobject_cast<QCheckBox*>(watched);
    if (cell == nullptr) {
        return false;
    }
    switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick: {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            if (mouse->button() != Qt::LeftButton) {
                return false;
            }
            painting_ = true;
            paintLit_ = !cell->isChecked();
            cell->setChecked(paintLit_);
            if (cell->focusPolicy() & Qt::ClickFocus) {
                cell->setFocus(Qt::MouseFocusReason);
            }
            return true;
        }
        case QEvent::MouseMove: {
            if (!painting_) {
                return false;
            }
            const auto* mouse = static_cast<QMouseEvent*>(event);
            QWidget* under = childAt(mapFromGlobal(mouse->globalPosition().toPoint()));
            auto* passed = qobject_cast<QCheckBox*>(under);
            if (passed != nullptr && passed->objectName().startsWith(QLatin1String("CheckBox"))) {
                passed->setChecked(paintLit_);
            }
            return true;
        }
        case QEvent::MouseButtonRelease: {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            if (!painting_ || mouse->button() != Qt::LeftButton) {
                return false;
            }
            painting_ = false;
            recordChange();
            return true;
        }
        default:
            return false;
    }
}

void PresetEditorBox::insertPlaceholder() {
    const QSignalBlocker blocker(cbVolbaRezimu);
    cbVolbaRezimu->insertItem(0, kPlaceholderItem(lang_()));
    cbVolbaRezimu->setCurrentIndex(0);
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
    return panels_[0]->palette().color(QPalette::Window);
}

void PresetEditorBox::setLedPanelsColour(const QColor& colour) {
    for (QFrame* panel : panels_) {
        QPalette pal = panel->palette();
        if (pal.color(QPalette::Window) != colour) {
            pal.setColor(QPalette::Window, colour);
            panel->setPalette(pal);
        }
    }
}

void PresetEditorBox::setPwmLimitsEnabled(bool enabled) {
    eMinPWM->setEnabled(enabled);
    udPwmMin->setEnabled(enabled);
    eMaxPWM->setEnabled(enabled);
    udPwmMax->setEnabled(enabled);
}

}  // namespace lumidor
