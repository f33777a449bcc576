#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

#include "common/bilingual.h"
#include "common/message.h"
#include "presets/presetgrid.h"
#include "settings/configvalues.h"
#include "transfer/frame.h"

namespace lumidor {

class SwitchPort;

enum class TransferStatus {
    // The converter could not be opened: show the message, then search again.
    NotOpened,
    // The second write fell short: show the message; nothing was read.
    WriteFailed,
    // A reply (possibly empty) was read and the converter closed again.
    Replied,
};

struct TransferOutcome {
    TransferStatus status;
    QString reply;                   // only for Replied
    std::optional<Message> message;  // what to show for NotOpened and WriteFailed
};

// One exchange with the switch: open the converter listed under
// `description`, drop what an earlier exchange left unread, write the frame
// twice back to back, read the reply, close. A null port is a converter that
// cannot be opened. The port bounds the read; nothing here waits.
TransferOutcome exchangeFrame(SwitchPort* port, const QString& description, const QByteArray& frame,
                              Lang lang);

// What the window does once an exchange is over, in this order: show
// `boxes`, then search again if asked, then store what was sent if asked,
// then show `resultBoxes`. A store that fails has told the user itself, and
// the result boxes are dropped: a success box after it would contradict it.
struct TransferPlan {
    // The binding's own failure boxes as they arose, then the transfer's.
    Messages boxes;
    // The converter could not be opened: it may be gone or another one may
    // have taken its place.
    bool searchAgain = false;
    // Set when the switch took the data: the settings file keeps what it now holds.
    std::optional<TransferKind> store;
    Messages resultBoxes;

    friend bool operator==(const TransferPlan&, const TransferPlan&) = default;
};

// `reports`: the binding's failure boxes held back during the exchange, so
// none waits on the user while the converter is open.
TransferPlan planAfterExchange(const TransferOutcome& outcome, const Messages& reports,
                               TransferKind kind, Lang lang);

// The write buttons come back after a transfer only while a converter is
// present, and only when no search ran meanwhile (a failed open, a USB event
// during a box): that search's decision stands, so a converter it refused for
// its firmware or its port settings stays refused.
bool writeButtonsAfterTransfer(bool converterPresent, bool searchRanMeanwhile);

// The checks made before anything is opened; the warning to show, if any.
// A dark grid is reported before missing list selections.
std::optional<Message> presetTransferCheck(const Presets& presets, Lang lang);
std::optional<Message> configurationTransferCheck(const ConfigValues& values, Lang lang);

}  // namespace lumidor
