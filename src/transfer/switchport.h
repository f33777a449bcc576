#pragma once

#include <QByteArray>
#include <QString>

namespace lumidor {

// What a transfer needs of the converter. The real one goes through the D2XX
// binding; tests use scripted fakes.
class SwitchPort {
public:
    virtual ~SwitchPort() = default;

    // Opens the converter listed under `description`; false when it cannot be opened.
    virtual bool open(const QString& description) = 0;
    // Drops whatever the converter received and nobody read: the tail of an
    // earlier answer must not pass for the next one. A failure is reported by
    // the port itself and changes nothing for the caller.
    virtual void discardReceived() = 0;
    // Returns the number of bytes the converter took (0 on failure).
    virtual int write(const QByteArray& bytes) = 0;
    // Returns what arrived, at most maxBytes. Ends as soon as a carriage
    // return has come, at maxBytes, or at the read timeout with what has.
    virtual QByteArray read(int maxBytes) = 0;
    virtual void close() = 0;
};

}  // namespace lumidor
