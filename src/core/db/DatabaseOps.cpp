#include "db/DatabaseOps.h"

#include "db/IInfoStatusBar.h"
#include "db/SqliteConnection.h"
#include "db/dao/CDaoDatabase.h"
#include "db/dao/CDaoException.h"
#include "db/dao/CDaoWorkspace.h"
#include "settings/MessageCatalog.h"
#include "settings/ProfileStore.h"
#include "settings/Prompter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

#include <cstdio>
#include <new>

#include <fcntl.h>
#include <unistd.h>

namespace wsc {

namespace {

QString firstTableName(SqliteConnection& c) {
    return c
        .scalar(QStringLiteral("SELECT name FROM sqlite_schema WHERE type = 'table' AND name NOT "
                               "LIKE 'sqlite\\_%' ESCAPE '\\' ORDER BY rowid LIMIT 1"))
        .toString();
}

QString schemaResource(const QString& marker) {
    if (marker == QLatin1String(kRecipeMarker))
        return QStringLiteral(":/wsc/schema/recipes.sql");
    if (marker == QLatin1String(kDataMarker))
        return QStringLiteral(":/wsc/schema/data.sql");
    return {};
}

void syncFile(const QString& path) {
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

} // namespace

StatusCodeParts SplitStatusCode(int scode) {
    const auto u = static_cast<unsigned int>(scode);
    return {static_cast<int>(u & 0xFFFFu), static_cast<int>((u >> 16) & 0x1FFFu),
            static_cast<int>((u >> 31) & 1u), scode};
}

void ReportDaoError(const CDaoException& e, Prompter& prompter, HelpService* help) {
    if (e.hasErrorInfo()) {
        const CDaoErrorInfo& info = e.errorInfo();
        const QString text = QString::fromLatin1(Texts::kDaoErrorWithRecord)
                                 .replace(QStringLiteral("%s"), info.m_strDescription)
                                 .replace(QStringLiteral("%d"), QString::number(info.m_lErrorCode));
        const PromptAnswer a = prompter.text(text, PromptIcon::Exclamation, PromptButtons::YesNo,
                                             static_cast<int>(info.m_lHelpContext));
        if (a == PromptAnswer::Yes && help)
            help->show(static_cast<int>(info.m_lHelpContext), info.m_strHelpFile);
        return;
    }
    const StatusCodeParts p = SplitStatusCode(e.statusCode());
    QString text = QString::fromLatin1(Texts::kDaoErrorStatusOnly);
    for (int v : {p.code, p.facility, p.severity, p.scode})
        text.replace(text.indexOf(QStringLiteral("%d")), 2, QString::number(v));
    prompter.text(text, PromptIcon::Exclamation, PromptButtons::Ok);
}

std::unique_ptr<CDaoDatabase> OpenRecipeDatabase(const QString& path, CoreServices& s) {
    IInfoStatusBar* bar = s.statusBar;
    if (bar) {
        bar->SetProgress(0, 100);
        bar->SetPaneText(QStringLiteral("Opening Recipe database..."), 0);
    }
    WaitCursor wait(bar);
    if (bar)
        bar->SetProgress(10, -1);
    try {
        auto db = std::make_unique<CDaoDatabase>();
        db->Open(path);
        if (db->GetTableDefName(0) != QLatin1String(kRecipeMarker)) {
            s.prompter.message(168, {path}, PromptIcon::Exclamation);
            db.reset();
            if (bar) {
                bar->SetProgress(-1, -1);
                bar->ClearLines(true);
            }
            return nullptr;
        }
        s.profile.setText(Setting::RecipeFileOpened, path);
        return db;
    } catch (const CDaoException& e) {
        ReportDaoError(e, s.prompter, s.help);
        if (bar)
            bar->SetProgress(-1, -1);
        return nullptr;
    }
}

bool CheckDatabaseKind(const QString& marker, int controlId, const QString& path, CoreServices& s,
                       const std::function<void(int)>& focus) {
    try {
        CDaoDatabase db;
        db.Open(path);
        if (db.GetTableDefName(0) == marker)
            return true;
        db.Close();
        s.prompter.message(171, {path}, PromptIcon::Exclamation);
        if (focus)
            focus(controlId);
        return false;
    } catch (const CDaoException& e) {
        ReportDaoError(e, s.prompter, s.help);
        return false;
    }
}

bool cleanWorkspace(std::unique_ptr<CDaoWorkspace>& workspace,
                    std::unique_ptr<CDaoDatabase>& database, Prompter& prompter,
                    HelpService* help) {
    try {
        if (database) {
            if (database->IsOpen())
                database->Close();
            database.reset();
        }
        if (workspace) {
            if (workspace->IsOpen())
                workspace->Close();
            workspace.reset();
        }
        return true;
    } catch (const CDaoException& e) {
        ReportDaoError(e, prompter, help);
        return false;
    }
}

int GetNewWorkspace(std::unique_ptr<CDaoWorkspace>& workspace,
                    std::unique_ptr<CDaoDatabase>& database, const QString& kind, CoreServices& s) {
    if (!cleanWorkspace(workspace, database, s.prompter, s.help)) {
        s.prompter.text(QString::fromLatin1(Texts::kCleanWorkspaceFailed));
        return 0;
    }
    int result = 1;
    workspace.reset(new (std::nothrow) CDaoWorkspace);
    if (!workspace) {
        s.prompter.text(QString::fromLatin1(Texts::kNoWorkspaceObject));
        return 0;
    }
    try {
        workspace->Create(kind, CDaoWorkspace::DefaultUser(), CDaoWorkspace::DefaultPassword());
        workspace->Append();
        workspace->SetIsolateODBCTrans(true);
    } catch (const CDaoException& e) {
        ReportDaoError(e, s.prompter, s.help);
        result = 0;
    }
    if (result == 1) {
        QString path;
        if (kind == QLatin1String(kWorkspaceDao)) {
            path = DataFilePath(s.profile);
        } else if (kind == QLatin1String(kWorkspaceLogView)) {
            path = LastRecipeFilePath(s.profile);
        } else {
            s.prompter.text(QString::fromLatin1(Texts::kUnknownWorkspace));
            result = 0;
        }
        if (result == 1) {
            database.reset(new (std::nothrow) CDaoDatabase(workspace.get()));
            if (!database) {
                s.prompter.text(QString::fromLatin1(Texts::kNoDatabaseObject));
                result = 0;
            } else {
                try {
                    database->Open(path);
                    if (!database->IsOpen()) {
                        s.prompter.text(QString::fromLatin1(Texts::kDatabaseNotOpen));
                        result = 0;
                    }
                } catch (const CDaoException& e) {
                    ReportDaoError(e, s.prompter, s.help);
                    result = 0;
                }
            }
        }
    }
    if (result == 0)
        cleanWorkspace(workspace, database, s.prompter, s.help);
    return result;
}

QString ReadDatabaseMarker(const QString& path) {
    SqliteConnection c(path, SqliteConnection::Mode::ReadOnly);
    return firstTableName(c);
}

void RunSqlScript(CDaoDatabase& db, const QString& script) {
    db.connection().exec(script);
}

void CreateDatabase(const QString& path, const QString& marker) {
    const QString resource = schemaResource(marker);
    if (resource.isEmpty())
        throw CDaoException(3024, QStringLiteral("Unknown database kind '%1'.").arg(marker));
    if (QFileInfo::exists(path))
        throw CDaoException(3204, QStringLiteral("The file '%1' already exists.").arg(path));
    QFile f(resource);
    if (!f.open(QIODevice::ReadOnly))
        throw CDaoException(3024, QStringLiteral("The schema %1 is missing.").arg(resource));
    const QString script = QString::fromUtf8(f.readAll());
    CDaoDatabase db;
    db.Create(path);
    try {
        db.connection().exec(QStringLiteral("BEGIN"));
        db.connection().exec(script);
        db.connection().exec(QStringLiteral("COMMIT"));
    } catch (...) {
        db.Close();
        QFile::remove(path);
        throw;
    }
}

namespace {

// Runs every script of a resource folder, in name order, in one transaction.
void runResourceScripts(const QString& path, const QString& folder) {
    QDir dir(folder);
    const QStringList names = dir.entryList({QStringLiteral("*.sql")}, QDir::Files, QDir::Name);
    CDaoDatabase db;
    db.Open(path);
    db.connection().exec(QStringLiteral("BEGIN"));
    try {
        for (const QString& name : names) {
            QFile f(dir.filePath(name));
            if (!f.open(QIODevice::ReadOnly))
                throw CDaoException(3024, QStringLiteral("Cannot read %1.").arg(f.fileName()));
            db.connection().exec(QString::fromUtf8(f.readAll()));
        }
        db.connection().exec(QStringLiteral("COMMIT"));
    } catch (...) {
        db.Close();
        QFile::remove(path);
        throw;
    }
}

} // namespace

void CreateDataDatabase(const QString& path) {
    CreateDatabase(path, QString::fromLatin1(kDataMarker));
    runResourceScripts(path, QStringLiteral(":/wsc/reference"));
}

void CreateRecipeDatabase(const QString& path, bool withSamples) {
    CreateDatabase(path, QString::fromLatin1(kRecipeMarker));
    if (withSamples)
        runResourceScripts(path, QStringLiteral(":/wsc/samples"));
}

void CompactDatabase(const QString& path) {
    const QFileInfo info(path);
    if (!info.exists())
        throw CDaoException(3024, QStringLiteral("The file '%1' does not exist.").arg(path));
    if (!info.isWritable())
        throw CDaoException(3051, QStringLiteral("The file '%1' is read-only; it was not "
                                                 "compacted.")
                                      .arg(path));
    // The lock holder keeps every other writer out until the compacted copy has replaced the
    // file, so no change made meanwhile can be lost with the old file.
    SqliteConnection lockHolder(path, SqliteConnection::Mode::ReadWrite, 500);
    const QString marker = firstTableName(lockHolder);
    const QString mode = lockHolder.scalar(QStringLiteral("PRAGMA journal_mode")).toString();
    if (mode.compare(QStringLiteral("wal"), Qt::CaseInsensitive) == 0) {
        SqliteStatement cp = lockHolder.prepare(QStringLiteral("PRAGMA wal_checkpoint(TRUNCATE)"));
        if (cp.step() && cp.int64(0) != 0)
            throw CDaoException(3045, QStringLiteral("The file '%1' is in use by another "
                                                     "program; it was not compacted.")
                                          .arg(path));
    }
    lockHolder.exec(QStringLiteral("BEGIN IMMEDIATE"));

    QTemporaryFile temp(info.absolutePath() + QStringLiteral("/temp-XXXXXX.mdb"));
    if (!temp.open())
        throw CDaoException(
            3051, QStringLiteral("No temporary file could be made beside '%1'.").arg(path));
    const QString tempPath = temp.fileName();
    temp.close();
    {
        SqliteConnection reader(path, SqliteConnection::Mode::ReadOnly, 500);
        SqliteStatement st = reader.prepare(QStringLiteral("VACUUM INTO ?"));
        st.bindText(1, tempPath);
        st.exec();
    }
    {
        SqliteConnection check(tempPath, SqliteConnection::Mode::ReadOnly);
        const QString result = check.integrityCheck();
        if (result != QLatin1String("ok"))
            throw CDaoException(11, QStringLiteral("The compacted copy of '%1' failed its check "
                                                   "(%2); the file was left as it was.")
                                        .arg(path, result));
        if (firstTableName(check) != marker)
            throw CDaoException(11, QStringLiteral("The compacted copy of '%1' lost its marker "
                                                   "table; the file was left as it was.")
                                        .arg(path));
    }
    syncFile(tempPath);
    if (std::rename(QFile::encodeName(tempPath).constData(), QFile::encodeName(path).constData()) !=
        0)
        throw CDaoException(3051, QStringLiteral("The compacted copy could not replace '%1'; the "
                                                 "file was left as it was.")
                                      .arg(path));
    temp.setAutoRemove(false);
    syncFile(info.absolutePath());
}

void RepairDatabase(const QString& path) {
    if (!QFileInfo(path).isWritable() && QFileInfo::exists(path))
        throw CDaoException(3051, QStringLiteral("The file '%1' is read-only; it was not "
                                                 "repaired.")
                                      .arg(path));
    SqliteConnection c(path, SqliteConnection::Mode::ReadWrite, 500);
    QString result;
    try {
        c.exec(QStringLiteral("REINDEX"));
        c.exec(QStringLiteral("VACUUM"));
        result = c.integrityCheck();
    } catch (const CDaoException& e) {
        result = QString::fromLatin1(e.what());
    }
    if (result != QLatin1String("ok"))
        throw CDaoException(11, QStringLiteral("The database '%1' is damaged and could not be "
                                               "repaired: %2")
                                    .arg(path, result));
}

} // namespace wsc
