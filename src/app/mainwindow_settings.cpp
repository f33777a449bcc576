#include "app/mainwindow.h"

#include <QTimer>

#include "common/ui/dialogs.h"
#include "settings/configpanel.h"
#include "settings/settingsfile.h"
#include "settings/ui/configpanelbox.h"

namespace lumidor {

void TMainForm::loadSettings() {
    SettingsRead read = readSettingsFile(settingsPath_);
    settingsReadProblem_ = nullptr;
    if (read.status == SettingsRead::Status::Unreadable) {
        settingsReadProblem_ = [read](Lang lang) { return read.reason(lang); };
    }
    // An unreadable file gives the defaults, as a missing one does.
    loadPresets(presetsFromIni(read.ini));
    session_.doc.config = withinLimits(configFromIni(read.ini));
    GroupBox4->show(session_.doc.config);

    // The configuration panel brings its own dependent controls in line; the
    // program sets the layout.
    tmrRollingWindow->start();
}

void TMainForm::announceUnreadableSettings() {
    if (settingsReadProblem_) {
        const Lang l = lang();
        Dialogs::current().show(
            settingsUnreadableMessage(l, settingsPath_, settingsReadProblem_(l)));
    }
}

namespace {

// The switch already holds the data; a file that cannot be read is only
// replaced when the user agrees, and a failed write is told instead of the
// transfer's result.
bool reportStore(const StoreOutcome& outcome, Lang lang, const QString& path) {
    if (outcome.status != StoreOutcome::Status::Failed) {
        return true;
    }
    Dialogs::current().show(settingsWriteFailedMessage(lang, path, outcome.error));
    return false;
}

ConfirmOverwrite askBeforeOverwriting(const TMainForm& form) {
    return [&form](const SettingsRead& read) {
        const Lang l = form.lang();
        return Dialogs::current().question(
            form.plainTitle(), settingsOverwriteQuestion(l, form.settingsPath(), read.reason(l)));
    };
}

}  // namespace

bool TMainForm::storePresets() {
    const StoreOutcome outcome =
        lumidor::storePresets(settingsPath_, session_.doc.presets, askBeforeOverwriting(*this));
    return reportStore(outcome, lang(), settingsPath_);
}

bool TMainForm::storeConfiguration() {
    const StoreOutcome outcome = lumidor::storeConfiguration(settingsPath_, session_.doc.config,
                                                             askBeforeOverwriting(*this));
    return reportStore(outcome, lang(), settingsPath_);
}

}  // namespace lumidor
