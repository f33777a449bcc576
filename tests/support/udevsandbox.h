#pragma once

#include <sched.h>
#include <unistd.h>

#include <QProcess>
#include <QString>
#include <QStringList>

namespace lumidor::test {

// udev's messages reach every monitor on the machine. A test that sends them
// moves into a network namespace of its own first, so the watchers of other
// test programs running beside it (and the desktop's) never see its plugs.
// Returns why the test cannot send, or an empty text when it can.
inline QString enterUdevSandbox() {
    if (geteuid() != 0) {
        return QStringLiteral("udev's messages count only when sent by root; run as root");
    }
    if (unshare(CLONE_NEWNET) != 0) {
        return QStringLiteral(
            "cannot enter a network namespace of its own to keep its udev "
            "messages from other programs");
    }
    return {};
}

// Sends the message udev broadcasts after a USB device came or went.
inline bool sendUdevMessage(const QString& action, const QStringList& properties = {}) {
#ifdef LUMIDOR_UEVENT_TOOL
    return QProcess::execute(QStringLiteral(LUMIDOR_UEVENT_TOOL),
                             QStringList{action} + properties) == 0;
#else
    (void)action;
    (void)properties;
    return false;
#endif
}

}  // namespace lumidor::test
