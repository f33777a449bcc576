#pragma once

#include <QList>
#include <QString>

namespace lumidor {

// The three kinds of one-button box the user can meet. The core decides kind
// and text; the widgets only show them.
enum class MsgKind { Information, Warning, Error };

struct Message {
    MsgKind kind;
    QString text;

    friend bool operator==(const Message&, const Message&) = default;
};

using Messages = QList<Message>;

}  // namespace lumidor
