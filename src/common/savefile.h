#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

namespace lumidor {

// Replaces the file as a whole or not at all: the bytes go to a temporary
// file beside it which then takes the old one's place, so a failed write
// leaves the old file byte for byte (or no file). Returns the file system's
// reason on failure, nothing on success. A success also removes the
// temporary files that saves killed before their end left beside it.
// InPlaceWhenLocked: a file the user may write in a folder they may not (a
// locked portable copy) is rewritten in place rather than refused.
enum class LockedFolder { Refuse, InPlaceWhenLocked };
std::optional<QString> replaceFileContents(const QString& path, const QByteArray& bytes,
                                           LockedFolder locked = LockedFolder::Refuse);

}  // namespace lumidor
