#include "transfer/transfer.h"

#include <gtest/gtest.h>

#include <set>

#include "support/scriptedswitchport.h"
#include "transfer/frame.h"

namespace lumidor {
namespace {

using test::ScriptedSwitchPort;

const QString kDescription = QStringLiteral("RC_LINKUP v1.3");

QByteArray someFrame() {
    Presets p;
    p.grid.setCell(1, true);
    return presetFrame(p);
}

const Message kCannotConnectEn{
    MsgKind::Error,
    QStringLiteral("Unable to establish connection with the RC_LINKUP module !!!'")};
const Message kCannotConnectCz{
    MsgKind::Error, QString::fromUtf8("Nepodařilo se navázat spojení s RC_LINKUP modulem !!!'")};
const Message kWriteFailedEn{
    MsgKind::Error,
    QStringLiteral("Writing data was`t successfully transferred to the RC Lumidors !!!")};
const Message kWriteFailedCz{
    MsgKind::Error,
    QString::fromUtf8("Zapisovaná data se nepodařilo úspěšně přenést do RC Lumidoru !!!")};

QString retry(int spaces, Lang lang) {
    return QStringLiteral("\n\r\n\r") + QString(spaces, QLatin1Char(' ')) +
           (lang == Lang::Czech ? QString::fromUtf8("Prosím, zkuste akci opakovat.")
                                : QStringLiteral("Please try again."));
}

const Message kPresetsSentEn{
    MsgKind::Information,
    QStringLiteral("The presets has been successfully transferred to the RC Lumidor !")};
const Message kConfigurationSentEn{
    MsgKind::Information,
    QStringLiteral("The configuration has been successfully transferred to the RC Lumidor !")};
const Message kConfigurationSentCz{
    MsgKind::Information, QString::fromUtf8("Konfigurace byla úspěšně přenesena do RC Lumidoru !")};
const Message kNoAnswerEn{
    MsgKind::Error,
    QStringLiteral("Error#0 - RC Lumidor is not properly connected or not responding !!!") +
        retry(36, Lang::English)};
const Message kNoAnswerCz{
    MsgKind::Error,
    QString::fromUtf8("Error#0 - RC Lumidor není správně připojen nebo neodpovída !!!") +
        retry(20, Lang::Czech)};
// The binding's own boxes pass through untouched, ahead of the transfer's.
const Message kWriteReport{MsgKind::Error, QStringLiteral("FT_Write - General IO error...")};
const Message kReadReport{MsgKind::Error, QStringLiteral("FT_Read - General IO error...")};

// ---- The exchange ----

// The switch expects the same frame twice, back to back, before it answers;
// what an earlier exchange left is dropped first; the converter is closed
// again whatever it said.
TEST(ExchangeFrame, WritesTwiceReadsFiftyAndCloses) {
    for (const QByteArray& frame : {someFrame(), configurationFrame(ConfigValues{})}) {
        ScriptedSwitchPort port;
        port.reply = "RC_LINKUP...OK\r\nleftover";
        const TransferOutcome out = exchangeFrame(&port, kDescription, frame, Lang::English);
        EXPECT_EQ(out.status, TransferStatus::Replied);
        EXPECT_EQ(out.reply, QStringLiteral("RC_LINKUP...OK"));
        EXPECT_FALSE(out.message);
        const QString writeLine = QStringLiteral("write %1").arg(frame.size());
        EXPECT_EQ(port.log, QStringList({QStringLiteral("open RC_LINKUP v1.3"),
                                         QStringLiteral("discard"), writeLine, writeLine,
                                         QStringLiteral("read 50"), QStringLiteral("close")}));
        EXPECT_EQ(port.line, frame + frame);
        EXPECT_FALSE(port.isOpen);
    }
}

// ---- From what happened to what the window shows and does ----

enum class Converter { Opens, Refuses, Missing };

struct AftermathCase {
    const char* name;
    TransferKind kind;
    Lang lang;
    Converter converter;
    QList<int> writes;  // scripted counts, -1: everything taken
    QByteArray reply;
    Messages reports;   // the binding's boxes held back during the exchange
    const char* calls;  // on the port
    TransferPlan plan;
};

// Columns: what happened (kind, language, converter, writes, reply, the
// binding's boxes), the port calls, then the plan (boxes, search again,
// store, result boxes).
AftermathCase row(const char* name, TransferKind kind, Lang lang, Converter converter,
                  QList<int> writes, QByteArray reply, Messages reports, const char* calls,
                  Messages boxes, bool search, std::optional<TransferKind> store, Messages result) {
    return {name,
            kind,
            lang,
            converter,
            std::move(writes),
            std::move(reply),
            std::move(reports),
            calls,
            {std::move(boxes), search, store, std::move(result)}};
}

class Aftermath : public ::testing::TestWithParam<AftermathCase> {};

TEST_P(Aftermath, BoxesSearchStoreInOrder) {
    const AftermathCase& c = GetParam();
    ScriptedSwitchPort port;
    port.canOpen = c.converter == Converter::Opens;
    port.writeCounts = c.writes;
    port.reply = c.reply;
    const QByteArray frame =
        c.kind == TransferKind::Presets ? someFrame() : configurationFrame(ConfigValues{});
    const TransferOutcome out = exchangeFrame(c.converter == Converter::Missing ? nullptr : &port,
                                              kDescription, frame, c.lang);
    QStringList calls;
    for (const QString& line : port.log) {
        calls.append(line.section(QLatin1Char(' '), 0, 0));
    }
    EXPECT_EQ(calls.join(QLatin1Char(' ')), QLatin1String(c.calls));
    EXPECT_FALSE(port.isOpen);
    EXPECT_EQ(planAfterExchange(out, c.reports, c.kind, c.lang), c.plan);
}

using TK = TransferKind;
constexpr Lang kCz = Lang::Czech;
constexpr Lang kEn = Lang::English;
constexpr Converter kOpens = Converter::Opens;
const char* const kAll = "open discard write write read close";
const char* const kNoRead = "open discard write write close";
const char* const kOk = "RC_LINKUP...OK";
const QString kUnexpected =
    QStringLiteral("The RC Lumidor gave an unexpected answer: \"%1\" !!!\r\n\r\nPlease try again.");

INSTANTIATE_TEST_SUITE_P(
    Cases, Aftermath,
    ::testing::Values(
        // Stored first; the success box follows only a store that succeeded.
        row("PresetsAccepted", TK::Presets, kEn, kOpens, {}, "RC_LINKUP...OK\r", {}, kAll, {},
            false, TK::Presets, {kPresetsSentEn}),
        row("ConfigurationAcceptedCz", TK::Configuration, kCz, kOpens, {}, "RC_LINKUP...OK\r\n", {},
            kAll, {}, false, TK::Configuration, {kConfigurationSentCz}),
        row("ConfigurationAcceptedEn", TK::Configuration, kEn, kOpens, {}, kOk, {}, kAll, {}, false,
            TK::Configuration, {kConfigurationSentEn}),
        // Only the second write's count decides; the binding reports a failed first one.
        row("FirstWriteFailed", TK::Configuration, kEn, kOpens, {0, -1}, kOk, {kWriteReport}, kAll,
            {kWriteReport}, false, TK::Configuration, {kConfigurationSentEn}),
        row("FirstWriteShort", TK::Configuration, kEn, kOpens, {7, -1}, kOk, {}, kAll, {}, false,
            TK::Configuration, {kConfigurationSentEn}),
        // A short second write ends the exchange before anything is read.
        row("SecondWriteShort", TK::Presets, kEn, kOpens, {-1, 49}, kOk, {}, kNoRead,
            {kWriteFailedEn}, false, std::nullopt, {}),
        row("SecondWriteFailedCz", TK::Presets, kCz, kOpens, {-1, 0}, kOk, {kWriteReport}, kNoRead,
            {kWriteReport, kWriteFailedCz}, false, std::nullopt, {}),
        row("SecondWriteTooLong", TK::Presets, kEn, kOpens, {-1, 51}, kOk, {}, kNoRead,
            {kWriteFailedEn}, false, std::nullopt, {}),
        // Not opened: neither written nor closed, and the converter is looked for again.
        row("NotOpened", TK::Configuration, kEn, Converter::Refuses, {}, "", {}, "open",
            {kCannotConnectEn}, true, std::nullopt, {}),
        row("NotOpenedCz", TK::Presets, kCz, Converter::Refuses, {}, "", {}, "open",
            {kCannotConnectCz}, true, std::nullopt, {}),
        row("NoConverterAtAll", TK::Configuration, kCz, Converter::Missing, {}, "", {}, "",
            {kCannotConnectCz}, true, std::nullopt, {}),
        // Silence is an empty reply, shown as Error#0; nothing is stored.
        row("Silent", TK::Configuration, kEn, kOpens, {}, "", {}, kAll, {}, false, std::nullopt,
            {kNoAnswerEn}),
        row("ReadFailed", TK::Presets, kCz, kOpens, {}, "", {kReadReport}, kAll, {kReadReport},
            false, std::nullopt, {kNoAnswerCz}),
        row("ErrorCode", TK::Configuration, kCz, kOpens, {}, "xxError#48yy\rError#16", {}, kAll, {},
            false, std::nullopt,
            {{MsgKind::Error, QString::fromUtf8("xxError#48yy - chyba kontrolního součtu CRC !!!") +
                                  retry(7, kCz)}}),
        // Accepted with an error code after it: stored, then both boxes.
        row("AcceptedWithError", TK::Presets, kEn, kOpens, {}, "RC_LINKUP...OK Error#64\r", {},
            kAll, {}, false, TK::Presets,
            {kPresetsSentEn,
             {MsgKind::Error, QStringLiteral("RC_LINKUP...OK Error#64 - RC Lumidor didn`t confirm "
                                             "the processing of received data !!!") +
                                  retry(38, kEn)}}),
        // Neither success nor a code: quoted, at most 50 bytes of it, not stored.
        row("UnexpectedAnswer", TK::Configuration, kEn, kOpens, {}, "OK?\x01", {}, kAll, {}, false,
            std::nullopt, {{MsgKind::Error, kUnexpected.arg(QStringLiteral("OK?\\x01"))}}),
        row("OverlongAnswerCut", TK::Presets, kEn, kOpens, {}, QByteArray(70, 'A'), {}, kAll, {},
            false, std::nullopt,
            {{MsgKind::Error, kUnexpected.arg(QString(50, QLatin1Char('A')))}})),
    [](const auto& p) { return std::string(p.param.name); });

// A search that ran during the transfer (a failed open, a USB event inside a
// box) has the last word on the buttons.
TEST(WriteButtonsAfterTransfer, BackOnlyWithAConverterAndNoSearchMeanwhile) {
    EXPECT_TRUE(writeButtonsAfterTransfer(true, false));
    EXPECT_FALSE(writeButtonsAfterTransfer(true, true));
    EXPECT_FALSE(writeButtonsAfterTransfer(false, false));
}

// ---- Checks before sending ----

const Message kUndefinedFieldEn{MsgKind::Warning,
                                QStringLiteral("Can`t write an undefined field !!!")};
const Message kUndefinedFieldCz{MsgKind::Warning,
                                QString::fromUtf8("Nelze zapsat nenadefinované pole !!!")};
const Message kMissingSelectionEn{
    MsgKind::Warning, QStringLiteral("Invalid settings, missing selection in the pop-up menu !!!")};
const Message kMissingSelectionCz{
    MsgKind::Warning,
    QString::fromUtf8("Neplatné nastavení, chybí volba v některé rozbalovací nabídce !!!")};

struct PresetCheckCase {
    const char* name;
    bool anyLit;
    PresetOptions options;
    std::optional<Message> expected;
};

class PresetCheck : public ::testing::TestWithParam<PresetCheckCase> {};

TEST_P(PresetCheck, WarnsBeforeAnythingIsOpened) {
    Presets p;
    p.options = GetParam().options;
    if (GetParam().anyLit) {
        p.grid.setCell(180, true);
    }
    EXPECT_EQ(presetTransferCheck(p, Lang::English), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PresetCheck,
    ::testing::Values(PresetCheckCase{"Fine", true, {}, std::nullopt},
                      PresetCheckCase{"DarkGrid", false, {}, kUndefinedFieldEn},
                      // a dark grid hides a missing selection
                      PresetCheckCase{
                          "DarkGridAndNoPwm", false, {1, 0, -1, 0, 100}, kUndefinedFieldEn},
                      PresetCheckCase{"NoTimeAxis", true, {-1, 0, 0, 0, 100}, kMissingSelectionEn},
                      PresetCheckCase{"NoOnOff", true, {1, -1, 0, 0, 100}, kMissingSelectionEn},
                      PresetCheckCase{"NoPwm", true, {1, 0, -1, 0, 100}, kMissingSelectionEn}),
    [](const auto& p) { return std::string(p.param.name); });

TEST(PresetCheck, SpeaksCzech) {
    Presets p;
    EXPECT_EQ(presetTransferCheck(p, Lang::Czech), kUndefinedFieldCz);
    p.grid.setCell(1, true);
    p.options.onOff = -1;
    EXPECT_EQ(presetTransferCheck(p, Lang::Czech), kMissingSelectionCz);
}

// Eight lists must have a selection; the other thirteen may go out as 0xFF.
TEST(ConfigurationCheck, OnlyTheEightRequiredListsAreChecked) {
    const std::set<ConfigList> required{ConfigList::Prog,     ConfigList::Inicializace,
                                        ConfigList::InicBlik, ConfigList::Neutral,
                                        ConfigList::FailSafe, ConfigList::Reverse2,
                                        ConfigList::Reverse1, ConfigList::SoundSpeed};
    EXPECT_EQ(configurationTransferCheck(ConfigValues{}, Lang::English), std::nullopt);
    for (int i = 0; i < kConfigListCount; ++i) {
        const auto list = static_cast<ConfigList>(i);
        ConfigValues v;
        v.list(list) = -1;
        const std::optional<Message> warning = configurationTransferCheck(v, Lang::English);
        if (required.contains(list)) {
            EXPECT_EQ(warning, kMissingSelectionEn) << "list " << i;
        } else {
            EXPECT_EQ(warning, std::nullopt) << "list " << i;
        }
    }
    ConfigValues v;
    v.list(ConfigList::SoundSpeed) = -1;
    EXPECT_EQ(configurationTransferCheck(v, Lang::Czech), kMissingSelectionCz);
}

}  // namespace
}  // namespace lumidor
