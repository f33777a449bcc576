#include "presets/fileargument.h"

#include <QDir>
#include <QFileInfo>

namespace lumidor {
namespace {

bool namedAsPresetFile(const QString& path) {
    return path.endsWith(QStringLiteral(".rcl"), Qt::CaseInsensitive);
}

// Decoding and encoding again must give back both: on Linux a byte sequence
// the locale cannot read decodes to a replacement character, on Windows the
// 8-bit copy holds "?" (or a look-alike) where the code page had no character.
bool arrivedIntact(const FileArgument& argument) {
    return argument.raw.isNull() || (QString::fromLocal8Bit(argument.raw) == argument.path &&
                                     argument.path.toLocal8Bit() == argument.raw);
}

QString quoted(const QString& path) {
    return QLatin1Char('"') + QDir::toNativeSeparators(path) + QLatin1Char('"');
}

}  // namespace

QList<FileArgument> fileArguments(const QStringList& decoded, int argc, const char* const* argv) {
    QList<FileArgument> arguments;
    // Should the two lists ever disagree, the names are still opened, unchecked
    // for lost characters (a lost one still ends in the not-found box).
    const bool paired = decoded.size() == argc;
    for (qsizetype i = 1; i < decoded.size(); ++i) {
        arguments.append({decoded[i], paired ? QByteArray(argv[i]) : QByteArray()});
    }
    return arguments;
}

FileArgumentProblem checkFileArgument(const FileArgument& argument) {
    if (!arrivedIntact(argument)) {
        return FileArgumentProblem::LostCharacters;
    }
    const QString& path = argument.path;
    if (path.isEmpty()) {
        return FileArgumentProblem::NotAFile;
    }
    const QFileInfo info(path);
    if (info.exists()) {
        if (info.isDir()) {
            return FileArgumentProblem::Folder;
        }
        // Opening a pipe or a device could block the window for good.
        if (!info.isFile()) {
            return FileArgumentProblem::NotAFile;
        }
    } else if (path.startsWith(QLatin1Char('-'))) {
        return FileArgumentProblem::NotAFile;
    }
    return namedAsPresetFile(path) ? FileArgumentProblem::None : FileArgumentProblem::OtherType;
}

Message fileArgumentMessage(Lang lang, FileArgumentProblem problem, const QString& path) {
    static constexpr Bi notAFile{"Parametr %1 není název souboru, který by šlo otevřít !!!",
                                 "Argument %1 is not the name of a file that can be opened !!!"};
    static constexpr Bi folder{"Otevíraný soubor %1 je složka, ne soubor s předvolbami !!!",
                               "File %1 is a folder, not a preset file !!!"};
    static constexpr Bi otherType{
        "Otevíraný soubor %1 není soubor předvoleb RC Lumidor (*.rcl) !!!",
        "File %1 is not an RC Lumidor preset file (*.rcl) !!!"};
    static constexpr Bi lost{
        "Název souboru %1 obsahuje znaky, které systém nedokázal programu předat !!!\r\r"
        "Přejmenujte, prosím, soubor a otevřete jej znovu.",
        "The name of file %1 contains characters the system could not pass to the program "
        "!!!\r\rPlease rename the file and open it again."};
    const Bi* text = &notAFile;
    switch (problem) {
        case FileArgumentProblem::None:
        case FileArgumentProblem::NotAFile:
            break;
        case FileArgumentProblem::Folder:
            text = &folder;
            break;
        case FileArgumentProblem::OtherType:
            text = &otherType;
            break;
        case FileArgumentProblem::LostCharacters:
            text = &lost;
            break;
    }
    return {MsgKind::Warning, (*text)(lang).arg(quoted(path))};
}

QString droppedPresetFile(const QList<QUrl>& urls) {
    if (urls.size() != 1 || !urls[0].isLocalFile()) {
        return {};
    }
    const QString path = urls[0].toLocalFile();
    return namedAsPresetFile(path) && QFileInfo(path).isFile() ? path : QString();
}

}  // namespace lumidor
