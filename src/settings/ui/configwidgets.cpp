#include "settings/ui/configwidgets.h"

#include <QAbstractItemView>
#include <QEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace lumidor {

FontedList::FontedList(const QFont& font, QWidget* parent) : FittedList(parent) {
    setFont(font);
}

void FontedList::showPopup() {
    if (!popupFontSet_) {
        popupFontSet_ = true;
        // The popup is a window of its own: it does not inherit the list's font.
        view()->window()->setFont(this->font());
    }
    FittedList::showPopup();
}

void FontedList::changeEvent(QEvent* event) {
    // Until the popup exists nothing but the closed list shows the font, and
    // the popup takes it when it first opens; QComboBox's handler would build
    // the popup now.
    if (event->type() == QEvent::FontChange && findChild<QAbstractItemView*>() == nullptr) {
        popupFontSet_ = false;
        QWidget::changeEvent(event);  // NOLINT(bugprone-parent-virtual-call)
        return;
    }
    if (event->type() == QEvent::FontChange) {
        popupFontSet_ = true;
    }
    QComboBox::changeEvent(event);
}

NeutralBandBar::NeutralBandBar(QWidget* parent) : QWidget(parent) {
    setEnabled(false);
    setFocusPolicy(Qt::NoFocus);
}

void NeutralBandBar::setRange(int minimum, int maximum) {
    min_ = minimum;
    max_ = std::max(minimum + 1, maximum);
    update();
}

void NeutralBandBar::setSelection(int start, int end) {
    hasSelection_ = true;
    selStart_ = start;
    selEnd_ = end;
    update();
}

void NeutralBandBar::paintEvent(QPaintEvent* event) {
    Q_UNUSED(event);
    QPainter p(this);
    // The groove sits where the limit bars beside it have theirs, so the
    // three read as one stick axis.
    constexpr int kInset = 2;
    constexpr int kGrooveTop = 6;
    constexpr int kGrooveHeight = 8;
    const QRect groove(kInset, kGrooveTop, width() - 2 * kInset, kGrooveHeight);
    p.setPen(palette().color(QPalette::Disabled, QPalette::Mid));
    p.setBrush(palette().color(QPalette::Disabled, QPalette::Base));
    p.drawRect(groove.adjusted(0, 0, -1, -1));
    if (!hasSelection_) {
        return;
    }
    const auto xOf = [&](int v) {
        const double f = double(std::clamp(v, min_, max_) - min_) / double(max_ - min_);
        return groove.left() + 1 + static_cast<int>(std::lround(f * (groove.width() - 2)));
    };
    const int x0 = xOf(selStart_);
    const int x1 = xOf(selEnd_);
    p.fillRect(QRect(QPoint(std::min(x0, x1), groove.top() + 1),
                     QPoint(std::max(x0, x1) - 1, groove.bottom() - 1)),
               palette().color(QPalette::Active, QPalette::Highlight));
}

}  // namespace lumidor
