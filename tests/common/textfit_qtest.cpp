#include <QAbstractItemView>
#include <QComboBox>
#include <QFontMetrics>
#include <QtTest>

#include "settings/ui/configpanelbox.h"

using namespace lumidor;

// The configuration panel's narrow lists: in either language every item can
// be read whole in the open list, and a closed list whose longest item is too
// wide for it is drawn condensed.
class TextFitTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void everyItemCanBeReadWhole_data() {
        QTest::addColumn<Lang>("lang");
        QTest::newRow("cz") << Lang::Czech;
        QTest::newRow("en") << Lang::English;
    }
    void everyItemCanBeReadWhole() {
        QFETCH(Lang, lang);
        ConfigPanelBox box(nullptr, [lang] { return lang; });
        box.resize(592, 382);
        box.applyLanguage(lang);
        const QList<QComboBox*> lists = box.findChildren<QComboBox*>();
        QVERIFY(lists.size() >= 20);
        for (QComboBox* l : lists) {
            const QFontMetrics m(l->font());
            for (int i = 0; i < l->count(); ++i) {
                QVERIFY2(m.horizontalAdvance(l->itemText(i)) < l->view()->minimumWidth(),
                         qPrintable(l->objectName() + QLatin1Char(' ') + l->itemText(i)));
            }
        }
        // Back in the other language the lists are fitted anew.
        box.applyLanguage(lang == Lang::Czech ? Lang::English : Lang::Czech);
        for (QComboBox* l : lists) {
            QVERIFY(l->view()->minimumWidth() >= l->width());
        }
    }

    // Fitted only as it opens (the main window's way), a popup is fitted to
    // the items it holds then.
    void popupFittedAsItOpens() {
        ConfigPanelBox box(nullptr, [] { return Lang::English; });
        box.resize(592, 382);
        box.fitPopupsWhenOpened();
        box.applyLanguage(Lang::Czech);
        box.applyLanguage(Lang::English);
        for (QComboBox* l : box.findChildren<QComboBox*>()) {
            l->showPopup();
            const QFontMetrics m(l->font());
            for (int i = 0; i < l->count(); ++i) {
                QVERIFY2(m.horizontalAdvance(l->itemText(i)) < l->view()->minimumWidth(),
                         qPrintable(l->objectName() + QLatin1Char(' ') + l->itemText(i)));
            }
            l->hidePopup();
        }
    }
};

QTEST_MAIN(TextFitTest)
#include "textfit_qtest.moc"
