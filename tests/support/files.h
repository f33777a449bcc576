#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

namespace lumidor::test {

// Whole-file helpers for settings and trace files; a missing file reads empty.
inline QByteArray readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

inline bool writeAll(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
}

}  // namespace lumidor::test
