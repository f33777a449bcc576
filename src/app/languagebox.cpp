#include "app/languagebox.h"

#include <QButtonGroup>
#include <QIcon>
#include <QPainter>
#include <QPainterPath>
#include <QToolButton>

namespace lumidor {
namespace {

constexpr int kFlagWidth = 40;
constexpr int kFlagHeight = 25;

QImage czechFlag() {
    QImage img(kFlagWidth, kFlagHeight, QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(0, 0, kFlagWidth, kFlagHeight / 2, QColor(255, 255, 255));
    p.fillRect(0, kFlagHeight / 2, kFlagWidth, kFlagHeight - kFlagHeight / 2, QColor(215, 20, 26));
    QPainterPath wedge;
    wedge.moveTo(0, 0);
    wedge.lineTo(kFlagWidth / 2.0, kFlagHeight / 2.0);
    wedge.lineTo(0, kFlagHeight);
    wedge.closeSubpath();
    p.fillPath(wedge, QColor(17, 69, 126));
    return img;
}

QImage unitedKingdomFlag() {
    QImage img(kFlagWidth, kFlagHeight, QImage::Format_RGB32);
    img.fill(QColor(1, 33, 105));
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const QLineF d1(0, 0, kFlagWidth, kFlagHeight);
    const QLineF d2(0, kFlagHeight, kFlagWidth, 0);
    p.setPen(QPen(Qt::white, 5));
    p.drawLine(d1);
    p.drawLine(d2);
    p.setPen(QPen(QColor(200, 16, 46), 2));
    p.drawLine(d1);
    p.drawLine(d2);
    p.fillRect(kFlagWidth / 2 - 4, 0, 8, kFlagHeight, Qt::white);
    p.fillRect(0, kFlagHeight / 2 - 4, kFlagWidth, 8, Qt::white);
    p.fillRect(kFlagWidth / 2 - 2, 0, 4, kFlagHeight, QColor(200, 16, 46));
    p.fillRect(0, kFlagHeight / 2 - 2, kFlagWidth, 4, QColor(200, 16, 46));
    return img;
}

QImage greyed(const QImage& colour) {
    QImage grey =
        colour.convertToFormat(QImage::Format_Grayscale8).convertToFormat(QImage::Format_RGB32);
    return grey;
}

// Greyed flag while the button can be clicked, coloured while it is the
// active (pressed, disabled) language.
QIcon flagIcon(const QImage& colour) {
    QIcon icon;
    icon.addPixmap(QPixmap::fromImage(greyed(colour)), QIcon::Normal);
    icon.addPixmap(QPixmap::fromImage(greyed(colour)), QIcon::Active);
    icon.addPixmap(QPixmap::fromImage(colour), QIcon::Disabled);
    return icon;
}

QToolButton* makeFlagButton(QWidget* parent, const char* name, const QImage& flag, int left) {
    auto* b = new QToolButton(parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setGeometry(left, 27, 43, 29);
    b->setCheckable(true);
    b->setAutoRaise(false);
    b->setCursor(Qt::PointingHandCursor);
    b->setIcon(flagIcon(flag));
    b->setIconSize(QSize(kFlagWidth, kFlagHeight));
    return b;
}

}  // namespace

LanguageBox::LanguageBox(QWidget* parent) : QGroupBox(parent) {
    setObjectName(QStringLiteral("GroupBox5"));
    setTitle(QStringLiteral("Language: "));
    sbCzech = makeFlagButton(this, "sbCzech", czechFlag(), 124);
    sbEnglish = makeFlagButton(this, "sbEnglish", unitedKingdomFlag(), 174);
    group_ = new QButtonGroup(this);
    group_->setExclusive(true);
    group_->addButton(sbCzech);
    group_->addButton(sbEnglish);
    // Czech is active until the first switch.
    sbCzech->setChecked(true);
    sbCzech->setEnabled(false);
    sbEnglish->setEnabled(true);
    connect(sbCzech, &QToolButton::clicked, this, &LanguageBox::languageClicked);
    connect(sbEnglish, &QToolButton::clicked, this, &LanguageBox::languageClicked);
}

void LanguageBox::press(Lang lang) {
    (lang == Lang::Czech ? sbCzech : sbEnglish)->setChecked(true);
}

void LanguageBox::syncEnabled() {
    sbCzech->setEnabled(!sbCzech->isChecked());
    sbEnglish->setEnabled(!sbEnglish->isChecked());
}

}  // namespace lumidor
