#pragma once

#include <QString>
#include <cstdint>
#include <functional>
#include <optional>

#include "common/bilingual.h"
#include "common/message.h"
#include "common/usbdevice.h"

namespace lumidor {

class D2XXUnit;

// The read timeout the search sets on the converter's port: how long a
// transfer waits for the switch's answer.
inline constexpr std::uint32_t kReadTimeoutMs = 3500;

// What the converter labels show while there is no converter.
inline constexpr const char* kNoConverterCaption = "---";

// The six values of the interface group.
struct ConverterLabels {
    QString name = QString::fromLatin1(kNoConverterCaption);  // first 9 characters
    QString serial = QString::fromLatin1(kNoConverterCaption);
    QString firmware = QString::fromLatin1(kNoConverterCaption);
    QString chipType = QString::fromLatin1(kNoConverterCaption);
    QString driver = QString::fromLatin1(kNoConverterCaption);
    QString library = QString::fromLatin1(kNoConverterCaption);

    // A converter was found and opened: the name shows in green and bold. The
    // window's session takes it from here, never from what a label reads.
    bool present = false;

    friend bool operator==(const ConverterLabels&, const ConverterLabels&) = default;
};

struct SearchInput {
    Lang lang = Lang::Czech;
    // The firmware warning is shown only while the main window is.
    bool windowVisible = true;
    // Called once the search goes beyond the library check (the busy cursor).
    std::function<void()> onBusy;
};

struct SearchResult {
    TUsbDevices device;
    // Not set when the library is missing: the labels stay as they were.
    std::optional<ConverterLabels> labels;
    // Not set when the write buttons keep their state.
    std::optional<bool> buttonsEnabled;
    // Every box of the search in order, the binding's own failures included.
    Messages messages;
};

// Finds the converter, identifies it, sets up its port and checks its
// firmware; leaves it closed. `previous` is the record of the last search:
// without the library only its index changes.
SearchResult searchConverter(D2XXUnit& unit, const SearchInput& input,
                             const TUsbDevices& previous = {});

// Upper-case hexadecimal, at least five digits, dots after the first and the
// third digit: 0x21216 gives 2.12.16.
QString formatVersion(std::uint32_t version);

// Characters 11 to 14 of the description, fewer when it is shorter.
QString firmwareOf(const QString& description);
bool firmwareRefused(const QString& firmware);

}  // namespace lumidor
