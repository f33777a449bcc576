#include "common/ui/textfit.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QFontMetrics>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <algorithm>

namespace lumidor {
namespace {

int widestItem(const QComboBox* list, const QFont& font) {
    const QFontMetrics m(font);
    int widest = 0;
    for (int i = 0; i < list->count(); ++i) {
        widest = std::max(widest, m.horizontalAdvance(list->itemText(i)));
    }
    return widest;
}

QFont condensed(QFont font) {
    font.setStretch(QFont::Condensed);
    return font;
}

}  // namespace

void fitItems(QComboBox* list) {
    fitFont(list);
    fitPopup(list);
}

void fitFont(QComboBox* list) {
    QFont font = list->font();
    font.setStretch(QFont::AnyStretch);
    QStyleOptionComboBox opt;
    opt.initFrom(list);
    const QRect text = list->style()->subControlRect(QStyle::CC_ComboBox, &opt,
                                                     QStyle::SC_ComboBoxEditField, list);
    if (widestItem(list, font) > text.width()) {
        font = condensed(font);
    }
    // An unchanged font costs nothing; a changed one re-lays out the list.
    list->setFont(font);
}

void fitPopup(QComboBox* list) {
    // The open list shows each item whole, however narrow the closed box.
    const int margin = 2 * list->view()->frameWidth() + 16;
    list->view()->setMinimumWidth(std::max(list->width(), widestItem(list, list->font()) + margin));
}

void fitText(QLineEdit* edit) {
    QFont font = edit->font();
    font.setStretch(QFont::AnyStretch);
    const int room = edit->contentsRect().width() -
                     2 * edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth) - 4;
    if (QFontMetrics(font).horizontalAdvance(edit->text()) > room) {
        font = condensed(font);
    }
    edit->setFont(font);
}

}  // namespace lumidor
