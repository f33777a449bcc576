#include "presets/presetfile.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>
#include <random>

#include "support/files.h"

namespace lumidor {
namespace {

using test::readAll;
using test::writeAll;

const QByteArray kTag("\x04v4.0", 5);

PresetGrid randomCells(std::mt19937& random) {
    PresetGrid g;
    for (int n : canonicalCellNumbers()) {
        g.setCell(n, random() % 2 == 1);
    }
    return g;
}

// What existing files and the switch's users rely on, byte for byte.
TEST(PresetFileBytes, HeaderAndRecordLayout) {
    PresetGrid g;
    g.setCell(1, true);
    g.setCell(180, true);
    const QByteArray bytes = presetFileBytes(g, {3, 9, 5});
    ASSERT_EQ(bytes.size(), 1771);
    for (int r = 0; r < kPresetRecordCount; ++r) {
        const QByteArray record = bytes.mid(r * 11, 11);
        EXPECT_EQ(record.left(5), kTag) << r;
        EXPECT_EQ(record.mid(6, 3), QByteArray("\x03\x09\x05", 3)) << r;
    }
    EXPECT_EQ(bytes[11 + 5], 1);        // cell 1
    EXPECT_EQ(bytes[2 * 11 + 5], 0);    // cell 2
    EXPECT_EQ(bytes[81 * 11 + 5], 0);   // cell 101
    EXPECT_EQ(bytes[160 * 11 + 5], 1);  // cell 180
    // No selection is kept as its low 8 bits.
    EXPECT_EQ(presetFileBytes(g, {-1, 0, 0}).at(6), '\xFF');
}

TEST(PresetFileBytes, RandomGridsAndOptionsRoundTrip) {
    std::mt19937 random(9);
    for (int i = 0; i < 50; ++i) {
        const PresetGrid g = randomCells(random);
        const PatternOptions o{static_cast<int>(random() % 7) - 1,
                               static_cast<int>(random() % 11) - 1,
                               static_cast<int>(random() % 7) - 1};
        const PresetRecords r = readPresetRecords(presetFileBytes(g, o), PresetGrid{});
        ASSERT_EQ(r.status, PresetRecords::Status::Ok);
        EXPECT_EQ(r.grid, g);
        EXPECT_EQ(r.cellsRead, kCellCount);
        EXPECT_EQ(r.options, o);
    }
}

// The failure table of the reader: sizes, tags, odd bytes.
struct RecordsCase {
    const char* what;
    QByteArray bytes;
    PresetRecords::Status status;
    int cellsRead;
    PatternOptions options;
};

QByteArray validFile(int timeAxis = 2, int onOff = 4, int pwm = 1) {
    PresetGrid g;
    g.fill();
    return presetFileBytes(g, {timeAxis, onOff, pwm});
}

QByteArray with(QByteArray bytes, qsizetype at, char value) {
    bytes[at] = value;
    return bytes;
}

class PresetRecordsTable : public ::testing::TestWithParam<RecordsCase> {};

TEST_P(PresetRecordsTable, Reads) {
    const RecordsCase& c = GetParam();
    PresetGrid current;
    current.setCell(180, true);  // kept unless the file holds cell 180
    const PresetRecords r = readPresetRecords(c.bytes, current);
    EXPECT_EQ(r.status, c.status);
    EXPECT_EQ(r.cellsRead, c.cellsRead);
    if (r.status != PresetRecords::Status::Ok) {
        EXPECT_EQ(r.grid, current);
        return;
    }
    EXPECT_EQ(r.options, c.options);
    for (int i = 0; i < kCellCount; ++i) {
        const int n = canonicalCellNumbers()[static_cast<size_t>(i)];
        EXPECT_EQ(r.grid.cell(n), i < c.cellsRead || n == 180) << n;
    }
}

const QByteArray kFull = validFile();

INSTANTIATE_TEST_SUITE_P(
    Table, PresetRecordsTable,
    ::testing::Values(
        RecordsCase{"empty", {}, PresetRecords::Status::NoData, 0, {}},
        RecordsCase{"ten bytes", kFull.left(10), PresetRecords::Status::NoData, 0, {}},
        RecordsCase{"header only", kFull.left(11), PresetRecords::Status::Ok, 0, {2, 4, 1}},
        RecordsCase{"1770 bytes", kFull.left(1770), PresetRecords::Status::Ok, 159, {2, 4, 1}},
        RecordsCase{"1772 bytes", kFull + 'x', PresetRecords::Status::Ok, 160, {2, 4, 1}},
        RecordsCase{"length byte 3", with(kFull, 0, 3), PresetRecords::Status::WrongVersion, 0, {}},
        RecordsCase{"v3.0", with(kFull, 2, '3'), PresetRecords::Status::WrongVersion, 0, {}},
        // Only the header's tag is checked.
        RecordsCase{"odd tag later", with(kFull, 11, 9), PresetRecords::Status::Ok, 160, {2, 4, 1}},
        RecordsCase{
            "cell byte 2", with(kFull, 11 + 5, 2), PresetRecords::Status::Ok, 160, {2, 4, 1}},
        // The options come from the last record; bytes past a list's end
        // leave it without selection.
        RecordsCase{"time axis 9", validFile(9, 4, 1), PresetRecords::Status::Ok, 160, {-1, 4, 1}},
        RecordsCase{"all 255", validFile(-1, -1, -1), PresetRecords::Status::Ok, 160, {-1, -1, -1}},
        RecordsCase{"last record differs",
                    with(kFull, 1760 + 7, 9),
                    PresetRecords::Status::Ok,
                    160,
                    {2, 9, 1}}),
    [](const auto& info) {
        std::string name = info.param.what;
        for (char& ch : name) {
            ch = std::isalnum(static_cast<unsigned char>(ch)) ? ch : '_';
        }
        return name;
    });

TEST(PresetRecordsTable, ZeroCellByteSwitchesOff) {
    PresetGrid current;
    current.fill();
    const PresetRecords r = readPresetRecords(presetFileBytes(PresetGrid{}, {1, 2, 0}), current);
    EXPECT_EQ(r.grid.litCount(), 0);
}

// ---- Names and texts ----

TEST(PresetFileNames, ExtensionAndBareName) {
    const struct {
        const char* chosen;
        const char* saved;
    } names[] = {{"/m/pattern", "/m/pattern.rcl"},
                 {"/m/pattern.rcl", "/m/pattern.rcl"},
                 {"/m/pattern.RCL", "/m/pattern.RCL.rcl"},
                 {"/m/old.rcl.bak", "/m/old.rcl.bak"}};
    for (const auto& n : names) {
        EXPECT_EQ(presetSavePath(QString::fromUtf8(n.chosen)), QString::fromUtf8(n.saved));
    }
    EXPECT_EQ(bareFileName(QStringLiteral("/home/pilot/modely/plane.rcl")),
              QStringLiteral("plane.rcl"));
    EXPECT_EQ(bareFileName(QStringLiteral("plane.rcl")), QStringLiteral("plane.rcl"));
#ifndef _WIN32
    // "\" is an ordinary character in a name here.
    EXPECT_EQ(bareFileName(QStringLiteral("/m/a\\b.rcl")), QStringLiteral("a\\b.rcl"));
#endif
    EXPECT_EQ(presetFileTitle(QStringLiteral("/m/pattern.rcl"),
                              QStringLiteral("RC Lumidor configurator HW v4.0")),
              QStringLiteral("pattern.rcl - RC Lumidor configurator HW v4.0"));
}

// The file is named with the system's own separators.
QString shownWithNativePath(const char* text) {
    const QString path = QStringLiteral("/m/a.rcl");
    return QString::fromUtf8(text).replace(path, QDir::toNativeSeparators(path));
}

TEST(PresetFileTexts, ExactInBothLanguages) {
    const QString p = QStringLiteral("/m/a.rcl");
    const struct {
        Message got;
        MsgKind kind;
        const char* text;
    } cases[] = {
        {presetFileNotFoundMessage(Lang::Czech, p), MsgKind::Error,
         "Otevíraný soubor \"/m/a.rcl\" nebyl nenalezen !!!"},
        {presetFileNotFoundMessage(Lang::English, p), MsgKind::Error,
         "File \"/m/a.rcl\" was`t find !!!"},
        {presetFileNoDataMessage(Lang::Czech, p, {}), MsgKind::Error,
         "Otevíraný soubor \"/m/a.rcl\" neobsahuje žádná data !!!"},
        {presetFileNoDataMessage(Lang::English, p, QStringLiteral("Permission denied")),
         MsgKind::Error, "File \"/m/a.rcl\" contains no data !!!\r\n\r\nReason: Permission denied"},
        {presetFileVersionMessage(Lang::Czech, p), MsgKind::Warning,
         "Neplatná verze souboru \"/m/a.rcl\" !!!\r\rSoubor se nepodařilo otevřít ! Kontaktujte, "
         "prosím, autora programu s popisem události."},
        {presetFileVersionMessage(Lang::English, p), MsgKind::Warning,
         "Invalid file version \"/m/a.rcl\" !!!\r\rCan`t open a file !"},
        {presetFileSaveFailedMessage(Lang::English, QStringLiteral("No space left on device")),
         MsgKind::Error, "Soubor se nepodařilo uložit !!!\r\n\r\nReason: No space left on device"},
        {presetFileSaveFailedMessage(Lang::Czech, QStringLiteral("x")), MsgKind::Error,
         "Soubor se nepodařilo uložit !!!\r\n\r\nPříčina: x"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.got.kind, c.kind) << c.text;
        EXPECT_EQ(c.got.text, shownWithNativePath(c.text));
    }
    EXPECT_EQ(
        presetFileOverwriteQuestion(Lang::Czech, p),
        shownWithNativePath("Soubor \"/m/a.rcl\" již existuje,\r\rskutečně jej chcete přepsat ?"));
    EXPECT_EQ(presetFileOverwriteQuestion(Lang::English, p),
              shownWithNativePath("File \"/m/a.rcl\" exists,\r\roverwrite it ?"));
}

// ---- On disk ----

class PresetFileDisk : public ::testing::Test {
protected:
    QTemporaryDir dir_;
    QString path(const char* name = "pattern.rcl") const {
        return dir_.filePath(QString::fromUtf8(name));
    }
};

TEST_F(PresetFileDisk, WritesAndReadsBack) {
    std::mt19937 random(3);
    const PresetGrid g = randomCells(random);
    ASSERT_FALSE(writePresetFile(path(), g, {4, 7, 2}));
    EXPECT_EQ(QFileInfo(path()).size(), 1771);
    const PresetFileRead r = readPresetFile(path(), PresetGrid{});
    EXPECT_EQ(r.status, PresetFileRead::Status::Ok);
    EXPECT_EQ(r.records.grid, g);
    EXPECT_EQ(r.records.options, (PatternOptions{4, 7, 2}));
}

// What cannot be read never gets as far as the records, and says why.
TEST_F(PresetFileDisk, UnreadableNames) {
    ASSERT_TRUE(QDir(dir_.path()).mkdir(QStringLiteral("folder.rcl")));
#ifndef _WIN32
    ASSERT_EQ(mkfifo(path("pipe.rcl").toLocal8Bit().constData(), 0600), 0);
#endif
    const struct {
        const char* name;
        PresetFileRead::Status status;
        bool reason;
    } cases[] = {{"missing.rcl", PresetFileRead::Status::Missing, false},
                 {"folder.rcl", PresetFileRead::Status::NoData, true},
#ifndef _WIN32
                 {"pipe.rcl", PresetFileRead::Status::NoData, true}
#endif
    };
    PresetGrid current;
    current.setCell(5, true);
    for (const auto& c : cases) {
        const PresetFileRead r = readPresetFile(path(c.name), current);
        EXPECT_EQ(r.status, c.status) << c.name;
        EXPECT_EQ(!r.reason(Lang::English).isEmpty(), c.reason) << c.name;
        EXPECT_EQ(r.records.grid, current) << c.name;
    }
}

TEST_F(PresetFileDisk, NoReadPermission) {
    if (const char* why = test::UnreadableFile::ignored()) {
        GTEST_SKIP() << why;
    }
    ASSERT_TRUE(writeAll(path(), validFile()));
    const test::UnreadableFile unreadable(path());
    const PresetFileRead r = readPresetFile(path(), PresetGrid{});
    EXPECT_EQ(r.status, PresetFileRead::Status::NoData);
    EXPECT_FALSE(r.systemReason.isEmpty());
}

// A huge file is not read whole: only one file's worth of records counts.
TEST_F(PresetFileDisk, HugeFileReadsOnlyWhatIsNeeded) {
    QFile f(path());
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(validFile(5, 9, 5));
    ASSERT_TRUE(f.resize(qint64{1} << 30));  // sparse
    f.close();
    const PresetFileRead r = readPresetFile(path(), PresetGrid{});
    EXPECT_EQ(r.status, PresetFileRead::Status::Ok);
    EXPECT_EQ(r.records.cellsRead, kCellCount);
    EXPECT_EQ(r.records.options, (PatternOptions{5, 9, 5}));
}

// A failed save leaves the old file byte for byte and no temporary beside it.
TEST_F(PresetFileDisk, FailedSaveKeepsTheOldFile) {
    const QByteArray old = validFile(0, 0, 0);
    ASSERT_TRUE(writeAll(path(), old));
    std::optional<QString> error;
    {
        const test::FailingSave failing(path(), 1000);
        error = writePresetFile(path(), PresetGrid{}, {1, 1, 1});
    }
    ASSERT_TRUE(error);
    EXPECT_FALSE(error->isEmpty());
    EXPECT_EQ(readAll(path()), old);
    EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files), QStringList{QStringLiteral("pattern.rcl")});

    // Into a folder that is really a file: nothing appears.
    EXPECT_TRUE(writePresetFile(path("pattern.rcl/x.rcl"), PresetGrid{}, {1, 1, 1}));
    EXPECT_EQ(readAll(path()), old);
}

TEST_F(PresetFileDisk, ReadOnlyFolder) {
    if (const char* why = test::permissionsIgnored()) {
        GTEST_SKIP() << why << "; FailedSaveKeepsTheOldFile covers a failed save";
    }
    QFile::setPermissions(dir_.path(), QFile::ReadOwner | QFile::ExeOwner);
    const auto error = writePresetFile(path(), PresetGrid{}, {1, 1, 1});
    QFile::setPermissions(dir_.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EXPECT_TRUE(error);
    EXPECT_FALSE(QFileInfo::exists(path()));
}

}  // namespace
}  // namespace lumidor
