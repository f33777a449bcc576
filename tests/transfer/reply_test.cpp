#include "transfer/reply.h"

#include <gtest/gtest.h>

#include <random>

namespace lumidor {
namespace {

// ---- Reply text ----

struct TextCase {
    const char* name;
    QByteArray received;
    QString reply;
};

class ReplyText : public ::testing::TestWithParam<TextCase> {};

TEST_P(ReplyText, IsCutAtTheFirstCarriageReturnWithin50Bytes) {
    EXPECT_EQ(replyText(GetParam().received), GetParam().reply);
}

const QByteArray k50 = QByteArray("0123456789").repeated(5);

INSTANTIATE_TEST_SUITE_P(
    Cases, ReplyText,
    ::testing::Values(TextCase{"Accepted", "RC_LINKUP...OK", QStringLiteral("RC_LINKUP...OK")},
                      TextCase{"BytesAfterCrIgnored", "RC_LINKUP...OK\rError#48\r\n",
                               QStringLiteral("RC_LINKUP...OK")},
                      TextCase{"LeadingCr", "\rRC_LINKUP...OK", QString()},
                      TextCase{"Nothing", QByteArray(), QString()},
                      TextCase{"FiftyWithoutCr", k50, QString::fromLatin1(k50)},
                      TextCase{"MoreThanFifty", k50 + "XYZ", QString::fromLatin1(k50)},
                      TextCase{"CrJustPastFifty", k50 + "\r", QString::fromLatin1(k50)},
                      TextCase{"LineFeedIsKept", "ab\ncd\r", QStringLiteral("ab\ncd")},
                      TextCase{"OneCharacterPerByte", QByteArray("a\0\xe9z", 4),
                               QString::fromUtf8("a\0\u00e9z", 5)}),
    [](const auto& p) { return std::string(p.param.name); });

// ---- Result boxes ----

QString sp(int n) {
    return QString(n, QLatin1Char(' '));
}

const QString kBreak = QStringLiteral("\n\r\n\r");

Message success(const char* utf8) {
    return {MsgKind::Information, QString::fromUtf8(utf8)};
}

Message error(const QString& text) {
    return {MsgKind::Error, text};
}

struct ResultCase {
    const char* name;
    const char* reply;  // Latin-1, as the converter sends it
    TransferKind kind;
    Lang lang;
    Messages expected;
};

class ResultMessages : public ::testing::TestWithParam<ResultCase> {};

TEST_P(ResultMessages, AreExactAndInOrder) {
    const ResultCase& c = GetParam();
    EXPECT_EQ(transferResultMessages(QString::fromLatin1(c.reply), c.kind, c.lang), c.expected);
}

using TK = TransferKind;
const QString kTryCz = QString::fromUtf8("Prosím, zkuste akci opakovat.");
const QString kTryEn = QStringLiteral("Please try again.");

// The code rows, each text typed out as the user reads it.
INSTANTIATE_TEST_SUITE_P(
    Texts, ResultMessages,
    ::testing::Values(
        ResultCase{"PresetsAcceptedCz",
                   "RC_LINKUP...OK",
                   TK::Presets,
                   Lang::Czech,
                   {success("Předvolby byly úspěšně přeneseny do RC Lumidoru !")}},
        ResultCase{"PresetsAcceptedEn",
                   "RC_LINKUP...OK",
                   TK::Presets,
                   Lang::English,
                   {success("The presets has been successfully transferred to the RC Lumidor !")}},
        ResultCase{"ConfigurationAcceptedCz",
                   "xRC_LINKUP...OKx",
                   TK::Configuration,
                   Lang::Czech,
                   {success("Konfigurace byla úspěšně přenesena do RC Lumidoru !")}},
        ResultCase{
            "ConfigurationAcceptedEn",
            "RC_LINKUP...OK",
            TK::Configuration,
            Lang::English,
            {success("The configuration has been successfully transferred to the RC Lumidor !")}},
        ResultCase{"Error0Cz",
                   "Error#0",
                   TK::Presets,
                   Lang::Czech,
                   {error(QString::fromUtf8(
                              "Error#0 - RC Lumidor není správně připojen nebo neodpovída !!!") +
                          kBreak + sp(20) + kTryCz)}},
        ResultCase{
            "Error0En",
            "Error#0",
            TK::Presets,
            Lang::English,
            {error(QStringLiteral(
                       "Error#0 - RC Lumidor is not properly connected or not responding !!!") +
                   kBreak + sp(36) + kTryEn)}},
        ResultCase{"Error16Cz",
                   "Error#16",
                   TK::Presets,
                   Lang::Czech,
                   {error(QString::fromUtf8("Error#16 - chybějící počáteční znak !!!") + kBreak +
                          sp(5) + kTryCz)}},
        ResultCase{"Error16En",
                   "Error#16",
                   TK::Configuration,
                   Lang::English,
                   {error(QStringLiteral("Error#16 - missing start character!!!") + kBreak + sp(7) +
                          kTryEn)}},
        ResultCase{
            "Error32Cz",
            "Error#32",
            TK::Presets,
            Lang::Czech,
            {error(QString::fromUtf8("Error#32 - nepodporovaná verze RC Lumidoru !!!") + kBreak +
                   sp(3) + QString::fromUtf8("Prosím, připojte verzi v4.0 nebo vyšší."))}},
        ResultCase{
            "Error32En",
            "Error#32",
            TK::Presets,
            Lang::English,
            {error(QStringLiteral("Error#32 - unsupported version of the RC Lumidor !!!") + kBreak +
                   sp(5) + QStringLiteral("Please, connect version of v4.0 or higher."))}},
        ResultCase{"Error48Cz",
                   "Error#48",
                   TK::Presets,
                   Lang::Czech,
                   {error(QString::fromUtf8("Error#48 - chyba kontrolního součtu CRC !!!") +
                          kBreak + sp(7) + kTryCz)}},
        ResultCase{
            "Error48En",
            "Error#48",
            TK::Presets,
            Lang::English,
            {error(QStringLiteral("Error#48 - CRC checksum error !!!") + kBreak + sp(6) + kTryEn)}},
        ResultCase{"Error64Cz",
                   "Error#64",
                   TK::Presets,
                   Lang::Czech,
                   {error(QString::fromUtf8(
                              "Error#64 - RC Lumidor nepotvrdil zpracování přijatých dat !!!") +
                          kBreak + sp(16) + kTryCz)}},
        ResultCase{"Error64En",
                   "Error#64",
                   TK::Presets,
                   Lang::English,
                   {error(QStringLiteral("Error#64 - RC Lumidor didn`t confirm the processing of "
                                         "received data !!!") +
                          kBreak + sp(38) + kTryEn)}},
        ResultCase{
            "Error128Cz",
            "Error#128",
            TK::Presets,
            Lang::Czech,
            {error(QString::fromUtf8("Error#128 - chyba přenosu dat do převodníku RC_LINKUP !!!") +
                   kBreak + sp(19) + kTryCz)}},
        ResultCase{
            "Error128En",
            "Error#128",
            TK::Presets,
            Lang::English,
            {error(QStringLiteral(
                       "Error#128 - error transferring data to the RC_LINKUP converter !!!") +
                   kBreak + sp(35) + kTryEn)}}),
    [](const auto& p) { return std::string(p.param.name); });

INSTANTIATE_TEST_SUITE_P(
    Replies, ResultMessages,
    ::testing::Values(
        // The box starts with the whole reply, surroundings included.
        ResultCase{"CodeInsideText",
                   "xxError#48yy",
                   TK::Presets,
                   Lang::English,
                   {error(QStringLiteral("xxError#48yy - CRC checksum error !!!") + kBreak + sp(6) +
                          kTryEn)}},
        ResultCase{
            "EmptyIsNoAnswer",
            "",
            TK::Configuration,
            Lang::English,
            {error(QStringLiteral(
                       "Error#0 - RC Lumidor is not properly connected or not responding !!!") +
                   kBreak + sp(36) + kTryEn)}},
        ResultCase{"SuccessThenError",
                   "RC_LINKUP...OK Error#64",
                   TK::Presets,
                   Lang::English,
                   {success("The presets has been successfully transferred to the RC Lumidor !"),
                    error(QStringLiteral("RC_LINKUP...OK Error#64 - RC Lumidor didn`t confirm the "
                                         "processing of received data !!!") +
                          kBreak + sp(38) + kTryEn)}},
        // Several codes: one box each, in the order of the code table.
        ResultCase{"CodesInTableOrder",
                   "Error#128/Error#16",
                   TK::Presets,
                   Lang::English,
                   {error(QStringLiteral("Error#128/Error#16 - missing start character!!!") +
                          kBreak + sp(7) + kTryEn),
                    error(QStringLiteral("Error#128/Error#16 - error transferring data to the "
                                         "RC_LINKUP converter !!!") +
                          kBreak + sp(35) + kTryEn)}},
        // Neither success nor a code: the answer is quoted, never swallowed.
        ResultCase{"NothingRecognised",
                   "RC_LINKUP...ERR",
                   TK::Presets,
                   Lang::English,
                   {error(QStringLiteral("The RC Lumidor gave an unexpected answer: "
                                         "\"RC_LINKUP...ERR\" !!!\r\n\r\n") +
                          kTryEn)}},
        ResultCase{"CaseMatters",
                   "error#48 rc_linkup...ok",
                   TK::Presets,
                   Lang::Czech,
                   {error(QString::fromUtf8("RC Lumidor vrátil neočekávanou odpověď: "
                                            "\"error#48 rc_linkup...ok\" !!!\r\n\r\n") +
                          kTryCz)}},
        ResultCase{"UnprintablesAsHex",
                   "E\x01\x7f\n\xe9\\x",
                   TK::Configuration,
                   Lang::English,
                   {error(QStringLiteral("The RC Lumidor gave an unexpected answer: "
                                         "\"E\\x01\\x7F\\x0A\\xE9\\x\" !!!\r\n\r\n") +
                          kTryEn)}},
        ResultCase{"UnknownNumber",
                   "Error#1",
                   TK::Presets,
                   Lang::Czech,
                   {error(QString::fromUtf8("RC Lumidor vrátil neočekávanou odpověď: "
                                            "\"Error#1\" !!!\r\n\r\n") +
                          kTryCz)}}),
    [](const auto& p) { return std::string(p.param.name); });

// ---- Whatever the converter sends ----

// A misbehaving converter can send anything, including NULs and no CR at all;
// the reply must stay a bounded prefix and the boxes must still make sense.
TEST(ReplyRobustness, RandomBytesGiveABoundedReplyAndSaneBoxes) {
    std::mt19937 rng(20240601);
    std::uniform_int_distribution<int> length(0, 60);
    std::uniform_int_distribution<int> anyByte(0, 255);
    const QByteArray fragments[] = {"\r", QByteArray(1, '\0'), "Error#", "48",
                                    "0",  "RC_LINKUP...OK",    "128",    "16"};
    std::uniform_int_distribution<size_t> fragment(0, std::size(fragments) - 1);
    for (int round = 0; round < 5000; ++round) {
        QByteArray received;
        const int n = length(rng);
        while (received.size() < n) {
            if (anyByte(rng) < 64) {
                received.append(fragments[fragment(rng)]);
            } else {
                received.append(static_cast<char>(anyByte(rng)));
            }
        }
        const QString reply = replyText(received);
        ASSERT_LE(reply.size(), kReplyMaxBytes);
        ASSERT_FALSE(reply.contains(QLatin1Char('\r')));
        // A prefix of what arrived, byte for byte.
        ASSERT_EQ(reply.toLatin1(), received.left(reply.size()));
        if (reply.size() < kReplyMaxBytes) {
            ASSERT_TRUE(received.size() == reply.size() || received.at(reply.size()) == '\r');
        }

        const Messages boxes = transferResultMessages(reply, TransferKind::Presets, Lang::Czech);
        ASSERT_LE(boxes.size(), 7);
        const QString shownReply = reply.isEmpty() ? QStringLiteral("Error#0") : reply;
        for (qsizetype i = 0; i < boxes.size(); ++i) {
            if (boxes[i].kind == MsgKind::Information) {
                ASSERT_EQ(i, 0);
                ASSERT_TRUE(reply.contains(QLatin1String("RC_LINKUP...OK")));
            } else {
                ASSERT_EQ(boxes[i].kind, MsgKind::Error);
                ASSERT_TRUE(boxes[i].text.startsWith(shownReply) ||
                            (boxes.size() == 1 && boxes[i].text.contains(QLatin1Char('"'))));
            }
        }
        // Every reply earns at least one box; only the quoted one is escaped.
        ASSERT_GE(boxes.size(), 1);
        if (reply.isEmpty()) {
            ASSERT_EQ(boxes.size(), 1);
        }
    }
}

}  // namespace
}  // namespace lumidor
