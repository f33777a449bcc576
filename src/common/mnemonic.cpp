#include "common/mnemonic.h"

namespace lumidor {

QString withMnemonic(const QString& caption, QChar key) {
    const QChar wanted = key.toLower();
    qsizetype at = -1;
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i].toLower() != wanted) {
            continue;
        }
        if (i == 0 || !caption[i - 1].isLetterOrNumber()) {
            at = i;
            break;
        }
        if (at < 0) {
            at = i;
        }
    }
    if (at < 0) {
        return caption;
    }
    QString marked = caption;
    marked.insert(at, QLatin1Char('&'));
    return marked;
}

QString withoutMnemonic(const QString& caption) {
    QString plain;
    plain.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == QLatin1Char('&') && i + 1 < caption.size()) {
            ++i;  // "&&" stands for one "&"
        }
        plain += caption[i];
    }
    return plain;
}

QChar mnemonicOf(const QString& caption) {
    for (qsizetype i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] == QLatin1Char('&')) {
            if (caption[i + 1] != QLatin1Char('&')) {
                return caption[i + 1].toLower();
            }
            ++i;
        }
    }
    return QChar();
}

}  // namespace lumidor
