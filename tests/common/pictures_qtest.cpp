// Runs on a screen scaled to 200%: every picture must come from its
// double-resolution variant there, and the LEDs must stay hard-edged.
#include <QDirIterator>
#include <QIcon>
#include <QLabel>
#include <QTest>
#include <QToolButton>
#include <algorithm>

#include "app/languagebox.h"
#include "presets/ledimage.h"
#include "presets/ui/aled.h"
#include "presets/ui/livepreviewbox.h"
#include "presets/ui/preseteditorbox.h"
#include "settings/ui/configpanelbox.h"
#include "support/controls.h"

namespace lumidor {

class PicturesTest : public QObject {
    Q_OBJECT

    static QString doubled(const QString& path) {
        const qsizetype dot = path.lastIndexOf(QLatin1Char('.'));
        return path.left(dot) + QLatin1String("@2x") + path.mid(dot);
    }

private Q_SLOTS:
    // A drawn picture without its "@2x" twin would be shown blurred.
    void everyDrawnPictureHasItsDoubleVariant() {
        int checked = 0;
        for (const char* folder : {":/glyphs", ":/flags", ":/pictures"}) {
            QDirIterator it(QLatin1String(folder), QDir::Files);
            while (it.hasNext()) {
                const QString path = it.next();
                if (path.contains(QLatin1String("@2x"))) {
                    continue;
                }
                const QImage one(path);
                const QImage two(doubled(path));
                QVERIFY2(!one.isNull(), qPrintable(path));
                QVERIFY2(!two.isNull(), qPrintable(doubled(path)));
                QCOMPARE(two.size(), one.size() * 2);
                ++checked;
            }
        }
        QCOMPARE(checked, 5 + 4 + 2);  // glyphs, flags (colour and grey), pictures
    }

    void widgetsShowTheDoubleVariants() {
        const LangFn czech = [] { return Lang::Czech; };
        LanguageBox language(nullptr);
        PresetEditorBox editor(nullptr, czech);
        LivePreviewBox preview(nullptr);
        ConfigPanelBox config(nullptr, czech);

        struct Shown {
            QWidget* box;
            const char* button;
            QIcon::Mode mode;
            const char* picture;
        };
        const Shown buttons[] = {
            {&editor, "btnOpenFile", QIcon::Normal, ":/glyphs/open@2x.png"},
            {&editor, "btnSaveFile", QIcon::Normal, ":/glyphs/save@2x.png"},
            {&editor, "btnUnselectAll", QIcon::Normal, ":/glyphs/clear@2x.png"},
            {&editor, "btnSelectAll", QIcon::Normal, ":/glyphs/fill@2x.png"},
            {&editor, "btnReverseSelect", QIcon::Normal, ":/glyphs/invert@2x.png"},
            {&language, "sbCzech", QIcon::Disabled, ":/flags/cz@2x.png"},
            {&language, "sbCzech", QIcon::Normal, ":/flags/cz-grey@2x.png"},
            {&language, "sbEnglish", QIcon::Disabled, ":/flags/gb@2x.png"},
            {&language, "sbEnglish", QIcon::Normal, ":/flags/gb-grey@2x.png"},
        };
        for (const Shown& s : buttons) {
            auto* button = s.box->findChild<QToolButton*>(QLatin1String(s.button));
            QVERIFY2(button != nullptr, s.button);
            const QPixmap pixmap = button->icon().pixmap(button->iconSize(), 2.0, s.mode);
            QCOMPARE(pixmap.devicePixelRatio(), 2.0);
            QCOMPARE(pixmap.toImage().convertToFormat(QImage::Format_ARGB32),
                     QImage(QLatin1String(s.picture)).convertToFormat(QImage::Format_ARGB32));
        }

        const QPixmap module = test::control<QLabel>(&preview, QStringLiteral("Image1"))->pixmap();
        QCOMPARE(module.devicePixelRatio(), 2.0);
        QCOMPARE(module.toImage().convertToFormat(QImage::Format_RGB32),
                 QImage(QStringLiteral(":/pictures/module@2x.png"))
                     .convertToFormat(QImage::Format_RGB32));
        const QList<QLabel*> labels = config.findChildren<QLabel*>();
        const int leads =
            static_cast<int>(std::count_if(labels.begin(), labels.end(), [](QLabel* l) {
                return !l->pixmap().isNull() && l->pixmap().devicePixelRatio() == 2.0;
            }));
        QCOMPARE(leads, 2);  // one receiver lead per input
    }

    // What reaches the screen is each LED pixel as a 2 x 2 block of its
    // colour: no blending of the outline into the body or the background.
    void ledsScaleByWholePixels() {
        for (const LedStyle style : {LedStyle::LEDLarge, LedStyle::LEDSqSmall}) {
            TALed led;
            led.setLEDStyle(style);
            led.setBordered(false);
            led.setBorderColor(Qt::white);
            led.setBlink(false);
            led.setValue(true);
            const QImage screen = led.grab().toImage().convertToFormat(QImage::Format_RGB32);
            QCOMPARE(screen.size(), led.size() * 2);
            QCOMPARE(screen,
                     pixelScaled(led.shownImage(), 2).convertToFormat(QImage::Format_RGB32));
        }
    }
};

}  // namespace lumidor

int main(int argc, char** argv) {
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication app(argc, argv);
    lumidor::PicturesTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "pictures_qtest.moc"
