// The switch behind the converter: checks the frame it received and answers.

#include "switch.h"

#include <cstddef>

#include "scenario.h"

namespace lumidor::sim {
namespace {

// The first frame received, checked; the answer says what the switch thinks.
std::string switchAnswer(const std::string& rx) {
    const auto byte = [&rx](std::size_t i) { return static_cast<unsigned char>(rx[i]); };
    if (rx.empty() || rx[0] != ':') {
        return "Error#16";
    }
    if (rx.size() < 4 || rx.size() < std::size_t{byte(1)} + 3) {
        return "Error#128";
    }
    const std::size_t length = std::size_t{byte(1)} + 3;
    const bool presets = byte(3) == 1 && length == 50;
    const bool configuration = byte(3) == 0 && length == 34;
    if (byte(2) != 0x04 || !(presets || configuration)) {
        return "Error#32";
    }
    unsigned char check = 0x7F;
    for (std::size_t i = 1; i + 1 < length; ++i) {
        check ^= byte(i);
    }
    return check == byte(length - 1) ? "RC_LINKUP...OK" : "Error#48";
}

std::string unescape(const std::string& text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\\' && i + 1 < text.size() && (text[i + 1] == 'r' || text[i + 1] == 'n')) {
            out += text[++i] == 'r' ? '\r' : '\n';
        } else {
            out += text[i];
        }
    }
    return out;
}

}  // namespace

std::string replyTo(const std::string& rx) {
    const char* v = env("LUMIDOR_SIM_REPLY");
    const std::string mode = v != nullptr ? v : "switch";
    if (mode == "switch" || mode.empty()) {
        return switchAnswer(rx) + "\r";
    }
    if (mode == "silent") {
        return {};
    }
    if (mode == "nocr") {
        return switchAnswer(rx);
    }
    if (mode == "long") {
        std::string text = switchAnswer(rx);
        text.resize(60, '#');
        return text + "\r";
    }
    return unescape(mode);
}

}  // namespace lumidor::sim
