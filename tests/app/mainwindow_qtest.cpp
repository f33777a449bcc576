#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <cstdlib>

#include "app/languagebox.h"
#include "app/mainwindow.h"
#include "link/ui/interfacebox.h"
#include "presets/ui/preseteditorbox.h"
#include "settings/ui/configpanelbox.h"
#include "support/controls.h"
#include "support/files.h"
#include "support/libraryname.h"
#include "support/recordingdialogs.h"

using namespace lumidor;

namespace {

const char* const kSettingsName = "rc_lumidor_konfigurator_hw_v40.ini";

const QString kFileMissingEn = QStringLiteral(
    "File \"rc_lumidor_konfigurator_hw_v40.ini\" not found.\r\n\r\n"
    "Configuration has been set to default values.");

// Shows the window and lets the first activation run, as a user starting the
// program would.
void showAndActivate(TMainForm& form) {
    form.show();
    form.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&form));
}

// Everything a user can read or pick on the window, by control name.
QMap<QString, QString> snapshot(const TMainForm& form) {
    QMap<QString, QString> texts;
    texts.insert(QStringLiteral("<title>"), form.windowTitle());
    for (const QWidget* w : form.findChildren<QWidget*>()) {
        const QString name = w->objectName();
        if (name.isEmpty() || name.startsWith(QLatin1String("qt_"))) {
            continue;
        }
        QString t = w->statusTip() + QLatin1Char('|') + w->toolTip() + QLatin1Char('|');
        if (auto* c = qobject_cast<const QComboBox*>(w)) {
            for (int i = 0; i < c->count(); ++i) {
                t += c->itemText(i) + QLatin1Char(';');
            }
            t += QString::number(c->currentIndex());
        } else if (auto* b = qobject_cast<const QAbstractButton*>(w)) {
            t += b->text();
        } else if (auto* l = qobject_cast<const QLabel*>(w)) {
            t += l->text();
        } else if (auto* g = qobject_cast<const QGroupBox*>(w)) {
            t += g->title();
        } else if (auto* e = qobject_cast<const QLineEdit*>(w)) {
            t += e->text();
        } else if (auto* s = qobject_cast<const QSlider*>(w)) {
            t += QString::number(s->value());
        }
        texts.insert(name, t);
    }
    return texts;
}

}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init() {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));
        qunsetenv("LUMIDOR_SIM_DEVICES");
    }
    void cleanup() { qunsetenv("LUMIDOR_SIM_DEVICES"); }

    void outlineLayout() {
        QTemporaryDir dir;
        test::RecordingDialogs dialogs;
        TMainForm form(dir.path());
        QCOMPARE(form.size(), QSize(964, 820));
        QCOMPARE(form.minimumSize(), form.maximumSize());
        const QList<QPair<const char*, QRect>> places = {
            {"GroupBox3", QRect(11, 8, 592, 393)},   {"GroupBox2", QRect(614, 8, 339, 393)},
            {"GroupBox4", QRect(11, 409, 592, 382)}, {"GroupBox1", QRect(614, 409, 339, 172)},
            {"GroupBox5", QRect(614, 588, 339, 74)}, {"GroupBox6", QRect(614, 669, 339, 122)},
        };
        for (const auto& [name, rect] : places) {
            auto* box = form.findChild<QGroupBox*>(QString::fromLatin1(name));
            QVERIFY2(box, name);
            QCOMPARE(box->geometry(), rect);
        }
        auto* bar = form.findChild<QStatusBar*>(QStringLiteral("StatusBar1"));
        QVERIFY(bar);
        QCOMPARE(bar->height(), 19);
        QVERIFY(form.timer1()->isActive());
        QCOMPARE(form.rollingTimer()->interval(), 20);
        QCOMPARE(form.settingsPath(),
                 QDir(dir.path()).filePath(QString::fromLatin1(kSettingsName)));
    }

    // Runs only in the ctest entry whose loader finds no vendor library.
    void firstActivationWithoutLibrary() {
        if (qEnvironmentVariableIsEmpty("LUMIDOR_EXPECT_NO_LIBRARY")) {
            QSKIP("needs a loader path without the vendor library");
        }
        QTemporaryDir dir;
        test::RecordingDialogs dialogs;
        TMainForm form(dir.path());
        showAndActivate(form);
        QCOMPARE(form.session().UsbDevice.Index, TUsbDevices::kLibraryMissing);
        QCOMPARE(dialogs.shown.size(), 2);
        QCOMPARE(dialogs.shown[0].kind, MsgKind::Warning);
        QVERIFY(dialogs.shown[0].text.startsWith(test::quotingLibrary(
            "In the system could not find the necessary library \"libftd2xx.so\".")));
        QVERIFY(dialogs.shown[0].text.endsWith(
            QStringLiteral("\r\r         Please install the required FTDI driver.")));
        QCOMPARE(dialogs.shown[1], Message({MsgKind::Warning, kFileMissingEn}));
        QVERIFY(test::writeButtonsAre(&form, false));
        QCOMPARE(form.interfaceBox()->nameCaption(), QStringLiteral("---"));
    }

    // A grey-mode grid must stay grey once the window is up.
    void brightnessPanelsKeepTheirColourAtActivation() {
        QTemporaryDir dir;
        QVERIFY(test::writeAll(dir.filePath(QString::fromLatin1(kSettingsName)),
                               "[Presets]\r\nPWM=1\r\n"));
        test::RecordingDialogs dialogs;
        TMainForm form(dir.path());
        showAndActivate(form);
        QCOMPARE(form.presetEditor()->ledPanelsColour(), QColor(222, 222, 222));
    }

    // Czech -> English -> Czech gives back every text exactly, with every
    // selection kept, an empty one included.
    void languageRoundTripRestoresEveryText() {
        QLocale::setDefault(QLocale(QLocale::Czech, QLocale::CzechRepublic));
        QTemporaryDir dir;
        QVERIFY(test::writeAll(
            dir.filePath(QString::fromLatin1(kSettingsName)),
            "[Presets]\r\nTimeAxe=4\r\nOnOff=7\r\nPWM=3\r\n"
            "[Configuration]\r\nProgram=2\r\nEngineType=3\r\nNeutral=9\r\nVoltage=33\r\n"));
        test::RecordingDialogs dialogs;
        TMainForm form(dir.path());
        showAndActivate(form);
        QCOMPARE(form.lang(), Lang::Czech);
        const QMap<QString, QString> czech = snapshot(form);

        auto* en = form.findChild<QAbstractButton*>(QStringLiteral("sbEnglish"));
        auto* cz = form.findChild<QAbstractButton*>(QStringLiteral("sbCzech"));
        QTest::mouseClick(en, Qt::LeftButton);
        QCOMPARE(form.lang(), Lang::English);
        const QMap<QString, QString> english = snapshot(form);
        QCOMPARE(english.keys(), czech.keys());
        QVERIFY(english != czech);
        QCOMPARE(form.windowTitle(), QStringLiteral("RC Lumidor configurator HW v4.0"));
        const auto* neutral = form.findChild<QComboBox*>(QStringLiteral("cbNeutral"));
        QCOMPARE(neutral->currentIndex(), -1);
        QCOMPARE(form.findChild<QComboBox*>(QStringLiteral("cbCasovaOsa"))->currentIndex(), 4);

        QTest::mouseClick(cz, Qt::LeftButton);
        QCOMPARE(form.lang(), Lang::Czech);
        const QMap<QString, QString> back = snapshot(form);
        for (auto it = czech.cbegin(); it != czech.cend(); ++it) {
            QCOMPARE(back.value(it.key()), it.value());
        }
        QCOMPARE(dialogs.shown.size(), 0);
    }

    // Controls without a hint of their own show their group's.
    void statusBarShowsTheNearestHint() {
        QTemporaryDir dir;
        test::RecordingDialogs dialogs;
        TMainForm form(dir.path());
        showAndActivate(form);
        auto* bar = form.findChild<QStatusBar*>(QStringLiteral("StatusBar1"));
        auto* cell = form.findChild<QWidget*>(QStringLiteral("CheckBox5"));
        QVERIFY(cell);
        QVERIFY(cell->statusTip().isEmpty());
        QEvent enter(QEvent::Enter);
        QCoreApplication::sendEvent(cell, &enter);
        QCOMPARE(bar->currentMessage(), form.presetEditor()->statusTip());
        QVERIFY(bar->currentMessage().startsWith(QStringLiteral("The duration of each column")));

        auto* prog = form.findChild<QWidget*>(QStringLiteral("cbProg"));
        QCoreApplication::sendEvent(prog, &enter);
        QCOMPARE(bar->currentMessage(),
                 QStringLiteral("Selecting a program stored in the RC Lumidor."));
    }
};

QTEST_MAIN(MainWindowTest)
#include "mainwindow_qtest.moc"
