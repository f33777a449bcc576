// The settings file on disk: round trips, failed writes, a file that cannot
// be read, and what the user is told.
#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "settings/settingsfile.h"
#include "support/files.h"

using namespace Qt::StringLiterals;

namespace lumidor {
namespace {

QByteArray readAll(const QString& path) {
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << path.toStdString();
    return f.readAll();
}

void writeAll(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
    ASSERT_EQ(f.write(bytes), bytes.size());
}

const ConfirmOverwrite kNeverAsked = [](const SettingsRead&) -> bool {
    ADD_FAILURE() << "asked to overwrite a readable or missing file";
    return false;
};

class SettingsFileTest : public ::testing::Test {
protected:
    QString path() const { return dir_.filePath(QStringLiteral("settings.ini")); }
    QTemporaryDir dir_;
};

Presets somePresets() {
    Presets p;
    for (int n : {1, 2, 38, 80, 101, 143, 180})
        p.grid.setCell(n, true);
    p.options = {5, 9, 3, 40, 70};
    return p;
}

ConfigValues someConfig() {
    ConfigValues c;
    int i = 0;
    for (int& v : c.lists)
        v = (i++ % 2 == 0) ? 1 : 0;
    c.list(ConfigList::Prog) = 2;
    c.list(ConfigList::EngineType) = 3;
    c.list(ConfigList::Neutral) = -1;
    c.voltage = 31;
    c.stickLeft1 = 896;
    c.stickRight1 = 2112;
    c.stickLeft2 = 1376;
    c.stickRight2 = 1632;
    return c;
}

TEST_F(SettingsFileTest, MissingFileReadsAsMissing) {
    const SettingsRead r = readSettingsFile(path());
    EXPECT_EQ(r.status, SettingsRead::Status::Missing);
    EXPECT_TRUE(r.ini.isEmpty());
}

TEST_F(SettingsFileTest, RoundTripThroughTheFile) {
    ASSERT_EQ(storePresets(path(), somePresets(), kNeverAsked).status,
              StoreOutcome::Status::Written);
    ASSERT_EQ(storeConfiguration(path(), someConfig(), kNeverAsked).status,
              StoreOutcome::Status::Written);
    const SettingsRead r = readSettingsFile(path());
    ASSERT_EQ(r.status, SettingsRead::Status::Ok);
    EXPECT_EQ(presetsFromIni(r.ini), somePresets());
    EXPECT_EQ(configFromIni(r.ini), someConfig());
    EXPECT_EQ(r.ini.sectionNames(), (QList<QByteArray>{"Presets", "Configuration"}));

    const QByteArray bytes = readAll(path());
    EXPECT_TRUE(bytes.contains("[Presets]\r\nChB1=1\r\nChB2=1\r\nChB3=0\r\n"));
    EXPECT_TRUE(bytes.contains("PWM_Max=70\r\n\r\n[Configuration]\r\nProgram=2\r\n"));
    EXPECT_TRUE(bytes.endsWith("\r\nReverse1=0\r\nReverse2=1\r\n\r\n"));
    EXPECT_FALSE(bytes.contains("\n\n"));
    for (char ch : bytes)
        EXPECT_TRUE(ch > 0) << "non-ASCII byte written";
}

TEST_F(SettingsFileTest, PresetStoreAppendsAfterHandWrittenConfiguration) {
    writeAll(path(),
             "; written by hand\r\n[Configuration]\r\nprogram=1\r\nZeta=5\r\n\r\nAlpha=6\r\n");
    ASSERT_EQ(storePresets(path(), Presets{}, kNeverAsked).status, StoreOutcome::Status::Written);
    const QByteArray bytes = readAll(path());
    EXPECT_TRUE(
        bytes.startsWith("[Configuration]\r\nprogram=1\r\nZeta=5\r\nAlpha=6\r\n\r\n"
                         "[Presets]\r\nChB1=0\r\n"));
    EXPECT_FALSE(bytes.contains("written by hand"));

    // The configuration store keeps the hand-written keys and their places.
    ASSERT_EQ(storeConfiguration(path(), someConfig(), kNeverAsked).status,
              StoreOutcome::Status::Written);
    const IniFile ini = IniFile::parse(readAll(path()));
    const QList<QByteArray> keys = ini.keyNames("Configuration");
    ASSERT_GE(keys.size(), 4);
    EXPECT_EQ(keys.mid(0, 3), (QList<QByteArray>{"program", "Zeta", "Alpha"}));
    EXPECT_EQ(ini.value("Configuration", "program"), "2");
    EXPECT_EQ(ini.sectionNames(), (QList<QByteArray>{"Configuration", "Presets"}));
}

// ---- Failed writes: the old file stays, the reason comes back ----

TEST_F(SettingsFileTest, FailedWriteLeavesPreviousFileByteForByte) {
    const QByteArray old = "; mine\r\n[Presets]\r\nChB1=1\r\n";
    writeAll(path(), old);
    StoreOutcome out;
    {
        const test::FailingSave failing(path(), 64);
        out = storeConfiguration(path(), someConfig(), kNeverAsked);
    }
    EXPECT_EQ(out.status, StoreOutcome::Status::Failed);
    EXPECT_FALSE(out.error.isEmpty());
    EXPECT_EQ(readAll(path()), old);
    // No temporary file is left behind beside it.
    EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files), QStringList{u"settings.ini"_s});
}

TEST_F(SettingsFileTest, ReadOnlyFolderReportsAndKeepsFile) {
    if (const char* why = test::permissionsIgnored()) {
        GTEST_SKIP() << why << "; FailedWriteLeavesPreviousFileByteForByte covers a failed save";
    }
    const QByteArray old = "[Presets]\r\nChB1=1\r\n";
    writeAll(path(), old);
    QFile::setPermissions(dir_.path(), QFile::ReadOwner | QFile::ExeOwner);
    const StoreOutcome out = storePresets(path(), Presets{}, kNeverAsked);
    QFile::setPermissions(dir_.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EXPECT_EQ(out.status, StoreOutcome::Status::Failed);
    EXPECT_FALSE(out.error.isEmpty());
    EXPECT_EQ(readAll(path()), old);
}

TEST_F(SettingsFileTest, FolderThatIsAFileReports) {
    writeAll(dir_.filePath(u"plain"_s), "x");
    const QString inside = dir_.filePath(u"plain/settings.ini"_s);
    EXPECT_EQ(readSettingsFile(inside).status, SettingsRead::Status::Missing);
    const StoreOutcome out = storePresets(inside, Presets{}, kNeverAsked);
    EXPECT_EQ(out.status, StoreOutcome::Status::Failed);
    EXPECT_FALSE(out.error.isEmpty());
    EXPECT_EQ(readAll(dir_.filePath(u"plain"_s)), "x");
}

// ---- A file that exists but cannot be read is not replaced unasked ----

TEST_F(SettingsFileTest, FolderUnderTheNameIsUnreadable) {
    ASSERT_TRUE(QDir(dir_.path()).mkdir(u"settings.ini"_s));
    const SettingsRead r = readSettingsFile(path());
    EXPECT_EQ(r.status, SettingsRead::Status::Unreadable);
    EXPECT_EQ(r.reason(Lang::English), u"it is not an ordinary file"_s);
    EXPECT_EQ(presetsFromIni(r.ini), presetsFromIni(IniFile{}));

    int asked = 0;
    const auto no = [&](const SettingsRead& read) {
        ++asked;
        EXPECT_EQ(read.reason(Lang::Czech), QString::fromUtf8("nejde o obyčejný soubor"));
        return false;
    };
    EXPECT_EQ(storePresets(path(), somePresets(), no).status, StoreOutcome::Status::Kept);
    EXPECT_EQ(asked, 1);
    // Agreeing cannot replace a folder either; that is a failed write.
    const auto yes = [](const SettingsRead&) { return true; };
    EXPECT_EQ(storePresets(path(), somePresets(), yes).status, StoreOutcome::Status::Failed);
    EXPECT_TRUE(QFileInfo(path()).isDir());
    // Without anyone to ask, nothing is replaced.
    EXPECT_EQ(storeConfiguration(path(), someConfig(), nullptr).status, StoreOutcome::Status::Kept);
}

TEST_F(SettingsFileTest, OversizedFileIsUnreadableAndKeptUnlessConfirmed) {
    QByteArray big(static_cast<qsizetype>(kMaxSettingsFileSize) + 1, 'x');
    big.replace(0, 14, "[Presets]\nChB1");
    writeAll(path(), big);
    EXPECT_EQ(readSettingsFile(path()).status, SettingsRead::Status::Unreadable);
    EXPECT_EQ(readSettingsFile(path()).reason(Lang::English), u"the file is larger than 16 MiB"_s);

    EXPECT_EQ(storePresets(path(), somePresets(), [](const SettingsRead&) { return false; }).status,
              StoreOutcome::Status::Kept);
    EXPECT_EQ(QFileInfo(path()).size(), big.size());

    EXPECT_EQ(storePresets(path(), somePresets(), [](const SettingsRead&) { return true; }).status,
              StoreOutcome::Status::Written);
    const SettingsRead r = readSettingsFile(path());
    ASSERT_EQ(r.status, SettingsRead::Status::Ok);
    EXPECT_EQ(r.ini.sectionNames(), QList<QByteArray>{"Presets"});
    EXPECT_EQ(presetsFromIni(r.ini), somePresets());
}

// ---- Texts the user reads ----

TEST(SettingsMessages, NameThePathAndTheReasonInBothLanguages) {
    const QString path = QStringLiteral("/opt/rc/x.ini");
    const QString why = QStringLiteral("No space left on device");
    // Shown with the system's own separators.
    const QString quoted = u'"' + QDir::toNativeSeparators(path) + u'"';
    for (Lang lang : {Lang::Czech, Lang::English}) {
        const Message failed = settingsWriteFailedMessage(lang, path, why);
        EXPECT_EQ(failed.kind, MsgKind::Error);
        EXPECT_TRUE(failed.text.contains(quoted) && failed.text.contains(why));
        const Message unreadable = settingsUnreadableMessage(lang, path, why);
        EXPECT_EQ(unreadable.kind, MsgKind::Warning);
        EXPECT_TRUE(unreadable.text.contains(quoted) && unreadable.text.contains(why));
        const QString question = settingsOverwriteQuestion(lang, path, why);
        EXPECT_TRUE(question.contains(quoted) && question.contains(why));
    }
    // A path holding a placeholder is shown as it is.
    EXPECT_TRUE(settingsWriteFailedMessage(Lang::English, u"/tmp/%2.ini"_s, why)
                    .text.contains(QDir::toNativeSeparators(u"\"/tmp/%2.ini\""_s)));
}

}  // namespace
}  // namespace lumidor
