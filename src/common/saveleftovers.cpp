#include "common/saveleftovers.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>

namespace lumidor {
namespace {

constexpr qsizetype kRandomLetters = 6;
constexpr qint64 kMinimumAgeSeconds = 60;

bool isLower(QChar c) {
    return c >= u'a' && c <= u'z';
}

bool isUpper(QChar c) {
    return c >= u'A' && c <= u'Z';
}

// The temporary name's random part is drawn from both cases of the ASCII
// letters; a suffix in one case, or capitalised, is more likely a word.
bool looksRandom(QStringView s) {
    if (s.size() != kRandomLetters ||
        !std::all_of(s.begin(), s.end(), [](QChar c) { return isLower(c) || isUpper(c); })) {
        return false;
    }
    const QStringView rest = s.mid(1);
    return !std::all_of(rest.begin(), rest.end(), isLower) &&
           !std::all_of(s.begin(), s.end(), isUpper);
}

}  // namespace

bool isSaveLeftoverName(const QString& target, const QString& candidate) {
    // With six X in a row in the target's own name the random letters replace
    // those instead, and nothing here can tell them from the user's files.
    if (target.isEmpty() || target.contains(QLatin1String("XXXXXX"))) {
        return false;
    }
    return candidate.size() == target.size() + 1 + kRandomLetters && candidate.startsWith(target) &&
           candidate.at(target.size()) == u'.' &&
           looksRandom(QStringView(candidate).sliced(target.size() + 1));
}

int removeSaveLeftovers(const QString& path, const QDateTime& now) {
    const QFileInfo target(path);
    const QDir folder = target.absoluteDir();
    int removed = 0;
    for (const QFileInfo& entry :
         folder.entryInfoList(QDir::Files | QDir::Hidden, QDir::Unsorted)) {
        if (entry.isSymLink() || !isSaveLeftoverName(target.fileName(), entry.fileName()) ||
            entry.lastModified().secsTo(now) < kMinimumAgeSeconds) {
            continue;
        }
        if (QFile::remove(entry.absoluteFilePath())) {
            ++removed;
        }
    }
    return removed;
}

}  // namespace lumidor
