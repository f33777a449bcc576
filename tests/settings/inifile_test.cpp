#include "settings/inifile.h"

#include <gtest/gtest.h>

#include <climits>

namespace lumidor {
namespace {

// ---- Values: what counts as an integer ----

struct IntCase {
    const char* text;
    std::optional<int> expected;
};

class IniInteger : public ::testing::TestWithParam<IntCase> {};

TEST_P(IniInteger, Parses) {
    const IntCase c = GetParam();
    EXPECT_EQ(parseIniInteger(c.text), c.expected) << '"' << c.text << '"';
}

INSTANTIATE_TEST_SUITE_P(
    Table, IniInteger,
    ::testing::Values(IntCase{"0", 0}, IntCase{"7", 7}, IntCase{"-1", -1}, IntCase{"+12", 12},
                      IntCase{"007", 7}, IntCase{"0x2", 2}, IntCase{"0X1f", 31},
                      IntCase{"0xFF", 255}, IntCase{"2147483647", INT_MAX},
                      IntCase{"-2147483648", INT_MIN}, IntCase{"0x7FFFFFFF", INT_MAX},
                      // Not integers: the key then takes its default.
                      IntCase{"", std::nullopt}, IntCase{"abc", std::nullopt},
                      IntCase{"-", std::nullopt}, IntCase{"+", std::nullopt},
                      IntCase{"1a", std::nullopt}, IntCase{"1 2", std::nullopt},
                      IntCase{"1.5", std::nullopt}, IntCase{"0x", std::nullopt},
                      IntCase{"0xG", std::nullopt}, IntCase{"-0x5", std::nullopt},
                      IntCase{"$10", std::nullopt},
                      // Overflow is no integer rather than a wrapped one.
                      IntCase{"2147483648", std::nullopt}, IntCase{"-2147483649", std::nullopt},
                      IntCase{"99999999999999999999", std::nullopt},
                      IntCase{"0x80000000", std::nullopt}, IntCase{"0x100000000", std::nullopt}));

// ---- Reading rules ----

struct ReadCase {
    const char* name;
    QByteArray text;
    const char* section;
    const char* key;
    std::optional<QByteArray> expected;
};

class IniRead : public ::testing::TestWithParam<ReadCase> {};

TEST_P(IniRead, FindsValue) {
    const ReadCase& c = GetParam();
    EXPECT_EQ(IniFile::parse(c.text).value(c.section, c.key), c.expected) << c.name;
}

const ReadCase kReadCases[] = {
    {"plain", "[A]\r\nk=1\r\n", "A", "k", "1"},
    {"trimmed line, key and value", "  [A]  \n \t k \t=\t 1 2 \t\n", "A", "k", "1 2"},
    {"section name trimmed", "[  Presets ]\nk=1\n", "Presets", "k", "1"},
    {"section case", "[configuration]\nprogram=1\n", "Configuration", "Program", "1"},
    {"key case", "[A]\nPWM_MIN=30\n", "a", "pwm_min", "30"},
    {"long key case", "[A]\nSTICKRIGHT1_Z@[=5\n", "a", "stickright1_z@[", "5"},
    {"case folds ASCII only", "[A]\nk\xC1\xC1\xC1\xC1\xC1\xC1\xC1\xC1\xC1=1\n", "A",
     "k\xE1\xE1\xE1\xE1\xE1\xE1\xE1\xE1\xE1", std::nullopt},
    {"first = splits", "[A]\nk=a=b\n", "A", "k", "a=b"},
    {"empty value", "[A]\nk=\n", "A", "k", ""},
    {"before first section ignored", "k=1\n[A]\n", "A", "k", std::nullopt},
    {"comment skipped", "[A]\n;k=1\n", "A", "k", std::nullopt},
    {"indented comment skipped", "[A]\n   ;k=1\n", "A", "k", std::nullopt},
    {"hash is not a comment", "[A]\n#k=1\n", "A", "#k", "1"},
    {"line without = ignored", "[A]\nk\nk=2\n", "A", "k", "2"},
    {"unclosed bracket is no section", "[A]\n[B\nk=1\n", "A", "k", "1"},
    {"key in other section not found", "[A]\nk=1\n[B]\n", "B", "k", std::nullopt},
    {"LF line ends", "[A]\nk=1\nj=2\n", "A", "j", "2"},
    {"CR-only line ends", "[A]\rk=1\rj=2\r", "A", "j", "2"},
    {"mixed line ends", "[A]\r\nk=1\rj=2\nm=3", "A", "m", "3"},
    {"BOM skipped", "\xEF\xBB\xBF[A]\r\nk=1\r\n", "A", "k", "1"},
    {"BOM only at start", "[A]\r\n\xEF\xBB\xBFk=1\r\n", "A", "\xEF\xBB\xBFk", "1"},
    {"NUL line ignored", QByteArray("[A]\nk=1\0x\nj=2\n", 15), "A", "k", std::nullopt},
    {"NUL line does not hide the next", QByteArray("[A]\nk=1\0x\nj=2\n", 15), "A", "j", "2"},
    {"duplicate key: first wins", "[A]\nk=1\nK=2\n", "A", "k", "1"},
    {"repeated section continues the first", "[A]\nk=1\n[B]\n[a]\nj=2\n", "A", "j", "2"},
    {"repeated section: first key wins", "[A]\nk=1\n[a]\nk=2\n", "A", "k", "1"},
    {"no final line end", "[A]\nk=1", "A", "k", "1"},
    {"empty key ignored", "[A]\n=1\n", "A", "", std::nullopt},
};

INSTANTIATE_TEST_SUITE_P(Table, IniRead, ::testing::ValuesIn(kReadCases));

TEST(IniRead, IntegerAbsentOrNotIntegerTakesFallback) {
    const IniFile ini = IniFile::parse("[P]\nChB5=7\nChB6=abc\nProgram=0x2\n");
    EXPECT_EQ(ini.integer("P", "ChB5", 0), 7);
    EXPECT_EQ(ini.integer("P", "ChB6", 0), 0);
    EXPECT_EQ(ini.integer("P", "ChB7", 3), 3);
    EXPECT_EQ(ini.integer("p", "program", 0), 2);
    EXPECT_EQ(ini.integer("Q", "ChB5", -4), -4);
}

// ---- Writing rules ----

struct WriteCase {
    const char* name;
    QByteArray before;
    QByteArray after;  // after setting A.k=9
};

class IniWrite : public ::testing::TestWithParam<WriteCase> {};

TEST_P(IniWrite, SetsAndWritesWhole) {
    const WriteCase& c = GetParam();
    IniFile ini = IniFile::parse(c.before);
    ini.setInteger("A", "k", 9);
    EXPECT_EQ(ini.toBytes(), c.after) << c.name;
}

const WriteCase kWriteCases[] = {
    {"empty file gets the section", "", "[A]\r\nk=9\r\n\r\n"},
    {"value replaced in place", "[A]\r\nj=1\r\nk=2\r\nm=3\r\n", "[A]\r\nj=1\r\nk=9\r\nm=3\r\n\r\n"},
    {"new key at end of its section", "[A]\r\nj=1\r\n[B]\r\nx=2\r\n",
     "[A]\r\nj=1\r\nk=9\r\n\r\n[B]\r\nx=2\r\n\r\n"},
    {"new section at end of file", "[B]\r\nx=2\r\n", "[B]\r\nx=2\r\n\r\n[A]\r\nk=9\r\n\r\n"},
    {"existing spelling kept", "[a]\r\nK=2\r\n", "[a]\r\nK=9\r\n\r\n"},
    {"comments, blanks and strays dropped",
     "; top\r\nstray=1\r\n\r\n[A]\r\n; c\r\n\r\nk=2\r\nx\r\n", "[A]\r\nk=9\r\n\r\n"},
    {"LF and CR become CR LF", "[B]\nx=1\ry=2\n", "[B]\r\nx=1\r\ny=2\r\n\r\n[A]\r\nk=9\r\n\r\n"},
    {"spaces around = and names dropped", "[ B ]\r\n x = 1 \r\n",
     "[B]\r\nx=1\r\n\r\n[A]\r\nk=9\r\n\r\n"},
    {"BOM not written back", "\xEF\xBB\xBF[A]\r\nk=1\r\n", "[A]\r\nk=9\r\n\r\n"},
    {"duplicates collapse to the first", "[A]\r\nk=1\r\n[B]\r\n[A]\r\nk=2\r\nj=3\r\n",
     "[A]\r\nk=9\r\nj=3\r\n\r\n[B]\r\n\r\n"},
    {"empty section kept", "[B]\r\n", "[B]\r\n\r\n[A]\r\nk=9\r\n\r\n"},
    {"foreign bytes carried over", "[B]\r\nn=Sv\xC4\x9Btla\r\n",
     "[B]\r\nn=Sv\xC4\x9Btla\r\n\r\n[A]\r\nk=9\r\n\r\n"},
};

INSTANTIATE_TEST_SUITE_P(Table, IniWrite, ::testing::ValuesIn(kWriteCases));

TEST(IniWrite, KeyOrderKeptAcrossUpdates) {
    IniFile ini = IniFile::parse("[A]\r\nc=1\r\na=2\r\nb=3\r\n");
    ini.setInteger("A", "b", 30);
    ini.setInteger("A", "d", 4);
    ini.setInteger("A", "c", 10);
    EXPECT_EQ(ini.keyNames("A"), (QList<QByteArray>{"c", "a", "b", "d"}));
    EXPECT_EQ(ini.integer("A", "b", 0), 30);
    EXPECT_EQ(ini.integer("A", "c", 0), 10);
}

// What is written reads back as the same data, and writing it again changes
// nothing: a store never makes the file drift.
TEST(IniWrite, OutputIsAFixedPoint) {
    const QByteArray messy =
        "junk\r\n[ A ]\r\n k = v \r\n[x=y]\r\n[a\r\n;c\r\n[ ]\r\n=z\r\nq=\r\n[B]\r\n[a\r\nw=1]\r\n";
    const QByteArray once = IniFile::parse(messy).toBytes();
    EXPECT_EQ(IniFile::parse(once).toBytes(), once);
    EXPECT_EQ(IniFile::parse(once).value("A", "k"), "v");
    EXPECT_EQ(IniFile::parse(once).value("", "q"), "");
    EXPECT_EQ(IniFile::parse(once).value("B", "w"), "1]");
}

}  // namespace
}  // namespace lumidor
