#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QSlider>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "app/mainwindow.h"
#include "presets/preview.h"
#include "presets/ui/aled.h"
#include "presets/ui/livepreviewbox.h"
#include "presets/ui/preseteditorbox.h"
#include "support/controls.h"
#include "support/recordingdialogs.h"

namespace lumidor {

class LivePreviewTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    test::RecordingDialogs dialogs_;
    std::unique_ptr<TMainForm> form_;

    PresetEditorBox* editor() const { return form_->presetEditor(); }
    LivePreviewBox* preview() const { return form_->livePreview(); }
    TALed* led(int n) const {
        return test::control<TALed>(preview(), QStringLiteral("Led%1").arg(n));
    }
    static QRgb shown(const TALed* led) {
        const QImage& image = led->shownImage();
        return image.pixel(image.width() / 2, image.height() / 2);
    }
    // What a user's choice in cbPWM does.
    void chooseMode(int mode) {
        QComboBox* list = test::control<QComboBox>(editor(), QStringLiteral("cbPWM"));
        list->setCurrentIndex(mode);
        Q_EMIT list->activated(mode);
    }
    void runToStep(int step) {
        while (preview()->step() != step) {
            form_->Timer1Timer();
        }
    }

private Q_SLOTS:
    void init() {
        form_ = std::make_unique<TMainForm>(dir_.path());
        form_->timer1()->stop();  // steps are driven by hand
    }
    void cleanup() { form_.reset(); }

    void previewLedsAreLargeBorderlessBlueAndSteady() {
        for (int n = 1; n <= 8; ++n) {
            QCOMPARE(led(n)->objectName(), QStringLiteral("Led%1").arg(n));
            QCOMPARE(led(n)->size(), QSize(22, 22));
            QVERIFY(!led(n)->Bordered());
            QVERIFY(!led(n)->Blink());
            QCOMPARE(led(n)->TrueColor(), QColor(0, 0, 255));
            QCOMPARE(led(n)->BorderColor(), QColor(255, 255, 255));
        }
        QCOMPARE(led(5)->pos(), QPoint(20, 166));
    }

    void stepsMoveTrackBarAndShowTheNextColumn() {
        // A diagonal: output o lit in column o (and in column 20 for all).
        Presets p = editor()->presets();
        p.grid.clear();
        for (int o = 1; o <= kOutputs; ++o) {
            p.grid.set(o, o, true);
            p.grid.set(o, 20, true);
        }
        form_->loadPresets(p);
        QCOMPARE(preview()->step(), 0);
        for (int tick = 1; tick <= 22; ++tick) {
            form_->Timer1Timer();
            const int step = tick % 20;
            QCOMPARE(preview()->step(), step);
            QCOMPARE(test::control<QSlider>(editor(), QStringLiteral("TrackBar1"))->value(), step);
            for (int o = 1; o <= kOutputs; ++o) {
                QCOMPARE(led(o)->Value(), p.grid.at(o, step + 1));
            }
        }
    }

    void loopShadesInModesOneAndTwo() {
        editor()->BitBtnCheckBoxClick(1);  // all lit
        chooseMode(2);
        runToStep(9);
        QCOMPARE(led(1)->TrueColor(), QColor(0, 0, 255));
        QCOMPARE(led(2)->TrueColor(), QColor(0, 0, 255));
        runToStep(19);
        QCOMPARE(led(1)->TrueColor(), QColor(0xA2, 0xA2, 0xFF));
        QCOMPARE(led(2)->TrueColor(), QColor(0xA2, 0xA2, 0xFF));
        QCOMPARE(shown(led(2)), qRgb(0xA2, 0xA2, 0xFF));
        chooseMode(1);
        runToStep(10);
        QCOMPARE(led(1)->TrueColor(), QColor(0, 0, 255));
        QCOMPARE(led(2)->TrueColor(), QColor(0xA2, 0xA2, 0xFF));
        runToStep(0);
        QCOMPARE(led(1)->TrueColor(), QColor(0xA2, 0xA2, 0xFF));
        QCOMPARE(led(2)->TrueColor(), QColor(0, 0, 255));

        // A dark cell shows silver whatever the shade.
        test::cellBox(editor(), cellNumber(1, 2))->setChecked(false);
        form_->Timer1Timer();
        QCOMPARE(shown(led(1)), qRgb(0xC0, 0xC0, 0xC0));
    }

    void brightnessModeRules() {
        QSlider* sim = test::control<QSlider>(editor(), QStringLiteral("tbSim"));
        auto* eMin = form_->findChild<QLineEdit*>(QStringLiteral("eMinPWM"));
        QVERIFY(!sim->isEnabled() && !eMin->isEnabled());

        chooseMode(3);
        QVERIFY(sim->isEnabled() && eMin->isEnabled());
        QCOMPARE(sim->value(), 0);
        QCOMPARE(editor()->ledPanelsColour(), QColor(222, 222, 222));
        QCOMPARE(led(1)->TrueColor(), QColor(0xA0, 0xA0, 0xFF));
        QCOMPARE(led(2)->TrueColor(), QColor(0xA0, 0xA0, 0xFF));
        sim->setValue(160);  // the stick handler runs on any position change
        QCOMPARE(led(1)->TrueColor(), QColor(0, 0, 255));
        QCOMPARE(led(2)->TrueColor(), QColor(0, 0, 255));

        chooseMode(5);
        QCOMPARE(sim->value(), 80);
        QCOMPARE(led(1)->TrueColor(), QColor(0xA0, 0xA0, 0xFF));
        chooseMode(4);
        QCOMPARE(sim->value(), 80);
        QCOMPARE(led(1)->TrueColor(), QColor(0, 0, 255));
        QCOMPARE(led(2)->TrueColor(), QColor(0, 0, 255));
        sim->setValue(30);  // only Led1 fades towards 0
        QCOMPARE(led(1)->TrueColor(), QColor(100, 100, 255));
        QCOMPARE(led(2)->TrueColor(), QColor(0, 0, 255));

        chooseMode(1);
        QVERIFY(!sim->isEnabled() && !eMin->isEnabled());
        QCOMPARE(sim->value(), 30);  // modes 1 and 2 leave the stick where it is

        chooseMode(0);
        QCOMPARE(editor()->ledPanelsColour(), QColor(255, 255, 255));
        QVERIFY(!sim->isEnabled() && !eMin->isEnabled());
        QCOMPARE(led(1)->TrueColor(), QColor(0, 0, 255));
        QCOMPARE(led(2)->TrueColor(), QColor(0, 0, 255));
    }

    void noModeSelectedTintsPanelsButTouchesNothingElse() {
        chooseMode(4);
        QSlider* sim = test::control<QSlider>(editor(), QStringLiteral("tbSim"));
        sim->setValue(20);
        const QColor before = led(1)->TrueColor();
        Presets p = editor()->presets();
        p.options.pwmMode = 7;
        form_->loadPresets(p);
        form_->cbPWMChange();
        QCOMPARE(editor()->ledPanelsColour(), QColor(222, 222, 222));
        QVERIFY(!sim->isEnabled());
        QCOMPARE(sim->value(), 20);
        QCOMPARE(led(1)->TrueColor(), before);
        form_->Timer1Timer();
        QCOMPARE(led(1)->TrueColor(), before);
    }

    // The column duration sets Timer1; the same duration leaves it running undisturbed.
    void columnDurationSetsTimerOnlyWhenItDiffers() {
        QTimer* timer = form_->timer1();
        QCOMPARE(timer->interval(), 50);
        runToStep(7);
        QComboBox* axis = test::control<QComboBox>(editor(), QStringLiteral("cbCasovaOsa"));
        axis->setCurrentIndex(5);
        Q_EMIT axis->activated(5);
        QCOMPARE(timer->interval(), 250);
        QCOMPARE(preview()->step(), 7);  // a new speed does not restart the loop
        timer->start();
        QTest::qWait(30);
        const int remaining = timer->remainingTime();
        QComboBox* onOff = test::control<QComboBox>(editor(), QStringLiteral("cbZapVyp"));
        onOff->setCurrentIndex(3);
        Q_EMIT onOff->activated(3);
        // A restarted period would be back at its full length.
        QVERIFY(timer->remainingTime() <= remaining);
        QCOMPARE(timer->interval(), 250);
    }
};

}  // namespace lumidor

QTEST_MAIN(lumidor::LivePreviewTest)
#include "livepreviewbox_qtest.moc"
