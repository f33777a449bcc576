#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

#include "common/bilingual.h"
#include "common/message.h"
#include "presets/presetgrid.h"
#include "settings/configvalues.h"

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
// `description`, write the frame twice back to back, read the reply, close.
// A null port is a converter that cannot be opened. The port's own timeouts
// bound the read; nothing here waits.
TransferOutcome exchangeFrame(SwitchPort* port, const QString& description, const QByteArray& frame,
                              Lang lang);

// The checks made before anything is opened; the warning to show, if any.
// A dark grid is reported before missing list selections.
std::optional<Message> presetTransferCheck(const Presets& presets, Lang lang);
std::optional<Message> configurationTransferCheck(const ConfigValues& values, Lang lang);

}  // namespace lumidor
