#include <QFileInfo>
#include <QToolButton>

#include "app/mainwindow.h"
#include "common/ui/dialogs.h"
#include "common/ui/listutil.h"
#include "presets/presetfile.h"
#include "presets/ui/preseteditorbox.h"
#include "settings/settingslocation.h"

namespace lumidor {
namespace {

QString presetFileFilter() {
    return QStringLiteral("RC Lumidor (*.rcl)");
}

}  // namespace

void TMainForm::connectPresetFiles() {
    connect(GroupBox3->saveFileButton(), &QToolButton::clicked, this, &TMainForm::btnSaveFileClick);
    connect(GroupBox3->openFileButton(), &QToolButton::clicked, this, &TMainForm::btnOpenFileClick);
    connect(GroupBox3, &PresetEditorBox::pwmModeRestored, this, &TMainForm::cbPWMChange);
    connect(GroupBox3, &PresetEditorBox::titleRestored, this, [this](const QString& file) {
        setWindowTitle(file.isEmpty() ? plainTitle() : presetFileTitle(file, plainTitle()));
    });
}

QString TMainForm::presetFileFolder() {
    return presetDialogFolder();
}

void TMainForm::btnSaveFileClick() {
    Dialogs& dialogs = Dialogs::current();
    const QString chosen = dialogs.saveFileName(presetFileFolder(), presetFileFilter());
    if (chosen.isEmpty()) {
        return;
    }
    const QString path = presetSavePath(chosen);
    if (QFileInfo::exists(path) &&
        !dialogs.question(kOverwriteTitle(lang()), presetFileOverwriteQuestion(lang(), path))) {
        return;
    }
    const Pattern pattern = GroupBox3->pattern();
    if (const auto error = writePresetFile(path, pattern.grid, pattern.options)) {
        // The title and the effect list stay as they were.
        dialogs.show(presetFileSaveFailedMessage(lang(), *error));
        return;
    }
    GroupBox3->showPlaceholder();
    GroupBox3->setTitleFile(path);
    setWindowTitle(presetFileTitle(path, plainTitle()));
}

void TMainForm::btnOpenFileClick() {
    const QString path = Dialogs::current().openFileName(presetFileFolder(), presetFileFilter());
    if (!path.isEmpty()) {
        openPresetFile(path);
    }
}

void TMainForm::openPresetFile(const QString& path) {
    Dialogs& dialogs = Dialogs::current();
    if (!QFileInfo::exists(path)) {
        dialogs.show(presetFileNotFoundMessage(lang(), path));
        return;
    }
    GroupBox3->showPlaceholder();
    const PresetFileRead read = readPresetFile(path, GroupBox3->grid());
    switch (read.status) {
        case PresetFileRead::Status::Missing:
            dialogs.show(presetFileNotFoundMessage(lang(), path));
            return;
        case PresetFileRead::Status::NoData:
            dialogs.show(presetFileNoDataMessage(lang(), path, read.reason(lang())));
            return;
        case PresetFileRead::Status::WrongVersion:
            dialogs.show(presetFileVersionMessage(lang(), path));
            return;
        case PresetFileRead::Status::Ok:
            break;
    }
    // Runs the time-axis change; the brightness change follows.
    GroupBox3->setPattern({read.records.grid, read.records.options});
    cbPWMChange();
    GroupBox3->recordChange();
    GroupBox3->setTitleFile(path);
    setWindowTitle(presetFileTitle(path, plainTitle()));
}

void TMainForm::applyFirstEffect() {
    GroupBox3->cbVolbaRezimuDropDown();
    selectIndex(GroupBox3->effectList(), 0);
    GroupBox3->cbVolbaRezimuChange();
    // The program starts with this pattern; there is nothing before it to undo.
    GroupBox3->forgetHistory();
}

}  // namespace lumidor
