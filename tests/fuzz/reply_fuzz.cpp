// libFuzzer target: whatever the converter sends back must become a bounded
// reply and a sensible set of boxes, never a crash.
#include <cstddef>
#include <cstdint>

#include "fuzzcheck.h"
#include "transfer/reply.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace lumidor;
    using fuzz::check;
    const QByteArray received(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const QString reply = replyText(received);
    check(reply.size() <= kReplyMaxBytes);
    check(!reply.contains(QLatin1Char('\r')));
    check(reply.toLatin1() == received.left(reply.size()));

    for (const TransferKind kind : {TransferKind::Presets, TransferKind::Configuration}) {
        for (const Lang lang : {Lang::Czech, Lang::English}) {
            const Messages boxes = transferResultMessages(reply, kind, lang);
            check(boxes.size() <= 7);
            check(!boxes.isEmpty());
            check(!reply.isEmpty() || boxes.size() == 1);
            for (const Message& m : boxes) {
                const bool quoted =
                    boxes.size() == 1 && m.kind == MsgKind::Error && !m.text.startsWith(reply);
                check(m.kind == MsgKind::Information || quoted ||
                      m.text.startsWith(reply.isEmpty() ? QStringLiteral("Error#0") : reply));
                // A quoted answer never carries a raw control byte into the box.
                for (const QChar c :
                     quoted ? m.text.left(m.text.indexOf(QLatin1String(" !!!"))) : QString()) {
                    check(c.unicode() >= 0x20);
                }
            }
        }
    }
    return 0;
}
