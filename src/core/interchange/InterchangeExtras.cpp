#include "core/interchange/InterchangeExtras.h"

#include "core/db/SqliteConnection.h"

namespace wsc {

InterchangeExtras::InterchangeExtras(SqliteConnection& c) : m_c(c) {
    SqliteStatement st =
        c.prepare(QStringLiteral("SELECT 1 FROM sqlite_schema WHERE type = 'table' AND name = ?"));
    st.bindText(1, QString::fromLatin1(kTable));
    m_present = st.step();
}

InterchangeExtras::~InterchangeExtras() = default;

void InterchangeExtras::prepareForWriting() {
    if (m_present)
        return;
    m_c.exec(QStringLiteral("CREATE TABLE IF NOT EXISTS \"%1\" (\"ExtraTable\" TEXT NOT NULL, "
                            "\"ExtraRowID\" INTEGER NOT NULL, \"ExtraElement\" TEXT NOT NULL, "
                            "\"ExtraValue\" TEXT, PRIMARY KEY (\"ExtraTable\", \"ExtraRowID\", "
                            "\"ExtraElement\")) WITHOUT ROWID")
                 .arg(QString::fromLatin1(kTable)));
    m_present = true;
}

void InterchangeExtras::put(const QString& table, qlonglong row, const QString& element,
                            const QString& value) {
    prepareForWriting();
    if (!m_put)
        m_put = std::make_unique<SqliteStatement>(
            m_c.prepare(QStringLiteral("INSERT OR REPLACE INTO \"%1\" VALUES (?, ?, ?, ?)")
                            .arg(QString::fromLatin1(kTable))));
    m_put->reset();
    m_put->bindText(1, table);
    m_put->bindInt64(2, row);
    m_put->bindText(3, element);
    m_put->bindText(4, value);
    m_put->exec();
}

std::map<QString, QString> InterchangeExtras::of(const QString& table, qlonglong row) {
    std::map<QString, QString> out;
    if (!m_present)
        return out;
    if (!m_of)
        m_of = std::make_unique<SqliteStatement>(
            m_c.prepare(QStringLiteral("SELECT \"ExtraElement\", \"ExtraValue\" FROM \"%1\" WHERE "
                                       "\"ExtraTable\" = ? AND \"ExtraRowID\" = ?")
                            .arg(QString::fromLatin1(kTable))));
    m_of->reset();
    m_of->bindText(1, table);
    m_of->bindInt64(2, row);
    while (m_of->step())
        out[m_of->text(0)] = m_of->text(1);
    return out;
}

} // namespace wsc
