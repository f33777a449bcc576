// The main window's side of the settings file: what reaches the disk and what
// the user is told. The group boxes' own values are checked with their panels.

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include "app/mainwindow.h"
#include "presets/ui/preseteditorbox.h"
#include "settings/settingsfile.h"
#include "settings/ui/configpanelbox.h"
#include "support/files.h"
#include "support/recordingdialogs.h"

using lumidor::ConfigValues;
using lumidor::IniFile;
using lumidor::MsgKind;
using lumidor::Presets;
using lumidor::TMainForm;
using lumidor::test::RecordingDialogs;

namespace {

using lumidor::test::readAll;
using lumidor::test::writeAll;

}  // namespace

class SettingsStoreTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void storesCreateTheFileWithBothSections();
    void failedWriteIsReportedAndKeepsTheOldFile();
    void unreadableFileIsAnnouncedAfterCreationNotDuring();
    void unreadableFileIsReplacedOnlyWhenTheUserAgrees();
    void readableFileAnnouncesNothing();
};

void SettingsStoreTest::storesCreateTheFileWithBothSections() {
    QTemporaryDir dir;
    RecordingDialogs dialogs;
    TMainForm form(dir.path());
    QVERIFY(!QFile::exists(form.settingsPath()));
    QVERIFY(!form.settingsUnreadable());

    QVERIFY(form.storeConfiguration());
    QVERIFY(form.storePresets());
    QVERIFY(dialogs.shown.isEmpty());
    QVERIFY(dialogs.questions.isEmpty());

    const IniFile ini = IniFile::parse(readAll(form.settingsPath()));
    QCOMPARE(ini.sectionNames(), (QList<QByteArray>{"Configuration", "Presets"}));
    QCOMPARE(lumidor::presetsFromIni(ini), form.presetEditor()->presets());
    QCOMPARE(lumidor::configFromIni(ini), form.session().doc.config);
}

void SettingsStoreTest::failedWriteIsReportedAndKeepsTheOldFile() {
    QTemporaryDir dir;
    RecordingDialogs dialogs;
    TMainForm form(dir.path());
    const QByteArray old = "[Presets]\r\nChB1=1\r\n";
    QVERIFY(writeAll(form.settingsPath(), old));

    bool presetsStored = false;
    bool configStored = false;
    {
        const lumidor::test::FailingSave failing(form.settingsPath(), 16);
        presetsStored = form.storePresets();
        configStored = form.storeConfiguration();
    }

    QVERIFY(!presetsStored);
    QVERIFY(!configStored);
    QCOMPARE(readAll(form.settingsPath()), old);
    QCOMPARE(dialogs.shown.size(), 2);
    const lumidor::Message& m = dialogs.shown.first();
    QCOMPARE(m.kind, MsgKind::Error);
    QVERIFY(m.text.contains(QLatin1Char('"') + QDir::toNativeSeparators(form.settingsPath()) +
                            QLatin1Char('"')));
    QVERIFY(m.text.startsWith(form.lang() == lumidor::Lang::Czech
                                  ? QString::fromUtf8("Soubor nastavení")
                                  : QStringLiteral("The settings file")));
}

void SettingsStoreTest::unreadableFileIsAnnouncedAfterCreationNotDuring() {
    QTemporaryDir dir;
    // A folder where the file should be: present, but not readable as one.
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("rc_lumidor_konfigurator_hw_v40.ini")));
    RecordingDialogs dialogs;
    TMainForm form(dir.path());
    QVERIFY(dialogs.shown.isEmpty());
    QVERIFY(form.settingsUnreadable());
    QCOMPARE(form.session().doc.config, ConfigValues{});

    form.announceUnreadableSettings();
    QCOMPARE(dialogs.shown.size(), 1);
    QCOMPARE(dialogs.shown.first(),
             lumidor::settingsUnreadableMessage(
                 form.lang(), form.settingsPath(),
                 lumidor::readSettingsFile(form.settingsPath()).reason(form.lang())));
}

void SettingsStoreTest::unreadableFileIsReplacedOnlyWhenTheUserAgrees() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("rc_lumidor_konfigurator_hw_v40.ini"));
    // Too large to be a settings file; the user may still want it.
    QByteArray big(static_cast<qsizetype>(lumidor::kMaxSettingsFileSize) + 10, ';');
    QVERIFY(writeAll(path, big));
    RecordingDialogs dialogs;
    TMainForm form(dir.path());
    QVERIFY(form.settingsUnreadable());

    // No: the transfer's result may follow, the file stays.
    dialogs.answers = {false};
    QVERIFY(form.storePresets());
    QCOMPARE(dialogs.questions.size(), 1);
    QVERIFY(dialogs.questions.first().startsWith(form.plainTitle() + QLatin1Char('|')));
    QVERIFY(dialogs.questions.first().contains(QDir::toNativeSeparators(path)));
    QCOMPARE(QFileInfo(path).size(), big.size());
    QVERIFY(dialogs.shown.isEmpty());

    // Yes: replaced by a file holding just what was stored.
    dialogs.answers = {true};
    QVERIFY(form.storeConfiguration());
    QCOMPARE(dialogs.questions.size(), 2);
    const lumidor::SettingsRead r = lumidor::readSettingsFile(path);
    QCOMPARE(r.status, lumidor::SettingsRead::Status::Ok);
    QCOMPARE(r.ini.sectionNames(), QList<QByteArray>{"Configuration"});

    // Readable now: no more questions.
    QVERIFY(form.storePresets());
    QCOMPARE(dialogs.questions.size(), 2);
}

void SettingsStoreTest::readableFileAnnouncesNothing() {
    QTemporaryDir dir;
    QVERIFY(writeAll(dir.filePath(QStringLiteral("rc_lumidor_konfigurator_hw_v40.ini")),
                     "garbage\r\n[Configuration]\r\nProgram=zz\r\n"));
    RecordingDialogs dialogs;
    TMainForm form(dir.path());
    QVERIFY(!form.settingsUnreadable());
    form.announceUnreadableSettings();
    QVERIFY(dialogs.shown.isEmpty());
}

QTEST_MAIN(SettingsStoreTest)
#include "mainwindow_settings_qtest.moc"
