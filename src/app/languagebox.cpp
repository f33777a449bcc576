#include "app/languagebox.h"

#include <QButtonGroup>
#include <QIcon>
#include <QToolButton>

namespace lumidor {
namespace {

constexpr QSize kFlagSize{40, 25};

// Greyed flag while the button can be clicked, coloured while it is the
// active (pressed, disabled) language. `flag` names ":/flags/<flag>.png" and
// its greyed twin ":/flags/<flag>-grey.png".
QIcon flagIcon(const char* flag) {
    const QString colour = QStringLiteral(":/flags/%1.png").arg(QLatin1String(flag));
    const QString grey = QStringLiteral(":/flags/%1-grey.png").arg(QLatin1String(flag));
    QIcon icon;
    icon.addFile(grey, kFlagSize, QIcon::Normal);
    icon.addFile(grey, kFlagSize, QIcon::Active);
    icon.addFile(colour, kFlagSize, QIcon::Disabled);
    return icon;
}

QToolButton* makeFlagButton(QWidget* parent, const char* name, const char* flag, int left) {
    auto* b = new QToolButton(parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setGeometry(left, 27, 43, 29);
    b->setCheckable(true);
    b->setAutoRaise(false);
    b->setCursor(Qt::PointingHandCursor);
    b->setIcon(flagIcon(flag));
    b->setIconSize(kFlagSize);
    return b;
}

}  // namespace

LanguageBox::LanguageBox(QWidget* parent) : QGroupBox(parent) {
    setObjectName(QStringLiteral("GroupBox5"));
    setTitle(QStringLiteral("Language: "));
    sbCzech = makeFlagButton(this, "sbCzech", "cz", 124);
    sbEnglish = makeFlagButton(this, "sbEnglish", "gb", 174);
    group_ = new QButtonGroup(this);
    group_->setExclusive(true);
    group_->addButton(sbCzech);
    group_->addButton(sbEnglish);
    // Czech is active until the first switch.
    showActive(Lang::Czech);
    connect(sbCzech, &QToolButton::clicked, this, [this] { Q_EMIT languageClicked(Lang::Czech); });
    connect(sbEnglish, &QToolButton::clicked, this,
            [this] { Q_EMIT languageClicked(Lang::English); });
}

void LanguageBox::press(Lang lang) {
    (lang == Lang::Czech ? sbCzech : sbEnglish)->setChecked(true);
}

void LanguageBox::showActive(Lang lang) {
    press(lang);
    sbCzech->setEnabled(lang != Lang::Czech);
    sbEnglish->setEnabled(lang != Lang::English);
}

}  // namespace lumidor
