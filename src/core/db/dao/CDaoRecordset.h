#pragma once

#include "core/db/SqliteConnection.h"
#include "core/db/dao/RecordFields.h"

#include <QString>
#include <QStringList>
#include <QVariant>

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <vector>

namespace wsc {

class CDaoDatabase;
class CDaoException;

// A set of records of one table or saved query, with a current record and an edit buffer
// (the derived record class's members).
//
// Table-type sets walk the table in the order of the current index, straight from the file:
// each move is one indexed look-up relative to the current record's key, so the set always
// shows what the connection sees. Snapshot and forward-only sets read a query's rows once
// (and again on Requery) and are read-only.
class CDaoRecordset {
public:
    enum OpenType { dbOpenDefault = -1, dbOpenTable = 1, dbOpenDynaset = 2, dbOpenSnapshot = 4 };
    enum Options { dbNone = 0, dbReadOnly = 4, dbForwardOnly = 256 };
    enum EditMode { dbEditNone = 0, dbEditInProgress = 1, dbEditAdd = 2 };
    // Update or Delete of a row another program deleted or changed since it was read.
    static constexpr long kRecordDeleted = 3167;
    static constexpr long kWriteConflict = 3197;
    using Bookmark = std::int64_t;

    explicit CDaoRecordset(CDaoDatabase* database = nullptr);
    virtual ~CDaoRecordset();
    CDaoRecordset(const CDaoRecordset&) = delete;
    CDaoRecordset& operator=(const CDaoRecordset&) = delete;

    // "[Source]"
    virtual QString GetDefaultSQL() const;
    // The database file used when the set is opened without an open database object.
    virtual QString GetDefaultDBName() const { return m_defaultDbName; }
    void setDefaultDBName(const QString& path) { m_defaultDbName = path; }

    // Field exchange, generated from the record class's column list.
    virtual const RecordLayout& layout() const = 0;
    virtual void loadFields(const FieldValues& values) = 0;
    virtual void storeFields(FieldValues& values) const = 0;
    virtual void resetFields() = 0;

    void Open(int openType = dbOpenDefault, const QString& sql = {}, int options = dbNone);
    void Close();
    bool IsOpen() const { return m_open; }
    bool CanUpdate() const { return m_open && !m_readOnly && m_type != dbOpenSnapshot; }

    void SetCurrentIndex(const QString& indexName);
    // Seek with "=" on the first keys.size() columns of the current index.
    bool Seek(const QString& comparison, const QVariantList& keys);

    void MoveFirst();
    void MoveLast();
    void MoveNext();
    void MovePrev();
    void Move(int rows); // only 0 (re-read the current record) is used
    bool IsBOF() const { return m_bof; }
    bool IsEOF() const { return m_eof; }
    bool IsDeleted() const { return m_deleted; }
    // What is wrong with the stored values of the current record, one line per column
    // ("RecipeSGOriginal holds the text \"abc\", not a number"); the members show such a value
    // as 0 (or empty) and Update leaves it as stored unless the member was changed.
    const QStringList& fieldProblems() const { return m_problems; }
    // Open and on a record that is still there.
    bool HasCurrentRecord() const { return m_open && !m_bof && !m_eof && !m_deleted; }
    long GetRecordCount();
    void Requery();

    void AddNew();
    void Edit();
    void Update();
    void CancelUpdate();
    void Delete();
    int GetEditMode() const { return m_editMode; }

    Bookmark GetBookmark() const;
    Bookmark GetLastModifiedBookmark() const;
    void SetBookmark(Bookmark bookmark);

    // Field access by column name through field exchange (for generic copies).
    QVariant GetFieldValue(const QString& column) const;
    void SetFieldValue(const QString& column, const QVariant& value);
    FieldValues fieldValues() const;
    void setFieldValues(const FieldValues& values);

    CDaoDatabase* m_pDatabase = nullptr;

protected:
    // The set's source name without brackets.
    QString sourceName() const;

private:
    struct Position {
        std::int64_t rowid = 0;
        QVariantList keys;
    };

    void checkOpen() const;
    void checkCurrent() const;
    void checkSchema();
    void prepareTableStatements();
    QString selectList() const;
    bool fetchInto(SqliteStatement& st); // one step; loads the fields and the position
    void takeRow(FieldValues raw);       // the current record's stored values
    bool nullKeysInPlay();
    CDaoException rowChangedOrDeleted();
    void loadSnapshot();
    void showSnapshotRow();
    void clearPosition(bool bof, bool eof);
    void reloadCurrent();

    std::unique_ptr<CDaoDatabase> m_ownDatabase;
    QString m_defaultDbName;
    bool m_open = false;
    int m_type = dbOpenTable;
    bool m_readOnly = false;
    bool m_forwardOnly = false;
    QString m_source;
    QString m_sql;

    // Table-type state.
    QString m_indexName;
    QStringList m_keyColumns;
    SqliteStatement m_stFirst, m_stLast, m_stNext, m_stPrev, m_stByRowid;
    SqliteStatement m_stNextNullSafe, m_stPrevNullSafe, m_stAnyNullKey;
    std::map<int, SqliteStatement> m_stSeek;
    std::optional<Position> m_position;

    // Snapshot state.
    std::vector<FieldValues> m_rows;
    long m_rowIndex = -1;

    // The current record as stored, and as the members held it when it was read.
    FieldValues m_raw;
    FieldValues m_loaded;
    QStringList m_problems;

    bool m_bof = true;
    bool m_eof = true;
    bool m_deleted = false;
    int m_editMode = dbEditNone;
    Bookmark m_lastModified = 0;
};

} // namespace wsc
