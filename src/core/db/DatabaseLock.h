#pragma once

#include <QString>

#include <memory>

class QLockFile;

namespace wsc {

// The mark that one program is changing a database file: a lock file beside it that names the
// program, its process and its machine. The operating system's process table tells a live
// holder from a dead one, so a program that crashed never blocks the next.
class DatabaseLock {
public:
    explicit DatabaseLock(const QString& databasePath);
    ~DatabaseLock();
    DatabaseLock(const DatabaseLock&) = delete;
    DatabaseLock& operator=(const DatabaseLock&) = delete;

    // False when another program (or another part of this one) holds the file, or when no
    // lock file can be made beside it.
    bool tryLock();
    void unlock();
    bool isLocked() const;

    // Who holds the lock, for a message: "wscalc, process 4711 on brewhouse"; empty when
    // nobody does or it cannot be read.
    QString holder() const;
    // Why tryLock failed, for a message.
    QString failureText() const;

    static QString lockFilePath(const QString& databasePath);

private:
    QString m_databasePath;
    std::unique_ptr<QLockFile> m_lock;
};

} // namespace wsc
