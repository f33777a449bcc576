// The preset editor's controls: where each stands and how it starts.
#include <QComboBox>
#include <QIcon>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QToolButton>

#include "common/ui/listutil.h"
#include "common/ui/updown.h"
#include "presets/preview.h"
#include "presets/timeaxis.h"
#include "presets/ui/preseteditorbox.h"

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

}  // namespace

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

}  // namespace lumidor
