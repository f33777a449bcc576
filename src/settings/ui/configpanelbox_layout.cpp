// Where each control of the configuration panel stands, and how it is made.
#include <QApplication>
#include <QComboBox>
#include <QFrame>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QSlider>

#include "common/ui/fittedlist.h"
#include "common/ui/listutil.h"
#include "common/ui/pictures.h"
#include "common/ui/textfit.h"
#include "common/ui/updown.h"
#include "settings/configpanel.h"
#include "settings/ui/configpanelbox.h"
#include "settings/ui/configwidgets.h"

namespace lumidor {
namespace {

// Four list columns; every list has the same width.
constexpr int kColumnX[] = {9, 154, 299, 444};
constexpr int kListWidth = 138;
constexpr int kListHeight = 22;
constexpr int kCentreX = 227;  // a list centred in the 592-pixel panel

// Row tops, top to bottom: lists, separators, then the stick area.
constexpr int kRow2 = 50;
constexpr int kSeparator1 = 80;
constexpr int kSeparator2 = 118;
constexpr int kSeparator3 = 184;
constexpr int kRowInputs = 192;
constexpr int kRowBars = 254;
constexpr int kRowScale = 286;
constexpr int kRowBottom = 334;
// The top of a list in each row of the panel's layout; rows 6 and 8 hold no
// list. The reverse lists stand a little lower than the write button between.
constexpr int kListRowTop[] = {0, 22, kRow2, 88, 126, 154, 0, 224, 0, 290, kRowBottom + 4};

// Each input's three bars picture one stick axis from 800 to 2200 us; the
// halves leave the centre column free for the lists between them.
constexpr int kHalfX[] = {9, 371};
constexpr int kHalfWidth = 212;
constexpr int kLimitBarWidth = 90;
constexpr int kBarHeight = 30;

constexpr int kListFontPixels = 10;
constexpr int kPictureWidth = 69;
constexpr int kPictureHeight = 25;

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

void ConfigPanelBox::createLists() {
    for (ConfigList l : allConfigLists()) {
        const ConfigListItem& item = configItem(l);
        const PanelPlace& place = item.place;
        const int x = place.column == PanelColumn::Centre
                          ? kCentreX
                          : kColumnX[static_cast<size_t>(place.column)];
        auto* box = new FontedList(listFont(), this);
        box->setObjectName(QString::fromLatin1(item.control));
        box->setEditable(false);
        box->setCursor(Qt::PointingHandCursor);
        box->setGeometry(x + place.shift, kListRowTop[place.row], kListWidth + place.widen,
                         kListHeight);
        box->setMaxVisibleItems(10);
        lists_[at(l)] = box;
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

    const ConfigNumberItem& voltage = configItem(ConfigNumber::Voltage);
    UpDown1 = new UpDown(this);
    UpDown1->setObjectName(QString::fromLatin1(voltage.control));
    UpDown1->setRange(voltage.range.low, voltage.range.high);
    UpDown1->setPosition(voltage.defaultValue);
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
    // A receiver lead (three wires into a plug) after each input label, telling
    // which receiver channel the controls below belong to.
    const QPixmap lead = resourcePixmap(QStringLiteral(":/pictures/receiver-lead.png"), this);
    QFont bold = font();
    bold.setBold(true);

    const auto makeLimitBar = [this](ConfigNumber number) {
        const ConfigNumberItem& item = configItem(number);
        auto* bar = new QSlider(Qt::Horizontal, this);
        bar->setObjectName(QString::fromLatin1(item.control));
        bar->setRange(item.range.low, item.range.high);
        bar->setTickPosition(QSlider::TicksBelow);
        bar->setTickInterval(100);
        bar->setSingleStep(1);
        bar->setPageStep(32);  // one step of the switch's limit encoding
        bar->setCursor(Qt::PointingHandCursor);
        bar->setValue(item.defaultValue);
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

        // The input's limit bars, left and right of its neutral display.
        for (ConfigNumber n : kAllConfigNumbers) {
            const ConfigNumberItem& item = configItem(n);
            if (item.input != half + 1) {
                continue;
            }
            QSlider* limit = makeLimitBar(n);
            const bool leftSide = item.encoding == NumberEncoding::LeftStick;
            limit->setGeometry(leftSide ? x : x + kHalfWidth - kLimitBarWidth, kRowBars,
                               kLimitBarWidth, kBarHeight);
            bars_[at(n)] = limit;
        }
        auto* neutral = new NeutralBandBar(this);
        neutral->setObjectName(first ? QStringLiteral("tbNeutral1") : QStringLiteral("tbNeutral0"));
        neutral->setRange(kNeutralBarMin, kNeutralBarMax);
        neutral->setGeometry(x + kLimitBarWidth, kRowBars, kHalfWidth - 2 * kLimitBarWidth,
                             kBarHeight);
        (first ? tbNeutral1 : tbNeutral0) = neutral;

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

void ConfigPanelBox::createWriteButton() {
    BitBtn6 = new QPushButton(this);
    BitBtn6->setObjectName(QStringLiteral("BitBtn6"));
    // The save glyph of the preset editor's file button, from the resources:
    // asking the desktop's icon theme for one cost more than the rest of the
    // panel together.
    BitBtn6->setIcon(QIcon(QStringLiteral(":/glyphs/save.png")));
    BitBtn6->setGeometry(kCentreX - 11, kRowBottom, kListWidth + 22, 32);
    BitBtn6->setEnabled(false);  // until a supported converter is found
}

}  // namespace lumidor
