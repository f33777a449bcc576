#include <QComboBox>
#include <QScreen>
#include <QSlider>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "app/mainwindow.h"
#include "presets/ui/aled.h"
#include "presets/ui/columntrackbar.h"
#include "presets/ui/livepreviewbox.h"
#include "presets/ui/preseteditorbox.h"
#include "support/controls.h"
#include "support/paintcounter.h"
#include "support/recordingdialogs.h"

namespace lumidor {
namespace {

using test::PaintCounter;

}  // namespace

// The preview runs up to 40 steps a second for the whole session, so a step
// repaints exactly what it changed, and the partial repaints must leave the
// screen as a full repaint would.
class PreviewPaintTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    test::RecordingDialogs dialogs_;
    std::unique_ptr<TMainForm> form_;

    PresetEditorBox* editor() const { return form_->presetEditor(); }
    QSlider* bar() const { return test::control<QSlider>(editor(), QStringLiteral("TrackBar1")); }

    void setGrid(const PresetGrid& grid) {
        Presets p = editor()->presets();
        p.grid = grid;
        form_->loadPresets(p);
    }
    // What the screen shows of a widget.
    QImage onScreen(const QWidget* widget) const {
        const QImage screen = form_->screen()->grabWindow(form_->winId()).toImage();
        return screen.copy(QRect(widget->mapTo(form_.get(), QPoint(0, 0)), widget->size()));
    }
    // The same after the whole widget, and what lies beneath it, was painted
    // afresh.
    QImage onScreenRepainted(QWidget* widget) const {
        widget->repaint();
        return onScreen(widget);
    }

private Q_SLOTS:
    void init() {
        form_ = std::make_unique<TMainForm>(dir_.path());
        form_->timer1()->stop();
        form_->show();
        QVERIFY(QTest::qWaitForWindowExposed(form_.get()));
        // The start-up's first rolling tick restarts the preview timer; it
        // must have passed before the timer is stopped for the counting.
        QTRY_VERIFY(!form_->rollingTimer()->isActive());
        form_->timer1()->stop();
        QCoreApplication::processEvents();
    }
    void cleanup() { form_.reset(); }

    void stepRepaintsOnlyWhatChanged_data() {
        QTest::addColumn<int>("mode");
        QTest::addColumn<bool>("busy");
        QTest::addColumn<int>("ledPaints");
        QTest::newRow("steady pattern") << 0 << false << 0;
        QTest::newRow("every LED changes") << 0 << true << 8;
        // Shades change only lit LEDs' pictures: one paint per LED still.
        QTest::newRow("every LED changes, loop shading") << 2 << true << 8;
    }
    void stepRepaintsOnlyWhatChanged() {
        QFETCH(int, mode);
        QFETCH(bool, busy);
        QFETCH(int, ledPaints);
        test::control<QComboBox>(editor(), QStringLiteral("cbPWM"))->setCurrentIndex(mode);
        form_->cbPWMChange();
        PresetGrid grid;
        for (int c = 1; c <= kColumns; ++c) {
            for (int o = 1; o <= kOutputs; ++o) {
                grid.set(o, c, busy ? (o + c) % 2 == 0 : o % 2 == 1);
            }
        }
        setGrid(grid);
        for (int i = 0; i < kColumns; ++i) {
            form_->Timer1Timer();
        }
        PaintCounter::waitUntilQuiet();
        for (int i = 0; i < kColumns; ++i) {
            PaintCounter paints;
            form_->Timer1Timer();
            QCoreApplication::processEvents();
            QCOMPARE(paints.leds, ledPaints);
            QCOMPARE(paints.trackBar, 1);
            QCOMPARE(paints.others, QStringList());
        }
    }

    void trackBarMovesLeaveTheScreenAsAFullRepaint() {
        auto* columns = qobject_cast<ColumnTrackBar*>(bar());
        QVERIFY(columns != nullptr);
        bar()->repaint();  // a clean start, whatever the window's activation did
        // The whole loop, its wrap from the last column to the first, and two
        // moves between paints.
        for (int i = 0; i < kColumns + 2; ++i) {
            form_->Timer1Timer();
            if (i == 7) {
                form_->Timer1Timer();
            }
            QCoreApplication::processEvents();
            const QImage shown = onScreen(bar());
            QCOMPARE(shown, onScreenRepainted(bar()));
            QVERIFY(columns->moveRect().width() < bar()->width() || bar()->value() == 0);
        }
    }

    // The bar copies its looks instead of asking the style each time: every
    // look must be what a plain slider shows in the same state.
    void trackBarLooksLikeAPlainSlider_data() {
        QTest::addColumn<int>("value");
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<bool>("ticks");
        QTest::addColumn<bool>("filled");
        QTest::newRow("first column") << 0 << true << true << true;
        QTest::newRow("middle column") << 7 << true << true << true;
        QTest::newRow("last column") << 19 << true << true << true;
        QTest::newRow("disabled") << 12 << false << true << true;
        QTest::newRow("no ticks") << 3 << true << false << true;
        QTest::newRow("parent's background") << 5 << true << true << false;
    }
    void trackBarLooksLikeAPlainSlider() {
        QFETCH(int, value);
        QFETCH(bool, enabled);
        QFETCH(bool, ticks);
        QFETCH(bool, filled);
        QWidget window;
        QPalette white = window.palette();
        white.setColor(QPalette::Window, Qt::white);
        window.setPalette(white);
        ColumnTrackBar columns(&window);
        QSlider plain(Qt::Horizontal, &window);
        for (QSlider* bar : {static_cast<QSlider*>(&columns), &plain}) {
            bar->setRange(0, kColumns - 1);
            bar->setTickPosition(ticks ? QSlider::TicksBelow : QSlider::NoTicks);
            bar->setTickInterval(1);
            bar->setAutoFillBackground(filled);
            // Where the window is activated the first bar would take the
            // focus, and a focused bar looks different from the other.
            bar->setFocusPolicy(Qt::NoFocus);
            bar->resize(455, 26);
        }
        plain.move(0, 30);
        window.resize(460, 60);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        // Through other looks first (another position, the other enabled
        // state), so the ones compared come from the copies.
        for (int v : {value, 1, value}) {
            for (bool e : {!enabled, enabled}) {
                columns.setValue(v);
                plain.setValue(v);
                columns.setEnabled(e);
                plain.setEnabled(e);
                // The style draws some parts differently the first time it
                // meets a look; the plain slider is compared as it shows later.
                plain.grab();
                QCOMPARE(columns.grab().toImage(), plain.grab().toImage());
            }
        }
    }

    // The bar is raised above its siblings and fills its own background:
    // neither may hide another control or show a colour the window does not.
    void trackBarCoversNoSibling() {
        QVERIFY(bar()->autoFillBackground());
        QCOMPARE(bar()->palette().color(bar()->backgroundRole()),
                 editor()->palette().color(QPalette::Window));
        const QRect area = bar()->geometry();
        for (QObject* child : editor()->children()) {
            auto* widget = qobject_cast<QWidget*>(child);
            if (widget != nullptr && widget != bar() && widget->isVisible()) {
                QVERIFY2(!widget->geometry().intersects(area), qPrintable(widget->objectName()));
            }
        }
    }
};

}  // namespace lumidor

QTEST_MAIN(lumidor::PreviewPaintTest)
#include "livepreviewbox_paint_qtest.moc"
