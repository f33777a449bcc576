#include <QComboBox>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

#include "app/languagebox.h"
#include "app/mainwindow.h"
#include "link/ui/interfacebox.h"
#include "presets/ui/livepreviewbox.h"
#include "presets/ui/preseteditorbox.h"
#include "settings/configvalues.h"
#include "settings/ui/configpanelbox.h"
#include "support/recordingdialogs.h"

using namespace lumidor;

class RollingTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir dir_;
    std::unique_ptr<test::RecordingDialogs> dialogs_;
    std::unique_ptr<TMainForm> form_;

    void chooseProgram(int program) {
        form_->findChild<QComboBox*>(QStringLiteral("cbProg"))->setCurrentIndex(program);
        form_->configPanel()->cbProgChange();
    }
    // Panel, converter, language and about tops, client height.
    QList<int> layout() const {
        return {form_->configPanel()->y(), form_->interfaceBox()->y(), form_->languageBox()->y(),
                form_->findChild<QWidget*>(QStringLiteral("GroupBox6"))->y(), form_->height()};
    }
    bool presetsShown() const {
        return form_->presetEditor()->isVisible() && form_->livePreview()->isVisible();
    }
    void checkStatusBarAtTheBottom() const {
        QCOMPARE(form_->statusBar()->geometry().bottom() + 1, form_->height());
    }

private Q_SLOTS:
    void init() {
        dialogs_ = std::make_unique<test::RecordingDialogs>();
        form_ = std::make_unique<TMainForm>(dir_.path());
        form_->show();
        QVERIFY(QTest::qWaitForWindowExposed(form_.get()));
        QTRY_VERIFY(!form_->rollingTimer()->isActive());  // start-up: the final unfold tick
    }
    void cleanup() {
        form_.reset();
        dialogs_.reset();
    }

    // The window's client geometry at both ends; its top edge stays put.
    void foldAndUnfoldFollowTheProgram() {
        const int top = form_->geometry().top();
        QCOMPARE(layout(), (QList<int>{409, 409, 588, 669, 820}));
        QVERIFY(form_->timer1()->isActive());

        chooseProgram(1);
        QTRY_VERIFY_WITH_TIMEOUT(!form_->rollingTimer()->isActive(), 3000);
        QCOMPARE(layout(), (QList<int>{9, 9, 188, 269, 422}));
        QVERIFY(!presetsShown());
        QVERIFY(!form_->timer1()->isActive());
        QCOMPARE(form_->geometry().top(), top);
        checkStatusBarAtTheBottom();
        QCOMPARE(form_->findChildren<QWidget*>(QStringLiteral("slidingPicture")).size(), 0);

        chooseProgram(3);  // folded either way: nothing moves
        QTRY_VERIFY(!form_->rollingTimer()->isActive());
        QCOMPARE(layout(), (QList<int>{9, 9, 188, 269, 422}));

        chooseProgram(0);
        QTRY_VERIFY_WITH_TIMEOUT(!form_->rollingTimer()->isActive(), 3000);
        QCOMPARE(layout(), (QList<int>{409, 409, 588, 669, 820}));
        QVERIFY(presetsShown());
        QVERIFY(form_->timer1()->isActive());
        QCOMPARE(form_->geometry().top(), top);
        checkStatusBarAtTheBottom();
    }

    // Turned round halfway, tick by tick as the timer would: the preset groups
    // and the preview come back only with the last tick.
    void reversalHalfwayKeepsThePresetsHiddenToTheEnd() {
        form_->rollingTimer()->setInterval(24 * 3600 * 1000);
        chooseProgram(2);
        for (int i = 0; i < 20; ++i) {
            form_->tmrRollingWindowTimer();
        }
        QCOMPARE(layout(), (QList<int>{209, 209, 388, 469, 620}));
        chooseProgram(0);
        int ticks = 0;
        while (form_->rollingTimer()->isActive() && ticks < 100) {
            QVERIFY(!presetsShown());
            QVERIFY(!form_->timer1()->isActive());
            form_->tmrRollingWindowTimer();
            ++ticks;
        }
        QCOMPARE(ticks, 21);
        QCOMPARE(layout(), (QList<int>{409, 409, 588, 669, 820}));
        QVERIFY(presetsShown());
        QVERIFY(form_->timer1()->isActive());
    }

    // A change while the groups slide shows at the next tick: each picture
    // looks like the group it stands over.
    void picturesShowChangesDuringTheRoll() {
        form_->rollingTimer()->setInterval(24 * 3600 * 1000);
        chooseProgram(1);
        form_->tmrRollingWindowTimer();
        QToolButton* flag = form_->lang() == Lang::Czech ? form_->languageBox()->englishButton()
                                                         : form_->languageBox()->czechButton();
        QTest::mouseClick(flag, Qt::LeftButton);
        QCoreApplication::processEvents();
        form_->tmrRollingWindowTimer();
        const auto pictures = form_->findChildren<QWidget*>(QStringLiteral("slidingPicture"));
        QCOMPARE(pictures.size(), 4);
        for (QWidget* picture : pictures) {
            QWidget* group = nullptr;
            const QList<QWidget*> groups{form_->configPanel(), form_->interfaceBox(),
                                         form_->languageBox(),
                                         form_->findChild<QWidget*>(QStringLiteral("GroupBox6"))};
            for (QWidget* g : groups) {
                group = g->geometry() == picture->geometry() ? g : group;
            }
            QVERIFY(group != nullptr);
            QCOMPARE(picture->grab().toImage().convertToFormat(QImage::Format_RGB32),
                     group->grab().toImage().convertToFormat(QImage::Format_RGB32));
        }
    }
};

QTEST_MAIN(RollingTest)
#include "mainwindow_rolling_qtest.moc"
