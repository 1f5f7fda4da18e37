#include "core/interchange/BeerJson.h"

#include "core/calc/Units.h"
#include "core/interchange/BeerJsonFields.h"
#include "core/interchange/BeerJsonValues.h"
#include "core/interchange/BeerXmlCommon.h"
#include "core/interchange/BeerXmlElements.h"
#include "core/interchange/BeerXmlValues.h"
#include "core/interchange/XmlTree.h"

#include <QBuffer>
#include <QRegularExpression>
#include <QTemporaryFile>
#include <QXmlStreamWriter>

#include <nlohmann/json.hpp>

#include <algorithm>
#include <cmath>
#include <istream>
#include <streambuf>

namespace wsc {

using namespace beerjson;
namespace el = beerxml::el;

namespace {

// The leading number of a text ("4.7 %", "8.3 SRM"); nothing when it has none.
std::optional<double> LeadingNumber(const QString& text) {
    bool ok = false;
    const double v = text.trimmed().section(u' ', 0, 0).toDouble(&ok);
    return ok && std::isfinite(v) ? std::optional<double>(v) : std::nullopt;
}

QString WordTo(std::span<const Word> words, const QString& word, bool toJson) {
    for (const Word& w : words) {
        const char* from = toJson ? w.xml : w.json;
        if (word.trimmed().compare(QLatin1String(from), Qt::CaseInsensitive) == 0)
            return QString::fromLatin1(toJson ? w.json : w.xml);
    }
    return {};
}

// ---------------------------------------------------------------------------------------------
// Export: a BeerXML recipe of ours, as the writer wrote it, into a BeerJSON recipe.

class ToJson {
public:
    Json recipe(const XmlElement& r);

private:
    // The record's fields at their properties; our own elements into `extension`, with
    // `prefix` before their names.
    void fields(Json& j, const Record& rec, const XmlElement& e, Json& extension,
                const std::string& prefix = {});
};

void ToJson::fields(Json& j, const Record& rec, const XmlElement& e, Json& extension,
                    const std::string& prefix) {
    const bool weight = e.value(el::AmountIsWeight) != QLatin1String("FALSE");
    for (const Field& f : rec.fields) {
        const XmlElement* c = e.child(f.element);
        if (!c || f.conv == Conv::Potential || f.conv == Conv::XmlWord)
            continue;
        Json& at = At(j, f.property);
        const std::optional<double> n = LeadingNumber(c->text);
        switch (f.conv) {
        case Conv::Text:
            // An empty text says nothing; the schema wants most texts to say something.
            if (c->text.isEmpty())
                j.erase(f.property);
            else
                at = Utf8(c->text);
            break;
        case Conv::Letter:
            if (c->text.size() == 1 && c->text.at(0) >= u'A' && c->text.at(0) <= u'Z')
                at = Utf8(c->text);
            else
                j.erase(f.property);
            break;
        case Conv::Word:
        case Conv::Use: {
            const QString w = WordTo(f.conv == Conv::Use ? rec.useWords : rec.words, c->text, true);
            if (w.isEmpty())
                j.erase(f.property);
            else
                at = Utf8(w);
            break;
        }
        case Conv::Integer:
            if (n && std::floor(*n) == *n)
                at = static_cast<long long>(*n);
            else
                j.erase(f.property);
            break;
        case Conv::Number:
            at = n.value_or(0);
            break;
        case Conv::Volume:
            at = Measured("l", n.value_or(0));
            break;
        case Conv::Mass:
            at = Measured("kg", n.value_or(0));
            break;
        case Conv::Amount:
            at = Measured(weight ? "kg" : "l", n.value_or(0));
            break;
        case Conv::Temperature:
            at = Measured("C", n.value_or(0));
            break;
        // The schema's times are whole numbers (ours are exact in our own properties).
        case Conv::Minutes:
            at = Measured("min", std::llround(n.value_or(0)));
            break;
        case Conv::Days:
            at = Measured("day", std::llround(n.value_or(0)));
            break;
        case Conv::Percent:
            at = Measured("%", n.value_or(0));
            break;
        case Conv::Gravity:
            at = Measured("sg", n.value_or(1));
            break;
        case Conv::Color:
            at = Measured("SRM", n.value_or(0));
            break;
        case Conv::Lovibond:
            at = Measured("Lovi", n.value_or(0));
            break;
        case Conv::Potential:
        case Conv::XmlWord:
            break;
        }
    }
    static const QString own = QString::fromLatin1(beerxml::kOwnPrefix);
    for (const XmlElement& c : e.children) {
        if (c.name.startsWith(own))
            // Each name once in a record: added without the search an object's [] makes.
            static_cast<std::vector<std::pair<const std::string, Json>>&>(
                extension.get_ref<Json::object_t&>())
                .emplace_back(prefix + Utf8(c.name.mid(own.size())), Utf8(c.raw));
    }
}

Json ToJson::recipe(const XmlElement& r) {
    Json j = Json::object();
    Json extension = Json::object();
    fields(j, RecipeRecord(), r, extension);
    for (const char* required : {"name", "author"}) {
        if (!j.contains(required))
            j[required] = "";
    }
    if (!j.contains("type"))
        j["type"] = "all grain";
    if (!j.contains("batch_size"))
        j["batch_size"] = Measured("l", 0);
    if (!j.contains("efficiency"))
        j["efficiency"]["brewhouse"] = Measured("%", 0);
    if (j.contains("taste")) {
        if (!j["taste"].contains("notes"))
            j["taste"]["notes"] = "";
        if (!j["taste"].contains("rating"))
            j["taste"]["rating"] = 0;
    }
    if (j.contains("boil") && !j["boil"].contains("boil_time"))
        j["boil"]["boil_time"] = Measured("min", 0);
    if (j.contains("fermentation")) {
        j["fermentation"]["name"] = "Fermentation";
        Json& steps = j["fermentation"]["fermentation_steps"];
        const char* names[] = {"Primary", "Secondary"};
        for (std::size_t i = 0; i < steps.size() && i < 2; ++i)
            steps[i]["name"] = names[i];
        // The steps' names first, as the schema lists them.
        for (Json& step : steps) {
            Json ordered = Json::object();
            ordered["name"] = step["name"];
            for (auto it = step.begin(); it != step.end(); ++it) {
                if (it.key() != "name")
                    ordered[it.key()] = it.value();
            }
            step = std::move(ordered);
        }
    }

    Json style = Json::object();
    if (const XmlElement* s = r.child(el::Style)) {
        Json styleOwn = Json::object();
        fields(style, StyleRecord(), *s, styleOwn, "STYLE.");
        for (const char* required : {"name", "category", "style_guide"}) {
            if (!style.contains(required))
                style[required] = "";
        }
        if (!style.contains("type"))
            style["type"] = "beer";
        extension.update(styleOwn);
    }

    Json ingredients = Json::object();
    ingredients["fermentable_additions"] = Json::array();
    for (const Record* rec : IngredientRecords()) {
        const XmlElement* list = r.child(rec->listElement);
        if (!list)
            continue;
        Json& out = ingredients[rec->property];
        out = Json::array();
        for (const XmlElement* e : list->all(rec->element)) {
            Json one = Json::object();
            Json own = Json::object();
            fields(one, *rec, *e, own);
            if (!one.contains("name"))
                one["name"] = "";
            if (!own.empty())
                one[kExtension] = std::move(own);
            out.push_back(std::move(one));
        }
    }
    j["ingredients"] = std::move(ingredients);

    if (const XmlElement* m = r.child(el::Mash)) {
        Json mash = Json::object();
        fields(mash, MashRecord(), *m, extension, "MASH.");
        if (!mash.contains("name"))
            mash["name"] = "";
        if (!mash.contains("grain_temperature"))
            mash["grain_temperature"] = Measured("C", 20);
        Json steps = Json::array();
        if (const XmlElement* list = m->child(el::MashSteps)) {
            int i = 0;
            for (const XmlElement* s : list->all(el::MashStep)) {
                Json step = Json::object();
                fields(step, MashStepRecord(), *s, extension,
                       "MASH_STEP" + std::to_string(++i) + ".");
                steps.push_back(std::move(step));
            }
        }
        // A mash without steps is no mash of the schema's (what else it says is ours).
        if (!steps.empty()) {
            mash["mash_steps"] = std::move(steps);
            j["mash"] = std::move(mash);
        }
    }
    // The recipe itself takes no properties beyond the standard's; its style does.
    style[kExtension] = std::move(extension);
    // The style where the schema lists it, after the efficiency.
    Json ordered = Json::object();
    for (auto it = j.begin(); it != j.end(); ++it) {
        ordered[it.key()] = it.value();
        if (it.key() == "efficiency")
            ordered["style"] = style;
    }
    return ordered;
}

// The document's text around its recipes.
constexpr char kHead[] = "{\n  \"beerjson\": {\n    \"version\": 1.0,\n    \"recipes\": [";
constexpr char kTail[] = "\n    ]\n  }\n}\n";

// A recipe's JSON indented to stand in the document's list.
QByteArray Indented(const Json& j) {
    const std::string text = j.dump(2);
    constexpr char kIndent[] = "\n      ";
    QByteArray out;
    out.reserve(qsizetype(text.size() + text.size() / 4));
    out.append(kIndent);
    std::size_t from = 0;
    for (std::size_t nl = text.find('\n'); nl != std::string::npos; nl = text.find('\n', from)) {
        out.append(text.data() + from, qsizetype(nl - from)).append(kIndent);
        from = nl + 1;
    }
    return out.append(text.data() + from, qsizetype(text.size() - from));
}

// ---------------------------------------------------------------------------------------------
// Import: a BeerJSON recipe into the BeerXML recipe the reader takes.

class ToXml {
public:
    explicit ToXml(QXmlStreamWriter& w) : w(w) {}
    void recipe(const Json& r, const QString& where);

private:
    void record(const Record& rec, const Json& j, const QString& where,
                const Json* extension = nullptr, const std::string& prefix = {});
    void value(const QString& element, const QString& text) { w.writeTextElement(element, text); }
    void number(const char* element, double v) {
        value(QLatin1String(element), beerxml::Number(v));
    }

    QXmlStreamWriter& w;
};

void ToXml::record(const Record& rec, const Json& j, const QString& where, const Json* extension,
                   const std::string& prefix) {
    if (!j.is_object())
        throw Fault{QStringLiteral("%1 is no record").arg(where)};
    const QString name = j.contains("name") && j["name"].is_string()
                             ? FromUtf8(j["name"].get<std::string>())
                             : QString();
    const QString here = name.isEmpty() ? where : QStringLiteral("%1 \"%2\"").arg(where, name);
    bool weight = true;
    std::vector<const char*> done;
    for (const Field& f : rec.fields) {
        const Json* v = Find(j, f.property);
        if (!v || v->is_null() || std::find(done.begin(), done.end(), f.element) != done.end())
            continue;
        done.push_back(f.element);
        const QString what = QStringLiteral("%1: %2").arg(here, QString::fromLatin1(f.property));
        switch (f.conv) {
        case Conv::Text:
        case Conv::Letter:
            if (v->is_string())
                value(QLatin1String(f.element), FromUtf8(v->get<std::string>()));
            else
                value(QLatin1String(f.element), FromUtf8(v->dump()));
            break;
        case Conv::Word:
        case Conv::Use: {
            if (!v->is_string())
                throw Fault{QStringLiteral("%1 is no word").arg(what)};
            const QString word = WordTo(f.conv == Conv::Use ? rec.useWords : rec.words,
                                        FromUtf8(v->get<std::string>()), false);
            if (!word.isEmpty())
                value(QLatin1String(f.element), word);
            break;
        }
        case Conv::Integer:
        case Conv::Number:
            if (!v->is_number())
                throw Fault{QStringLiteral("%1 is no number").arg(what)};
            number(f.element, v->get<double>());
            break;
        case Conv::Amount: {
            const std::string unit =
                v->is_object() && v->contains("unit") && (*v)["unit"].is_string()
                    ? (*v)["unit"].get<std::string>()
                    : std::string("kg");
            if (FactorOf(Volumes(), unit)) {
                weight = false;
                number(f.element, ValueOf(*v, Conv::Volume, what));
            } else if (FactorOf(Masses(), unit)) {
                number(f.element, ValueOf(*v, Conv::Mass, what));
            } else {
                // A count of packages: a sachet of dry yeast, a pouch of liquid yeast.
                const bool dry = j.contains("form") && j["form"] == "dry";
                weight = dry;
                const double count =
                    v->is_object() && v->contains("value") && (*v)["value"].is_number()
                        ? (*v)["value"].get<double>()
                        : 0;
                number(f.element, count * (dry ? beerxml::kKgPerDryPackage
                                               : beerxml::kLitresPerLiquidPackage));
            }
            value(QLatin1String(el::AmountIsWeight),
                  weight ? QStringLiteral("TRUE") : QStringLiteral("FALSE"));
            break;
        }
        case Conv::Potential:
            number(f.element, beerxml::YieldOf(ValueOf(*v, Conv::Gravity, what)));
            break;
        case Conv::XmlWord: {
            const auto word = v->is_string() ? beerxml::ValidValue(rec.element, f.element,
                                                                   FromUtf8(v->get<std::string>()))
                                             : std::nullopt;
            if (word)
                value(QLatin1String(f.element), *word);
            else
                done.pop_back();
            break;
        }
        default:
            number(f.element, ValueOf(*v, f.conv, what));
            break;
        }
    }
    // What only this program reads, back into our own elements.
    const Json* own = extension ? extension : (j.contains(kExtension) ? &j[kExtension] : nullptr);
    if (own && own->is_object()) {
        for (auto it = own->begin(); it != own->end(); ++it) {
            const std::string& key = it.key();
            // The recipe's own keys are those of no record within it.
            const bool belongs = prefix.empty()
                                     ? key.rfind("STYLE.", 0) != 0 && key.rfind("MASH.", 0) != 0 &&
                                           key.rfind("MASH_STEP", 0) != 0
                                     : key.rfind(prefix, 0) == 0;
            if (!belongs)
                continue;
            const std::string rest = key.substr(prefix.size());
            value(QLatin1String(beerxml::kOwnPrefix) + FromUtf8(rest),
                  it.value().is_string() ? FromUtf8(it.value().get<std::string>())
                                         : FromUtf8(it.value().dump()));
        }
    }
}

void ToXml::recipe(const Json& r, const QString& where) {
    if (!r.is_object())
        throw Fault{QStringLiteral("%1 is no recipe").arg(where)};
    const QString name = r.contains("name") && r["name"].is_string()
                             ? FromUtf8(r["name"].get<std::string>())
                             : QString();
    const QString here = name.isEmpty() ? where : QStringLiteral("recipe \"%1\"").arg(name);
    if (!r.contains("ingredients") || !r["ingredients"].is_object())
        throw Fault{QStringLiteral("%1 has no ingredients").arg(here)};
    const Json* extension = nullptr;
    if (r.contains("style") && r["style"].is_object() && r["style"].contains(kExtension))
        extension = &r["style"][kExtension];
    w.writeStartElement(QLatin1String(el::Recipe));
    value(QLatin1String(el::Version), QStringLiteral("1"));
    // The schema requires a name, and some files go without: the recipe is named by its place.
    if (name.trimmed().isEmpty())
        value(QLatin1String(el::Name),
              QStringLiteral("Recipe %1 of the file").arg(where.section(u' ', 1)));
    record(RecipeRecord(), r, here, extension, "");
    if (r.contains("style")) {
        w.writeStartElement(QLatin1String(el::Style));
        record(StyleRecord(), r["style"], here + QStringLiteral(": style"), extension, "STYLE.");
        w.writeEndElement();
    }
    const Json& ingredients = r["ingredients"];
    for (const Record* rec : IngredientRecords()) {
        w.writeStartElement(QLatin1String(rec->listElement));
        if (ingredients.contains(rec->property)) {
            const Json& list = ingredients[rec->property];
            if (!list.is_array())
                throw Fault{QStringLiteral("%1: %2 is no list")
                                .arg(here, QString::fromLatin1(rec->property))};
            for (const Json& one : list) {
                w.writeStartElement(QLatin1String(rec->element));
                record(*rec, one,
                       QStringLiteral("%1: %2").arg(here, QString::fromLatin1(rec->property)));
                w.writeEndElement();
            }
        }
        w.writeEndElement();
    }
    // A mash of ours without steps went out in our own properties only.
    bool ownMash = false;
    if (extension && extension->is_object()) {
        for (auto it = extension->begin(); it != extension->end(); ++it)
            ownMash = ownMash || it.key().rfind("MASH.", 0) == 0;
    }
    const Json noMash = Json::object();
    const Json* mashJson =
        r.contains("mash") && r["mash"].is_object() ? &r["mash"] : (ownMash ? &noMash : nullptr);
    if (mashJson) {
        const Json& mash = *mashJson;
        w.writeStartElement(QLatin1String(el::Mash));
        record(MashRecord(), mash, here + QStringLiteral(": mash"), extension, "MASH.");
        w.writeStartElement(QLatin1String(el::MashSteps));
        if (mash.contains("mash_steps") && mash["mash_steps"].is_array()) {
            int i = 0;
            for (const Json& step : mash["mash_steps"]) {
                w.writeStartElement(QLatin1String(el::MashStep));
                record(MashStepRecord(), step, here + QStringLiteral(": mash step"), extension,
                       "MASH_STEP" + std::to_string(++i) + ".");
                w.writeEndElement();
            }
        }
        w.writeEndElement();
        w.writeEndElement();
    }
    w.writeEndElement();
}

// The JSON of a file, without the `//` comment lines some programs write before it.
bool SkipComments(QIODevice& in, qint64& skipped) {
    skipped = 0;
    while (true) {
        const QByteArray line = in.peek(4096);
        qsizetype i = 0;
        while (i < line.size() &&
               (line[i] == ' ' || line[i] == '\t' || line[i] == '\r' || line[i] == '\n'))
            ++i;
        if (line.mid(i, 3) == "\xEF\xBB\xBF") {
            i += 3;
        } else if (line.mid(i, 2) != "//") {
            in.skip(i);
            skipped += i;
            return true;
        } else {
            const qsizetype end = line.indexOf('\n', i);
            if (end < 0)
                return false;
            i = end + 1;
        }
        in.skip(i);
        skipped += i;
    }
}

// The file read in pieces as the parser asks for them, no more than an import reads, with its
// progress.
class DeviceBuffer : public std::streambuf {
public:
    DeviceBuffer(QIODevice& in, const BeerXml::ImportProgress& progress, qint64 total)
        : m_in(in), m_progress(progress), m_total(total) {}

protected:
    int_type underflow() override {
        if (gptr() < egptr())
            return traits_type::to_int_type(*gptr());
        m_buf = m_in.read(1 << 16);
        m_read += m_buf.size();
        if (m_read > BeerJson::kMaxBytes)
            throw Fault{QStringLiteral("the file is larger than the %1 bytes an import reads")
                            .arg(BeerJson::kMaxBytes)};
        if (m_progress && !m_progress(m_read, m_total))
            throw Fault{QString::fromLatin1(BeerXml::kCancelled)};
        if (m_read - m_mark > BeerJson::kMaxRecordBytes + m_buf.size())
            throw Fault{QStringLiteral("a recipe or value of the file is larger than the %1 bytes "
                                       "an import holds at once")
                            .arg(BeerJson::kMaxRecordBytes)};
        if (m_buf.isEmpty())
            return traits_type::eof();
        setg(m_buf.data(), m_buf.data(), m_buf.data() + m_buf.size());
        return traits_type::to_int_type(*gptr());
    }

public:
    // Where a record (a recipe, a value beside the recipes) starts: what the import holds at
    // once is what has been read since.
    void mark() { m_mark = m_read - (egptr() - gptr()); }

private:
    QIODevice& m_in;
    const BeerXml::ImportProgress& m_progress;
    qint64 m_total;
    QByteArray m_buf;
    qint64 m_read = 0;
    qint64 m_mark = 0;
};

} // namespace

bool BeerJson::looksLikeJson(const QByteArray& head) {
    QBuffer b;
    b.setData(head);
    b.open(QIODevice::ReadOnly);
    qint64 skipped = 0;
    SkipComments(b, skipped);
    const QByteArray rest = b.peek(1);
    return rest == "{" || rest == "[";
}

bool BeerJson::exportRecipes(CDaoDatabase& recipes, const std::vector<long>& batches,
                             const UtilizationTable& table, QIODevice& out, QString& error,
                             const BeerXml::ExportProgress& progress, qint64 maxBytes) {
    qint64 written = 0;
    bool first = true;
    auto put = [&](const QByteArray& bytes) {
        if (out.write(bytes) != bytes.size()) {
            error = out.errorString().isEmpty() ? QStringLiteral("the file could not be written")
                                                : out.errorString();
            return false;
        }
        written += bytes.size();
        if (written > maxBytes) {
            error = QStringLiteral("the file would be larger than the %1 bytes an import reads; "
                                   "export fewer recipes at a time")
                        .arg(maxBytes);
            return false;
        }
        return true;
    };
    if (!put(kHead))
        return false;
    ToJson convert;
    // Each recipe as the BeerXML writer makes it, translated as it is made.
    const auto take = [&](const XmlElement& e) {
        QByteArray text = Indented(convert.recipe(e));
        if (text.size() > kMaxRecordBytes) {
            error = QStringLiteral("the recipe \"%1\" would be larger than the %2 bytes an import "
                                   "holds at once")
                        .arg(e.value(el::Name))
                        .arg(kMaxRecordBytes);
            return false;
        }
        if (!first)
            text.prepend(',');
        first = false;
        return put(text);
    };
    return BeerXml::exportRecipeTrees(recipes, batches, table, take, error, progress) && put(kTail);
}

QByteArray BeerJson::exportRecipes(CDaoDatabase& recipes, const std::vector<long>& batches,
                                   const UtilizationTable& table, QString& error) {
    QByteArray out;
    QBuffer buffer(&out);
    buffer.open(QIODevice::WriteOnly);
    if (!exportRecipes(recipes, batches, table, buffer, error))
        return {};
    return out;
}

std::optional<ImportSummary> BeerJson::importRecipes(CDaoDatabase& recipes, CDaoDatabase* data,
                                                     QIODevice& in, const UtilizationTable& table,
                                                     QString& error,
                                                     const BeerXml::ImportProgress& progress) {
    if (in.size() > kMaxBytes) {
        error =
            QStringLiteral("the file is larger than the %1 bytes an import reads").arg(kMaxBytes);
        return std::nullopt;
    }
    // The recipes, a recipe at a time, into the BeerXML the reader takes: a temporary file, so
    // that what the import holds at once is one recipe however large the file.
    QTemporaryFile xml;
    if (!xml.open()) {
        error = QStringLiteral("no temporary file could be made: %1").arg(xml.errorString());
        return std::nullopt;
    }
    QXmlStreamWriter w(&xml);
    w.writeStartDocument();
    w.writeStartElement(QLatin1String(el::Recipes));
    ToXml convert(w);
    std::map<std::string, int> others;
    int recipesSeen = 0;
    bool isBeerJson = false;
    // Where the parser is: the key each open object or array is held under.
    std::vector<std::string> keys;
    std::string lastKey;
    try {
        DeviceBuffer buffer(in, progress, in.size() * 2);
        std::istream input(&buffer);
        using Event = Json::parse_event_t;
        Json::parser_callback_t take = [&](int depth, Event event, Json& parsed) {
            if (depth > kMaxDepth)
                throw Fault{
                    QStringLiteral("the JSON is nested more than %1 levels deep").arg(kMaxDepth)};
            // Between the recipes and above them: a new record starts here.
            if (depth <= 3)
                buffer.mark();
            switch (event) {
            case Event::key:
                lastKey = parsed.get<std::string>();
                return true;
            case Event::object_start:
            case Event::array_start:
                keys.push_back(lastKey);
                lastKey.clear();
                return true;
            case Event::object_end:
            case Event::array_end: {
                const std::string key = keys.empty() ? std::string() : keys.back();
                if (!keys.empty())
                    keys.pop_back();
                if (keys.size() == 1 && key == "beerjson")
                    isBeerJson = true;
                // A recipe of the list "recipes" of "beerjson": converted and let go.
                if (event == Event::object_end && keys.size() == 3 && keys[1] == "beerjson" &&
                    keys[2] == "recipes") {
                    ++recipesSeen;
                    convert.recipe(parsed, QStringLiteral("recipe %1").arg(recipesSeen));
                    return false;
                }
                // Another list of records beside the recipes: counted, let go.
                if (event == Event::array_end && keys.size() == 2 && keys[1] == "beerjson" &&
                    key != "recipes") {
                    others[key] += static_cast<int>(parsed.size());
                    return false;
                }
                return true;
            }
            default:
                return true;
            }
        };
        const Json root = Json::parse(input, take, true, true);
        if (!isBeerJson || !root.is_object())
            throw Fault{QString::fromLatin1(kNotBeerJson)};
    } catch (const Fault& f) {
        error = f.text;
        return std::nullopt;
    } catch (const Json::parse_error& e) {
        error = NotJson(e);
        return std::nullopt;
    } catch (const Json::exception& e) {
        error = QStringLiteral("the file could not be read: %1").arg(QString::fromUtf8(e.what()));
        return std::nullopt;
    }
    w.writeEndElement(); // RECIPES
    // The lists beside the recipes, named in the summary as not imported.
    for (const auto& [key, count] : others) {
        w.writeStartElement(FromUtf8(key).toUpper());
        for (int i = 0; i < count; ++i)
            w.writeEmptyElement(QStringLiteral("RECORD"));
        w.writeEndElement();
    }
    w.writeEndDocument();
    if (xml.error() != QFileDevice::NoError || !xml.flush()) {
        error =
            QStringLiteral("the temporary file could not be written: %1").arg(xml.errorString());
        return std::nullopt;
    }
    xml.seek(0);
    std::optional<ImportSummary> summary = BeerXml::importRecipes(recipes, data, xml, table, error);
    // Lines and columns of the BeerXML it became mean nothing to the brewer: the texts name the
    // recipe and the field instead.
    static const QRegularExpression place(
        QStringLiteral(R"(^line \d+, column \d+: | \(line \d+(, column \d+)?\))"));
    error.remove(place);
    if (summary) {
        for (QStringList* list :
             {&summary->keptAsTyped, &summary->skipped, &summary->readDifferently})
            for (QString& line : *list)
                line.remove(place);
    }
    return summary;
}

std::optional<ImportSummary> BeerJson::importRecipes(CDaoDatabase& recipes, CDaoDatabase* data,
                                                     const QByteArray& bytes,
                                                     const UtilizationTable& table,
                                                     QString& error) {
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    return importRecipes(recipes, data, buffer, table, error);
}

std::optional<ImportSummary> ImportRecipeFile(CDaoDatabase& recipes, CDaoDatabase* data,
                                              QIODevice& in, const UtilizationTable& table,
                                              QString& error,
                                              const BeerXml::ImportProgress& progress) {
    if (BeerJson::looksLikeJson(in.peek(1 << 16)))
        return BeerJson::importRecipes(recipes, data, in, table, error, progress);
    return BeerXml::importRecipes(recipes, data, in, table, error, progress);
}

} // namespace wsc
