#include "core/interchange/BeerXml.h"

#include "core/calc/NumberLimits.h"
#include "core/calc/Units.h"
#include "core/db/SqliteConnection.h"
#include "core/db/dao/CDaoDatabase.h"
#include "core/db/records/CRecordSetRecipeMaxBatch.h"
#include "core/db/records/Columns.h"
#include "core/document/StoredBitterness.h"
#include "core/document/TextLengths.h"
#include "core/interchange/BeerXmlCommon.h"
#include "core/interchange/BeerXmlElements.h"
#include "core/interchange/BeerXmlFields.h"
#include "core/interchange/InterchangeExtras.h"
#include "core/interchange/RecipeDates.h"
#include "core/interchange/XmlTree.h"

#include <QBuffer>
#include <QLocale>
#include <QSet>

#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>
#include <map>
#include <optional>

namespace wsc {

using namespace beerxml;

namespace {

constexpr long kLastBatch = 2147483647;
// A negative amount closer to 0 than this is another program's rounding, not a mistake.
constexpr double kRoundingTolerance = 0.01;

// The display figures of the format: every program computes its own.
bool isDisplayField(const QString& name) {
    static const QSet<QString> figures = {
        QLatin1String(el::EstOg),         QLatin1String(el::EstFg),
        QLatin1String(el::EstColor),      QLatin1String(el::Ibu),
        QLatin1String(el::IbuMethod),     QLatin1String(el::EstAbv),
        QLatin1String(el::Abv),           QLatin1String(el::ActualEfficiency),
        QLatin1String(el::Calories),      QLatin1String(el::Version),
        QLatin1String(el::DisplayAmount), QLatin1String(el::Inventory),
    };
    return name.startsWith(QLatin1String("DISPLAY_")) || figures.contains(name);
}

// ---------------------------------------------------------------------------------------------
// Reading

struct ImportFault {
    QString text;
};

// What the import read differently from the file, or did not keep, for the summary.
class Notes {
public:
    explicit Notes(ImportSummary& s) : m_s(s) {}
    void readAs(const QString& text) { m_s.readDifferently << text; }
    void notKept(const QString& kind, int count = 1) { m_s.notKept[kind] += count; }
    ImportSummary& summary() { return m_s; }

private:
    ImportSummary& m_s;
};

class Reader {
public:
    Reader(const XmlElement& e, const QString& where, Notes& notes)
        : m_e(e), m_where(where), m_notes(notes) {}
    // A text of one line: one longer than its field is cut when the row is written, with a
    // note.
    QString text(const char* name) const {
        const XmlElement* c = m_e.takeChild(name);
        return c ? c->text : QString();
    }
    // A note: none holds more than a memo, and a longer one is refused with its place.
    QString memo(const char* name) const {
        const XmlElement* c = m_e.takeChild(name);
        if (c && c->length > kMemoLength)
            throw ImportFault{QStringLiteral("line %1, column %2: %3 %4 holds %5 characters; a "
                                             "text of a recipe holds at most %6")
                                  .arg(QString::number(c->line), QString::number(c->column),
                                       m_where, QString::fromLatin1(name),
                                       QString::number(c->length), QString::number(kMemoLength))};
        return c ? c->text : QString();
    }
    // Whether the record holds the element, which is taken as read.
    bool take(const char* name) const { return m_e.takeChild(name) != nullptr; }
    // One of our own elements (ours::), named with our prefix.
    QString own(const char* name) const { return text(OwnElement(name).constData()); }
    bool takeOwn(const char* name) const { return take(OwnElement(name).constData()); }
    bool ownYes(const char* name) const { return yes(OwnElement(name).constData()); }
    double ownNumber(const char* name) const { return number(OwnElement(name).constData()); }
    // A number: blanks around it are fine, a display unit after it too ("5.0 %", "1.050 SG");
    // anything else that is no number is refused. Below 0 is refused too, but for the rounding
    // of another program (a hair below 0), which reads as 0.
    double number(const char* name, double fallback = 0, bool nonNegative = true) const {
        const XmlElement* c = m_e.takeChild(name);
        if (!c || c->text.isEmpty())
            return fallback;
        const QString t = c->text;
        bool ok = false;
        double v = QLocale::c().toDouble(t, &ok);
        if (!ok)
            v = QLocale::c().toDouble(t.section(u' ', 0, 0), &ok);
        const NumberFault fault = CheckNumber(v, ok, true);
        if (fault == NumberFault::NotANumber)
            throw ImportFault{QStringLiteral("line %1, column %2: %3 %4 is no number: \"%5\"")
                                  .arg(QString::number(c->line), QString::number(c->column),
                                       m_where, QString::fromLatin1(name),
                                       ShownInMessage(c->text))};
        if (fault == NumberFault::TooLarge)
            throw ImportFault{QStringLiteral("line %1, column %2: %3 %4 of %5 is beyond what a "
                                             "recipe holds (at most %6)")
                                  .arg(QString::number(c->line), QString::number(c->column),
                                       m_where, QString::fromLatin1(name), ShownInMessage(c->text),
                                       Number(kLargestQuantity))};
        if (nonNegative && v < 0) {
            if (v > -kRoundingTolerance) {
                m_notes.readAs(
                    QStringLiteral("%1 %2 of %3 (line %4) read as 0")
                        .arg(m_where, QString::fromLatin1(name), t, QString::number(c->line)));
                return 0;
            }
            throw ImportFault{QStringLiteral("line %1, column %2: %3 %4 is negative: %5")
                                  .arg(QString::number(c->line), QString::number(c->column),
                                       m_where, QString::fromLatin1(name),
                                       ShownInMessage(c->text))};
        }
        return v;
    }
    // A gravity: read as specific gravity, and as the scale a brewer's eye sees when it is
    // clearly another (degrees Plato from 2 to 40, points from 1000 to 1200).
    double gravity(const char* name) const {
        const double v = number(name);
        if (v > 2 && v <= 40) {
            const double sg = Rounded(GravityOfPlato(v));
            m_notes.readAs(QStringLiteral("%1 %2 of %3 read as degrees Plato: %4")
                               .arg(m_where, QString::fromLatin1(name), Number(v),
                                    QString::asprintf("%.3f", sg)));
            return sg;
        }
        if (v >= 1000 && v <= 1200) {
            m_notes.readAs(QStringLiteral("%1 %2 of %3 read as gravity points: %4")
                               .arg(m_where, QString::fromLatin1(name), Number(v),
                                    QString::asprintf("%.3f", v / 1000)));
            return Rounded(v / 1000);
        }
        return v;
    }
    // A temperature in degrees Celsius, or in Fahrenheit when it is clearly that: above what a
    // mash (100 °C) or a fermentation (50 °C) ever reaches.
    std::optional<double> celsius(const char* name, double highest) const {
        if (!take(name) || text(name).isEmpty())
            return std::nullopt;
        const double v = number(name, 0, false);
        if (v > highest) {
            const double c = Rounded(FromStored(Unit::Celsius, v));
            m_notes.readAs(QStringLiteral("%1 %2 of %3 read as degrees Fahrenheit: %4 °C")
                               .arg(m_where, QString::fromLatin1(name), Number(v), Number(c)));
            return c;
        }
        return v;
    }
    bool yes(const char* name) const { return IsTrue(text(name)); }
    const XmlElement& element() const { return m_e; }
    const QString& where() const { return m_where; }

private:
    const XmlElement& m_e;
    QString m_where;
    Notes& m_notes;
};

struct Insert {
    QString table;
    std::vector<std::pair<QString, QVariant>> values;
    void set(const char* column, const QVariant& v) { set(QString::fromLatin1(column), v); }
    void set(const QString& column, const QVariant& v) {
        for (auto& [c, value] : values) {
            if (c == column) {
                value = v;
                return;
            }
        }
        values.emplace_back(column, v);
    }
    QVariant get(const char* column) const {
        for (const auto& [c, value] : values) {
            if (c == QLatin1String(column))
                return value;
        }
        return {};
    }
};

// The recipe's own weight unit for an amount in kilograms: the unit our file names, else pounds
// for fermentables and ounces for hops.
std::pair<double, QString> weightIn(double kg, const QString& ours, const char* fallback) {
    QString unit = ours;
    auto per = KilogramsPer(unit);
    if (!per) {
        unit = QString::fromLatin1(fallback);
        per = KilogramsPer(unit);
    }
    return {Rounded(kg / *per), unit};
}

// An element and all within it, read (or named in the summary as not kept) as a whole.
void markUsed(const XmlElement& e) {
    e.used = true;
    for (const XmlElement& c : e.children)
        markUsed(c);
}

// The uses of a hop the format knows, and those other programs write, that are no boil: their
// minutes are steeping, not boiling.
bool boiled(const QString& use) {
    const QString u = use.trimmed().toLower();
    return u.isEmpty() || u == QLatin1String("boil") || u == QLatin1String("first wort");
}

class Importer {
public:
    Importer(SqliteConnection& c, Queries* data, Notes& notes, InterchangeExtras& extras,
             RecipeDates::Order dates)
        : m_c(c), m_data(data), m_notes(notes), m_extras(extras), m_dates(dates) {}

    long recipe(const XmlElement& e);
    // Heard every thousand rows written.
    void setTick(std::function<void()> tick) { m_tick = std::move(tick); }

private:
    long nextBatch() {
        const long last = static_cast<long>(CRecordSetRecipeMaxBatch::HighestNumericBatch(m_c));
        if (last >= kLastBatch)
            throw ImportFault{QStringLiteral("no batch number is left after %1").arg(last)};
        return last + 1;
    }
    // One recipe as its ingredient lists are read: its element, its name for the notes, its
    // measure and its row. The parts of a recipe are read in the order their notes are listed.
    struct Into {
        const XmlElement& e;
        const QString& name;
        const Measure& m;
        qlonglong id;
    };
    void readBoilSize(Insert& rec, const Reader& r, const Measure& m, const QString& name);
    void readOwnRecipeFields(Insert& rec, const Reader& r, const QString& name);
    void readStyle(Insert& rec, const XmlElement& e, const Measure& m, const QString& name);
    void readMash(Insert& rec, const XmlElement& e, const Measure& m, const QString& name);
    void passOverRecipeRecords(const XmlElement& e);
    void keepRecipeRecords(const XmlElement& e, const Insert& rec, qlonglong id);
    // A new ingredient row of the recipe in `t`, with the fields the table maps read.
    Insert newRow(const Into& in, const TableMap& t, const Reader& r);
    // Every element of one of the recipe's ingredient lists, read with notes naming it.
    template <class Read>
    void forEach(const Into& in, const char* list, const char* item, const char* what,
                 const Read& read) {
        if (const XmlElement* l = in.e.takeChild(list)) {
            for (const XmlElement* x : l->takeAll(item))
                read(Reader(*x, QStringLiteral("%1 of \"%2\":").arg(QLatin1String(what), in.name),
                            m_notes));
        }
    }
    void readHops(const Into& in);
    void readFermentables(const Into& in);
    void readMiscs(const Into& in);
    void readYeasts(const Into& in);
    void readFields(Insert& row, std::span<const Field> fields, const Reader& r, const Measure& m,
                    const QString& recipe);
    void readColumns(Insert& row, const TableMap& t, const Reader& r);
    // The range of a number column of the recipe database (whole numbers keep theirs), or
    // nothing for a column of text.
    std::optional<double> numberRange(const char* table, const char* column);
    qlonglong link(const TableMap& t, const Insert& row, const Reader& r, const QString& recipe);
    qlonglong insert(Insert& row, const QString& recipeName);
    // Leaf elements of `e` no reader asked for, kept for the row (with `prefix` before each
    // name); display figures are named as not kept. A file of ours carries what is kept in
    // elements of its own, and its other elements are all written from the recipe.
    void keepTheRest(const XmlElement& e, const QString& table, qlonglong row,
                     const QString& prefix = {});
    bool m_ours = false;
    qlonglong ingredient(const TableMap& t, Insert& i, const Reader& r, const QString& recipe);
    // A record of the file the recipe keeps nothing of: named once in the summary.
    void notKept(const XmlElement* e, const QString& kind) {
        if (!e)
            return;
        m_notes.notKept(kind);
        markUsed(*e);
    }

    SqliteConnection& m_c;
    Queries* m_data;
    Notes& m_notes;
    InterchangeExtras& m_extras;
    RecipeDates::Order m_dates;
    std::map<QString, SqliteStatement> m_inserts;
    std::vector<std::pair<const XmlElement*, int>> m_stepPlaces;
    std::map<QString, std::map<QString, double>> m_numberColumns;
    std::function<void()> m_tick;
    int m_rows = 0;
};

std::optional<double> Importer::numberRange(const char* table, const char* column) {
    const QString name = QString::fromLatin1(table);
    auto it = m_numberColumns.find(name);
    if (it == m_numberColumns.end()) {
        std::map<QString, double> ranges;
        SqliteStatement st =
            m_c.prepare(QStringLiteral("SELECT name, upper(type) FROM pragma_table_info(?)"));
        st.bindText(1, name);
        while (st.step()) {
            const QString type = st.text(1);
            if (type.contains(QLatin1String("INT")))
                ranges[st.text(0)] = double(std::numeric_limits<std::int32_t>::max());
            else if (type.contains(QLatin1String("REAL")) || type.contains(QLatin1String("DOUB")))
                ranges[st.text(0)] = kLargestQuantity;
        }
        it = m_numberColumns.emplace(name, std::move(ranges)).first;
    }
    const auto found = it->second.find(QString::fromLatin1(column));
    if (found == it->second.end())
        return std::nullopt;
    return found->second;
}

void Importer::readFields(Insert& row, std::span<const Field> fields, const Reader& r,
                          const Measure& m, const QString& recipe) {
    for (const Field& f : fields) {
        if (!r.take(f.element))
            continue;
        switch (f.conv) {
        case Conv::Text:
            row.set(f.column, RecipeTextLength(QString::fromLatin1(f.column)) >= kMemoLength
                                  ? r.memo(f.element)
                                  : r.text(f.element));
            break;
        case Conv::Number:
            row.set(f.column, r.number(f.element));
            break;
        case Conv::Whole:
            row.set(f.column, qlonglong(std::llround(r.number(f.element))));
            break;
        case Conv::Volume:
            row.set(f.column, m.fromLitres(r.number(f.element)));
            break;
        case Conv::Temperature:
            if (const auto c = r.celsius(f.element, 50))
                row.set(f.column, m.fromCelsius(*c));
            break;
        case Conv::Gravity:
            row.set(f.column, r.gravity(f.element));
            break;
        case Conv::Yield:
            row.set(f.column, PotentialOf(r.number(f.element)));
            break;
        case Conv::Date: {
            const QString text = r.text(f.element);
            if (text.isEmpty())
                break;
            if (const auto d = RecipeDates::parse(text, m_dates)) {
                row.set(f.column, d->toString(Qt::ISODate));
            } else {
                // Kept where a brewer reads it, never in a date column.
                const QString line = QStringLiteral("%1 (as the file gave it): %2")
                                         .arg(QString::fromLatin1(f.element), text);
                const QString notes = row.get(col::recipe::RecipeComments).toString();
                row.set(col::recipe::RecipeComments,
                        notes.isEmpty() ? line : notes + QStringLiteral("\n") + line);
                m_notes.readAs(
                    QStringLiteral("the %1 \"%2\" of \"%3\" is no date this program "
                                   "reads; it is in the recipe's comments")
                        .arg(QString::fromLatin1(f.element), ShownInMessage(text), recipe));
            }
            break;
        }
        }
    }
}

void Importer::readColumns(Insert& row, const TableMap& t, const Reader& r) {
    // A file of ours: every column as it was stored.
    for (const char* column : t.columns) {
        if (IsIdentity(QString::fromLatin1(column)))
            continue;
        const QByteArray element = ExtensionFor(column).toUpper().toLatin1();
        if (const XmlElement* c = r.element().takeChild(element.constData())) {
            if (RecipeTextLength(QString::fromLatin1(column)) >= kMemoLength)
                r.memo(element.constData()); // refused with its place when too long
            // Nothing was written for no value; an empty text is the column's default.
            if (c->raw.isEmpty())
                continue;
            if (const std::optional<double> largest = numberRange(t.table, column)) {
                // A number column takes a number, as a field does: never a text, an infinity
                // or a value beyond what any field takes.
                bool ok = false;
                const double v = QLocale::c().toDouble(c->text, &ok);
                if (CheckNumber(v, ok, true, *largest) != NumberFault::None)
                    throw ImportFault{QStringLiteral("line %1, column %2: %3 %4 of \"%5\" is no "
                                                     "number this program keeps (from -%6 to %6)")
                                          .arg(QString::number(c->line), QString::number(c->column),
                                               r.where(), QString::fromLatin1(column),
                                               ShownInMessage(c->text), Number(*largest))};
            }
            row.set(column, c->raw);
        }
    }
}

qlonglong Importer::link(const TableMap& t, const Insert& row, const Reader& r,
                         const QString& recipe) {
    const QString name = row.get(t.nameColumn).toString();
    const QByteArray element = ExtensionFor(t.idColumn).toUpper().toLatin1();
    const qlonglong ours = r.element().takeChild(element.constData())
                               ? r.element().takeChild(element.constData())->text.toLongLong()
                               : 0;
    if (ours > 0) {
        // The file's own link, where it still is the row of that name (or where there is no
        // Data database to look in).
        if (!m_data) {
            ++m_notes.summary().matched;
            return ours;
        }
        const std::vector<Row> same =
            m_data->rows(QStringLiteral("SELECT \"%1\" AS name FROM \"%2\" WHERE \"%3\" = ?")
                             .arg(QString::fromLatin1(t.dataName), QString::fromLatin1(t.dataTable),
                                  QString::fromLatin1(t.dataId)),
                         ours);
        if (!same.empty() && same.front().text("name").compare(name, Qt::CaseInsensitive) == 0) {
            ++m_notes.summary().matched;
            return ours;
        }
    }
    if (m_data && !name.isEmpty()) {
        // The row of that name (any case) in the Data database.
        std::vector<Row> found = m_data->rows(
            QStringLiteral("SELECT \"%1\" AS id FROM \"%2\" WHERE lower(\"%3\") = lower(?) LIMIT 1")
                .arg(QString::fromLatin1(t.dataId), QString::fromLatin1(t.dataTable),
                     QString::fromLatin1(t.dataName)),
            name);
        if (!found.empty()) {
            ++m_notes.summary().matched;
            return qlonglong(found.front().real("id"));
        }
    }
    m_notes.summary().keptAsTyped << QStringLiteral("%1 \"%2\" in \"%3\"")
                                         .arg(QString::fromLatin1(t.kind), ShownInMessage(name),
                                              recipe);
    return 0;
}

qlonglong Importer::insert(Insert& row, const QString& recipeName) {
    // A one-line text longer than its field keeps the field's length, and the summary says so.
    for (auto& [column, value] : row.values) {
        // The last guard of the one check: no conversion may leave an infinity behind.
        if (value.typeId() == QMetaType::Double && !std::isfinite(value.toDouble()))
            throw ImportFault{QStringLiteral("recipe \"%1\": %2 is no number this program keeps")
                                  .arg(ShownInMessage(recipeName), column)};
        const int length = RecipeTextLength(column);
        if (value.typeId() == QMetaType::QString && value.toString().size() > length) {
            m_notes.readAs(QStringLiteral("%1 of \"%2\" shortened to its field's %3 characters: "
                                          "\"%4\"")
                               .arg(column, ShownInMessage(recipeName), QString::number(length),
                                    ShownInMessage(value.toString())));
            value = value.toString().left(length);
        }
    }
    QStringList cols, marks;
    for (const auto& [column, value] : row.values) {
        cols << SqliteConnection::quoteIdentifier(column);
        marks << QStringLiteral("?");
    }
    const QString sql =
        QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
            .arg(SqliteConnection::quoteIdentifier(row.table), cols.join(u','), marks.join(u','));
    auto it = m_inserts.find(sql);
    if (it == m_inserts.end())
        it = m_inserts.emplace(sql, m_c.prepare(sql)).first;
    SqliteStatement& st = it->second;
    st.reset();
    int i = 1;
    for (const auto& [column, value] : row.values)
        st.bind(i++, value);
    st.exec();
    if (m_tick && ++m_rows % 1000 == 0)
        m_tick();
    return m_c.lastInsertRowId();
}

void Importer::keepTheRest(const XmlElement& e, const QString& table, qlonglong row,
                           const QString& prefix) {
    for (const XmlElement& c : e.children) {
        if (const std::optional<QString> kept = KeptName(c.name)) {
            c.used = true;
            m_extras.put(table, row, prefix + *kept, c.text);
            continue;
        }
        if (c.used)
            continue;
        if (isDisplayField(c.name) || c.name.startsWith(QLatin1String(kOwnPrefix)) ||
            (m_ours && c.children.empty())) {
            c.used = true;
            if (!m_ours && !c.name.startsWith(QLatin1String(kOwnPrefix)) &&
                c.name != QLatin1String(el::Version))
                m_notes.notKept(QStringLiteral("display figures (estimates and display texts; "
                                               "the program computes its own)"));
            continue;
        }
        if (!c.children.empty())
            continue; // a record of its own: named in the summary
        c.used = true;
        if (!c.text.isEmpty())
            m_extras.put(table, row, prefix + c.name, c.text);
    }
}

qlonglong Importer::ingredient(const TableMap& t, Insert& i, const Reader& r,
                               const QString& recipe) {
    readColumns(i, t, r);
    i.set(t.idColumn, link(t, i, r, recipe));
    const qlonglong row = insert(i, recipe);
    keepTheRest(r.element(), QString::fromLatin1(t.table), row);
    return row;
}

// A file of ours names the unit of a misc's or a yeast's amount; another program's says what
// the format says, which `theirs` reads.
template <class Ours, class Theirs>
void amountOf(const Reader& r, Insert& i, const char* amount, const char* units,
              const Ours& fromOurs, const Theirs& fromTheirs) {
    if (r.takeOwn(ours::Units)) {
        i.set(amount, fromOurs());
        i.set(units, r.own(ours::Units));
    } else {
        fromTheirs();
    }
}

long Importer::recipe(const XmlElement& e) {
    namespace rc = col::recipe;
    // The name as messages quote it: a name is cut to its field's length when it is stored.
    const QString name = ShownInMessage(e.takeValue(el::Name));
    if (name.isEmpty())
        throw ImportFault{QStringLiteral("line %1, column %2: a recipe without a name")
                              .arg(QString::number(e.line), QString::number(e.column))};
    const Reader r(e, QStringLiteral("recipe \"%1\":").arg(name), m_notes);
    const Measure m{r.own(ours::Measure).compare(QLatin1String("Metric"), Qt::CaseInsensitive) ==
                    0};
    // A file of ours: its own elements bring back everything the recipe stored.
    m_ours = r.takeOwn(ours::Measure);

    Insert rec{QStringLiteral("Recipes"), {}};
    rec.set(rc::RecipeBatchNo, qlonglong(nextBatch()));
    rec.set(rc::RecipeMeasureEnglish, m.metric ? 1 : 0);
    readFields(rec, Recipes().fields, r, m, name);

    readBoilSize(rec, r, m, name);
    readOwnRecipeFields(rec, r, name);
    readStyle(rec, e, m, name);
    readMash(rec, e, m, name);
    passOverRecipeRecords(e);
    readColumns(rec, Recipes(), r);
    const qlonglong id = insert(rec, name);
    keepRecipeRecords(e, rec, id);
    const Into in{e, name, m, id};
    readHops(in);
    readFermentables(in);
    readMiscs(in);
    readYeasts(in);
    keepTheRest(e, QStringLiteral("Recipes"), id);
    m_notes.summary().added.push_back(
        {rec.get(rc::RecipeBatchNo).toLongLong(), rec.get(rc::RecipeName).toString()});
    return long(id);
}

void Importer::readBoilSize(Insert& rec, const Reader& r, const Measure& m, const QString& name) {
    namespace rc = col::recipe;
    // The boil: a missing or empty boil size is the batch size, with what boils off in the
    // boil time at the equipment's rate when the file gives one.
    if (r.number(el::BoilSize) <= 0 && r.number(el::BatchSize) > 0) {
        double litres = r.number(el::BatchSize);
        QString how = QStringLiteral("the batch size");
        if (const XmlElement* eq = r.element().takeChild(el::Equipment)) {
            const Reader er(*eq, QStringLiteral("equipment of \"%1\":").arg(name), m_notes);
            const double rate = er.number(el::EvapRate);
            const double minutes = r.number(el::BoilTime, er.number(el::BoilTime));
            if (rate > 0 && minutes > 0) {
                litres *= 1 + rate / 100 * minutes / 60;
                how =
                    QStringLiteral("the batch size and %1 % an hour boiled off").arg(Number(rate));
            }
        }
        rec.set(rc::RecipeBoilSize, m.fromLitres(litres));
        m_notes.readAs(
            QStringLiteral("the boil size of \"%1\", missing or 0, taken from %2").arg(name, how));
    }
}

void Importer::readOwnRecipeFields(Insert& rec, const Reader& r, const QString& name) {
    namespace rc = col::recipe;
    const QString type = r.text(el::Type).toLower();
    const QStringList process = r.own(ours::Process).split(u',');
    if (process.size() == 4) {
        rec.set(rc::RecipeProcessKit, process[0].toInt());
        rec.set(rc::RecipeProcessExtract, process[1].toInt());
        rec.set(rc::RecipeProcessPartial, process[2].toInt());
        rec.set(rc::RecipeProcessAllGrain, process[3].toInt());
    } else {
        rec.set(rc::RecipeProcessAllGrain, type == QLatin1String("all grain") ? 1 : 0);
        rec.set(rc::RecipeProcessPartial, type == QLatin1String("partial mash") ? 1 : 0);
        rec.set(rc::RecipeProcessExtract, type == QLatin1String("extract") ? 1 : 0);
    }
    const QStringList rating = r.own(ours::Rating).split(u',');
    if (rating.size() == 4) {
        rec.set(rc::RecipeRatingAroma, rating[0].toInt());
        rec.set(rc::RecipeRatingAppearance, rating[1].toInt());
        rec.set(rc::RecipeRatingTaste, rating[2].toInt());
        rec.set(rc::RecipeRatingImpression, rating[3].toInt());
    } else if (r.take(el::TasteRating)) {
        m_notes.summary().skipped
            << QStringLiteral("the taste rating of \"%1\" (this program keeps the four parts of "
                              "its score, not a total)")
                   .arg(name);
    }
    const QString conditioningUnits = r.takeOwn(ours::ConditioningUnits)
                                          ? r.own(ours::ConditioningUnits)
                                          : QStringLiteral("Days");
    const bool weeks = conditioningUnits.compare(QLatin1String("Weeks"), Qt::CaseInsensitive) == 0;
    rec.set(rc::RecipeFermConditioningUnits, conditioningUnits);
    if (r.take(el::Age))
        rec.set(rc::RecipeFermConditioningAmt,
                qlonglong(std::llround(r.number(el::Age) / (weeks ? 7 : 1))));
    if (r.takeOwn(ours::PrimingAmount))
        rec.set(rc::RecipeFermPrimingAmt, r.own(ours::PrimingAmount));
    if (r.takeOwn(ours::PrimingUnits))
        rec.set(rc::RecipeFermPrimingUnits, r.own(ours::PrimingUnits));
}

void Importer::readStyle(Insert& rec, const XmlElement& e, const Measure& m, const QString& name) {
    namespace rc = col::recipe;
    if (const XmlElement* style = e.takeChild(el::Style)) {
        const Reader s(*style, QStringLiteral("style of \"%1\":").arg(name), m_notes);
        readFields(rec, StyleFields(), s, m, name);
        if (s.text(el::Name) == QLatin1String("No target style"))
            rec.set(rc::RecipeTargetStyle, QString());
        rec.set(rc::RecipeTargetSubcategory, s.own(ours::Subcategory));
        rec.set(rc::RecipeFermTypeAle,
                s.text(el::Type).compare(QLatin1String("Lager"), Qt::CaseInsensitive) == 0 ? 1 : 0);
        for (const auto& [element, column] : {std::pair{el::OgMin, rc::RecipeTargetSpGravLo},
                                              std::pair{el::OgMax, rc::RecipeTargetSpGravHi}}) {
            if (s.take(element))
                rec.set(column, s.gravity(element));
        }
        // The fermentation type is the recipe's own now.
        (void)style->takeChild(el::Type);
    }
}

void Importer::readMash(Insert& rec, const XmlElement& e, const Measure& m, const QString& name) {
    namespace rc = col::recipe;
    if (const XmlElement* mash = e.takeChild(el::Mash)) {
        const Reader ms(*mash, QStringLiteral("mash of \"%1\":").arg(name), m_notes);
        if (const auto c = ms.celsius(el::SpargeTemp, 100))
            rec.set(rc::RecipeSpargeTemp, m.fromCelsius(*c));
        if (ms.take(el::Ph))
            rec.set(rc::RecipeMashPhAdj, ms.number(el::Ph));
        if (ms.takeOwn(ours::MashType))
            rec.set(rc::RecipeMashType, ms.own(ours::MashType).toInt());
        if (ms.takeOwn(ours::SpargeVolume))
            rec.set(rc::RecipeSpargeVol, m.fromLitres(ms.ownNumber(ours::SpargeVolume)));
        int next = 1;
        if (const XmlElement* steps = mash->takeChild(el::MashSteps)) {
            for (const XmlElement* step : steps->takeAll(el::MashStep)) {
                const Reader st(*step, QStringLiteral("mash step of \"%1\":").arg(name), m_notes);
                int place = st.takeOwn(ours::Place) ? st.own(ours::Place).toInt() : next;
                if (place < next)
                    place = next;
                if (place > 4) {
                    m_notes.summary().skipped
                        << QStringLiteral("mash step \"%1\" of \"%2\" (the mash schedule has four "
                                          "places)")
                               .arg(ShownInMessage(st.text(el::Name)), name);
                    step->used = true;
                    continue;
                }
                rec.set(kMashTimes[place - 1], qlonglong(std::llround(st.number(el::StepTime))));
                if (const auto c = st.celsius(el::StepTemp, 100))
                    rec.set(kMashTemps[place - 1], m.fromCelsius(*c));
                rec.set(kMashVols[place - 1], m.fromLitres(st.number(el::InfuseAmount)));
                m_stepPlaces.emplace_back(step, place);
                next = place + 1;
            }
        }
    }
}

// The recipe's waters and equipment: named in the summary, as a recipe keeps none of them.
void Importer::passOverRecipeRecords(const XmlElement& e) {
    if (const XmlElement* waters = e.takeChild(el::Waters)) {
        for (const XmlElement* water : waters->takeAll(el::Water))
            notKept(water, QStringLiteral("water profiles (a recipe keeps none)"));
        markUsed(*waters);
    }
    if (m_ours) {
        if (const XmlElement* eq = e.takeChild(el::Equipment))
            markUsed(*eq);
    } else {
        notKept(e.takeChild(el::Equipment),
                QStringLiteral("equipment records (the recipe keeps its sizes)"));
    }
}

// What the mash steps', the mash's and the style's elements hold beyond what was read.
void Importer::keepRecipeRecords(const XmlElement& e, const Insert& rec, qlonglong id) {
    namespace rc = col::recipe;
    const QString recipes = QStringLiteral("Recipes");
    for (const auto& [step, place] : m_stepPlaces)
        keepTheRest(*step, recipes, id, QStringLiteral("MASH_STEP%1/").arg(place));
    m_stepPlaces.clear();
    if (const XmlElement* mash = e.takeChild(el::Mash))
        keepTheRest(*mash, recipes, id, QStringLiteral("MASH/"));
    if (const XmlElement* style = e.takeChild(el::Style)) {
        keepTheRest(*style, recipes, id, QStringLiteral("STYLE/"));
        // What is kept of a style holds while the recipe keeps that style.
        if (!m_ours)
            m_extras.put(recipes, id, QStringLiteral("STYLE/#STYLE"),
                         rec.get(rc::RecipeTargetStyle).toString());
    }
}

Insert Importer::newRow(const Into& in, const TableMap& t, const Reader& r) {
    Insert i{QString::fromLatin1(t.table), {}};
    i.set(QString::fromLatin1(col::hops::IngRecipeID), in.id);
    readFields(i, t.fields, r, in.m, in.name);
    return i;
}

void Importer::readHops(const Into& in) {
    const QString& name = in.name;
    forEach(in, el::Hops, el::Hop, "hop", [&](const Reader& hr) {
        namespace hc = col::hops;
        Insert i = newRow(in, Hops(), hr);
        const auto [w, unit] = weightIn(hr.number(el::Amount), hr.own(ours::Units), "oz");
        i.set(hc::IngHopsWeight, w);
        i.set(hc::IngHopsUnits, unit);
        // Minutes of a hop outside the boil are steeping, not boiling: no bitterness of a
        // boil for them. The use and the minutes go back out with the recipe.
        const QString use = hr.text(el::Use);
        const double minutes = hr.number(el::Time);
        const bool boil = boiled(use);
        i.set(hc::IngHopsTime, boil ? minutes : 0.0);
        const qlonglong rowId = ingredient(Hops(), i, hr, name);
        // (A file of ours brings back its own kept use and minutes.)
        if (!boil && !m_ours) {
            const QString table = QString::fromLatin1(Hops().table);
            m_extras.put(table, rowId, QLatin1String(el::Use), use);
            m_extras.put(table, rowId, QLatin1String(el::Time), Number(minutes));
            m_extras.put(table, rowId, QStringLiteral("#STOREDTIME"),
                         Number(i.get(hc::IngHopsTime).toDouble()));
            if (minutes > 0)
                m_notes.readAs(QStringLiteral("the %1 minutes of \"%2\" in \"%3\" (%4) count "
                                              "as no boil")
                                   .arg(Number(minutes),
                                        ShownInMessage(i.get(hc::IngHopsName).toString()), name,
                                        ShownInMessage(use)));
        }
    });
}

void Importer::readFermentables(const Into& in) {
    const QString& name = in.name;
    forEach(in, el::Fermentables, el::Fermentable, "fermentable", [&](const Reader& fr) {
        const QString ftype = fr.text(el::Type).toLower();
        // Every kind of fermentable is weighed in the unit our file names, else in pounds.
        const auto [w, unit] = weightIn(fr.number(el::Amount), fr.own(ours::Units), "lbs");
        // A kit's, an extract's or a grain's row, with its weight.
        auto weighed = [&, w = w, unit = unit](const TableMap& t, const char* weight,
                                               const char* units) {
            Insert i = newRow(in, t, fr);
            i.set(weight, w);
            i.set(units, unit);
            return i;
        };
        if (fr.ownYes(ours::Kit)) {
            namespace kc = col::kits;
            Insert i = weighed(Kits(), kc::IngKitsWeight, kc::IngKitsUnits);
            i.set(kc::IngKitsHBU, fr.ownNumber(ours::Hbu));
            ingredient(Kits(), i, fr, name);
        } else if (ftype == QLatin1String("extract") || ftype == QLatin1String("dry extract")) {
            namespace ec = col::extracts;
            Insert i = weighed(Extracts(), ec::IngExtractsWeight, ec::IngExtractsUnits);
            i.set(ec::IngExtractsForm,
                  fr.takeOwn(ours::Form)
                      ? fr.own(ours::Form)
                      : (ftype == QLatin1String("dry extract") ? QStringLiteral("Dry")
                                                               : QStringLiteral("Syrup")));
            i.set(ec::IngExtractsHopped, fr.ownYes(ours::Hopped) ? 1 : 0);
            i.set(ec::IngExtractsHBU, fr.ownNumber(ours::Hbu));
            ingredient(Extracts(), i, fr, name);
        } else if (ftype == QLatin1String("grain") || ftype == QLatin1String("adjunct")) {
            // Flaked grains and the like are mashed with the grain: the efficiency applies.
            namespace gc = col::grains;
            Insert i = weighed(Grains(), gc::IngGrainsWeight, gc::IngGrainsUnits);
            const qlonglong rowId = ingredient(Grains(), i, fr, name);
            if (ftype == QLatin1String("adjunct"))
                m_extras.put(QString::fromLatin1(Grains().table), rowId, QStringLiteral("#TYPE"),
                             QStringLiteral("Adjunct"));
        } else if (ftype == QLatin1String("sugar")) {
            namespace ac = col::adjuncts;
            Insert i = newRow(in, Adjuncts(), fr);
            i.set(ac::IngAdjunctsAmt, fr.takeOwn(ours::Amount) ? fr.own(ours::Amount) : Number(w));
            i.set(ac::IngAdjunctsUnits, unit);
            i.set(ac::IngAdjunctsFermentable, 1);
            ingredient(Adjuncts(), i, fr, name);
        } else {
            m_notes.summary().skipped
                << QStringLiteral("fermentable \"%1\" of \"%2\" (unknown type \"%3\")")
                       .arg(ShownInMessage(fr.text(el::Name)), name,
                            ShownInMessage(fr.text(el::Type)));
            fr.element().used = true;
            for (const XmlElement& c : fr.element().children)
                c.used = true;
        }
    });
}

void Importer::readMiscs(const Into& in) {
    const QString& name = in.name;
    forEach(in, el::Miscs, el::Misc, "misc", [&](const Reader& mr) {
        namespace ac = col::adjuncts;
        Insert i = newRow(in, Adjuncts(), mr);
        amountOf(
            mr, i, ac::IngAdjunctsAmt, ac::IngAdjunctsUnits, [&] { return mr.own(ours::Amount); },
            [&] {
                const double amount = mr.number(el::Amount);
                const bool weight = mr.yes(el::AmountIsWeight);
                i.set(ac::IngAdjunctsAmt, Number(Rounded(amount * 1000)));
                i.set(ac::IngAdjunctsUnits, weight ? QStringLiteral("g") : QStringLiteral("ml"));
            });
        i.set(ac::IngAdjunctsFermentable, mr.ownYes(ours::Fermentable) ? 1 : 0);
        i.set(ac::IngAdjunctsSPGrav, mr.ownNumber(ours::Potential));
        i.set(ac::IngAdjunctsColor, mr.ownNumber(ours::Color));
        ingredient(Adjuncts(), i, mr, name);
    });
}

void Importer::readYeasts(const Into& in) {
    const QString& name = in.name;
    forEach(in, el::Yeasts, el::Yeast, "yeast", [&](const Reader& yr) {
        namespace yc = col::yeasts;
        Insert i = newRow(in, Yeasts(), yr);
        amountOf(
            yr, i, yc::IngYeastAmt, yc::IngYeastUnits, [&] { return yr.ownNumber(ours::Amount); },
            [&] {
                (void)yr.take(el::Amount);
                (void)yr.take(el::AmountIsWeight);
                i.set(yc::IngYeastAmt, 1.0);
                i.set(yc::IngYeastUnits, QStringLiteral("pkg"));
            });
        ingredient(Yeasts(), i, yr, name);
    });
}

// What the file holds that no reader asked for, by kind.
void countNotKept(const XmlElement& e, Notes& notes, const QString& where) {
    for (const XmlElement& c : e.children) {
        if (!c.used) {
            notes.notKept(where.isEmpty() ? c.name : where + u'/' + c.name);
            continue;
        }
        if (!c.children.empty())
            countNotKept(c, notes, c.name);
    }
}

} // namespace

QString ImportSummary::text(int listLimit) const {
    QStringList lines;
    auto list = [&](const QString& heading, qsizetype count, auto&& line) {
        lines << heading.arg(count);
        const qsizetype shown = listLimit < 0 ? count : std::min<qsizetype>(count, listLimit);
        for (qsizetype i = 0; i < shown; ++i)
            lines << QStringLiteral("  ") + line(i);
        if (shown < count)
            lines << QStringLiteral("  ... and %1 more").arg(count - shown);
    };
    list(QStringLiteral("Recipes added: %1"), qsizetype(added.size()), [&](qsizetype i) {
        return QStringLiteral("batch %1: %2").arg(QString::number(added[i].batch), added[i].name);
    });
    lines << QStringLiteral("Ingredients matched to the Data database: %1").arg(matched);
    list(QStringLiteral("Kept as typed (not in the Data database): %1"), keptAsTyped.size(),
         [&](qsizetype i) { return keptAsTyped[i]; });
    list(QStringLiteral("Skipped: %1"), skipped.size(), [&](qsizetype i) { return skipped[i]; });
    list(QStringLiteral("Read differently from the file: %1"), readDifferently.size(),
         [&](qsizetype i) { return readDifferently[i]; });
    auto kind = notKept.begin();
    list(QStringLiteral("Not kept: %1"), qsizetype(notKept.size()), [&](qsizetype) {
        const QString line =
            QStringLiteral("%1 × %2").arg(QString::number(kind->second), kind->first);
        ++kind;
        return line;
    });
    return lines.join(u'\n');
}

bool ImportSummary::exceeds(int listLimit) const {
    const auto over = [&](qsizetype n) { return n > listLimit; };
    return over(qsizetype(added.size())) || over(keptAsTyped.size()) || over(skipped.size()) ||
           over(readDifferently.size()) || over(qsizetype(notKept.size()));
}

std::optional<ImportSummary> BeerXml::importRecipes(CDaoDatabase& recipes, CDaoDatabase* data,
                                                    const QByteArray& bytes,
                                                    const UtilizationTable& table, QString& error) {
    QByteArray copy = bytes;
    QBuffer in(&copy);
    in.open(QIODevice::ReadOnly);
    return importRecipes(recipes, data, in, table, error);
}

namespace {

// Where a RECIPE element stands in a file: what decides whether it is one of the recipes read.
enum class RecipePlace { Elsewhere, InRoot, FirstSection, OtherSection, TopLevel };

RecipePlace placeOf(const XmlElement& e, const std::vector<XmlElement>& open) {
    if (e.name != QLatin1String(el::Recipe) || open.empty())
        return RecipePlace::Elsewhere;
    static const QString document = QString::fromLatin1(kXmlStreamWrapper);
    if (open.size() == 1)
        return open[0].name == QLatin1String(el::Recipes) ? RecipePlace::InRoot
               : open[0].name == document                 ? RecipePlace::TopLevel
                                                          : RecipePlace::Elsewhere;
    if (open.size() == 2 && open[0].name == document &&
        open[1].name == QLatin1String(el::Recipes)) {
        const bool earlier =
            std::any_of(open[0].children.begin(), open[0].children.end(),
                        [](const XmlElement& c) { return c.name == QLatin1String(el::Recipes); });
        return earlier ? RecipePlace::OtherSection : RecipePlace::FirstSection;
    }
    return RecipePlace::Elsewhere;
}

// Whether a scan takes a recipe where it stands: one in the root's list or the first list
// goes to `listed`, one standing alone at the top level to `alone`; the recipes of any other
// list are passed over as a whole.
template <class Listed, class Alone>
bool takeRecipe(RecipePlace place, Listed listed, Alone alone) {
    switch (place) {
    case RecipePlace::InRoot:
    case RecipePlace::FirstSection:
        listed();
        return true;
    case RecipePlace::TopLevel:
        alone();
        return true;
    case RecipePlace::OtherSection:
        return true;
    case RecipePlace::Elsewhere:
        break;
    }
    return false;
}

} // namespace

namespace {

// The progress of an import: the bytes read, of both readings of the file.
class Reach {
public:
    Reach(const BeerXml::ImportProgress& progress, qint64 size)
        : m_progress(progress), m_size(std::max<qint64>(size, 1)) {}
    // Heard of the first reading at `bytes`, of the second at the file's size and `bytes`;
    // false when the progress cancels.
    bool at(qint64 bytes) {
        m_reached = bytes;
        return again();
    }
    bool again() { return !m_progress || m_progress(m_reached, 2 * m_size); }
    qint64 size() const { return m_size; }

private:
    const BeerXml::ImportProgress& m_progress;
    qint64 m_size;
    qint64 m_reached = 0;
};

// What the first reading found: the file is whole, how it is laid out, and its recipes' dates.
struct FileShape {
    bool document = false;   // several sections side by side
    bool hasSection = false; // ... one of which is a list of recipes
    QStringList dates;
    XmlReadNotes read;
};

// The first reading of the file: nothing when it is no recipe file or holds no recipe, with
// `error` saying why.
std::optional<FileShape> scanFile(QIODevice& in, Reach& reach, QString& error) {
    FileShape shape;
    XmlProblem problem;
    QStringList inList, topLevel;
    XmlStream scan;
    scan.progress = [&](qint64 bytes) { return reach.at(bytes); };
    scan.take = [&](XmlElement& e, const std::vector<XmlElement>& open) {
        return takeRecipe(
            placeOf(e, open), [&] { inList << e.value(el::Date); },
            [&] { topLevel << e.value(el::Date); });
    };
    scan.restart = [&] {
        inList.clear();
        topLevel.clear();
    };
    // Of a recipe, only its date is needed now.
    scan.keep = [](const XmlElement& e, const std::vector<XmlElement>& open) {
        if (!open.empty() && open.back().name == QLatin1String(el::Recipe))
            return e.name == QLatin1String(el::Date);
        return open.size() <= 2;
    };
    const std::optional<XmlElement> root =
        ReadXmlStream(in, problem, BeerXml::kMaxBytes, scan, &shape.read);
    if (!root) {
        error = problem.cancelled ? QString::fromLatin1(BeerXml::kCancelled) : problem.describe();
        return std::nullopt;
    }
    shape.document = root->name == QLatin1String(kXmlDocumentRoot);
    shape.hasSection =
        shape.document &&
        std::any_of(root->children.begin(), root->children.end(),
                    [](const XmlElement& c) { return c.name == QLatin1String(el::Recipes); });
    if (root->name == QLatin1String(el::Recipes) || shape.hasSection) {
        shape.dates = inList;
    } else if (shape.document) {
        shape.dates = topLevel;
    } else if (root->name == QLatin1String(el::Recipe)) {
        shape.dates = {root->value(el::Date)};
    } else {
        error = XmlProblem{QStringLiteral("the file's root element is <%1>, not <RECIPES> or "
                                          "<RECIPE>; is it a BeerXML recipe file?")
                               .arg(root->name),
                           root->line, root->column}
                    .describe();
        return std::nullopt;
    }
    if (shape.dates.isEmpty()) {
        error = QStringLiteral("the file holds no recipe");
        return std::nullopt;
    }
    return shape;
}

// A file of many recipes is more than memory should hold until the commit: its pages may go
// to the file before then (readers wait meanwhile, as for any writer), and the journal still
// undoes them all on any fault.
class CacheSpill {
public:
    CacheSpill(SqliteConnection& c, bool on) : m_c(c), m_on(on) {
        if (m_on)
            m_c.exec(QStringLiteral("PRAGMA cache_spill=ON"));
    }
    ~CacheSpill() {
        try {
            if (m_on)
                m_c.exec(QStringLiteral("PRAGMA cache_spill=OFF"));
        } catch (...) {
        }
    }
    CacheSpill(const CacheSpill&) = delete;
    CacheSpill& operator=(const CacheSpill&) = delete;

private:
    SqliteConnection& m_c;
    bool m_on;
};

// A transaction of its own (a rolled-back one leaves the file as it was, byte for byte), or a
// savepoint inside the caller's.
class ImportTransaction {
public:
    explicit ImportTransaction(SqliteConnection& c)
        : m_c(c), m_own(!c.inTransaction()), m_spill(c, m_own) {
        m_c.exec(m_own ? QStringLiteral("BEGIN IMMEDIATE")
                       : QStringLiteral("SAVEPOINT beerxml_import"));
    }
    void commit() {
        m_c.exec(m_own ? QStringLiteral("COMMIT") : QStringLiteral("RELEASE beerxml_import"));
    }
    void rollBack() {
        if (m_own) {
            m_c.exec(QStringLiteral("ROLLBACK"));
        } else {
            m_c.exec(QStringLiteral("ROLLBACK TO beerxml_import"));
            m_c.exec(QStringLiteral("RELEASE beerxml_import"));
        }
    }

private:
    SqliteConnection& m_c;
    bool m_own;
    CacheSpill m_spill;
};

// The second reading: every recipe of the file added, the rest named in the summary. Throws
// ImportFault on any fault.
void addRecipes(CDaoDatabase& recipes, CDaoDatabase* data, QIODevice& in,
                const UtilizationTable& table, const FileShape& shape, Notes& notes, Reach& reach) {
    SqliteConnection& c = recipes.connection();
    // Each table's name query is prepared once for the whole file.
    std::optional<Queries> dataQueries;
    if (data)
        dataQueries.emplace(data->connection());
    InterchangeExtras extras(c);
    extras.prepareForWriting();
    // The order of the file's numeric dates, from all of them.
    Importer importer(c, dataQueries ? &*dataQueries : nullptr, notes, extras,
                      RecipeDates::orderOf(shape.dates));
    // A recipe of many thousand rows is seconds of work of its own: it is said too.
    importer.setTick([&] {
        if (!reach.again())
            throw ImportFault{QString::fromLatin1(BeerXml::kCancelled)};
    });
    std::vector<long> ids;
    auto add = [&](const XmlElement& e, const QString& where) {
        e.used = true;
        ids.push_back(importer.recipe(e));
        countNotKept(e, notes, where);
        if (!reach.again())
            throw ImportFault{QString::fromLatin1(BeerXml::kCancelled)};
    };
    XmlStream adding;
    adding.severalRoots = shape.read.severalRoots;
    adding.progress = [&](qint64 bytes) { return reach.at(reach.size() + bytes); };
    adding.take = [&](XmlElement& e, const std::vector<XmlElement>& open) {
        return takeRecipe(
            placeOf(e, open), [&] { add(e, QLatin1String(el::Recipe)); },
            [&] {
                // Beside a list of recipes, a recipe of its own is not read.
                if (shape.hasSection)
                    notes.notKept(QLatin1String(el::Recipe));
                else
                    add(e, QLatin1String(el::Recipe));
            });
    };
    if (!in.seek(0))
        throw ImportFault{
            QStringLiteral("the file could not be read again: %1").arg(in.errorString())};
    XmlProblem problem;
    XmlReadNotes again;
    std::optional<XmlElement> root = ReadXmlStream(in, problem, BeerXml::kMaxBytes, adding, &again);
    if (!root)
        throw ImportFault{problem.cancelled ? QString::fromLatin1(BeerXml::kCancelled)
                                            : problem.describe()};
    if (shape.document) {
        // Sections side by side: the recipes are read, the rest named as not imported.
        (void)root->takeChild(el::Recipes);
        for (const XmlElement& section : root->children) {
            if (section.name != QLatin1String(el::Recipes) &&
                section.name != QLatin1String(el::Recipe)) {
                markUsed(section);
                notes.notKept(QStringLiteral("%1 (a list of the file beside its recipes, not "
                                             "imported)")
                                  .arg(section.name),
                              std::max<int>(1, static_cast<int>(section.children.size())));
            }
        }
    }
    if (root->name == QLatin1String(el::Recipe))
        add(*root, QString());
    else
        countNotKept(*root, notes, {});
    // The hop rows get the bitterness a calculation run would store.
    StoreComputedBitterness(recipes, table, ids);
}

} // namespace

std::optional<ImportSummary> BeerXml::importRecipes(CDaoDatabase& recipes, CDaoDatabase* data,
                                                    QIODevice& in, const UtilizationTable& table,
                                                    QString& error,
                                                    const ImportProgress& progress) {
    // The file is read twice, a recipe at a time: first to know it is whole and what its dates
    // look like, then to add its recipes. Nothing is written until the first reading is done.
    Reach reach(progress, in.size());
    const std::optional<FileShape> shape = scanFile(in, reach, error);
    if (!shape)
        return std::nullopt;
    ImportSummary summary;
    Notes notes(summary);
    if (shape->read.droppedControls > 0)
        notes.readAs(QStringLiteral("%1 control character(s), which XML does not allow, dropped "
                                    "from the file's texts (the first at line %2, column %3)")
                         .arg(QString::number(shape->read.droppedControls),
                              QString::number(shape->read.firstDropLine),
                              QString::number(shape->read.firstDropColumn)));
    ImportTransaction transaction(recipes.connection());
    try {
        addRecipes(recipes, data, in, table, *shape, notes, reach);
        transaction.commit();
    } catch (const ImportFault& f) {
        transaction.rollBack();
        error = f.text;
        return std::nullopt;
    } catch (...) {
        transaction.rollBack();
        throw;
    }
    return summary;
}

} // namespace wsc
