#pragma once

#include <QByteArray>
#include <QString>

#include "common/bilingual.h"
#include "common/message.h"
#include "transfer/frame.h"

namespace lumidor {

// The converter never answers with more than this in one reply.
constexpr int kReplyMaxBytes = 50;

// What the switch says when it took the data.
inline constexpr char kReplyAccepted[] = "RC_LINKUP...OK";
// Stands in for a reply that never came.
inline constexpr char kReplyNoAnswer[] = "Error#0";

// The reply as text: at most the first 50 bytes, one Latin-1 character per
// byte, up to but not including the first carriage return.
QString replyText(const QByteArray& received);

bool replyAccepted(const QString& reply);

// The boxes a reply earns, in the order they are shown: the success box for
// the given kind, then one error box per error code found in the reply. An
// empty reply counts as "Error#0". A reply with nothing recognisable earns one
// error box quoting it, bytes outside printable ASCII written as \xHH.
Messages transferResultMessages(const QString& reply, TransferKind kind, Lang lang);

}  // namespace lumidor
