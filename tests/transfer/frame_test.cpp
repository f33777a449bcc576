#include "transfer/frame.h"

#include <gtest/gtest.h>

#include <QString>

namespace lumidor {
namespace {

QByteArray hex(const char* text) {
    return QByteArray::fromHex(QByteArray(text));
}

QString hexOf(const QByteArray& bytes) {
    return QString::fromLatin1(bytes.toHex(' '));
}

int byteAt(const QByteArray& frame, int index) {
    return static_cast<unsigned char>(frame.at(index));
}

Presets onlyCell(int number) {
    Presets p;
    p.grid.setCell(number, true);
    return p;
}

// The switch rejects a frame whose envelope or check byte is off, so every
// frame, whatever its content, must carry these.
void expectEnvelope(const QByteArray& frame, TransferKind kind) {
    const bool presets = kind == TransferKind::Presets;
    ASSERT_EQ(frame.size(), presets ? 50 : 34);
    EXPECT_EQ(byteAt(frame, 0), 0x3A);
    EXPECT_EQ(byteAt(frame, 1), presets ? 0x2F : 0x1F);
    EXPECT_EQ(byteAt(frame, 2), 0x04);
    EXPECT_EQ(byteAt(frame, 3), presets ? 0x01 : 0x00);
    int x = 0x7F;
    for (int i = 1; i < frame.size() - 1; ++i) {
        x ^= byteAt(frame, i);
    }
    EXPECT_EQ(byteAt(frame, frame.size() - 1), x);
}

// ---- Preset frame ----

TEST(PresetFrame, WorkedExampleIsByteExact) {
    Presets p = onlyCell(1);  // output 1, column 1
    p.options = {1, 0, 0, 0, 100};
    const QByteArray expected =
        hex("3a2f0401") + hex("01") + QByteArray(39, '\0') + hex("010000000a") + hex("5f");
    EXPECT_EQ(hexOf(presetFrame(p)), hexOf(expected));
}

struct GridCase {
    const char* name;
    Presets presets;
    QByteArray grid;  // the forty grid bytes, 4..43
};

class PresetGridBytes : public ::testing::TestWithParam<GridCase> {};

TEST_P(PresetGridBytes, SectionsAlternateColumnByColumn) {
    const QByteArray frame = presetFrame(GetParam().presets);
    expectEnvelope(frame, TransferKind::Presets);
    EXPECT_EQ(hexOf(frame.mid(4, 40)), hexOf(GetParam().grid));
}

Presets allLit() {
    Presets p;
    p.grid.fill();
    return p;
}

Presets column3Outputs134() {
    Presets p;
    p.grid.set(1, 3, true);
    p.grid.set(3, 3, true);
    p.grid.set(4, 3, true);
    return p;
}

QByteArray withByte(int index, char value) {
    QByteArray grid(40, '\0');
    grid[index - 4] = value;
    return grid;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PresetGridBytes,
    ::testing::Values(GridCase{"LastCellOutput8Column20", onlyCell(180), withByte(43, 0x08)},
                      GridCase{"FirstCellOfSection2", onlyCell(101), withByte(5, 0x01)},
                      GridCase{"Output4Column20", onlyCell(80), withByte(42, 0x08)},
                      GridCase{"AllLit", allLit(), QByteArray(40, 0x0F)},
                      GridCase{"Column3Outputs134", column3Outputs134(), withByte(8, 0x0D)}),
    [](const auto& p) { return std::string(p.param.name); });

struct OptionCase {
    PresetOptions options;
    const char* tail;  // bytes 44..48
};

class PresetOptionBytes : public ::testing::TestWithParam<OptionCase> {};

TEST_P(PresetOptionBytes, FollowTheGrid) {
    Presets p = onlyCell(1);
    p.options = GetParam().options;
    const QByteArray frame = presetFrame(p);
    expectEnvelope(frame, TransferKind::Presets);
    EXPECT_EQ(hexOf(frame.mid(44, 5)), hexOf(hex(GetParam().tail)));
}

INSTANTIATE_TEST_SUITE_P(Cases, PresetOptionBytes,
                         ::testing::Values(OptionCase{{1, 0, 0, 0, 100}, "010000000a"},
                                           OptionCase{{5, 9, 5, 90, 100}, "050905090a"},
                                           OptionCase{{0, 2, 3, 30, 10}, "0002030301"},
                                           // PWM percentages go out in tens
                                           OptionCase{{2, 4, 1, 40, 70}, "0204010407"}));

// ---- Configuration frame ----

TEST(ConfigurationFrame, DefaultsAreByteExact) {
    const QByteArray expected =
        hex("3a1f0400"
            "00010101010100040500010100020002000100"
            "0f0f0000010007070707"
            "64");
    EXPECT_EQ(hexOf(configurationFrame(ConfigValues{})), hexOf(expected));
}

// Each list travels in its own byte; the wire order is not the settings
// file's (winkers swapped, input 2 before input 1).
struct ListByte {
    ConfigList list;
    int byte;
};

class ConfigurationListBytes : public ::testing::TestWithParam<ListByte> {};

TEST_P(ConfigurationListBytes, SitsInItsByte) {
    ConfigValues v;
    v.lists.fill(0);
    const QByteArray before = configurationFrame(v);
    v.list(GetParam().list) = 3;
    const QByteArray after = configurationFrame(v);
    expectEnvelope(after, TransferKind::Configuration);
    for (int i = 4; i <= 32; ++i) {
        EXPECT_EQ(byteAt(after, i), i == GetParam().byte ? 3 : byteAt(before, i)) << "byte " << i;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, ConfigurationListBytes,
    ::testing::Values(ListByte{ConfigList::Prog, 4}, ListByte{ConfigList::Inicializace, 5},
                      ListByte{ConfigList::InicBlik, 6}, ListByte{ConfigList::FailSafe, 7},
                      ListByte{ConfigList::NastavVysilacem, 8},
                      ListByte{ConfigList::IndikacniLED, 9}, ListByte{ConfigList::VoltageGuard, 10},
                      ListByte{ConfigList::Smerovky_OnOff, 13},
                      ListByte{ConfigList::CornerSpeed, 14},
                      ListByte{ConfigList::VarovneSmerovkyTime, 15},
                      ListByte{ConfigList::ProdlevaSmerovkyTime, 16},
                      ListByte{ConfigList::SoundSpeed, 17}, ListByte{ConfigList::EngineType, 18},
                      ListByte{ConfigList::Cylinder, 19}, ListByte{ConfigList::TimeOff, 20},
                      ListByte{ConfigList::EngineShutDown, 21}, ListByte{ConfigList::Control, 22},
                      ListByte{ConfigList::Reverse2, 25}, ListByte{ConfigList::Reverse1, 26},
                      ListByte{ConfigList::Neutral, 27}, ListByte{ConfigList::CalKnipl, 28}),
    [](const auto& p) { return "Byte" + std::to_string(p.param.byte); });

TEST(ConfigurationFrame, ReverseOnInput1OnlySetsByte26) {
    ConfigValues v;
    v.list(ConfigList::Reverse1) = 1;
    const QByteArray frame = configurationFrame(v);
    EXPECT_EQ(byteAt(frame, 25), 0);
    EXPECT_EQ(byteAt(frame, 26), 1);
}

// Program 0 greys out the car-light and engine lists, but the switch still
// gets whatever they hold.
TEST(ConfigurationFrame, ListsOfOtherProgramsStillTravel) {
    ConfigValues v;
    v.list(ConfigList::Prog) = 0;
    v.list(ConfigList::EngineType) = 3;
    v.list(ConfigList::CornerSpeed) = 2;
    const QByteArray frame = configurationFrame(v);
    EXPECT_EQ(byteAt(frame, 18), 3);
    EXPECT_EQ(byteAt(frame, 14), 2);
}

TEST(ConfigurationFrame, ListWithoutSelectionGoesOutAsFF) {
    ConfigValues v;
    v.list(ConfigList::Cylinder) = -1;
    const QByteArray frame = configurationFrame(v);
    expectEnvelope(frame, TransferKind::Configuration);
    EXPECT_EQ(byteAt(frame, 19), 0xFF);
    // Against the default frame only byte 19 (2 -> FF) and the check byte move.
    EXPECT_EQ(byteAt(frame, 33), 0x64 ^ 0x02 ^ 0xFF);
}

struct VoltageCase {
    int tenths;
    int first;
    int second;
};

class VoltageDigits : public ::testing::TestWithParam<VoltageCase> {};

TEST_P(VoltageDigits, SplitIntoBytes11And12) {
    ConfigValues v;
    v.voltage = GetParam().tenths;
    const QByteArray frame = configurationFrame(v);
    EXPECT_EQ(byteAt(frame, 11), GetParam().first);
    EXPECT_EQ(byteAt(frame, 12), GetParam().second);
}

INSTANTIATE_TEST_SUITE_P(Range, VoltageDigits,
                         ::testing::Values(VoltageCase{30, 3, 0}, VoltageCase{45, 4, 5},
                                           VoltageCase{39, 3, 9}, VoltageCase{55, 5, 5}));

struct StickCase {
    int position;
    int code;
};

class LeftStickCode : public ::testing::TestWithParam<StickCase> {};
class RightStickCode : public ::testing::TestWithParam<StickCase> {};

TEST_P(LeftStickCode, StepsOf32FromTheTop) {
    EXPECT_EQ(stickLeftCode(GetParam().position), GetParam().code);
}
TEST_P(RightStickCode, StepsOf32FromTheBottom) {
    EXPECT_EQ(stickRightCode(GetParam().position), GetParam().code);
}

INSTANTIATE_TEST_SUITE_P(Table, LeftStickCode,
                         ::testing::Values(StickCase{896, 15}, StickCase{1376, 0},
                                           StickCase{1360, 0}, StickCase{1344, 1},
                                           StickCase{1328, 1}, StickCase{1136, 7},
                                           // a hair past the top truncates to 0
                                           StickCase{1390, 0},
                                           // far outside the kept range: still a nibble
                                           StickCase{1600, 0}, StickCase{500, 15}));
INSTANTIATE_TEST_SUITE_P(Table, RightStickCode,
                         ::testing::Values(StickCase{2112, 15}, StickCase{1632, 0},
                                           StickCase{1663, 0}, StickCase{1664, 1},
                                           StickCase{1872, 7}, StickCase{1620, 0},
                                           StickCase{1400, 0}, StickCase{3000, 15}));

TEST(ConfigurationFrame, StickBytesPutInput2BeforeInput1) {
    ConfigValues v;
    v.stickLeft2 = 1376;   // 0
    v.stickRight2 = 1696;  // 2
    v.stickLeft1 = 896;    // 15
    v.stickRight1 = 1760;  // 4
    const QByteArray frame = configurationFrame(v);
    expectEnvelope(frame, TransferKind::Configuration);
    EXPECT_EQ(hexOf(frame.mid(29, 4)), QStringLiteral("00 02 0f 04"));
}

}  // namespace
}  // namespace lumidor
