#include "settings/ui/configpanelbox.h"

#include <QApplication>
#include <QComboBox>
#include <QFrame>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QStyle>

#include "common/ui/fittedlist.h"
#include "common/ui/listutil.h"
#include "common/ui/pictures.h"
#include "common/ui/textfit.h"
#include "common/ui/updown.h"
#include "settings/configpanel.h"
#include "settings/ui/configwidgets.h"

namespace lumidor {
namespace {

// Four list columns; every list has the same width.
constexpr int kColumnX[] = {9, 154, 299, 444};
constexpr int kListWidth = 138;
constexpr int kListHeight = 22;
constexpr int kCentreX = 227;  // a list centred in the 592-pixel panel

// Row tops, top to bottom: lists, separators, then the stick area.
constexpr int kRow1 = 22;
constexpr int kRow2 = 50;
constexpr int kSeparator1 = 80;
constexpr int kRow3 = 88;
constexpr int kSeparator2 = 118;
constexpr int kRow4 = 126;
constexpr int kRow5 = 154;
constexpr int kSeparator3 = 184;
constexpr int kRowInputs = 192;
constexpr int kRowCalibration = 224;
constexpr int kRowBars = 254;
constexpr int kRowScale = 286;
constexpr int kRowNeutral = 290;
constexpr int kRowBottom = 334;

// Each input's three bars picture one stick axis from 800 to 2200 us; the
// halves leave the centre column free for the lists between them.
constexpr int kHalfX[] = {9, 371};
constexpr int kHalfWidth = 212;
constexpr int kLimitBarWidth = 90;
constexpr int kBarHeight = 30;

constexpr int kListFontPixels = 10;
constexpr int kPictureWidth = 69;
constexpr int kPictureHeight = 25;

// "Don`t protect on-board voltage" needs more than a column even condensed;
// the indicator list beside it has only short items to lend it the room.
// "Neutral pos. - extreme position" takes the empty fourth column's.
constexpr int kVoltageGuardExtra = 16;
constexpr int kControlWidth = 160;

struct ListPlace {
    ConfigList list;
    int x;
    int y;
    int width = kListWidth;
};

constexpr ListPlace kListPlaces[] = {
    {ConfigList::Prog, kColumnX[0], kRow1},
    {ConfigList::Inicializace, kColumnX[1], kRow1},
    {ConfigList::InicBlik, kColumnX[2], kRow1},
    {ConfigList::FailSafe, kColumnX[3], kRow1},
    {ConfigList::NastavVysilacem, kColumnX[0], kRow2},
    {ConfigList::IndikacniLED, kColumnX[1], kRow2, kListWidth - kVoltageGuardExtra},
    {ConfigList::VoltageGuard, kColumnX[2] - kVoltageGuardExtra, kRow2,
     kListWidth + kVoltageGuardExtra},
    {ConfigList::Smerovky_OnOff, kColumnX[0], kRow3},
    {ConfigList::CornerSpeed, kColumnX[1], kRow3},
    {ConfigList::ProdlevaSmerovkyTime, kColumnX[2], kRow3},
    {ConfigList::VarovneSmerovkyTime, kColumnX[3], kRow3},
    {ConfigList::SoundSpeed, kColumnX[0], kRow4},
    {ConfigList::EngineType, kColumnX[1], kRow4},
    {ConfigList::Cylinder, kColumnX[2], kRow4},
    {ConfigList::TimeOff, kColumnX[0], kRow5},
    {ConfigList::EngineShutDown, kColumnX[1], kRow5},
    {ConfigList::Control, kColumnX[2], kRow5, kControlWidth},
    {ConfigList::CalKnipl, kCentreX, kRowCalibration},
    {ConfigList::Neutral, kCentreX, kRowNeutral},
    {ConfigList::Reverse1, kColumnX[0], kRowBottom + 4},
    {ConfigList::Reverse0, kColumnX[3], kRowBottom + 4},
};

// Relabelling order of the lists; the voltage hint and text go after the
// first group, the input captions after the second.
constexpr ConfigList kRelabelFirst[] = {
    ConfigList::Prog,     ConfigList::Inicializace,    ConfigList::InicBlik,
    ConfigList::FailSafe, ConfigList::NastavVysilacem, ConfigList::Reverse1,
    ConfigList::Reverse0, ConfigList::VoltageGuard,
};
constexpr ConfigList kRelabelSecond[] = {
    ConfigList::IndikacniLED,         ConfigList::Smerovky_OnOff,      ConfigList::CornerSpeed,
    ConfigList::ProdlevaSmerovkyTime, ConfigList::VarovneSmerovkyTime, ConfigList::CalKnipl,
};
constexpr ConfigList kRelabelThird[] = {
    ConfigList::Neutral, ConfigList::SoundSpeed,     ConfigList::EngineType, ConfigList::Cylinder,
    ConfigList::TimeOff, ConfigList::EngineShutDown, ConfigList::Control,
};

constexpr ConfigList kCarLightLists[] = {ConfigList::Smerovky_OnOff, ConfigList::CornerSpeed,
                                         ConfigList::ProdlevaSmerovkyTime,
                                         ConfigList::VarovneSmerovkyTime};
constexpr ConfigList kSoundBaseLists[] = {ConfigList::SoundSpeed, ConfigList::EngineType};
constexpr ConfigList kEngineDetailLists[] = {ConfigList::Cylinder, ConfigList::TimeOff,
                                             ConfigList::EngineShutDown, ConfigList::Control};

// The longest items (and the threshold text) must fit the 138-pixel lists;
// those that do not take the condensed face when the language is applied
// (fitFont), so no list is ever shown in a face of its own before that.
QFont listFont() {
    QFont f = QApplication::font();
    if (f.pixelSize() > kListFontPixels) {
        f.setPixelSize(kListFontPixels);
    }
    return f;
}

}  // namespace

ConfigPanelBox::ConfigPanelBox(QWidget* parent, LangFn lang)
    : QGroupBox(parent), lang_(std::move(lang)) {
    setObjectName(QStringLiteral("GroupBox4"));
    createLists();
    createVoltage();
    createSeparators();
    createStickArea();

    BitBtn6 = new QPushButton(this);
    BitBtn6->setObjectName(QStringLiteral("BitBtn6"));
    // The save glyph of the preset editor's file button, from the resources:
    // asking the desktop's icon theme for one cost more than the rest of the
    // panel together.
    BitBtn6->setIcon(QIcon(QStringLiteral(":/glyphs/save.png")));
    BitBtn6->setGeometry(kCentreX - 11, kRowBottom, kListWidth + 22, 32);
    BitBtn6->setEnabled(false);  // until a supported converter is found

    // The lists hold their Czech items before the first show, so that stored
    // indexes can be selected; the language in force is not known yet here.
    relabel(Lang::Czech);
    for (ConfigList l : allConfigLists()) {
        selectIndex(list(l), configListDefault(l));
    }
    for (QSlider* bar : {tbLeft1, tbRight1, tbLeft0, tbRight0}) {
        keepStickLimit(bar, Lang::Czech);
    }
    applyEnabling(true, true, true, true);
    connectConfigPanel();
}

void ConfigPanelBox::createLists() {
    for (const ListPlace& place : kListPlaces) {
        auto* box = new FontedList(listFont(), this);
        box->setObjectName(QString::fromLatin1(configListText(place.list).name));
        box->setEditable(false);
        box->setCursor(Qt::PointingHandCursor);
        box->setGeometry(place.x, place.y, place.width, kListHeight);
        box->setMaxVisibleItems(10);
        lists_[static_cast<size_t>(place.list)] = box;
    }
}

void ConfigPanelBox::createVoltage() {
    constexpr int kUpDownWidth = 17;
    eVoltage = new QLineEdit(this);
    eVoltage->setObjectName(QStringLiteral("eVoltage"));
    eVoltage->setReadOnly(true);
    eVoltage->setFont(listFont());
    eVoltage->setCursor(Qt::SizeVerCursor);
    eVoltage->setGeometry(kColumnX[3], kRow2, kListWidth - kUpDownWidth, kListHeight);
    installFocusOnHover(eVoltage);

    UpDown1 = new UpDown(this);
    UpDown1->setObjectName(QStringLiteral("UpDown1"));
    UpDown1->setRange(kVoltageMin, kVoltageMax);
    UpDown1->setPosition(ConfigValues{}.voltage);
    UpDown1->setGeometry(kColumnX[3] + kListWidth - kUpDownWidth, kRow2, kUpDownWidth, kListHeight);
    UpDown1->setBuddy(eVoltage);
}

void ConfigPanelBox::createSeparators() {
    int n = 1;
    for (int y : {kSeparator1, kSeparator2, kSeparator3}) {
        auto* line = new QFrame(this);
        line->setObjectName(QStringLiteral("Bevel%1").arg(n++));
        line->setFrameShape(QFrame::HLine);
        line->setFrameShadow(QFrame::Sunken);
        line->setGeometry(kColumnX[0], y - 1, kColumnX[3] + kListWidth - kColumnX[0], 3);
    }
}

void ConfigPanelBox::createStickArea() {
    const ConfigValues defaults;
    // A receiver lead (three wires into a plug) after each input label, telling
    // which receiver channel the controls below belong to.
    const QPixmap lead = resourcePixmap(QStringLiteral(":/pictures/receiver-lead.png"), this);
    QFont bold = font();
    bold.setBold(true);

    const auto makeLimitBar = [this](const char* name, int min, int max, int value) {
        auto* bar = new QSlider(Qt::Horizontal, this);
        bar->setObjectName(QString::fromLatin1(name));
        bar->setRange(min, max);
        bar->setTickPosition(QSlider::TicksBelow);
        bar->setTickInterval(100);
        bar->setSingleStep(1);
        bar->setPageStep(32);  // one step of the switch's limit encoding
        bar->setCursor(Qt::PointingHandCursor);
        bar->setValue(value);
        return bar;
    };

    for (int half = 0; half < 2; ++half) {
        const int x = kHalfX[half];
        const bool first = half == 0;
        const QString suffix = first ? QStringLiteral("in1") : QStringLiteral("in2");

        auto* caption = new QLabel(this);
        caption->setObjectName(first ? QStringLiteral("lbInput1") : QStringLiteral("lbInput2"));
        caption->setFont(bold);
        caption->setGeometry(x, kRowInputs, 100, kPictureHeight);
        auto* picture = new QLabel(this);
        picture->setObjectName(first ? QStringLiteral("imgInput1") : QStringLiteral("imgInput2"));
        picture->setPixmap(lead);
        picture->setGeometry(x + 102, kRowInputs, kPictureWidth, kPictureHeight);
        (first ? lbInput1 : lbInput2) = caption;

        QSlider* left = makeLimitBar(first ? "tbLeft1" : "tbLeft0", kLeftBarMin, kLeftBarMax,
                                     first ? defaults.stickLeft1 : defaults.stickLeft0);
        QSlider* right = makeLimitBar(first ? "tbRight1" : "tbRight0", kRightBarMin, kRightBarMax,
                                      first ? defaults.stickRight1 : defaults.stickRight0);
        left->setGeometry(x, kRowBars, kLimitBarWidth, kBarHeight);
        right->setGeometry(x + kHalfWidth - kLimitBarWidth, kRowBars, kLimitBarWidth, kBarHeight);
        auto* neutral = new NeutralBandBar(this);
        neutral->setObjectName(first ? QStringLiteral("tbNeutral1") : QStringLiteral("tbNeutral0"));
        neutral->setRange(kNeutralBarMin, kNeutralBarMax);
        neutral->setGeometry(x + kLimitBarWidth, kRowBars, kHalfWidth - 2 * kLimitBarWidth,
                             kBarHeight);
        if (first) {
            tbLeft1 = left;
            tbRight1 = right;
            tbNeutral1 = neutral;
        } else {
            tbLeft0 = left;
            tbRight0 = right;
            tbNeutral0 = neutral;
        }

        const struct {
            const char* text;
            Qt::Alignment align;
            int left;
        } scale[] = {{"800", Qt::AlignLeft, x},
                     {"1500", Qt::AlignHCenter, x + kHalfWidth / 2 - 30},
                     {"2200", Qt::AlignRight, x + kHalfWidth - 60}};
        for (int i = 0; i < 3; ++i) {
            auto* label =
                new QLabel(QString::fromLatin1(scale[i].text) + QStringLiteral("us"), this);
            label->setObjectName(
                QStringLiteral("lbl%1%2").arg(QLatin1String(scale[i].text), suffix));
            label->setAlignment(scale[i].align | Qt::AlignTop);
            label->setGeometry(scale[i].left, kRowScale, 60, 16);
            scaleLabels_[static_cast<size_t>(half) * 3 + static_cast<size_t>(i)] = label;
        }
    }
}

void ConfigPanelBox::connectConfigPanel() {
    // activated fires for the user's picks only, never for indexes set in code.
    connect(list(ConfigList::Prog), &QComboBox::activated, this, &ConfigPanelBox::cbProgChange);
    connect(list(ConfigList::EngineType), &QComboBox::activated, this,
            &ConfigPanelBox::cbEngineTypeChange);
    connect(list(ConfigList::CalKnipl), &QComboBox::activated, this,
            &ConfigPanelBox::cbCalKniplChange);
    connect(list(ConfigList::Neutral), &QComboBox::activated, this,
            &ConfigPanelBox::cbNeutralChange);
    connect(list(ConfigList::VoltageGuard), &QComboBox::activated, this,
            &ConfigPanelBox::cbVoltageGuardChange);
    // The bars' handlers run on every position change, from code as well.
    connect(tbLeft1, &QSlider::valueChanged, this, &ConfigPanelBox::tbLeft1Change);
    connect(tbRight1, &QSlider::valueChanged, this, &ConfigPanelBox::tbRight1Change);
    connect(tbLeft0, &QSlider::valueChanged, this, &ConfigPanelBox::tbLeft0Change);
    connect(tbRight0, &QSlider::valueChanged, this, &ConfigPanelBox::tbRight0Change);
    connect(UpDown1, &UpDown::positionChanged, this, &ConfigPanelBox::eVoltageChange);
}

// ---- Language ---------------------------------------------------------------

void ConfigPanelBox::applyLanguage(Lang lang) {
    relabel(lang);
    for (QSlider* bar : {tbLeft1, tbRight1, tbLeft0, tbRight0}) {
        keepStickLimit(bar, lang);
    }
    // Some texts are longer in one language than the narrow lists allow.
    for (QComboBox* l : findChildren<QComboBox*>()) {
        fitFont(l);
        auto* fitted = qobject_cast<FittedList*>(l);
        if (lazyPopups_ && fitted != nullptr) {
            fitted->fitBeforeOpening(fitPopup);
        } else {
            fitPopup(l);
        }
    }
    fitText(eVoltage);
}

void ConfigPanelBox::relabel(Lang lang) {
    setTitle(kConfigPanelCaption(lang));
    BitBtn6->setText(kSaveConfigCaption(lang));
    BitBtn6->setStatusTip(kSaveConfigHint(lang));
    for (ConfigList l : kRelabelFirst) {
        rebuild(l, lang);
    }
    eVoltage->setStatusTip(kVoltageHint(lang));
    setVoltageText(lang);
    for (ConfigList l : kRelabelSecond) {
        rebuild(l, lang);
    }
    lbInput1->setText(kInput1Caption(lang));
    lbInput2->setText(kInput2Caption(lang));
    for (ConfigList l : kRelabelThird) {
        rebuild(l, lang);
    }
}

void ConfigPanelBox::rebuild(ConfigList which, Lang lang) {
    rebuildList(list(which), configListItems(which, lang), configListText(which).hint(lang));
}

// ---- Values -----------------------------------------------------------------

ConfigValues ConfigPanelBox::values() const {
    ConfigValues v;
    for (ConfigList l : allConfigLists()) {
        v.list(l) = list(l)->currentIndex();
    }
    v.voltage = UpDown1->position();
    v.stickLeft1 = tbLeft1->value();
    v.stickRight1 = tbRight1->value();
    v.stickLeft0 = tbLeft0->value();
    v.stickRight0 = tbRight0->value();
    return v;
}

void ConfigPanelBox::setValues(const ConfigValues& values) {
    for (ConfigList l : allConfigLists()) {
        selectIndex(list(l), values.list(l));
    }
    UpDown1->setPosition(values.voltage);
    // The bars clamp to their own range; their handlers then apply the kept limits.
    tbLeft1->setValue(values.stickLeft1);
    tbRight1->setValue(values.stickRight1);
    tbLeft0->setValue(values.stickLeft0);
    tbRight0->setValue(values.stickRight0);
    // The lists were set without their handlers: what depends on them is
    // brought in line here, so no caller has to replay the handlers.
    applyEnabling(true, true, true, true);
    cbNeutralChange();
    for (QSlider* bar : {tbLeft1, tbRight1, tbLeft0, tbRight0}) {
        keepStickLimit(bar, lang_());
    }
}

// ---- Rules ------------------------------------------------------------------

void ConfigPanelBox::applyEnabling(bool program, bool engine, bool calibration, bool guard) {
    const ConfigEnabling e = configEnabling(
        list(ConfigList::Prog)->currentIndex(), list(ConfigList::EngineType)->currentIndex(),
        list(ConfigList::CalKnipl)->currentIndex(), list(ConfigList::VoltageGuard)->currentIndex());
    if (program) {
        list(ConfigList::VoltageGuard)->setEnabled(e.voltageGuard);
        for (ConfigList l : kCarLightLists) {
            list(l)->setEnabled(e.carLights);
        }
        for (ConfigList l : kSoundBaseLists) {
            list(l)->setEnabled(e.soundBase);
        }
    }
    if (program || guard) {
        eVoltage->setEnabled(e.voltage);
        UpDown1->setEnabled(e.voltage);
    }
    if (program || engine) {
        for (ConfigList l : kEngineDetailLists) {
            list(l)->setEnabled(e.engineDetails);
        }
    }
    if (calibration) {
        for (QSlider* bar : {tbLeft1, tbRight1, tbLeft0, tbRight0}) {
            bar->setEnabled(e.stickLimits);
        }
        for (QLabel* label : scaleLabels_) {
            label->setEnabled(e.stickLimits);
        }
    }
}

void ConfigPanelBox::cbProgChange() {
    applyEnabling(true, false, false, false);
    Q_EMIT rollingViewRequested();
}

void ConfigPanelBox::cbEngineTypeChange() {
    applyEnabling(false, true, false, false);
}

void ConfigPanelBox::cbCalKniplChange() {
    applyEnabling(false, false, true, false);
}

void ConfigPanelBox::cbVoltageGuardChange() {
    applyEnabling(false, false, false, true);
}

void ConfigPanelBox::cbNeutralChange() {
    if (const auto band = neutralBand(list(ConfigList::Neutral)->currentIndex())) {
        tbNeutral1->setSelection(band->start, band->end);
        tbNeutral0->setSelection(band->start, band->end);
    }
}

void ConfigPanelBox::keepStickLimit(QSlider* bar, Lang lang) {
    const bool left = bar == tbLeft1 || bar == tbLeft0;
    const int kept = left ? keepLeftLimit(bar->value()) : keepRightLimit(bar->value());
    if (kept != bar->value()) {
        // Put back quietly: this is the handler the change would run again.
        const QSignalBlocker blocker(bar);
        bar->setValue(kept);
    }
    const QString hint = stickLimitHint(kept, lang);
    bar->setStatusTip(hint);
    bar->setToolTip(hint);
}

void ConfigPanelBox::tbLeft1Change() {
    keepStickLimit(tbLeft1, lang_());
}
void ConfigPanelBox::tbRight1Change() {
    keepStickLimit(tbRight1, lang_());
}
void ConfigPanelBox::tbLeft0Change() {
    keepStickLimit(tbLeft0, lang_());
}
void ConfigPanelBox::tbRight0Change() {
    keepStickLimit(tbRight0, lang_());
}

void ConfigPanelBox::eVoltageChange() {
    setVoltageText(lang_());
}

void ConfigPanelBox::setVoltageText(Lang lang) {
    eVoltage->setText(voltageText(UpDown1->position(), lang));
    eVoltage->setCursorPosition(0);
}

}  // namespace lumidor
