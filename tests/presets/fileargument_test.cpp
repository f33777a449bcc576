#include "presets/fileargument.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include "support/files.h"

namespace lumidor {
namespace {

using Problem = FileArgumentProblem;

class FileArgumentTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        ASSERT_TRUE(test::writeAll(path("plane.rcl"), "x"));
        ASSERT_TRUE(test::writeAll(path("SHIP.RCL"), "x"));
        ASSERT_TRUE(test::writeAll(path("notes.txt"), "x"));
        ASSERT_TRUE(test::writeAll(path("plane.rcl.bak"), "x"));
        ASSERT_TRUE(QDir(dir_.path()).mkdir(QStringLiteral("folder.rcl")));
    }
    QString path(const char* name) const { return dir_.filePath(QString::fromUtf8(name)); }
    Problem check(const QString& p) const { return checkFileArgument({p, p.toLocal8Bit()}); }

    QTemporaryDir dir_;
};

// Every kind of name a command line can carry, and what keeps it from the open path.
TEST_F(FileArgumentTest, CommandLineNames) {
    EXPECT_EQ(check(path("plane.rcl")), Problem::None);
    EXPECT_EQ(check(path("SHIP.RCL")), Problem::None);  // Explorer ignores the case
    // The open path itself tells the user the file is missing.
    EXPECT_EQ(check(path("gone.rcl")), Problem::None);
    EXPECT_EQ(check(QStringLiteral("relative/gone.rcl")), Problem::None);

    EXPECT_EQ(check(path("notes.txt")), Problem::OtherType);
    EXPECT_EQ(check(path("plane.rcl.bak")), Problem::OtherType);
    EXPECT_EQ(check(path("gone.txt")), Problem::OtherType);
    EXPECT_EQ(check(path("folder.rcl")), Problem::Folder);
    EXPECT_EQ(check(dir_.path()), Problem::Folder);
    EXPECT_EQ(check(QString()), Problem::NotAFile);
    EXPECT_EQ(check(QStringLiteral("--help")), Problem::NotAFile);
    EXPECT_EQ(check(QStringLiteral("-x.rcl")), Problem::NotAFile);
#ifndef _WIN32
    EXPECT_EQ(check(QStringLiteral("/dev/null")), Problem::NotAFile);
#endif
}

// A name whose 8-bit form and decoded form disagree lost characters on the
// way, on either system: a byte the locale cannot read, or a character
// outside the code page.
TEST_F(FileArgumentTest, LostCharacters) {
    const QByteArray raw("vzor\xe9.rcl");
    const QString decoded = QStringLiteral("vzor") + QChar(0xFFFD) + QStringLiteral(".rcl");
    EXPECT_EQ(checkFileArgument({decoded, raw}), Problem::LostCharacters);
    EXPECT_EQ(checkFileArgument({QStringLiteral("vzor?.rcl"), raw}), Problem::LostCharacters);
    // Unknown bytes: only the name is judged.
    EXPECT_EQ(checkFileArgument({path("plane.rcl"), QByteArray()}), Problem::None);

    const char* argv[] = {"program", "a.rcl", "b.txt"};
    const QList<FileArgument> args = fileArguments(
        {QStringLiteral("program"), QStringLiteral("a.rcl"), QStringLiteral("b.txt")}, 3, argv);
    ASSERT_EQ(args.size(), 2);
    EXPECT_EQ(args[0].path, QStringLiteral("a.rcl"));
    EXPECT_EQ(args[1].raw, QByteArray("b.txt"));
    const QList<FileArgument> unpaired =
        fileArguments({QStringLiteral("program"), QStringLiteral("a.rcl")}, 3, argv);
    ASSERT_EQ(unpaired.size(), 1);
    EXPECT_TRUE(unpaired[0].raw.isNull());
}

TEST_F(FileArgumentTest, OnlyOneExistingPresetFileIsDropped) {
    const auto local = [this](const char* name) { return QUrl::fromLocalFile(path(name)); };
    EXPECT_EQ(droppedPresetFile({local("plane.rcl")}), path("plane.rcl"));
    EXPECT_EQ(droppedPresetFile({local("SHIP.RCL")}), path("SHIP.RCL"));
    EXPECT_EQ(droppedPresetFile({}), QString());
    EXPECT_EQ(droppedPresetFile({local("plane.rcl"), local("SHIP.RCL")}), QString());
    EXPECT_EQ(droppedPresetFile({local("notes.txt")}), QString());
    EXPECT_EQ(droppedPresetFile({local("folder.rcl")}), QString());
    EXPECT_EQ(droppedPresetFile({local("gone.rcl")}), QString());
    EXPECT_EQ(droppedPresetFile({QUrl(QStringLiteral("https://rc-lumidor.example/a.rcl"))}),
              QString());
}

}  // namespace
}  // namespace lumidor
