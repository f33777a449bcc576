#pragma once

// Preset files handed to the program from outside: named on its command line
// (a file manager's "Open with", a double click in Explorer) or dropped on its
// window. What passes these checks goes to the open button's own path, which
// has its own boxes for a missing or damaged file.

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <QUrl>

#include "common/bilingual.h"
#include "common/message.h"

namespace lumidor {

struct FileArgument {
    // As the program reads it.
    QString path;
    // The bytes the system handed over, in the local 8-bit encoding; null
    // when they are not known.
    QByteArray raw;
};

// The arguments after the program's name. `decoded` is the application's
// argument list, `argc` and `argv` what remains of main's after the
// application took its own options.
QList<FileArgument> fileArguments(const QStringList& decoded, int argc, const char* const* argv);

enum class FileArgumentProblem {
    None,
    // An option, an empty argument, a device or a pipe.
    NotAFile,
    Folder,
    // Not named *.rcl (in any letter case, as file managers and Explorer match it).
    OtherType,
    // The name does not survive the local 8-bit encoding: bytes the locale
    // cannot read (Linux: no file of that name can be reached), or characters
    // outside the active code page (Windows: 8-bit programs name it wrongly).
    LostCharacters,
};

// A name that does not exist but could be a file is no problem here.
FileArgumentProblem checkFileArgument(const FileArgument& argument);
Message fileArgumentMessage(Lang lang, FileArgumentProblem problem, const QString& path);

// The one existing local *.rcl file a drag carries, or empty when it carries
// anything else (several files, a folder, a web address).
QString droppedPresetFile(const QList<QUrl>& urls);

}  // namespace lumidor
