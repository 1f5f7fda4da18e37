#include "document/RecipeLogRows.h"

#include "db/records/CRecordSetRecipeLog.h"

#include <algorithm>
#include <cstring>

namespace wsc {
namespace {

QDate parseLogDate(const QString& text) {
    if (text.isEmpty())
        return QDate(1, 1, 1);
    return QDate::fromString(text, QStringLiteral("M/d/yyyy"));
}

} // namespace

LogSortKind RecipeLogRows::kindOf(int column) {
    switch (column) {
    case 0:
        return LogSortKind::Number;
    case 2:
        return LogSortKind::Date;
    default:
        return LogSortKind::Text;
    }
}

int RecipeLogRows::compare(LogSortKind kind, const QString& a, const QString& b) {
    switch (kind) {
    case LogSortKind::Number: {
        const long long d = a.toLongLong() - b.toLongLong();
        return d < 0 ? -1 : (d > 0 ? 1 : 0);
    }
    case LogSortKind::Date: {
        const QDate da = parseLogDate(a);
        const QDate db = parseLogDate(b);
        // A date that does not read counts as equal to anything.
        if (!da.isValid() || !db.isValid())
            return 0;
        const qint64 days = db.daysTo(da);
        return days < 0 ? -1 : (days > 0 ? 1 : 0);
    }
    case LogSortKind::Text:
        break;
    }
    const QByteArray ba = a.toUtf8();
    const QByteArray bb = b.toUtf8();
    const int c = std::memcmp(ba.constData(), bb.constData(),
                              static_cast<std::size_t>(std::min(ba.size(), bb.size())));
    if (c != 0)
        return c;
    return ba.size() < bb.size() ? -1 : (ba.size() > bb.size() ? 1 : 0);
}

void RecipeLogRows::sort(std::vector<RecipeLogRow>& rows, int column, bool ascending) {
    const LogSortKind kind = kindOf(column);
    std::stable_sort(rows.begin(), rows.end(), [&](const RecipeLogRow& x, const RecipeLogRow& y) {
        const int c = compare(kind, x.cells.value(column), y.cells.value(column));
        return ascending ? c < 0 : c > 0;
    });
}

QString RecipeLogRows::dateText(const QDateTime& date) {
    if (!date.isValid())
        return {};
    const QDate d = date.date();
    return QString::asprintf("%lu/%lu/%lu", static_cast<unsigned long>(d.month()),
                             static_cast<unsigned long>(d.day()),
                             static_cast<unsigned long>(d.year()));
}

std::vector<RecipeLogRow> RecipeLogRows::read(CRecordSetRecipeLog& log) {
    std::vector<RecipeLogRow> rows;
    if (log.IsBOF() && log.IsEOF())
        return rows;
    log.MoveFirst();
    while (!log.IsEOF()) {
        RecipeLogRow row;
        row.recipeId = log.m_RecipeID;
        row.cells = {QString::asprintf("%lu", static_cast<unsigned long>(log.m_RecipeBatchNo)),
                     log.m_RecipeName,
                     dateText(log.m_RecipeDateBrewed),
                     log.m_RecipeTargetStyle,
                     log.m_RecipeTargetCategory,
                     log.m_RecipeTargetSubcategory};
        rows.push_back(std::move(row));
        log.MoveNext();
    }
    return rows;
}

} // namespace wsc
