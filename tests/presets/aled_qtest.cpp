#include <QEnterEvent>
#include <QSignalSpy>
#include <QTest>
#include <memory>

#include "presets/ui/aled.h"
#include "support/paintcounter.h"

namespace lumidor {

class ALedTest : public QObject {
    Q_OBJECT

    static QRgb centre(const TALed& led) {
        const QImage& image = led.shownImage();
        return image.pixel(image.width() / 2, image.height() / 2);
    }

private Q_SLOTS:
    void newLedIsSmallDarkSilverAndBordered() {
        TALed led;
        QCOMPARE(led.size(), QSize(16, 16));
        QCOMPARE(led.LEDStyle(), LedStyle::LEDSmall);
        QVERIFY(!led.Value());
        QVERIFY(led.Blink());
        QVERIFY(led.Bordered());
        QCOMPARE(led.Interval(), 1000);
        QCOMPARE(led.TrueColor(), QColor(0, 255, 0));
        QCOMPARE(led.imageIndex(), 1);
        QCOMPARE(centre(led), qRgb(0xC0, 0xC0, 0xC0));
        QCOMPARE(led.shownImage().pixel(0, 0), qRgb(255, 255, 255));  // raised frame
        QVERIFY(!led.isBlinking());
        // The properties are reachable by name, as a form designer would set them.
        QVERIFY(led.setProperty("LEDStyle", QVariant::fromValue(LedStyle::LEDVertical)));
        QCOMPARE(led.size(), QSize(16, 22));
        QVERIFY(led.setProperty("Value", true));
        QCOMPARE(led.property("Value").toBool(), true);
    }

    void blinkingLitLedTogglesAndStopsWhenDark() {
        TALed led;
        led.setInterval(20);
        QSignalSpy ticks(&led, &TALed::OnTimer);
        led.setValue(true);
        QCOMPARE(led.imageIndex(), 0);
        QCOMPARE(centre(led), qRgb(0, 255, 0));
        QVERIFY(led.isBlinking());
        QTRY_VERIFY_WITH_TIMEOUT(ticks.count() >= 2, 2000);
        QCOMPARE(ticks.first().at(0).value<TALed*>(), &led);
        led.setValue(false);
        QVERIFY(!led.isBlinking());
        QCOMPARE(led.imageIndex(), 1);
        const int seen = ticks.count();
        QTest::qWait(80);
        QCOMPARE(ticks.count(), seen);
    }

    void blinkSwitchesBetweenSteadyAndBlinking() {
        TALed led;
        led.setBlink(false);
        led.setInterval(10'000);
        led.setValue(true);
        QVERIFY(!led.isBlinking());
        QCOMPARE(led.imageIndex(), 0);
        led.setBlink(true);
        QVERIFY(led.isBlinking());
        QCOMPARE(led.imageIndex(), 0);  // lit image first
        led.setBlink(false);
        QVERIFY(!led.isBlinking());
        QCOMPARE(led.imageIndex(), 0);
    }

    // The preview sets values and colours on every tick: unchanged ones must
    // cost no redraw and must not disturb the blink phase.
    void unchangedSettersDoNothing() {
        TALed led;
        led.setInterval(10'000);
        led.setValue(true);
        led.show();
        QVERIFY(QTest::qWaitForWindowExposed(&led));
        QCoreApplication::processEvents();
        // Every redraw asked for is one paint once the events have run.
        test::PaintCounter paints;
        QVERIFY(led.isBlinking());
        led.setValue(true);
        led.setBlink(true);
        led.setTrueColor(QColor(0, 255, 0));
        led.setFalseColor(QColor(0xC0, 0xC0, 0xC0));
        led.setBordered(true);
        led.setLEDStyle(LedStyle::LEDSmall);
        QCoreApplication::processEvents();
        QCOMPARE(paints.leds, 0);
        QCOMPARE(led.imageIndex(), 0);

        // A colour change while blinking restarts from the lit image in the new colour.
        led.setTrueColor(QColor(0, 0, 255));
        QVERIFY(led.isBlinking());
        QCOMPARE(centre(led), qRgb(0, 0, 255));
        QCoreApplication::processEvents();
        QVERIFY(paints.leds > 0);

        // The colour of a picture not on screen needs no redraw.
        led.setBlink(false);
        led.setValue(false);
        QCoreApplication::processEvents();
        const int dark = paints.leds;
        led.setTrueColor(QColor(10, 10, 255));
        QCoreApplication::processEvents();
        QCOMPARE(paints.leds, dark);
        led.setFalseColor(QColor(1, 2, 3));
        QCoreApplication::processEvents();
        QCOMPARE(paints.leds, dark + 1);
        QCOMPARE(centre(led), qRgb(1, 2, 3));
    }

    void borderlessTakesBorderColourAroundTheBody() {
        TALed led;
        led.setLEDStyle(LedStyle::LEDLarge);
        QCOMPARE(led.size(), QSize(22, 22));
        led.setBordered(false);
        led.setBorderColor(Qt::white);
        led.setBlink(false);
        led.setTrueColor(QColor(0, 0, 255));
        led.setValue(true);
        const QImage& image = led.shownImage();
        QCOMPARE(image.pixel(0, 0), qRgb(255, 255, 255));
        QCOMPARE(image.pixel(21, 21), qRgb(255, 255, 255));  // no frame on the outer ring
        QCOMPARE(centre(led), qRgb(0, 0, 255));
    }

    // Pictures are shared between LEDs, keyed by everything that shapes them:
    // a key missing a part would show one LED in another's colours.
    void picturesAreSharedOnlyBetweenAlikeLeds() {
        const auto make = [](LedStyle style, bool bordered, QColor body, QColor border) {
            auto led = std::make_unique<TALed>();
            led->setBlink(false);
            led->setLEDStyle(style);
            led->setBordered(bordered);
            led->setBorderColor(border);
            led->setTrueColor(body);
            led->setValue(true);
            return led;
        };
        const QColor blue(0, 0, 255);
        const auto a = make(LedStyle::LEDLarge, false, blue, Qt::white);
        const auto b = make(LedStyle::LEDLarge, false, blue, Qt::white);
        QCOMPARE(a->shownImage().constBits(), b->shownImage().constBits());

        const auto otherBorder = make(LedStyle::LEDLarge, false, blue, Qt::red);
        QCOMPARE(otherBorder->shownImage().pixel(0, 0), qRgb(255, 0, 0));
        const auto otherBody = make(LedStyle::LEDLarge, false, QColor(0, 0, 254), Qt::white);
        QCOMPARE(centre(*otherBody), qRgb(0, 0, 254));
        const auto bordered = make(LedStyle::LEDLarge, true, blue, Qt::white);
        QCOMPARE(bordered->shownImage().pixel(0, 0), qRgb(255, 255, 255));
        QCOMPARE(bordered->shownImage().pixel(21, 21), qRgb(0x80, 0x80, 0x80));  // frame
        const auto otherStyle = make(LedStyle::LEDSqLarge, false, blue, Qt::white);
        QVERIFY(otherStyle->shownImage() != a->shownImage());
        // With a frame the border colour plays no part.
        const auto borderedRed = make(LedStyle::LEDLarge, true, blue, Qt::red);
        QCOMPARE(borderedRed->shownImage(), bordered->shownImage());

        // The preview's loop of shades draws each shade once, then only shares.
        for (int x = 0; x <= 162; x += 18) {
            a->setTrueColor(QColor(x, x, 255));
        }
        const int drawn = TALed::picturesDrawn();
        for (int round = 0; round < 3; ++round) {
            for (int x = 0; x <= 162; x += 18) {
                a->setTrueColor(QColor(x, x, 255));
                QCOMPARE(centre(*a), qRgb(x, x, 255));
            }
        }
        QCOMPARE(TALed::picturesDrawn(), drawn);
    }

    void intervalAppliesAtNextStartAndToARunningTimer() {
        TALed led;
        led.setInterval(15);
        QSignalSpy ticks(&led, &TALed::OnTimer);
        led.setValue(true);
        QTRY_VERIFY_WITH_TIMEOUT(ticks.count() >= 1, 500);
        led.setInterval(60'000);
        const int seen = ticks.count();
        QTest::qWait(60);
        QVERIFY(ticks.count() <= seen + 1);
    }

    void mouseEnterLeaveAndClickAreAnnounced() {
        TALed led;
        QSignalSpy enter(&led, &TALed::OnMouseEnter);
        QSignalSpy leave(&led, &TALed::OnMouseLeave);
        QEnterEvent in(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
        QCoreApplication::sendEvent(&led, &in);
        QEvent out(QEvent::Leave);
        QCoreApplication::sendEvent(&led, &out);
        QCOMPARE(enter.count(), 1);
        QCOMPARE(leave.count(), 1);
        QCOMPARE(leave.first().at(0).value<TALed*>(), &led);
        QSignalSpy clicks(&led, &TALed::OnClick);
        QTest::mouseClick(&led, Qt::LeftButton, {}, QPoint(4, 4));
        QCOMPARE(clicks.count(), 1);
    }
};

}  // namespace lumidor

QTEST_MAIN(lumidor::ALedTest)
#include "aled_qtest.moc"
