#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <QStyleOptionFrame>
#include <QStyleOptionGroupBox>
#include <QTemporaryDir>
#include <QTest>

#include "app/appfont.h"
#include "app/languagebox.h"
#include "app/mainwindow.h"
#include "common/mnemonic.h"
#include "support/recordingdialogs.h"

using namespace lumidor;

namespace {

int advance(const QWidget* w, const QString& text) {
    return w->fontMetrics().horizontalAdvance(withoutMnemonic(text));
}

// The room each kind of control gives its text, as its style lays it out,
// against what the text needs; a string names every text that does not fit.
QStringList clippedTexts(const QWidget* window) {
    QStringList clipped;
    const auto check = [&](const QWidget* w, const QString& text, int need, int room) {
        if (need > room) {
            clipped << QStringLiteral("%1 \"%2\": %3 > %4")
                           .arg(w->objectName(), text)
                           .arg(need)
                           .arg(room);
        }
    };
    for (const QWidget* w : window->findChildren<QWidget*>()) {
        if (!w->isVisibleTo(window)) {
            continue;
        }
        if (const auto* label = qobject_cast<const QLabel*>(w)) {
            if (label->text().isEmpty()) {
                continue;
            }
            if (label->wordWrap()) {
                check(w, label->text(), label->heightForWidth(label->width()), label->height());
            } else {
                check(w, label->text(), label->sizeHint().width(), label->width());
            }
        } else if (const auto* button = qobject_cast<const QAbstractButton*>(w)) {
            if (button->text().isEmpty()) {
                continue;
            }
            QStyleOptionButton opt;
            opt.initFrom(button);
            opt.text = button->text();
            opt.icon = button->icon();
            opt.iconSize = button->iconSize();
            const QStyle::SubElement contents =
                qobject_cast<const QCheckBox*>(w)      ? QStyle::SE_CheckBoxContents
                : qobject_cast<const QRadioButton*>(w) ? QStyle::SE_RadioButtonContents
                                                       : QStyle::SE_PushButtonContents;
            const int icon = button->icon().isNull() ? 0 : button->iconSize().width() + 4;
            check(w, button->text(), advance(w, button->text()) + icon,
                  w->style()->subElementRect(contents, &opt, w).width());
        } else if (const auto* group = qobject_cast<const QGroupBox*>(w)) {
            QStyleOptionGroupBox opt;
            opt.initFrom(group);
            opt.text = group->title();
            opt.subControls = QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxFrame;
            const QRect title =
                w->style()->subControlRect(QStyle::CC_GroupBox, &opt, QStyle::SC_GroupBoxLabel, w);
            check(w, group->title(), title.right() + 1, group->width());
        } else if (const auto* list = qobject_cast<const QComboBox*>(w)) {
            QStyleOptionComboBox opt;
            opt.initFrom(list);
            const int room =
                w->style()
                    ->subControlRect(QStyle::CC_ComboBox, &opt, QStyle::SC_ComboBoxEditField, w)
                    .width();
            // Any item may be the one shown in the closed list.
            for (int i = 0; i < list->count(); ++i) {
                check(w, list->itemText(i), advance(w, list->itemText(i)), room);
            }
        } else if (const auto* edit = qobject_cast<const QLineEdit*>(w)) {
            QStyleOptionFrame opt;
            opt.initFrom(edit);
            opt.lineWidth =
                edit->hasFrame() ? w->style()->pixelMetric(QStyle::PM_DefaultFrameWidth) : 0;
            const QRect r = w->style()->subElementRect(QStyle::SE_LineEditContents, &opt, w);
            // The text keeps two pixels from either side.
            check(w, edit->text(), advance(w, edit->text()), r.width() - 4);
        }
    }
    return clipped;
}

}  // namespace

// Every text of the main window shows whole in either language; ctest runs
// this at 100% and at 200% scaling, where the font is drawn unhinted and so
// wider or narrower.
class ClipTextsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { applyApplicationFont(); }

    void everyTextShowsWhole_data() {
        QTest::addColumn<Lang>("lang");
        QTest::newRow("cz") << Lang::Czech;
        QTest::newRow("en") << Lang::English;
    }
    void everyTextShowsWhole() {
        QFETCH(Lang, lang);
        QTemporaryDir dir;
        test::RecordingDialogs dialogs;
        TMainForm form(dir.path());
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        form.LanguageClick(lang);
        const QStringList clipped = clippedTexts(&form);
        QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join(QLatin1Char('\n'))));
    }
};

QTEST_MAIN(ClipTextsTest)
#include "mainwindow_cliptexts_qtest.moc"
