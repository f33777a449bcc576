#include "transfer/reply.h"

#include <algorithm>
#include <array>

namespace lumidor {
namespace {

constexpr Bi kPresetsAccepted{"Předvolby byly úspěšně přeneseny do RC Lumidoru !",
                              "The presets has been successfully transferred to the RC Lumidor !"};
constexpr Bi kConfigurationAccepted{
    "Konfigurace byla úspěšně přenesena do RC Lumidoru !",
    "The configuration has been successfully transferred to the RC Lumidor !"};

constexpr Bi kTryAgain{"Prosím, zkuste akci opakovat.", "Please try again."};

struct ErrorCode {
    const char* code;
    Bi reason;
    // The hint line is indented so it sits roughly centred under the reason.
    int czIndent;
    int enIndent;
    Bi hint;
};

// No code is a substring of another, so each is looked for on its own.
constexpr std::array<ErrorCode, 6> kErrorCodes{{
    {"Error#0",
     {" - RC Lumidor není správně připojen nebo neodpovída !!!",
      " - RC Lumidor is not properly connected or not responding !!!"},
     20,
     36,
     kTryAgain},
    {"Error#16",
     {" - chybějící počáteční znak !!!", " - missing start character!!!"},
     5,
     7,
     kTryAgain},
    {"Error#32",
     {" - nepodporovaná verze RC Lumidoru !!!", " - unsupported version of the RC Lumidor !!!"},
     3,
     5,
     {"Prosím, připojte verzi v4.0 nebo vyšší.", "Please, connect version of v4.0 or higher."}},
    {"Error#48",
     {" - chyba kontrolního součtu CRC !!!", " - CRC checksum error !!!"},
     7,
     6,
     kTryAgain},
    {"Error#64",
     {" - RC Lumidor nepotvrdil zpracování přijatých dat !!!",
      " - RC Lumidor didn`t confirm the processing of received data !!!"},
     16,
     38,
     kTryAgain},
    {"Error#128",
     {" - chyba přenosu dat do převodníku RC_LINKUP !!!",
      " - error transferring data to the RC_LINKUP converter !!!"},
     19,
     35,
     kTryAgain},
}};

// Line feed before carriage return, twice: what the switch's users have
// always seen between the reason and the hint.
constexpr char kHintBreak[] = "\n\r\n\r";

// A reply that neither accepts nor names an error still tells the user
// something went wrong; silence would leave them guessing whether it worked.
constexpr Bi kUnexpectedAnswer{"RC Lumidor vrátil neočekávanou odpověď: \"",
                               "The RC Lumidor gave an unexpected answer: \""};
constexpr char kUnexpectedEnd[] = "\" !!!\r\n\r\n";

// The reply as the user can read it: printable ASCII as it came, every other
// byte as \xHH, so a stray NUL or control code cannot hide or garble the box.
QString readableReply(const QString& reply) {
    QString shown;
    shown.reserve(reply.size());
    for (const QChar c : reply) {
        const char16_t u = c.unicode();
        if (u >= 0x20 && u < 0x7F) {
            shown.append(c);
        } else {
            shown.append(QStringLiteral("\\x") +
                         QString::number(u, 16).toUpper().rightJustified(2, QLatin1Char('0')));
        }
    }
    return shown;
}

}  // namespace

QString replyText(const QByteArray& received) {
    QByteArray bytes = received.left(kReplyMaxBytes);
    const qsizetype cr = bytes.indexOf('\r');
    if (cr >= 0) {
        bytes.truncate(cr);
    }
    return QString::fromLatin1(bytes);
}

bool replyAccepted(const QString& reply) {
    return reply.contains(QLatin1String(kReplyAccepted));
}

Messages transferResultMessages(const QString& reply, TransferKind kind, Lang lang) {
    Messages shown;
    if (replyAccepted(reply)) {
        const Bi& text = kind == TransferKind::Presets ? kPresetsAccepted : kConfigurationAccepted;
        shown.append({MsgKind::Information, text(lang)});
    }
    const QString said = reply.isEmpty() ? QString::fromLatin1(kReplyNoAnswer) : reply;
    for (const ErrorCode& e : kErrorCodes) {
        if (!said.contains(QLatin1String(e.code))) {
            continue;
        }
        const int indent = lang == Lang::Czech ? e.czIndent : e.enIndent;
        shown.append({MsgKind::Error, said + e.reason(lang) + QLatin1String(kHintBreak) +
                                          QString(indent, QLatin1Char(' ')) + e.hint(lang)});
    }
    if (shown.isEmpty()) {
        shown.append({MsgKind::Error, kUnexpectedAnswer(lang) + readableReply(said) +
                                          QLatin1String(kUnexpectedEnd) + kTryAgain(lang)});
    }
    return shown;
}

}  // namespace lumidor
