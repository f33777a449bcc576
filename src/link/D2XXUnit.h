#pragma once

// The only place that knows the vendor library. Each operation looks the
// library and its function up again, so installing the driver while the
// program runs is noticed at the next call; nothing is linked at build time.

#include <QString>
#include <array>
#include <cstdint>
#include <functional>
#include <vector>

#include "common/message.h"
#include "link/d2xxapi.h"

namespace lumidor {

// The result of an operation. The library uses every number of its 32-bit
// range for itself (18 and 19 included), so the binding's own two conditions
// are kept apart by origin rather than by a number the library could return.
class D2xxStatus {
public:
    enum class Origin : std::uint8_t { Library, LibraryMissing, FunctionMissing };

    constexpr D2xxStatus() = default;
    static constexpr D2xxStatus fromLibrary(d2xx::Status code) {
        return D2xxStatus(Origin::Library, code);
    }
    static constexpr D2xxStatus libraryMissing() { return D2xxStatus(Origin::LibraryMissing, 0); }
    static constexpr D2xxStatus functionMissing() { return D2xxStatus(Origin::FunctionMissing, 0); }

    constexpr bool ok() const { return origin_ == Origin::Library && code_ == d2xx::kOk; }
    constexpr bool isLibraryMissing() const { return origin_ == Origin::LibraryMissing; }
    constexpr bool isFunctionMissing() const { return origin_ == Origin::FunctionMissing; }
    constexpr Origin origin() const { return origin_; }
    // The library's status; 0 for the binding's own conditions.
    constexpr d2xx::Status libraryCode() const { return code_; }

    friend constexpr bool operator==(const D2xxStatus&, const D2xxStatus&) = default;

private:
    constexpr D2xxStatus(Origin origin, d2xx::Status code) : origin_(origin), code_(code) {}

    Origin origin_ = Origin::Library;
    d2xx::Status code_ = d2xx::kOk;
};

// What the error box adds after the operation name.
QString statusText(D2xxStatus status);

class D2XXUnit {
public:
    static constexpr int kBufferSize = 65536;
    // FT_OpenEx gets at most this many characters of a description.
    static constexpr int kOpenNameLength = 49;

    using Reporter = std::function<void(const Message&)>;

    D2XXUnit();
    D2XXUnit(const D2XXUnit&) = delete;
    D2XXUnit& operator=(const D2XXUnit&) = delete;

    // The program's one binding; the converter search and the transfers share it.
    static D2XXUnit& module();

    // ---- Listing (silent: the callers look at the status) ----
    D2xxStatus DeviceCount();
    D2xxStatus DeviceDescription(std::uint32_t index);
    D2xxStatus GetFTDeviceSerialNo(std::uint32_t index);

    // ---- The device ----
    D2xxStatus OpenByDescription(const QString& description);
    D2xxStatus CloseDevice();
    // Both return the count the library reports, 0 on any failure.
    std::uint32_t ReadDevice(std::uint32_t count);
    std::uint32_t WriteDevice(std::uint32_t count);
    D2xxStatus SetBaudRate();
    D2xxStatus SetDataCharacteristics();
    D2xxStatus SetFlowControl();
    D2xxStatus SetTimeouts(std::uint32_t readMs, std::uint32_t writeMs);
    D2xxStatus DriverVersion(std::uint32_t& version);
    D2xxStatus LibraryVersion(std::uint32_t& version);

    // ---- Later additions; a library without them still serves ----
    // The bytes waiting in the receive buffer. Silent: the caller reads the
    // old way when it fails.
    D2xxStatus QueueStatus(std::uint32_t& rxBytes);
    // Empties the receive buffer. A failure is reported, except a library
    // that lacks the call: it never had it, and the transfers worked without.
    D2xxStatus PurgeReceive();

    // Hands a failed call to the reporter as an error box text.
    void ReportStatus(const QString& operation, D2xxStatus status);

    // The widgets install one that shows the box; without one nothing is shown.
    void setReporter(Reporter reporter) { reporter_ = std::move(reporter); }
    const Reporter& reporter() const { return reporter_; }

    // What the last successful DeviceCount left; 0 before any.
    std::uint32_t lastDeviceCount() const { return lastDeviceCount_; }
    D2xxStatus lastIoStatus() const { return lastIoStatus_; }
    // The NUL-terminated name the last FT_OpenEx received.
    QByteArray openName() const;

    // Receives the description or the serial number of the two listings.
    QString ListText;

    // Port settings; applied to the device only by the three set operations.
    std::uint32_t BaudRate = 0;
    std::uint8_t WordLength = 0;
    std::uint8_t StopBits = 0;
    std::uint8_t Parity = 0;
    std::uint16_t FlowControl = 0;
    std::uint8_t XonChar = 0x11;
    std::uint8_t XoffChar = 0x13;

    // ReportStatus shows nothing while this is off.
    bool reportEnabled = true;

    std::vector<unsigned char> InputBuffer;
    std::vector<unsigned char> OutputBuffer;

private:
    template <typename Fn, typename... Args>
    D2xxStatus call(const char* name, Args... args);
    D2xxStatus reported(const char* operation, D2xxStatus status);

    d2xx::Handle handle_ = nullptr;
    D2xxStatus lastIoStatus_;
    std::uint32_t lastDeviceCount_ = 0;

    // Kept together in this order: the library writes a full field without
    // a terminating NUL, so the readers stop at the field size.
    struct NameBuffers {
        std::array<char, d2xx::kDescriptionSize> description{};
        std::array<char, d2xx::kSerialSize> serial{};
        std::array<char, kOpenNameLength + 1> openName{};
    } names_;

    Reporter reporter_;
};

}  // namespace lumidor
