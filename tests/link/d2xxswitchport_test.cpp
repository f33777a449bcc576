#include "link/d2xxswitchport.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>

#include "link/D2XXUnit.h"
#include "support/simenv.h"

namespace lumidor {
namespace {

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

TEST_P(Exchange, WriteTwiceReadTheAnswer) {
    const ExchangeCase c = GetParam();
    test::SimEnv sim;
    sim.set("LUMIDOR_SIM_READ_TIMEOUT", "60");
    if (c.replyMode != nullptr) {
        sim.set("LUMIDOR_SIM_REPLY", c.replyMode);
    }
    D2XXUnit unit;
    D2xxSwitchPort port(unit);
    ASSERT_TRUE(port.open(QStringLiteral("RC_LINKUP v1.3")));
    EXPECT_EQ(port.write(c.frame), c.frame.size());
    EXPECT_EQ(port.write(c.frame), c.frame.size());
    EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(unit.OutputBuffer.data()), c.frame.size()),
              c.frame);
    EXPECT_EQ(port.read(50), c.reply);
    port.close();
}

QByteArray withByte(QByteArray f, int i, char value) {
    f[i] = value;
    return f;
}

INSTANTIATE_TEST_SUITE_P(
    Table, Exchange,
    ::testing::Values(
        ExchangeCase{"accepted", workedFrame(), nullptr, "RC_LINKUP...OK\r"},
        ExchangeCase{"check", withByte(workedFrame(), 49, 0x5E), nullptr, "Error#48\r"},
        ExchangeCase{"start", withByte(workedFrame(), 0, 'X'), nullptr, "Error#16\r"},
        ExchangeCase{"kind", withByte(workedFrame(), 3, 2), nullptr, "Error#32\r"},
        ExchangeCase{"short", workedFrame().left(20), nullptr, "Error#128\r"},
        ExchangeCase{"silent", workedFrame(), "silent", ""},
        ExchangeCase{"nocr", workedFrame(), "nocr", "RC_LINKUP...OK"},
        ExchangeCase{"long", workedFrame(), "long",
                     QByteArray("RC_LINKUP...OK") + QByteArray(36, '#')},
        ExchangeCase{"fixed", workedFrame(), "xxError#48yy\\rzz", "xxError#48yy\rzz"}),
    [](const auto& info) { return std::string(info.param.name); });

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
