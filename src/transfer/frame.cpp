#include "transfer/frame.h"

#include <algorithm>

namespace lumidor {
namespace {

constexpr char kStartCharacter = ':';
constexpr std::uint8_t kFrameConstant = 0x04;
constexpr std::uint8_t kCheckSeed = 0x7F;
// Bytes in front of the payload: start, length, constant, kind.
constexpr int kHeaderLength = 4;

constexpr int kLeftStickTop = 1376;
constexpr int kRightStickBottom = 1632;
constexpr int kStickStep = 32;
constexpr int kStickCodeMax = 15;

// Only the low byte of a value goes on the wire, so -1 becomes 0xFF.
void appendByte(QByteArray& out, int value) {
    out.append(static_cast<char>(static_cast<std::uint8_t>(value & 0xFF)));
}

int sectionByte(const PresetGrid& grid, int firstOutput, int column) {
    int bits = 0;
    for (int bit = 0; bit < 4; ++bit) {
        if (grid.at(firstOutput + bit, column)) {
            bits |= 1 << bit;
        }
    }
    return bits;
}

int stickCode(int difference) {
    // C++ division already truncates toward zero; the clamp only matters for
    // positions outside the bars' kept ranges, which would otherwise wrap.
    return std::clamp(difference / kStickStep, 0, kStickCodeMax);
}

}  // namespace

std::uint8_t checkByte(const QByteArray& frame) {
    std::uint8_t check = kCheckSeed;
    for (qsizetype i = 1; i + 1 < frame.size(); ++i) {
        check ^= static_cast<std::uint8_t>(frame[i]);
    }
    return check;
}

QByteArray buildFrame(TransferKind kind, const QByteArray& payload) {
    const int length = kHeaderLength + static_cast<int>(payload.size()) + 1;
    QByteArray frame;
    frame.reserve(length);
    frame.append(kStartCharacter);
    appendByte(frame, length - 3);
    appendByte(frame, kFrameConstant);
    appendByte(frame, static_cast<int>(kind));
    frame.append(payload);
    frame.append('\0');
    frame[length - 1] = static_cast<char>(checkByte(frame));
    return frame;
}

QByteArray presetPayload(const Presets& presets) {
    QByteArray payload;
    payload.reserve(kPresetPayloadLength);
    for (int column = 1; column <= kColumns; ++column) {
        appendByte(payload, sectionByte(presets.grid, 1, column));
        appendByte(payload, sectionByte(presets.grid, 5, column));
    }
    const PresetOptions& o = presets.options;
    appendByte(payload, o.timeAxis);
    appendByte(payload, o.onOff);
    appendByte(payload, o.pwmMode);
    appendByte(payload, o.pwmMin / 10);
    appendByte(payload, o.pwmMax / 10);
    return payload;
}

QByteArray presetFrame(const Presets& presets) {
    return buildFrame(TransferKind::Presets, presetPayload(presets));
}

int stickLeftCode(int positionUs) {
    return stickCode(kLeftStickTop - positionUs);
}

int stickRightCode(int positionUs) {
    return stickCode(positionUs - kRightStickBottom);
}

QByteArray configurationPayload(const ConfigValues& v) {
    using L = ConfigList;
    QByteArray payload;
    payload.reserve(kConfigurationPayloadLength);
    const auto list = [&](L l) { appendByte(payload, v.list(l)); };
    list(L::Prog);
    list(L::Inicializace);
    list(L::InicBlik);
    list(L::FailSafe);
    list(L::NastavVysilacem);
    list(L::IndikacniLED);
    list(L::VoltageGuard);
    // Tenths of a volt as two decimal digits: 45 -> 4, 5.
    appendByte(payload, v.voltage / 10);
    appendByte(payload, v.voltage % 10);
    list(L::Smerovky_OnOff);
    list(L::CornerSpeed);
    list(L::VarovneSmerovkyTime);
    list(L::ProdlevaSmerovkyTime);
    list(L::SoundSpeed);
    list(L::EngineType);
    list(L::Cylinder);
    list(L::TimeOff);
    list(L::EngineShutDown);
    list(L::Control);
    appendByte(payload, 0x0F);
    appendByte(payload, 0x0F);
    // Input 2 before input 1, for the reverses and the stick limits alike.
    list(L::Reverse0);
    list(L::Reverse1);
    list(L::Neutral);
    list(L::CalKnipl);
    appendByte(payload, stickLeftCode(v.stickLeft0));
    appendByte(payload, stickRightCode(v.stickRight0));
    appendByte(payload, stickLeftCode(v.stickLeft1));
    appendByte(payload, stickRightCode(v.stickRight1));
    return payload;
}

QByteArray configurationFrame(const ConfigValues& values) {
    return buildFrame(TransferKind::Configuration, configurationPayload(values));
}

}  // namespace lumidor
