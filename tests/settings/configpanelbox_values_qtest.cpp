// What the configuration panel shows of a configuration, and the edits it
// reports: kept stick limits, the threshold, a language switch.
#include "support/configpanel.h"

using namespace lumidor;

namespace {

// Every text the panel shows or hints, so two language states can be compared whole.
QStringList allTexts(const ConfigPanelBox& panel) {
    QStringList texts{panel.title()};
    for (const QWidget* w : panel.findChildren<QWidget*>()) {
        texts << w->objectName() + QStringLiteral(": ") + w->statusTip() + QLatin1Char('|') +
                     w->toolTip();
        if (const auto* box = qobject_cast<const QComboBox*>(w)) {
            for (int i = 0; i < box->count(); ++i) {
                texts << box->itemText(i);
            }
        } else if (const auto* label = qobject_cast<const QLabel*>(w)) {
            texts << label->text();
        } else if (const auto* edit = qobject_cast<const QLineEdit*>(w)) {
            texts << edit->text();
        } else if (const auto* button = qobject_cast<const QPushButton*>(w)) {
            texts << button->text();
        }
    }
    return texts;
}

}  // namespace

class ConfigPanelBoxValuesTest : public QObject, public test::ConfigPanelFixture {
    Q_OBJECT

private Q_SLOTS:
    void init() { QVERIFY(start()); }
    void cleanup() { stop(); }

    void barsSnapBackToTheirLimits() {
        userStep(ConfigList::CalKnipl, Qt::Key_Down);
        const struct {
            QSlider* bar;
            int dragged;
            int kept;
        } cases[] = {
            {bar("tbRight0"), 1620, 1632}, {bar("tbRight1"), 1620, 1632},
            {bar("tbLeft1"), 1400, 1376},  {bar("tbLeft0"), 896, 896},
            {bar("tbLeft0"), 800, 896},    {bar("tbRight1"), 2200, 2112},
        };
        for (const auto& c : cases) {
            // As a drag does it: the thumb moves while held down.
            c.bar->setSliderDown(true);
            c.bar->setSliderPosition(c.dragged);
            QCOMPARE(c.bar->value(), c.kept);
            c.bar->setSliderDown(false);
            QCOMPARE(c.bar->value(), c.kept);
            const QString hint = QString::fromUtf8("Nastavení meze kniplu pro stav Zapnuto - ") +
                                 QString::number(c.kept) + QStringLiteral("us");
            QCOMPARE(c.bar->statusTip(), hint);
            QCOMPARE(c.bar->toolTip(), hint);
            // The kept position is the one reported.
            QCOMPARE(reported(), shown());
        }
        // Keyboard steps go through the same handler.
        QSlider* left = bar("tbLeft1");
        left->setFocus();
        QTest::keyClick(left, Qt::Key_End);
        QCOMPARE(left->value(), 1376);
        QCOMPARE(reported().stickLeft1, 1376);
    }

    void loadedValuesAreClampedAndKept() {
        ConfigValues v;
        v.voltage = 70;
        v.stickLeft1 = 100;
        v.stickRight1 = 3000;
        v.stickLeft2 = 1360;
        v.stickRight2 = 1700;
        panel().show(v);
        const ConfigValues got = shown();
        QCOMPARE(got.voltage, 55);
        QCOMPARE(voltageEdit()->text(), QStringLiteral("Flash alarm pod 5.5 V"));
        QCOMPARE(got.stickLeft1, 896);
        QCOMPARE(got.stickRight1, 2112);
        QCOMPARE(got.stickLeft2, 1360);
        QCOMPARE(got.stickRight2, 1700);
        QCOMPARE(bar("tbRight1")->statusTip(),
                 QString::fromUtf8("Nastavení meze kniplu pro stav Zapnuto - 2112us"));
        v.voltage = 10;
        panel().show(v);
        QCOMPARE(shown().voltage, 30);
        QCOMPARE(edits_->size(), 0);
        QCOMPARE(voltageEdit()->text(), QStringLiteral("Flash alarm pod 3.0 V"));
    }

    void arrowKeysStepTheThresholdInTheEdit() {
        userStep(ConfigList::VoltageGuard, Qt::Key_Down);
        QLineEdit* edit = voltageEdit();
        QVERIFY(edit->isEnabled());
        edit->setFocus();
        QTest::keyClick(edit, Qt::Key_Up);
        QCOMPARE(reported().voltage, 46);
        QCOMPARE(edit->text(), QStringLiteral("Flash alarm pod 4.6 V"));
        for (int i = 0; i < 30; ++i) {
            QTest::keyClick(edit, Qt::Key_Down);
        }
        QCOMPARE(reported().voltage, 30);
        lang_ = Lang::English;
        voltageUpDown()->setPosition(voltageUpDown()->position() + 25);
        QCOMPARE(edit->text(), QStringLiteral("Flash alarm under 5.5 V"));
    }

    void languageRoundTripRestoresEveryTextAndIndex() {
        load([](ConfigValues& v) {
            v.list(ConfigList::Prog) = 2;
            v.list(ConfigList::Neutral) = -1;
            v.list(ConfigList::Cylinder) = 5;
            v.list(ConfigList::Inicializace) = 4;
            v.voltage = 38;
            v.stickRight2 = 2000;
        });
        panel().applyLanguage(Lang::Czech);
        const QStringList czech = allTexts(panel());
        const ConfigValues before = shown();
        QCOMPARE(before.list(ConfigList::Neutral), -1);
        QCOMPARE(before.list(ConfigList::Cylinder), -1);

        lang_ = Lang::English;
        panel().applyLanguage(Lang::English);
        QCOMPARE(shown(), before);
        QCOMPARE(panel().title(), QStringLiteral("RC Lumidor configuration: "));
        QCOMPARE(child<QPushButton>("BitBtn6")->text(), QStringLiteral("Save configuration"));
        QCOMPARE(list(ConfigList::Prog)->currentText(), QStringLiteral("Prog. #2 - Sound"));
        QCOMPARE(panel().findChild<QLabel*>(QStringLiteral("lbInput1"))->text(),
                 QStringLiteral(" Input1 --->"));
        QCOMPARE(voltageEdit()->text(), QStringLiteral("Flash alarm under 3.8 V"));
        QCOMPARE(bar("tbRight0")->toolTip(),
                 QStringLiteral("Setting limits stick for the status ON - 2000us"));
        QCOMPARE(panel().findChild<QLabel*>(QStringLiteral("lbl2200in1"))->text(),
                 QStringLiteral("2200us"));
        QVERIFY(allTexts(panel()) != czech);

        lang_ = Lang::Czech;
        panel().applyLanguage(Lang::Czech);
        QCOMPARE(shown(), before);
        QCOMPARE(allTexts(panel()), czech);
    }
};

QTEST_MAIN(ConfigPanelBoxValuesTest)
#include "configpanelbox_values_qtest.moc"
