#include "core/interchange/ReferenceData.h"

#include "core/calc/BeerColor.h"
#include "core/calc/Units.h"
#include "core/db/SqliteConnection.h"
#include "core/db/dao/CDaoDatabase.h"
#include "core/db/records/Columns.h"
#include "core/interchange/BeerJson.h"
#include "core/interchange/BeerJsonValues.h"
#include "core/interchange/BeerXmlCommon.h"
#include "core/interchange/BeerXmlElements.h"
#include "core/interchange/BeerXmlValues.h"
#include "core/interchange/XmlTree.h"
#include "core/reference/ReferenceTables.h"

#include <QIODevice>
#include <QRegularExpression>
#include <QSet>
#include <QXmlStreamWriter>

#include <algorithm>
#include <cmath>
#include <map>

namespace wsc {

using namespace beerjson;
namespace el = beerxml::el;
namespace d = col::data;

namespace {

// How a value of the file becomes the value of a Data column.
enum class RefConv {
    Text,
    Number,
    Percent,
    Gravity,
    Lovibond,    // a malt's colour, °L (SRM and Lovibond read as one scale)
    Srm,         // a style's colour in SRM, held as the malt colour units that give it
    Potential,   // the yield in percent (BeerXML) or the potential gravity (BeerJSON)
    Balling,     // the same potential in degrees Balling, as the dialogs show it beside it
    Category,    // a grain's category of the grain dialog
    StyleType,   // "Ale", "Lager", ...
    YeastForm,   // 0 liquid, 1 dry
    YeastType,   // 0 lager, 1 ale
    Attenuation, // a percent, or the middle of a range
    Fermentable, // 1 for a sugar, 0 for an adjunct of the misc list
    Form,        // an extract's form: 0 syrup, 1 dry
};

struct RefField {
    const char* column;
    const char* element;  // BeerXML
    const char* property; // BeerJSON
    RefConv conv;
};

struct RefKind {
    const char* table;
    const char* kind;
    const char* idColumn;
    const char* nameColumn;
    const char* xmlElement;
    const char* xmlList;
    const char* jsonList;
    std::span<const RefField> fields;
    // The words of the record's type that belong in this table; none: every record.
    std::vector<const char*> types;
};

// The Data database holds a style's family as its name and the style itself as its category
// ("British Bitter", "Best Bitter"); a style guide names the style and its category.
// Our own element for a grain's category, which BeerXML has no element for.
constexpr char kOwnCategory[] = "WORTSMITH_CATEGORY";

constexpr RefField kStyleFields[] = {
    {d::StylesCategory, el::Name, "name", RefConv::Text},
    {d::StylesName, el::Category, "category", RefConv::Text},
    {d::StylesType, el::Type, "type", RefConv::StyleType},
    {d::StylesGravityLo, el::OgMin, "original_gravity/minimum", RefConv::Gravity},
    {d::StylesGravityHi, el::OgMax, "original_gravity/maximum", RefConv::Gravity},
    {d::StylesAlcoLo, el::AbvMin, "alcohol_by_volume/minimum", RefConv::Percent},
    {d::StylesAlcoHi, el::AbvMax, "alcohol_by_volume/maximum", RefConv::Percent},
    {d::StylesIBULo, el::IbuMin, "international_bitterness_units/minimum", RefConv::Number},
    {d::StylesIBUHi, el::IbuMax, "international_bitterness_units/maximum", RefConv::Number},
    {d::StylesColorLo, el::ColorMin, "color/minimum", RefConv::Srm},
    {d::StylesColorHi, el::ColorMax, "color/maximum", RefConv::Srm},
    {d::StylesComments, el::Notes, "notes", RefConv::Text},
};
constexpr RefField kHopFields[] = {
    {d::HopsName, el::Name, "name", RefConv::Text},
    {d::HopsAlpha, el::Alpha, "alpha_acid", RefConv::Percent},
    {d::HopsOrigin, el::Origin, "origin", RefConv::Text},
    {d::HopsComments, el::Notes, "notes", RefConv::Text},
};
constexpr RefField kGrainFields[] = {
    {d::GrainsName, el::Name, "name", RefConv::Text},
    {d::GrainsColor, el::Color, "color", RefConv::Lovibond},
    {d::GrainsSPGrav, el::Yield, "yield", RefConv::Potential},
    {d::GrainsDegreesBalling, el::Yield, "yield", RefConv::Balling},
    {d::GrainsCategory, kOwnCategory, "grain_group", RefConv::Category},
    // BeerXML's one yield is the potential above; BeerJSON says both.
    {d::GrainsYield, nullptr, "yield/fine_grind", RefConv::Percent},
    {d::GrainsProtein, el::Protein, "protein", RefConv::Percent},
    {d::GrainsManuf, el::Supplier, "producer", RefConv::Text},
    {d::GrainsComments, el::Notes, "notes", RefConv::Text},
};
constexpr RefField kExtractFields[] = {
    {d::ExtractsName, el::Name, "name", RefConv::Text},
    {d::ExtractsColor, el::Color, "color", RefConv::Lovibond},
    {d::ExtractsSpecificGravity, el::Yield, "yield", RefConv::Potential},
    {d::ExtractsDegreesBalling, el::Yield, "yield", RefConv::Balling},
    {d::ExtractsForm, el::Type, "type", RefConv::Form},
    {d::ExtractsManuf, el::Supplier, "producer", RefConv::Text},
    {d::ExtractsComments, el::Notes, "notes", RefConv::Text},
};
constexpr RefField kSugarFields[] = {
    {d::AdjunctsName, el::Name, "name", RefConv::Text},
    {d::AdjunctsColor, el::Color, "color", RefConv::Lovibond},
    {d::AdjunctsSPGrav, el::Yield, "yield", RefConv::Potential},
    {d::AdjunctsDegreesBalling, el::Yield, "yield", RefConv::Balling},
    {d::AdjunctsYield, nullptr, "yield/fine_grind", RefConv::Percent},
    {d::AdjunctsFermentable, el::Type, "type", RefConv::Fermentable},
    {d::AdjunctsComments, el::Notes, "notes", RefConv::Text},
};
constexpr RefField kMiscFields[] = {
    {d::AdjunctsName, el::Name, "name", RefConv::Text},
    {d::AdjunctsFermentable, el::Type, "type", RefConv::Fermentable},
    {d::AdjunctsComments, el::Notes, "notes", RefConv::Text},
};
constexpr RefField kYeastFields[] = {
    {d::YeastStrain, el::Name, "name", RefConv::Text},
    {d::YeastManuf, el::Laboratory, "producer", RefConv::Text},
    {d::YeastForm, el::Form, "form", RefConv::YeastForm},
    {d::YeastType, el::Type, "type", RefConv::YeastType},
    {d::YeastAttenuation, el::Attenuation, "attenuation_range", RefConv::Attenuation},
    {d::YeastComments, el::Notes, "notes", RefConv::Text},
};

const std::vector<RefKind>& Kinds() {
    static const std::vector<RefKind> kinds = {
        {"Styles",
         "style",
         d::StylesID,
         d::StylesCategory,
         el::Style,
         "STYLES",
         "styles",
         kStyleFields,
         {}},
        {"Hops", "hop", d::HopsID, d::HopsName, el::Hop, el::Hops, "hop_varieties", kHopFields, {}},
        {"Grains",
         "grain",
         d::GrainsID,
         d::GrainsName,
         el::Fermentable,
         el::Fermentables,
         "fermentables",
         kGrainFields,
         {"grain", "adjunct", "other"}},
        {"Extracts",
         "extract",
         d::ExtractsID,
         d::ExtractsName,
         el::Fermentable,
         el::Fermentables,
         "fermentables",
         kExtractFields,
         {"extract", "dry extract"}},
        {"Adjuncts",
         "sugar",
         d::AdjunctsID,
         d::AdjunctsName,
         el::Fermentable,
         el::Fermentables,
         "fermentables",
         kSugarFields,
         {"sugar", "honey", "fruit", "juice"}},
        {"Adjuncts",
         "adjunct",
         d::AdjunctsID,
         d::AdjunctsName,
         el::Misc,
         el::Miscs,
         "miscellaneous_ingredients",
         kMiscFields,
         {}},
        {"Yeast",
         "yeast",
         d::YeastID,
         d::YeastStrain,
         el::Yeast,
         el::Yeasts,
         "cultures",
         kYeastFields,
         {}},
    };
    return kinds;
}

const RefKind* KindFor(const QString& element, const QString& type, bool json) {
    for (const RefKind& k : Kinds()) {
        const bool same =
            json ? element == QLatin1String(k.jsonList) : element == QLatin1String(k.xmlElement);
        if (!same)
            continue;
        if (k.types.empty())
            return &k;
        for (const char* t : k.types) {
            if (type.trimmed().compare(QLatin1String(t), Qt::CaseInsensitive) == 0)
                return &k;
        }
    }
    return nullptr;
}

// The first kind of a table: the one that holds its identifier and name.
const RefKind* KindOfTable(const char* table) {
    for (const RefKind& k : Kinds()) {
        if (qstrcmp(k.table, table) == 0)
            return &k;
    }
    return nullptr;
}

// A style's colour range in SRM held as the malt colour units that give it (Morey, inverted).
double McuOfSrm(double srm) {
    return srm > 0 ? std::pow(srm / 1.4922, 1 / 0.6859) : 0;
}

// What a record of the file says, by BeerXML element or BeerJSON property.
class Source {
public:
    virtual ~Source() = default;
    // The text of an element, or the JSON of a property as text; nothing when absent.
    virtual std::optional<QString> text(const RefField& f) const = 0;
    // A measured value in the conversion's unit; nothing when absent.
    virtual std::optional<double> number(const RefField& f, Conv conv) const = 0;
    virtual bool json() const = 0;
};

class XmlSource : public Source {
public:
    explicit XmlSource(const XmlElement& e) : m_e(e) {}
    std::optional<QString> text(const RefField& f) const override {
        const XmlElement* c = f.element ? m_e.child(f.element) : nullptr;
        return c ? std::optional<QString>(c->text) : std::nullopt;
    }
    std::optional<double> number(const RefField& f, Conv) const override {
        const auto t = text(f);
        if (!t || t->trimmed().isEmpty())
            return std::nullopt;
        bool ok = false;
        const double v = t->trimmed().section(u' ', 0, 0).toDouble(&ok);
        if (!ok || !std::isfinite(v))
            throw Fault{QStringLiteral("%1 of \"%2\" is no number: \"%3\"")
                            .arg(QString::fromLatin1(f.element), m_e.value(el::Name), *t)};
        return v;
    }
    bool json() const override { return false; }

private:
    const XmlElement& m_e;
};

class JsonSource : public Source {
public:
    explicit JsonSource(const Json& j) : m_j(j) {}
    std::optional<QString> text(const RefField& f) const override {
        const Json* v = Find(m_j, f.property);
        if (!v || v->is_null())
            return std::nullopt;
        return v->is_string() ? FromUtf8(v->get<std::string>()) : FromUtf8(v->dump());
    }
    std::optional<double> number(const RefField& f, Conv conv) const override {
        const Json* v = Find(m_j, f.property);
        if (!v || v->is_null())
            return std::nullopt;
        return ValueOf(*v, conv,
                       QStringLiteral("%1 of \"%2\"")
                           .arg(QString::fromLatin1(f.property),
                                m_j.contains("name") && m_j["name"].is_string()
                                    ? FromUtf8(m_j["name"].get<std::string>())
                                    : QString()));
    }
    bool json() const override { return true; }

private:
    const Json& m_j;
};

// The potential gravity of a fermentable: BeerJSON's potential or fine-grind yield, BeerXML's
// yield.
std::optional<double> PotentialIn(const Source& s, const RefField& f) {
    if (!s.json()) {
        const auto y = s.number(f, Conv::Percent);
        return y ? std::optional<double>(beerxml::PotentialOf(*y)) : std::nullopt;
    }
    RefField potential = f;
    potential.property = "yield/potential";
    if (const auto g = s.number(potential, Conv::Gravity))
        return beerxml::Rounded(*g);
    RefField fine = f;
    fine.property = "yield/fine_grind";
    const auto y = s.number(fine, Conv::Percent);
    return y ? std::optional<double>(beerxml::PotentialOf(*y)) : std::nullopt;
}

// The grain dialog's categories and the BeerJSON groups that say the same.
constexpr std::pair<const char*, const char*> kGrainGroups[] = {
    {"Light Pale Malts", "base"},
    {"Crystal, Caramel, Carastan Malts", "caramel"},
    {"Dark-Colored Specialty Malts", "roasted"},
    {"Light-Colored Specialty Malts", "specialty"},
    {"Unusual Specialties", "adjunct"},
    {"Unusual Specialties", "flaked"},
    {"Unusual Specialties", "smoked"},
};

// A grain's category as the file says it (BeerJSON's group, our own BeerXML element), or
// nothing.
std::optional<QString> CategorySaid(const Source& s, const RefField& f) {
    const auto said = s.text(f);
    if (!said || said->trimmed().isEmpty())
        return std::nullopt;
    if (!s.json())
        return said->trimmed();
    for (const auto& [category, group] : kGrainGroups) {
        if (said->trimmed().compare(QLatin1String(group), Qt::CaseInsensitive) == 0)
            return QString::fromLatin1(category);
    }
    return std::nullopt;
}

// A grain's category guessed from its name and colour, for a new grain of a file that does
// not say it.
QString CategoryGuessed(const QString& name, double lovibond) {
    const QString n = name.toLower();
    if (n.contains(QLatin1String("crystal")) || n.contains(QLatin1String("caramel")) ||
        n.contains(QLatin1String("cara")))
        return QStringLiteral("Crystal, Caramel, Carastan Malts");
    if (lovibond > 100)
        return QStringLiteral("Dark-Colored Specialty Malts");
    if (lovibond <= 5)
        return QStringLiteral("Light Pale Malts");
    return QStringLiteral("Light-Colored Specialty Malts");
}

// The item a record of the file makes, the conversions done.
ReferenceItem ItemOf(const RefKind& k, const Source& s, const QStringList& unused) {
    ReferenceItem item;
    item.table = k.table;
    item.kind = QString::fromLatin1(k.kind);
    item.notKept = unused;
    auto put = [&](const char* column, const QVariant& v) {
        for (auto& [c, value] : item.values) {
            if (qstrcmp(c, column) == 0)
                return;
        }
        item.values.emplace_back(column, v);
    };
    for (const RefField& f : k.fields) {
        switch (f.conv) {
        case RefConv::Text:
            if (const auto t = s.text(f))
                put(f.column, t->trimmed());
            break;
        case RefConv::Number:
        case RefConv::Percent:
            if (const auto v =
                    s.number(f, f.conv == RefConv::Percent ? Conv::Percent : Conv::Number))
                put(f.column, *v);
            break;
        case RefConv::Gravity:
            if (const auto v = s.number(f, Conv::Gravity))
                put(f.column, beerxml::Rounded(*v));
            break;
        case RefConv::Lovibond:
            if (const auto v = s.number(f, Conv::Lovibond))
                put(f.column, beerxml::Rounded(*v));
            break;
        case RefConv::Srm:
            if (const auto v = s.number(f, Conv::Color))
                put(f.column, std::round(McuOfSrm(*v) * 10) / 10);
            break;
        case RefConv::Potential:
            if (const auto sg = PotentialIn(s, f))
                put(f.column, *sg);
            break;
        case RefConv::Balling:
            if (const auto sg = PotentialIn(s, f))
                // As the Data database's own figures have it: 250 degrees a unit of gravity.
                put(f.column, std::round((*sg - 1) * 2500) / 10);
            break;
        case RefConv::Category: {
            if (const auto said = CategorySaid(s, f)) {
                put(f.column, *said);
                break;
            }
            RefField name = f;
            name.element = el::Name;
            name.property = "name";
            RefField color = f;
            color.element = el::Color;
            color.property = "color";
            const auto lovibond = s.number(color, Conv::Lovibond);
            item.defaults.emplace_back(
                f.column, CategoryGuessed(s.text(name).value_or(QString()), lovibond.value_or(0)));
            break;
        }
        case RefConv::StyleType:
            if (const auto t = s.text(f)) {
                const QString w = t->trimmed().toLower();
                // BeerJSON says "beer" of ales and lagers alike: the Data database's own word
                // stays (a new style is an ale).
                if (w == QLatin1String("beer"))
                    break;
                put(f.column, w == QLatin1String("lager")   ? QStringLiteral("Lager")
                              : w == QLatin1String("mead")  ? QStringLiteral("Mead")
                              : w == QLatin1String("cider") ? QStringLiteral("Cider")
                              : w == QLatin1String("wheat") ? QStringLiteral("Wheat")
                              : w == QLatin1String("mixed") || w == QLatin1String("other")
                                  ? QStringLiteral("Mixed")
                                  : QStringLiteral("Ale"));
            }
            break;
        case RefConv::YeastForm:
            if (const auto t = s.text(f))
                put(f.column,
                    t->trimmed().compare(QLatin1String("dry"), Qt::CaseInsensitive) == 0 ? 1 : 0);
            break;
        case RefConv::YeastType:
            if (const auto t = s.text(f))
                put(f.column,
                    t->trimmed().compare(QLatin1String("lager"), Qt::CaseInsensitive) == 0 ? 0 : 1);
            break;
        case RefConv::Attenuation:
            if (s.json()) {
                RefField lo = f;
                lo.property = "attenuation_range/minimum";
                RefField hi = f;
                hi.property = "attenuation_range/maximum";
                const auto a = s.number(lo, Conv::Percent);
                const auto b = s.number(hi, Conv::Percent);
                if (a && b)
                    put(f.column, (*a + *b) / 2);
                else if (a || b)
                    put(f.column, a ? *a : *b);
            } else if (const auto v = s.number(f, Conv::Percent)) {
                put(f.column, *v);
            }
            break;
        case RefConv::Fermentable:
            put(f.column, QString::fromLatin1(k.kind) == QLatin1String("sugar") ? 1 : 0);
            break;
        case RefConv::Form:
            if (const auto t = s.text(f))
                put(f.column,
                    t->trimmed().contains(QLatin1String("dry"), Qt::CaseInsensitive) ? 1 : 0);
            break;
        }
    }
    for (const auto& [c, v] : item.values) {
        if (qstrcmp(c, k.nameColumn) == 0)
            item.name = v.toString();
    }
    if (QLatin1String(k.table) == QLatin1String("Styles"))
        item.defaults.emplace_back(d::StylesSubcategory, QStringLiteral(" "));
    if (QLatin1String(k.table) == QLatin1String("Styles") &&
        std::none_of(item.values.begin(), item.values.end(),
                     [](const auto& v) { return qstrcmp(v.first, d::StylesType) == 0; }))
        item.defaults.emplace_back(d::StylesType, QStringLiteral("Ale"));
    if (item.name.isEmpty()) {
        item.state = ReferenceItem::State::Refused;
        item.refusal = QStringLiteral("it has no name");
    }
    return item;
}

// The names of a record's elements or properties the table has no column for.
QStringList UnusedXml(const RefKind& k, const XmlElement& e) {
    QStringList out;
    for (const XmlElement& c : e.children) {
        bool used = c.name == QLatin1String(el::Version) || c.name == QLatin1String(el::Type) ||
                    c.name.startsWith(QLatin1String("DISPLAY_"));
        for (const RefField& f : k.fields)
            used = used || (f.element && c.name == QLatin1String(f.element));
        if (!used && !c.text.trimmed().isEmpty())
            out << c.name.toLower();
    }
    return out;
}

QStringList UnusedJson(const RefKind& k, const Json& j) {
    QStringList out;
    if (!j.is_object())
        return out;
    for (auto it = j.begin(); it != j.end(); ++it) {
        bool used = it.key() == "type";
        for (const RefField& f : k.fields) {
            const std::string p = f.property;
            used = used || p == it.key() || p.rfind(it.key() + "/", 0) == 0;
        }
        if (!used)
            out << FromUtf8(it.key());
    }
    return out;
}

void ReadXml(const XmlElement& e, ReferenceFile& file, std::map<QString, int>& others) {
    for (const XmlElement& c : e.children) {
        if (c.name == QLatin1String(el::Recipe)) {
            ++others[QStringLiteral("recipes (File > Import Recipes... takes them)")];
            continue;
        }
        const RefKind* k = KindFor(c.name, c.value(el::Type), false);
        if (k && (c.name != QLatin1String(el::Style) || !c.children.empty())) {
            file.items.push_back(ItemOf(*k, XmlSource(c), UnusedXml(*k, c)));
        } else if (c.name == QLatin1String(el::Equipment) || c.name == QLatin1String(el::Mash) ||
                   c.name == QLatin1String(el::Water)) {
            ++others[c.name.toLower() + QStringLiteral(" records")];
        } else if (!c.children.empty()) {
            ReadXml(c, file, others);
        }
    }
}

void ReadJson(const Json& root, ReferenceFile& file, std::map<QString, int>& others) {
    const Json& bj = root["beerjson"];
    for (auto it = bj.begin(); it != bj.end(); ++it) {
        if (!it.value().is_array())
            continue;
        const QString list = FromUtf8(it.key());
        for (const Json& one : it.value()) {
            const QString type = one.is_object() && one.contains("type") && one["type"].is_string()
                                     ? FromUtf8(one["type"].get<std::string>())
                                     : QString();
            if (const RefKind* k = KindFor(list, type, true)) {
                if (!one.is_object())
                    throw Fault{QStringLiteral("an entry of %1 is no record").arg(list)};
                file.items.push_back(ItemOf(*k, JsonSource(one), UnusedJson(*k, one)));
            } else if (list == QLatin1String("recipes")) {
                ++others[QStringLiteral("recipes (File > Import Recipes... takes them)")];
            } else {
                ++others[list];
            }
        }
    }
}

// A column as its maintenance dialog labels it ("Alpha Acid Percent").
QString LabelOf(const char* table, const char* column) {
    for (int k = 0; k < kReferenceKinds; ++k) {
        const ReferenceTable& t = ReferenceTableOf(static_cast<ReferenceKind>(k));
        if (qstrcmp(t.table, table) != 0)
            continue;
        const ReferenceField* f = t.field(QString::fromLatin1(column));
        if (!f)
            break;
        // The dialogs label a range once, over its two ends.
        const QString label = QString::fromLatin1(f->label).remove(u'&').remove(u':').trimmed();
        const QLatin1String name(column);
        if (name.endsWith(QLatin1String("Lo")))
            return label + QStringLiteral(" (low)");
        if (name.endsWith(QLatin1String("Hi")))
            return label + QStringLiteral(" (high)");
        return label;
    }
    return QString::fromLatin1(column);
}

QString Shown(const QVariant& v) {
    if (v.typeId() == QMetaType::Double)
        return beerxml::Number(beerxml::Rounded(v.toDouble()));
    return v.toString();
}

bool SameValue(const QVariant& a, const QVariant& b) {
    if (a.typeId() == QMetaType::Double || b.typeId() == QMetaType::Double) {
        return std::abs(a.toDouble() - b.toDouble()) < 1e-6;
    }
    return a.toString() == b.toString();
}

} // namespace

std::optional<ReferenceFile> ReferenceData::read(QIODevice& in, QString& error) {
    if (in.size() > kMaxBytes) {
        error = QStringLiteral("the file has %1 bytes; a reference file of at most %2 is read")
                    .arg(in.size())
                    .arg(kMaxBytes);
        return std::nullopt;
    }
    const QByteArray bytes = in.read(kMaxBytes + 1);
    ReferenceFile file;
    std::map<QString, int> others;
    try {
        if (BeerJson::looksLikeJson(bytes.left(1 << 16))) {
            int depth = 0;
            const Json root = Json::parse(
                bytes.begin(), bytes.end(),
                [&](int d, Json::parse_event_t, Json&) {
                    depth = std::max(depth, d);
                    if (d > BeerJson::kMaxDepth)
                        throw Fault{QStringLiteral("the JSON is nested more than %1 levels deep")
                                        .arg(BeerJson::kMaxDepth)};
                    return true;
                },
                true, true);
            if (!root.is_object() || !root.contains("beerjson") || !root["beerjson"].is_object())
                throw Fault{QString::fromLatin1(kNotBeerJson)};
            ReadJson(root, file, others);
        } else {
            XmlProblem problem;
            const auto root = ReadXmlTree(bytes, problem, kMaxBytes);
            if (!root)
                throw Fault{problem.describe()};
            XmlElement top;
            top.children.push_back(*root);
            ReadXml(top, file, others);
        }
    } catch (const Fault& f) {
        error = f.text;
        return std::nullopt;
    } catch (const Json::parse_error& e) {
        error = NotJson(e);
        return std::nullopt;
    }
    for (const auto& [what, count] : others)
        file.notImported << QStringLiteral("%1 × %2").arg(count).arg(what);
    if (file.items.empty()) {
        error = QStringLiteral("the file holds no styles, hops, fermentables, yeasts or "
                               "miscellaneous ingredients");
        if (!file.notImported.isEmpty())
            error +=
                QStringLiteral(" (it holds %1)").arg(file.notImported.join(QStringLiteral(", ")));
        return std::nullopt;
    }
    return file;
}

void ReferenceData::preview(CDaoDatabase& data, ReferenceFile& file) {
    // Each table's query is prepared once for the whole file.
    beerxml::Queries queries(data.connection());
    for (ReferenceItem& item : file.items) {
        if (item.state == ReferenceItem::State::Refused)
            continue;
        const RefKind* kind = KindOfTable(item.table);
        // A style is named by its subcategory where it has one, else by its category.
        const QString match =
            qstrcmp(item.table, "Styles") == 0
                ? QStringLiteral("(trim(StylesSubcategory) <> '' AND StylesSubcategory = ?1 "
                                 "COLLATE NOCASE) OR (trim(StylesSubcategory) = '' AND "
                                 "StylesCategory = ?1 COLLATE NOCASE)")
                : QStringLiteral("%1 = ?1 COLLATE NOCASE")
                      .arg(
                          SqliteConnection::quoteIdentifier(QString::fromLatin1(kind->nameColumn)));
        const std::vector<beerxml::Row> found = queries.rows(
            QStringLiteral("SELECT * FROM %1 WHERE %2 ORDER BY %3 LIMIT 1")
                .arg(SqliteConnection::quoteIdentifier(QString::fromLatin1(item.table)), match,
                     SqliteConnection::quoteIdentifier(QString::fromLatin1(kind->idColumn))),
            item.name);
        item.differences.clear();
        if (found.empty()) {
            item.state = ReferenceItem::State::New;
            continue;
        }
        const beerxml::Row& existing = found.front();
        item.existingId = existing.raw(kind->idColumn).toLongLong();
        for (const auto& [column, value] : item.values) {
            if (qstrcmp(column, kind->nameColumn) == 0)
                continue;
            const QVariant old = existing.raw(column);
            if (!SameValue(old, value))
                item.differences << QStringLiteral("%1: %2 → %3")
                                        .arg(LabelOf(item.table, column), Shown(old), Shown(value));
        }
        item.state =
            item.differences.isEmpty() ? ReferenceItem::State::Same : ReferenceItem::State::Differs;
    }
}

std::optional<ReferenceResult> ReferenceData::apply(CDaoDatabase& data, const ReferenceFile& file,
                                                    const std::vector<ReferenceChoice>& choices,
                                                    QString& error) {
    SqliteConnection& c = data.connection();
    ReferenceResult result;
    const bool own = !c.inTransaction();
    try {
        c.exec(own ? QStringLiteral("BEGIN IMMEDIATE") : QStringLiteral("SAVEPOINT reference"));
        for (std::size_t i = 0; i < file.items.size(); ++i) {
            const ReferenceItem& item = file.items[i];
            const ReferenceChoice choice = i < choices.size() ? choices[i] : ReferenceChoice::Skip;
            const bool add =
                choice == ReferenceChoice::Add && item.state != ReferenceItem::State::Refused;
            const bool replace = choice == ReferenceChoice::Replace &&
                                 (item.state == ReferenceItem::State::Differs ||
                                  item.state == ReferenceItem::State::Same) &&
                                 item.existingId != 0;
            if (!add && !replace) {
                ++result.skipped;
                continue;
            }
            const QString table =
                SqliteConnection::quoteIdentifier(QString::fromLatin1(item.table));
            // A new record gets the defaults of what the file does not say; a replaced one
            // keeps its own.
            std::vector<std::pair<const char*, QVariant>> values = item.values;
            if (add)
                values.insert(values.end(), item.defaults.begin(), item.defaults.end());
            // A replaced record keeps its name as the Data database spells it.
            const RefKind* kind = KindOfTable(item.table);
            if (!add)
                std::erase_if(
                    values, [&](const auto& v) { return qstrcmp(v.first, kind->nameColumn) == 0; });
            QStringList columns;
            for (const auto& [column, value] : values)
                columns << SqliteConnection::quoteIdentifier(QString::fromLatin1(column));
            QString sql;
            if (add) {
                sql = QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                          .arg(table, columns.join(u','),
                               QStringList(columns.size(), QStringLiteral("?")).join(u','));
            } else {
                sql =
                    QStringLiteral("UPDATE %1 SET %2 = ? WHERE %3 = %4")
                        .arg(table, columns.join(QStringLiteral(" = ?, ")),
                             SqliteConnection::quoteIdentifier(QString::fromLatin1(kind->idColumn)),
                             QString::number(item.existingId));
            }
            SqliteStatement st = c.prepare(sql);
            int n = 0;
            for (const auto& [column, value] : values)
                st.bind(++n, value);
            st.step();
            ++(add ? result.added : result.replaced);
        }
        c.exec(own ? QStringLiteral("COMMIT") : QStringLiteral("RELEASE reference"));
    } catch (const std::exception& e) {
        if (own)
            c.exec(QStringLiteral("ROLLBACK"));
        else
            c.exec(QStringLiteral("ROLLBACK TO reference; RELEASE reference"));
        error = QString::fromUtf8(e.what());
        return std::nullopt;
    }
    return result;
}

namespace {

// The BeerXML word or BeerJSON word of a stored value.
QString WordOf(const RefKind& k, const RefField& f, const QVariant& v, bool json) {
    QString w;
    switch (f.conv) {
    case RefConv::StyleType:
        w = v.toString().trimmed().isEmpty() ? QStringLiteral("Ale") : v.toString().trimmed();
        if (json) {
            const QString l = w.toLower();
            return l == QLatin1String("mead") || l == QLatin1String("cider")
                       ? l
                       : QStringLiteral("beer");
        }
        return w;
    case RefConv::YeastForm:
        w = v.toInt() == 1 ? QStringLiteral("Dry") : QStringLiteral("Liquid");
        break;
    case RefConv::YeastType:
        w = v.toInt() == 0 ? QStringLiteral("Lager") : QStringLiteral("Ale");
        break;
    case RefConv::Form:
        w = v.toInt() == 1 ? QStringLiteral("Dry Extract") : QStringLiteral("Extract");
        break;
    case RefConv::Fermentable:
        w = QLatin1String(k.kind) == QLatin1String("sugar") ? QStringLiteral("Sugar")
                                                            : QStringLiteral("Other");
        break;
    default:
        return v.toString();
    }
    return json ? w.toLower() : w;
}

// A Data row as a record of the format; its kind's fields each written once.
void WriteRow(const RefKind& k, const beerxml::Row& row, bool json, Json& j, QXmlStreamWriter& x) {
    auto get = [&](const char* column) { return row.raw(column); };
    QSet<QString> done;
    auto xml = [&](const char* element, const QString& text) {
        if (done.contains(QLatin1String(element)))
            return;
        done.insert(QLatin1String(element));
        if (const auto valid = beerxml::ValidValue(k.xmlElement, element, text))
            x.writeTextElement(QLatin1String(element), *valid);
    };
    if (!json) {
        x.writeStartElement(QLatin1String(k.xmlElement));
        xml(el::Version, QStringLiteral("1"));
    }
    for (const RefField& f : k.fields) {
        const QVariant v = get(f.column);
        if (f.conv == RefConv::Balling || (!json && !f.element))
            continue;
        if (f.conv == RefConv::Category) {
            for (const auto& [category, group] : kGrainGroups) {
                if (json && v.toString() == QLatin1String(category)) {
                    j[f.property] = group;
                    break;
                }
            }
            if (!json)
                x.writeTextElement(QLatin1String(f.element), v.toString());
            continue;
        }
        // A style of a subcategory is named by it ("Belgian IPA" of "Specialty IPA").
        if (qstrcmp(f.column, d::StylesCategory) == 0 &&
            !get(d::StylesSubcategory).toString().trimmed().isEmpty()) {
            const QString sub = get(d::StylesSubcategory).toString().trimmed();
            if (json)
                j[f.property] = Utf8(sub);
            else
                xml(f.element, sub);
            continue;
        }
        if (v.isNull() && f.conv != RefConv::Fermentable)
            continue;
        const double n = v.toDouble();
        switch (f.conv) {
        case RefConv::Text:
            if (v.toString().trimmed().isEmpty())
                break;
            if (json)
                j[f.property] = Utf8(v.toString());
            else
                xml(f.element, v.toString());
            break;
        case RefConv::Number:
        case RefConv::Percent:
        case RefConv::Gravity:
        case RefConv::Lovibond:
        case RefConv::Srm: {
            const double value = f.conv == RefConv::Srm ? beerxml::Rounded(MoreySrm(n)) : n;
            if (!json) {
                xml(f.element, beerxml::Number(value));
            } else if (f.conv == RefConv::Number) {
                At(j, f.property) = Measured("IBUs", value);
            } else {
                const char* unit = f.conv == RefConv::Percent    ? "%"
                                   : f.conv == RefConv::Gravity  ? "sg"
                                   : f.conv == RefConv::Lovibond ? "Lovi"
                                                                 : "SRM";
                At(j, f.property) = Measured(unit, value);
            }
            break;
        }
        case RefConv::Potential:
            if (json)
                At(j, "yield/potential") = Measured("sg", n);
            else
                xml(f.element, beerxml::Number(beerxml::Rounded(beerxml::YieldOf(n))));
            break;
        case RefConv::Attenuation:
            if (json) {
                At(j, "attenuation_range/minimum") = Measured("%", n);
                At(j, "attenuation_range/maximum") = Measured("%", n);
            } else {
                xml(f.element, beerxml::Number(n));
            }
            break;
        default:
            if (json)
                j[f.property] = Utf8(WordOf(k, f, v, true));
            else
                xml(f.element, WordOf(k, f, v, false));
            break;
        }
    }
    if (json) {
        if (QLatin1String(k.table) == QLatin1String("Styles")) {
            for (const char* required : {"category", "style_guide"}) {
                if (!j.contains(required))
                    j[required] = "";
            }
        }
        if (QLatin1String(k.xmlElement) == QLatin1String(el::Fermentable)) {
            if (!j.contains("type"))
                j["type"] = "grain";
            if (!j.contains("color"))
                j["color"] = Measured("Lovi", 0);
            if (!j.contains("yield"))
                j["yield"] = Json::object();
        }
        if (QLatin1String(k.table) == QLatin1String("Hops") && !j.contains("alpha_acid"))
            j["alpha_acid"] = Measured("%", 0);
        return;
    }
    // What the format requires of an ingredient in a list: no amount, used in the boil.
    const QLatin1String element(k.xmlElement);
    if (element != QLatin1String(el::Style)) {
        xml(el::Amount, QStringLiteral("0"));
        if (element == QLatin1String(el::Hop) || element == QLatin1String(el::Misc)) {
            xml(el::Use, QStringLiteral("Boil"));
            xml(el::Time, QStringLiteral("0"));
        }
        if (element == QLatin1String(el::Hop))
            xml(el::Alpha, QStringLiteral("0"));
        if (element == QLatin1String(el::Fermentable)) {
            xml(el::Type, QStringLiteral("Grain"));
            xml(el::Yield, QStringLiteral("0"));
            xml(el::Color, QStringLiteral("0"));
        }
    } else {
        for (const char* required : {el::CategoryNumber, el::StyleLetter, el::StyleGuide})
            x.writeTextElement(QLatin1String(required), QString());
        xml(el::FgMin,
            beerxml::Number(beerxml::Rounded(1 + (get(d::StylesGravityLo).toDouble() - 1) * 0.15)));
        xml(el::FgMax,
            beerxml::Number(beerxml::Rounded(1 + (get(d::StylesGravityHi).toDouble() - 1) * 0.35)));
    }
    x.writeEndElement();
}

} // namespace

bool ReferenceData::write(CDaoDatabase& data, const QStringList& tables, bool json, QIODevice& out,
                          QString& error) {
    beerxml::Queries queries(data.connection());
    // The lists of the file, each with the kinds that go into it.
    struct List {
        const char* xml;
        const char* json;
        std::vector<const RefKind*> kinds;
    };
    std::vector<List> lists;
    for (const RefKind& k : Kinds()) {
        if (!tables.contains(QLatin1String(k.table)))
            continue;
        auto it = std::find_if(lists.begin(), lists.end(),
                               [&](const List& l) { return qstrcmp(l.xml, k.xmlList) == 0; });
        if (it == lists.end())
            lists.push_back({k.xmlList, k.jsonList, {&k}});
        else
            it->kinds.push_back(&k);
    }
    if (lists.empty()) {
        error = QStringLiteral("no table to export was chosen");
        return false;
    }
    try {
        Json root = Json::object();
        root["beerjson"]["version"] = 1.0;
        QByteArray xmlBytes;
        QXmlStreamWriter x(&xmlBytes);
        x.setAutoFormatting(true);
        x.setAutoFormattingIndent(4);
        x.writeStartDocument();
        // Several lists stand side by side, as other programs write them.
        for (const List& list : lists) {
            Json& items = root["beerjson"][list.json];
            items = Json::array();
            if (!json)
                x.writeStartElement(QLatin1String(list.xml));
            for (const RefKind* k : list.kinds) {
                queries.each(
                    QStringLiteral("SELECT * FROM %1 ORDER BY %2")
                        .arg(SqliteConnection::quoteIdentifier(QString::fromLatin1(k->table)),
                             SqliteConnection::quoteIdentifier(QString::fromLatin1(k->idColumn))),
                    [&](beerxml::Row&& row) {
                        // The adjuncts that ferment are the sugars of the fermentables' list.
                        if (QLatin1String(k->table) == QLatin1String("Adjuncts") &&
                            (row.whole(d::AdjunctsFermentable) != 0) !=
                                (QLatin1String(k->kind) == QLatin1String("sugar")))
                            return true;
                        Json one = Json::object();
                        WriteRow(*k, row, json, one, x);
                        if (json)
                            items.push_back(std::move(one));
                        return true;
                    });
            }
            if (!json)
                x.writeEndElement();
        }
        x.writeEndDocument();
        const QByteArray bytes = json ? QByteArray::fromStdString(root.dump(2) + "\n") : xmlBytes;
        if (out.write(bytes) != bytes.size()) {
            error = out.errorString();
            return false;
        }
    } catch (const std::exception& e) {
        error = QString::fromUtf8(e.what());
        return false;
    }
    return true;
}

QStringList ReferenceData::exportableTables() {
    return {QStringLiteral("Styles"),   QStringLiteral("Hops"),     QStringLiteral("Grains"),
            QStringLiteral("Extracts"), QStringLiteral("Adjuncts"), QStringLiteral("Yeast")};
}

QString ReferenceData::describe(const ReferenceFile& file) {
    QStringList lines;
    for (const ReferenceItem& item : file.items) {
        QString line = QStringLiteral("%1 \"%2\": ").arg(item.kind, item.name);
        switch (item.state) {
        case ReferenceItem::State::New:
            line += QStringLiteral("new");
            break;
        case ReferenceItem::State::Same:
            line += QStringLiteral("the same as in the Data database");
            break;
        case ReferenceItem::State::Differs:
            line += QStringLiteral("differs (%1)").arg(item.differences.join(QStringLiteral("; ")));
            break;
        case ReferenceItem::State::Refused:
            line += QStringLiteral("cannot be kept: %1").arg(item.refusal);
            break;
        }
        if (!item.notKept.isEmpty() && item.state != ReferenceItem::State::Refused)
            line += QStringLiteral("; not kept: %1").arg(item.notKept.join(QStringLiteral(", ")));
        lines << line;
    }
    for (const QString& other : file.notImported)
        lines << QStringLiteral("not imported: %1").arg(other);
    return lines.join(u'\n');
}

} // namespace wsc
