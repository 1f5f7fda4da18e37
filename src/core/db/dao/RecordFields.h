#pragma once

#include <QDateTime>
#include <QString>
#include <QVariant>

#include <cstddef>
#include <cstdint>
#include <vector>

namespace wsc {

// Column types of the schema.
enum class FieldType { Text, Long, Integer, Double, Boolean, Date };

struct ColumnInfo {
    const char* name;
    FieldType type;
};

// What a record class binds: its default source, its columns in binding order, and the
// column the database assigns on insert (nullptr when there is none).
struct RecordLayout {
    const char* source;
    const ColumnInfo* columns;
    std::size_t count;
    const char* autoKey;

    int indexOf(const QString& column) const;
};

// What is wrong with a stored value for a column of this type ("holds the text \"abc\", not a
// number"), or an empty text when the column can use it. `required`: NULL is wrong too.
QString StoredValueProblem(FieldType type, const QVariant& raw, bool required);

// Two field values as the record class holds them are the same (NULL only equals NULL).
bool SameFieldValue(const QVariant& a, const QVariant& b);

using FieldValues = std::vector<QVariant>;

// C++ types of the column types and the conversions between stored values and members.
namespace fields {
using Text = QString;
// Long columns hold 32-bit numbers, but a file written by another tool may hold more: the
// members are wide enough to show such a value as it is rather than cut it.
using Long = std::int64_t;
using Integer = std::int16_t;
using Double = double;
using Boolean = bool;
using Date = QDateTime;

template <class T> T From(const QVariant& v);
template <> inline QString From<QString>(const QVariant& v) {
    return v.isNull() ? QString() : v.toString();
}
template <> inline std::int64_t From<std::int64_t>(const QVariant& v) {
    return v.isNull() ? 0 : v.toLongLong();
}
template <> inline std::int16_t From<std::int16_t>(const QVariant& v) {
    return v.isNull() ? 0 : static_cast<std::int16_t>(v.toLongLong());
}
template <> inline double From<double>(const QVariant& v) {
    return v.isNull() ? 0.0 : v.toDouble();
}
template <> inline bool From<bool>(const QVariant& v) {
    return !v.isNull() && v.toLongLong() != 0;
}
template <> inline QDateTime From<QDateTime>(const QVariant& v) {
    return v.isNull() ? QDateTime() : QDateTime::fromString(v.toString(), Qt::ISODate);
}

inline QVariant To(const QString& v) {
    return v;
}
inline QVariant To(std::int64_t v) {
    return QVariant::fromValue<qlonglong>(v);
}
inline QVariant To(std::int16_t v) {
    return QVariant::fromValue<qlonglong>(v);
}
inline QVariant To(double v) {
    return v;
}
inline QVariant To(bool v) {
    return QVariant::fromValue<qlonglong>(v ? 1 : 0);
}
inline QVariant To(const QDateTime& v) {
    return v.isValid() ? QVariant(v.toString(Qt::ISODate)) : QVariant();
}
} // namespace fields

} // namespace wsc

// A record class declares its columns once, as an X-macro list of (name, type, initial value);
// the members, the layout, field exchange and the new-record presets all derive from it.
#define WSC_FIELD_DECLARE(name, type, init) ::wsc::fields::type m_##name = init;
#define WSC_FIELD_INFO(name, type, init) {#name, ::wsc::FieldType::type},
#define WSC_FIELD_LOAD(name, type, init)                                                           \
    m_##name = ::wsc::fields::From<::wsc::fields::type>(v[i++]);
#define WSC_FIELD_STORE(name, type, init) v[i++] = ::wsc::fields::To(m_##name);
#define WSC_FIELD_RESET(name, type, init) m_##name = init;

#define WSC_RECORDSET_FIELDS(COLUMNS)                                                              \
public:                                                                                            \
    COLUMNS(WSC_FIELD_DECLARE)                                                                     \
    const ::wsc::RecordLayout& layout() const override;                                            \
    void loadFields(const ::wsc::FieldValues& v) override;                                         \
    void storeFields(::wsc::FieldValues& v) const override;                                        \
    void resetFields() override;

#define WSC_RECORDSET_IMPLEMENT(Class, Source, AutoKey, COLUMNS)                                   \
    const ::wsc::RecordLayout& Class::layout() const {                                             \
        static const ::wsc::ColumnInfo columns[] = {COLUMNS(WSC_FIELD_INFO)};                      \
        static const ::wsc::RecordLayout l{Source, columns, std::size(columns), AutoKey};          \
        return l;                                                                                  \
    }                                                                                              \
    void Class::loadFields(const ::wsc::FieldValues& v) {                                          \
        std::size_t i = 0;                                                                         \
        COLUMNS(WSC_FIELD_LOAD)                                                                    \
    }                                                                                              \
    void Class::storeFields(::wsc::FieldValues& v) const {                                         \
        v.resize(layout().count);                                                                  \
        std::size_t i = 0;                                                                         \
        COLUMNS(WSC_FIELD_STORE)                                                                   \
    }                                                                                              \
    void Class::resetFields() {                                                                    \
        COLUMNS(WSC_FIELD_RESET)                                                                   \
    }
