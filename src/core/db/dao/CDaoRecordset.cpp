#include "core/db/dao/CDaoRecordset.h"

#include "core/db/dao/CDaoDatabase.h"
#include "core/db/dao/CDaoException.h"

#include <QSet>

#include <cmath>
#include <limits>

namespace wsc {

namespace {

QString q(const QString& identifier) {
    return SqliteConnection::quoteIdentifier(identifier);
}

// Queries that expose an ingredient row's own identifier return rows in the order entered.
constexpr const char* kRowIdColumn = "IngRowID";

CDaoException noCurrentRecord() {
    return CDaoException(CDaoException::kNoCurrentRecord, QStringLiteral("No current record."));
}

QString shown(const QVariant& v) {
    QString t = v.toString();
    if (t.size() > 40)
        t = t.left(37) + QStringLiteral("...");
    return t;
}

bool isWhole(const QVariant& raw, qlonglong lo, qlonglong hi, QString& problem) {
    switch (raw.typeId()) {
    case QMetaType::LongLong: {
        const qlonglong v = raw.toLongLong();
        if (v < lo || v > hi)
            problem =
                QStringLiteral("holds %1, beyond the whole numbers this field keeps (%2 to %3)")
                    .arg(v)
                    .arg(lo)
                    .arg(hi);
        return problem.isEmpty();
    }
    case QMetaType::Double:
        problem = QStringLiteral("holds %1, not a whole number").arg(raw.toDouble(), 0, 'g', 17);
        return false;
    case QMetaType::QByteArray:
        problem = QStringLiteral("holds binary data, not a number");
        return false;
    default:
        problem = QStringLiteral("holds the text \"%1\", not a number").arg(shown(raw));
        return false;
    }
}

} // namespace

QString StoredValueProblem(FieldType type, const QVariant& raw, bool required) {
    if (raw.isNull())
        return required ? QStringLiteral("is empty") : QString();
    QString problem;
    switch (type) {
    case FieldType::Text:
        break;
    case FieldType::Long:
        isWhole(raw, std::numeric_limits<std::int32_t>::min(),
                std::numeric_limits<std::int32_t>::max(), problem);
        break;
    case FieldType::Integer:
        isWhole(raw, std::numeric_limits<std::int16_t>::min(),
                std::numeric_limits<std::int16_t>::max(), problem);
        break;
    case FieldType::Boolean:
        if (raw.typeId() != QMetaType::LongLong)
            isWhole(raw, 0, 1, problem);
        break;
    case FieldType::Double:
        if (raw.typeId() == QMetaType::Double) {
            if (!std::isfinite(raw.toDouble()))
                problem = QStringLiteral("holds %1, not a finite number").arg(raw.toDouble());
        } else if (raw.typeId() != QMetaType::LongLong) {
            problem = raw.typeId() == QMetaType::QByteArray
                          ? QStringLiteral("holds binary data, not a number")
                          : QStringLiteral("holds the text \"%1\", not a number").arg(shown(raw));
        }
        break;
    case FieldType::Date:
        if (raw.typeId() != QMetaType::QString ||
            !QDateTime::fromString(raw.toString(), Qt::ISODate).isValid())
            problem = QStringLiteral("holds \"%1\", not a date").arg(shown(raw));
        break;
    }
    return problem;
}

bool SameFieldValue(const QVariant& a, const QVariant& b) {
    if (a.isNull() || b.isNull())
        return a.isNull() && b.isNull();
    if (a.typeId() == QMetaType::Double || b.typeId() == QMetaType::Double)
        return a.toDouble() == b.toDouble();
    if (a.typeId() == QMetaType::LongLong && b.typeId() == QMetaType::LongLong)
        return a.toLongLong() == b.toLongLong();
    return a.toString() == b.toString() && a.typeId() == b.typeId();
}

int RecordLayout::indexOf(const QString& column) const {
    for (std::size_t i = 0; i < count; ++i)
        if (column == QLatin1String(columns[i].name))
            return static_cast<int>(i);
    return -1;
}

CDaoRecordset::CDaoRecordset(CDaoDatabase* database) : m_pDatabase(database) {}

CDaoRecordset::~CDaoRecordset() = default;

QString CDaoRecordset::GetDefaultSQL() const {
    return u'[' + QString::fromLatin1(layout().source) + u']';
}

QString CDaoRecordset::sourceName() const {
    return m_source;
}

void CDaoRecordset::Open(int openType, const QString& sql, int options) {
    Close();
    if (!m_pDatabase || !m_pDatabase->IsOpen()) {
        m_ownDatabase = std::make_unique<CDaoDatabase>();
        m_ownDatabase->Open(GetDefaultDBName(), false, (options & dbReadOnly) != 0);
        m_pDatabase = m_ownDatabase.get();
    }
    m_sql = sql.isEmpty() ? GetDefaultSQL() : sql;
    if (!m_sql.startsWith(u'[') || !m_sql.endsWith(u']'))
        throw CDaoException(3078, QStringLiteral("Only a table or saved query name in square "
                                                 "brackets can be opened (%1).")
                                      .arg(m_sql));
    m_source = m_sql.mid(1, m_sql.size() - 2);
    const bool table = m_pDatabase->isTable(m_source);
    if (!table && !m_pDatabase->isQuery(m_source))
        throw CDaoException(3078, QStringLiteral("The database engine cannot find the input "
                                                 "table or query '%1'.")
                                      .arg(m_source));
    if (openType == dbOpenDefault)
        openType = table ? dbOpenTable : dbOpenSnapshot;
    if (!table && openType == dbOpenTable)
        openType = dbOpenSnapshot;
    m_type = openType;
    m_readOnly = (options & dbReadOnly) != 0 || m_type == dbOpenSnapshot || !table;
    m_forwardOnly = (options & dbForwardOnly) != 0;
    checkSchema();
    m_open = true;
    m_editMode = dbEditNone;
    m_lastModified = 0;
    if (m_type == dbOpenSnapshot || !table) {
        loadSnapshot();
    } else {
        m_indexName.clear();
        m_keyColumns.clear();
        prepareTableStatements();
        MoveFirst();
    }
}

void CDaoRecordset::Close() {
    m_stFirst = {};
    m_stLast = {};
    m_stNext = {};
    m_stPrev = {};
    m_stByRowid = {};
    m_stNextNullSafe = {};
    m_stPrevNullSafe = {};
    m_stAnyNullKey = {};
    m_stSeek.clear();
    m_rows.clear();
    m_raw.clear();
    m_loaded.clear();
    m_problems.clear();
    m_position.reset();
    m_open = false;
    m_editMode = dbEditNone;
    m_bof = m_eof = true;
    if (m_ownDatabase) {
        m_ownDatabase.reset();
        m_pDatabase = nullptr;
    }
}

void CDaoRecordset::checkOpen() const {
    if (!m_open)
        throw CDaoException(3420, QStringLiteral("The record set is not open."));
}

void CDaoRecordset::checkCurrent() const {
    checkOpen();
    if (!HasCurrentRecord())
        throw noCurrentRecord();
}

void CDaoRecordset::checkSchema() {
    QSet<QString> present;
    SqliteStatement st =
        m_pDatabase->connection().prepare(QStringLiteral("SELECT name FROM pragma_table_info(?)"));
    st.bindText(1, m_source);
    while (st.step())
        present.insert(st.text(0));
    const RecordLayout& l = layout();
    for (std::size_t i = 0; i < l.count; ++i) {
        const QString col = QString::fromLatin1(l.columns[i].name);
        if (!present.contains(col))
            throw CDaoException(CDaoException::kItemNotFound,
                                QStringLiteral("The column '%1' that this program reads is "
                                               "missing from '%2' in %3.")
                                    .arg(col, m_source, m_pDatabase->GetName()));
    }
}

QString CDaoRecordset::selectList() const {
    QStringList cols;
    const RecordLayout& l = layout();
    for (std::size_t i = 0; i < l.count; ++i)
        cols << q(QString::fromLatin1(l.columns[i].name));
    return cols.join(u',');
}

void CDaoRecordset::prepareTableStatements() {
    SqliteConnection& c = m_pDatabase->connection();
    QStringList keys;
    for (const QString& k : m_keyColumns)
        keys << q(k);
    keys << QStringLiteral("rowid");
    QStringList desc;
    for (const QString& k : keys)
        desc << k + QStringLiteral(" DESC");
    QStringList marks(keys.size(), QStringLiteral("?"));
    const QString base =
        QStringLiteral("SELECT %1,%2 FROM %3 ").arg(keys.join(u','), selectList(), q(m_source));
    const QString tuple = u'(' + keys.join(u',') + u')';
    const QString params = u'(' + marks.join(u',') + u')';
    const QString asc = QStringLiteral(" ORDER BY ") + keys.join(u',') + QStringLiteral(" LIMIT 1");
    const QString dsc = QStringLiteral(" ORDER BY ") + desc.join(u',') + QStringLiteral(" LIMIT 1");
    m_stFirst = c.prepare(base + asc);
    m_stLast = c.prepare(base + dsc);
    m_stNext =
        c.prepare(base + QStringLiteral("WHERE ") + tuple + QStringLiteral(" > ") + params + asc);
    m_stPrev =
        c.prepare(base + QStringLiteral("WHERE ") + tuple + QStringLiteral(" < ") + params + dsc);
    m_stByRowid = c.prepare(base + QStringLiteral("WHERE rowid = ?"));
    m_stSeek.clear();

    // A NULL key sorts first, but compares as neither more nor less than anything, so the
    // quick row-value look-ups above would skip such rows. These spell the order out.
    const int n = static_cast<int>(m_keyColumns.size());
    QString after = QStringLiteral("rowid > ?%1").arg(n + 1);
    QString before = QStringLiteral("rowid < ?%1").arg(n + 1);
    for (int i = n - 1; i >= 0; --i) {
        const QString k = q(m_keyColumns.at(i));
        const QString p = QStringLiteral("?%1").arg(i + 1);
        after = QStringLiteral("(%1 > %2 OR (%2 IS NULL AND %1 IS NOT NULL) OR (%1 IS %2 AND %3))")
                    .arg(k, p, after);
        before = QStringLiteral("(%1 < %2 OR (%1 IS NULL AND %2 IS NOT NULL) OR (%1 IS %2 AND %3))")
                     .arg(k, p, before);
    }
    m_stNextNullSafe = c.prepare(base + QStringLiteral("WHERE ") + after + asc);
    m_stPrevNullSafe = c.prepare(base + QStringLiteral("WHERE ") + before + dsc);
    QStringList nulls;
    for (const QString& k : m_keyColumns)
        nulls << q(k) + QStringLiteral(" IS NULL");
    m_stAnyNullKey = nulls.isEmpty()
                         ? SqliteStatement()
                         : c.prepare(QStringLiteral("SELECT 1 FROM %1 WHERE %2 LIMIT 1")
                                         .arg(q(m_source), nulls.join(QStringLiteral(" OR "))));
}

bool CDaoRecordset::nullKeysInPlay() {
    for (const QVariant& k : m_position->keys) {
        if (k.isNull())
            return true;
    }
    if (!m_stAnyNullKey.isValid())
        return false;
    const bool any = m_stAnyNullKey.step();
    m_stAnyNullKey.reset();
    return any;
}

void CDaoRecordset::takeRow(FieldValues raw) {
    loadFields(raw);
    m_loaded = fieldValues();
    m_problems.clear();
    const RecordLayout& l = layout();
    for (std::size_t i = 0; i < l.count; ++i) {
        const QString column = QString::fromLatin1(l.columns[i].name);
        const QString problem =
            StoredValueProblem(l.columns[i].type, raw[i], m_keyColumns.contains(column));
        if (!problem.isEmpty())
            m_problems << column + u' ' + problem;
    }
    m_raw = std::move(raw);
}

bool CDaoRecordset::fetchInto(SqliteStatement& st) {
    const bool row = st.step();
    if (row) {
        Position p;
        const int nKeys = static_cast<int>(m_keyColumns.size());
        for (int i = 0; i < nKeys; ++i)
            p.keys << st.value(i);
        p.rowid = st.int64(nKeys);
        FieldValues values(layout().count);
        for (std::size_t i = 0; i < values.size(); ++i)
            values[i] = st.value(nKeys + 1 + static_cast<int>(i));
        takeRow(std::move(values));
        m_position = std::move(p);
        m_deleted = false;
        m_bof = m_eof = false;
    }
    st.reset();
    return row;
}

void CDaoRecordset::clearPosition(bool bof, bool eof) {
    m_bof = bof;
    m_eof = eof;
    m_deleted = false;
}

void CDaoRecordset::SetCurrentIndex(const QString& indexName) {
    checkOpen();
    if (m_type != dbOpenTable)
        throw CDaoException(3251, QStringLiteral("Operation is not supported for this type of "
                                                 "object (index on '%1').")
                                      .arg(m_source));
    const QStringList cols = m_pDatabase->indexColumns(indexName);
    if (cols.isEmpty())
        throw CDaoException(
            CDaoException::kNotAnIndex,
            QStringLiteral("'%1' is not an index in table '%2'.").arg(indexName, m_source));
    m_indexName = indexName;
    m_keyColumns = cols;
    m_editMode = dbEditNone;
    prepareTableStatements();
    MoveFirst();
}

bool CDaoRecordset::Seek(const QString& comparison, const QVariantList& keys) {
    checkOpen();
    if (comparison != QLatin1String("="))
        throw CDaoException(3251, QStringLiteral("Only the \"=\" comparison is supported."));
    if (m_keyColumns.isEmpty())
        throw CDaoException(3019, QStringLiteral("Operation invalid without a current index."));
    const int n = static_cast<int>(keys.size());
    if (n < 1 || n > m_keyColumns.size())
        throw CDaoException(
            3251, QStringLiteral("Seek takes 1 to %1 key values.").arg(m_keyColumns.size()));
    m_editMode = dbEditNone;
    auto it = m_stSeek.find(n);
    if (it == m_stSeek.end()) {
        QStringList keyCols, conds;
        for (const QString& k : m_keyColumns)
            keyCols << q(k);
        keyCols << QStringLiteral("rowid");
        for (int i = 0; i < n; ++i)
            conds << q(m_keyColumns.at(i)) + QStringLiteral(" = ?");
        const QString sql = QStringLiteral("SELECT %1,%2 FROM %3 WHERE %4 ORDER BY %1 LIMIT 1")
                                .arg(keyCols.join(u','), selectList(), q(m_source),
                                     conds.join(QStringLiteral(" AND ")));
        it = m_stSeek.emplace(n, m_pDatabase->connection().prepare(sql)).first;
    }
    for (int i = 0; i < n; ++i)
        it->second.bind(i + 1, keys.at(i));
    return fetchInto(it->second);
}

void CDaoRecordset::MoveFirst() {
    checkOpen();
    m_editMode = dbEditNone;
    if (m_type == dbOpenSnapshot) {
        m_rowIndex = 0;
        showSnapshotRow();
        return;
    }
    if (!fetchInto(m_stFirst)) {
        m_position.reset();
        clearPosition(true, true);
    }
}

void CDaoRecordset::MoveLast() {
    checkOpen();
    m_editMode = dbEditNone;
    if (m_type == dbOpenSnapshot) {
        if (m_forwardOnly)
            throw CDaoException(3251, QStringLiteral("A forward-only set cannot move last."));
        m_rowIndex = static_cast<long>(m_rows.size()) - 1;
        showSnapshotRow();
        return;
    }
    if (!fetchInto(m_stLast)) {
        m_position.reset();
        clearPosition(true, true);
    }
}

void CDaoRecordset::MoveNext() {
    checkOpen();
    if (m_eof)
        throw noCurrentRecord();
    m_editMode = dbEditNone;
    if (m_type == dbOpenSnapshot) {
        ++m_rowIndex;
        showSnapshotRow();
        return;
    }
    if (m_bof || !m_position) {
        MoveFirst();
        return;
    }
    SqliteStatement& st = nullKeysInPlay() ? m_stNextNullSafe : m_stNext;
    const int n = static_cast<int>(m_position->keys.size());
    for (int i = 0; i < n; ++i)
        st.bind(i + 1, m_position->keys.at(i));
    st.bindInt64(n + 1, m_position->rowid);
    if (!fetchInto(st))
        clearPosition(false, true);
}

void CDaoRecordset::MovePrev() {
    checkOpen();
    if (m_bof)
        throw noCurrentRecord();
    m_editMode = dbEditNone;
    if (m_type == dbOpenSnapshot) {
        if (m_forwardOnly)
            throw CDaoException(3251, QStringLiteral("A forward-only set cannot move back."));
        --m_rowIndex;
        showSnapshotRow();
        return;
    }
    if (m_eof || !m_position) {
        MoveLast();
        return;
    }
    SqliteStatement& st = nullKeysInPlay() ? m_stPrevNullSafe : m_stPrev;
    const int n = static_cast<int>(m_position->keys.size());
    for (int i = 0; i < n; ++i)
        st.bind(i + 1, m_position->keys.at(i));
    st.bindInt64(n + 1, m_position->rowid);
    if (!fetchInto(st))
        clearPosition(true, false);
}

void CDaoRecordset::Move(int rows) {
    checkOpen();
    if (rows != 0)
        throw CDaoException(3251, QStringLiteral("Only Move(0) is supported."));
    m_editMode = dbEditNone;
    reloadCurrent();
}

void CDaoRecordset::reloadCurrent() {
    if (m_type == dbOpenSnapshot) {
        showSnapshotRow();
        return;
    }
    if (!m_position || m_bof || m_eof)
        return;
    m_stByRowid.bindInt64(1, m_position->rowid);
    if (!fetchInto(m_stByRowid))
        m_deleted = true;
}

void CDaoRecordset::loadSnapshot() {
    QString sql = QStringLiteral("SELECT %1 FROM %2").arg(selectList(), q(m_source));
    {
        SqliteStatement info = m_pDatabase->connection().prepare(
            QStringLiteral("SELECT 1 FROM pragma_table_info(?) WHERE name = ?"));
        info.bindText(1, m_source);
        info.bindText(2, QString::fromLatin1(kRowIdColumn));
        if (info.step())
            sql += QStringLiteral(" ORDER BY ") + q(QString::fromLatin1(kRowIdColumn));
    }
    SqliteStatement st = m_pDatabase->connection().prepare(sql);
    m_rows.clear();
    const std::size_t n = layout().count;
    while (st.step()) {
        FieldValues values(n);
        for (std::size_t i = 0; i < n; ++i)
            values[i] = st.value(static_cast<int>(i));
        m_rows.push_back(std::move(values));
    }
    m_rowIndex = 0;
    showSnapshotRow();
}

void CDaoRecordset::showSnapshotRow() {
    const long n = static_cast<long>(m_rows.size());
    m_deleted = false;
    if (n == 0) {
        m_bof = m_eof = true;
        return;
    }
    if (m_rowIndex < 0) {
        m_rowIndex = -1;
        m_bof = true;
        m_eof = false;
        return;
    }
    if (m_rowIndex >= n) {
        m_rowIndex = n;
        m_bof = false;
        m_eof = true;
        return;
    }
    m_bof = m_eof = false;
    takeRow(m_rows[static_cast<std::size_t>(m_rowIndex)]);
}

long CDaoRecordset::GetRecordCount() {
    checkOpen();
    if (m_type == dbOpenSnapshot)
        return static_cast<long>(m_rows.size());
    return static_cast<long>(m_pDatabase->connection()
                                 .scalar(QStringLiteral("SELECT count(*) FROM ") + q(m_source))
                                 .toLongLong());
}

void CDaoRecordset::Requery() {
    checkOpen();
    m_editMode = dbEditNone;
    if (m_type == dbOpenSnapshot)
        loadSnapshot();
    else
        MoveFirst();
}

void CDaoRecordset::AddNew() {
    checkOpen();
    if (!CanUpdate())
        throw CDaoException(CDaoException::kNotUpdatable,
                            QStringLiteral("Cannot update. Database or object is read-only."));
    resetFields();
    m_editMode = dbEditAdd;
}

void CDaoRecordset::Edit() {
    checkCurrent();
    if (!CanUpdate())
        throw CDaoException(CDaoException::kNotUpdatable,
                            QStringLiteral("Cannot update. Database or object is read-only."));
    m_editMode = dbEditInProgress;
}

void CDaoRecordset::Update() {
    checkOpen();
    if (m_editMode == dbEditNone)
        throw CDaoException(3020, QStringLiteral("Update or CancelUpdate without AddNew or Edit."));
    const RecordLayout& l = layout();
    FieldValues values;
    storeFields(values);
    SqliteConnection& c = m_pDatabase->connection();
    if (m_editMode == dbEditAdd) {
        QStringList cols;
        QVariantList binds;
        for (std::size_t i = 0; i < l.count; ++i) {
            if (l.autoKey && qstrcmp(l.columns[i].name, l.autoKey) == 0)
                continue;
            cols << q(QString::fromLatin1(l.columns[i].name));
            binds << values[i];
        }
        m_pDatabase->checkFileForWriting();
        QStringList marks(cols.size(), QStringLiteral("?"));
        SqliteStatement st = c.prepare(QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                                           .arg(q(m_source), cols.join(u','), marks.join(u',')));
        for (int i = 0; i < binds.size(); ++i)
            st.bind(i + 1, binds.at(i));
        st.exec();
        m_lastModified = c.lastInsertRowId();
        m_editMode = dbEditNone;
        // The current record stays the one that was current before AddNew.
        reloadCurrent();
        return;
    }
    checkCurrent();
    // Only what the edit changed is written: a value the program cannot show exactly, or one
    // of a type it does not expect, stays as stored unless it was changed.
    QStringList sets;
    QVariantList binds;
    for (std::size_t i = 0; i < l.count; ++i) {
        if (l.autoKey && qstrcmp(l.columns[i].name, l.autoKey) == 0)
            continue;
        if (i < m_loaded.size() && SameFieldValue(values[i], m_loaded[i]))
            continue;
        sets << q(QString::fromLatin1(l.columns[i].name)) + QStringLiteral(" = ?");
        binds << values[i];
    }
    if (sets.isEmpty()) {
        m_editMode = dbEditNone;
        return;
    }
    m_pDatabase->checkFileForWriting();
    // Optimistic locking: the row must still hold what was read, else someone else changed
    // or deleted it meanwhile and the edit is not written over that.
    QStringList same;
    for (std::size_t i = 0; i < l.count && i < m_raw.size(); ++i)
        same << q(QString::fromLatin1(l.columns[i].name)) + QStringLiteral(" IS ?");
    SqliteStatement st =
        c.prepare(QStringLiteral("UPDATE %1 SET %2 WHERE rowid = ? AND %3")
                      .arg(q(m_source), sets.join(u','), same.join(QStringLiteral(" AND "))));
    int p = 1;
    for (const QVariant& v : binds)
        st.bind(p++, v);
    st.bindInt64(p++, m_position->rowid);
    for (std::size_t i = 0; i < l.count && i < m_raw.size(); ++i)
        st.bind(p++, m_raw[i]);
    st.exec();
    if (c.changes() == 0)
        throw rowChangedOrDeleted();
    m_lastModified = m_position->rowid;
    m_editMode = dbEditNone;
    reloadCurrent();
}

CDaoException CDaoRecordset::rowChangedOrDeleted() {
    SqliteStatement st = m_pDatabase->connection().prepare(
        QStringLiteral("SELECT 1 FROM %1 WHERE rowid = ?").arg(q(m_source)));
    st.bindInt64(1, m_position->rowid);
    if (!st.step())
        return CDaoException(
            kRecordDeleted, QStringLiteral("Record is deleted. Another program deleted it after it "
                                           "was read; nothing was written."));
    return CDaoException(kWriteConflict,
                         QStringLiteral("The database engine stopped the process because you and "
                                        "another user are attempting to change the same data at "
                                        "the same time. The record was changed by another program "
                                        "after it was read; nothing was written."));
}

void CDaoRecordset::CancelUpdate() {
    checkOpen();
    m_editMode = dbEditNone;
    if (!m_bof && !m_eof && !m_deleted)
        reloadCurrent();
    else
        resetFields();
}

void CDaoRecordset::Delete() {
    checkCurrent();
    if (!CanUpdate())
        throw CDaoException(CDaoException::kNotUpdatable,
                            QStringLiteral("Cannot update. Database or object is read-only."));
    m_pDatabase->checkFileForWriting();
    SqliteStatement st = m_pDatabase->connection().prepare(
        QStringLiteral("DELETE FROM %1 WHERE rowid = ?").arg(q(m_source)));
    st.bindInt64(1, m_position->rowid);
    st.exec();
    if (m_pDatabase->connection().changes() == 0)
        throw rowChangedOrDeleted();
    m_editMode = dbEditNone;
    m_deleted = true;
}

CDaoRecordset::Bookmark CDaoRecordset::GetBookmark() const {
    checkCurrent();
    if (m_type == dbOpenSnapshot)
        return m_rowIndex;
    return m_position->rowid;
}

CDaoRecordset::Bookmark CDaoRecordset::GetLastModifiedBookmark() const {
    checkOpen();
    if (m_lastModified == 0)
        throw noCurrentRecord();
    return m_lastModified;
}

void CDaoRecordset::SetBookmark(Bookmark bookmark) {
    checkOpen();
    m_editMode = dbEditNone;
    if (m_type == dbOpenSnapshot) {
        m_rowIndex = static_cast<long>(bookmark);
        showSnapshotRow();
        return;
    }
    m_stByRowid.bindInt64(1, bookmark);
    if (!fetchInto(m_stByRowid))
        throw CDaoException(3159, QStringLiteral("Not a valid bookmark."));
}

FieldValues CDaoRecordset::fieldValues() const {
    FieldValues values;
    storeFields(values);
    return values;
}

void CDaoRecordset::setFieldValues(const FieldValues& values) {
    loadFields(values);
}

QVariant CDaoRecordset::GetFieldValue(const QString& column) const {
    const int i = layout().indexOf(column);
    if (i < 0)
        throw CDaoException(CDaoException::kItemNotFound,
                            QStringLiteral("Item not found in this collection (%1).").arg(column));
    return fieldValues()[static_cast<std::size_t>(i)];
}

void CDaoRecordset::SetFieldValue(const QString& column, const QVariant& value) {
    const int i = layout().indexOf(column);
    if (i < 0)
        throw CDaoException(CDaoException::kItemNotFound,
                            QStringLiteral("Item not found in this collection (%1).").arg(column));
    FieldValues values = fieldValues();
    values[static_cast<std::size_t>(i)] = value;
    loadFields(values);
}

} // namespace wsc
