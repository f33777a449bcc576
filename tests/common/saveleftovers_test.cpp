#include "common/saveleftovers.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "common/savefile.h"
#include "support/files.h"

namespace lumidor {
namespace {

TEST(SaveLeftovers, OnlyTheWritersOwnTemporaryNamesCount) {
    const struct {
        const char* candidate;
        bool leftover;
    } cases[] = {
        {"pattern.rcl.eDQVKz", true},   {"pattern.rcl.mzrgSF", true},
        {"pattern.rcl.backup", false},  {"pattern.rcl.Backup", false},
        {"pattern.rcl.BACKUP", false},  {"pattern.rcl.eDQVK", false},
        {"pattern.rcl.eDQVKzz", false}, {"pattern.rcl.eDQ1Kz", false},
        {"pattern.rclxeDQVKz", false},  {"Pattern.rcl.eDQVKz", false},
        {"other.rcl.eDQVKz", false},    {"pattern.rcl", false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(
            isSaveLeftoverName(QStringLiteral("pattern.rcl"), QString::fromLatin1(c.candidate)),
            c.leftover)
            << c.candidate;
    }
    // The random letters would take the X's place in such a name.
    EXPECT_FALSE(isSaveLeftoverName(QStringLiteral("aXXXXXXb"), QStringLiteral("aXXXXXXb.eDQVKz")));
}

TEST(SaveLeftovers, ASaveRemovesOldLeftoversOfItsOwnFileOnly) {
    QTemporaryDir dir;
    const auto at = [&](const char* name) { return dir.filePath(QString::fromLatin1(name)); };
    const QDateTime old = QDateTime::currentDateTimeUtc().addSecs(-120);
    const char* oldFiles[] = {"pattern.rcl.eDQVKz", "pattern.rcl.backup", "other.rcl.eDQVKz"};
    for (const char* name : oldFiles) {
        ASSERT_TRUE(test::writeAll(at(name), "x"));
        QFile f(at(name));
        ASSERT_TRUE(f.open(QIODevice::ReadWrite));
        ASSERT_TRUE(f.setFileTime(old, QFileDevice::FileModificationTime));
    }
    // Another copy of the program may be saving right now.
    ASSERT_TRUE(test::writeAll(at("pattern.rcl.YlUWJO"), "x"));
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("pattern.rcl.WUphHZ")));

    ASSERT_FALSE(replaceFileContents(at("pattern.rcl"), "new").has_value());

    EXPECT_FALSE(QFile::exists(at("pattern.rcl.eDQVKz")));
    for (const char* kept : {"pattern.rcl.backup", "other.rcl.eDQVKz", "pattern.rcl.YlUWJO",
                             "pattern.rcl.WUphHZ", "pattern.rcl"}) {
        EXPECT_TRUE(QFileInfo::exists(at(kept))) << kept;
    }
    EXPECT_EQ(test::readAll(at("pattern.rcl")), "new");
}

}  // namespace
}  // namespace lumidor
