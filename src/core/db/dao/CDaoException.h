#pragma once

#include <QString>

#include <cstdint>
#include <exception>
#include <string>

struct sqlite3;

namespace wsc {

// The error record a database error carries.
struct CDaoErrorInfo {
    long m_lErrorCode = 0;
    QString m_strSource;
    QString m_strDescription;
    QString m_strHelpFile;
    long m_lHelpContext = 0;
};

// The one database exception of the program: either an error record or only a status code.
class CDaoException : public std::exception {
public:
    // Error codes the program relies on by number.
    static constexpr long kDuplicateKey = 3022;
    static constexpr long kNoCurrentRecord = 3021;
    static constexpr long kItemNotFound = 3265;
    static constexpr long kNotAnIndex = 3800;
    static constexpr long kNotUpdatable = 3027;
    // "Couldn't update; currently locked": another program holds the file's lock.
    static constexpr long kLocked = 3260;

    CDaoException(long code, const QString& description, const QString& source = "WSC.Database");
    explicit CDaoException(std::int32_t statusCode); // no error record

    // From the state of a SQLite connection after a failed call (rc is the result code).
    static CDaoException fromSqlite(sqlite3* db, int rc, const QString& context = {});

    bool hasErrorInfo() const { return m_hasInfo; }
    const CDaoErrorInfo& errorInfo() const { return m_info; }
    std::int32_t statusCode() const { return m_scode; }
    // SQLite's extended result code, or 0.
    int sqliteCode() const { return m_sqliteCode; }
    const char* what() const noexcept override { return m_what.c_str(); }

private:
    bool m_hasInfo = true;
    CDaoErrorInfo m_info;
    std::int32_t m_scode = 0;
    int m_sqliteCode = 0;
    std::string m_what;
};

// Runs `work` and says whether it went through: a database error it throws goes to `report`.
template <class Work, class Report> bool RunReported(Work&& work, Report&& report) {
    try {
        work();
    } catch (const CDaoException& e) {
        report(e);
        return false;
    }
    return true;
}

} // namespace wsc
