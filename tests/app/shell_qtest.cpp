#include <QLabel>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTest>
#include <QToolButton>

#include <QDesktopServices>
#include <QUrl>

#include "app/aboutbox.h"
#include "app/hinttracker.h"
#include "app/languagebox.h"

using namespace lumidor;

class ShellTest : public QObject {
    Q_OBJECT
public Q_SLOTS:
    void recordUrl(const QUrl& url) { openedUrls.append(url); }

private:
    QList<QUrl> openedUrls;

private Q_SLOTS:
    // The link opens its own text through the desktop and lights up on hover.
    void aboutLinkOpensItsOwnTextAndHighlights() {
        AboutBox box(nullptr);
        QLabel* link = box.urlLabel();
        QCOMPARE(link->objectName(), QStringLiteral("UrlLabel"));
        QDesktopServices::setUrlHandler(QStringLiteral("https"), this, "recordUrl");
        box.show();
        QTest::mouseClick(link, Qt::LeftButton);
        QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
        QCOMPARE(openedUrls.size(), 1);
        QCOMPARE(openedUrls.first().toString(), link->text());

        QEvent enter(QEvent::Enter);
        QCoreApplication::sendEvent(link, &enter);
        QVERIFY(link->font().underline());
        QCOMPARE(link->palette().color(QPalette::WindowText), QColor(Qt::blue));
        QEvent leave(QEvent::Leave);
        QCoreApplication::sendEvent(link, &leave);
        QVERIFY(!link->font().underline());
        QCOMPARE(link->palette().color(QPalette::WindowText), QColor(Qt::black));

        // Anything but a label is ignored.
        QWidget other;
        box.UrlLabelMouseEnter(&other);
        QVERIFY(!other.font().underline());
    }

    // A release dragged off the link, or one without a press on it, opens nothing;
    // the address stays inside the group at its own size.
    void aboutLinkIgnoresCancelledClicksAndFits() {
        AboutBox box(nullptr);
        box.setGeometry(0, 0, 339, 122);
        QLabel* link = box.urlLabel();
        QDesktopServices::setUrlHandler(QStringLiteral("https"), this, "recordUrl");
        box.show();
        openedUrls.clear();
        QTest::mousePress(link, Qt::LeftButton, {}, QPoint(2, 2));
        QTest::mouseRelease(link, Qt::LeftButton, {}, QPoint(link->width() + 20, 2));
        QTest::mouseRelease(link, Qt::LeftButton, {}, QPoint(2, 2));
        QTest::mousePress(link, Qt::RightButton, {}, QPoint(2, 2));
        QTest::mouseRelease(link, Qt::LeftButton, {}, QPoint(2, 2));
        QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
        QCOMPARE(openedUrls.size(), 0);

        QVERIFY(link->geometry().left() >= 8);
        QVERIFY(link->geometry().right() < box.width() - 8);
        QCOMPARE(link->size(), link->sizeHint());
    }

    // The pressed flag names the active language and cannot be clicked again.
    void languageButtonsStartCzechAndSwitchExclusively() {
        LanguageBox box(nullptr);
        QToolButton* cz = box.czechButton();
        QToolButton* en = box.englishButton();
        QCOMPARE(cz->objectName(), QStringLiteral("sbCzech"));
        QCOMPARE(en->objectName(), QStringLiteral("sbEnglish"));
        QVERIFY(cz->isChecked());
        QVERIFY(!cz->isEnabled());
        QVERIFY(en->isEnabled());

        QSignalSpy clicked(&box, &LanguageBox::languageClicked);
        box.show();
        QTest::mouseClick(en, Qt::LeftButton);
        QCOMPARE(clicked.count(), 1);
        QCOMPARE(clicked.first().first().value<Lang>(), Lang::English);
        QVERIFY(en->isChecked());
        QVERIFY(!cz->isChecked());
        box.showActive(Lang::English);
        QVERIFY(cz->isEnabled());
        QVERIFY(!en->isEnabled());

        // A disabled (active) button does not react.
        QTest::mouseClick(en, Qt::LeftButton);
        QCOMPARE(clicked.count(), 1);
    }

    // Pressing from code (the start-up choice) leaves the enabled state alone
    // until the first relabelling brings it in line.
    void pressDoesNotChangeTheActiveLanguageByItself() {
        LanguageBox box(nullptr);
        box.press(Lang::English);
        QVERIFY(box.englishButton()->isChecked());
        QVERIFY(!box.czechButton()->isEnabled());
        box.showActive(Lang::English);
        QVERIFY(box.czechButton()->isEnabled());
    }

    // A control without a hint shows the hint of its nearest enclosing control.
    void hintComesFromNearestAncestorWithOne() {
        QWidget top;
        auto* group = new QWidget(&top);
        group->setStatusTip(QStringLiteral("group hint"));
        auto* inner = new QWidget(group);
        auto* cell = new QLabel(inner);
        auto* own = new QLabel(group);
        own->setStatusTip(QStringLiteral("own hint"));
        QCOMPARE(HintTracker::hintFor(cell, &top), QStringLiteral("group hint"));
        QCOMPARE(HintTracker::hintFor(own, &top), QStringLiteral("own hint"));
        QCOMPARE(HintTracker::hintFor(&top, &top), QString());
    }

    void statusBarFollowsThePointer() {
        QWidget top;
        QStatusBar bar(&top);
        HintTracker tracker(&top, &bar);
        auto* group = new QWidget(&top);
        group->setStatusTip(QStringLiteral("group hint"));
        auto* cell = new QLabel(group);
        auto* own = new QLabel(group);
        own->setStatusTip(QStringLiteral("own hint"));

        QEvent enter(QEvent::Enter);
        QCoreApplication::sendEvent(own, &enter);
        QCOMPARE(bar.currentMessage(), QStringLiteral("own hint"));
        QEvent leave(QEvent::Leave);
        QCoreApplication::sendEvent(own, &leave);
        QCOMPARE(bar.currentMessage(), QStringLiteral("group hint"));
        QCoreApplication::sendEvent(cell, &enter);
        QCOMPARE(bar.currentMessage(), QStringLiteral("group hint"));
    }
};

QTEST_MAIN(ShellTest)
#include "shell_qtest.moc"
