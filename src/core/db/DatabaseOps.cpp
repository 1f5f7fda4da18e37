#include "core/db/DatabaseOps.h"

#include "core/db/DatabaseBackup.h"
#include "core/db/DatabaseLock.h"
#include "core/db/IInfoStatusBar.h"
#include "core/db/SqliteConnection.h"
#include "core/db/dao/CDaoDatabase.h"
#include "core/db/dao/CDaoException.h"
#include "core/db/dao/CDaoWorkspace.h"
#include "core/settings/MessageCatalog.h"
#include "core/settings/ProfileStore.h"
#include "core/settings/Prompter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryFile>

#include <cstdio>
#include <cstring>
#include <new>
#include <utility>

#include <cerrno>

#include <fcntl.h>
#include <stdio.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace wsc {

namespace {

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

bool isBusy(const CDaoException& e) {
    return (e.sqliteCode() & 0xFF) == 5 /* SQLITE_BUSY */ ||
           (e.sqliteCode() & 0xFF) == 6 /* SQLITE_LOCKED */;
}

CDaoException inUse(const QString& path, const QString& who, const QString& word) {
    return CDaoException(
        kFileInUse, QStringLiteral("Could not use '%1'; file already in use (%2). Close it there, "
                                   "then %3 it again.")
                        .arg(path, who, word));
}

// The lock of a file that is to be changed by a maintenance command: nobody else may have it
// open for changes meanwhile.
std::unique_ptr<DatabaseLock> lockForMaintenance(const QString& path, const QString& word) {
    auto lock = std::make_unique<DatabaseLock>(path);
    if (!lock->tryLock())
        throw inUse(path, lock->failureText(), word);
    return lock;
}

// Moves a finished file into place under `path`, never over a file that appeared meanwhile.
void publish(const QString& from, const QString& path) {
    const QByteArray src = QFile::encodeName(from);
    const QByteArray dst = QFile::encodeName(path);
    if (::renameat2(AT_FDCWD, src.constData(), AT_FDCWD, dst.constData(), RENAME_NOREPLACE) == 0)
        return;
    const int error = errno;
    if (error == EEXIST)
        throw CDaoException(3204, QStringLiteral("The file '%1' already exists.").arg(path));
    // File systems without the no-replace rename: a hard link fails on an existing name too.
    if (::link(src.constData(), dst.constData()) == 0) {
        ::unlink(src.constData());
        return;
    }
    if (errno == EEXIST)
        throw CDaoException(3204, QStringLiteral("The file '%1' already exists.").arg(path));
    throw CDaoException(3051, QStringLiteral("The new database could not be put in place as '%1' "
                                             "(%2).")
                                  .arg(path, QString::fromLocal8Bit(std::strerror(error))));
}

const QStringList& sidecarSuffixes() {
    static const QStringList s = {QStringLiteral("-journal"), QStringLiteral("-wal"),
                                  QStringLiteral("-shm")};
    return s;
}

// A build in progress holds an exclusive lock on its file for as long as it runs; the
// operating system drops it when the build ends however it ends.
bool buildIsAlive(const QString& file) {
    const int fd = ::open(QFile::encodeName(file).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool alive = ::flock(fd, LOCK_EX | LOCK_NB) != 0 && errno == EWOULDBLOCK;
    ::close(fd);
    return alive;
}

// Copies named temp-XXXXXX.mdb by an earlier compress, recognised by their marker table.
void removeOldCompressCopies(const QString& path) {
    static const QRegularExpression oldTemp(QStringLiteral("^temp-[A-Za-z0-9]{6}\\.mdb$"));
    const QDir dir = QFileInfo(path).absoluteDir();
    QString marker;
    try {
        marker = ReadDatabaseMarker(path);
    } catch (const CDaoException&) {
        return;
    }
    for (const QString& name : dir.entryList({QStringLiteral("temp-*.mdb")}, QDir::Files)) {
        if (!oldTemp.match(name).hasMatch())
            continue;
        const QString candidate = dir.filePath(name);
        bool same = false;
        try {
            same = !marker.isEmpty() && ReadDatabaseMarker(candidate) == marker;
        } catch (const CDaoException&) {
            same = false;
        }
        if (same) {
            for (const QString& s : sidecarSuffixes())
                QFile::remove(candidate + s);
            QFile::remove(candidate);
        }
    }
}

} // namespace

void RemoveBuildDebris(const QString& folder) {
    static const QRegularExpression debris(
        QStringLiteral("^(\\..+\\.building-[A-Za-z0-9]{6})(-journal|-wal|-shm)?$"));
    const QDir dir(folder);
    QStringList builds;
    for (const QString& name :
         dir.entryList({QStringLiteral(".*.building-*")}, QDir::Files | QDir::Hidden)) {
        const QRegularExpressionMatch m = debris.match(name);
        if (m.hasMatch() && !builds.contains(m.captured(1)))
            builds << m.captured(1);
    }
    for (const QString& build : builds) {
        const QString file = dir.filePath(build);
        if (buildIsAlive(file))
            continue;
        // The journal before its file: a clean-up stopped midway leaves nothing that the
        // next one cannot recognise.
        for (const QString& s : sidecarSuffixes())
            QFile::remove(file + s);
        QFile::remove(file);
    }
}

namespace {

// What a killed build or an earlier way of compressing left beside `path`.
void removeDebris(const QString& path) {
    RemoveBuildDebris(QFileInfo(path).absolutePath());
    removeOldCompressCopies(path);
}

} // namespace

StatusCodeParts SplitStatusCode(int scode) {
    const auto u = static_cast<unsigned int>(scode);
    return {static_cast<int>(u & 0xFFFFu), static_cast<int>((u >> 16) & 0x1FFFu),
            static_cast<int>((u >> 31) & 1u), scode};
}

QString FormatDaoErrorText(const QString& description, long code) {
    // One pass over the pattern: what the description itself holds ("batch%d.mdb") is kept.
    const QString pattern = QString::fromLatin1(Texts::kDaoErrorWithRecord);
    QString out;
    for (qsizetype i = 0; i < pattern.size(); ++i) {
        if (pattern.at(i) == u'%' && i + 1 < pattern.size()) {
            const QChar c = pattern.at(i + 1);
            if (c == u's') {
                out += description;
                ++i;
                continue;
            }
            if (c == u'd') {
                out += QString::number(code);
                ++i;
                continue;
            }
        }
        out += pattern.at(i);
    }
    return out;
}

void ReportDaoError(const CDaoException& e, Prompter& prompter, HelpService* help) {
    if (e.hasErrorInfo()) {
        const CDaoErrorInfo& info = e.errorInfo();
        const QString text = FormatDaoErrorText(info.m_strDescription, info.m_lErrorCode);
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

void CheckWritable(const QString& path) {
    const QByteArray name = QFile::encodeName(path);
    if (::access(name.constData(), W_OK) != 0)
        throw CDaoException(CDaoDatabase::kReadOnly,
                            QStringLiteral("The file '%1' is read-only; it cannot be opened for "
                                           "changes.")
                                .arg(path));
    const QString folder = QFileInfo(path).absolutePath();
    if (::access(QFile::encodeName(folder).constData(), W_OK) != 0)
        throw CDaoException(CDaoDatabase::kReadOnly,
                            QStringLiteral("The folder of '%1' is read-only; the file cannot be "
                                           "changed there.")
                                .arg(path));
}

void MakePendingBackup(CoreServices& s) {
    const QString path = std::exchange(s.pendingBackup, QString());
    if (path.isEmpty() || s.backupRoot.isEmpty())
        return;
    try {
        DatabaseBackup(s.backupRoot).backUp(path);
    } catch (const CDaoException& e) {
        if (!s.backupFailureReported) {
            s.backupFailureReported = true;
            s.prompter.text(
                QString::fromLatin1(Texts::kBackupFailed).arg(path, QString::fromUtf8(e.what())),
                PromptIcon::Exclamation);
        }
    }
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
    auto refuse = [&] {
        if (bar) {
            bar->SetProgress(-1, -1);
            bar->ClearLines(true);
        }
        return nullptr;
    };
    try {
        // The kind first, read without writing anything into the file.
        if (ReadDatabaseMarker(path) != QLatin1String(kRecipeMarker)) {
            s.prompter.message(Msg::kNotARecipeDatabase, {path}, PromptIcon::Exclamation);
            return refuse();
        }
        CheckWritable(path);
        auto lock = std::make_unique<DatabaseLock>(path);
        if (!lock->tryLock()) {
            s.prompter.text(
                QString::fromLatin1(Texts::kDatabaseInUse).arg(path, lock->failureText()),
                PromptIcon::Exclamation);
            return refuse();
        }
        if (!s.backupRoot.isEmpty()) {
            s.pendingBackup = path;
            if (!s.backupWhenShown)
                MakePendingBackup(s);
        }
        RemoveBuildDebris(QFileInfo(path).absolutePath());
        auto db = std::make_unique<CDaoDatabase>();
        db->Open(path);
        db->holdLock(std::move(lock));
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
        if (ReadDatabaseMarker(path) == marker)
            return true;
        s.prompter.message(Msg::kNotADataDatabase, {path}, PromptIcon::Exclamation);
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
                    std::unique_ptr<CDaoDatabase>& database, const QString& kind, CoreServices& s,
                    const QString& recipePath) {
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
        const bool log = kind == QLatin1String(kWorkspaceLogView);
        if (kind == QLatin1String(kWorkspaceDao)) {
            path = DataFilePath(s.profile);
        } else if (log) {
            // The log reads its own document's file, not whatever the setting names now.
            path = recipePath.isEmpty() ? LastRecipeFilePath(s.profile) : recipePath;
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
                    if (log) {
                        database->Open(path, false, true);
                    } else {
                        // Shared, installed reference data is often read-only: then it is read.
                        try {
                            database->Open(path);
                        } catch (const CDaoException& e) {
                            if (!e.hasErrorInfo() ||
                                e.errorInfo().m_lErrorCode != CDaoDatabase::kReadOnly)
                                throw;
                            database->Open(path, false, true);
                        }
                    }
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
    return CDaoDatabase::firstTableName(c);
}

namespace {

QString readResource(const QString& name) {
    QFile f(name);
    if (!f.open(QIODevice::ReadOnly))
        throw CDaoException(3024, QStringLiteral("Cannot read %1.").arg(name));
    return QString::fromUtf8(f.readAll());
}

// Builds a database of `marker`'s kind under a temporary name beside `path`, runs the scripts
// of the resource folders in name order in one transaction, and only then gives it its name:
// a build that is stopped midway leaves nothing under that name.
void buildDatabase(const QString& path, const QString& marker, const QStringList& folders,
                   const std::function<void(CDaoDatabase&)>& finish) {
    const QString resource = schemaResource(marker);
    if (resource.isEmpty())
        throw CDaoException(3024, QStringLiteral("Unknown database kind '%1'.").arg(marker));
    if (QFileInfo::exists(path) || QFileInfo(path).isSymLink())
        throw CDaoException(3204, QStringLiteral("The file '%1' already exists.").arg(path));
    const QFileInfo info(path);
    if (!info.absoluteDir().exists())
        throw CDaoException(3044, QStringLiteral("'%1' is not a valid path: its folder does not "
                                                 "exist.")
                                      .arg(path));
    removeDebris(path);
    // The file stays open and locked until the build is over, so that a clean-up running
    // meanwhile (another build in this folder) knows it from the debris of a killed one. It
    // is closed only after the database connection, whose own locks would go with it.
    QTemporaryFile reserve(info.absoluteDir().filePath(QStringLiteral(".") + info.fileName() +
                                                       QStringLiteral(".building-XXXXXX")));
    if (!reserve.open() || ::flock(reserve.handle(), LOCK_EX) != 0)
        throw CDaoException(3051, QStringLiteral("No database can be made in the folder of '%1' "
                                                 "(%2).")
                                      .arg(path, reserve.errorString()));
    const QString temp = reserve.fileName();
    struct stat held {
    }, named{};
    if (::fstat(reserve.handle(), &held) != 0 ||
        ::stat(QFile::encodeName(temp).constData(), &named) != 0 || held.st_ino != named.st_ino)
        throw CDaoException(3051, QStringLiteral("The database '%1' could not be made: its "
                                                 "folder changed meanwhile.  Please try again.")
                                      .arg(path));
    // The new file gets the permissions any new file of the user gets, not a temporary's.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    ::chmod(QFile::encodeName(temp).constData(), 0666 & ~mask);
    try {
        {
            CDaoDatabase db;
            db.Create(temp);
            SqliteConnection& c = db.connection();
            c.exec(QStringLiteral("BEGIN"));
            c.exec(readResource(resource));
            for (const QString& folder : folders) {
                const QDir dir(folder);
                for (const QString& name :
                     dir.entryList({QStringLiteral("*.sql")}, QDir::Files, QDir::Name))
                    c.exec(readResource(dir.filePath(name)));
            }
            if (finish)
                finish(db);
            c.exec(QStringLiteral("COMMIT"));
        }
        syncFile(temp);
        publish(temp, path);
        reserve.setAutoRemove(false);
        syncFile(info.absolutePath());
    } catch (...) {
        QFile::remove(temp + QStringLiteral("-journal"));
        throw;
    }
}

} // namespace

void CreateDatabase(const QString& path, const QString& marker, const QStringList& scriptFolders,
                    const std::function<void(CDaoDatabase&)>& finish) {
    buildDatabase(path, marker, scriptFolders, finish);
}

void CreateDataDatabase(const QString& path) {
    CreateDatabase(path, QString::fromLatin1(kDataMarker), {QStringLiteral(":/wsc/reference")});
}

void CompactDatabase(const QString& path) {
    CheckDatabaseHeader(path);
    CheckWritable(path);
    const auto lock = lockForMaintenance(path, QStringLiteral("compress"));
    removeDebris(path);
    // SQLite's own VACUUM rewrites the file in place under its journal: the file keeps its
    // name, links, owner and mode, a connection another program holds open stays valid, and
    // a compress stopped midway is rolled back when the file is next opened.
    const auto damaged = [&](const QString& result) {
        return CDaoException(
            11, QStringLiteral("The database '%1' is damaged (%2); use Repair.").arg(path, result));
    };
    try {
        SqliteConnection c(path, SqliteConnection::Mode::ReadWrite, 2000);
        // A damaged file is refused before anything is written into it: VACUUM would rewrite
        // what it can read of it.
        QString result;
        try {
            result = c.integrityCheck();
        } catch (const CDaoException& e) {
            if (isBusy(e))
                throw;
            result = QString::fromUtf8(e.what());
        }
        if (result != QLatin1String("ok"))
            throw damaged(result);
        const QString marker = CDaoDatabase::firstTableName(c);
        if (marker == QLatin1String(kRecipeMarker) || marker == QLatin1String(kDataMarker))
            CDaoDatabase::useRollbackJournal(c);
        c.removeStaleJournal();
        c.exec(QStringLiteral("VACUUM"));
        result = c.integrityCheck();
        if (result != QLatin1String("ok"))
            throw damaged(result);
    } catch (const CDaoException& e) {
        if (isBusy(e))
            throw inUse(path, QStringLiteral("another program is reading or changing it"),
                        QStringLiteral("compress"));
        throw;
    }
    syncFile(path);
}

void RepairDatabase(const QString& path) {
    CheckDatabaseHeader(path);
    CheckWritable(path);
    const auto lock = lockForMaintenance(path, QStringLiteral("repair"));
    removeDebris(path);
    QString result;
    try {
        SqliteConnection c(path, SqliteConnection::Mode::ReadWrite, 2000);
        c.removeStaleJournal();
        try {
            c.exec(QStringLiteral("REINDEX"));
            c.exec(QStringLiteral("VACUUM"));
            result = c.integrityCheck();
        } catch (const CDaoException& e) {
            if (isBusy(e))
                throw;
            result = QString::fromUtf8(e.what());
        }
    } catch (const CDaoException& e) {
        if (isBusy(e))
            throw inUse(path, QStringLiteral("another program is reading or changing it"),
                        QStringLiteral("repair"));
        throw;
    }
    if (result != QLatin1String("ok"))
        throw CDaoException(11, QStringLiteral("The database '%1' is damaged and could not be "
                                               "repaired: %2")
                                    .arg(path, result));
}

} // namespace wsc
