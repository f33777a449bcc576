#include "link/d2xxswitchport.h"

#include <algorithm>
#include <cstring>
#include <thread>

#include "link/D2XXUnit.h"

namespace lumidor {
namespace {

// The answer's bytes follow each other about a millisecond apart at 9600 Bd.
constexpr std::chrono::milliseconds kPause{1};

}  // namespace

bool D2xxSwitchPort::open(const QString& description) {
    return unit_.OpenByDescription(description).ok();
}

void D2xxSwitchPort::discardReceived() {
    if (unit_.PurgeReceive().ok()) {
        return;
    }
    // Without the purge (failed, or a library without it) what is queued is
    // read and dropped, so an old "OK" cannot pass for this exchange's answer.
    std::uint32_t queued = 0;
    if (unit_.QueueStatus(queued).ok() && queued > 0) {
        unit_.ReadDevice(std::min<std::uint32_t>(queued, D2XXUnit::kBufferSize));
    }
}

int D2xxSwitchPort::write(const QByteArray& bytes) {
    const auto count =
        static_cast<std::uint32_t>(std::clamp<qsizetype>(bytes.size(), 0, D2XXUnit::kBufferSize));
    std::memcpy(unit_.OutputBuffer.data(), bytes.constData(), count);
    return static_cast<int>(unit_.WriteDevice(count));
}

QByteArray D2xxSwitchPort::readDevice(int count) {
    const std::uint32_t n = unit_.ReadDevice(static_cast<std::uint32_t>(count));
    return QByteArray(reinterpret_cast<const char*>(unit_.InputBuffer.data()),
                      static_cast<qsizetype>(n));
}

// The switch's answer is a line of about 15 bytes; a read of 50 would wait
// for the whole read timeout. So: the library's own read waits for the first
// byte, asleep, and gives up at the read timeout as before; then what is
// queued is taken as it comes, until the carriage return, the 50th byte, or
// the same limit counted from the start.
QByteArray D2xxSwitchPort::read(int maxBytes) {
    const int wanted = std::clamp(maxBytes, 0, D2XXUnit::kBufferSize);
    const auto deadline = std::chrono::steady_clock::now() + answerLimit_;
    QByteArray got;
    while (got.size() < wanted && !got.contains('\r')) {
        const int rest = wanted - static_cast<int>(got.size());
        std::uint32_t queued = 0;
        if (!unit_.QueueStatus(queued).ok()) {
            // A library without the call, or a converter that cannot say
            // (pulled out, say): one read of the rest, as it always was; its
            // failure is reported as before.
            got += readDevice(rest);
            break;
        }
        if (queued == 0 && !got.isEmpty()) {
            if (std::chrono::steady_clock::now() >= deadline) {
                break;
            }
            std::this_thread::sleep_for(kPause);
            continue;
        }
        const int take = queued == 0 ? 1 : std::min(static_cast<int>(queued), rest);
        const QByteArray part = readDevice(take);
        got += part;
        if (part.size() < take) {
            break;  // the read timeout, or a failure the binding reported
        }
    }
    return got;
}

void D2xxSwitchPort::close() {
    unit_.CloseDevice();
}

}  // namespace lumidor
