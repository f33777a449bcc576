#include "app/mainwindow.h"

#include "common/ui/dialogs.h"
#include "presets/ui/preseteditorbox.h"
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
    GroupBox3->setPresets(presetsFromIni(read.ini));
    GroupBox4->setValues(configFromIni(read.ini));

    // Setting the lists did not run their handlers; the dependent state is
    // brought in line here, in this order.
    GroupBox3->cbCasovaOsaChange();
    GroupBox4->cbProgChange();
    tbSimChange();
    cbPWMChange();
    if (GroupBox4->values().list(ConfigList::Prog) == 2) {
        GroupBox4->cbEngineTypeChange();
    }
    GroupBox4->cbCalKniplChange();
    GroupBox4->cbNeutralChange();
    GroupBox4->tbLeft1Change();
    GroupBox4->tbRight1Change();
    GroupBox4->tbLeft0Change();
    GroupBox4->tbRight0Change();
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
        lumidor::storePresets(settingsPath_, GroupBox3->presets(), askBeforeOverwriting(*this));
    return reportStore(outcome, lang(), settingsPath_);
}

bool TMainForm::storeConfiguration() {
    const StoreOutcome outcome = lumidor::storeConfiguration(settingsPath_, GroupBox4->values(),
                                                             askBeforeOverwriting(*this));
    return reportStore(outcome, lang(), settingsPath_);
}

}  // namespace lumidor
