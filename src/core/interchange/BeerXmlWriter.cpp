#include "core/interchange/BeerXml.h"

#include "core/calc/BeerColor.h"
#include "core/calc/IngredientSheets.h"
#include "core/calc/RecipeCalculator.h"
#include "core/calc/Units.h"
#include "core/db/SqliteConnection.h"
#include "core/db/dao/CDaoDatabase.h"
#include "core/db/records/CRecordSetRecipe.h"
#include "core/db/records/Columns.h"
#include "core/document/MashTypeRules.h"
#include "core/interchange/BeerXmlCommon.h"
#include "core/interchange/BeerXmlElements.h"
#include "core/interchange/BeerXmlFields.h"
#include "core/interchange/BeerXmlValues.h"
#include "core/interchange/InterchangeExtras.h"
#include "core/interchange/XmlTree.h"

#include <QBuffer>
#include <QDateTime>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <functional>
#include <map>
#include <optional>
#include <tuple>

namespace wsc {

using namespace beerxml;

namespace {

using units::kKgPerLb;
using units::kKgPerOz;
using units::kLitresPerGallon;
// The large-batch hop utilization of the format's equipment record: none of ours.
constexpr double kFullHopUtilization = 100;

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

// A word of the format's list for an element, in the list's spelling, or `otherwise`: other
// programs refuse a file with any other word.
QString wordOr(const char* record, const char* element, const QString& word,
               const char* otherwise) {
    return ValidValue(record, element, word).value_or(QString::fromLatin1(otherwise));
}

QString flag(bool on) {
    return on ? QStringLiteral("TRUE") : QStringLiteral("FALSE");
}

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
    // Instead of bytes: each recipe as the reader builds one from a file, handed to `take` as
    // it ends and let go, for a translation into another format that reads nothing twice.
    using Take = std::function<bool(const XmlElement& recipe)>;
    explicit Writer(Take take) : m_out(nullptr), m_take(std::move(take)) {}
    void startDocument() {
        if (m_out)
            m_bytes.append("<?xml version=\"1.0\" encoding=\"UTF-8\"?>");
    }
    void endDocument() {
        while (!m_open.empty())
            end();
        if (m_out)
            m_bytes.append('\n');
    }
    // What is written so far, on the device and in the buffer.
    qint64 size() const { return m_out ? m_out->pos() + m_bytes.size() : 0; }
    // Hands what is buffered to the device once there is enough of it for a large write (or
    // at once when `now`); false when the device could not take it all.
    bool flush(bool now = false) {
        if (!m_out)
            return m_taken;
        if (!now && m_bytes.size() < kChunk)
            return true;
        const qint64 size = m_bytes.size();
        const bool written = size == 0 || m_out->write(m_bytes.constData(), size) == size;
        m_bytes.resize(0);
        return written;
    }
    void field(const char* name, const QString& value) { field(QString::fromLatin1(name), value); }
    // An element of the format goes out only with a value the format takes there (see
    // ValidValue); one of our own as it is.
    void field(const QString& name, const QString& value) {
        const QByteArray tag = name.toUtf8();
        if (!tag.startsWith(kOwnPrefix)) {
            const std::optional<QString> valid = ValidValue(
                m_open.empty() ? QByteArrayView() : QByteArrayView(m_open.back().tag), tag, value);
            if (!valid)
                return;
            if (*valid != value)
                return field(name, *valid);
        }
        if (m_take) {
            XmlElement e;
            e.name = name;
            e.raw = value;
            e.text = value.trimmed();
            m_open.back().node->children.push_back(std::move(e));
            m_open.back().written.push_back(name);
            return;
        }
        startTag(tag);
        m_bytes.append('>');
        appendText(value);
        m_bytes.append("</").append(tag).append('>');
        if (!m_open.empty())
            m_open.back().written.push_back(name);
    }
    void field(const char* name, double value) { field(name, Number(value)); }
    // One of our own elements (ours::), named with our prefix.
    void own(const char* name, const QString& value) {
        field(QLatin1String(kOwnPrefix) + QLatin1String(name), value);
    }
    void begin(const char* name) {
        const QByteArray tag(name);
        if (m_take) {
            XmlElement* parent = m_open.empty() ? &m_root : m_open.back().node;
            parent->children.emplace_back();
            parent->children.back().name = QString::fromLatin1(name);
            m_open.push_back({tag, {}, true, &parent->children.back()});
            return;
        }
        startTag(tag);
        m_open.push_back({tag, {}, true, nullptr});
    }
    void end() {
        if (m_take) {
            m_open.pop_back();
            // A recipe of the list is handed over and let go.
            if (m_open.size() == 1) {
                XmlElement* list = m_open.back().node;
                m_taken = m_taken && m_take(list->children.back());
                list->children.pop_back();
            }
            return;
        }
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
        XmlElement* node; // the element built, when building trees
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
    Take m_take;
    XmlElement m_root;
    bool m_taken = true;
    QByteArray m_bytes;
    std::vector<Open> m_open;
};

// A field's text as other programs read it; nothing when it is unset. What is outside the
// format's range the writer leaves out.
std::optional<QString> formatText(Conv conv, const QVariant& v, const Measure& m) {
    const double x = v.toDouble();
    auto shown = [](bool shown, double value) {
        return shown ? std::optional<QString>(Number(value)) : std::nullopt;
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
    case Conv::Temperature:
        return shown(x != 0, m.celsius(x));
    case Conv::Gravity:
        return shown(x != 1.0, x);
    case Conv::Yield:
        return shown(x > 1, YieldOf(x));
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

// What another program's file brought that this program keeps for it: written back where the
// record has no element of that name already (and only as the format takes it there), and in
// our own elements for our next import.
void writeExtras(Writer& w, const std::map<QString, QString>& extras, const QString& prefix = {}) {
    for (const auto& [element, value] : extras) {
        if (!element.startsWith(prefix))
            continue;
        const QString name = element.mid(prefix.size());
        if (name.contains(u'/'))
            continue;
        if (!name.startsWith(u'#') && !w.has(name))
            w.field(name, value);
        w.field(KeptElement(name), value);
    }
}

void writeAmount(Writer& w, double amount, const QString& units, bool weightOnly,
                 const QString& form = {}) {
    const QString u = units.trimmed().toLower();
    if (const auto kg = KilogramsPer(units)) {
        w.field(el::Amount, std::max(0.0, amount * *kg));
        if (!weightOnly)
            w.field(el::AmountIsWeight, flag(true));
    } else if (const auto l = weightOnly ? std::nullopt : litresPer(units)) {
        w.field(el::Amount, std::max(0.0, amount * *l));
        w.field(el::AmountIsWeight, flag(false));
    } else if (u == QLatin1String("pkg") && !weightOnly) {
        // A package means a sachet of dry yeast or a pouch of liquid yeast.
        const bool dry = form.compare(QLatin1String("Dry"), Qt::CaseInsensitive) == 0;
        w.field(el::Amount,
                std::max(0.0, amount) * (dry ? kKgPerDryPackage : kLitresPerLiquidPackage));
        w.field(el::AmountIsWeight, flag(dry));
    } else {
        w.field(el::Amount, 0.0);
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
    // The recipe record's parts, in the order the record is written.
    void recipeFields(const Row& r, const Measure& m);
    void predictions(const RecipeCalculator& calc);
    void ownRecipeFields(const Row& r, const Measure& m);
    void hops(long id);
    void fermentables(long id, const std::vector<Row>& adjuncts, bool mashed);
    void miscs(const Row& r, const std::vector<Row>& adjuncts);
    void yeasts(long id);
    // An ingredient's element opens with the fields its table maps and the format's version,
    // and closes with our own columns and what another program's file brought with it.
    void openIngredient(const char* tag, const TableMap& t, const Row& shown);
    void closeIngredient(const TableMap& t, const Row& row,
                         const std::map<QString, QString>& extras);

    Writer& w;
    Queries& c;
    InterchangeExtras& m_extras;
};

void ExportOf::style(const Row& r, const std::map<QString, QString>& extras) {
    namespace rc = col::recipe;
    w.begin(el::Style);
    // A recipe without a target style says so: the format wants a name. The row is copied
    // only then.
    std::optional<Row> styled;
    if (r.text(rc::RecipeTargetStyle).trimmed().isEmpty()) {
        styled = r;
        styled->v[QString::fromLatin1(rc::RecipeTargetStyle)] = QStringLiteral("No target style");
    }
    writeFields(w, StyleFields(), styled ? *styled : r, Measure{});
    w.field(el::Version, QStringLiteral("1"));
    // What the file the style came with said of it (its number and letter, its final
    // gravities), as long as the recipe keeps that style.
    const auto chosen = extras.find(QStringLiteral("STYLE/#STYLE"));
    if (chosen != extras.end() && chosen->second == r.text(rc::RecipeTargetStyle))
        writeExtras(w, extras, QStringLiteral("STYLE/"));
    for (const char* required :
         {el::Category, el::CategoryNumber, el::StyleLetter, el::StyleGuide}) {
        if (!w.has(QString::fromLatin1(required)))
            w.field(required, QString());
    }
    if (!w.has(QLatin1String(el::Type)))
        w.field(el::Type, r.whole(rc::RecipeFermTypeAle) == 1 ? QStringLiteral("Lager")
                                                              : QStringLiteral("Ale"));
    const auto [ogLo, ogHi] =
        rangeOr(r.real(rc::RecipeTargetSpGravLo), r.real(rc::RecipeTargetSpGravHi), 1.0, 1.2);
    w.field(el::OgMin, ogLo);
    w.field(el::OgMax, ogHi);
    // The format wants a final gravity range too, which a style of ours does not hold: the one
    // its original gravities reach at the usual 65 to 85 % apparent attenuation.
    if (!w.has(QLatin1String(el::FgMin)))
        w.field(el::FgMin, Rounded(1 + (ogLo - 1) * 0.15));
    if (!w.has(QLatin1String(el::FgMax)))
        w.field(el::FgMax, Rounded(1 + (ogHi - 1) * 0.35));
    for (const auto& [element, lo, hi, most] :
         {std::tuple{el::Ibu, rc::RecipeTargetIBULo, rc::RecipeTargetIBUHi, 150.0},
          std::tuple{el::Color, rc::RecipeTargetColorLo, rc::RecipeTargetColorHi, 100.0}}) {
        const auto [a, b] = rangeOr(r.real(lo), r.real(hi), 0.0, most);
        const QString name = QString::fromLatin1(element);
        if (!w.has(name + QStringLiteral("_MIN")))
            w.field(name + QStringLiteral("_MIN"), Number(a));
        if (!w.has(name + QStringLiteral("_MAX")))
            w.field(name + QStringLiteral("_MAX"), Number(b));
    }
    // A subcategory of one blank is none, as everywhere else.
    w.own(ours::Subcategory, r.text(rc::RecipeTargetSubcategory).trimmed());
    w.end();
}

void ExportOf::equipment(const Row& r, const Measure& m) {
    namespace rc = col::recipe;
    // The recipe's own sizes: the format asks for an equipment record.
    w.begin(el::Equipment);
    w.field(el::Name, QStringLiteral("As in the recipe"));
    w.field(el::Version, QStringLiteral("1"));
    w.field(el::BoilSize, m.litres(std::max(0.0, r.real(rc::RecipeBoilSize))));
    w.field(el::BatchSize, m.litres(std::max(0.0, r.real(rc::RecipeBatchSize))));
    if (r.whole(rc::RecipeBoilLth) > 0)
        w.field(el::BoilTime, double(r.whole(rc::RecipeBoilLth)));
    // Without it a reader that scales its bitterness by it finds none at all.
    w.field(el::HopUtilization, kFullHopUtilization);
    w.end();
}

void ExportOf::mash(const Row& r, const Measure& m, const std::map<QString, QString>& extras) {
    namespace rc = col::recipe;
    const long type = r.whole(rc::RecipeMashType);
    // The steps as the Mash page heads them (a single infusion's first step is the strike).
    const QString first = MashLayoutFor(int(type)).firstHeading.trimmed();
    const QString names[] = {first.isEmpty() ? QStringLiteral("Protein Rest") : first,
                             QStringLiteral("Starch Conversion"),
                             QStringLiteral("Starch Conversion 2"), QStringLiteral("Mash Out")};
    w.begin(el::Mash);
    w.field(el::Name, type == 2 ? QStringLiteral("Decoction Mash")
                                : (type == 1 ? QStringLiteral("Step Infusion Mash")
                                             : QStringLiteral("Single Infusion Mash")));
    w.field(el::Version, QStringLiteral("1"));
    const auto grain = extras.find(QStringLiteral("MASH/GRAIN_TEMP"));
    // The format requires it; a recipe of ours does not know it: the grain at room temperature.
    w.field(el::GrainTemp, grain != extras.end() ? grain->second : QStringLiteral("20"));
    w.begin(el::MashSteps);
    for (int i = 0; i < 4; ++i) {
        const double time = r.real(kMashTimes[i]);
        const double temp = r.real(kMashTemps[i]);
        const double vol = r.real(kMashVols[i]);
        const double c = m.celsius(temp);
        // A step needs its temperature in the format; one without goes in our own elements.
        if (temp == 0 || !ValidValue(el::MashStep, el::StepTemp, Number(c)))
            continue;
        const QString place = QStringLiteral("MASH_STEP%1/").arg(i + 1);
        w.begin(el::MashStep);
        const auto stepName = extras.find(place + QLatin1String(el::Name));
        w.field(el::Name, stepName != extras.end() ? stepName->second : names[i]);
        w.field(el::Version, QStringLiteral("1"));
        const auto stepType = extras.find(place + QLatin1String(el::Type));
        const char* ours = type == 2 ? "Decoction" : (vol > 0 ? "Infusion" : "Temperature");
        w.field(el::Type, stepType != extras.end()
                              ? wordOr(el::MashStep, el::Type, stepType->second, ours)
                              : QString::fromLatin1(ours));
        if (vol > 0)
            w.field(el::InfuseAmount, m.litres(vol));
        w.field(el::StepTemp, c);
        w.field(el::StepTime, std::max(0.0, time));
        w.own(ours::Place, QString::number(i + 1));
        writeExtras(w, extras, place);
        w.end();
    }
    w.end();
    if (r.real(rc::RecipeSpargeTemp) != 0)
        w.field(el::SpargeTemp, m.celsius(r.real(rc::RecipeSpargeTemp)));
    if (r.real(rc::RecipeMashPhAdj) > 0)
        w.field(el::Ph, r.real(rc::RecipeMashPhAdj));
    w.own(ours::MashType, QString::number(type));
    w.own(ours::SpargeVolume, Number(m.litres(r.real(rc::RecipeSpargeVol))));
    writeExtras(w, extras, QStringLiteral("MASH/"));
    w.end();
}

void ExportOf::openIngredient(const char* tag, const TableMap& t, const Row& shown) {
    w.begin(tag);
    writeFields(w, t.fields, shown, Measure{});
    w.field(el::Version, QStringLiteral("1"));
}

void ExportOf::closeIngredient(const TableMap& t, const Row& row,
                               const std::map<QString, QString>& extras) {
    writeColumns(w, t, row);
    writeExtras(w, extras);
    w.end();
}

void ExportOf::fermentable(const TableMap& t, const Row& row, const char* type, double amount,
                           const QString& units, bool mashed) {
    openIngredient(el::Fermentable, t, row);
    w.field(el::Type, QString::fromLatin1(type));
    writeAmount(w, amount, units, true);
    for (const char* required : {el::Yield, el::Color}) {
        if (!w.has(QString::fromLatin1(required)))
            w.field(required, 0.0);
    }
    const std::map<QString, QString> extras = extrasOf(t, row);
    // Grain is mashed in a mash recipe, steeped in an extract one; readers that compute the
    // gravity take the steeped grain's lower yield from IS_MASHED.
    if (QLatin1String(type) == QLatin1String("Grain") &&
        extras.find(QLatin1String(el::RecommendMash)) == extras.end())
        w.field(el::RecommendMash, flag(mashed));
    if (extras.find(QLatin1String(el::IsMashed)) == extras.end())
        w.field(el::IsMashed, flag(mashed));
    w.own(ours::Units, units);
    writeExtras(w, extras);
}

// An adjunct that is weighed and ferments goes out as a fermentable of the format.
bool isSugar(const Row& a) {
    namespace ac = col::adjuncts;
    return a.whole(ac::IngAdjunctsFermentable) != 0 && KilogramsPer(a.text(ac::IngAdjunctsUnits));
}

void ExportOf::recipe(const Row& r, const RecipeCalculator& calc) {
    namespace rc = col::recipe;
    const long id = r.whole(rc::RecipeID);
    const Measure m{r.whole(rc::RecipeMeasureEnglish) == 1};
    const std::map<QString, QString> extras = m_extras.of(QStringLiteral("Recipes"), id);
    const bool mashed =
        r.whole(rc::RecipeProcessAllGrain) != 0 || r.whole(rc::RecipeProcessPartial) != 0;

    w.begin(el::Recipe);
    recipeFields(r, m);
    predictions(calc);
    ownRecipeFields(r, m);
    writeColumns(w, Recipes(), r);
    style(r, extras);
    equipment(r, m);
    hops(id);
    const std::vector<Row> adjuncts = rowsOf(Adjuncts(), id);
    fermentables(id, adjuncts, mashed);
    miscs(r, adjuncts);
    yeasts(id);
    w.begin(el::Waters);
    w.end();
    mash(r, m, extras);
    writeExtras(w, extras);
    w.end(); // RECIPE
}

void ExportOf::recipeFields(const Row& r, const Measure& m) {
    namespace rc = col::recipe;
    std::optional<Row> named;
    if (r.text(rc::RecipeName).trimmed().isEmpty()) {
        named = r;
        named->v[QString::fromLatin1(rc::RecipeName)] =
            QStringLiteral("Batch %1").arg(r.whole(rc::RecipeBatchNo));
    }
    writeFields(w, Recipes().fields, named ? *named : r, m);
    w.field(el::Version, QStringLiteral("1"));
    const bool allGrain = r.whole(rc::RecipeProcessAllGrain) != 0;
    const bool partial = r.whole(rc::RecipeProcessPartial) != 0;
    w.field(el::Type, allGrain
                          ? QStringLiteral("All Grain")
                          : (partial ? QStringLiteral("Partial Mash") : QStringLiteral("Extract")));
    if (!w.has(QLatin1String(el::Brewer)))
        w.field(el::Brewer, QString());
    for (const char* required : {el::BatchSize, el::BoilSize, el::BoilTime}) {
        if (!w.has(QString::fromLatin1(required)))
            w.field(required, QStringLiteral("0"));
    }
    const long aroma = r.whole(rc::RecipeRatingAroma);
    const long appearance = r.whole(rc::RecipeRatingAppearance);
    const long taste = r.whole(rc::RecipeRatingTaste);
    const long impression = r.whole(rc::RecipeRatingImpression);
    // Our 20-point score on the 50-point scale of the format, once the recipe has one.
    if (aroma + appearance + taste > 0)
        w.field(el::TasteRating, double(aroma + appearance + taste + impression) * 2.5);
    const bool weeks = r.text(rc::RecipeFermConditioningUnits)
                           .compare(QLatin1String("Weeks"), Qt::CaseInsensitive) == 0;
    if (r.whole(rc::RecipeFermConditioningAmt) > 0)
        w.field(el::Age, double(r.whole(rc::RecipeFermConditioningAmt)) * (weeks ? 7 : 1));
}

// The predictions, as display fields: colour in SRM as the format says. The bitterness comes
// from the utilization table of the Data database, which is no method of the format's list
// (Rager, Tinseth, Garetz; programs refuse any other word): it is named in our own element only.
void ExportOf::predictions(const RecipeCalculator& calc) {
    w.field(el::EstOg, QStringLiteral("%1 SG").arg(calc.PredictedOG, 0, 'f', 3));
    w.field(el::EstFg, QStringLiteral("%1 SG").arg(calc.PredictedFG, 0, 'f', 3));
    w.field(el::EstColor, QStringLiteral("%1 SRM").arg(MoreySrm(calc.PredictedColor), 0, 'f', 1));
    w.field(el::Ibu, QStringLiteral("%1 IBUs").arg(calc.TotalIBU, 0, 'f', 1));
    w.own(ours::IbuMethod, QStringLiteral("Utilization table of the Data database"));
    w.field(el::EstAbv, QStringLiteral("%1 %").arg(calc.PredictedABV, 0, 'f', 1));
    w.own(ours::Mcu, QString::asprintf("%.1f", calc.PredictedColor));
}

void ExportOf::ownRecipeFields(const Row& r, const Measure& m) {
    namespace rc = col::recipe;
    const long aroma = r.whole(rc::RecipeRatingAroma);
    const long appearance = r.whole(rc::RecipeRatingAppearance);
    const long taste = r.whole(rc::RecipeRatingTaste);
    const long impression = r.whole(rc::RecipeRatingImpression);
    // What earlier versions of the program read from its own files.
    w.own(ours::Measure, m.metric ? QStringLiteral("Metric") : QStringLiteral("English"));
    w.own(ours::Process, QStringLiteral("%1,%2,%3,%4")
                             .arg(QString::number(r.whole(rc::RecipeProcessKit)),
                                  QString::number(r.whole(rc::RecipeProcessExtract)),
                                  QString::number(r.whole(rc::RecipeProcessPartial)),
                                  QString::number(r.whole(rc::RecipeProcessAllGrain))));
    w.own(ours::Rating, QStringLiteral("%1,%2,%3,%4")
                            .arg(QString::number(aroma), QString::number(appearance),
                                 QString::number(taste), QString::number(impression)));
    w.own(ours::ConditioningUnits, r.text(rc::RecipeFermConditioningUnits));
    w.own(ours::PrimingAmount, r.text(rc::RecipeFermPrimingAmt));
    w.own(ours::PrimingUnits, r.text(rc::RecipeFermPrimingUnits));
}

void ExportOf::hops(long id) {
    w.begin(el::Hops);
    for (const Row& h : rowsOf(Hops(), id)) {
        namespace hc = col::hops;
        const std::map<QString, QString> hx = extrasOf(Hops(), h);
        openIngredient(el::Hop, Hops(), h);
        if (!w.has(QLatin1String(el::Alpha)))
            w.field(el::Alpha, 0.0);
        writeAmount(w, h.real(hc::IngHopsWeight), h.text(hc::IngHopsUnits), true);
        const double time = std::max(0.0, h.real(hc::IngHopsTime));
        // A hop added outside the boil keeps the use and minutes it came with, as long as
        // nobody changed its time since.
        const auto use = hx.find(QLatin1String(el::Use));
        const auto stored = hx.find(QStringLiteral("#STOREDTIME"));
        if (use != hx.end() && stored != hx.end() && stored->second.toDouble() == time) {
            w.field(el::Use, wordOr(el::Hop, el::Use, use->second, "Aroma"));
            const auto minutes = hx.find(QLatin1String(el::Time));
            w.field(el::Time, minutes != hx.end() ? minutes->second : Number(time));
        } else {
            w.field(el::Use, time > 0 ? QStringLiteral("Boil") : QStringLiteral("Aroma"));
            w.field(el::Time, time);
        }
        w.own(ours::Units, h.text(hc::IngHopsUnits));
        closeIngredient(Hops(), h, hx);
    }
    w.end();
}

void ExportOf::fermentables(long id, const std::vector<Row>& adjuncts, bool mashed) {
    w.begin(el::Fermentables);
    for (const Row& k : rowsOf(Kits(), id)) {
        namespace kc = col::kits;
        fermentable(Kits(), k, "Extract", k.real(kc::IngKitsWeight), k.text(kc::IngKitsUnits),
                    false);
        w.own(ours::Kit, flag(true));
        w.own(ours::Hbu, Number(k.real(kc::IngKitsHBU)));
        writeColumns(w, Kits(), k);
        w.end();
    }
    for (const Row& e : rowsOf(Extracts(), id)) {
        namespace ec = col::extracts;
        const bool dry =
            e.text(ec::IngExtractsForm).compare(QLatin1String("Dry"), Qt::CaseInsensitive) == 0;
        fermentable(Extracts(), e, dry ? "Dry Extract" : "Extract", e.real(ec::IngExtractsWeight),
                    e.text(ec::IngExtractsUnits), false);
        w.own(ours::Form, e.text(ec::IngExtractsForm));
        w.own(ours::Hopped, flag(e.whole(ec::IngExtractsHopped) != 0));
        w.own(ours::Hbu, Number(e.real(ec::IngExtractsHBU)));
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
    namespace ac = col::adjuncts;
    for (const Row& a : adjuncts) {
        if (!isSugar(a))
            continue;
        const double amount = ReadDouble(a.text(ac::IngAdjunctsAmt));
        fermentable(Adjuncts(), a, "Sugar", std::isfinite(amount) ? amount : 0,
                    a.text(ac::IngAdjunctsUnits), false);
        w.own(ours::Amount, a.text(ac::IngAdjunctsAmt));
        writeColumns(w, Adjuncts(), a);
        w.end();
    }
    w.end();
}

void ExportOf::miscs(const Row& r, const std::vector<Row>& adjuncts) {
    namespace rc = col::recipe;
    namespace ac = col::adjuncts;
    w.begin(el::Miscs);
    for (const Row& a : adjuncts) {
        if (isSugar(a))
            continue;
        const std::map<QString, QString> ax = extrasOf(Adjuncts(), a);
        auto kept = [&](const char* element, const QString& otherwise) {
            const auto it = ax.find(QString::fromLatin1(element));
            return it != ax.end() ? it->second : otherwise;
        };
        openIngredient(el::Misc, Adjuncts(), a);
        // What the file it came with said; else what the recipe means: every adjunct of ours
        // goes into the boil, for the whole of it.
        w.field(el::Type, wordOr(el::Misc, el::Type, kept(el::Type, {}), "Other"));
        w.field(el::Use, wordOr(el::Misc, el::Use, kept(el::Use, {}), "Boil"));
        w.field(el::Time, kept(el::Time, Number(std::max(0L, r.whole(rc::RecipeBoilLth)))));
        const double amount = ReadDouble(a.text(ac::IngAdjunctsAmt));
        writeAmount(w, std::isfinite(amount) ? amount : 0, a.text(ac::IngAdjunctsUnits), false);
        w.own(ours::Amount, a.text(ac::IngAdjunctsAmt));
        w.own(ours::Units, a.text(ac::IngAdjunctsUnits));
        w.own(ours::Fermentable, flag(a.whole(ac::IngAdjunctsFermentable) != 0));
        w.own(ours::Potential, Number(a.real(ac::IngAdjunctsSPGrav)));
        w.own(ours::Color, Number(a.real(ac::IngAdjunctsColor)));
        closeIngredient(Adjuncts(), a, ax);
    }
    w.end();
}

void ExportOf::yeasts(long id) {
    w.begin(el::Yeasts);
    for (const Row& y : rowsOf(Yeasts(), id)) {
        namespace yc = col::yeasts;
        Row shown = y;
        // The format knows its own words only.
        shown.v[QString::fromLatin1(yc::IngYeastType)] =
            wordOr(el::Yeast, el::Type, y.text(yc::IngYeastType), "Ale");
        shown.v[QString::fromLatin1(yc::IngYeastForm)] =
            wordOr(el::Yeast, el::Form, y.text(yc::IngYeastForm), "Liquid");
        openIngredient(el::Yeast, Yeasts(), shown);
        writeAmount(w, y.real(yc::IngYeastAmt), y.text(yc::IngYeastUnits), false,
                    shown.text(yc::IngYeastForm));
        w.own(ours::Amount, Number(y.real(yc::IngYeastAmt)));
        w.own(ours::Units, y.text(yc::IngYeastUnits));
        closeIngredient(Yeasts(), y, extrasOf(Yeasts(), y));
    }
    w.end();
}

// One read transaction for the whole file: the recipes as they were at one moment, even while
// another program changes them, and one lock taken instead of one per query.
class ReadSnapshot {
public:
    explicit ReadSnapshot(SqliteConnection& c) : m_c(c), m_own(!c.inTransaction()) {
        if (m_own)
            m_c.exec(QStringLiteral("BEGIN"));
    }
    ~ReadSnapshot() {
        try {
            if (m_own && m_c.inTransaction())
                m_c.exec(QStringLiteral("COMMIT"));
        } catch (...) {
            // Nothing was written; the connection ends the read when it closes.
        }
    }
    ReadSnapshot(const ReadSnapshot&) = delete;
    ReadSnapshot& operator=(const ReadSnapshot&) = delete;

private:
    SqliteConnection& m_c;
    bool m_own;
};

// The recipes of `batches`, in their order; false with `error` naming the first one missing.
bool readChosen(Queries& c, const std::vector<long>& batches, std::vector<Row>& chosen,
                QString& error) {
    for (long b : batches) {
        std::vector<Row> one =
            c.rows(QStringLiteral("SELECT * FROM Recipes WHERE RecipeBatchNo = ?"), qlonglong(b));
        if (one.empty()) {
            error = QStringLiteral("no recipe with batch number %1").arg(b);
            return false;
        }
        chosen.push_back(std::move(one.front()));
    }
    return true;
}

} // namespace

QByteArray BeerXml::exportRecipes(CDaoDatabase& recipes, const std::vector<long>& batches,
                                  const UtilizationTable& table, QString& error) {
    QByteArray out;
    QBuffer buffer(&out);
    buffer.open(QIODevice::WriteOnly);
    if (!exportRecipes(recipes, batches, table, buffer, error))
        return {};
    return out;
}

namespace {

// The recipes of `batches` through `w`, a recipe at a time; `out` is the device it writes to,
// when it writes one.
bool ExportThrough(Writer& w, QIODevice* out, CDaoDatabase& recipes,
                   const std::vector<long>& batches, const UtilizationTable& table, QString& error,
                   const BeerXml::ExportProgress& progress, qint64 maxBytes) {
    const ReadSnapshot snapshot(recipes.connection());
    Queries c(recipes.connection());
    // A missing batch is said before a byte is written.
    std::vector<Row> chosen;
    if (!readChosen(c, batches, chosen, error))
        return false;
    const qint64 total = batches.empty()
                             ? recipes.connection()
                                   .scalar(QStringLiteral("SELECT count(*) FROM Recipes"))
                                   .toLongLong()
                             : qint64(chosen.size());
    w.startDocument();
    w.begin(el::Recipes);
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
        if (error.isEmpty())
            error = !out || out->errorString().isEmpty()
                        ? QStringLiteral("the file could not be written")
                        : out->errorString();
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
    return !out || out->pos() <= maxBytes || tooLarge();
}

} // namespace

bool BeerXml::exportRecipes(CDaoDatabase& recipes, const std::vector<long>& batches,
                            const UtilizationTable& table, QIODevice& out, QString& error,
                            const ExportProgress& progress, qint64 maxBytes) {
    Writer w(&out);
    return ExportThrough(w, &out, recipes, batches, table, error, progress, maxBytes);
}

bool BeerXml::exportRecipeTrees(CDaoDatabase& recipes, const std::vector<long>& batches,
                                const UtilizationTable& table,
                                const std::function<bool(const XmlElement&)>& take, QString& error,
                                const ExportProgress& progress) {
    Writer w(take);
    return ExportThrough(w, nullptr, recipes, batches, table, error, progress, kMaxBytes);
}

} // namespace wsc
