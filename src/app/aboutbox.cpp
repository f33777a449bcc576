#include "app/aboutbox.h"

#include <QDesktopServices>
#include <QEvent>
#include <QFontDatabase>
#include <QLabel>
#include <QMouseEvent>
#include <QUrl>
#include <algorithm>

namespace lumidor {
namespace {

constexpr Bi kCaption{"O programu: ", "About: "};
const char* const kMakerPage = "https://www.rc-lumidor.example/";
constexpr int kUrlLeft = 125;
// Space kept clear of the group's frame on either side.
constexpr int kUrlMargin = 8;

// The classic serif, or the first of its stand-ins that is installed. Naming
// a missing family sends Qt through the font configuration's whole fallback
// search for each size.
QString serifFamily() {
    static const QString family = [] {
        const QStringList installed = QFontDatabase::families();
        for (const char* name :
             {"Times New Roman", "Liberation Serif", "Nimbus Roman", "DejaVu Serif"}) {
            if (installed.contains(QLatin1String(name), Qt::CaseInsensitive)) {
                return QString::fromLatin1(name);
            }
        }
        return QStringLiteral("Times New Roman");
    }();
    return family;
}

QFont serif(int pixelSize, bool bold) {
    QFont f(serifFamily());
    f.setPixelSize(pixelSize);
    f.setBold(bold);
    return f;
}

QLabel* makeLabel(QWidget* parent, const char* name, const QString& text, int x, int y,
                  const QFont& font) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(QString::fromLatin1(name));
    l->setFont(font);
    l->move(x, y);
    l->adjustSize();
    return l;
}

}  // namespace

AboutBox::AboutBox(QWidget* parent) : QGroupBox(parent) {
    setObjectName(QStringLiteral("GroupBox6"));
    setTitle(kCaption(Lang::Czech));
    Label6 = makeLabel(this, "Label6", QStringLiteral("RC Lumidor v4.0"), 119, 25, serif(16, true));
    UrlLabel = makeLabel(this, "UrlLabel", QString::fromLatin1(kMakerPage), kUrlLeft, 54,
                         serif(13, false));
    UrlLabel->setCursor(Qt::PointingHandCursor);
    UrlLabel->installEventFilter(this);
    Label12 = makeLabel(this, "Label12", QStringLiteral("Version: 1.3.2.0"), 132, 83, font());
}

void AboutBox::applyLanguage(Lang lang) {
    setTitle(kCaption(lang));
    Label6->setText(QStringLiteral("RC Lumidor v4.0"));
}

void AboutBox::UrlLabelClick() {
    // A desktop without a browser is not worth a message: the address is on screen.
    QDesktopServices::openUrl(QUrl(UrlLabel->text()));
}

void AboutBox::UrlLabelMouseEnter(QObject* sender) {
    auto* label = qobject_cast<QLabel*>(sender);
    if (!label) {
        return;
    }
    QFont f = label->font();
    f.setUnderline(true);
    label->setFont(f);
    QPalette p = label->palette();
    p.setColor(QPalette::WindowText, Qt::blue);
    label->setPalette(p);
}

void AboutBox::UrlLabelMouseLeave(QObject* sender) {
    auto* label = qobject_cast<QLabel*>(sender);
    if (!label) {
        return;
    }
    QFont f = label->font();
    f.setUnderline(false);
    f.setBold(false);
    f.setItalic(false);
    label->setFont(f);
    QPalette p = label->palette();
    p.setColor(QPalette::WindowText, Qt::black);
    label->setPalette(p);
}

void AboutBox::resizeEvent(QResizeEvent* event) {
    QGroupBox::resizeEvent(event);
    // The address is longer than the place it was given: centred instead of
    // running past the group's right edge.
    const int right = kUrlLeft + UrlLabel->width();
    const int x = right <= width() - kUrlMargin ? kUrlLeft : (width() - UrlLabel->width()) / 2;
    UrlLabel->move(std::max(x, kUrlMargin), UrlLabel->y());
}

bool AboutBox::eventFilter(QObject* watched, QEvent* event) {
    if (watched == UrlLabel) {
        switch (event->type()) {
            case QEvent::Enter:
                UrlLabelMouseEnter(watched);
                break;
            case QEvent::Leave:
                UrlLabelMouseLeave(watched);
                break;
            case QEvent::MouseButtonPress:
                urlPressed_ = static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton;
                break;
            case QEvent::MouseButtonRelease: {
                // A click is a press and a release on the link; a release
                // dragged off it is the user changing their mind.
                const auto* mouse = static_cast<QMouseEvent*>(event);
                const bool click = urlPressed_ && mouse->button() == Qt::LeftButton &&
                                   UrlLabel->rect().contains(mouse->position().toPoint());
                urlPressed_ = false;
                if (click) {
                    UrlLabelClick();
                }
                break;
            }
            default:
                break;
        }
    }
    return QGroupBox::eventFilter(watched, event);
}

}  // namespace lumidor
