#include "settings/settingslocation.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

namespace lumidor {

WriteAccess realWriteAccess() {
    return {
        [](const QString& folder) {
            if (!QFileInfo(folder).isDir()) {
                return false;
            }
            QTemporaryFile probe(QDir(folder).filePath(QStringLiteral(".rc_lumidor_probe_XXXXXX")));
            return probe.open();
        },
        [](const QString& file) {
            if (!QFileInfo(file).isFile()) {
                return false;
            }
            // Opened without truncation and closed unwritten: the file stays as it was.
            QFile f(file);
            return f.open(QIODevice::ReadWrite | QIODevice::ExistingOnly);
        },
    };
}

QString settingsFolder(const QString& programFolder, const QString& userConfigFolder,
                       const WriteAccess& access) {
    if (access.canCreateIn(programFolder) ||
        access.canWrite(QDir(programFolder).filePath(QString::fromLatin1(kSettingsFileName)))) {
        return programFolder;
    }
    return userConfigFolder;
}

QString settingsFolder() {
    const QString program = QCoreApplication::applicationDirPath();
    const QString user = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    QString chosen = settingsFolder(program, user, realWriteAccess());
    if (chosen != program) {
        // A failure shows later, when a store names the file it could not write.
        QDir().mkpath(chosen);
    }
    return chosen;
}

QString presetDialogFolder(const QString& programFolder, const QString& documentsFolder,
                           const WriteAccess& access) {
    return access.canCreateIn(programFolder) ? programFolder : documentsFolder;
}

QString presetDialogFolder() {
    return presetDialogFolder(QCoreApplication::applicationDirPath(),
                              QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation),
                              realWriteAccess());
}

}  // namespace lumidor
