#include <QAbstractItemView>
#include <QCheckBox>
#include <QLabel>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

#include "presets/effects.h"
#include "presets/ui/preseteditorbox.h"
#include "support/controls.h"
#include "support/paintcounter.h"

namespace lumidor {

// The effect list of the preset editor: applying effects, the placeholder's
// comings and goings, the language switch.
class EffectListTest : public QObject {
    Q_OBJECT

    // cbVolbaRezimu, found as a user's tool finds it.
    static EffectList* effectList(const QWidget* box) {
        return test::control<EffectList>(box, QStringLiteral("cbVolbaRezimu"));
    }

    Lang lang_ = Lang::Czech;

    std::unique_ptr<PresetEditorBox> makeBox() {
        auto box = std::make_unique<PresetEditorBox>(nullptr, [this] { return lang_; });
        box->cbVolbaRezimuCloseUp();  // as the window's first show does
        return box;
    }

    // The list's items from the top, for comparing sequences.
    static QStringList items(const QComboBox* list) {
        QStringList all;
        for (int i = 0; i < list->count(); ++i) {
            all << list->itemText(i);
        }
        return all;
    }

    static QStringList czechEffects() {
        QStringList all;
        for (const Bi& item : kEffectItems) {
            all << item(Lang::Czech);
        }
        return all;
    }

    static int placeholders(const QComboBox* list) {
        const QStringList all = items(list);
        return static_cast<int>(std::count_if(all.begin(), all.end(), [](const QString& item) {
            return item.contains(QLatin1String("..."));
        }));
    }

    // Chooses effect `n` the way a pick in the open list does.
    static void choose(PresetEditorBox& box, int n) {
        box.cbVolbaRezimuDropDown();
        effectList(&box)->setCurrentIndex(n);
        box.cbVolbaRezimuChange();
        box.cbVolbaRezimuCloseUp();
    }

private Q_SLOTS:
    void init() { lang_ = Lang::Czech; }

    // Each effect replaces the whole grid and sets its time axis and on/off
    // behaviour; the brightness mode stays.
    void everyEffectReplacesTheGrid() {
        auto box = makeBox();
        QSignalSpy titles(box.get(), &PresetEditorBox::titleResetRequested);
        QSignalSpy durations(box.get(), &PresetEditorBox::columnDurationChanged);
        test::control<QComboBox>(box.get(), QStringLiteral("cbPWM"))->setCurrentIndex(4);
        EffectRandom random(1);
        for (int n = 0; n < kEffectCount; ++n) {
            if (n == kSeparatorEffect) {
                continue;
            }
            box->BitBtnCheckBoxClick(1);  // everything lit first
            titles.clear();
            choose(*box, n);
            const auto expected = effectResult(n, random);
            const Pattern p = box->pattern();
            if (n != kRandomEffect) {
                QCOMPARE(p.grid, expected->grid);
            }
            QCOMPARE(p.options.timeAxis, expected->timeAxis);
            QCOMPARE(p.options.onOff, expected->onOff);
            QCOMPARE(p.options.pwmMode, 4);
            QCOMPARE(titles.count(), 1);
            QCOMPARE(effectList(box.get())->currentText(),
                     kEffectItems[static_cast<size_t>(n)](Lang::Czech));
            QCOMPARE(placeholders(effectList(box.get())), 0);
        }
        // The last one was the random effect at 100 ms per column.
        QCOMPARE(durations.last().at(0).toInt(), 100);
        QVERIFY(box->pattern().grid.litCount() < kCellCount);
    }

    void separatorChangesNothingAndClosesToThePlaceholder() {
        auto box = makeBox();
        choose(*box, 3);
        const Pattern before = box->pattern();
        QSignalSpy titles(box.get(), &PresetEditorBox::titleResetRequested);
        choose(*box, kSeparatorEffect);
        QCOMPARE(box->pattern(), before);
        QCOMPARE(titles.count(), 0);
        QCOMPARE(effectList(box.get())->currentIndex(), 0);
        QCOMPARE(effectList(box.get())->currentText(), QStringLiteral("Předvolené efekty ..."));
        QCOMPARE(placeholders(effectList(box.get())), 1);
    }

    // Open and close without a choice, any number of times: one placeholder,
    // at the top, selected; nothing applied.
    void openAndCloseKeepsOnePlaceholder() {
        auto box = makeBox();
        EffectList* list = effectList(box.get());
        QSignalSpy applied(box.get(), &PresetEditorBox::titleResetRequested);
        const QStringList start = items(list);
        QCOMPARE(start.size(), kEffectCount + 1);
        for (int i = 0; i < 3; ++i) {
            list->showPopup();
            QCOMPARE(list->currentIndex(), -1);
            QCOMPARE(placeholders(list), 0);
            list->hidePopup();
            QCoreApplication::processEvents();
            QCOMPARE(items(list), start);
            QCOMPARE(list->currentIndex(), 0);
        }
        QCOMPARE(applied.count(), 0);
    }

    // A pick in the open list: applied, and the close that comes first does
    // not bring the placeholder back.
    void pickInTheOpenList() {
        auto box = makeBox();
        EffectList* list = effectList(box.get());
        list->showPopup();
        QAbstractItemView* view = list->view();
        view->setCurrentIndex(list->model()->index(3, 0));
        QTest::keyClick(view, Qt::Key_Return);
        QCoreApplication::processEvents();
        QCOMPARE(items(list), czechEffects());
        QCOMPARE(list->currentText(), QStringLiteral("Maják"));
        QCOMPARE(box->pattern().grid.litCount(), 20);
    }

    // With the placeholder at the top, the arrow keys pick the next effect.
    void keyboardChangeAppliesTheEffect() {
        auto box = makeBox();
        EffectList* list = effectList(box.get());
        list->setFocus();
        QTest::keyClick(list, Qt::Key_Down);
        QCOMPARE(list->currentIndex(), 1);
        QCOMPARE(box->selectedEffect(), 0);
        QCOMPARE(box->pattern().grid.litCount(), 60);
        QTest::keyClick(list, Qt::Key_Down);
        QCOMPARE(box->selectedEffect(), 1);
        QCOMPARE(box->pattern().options.onOff, 3);
        // Back onto the placeholder: nothing is applied.
        const Pattern before = box->pattern();
        list->setCurrentIndex(1);
        QTest::keyClick(list, Qt::Key_Up);
        QCOMPARE(list->currentIndex(), 0);
        QCOMPARE(box->pattern(), before);
        // After a keyboard pick a selection button keeps the one placeholder,
        // and the next pick applies the effect it shows.
        QTest::keyClick(list, Qt::Key_Down);
        box->BitBtnCheckBoxClick(0);
        QCOMPARE(placeholders(list), 1);
        QTest::keyClick(list, Qt::Key_Down);
        QCOMPARE(list->currentText(), kEffectItems[0](Lang::Czech));
        QCOMPARE(box->pattern().grid.litCount(), 60);
    }

    void languageSwitchKeepsTheChoice() {
        auto box = makeBox();
        lang_ = Lang::English;
        box->applyLanguage(lang_);
        QCOMPARE(effectList(box.get())->currentText(), QStringLiteral("Preset effect ..."));
        QCOMPARE(placeholders(effectList(box.get())), 1);
        QCOMPARE(effectList(box.get())->currentIndex(), 0);

        choose(*box, 8);
        QCOMPARE(effectList(box.get())->currentText(), QStringLiteral("Cross sine wave"));
        lang_ = Lang::Czech;
        box->applyLanguage(lang_);
        QCOMPARE(items(effectList(box.get())), czechEffects());
        QCOMPARE(effectList(box.get())->currentText(), QStringLiteral("Sinusovky křížem"));
        QCOMPARE(box->selectedEffect(), 8);
    }

    // An effect repaints each cell at most once, and applying it again, with
    // nothing to change, repaints nothing at all.
    void applyingAnEffectRepaintsOnlyWhatChanged() {
        auto box = makeBox();
        box->resize(592, 393);
        box->show();
        QVERIFY(QTest::qWaitForWindowExposed(box.get()));
        choose(*box, 4);
        QCoreApplication::processEvents();
        {
            test::PaintCounter paints;
            choose(*box, 3);
            QCoreApplication::processEvents();
            QMap<QString, int> perCell;
            for (const QString& painted : paints.others) {
                if (painted.startsWith(QLatin1String("CheckBox"))) {
                    ++perCell[painted];
                }
            }
            QVERIFY(!perCell.isEmpty());
            for (auto it = perCell.cbegin(); it != perCell.cend(); ++it) {
                QVERIFY2(it.value() == 1, qPrintable(it.key()));
            }
        }
        test::PaintCounter paints;
        choose(*box, 3);
        QCoreApplication::processEvents();
        QVERIFY2(paints.others.isEmpty(), qPrintable(paints.others.join(QLatin1Char(' '))));
    }
};

}  // namespace lumidor

QTEST_MAIN(lumidor::EffectListTest)
#include "effectlist_qtest.moc"
