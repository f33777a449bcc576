#include "devicepath.h"

#include <cstddef>
#include <utility>

namespace lumidor {
namespace {

// The registry keys the ids end up in are limited; so are the parts taken.
constexpr std::size_t kMaxRest = 1026;

// The text before the first "#" and the text after it; empty before when
// there is no "#".
std::pair<std::string_view, std::string_view> cutAtHash(std::string_view text) {
    const std::size_t hash = text.find('#');
    if (hash == std::string_view::npos) {
        return {{}, text};
    }
    return {text.substr(0, hash), text.substr(hash + 1, kMaxRest)};
}

char lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

}  // namespace

UsbDevicePath splitDevicePath(std::string_view path) {
    const std::size_t first = path.find('#');
    if (first == std::string_view::npos) {
        return {};
    }
    const auto [device, rest] = cutAtHash(path.substr(first + 1, kMaxRest));
    return {std::string(device), std::string(cutAtHash(rest).first)};
}

bool matchesMask(std::string_view name, std::string_view mask) {
    // Greedy with one point of return: the last "*" seen takes one more
    // character whenever the rest fails to match.
    std::size_t n = 0;
    std::size_t m = 0;
    std::size_t starMask = std::string_view::npos;
    std::size_t starName = 0;
    while (n < name.size()) {
        if (m < mask.size() && mask[m] == '*') {
            starMask = m++;
            starName = n;
        } else if (m < mask.size() && (mask[m] == '?' || lower(mask[m]) == lower(name[n]))) {
            ++m;
            ++n;
        } else if (starMask != std::string_view::npos) {
            m = starMask + 1;
            n = ++starName;
        } else {
            return false;
        }
    }
    while (m < mask.size() && mask[m] == '*') {
        ++m;
    }
    return m == mask.size();
}

std::optional<UsbChange> usbEventOf(unsigned long eventCode) {
    constexpr unsigned long kDeviceArrival = 0x8000;
    constexpr unsigned long kDeviceRemoveComplete = 0x8004;
    switch (eventCode) {
        case kDeviceArrival:
            return UsbChange::Arrival;
        case kDeviceRemoveComplete:
            return UsbChange::Removal;
        default:
            return std::nullopt;
    }
}

std::optional<UsbChange> usbChangeOf(unsigned long eventCode, unsigned long deviceType) {
    constexpr unsigned long kDeviceInterface = 5;
    if (deviceType != kDeviceInterface) {
        return std::nullopt;
    }
    return usbEventOf(eventCode);
}

}  // namespace lumidor
