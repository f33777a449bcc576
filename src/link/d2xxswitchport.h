#pragma once

#include "transfer/switchport.h"

namespace lumidor {

class D2XXUnit;

// The converter as a transfer reaches it, through the binding's module-wide
// handle and buffers. The port settings are the ones the last search applied.
class D2xxSwitchPort : public SwitchPort {
public:
    explicit D2xxSwitchPort(D2XXUnit& unit) : unit_(unit) {}

    bool open(const QString& description) override;
    int write(const QByteArray& bytes) override;
    QByteArray read(int maxBytes) override;
    void close() override;

private:
    D2XXUnit& unit_;
};

}  // namespace lumidor
