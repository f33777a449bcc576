#pragma once

#include <chrono>

#include "link/convertersearch.h"
#include "transfer/switchport.h"

namespace lumidor {

class D2XXUnit;

// The converter as a transfer reaches it, through the binding's module-wide
// handle and buffers. The port settings are the ones the last search applied.
class D2xxSwitchPort : public SwitchPort {
public:
    // `answerLimit`: how long a read may take once the answer has begun; the
    // search gives the converter's own read timeout the same value.
    explicit D2xxSwitchPort(D2XXUnit& unit, std::chrono::milliseconds answerLimit =
                                                std::chrono::milliseconds(kReadTimeoutMs))
        : unit_(unit), answerLimit_(answerLimit) {}

    bool open(const QString& description) override;
    void discardReceived() override;
    int write(const QByteArray& bytes) override;
    QByteArray read(int maxBytes) override;
    void close() override;

private:
    QByteArray readDevice(int count);

    D2XXUnit& unit_;
    std::chrono::milliseconds answerLimit_;
};

}  // namespace lumidor
