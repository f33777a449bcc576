#include "common/savefile.h"

#include <QSaveFile>

#include "common/saveleftovers.h"

namespace lumidor {

std::optional<QString> replaceFileContents(const QString& path, const QByteArray& bytes,
                                           LockedFolder locked) {
    QSaveFile file(path);
    file.setDirectWriteFallback(locked == LockedFolder::InPlaceWhenLocked);
    // Unbuffered, so that a short write (file-size limit, full disk) shows in
    // write()'s count: a buffered flush can lose the shortfall and let commit()
    // put a truncated file in place of a good one.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        return file.errorString();
    }
    // A short write is retried for the rest; the retry fails with the reason.
    for (qint64 done = 0; done < bytes.size();) {
        const qint64 n = file.write(bytes.constData() + done, bytes.size() - done);
        if (n <= 0) {
            const QString error = file.errorString();
            file.cancelWriting();
            return error;
        }
        done += n;
    }
    if (!file.commit()) {
        return file.errorString();
    }
    // Only once the file is sound again: what earlier killed saves left.
    removeSaveLeftovers(path);
    return std::nullopt;
}

}  // namespace lumidor
