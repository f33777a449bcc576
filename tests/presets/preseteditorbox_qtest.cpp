#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QSlider>
#include <QTest>
#include <QToolButton>

#include "common/ui/updown.h"
#include "presets/ui/preseteditorbox.h"
#include "support/controls.h"

namespace lumidor {

class PresetEditorTest : public QObject {
    Q_OBJECT

    // cbVolbaRezimu, found as a user's tool finds it.
    static EffectList* effectList(const QWidget* box) {
        return test::control<EffectList>(box, QStringLiteral("cbVolbaRezimu"));
    }

    Lang lang_ = Lang::Czech;

    std::unique_ptr<PresetEditorBox> makeBox() {
        return std::make_unique<PresetEditorBox>(nullptr, [this] { return lang_; });
    }
    template <typename T>
    static T* child(const QWidget* box, const QString& name) {
        T* found = box->findChild<T*>(name);
        if (found == nullptr) {
            qFatal("missing control %s", qPrintable(name));
        }
        return found;
    }

private Q_SLOTS:
    void init() { lang_ = Lang::Czech; }

    // Every file format and frame addresses a cell by its number; the cell
    // must be the check box of that name, in its output's row and column.
    void cellsAreNumberedByOutputAndColumn() {
        auto box = makeBox();
        const QRegularExpression cellName(QStringLiteral("^CheckBox\\d+$"));
        QCOMPARE(box->findChildren<QCheckBox*>(cellName).size(), kCellCount);
        for (int n = 81; n <= 100; ++n) {
            QVERIFY(box->findChild<QCheckBox*>(QStringLiteral("CheckBox%1").arg(n)) == nullptr);
        }
        for (int o = 1; o <= kOutputs; ++o) {
            for (int c = 1; c <= kColumns; ++c) {
                QCheckBox* cell = test::cellBox(box.get(), cellNumber(o, c));
                QCOMPARE(cell->objectName(), QStringLiteral("CheckBox%1").arg(cellNumber(o, c)));
                QCOMPARE(cell->cursor().shape(), Qt::CrossCursor);
                const QPoint at = cell->mapTo(box.get(), QPoint(0, 0));
                if (c > 1) {
                    const QPoint left = test::cellBox(box.get(), cellNumber(o, c - 1))
                                            ->mapTo(box.get(), QPoint(0, 0));
                    QCOMPARE(left.y(), at.y());
                    QVERIFY(left.x() < at.x());
                }
                if (o > 1) {
                    QVERIFY(test::cellBox(box.get(), cellNumber(o - 1, c))
                                ->mapTo(box.get(), QPoint(0, 0))
                                .y() < at.y());
                }
            }
        }
        // Outputs 1 and 2 lie on the panels a brightness mode tints.
        QCOMPARE(test::cellBox(box.get(), 1)->parent()->objectName(), QStringLiteral("Panel1"));
        QCOMPARE(test::cellBox(box.get(), cellNumber(1, 11))->parent()->objectName(),
                 QStringLiteral("Panel2"));
        QCOMPARE(test::cellBox(box.get(), 2)->parent()->objectName(), QStringLiteral("Panel3"));
        QCOMPARE(test::cellBox(box.get(), cellNumber(2, 20))->parent()->objectName(),
                 QStringLiteral("Panel4"));
        QCOMPARE(test::cellBox(box.get(), 3)->parent(), box.get());
        QVERIFY(test::cellBox(box.get(), 81) == nullptr);
    }

    void selectionButtonsWalkAllCellsAndShowPlaceholderOnce() {
        auto box = makeBox();
        QSignalSpy titles(box.get(), &PresetEditorBox::titleResetRequested);
        QComboBox* effects = effectList(box.get());
        // An effect shown as chosen gives way to the placeholder.
        effects->setCurrentIndex(3);
        QSignalSpy effectChanges(effects, &QComboBox::activated);

        QTest::mouseClick(child<QToolButton>(box.get(), QStringLiteral("btnSelectAll")),
                          Qt::LeftButton);
        QVERIFY(box->presets().grid.litCount() == kCellCount);
        QCOMPARE(effects->count(), kEffectCount + 1);
        QCOMPARE(effects->currentIndex(), 0);
        QCOMPARE(effects->currentText(), QStringLiteral("Předvolené efekty ..."));

        test::cellBox(box.get(), 38)->setChecked(false);
        test::cellBox(box.get(), 143)->setChecked(false);
        lang_ = Lang::English;
        QTest::mouseClick(child<QToolButton>(box.get(), QStringLiteral("btnReverseSelect")),
                          Qt::LeftButton);
        const PresetGrid inverted = box->presets().grid;
        QCOMPARE(inverted.litCount(), 2);
        QVERIFY(inverted.cell(38) && inverted.cell(143));
        QCOMPARE(effects->count(), kEffectCount + 1);  // the placeholder is in place already

        QTest::mouseClick(child<QToolButton>(box.get(), QStringLiteral("btnUnselectAll")),
                          Qt::LeftButton);
        QCOMPARE(box->presets().grid.litCount(), 0);
        QTest::mouseClick(child<QToolButton>(box.get(), QStringLiteral("btnReverseSelect")),
                          Qt::LeftButton);
        QCOMPARE(box->presets().grid.litCount(), kCellCount);
        QCOMPARE(titles.count(), 4);
        QCOMPARE(effectChanges.count(), 0);  // no effect is applied

        // With an empty list the placeholder comes in the active language.
        auto fresh = makeBox();
        fresh->BitBtnCheckBoxClick(2);
        QCOMPARE(fresh->presets().grid.litCount(), kCellCount);  // any tag but 0 and 3 fills
        QCOMPARE(effectList(fresh.get())->currentText(), QStringLiteral("Preset effect ..."));
        QCOMPARE(effectList(fresh.get())->count(), kEffectCount + 1);
    }

    // Each edit the user makes is reported as the whole new presets; what the
    // window gives the box to show is not.
    void userEditsAreReportedAsTheNewPresets() {
        auto box = makeBox();
        QSignalSpy edits(box.get(), &PresetEditorBox::presetsEdited);
        const auto last = [&edits] { return edits.last().first().value<Presets>(); };
        Presets p;
        p.options = {2, 3, 1, 20, 60};
        box->show(p);
        QCOMPARE(edits.count(), 0);
        QCOMPARE(box->presets(), p);

        test::cellBox(box.get(), 105)->click();
        QVERIFY(last().grid.cell(105));
        QCOMPARE(last().options, p.options);
        test::control<QComboBox>(box.get(), QStringLiteral("cbPWM"))->setCurrentIndex(4);
        QCOMPARE(last().options.pwmMode, 4);
        test::control<UpDown>(box.get(), QStringLiteral("udPwmMax"))->stepDown();
        QCOMPARE(last().options.pwmMax, 50);
        box->BitBtnCheckBoxClick(1);
        QCOMPARE(last().grid.litCount(), kCellCount);
        QCOMPARE(last(), box->presets());
    }

    void timeAxisDrivesLabelsAndDuration() {
        auto box = makeBox();
        QCOMPARE(child<QLabel>(box.get(), QStringLiteral("lbTime4"))->text(),
                 QStringLiteral(",----------- 1000 ms --------]"));
        QSignalSpy durations(box.get(), &PresetEditorBox::columnDurationChanged);
        QComboBox* axis = test::control<QComboBox>(box.get(), QStringLiteral("cbCasovaOsa"));
        axis->setFocus();
        QTest::keyClick(axis, Qt::Key_Down);  // the user picks index 2
        QCOMPARE(axis->currentIndex(), 2);
        QCOMPARE(child<QLabel>(box.get(), QStringLiteral("lbTime2"))->text(),
                 QStringLiteral(",----------- 750 ms -----------,"));
        QCOMPARE(child<QLabel>(box.get(), QStringLiteral("lbTime3"))->text(),
                 QStringLiteral(",----------- 1125 ms ---------,"));
        QCOMPARE(durations.count(), 1);
        QCOMPARE(durations.last().at(0).toInt(), 75);

        // On/off only re-applies the current axis.
        QComboBox* onOff = test::control<QComboBox>(box.get(), QStringLiteral("cbZapVyp"));
        onOff->setFocus();
        QTest::keyClick(onOff, Qt::Key_Down);
        QCOMPARE(onOff->currentIndex(), 1);
        QCOMPARE(durations.last().at(0).toInt(), 75);
        QCOMPARE(child<QLabel>(box.get(), QStringLiteral("lbTime2"))->text(),
                 QStringLiteral(",----------- 750 ms -----------,"));

        // From code: no handler; with no selection the handler changes nothing.
        Presets p = box->presets();
        p.options.timeAxis = 9;
        box->setPresets(p);
        QCOMPARE(axis->currentIndex(), -1);
        const int before = durations.count();
        box->cbCasovaOsaChange();
        QCOMPARE(durations.count(), before);
        QCOMPARE(child<QLabel>(box.get(), QStringLiteral("lbTime2"))->text(),
                 QStringLiteral(",----------- 750 ms -----------,"));
    }

    void pwmLimitsKeepMinTenBelowMax() {
        auto box = makeBox();
        auto* eMin = child<QLineEdit>(box.get(), QStringLiteral("eMinPWM"));
        auto* eMax = child<QLineEdit>(box.get(), QStringLiteral("eMaxPWM"));
        auto* udMin = child<UpDown>(box.get(), QStringLiteral("udPwmMin"));
        auto* udMax = child<UpDown>(box.get(), QStringLiteral("udPwmMax"));
        QCOMPARE(eMin->text(), QStringLiteral("MIN PWM: 0%"));
        QCOMPARE(eMax->text(), QStringLiteral("MAX PWM: 100%"));
        QVERIFY(!eMin->isEnabled() && !udMax->isEnabled());
        QVERIFY(eMin->isReadOnly());
        box->setPwmLimitsEnabled(true);

        for (int i = 0; i < 12; ++i) {
            QTest::keyClick(eMax, Qt::Key_Down);  // arrow keys in the edit step its up-down
        }
        QCOMPARE(eMax->text(), QStringLiteral("MAX PWM: 10%"));
        QTest::mouseClick(udMin->upButton(), Qt::LeftButton);
        QCOMPARE(eMin->text(), QStringLiteral("MIN PWM: 0%"));  // fixed at 0 while MAX is 10

        for (int i = 0; i < 5; ++i) {
            udMax->stepUp();
        }
        for (int i = 0; i < 9; ++i) {
            udMin->stepUp();
        }
        QCOMPARE(box->presets().options.pwmMin, 50);
        QCOMPARE(eMin->text(), QStringLiteral("MIN PWM: 50%"));
        for (int i = 0; i < 9; ++i) {
            udMax->stepDown();
        }
        QCOMPARE(box->presets().options.pwmMax, 60);
    }

    void presetsRoundTripAndStrayValues() {
        auto box = makeBox();
        Presets p;
        p.grid.setCell(1, true);
        p.grid.setCell(80, true);
        p.grid.setCell(101, true);
        p.grid.setCell(180, true);
        p.options = {4, 9, 5, 30, 70};
        QSignalSpy durations(box.get(), &PresetEditorBox::columnDurationChanged);
        box->setPresets(p);
        QCOMPARE(box->presets(), p);
        QCOMPARE(durations.count(), 0);  // indexes are set without handlers
        QCOMPARE(child<QLineEdit>(box.get(), QStringLiteral("eMaxPWM"))->text(),
                 QStringLiteral("MAX PWM: 70%"));

        // Out of range: no selection; PWM clamped, MIN kept 10 below MAX.
        p.options = {-3, 10, 6, 95, 140};
        box->setPresets(p);
        const PresetOptions o = box->presets().options;
        QCOMPARE(o.timeAxis, -1);
        QCOMPARE(o.onOff, -1);
        QCOMPARE(o.pwmMode, -1);
        QCOMPARE(o.pwmMin, 90);
        QCOMPARE(o.pwmMax, 100);
        p.options = {1, 0, 0, 60, 20};
        box->setPresets(p);
        QCOMPARE(box->presets().options.pwmMin, 60);
        QCOMPARE(box->presets().options.pwmMax, 70);
    }

    void languageSwitchRelabelsAndKeepsSelections() {
        auto box = makeBox();
        QCOMPARE(child<QLabel>(box.get(), QStringLiteral("Label1"))->text(),
                 QStringLiteral("Výstup 1:"));
        QCOMPARE(child<QLabel>(box.get(), QStringLiteral("Label104"))->text(),
                 QStringLiteral("Výstup 8:"));
        QCOMPARE(child<QPushButton>(box.get(), QStringLiteral("BitBtn1"))->text(),
                 QStringLiteral("Zapsat předvolby"));
        QVERIFY(!test::control<QPushButton>(box.get(), QStringLiteral("BitBtn1"))->isEnabled());
        Presets p = box->presets();
        p.options.onOff = -1;
        p.options.pwmMode = 4;
        box->setPresets(p);

        box->BitBtnCheckBoxClick(0);
        box->applyLanguage(Lang::English);
        QCOMPARE(effectList(box.get())->currentText(), QStringLiteral("Preset effect ..."));
        QCOMPARE(box->title(),
                 QStringLiteral("Preferences individual outputs RC Lumidors to program number 0:"));
        QCOMPARE(child<QLabel>(box.get(), QStringLiteral("Label3"))->text(),
                 QStringLiteral("Output 3"));
        QCOMPARE(child<QLabel>(box.get(), QStringLiteral("Label101"))->text(),
                 QStringLiteral("Output 5"));
        QCOMPARE(child<QLabel>(box.get(), QStringLiteral("lbSekce78"))->text(),
                 QStringLiteral("Section 2"));
        QCOMPARE(child<QLabel>(box.get(), QStringLiteral("lbSipka8"))->text(),
                 QStringLiteral("--->"));
        QCOMPARE(test::control<QComboBox>(box.get(), QStringLiteral("cbCasovaOsa"))->currentText(),
                 QStringLiteral("Timing axis - 50 ms / column"));
        QCOMPARE(test::control<QComboBox>(box.get(), QStringLiteral("cbZapVyp"))->currentIndex(),
                 -1);
        QCOMPARE(test::control<QComboBox>(box.get(), QStringLiteral("cbPWM"))->currentText(),
                 QStringLiteral("Reversing control the brightness of output by RC transmitter"));
        QCOMPARE(test::control<QSlider>(box.get(), QStringLiteral("tbSim"))->statusTip(),
                 QStringLiteral(
                     "Simulator stick of RC transmitter for controlling the brightness of output "
                     "No.1 and No.2"));
        QCOMPARE(child<QToolButton>(box.get(), QStringLiteral("btnSelectAll"))->statusTip(),
                 QStringLiteral("Selects all the available presets."));

        box->applyLanguage(Lang::Czech);
        QCOMPARE(child<QLabel>(box.get(), QStringLiteral("Label3"))->text(),
                 QStringLiteral("Výstup 3"));
        QCOMPARE(test::control<QComboBox>(box.get(), QStringLiteral("cbPWM"))->currentIndex(), 4);
        QCOMPARE(test::control<QComboBox>(box.get(), QStringLiteral("cbPWM"))->count(), 6);
        QCOMPARE(test::control<QComboBox>(box.get(), QStringLiteral("cbZapVyp"))->count(), 10);
        QCOMPARE(child<QToolButton>(box.get(), QStringLiteral("btnSelectAll"))->statusTip(),
                 QStringLiteral("Navolí všechny dostupné předvolby. "));
        // The time-axis hint stays Czech in both languages.
        QCOMPARE(test::control<QSlider>(box.get(), QStringLiteral("TrackBar1"))->statusTip(),
                 QStringLiteral(
                     "Časová základna RC Lumidoru v3.0. Periodicky se opakující smyčka 1000 ms."));
    }
};

}  // namespace lumidor

QTEST_MAIN(lumidor::PresetEditorTest)
#include "preseteditorbox_qtest.moc"
