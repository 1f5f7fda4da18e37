#pragma once

#include <QString>

namespace wsc {

// The mark that one program is changing a database file: a lock file beside it, locked with
// the operating system's file lock and naming the program, its process and its machine. The
// system drops the lock when the process ends however it ends, so a program that crashed
// never blocks the next one.
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
    bool isLocked() const { return m_fd >= 0; }

    // Who holds the lock, for a message: "wscalc, process 4711 on brewhouse"; empty when it
    // cannot be read.
    QString holder() const;
    // The holder, unless it is this process.
    QString otherHolder() const;
    // Why tryLock failed, for a message.
    QString failureText() const { return m_failure; }

    static QString lockFilePath(const QString& databasePath);

private:
    QString m_lockPath;
    int m_fd = -1;
    QString m_failure;
};

} // namespace wsc
