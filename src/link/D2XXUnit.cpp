#include "link/D2XXUnit.h"

#include <QtGlobal>
#include <algorithm>
#include <cstring>

#include "link/libraryname.h"

namespace lumidor {
namespace {

QString libraryName() {
    return QString::fromLatin1(kD2xxLibraryFileName);
}

// A listed field: up to its first NUL, never past its size.
QString fieldText(const char* field, int size) {
    const auto* end = static_cast<const char*>(std::memchr(field, '\0', size));
    const int length = end != nullptr ? static_cast<int>(end - field) : size;
    return QString::fromLatin1(field, length);
}

}  // namespace

QString statusText(D2xxStatus status) {
    if (status.isLibraryMissing()) {
        return QStringLiteral(" - Knihovna \"%1\" nebyla nalezena !!!").arg(libraryName());
    }
    if (status.isFunctionMissing()) {
        return QStringLiteral(" - Funkce v \"%1\" nebyla nalezena !!!").arg(libraryName());
    }
    static const char* const kTexts[] = {
        "",
        " - Invalid handle...",
        " - Device not found...",
        " - Device not opened...",
        " - General IO error...",
        " - Insufficient resources...",
        " - Invalid parameter...",
        " - Invalid baud rate...",
        " Device not opened for erase...",
        " Device not opened for write...",
        " - Failed to write...",
        " - EEPROM read failed...",
        " - EEPROM write failed...",
        " - EEPROM erase failed...",
        " - EEPROM not present...",
        " - EEPROM not programmed...",
        " - Invalid arguments...",
        " - Other error ...",
    };
    constexpr d2xx::Status kCount = std::size(kTexts);
    const d2xx::Status code = status.libraryCode();
    if (code < kCount) {
        return QString::fromLatin1(kTexts[code]);
    }
    // The library's own 18 and 19 must not read as a missing library or
    // function; they are failures the table has no words for.
    if (code == 18 || code == 19) {
        return QString::fromLatin1(kTexts[d2xx::kOtherError]);
    }
    return {};
}

D2XXUnit::D2XXUnit() : InputBuffer(kBufferSize), OutputBuffer(kBufferSize) {}

D2XXUnit& D2XXUnit::module() {
    static D2XXUnit unit;
    return unit;
}

template <typename Fn, typename... Args>
D2xxStatus D2XXUnit::call(const char* name, Args... args) {
    d2xx::Lookup found = d2xx::Lookup::Found;
    void* symbol = d2xx::findFunction(name, found);
    if (found == d2xx::Lookup::LibraryMissing) {
        return D2xxStatus::libraryMissing();
    }
    if (symbol == nullptr) {
        return D2xxStatus::functionMissing();
    }
    return D2xxStatus::fromLibrary(reinterpret_cast<Fn>(symbol)(args...));
}

D2xxStatus D2XXUnit::reported(const char* operation, D2xxStatus status) {
    ReportStatus(QString::fromLatin1(operation), status);
    return status;
}

void D2XXUnit::ReportStatus(const QString& operation, D2xxStatus status) {
    if (!reportEnabled || status.ok() || !reporter_) {
        return;
    }
    reporter_(Message{MsgKind::Error, operation + statusText(status)});
}

D2xxStatus D2XXUnit::DeviceCount() {
    d2xx::Dword count = lastDeviceCount_;
    const D2xxStatus status =
        call<d2xx::ListDevicesFn>("FT_ListDevices", static_cast<void*>(&count),
                                  static_cast<void*>(nullptr), d2xx::kListNumberOnly);
    if (status.ok()) {
        lastDeviceCount_ = count;
    }
    return status;
}

D2xxStatus D2XXUnit::DeviceDescription(std::uint32_t index) {
    // The listing by index takes the index itself in place of a pointer.
    const D2xxStatus status = call<d2xx::ListDevicesFn>(
        "FT_ListDevices", reinterpret_cast<void*>(static_cast<std::uintptr_t>(index)),
        static_cast<void*>(names_.description.data()), d2xx::kListByIndex | d2xx::kByDescription);
    if (status.ok()) {
        ListText = fieldText(names_.description.data(), d2xx::kDescriptionSize);
    }
    return status;
}

D2xxStatus D2XXUnit::GetFTDeviceSerialNo(std::uint32_t index) {
    const D2xxStatus status = call<d2xx::ListDevicesFn>(
        "FT_ListDevices", reinterpret_cast<void*>(static_cast<std::uintptr_t>(index)),
        static_cast<void*>(names_.serial.data()), d2xx::kListByIndex | d2xx::kBySerialNumber);
    if (status.ok()) {
        ListText = fieldText(names_.serial.data(), d2xx::kSerialSize);
    }
    return reported("GetFTDeviceSerialNo", status);
}

D2xxStatus D2XXUnit::OpenByDescription(const QString& description) {
    names_.openName[0] = '\0';
    const QByteArray text = description.toLatin1().left(kOpenNameLength);
    std::memcpy(names_.openName.data(), text.constData(), static_cast<std::size_t>(text.size()));
    names_.openName[static_cast<std::size_t>(text.size())] = '\0';
    return call<d2xx::OpenExFn>("FT_OpenEx", static_cast<void*>(names_.openName.data()),
                                d2xx::kByDescription, &handle_);
}

QByteArray D2XXUnit::openName() const {
    return QByteArray(names_.openName.data());
}

D2xxStatus D2XXUnit::CloseDevice() {
    return reported("FT_Close", call<d2xx::CloseFn>("FT_Close", handle_));
}

std::uint32_t D2XXUnit::ReadDevice(std::uint32_t count) {
    count = std::min<std::uint32_t>(count, kBufferSize);
    d2xx::Dword returned = 0;
    lastIoStatus_ = call<d2xx::ReadFn>("FT_Read", handle_, static_cast<void*>(InputBuffer.data()),
                                       count, &returned);
    reported("FT_Read", lastIoStatus_);
    return lastIoStatus_.ok() ? std::min<std::uint32_t>(returned, count) : 0;
}

std::uint32_t D2XXUnit::WriteDevice(std::uint32_t count) {
    count = std::min<std::uint32_t>(count, kBufferSize);
    d2xx::Dword written = 0;
    lastIoStatus_ = call<d2xx::WriteFn>("FT_Write", handle_,
                                        static_cast<void*>(OutputBuffer.data()), count, &written);
    reported("FT_Write", lastIoStatus_);
    return lastIoStatus_.ok() ? std::min<std::uint32_t>(written, count) : 0;
}

D2xxStatus D2XXUnit::SetBaudRate() {
    return reported("FT_SetBaudRate",
                    call<d2xx::SetBaudRateFn>("FT_SetBaudRate", handle_, d2xx::Dword{BaudRate}));
}

D2xxStatus D2XXUnit::SetDataCharacteristics() {
    return reported("FT_SetDataCharacteristics",
                    call<d2xx::SetDataCharacteristicsFn>("FT_SetDataCharacteristics", handle_,
                                                         WordLength, StopBits, Parity));
}

D2xxStatus D2XXUnit::SetFlowControl() {
    return reported(
        "FT_SetFlowControl",
        call<d2xx::SetFlowControlFn>("FT_SetFlowControl", handle_, FlowControl, XonChar, XoffChar));
}

D2xxStatus D2XXUnit::SetTimeouts(std::uint32_t readMs, std::uint32_t writeMs) {
    return reported("FT_SetTimeouts",
                    call<d2xx::SetTimeoutsFn>("FT_SetTimeouts", handle_, d2xx::Dword{readMs},
                                              d2xx::Dword{writeMs}));
}

D2xxStatus D2XXUnit::DriverVersion(std::uint32_t& version) {
    d2xx::Dword value = version;
    const D2xxStatus status =
        call<d2xx::GetDriverVersionFn>("FT_GetDriverVersion", handle_, &value);
    if (status.ok()) {
        version = value;
    }
    return reported("FT_GetDriverVersion", status);
}

D2xxStatus D2XXUnit::LibraryVersion(std::uint32_t& version) {
    d2xx::Dword value = version;
    const D2xxStatus status = call<d2xx::GetLibraryVersionFn>("FT_GetLibraryVersion", &value);
    if (status.ok()) {
        version = value;
    }
    return reported("FT_GetLibraryVersion", status);
}

D2xxStatus D2XXUnit::QueueStatus(std::uint32_t& rxBytes) {
    d2xx::Dword value = 0;
    const D2xxStatus status = call<d2xx::GetQueueStatusFn>("FT_GetQueueStatus", handle_, &value);
    rxBytes = status.ok() ? value : 0;
    return status;
}

D2xxStatus D2XXUnit::PurgeReceive() {
    const D2xxStatus status = call<d2xx::PurgeFn>("FT_Purge", handle_, d2xx::kPurgeRx);
    return status.isFunctionMissing() ? status : reported("FT_Purge", status);
}

}  // namespace lumidor
