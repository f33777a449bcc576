#pragma once

#include <QDateTime>
#include <QString>

namespace lumidor {

// A save killed at the wrong moment (a crash, a power cut, a stick pulled) can
// leave the temporary file it wrote beside the target: the target's name, a
// dot and six random letters. The next save into the same file removes those.

// Whether `candidate` (a bare file name) is such a leftover of `target` (a
// bare file name). A suffix that reads as a word the user chose ("backup",
// "Backup", "BACKUP") never counts, so a few true leftovers stay.
bool isSaveLeftoverName(const QString& target, const QString& candidate);

// Removes the leftovers of the file at `path` last written more than a
// minute before `now`: a younger one may belong to a save still under way
// in another copy of the program. Returns how many went.
int removeSaveLeftovers(const QString& path,
                        const QDateTime& now = QDateTime::currentDateTimeUtc());

}  // namespace lumidor
