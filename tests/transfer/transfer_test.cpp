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

// ---- The exchange ----

// The switch expects the same frame twice, back to back, before it answers;
// the converter is closed again whatever it said.
TEST(ExchangeFrame, WritesTwiceReadsFiftyAndCloses) {
    for (const QByteArray& frame : {someFrame(), configurationFrame(ConfigValues{})}) {
        ScriptedSwitchPort port;
        port.reply = "RC_LINKUP...OK\r\nleftover";
        const TransferOutcome out = exchangeFrame(&port, kDescription, frame, Lang::English);
        EXPECT_EQ(out.status, TransferStatus::Replied);
        EXPECT_EQ(out.reply, QStringLiteral("RC_LINKUP...OK"));
        EXPECT_FALSE(out.message);
        const QString writeLine = QStringLiteral("write %1").arg(frame.size());
        EXPECT_EQ(port.log,
                  QStringList({QStringLiteral("open RC_LINKUP v1.3"), writeLine, writeLine,
                               QStringLiteral("read 50"), QStringLiteral("close")}));
        EXPECT_EQ(port.line, frame + frame);
        EXPECT_FALSE(port.isOpen);
    }
}

TEST(ExchangeFrame, ConverterThatCannotBeOpenedIsNeitherWrittenNorClosed) {
    ScriptedSwitchPort port;
    port.canOpen = false;
    const TransferOutcome out = exchangeFrame(&port, kDescription, someFrame(), Lang::English);
    EXPECT_EQ(out.status, TransferStatus::NotOpened);
    EXPECT_EQ(out.message, kCannotConnectEn);
    EXPECT_EQ(port.log, QStringList({QStringLiteral("open RC_LINKUP v1.3")}));

    EXPECT_EQ(exchangeFrame(&port, kDescription, someFrame(), Lang::Czech).message,
              kCannotConnectCz);
}

TEST(ExchangeFrame, MissingPortCountsAsNotOpened) {
    const TransferOutcome out = exchangeFrame(nullptr, kDescription, someFrame(), Lang::English);
    EXPECT_EQ(out.status, TransferStatus::NotOpened);
    EXPECT_EQ(out.message, kCannotConnectEn);
}

struct WriteCase {
    const char* name;
    QList<int> counts;  // -1: everything taken
    TransferStatus status;
};

class ExchangeWrites : public ::testing::TestWithParam<WriteCase> {};

// Only the second write decides; a short second write ends the exchange
// before anything is read.
TEST_P(ExchangeWrites, OnlyTheSecondCountDecides) {
    ScriptedSwitchPort port;
    port.writeCounts = GetParam().counts;
    port.reply = "RC_LINKUP...OK";
    const TransferOutcome out = exchangeFrame(&port, kDescription, someFrame(), Lang::English);
    EXPECT_EQ(out.status, GetParam().status);
    EXPECT_EQ(port.log.count(QStringLiteral("write 50")), 2);
    EXPECT_EQ(port.log.last(), QStringLiteral("close"));
    if (GetParam().status == TransferStatus::WriteFailed) {
        EXPECT_EQ(out.message, kWriteFailedEn);
        EXPECT_FALSE(port.log.contains(QStringLiteral("read 50")));
        EXPECT_TRUE(out.reply.isEmpty());
    } else {
        EXPECT_EQ(out.reply, QStringLiteral("RC_LINKUP...OK"));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ExchangeWrites,
    ::testing::Values(WriteCase{"BothWhole", {-1, -1}, TransferStatus::Replied},
                      WriteCase{"FirstFailedIgnored", {0, -1}, TransferStatus::Replied},
                      WriteCase{"FirstShortIgnored", {7, -1}, TransferStatus::Replied},
                      WriteCase{"SecondShort", {-1, 49}, TransferStatus::WriteFailed},
                      WriteCase{"SecondFailed", {-1, 0}, TransferStatus::WriteFailed},
                      WriteCase{"SecondTooLong", {-1, 51}, TransferStatus::WriteFailed}),
    [](const auto& p) { return std::string(p.param.name); });

TEST(ExchangeFrame, WriteFailureSpeaksCzech) {
    ScriptedSwitchPort port;
    port.writeCounts = {-1, 0};
    EXPECT_EQ(exchangeFrame(&port, kDescription, someFrame(), Lang::Czech).message, kWriteFailedCz);
}

TEST(ExchangeFrame, SilenceIsAnEmptyReplyAndAnOverlongOneIsCut) {
    ScriptedSwitchPort port;
    EXPECT_EQ(exchangeFrame(&port, kDescription, someFrame(), Lang::English).reply, QString());
    port.reply = QByteArray(70, 'A');
    EXPECT_EQ(exchangeFrame(&port, kDescription, someFrame(), Lang::English).reply,
              QString(50, QLatin1Char('A')));
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
                                        ConfigList::FailSafe, ConfigList::Reverse0,
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
