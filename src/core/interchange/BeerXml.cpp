#include "core/interchange/BeerXml.h"

#include "core/calc/BeerColor.h"
#include "core/calc/IngredientSheets.h"
#include "core/calc/NumberLimits.h"
#include "core/calc/RecipeCalculator.h"
#include "core/calc/Units.h"
#include "core/db/SqliteConnection.h"
#include "core/db/dao/CDaoDatabase.h"
#include "core/db/records/CRecordSetRecipe.h"
#include "core/db/records/CRecordSetRecipeMaxBatch.h"
#include "core/db/records/Columns.h"
#include "core/document/StoredBitterness.h"
#include "core/document/TextLengths.h"
#include "core/interchange/BeerXmlFields.h"
#include "core/interchange/InterchangeExtras.h"
#include "core/interchange/RecipeDates.h"
#include "core/interchange/XmlTree.h"

#include <QBuffer>
#include <QLocale>
#include <QSet>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <functional>
#include <limits>
#include <map>
#include <optional>
#include <string_view>

namespace wsc {

using namespace beerxml;

namespace {

using units::kKgPerLb;
using units::kKgPerOz;
using units::kLitresPerGallon;
// The columns of the recipe's four mash steps: minutes, temperature and volume.
const char* const kMashTimes[] = {col::recipe::RecipeMashTime1, col::recipe::RecipeMashTime2,
                                  col::recipe::RecipeMashTime3, col::recipe::RecipeMashTime4};
const char* const kMashTemps[] = {col::recipe::RecipeMashTemp1, col::recipe::RecipeMashTemp2,
                                  col::recipe::RecipeMashTemp3, col::recipe::RecipeMashTemp4};
const char* const kMashVols[] = {col::recipe::RecipeMashVol1, col::recipe::RecipeMashVol2,
                                 col::recipe::RecipeMashVol3, col::recipe::RecipeMashVol4};
// Gravity points of one pound in one US gallon at 100 % yield (sucrose).
constexpr double kPointsAtFullYield = 46.214;
constexpr long kLastBatch = 2147483647;
// What one package of yeast is in the format's units: a sachet of dry yeast, a pouch of
// liquid yeast.
constexpr double kKgPerDryPackage = 0.0115;
constexpr double kLitresPerLiquidPackage = 0.125;
// A negative amount closer to 0 than this is another program's rounding, not a mistake.
constexpr double kRoundingTolerance = 0.01;
// What the peer programs take: gravities and temperatures in these ranges.
constexpr double kLowestGravity = 0.990;
constexpr double kHighestGravity = 2.0;
constexpr double kHighestCelsius = 150;

// Our own elements for what BeerXML has no place for; other programs ignore them.
constexpr const char* kExt = "WORTSMITH_";

QString number(double v) {
    if (!std::isfinite(v))
        v = 0;
    // Nine decimals, exactly rounded, without the zeros that follow the last digit.
    char buf[400];
    const auto [end, ec] = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed, 9);
    if (ec != std::errc())
        return QStringLiteral("0");
    std::string_view s(buf, static_cast<std::size_t>(end - buf));
    if (s.find('.') != std::string_view::npos) {
        while (s.back() == '0')
            s.remove_suffix(1);
        if (s.back() == '.')
            s.remove_suffix(1);
    }
    if (s == "-0")
        return QStringLiteral("0");
    return QString::fromLatin1(s.data(), static_cast<qsizetype>(s.size()));
}

// Converted values are kept to the precision a brewer can weigh and read.
double rounded(double v) {
    return std::round(v * 1e6) / 1e6;
}

std::optional<double> kilogramsPer(const QString& unit) {
    const QString u = unit.trimmed().toLower();
    if (u == QLatin1String("lbs") || u == QLatin1String("lb"))
        return kKgPerLb;
    if (u == QLatin1String("oz"))
        return kKgPerOz;
    if (u == QLatin1String("kg"))
        return 1.0;
    if (u == QLatin1String("g"))
        return 0.001;
    return std::nullopt;
}

std::optional<double> litresPer(const QString& unit) {
    const QString u = unit.trimmed().toLower();
    if (u == QLatin1String("tsp"))
        return 0.00492892159375;
    if (u == QLatin1String("tbsp"))
        return 0.01478676478125;
    if (u == QLatin1String("cup"))
        return 0.2365882365;
    if (u == QLatin1String("l"))
        return 1.0;
    if (u == QLatin1String("ml"))
        return 0.001;
    if (u == QLatin1String("gal"))
        return kLitresPerGallon;
    return std::nullopt;
}

double yieldOf(double potential) {
    return potential > 1 ? (potential - 1) * 1000 / kPointsAtFullYield * 100 : 0;
}

double potentialOf(double yield) {
    return yield > 0 ? rounded(1 + yield / 100 * kPointsAtFullYield / 1000) : 0;
}

// A word of one of the format's lists, in the list's spelling, or `otherwise`: other programs
// refuse a file with any other word.
QString oneOf(const QString& word, std::initializer_list<const char*> list, const char* otherwise) {
    for (const char* w : list) {
        if (word.trimmed().compare(QLatin1String(w), Qt::CaseInsensitive) == 0)
            return QString::fromLatin1(w);
    }
    return QString::fromLatin1(otherwise);
}

bool isTrue(const QString& text) {
    return text.compare(QLatin1String("TRUE"), Qt::CaseInsensitive) == 0;
}

QString flag(bool on) {
    return on ? QStringLiteral("TRUE") : QStringLiteral("FALSE");
}

// The display figures of the format: every program computes its own.
bool isDisplayField(const QString& name) {
    static const QSet<QString> figures = {
        QStringLiteral("EST_OG"),
        QStringLiteral("EST_FG"),
        QStringLiteral("EST_COLOR"),
        QStringLiteral("IBU"),
        QStringLiteral("IBU_METHOD"),
        QStringLiteral("EST_ABV"),
        QStringLiteral("ABV"),
        QStringLiteral("ACTUAL_EFFICIENCY"),
        QStringLiteral("CALORIES"),
        QStringLiteral("VERSION"),
        QStringLiteral("DISPLAY_AMOUNT"),
        QStringLiteral("INVENTORY"),
    };
    return name.startsWith(QLatin1String("DISPLAY_")) || figures.contains(name);
}

// ---------------------------------------------------------------------------------------------
// Rows as stored

struct Row {
    std::map<QString, QVariant, std::less<>> v;
    QVariant raw(const char* c) const {
        auto it = v.find(QLatin1StringView(c));
        return it == v.end() ? QVariant() : it->second;
    }
    QString text(const char* c) const {
        const QVariant x = raw(c);
        return x.isNull() ? QString() : x.toString();
    }
    double real(const char* c) const {
        const QVariant x = raw(c);
        return x.isNull() ? 0 : x.toDouble();
    }
    long whole(const char* c) const { return long(std::llround(real(c))); }
};

// The rows of a query; each query is prepared once per export or import.
class Queries {
public:
    explicit Queries(SqliteConnection& c) : m_c(c) {}
    std::vector<Row> rows(const QString& sql, const QVariant& key = {}) {
        auto it = m_statements.find(sql);
        if (it == m_statements.end())
            it = m_statements.emplace(sql, m_c.prepare(sql)).first;
        SqliteStatement& st = it->second;
        st.reset();
        if (key.isValid())
            st.bind(1, key);
        std::vector<Row> out;
        eachOf(st, [&](Row&& r) {
            out.push_back(std::move(r));
            return true;
        });
        return out;
    }
    // The rows one at a time, for a query of more rows than are held at once; false when
    // `take` stopped it.
    template <class Take> bool each(const QString& sql, Take take) {
        SqliteStatement st = m_c.prepare(sql);
        return eachOf(st, take);
    }

private:
    template <class Take> static bool eachOf(SqliteStatement& st, Take take) {
        // The columns in the map's order, so that each row is built without a search; of two
        // columns of one name the later one counts.
        std::vector<std::pair<QString, int>> names;
        for (int i = 0; i < st.columnCount(); ++i)
            names.emplace_back(st.columnName(i), i);
        std::sort(names.begin(), names.end(), [](const auto& a, const auto& b) {
            return a.first != b.first ? a.first < b.first : a.second > b.second;
        });
        while (st.step()) {
            Row r;
            for (const auto& [name, i] : names)
                r.v.emplace_hint(r.v.end(), name, st.value(i));
            if (!take(std::move(r))) {
                st.reset();
                return false;
            }
        }
        return true;
    }

    SqliteConnection& m_c;
    std::map<QString, SqliteStatement> m_statements;
};

// A stored value exactly, for our own element.
QString exact(const QVariant& v) {
    if (v.typeId() == QMetaType::Double) {
        // The shortest text that reads back as the same double.
        char buf[32];
        const auto [end, ec] = std::to_chars(buf, buf + sizeof buf, v.toDouble());
        if (ec == std::errc())
            return QString::fromLatin1(buf, static_cast<qsizetype>(end - buf));
        return QString::number(v.toDouble(), 'g', 17);
    }
    return v.toString();
}

// ---------------------------------------------------------------------------------------------
// Writing

// The file's XML, indented four spaces a level, written straight into a buffer that goes to
// the device a large piece at a time: the export of a big file spends its time on the
// recipes, not on the writing.
class Writer {
public:
    explicit Writer(QIODevice* out) : m_out(out) {}
    void startDocument() { m_bytes.append("<?xml version=\"1.0\" encoding=\"UTF-8\"?>"); }
    void endDocument() {
        while (!m_open.empty())
            end();
        m_bytes.append('\n');
    }
    // What is written so far, on the device and in the buffer.
    qint64 size() const { return m_out->pos() + m_bytes.size(); }
    // Hands what is buffered to the device once there is enough of it for a large write (or
    // at once when `now`); false when the device could not take it all.
    bool flush(bool now = false) {
        if (!now && m_bytes.size() < kChunk)
            return true;
        const qint64 size = m_bytes.size();
        const bool written = size == 0 || m_out->write(m_bytes.constData(), size) == size;
        m_bytes.resize(0);
        return written;
    }
    void field(const char* name, const QString& value) { field(QString::fromLatin1(name), value); }
    void field(const QString& name, const QString& value) {
        const QByteArray tag = name.toUtf8();
        startTag(tag);
        m_bytes.append('>');
        appendText(value);
        m_bytes.append("</").append(tag).append('>');
        if (!m_open.empty())
            m_open.back().written.push_back(name);
    }
    void field(const char* name, double value) { field(name, number(value)); }
    void ext(const char* name, const QString& value) {
        field(QString::fromLatin1(kExt) + QString::fromLatin1(name), value);
    }
    void begin(const char* name) {
        const QByteArray tag(name);
        startTag(tag);
        m_open.push_back({tag, {}, true});
    }
    void end() {
        Open& e = m_open.back();
        if (e.empty) {
            m_bytes.append("/>");
        } else {
            indent(m_open.size() - 1);
            m_bytes.append("</").append(e.tag).append('>');
        }
        m_open.pop_back();
    }
    // An element of the record being written is there already.
    bool has(const QString& name) const {
        return !m_open.empty() &&
               std::find(m_open.back().written.begin(), m_open.back().written.end(), name) !=
                   m_open.back().written.end();
    }

private:
    struct Open {
        QByteArray tag;
        // The names the element holds, in writing order; asked about a few times a record.
        std::vector<QString> written;
        bool empty;
    };
    void indent(std::size_t depth) {
        m_bytes.append('\n');
        m_bytes.append(qsizetype(depth * 4), ' ');
    }
    void startTag(const QByteArray& tag) {
        if (!m_open.empty() && m_open.back().empty) {
            m_bytes.append('>');
            m_open.back().empty = false;
        }
        indent(m_open.size());
        m_bytes.append('<').append(tag);
    }
    // The text escaped as element content. A character XML cannot hold at all (a control
    // character, half of a surrogate pair) is left out, as an import leaves it out.
    void appendText(const QString& text) {
        const auto plain = [](char16_t c) {
            return c >= 0x20 && c < 0xD800 && c != u'&' && c != u'<' && c != u'>' && c != u'"';
        };
        if (std::all_of(text.begin(), text.end(), [&](QChar c) { return plain(c.unicode()); })) {
            m_bytes.append(text.toUtf8());
            return;
        }
        QString out;
        out.reserve(text.size() + 16);
        for (qsizetype i = 0; i < text.size(); ++i) {
            const char16_t c = text.at(i).unicode();
            if (plain(c) || c == u'\t' || c == u'\n' || c == u'\r' ||
                (c >= 0xE000 && c <= 0xFFFD)) {
                out += QChar(c);
            } else if (c == u'&') {
                out += QLatin1String("&amp;");
            } else if (c == u'<') {
                out += QLatin1String("&lt;");
            } else if (c == u'>') {
                out += QLatin1String("&gt;");
            } else if (c == u'"') {
                out += QLatin1String("&quot;");
            } else if (QChar::isHighSurrogate(c) && i + 1 < text.size() &&
                       text.at(i + 1).isLowSurrogate()) {
                out += QChar(c);
                out += text.at(++i);
            }
        }
        m_bytes.append(out.toUtf8());
    }

    static constexpr qint64 kChunk = 1 << 20;
    QIODevice* m_out;
    QByteArray m_bytes;
    std::vector<Open> m_open;
};

// How the recipe's own measure reads in the format's units.
struct Measure {
    bool metric = false;
    double litres(double v) const { return metric ? v : v * kLitresPerGallon; }
    double celsius(double v) const { return metric ? v : FromStored(Unit::Celsius, v); }
    double fromLitres(double v) const { return rounded(metric ? v : v / kLitresPerGallon); }
    qlonglong fromCelsius(double c) const {
        return std::llround(metric ? c : ToStored(Unit::Celsius, c));
    }
};

bool gravityShown(double g) {
    return g != 1.0 && g >= kLowestGravity && g <= kHighestGravity;
}

// A field's text as other programs read it; nothing when it is unset or outside what the
// format takes.
std::optional<QString> formatText(Conv conv, const QVariant& v, const Measure& m) {
    const double x = v.toDouble();
    auto shown = [](bool shown, double value) {
        return shown ? std::optional<QString>(number(value)) : std::nullopt;
    };
    switch (conv) {
    case Conv::Text:
        return v.toString().isEmpty() ? std::nullopt : std::optional<QString>(v.toString());
    case Conv::Number:
        return shown(x > 0, x);
    case Conv::Whole:
        return shown(v.toLongLong() > 0, double(v.toLongLong()));
    case Conv::Volume:
        return shown(x > 0, m.litres(x));
    case Conv::Temperature: {
        const double c = m.celsius(x);
        return shown(x != 0 && c >= 0 && c <= kHighestCelsius, c);
    }
    case Conv::Gravity:
        return shown(gravityShown(x), x);
    case Conv::Yield:
        return shown(x > 1, yieldOf(x));
    case Conv::Date: {
        const QDateTime d = QDateTime::fromString(v.toString(), Qt::ISODate);
        return d.isValid() ? std::optional<QString>(d.date().toString(Qt::ISODate)) : std::nullopt;
    }
    }
    return std::nullopt;
}

// The fields of a record that other programs read.
void writeFields(Writer& w, std::span<const Field> fields, const Row& r, const Measure& m) {
    for (const Field& f : fields) {
        if (const std::optional<QString> text = formatText(f.conv, r.raw(f.column), m))
            w.field(f.element, *text);
    }
}

// Every column of a row in our own element, so that a file of ours brings back exactly what
// was stored; a column with no value is left out.
void writeColumns(Writer& w, const TableMap& t, const Row& r) {
    // Each table's own element names, made once.
    static std::map<const TableMap*, std::vector<std::pair<const char*, QString>>> names;
    auto& columns = names[&t];
    if (columns.empty()) {
        for (const char* column : t.columns) {
            if (!IsIdentity(QString::fromLatin1(column)))
                columns.emplace_back(column, ExtensionFor(column));
        }
    }
    for (const auto& [column, element] : columns) {
        const QVariant v = r.raw(column);
        if (!v.isNull())
            w.field(element, exact(v));
    }
}

// Our own element that carries a kept element (or a mark of ours, "#..."), for our next
// import of the file.
QString keptElement(const QString& name) {
    return QStringLiteral("WORTSMITH_KEPT.") +
           (name.startsWith(u'#') ? QStringLiteral("SIG.") + name.mid(1) : name);
}

// The kept element an element of ours carries, or nothing.
std::optional<QString> keptName(const QString& element) {
    static const QString kept = QStringLiteral("WORTSMITH_KEPT.");
    if (!element.startsWith(kept))
        return std::nullopt;
    const QString name = element.mid(kept.size());
    return name.startsWith(QLatin1String("SIG.")) ? u'#' + name.mid(4) : name;
}

// What another program's file brought that this program keeps for it: written back where the
// record has no element of that name already, and in our own elements for our next import.
// A kept value another program takes: a word of the format's lists where the element has one.
bool takenAs(const char* record, const QString& name, const QString& value) {
    static const std::map<QString, std::vector<const char*>> lists = {
        {QStringLiteral("HOP/FORM"), {"Pellet", "Plug", "Leaf"}},
        {QStringLiteral("HOP/TYPE"), {"Bittering", "Aroma", "Both"}},
        {QStringLiteral("YEAST/FLOCCULATION"), {"Low", "Medium", "High", "Very High"}},
    };
    static const QSet<QString> flags = {
        QStringLiteral("ADD_AFTER_BOIL"),     QStringLiteral("RECOMMEND_MASH"),
        QStringLiteral("IS_MASHED"),          QStringLiteral("ADD_TO_SECONDARY"),
        QStringLiteral("FORCED_CARBONATION"), QStringLiteral("CALC_BOIL_VOLUME")};
    if (flags.contains(name))
        return isTrue(value) || value.compare(QLatin1String("FALSE"), Qt::CaseInsensitive) == 0;
    const auto it = lists.find(QString::fromLatin1(record) + u'/' + name);
    if (it == lists.end())
        return true;
    for (const char* word : it->second) {
        if (value == QLatin1String(word))
            return true;
    }
    return false;
}

void writeExtras(Writer& w, const std::map<QString, QString>& extras, const char* record,
                 const QString& prefix = {}) {
    for (const auto& [element, value] : extras) {
        if (!element.startsWith(prefix))
            continue;
        const QString name = element.mid(prefix.size());
        if (name.contains(u'/'))
            continue;
        if (!name.startsWith(u'#') && !w.has(name) && takenAs(record, name, value))
            w.field(name, value);
        w.field(keptElement(name), value);
    }
}

void writeAmount(Writer& w, double amount, const QString& units, bool weightOnly,
                 const QString& form = {}) {
    const QString u = units.trimmed().toLower();
    if (const auto kg = kilogramsPer(units)) {
        w.field("AMOUNT", std::max(0.0, amount * *kg));
        if (!weightOnly)
            w.field("AMOUNT_IS_WEIGHT", flag(true));
    } else if (const auto l = weightOnly ? std::nullopt : litresPer(units)) {
        w.field("AMOUNT", std::max(0.0, amount * *l));
        w.field("AMOUNT_IS_WEIGHT", flag(false));
    } else if (u == QLatin1String("pkg") && !weightOnly) {
        // A package means a sachet of dry yeast or a pouch of liquid yeast.
        const bool dry = form.compare(QLatin1String("Dry"), Qt::CaseInsensitive) == 0;
        w.field("AMOUNT",
                std::max(0.0, amount) * (dry ? kKgPerDryPackage : kLitresPerLiquidPackage));
        w.field("AMOUNT_IS_WEIGHT", flag(dry));
    } else {
        w.field("AMOUNT", 0.0);
    }
}

// The style's ranges the format requires. A range the recipe does not hold is written as the
// whole range a beer can have, which asks nothing of the recipe.
std::pair<double, double> rangeOr(double lo, double hi, double least, double most) {
    if (lo >= least && hi <= most && lo <= hi && hi > lo)
        return {lo, hi};
    return {least, most};
}

class ExportOf {
public:
    ExportOf(Writer& w, Queries& c, InterchangeExtras& extras) : w(w), c(c), m_extras(extras) {}
    void recipe(const Row& r, const RecipeCalculator& calc);

private:
    std::vector<Row> rowsOf(const TableMap& t, long id) {
        return c.rows(QStringLiteral("SELECT * FROM %1 WHERE IngRecipeID = ? ORDER BY IngRowID")
                          .arg(SqliteConnection::quoteIdentifier(QString::fromLatin1(t.table))),
                      qlonglong(id));
    }
    std::map<QString, QString> extrasOf(const TableMap& t, const Row& row) {
        return m_extras.of(QString::fromLatin1(t.table), row.raw("IngRowID").toLongLong());
    }
    void style(const Row& r, const std::map<QString, QString>& extras);
    void equipment(const Row& r, const Measure& m);
    void mash(const Row& r, const Measure& m, const std::map<QString, QString>& extras);
    void fermentable(const TableMap& t, const Row& row, const char* type, double amount,
                     const QString& units, bool mashed);
    // An ingredient's element opens with the fields its table maps and the format's version,
    // and closes with our own columns and what another program's file brought with it.
    void openIngredient(const char* tag, const TableMap& t, const Row& shown);
    void closeIngredient(const char* tag, const TableMap& t, const Row& row,
                         const std::map<QString, QString>& extras);

    Writer& w;
    Queries& c;
    InterchangeExtras& m_extras;
};

void ExportOf::style(const Row& r, const std::map<QString, QString>& extras) {
    namespace rc = col::recipe;
    w.begin("STYLE");
    // A recipe without a target style says so: the format wants a name. The row is copied
    // only then.
    std::optional<Row> styled;
    if (r.text(rc::RecipeTargetStyle).trimmed().isEmpty()) {
        styled = r;
        styled->v[QString::fromLatin1(rc::RecipeTargetStyle)] = QStringLiteral("No target style");
    }
    writeFields(w, StyleFields(), styled ? *styled : r, Measure{});
    w.field("VERSION", QStringLiteral("1"));
    // What the file the style came with said of it (its number and letter, its final
    // gravities), as long as the recipe keeps that style.
    const auto chosen = extras.find(QStringLiteral("STYLE/#STYLE"));
    if (chosen != extras.end() && chosen->second == r.text(rc::RecipeTargetStyle))
        writeExtras(w, extras, "STYLE", QStringLiteral("STYLE/"));
    for (const char* required : {"CATEGORY", "CATEGORY_NUMBER", "STYLE_LETTER", "STYLE_GUIDE"}) {
        if (!w.has(QString::fromLatin1(required)))
            w.field(required, QString());
    }
    if (!w.has(QStringLiteral("TYPE")))
        w.field("TYPE", r.whole(rc::RecipeFermTypeAle) == 1 ? QStringLiteral("Lager")
                                                            : QStringLiteral("Ale"));
    const auto [ogLo, ogHi] =
        rangeOr(r.real(rc::RecipeTargetSpGravLo), r.real(rc::RecipeTargetSpGravHi), 1.0, 1.2);
    w.field("OG_MIN", ogLo);
    w.field("OG_MAX", ogHi);
    // The format wants a final gravity range too, which a style of ours does not hold: the one
    // its original gravities reach at the usual 65 to 85 % apparent attenuation.
    if (!w.has(QStringLiteral("FG_MIN")))
        w.field("FG_MIN", rounded(1 + (ogLo - 1) * 0.15));
    if (!w.has(QStringLiteral("FG_MAX")))
        w.field("FG_MAX", rounded(1 + (ogHi - 1) * 0.35));
    for (const auto& [element, lo, hi, most] :
         {std::tuple{"IBU", rc::RecipeTargetIBULo, rc::RecipeTargetIBUHi, 150.0},
          std::tuple{"COLOR", rc::RecipeTargetColorLo, rc::RecipeTargetColorHi, 100.0}}) {
        const auto [a, b] = rangeOr(r.real(lo), r.real(hi), 0.0, most);
        const QString name = QString::fromLatin1(element);
        if (!w.has(name + QStringLiteral("_MIN")))
            w.field(name + QStringLiteral("_MIN"), number(a));
        if (!w.has(name + QStringLiteral("_MAX")))
            w.field(name + QStringLiteral("_MAX"), number(b));
    }
    // A subcategory of one blank is none, as everywhere else.
    w.ext("SUBCATEGORY", r.text(rc::RecipeTargetSubcategory).trimmed());
    w.end();
}

void ExportOf::equipment(const Row& r, const Measure& m) {
    namespace rc = col::recipe;
    // The recipe's own sizes: the format asks for an equipment record.
    w.begin("EQUIPMENT");
    w.field("NAME", QStringLiteral("As in the recipe"));
    w.field("VERSION", QStringLiteral("1"));
    w.field("BOIL_SIZE", m.litres(std::max(0.0, r.real(rc::RecipeBoilSize))));
    w.field("BATCH_SIZE", m.litres(std::max(0.0, r.real(rc::RecipeBatchSize))));
    if (r.whole(rc::RecipeBoilLth) > 0)
        w.field("BOIL_TIME", double(r.whole(rc::RecipeBoilLth)));
    w.end();
}

void ExportOf::mash(const Row& r, const Measure& m, const std::map<QString, QString>& extras) {
    namespace rc = col::recipe;
    static const char* names[] = {"Protein Rest", "Starch Conversion", "Starch Conversion 2",
                                  "Mash Out"};
    const long type = r.whole(rc::RecipeMashType);
    w.begin("MASH");
    w.field("NAME", type == 2 ? QStringLiteral("Decoction Mash")
                              : (type == 1 ? QStringLiteral("Step Infusion Mash")
                                           : QStringLiteral("Single Infusion Mash")));
    w.field("VERSION", QStringLiteral("1"));
    const auto grain = extras.find(QStringLiteral("MASH/GRAIN_TEMP"));
    // The format requires it; a recipe of ours does not know it: the grain at room temperature.
    w.field("GRAIN_TEMP", grain != extras.end() ? grain->second : QStringLiteral("20"));
    w.begin("MASH_STEPS");
    for (int i = 0; i < 4; ++i) {
        const double time = r.real(kMashTimes[i]);
        const double temp = r.real(kMashTemps[i]);
        const double vol = r.real(kMashVols[i]);
        const double c = m.celsius(temp);
        // A step needs its temperature in the format; one without goes in our own elements.
        if (temp == 0 || c < 0 || c > kHighestCelsius)
            continue;
        const QString place = QStringLiteral("MASH_STEP%1/").arg(i + 1);
        w.begin("MASH_STEP");
        const auto stepName = extras.find(place + QStringLiteral("NAME"));
        w.field("NAME",
                stepName != extras.end() ? stepName->second : QString::fromLatin1(names[i]));
        w.field("VERSION", QStringLiteral("1"));
        const auto stepType = extras.find(place + QStringLiteral("TYPE"));
        const char* ours = type == 2 ? "Decoction" : (vol > 0 ? "Infusion" : "Temperature");
        w.field("TYPE",
                stepType != extras.end()
                    ? oneOf(stepType->second, {"Infusion", "Temperature", "Decoction"}, ours)
                    : QString::fromLatin1(ours));
        if (vol > 0)
            w.field("INFUSE_AMOUNT", m.litres(vol));
        w.field("STEP_TEMP", c);
        w.field("STEP_TIME", std::max(0.0, time));
        w.ext("PLACE", QString::number(i + 1));
        writeExtras(w, extras, "MASH_STEP", place);
        w.end();
    }
    w.end();
    const double sparge = m.celsius(r.real(rc::RecipeSpargeTemp));
    if (r.real(rc::RecipeSpargeTemp) != 0 && sparge >= 0 && sparge <= kHighestCelsius)
        w.field("SPARGE_TEMP", sparge);
    if (r.real(rc::RecipeMashPhAdj) > 0)
        w.field("PH", r.real(rc::RecipeMashPhAdj));
    w.ext("MASH_TYPE", QString::number(type));
    w.ext("SPARGE_VOLUME", number(m.litres(r.real(rc::RecipeSpargeVol))));
    writeExtras(w, extras, "MASH", QStringLiteral("MASH/"));
    w.end();
}

void ExportOf::openIngredient(const char* tag, const TableMap& t, const Row& shown) {
    w.begin(tag);
    writeFields(w, t.fields, shown, Measure{});
    w.field("VERSION", QStringLiteral("1"));
}

void ExportOf::closeIngredient(const char* tag, const TableMap& t, const Row& row,
                               const std::map<QString, QString>& extras) {
    writeColumns(w, t, row);
    writeExtras(w, extras, tag);
    w.end();
}

void ExportOf::fermentable(const TableMap& t, const Row& row, const char* type, double amount,
                           const QString& units, bool mashed) {
    openIngredient("FERMENTABLE", t, row);
    w.field("TYPE", QString::fromLatin1(type));
    writeAmount(w, amount, units, true);
    for (const char* required : {"YIELD", "COLOR"}) {
        if (!w.has(QString::fromLatin1(required)))
            w.field(required, 0.0);
    }
    const std::map<QString, QString> extras = extrasOf(t, row);
    // Grain is mashed in a mash recipe; steeped in an extract one.
    if (QLatin1String(type) == QLatin1String("Grain") &&
        extras.find(QStringLiteral("RECOMMEND_MASH")) == extras.end())
        w.field("RECOMMEND_MASH", flag(mashed));
    w.ext("UNITS", units);
    writeExtras(w, extras, "FERMENTABLE");
}

void ExportOf::recipe(const Row& r, const RecipeCalculator& calc) {
    namespace rc = col::recipe;
    const long id = r.whole(rc::RecipeID);
    const Measure m{r.whole(rc::RecipeMeasureEnglish) == 1};
    const std::map<QString, QString> extras = m_extras.of(QStringLiteral("Recipes"), id);

    w.begin("RECIPE");
    std::optional<Row> named;
    if (r.text(rc::RecipeName).trimmed().isEmpty()) {
        named = r;
        named->v[QString::fromLatin1(rc::RecipeName)] =
            QStringLiteral("Batch %1").arg(r.whole(rc::RecipeBatchNo));
    }
    writeFields(w, Recipes().fields, named ? *named : r, m);
    w.field("VERSION", QStringLiteral("1"));
    const bool allGrain = r.whole(rc::RecipeProcessAllGrain) != 0;
    const bool partial = r.whole(rc::RecipeProcessPartial) != 0;
    const bool mashed = allGrain || partial;
    w.field("TYPE", allGrain
                        ? QStringLiteral("All Grain")
                        : (partial ? QStringLiteral("Partial Mash") : QStringLiteral("Extract")));
    if (!w.has(QStringLiteral("BREWER")))
        w.field("BREWER", QString());
    for (const char* required : {"BATCH_SIZE", "BOIL_SIZE", "BOIL_TIME"}) {
        if (!w.has(QString::fromLatin1(required)))
            w.field(required, QStringLiteral("0"));
    }
    const long aroma = r.whole(rc::RecipeRatingAroma);
    const long appearance = r.whole(rc::RecipeRatingAppearance);
    const long taste = r.whole(rc::RecipeRatingTaste);
    const long impression = r.whole(rc::RecipeRatingImpression);
    // Our 20-point score on the 50-point scale of the format, once the recipe has one.
    if (aroma + appearance + taste > 0)
        w.field("TASTE_RATING", double(aroma + appearance + taste + impression) * 2.5);
    const bool weeks = r.text(rc::RecipeFermConditioningUnits)
                           .compare(QLatin1String("Weeks"), Qt::CaseInsensitive) == 0;
    if (r.whole(rc::RecipeFermConditioningAmt) > 0)
        w.field("AGE", double(r.whole(rc::RecipeFermConditioningAmt)) * (weeks ? 7 : 1));
    // The predictions, as display fields: colour in SRM as the format says. The bitterness
    // comes from the utilization table of the Data database, which is no method of the
    // format's list (Rager, Tinseth, Garetz; programs refuse any other word): it is named in
    // our own element only.
    w.field("EST_OG", QStringLiteral("%1 SG").arg(calc.PredictedOG, 0, 'f', 3));
    w.field("EST_FG", QStringLiteral("%1 SG").arg(calc.PredictedFG, 0, 'f', 3));
    w.field("EST_COLOR", QStringLiteral("%1 SRM").arg(MoreySrm(calc.PredictedColor), 0, 'f', 1));
    w.field("IBU", QStringLiteral("%1 IBUs").arg(calc.TotalIBU, 0, 'f', 1));
    w.ext("IBU_METHOD", QStringLiteral("Utilization table of the Data database"));
    w.field("EST_ABV", QStringLiteral("%1 %").arg(calc.PredictedABV, 0, 'f', 1));
    w.ext("MCU", QString::asprintf("%.1f", calc.PredictedColor));
    // What earlier versions of the program read from its own files.
    w.ext("MEASURE", m.metric ? QStringLiteral("Metric") : QStringLiteral("English"));
    w.ext("PROCESS", QStringLiteral("%1,%2,%3,%4")
                         .arg(QString::number(r.whole(rc::RecipeProcessKit)),
                              QString::number(r.whole(rc::RecipeProcessExtract)),
                              QString::number(r.whole(rc::RecipeProcessPartial)),
                              QString::number(r.whole(rc::RecipeProcessAllGrain))));
    w.ext("RATING", QStringLiteral("%1,%2,%3,%4")
                        .arg(QString::number(aroma), QString::number(appearance),
                             QString::number(taste), QString::number(impression)));
    w.ext("CONDITIONING_UNITS", r.text(rc::RecipeFermConditioningUnits));
    w.ext("PRIMING_AMOUNT", r.text(rc::RecipeFermPrimingAmt));
    w.ext("PRIMING_UNITS", r.text(rc::RecipeFermPrimingUnits));
    writeColumns(w, Recipes(), r);

    style(r, extras);
    equipment(r, m);

    w.begin("HOPS");
    for (const Row& h : rowsOf(Hops(), id)) {
        namespace hc = col::hops;
        const std::map<QString, QString> hx = extrasOf(Hops(), h);
        openIngredient("HOP", Hops(), h);
        if (!w.has(QStringLiteral("ALPHA")))
            w.field("ALPHA", 0.0);
        writeAmount(w, h.real(hc::IngHopsWeight), h.text(hc::IngHopsUnits), true);
        const double time = std::max(0.0, h.real(hc::IngHopsTime));
        // A hop added outside the boil keeps the use and minutes it came with, as long as
        // nobody changed its time since.
        const auto use = hx.find(QStringLiteral("USE"));
        const auto stored = hx.find(QStringLiteral("#STOREDTIME"));
        if (use != hx.end() && stored != hx.end() && stored->second.toDouble() == time) {
            w.field("USE", oneOf(use->second, {"Boil", "Dry Hop", "Mash", "First Wort", "Aroma"},
                                 "Aroma"));
            const auto minutes = hx.find(QStringLiteral("TIME"));
            w.field("TIME", minutes != hx.end() ? minutes->second : number(time));
        } else {
            w.field("USE", time > 0 ? QStringLiteral("Boil") : QStringLiteral("Aroma"));
            w.field("TIME", time);
        }
        w.ext("UNITS", h.text(hc::IngHopsUnits));
        closeIngredient("HOP", Hops(), h, hx);
    }
    w.end();

    w.begin("FERMENTABLES");
    for (const Row& k : rowsOf(Kits(), id)) {
        namespace kc = col::kits;
        fermentable(Kits(), k, "Extract", k.real(kc::IngKitsWeight), k.text(kc::IngKitsUnits),
                    false);
        w.ext("KIT", flag(true));
        w.ext("HBU", number(k.real(kc::IngKitsHBU)));
        writeColumns(w, Kits(), k);
        w.end();
    }
    for (const Row& e : rowsOf(Extracts(), id)) {
        namespace ec = col::extracts;
        const bool dry =
            e.text(ec::IngExtractsForm).compare(QLatin1String("Dry"), Qt::CaseInsensitive) == 0;
        fermentable(Extracts(), e, dry ? "Dry Extract" : "Extract", e.real(ec::IngExtractsWeight),
                    e.text(ec::IngExtractsUnits), false);
        w.ext("FORM", e.text(ec::IngExtractsForm));
        w.ext("HOPPED", flag(e.whole(ec::IngExtractsHopped) != 0));
        w.ext("HBU", number(e.real(ec::IngExtractsHBU)));
        writeColumns(w, Extracts(), e);
        w.end();
    }
    for (const Row& g : rowsOf(Grains(), id)) {
        namespace gc = col::grains;
        const std::map<QString, QString> gx = extrasOf(Grains(), g);
        const auto type = gx.find(QStringLiteral("#TYPE"));
        const bool adjunct = type != gx.end() && type->second == QLatin1String("Adjunct");
        fermentable(Grains(), g, adjunct ? "Adjunct" : "Grain", g.real(gc::IngGrainsWeight),
                    g.text(gc::IngGrainsUnits), mashed);
        writeColumns(w, Grains(), g);
        w.end();
    }
    const std::vector<Row> adjuncts = rowsOf(Adjuncts(), id);
    namespace ac = col::adjuncts;
    auto isSugar = [](const Row& a) {
        return a.whole(ac::IngAdjunctsFermentable) != 0 &&
               kilogramsPer(a.text(ac::IngAdjunctsUnits));
    };
    for (const Row& a : adjuncts) {
        if (!isSugar(a))
            continue;
        const double amount = ReadDouble(a.text(ac::IngAdjunctsAmt));
        fermentable(Adjuncts(), a, "Sugar", std::isfinite(amount) ? amount : 0,
                    a.text(ac::IngAdjunctsUnits), false);
        w.ext("AMOUNT", a.text(ac::IngAdjunctsAmt));
        writeColumns(w, Adjuncts(), a);
        w.end();
    }
    w.end();

    w.begin("MISCS");
    for (const Row& a : adjuncts) {
        if (isSugar(a))
            continue;
        const std::map<QString, QString> ax = extrasOf(Adjuncts(), a);
        auto kept = [&](const char* element, const QString& otherwise) {
            const auto it = ax.find(QString::fromLatin1(element));
            return it != ax.end() ? it->second : otherwise;
        };
        openIngredient("MISC", Adjuncts(), a);
        // What the file it came with said; else what the recipe means: every adjunct of ours
        // goes into the boil, for the whole of it.
        w.field("TYPE",
                oneOf(kept("TYPE", {}),
                      {"Spice", "Fining", "Water Agent", "Herb", "Flavor", "Other"}, "Other"));
        w.field("USE", oneOf(kept("USE", {}), {"Boil", "Mash", "Primary", "Secondary", "Bottling"},
                             "Boil"));
        w.field("TIME", kept("TIME", number(std::max(0L, r.whole(rc::RecipeBoilLth)))));
        const double amount = ReadDouble(a.text(ac::IngAdjunctsAmt));
        writeAmount(w, std::isfinite(amount) ? amount : 0, a.text(ac::IngAdjunctsUnits), false);
        w.ext("AMOUNT", a.text(ac::IngAdjunctsAmt));
        w.ext("UNITS", a.text(ac::IngAdjunctsUnits));
        w.ext("FERMENTABLE", flag(a.whole(ac::IngAdjunctsFermentable) != 0));
        w.ext("POTENTIAL", number(a.real(ac::IngAdjunctsSPGrav)));
        w.ext("COLOR", number(a.real(ac::IngAdjunctsColor)));
        closeIngredient("MISC", Adjuncts(), a, ax);
    }
    w.end();

    w.begin("YEASTS");
    for (const Row& y : rowsOf(Yeasts(), id)) {
        namespace yc = col::yeasts;
        Row shown = y;
        // The format knows these words only.
        shown.v[QString::fromLatin1(yc::IngYeastType)] =
            oneOf(y.text(yc::IngYeastType), {"Ale", "Lager", "Wheat", "Wine", "Champagne"}, "Ale");
        shown.v[QString::fromLatin1(yc::IngYeastForm)] =
            oneOf(y.text(yc::IngYeastForm), {"Liquid", "Dry", "Slant", "Culture"}, "Liquid");
        openIngredient("YEAST", Yeasts(), shown);
        writeAmount(w, y.real(yc::IngYeastAmt), y.text(yc::IngYeastUnits), false,
                    shown.text(yc::IngYeastForm));
        w.ext("AMOUNT", number(y.real(yc::IngYeastAmt)));
        w.ext("UNITS", y.text(yc::IngYeastUnits));
        closeIngredient("YEAST", Yeasts(), y, extrasOf(Yeasts(), y));
    }
    w.end();

    w.begin("WATERS");
    w.end();
    mash(r, m, extras);
    writeExtras(w, extras, "RECIPE");
    w.end(); // RECIPE
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
        const XmlElement* c = m_e.child(name);
        return c ? c->text : QString();
    }
    // A note: none holds more than a memo, and a longer one is refused with its place.
    QString memo(const char* name) const {
        const XmlElement* c = m_e.child(name);
        if (c && c->length > kMemoLength)
            throw ImportFault{QStringLiteral("line %1, column %2: %3 %4 holds %5 characters; a "
                                             "text of a recipe holds at most %6")
                                  .arg(QString::number(c->line), QString::number(c->column),
                                       m_where, QString::fromLatin1(name),
                                       QString::number(c->length), QString::number(kMemoLength))};
        return c ? c->text : QString();
    }
    bool has(const char* name) const { return m_e.child(name) != nullptr; }
    QString ext(const char* name) const { return text((QByteArray(kExt) + name).constData()); }
    bool hasExt(const char* name) const {
        return m_e.child((QByteArray(kExt) + name).constData()) != nullptr;
    }
    // A number: blanks around it are fine, a display unit after it too ("5.0 %", "1.050 SG");
    // anything else that is no number is refused. Below 0 is refused too, but for the rounding
    // of another program (a hair below 0), which reads as 0.
    double number(const char* name, double fallback = 0, bool nonNegative = true) const {
        const XmlElement* c = m_e.child(name);
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
                                       number(kLargestQuantity))};
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
            const double sg = rounded(GravityOfPlato(v));
            m_notes.readAs(QStringLiteral("%1 %2 of %3 read as degrees Plato: %4")
                               .arg(m_where, QString::fromLatin1(name), number(v),
                                    QString::asprintf("%.3f", sg)));
            return sg;
        }
        if (v >= 1000 && v <= 1200) {
            m_notes.readAs(QStringLiteral("%1 %2 of %3 read as gravity points: %4")
                               .arg(m_where, QString::fromLatin1(name), number(v),
                                    QString::asprintf("%.3f", v / 1000)));
            return rounded(v / 1000);
        }
        return v;
    }
    // A temperature in degrees Celsius, or in Fahrenheit when it is clearly that: above what a
    // mash (100 °C) or a fermentation (50 °C) ever reaches.
    std::optional<double> celsius(const char* name, double highest) const {
        if (!has(name) || text(name).isEmpty())
            return std::nullopt;
        const double v = number(name, 0, false);
        if (v > highest) {
            const double c = rounded(FromStored(Unit::Celsius, v));
            m_notes.readAs(QStringLiteral("%1 %2 of %3 read as degrees Fahrenheit: %4 °C")
                               .arg(m_where, QString::fromLatin1(name), number(v), number(c)));
            return c;
        }
        return v;
    }
    bool yes(const char* name) const { return isTrue(text(name)); }
    const XmlElement& element() const { return m_e; }
    const QString& where() const { return m_where; }
    static QString number(double v) { return wsc::number(v); }

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
    auto per = kilogramsPer(unit);
    if (!per) {
        unit = QString::fromLatin1(fallback);
        per = kilogramsPer(unit);
    }
    return {rounded(kg / *per), unit};
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
        if (!r.has(f.element))
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
            row.set(f.column, potentialOf(r.number(f.element)));
            break;
        case Conv::Date: {
            const QString text = r.text(f.element);
            if (text.isEmpty())
                break;
            if (const auto d = RecipeDates::Parse(text, m_dates)) {
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
        if (const XmlElement* c = r.element().child(element.constData())) {
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
                                               ShownInMessage(c->text), number(*largest))};
            }
            row.set(column, c->raw);
        }
    }
}

qlonglong Importer::link(const TableMap& t, const Insert& row, const Reader& r,
                         const QString& recipe) {
    const QString name = row.get(t.nameColumn).toString();
    const QByteArray element = ExtensionFor(t.idColumn).toUpper().toLatin1();
    const qlonglong ours = r.element().child(element.constData())
                               ? r.element().child(element.constData())->text.toLongLong()
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
        if (const std::optional<QString> kept = keptName(c.name)) {
            c.used = true;
            m_extras.put(table, row, prefix + *kept, c.text);
            continue;
        }
        if (c.used)
            continue;
        if (isDisplayField(c.name) || c.name.startsWith(QLatin1String(kExt)) ||
            (m_ours && c.children.empty())) {
            c.used = true;
            if (!m_ours && !c.name.startsWith(QLatin1String(kExt)) &&
                c.name != QLatin1String("VERSION"))
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

long Importer::recipe(const XmlElement& e) {
    namespace rc = col::recipe;
    // The name as messages quote it: a name is cut to its field's length when it is stored.
    const QString name = ShownInMessage(e.value("NAME"));
    if (name.isEmpty())
        throw ImportFault{QStringLiteral("line %1, column %2: a recipe without a name")
                              .arg(QString::number(e.line), QString::number(e.column))};
    const Reader r(e, QStringLiteral("recipe \"%1\":").arg(name), m_notes);
    const Measure m{r.ext("MEASURE").compare(QLatin1String("Metric"), Qt::CaseInsensitive) == 0};
    // A file of ours: its own elements bring back everything the recipe stored.
    m_ours = r.hasExt("MEASURE");

    Insert rec{QStringLiteral("Recipes"), {}};
    rec.set(rc::RecipeBatchNo, qlonglong(nextBatch()));
    rec.set(rc::RecipeMeasureEnglish, m.metric ? 1 : 0);
    readFields(rec, Recipes().fields, r, m, name);

    // The boil: a missing or empty boil size is the batch size, with what boils off in the
    // boil time at the equipment's rate when the file gives one.
    if (r.number("BOIL_SIZE") <= 0 && r.number("BATCH_SIZE") > 0) {
        double litres = r.number("BATCH_SIZE");
        QString how = QStringLiteral("the batch size");
        if (const XmlElement* eq = e.child("EQUIPMENT")) {
            const Reader er(*eq, QStringLiteral("equipment of \"%1\":").arg(name), m_notes);
            const double rate = er.number("EVAP_RATE");
            const double minutes = r.number("BOIL_TIME", er.number("BOIL_TIME"));
            if (rate > 0 && minutes > 0) {
                litres *= 1 + rate / 100 * minutes / 60;
                how =
                    QStringLiteral("the batch size and %1 % an hour boiled off").arg(number(rate));
            }
        }
        rec.set(rc::RecipeBoilSize, m.fromLitres(litres));
        m_notes.readAs(
            QStringLiteral("the boil size of \"%1\", missing or 0, taken from %2").arg(name, how));
    }

    const QString type = r.text("TYPE").toLower();
    const QStringList process = r.ext("PROCESS").split(u',');
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
    const QStringList rating = r.ext("RATING").split(u',');
    if (rating.size() == 4) {
        rec.set(rc::RecipeRatingAroma, rating[0].toInt());
        rec.set(rc::RecipeRatingAppearance, rating[1].toInt());
        rec.set(rc::RecipeRatingTaste, rating[2].toInt());
        rec.set(rc::RecipeRatingImpression, rating[3].toInt());
    } else if (r.has("TASTE_RATING")) {
        m_notes.summary().skipped
            << QStringLiteral("the taste rating of \"%1\" (this program keeps the four parts of "
                              "its score, not a total)")
                   .arg(name);
    }
    const QString conditioningUnits =
        r.hasExt("CONDITIONING_UNITS") ? r.ext("CONDITIONING_UNITS") : QStringLiteral("Days");
    const bool weeks = conditioningUnits.compare(QLatin1String("Weeks"), Qt::CaseInsensitive) == 0;
    rec.set(rc::RecipeFermConditioningUnits, conditioningUnits);
    if (r.has("AGE"))
        rec.set(rc::RecipeFermConditioningAmt,
                qlonglong(std::llround(r.number("AGE") / (weeks ? 7 : 1))));
    if (r.hasExt("PRIMING_AMOUNT"))
        rec.set(rc::RecipeFermPrimingAmt, r.ext("PRIMING_AMOUNT"));
    if (r.hasExt("PRIMING_UNITS"))
        rec.set(rc::RecipeFermPrimingUnits, r.ext("PRIMING_UNITS"));

    if (const XmlElement* style = e.child("STYLE")) {
        const Reader s(*style, QStringLiteral("style of \"%1\":").arg(name), m_notes);
        readFields(rec, StyleFields(), s, m, name);
        if (s.text("NAME") == QLatin1String("No target style"))
            rec.set(rc::RecipeTargetStyle, QString());
        rec.set(rc::RecipeTargetSubcategory, s.ext("SUBCATEGORY"));
        rec.set(rc::RecipeFermTypeAle,
                s.text("TYPE").compare(QLatin1String("Lager"), Qt::CaseInsensitive) == 0 ? 1 : 0);
        for (const auto& [element, column] : {std::pair{"OG_MIN", rc::RecipeTargetSpGravLo},
                                              std::pair{"OG_MAX", rc::RecipeTargetSpGravHi}}) {
            if (s.has(element))
                rec.set(column, s.gravity(element));
        }
        // The fermentation type is the recipe's own now.
        (void)style->child("TYPE");
    }

    if (const XmlElement* mash = e.child("MASH")) {
        const Reader ms(*mash, QStringLiteral("mash of \"%1\":").arg(name), m_notes);
        if (const auto c = ms.celsius("SPARGE_TEMP", 100))
            rec.set(rc::RecipeSpargeTemp, m.fromCelsius(*c));
        if (ms.has("PH"))
            rec.set(rc::RecipeMashPhAdj, ms.number("PH"));
        if (ms.hasExt("MASH_TYPE"))
            rec.set(rc::RecipeMashType, ms.ext("MASH_TYPE").toInt());
        if (ms.hasExt("SPARGE_VOLUME"))
            rec.set(rc::RecipeSpargeVol, m.fromLitres(ms.number("WORTSMITH_SPARGE_VOLUME")));
        int next = 1;
        if (const XmlElement* steps = mash->child("MASH_STEPS")) {
            for (const XmlElement* step : steps->all("MASH_STEP")) {
                const Reader st(*step, QStringLiteral("mash step of \"%1\":").arg(name), m_notes);
                int place = st.hasExt("PLACE") ? st.ext("PLACE").toInt() : next;
                if (place < next)
                    place = next;
                if (place > 4) {
                    m_notes.summary().skipped
                        << QStringLiteral("mash step \"%1\" of \"%2\" (the mash schedule has four "
                                          "places)")
                               .arg(ShownInMessage(st.text("NAME")), name);
                    step->used = true;
                    continue;
                }
                rec.set(kMashTimes[place - 1], qlonglong(std::llround(st.number("STEP_TIME"))));
                if (const auto c = st.celsius("STEP_TEMP", 100))
                    rec.set(kMashTemps[place - 1], m.fromCelsius(*c));
                rec.set(kMashVols[place - 1], m.fromLitres(st.number("INFUSE_AMOUNT")));
                m_stepPlaces.emplace_back(step, place);
                next = place + 1;
            }
        }
    }
    if (const XmlElement* waters = e.child("WATERS")) {
        for (const XmlElement* water : waters->all("WATER"))
            notKept(water, QStringLiteral("water profiles (a recipe keeps none)"));
        markUsed(*waters);
    }
    if (m_ours) {
        if (const XmlElement* eq = e.child("EQUIPMENT"))
            markUsed(*eq);
    } else {
        notKept(e.child("EQUIPMENT"),
                QStringLiteral("equipment records (the recipe keeps its sizes)"));
    }
    readColumns(rec, Recipes(), r);
    const qlonglong id = insert(rec, name);
    const QString recipes = QStringLiteral("Recipes");
    // The mash steps' and the mash's own elements.
    for (const auto& [step, place] : m_stepPlaces)
        keepTheRest(*step, recipes, id, QStringLiteral("MASH_STEP%1/").arg(place));
    m_stepPlaces.clear();
    if (const XmlElement* mash = e.child("MASH"))
        keepTheRest(*mash, recipes, id, QStringLiteral("MASH/"));
    if (const XmlElement* style = e.child("STYLE")) {
        keepTheRest(*style, recipes, id, QStringLiteral("STYLE/"));
        // What is kept of a style holds while the recipe keeps that style.
        if (!m_ours)
            m_extras.put(recipes, id, QStringLiteral("STYLE/#STYLE"),
                         rec.get(rc::RecipeTargetStyle).toString());
    }

    // A new ingredient row of this recipe in `t`, with the fields the table maps read.
    auto row = [&](const TableMap& t, const Reader& r) {
        Insert i{QString::fromLatin1(t.table), {}};
        i.set(QString::fromLatin1(col::hops::IngRecipeID), id);
        readFields(i, t.fields, r, m, name);
        return i;
    };
    // Every element of one of the recipe's ingredient lists, read with notes naming it.
    auto each = [&](const char* list, const char* item, const char* what, const auto& read) {
        if (const XmlElement* l = e.child(list)) {
            for (const XmlElement* x : l->all(item))
                read(Reader(*x, QStringLiteral("%1 of \"%2\":").arg(QLatin1String(what), name),
                            m_notes));
        }
    };

    each("HOPS", "HOP", "hop", [&](const Reader& hr) {
        namespace hc = col::hops;
        Insert i = row(Hops(), hr);
        const auto [w, unit] = weightIn(hr.number("AMOUNT"), hr.ext("UNITS"), "oz");
        i.set(hc::IngHopsWeight, w);
        i.set(hc::IngHopsUnits, unit);
        // Minutes of a hop outside the boil are steeping, not boiling: no bitterness of a
        // boil for them. The use and the minutes go back out with the recipe.
        const QString use = hr.text("USE");
        const double minutes = hr.number("TIME");
        const bool boil = boiled(use);
        i.set(hc::IngHopsTime, boil ? minutes : 0.0);
        const qlonglong rowId = ingredient(Hops(), i, hr, name);
        // (A file of ours brings back its own kept use and minutes.)
        if (!boil && !m_ours) {
            const QString table = QString::fromLatin1(Hops().table);
            m_extras.put(table, rowId, QStringLiteral("USE"), use);
            m_extras.put(table, rowId, QStringLiteral("TIME"), number(minutes));
            m_extras.put(table, rowId, QStringLiteral("#STOREDTIME"),
                         number(i.get(hc::IngHopsTime).toDouble()));
            if (minutes > 0)
                m_notes.readAs(QStringLiteral("the %1 minutes of \"%2\" in \"%3\" (%4) count "
                                              "as no boil")
                                   .arg(number(minutes),
                                        ShownInMessage(i.get(hc::IngHopsName).toString()), name,
                                        ShownInMessage(use)));
        }
    });
    each("FERMENTABLES", "FERMENTABLE", "fermentable", [&](const Reader& fr) {
        const QString ftype = fr.text("TYPE").toLower();
        // Every kind of fermentable is weighed in the unit our file names, else in pounds.
        const auto [w, unit] = weightIn(fr.number("AMOUNT"), fr.ext("UNITS"), "lbs");
        // A kit's, an extract's or a grain's row, with its weight.
        auto weighed = [&, w = w, unit = unit](const TableMap& t, const char* weight,
                                               const char* units) {
            Insert i = row(t, fr);
            i.set(weight, w);
            i.set(units, unit);
            return i;
        };
        if (fr.yes("WORTSMITH_KIT")) {
            namespace kc = col::kits;
            Insert i = weighed(Kits(), kc::IngKitsWeight, kc::IngKitsUnits);
            i.set(kc::IngKitsHBU, fr.number("WORTSMITH_HBU"));
            ingredient(Kits(), i, fr, name);
        } else if (ftype == QLatin1String("extract") || ftype == QLatin1String("dry extract")) {
            namespace ec = col::extracts;
            Insert i = weighed(Extracts(), ec::IngExtractsWeight, ec::IngExtractsUnits);
            i.set(ec::IngExtractsForm, fr.hasExt("FORM") ? fr.ext("FORM")
                                                         : (ftype == QLatin1String("dry extract")
                                                                ? QStringLiteral("Dry")
                                                                : QStringLiteral("Syrup")));
            i.set(ec::IngExtractsHopped, fr.yes("WORTSMITH_HOPPED") ? 1 : 0);
            i.set(ec::IngExtractsHBU, fr.number("WORTSMITH_HBU"));
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
            Insert i = row(Adjuncts(), fr);
            i.set(ac::IngAdjunctsAmt, fr.hasExt("AMOUNT") ? fr.ext("AMOUNT") : number(w));
            i.set(ac::IngAdjunctsUnits, unit);
            i.set(ac::IngAdjunctsFermentable, 1);
            ingredient(Adjuncts(), i, fr, name);
        } else {
            m_notes.summary().skipped
                << QStringLiteral("fermentable \"%1\" of \"%2\" (unknown type \"%3\")")
                       .arg(ShownInMessage(fr.text("NAME")), name, ShownInMessage(fr.text("TYPE")));
            fr.element().used = true;
            for (const XmlElement& c : fr.element().children)
                c.used = true;
        }
    });
    // A file of ours names the unit of a misc's or a yeast's amount; another program's says
    // what the format says, which `theirs` reads.
    auto amountOf = [](const Reader& r, Insert& i, const char* amount, const char* units,
                       const auto& ours, const auto& theirs) {
        if (r.hasExt("UNITS")) {
            i.set(amount, ours());
            i.set(units, r.ext("UNITS"));
        } else {
            theirs();
        }
    };
    each("MISCS", "MISC", "misc", [&](const Reader& mr) {
        namespace ac = col::adjuncts;
        Insert i = row(Adjuncts(), mr);
        amountOf(
            mr, i, ac::IngAdjunctsAmt, ac::IngAdjunctsUnits, [&] { return mr.ext("AMOUNT"); },
            [&] {
                const double amount = mr.number("AMOUNT");
                const bool weight = mr.yes("AMOUNT_IS_WEIGHT");
                i.set(ac::IngAdjunctsAmt, number(rounded(amount * 1000)));
                i.set(ac::IngAdjunctsUnits, weight ? QStringLiteral("g") : QStringLiteral("ml"));
            });
        i.set(ac::IngAdjunctsFermentable, mr.yes("WORTSMITH_FERMENTABLE") ? 1 : 0);
        i.set(ac::IngAdjunctsSPGrav, mr.number("WORTSMITH_POTENTIAL"));
        i.set(ac::IngAdjunctsColor, mr.number("WORTSMITH_COLOR"));
        ingredient(Adjuncts(), i, mr, name);
    });
    each("YEASTS", "YEAST", "yeast", [&](const Reader& yr) {
        namespace yc = col::yeasts;
        Insert i = row(Yeasts(), yr);
        amountOf(
            yr, i, yc::IngYeastAmt, yc::IngYeastUnits,
            [&] { return yr.number("WORTSMITH_AMOUNT"); },
            [&] {
                (void)yr.has("AMOUNT");
                (void)yr.has("AMOUNT_IS_WEIGHT");
                i.set(yc::IngYeastAmt, 1.0);
                i.set(yc::IngYeastUnits, QStringLiteral("pkg"));
            });
        ingredient(Yeasts(), i, yr, name);
    });
    keepTheRest(e, recipes, id);
    m_notes.summary().added.push_back(
        {rec.get(rc::RecipeBatchNo).toLongLong(), rec.get(rc::RecipeName).toString()});
    return long(id);
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

QByteArray BeerXml::Export(CDaoDatabase& recipes, const std::vector<long>& batches,
                           const UtilizationTable& table, QString& error) {
    QByteArray out;
    QBuffer buffer(&out);
    buffer.open(QIODevice::WriteOnly);
    if (!Export(recipes, batches, table, buffer, error))
        return {};
    return out;
}

bool BeerXml::Export(CDaoDatabase& recipes, const std::vector<long>& batches,
                     const UtilizationTable& table, QIODevice& out, QString& error,
                     const ExportProgress& progress, qint64 maxBytes) {
    // One read transaction for the whole file: the recipes as they were at one moment, even
    // while another program changes them, and one lock taken instead of one per query.
    struct Snapshot {
        SqliteConnection& c;
        bool own;
        explicit Snapshot(SqliteConnection& c) : c(c), own(!c.inTransaction()) {
            if (own)
                c.exec(QStringLiteral("BEGIN"));
        }
        ~Snapshot() {
            try {
                if (own && c.inTransaction())
                    c.exec(QStringLiteral("COMMIT"));
            } catch (...) {
                // Nothing was written; the connection ends the read when it closes.
            }
        }
    } snapshot(recipes.connection());
    Queries c(recipes.connection());
    // A missing batch is said before a byte is written.
    std::vector<Row> chosen;
    for (long b : batches) {
        std::vector<Row> one =
            c.rows(QStringLiteral("SELECT * FROM Recipes WHERE RecipeBatchNo = ?"), qlonglong(b));
        if (one.empty()) {
            error = QStringLiteral("no recipe with batch number %1").arg(b);
            return false;
        }
        chosen.push_back(std::move(one.front()));
    }
    const qint64 total = batches.empty()
                             ? recipes.connection()
                                   .scalar(QStringLiteral("SELECT count(*) FROM Recipes"))
                                   .toLongLong()
                             : qint64(chosen.size());
    Writer w(&out);
    w.startDocument();
    w.begin("RECIPES");
    InterchangeExtras extras(recipes.connection());
    ExportOf recipeOut(w, c, extras);
    // The recipe's fields as its record class converts them, from the row already read.
    CRecordSetRecipe record(&recipes);
    const RecordLayout& layout = record.layout();
    FieldValues values(layout.count);
    MemorySheets::Loader loader(recipes);
    qint64 done = 0;
    auto tooLarge = [&] {
        error = QStringLiteral("the file would be larger than the %1 bytes an import reads (%2 "
                               "of %3 recipes fit); export fewer recipes at a time")
                    .arg(QString::number(maxBytes), QString::number(done), QString::number(total));
        return false;
    };
    auto writeFailed = [&] {
        error = out.errorString().isEmpty() ? QStringLiteral("the file could not be written")
                                            : out.errorString();
        return false;
    };
    // Each recipe is written as it is read: what the export holds at once is one recipe.
    auto write = [&](const Row& r) {
        for (std::size_t i = 0; i < layout.count; ++i)
            values[i] = r.raw(layout.columns[i].name);
        record.setFieldValues(values);
        MemorySheets sheets = loader.load(r.whole(col::recipe::RecipeID));
        RecipeCalculator calc(sheets, table);
        calc.setInputs(RecipeInputs::of(record));
        calc.RunCalculations(false);
        recipeOut.recipe(r, calc);
        if (!w.flush())
            return writeFailed();
        if (w.size() > maxBytes)
            return tooLarge();
        ++done;
        if (progress && !progress(done, total)) {
            error = QStringLiteral("the export was cancelled");
            return false;
        }
        return true;
    };
    if (batches.empty()) {
        if (!c.each(QStringLiteral("SELECT * FROM Recipes ORDER BY RecipeBatchNo"),
                    [&](Row&& r) { return write(r); }))
            return false;
    } else {
        for (const Row& r : chosen)
            if (!write(r))
                return false;
    }
    w.end();
    w.endDocument();
    if (!w.flush(true))
        return writeFailed();
    return out.pos() <= maxBytes || tooLarge();
}

std::optional<ImportSummary> BeerXml::Import(CDaoDatabase& recipes, CDaoDatabase* data,
                                             const QByteArray& bytes, const UtilizationTable& table,
                                             QString& error) {
    QByteArray copy = bytes;
    QBuffer in(&copy);
    in.open(QIODevice::ReadOnly);
    return Import(recipes, data, in, table, error);
}

namespace {

// Where a RECIPE element stands in a file: what decides whether it is one of the recipes read.
enum class RecipePlace { Elsewhere, InRoot, FirstSection, OtherSection, TopLevel };

RecipePlace placeOf(const XmlElement& e, const std::vector<XmlElement>& open) {
    if (e.name != QLatin1String("RECIPE") || open.empty())
        return RecipePlace::Elsewhere;
    static const QString document = QStringLiteral("WSC_DOCUMENT");
    if (open.size() == 1)
        return open[0].name == QLatin1String("RECIPES") ? RecipePlace::InRoot
               : open[0].name == document               ? RecipePlace::TopLevel
                                                        : RecipePlace::Elsewhere;
    if (open.size() == 2 && open[0].name == document && open[1].name == QLatin1String("RECIPES")) {
        const bool earlier =
            std::any_of(open[0].children.begin(), open[0].children.end(),
                        [](const XmlElement& c) { return c.name == QLatin1String("RECIPES"); });
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

std::optional<ImportSummary> BeerXml::Import(CDaoDatabase& recipes, CDaoDatabase* data,
                                             QIODevice& in, const UtilizationTable& table,
                                             QString& error, const ImportProgress& progress) {
    // The file is read twice, a recipe at a time: first to know it is whole and what its dates
    // look like, then to add its recipes. Nothing is written until the first reading is done.
    XmlProblem problem;
    XmlReadNotes read;
    QStringList inList, topLevel;
    // The progress is the bytes read, of both readings.
    const qint64 size = std::max<qint64>(in.size(), 1);
    const qint64 total = 2 * size;
    qint64 reached = 0;
    auto goOn = [&](qint64 at) {
        reached = at;
        return !progress || progress(reached, total);
    };
    XmlStream scan;
    scan.progress = [&](qint64 bytes) { return goOn(bytes); };
    scan.take = [&](XmlElement& e, const std::vector<XmlElement>& open) {
        return takeRecipe(
            placeOf(e, open), [&] { inList << e.value("DATE"); },
            [&] { topLevel << e.value("DATE"); });
    };
    scan.restart = [&] {
        inList.clear();
        topLevel.clear();
    };
    // Of a recipe, only its date is needed now.
    scan.keep = [](const XmlElement& e, const std::vector<XmlElement>& open) {
        if (!open.empty() && open.back().name == QLatin1String("RECIPE"))
            return e.name == QLatin1String("DATE");
        return open.size() <= 2;
    };
    const std::optional<XmlElement> shape = ReadXmlStream(in, problem, kMaxBytes, scan, &read);
    if (!shape) {
        error = problem.cancelled ? QString::fromLatin1(kCancelled) : problem.describe();
        return std::nullopt;
    }
    const bool document = shape->name == QLatin1String(kXmlDocumentRoot);
    const bool hasSection = document && std::any_of(shape->children.begin(), shape->children.end(),
                                                    [](const XmlElement& c) {
                                                        return c.name == QLatin1String("RECIPES");
                                                    });
    QStringList dates;
    if (shape->name == QLatin1String("RECIPES") || hasSection)
        dates = inList;
    else if (document)
        dates = topLevel;
    else if (shape->name == QLatin1String("RECIPE"))
        dates = {shape->value("DATE")};
    else {
        error = XmlProblem{QStringLiteral("the file's root element is <%1>, not <RECIPES> or "
                                          "<RECIPE>; is it a BeerXML recipe file?")
                               .arg(shape->name),
                           shape->line, shape->column}
                    .describe();
        return std::nullopt;
    }
    if (dates.isEmpty()) {
        error = QStringLiteral("the file holds no recipe");
        return std::nullopt;
    }
    // The order of the file's numeric dates, from all of them.
    const RecipeDates::Order order = RecipeDates::OrderOf(dates);

    ImportSummary summary;
    Notes notes(summary);
    if (read.droppedControls > 0)
        notes.readAs(QStringLiteral("%1 control character(s), which XML does not allow, dropped "
                                    "from the file's texts (the first at line %2, column %3)")
                         .arg(QString::number(read.droppedControls),
                              QString::number(read.firstDropLine),
                              QString::number(read.firstDropColumn)));

    SqliteConnection& c = recipes.connection();
    // A transaction of its own (a rolled-back one leaves the file as it was, byte for byte), or
    // a savepoint inside the caller's.
    const bool own = !c.inTransaction();
    const QString begin =
        own ? QStringLiteral("BEGIN IMMEDIATE") : QStringLiteral("SAVEPOINT beerxml_import");
    const QString commit =
        own ? QStringLiteral("COMMIT") : QStringLiteral("RELEASE beerxml_import");
    auto rollBack = [&] {
        if (own) {
            c.exec(QStringLiteral("ROLLBACK"));
        } else {
            c.exec(QStringLiteral("ROLLBACK TO beerxml_import"));
            c.exec(QStringLiteral("RELEASE beerxml_import"));
        }
    };
    // A file of many recipes is more than memory should hold until the commit: its pages may go
    // to the file before then (readers wait meanwhile, as for any writer), and the journal
    // still undoes them all on any fault.
    struct Spill {
        SqliteConnection& c;
        bool on;
        Spill(SqliteConnection& c, bool on) : c(c), on(on) {
            if (on)
                c.exec(QStringLiteral("PRAGMA cache_spill=ON"));
        }
        ~Spill() {
            try {
                if (on)
                    c.exec(QStringLiteral("PRAGMA cache_spill=OFF"));
            } catch (...) {
            }
        }
    } spill(c, own);
    c.exec(begin);
    try {
        // Each table's name query is prepared once for the whole file.
        std::optional<Queries> dataQueries;
        if (data)
            dataQueries.emplace(data->connection());
        InterchangeExtras extras(c);
        extras.prepareForWriting();
        Importer importer(c, dataQueries ? &*dataQueries : nullptr, notes, extras, order);
        // A recipe of many thousand rows is seconds of work of its own: it is said too.
        importer.setTick([&] {
            if (!goOn(reached))
                throw ImportFault{QString::fromLatin1(kCancelled)};
        });
        std::vector<long> ids;
        auto add = [&](const XmlElement& e, const QString& where) {
            e.used = true;
            ids.push_back(importer.recipe(e));
            countNotKept(e, notes, where);
            if (!goOn(reached))
                throw ImportFault{QString::fromLatin1(kCancelled)};
        };
        XmlStream adding;
        adding.severalRoots = read.severalRoots;
        adding.progress = [&](qint64 bytes) { return goOn(size + bytes); };
        adding.take = [&](XmlElement& e, const std::vector<XmlElement>& open) {
            return takeRecipe(
                placeOf(e, open), [&] { add(e, QStringLiteral("RECIPE")); },
                [&] {
                    // Beside a list of recipes, a recipe of its own is not read.
                    if (hasSection)
                        notes.notKept(QStringLiteral("RECIPE"));
                    else
                        add(e, QStringLiteral("RECIPE"));
                });
        };
        if (!in.seek(0))
            throw ImportFault{
                QStringLiteral("the file could not be read again: %1").arg(in.errorString())};
        XmlReadNotes again;
        std::optional<XmlElement> root = ReadXmlStream(in, problem, kMaxBytes, adding, &again);
        if (!root)
            throw ImportFault{problem.cancelled ? QString::fromLatin1(kCancelled)
                                                : problem.describe()};
        if (document) {
            // Sections side by side: the recipes are read, the rest named as not imported.
            root->child("RECIPES");
            for (const XmlElement& section : root->children) {
                if (section.name != QLatin1String("RECIPES") &&
                    section.name != QLatin1String("RECIPE")) {
                    markUsed(section);
                    notes.notKept(QStringLiteral("%1 (a list of the file beside its recipes, not "
                                                 "imported)")
                                      .arg(section.name),
                                  std::max<int>(1, static_cast<int>(section.children.size())));
                }
            }
        }
        if (root->name == QLatin1String("RECIPE"))
            add(*root, QString());
        else
            countNotKept(*root, notes, {});
        // The hop rows get the bitterness a calculation run would store.
        StoreComputedBitterness(recipes, table, ids);
        c.exec(commit);
    } catch (const ImportFault& f) {
        rollBack();
        error = f.text;
        return std::nullopt;
    } catch (...) {
        rollBack();
        throw;
    }
    return summary;
}

} // namespace wsc
