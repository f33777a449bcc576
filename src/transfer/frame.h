#pragma once

#include <QByteArray>
#include <cstdint>

#include "presets/presetgrid.h"
#include "settings/configvalues.h"

namespace lumidor {

// Which of the two writes a frame or a reply belongs to. The value is the
// frame-kind byte the switch dispatches on.
enum class TransferKind : std::uint8_t { Configuration = 0, Presets = 1 };

constexpr int kPresetFrameLength = 50;
constexpr int kConfigurationFrameLength = 34;
constexpr int kPresetPayloadLength = 45;
constexpr int kConfigurationPayloadLength = 29;

// 0x7F XOR every byte from the length byte through the last payload byte;
// the start character and the check byte's own slot are left out. `frame`
// must hold at least three bytes.
std::uint8_t checkByte(const QByteArray& frame);

// ":" start, length byte (frame length - 3), 0x04, the kind, the payload and
// the check byte.
QByteArray buildFrame(TransferKind kind, const QByteArray& payload);

// The grid bytes alternate between the two sections column by column: bits
// 0..3 of the first byte of a column are outputs 1..4, of the second 5..8.
// Then time axis, on/off, brightness mode, MIN/10, MAX/10.
QByteArray presetPayload(const Presets& presets);
QByteArray presetFrame(const Presets& presets);

// Stick limits travel as (1376 - left) / 32 and (right - 1632) / 32, the
// fraction dropped toward zero and the result kept to the 0..15 the switch
// understands.
int stickLeftCode(int positionUs);
int stickRightCode(int positionUs);

// The payload runs in the switch's order, which is not the settings file's;
// a list without selection (-1) goes out as 0xFF.
QByteArray configurationPayload(const ConfigValues& values);
QByteArray configurationFrame(const ConfigValues& values);

}  // namespace lumidor
