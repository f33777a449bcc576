#include "transfer/transfer.h"

#include <array>

#include "transfer/reply.h"
#include "transfer/switchport.h"

namespace lumidor {
namespace {

// Both texts end in an apostrophe; so they always have.
constexpr Bi kCannotConnect{"Nepodařilo se navázat spojení s RC_LINKUP modulem !!!'",
                            "Unable to establish connection with the RC_LINKUP module !!!'"};
constexpr Bi kWriteFailed{"Zapisovaná data se nepodařilo úspěšně přenést do RC Lumidoru !!!",
                          "Writing data was`t successfully transferred to the RC Lumidors !!!"};
constexpr Bi kUndefinedField{"Nelze zapsat nenadefinované pole !!!",
                             "Can`t write an undefined field !!!"};
constexpr Bi kMissingSelection{"Neplatné nastavení, chybí volba v některé rozbalovací nabídce !!!",
                               "Invalid settings, missing selection in the pop-up menu !!!"};

// Only these lists are checked, in this order; the others go out even without
// a selection, as 0xFF.
constexpr std::array<ConfigList, 8> kRequiredConfigLists{
    ConfigList::Prog,     ConfigList::Inicializace, ConfigList::InicBlik, ConfigList::Neutral,
    ConfigList::FailSafe, ConfigList::Reverse2,     ConfigList::Reverse1, ConfigList::SoundSpeed};

}  // namespace

TransferOutcome exchangeFrame(SwitchPort* port, const QString& description, const QByteArray& frame,
                              Lang lang) {
    if (port == nullptr || !port->open(description)) {
        return {TransferStatus::NotOpened, {}, Message{MsgKind::Error, kCannotConnect(lang)}};
    }
    // The converter's buffer may outlive a close and a re-open, and the
    // read ends at the first carriage return, so what followed an earlier
    // answer may still wait there.
    port->discardReceived();
    // The frame goes out twice back to back; only the second write's count
    // decides whether it got through (the binding reports a failed first one).
    port->write(frame);
    if (port->write(frame) != frame.size()) {
        port->close();
        return {TransferStatus::WriteFailed, {}, Message{MsgKind::Error, kWriteFailed(lang)}};
    }
    const QString reply = replyText(port->read(kReplyMaxBytes));
    port->close();
    return {TransferStatus::Replied, reply, std::nullopt};
}

TransferPlan planAfterExchange(const TransferOutcome& outcome, const Messages& reports,
                               TransferKind kind, Lang lang) {
    TransferPlan plan;
    plan.boxes = reports;
    if (outcome.status != TransferStatus::Replied) {
        if (outcome.message) {
            plan.boxes.append(*outcome.message);
        }
        plan.searchAgain = outcome.status == TransferStatus::NotOpened;
        return plan;
    }
    if (replyAccepted(outcome.reply)) {
        plan.store = kind;
    }
    plan.resultBoxes = transferResultMessages(outcome.reply, kind, lang);
    return plan;
}

bool writeButtonsAfterTransfer(bool converterPresent, bool searchRanMeanwhile) {
    return converterPresent && !searchRanMeanwhile;
}

std::optional<Message> presetTransferCheck(const Presets& presets, Lang lang) {
    if (!presets.grid.anyLit()) {
        return Message{MsgKind::Warning, kUndefinedField(lang)};
    }
    const PresetOptions& o = presets.options;
    if (o.timeAxis < 0 || o.onOff < 0 || o.pwmMode < 0) {
        return Message{MsgKind::Warning, kMissingSelection(lang)};
    }
    return std::nullopt;
}

std::optional<Message> configurationTransferCheck(const ConfigValues& values, Lang lang) {
    for (ConfigList l : kRequiredConfigLists) {
        if (values.list(l) < 0) {
            return Message{MsgKind::Warning, kMissingSelection(lang)};
        }
    }
    return std::nullopt;
}

}  // namespace lumidor
