#pragma once

#include <QString>

namespace lumidor {

// Who the converter is, as the last search found it.
struct TUsbDevices {
    static constexpr int kLibraryMissing = -2;
    static constexpr int kNoConverter = -1;

    int Index = kNoConverter;  // -2 library missing, -1 none, else the list index
    QString Description;       // whole device description; empty when none usable
    QString SerialNo;
    QString FwVersion;  // characters 11 to 14 of the description
};

}  // namespace lumidor
