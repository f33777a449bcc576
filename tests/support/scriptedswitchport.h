#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include "transfer/switchport.h"

namespace lumidor::test {

// A converter that answers from a script and keeps a log of every call, so a
// test can see the exact order of open, discard, writes, read and close, and every
// byte put on the line.
class ScriptedSwitchPort : public SwitchPort {
public:
    bool open(const QString& description) override {
        log.append(QStringLiteral("open ") + description);
        opened.append(description);
        isOpen = canOpen;
        return canOpen;
    }
    void discardReceived() override { log.append(QStringLiteral("discard")); }
    int write(const QByteArray& bytes) override {
        log.append(QStringLiteral("write %1").arg(bytes.size()));
        line.append(bytes);
        // -1 in the script: the converter takes everything.
        const int scripted = writeCounts.isEmpty() ? -1 : writeCounts.takeFirst();
        return scripted < 0 ? static_cast<int>(bytes.size()) : scripted;
    }
    QByteArray read(int maxBytes) override {
        log.append(QStringLiteral("read %1").arg(maxBytes));
        return reply;
    }
    void close() override {
        log.append(QStringLiteral("close"));
        isOpen = false;
    }

    bool canOpen = true;
    QList<int> writeCounts;
    QByteArray reply;

    QStringList log;
    QStringList opened;
    QByteArray line;  // everything written, back to back
    bool isOpen = false;
};

}  // namespace lumidor::test
