#pragma once

#include <QString>
#include <QStringList>

namespace wsc {

// Backup copies of a recipe database, made with SQLite's online copy (never a plain copy of a
// file in use), the newest `keep` of them kept in a folder of their own per database.
class DatabaseBackup {
public:
    static constexpr int kKeep = 10;

    // `root` holds one folder per database ("Recipes-1a2b3c4d"); backups are named by their
    // time ("20261207-143015-123.mdb").
    explicit DatabaseBackup(QString root, int keep = kKeep);

    // The folder of one database's backups.
    QString folderFor(const QString& databasePath) const;
    // The backups of a database, newest first.
    QStringList backupsOf(const QString& databasePath) const;

    // Copies the database unless its newest backup is already newer than the file. Returns
    // the new backup's path, or an empty text when none was needed. Throws CDaoException.
    QString backUp(const QString& databasePath) const;

private:
    QString m_root;
    int m_keep;
};

} // namespace wsc
