#include "transfer/frame.h"

#include <algorithm>
#include <array>

#include "settings/presetitems.h"

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
char wireByte(int value) {
    return static_cast<char>(static_cast<std::uint8_t>(value & 0xFF));
}
void appendByte(QByteArray& out, int value) {
    out.append(wireByte(value));
}
void setByte(QByteArray& out, int offset, int value) {
    out[offset] = wireByte(value);
}

// Two bytes between the engine lists and the inputs that the switch reads
// as 0x0F.
constexpr int kFixedConfigurationBytes[] = {19, 20};
constexpr int kFixedConfigurationByte = 0x0F;

// Each payload byte has exactly one source: a list, a number (the voltage
// takes two), or a fixed byte; an offset past the payload does not compile.
constexpr bool configurationBytesEachFilledOnce() {
    std::array<int, kConfigurationPayloadLength> uses{};
    bool inside = true;
    const auto use = [&](int offset) {
        if (offset < 0 || offset >= kConfigurationPayloadLength) {
            inside = false;
            return;
        }
        ++uses[static_cast<size_t>(offset)];
    };
    for (const ConfigListItem& l : kConfigLists) {
        use(l.frameByte);
    }
    for (const ConfigNumberItem& n : kConfigNumbers) {
        for (int i = 0; i < frameBytes(n.encoding); ++i) {
            use(n.frameByte + i);
        }
    }
    for (int offset : kFixedConfigurationBytes) {
        use(offset);
    }
    return inside && std::all_of(uses.begin(), uses.end(), [](int n) { return n == 1; });
}
static_assert(configurationBytesEachFilledOnce(),
              "every configuration byte has one source within the payload");

constexpr bool presetOptionsFollowTheGrid() {
    int offset = 2 * kColumns;
    for (const PresetOptionItem& item : kPresetOptionItems) {
        if (item.frameByte != offset++) {
            return false;
        }
    }
    return offset == kPresetPayloadLength;
}
static_assert(presetOptionsFollowTheGrid());

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
    for (const PresetOptionItem& item : kPresetOptionItems) {
        appendByte(payload, presets.options.*item.value / item.frameUnit);
    }
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
    QByteArray payload(kConfigurationPayloadLength, '\0');
    const auto put = [&payload](int offset, int value) { setByte(payload, offset, value); };
    for (ConfigList l : allConfigLists()) {
        put(configItem(l).frameByte, v.list(l));
    }
    for (const ConfigNumberItem& n : kConfigNumbers) {
        const int value = v.*n.value;
        switch (n.encoding) {
            case NumberEncoding::TwoDigits:
                put(n.frameByte, value / 10);
                put(n.frameByte + 1, value % 10);
                break;
            case NumberEncoding::LeftStick:
                put(n.frameByte, stickLeftCode(value));
                break;
            case NumberEncoding::RightStick:
                put(n.frameByte, stickRightCode(value));
                break;
        }
    }
    for (int offset : kFixedConfigurationBytes) {
        put(offset, kFixedConfigurationByte);
    }
    return payload;
}

QByteArray configurationFrame(const ConfigValues& values) {
    return buildFrame(TransferKind::Configuration, configurationPayload(values));
}

}  // namespace lumidor
