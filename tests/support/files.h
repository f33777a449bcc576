#pragma once

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#else
#include <signal.h>
#include <sys/resource.h>
#include <unistd.h>
#endif

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

// Why permission bits cannot stop this process writing into a folder, or null
// where they can: root ignores them, and on Windows access lists decide, not
// the bits (Wine has no access lists at all).
inline const char* permissionsIgnored() {
#ifdef _WIN32
    return "on Windows access lists, not permission bits, decide who may write into a folder";
#else
    return geteuid() == 0 ? "permissions do not stop root" : nullptr;
#endif
}

// Makes a file unreadable while the object lives: on Linux through its mode
// bits (root passes them: see permissionsIgnored), on Windows by holding it
// open without sharing, as another program can.
class UnreadableFile {
public:
#ifdef _WIN32
    explicit UnreadableFile(const QString& path)
        : file_(CreateFileW(reinterpret_cast<const wchar_t*>(path.utf16()), GENERIC_READ, 0,
                            nullptr, OPEN_EXISTING, 0, nullptr)) {}
    ~UnreadableFile() {
        if (file_ != INVALID_HANDLE_VALUE) {
            CloseHandle(file_);
        }
    }
    static const char* ignored() {
        return nullptr;
    }
#else
    explicit UnreadableFile(const QString& path) : path_(path) {
        QFile::setPermissions(path_, QFile::WriteOwner);
    }
    ~UnreadableFile() {
        QFile::setPermissions(path_, QFile::ReadOwner | QFile::WriteOwner);
    }
    static const char* ignored() {
        return permissionsIgnored();
    }
#endif
    UnreadableFile(const UnreadableFile&) = delete;
    UnreadableFile& operator=(const UnreadableFile&) = delete;

private:
#ifdef _WIN32
    HANDLE file_;
#else
    QString path_;
#endif
};

// Makes saving over an existing file fail while the object lives. On Linux
// writes beyond `bytes` fail with EFBIG, as on a full disk, even for root
// (whom file permissions do not stop). Windows has no such limit; there
// another program holds the file open, as an editor or a virus scanner does,
// so it can be read but not replaced.
class FailingSave {
public:
#ifdef _WIN32
    FailingSave(const QString& path, qint64 /*bytes*/)
        : file_(CreateFileW(reinterpret_cast<const wchar_t*>(path.utf16()), GENERIC_READ,
                            FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr)) {}
    ~FailingSave() {
        if (file_ != INVALID_HANDLE_VALUE) {
            CloseHandle(file_);
        }
    }
#else
    FailingSave(const QString& /*path*/, qint64 bytes) {
        getrlimit(RLIMIT_FSIZE, &saved_);
        oldHandler_ = signal(SIGXFSZ, SIG_IGN);
        rlimit lim = saved_;
        lim.rlim_cur = static_cast<rlim_t>(bytes);
        setrlimit(RLIMIT_FSIZE, &lim);
    }
    ~FailingSave() {
        setrlimit(RLIMIT_FSIZE, &saved_);
        signal(SIGXFSZ, oldHandler_);
    }
#endif
    FailingSave(const FailingSave&) = delete;
    FailingSave& operator=(const FailingSave&) = delete;

private:
#ifdef _WIN32
    HANDLE file_;
#else
    rlimit saved_{};
    sighandler_t oldHandler_{};
#endif
};

}  // namespace lumidor::test
