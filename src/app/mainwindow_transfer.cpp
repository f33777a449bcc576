#include "app/mainwindow.h"

#include <QGuiApplication>
#include <QPushButton>
#include <optional>

#include "common/ui/dialogs.h"
#include "link/D2XXUnit.h"
#include "link/reportcollector.h"
#include "presets/ui/preseteditorbox.h"
#include "settings/ui/configpanelbox.h"
#include "transfer/frame.h"
#include "transfer/reply.h"
#include "transfer/switchport.h"
#include "transfer/transfer.h"

namespace lumidor {
namespace {

// The busy state of a transfer: both write buttons off (the only guard
// against a second transfer starting from inside a message box) and the wait
// cursor on. However the transfer ends, the cursor comes back and the buttons
// as writeButtonsAfterTransfer decides.
class TransferBusy {
public:
    explicit TransferBusy(TMainForm& form) : form_(form), searchesBefore_(form.searchCount()) {
        form_.showWriteButtons(false);
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    }
    ~TransferBusy() {
        normalCursor();
        if (writeButtonsAfterTransfer(form_.session().converterPresent,
                                      form_.searchCount() != searchesBefore_)) {
            form_.showWriteButtons(true);
        }
    }
    TransferBusy(const TransferBusy&) = delete;
    TransferBusy& operator=(const TransferBusy&) = delete;

    // Boxes wait for the user, so they are not shown under the wait cursor.
    void normalCursor() {
        if (waiting_) {
            waiting_ = false;
            QGuiApplication::restoreOverrideCursor();
        }
    }

private:
    TMainForm& form_;
    const int searchesBefore_;
    bool waiting_ = true;
};

void showAll(const Messages& messages) {
    Dialogs& dialogs = Dialogs::current();
    for (const Message& m : messages) {
        dialogs.show(m);
    }
}

// The body both write buttons share: the caller has read its group box into
// the pre-send warning (if any) and the frame.
void transferToSwitch(TMainForm& form, TransferKind kind, const std::optional<Message>& warning,
                      const QByteArray& frame) {
    TransferBusy busy(form);
    if (warning) {
        busy.normalCursor();
        Dialogs::current().show(*warning);
        return;
    }

    // The binding's own failure boxes (FT_Write, FT_Read, FT_Close) wait until
    // the converter is closed and the cursor is back: a USB event handled
    // inside a box runs a search, which must not find the converter held.
    Messages reports;
    const TransferOutcome outcome = [&] {
        const ReportCollector collect(D2XXUnit::module(), reports);
        return exchangeFrame(form.switchPort(), form.session().UsbDevice.Description, frame,
                             form.lang());
    }();
    busy.normalCursor();

    const TransferPlan plan = planAfterExchange(outcome, reports, kind, form.lang());
    showAll(plan.boxes);
    if (plan.searchAgain) {
        form.SearchConverter();
    }
    if (plan.store) {
        const bool stored =
            *plan.store == TransferKind::Presets ? form.storePresets() : form.storeConfiguration();
        if (!stored) {
            return;
        }
    }
    showAll(plan.resultBoxes);
}

}  // namespace

void TMainForm::BitBtn1Click() {
    const Presets& presets = session_.doc.presets;
    transferToSwitch(*this, TransferKind::Presets, presetTransferCheck(presets, lang()),
                     presetFrame(presets));
}

void TMainForm::BitBtn6Click() {
    const ConfigValues values = session_.doc.config;
    transferToSwitch(*this, TransferKind::Configuration, configurationTransferCheck(values, lang()),
                     configurationFrame(values));
}

void TMainForm::showWriteButtons(bool enabled) {
    GroupBox3->setWriteEnabled(enabled);
    GroupBox4->setWriteEnabled(enabled);
}

void TMainForm::setSwitchPort(std::unique_ptr<SwitchPort> port) {
    port_ = std::move(port);
}

void TMainForm::connectTransfer() {
    connect(GroupBox3, &PresetEditorBox::writeRequested, this, &TMainForm::BitBtn1Click);
    connect(GroupBox4, &ConfigPanelBox::writeClicked, this, &TMainForm::BitBtn6Click);
}

}  // namespace lumidor
