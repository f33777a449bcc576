#include "link/d2xxswitchport.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <chrono>
#include <thread>

#include "link/D2XXUnit.h"
#include "support/files.h"
#include "support/simenv.h"
#include "transfer/reply.h"
#include "transfer/transfer.h"

namespace lumidor {
namespace {

const QString kConverter = QStringLiteral("RC_LINKUP v1.3");

// The worked preset frame: output 1 lit in column 1, time axis 1, PWM 0..100 %.
QByteArray workedFrame() {
    QByteArray f = QByteArray::fromHex("3A2F040101");
    f.append(39, '\0');
    f.append(QByteArray::fromHex("010000000A5F"));
    return f;
}

struct ExchangeCase {
    const char* name;
    QByteArray frame;
    const char* replyMode;  // nullptr: the switch answers
    QByteArray reply;
};

class Exchange : public ::testing::TestWithParam<ExchangeCase> {};

// The read ends with the answer's carriage return or its 50th byte, long
// before the converter's 3500 ms read timeout; an answer without either ends
// at the port's limit (here 300 ms), silence at the read timeout (here 60 ms).
TEST_P(Exchange, WriteTwiceReadTheAnswer) {
    const ExchangeCase c = GetParam();
    test::SimEnv sim;
    const bool silent = c.replyMode != nullptr && QByteArray(c.replyMode) == "silent";
    if (silent) {
        sim.set("LUMIDOR_SIM_READ_TIMEOUT", "60");
    }
    if (c.replyMode != nullptr) {
        sim.set("LUMIDOR_SIM_REPLY", c.replyMode);
    }
    D2XXUnit unit;
    Messages shown;
    unit.setReporter([&shown](const Message& m) { shown.append(m); });
    D2xxSwitchPort port(unit, std::chrono::milliseconds(300));
    ASSERT_TRUE(port.open(QStringLiteral("RC_LINKUP v1.3")));
    port.discardReceived();
    EXPECT_EQ(port.write(c.frame), c.frame.size());
    EXPECT_EQ(port.write(c.frame), c.frame.size());
    EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(unit.OutputBuffer.data()), c.frame.size()),
              c.frame);
    QElapsedTimer clock;
    clock.start();
    const QByteArray got = port.read(50);
    const bool complete = c.reply.endsWith('\r') || c.reply.size() == 50;
    // Bytes queued behind the carriage return may come along with it.
    EXPECT_EQ(c.reply.endsWith('\r') ? got.left(c.reply.size()) : got, c.reply);
    if (complete || silent) {
        EXPECT_LT(clock.elapsed(), 1000);  // not the 3500 ms read timeout
    } else {
        EXPECT_GE(clock.elapsed(), 290);
        EXPECT_LT(clock.elapsed(), 2000);
    }
    port.close();
    EXPECT_TRUE(shown.isEmpty());
}

QByteArray withByte(QByteArray f, int i, char value) {
    f[i] = value;
    return f;
}

INSTANTIATE_TEST_SUITE_P(
    Table, Exchange,
    ::testing::Values(ExchangeCase{"accepted", workedFrame(), nullptr, "RC_LINKUP...OK\r"},
                      ExchangeCase{"check", withByte(workedFrame(), 49, 0x5E), nullptr,
                                   "Error#48\r"},
                      ExchangeCase{"start", withByte(workedFrame(), 0, 'X'), nullptr, "Error#16\r"},
                      ExchangeCase{"kind", withByte(workedFrame(), 3, 2), nullptr, "Error#32\r"},
                      ExchangeCase{"short", workedFrame().left(20), nullptr, "Error#128\r"},
                      ExchangeCase{"silent", workedFrame(), "silent", ""},
                      ExchangeCase{"nocr", workedFrame(), "nocr", "RC_LINKUP...OK"},
                      ExchangeCase{"long", workedFrame(), "long",
                                   QByteArray("RC_LINKUP...OK") + QByteArray(36, '#')},
                      ExchangeCase{"fixed", workedFrame(), "xxError#48yy\\rzz", "xxError#48yy\r"}),
    [](const auto& info) { return std::string(info.param.name); });

// Slow on purpose, at the real limits: an answer 3 s late is still taken, and
// silence ends at the 3500 ms read timeout as "Error#0".
TEST(SwitchPort, LateAnswerAndSilenceAtTheRealTimeout) {
    test::SimEnv sim;
    D2XXUnit unit;
    D2xxSwitchPort port(unit);
    struct Case {
        const char* reply;
        const char* delayMs;
        MsgKind kind;
        QString shown;
        qint64 atLeastMs;
    };
    for (const Case& c :
         {Case{"switch", "3000", MsgKind::Information, QStringLiteral("The presets"), 3000},
          Case{"silent", "0", MsgKind::Error, QStringLiteral("Error#0 - "), 3500}}) {
        sim.set("LUMIDOR_SIM_REPLY", c.reply);
        sim.set("LUMIDOR_SIM_ANSWER_DELAY", c.delayMs);
        QElapsedTimer clock;
        clock.start();
        const TransferOutcome out = exchangeFrame(&port, kConverter, workedFrame(), Lang::English);
        const qint64 ms = clock.elapsed();
        ASSERT_EQ(out.status, TransferStatus::Replied);
        const Messages boxes =
            transferResultMessages(out.reply, TransferKind::Presets, Lang::English);
        ASSERT_EQ(boxes.size(), 1);
        EXPECT_EQ(boxes[0].kind, c.kind);
        EXPECT_TRUE(boxes[0].text.startsWith(c.shown)) << c.reply;
        EXPECT_GE(ms, c.atLeastMs) << c.reply;
        EXPECT_LT(ms, 3500 + 500) << c.reply;
    }
}

// An answer the switch sends for each of the two frames leaves the second in
// the converter's buffer, which outlives the close. The next transfer's own
// answer must decide it, even when the purge fails.
TEST(SwitchPort, LeftoverOfAnEarlierExchangeIsNeverTheAnswer) {
    test::SimEnv sim;
    sim.set("LUMIDOR_SIM_ANSWERS", "each");
    sim.set("LUMIDOR_SIM_BUFFER", "keep");
    sim.set("LUMIDOR_SIM_READ_TIMEOUT", "100");
    D2XXUnit unit;
    Messages shown;
    unit.setReporter([&shown](const Message& m) { shown.append(m); });
    D2xxSwitchPort port(unit);
    const auto exchange = [&port] {
        const TransferOutcome out = exchangeFrame(&port, kConverter, workedFrame(), Lang::English);
        // Lets the second answer, still on the line for 16 ms, arrive.
        std::this_thread::sleep_for(std::chrono::milliseconds(40));
        return out.reply;
    };
    struct Case {
        const char* reply;
        const char* failing;
        QString expected;
    };
    for (const Case& c : {Case{"Error#64\\r", nullptr, QStringLiteral("Error#64")},
                          Case{"silent", nullptr, QString()},
                          Case{"Error#64\\r", "FT_Purge:4", QStringLiteral("Error#64")}}) {
        sim.unset("LUMIDOR_SIM_REPLY");
        ASSERT_EQ(exchange(), QStringLiteral("RC_LINKUP...OK"));
        sim.set("LUMIDOR_SIM_REPLY", c.reply);
        if (c.failing != nullptr) {
            sim.set("LUMIDOR_SIM_FAIL", c.failing);
        }
        shown.clear();
        EXPECT_EQ(exchange(), c.expected) << c.reply;
        sim.unset("LUMIDOR_SIM_FAIL");
        const Messages boxes =
            c.failing != nullptr
                ? Messages{{MsgKind::Error, QStringLiteral("FT_Purge - General IO error...")}}
                : Messages{};
        EXPECT_EQ(shown, boxes);
    }
}

// Pulled out while the answer is awaited, before its first byte or after its
// last one came without a carriage return: the read ends with the binding's
// box, long before the limit.
TEST(SwitchPort, PulledOutDuringTheWait) {
    QTemporaryDir dir;
    const QString state = dir.filePath(QStringLiteral("state"));
    for (const char* reply : {"silent", "nocr"}) {
        test::SimEnv sim;
        ASSERT_TRUE(test::writeAll(state, "RC_LINKUP v1.3|LU000001"));
        qputenv("LUMIDOR_SIM_STATE", state.toLocal8Bit());
        sim.set("LUMIDOR_SIM_REPLY", reply);
        D2XXUnit unit;
        Messages shown;
        unit.setReporter([&shown](const Message& m) { shown.append(m); });
        D2xxSwitchPort port(unit);
        ASSERT_TRUE(port.open(kConverter));
        port.write(workedFrame());
        port.write(workedFrame());
        std::thread pull([&state] {
            std::this_thread::sleep_for(std::chrono::milliseconds(300));
            test::writeAll(state, "");
        });
        QElapsedTimer clock;
        clock.start();
        const QByteArray got = port.read(50);
        const qint64 ms = clock.elapsed();
        pull.join();
        port.close();
        qunsetenv("LUMIDOR_SIM_STATE");
        EXPECT_LT(ms, 1500) << reply;
        EXPECT_EQ(got, QByteArray(reply) == "nocr" ? QByteArray("RC_LINKUP...OK") : QByteArray());
        EXPECT_EQ(shown,
                  (Messages{{MsgKind::Error, QStringLiteral("FT_Read - General IO error...")}}));
    }
}

TEST(SwitchPort, FailuresCountAsNothing) {
    test::SimEnv sim;
    D2XXUnit unit;
    Messages shown;
    unit.setReporter([&shown](const Message& m) { shown.append(m); });
    D2xxSwitchPort port(unit);
    EXPECT_FALSE(port.open(QStringLiteral("RC_LINKUP v9.9")));

    ASSERT_TRUE(port.open(QStringLiteral("RC_LINKUP v1.3")));
    sim.set("LUMIDOR_SIM_FAIL", "FT_Write:4,FT_Read:4");
    EXPECT_EQ(port.write(workedFrame()), 0);
    EXPECT_TRUE(port.read(50).isEmpty());
    sim.unset("LUMIDOR_SIM_FAIL");
    port.close();
    EXPECT_EQ(shown, (Messages{{MsgKind::Error, QStringLiteral("FT_Write - General IO error...")},
                               {MsgKind::Error, QStringLiteral("FT_Read - General IO error...")}}));
}

// Each byte takes its 9600 Bd line time: two 50-byte frames are 100 bytes.
TEST(SwitchPort, BytesTakeTheirLineTime) {
    test::SimEnv sim;
    D2XXUnit unit;
    D2xxSwitchPort port(unit);
    ASSERT_TRUE(port.open(QStringLiteral("RC_LINKUP v1.3")));
    QElapsedTimer clock;
    clock.start();
    port.write(workedFrame());
    port.write(workedFrame());
    EXPECT_GE(clock.elapsed(), 100);
    EXPECT_LT(clock.elapsed(), 400);
    port.close();
}

}  // namespace
}  // namespace lumidor
