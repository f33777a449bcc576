// The configuration panel's controls and its enabling rules; what it shows
// and reports is configpanelbox_values_qtest.
#include "support/configpanel.h"

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
    ConfigList::Reverse2};

const char* const kScaleLabels[] = {"lbl800in1", "lbl1500in1", "lbl2200in1",
                                    "lbl800in2", "lbl1500in2", "lbl2200in2"};

}  // namespace

class ConfigPanelBoxTest : public QObject, public test::ConfigPanelFixture {
    Q_OBJECT

private Q_SLOTS:
    void init() { QVERIFY(start()); }
    void cleanup() { stop(); }

    void everyNamedControlExists() {
        QCOMPARE(panel().objectName(), QStringLiteral("GroupBox4"));
        const QSet<int> columns{9, 154, 299, 444};
        for (ConfigList l : allConfigLists()) {
            const QString name = QString::fromLatin1(configItem(l).control);
            auto* box = panel().findChild<QComboBox*>(name);
            QVERIFY2(box, qPrintable(name));
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
        QVERIFY(save);
        QVERIFY(!save->isEnabled());  // until a converter is found
        QSignalSpy clicks(&panel(), &ConfigPanelBox::writeClicked);
        panel().setWriteEnabled(true);
        save->click();
        QCOMPARE(clicks.size(), 1);
        panel().setWriteEnabled(false);
        QVERIFY(!save->isEnabled());
    }

    // Default program 0: only the always-on lists and the guard are usable,
    // and the values are complete all the same.
    void defaultsAfterConstruction() {
        QCOMPARE(shown(), ConfigValues{});
        QCOMPARE(panel().title(), QStringLiteral("Konfigurace RC Lumidoru: "));
        QCOMPARE(voltageEdit()->text(), QStringLiteral("Flash alarm pod 4.5 V"));
        QVERIFY(allEnabled(kAlwaysEnabled, true));
        QVERIFY(enabled(ConfigList::VoltageGuard));
        QVERIFY(allEnabled(kCarLights, false));
        QVERIFY(allEnabled(kSoundBase, false));
        QVERIFY(allEnabled(kEngineDetails, false));
        QVERIFY(!voltageEdit()->isEnabled());
        QVERIFY(!voltageUpDown()->isEnabled());
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
        QVERIFY(!neutralBar1()->hasSelection());
        QVERIFY(!neutralBar0()->hasSelection());
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
        edits_->clear();
        userStep(ConfigList::Prog, Qt::Key_Up);
        QCOMPARE(list(ConfigList::Prog)->currentIndex(), 1);
        QCOMPARE(rolling.size(), 1);
        // Reported before the rolling view is asked for, which reads the program.
        QCOMPARE(edits_->size(), 1);
        QCOMPARE(reported().list(ConfigList::Prog), 1);
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
        QCOMPARE(reported().list(ConfigList::EngineType), 2);
        QCOMPARE(rolling.size(), 2);

        // Lists without a rule of their own report too, whichever way the
        // user picks: the keyboard, the wheel.
        userStep(ConfigList::Cylinder, Qt::Key_Up);
        QCOMPARE(reported().list(ConfigList::Cylinder), 1);
        QWheelEvent wheel(QPointF(5, 5), list(ConfigList::FailSafe)->mapToGlobal(QPointF(5, 5)),
                          QPoint(), QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(list(ConfigList::FailSafe), &wheel);
        QCOMPARE(list(ConfigList::FailSafe)->currentIndex(), 2);
        QCOMPARE(reported().list(ConfigList::FailSafe), 2);
    }

    void measuringProgramOverridesTheGuard() {
        load([](ConfigValues& v) {
            v.list(ConfigList::Prog) = 3;
            v.list(ConfigList::VoltageGuard) = 1;
        });
        panel().cbProgChange();
        QVERIFY(!enabled(ConfigList::VoltageGuard));
        QVERIFY(!voltageEdit()->isEnabled());
        QVERIFY(!voltageUpDown()->isEnabled());

        userStep(ConfigList::Prog, Qt::Key_Home);
        QCOMPARE(list(ConfigList::Prog)->currentIndex(), 0);
        QVERIFY(enabled(ConfigList::VoltageGuard));
        QVERIFY(voltageEdit()->isEnabled());
        QVERIFY(voltageUpDown()->isEnabled());

        // And the guard list itself switches the threshold.
        userStep(ConfigList::VoltageGuard, Qt::Key_Up);
        QVERIFY(!voltageEdit()->isEnabled());
        QVERIFY(!voltageUpDown()->isEnabled());
    }

    void listsWithoutSelection() {
        load([](ConfigValues& v) {
            v.list(ConfigList::Prog) = 7;
            v.list(ConfigList::VoltageGuard) = 1;
            v.list(ConfigList::Neutral) = -1;
        });
        QCOMPARE(list(ConfigList::Prog)->currentIndex(), -1);
        QCOMPARE(shown().list(ConfigList::Prog), -1);
        QSignalSpy rolling(&panel(), &ConfigPanelBox::rollingViewRequested);
        panel().cbProgChange();
        QCOMPARE(rolling.size(), 1);  // the preset area folds away
        QVERIFY(allEnabled(kCarLights, false));
        QVERIFY(allEnabled(kSoundBase, false));
        QVERIFY(enabled(ConfigList::VoltageGuard));
        QVERIFY(voltageEdit()->isEnabled());

        // No neutral selection leaves the band as it was (none yet).
        QVERIFY(!neutralBar1()->hasSelection());

        // An engine without selection counts as an engine in program 2.
        load([](ConfigValues& v) {
            v.list(ConfigList::Prog) = 2;
            v.list(ConfigList::EngineType) = 9;
        });
        panel().cbProgChange();
        QVERIFY(allEnabled(kEngineDetails, true));
    }

    void neutralBandFollowsTheList() {
        load([](ConfigValues&) {});
        QCOMPARE(neutralBar1()->selStart(), 1456);
        QCOMPARE(neutralBar0()->selEnd(), 1552);
        userStep(ConfigList::Neutral, Qt::Key_Down);
        QCOMPARE(neutralBar0()->selStart(), 1440);
        QCOMPARE(neutralBar1()->selEnd(), 1568);
        load([](ConfigValues& v) { v.list(ConfigList::Neutral) = -1; });
        QVERIFY(neutralBar1()->hasSelection());
        QCOMPARE(neutralBar1()->selStart(), 1440);
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
        QCOMPARE(edits_->size(), 0);  // nor does showing a configuration
        QVERIFY(allEnabled(kCarLights, false));
        QVERIFY(!bars().first()->isEnabled());
        QVERIFY(!voltageEdit()->isEnabled());
    }
};

QTEST_MAIN(ConfigPanelBoxTest)
#include "configpanelbox_qtest.moc"
