#include "link/d2xxswitchport.h"

#include <algorithm>
#include <cstring>

#include "link/D2XXUnit.h"

namespace lumidor {

bool D2xxSwitchPort::open(const QString& description) {
    return unit_.OpenByDescription(description).ok();
}

int D2xxSwitchPort::write(const QByteArray& bytes) {
    const auto count =
        static_cast<std::uint32_t>(std::clamp<qsizetype>(bytes.size(), 0, D2XXUnit::kBufferSize));
    std::memcpy(unit_.OutputBuffer.data(), bytes.constData(), count);
    return static_cast<int>(unit_.WriteDevice(count));
}

QByteArray D2xxSwitchPort::read(int maxBytes) {
    const auto wanted = static_cast<std::uint32_t>(std::clamp(maxBytes, 0, D2XXUnit::kBufferSize));
    const std::uint32_t n = unit_.ReadDevice(wanted);
    return QByteArray(reinterpret_cast<const char*>(unit_.InputBuffer.data()),
                      static_cast<qsizetype>(n));
}

void D2xxSwitchPort::close() {
    unit_.CloseDevice();
}

}  // namespace lumidor
