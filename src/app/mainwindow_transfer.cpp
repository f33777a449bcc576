#include "app/mainwindow.h"

#include <QGuiApplication>
#include <QPushButton>
#include <optional>

#include "common/ui/dialogs.h"
#include "link/ui/interfacebox.h"
#include "presets/ui/preseteditorbox.h"
#include "settings/ui/configpanelbox.h"
#include "transfer/frame.h"
#include "transfer/reply.h"
#include "transfer/switchport.h"
#include "transfer/transfer.h"

namespace lumidor {
namespace {

void setWriteButtonsEnabled(const TMainForm& form, bool enabled) {
    form.presetEditor()->writeButton()->setEnabled(enabled);
    form.configPanel()->writeButton()->setEnabled(enabled);
}

// The busy state of a transfer: both write buttons off (the only guard
// against a second transfer starting from inside a message box) and the wait
// cursor on. However the transfer ends, the cursor comes back and the buttons
// return only while a converter is shown.
class TransferBusy {
public:
    explicit TransferBusy(const TMainForm& form) : form_(form) {
        setWriteButtonsEnabled(form_, false);
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    }
    ~TransferBusy() {
        normalCursor();
        if (form_.interfaceBox()->showsConverter()) {
            setWriteButtonsEnabled(form_, true);
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
    const TMainForm& form_;
    bool waiting_ = true;
};

// The body both write buttons share: the caller has read its group box into
// the pre-send warning (if any) and the frame.
void transferToSwitch(TMainForm& form, TransferKind kind, const std::optional<Message>& warning,
                      const QByteArray& frame) {
    TransferBusy busy(form);
    Dialogs& dialogs = Dialogs::current();

    if (warning) {
        busy.normalCursor();
        dialogs.show(*warning);
        return;
    }

    TransferOutcome outcome =
        exchangeFrame(form.switchPort(), form.UsbDevice.Description, frame, form.lang());
    busy.normalCursor();
    switch (outcome.status) {
        case TransferStatus::NotOpened:
            dialogs.show(*outcome.message);
            form.SearchConverter();
            return;
        case TransferStatus::WriteFailed:
            dialogs.show(*outcome.message);
            return;
        case TransferStatus::Replied:
            break;
    }

    if (replyAccepted(outcome.reply)) {
        // A settings file that cannot be written has already been reported;
        // a success box after that would contradict it.
        const bool stored =
            kind == TransferKind::Presets ? form.storePresets() : form.storeConfiguration();
        if (!stored) {
            return;
        }
    }
    form.ReportTransferResult(outcome.reply, kind == TransferKind::Configuration);
}

}  // namespace

void TMainForm::BitBtn1Click() {
    const Presets presets = GroupBox3->presets();
    transferToSwitch(*this, TransferKind::Presets, presetTransferCheck(presets, lang()),
                     presetFrame(presets));
}

void TMainForm::BitBtn6Click() {
    const ConfigValues values = GroupBox4->values();
    transferToSwitch(*this, TransferKind::Configuration, configurationTransferCheck(values, lang()),
                     configurationFrame(values));
}

void TMainForm::ReportTransferResult(const QString& reply, bool configuration) {
    const Messages messages = transferResultMessages(
        reply, configuration ? TransferKind::Configuration : TransferKind::Presets, lang());
    Dialogs& dialogs = Dialogs::current();
    for (const Message& m : messages) {
        dialogs.show(m);
    }
}

void TMainForm::setSwitchPort(std::unique_ptr<SwitchPort> port) {
    port_ = std::move(port);
}

void TMainForm::connectTransfer() {
    connect(GroupBox3->writeButton(), &QPushButton::clicked, this, &TMainForm::BitBtn1Click);
    connect(GroupBox4->writeButton(), &QPushButton::clicked, this, &TMainForm::BitBtn6Click);
}

}  // namespace lumidor
