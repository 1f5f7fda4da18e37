#include "core/calc/UtilizationTable.h"

#include "core/db/SqliteConnection.h"
#include "core/db/dao/CDaoDatabase.h"
#include "core/db/dao/CDaoException.h"
#include "core/db/records/CRecordSetHopsUtilization.h"
#include "core/db/records/Columns.h"
#include "core/settings/MessageCatalog.h"
#include "core/settings/Prompter.h"

#include <QFile>

#include <cmath>

namespace wsc {

void UtilizationTable::load(CDaoDatabase& data) {
    CRecordSetHopsUtilization rs(&data);
    rs.Open();
    load(rs);
}

void UtilizationTable::load(CRecordSetHopsUtilization& rs) {
    clear();
    const QString index = QStringLiteral("IndexBoilIndexOG");
    // The index must be there, as for moving through the set; the rows are then read in its
    // order (a NULL key first, then by row) in one statement instead of one look-up a row.
    rs.SetCurrentIndex(index);
    CDaoDatabase& db = *rs.m_pDatabase;
    QStringList order;
    for (const QString& column : db.indexColumns(index))
        order << SqliteConnection::quoteIdentifier(column);
    order << QStringLiteral("rowid");
    SqliteStatement st = db.connection().prepare(
        QStringLiteral("SELECT %1 FROM %2 ORDER BY %3")
            .arg(SqliteConnection::quoteIdentifier(
                     QString::fromLatin1(col::data::HopsUtil_Utilization)),
                 SqliteConnection::quoteIdentifier(QString::fromLatin1(rs.layout().source)),
                 order.join(u',')));
    for (int i = 0; i < kEntries; ++i) {
        if (!st.step())
            throw CDaoException(CDaoException::kNoCurrentRecord,
                                QStringLiteral("No current record: the hop utilization table "
                                               "holds %1 rows, %2 are needed.")
                                    .arg(i)
                                    .arg(kEntries));
        // A value that is no finite fraction counts as one the load never reached; a value
        // is read as the record reads it.
        const double u = fields::From<double>(st.value(0));
        const bool usable = std::isfinite(u) && u >= 0;
        m_entries[static_cast<std::size_t>(i)] = usable ? u : 0.0;
        m_loaded[static_cast<std::size_t>(i)] = usable;
    }
}

UtilizationTable UtilizationTable::shipped() {
    QFile script(QStringLiteral(":/wsc/reference/90_hops_utilization.sql"));
    if (!script.open(QIODevice::ReadOnly))
        throw CDaoException(3024, QStringLiteral("The shipped hop utilization table is missing."));
    SqliteConnection c(QStringLiteral("shipped utilization"), SqliteConnection::Mode::Memory);
    c.exec(QStringLiteral("CREATE TABLE HopsUtilization (HopsUtil_BoilIndex, HopsUtil_BoilTime, "
                          "HopsUtil_OriginalGravity, HopsUtil_Utilization)"));
    c.exec(QString::fromUtf8(script.readAll()));
    SqliteStatement st = c.prepare(QStringLiteral(
        "SELECT HopsUtil_Utilization FROM HopsUtilization ORDER BY HopsUtil_BoilIndex, "
        "HopsUtil_OriginalGravity"));
    UtilizationTable table;
    for (int i = 0; i < kEntries && st.step(); ++i) {
        table.m_entries[static_cast<std::size_t>(i)] = st.real(0);
        table.m_loaded[static_cast<std::size_t>(i)] = true;
    }
    return table;
}

int UtilizationTable::groupFor(long t) {
    if (t < 63)
        return static_cast<int>(t / 3);
    if (t < 70)
        return 20;
    if (t < 80)
        return 21;
    if (t < 90)
        return 22;
    if (t < 120)
        return 23;
    return 24;
}

int UtilizationTable::columnFor(double og) {
    return static_cast<int>((og - 1) * 100 - 3 + 0.5);
}

double UtilizationTable::lookup(long t, double og, bool interactive, Prompter* prompter,
                                const std::function<void(const QString&)>& addMessage) const {
    int problems = 0;
    auto report = [&](const QString& text) {
        if (interactive) {
            if (prompter)
                prompter->text(text, PromptIcon::Information, PromptButtons::Ok,
                               Msg::kHopBoundsWarning);
        } else if (addMessage) {
            addMessage(text);
        }
    };
    // Written so that a gravity that is no number is outside the table too.
    if (!(og >= 1.03 && og <= 1.13)) {
        problems = 1;
        report(MessageCatalog::format(Msg::kHopBoundsWarning, {QStringLiteral("Original Gravity"),
                                                               QString::asprintf("%.3f", og)}));
    }
    if (t < 3 || t > 120) {
        problems += 1;
        if (t == 0)
            report(MessageCatalog::text(Msg::kZeroBoilTime));
        else
            report(MessageCatalog::format(
                Msg::kHopBoundsWarning, {QStringLiteral("Boil Time"),
                                         QString::asprintf("%lu", static_cast<unsigned long>(t))}));
    }
    if (problems > 0)
        return 0.0;
    // An entry the load never filled counts as outside the table; one that holds 0 is a
    // utilization of 0.
    if (!isLoaded(groupFor(t), columnFor(og))) {
        report(MessageCatalog::format(Msg::kHopBoundsWarning,
                                      {QStringLiteral("Boil Time"),
                                       QString::asprintf("%lu", static_cast<unsigned long>(t))}));
        return 0.0;
    }
    return entry(groupFor(t), columnFor(og));
}

} // namespace wsc
