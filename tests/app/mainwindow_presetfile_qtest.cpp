#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QUndoStack>
#include <QtTest>

#include "app/languagebox.h"
#include "app/mainwindow.h"
#include "presets/effects.h"
#include "presets/presetfile.h"
#include "presets/ui/preseteditorbox.h"
#include "support/controls.h"
#include "support/files.h"
#include "support/recordingdialogs.h"

using namespace lumidor;

namespace {

const QString kTitleEn = QStringLiteral("RC Lumidor configurator HW v4.0");

QByteArray fileOf(int timeAxis, int onOff, int pwm, const QList<int>& lit) {
    PresetGrid g;
    for (int n : lit) {
        g.setCell(n, true);
    }
    return presetFileBytes(g, {timeAxis, onOff, pwm});
}

}  // namespace

// The file buttons of the main window, its title, and the first effect.
class PresetFilesTest : public QObject {
    Q_OBJECT

    // cbVolbaRezimu, found as a user's tool finds it.
    static EffectList* effectList(const QWidget* box) {
        return test::control<EffectList>(box, QStringLiteral("cbVolbaRezimu"));
    }

    QTemporaryDir dir_;
    std::unique_ptr<test::RecordingDialogs> dialogs_;
    std::unique_ptr<TMainForm> form_;

    QString file(const char* name) const { return dir_.filePath(QString::fromUtf8(name)); }
    PresetEditorBox* editor() const { return form_->presetEditor(); }

    void english() {
        if (form_->lang() != Lang::English) {
            form_->LanguageClick(Lang::English);
        }
    }

    void save(const QString& chosen, QList<bool> answers = {}) {
        dialogs_->fileNames = {chosen};
        dialogs_->answers = std::move(answers);
        form_->btnSaveFileClick();
    }
    void open(const QString& chosen) {
        dialogs_->fileNames = {chosen};
        form_->btnOpenFileClick();
    }

private Q_SLOTS:
    void init() {
        dialogs_ = std::make_unique<test::RecordingDialogs>();
        // A settings file keeps the first activation from choosing an effect.
        QVERIFY(test::writeAll(dir_.filePath(QStringLiteral("rc_lumidor_konfigurator_hw_v40.ini")),
                               "[Presets]\r\n"));
        form_ = std::make_unique<TMainForm>(dir_.path());
        form_->show();
        english();
        dialogs_->shown.clear();
    }
    void cleanup() {
        form_.reset();
        dialogs_.reset();
        for (const QString& name :
             QDir(dir_.path()).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot)) {
            QFile::remove(dir_.filePath(name));
            QDir(dir_.filePath(name)).removeRecursively();
        }
    }

    // Save, change everything, open again: the pattern and its options come
    // back, the title names the file, the effect list shows its placeholder.
    void saveThenOpenRoundTrip() {
        editor()->setRandomSeed(11);
        effectList(editor())->setCurrentIndex(kRandomEffect + 1);
        editor()->cbVolbaRezimuChange();
        test::control<QComboBox>(editor(), QStringLiteral("cbPWM"))->setCurrentIndex(2);
        const Pattern saved = editor()->pattern();

        save(file("plane"));
        QCOMPARE(QFileInfo(file("plane.rcl")).size(), kPresetFileSize);
        QCOMPARE(form_->windowTitle(), QStringLiteral("plane.rcl - ") + kTitleEn);
        QCOMPARE(effectList(editor())->currentText(), QStringLiteral("Preset effect ..."));
        QCOMPARE(dialogs_->dialogDirs, QStringList{TMainForm::presetFileFolder()});
        QCOMPARE(dialogs_->dialogFilters, QStringList{QStringLiteral("RC Lumidor (*.rcl)")});

        editor()->BitBtnCheckBoxClick(3);
        for (const auto& [name, index] :
             {std::pair{"cbCasovaOsa", 5}, {"cbZapVyp", 0}, {"cbPWM", 0}}) {
            auto* list = test::control<QComboBox>(editor(), QString::fromLatin1(name));
            list->setCurrentIndex(index);  // as the user picks it
            Q_EMIT list->activated(index);
        }
        form_->LanguageClick(Lang::English);  // a switch restores the plain title
        QCOMPARE(form_->windowTitle(), kTitleEn);

        open(file("plane.rcl"));
        QCOMPARE(editor()->pattern(), saved);
        QCOMPARE(form_->windowTitle(), QStringLiteral("plane.rcl - ") + kTitleEn);
        QCOMPARE(form_->timer1()->interval(), 100);
        QVERIFY(dialogs_->shown.isEmpty());

        // Opening is one undo step; the title goes and comes back with it.
        editor()->undoStack()->undo();
        QCOMPARE(editor()->pattern().options.timeAxis, 5);
        QCOMPARE(form_->windowTitle(), kTitleEn);
        editor()->undoStack()->redo();
        QCOMPARE(form_->windowTitle(), QStringLiteral("plane.rcl - ") + kTitleEn);
    }

    // The name rules and the overwrite question.
    void namesAndOverwrite() {
        save(file("pattern.RCL"));
        QVERIFY(QFileInfo::exists(file("pattern.RCL.rcl")));
        save(file("old.rcl.bak"));
        QVERIFY(QFileInfo::exists(file("old.rcl.bak")));
        QVERIFY(dialogs_->questions.isEmpty());

        const QByteArray before = test::readAll(file("old.rcl.bak"));
        editor()->BitBtnCheckBoxClick(1);
        form_->setWindowTitle(QStringLiteral("kept"));
        save(file("old.rcl.bak"), {false});
        QCOMPARE(dialogs_->questions.size(), 1);
        QCOMPARE(dialogs_->questions[0],
                 QStringLiteral("Warning|File \"%1\" exists,\r\roverwrite it ?")
                     .arg(QDir::toNativeSeparators(file("old.rcl.bak"))));
        QCOMPARE(test::readAll(file("old.rcl.bak")), before);
        QCOMPARE(form_->windowTitle(), QStringLiteral("kept"));
        save(file("old.rcl.bak"), {true});
        QCOMPARE(readPresetRecords(test::readAll(file("old.rcl.bak")), {}).grid.litCount(),
                 kCellCount);
        // Cancelling the dialog does nothing at all.
        save(QString());
        QCOMPARE(dialogs_->questions.size(), 2);
    }

    // Every way an open can fail: the message, the grid left alone, the
    // placeholder already in place where the file existed.
    void openFailures_data() {
        QTest::addColumn<QByteArray>("bytes");  // null: no file at all
        QTest::addColumn<bool>("folder");
        QTest::addColumn<QString>("message");
        QTest::addColumn<bool>("placeholder");
        const QString noData = QStringLiteral("File \"%1\" contains no data !!!");
        const QString version =
            QStringLiteral("Invalid file version \"%1\" !!!\r\rCan`t open a file !");
        const QByteArray good = fileOf(3, 2, 1, {1});
        QTest::newRow("missing") << QByteArray() << false
                                 << QStringLiteral("File \"%1\" was`t find !!!") << false;
        QTest::newRow("empty") << QByteArray("") << false << noData << true;
        QTest::newRow("10 bytes") << good.left(10) << false << noData << true;
        QTest::newRow("folder") << QByteArray() << true
                                << noData +
                                       QStringLiteral("\r\n\r\nReason: it is a folder, not a file")
                                << true;
        QTest::newRow("length 3") << QByteArray(good).replace(0, 1, "\x03") << false << version
                                  << true;
        QTest::newRow("v3.0") << QByteArray(good).replace(2, 1, "3") << false << version << true;
    }
    void openFailures() {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, folder);
        QFETCH(QString, message);
        QFETCH(bool, placeholder);
        const QString path = file("bad.rcl");
        if (folder) {
            QVERIFY(QDir(dir_.path()).mkdir(QStringLiteral("bad.rcl")));
        } else if (!bytes.isNull()) {
            QVERIFY(test::writeAll(path, bytes));
        }
        effectList(editor())->setCurrentIndex(4);
        editor()->cbVolbaRezimuChange();
        const Pattern before = editor()->pattern();
        const int steps = editor()->undoStack()->count();
        open(path);
        QCOMPARE(dialogs_->shown.size(), 1);
        QCOMPARE(dialogs_->shown[0].text, message.arg(QDir::toNativeSeparators(path)));
        QCOMPARE(editor()->pattern(), before);
        QCOMPARE(editor()->undoStack()->count(), steps);
        QCOMPARE(form_->windowTitle(), kTitleEn);
        const auto placeholderShown = [this] {
            return effectList(editor())->currentText().contains(QLatin1String("..."));
        };
        QCOMPARE(placeholderShown(), placeholder);
        // Undo and redo come back to what the list shows now.
        editor()->undoStack()->undo();
        editor()->undoStack()->redo();
        QCOMPARE(editor()->pattern(), before);
        QCOMPARE(placeholderShown(), placeholder);
    }

    // Short files and odd bytes load what they hold, without a message.
    void partialFilesLoadWhatTheyHold() {
        editor()->BitBtnCheckBoxClick(1);
        QByteArray bytes = fileOf(9, 4, 255, {1});
        bytes[11 + 5 + 11] = 2;  // cell 2: any non-zero byte is lit
        QVERIFY(test::writeAll(file("short.rcl"), bytes.left(11 * 3)));
        open(file("short.rcl"));
        QVERIFY(dialogs_->shown.isEmpty());
        const Pattern p = editor()->pattern();
        QCOMPARE(p.grid.litCount(), kCellCount);  // cells 1 and 2 lit, the rest kept
        QCOMPARE(p.options, (PatternOptions{-1, 4, -1}));
        QCOMPARE(form_->windowTitle(), QStringLiteral("short.rcl - ") + kTitleEn);
    }

    // A save that fails keeps the old file, the title and the effect list,
    // and says why.
    void failedSaveKeepsEverything() {
        save(file("keep.rcl"));
        const QByteArray old = test::readAll(file("keep.rcl"));
        effectList(editor())->setCurrentIndex(2);
        editor()->cbVolbaRezimuChange();
        form_->setWindowTitle(QStringLiteral("kept"));
        {
            const test::FailingSave failing(file("keep.rcl"), 1000);
            save(file("keep.rcl"), {true});
        }
        QCOMPARE(dialogs_->shown.size(), 1);
        QCOMPARE(dialogs_->shown[0].kind, MsgKind::Error);
        QVERIFY(dialogs_->shown[0].text.startsWith(
            QStringLiteral("Soubor se nepodařilo uložit !!!\r\n\r\nReason: ")));
        QCOMPARE(test::readAll(file("keep.rcl")), old);
        QCOMPARE(form_->windowTitle(), QStringLiteral("kept"));
        QCOMPARE(editor()->selectedEffect(), 1);
        QCOMPARE(QDir(dir_.path()).entryList({QStringLiteral("*.rcl*")}, QDir::Files),
                 QStringList{QStringLiteral("keep.rcl")});
    }

    // Without a settings file the first activation plays the anti-collision
    // pattern, shown by name, before the missing file is announced.
    void firstActivationWithoutSettingsPlaysEffectZero() {
        form_.reset();
        QFile::remove(dir_.filePath(QStringLiteral("rc_lumidor_konfigurator_hw_v40.ini")));
        TMainForm form(dir_.path());
        int litWhenTold = -1;
        struct Watch : test::RecordingDialogs {
            std::function<void()> onMessage;
            void message(MsgKind kind, const QString& text) override {
                onMessage();
                RecordingDialogs::message(kind, text);
            }
        } watch;
        watch.onMessage = [&] { litWhenTold = form.presetEditor()->presets().grid.litCount(); };
        form.show();
        form.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        PresetEditorBox* box = form.presetEditor();
        QCOMPARE(litWhenTold, 60);
        QCOMPARE(box->selectedEffect(), 0);
        QVERIFY(!effectList(box)->currentText().contains(QLatin1String("...")));
        QCOMPARE(box->pattern().options.timeAxis, 1);
        QCOMPARE(box->pattern().options.onOff, 2);
        QCOMPARE(form.timer1()->interval(), 50);
        QVERIFY(!box->undoStack()->canUndo());
        dialogs_->shown = watch.shown;
    }
};

QTEST_MAIN(PresetFilesTest)
#include "mainwindow_presetfile_qtest.moc"
