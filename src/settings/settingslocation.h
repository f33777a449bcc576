#pragma once

#include <QString>
#include <functional>

namespace lumidor {

// The settings file's fixed name; it never follows the executable's name.
inline constexpr char kSettingsFileName[] = "rc_lumidor_konfigurator_hw_v40.ini";

// What the folder choices need to know about the disk. The real one tries it
// rather than reading permission bits, so read-only mounts and access lists
// count too.
struct WriteAccess {
    // A new file can be created in the folder, so a file there can be replaced whole.
    std::function<bool(const QString& folder)> canCreateIn;
    // The existing file can be opened for writing.
    std::function<bool(const QString& file)> canWrite;
};
WriteAccess realWriteAccess();

// The folder the settings file lives in. Beside the program when its folder
// can be written (a portable copy), and also when only the file there can be
// written (a locked portable folder: the file is then updated in place).
// Otherwise the user's configuration folder, since an installed program's
// folder belongs to the system.
QString settingsFolder(const QString& programFolder, const QString& userConfigFolder,
                       const WriteAccess& access);
// For this program: the executable's folder, else its folder under the user's
// configuration location, which is created when chosen.
QString settingsFolder();

// Where the preset-file dialogs open: the program's folder when it can be
// written, else the user's documents folder.
QString presetDialogFolder(const QString& programFolder, const QString& documentsFolder,
                           const WriteAccess& access);
QString presetDialogFolder();

}  // namespace lumidor
