#include "core/reports/ReportRenderer.h"

#include "core/calc/BeerColor.h"
#include "core/calc/IngredientSheets.h"
#include "core/calc/Predictions.h"
#include "core/calc/RecipeCalculator.h"
#include "core/calc/UtilizationTable.h"
#include "core/db/SqliteConnection.h"
#include "core/db/dao/CDaoDatabase.h"
#include "core/db/dao/CDaoException.h"
#include "core/db/records/CRecordSetRecipe.h"
#include "core/db/records/Columns.h"

#include <QRegularExpression>
#include <QSet>
#include <QStringList>

#include <algorithm>
#include <cmath>
#include <functional>
#include <memory>
#include <set>

namespace wsc {

ReportError::ReportError(int code, const QString& text)
    : std::runtime_error(text.toStdString()), m_code(code), m_text(text) {}

namespace {
constexpr QChar kCellSeparator(0x1f);
} // namespace

ReportRow::ReportRow(const QStringList& cells, bool group)
    : m_size(static_cast<int>(cells.size())), m_group(group) {
    for (qsizetype i = 0; i < cells.size(); ++i) {
        if (i > 0)
            m_packed += kCellSeparator;
        const QString& c = cells.at(i);
        m_packed += c.contains(kCellSeparator) ? QString(c).replace(kCellSeparator, u' ') : c;
    }
    m_packed.squeeze();
}

QString ReportRow::cell(qsizetype i) const {
    if (i < 0 || i >= m_size)
        return {};
    qsizetype from = 0;
    for (qsizetype k = 0; k < i; ++k)
        from = m_packed.indexOf(kCellSeparator, from) + 1;
    const qsizetype to = m_packed.indexOf(kCellSeparator, from);
    return m_packed.mid(from, to < 0 ? -1 : to - from);
}

QStringList ReportRow::cells() const {
    return m_size == 0 ? QStringList() : m_packed.split(kCellSeparator);
}

namespace {

// The rows of one query, with their column names.
struct Rows {
    QStringList columns;
    std::vector<std::vector<QVariant>> rows;

    int index(const QString& column) const { return static_cast<int>(columns.indexOf(column)); }
};

QString html(const QString& text) {
    return text.toHtmlEscaped().replace(u'\n', QStringLiteral("<br>"));
}

// Every column a report file reads a value from, in any of its tables.
QSet<QString> ReferencedColumns(const ReportFile& file) {
    QSet<QString> used;
    auto value = [&](const ReportValue& v) {
        for (const QString& c : {v.column, v.unitsColumn, v.toColumn})
            used.insert(c);
        for (const QString& c : v.andColumns + v.plusColumns)
            used.insert(c);
    };
    auto source = [&](const ReportSource& s) {
        for (const QString& c : s.order)
            used.insert(c);
        used.insert(s.linkChild);
        used.insert(s.linkParent);
    };
    source(file.source);
    used.insert(file.groupColumn);
    for (const ReportColumn& c : file.columns)
        value(c.value);
    for (const ReportItem& item : file.items) {
        for (const ReportValue& v : item.parts)
            value(v);
        for (const auto& [label, v] : item.fields)
            value(v);
        value(item.memo);
        for (const auto& row : item.rows)
            for (const ReportValue& v : row)
                value(v);
    }
    for (const ReportSubreport& sub : file.subreports) {
        source(sub.source);
        for (const ReportColumn& c : sub.columns)
            value(c.value);
    }
    used.remove(QString());
    return used;
}

bool IsNumber(const QVariant& v) {
    return v.typeId() == QMetaType::Double || v.typeId() == QMetaType::LongLong ||
           v.typeId() == QMetaType::Int;
}

// A stored number, or a text that reads as one; none for any other text.
std::optional<double> NumberIn(const QVariant& v) {
    if (IsNumber(v))
        return v.toDouble();
    bool ok = false;
    const double d = v.toString().toDouble(&ok);
    return ok ? std::optional<double>(d) : std::nullopt;
}

// Whether a value holds what its column means by "never measured".
bool IsUnset(const ReportValue& value, const QVariant& v) {
    return value.unset && IsNumber(v) && std::abs(v.toDouble() - *value.unset) < 1e-9;
}

// Whether `text` already has `word` in it, standing as a word of its own.
bool HoldsWord(const QString& text, const QString& word) {
    for (qsizetype at = text.indexOf(word, 0, Qt::CaseInsensitive); at >= 0;
         at = text.indexOf(word, at + 1, Qt::CaseInsensitive)) {
        const qsizetype end = at + word.size();
        const bool startOk = at == 0 || !text.at(at - 1).isLetter();
        const bool endOk = end >= text.size() || !text.at(end).isLetter();
        if (startOk && endOk)
            return true;
    }
    return false;
}

// The figures a list of recipes may print beside its columns, computed for each recipe as the
// form computes them.
const char* const kPredictedColumns[] = {"PredictedOG",  "PredictedFG",  "PredictedABV",
                                         "PredictedIBU", "PredictedHBU", "PredictedColor",
                                         "PredictedSRM"};
// The recipe fields they are computed from.
const char* const kPredictionInputs[] = {col::recipe::RecipeID,
                                         col::recipe::RecipeBatchSize,
                                         col::recipe::RecipeBoilSize,
                                         col::recipe::RecipeMeasureEnglish,
                                         col::recipe::RecipeSystemEfficiencyExpected,
                                         col::recipe::RecipeFermPrimingName};

bool UsesPredictedColumns(const QSet<QString>& used) {
    return std::any_of(std::begin(kPredictedColumns), std::end(kPredictedColumns),
                       [&](const char* c) { return used.contains(QLatin1String(c)); });
}

QSet<QString> WithPredictionInputs(QSet<QString> used) {
    if (UsesPredictedColumns(used)) {
        for (const char* c : kPredictionInputs)
            used.insert(QLatin1String(c));
    }
    return used;
}

// Widths in per cent of the page, after the longest text of each column (a long text counts
// as less than its length: it wraps), gathered row by row.
class PercentWidths {
public:
    explicit PercentWidths(const QStringList& headers) {
        for (const QString& h : headers)
            m_longest.push_back(static_cast<double>(std::max<qsizetype>(4, h.size())));
    }
    void add(const QStringList& texts) {
        for (qsizetype c = 0; c < texts.size() && c < static_cast<qsizetype>(m_longest.size()); ++c)
            m_longest[static_cast<std::size_t>(c)] = std::max<double>(
                m_longest[static_cast<std::size_t>(c)], static_cast<double>(texts.at(c).size()));
    }
    std::vector<int> percent() const {
        std::vector<double> counted;
        double sum = 0;
        for (const double l : m_longest) {
            counted.push_back(l > 24 ? 24 + std::sqrt(l - 24) * 3 : l);
            sum += counted.back();
        }
        std::vector<int> out;
        for (const double l : counted)
            out.push_back(std::max(1, static_cast<int>(std::lround(l * 100 / sum))));
        return out;
    }

private:
    std::vector<double> m_longest;
};

class Renderer {
public:
    explicit Renderer(const ReportInputs& in)
        : m_in(in), m_file(*in.file), m_used(WithPredictionInputs(ReferencedColumns(*in.file))),
          m_listPredictions(!in.file->isRecordReport() && UsesPredictedColumns(m_used) &&
                            in.file->source.table == QLatin1String("Recipes")),
          m_predictions(
              std::any_of(in.file->subreports.begin(), in.file->subreports.end(),
                          [](const ReportSubreport& s) { return s.source.predictions; })) {}

    RenderedReport run() {
        RenderedReport out;
        out.title = m_file.title;
        out.printDate = m_in.printDate;
        out.rows = m_file.isRecordReport() ? recordReport() : listReport();
        for (const QString& note : m_in.notes)
            add(ReportBlock::Kind::Note, note);
        out.blocks = std::move(m_blocks);
        return out;
    }

private:
    SqliteConnection& connection(const QString& path) {
        auto it = m_connections.find(path);
        if (it != m_connections.end())
            return *it->second;
        try {
            auto c = std::make_unique<SqliteConnection>(path, SqliteConnection::Mode::ReadOnly);
            return *m_connections.emplace(path, std::move(c)).first->second;
        } catch (const CDaoException& e) {
            throw ReportError(ReportCode::kDatabase,
                              QStringLiteral("The data base %1 cannot be opened: %2")
                                  .arg(path, QString::fromUtf8(e.what())));
        }
    }

    // The columns of a table, or a clear error when the database has no such table.
    QStringList columnsOf(SqliteConnection& c, const QString& table) {
        QStringList cols;
        try {
            SqliteStatement st = c.prepare(QStringLiteral("SELECT name FROM pragma_table_info(?)"));
            st.bindText(1, table);
            while (st.step())
                cols << st.text(0);
        } catch (const CDaoException& e) {
            throw ReportError(ReportCode::kDatabase, QString::fromUtf8(e.what()));
        }
        if (cols.isEmpty())
            throw ReportError(
                ReportCode::kDatabase,
                QStringLiteral("The data base %1 has no table %2.").arg(c.path(), table));
        return cols;
    }

    void need(const QStringList& cols, const QString& column, const QString& table,
              const QString& path) const {
        if (!column.isEmpty() && !cols.contains(column))
            throw ReportError(
                ReportCode::kDatabase,
                QStringLiteral("The table %1 of %2 has no column %3.").arg(table, path, column));
    }

    using EachRow = std::function<void(const Rows&, const std::vector<QVariant>&)>;

    // The rows of a table, each handed to `each` as it is read: a list of many recipes is never
    // held whole. The rows passed with it name the columns and hold no rows.
    void select(const QString& path, const ReportSource& source,
                const std::optional<SelectionFormula>& formula,
                const std::optional<QVariant>& linkValue, const EachRow& each) {
        if (path.isEmpty())
            throw ReportError(
                ReportCode::kDatabase,
                QStringLiteral("No data base was given for the table %1.").arg(source.table));
        SqliteConnection& c = connection(path);
        const QStringList cols = columnsOf(c, source.table);
        // Only the columns the file reads are held, so a list of many rows holds a few values
        // of each; the predictions read the recipe's other fields, and get them all.
        QStringList read;
        for (const QString& col : cols) {
            if (m_predictions || m_used.contains(col))
                read << col;
        }
        if (read.isEmpty())
            read << cols.first();
        QStringList quoted;
        for (const QString& col : read)
            quoted << SqliteConnection::quoteIdentifier(col);
        QString sql = QStringLiteral("SELECT %1 FROM %2")
                          .arg(quoted.join(u','), SqliteConnection::quoteIdentifier(source.table));
        QVariant bound;
        if (formula) {
            if (formula->table != source.table)
                throw ReportError(ReportCode::kFormula,
                                  QStringLiteral("The selection formula names the table %1; the "
                                                 "report reads %2.")
                                      .arg(formula->table, source.table));
            need(cols, formula->column, source.table, path);
            sql += QStringLiteral(" WHERE %1 = ?")
                       .arg(SqliteConnection::quoteIdentifier(formula->column));
            bound = QVariant::fromValue<qlonglong>(formula->value);
        } else if (linkValue) {
            need(cols, source.linkChild, source.table, path);
            sql += QStringLiteral(" WHERE %1 = ?")
                       .arg(SqliteConnection::quoteIdentifier(source.linkChild));
            bound = *linkValue;
        }
        if (!source.order.isEmpty()) {
            QStringList order;
            for (const QString& o : source.order) {
                need(cols, o, source.table, path);
                order << SqliteConnection::quoteIdentifier(o);
            }
            sql += QStringLiteral(" ORDER BY ") + order.join(QStringLiteral(", "));
        }
        Rows shape;
        shape.columns = read;
        m_table = source.table;
        m_path = path;
        // The predictions of a list of recipes, one calculation run a row, as it is read.
        std::optional<Predictor> predictor;
        try {
            if (m_listPredictions && !linkValue && m_in.utilization) {
                predictor.emplace(path, *m_in.utilization, shape);
                for (const char* p : kPredictedColumns)
                    shape.columns << QLatin1String(p);
            }
            SqliteStatement st = c.prepare(sql);
            if (bound.isValid())
                st.bind(1, bound);
            std::vector<QVariant> row;
            while (st.step()) {
                row.clear();
                for (int i = 0; i < st.columnCount(); ++i)
                    row.push_back(st.value(i));
                if (predictor)
                    predictor->append(row);
                each(shape, row);
            }
        } catch (const CDaoException& e) {
            throw ReportError(ReportCode::kDatabase, QString::fromUtf8(e.what()));
        }
    }

    // The few rows of a section, held.
    Rows selectAll(const QString& path, const ReportSource& source,
                   const std::optional<QVariant>& linkValue) {
        Rows out;
        select(path, source, std::nullopt, linkValue,
               [&](const Rows& shape, const std::vector<QVariant>& row) {
                   if (out.columns.isEmpty())
                       out.columns = shape.columns;
                   out.rows.push_back(row);
               });
        return out;
    }

    // Runs the calculations of each recipe of a list from its row and its ingredients.
    class Predictor {
    public:
        Predictor(const QString& path, const UtilizationTable& table, const Rows& rows)
            : m_table(table) {
            m_db.Open(path, false, true);
            m_loader.emplace(m_db);
            for (const char* c : kPredictionInputs)
                m_at.push_back(rows.index(QLatin1String(c)));
        }
        void append(std::vector<QVariant>& row) {
            auto value = [&](std::size_t i) {
                return m_at[i] < 0 ? QVariant() : row[static_cast<std::size_t>(m_at[i])];
            };
            MemorySheets sheets = m_loader->load(static_cast<long>(value(0).toLongLong()));
            RecipeCalculator calc(sheets, m_table);
            RecipeInputs in;
            in.batchSize = value(1).toDouble();
            in.boilSize = value(2).toDouble();
            in.measureEnglish = value(3).toLongLong();
            in.efficiencyExpected = value(4).toDouble();
            in.primingName = value(5).toString();
            calc.setInputs(in);
            calc.RunCalculations(false);
            for (const double v :
                 {calc.PredictedOG, calc.PredictedFG, calc.PredictedABV, calc.TotalIBU,
                  calc.TotalHBU, calc.PredictedColor, MoreySrm(calc.PredictedColor)})
                row.emplace_back(v);
        }

    private:
        const UtilizationTable& m_table;
        CDaoDatabase m_db;
        std::optional<MemorySheets::Loader> m_loader;
        std::vector<int> m_at;
    };

    QVariant field(const Rows& rows, const std::vector<QVariant>& row, const QString& column) {
        const int i = rows.index(column);
        if (i < 0)
            throw ReportError(ReportCode::kDatabase,
                              QStringLiteral("The table %1 of %2 has no column %3.")
                                  .arg(m_table, m_path, column));
        return row[static_cast<std::size_t>(i)];
    }

    QString formatted(const QVariant& v, const QString& format) const {
        if (v.isNull())
            return {};
        const bool number = IsNumber(v);
        if (format.isEmpty()) {
            if (v.typeId() == QMetaType::Double)
                return QString::asprintf("%.15g", v.toDouble());
            return v.toString();
        }
        if (format.startsWith(u'%')) {
            // A stored text that is no number is shown as it is, not as 0.
            const std::optional<double> d = NumberIn(v);
            if (!d || !std::isfinite(*d))
                return v.toString();
            if (format.endsWith(u'd'))
                return QString::number(std::llround(*d));
            return QString::asprintf(format.toLatin1().constData(), *d);
        }
        if (format == QLatin1String("date")) {
            const QString s = v.toString();
            return s.size() >= 10 && s.at(4) == u'-' ? s.left(10) : s;
        }
        if (format == QLatin1String("srm")) {
            const std::optional<double> mcu = NumberIn(v);
            return mcu ? QString::asprintf("%.1f", MoreySrm(*mcu)) : v.toString();
        }
        if (format == QLatin1String("yesno"))
            return v.toDouble() != 0 ? QStringLiteral("Yes") : QStringLiteral("No");
        const auto& list = m_file.choices.at(format);
        const QString key = number ? QString::number(std::llround(v.toDouble())) : v.toString();
        auto it = list.find(key);
        return it == list.end() ? v.toString() : it->second;
    }

    // The unit a value prints in when that is not the working measure's.
    std::optional<Unit> shownUnit(const ReportValue& value) const {
        if (!value.quantity)
            return std::nullopt;
        const Unit unit = m_in.units.of(*value.quantity);
        return unit == InfoOf(unit).stored ? std::nullopt : std::optional(unit);
    }

    // A value in another unit: a whole-number format stays whole, any other prints to the
    // unit's places. Malt colour units shown as SRM ("srm") are converted from that SRM.
    QString formatted(const QVariant& v, const QString& format, std::optional<Unit> unit) const {
        if (!unit)
            return formatted(v, format);
        std::optional<double> d = v.isNull() ? std::nullopt : NumberIn(v);
        if (!d || !std::isfinite(*d))
            return formatted(v, format);
        if (format == QLatin1String("srm"))
            d = MoreySrm(*d);
        return FormatInUnit(*unit, *d, format.endsWith(u'd') ? 0 : -1, false);
    }

    // A column's header in the report's units: the working unit's symbol in it replaced
    // ("SRM" is "EBC"), or the unit added ("Predicted OG (°P)"); a value followed by its units
    // says them in every cell instead.
    QString header(const ReportColumn& c) const {
        const auto unit = shownUnit(c.value);
        if (!unit || !c.value.unitsColumn.isEmpty())
            return c.header;
        const QString symbol = QString::fromUtf8(InfoOf(*unit).symbol);
        const QString stored = QString::fromUtf8(InfoOf(InfoOf(*unit).stored).symbol);
        const QRegularExpression word(
            QStringLiteral("\\b%1\\b").arg(QRegularExpression::escape(stored)));
        if (c.header.contains(word))
            return QString(c.header).replace(word, symbol);
        return QStringLiteral("%1 (%2)").arg(c.header, symbol);
    }

    QString text(const Rows& rows, const std::vector<QVariant>& row, const ReportValue& value) {
        if (value.column.isEmpty())
            return value.literal;
        const std::optional<Unit> unit = shownUnit(value);
        QVariant first = field(rows, row, value.column);
        if (!value.plusColumns.isEmpty()) {
            double sum = first.toDouble();
            for (const QString& more : value.plusColumns)
                sum += field(rows, row, more).toDouble();
            first = sum;
        }
        // A reading never taken is a line to write on, not a measurement.
        if (IsUnset(value, first))
            return {};
        QString s = formatted(first, value.format, unit);
        if (!value.toColumn.isEmpty())
            s += QStringLiteral(" - ") +
                 formatted(field(rows, row, value.toColumn), value.format, unit);
        for (const QString& more : value.andColumns) {
            const QString m = formatted(field(rows, row, more), value.format, unit);
            if (!m.trimmed().isEmpty())
                s += (s.isEmpty() ? QString() : QStringLiteral(", ")) + m;
        }
        if (!value.unitsColumn.isEmpty()) {
            const QString units =
                unit ? QString::fromUtf8(InfoOf(*unit).symbol)
                     : formatted(field(rows, row, value.unitsColumn), value.unitsChoices).trimmed();
            // An amount typed with its unit ("3/4 cup") does not get it twice.
            if (!s.isEmpty() && !units.isEmpty() && !HoldsWord(s, units))
                s += u' ' + units;
        }
        return s;
    }

    bool isBlank(const Rows& rows, const std::vector<QVariant>& row, const ReportValue& value) {
        // Texts and labels chosen by a value (a step's name) do not make a row worth printing.
        if (value.column.isEmpty() || m_file.choices.count(value.format))
            return true;
        const QVariant v = field(rows, row, value.column);
        if (v.isNull())
            return true;
        if (IsUnset(value, v))
            return true;
        if (IsNumber(v))
            return v.toDouble() == 0;
        return v.toString().trimmed().isEmpty();
    }

    ReportBlock& add(ReportBlock::Kind kind, const QString& text = {}) {
        ReportBlock b;
        b.kind = kind;
        b.text = text;
        m_blocks.push_back(std::move(b));
        return m_blocks.back();
    }

    ReportBlock& table(const QStringList& headers, const std::vector<bool>& right) {
        ReportBlock& b = add(ReportBlock::Kind::Table);
        b.headers = headers;
        b.right = right;
        return b;
    }

    // A table of report columns, filled row by row as the rows are read.
    class ColumnsTable {
    public:
        ColumnsTable(Renderer& r, const std::vector<ReportColumn>& columns, QString groupColumn)
            : m_r(r), m_columns(columns), m_groupColumn(std::move(groupColumn)),
              m_block(r.m_blocks.size()), m_widths(headersOf(r, columns)) {
            std::vector<bool> right;
            for (const ReportColumn& c : columns)
                right.push_back(c.right);
            r.table(headersOf(r, columns), right);
        }
        ~ColumnsTable() { m_r.m_blocks[m_block].widths = m_widths.percent(); }

        void add(const Rows& rows, const std::vector<QVariant>& row) {
            std::vector<ReportRow>& out = m_r.m_blocks[m_block].rows;
            if (!m_groupColumn.isEmpty()) {
                const QString g = m_r.field(rows, row, m_groupColumn).toString();
                if (!m_group || *m_group != g) {
                    m_group = g;
                    out.emplace_back(QStringList{g}, true);
                }
            }
            QStringList t;
            for (const ReportColumn& c : m_columns)
                t << m_r.text(rows, row, c.value);
            m_widths.add(t);
            out.emplace_back(t);
        }

    private:
        static QStringList headersOf(const Renderer& r, const std::vector<ReportColumn>& columns) {
            QStringList headers;
            for (const ReportColumn& c : columns)
                headers << r.header(c);
            return headers;
        }

        Renderer& m_r;
        const std::vector<ReportColumn>& m_columns;
        const QString m_groupColumn;
        const std::size_t m_block;
        PercentWidths m_widths;
        std::optional<QString> m_group;
    };

    int listReport() {
        add(ReportBlock::Kind::Title, m_file.title);
        int n = 0;
        {
            ColumnsTable table(*this, m_file.columns, m_file.groupColumn);
            select(m_in.database, m_file.source, m_in.selection, {},
                   [&](const Rows& rows, const std::vector<QVariant>& row) {
                       table.add(rows, row);
                       ++n;
                   });
        }
        add(ReportBlock::Kind::Paragraph,
            n == 1 ? QStringLiteral("1 entry.") : QStringLiteral("%1 entries.").arg(n));
        return n;
    }

    int recordReport() {
        int n = 0;
        select(m_in.database, m_file.source, m_in.selection, {},
               [&](const Rows& rows, const std::vector<QVariant>& row) {
                   if (n++ > 0)
                       add(ReportBlock::Kind::PageBreak);
                   for (const ReportItem& item : m_file.items)
                       recordItem(rows, row, item);
               });
        if (n == 0) {
            add(ReportBlock::Kind::Title, m_file.title);
            add(ReportBlock::Kind::Paragraph, QStringLiteral("No record was selected."));
        }
        return n;
    }

    void caption(const QString& text) { add(ReportBlock::Kind::Heading, text); }

    void recordItem(const Rows& main, const std::vector<QVariant>& row, const ReportItem& item) {
        switch (item.kind) {
        case ReportItem::Kind::Heading: {
            QString s;
            for (const ReportValue& v : item.parts)
                s += text(main, row, v);
            add(ReportBlock::Kind::Title, s);
            break;
        }
        case ReportItem::Kind::Fields: {
            caption(item.caption);
            ReportBlock& b = add(ReportBlock::Kind::Fields);
            b.pairsPerRow = item.pairsPerRow;
            for (const auto& [label, value] : item.fields)
                b.fields.emplace_back(label, text(main, row, value));
            break;
        }
        case ReportItem::Kind::Memo: {
            const QString s = text(main, row, item.memo).trimmed();
            if (s.isEmpty())
                break;
            caption(item.caption);
            add(ReportBlock::Kind::Paragraph, s);
            break;
        }
        case ReportItem::Kind::Grid: {
            std::vector<std::vector<ReportValue>> shown;
            for (const auto& cellsOfRow : item.rows) {
                bool blank = true;
                for (const ReportValue& v : cellsOfRow)
                    blank = blank && isBlank(main, row, v);
                if (!(item.skipEmptyRows && blank))
                    shown.push_back(cellsOfRow);
            }
            if (shown.empty())
                break;
            caption(item.caption);
            std::vector<bool> right(static_cast<std::size_t>(item.headers.size()), false);
            for (std::size_t i = 1; i < right.size(); ++i)
                right[i] = true;
            PercentWidths widths(item.headers);
            ReportBlock& b = table(item.headers, right);
            for (const auto& cellsOfRow : shown) {
                QStringList t;
                for (const ReportValue& v : cellsOfRow)
                    t << text(main, row, v);
                widths.add(t);
                b.rows.emplace_back(t);
            }
            b.widths = widths.percent();
            break;
        }
        case ReportItem::Kind::Subreport:
            subreport(main, row, m_file.subreports[static_cast<std::size_t>(item.subreport)]);
            break;
        case ReportItem::Kind::Checklist:
            caption(item.caption);
            for (const QString& step : item.checks)
                add(ReportBlock::Kind::Check, step);
            break;
        case ReportItem::Kind::Notes:
            caption(item.caption);
            add(ReportBlock::Kind::Box).lines = item.noteLines;
            break;
        }
    }

    void subreport(const Rows& main, const std::vector<QVariant>& row, const ReportSubreport& s) {
        caption(s.name);
        auto at = m_in.subreportDatabases.find(s.name);
        if (at == m_in.subreportDatabases.end()) {
            add(ReportBlock::Kind::Note,
                QStringLiteral("This section was not prepared and is left out."));
            return;
        }
        const QString mainTable = m_table, mainPath = m_path;
        try {
            if (s.source.predictions) {
                predictions(at->second, main, row);
            } else {
                const QVariant link = field(main, row, s.source.linkParent);
                const Rows rows = selectAll(at->second, s.source, link);
                if (rows.rows.empty()) {
                    add(ReportBlock::Kind::Note,
                        s.emptyText.isEmpty() ? QStringLiteral("None.") : s.emptyText);
                } else {
                    ColumnsTable table(*this, s.columns, {});
                    for (const auto& r : rows.rows)
                        table.add(rows, r);
                }
            }
        } catch (const ReportError& e) {
            // One section that cannot be read does not take the others with it.
            add(ReportBlock::Kind::Note,
                QStringLiteral("This section cannot be shown: %1").arg(e.text()));
        }
        m_table = mainTable;
        m_path = mainPath;
    }

    // The recipe's predictions beside its target style's ranges, then what a brewer reads at the
    // kettle: the grain bill with each fermentable's share, the hops in boil order with their
    // bitterness, and the calculation messages.
    void predictions(const QString& path, const Rows& main, const std::vector<QVariant>& row) {
        if (!m_in.utilization)
            throw ReportError(ReportCode::kDatabase,
                              QStringLiteral("no hop utilization table was given."));
        std::optional<MemorySheets> sheets;
        std::optional<RecipeCalculator> calc;
        try {
            CDaoDatabase db;
            db.Open(path, false, true);
            CRecordSetRecipe recipe(&db);
            recipe.Open(CDaoRecordset::dbOpenTable, {}, CDaoRecordset::dbReadOnly);
            recipe.SetCurrentIndex(QStringLiteral("IndexRecipeBatchNo"));
            if (!recipe.Seek(QStringLiteral("="),
                             {field(main, row, QString::fromLatin1(col::recipe::RecipeBatchNo))}))
                throw ReportError(ReportCode::kDatabase,
                                  QStringLiteral("the recipe is no longer in %1.").arg(path));
            sheets.emplace(MemorySheets::load(db, recipe.m_RecipeID));
            calc.emplace(*sheets, *m_in.utilization);
            calc->setInputs(RecipeInputs::of(recipe));
            calc->RunCalculations(false);
        } catch (const CDaoException& e) {
            throw ReportError(ReportCode::kDatabase, QString::fromUtf8(e.what()));
        }
        auto num = [&](const char* column) {
            return field(main, row, QString::fromLatin1(column)).toDouble();
        };
        const QString style =
            field(main, row, QString::fromLatin1(col::recipe::RecipeTargetStyle)).toString();
        std::optional<StyleRanges> ranges;
        if (style.trimmed().isEmpty()) {
            add(ReportBlock::Kind::Paragraph, QStringLiteral("No target style chosen."));
        } else {
            QStringList where;
            for (const char* c :
                 {col::recipe::RecipeTargetCategory, col::recipe::RecipeTargetSubcategory}) {
                const QString part = field(main, row, QString::fromLatin1(c)).toString().trimmed();
                if (!part.isEmpty())
                    where << part;
            }
            add(ReportBlock::Kind::Paragraph,
                style + (where.isEmpty()
                             ? QString()
                             : QStringLiteral("  (%1)").arg(where.join(QStringLiteral(", ")))))
                .bold = true;
            ranges = StyleRanges{
                num(col::recipe::RecipeTargetSpGravLo), num(col::recipe::RecipeTargetSpGravHi),
                num(col::recipe::RecipeTargetAlcoLo),   num(col::recipe::RecipeTargetAlcoHi),
                num(col::recipe::RecipeTargetIBULo),    num(col::recipe::RecipeTargetIBUHi),
                num(col::recipe::RecipeTargetColorLo),  num(col::recipe::RecipeTargetColorHi)};
        }
        const double og = calc->PredictedOG, fg = calc->PredictedFG;
        ReportBlock& b = table({QString(), QStringLiteral("Low"), QStringLiteral("High"),
                                QStringLiteral("Predicted"), QStringLiteral("Style")},
                               {false, true, true, true, false});
        // Without a style its ranges are blank, not the 1.000 and 0 a new recipe holds.
        for (const PredictionLine& l : PredictionLines(PredictionsOf(*calc), ranges, m_in.units)) {
            const QString verdict = !l.range      ? QString()
                                    : l.where < 0 ? QStringLiteral("below")
                                    : l.where > 0 ? QStringLiteral("above")
                                                  : QStringLiteral("within");
            b.rows.push_back(ReportRow({l.name, l.low, l.high, l.shown, verdict}));
        }
        if (og > 1 && fg > 0)
            add(ReportBlock::Kind::Note,
                QStringLiteral("The final gravity is predicted with an attenuation of %1 %.")
                    .arg(QString::asprintf("%.0f", (og - fg) / (og - 1) * 100)));
        grainBill(*sheets);
        hopSchedule(*sheets, *calc);
        QStringList messages = calc->CalcMessages;
        const std::vector<CalcMessageLine> said = CalcMessageLines(messages);
        caption(QStringLiteral("Calculation Messages"));
        if (said.empty()) {
            add(ReportBlock::Kind::Note, QStringLiteral("None."));
        } else {
            ReportBlock& m =
                table({QStringLiteral("No."), QStringLiteral("Level"), QStringLiteral("Message")},
                      {true, false, false});
            for (const CalcMessageLine& l : said)
                m.rows.push_back(ReportRow({QString::number(l.number), l.level, l.message}));
        }
    }

    // Every fermentable by weight, with its share of the grist and the total.
    void grainBill(IngredientSheets& sheets) {
        const std::vector<GristShare> bill = GristShares(sheets);
        if (bill.empty())
            return;
        caption(QStringLiteral("Grain Bill"));
        double total = 0;
        for (const GristShare& g : bill)
            total += g.pounds;
        const Unit unit = m_in.units.weight;
        auto weight = [unit](double pounds) {
            return QString::asprintf("%.2f", FromStored(unit, pounds));
        };
        ReportBlock& b =
            table({QStringLiteral("Fermentable"),
                   QStringLiteral("Weight (%1)").arg(QString::fromUtf8(InfoOf(unit).symbol)),
                   QStringLiteral("Share of Grist")},
                  {false, true, true});
        for (const GristShare& g : bill)
            b.rows.push_back(
                ReportRow({g.name, weight(g.pounds), QString::asprintf("%.0f %%", g.percent)}));
        b.rows.push_back(
            ReportRow({QStringLiteral("Total"), weight(total), QStringLiteral("100 %")}));
    }

    // The hop additions from the first in the boil to the last, each with its bitterness as
    // computed, and the recipe's totals with the HBU of its kits and extracts.
    void hopSchedule(IngredientSheets& sheets, const RecipeCalculator& calc) {
        const int n = sheets.ingredientCount(SheetHops);
        const bool kitsOrExtracts =
            sheets.ingredientCount(SheetKits) + sheets.ingredientCount(SheetExtracts) > 0;
        if (n == 0 && !kitsOrExtracts)
            return;
        caption(QStringLiteral("Hop Schedule"));
        std::vector<int> order(static_cast<std::size_t>(n));
        for (int r = 1; r <= n; ++r)
            order[static_cast<std::size_t>(r - 1)] = r;
        std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
            return sheets.cellText(SheetHops, a, 4).toDouble() >
                   sheets.cellText(SheetHops, b, 4).toDouble();
        });
        ReportBlock& b =
            table({QStringLiteral("Boil (min)"), QStringLiteral("Hop"), QStringLiteral("Alpha %"),
                   QStringLiteral("Weight"), QStringLiteral("IBU"), QStringLiteral("HBU")},
                  {true, false, true, true, true, true});
        double hopHbu = 0;
        for (int r : order) {
            hopHbu += sheets.cellText(SheetHops, r, 6).toDouble();
            b.rows.push_back(ReportRow(
                {sheets.cellText(SheetHops, r, 4), sheets.cellText(SheetHops, r, 0),
                 sheets.cellText(SheetHops, r, 1),
                 (sheets.cellText(SheetHops, r, 2) + u' ' + sheets.cellText(SheetHops, r, 3))
                     .trimmed(),
                 sheets.cellText(SheetHops, r, 5),
                 QString::asprintf("%.1f", sheets.cellText(SheetHops, r, 6).toDouble())}));
        }
        if (kitsOrExtracts)
            b.rows.push_back(
                ReportRow({QString(), QStringLiteral("Kits and extracts"), QString(), QString(),
                           QString(), QString::asprintf("%.1f", calc.TotalHBU - hopHbu)}));
        b.rows.push_back(ReportRow({QString(), QStringLiteral("Total"), QString(), QString(),
                                    QString::asprintf("%.0f", calc.TotalIBU),
                                    QString::asprintf("%.1f", calc.TotalHBU)}));
    }

    const ReportInputs& m_in;
    const ReportFile& m_file;
    const QSet<QString> m_used;
    const bool m_listPredictions;
    const bool m_predictions;
    std::vector<ReportBlock> m_blocks;
    std::map<QString, std::unique_ptr<SqliteConnection>> m_connections;
    QString m_table;
    QString m_path;
};

} // namespace

namespace {
// Hands each line on as it is made, so a long report is never held as one text.
struct LineSink {
    const std::function<void(const QString&)>& line;
    LineSink& operator<<(const QString& text) {
        line(text);
        return *this;
    }
};
} // namespace

void ReportHtml(const RenderedReport& report, const std::function<void(const QString&)>& line) {
    LineSink lines{line};
    lines << QStringLiteral("<html>")
          << QStringLiteral("<head><meta charset=\"utf-8\"><title>%1</title></head>")
                 .arg(html(report.title))
          << QStringLiteral("<body>");
    for (const ReportBlock& b : report.blocks) {
        switch (b.kind) {
        case ReportBlock::Kind::Title:
            lines << QStringLiteral("<h1>%1</h1>").arg(html(b.text));
            break;
        case ReportBlock::Kind::Heading:
            lines << QStringLiteral("<h2>%1</h2>").arg(html(b.text));
            break;
        case ReportBlock::Kind::Paragraph:
            lines << (b.bold ? QStringLiteral("<p><b>%1</b></p>") : QStringLiteral("<p>%1</p>"))
                         .arg(html(b.text));
            break;
        case ReportBlock::Kind::Note:
            lines << QStringLiteral("<p><i>%1</i></p>").arg(html(b.text));
            break;
        case ReportBlock::Kind::PageBreak:
            lines << QStringLiteral("<div style=\"page-break-before: always\"></div>");
            break;
        case ReportBlock::Kind::Check:
            lines << QStringLiteral("<p>\u2610 %1</p>").arg(html(b.text));
            break;
        case ReportBlock::Kind::Box:
            lines << QStringLiteral("<table border=\"1\" cellspacing=\"0\" width=\"100%\"><tr><td "
                                    "height=\"%1\">&nbsp;</td></tr></table>")
                         .arg(b.lines * 24);
            break;
        case ReportBlock::Kind::Fields: {
            lines << QStringLiteral("<table cellspacing=\"0\" cellpadding=\"2\" width=\"100%\">");
            const auto n = static_cast<std::size_t>(b.pairsPerRow);
            for (std::size_t i = 0; i < b.fields.size(); i += n) {
                QString r = QStringLiteral("<tr>");
                for (std::size_t j = i; j < i + n; ++j) {
                    r += j < b.fields.size()
                             ? QStringLiteral("<td><b>%1</b></td><td>%2</td>")
                                   .arg(html(b.fields[j].first), html(b.fields[j].second))
                             : QStringLiteral("<td></td><td></td>");
                }
                lines << r + QStringLiteral("</tr>");
            }
            lines << QStringLiteral("</table>");
            break;
        }
        case ReportBlock::Kind::Table: {
            lines << QStringLiteral("<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\" "
                                    "width=\"100%\">");
            QString h = QStringLiteral("<thead><tr>");
            for (qsizetype i = 0; i < b.headers.size(); ++i) {
                const auto c = static_cast<std::size_t>(i);
                h +=
                    QStringLiteral("<th align=\"%1\"%3>%2</th>")
                        .arg(b.right[c] ? QStringLiteral("right") : QStringLiteral("left"),
                             html(b.headers.at(i)),
                             c < b.widths.size() ? QStringLiteral(" width=\"%1%\"").arg(b.widths[c])
                                                 : QString());
            }
            lines << h + QStringLiteral("</tr></thead>");
            for (const ReportRow& row : b.rows) {
                if (row.group()) {
                    lines << QStringLiteral("<tr><td colspan=\"%1\" bgcolor=\"#e8e8e8\"><b>%2"
                                            "</b></td></tr>")
                                 .arg(b.headers.size())
                                 .arg(html(row.cell(0)));
                    continue;
                }
                QString r = QStringLiteral("<tr>");
                const QStringList cells = row.cells();
                for (qsizetype i = 0; i < cells.size(); ++i)
                    r += b.right[static_cast<std::size_t>(i)]
                             ? QStringLiteral("<td align=\"right\">%1</td>").arg(html(cells.at(i)))
                             : QStringLiteral("<td>%1</td>").arg(html(cells.at(i)));
                lines << r + QStringLiteral("</tr>");
            }
            lines << QStringLiteral("</table>");
            break;
        }
        }
    }
    lines << QStringLiteral("</body>") << QStringLiteral("</html>");
}

QString ReportHtml(const RenderedReport& report) {
    QString out;
    ReportHtml(report, [&](const QString& line) { out += line + u'\n'; });
    return out;
}

RenderedReport RenderReport(const ReportInputs& in) {
    if (!in.file)
        throw ReportError(ReportCode::kNoJob, QStringLiteral("No report file was given."));
    return Renderer(in).run();
}

} // namespace wsc
