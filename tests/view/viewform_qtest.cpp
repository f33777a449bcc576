#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QToolTip>

#include "app/languagebox.h"
#include "app/mainwindow.h"
#include "common/jpegimage.h"
#include "common/mnemonic.h"
#include "presets/ui/aled.h"
#include "presets/ui/livepreviewbox.h"
#include "presets/ui/preseteditorbox.h"
#include "support/controls.h"
#include "support/files.h"
#include "support/paintcounter.h"
#include "support/recordingdialogs.h"
#include "view/ui/viewform.h"

namespace lumidor {

class ViewFormTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    test::RecordingDialogs dialogs_;
    std::unique_ptr<TMainForm> form_;

    TViewForm* view() const { return form_->viewForm(); }
    template <typename T>
    T* child(const char* name) const {
        return view()->findChild<T*>(QString::fromLatin1(name));
    }
    void open() {
        form_->SpeedButton1Click();
        QVERIFY(view()->isVisible());
    }
    // Open with nothing moving on its own: no preview timer, no blinking car.
    void openStill() {
        open();
        QVERIFY(QTest::qWaitForWindowExposed(view()));
        // A roll at start-up starts the preview again when it ends, which on a
        // slow platform (Wine) is after this.
        QTRY_VERIFY(!form_->rollingTimer()->isActive());
        form_->timer1()->stop();
        QTest::mouseClick(child<QCheckBox>("chbCar"), Qt::LeftButton);
        QCoreApplication::processEvents();
    }
    void toEnglish() { QTest::mouseClick(form_->languageBox()->englishButton(), Qt::LeftButton); }
    // Each following lamp against the preview LED of its output.
    void expectFollowing(Model model, bool following) const {
        for (size_t i = 0; i < kFollowingLamps; ++i) {
            const LampSpec& spec = modelLamps()[i];
            if (spec.model == model) {
                const bool same = view()->lamp(static_cast<int>(i))->Value() ==
                                  test::control<TALed>(form_->livePreview(),
                                                       QStringLiteral("Led%1").arg(spec.output))
                                      ->Value();
                QVERIFY2(!following || same, spec.name);
            }
        }
    }

private Q_SLOTS:
    void init() {
        QLocale::setDefault(QLocale(QLocale::Czech, QLocale::CzechRepublic));
        // A settings file, even an empty one, keeps the first activation from
        // loading the first effect over the pattern set below.
        QVERIFY(test::writeAll(dir_.filePath(QStringLiteral("rc_lumidor_konfigurator_hw_v40.ini")),
                               QByteArray()));
        form_ = std::make_unique<TMainForm>(dir_.path());
        form_->timer1()->stop();  // steps are driven by hand
        // Outputs 1, 4, 6 and 7 lit in odd columns, the rest in even ones.
        Presets p;
        for (int o = 1; o <= 8; ++o) {
            for (int c = 1; c <= 20; ++c) {
                p.grid.set(o, c, ((o == 1 || o == 4 || o == 6 || o == 7) ? 1 : 0) == c % 2);
            }
        }
        form_->loadPresets(p);
        form_->show();
    }
    void cleanup() { form_.reset(); }

    // The window exists hidden from the start, every control by name, and
    // its pictures are decoded only when it is first shown.
    void builtHiddenWithEveryControl() {
        QVERIFY(!view()->isVisible());
        QVERIFY(!view()->picturesLoaded());
        QCOMPARE(view()->size(), QSize(734, 548));
        for (const GroupSpec& g : modelGroups()) {
            QVERIFY2(child<QGroupBox>(g.name), g.name);
            QCOMPARE(child<QGroupBox>(g.name)->geometry(), QRect(g.left, g.top, g.width, g.height));
            QVERIFY(child<QCheckBox>(g.simulationBox)->isChecked());
        }
        for (const PictureSpec& p : modelPictures()) {
            const QRect place = child<QLabel>(p.name)->geometry();
            QCOMPARE(place.topLeft(), QPoint(p.left, p.top));
            QCOMPARE(place.width(), p.width);
            const int groupHeight = child<QLabel>(p.name)->parentWidget()->height();
            QVERIFY(place.height() <= p.height && place.bottom() < groupHeight - 1);
        }
        for (size_t i = 0; i < modelLamps().size(); ++i) {
            const LampSpec& spec = modelLamps()[i];
            auto* lamp = child<TALed>(spec.name);
            QVERIFY2(lamp == view()->lamp(static_cast<int>(i)), spec.name);
            QCOMPARE(lamp->pos(), QPoint(spec.left, spec.top));
            QCOMPARE(lamp->size(), spec.shape == LampShape::Lying ? QSize(22, 16) : QSize(16, 16));
            QCOMPARE(lamp->TrueColor(), QColor(spec.on));
            QCOMPARE(lamp->FalseColor(), QColor(128, 128, 128));
            QCOMPARE(lamp->Blink(), spec.blinkMs > 0);
            QCOMPARE(lamp->Bordered(), spec.model != Model::Car);
            QVERIFY(!lamp->Value());
        }
        for (const LabelSpec& l : modelLabels()) {
            QVERIFY2(child<QLabel>(l.name), l.name);
        }
    }

    // Each tick copies Led1..Led8 to the lamps whether the window is shown or
    // not; an unticked box freezes its model until it is ticked again.
    void lampsFollowAndFreezePerBox() {
        for (int tick = 0; tick < 3; ++tick) {
            form_->Timer1Timer();
            for (Model m : {Model::Aeroplane, Model::Quadcopter, Model::Boat}) {
                expectFollowing(m, true);
            }
        }
        open();
        auto* quad = child<QCheckBox>("CheckBox2");
        QTest::mouseClick(quad, Qt::LeftButton);
        QCOMPARE(quad->text(), QStringLiteral("simulace zakázána"));
        std::vector<bool> frozen;
        for (int i = 8; i < 24; ++i) {
            frozen.push_back(view()->lamp(i)->Value());
        }
        form_->Timer1Timer();
        for (int i = 8; i < 24; ++i) {
            QCOMPARE(view()->lamp(i)->Value(), frozen[static_cast<size_t>(i - 8)]);
        }
        expectFollowing(Model::Aeroplane, true);
        QTest::mouseClick(quad, Qt::LeftButton);
        QCOMPARE(quad->text(), QStringLiteral("simulace povolena"));
        form_->Timer1Timer();
        expectFollowing(Model::Quadcopter, true);
    }

    // A write that changes nothing costs no repaint.
    void unchangedStatesCostNothing() {
        openStill();
        const LedStates leds{true, false, true, false, true, false, true, false};
        view()->follow(leds);
        test::PaintCounter::waitUntilQuiet();
        test::PaintCounter paints;
        view()->follow(leds);
        QCoreApplication::processEvents();
        QVERIFY2(paints.others.filter(QStringLiteral("LampPanel")).isEmpty(),
                 qPrintable(paints.others.join(QLatin1Char(' '))));
    }

    // A tick in which every output changes repaints the eight preview LEDs
    // and, here, each model's lamps in one go; nothing beneath the lamps (the
    // pictures) is painted again.
    void tickRepaintsOnlyTheLamps() {
        openStill();
        form_->Timer1Timer();
        QCoreApplication::processEvents();
        test::PaintCounter paints;
        form_->Timer1Timer();
        QCoreApplication::processEvents();
        QCOMPARE(paints.leds, 8);
        QCOMPARE(paints.others, QStringList(3, QStringLiteral("/lumidor::LampPanel")));
    }

    // The pointer over a lamp shows the lamp's tip and, where it has one, the
    // help cursor; beside a lamp it reaches the picture as before.
    void lampTipsUnderThePointer() {
        open();
        QVERIFY(QTest::qWaitForWindowExposed(view()));
        for (const char* name : {"qcLED5", "aeroLED7", "carLED3"}) {
            TALed* lamp = child<TALed>(name);
            QWidget* model = lamp->parentWidget()->parentWidget();
            const QPoint centre = lamp->geometry().center();
            QWidget* under = model->childAt(centre);
            QVERIFY2(under == lamp->parentWidget(), name);
            QMouseEvent move(QEvent::MouseMove, centre, under->mapToGlobal(centre), Qt::NoButton,
                             Qt::NoButton, Qt::NoModifier);
            QCoreApplication::sendEvent(under, &move);
            QHelpEvent help(QEvent::ToolTip, centre, under->mapToGlobal(centre));
            QCoreApplication::sendEvent(under, &help);
            QCOMPARE(QToolTip::text(), lamp->toolTip());
            QCOMPARE(under->cursor().shape(),
                     lamp->toolTip().isEmpty() ? Qt::ArrowCursor : Qt::WhatsThisCursor);
            QToolTip::hideText();
            const QPoint beside = lamp->geometry().topLeft() - QPoint(1, 1);
            QVERIFY2(model->childAt(beside) != lamp->parentWidget(), name);
        }
    }

    // The car shows its box from the first show; the box switches all
    // fourteen lamps, the four indicators blinking at 400 ms.
    void carBoxSwitchesAllLamps() {
        open();
        auto carLamps = [this] {
            QList<TALed*> lamps;
            for (int i = kFollowingLamps; i < kFollowingLamps + kCarLamps; ++i) {
                lamps << view()->lamp(i);
            }
            return lamps;
        };
        for (TALed* lamp : carLamps()) {
            QVERIFY(lamp->Value());
            QCOMPARE(lamp->isBlinking(), lamp->Blink());
        }
        QCOMPARE(child<TALed>("carLED3")->Interval(), 400);
        QVERIFY(child<TALed>("carLED12")->isBlinking());
        auto* car = child<QCheckBox>("chbCar");
        QTest::mouseClick(car, Qt::LeftButton);
        QCOMPARE(car->text(), QStringLiteral("simulace zakázána"));
        for (TALed* lamp : carLamps()) {
            QVERIFY(!lamp->Value());
            QVERIFY(!lamp->isBlinking());
        }
        QTest::mouseClick(car, Qt::LeftButton);
        for (TALed* lamp : carLamps()) {
            QVERIFY(lamp->Value());
        }
        QVERIFY(child<TALed>("carLED11")->isBlinking());
    }

    // Open, a switch relabels everything at once; car tips stay Czech. A
    // switch while hidden shows at the next show.
    void captionsAndHintsFollowTheLanguage() {
        open();
        // Opened at the centre of the main window.
        QVERIFY((view()->geometry().center() - form_->geometry().center()).manhattanLength() <= 2);
        QCOMPARE(view()->windowTitle(),
                 QStringLiteral("Příklady osazení osvětlení na různých typech RC modelů"));
        QCOMPARE(withoutMnemonic(child<QGroupBox>("GroupBox2")->title()),
                 QStringLiteral("Model QuadroCoptéry: "));
        QCOMPARE(child<QLabel>("boatLbl7")->text(), QStringLiteral("Výstup 7"));
        QCOMPARE(child<TALed>("lodLED7")->toolTip(), QStringLiteral("Poziční stožárové světlo"));
        QCOMPARE(child<QCheckBox>("CheckBox3")->text(), QStringLiteral("simulace povolena"));

        toEnglish();
        QCOMPARE(view()->windowTitle(),
                 QStringLiteral("Examples casting illumination in various types of RC models"));
        const QStringList groups{QStringLiteral("Airplane model: "),
                                 QStringLiteral("QuadroCopter model: "),
                                 QStringLiteral("Car model: "), QStringLiteral("Boat model: ")};
        for (int g = 1; g <= 4; ++g) {
            QCOMPARE(
                withoutMnemonic(
                    view()->findChild<QGroupBox*>(QStringLiteral("GroupBox%1").arg(g))->title()),
                groups[g - 1]);
        }
        QCOMPARE(child<QLabel>("aeroLbl3")->text(), QStringLiteral("Output 3"));
        QCOMPARE(child<QLabel>("qcLbl8")->text(), QStringLiteral("Output 8"));
        QCOMPARE(child<TALed>("aeroLED7")->toolTip(), QStringLiteral("Landing light"));
        QCOMPARE(child<TALed>("lodLED4")->toolTip(), QStringLiteral("Auxiliary light"));
        QCOMPARE(child<QCheckBox>("chbCar")->text(), QStringLiteral("simulation allowed"));
        QCOMPARE(child<TALed>("carLED1")->toolTip(),
                 QStringLiteral("Levé mlhové světlo nebo \"Corner\""));
        QVERIFY(child<TALed>("qcLED1")->toolTip().isEmpty());

        view()->close();
        QTest::mouseClick(form_->languageBox()->czechButton(), Qt::LeftButton);
        QCOMPARE(child<QLabel>("aeroLbl3")->text(), QStringLiteral("Output 3"));
        open();
        QCOMPARE(child<QLabel>("aeroLbl3")->text(), QStringLiteral("Výstup 3"));
    }

    // Esc closes the window only while the window itself holds the focus; a
    // box with the focus keeps the key.
    void escClosesOnlyFromTheWindow() {
        open();
        view()->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(view()));
        QCOMPARE(QApplication::focusWidget(), view());
        auto* box = child<QCheckBox>("CheckBox1");
        box->setFocus();
        QTest::keyClick(box, Qt::Key_Escape);
        QVERIFY(view()->isVisible());
        view()->setFocus();
        QTest::keyClick(view(), Qt::Key_A);
        QVERIFY(view()->isVisible());
        QTest::keyClick(view(), Qt::Key_Escape);
        QVERIFY(!view()->isVisible());
    }

    // Closing hides: boxes and frozen lamps are as they were at the next
    // show; opening and closing many times leaves nothing behind.
    void stateSurvivesCloseAndReopen() {
        open();
        form_->Timer1Timer();
        QTest::mouseClick(child<QCheckBox>("CheckBox1"), Qt::LeftButton);
        const bool beacon = child<TALed>("aeroLED1")->Value();
        view()->close();
        // Unseen, the car blinks no more; it lights up again at the next show.
        QVERIFY(!child<TALed>("carLED3")->isBlinking());
        form_->Timer1Timer();
        const int widgets = int(view()->findChildren<QObject*>().size());
        for (int i = 0; i < 100; ++i) {
            open();
            view()->close();
        }
        QCOMPARE(int(view()->findChildren<QObject*>().size()), widgets);
        open();
        QVERIFY(!child<QCheckBox>("CheckBox1")->isChecked());
        QCOMPARE(child<QCheckBox>("CheckBox1")->text(), QStringLiteral("simulace zakázána"));
        QCOMPARE(child<TALed>("aeroLED1")->Value(), beacon);
        QVERIFY(child<QCheckBox>("CheckBox2")->isChecked());
        QVERIFY(child<TALed>("carLED3")->isBlinking());
    }

    // Bytes that are not a picture give no picture, and its place turns blank
    // and grey; the committed pictures all decode.
    void badPictureBytesGiveNoPicture() {
        const QString bad = dir_.filePath(QStringLiteral("bad.jpg"));
        QVERIFY(test::writeAll(bad, "\xFF\xD8\xFF\xE0 not really a picture"));
        QVERIFY(loadJpegPicture(bad, 1.0).isNull());
        QVERIFY(loadJpegPicture(dir_.filePath(QStringLiteral("missing.jpg")), 2.0).isNull());
        open();
        QVERIFY(view()->picturesLoaded());
        for (int i = 0; i < 5; ++i) {
            QVERIFY(!view()->picture(i)->pixmap().isNull());
        }
        QLabel* place = view()->picture(2);
        view()->showPicture(2, loadJpegPicture(bad, 1.0));
        QVERIFY(place->pixmap().isNull());
        QVERIFY(place->autoFillBackground());
        QCOMPARE(place->palette().color(QPalette::Window), QColor(0xD4, 0xD4, 0xD4));
    }
};

}  // namespace lumidor

QTEST_MAIN(lumidor::ViewFormTest)
#include "viewform_qtest.moc"
