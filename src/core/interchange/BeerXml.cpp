#include "interchange/BeerXml.h"

#include "calc/IngredientSheets.h"
#include "calc/RecipeCalculator.h"
#include "db/SqliteConnection.h"
#include "db/dao/CDaoDatabase.h"
#include "db/records/CRecordSetRecipe.h"
#include "db/records/CRecordSetRecipeMaxBatch.h"
#include "document/StoredBitterness.h"
#include "document/TextLengths.h"
#include "interchange/XmlTree.h"

#include <QLocale>
#include <QXmlStreamWriter>

#include <cmath>
#include <functional>
#include <map>

namespace wsc {

namespace {

constexpr double kKgPerLb = 0.45359237;
constexpr double kKgPerOz = 0.028349523125;
constexpr double kLitresPerGallon = 3.785411784;
// Gravity points of one pound in one US gallon at 100 % yield (sucrose).
constexpr double kPointsAtFullYield = 46.214;
constexpr long kLastBatch = 2147483647;

// Our own elements for what BeerXML has no place for; other programs ignore them.
constexpr const char* kExt = "WORTSMITH_";

QString number(double v) {
    if (!std::isfinite(v))
        v = 0;
    QString s = QString::number(v, 'f', 9);
    while (s.contains(u'.') && (s.endsWith(u'0') || s.endsWith(u'.'))) {
        const bool dot = s.endsWith(u'.');
        s.chop(1);
        if (dot)
            break;
    }
    return s == QLatin1String("-0") ? QStringLiteral("0") : s;
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

// ---------------------------------------------------------------------------------------------
// Writing

class Writer {
public:
    explicit Writer(QByteArray* out) : m_xml(out) { m_xml.setAutoFormatting(true); }
    QXmlStreamWriter& xml() { return m_xml; }
    void field(const char* name, const QString& value) {
        m_xml.writeTextElement(QString::fromLatin1(name), value);
    }
    void field(const char* name, double value) { field(name, number(value)); }
    void ext(const char* name, const QString& value) {
        m_xml.writeTextElement(QString::fromLatin1(kExt) + QString::fromLatin1(name), value);
    }
    void begin(const char* name) { m_xml.writeStartElement(QString::fromLatin1(name)); }
    void end() { m_xml.writeEndElement(); }

private:
    QXmlStreamWriter m_xml;
};

QString flag(bool on) {
    return on ? QStringLiteral("TRUE") : QStringLiteral("FALSE");
}

struct Row {
    std::map<QString, QVariant> v;
    QString text(const char* c) const {
        auto it = v.find(QString::fromLatin1(c));
        return it == v.end() || it->second.isNull() ? QString() : it->second.toString();
    }
    double real(const char* c) const {
        auto it = v.find(QString::fromLatin1(c));
        return it == v.end() ? 0 : it->second.toDouble();
    }
    long whole(const char* c) const { return long(std::llround(real(c))); }
};

// The rows of a query; each query is prepared once per export, as every recipe asks the same.
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
        QStringList names;
        for (int i = 0; i < st.columnCount(); ++i)
            names << st.columnName(i);
        while (st.step()) {
            Row r;
            for (int i = 0; i < names.size(); ++i)
                r.v[names[i]] = st.value(i);
            out.push_back(std::move(r));
        }
        return out;
    }

private:
    SqliteConnection& m_c;
    std::map<QString, SqliteStatement> m_statements;
};

void writeAmount(Writer& w, double amount, const QString& units, bool weightOnly) {
    if (const auto kg = kilogramsPer(units)) {
        w.field("AMOUNT", amount * *kg);
        if (!weightOnly)
            w.field("AMOUNT_IS_WEIGHT", flag(true));
    } else if (const auto l = weightOnly ? std::nullopt : litresPer(units)) {
        w.field("AMOUNT", amount * *l);
        w.field("AMOUNT_IS_WEIGHT", flag(false));
    } else {
        w.field("AMOUNT", 0.0);
    }
}

void writeRecipe(Writer& w, Queries& c, const Row& r, RecipeCalculator& calc) {
    const long id = r.whole("RecipeID");
    const bool metric = r.whole("RecipeMeasureEnglish") == 1;
    auto litres = [&](double v) { return metric ? v : v * kLitresPerGallon; };
    auto celsius = [&](double v) { return metric ? v : (v - 32) / 1.8; };

    w.begin("RECIPE");
    w.field("NAME", r.text("RecipeName"));
    w.field("VERSION", QStringLiteral("1"));
    const bool allGrain = r.whole("RecipeProcessAllGrain") != 0;
    const bool partial = r.whole("RecipeProcessPartial") != 0;
    w.field("TYPE", allGrain
                        ? QStringLiteral("All Grain")
                        : (partial ? QStringLiteral("Partial Mash") : QStringLiteral("Extract")));
    w.field("BREWER", r.text("RecipeBrewer"));
    w.field("BATCH_SIZE", litres(r.real("RecipeBatchSize")));
    w.field("BOIL_SIZE", litres(r.real("RecipeBoilSize")));
    w.field("BOIL_TIME", double(r.whole("RecipeBoilLth")));
    w.field("EFFICIENCY", r.real("RecipeSystemEfficiencyExpected"));
    w.field("NOTES", r.text("RecipeComments"));
    w.field("TASTE_NOTES", r.text("RecipeRatingNotes"));
    const long aroma = r.whole("RecipeRatingAroma"), appearance = r.whole("RecipeRatingAppearance"),
               taste = r.whole("RecipeRatingTaste"), impression = r.whole("RecipeRatingImpression");
    // Our 20-point score on the 50-point scale of the format.
    w.field("TASTE_RATING", double(aroma + appearance + taste + impression) * 2.5);
    w.field("OG", r.real("RecipeSGOriginal"));
    w.field("FG", r.real("RecipeSGFinal"));
    w.field("DATE", r.text("RecipeDateBrewed"));
    w.field("PRIMARY_AGE", double(r.whole("RecipeFermPrimary")));
    w.field("PRIMARY_TEMP", celsius(r.real("RecipeFermAvgTempPri")));
    w.field("SECONDARY_AGE", double(r.whole("RecipeFermSecondary")));
    w.field("SECONDARY_TEMP", celsius(r.real("RecipeFermAvgTempSec")));
    const bool weeks = r.text("RecipeFermConditioningUnits")
                           .compare(QLatin1String("Weeks"), Qt::CaseInsensitive) == 0;
    w.field("AGE", double(r.whole("RecipeFermConditioningAmt")) * (weeks ? 7 : 1));
    w.field("PRIMING_SUGAR_NAME", r.text("RecipeFermPrimingName"));
    // The predictions, as display fields.
    w.field("EST_OG", QStringLiteral("%1 SG").arg(calc.PredictedOG, 0, 'f', 3));
    w.field("EST_FG", QStringLiteral("%1 SG").arg(calc.PredictedFG, 0, 'f', 3));
    w.field("EST_COLOR", QStringLiteral("%1 SRM").arg(calc.PredictedColor, 0, 'f', 1));
    w.field("IBU", QStringLiteral("%1 IBUs").arg(calc.TotalIBU, 0, 'f', 1));
    w.field("IBU_METHOD", QStringLiteral("Tinseth"));
    w.field("EST_ABV", QStringLiteral("%1 %").arg(calc.PredictedABV, 0, 'f', 1));
    w.ext("MEASURE", metric ? QStringLiteral("Metric") : QStringLiteral("English"));
    w.ext("PROCESS", QStringLiteral("%1,%2,%3,%4")
                         .arg(r.whole("RecipeProcessKit"))
                         .arg(r.whole("RecipeProcessExtract"))
                         .arg(r.whole("RecipeProcessPartial"))
                         .arg(r.whole("RecipeProcessAllGrain")));
    w.ext("RATING",
          QStringLiteral("%1,%2,%3,%4").arg(aroma).arg(appearance).arg(taste).arg(impression));
    w.ext("CONDITIONING_UNITS", r.text("RecipeFermConditioningUnits"));
    w.ext("PRIMING_AMOUNT", r.text("RecipeFermPrimingAmt"));
    w.ext("PRIMING_UNITS", r.text("RecipeFermPrimingUnits"));

    w.begin("STYLE");
    w.field("NAME", r.text("RecipeTargetStyle"));
    w.field("VERSION", QStringLiteral("1"));
    w.field("CATEGORY", r.text("RecipeTargetCategory"));
    w.field("CATEGORY_NUMBER", QString());
    w.field("STYLE_LETTER", QString());
    w.field("STYLE_GUIDE", QString());
    w.field("TYPE",
            r.whole("RecipeFermTypeAle") == 0 ? QStringLiteral("Ale") : QStringLiteral("Lager"));
    w.field("OG_MIN", r.real("RecipeTargetSpGravLo"));
    w.field("OG_MAX", r.real("RecipeTargetSpGravHi"));
    w.field("FG_MIN", 1.0);
    w.field("FG_MAX", 1.0);
    w.field("IBU_MIN", r.real("RecipeTargetIBULo"));
    w.field("IBU_MAX", r.real("RecipeTargetIBUHi"));
    w.field("COLOR_MIN", r.real("RecipeTargetColorLo"));
    w.field("COLOR_MAX", r.real("RecipeTargetColorHi"));
    w.field("ABV_MIN", r.real("RecipeTargetAlcoLo"));
    w.field("ABV_MAX", r.real("RecipeTargetAlcoHi"));
    // A subcategory of one blank is none, as everywhere else.
    w.ext("SUBCATEGORY", r.text("RecipeTargetSubcategory").trimmed());
    w.end();

    w.begin("HOPS");
    for (const Row& h :
         c.rows(QStringLiteral(
                    "SELECT * FROM Ingredients_Hops WHERE IngRecipeID = ? ORDER BY IngRowID"),
                qlonglong(id))) {
        w.begin("HOP");
        w.field("NAME", h.text("IngHopsName"));
        w.field("VERSION", QStringLiteral("1"));
        w.field("ALPHA", h.real("IngHopsAlpha"));
        writeAmount(w, h.real("IngHopsWeight"), h.text("IngHopsUnits"), true);
        const double time = h.real("IngHopsTime");
        w.field("USE", time > 0 ? QStringLiteral("Boil") : QStringLiteral("Aroma"));
        w.field("TIME", time);
        w.ext("UNITS", h.text("IngHopsUnits"));
        w.end();
    }
    w.end();

    w.begin("FERMENTABLES");
    auto fermentable = [&](const QString& name, const char* type, double amount,
                           const QString& units, double potential, double color,
                           const QString& supplier) {
        w.begin("FERMENTABLE");
        w.field("NAME", name);
        w.field("VERSION", QStringLiteral("1"));
        w.field("TYPE", QString::fromLatin1(type));
        writeAmount(w, amount, units, true);
        w.field("YIELD", yieldOf(potential));
        w.field("COLOR", color);
        if (!supplier.isEmpty())
            w.field("SUPPLIER", supplier);
        w.ext("UNITS", units);
    };
    for (const Row& k :
         c.rows(QStringLiteral(
                    "SELECT * FROM Ingredients_Kits WHERE IngRecipeID = ? ORDER BY IngRowID"),
                qlonglong(id))) {
        fermentable(k.text("IngKitsStyle"), "Extract", k.real("IngKitsWeight"),
                    k.text("IngKitsUnits"), k.real("IngKitsStartSPGrav"), k.real("IngKitsColor"),
                    k.text("IngKitsManuf"));
        w.ext("KIT", flag(true));
        w.ext("HBU", number(k.real("IngKitsHBU")));
        w.end();
    }
    for (const Row& e :
         c.rows(QStringLiteral(
                    "SELECT * FROM Ingredients_Extracts WHERE IngRecipeID = ? ORDER BY IngRowID"),
                qlonglong(id))) {
        const bool dry =
            e.text("IngExtractsForm").compare(QLatin1String("Dry"), Qt::CaseInsensitive) == 0;
        fermentable(e.text("IngExtractsName"), dry ? "Dry Extract" : "Extract",
                    e.real("IngExtractsWeight"), e.text("IngExtractsUnits"),
                    e.real("IngExtractsSPGrav"), e.real("IngExtractsColor"),
                    e.text("IngExtractsManuf"));
        w.ext("FORM", e.text("IngExtractsForm"));
        w.ext("HOPPED", flag(e.whole("IngExtractsHopped") != 0));
        w.ext("HBU", number(e.real("IngExtractsHBU")));
        w.end();
    }
    for (const Row& g :
         c.rows(QStringLiteral(
                    "SELECT * FROM Ingredients_Grains WHERE IngRecipeID = ? ORDER BY IngRowID"),
                qlonglong(id))) {
        fermentable(g.text("IngGrainsName"), "Grain", g.real("IngGrainsWeight"),
                    g.text("IngGrainsUnits"), g.real("IngGrainsSPGrav"), g.real("IngGrainsColor"),
                    QString());
        w.end();
    }
    const std::vector<Row> adjuncts =
        c.rows(QStringLiteral(
                   "SELECT * FROM Ingredients_Adjuncts WHERE IngRecipeID = ? ORDER BY IngRowID"),
               qlonglong(id));
    auto isSugar = [](const Row& a) {
        return a.whole("IngAdjunctsFermentable") != 0 && kilogramsPer(a.text("IngAdjunctsUnits"));
    };
    for (const Row& a : adjuncts) {
        if (!isSugar(a))
            continue;
        fermentable(a.text("IngAdjunctsName"), "Sugar", ReadDouble(a.text("IngAdjunctsAmt")),
                    a.text("IngAdjunctsUnits"), a.real("IngAdjunctsSPGrav"),
                    a.real("IngAdjunctsColor"), QString());
        w.ext("AMOUNT", a.text("IngAdjunctsAmt"));
        w.end();
    }
    w.end();

    w.begin("MISCS");
    for (const Row& a : adjuncts) {
        if (isSugar(a))
            continue;
        w.begin("MISC");
        w.field("NAME", a.text("IngAdjunctsName"));
        w.field("VERSION", QStringLiteral("1"));
        w.field("TYPE", QStringLiteral("Other"));
        w.field("USE", QStringLiteral("Boil"));
        w.field("TIME", 0.0);
        const double amount = ReadDouble(a.text("IngAdjunctsAmt"));
        writeAmount(w, std::isfinite(amount) ? amount : 0, a.text("IngAdjunctsUnits"), false);
        w.ext("AMOUNT", a.text("IngAdjunctsAmt"));
        w.ext("UNITS", a.text("IngAdjunctsUnits"));
        w.ext("FERMENTABLE", flag(a.whole("IngAdjunctsFermentable") != 0));
        w.ext("POTENTIAL", number(a.real("IngAdjunctsSPGrav")));
        w.ext("COLOR", number(a.real("IngAdjunctsColor")));
        w.end();
    }
    w.end();

    w.begin("YEASTS");
    for (const Row& y :
         c.rows(QStringLiteral(
                    "SELECT * FROM Ingredients_Yeasts WHERE IngRecipeID = ? ORDER BY IngRowID"),
                qlonglong(id))) {
        w.begin("YEAST");
        w.field("NAME", y.text("IngYeastName"));
        w.field("VERSION", QStringLiteral("1"));
        const QString type = y.text("IngYeastType");
        w.field("TYPE", type.isEmpty() ? QStringLiteral("Ale") : type);
        const QString form = y.text("IngYeastForm");
        w.field("FORM", form.isEmpty() ? QStringLiteral("Liquid") : form);
        writeAmount(w, y.real("IngYeastAmt"), y.text("IngYeastUnits"), false);
        w.field("LABORATORY", y.text("IngYeastManuf"));
        w.field("ATTENUATION", y.real("IngYeastAttenuation"));
        w.ext("AMOUNT", number(y.real("IngYeastAmt")));
        w.ext("UNITS", y.text("IngYeastUnits"));
        w.end();
    }
    w.end();

    w.begin("WATERS");
    w.end();

    w.begin("MASH");
    w.field("NAME", QStringLiteral("Mash"));
    w.field("VERSION", QStringLiteral("1"));
    w.field("GRAIN_TEMP", 20.0);
    w.begin("MASH_STEPS");
    for (int i = 1; i <= 4; ++i) {
        const QByteArray n = QByteArray::number(i);
        const double time = r.real(("RecipeMashTime" + n).constData());
        const double temp = r.real(("RecipeMashTemp" + n).constData());
        const double vol = r.real(("RecipeMashVol" + n).constData());
        if (time == 0 && temp == 0 && vol == 0)
            continue;
        w.begin("MASH_STEP");
        w.field("NAME", QStringLiteral("Step %1").arg(i));
        w.field("VERSION", QStringLiteral("1"));
        w.field("TYPE", QStringLiteral("Infusion"));
        w.field("INFUSE_AMOUNT", litres(vol));
        w.field("STEP_TEMP", celsius(temp));
        w.field("STEP_TIME", time);
        w.ext("PLACE", QString::number(i));
        w.end();
    }
    w.end();
    w.field("SPARGE_TEMP", celsius(r.real("RecipeSpargeTemp")));
    w.field("PH", r.real("RecipeMashPhAdj"));
    w.ext("MASH_TYPE", QString::number(r.whole("RecipeMashType")));
    w.ext("SPARGE_VOLUME", number(litres(r.real("RecipeSpargeVol"))));
    w.end();

    w.end(); // RECIPE
}

// ---------------------------------------------------------------------------------------------
// Reading

struct ImportFault {
    QString text;
};

class Reader {
public:
    Reader(const XmlElement& e, const QString& where) : m_e(e), m_where(where) {}
    // No text of a recipe holds more than a memo: a longer one is refused with its place.
    QString text(const char* name) const {
        const XmlElement* c = m_e.child(name);
        if (c && c->text.size() > kMemoLength)
            throw ImportFault{QStringLiteral("line %1, column %2: %3 %4 holds %5 characters; a "
                                             "text of a recipe holds at most %6")
                                  .arg(QString::number(c->line), QString::number(c->column),
                                       m_where, QString::fromLatin1(name),
                                       QString::number(c->text.size()),
                                       QString::number(kMemoLength))};
        return m_e.value(name);
    }
    bool has(const char* name) const { return m_e.child(name) != nullptr; }
    QString ext(const char* name) const { return text((QByteArray(kExt) + name).constData()); }
    bool hasExt(const char* name) const {
        return m_e.child((QByteArray(kExt) + name).constData()) != nullptr;
    }
    // A number: blanks around it are fine, anything else that is no number is refused.
    double number(const char* name, double fallback = 0, bool nonNegative = true) const {
        const XmlElement* c = m_e.child(name);
        if (!c || c->text.isEmpty())
            return fallback;
        QString t = c->text;
        // Display units some programs add ("5.0 %", "1.050 SG") are not part of the number.
        bool ok = false;
        double v = QLocale::c().toDouble(t, &ok);
        if (!ok) {
            const QString first = t.section(u' ', 0, 0);
            v = QLocale::c().toDouble(first, &ok);
        }
        if (!ok || !std::isfinite(v))
            throw ImportFault{QStringLiteral("line %1, column %2: %3 %4 is no number: \"%5\"")
                                  .arg(c->line)
                                  .arg(c->column)
                                  .arg(m_where, QString::fromLatin1(name), c->text)};
        if (nonNegative && v < 0)
            throw ImportFault{QStringLiteral("line %1, column %2: %3 %4 is negative: %5")
                                  .arg(c->line)
                                  .arg(c->column)
                                  .arg(m_where, QString::fromLatin1(name), c->text)};
        return v;
    }
    bool yes(const char* name) const {
        return text(name).compare(QLatin1String("TRUE"), Qt::CaseInsensitive) == 0;
    }
    const XmlElement& element() const { return m_e; }

private:
    const XmlElement& m_e;
    QString m_where;
};

struct Insert {
    QString table;
    std::vector<std::pair<QString, QVariant>> values;
};

class Importer {
public:
    Importer(SqliteConnection& c, Queries* data, ImportSummary& summary)
        : m_c(c), m_data(data), m_summary(summary) {}

    long nextBatch() {
        const long last = static_cast<long>(CRecordSetRecipeMaxBatch::HighestNumericBatch(m_c));
        if (last >= kLastBatch)
            throw ImportFault{QStringLiteral("no batch number is left after %1").arg(last)};
        return last + 1;
    }

    // The Data row of that name (any case), counting matches and what was kept as typed.
    qlonglong match(const char* table, const char* idColumn, const char* nameColumn,
                    const QString& name, const QString& kind, const QString& recipe) {
        if (m_data && !name.isEmpty()) {
            const std::vector<Row> found = m_data->rows(
                QStringLiteral(
                    "SELECT \"%1\" AS id FROM \"%2\" WHERE lower(\"%3\") = lower(?) LIMIT 1")
                    .arg(QString::fromLatin1(idColumn), QString::fromLatin1(table),
                         QString::fromLatin1(nameColumn)),
                name);
            if (!found.empty()) {
                ++m_summary.matched;
                return found.front().whole("id");
            }
        }
        m_summary.keptAsTyped << QStringLiteral("%1 \"%2\" in \"%3\"").arg(kind, name, recipe);
        return 0;
    }

    // A one-line text longer than its field keeps the field's length, and the summary says so.
    void insert(Insert& row, const QString& recipeName) {
        for (auto& [col, value] : row.values) {
            const int length = RecipeTextLength(col);
            if (value.typeId() == QMetaType::QString && value.toString().size() > length) {
                m_summary.skipped << QStringLiteral("the end of %1 of \"%2\" (the field holds %3 "
                                                    "characters)")
                                         .arg(col, recipeName, QString::number(length));
                value = value.toString().left(length);
            }
        }
        QStringList cols, marks;
        for (const auto& [col, value] : row.values) {
            cols << SqliteConnection::quoteIdentifier(col);
            marks << QStringLiteral("?");
        }
        SqliteStatement st = m_c.prepare(QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                                             .arg(SqliteConnection::quoteIdentifier(row.table),
                                                  cols.join(u','), marks.join(u',')));
        int i = 1;
        for (const auto& [col, value] : row.values)
            st.bind(i++, value);
        st.step();
    }

    long recipe(const XmlElement& e);

private:
    SqliteConnection& m_c;
    Queries* m_data;
    ImportSummary& m_summary;
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

long Importer::recipe(const XmlElement& e) {
    const QString name = e.value("NAME");
    if (name.isEmpty())
        throw ImportFault{QStringLiteral("line %1, column %2: a recipe without a name")
                              .arg(e.line)
                              .arg(e.column)};
    const Reader r(e, QStringLiteral("recipe \"%1\":").arg(name));
    const bool metric = r.ext("MEASURE").compare(QLatin1String("Metric"), Qt::CaseInsensitive) == 0;
    auto volume = [&](double litres) {
        return rounded(metric ? litres : litres / kLitresPerGallon);
    };
    auto degrees = [&](double c) { return qlonglong(std::llround(metric ? c : c * 1.8 + 32)); };

    const long batch = nextBatch();
    Insert rec{QStringLiteral("Recipes"), {}};
    auto set = [&](const char* col, const QVariant& v) {
        rec.values.emplace_back(QString::fromLatin1(col), v);
    };
    set("RecipeBatchNo", qlonglong(batch));
    set("RecipeName", name);
    set("RecipeBrewer", r.text("BREWER"));
    set("RecipeMeasureEnglish", metric ? 1 : 0);
    if (r.has("BATCH_SIZE"))
        set("RecipeBatchSize", volume(r.number("BATCH_SIZE")));
    if (r.has("BOIL_SIZE"))
        set("RecipeBoilSize", volume(r.number("BOIL_SIZE")));
    set("RecipeBoilLth", qlonglong(std::llround(r.number("BOIL_TIME"))));
    if (r.has("EFFICIENCY"))
        set("RecipeSystemEfficiencyExpected", r.number("EFFICIENCY"));
    set("RecipeComments", r.text("NOTES"));
    set("RecipeRatingNotes", r.text("TASTE_NOTES"));
    if (r.has("OG"))
        set("RecipeSGOriginal", r.number("OG"));
    if (r.has("FG"))
        set("RecipeSGFinal", r.number("FG"));
    if (!r.text("DATE").isEmpty())
        set("RecipeDateBrewed", r.text("DATE"));
    set("RecipeFermPrimary", qlonglong(std::llround(r.number("PRIMARY_AGE"))));
    set("RecipeFermSecondary", qlonglong(std::llround(r.number("SECONDARY_AGE"))));
    if (r.has("PRIMARY_TEMP"))
        set("RecipeFermAvgTempPri", degrees(r.number("PRIMARY_TEMP", 0, false)));
    if (r.has("SECONDARY_TEMP"))
        set("RecipeFermAvgTempSec", degrees(r.number("SECONDARY_TEMP", 0, false)));
    const QString conditioningUnits =
        r.hasExt("CONDITIONING_UNITS") ? r.ext("CONDITIONING_UNITS") : QStringLiteral("Days");
    const bool weeks = conditioningUnits.compare(QLatin1String("Weeks"), Qt::CaseInsensitive) == 0;
    set("RecipeFermConditioningUnits", conditioningUnits);
    set("RecipeFermConditioningAmt", qlonglong(std::llround(r.number("AGE") / (weeks ? 7 : 1))));
    set("RecipeFermPrimingName", r.text("PRIMING_SUGAR_NAME"));
    set("RecipeFermPrimingAmt", r.ext("PRIMING_AMOUNT"));
    set("RecipeFermPrimingUnits", r.ext("PRIMING_UNITS"));

    const QString type = r.text("TYPE").toLower();
    const QStringList process = r.ext("PROCESS").split(u',');
    if (process.size() == 4) {
        set("RecipeProcessKit", process[0].toInt());
        set("RecipeProcessExtract", process[1].toInt());
        set("RecipeProcessPartial", process[2].toInt());
        set("RecipeProcessAllGrain", process[3].toInt());
    } else {
        set("RecipeProcessAllGrain", type == QLatin1String("all grain") ? 1 : 0);
        set("RecipeProcessPartial", type == QLatin1String("partial mash") ? 1 : 0);
        set("RecipeProcessExtract", type == QLatin1String("extract") ? 1 : 0);
    }
    const QStringList rating = r.ext("RATING").split(u',');
    if (rating.size() == 4) {
        set("RecipeRatingAroma", rating[0].toInt());
        set("RecipeRatingAppearance", rating[1].toInt());
        set("RecipeRatingTaste", rating[2].toInt());
        set("RecipeRatingImpression", rating[3].toInt());
    } else if (r.has("TASTE_RATING")) {
        m_summary.skipped << QStringLiteral("the taste rating of \"%1\" (this program keeps the "
                                            "four parts of its score, not a total)")
                                 .arg(name);
    }

    if (const XmlElement* style = e.child("STYLE")) {
        const Reader s(*style, QStringLiteral("style of \"%1\":").arg(name));
        set("RecipeTargetStyle", s.text("NAME"));
        set("RecipeTargetCategory", s.text("CATEGORY"));
        set("RecipeTargetSubcategory", s.ext("SUBCATEGORY"));
        set("RecipeFermTypeAle",
            s.text("TYPE").compare(QLatin1String("Lager"), Qt::CaseInsensitive) == 0 ? 1 : 0);
        set("RecipeTargetSpGravLo", s.number("OG_MIN", 1.0));
        set("RecipeTargetSpGravHi", s.number("OG_MAX", 1.0));
        set("RecipeTargetIBULo", s.number("IBU_MIN"));
        set("RecipeTargetIBUHi", s.number("IBU_MAX"));
        set("RecipeTargetColorLo", s.number("COLOR_MIN"));
        set("RecipeTargetColorHi", s.number("COLOR_MAX"));
        set("RecipeTargetAlcoLo", s.number("ABV_MIN"));
        set("RecipeTargetAlcoHi", s.number("ABV_MAX"));
    }

    if (const XmlElement* mash = e.child("MASH")) {
        const Reader m(*mash, QStringLiteral("mash of \"%1\":").arg(name));
        if (m.has("SPARGE_TEMP"))
            set("RecipeSpargeTemp", degrees(m.number("SPARGE_TEMP", 0, false)));
        set("RecipeMashPhAdj", m.number("PH"));
        if (m.hasExt("MASH_TYPE"))
            set("RecipeMashType", m.ext("MASH_TYPE").toInt());
        if (m.hasExt("SPARGE_VOLUME"))
            set("RecipeSpargeVol",
                rounded(m.number("WORTSMITH_SPARGE_VOLUME") / (metric ? 1 : kLitresPerGallon)));
        int next = 1;
        if (const XmlElement* steps = mash->child("MASH_STEPS")) {
            for (const XmlElement* step : steps->all("MASH_STEP")) {
                const Reader st(*step, QStringLiteral("mash step of \"%1\":").arg(name));
                int place = st.hasExt("PLACE") ? st.ext("PLACE").toInt() : next;
                if (place < next)
                    place = next;
                if (place > 4) {
                    m_summary.skipped << QStringLiteral("mash step \"%1\" of \"%2\" (the mash "
                                                        "schedule has four places)")
                                             .arg(st.text("NAME"), name);
                    continue;
                }
                const QByteArray n = QByteArray::number(place);
                set(("RecipeMashTime" + n).constData(),
                    qlonglong(std::llround(st.number("STEP_TIME"))));
                set(("RecipeMashTemp" + n).constData(), degrees(st.number("STEP_TEMP", 0, false)));
                set(("RecipeMashVol" + n).constData(), volume(st.number("INFUSE_AMOUNT")));
                next = place + 1;
            }
        }
    }
    if (const XmlElement* waters = e.child("WATERS"); waters && !waters->children.empty())
        m_summary.skipped
            << QStringLiteral("the water profiles of \"%1\" (a recipe keeps none)").arg(name);

    insert(rec, name);
    const qlonglong id = m_c.lastInsertRowId();
    auto row = [&](const char* table) {
        Insert i{QString::fromLatin1(table), {}};
        i.values.emplace_back(QStringLiteral("IngRecipeID"), id);
        return i;
    };
    auto add = [](Insert& i, const char* col, const QVariant& v) {
        i.values.emplace_back(QString::fromLatin1(col), v);
    };

    if (const XmlElement* hops = e.child("HOPS")) {
        for (const XmlElement* h : hops->all("HOP")) {
            const Reader hr(*h, QStringLiteral("hop of \"%1\":").arg(name));
            Insert i = row("Ingredients_Hops");
            const QString hopName = hr.text("NAME");
            add(i, "IngHopsName", hopName);
            add(i, "IngHopsAlpha", hr.number("ALPHA"));
            const auto [w, unit] = weightIn(hr.number("AMOUNT"), hr.ext("UNITS"), "oz");
            add(i, "IngHopsWeight", w);
            add(i, "IngHopsUnits", unit);
            const bool dry =
                hr.text("USE").compare(QLatin1String("Dry Hop"), Qt::CaseInsensitive) == 0;
            add(i, "IngHopsTime", dry ? 0.0 : hr.number("TIME"));
            add(i, "IngHopsID",
                match("Hops", "HopsID", "HopsName", hopName, QStringLiteral("Hop"), name));
            insert(i, name);
        }
    }
    if (const XmlElement* list = e.child("FERMENTABLES")) {
        for (const XmlElement* f : list->all("FERMENTABLE")) {
            const Reader fr(*f, QStringLiteral("fermentable of \"%1\":").arg(name));
            const QString fname = fr.text("NAME");
            const QString ftype = fr.text("TYPE").toLower();
            // Every kind of fermentable is weighed in the unit our file names, else in pounds.
            const auto [w, unit] = weightIn(fr.number("AMOUNT"), fr.ext("UNITS"), "lbs");
            const double potential = potentialOf(fr.number("YIELD"));
            const double color = fr.number("COLOR");
            if (fr.yes("WORTSMITH_KIT")) {
                Insert i = row("Ingredients_Kits");
                add(i, "IngKitsStyle", fname);
                add(i, "IngKitsManuf", fr.text("SUPPLIER"));
                add(i, "IngKitsWeight", w);
                add(i, "IngKitsUnits", unit);
                add(i, "IngKitsStartSPGrav", potential);
                add(i, "IngKitsColor", color);
                add(i, "IngKitsHBU", fr.number("WORTSMITH_HBU"));
                add(i, "IngKitsID",
                    match("Kits", "KitsID", "KitsStyle", fname, QStringLiteral("Kit"), name));
                insert(i, name);
            } else if (ftype == QLatin1String("extract") || ftype == QLatin1String("dry extract")) {
                Insert i = row("Ingredients_Extracts");
                add(i, "IngExtractsName", fname);
                add(i, "IngExtractsManuf", fr.text("SUPPLIER"));
                add(i, "IngExtractsWeight", w);
                add(i, "IngExtractsUnits", unit);
                add(i, "IngExtractsSPGrav", potential);
                add(i, "IngExtractsColor", color);
                add(i, "IngExtractsForm",
                    fr.hasExt("FORM")
                        ? fr.ext("FORM")
                        : (ftype == QLatin1String("dry extract") ? QStringLiteral("Dry")
                                                                 : QStringLiteral("Syrup")));
                add(i, "IngExtractsHopped", fr.yes("WORTSMITH_HOPPED") ? 1 : 0);
                add(i, "IngExtractsHBU", fr.number("WORTSMITH_HBU"));
                add(i, "IngExtractsID",
                    match("Extracts", "ExtractsID", "ExtractsName", fname,
                          QStringLiteral("Extract"), name));
                insert(i, name);
            } else if (ftype == QLatin1String("grain")) {
                Insert i = row("Ingredients_Grains");
                add(i, "IngGrainsName", fname);
                add(i, "IngGrainsWeight", w);
                add(i, "IngGrainsUnits", unit);
                add(i, "IngGrainsSPGrav", potential);
                add(i, "IngGrainsColor", color);
                add(i, "IngGrainsID",
                    match("Grains", "GrainsID", "GrainsName", fname, QStringLiteral("Grain"),
                          name));
                insert(i, name);
            } else if (ftype == QLatin1String("sugar") || ftype == QLatin1String("adjunct")) {
                Insert i = row("Ingredients_Adjuncts");
                add(i, "IngAdjunctsName", fname);
                add(i, "IngAdjunctsAmt", fr.hasExt("AMOUNT") ? fr.ext("AMOUNT") : number(w));
                add(i, "IngAdjunctsUnits", unit);
                add(i, "IngAdjunctsFermentable", 1);
                add(i, "IngAdjunctsSPGrav", potential);
                add(i, "IngAdjunctsColor", color);
                add(i, "IngAdjunctsID",
                    match("Adjuncts", "AdjunctsID", "AdjunctsName", fname,
                          QStringLiteral("Adjunct"), name));
                insert(i, name);
            } else {
                m_summary.skipped << QStringLiteral(
                                         "fermentable \"%1\" of \"%2\" (unknown type \"%3\")")
                                         .arg(fname, name, fr.text("TYPE"));
            }
        }
    }
    if (const XmlElement* list = e.child("MISCS")) {
        for (const XmlElement* m : list->all("MISC")) {
            const Reader mr(*m, QStringLiteral("misc of \"%1\":").arg(name));
            Insert i = row("Ingredients_Adjuncts");
            const QString mname = mr.text("NAME");
            add(i, "IngAdjunctsName", mname);
            if (mr.hasExt("UNITS")) {
                add(i, "IngAdjunctsAmt", mr.ext("AMOUNT"));
                add(i, "IngAdjunctsUnits", mr.ext("UNITS"));
            } else {
                const double amount = mr.number("AMOUNT");
                const bool weight = mr.yes("AMOUNT_IS_WEIGHT");
                add(i, "IngAdjunctsAmt", number(rounded(amount * 1000)));
                add(i, "IngAdjunctsUnits", weight ? QStringLiteral("g") : QStringLiteral("ml"));
            }
            add(i, "IngAdjunctsFermentable", mr.yes("WORTSMITH_FERMENTABLE") ? 1 : 0);
            add(i, "IngAdjunctsSPGrav", mr.number("WORTSMITH_POTENTIAL"));
            add(i, "IngAdjunctsColor", mr.number("WORTSMITH_COLOR"));
            add(i, "IngAdjunctsID",
                match("Adjuncts", "AdjunctsID", "AdjunctsName", mname, QStringLiteral("Adjunct"),
                      name));
            insert(i, name);
        }
    }
    if (const XmlElement* list = e.child("YEASTS")) {
        for (const XmlElement* y : list->all("YEAST")) {
            const Reader yr(*y, QStringLiteral("yeast of \"%1\":").arg(name));
            Insert i = row("Ingredients_Yeasts");
            const QString yname = yr.text("NAME");
            add(i, "IngYeastName", yname);
            add(i, "IngYeastType", yr.text("TYPE"));
            add(i, "IngYeastForm", yr.text("FORM"));
            add(i, "IngYeastManuf", yr.text("LABORATORY"));
            add(i, "IngYeastAttenuation", yr.number("ATTENUATION"));
            if (yr.hasExt("UNITS")) {
                add(i, "IngYeastAmt", yr.number("WORTSMITH_AMOUNT"));
                add(i, "IngYeastUnits", yr.ext("UNITS"));
            } else {
                add(i, "IngYeastAmt", 1.0);
                add(i, "IngYeastUnits", QStringLiteral("pkg"));
            }
            add(i, "IngYeastID",
                match("Yeast", "YeastID", "YeastStrain", yname, QStringLiteral("Yeast"), name));
            insert(i, name);
        }
    }
    m_summary.added.push_back({batch, name});
    return long(id);
}

} // namespace

QString ImportSummary::text() const {
    QStringList lines;
    lines << QStringLiteral("Recipes added: %1").arg(added.size());
    for (const Added& a : added)
        lines << QStringLiteral("  batch %1: %2").arg(a.batch).arg(a.name);
    lines << QStringLiteral("Ingredients matched to the Data database: %1").arg(matched);
    lines << QStringLiteral("Kept as typed (not in the Data database): %1").arg(keptAsTyped.size());
    for (const QString& k : keptAsTyped)
        lines << QStringLiteral("  ") + k;
    lines << QStringLiteral("Skipped: %1").arg(skipped.size());
    for (const QString& s : skipped)
        lines << QStringLiteral("  ") + s;
    return lines.join(u'\n');
}

QByteArray BeerXml::Export(CDaoDatabase& recipes, const std::vector<long>& batches,
                           const UtilizationTable& table, QString& error) {
    Queries c(recipes.connection());
    std::vector<Row> chosen;
    if (batches.empty()) {
        chosen = c.rows(QStringLiteral("SELECT * FROM Recipes ORDER BY RecipeBatchNo"));
    } else {
        for (long b : batches) {
            std::vector<Row> one = c.rows(
                QStringLiteral("SELECT * FROM Recipes WHERE RecipeBatchNo = ?"), qlonglong(b));
            if (one.empty()) {
                error = QStringLiteral("no recipe with batch number %1").arg(b);
                return {};
            }
            chosen.push_back(std::move(one.front()));
        }
    }
    QByteArray out;
    Writer w(&out);
    w.xml().writeStartDocument();
    w.begin("RECIPES");
    CRecordSetRecipe record(&recipes);
    record.Open(CDaoRecordset::dbOpenTable, {}, CDaoRecordset::dbReadOnly);
    record.SetCurrentIndex(QStringLiteral("IndexRecipeBatchNo"));
    for (const Row& r : chosen) {
        record.Seek(QStringLiteral("="), {QString::number(r.whole("RecipeBatchNo"))});
        MemorySheets sheets = MemorySheets::load(recipes, r.whole("RecipeID"));
        RecipeCalculator calc(sheets, table);
        calc.setInputs(RecipeInputs::of(record));
        calc.RunCalculations(false);
        writeRecipe(w, c, r, calc);
    }
    w.end();
    w.xml().writeEndDocument();
    return out;
}

std::optional<ImportSummary> BeerXml::Import(CDaoDatabase& recipes, CDaoDatabase* data,
                                             const QByteArray& bytes, const UtilizationTable& table,
                                             QString& error) {
    XmlProblem problem;
    const std::optional<XmlElement> root = ReadXmlTree(bytes, problem, kMaxBytes);
    if (!root) {
        error = problem.describe();
        return std::nullopt;
    }
    std::vector<const XmlElement*> list;
    if (root->name == QLatin1String("RECIPES"))
        list = root->all("RECIPE");
    else if (root->name == QLatin1String("RECIPE"))
        list = {&*root};
    else {
        error = XmlProblem{QStringLiteral("the file's root element is <%1>, not <RECIPES> or "
                                          "<RECIPE>; is it a BeerXML recipe file?")
                               .arg(root->name),
                           root->line, root->column}
                    .describe();
        return std::nullopt;
    }
    if (list.empty()) {
        error = QStringLiteral("the file holds no recipe");
        return std::nullopt;
    }
    SqliteConnection& c = recipes.connection();
    ImportSummary summary;
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
    c.exec(begin);
    try {
        // Each table's name query is prepared once for the whole file.
        std::optional<Queries> dataQueries;
        if (data)
            dataQueries.emplace(data->connection());
        Importer importer(c, dataQueries ? &*dataQueries : nullptr, summary);
        std::vector<long> ids;
        for (const XmlElement* e : list)
            ids.push_back(importer.recipe(*e));
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
