#include "support/TestSupport.h"

#include "core/db/SqliteConnection.h"
#include "core/document/ShippedDatabases.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <clocale>

#include <grp.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace wsc::test {

DbFixture::DbFixture()
    : m_profile(m_dir.filePath(QStringLiteral("settings.ini"))), m_services{m_prompter, m_profile,
                                                                            &m_status, nullptr} {}

QString DbFixture::makeRecipeDb(const QString& name, bool samples) {
    const QString p = path(name);
    CreateRecipeDatabase(p, samples);
    return p;
}

QString DbFixture::makeDataDb(const QString& name) {
    const QString p = path(name);
    CreateDatabase(p, QString::fromLatin1(kDataMarker));
    return p;
}

QString DbFixture::copyShippedData(const QString& name) {
    const QString p = path(name);
    QFile::copy(QStringLiteral(WSC_DATA_DB), p);
    return p;
}

QString DbFixture::copyShippedSamples(const QString& name) {
    const QString p = path(name);
    QFile::copy(QStringLiteral(WSC_SAMPLES_DB), p);
    return p;
}

CommaLocale::CommaLocale() {
    const char* before = std::setlocale(LC_ALL, nullptr);
    m_before = before ? before : "C";
    m_available = std::setlocale(LC_ALL, "de_DE.UTF-8") != nullptr;
}

CommaLocale::~CommaLocale() {
    std::setlocale(LC_ALL, m_before.c_str());
}

QStringList SidecarsOf(const QString& database) {
    QStringList found;
    for (const char* suffix : {"-journal", "-wal", "-shm", ".lock"}) {
        const QString p = database + QString::fromLatin1(suffix);
        if (QFileInfo::exists(p))
            found << p;
    }
    return found;
}

QByteArray FileDigest(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256);
}

std::string RunAsUnprivileged(const std::function<std::string()>& body, bool* skip) {
    if (skip)
        *skip = false;
    int fds[2];
    if (::pipe(fds) != 0)
        return "no pipe";
    const pid_t pid = ::fork();
    if (pid < 0)
        return "no fork";
    if (pid == 0) {
        ::close(fds[0]);
        std::string result;
        if (::getuid() == 0) {
            const gid_t nogroup = 65534;
            if (::setgroups(0, nullptr) != 0 || ::setgid(nogroup) != 0 || ::setuid(65534) != 0)
                result = "skip";
        }
        if (result.empty())
            result = body();
        [[maybe_unused]] const ssize_t n = ::write(fds[1], result.data(), result.size());
        ::close(fds[1]);
        ::_exit(0);
    }
    ::close(fds[1]);
    std::string out;
    char buffer[512];
    ssize_t n = 0;
    while ((n = ::read(fds[0], buffer, sizeof buffer)) > 0)
        out.append(buffer, static_cast<std::size_t>(n));
    ::close(fds[0]);
    int status = 0;
    ::waitpid(pid, &status, 0);
    if (!WIFEXITED(status))
        return "the child process died";
    if (out == "skip") {
        if (skip)
            *skip = true;
        return {};
    }
    return out;
}

DbFixture::~DbFixture() {
    ::chmod(QFile::encodeName(path(QStringLiteral("shared"))).constData(), 0755);
}

void DbFixture::execSql(const QString& file, const QString& sql) {
    SqliteConnection c(file, SqliteConnection::Mode::ReadWrite);
    c.exec(sql);
}

QString DbFixture::readOnlySharedData() {
    openFolderToEveryone();
    const QString shared = path(QStringLiteral("shared"));
    QDir().mkdir(shared);
    const QString data = shared + QStringLiteral("/WortsmithData.mdb");
    QFile::copy(QStringLiteral(WSC_DATA_DB), data);
    ::chmod(QFile::encodeName(data).constData(), 0444);
    ::chmod(QFile::encodeName(shared).constData(), 0555);
    return data;
}

void DbFixture::openFolderToEveryone() {
    ::chmod(QFile::encodeName(m_dir.path()).constData(), 0777);
}

QByteArray DbFixture::readFile(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace wsc::test
