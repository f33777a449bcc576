#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QSlider>
#include <QtTest>

#include "common/ui/updown.h"
#include "settings/configpanel.h"
#include "settings/ui/configpanelbox.h"
#include "settings/ui/configwidgets.h"

using namespace lumidor;

namespace {

constexpr ConfigList kCarLights[] = {ConfigList::Smerovky_OnOff, ConfigList::CornerSpeed,
                                     ConfigList::ProdlevaSmerovkyTime,
                                     ConfigList::VarovneSmerovkyTime};
constexpr ConfigList kSoundBase[] = {ConfigList::SoundSpeed, ConfigList::EngineType};
constexpr ConfigList kEngineDetails[] = {ConfigList::Cylinder, ConfigList::TimeOff,
                                         ConfigList::EngineShutDown, ConfigList::Control};
constexpr ConfigList kAlwaysEnabled[] = {
    ConfigList::Prog,     ConfigList::Inicializace,    ConfigList::InicBlik,
    ConfigList::FailSafe, ConfigList::NastavVysilacem, ConfigList::IndikacniLED,
    ConfigList::CalKnipl, ConfigList::Neutral,         ConfigList::Reverse1,
    ConfigList::Reverse0};

const char* const kScaleLabels[] = {"lbl800in1", "lbl1500in1", "lbl2200in1",
                                    "lbl800in2", "lbl1500in2", "lbl2200in2"};

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

class ConfigPanelBoxTest : public QObject {
    Q_OBJECT

    Lang lang_ = Lang::Czech;
    std::unique_ptr<ConfigPanelBox> panel_;

    ConfigPanelBox& panel() { return *panel_; }
    QComboBox* list(ConfigList l) { return panel_->list(l); }
    bool enabled(ConfigList l) { return list(l)->isEnabled(); }
    template <size_t N>
    bool allEnabled(const ConfigList (&lists)[N], bool on) {
        return std::all_of(lists, lists + N, [&](ConfigList l) { return enabled(l) == on; });
    }
    QList<QSlider*> bars() {
        return {panel_->leftBar1(), panel_->rightBar1(), panel_->leftBar0(), panel_->rightBar0()};
    }
    // A user's pick, the way the keyboard makes one on a closed list.
    void userStep(ConfigList l, Qt::Key key) {
        QComboBox* box = list(l);
        box->setFocus();
        QTest::keyClick(box, key);
    }
    void load(const std::function<void(ConfigValues&)>& edit) {
        ConfigValues v;
        edit(v);
        panel_->setValues(v);
    }

private Q_SLOTS:
    void init() {
        lang_ = Lang::Czech;
        panel_ = std::make_unique<ConfigPanelBox>(nullptr, [this] { return lang_; });
        panel_->resize(592, 382);
        panel_->show();
        QVERIFY(QTest::qWaitForWindowExposed(panel_.get()));
    }
    void cleanup() { panel_.reset(); }

    void everyNamedControlExists() {
        QCOMPARE(panel().objectName(), QStringLiteral("GroupBox4"));
        const QSet<int> columns{9, 154, 299, 444};
        for (ConfigList l : allConfigLists()) {
            const QString name = QString::fromLatin1(configItem(l).control);
            auto* box = panel().findChild<QComboBox*>(name);
            QVERIFY2(box && box == list(l), qPrintable(name));
            // Two lists take room their neighbours do not need.
            const int width = l == ConfigList::IndikacniLED   ? 122
                              : l == ConfigList::VoltageGuard ? 154
                              : l == ConfigList::Control      ? 160
                                                              : 138;
            QCOMPARE(box->width(), width);
            QCOMPARE(box->cursor().shape(), Qt::PointingHandCursor);
            QCOMPARE(box->count(), configItem(l).count());
            const bool centred = l == ConfigList::CalKnipl || l == ConfigList::Neutral;
            // Right-aligned to its column instead.
            const int x = l == ConfigList::VoltageGuard ? box->x() + 16 : box->x();
            QVERIFY2(centred || columns.contains(x), qPrintable(name));
        }
        QCOMPARE(panel().findChildren<QComboBox*>().size(), kConfigListCount);
        for (const char* name : {"tbLeft1", "tbRight1", "tbLeft0", "tbRight0"}) {
            auto* bar = panel().findChild<QSlider*>(QLatin1String(name));
            QVERIFY2(bar && bar->cursor().shape() == Qt::PointingHandCursor, name);
        }
        for (const char* name : {"tbNeutral1", "tbNeutral0"}) {
            auto* bar = panel().findChild<NeutralBandBar*>(QLatin1String(name));
            QVERIFY2(bar && !bar->isEnabled(), name);
        }
        for (const char* name : kScaleLabels) {
            QVERIFY2(panel().findChild<QLabel*>(QLatin1String(name)), name);
        }
        for (const char* name : {"lbInput1", "lbInput2"}) {
            QVERIFY2(panel().findChild<QLabel*>(QLatin1String(name)), name);
        }
        auto* edit = panel().findChild<QLineEdit*>(QStringLiteral("eVoltage"));
        QVERIFY(edit && edit->isReadOnly());
        QCOMPARE(edit->cursor().shape(), Qt::SizeVerCursor);
        QVERIFY(panel().findChild<UpDown*>(QStringLiteral("UpDown1")));
        auto* save = panel().findChild<QPushButton*>(QStringLiteral("BitBtn6"));
        QVERIFY(save && save == panel().writeButton());
        QVERIFY(!save->isEnabled());  // until a converter is found
    }

    // Default program 0: only the always-on lists and the guard are usable,
    // and the values are complete all the same.
    void defaultsAfterConstruction() {
        QCOMPARE(panel().values(), ConfigValues{});
        QCOMPARE(panel().title(), QStringLiteral("Konfigurace RC Lumidoru: "));
        QCOMPARE(panel().voltageEdit()->text(), QStringLiteral("Flash alarm pod 4.5 V"));
        QVERIFY(allEnabled(kAlwaysEnabled, true));
        QVERIFY(enabled(ConfigList::VoltageGuard));
        QVERIFY(allEnabled(kCarLights, false));
        QVERIFY(allEnabled(kSoundBase, false));
        QVERIFY(allEnabled(kEngineDetails, false));
        QVERIFY(!panel().voltageEdit()->isEnabled());
        QVERIFY(!panel().voltageUpDown()->isEnabled());
        for (QSlider* bar : bars()) {
            QVERIFY(!bar->isEnabled());
            QCOMPARE(bar->toolTip(), bar->statusTip());
            QVERIFY(
                bar->statusTip().endsWith(QString::number(bar->value()) + QStringLiteral("us")));
        }
        for (const char* name : kScaleLabels) {
            QVERIFY(!panel().findChild<QLabel*>(QLatin1String(name))->isEnabled());
        }
        // No neutral band until the start-up rules set one.
        QVERIFY(!panel().neutralBar1()->hasSelection());
        QVERIFY(!panel().neutralBar0()->hasSelection());
        // Pop-up tips belong to the four limit bars alone.
        for (const QWidget* w : panel().findChildren<QWidget*>()) {
            if (!w->toolTip().isEmpty()) {
                QVERIFY2(bars().contains(qobject_cast<QSlider*>(const_cast<QWidget*>(w))),
                         qPrintable(w->objectName()));
            }
        }
    }

    void sirenThenCarLightsThenSoundAgain() {
        load([](ConfigValues& v) {
            v.list(ConfigList::Prog) = 2;
            v.list(ConfigList::EngineType) = 3;
        });
        panel().cbProgChange();
        QVERIFY(allEnabled(kSoundBase, true));
        QVERIFY(allEnabled(kEngineDetails, false));
        QVERIFY(allEnabled(kCarLights, false));

        QSignalSpy rolling(&panel(), &ConfigPanelBox::rollingViewRequested);
        userStep(ConfigList::Prog, Qt::Key_Up);
        QCOMPARE(list(ConfigList::Prog)->currentIndex(), 1);
        QCOMPARE(rolling.size(), 1);
        QVERIFY(allEnabled(kCarLights, true));
        QVERIFY(allEnabled(kSoundBase, false));
        QVERIFY(allEnabled(kEngineDetails, false));

        userStep(ConfigList::Prog, Qt::Key_Down);
        QCOMPARE(rolling.size(), 2);
        QVERIFY(allEnabled(kCarLights, false));
        QVERIFY(enabled(ConfigList::EngineType));
        QVERIFY(allEnabled(kEngineDetails, false));  // still the siren

        // The user leaves the siren: its four lists come back.
        userStep(ConfigList::EngineType, Qt::Key_Up);
        QCOMPARE(list(ConfigList::EngineType)->currentIndex(), 2);
        QVERIFY(allEnabled(kEngineDetails, true));
    }

    void measuringProgramOverridesTheGuard() {
        load([](ConfigValues& v) {
            v.list(ConfigList::Prog) = 3;
            v.list(ConfigList::VoltageGuard) = 1;
        });
        panel().cbProgChange();
        QVERIFY(!enabled(ConfigList::VoltageGuard));
        QVERIFY(!panel().voltageEdit()->isEnabled());
        QVERIFY(!panel().voltageUpDown()->isEnabled());

        userStep(ConfigList::Prog, Qt::Key_Home);
        QCOMPARE(list(ConfigList::Prog)->currentIndex(), 0);
        QVERIFY(enabled(ConfigList::VoltageGuard));
        QVERIFY(panel().voltageEdit()->isEnabled());
        QVERIFY(panel().voltageUpDown()->isEnabled());

        // And the guard list itself switches the threshold.
        userStep(ConfigList::VoltageGuard, Qt::Key_Up);
        QVERIFY(!panel().voltageEdit()->isEnabled());
        QVERIFY(!panel().voltageUpDown()->isEnabled());
    }

    void listsWithoutSelection() {
        load([](ConfigValues& v) {
            v.list(ConfigList::Prog) = 7;
            v.list(ConfigList::VoltageGuard) = 1;
            v.list(ConfigList::Neutral) = -1;
        });
        QCOMPARE(list(ConfigList::Prog)->currentIndex(), -1);
        QCOMPARE(panel().values().list(ConfigList::Prog), -1);
        QSignalSpy rolling(&panel(), &ConfigPanelBox::rollingViewRequested);
        panel().cbProgChange();
        QCOMPARE(rolling.size(), 1);  // the preset area folds away
        QVERIFY(allEnabled(kCarLights, false));
        QVERIFY(allEnabled(kSoundBase, false));
        QVERIFY(enabled(ConfigList::VoltageGuard));
        QVERIFY(panel().voltageEdit()->isEnabled());

        // No neutral selection leaves the band as it was (none yet).
        panel().cbNeutralChange();
        QVERIFY(!panel().neutralBar1()->hasSelection());

        // An engine without selection counts as an engine in program 2.
        load([](ConfigValues& v) {
            v.list(ConfigList::Prog) = 2;
            v.list(ConfigList::EngineType) = 9;
        });
        panel().cbProgChange();
        QVERIFY(allEnabled(kEngineDetails, true));
    }

    void neutralBandFollowsTheList() {
        panel().cbNeutralChange();
        QCOMPARE(panel().neutralBar1()->selStart(), 1456);
        QCOMPARE(panel().neutralBar0()->selEnd(), 1552);
        userStep(ConfigList::Neutral, Qt::Key_Down);
        QCOMPARE(panel().neutralBar0()->selStart(), 1440);
        QCOMPARE(panel().neutralBar1()->selEnd(), 1568);
        load([](ConfigValues& v) { v.list(ConfigList::Neutral) = -1; });
        panel().cbNeutralChange();
        QVERIFY(panel().neutralBar1()->hasSelection());
        QCOMPARE(panel().neutralBar1()->selStart(), 1440);
    }

    void calibrationEnablesTheBarsAndScales() {
        userStep(ConfigList::CalKnipl, Qt::Key_Down);
        for (QSlider* bar : bars()) {
            QVERIFY(bar->isEnabled());
        }
        for (const char* name : kScaleLabels) {
            QVERIFY(panel().findChild<QLabel*>(QLatin1String(name))->isEnabled());
        }
    }

    void indexSetInCodeRunsNoHandler() {
        QSignalSpy rolling(&panel(), &ConfigPanelBox::rollingViewRequested);
        list(ConfigList::Prog)->setCurrentIndex(1);
        list(ConfigList::CalKnipl)->setCurrentIndex(1);
        list(ConfigList::VoltageGuard)->setCurrentIndex(1);
        load([](ConfigValues& v) { v.list(ConfigList::Prog) = 2; });
        QCOMPARE(rolling.size(), 0);
        QVERIFY(allEnabled(kCarLights, false));
        QVERIFY(!bars().first()->isEnabled());
        QVERIFY(!panel().voltageEdit()->isEnabled());
    }

    void barsSnapBackToTheirLimits() {
        userStep(ConfigList::CalKnipl, Qt::Key_Down);
        const struct {
            QSlider* bar;
            int dragged;
            int kept;
        } cases[] = {
            {panel().rightBar0(), 1620, 1632}, {panel().rightBar1(), 1620, 1632},
            {panel().leftBar1(), 1400, 1376},  {panel().leftBar0(), 896, 896},
            {panel().leftBar0(), 800, 896},    {panel().rightBar1(), 2200, 2112},
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
        }
        // Keyboard steps go through the same handler.
        QSlider* left = panel().leftBar1();
        left->setFocus();
        QTest::keyClick(left, Qt::Key_End);
        QCOMPARE(left->value(), 1376);
    }

    void loadedValuesAreClampedAndKept() {
        ConfigValues v;
        v.voltage = 70;
        v.stickLeft1 = 100;
        v.stickRight1 = 3000;
        v.stickLeft2 = 1360;
        v.stickRight2 = 1700;
        panel().setValues(v);
        const ConfigValues got = panel().values();
        QCOMPARE(got.voltage, 55);
        QCOMPARE(panel().voltageEdit()->text(), QStringLiteral("Flash alarm pod 5.5 V"));
        QCOMPARE(got.stickLeft1, 896);
        QCOMPARE(got.stickRight1, 2112);
        QCOMPARE(got.stickLeft2, 1360);
        QCOMPARE(got.stickRight2, 1700);
        QCOMPARE(panel().rightBar1()->statusTip(),
                 QString::fromUtf8("Nastavení meze kniplu pro stav Zapnuto - 2112us"));
        v.voltage = 10;
        panel().setValues(v);
        QCOMPARE(panel().values().voltage, 30);
        QCOMPARE(panel().voltageEdit()->text(), QStringLiteral("Flash alarm pod 3.0 V"));
    }

    void arrowKeysStepTheThresholdInTheEdit() {
        userStep(ConfigList::VoltageGuard, Qt::Key_Down);
        QLineEdit* edit = panel().voltageEdit();
        QVERIFY(edit->isEnabled());
        edit->setFocus();
        QTest::keyClick(edit, Qt::Key_Up);
        QCOMPARE(panel().values().voltage, 46);
        QCOMPARE(edit->text(), QStringLiteral("Flash alarm pod 4.6 V"));
        for (int i = 0; i < 30; ++i) {
            QTest::keyClick(edit, Qt::Key_Down);
        }
        QCOMPARE(panel().values().voltage, 30);
        lang_ = Lang::English;
        panel().voltageUpDown()->setPosition(panel().voltageUpDown()->position() + 25);
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
        const ConfigValues before = panel().values();
        QCOMPARE(before.list(ConfigList::Neutral), -1);
        QCOMPARE(before.list(ConfigList::Cylinder), -1);

        lang_ = Lang::English;
        panel().applyLanguage(Lang::English);
        QCOMPARE(panel().values(), before);
        QCOMPARE(panel().title(), QStringLiteral("RC Lumidor configuration: "));
        QCOMPARE(panel().writeButton()->text(), QStringLiteral("Save configuration"));
        QCOMPARE(list(ConfigList::Prog)->currentText(), QStringLiteral("Prog. #2 - Sound"));
        QCOMPARE(panel().findChild<QLabel*>(QStringLiteral("lbInput1"))->text(),
                 QStringLiteral(" Input1 --->"));
        QCOMPARE(panel().voltageEdit()->text(), QStringLiteral("Flash alarm under 3.8 V"));
        QCOMPARE(panel().rightBar0()->toolTip(),
                 QStringLiteral("Setting limits stick for the status ON - 2000us"));
        QCOMPARE(panel().findChild<QLabel*>(QStringLiteral("lbl2200in1"))->text(),
                 QStringLiteral("2200us"));
        QVERIFY(allTexts(panel()) != czech);

        lang_ = Lang::Czech;
        panel().applyLanguage(Lang::Czech);
        QCOMPARE(panel().values(), before);
        QCOMPARE(allTexts(panel()), czech);
    }
};

QTEST_MAIN(ConfigPanelBoxTest)
#include "configpanelbox_qtest.moc"
