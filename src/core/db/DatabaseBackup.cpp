#include "core/db/DatabaseBackup.h"

#include "core/db/SqliteConnection.h"
#include "core/db/dao/CDaoException.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <sqlite3.h>

namespace wsc {
namespace {

constexpr int kPagesPerStep = 256;

} // namespace

DatabaseBackup::DatabaseBackup(QString root, int keep) : m_root(std::move(root)), m_keep(keep) {}

QString DatabaseBackup::folderFor(const QString& databasePath) const {
    const QFileInfo info(databasePath);
    const QString canonical =
        info.canonicalFilePath().isEmpty() ? info.absoluteFilePath() : info.canonicalFilePath();
    const QByteArray hash =
        QCryptographicHash::hash(canonical.toUtf8(), QCryptographicHash::Sha1).toHex().left(8);
    return QDir(m_root).filePath(info.completeBaseName() + u'-' + QString::fromLatin1(hash));
}

QStringList DatabaseBackup::backupsOf(const QString& databasePath) const {
    const QDir dir(folderFor(databasePath));
    QStringList names =
        dir.entryList({QStringLiteral("*.mdb")}, QDir::Files, QDir::Name | QDir::Reversed);
    for (QString& n : names)
        n = dir.filePath(n);
    return names;
}

QString DatabaseBackup::backUp(const QString& databasePath) const {
    const QStringList existing = backupsOf(databasePath);
    const QFileInfo source(databasePath);
    if (!existing.isEmpty() && QFileInfo(existing.first()).lastModified() > source.lastModified())
        return {};

    const QString folder = folderFor(databasePath);
    if (!QDir().mkpath(folder))
        throw CDaoException(3051,
                            QStringLiteral("The backup folder '%1' cannot be made.").arg(folder));
    const QString stamp =
        QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss-zzz"));
    const QString target = QDir(folder).filePath(stamp + QStringLiteral(".mdb"));
    const QString partial = target + QStringLiteral(".part");
    QFile::remove(partial);

    SqliteConnection from(databasePath, SqliteConnection::Mode::ReadOnly);
    {
        SqliteConnection to(partial, SqliteConnection::Mode::Create);
        sqlite3_backup* b = sqlite3_backup_init(to.handle(), "main", from.handle(), "main");
        if (!b)
            throw CDaoException::fromSqlite(to.handle(), sqlite3_errcode(to.handle()), partial);
        int rc = SQLITE_OK;
        do {
            rc = sqlite3_backup_step(b, kPagesPerStep);
            if (rc == SQLITE_BUSY || rc == SQLITE_LOCKED)
                sqlite3_sleep(20);
        } while (rc == SQLITE_OK || rc == SQLITE_BUSY || rc == SQLITE_LOCKED);
        sqlite3_backup_finish(b);
        if (rc != SQLITE_DONE) {
            QFile::remove(partial);
            throw CDaoException::fromSqlite(to.handle(), rc, partial);
        }
        to.exec(QStringLiteral("PRAGMA journal_mode=DELETE"));
    }
    if (!QFile::rename(partial, target)) {
        QFile::remove(partial);
        throw CDaoException(3051, QStringLiteral("The backup '%1' could not be kept.").arg(target));
    }
    const QStringList all = backupsOf(databasePath);
    for (qsizetype i = m_keep; i < all.size(); ++i)
        QFile::remove(all.at(i));
    return target;
}

} // namespace wsc
