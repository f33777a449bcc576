#include "settings/settingslocation.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QSet>
#include <QTemporaryDir>

#include "settings/settingsfile.h"
#include "support/files.h"

namespace lumidor {
namespace {

const QString kProgram = QStringLiteral("/opt/rc");
const QString kUser = QStringLiteral("/home/u/.config/rc");
const QString kDocs = QStringLiteral("/home/u/Documents");
const QString kFile = kProgram + QStringLiteral("/rc_lumidor_konfigurator_hw_v40.ini");

// A disk where only the listed folders and files can be written.
WriteAccess fakeAccess(QSet<QString> folders, QSet<QString> files) {
    return {[folders](const QString& f) { return folders.contains(f); },
            [files](const QString& f) { return files.contains(f); }};
}

struct PlaceCase {
    const char* name;
    bool folderWritable;
    bool fileWritable;
    QString settings;
    QString dialogs;
};

class Place : public ::testing::TestWithParam<PlaceCase> {};

TEST_P(Place, FollowsWhatCanBeWritten) {
    const PlaceCase& c = GetParam();
    const WriteAccess access =
        fakeAccess(c.folderWritable ? QSet<QString>{kProgram} : QSet<QString>{},
                   c.fileWritable ? QSet<QString>{kFile} : QSet<QString>{});
    EXPECT_EQ(settingsFolder(kProgram, kUser, access), c.settings);
    EXPECT_EQ(presetDialogFolder(kProgram, kDocs, access), c.dialogs);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Place,
    ::testing::Values(
        // A portable copy keeps everything beside the program.
        PlaceCase{"PortableFolder", true, true, kProgram, kProgram},
        PlaceCase{"PortableFolderNoFileYet", true, false, kProgram, kProgram},
        // A locked portable folder: the file itself is still the user's to update.
        PlaceCase{"LockedFolderWritableFile", false, true, kProgram, kDocs},
        // Installed: the system's folder, with or without a file the user cannot write.
        PlaceCase{"Installed", false, false, kUser, kDocs}),
    [](const auto& p) { return std::string(p.param.name); });

// The real probes try the disk; as root every permission bit is waived, so
// the read-only cases only mean something for an ordinary user.
TEST(RealWriteAccess, TriesTheDisk) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const WriteAccess access = realWriteAccess();
    const QString file = dir.filePath(QStringLiteral("rc_lumidor_konfigurator_hw_v40.ini"));
    EXPECT_TRUE(access.canCreateIn(dir.path()));
    EXPECT_FALSE(access.canCreateIn(dir.filePath(QStringLiteral("missing"))));
    EXPECT_FALSE(access.canWrite(file));
    EXPECT_TRUE(QDir(dir.path())
                    .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot)
                    .isEmpty())
        << "the probe leaves nothing behind";

    ASSERT_TRUE(writeSettingsFile(file, "[Presets]\r\n") == std::nullopt);
    EXPECT_TRUE(access.canWrite(file));
    EXPECT_EQ(settingsFolder(dir.path(), kUser, access), dir.path());
#ifdef _WIN32
    {
        // Held by another program that shares it only for reading.
        const test::FailingSave held(file, 0);
        EXPECT_FALSE(access.canWrite(file));
    }
    EXPECT_TRUE(access.canWrite(file));
#endif
    if (const char* why = test::permissionsIgnored()) {
        GTEST_SKIP() << why << "; the locked folder needs an ordinary user";
    }
    // A locked portable folder: the file is updated in place.
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner);
    EXPECT_FALSE(access.canCreateIn(dir.path()));
    EXPECT_EQ(settingsFolder(dir.path(), kUser, access), dir.path());
    EXPECT_EQ(writeSettingsFile(file, "[Configuration]\r\n"), std::nullopt);
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), QByteArray("[Configuration]\r\n"));
    // Locked file as well: the user's own folder takes over.
    QFile::setPermissions(file, QFile::ReadOwner);
    EXPECT_FALSE(access.canWrite(file));
    EXPECT_EQ(settingsFolder(dir.path(), kUser, access), kUser);
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

}  // namespace
}  // namespace lumidor
