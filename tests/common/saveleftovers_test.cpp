#include "common/saveleftovers.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "common/savefile.h"
#include "support/files.h"

namespace lumidor {
namespace {

// A save removes the temporary files killed saves of the same file left, and
// nothing the user may have put there, nor what another copy of the program
// is writing right now.
TEST(SaveLeftovers, ASaveRemovesOnlyOldLeftoversOfItsOwnFile) {
    QTemporaryDir dir;
    const auto at = [&](const char* name) { return dir.filePath(QString::fromLatin1(name)); };
    const struct {
        const char* name;
        bool old;
        bool removed;
    } files[] = {
        {"pattern.rcl.eDQVKz", true, true},
        {"pattern.rcl.mzrgSF", true, true},
        {"pattern.rcl.YlUWJO", false, false},  // another save under way
        {"pattern.rcl.backup", true, false},
        {"pattern.rcl.Backup", true, false},
        {"pattern.rcl.BACKUP", true, false},
        {"pattern.rcl.eDQVK", true, false},
        {"pattern.rcl.eDQVKzz", true, false},
        {"pattern.rcl.eDQ1Kz", true, false},
        {"pattern.rclxeDQVKz", true, false},
        {"other.rcl.eDQVKz", true, false},
#ifndef _WIN32
        // Another file only where names differ by case; on Windows the first one.
        {"Pattern.rcl.eDQVKz", true, false},
#endif
    };
    const QDateTime old = QDateTime::currentDateTimeUtc().addSecs(-120);
    for (const auto& f : files) {
        ASSERT_TRUE(test::writeAll(at(f.name), "x"));
        QFile file(at(f.name));
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        ASSERT_TRUE(!f.old || file.setFileTime(old, QFileDevice::FileModificationTime));
    }
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("pattern.rcl.WUphHZ")));

    ASSERT_FALSE(replaceFileContents(at("pattern.rcl"), "new").has_value());

    EXPECT_EQ(test::readAll(at("pattern.rcl")), "new");
    for (const auto& f : files) {
        EXPECT_EQ(QFileInfo::exists(at(f.name)), !f.removed) << f.name;
    }
    EXPECT_TRUE(QFileInfo(at("pattern.rcl.WUphHZ")).isDir());
    // The random letters would take the X's place in such a name.
    EXPECT_FALSE(isSaveLeftoverName(QStringLiteral("aXXXXXXb"), QStringLiteral("aXXXXXXb.eDQVKz")));
}

}  // namespace
}  // namespace lumidor
