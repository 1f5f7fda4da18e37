#include "core/interchange/BeerXmlValues.h"

#include "core/calc/Units.h"
#include "core/interchange/BeerXmlCommon.h"
#include "core/interchange/BeerXmlElements.h"

#include <QHash>
#include <QRegularExpression>

#include <cmath>
#include <initializer_list>
#include <vector>

namespace wsc::beerxml {
namespace {

struct Rule {
    const char* record; // nullptr: in every record
    ValueKind kind;
    std::vector<const char*> words = {};
};

using Rules = QHash<QByteArray, std::vector<Rule>>;

void add(Rules& rules, ValueKind kind, std::initializer_list<const char*> elements,
         const char* record = nullptr) {
    for (const char* e : elements)
        rules[QByteArray(e)].push_back({record, kind});
}

void words(Rules& rules, const char* record, const char* element, std::vector<const char*> list) {
    rules[QByteArray(element)].push_back({record, ValueKind::Word, std::move(list)});
}

const Rules& AllRules() {
    static const Rules rules = [] {
        Rules r;
        using K = ValueKind;
        add(r, K::Flag,
            {el::AddAfterBoil, el::RecommendMash, el::IsMashed, el::AmountIsWeight,
             el::AddToSecondary, el::ForcedCarbonation, el::CalcBoilVolume, el::EquipAdjust});
        add(r, K::Whole, {el::Version, el::FermentationStages, el::TimesCultured, el::MaxReuse});
        add(r, K::Percent,
            {el::Alpha, el::Beta, el::Hsi, el::Humulene, el::Caryophyllene, el::Cohumulone,
             el::Myrcene, el::Yield, el::CoarseFineDiff, el::Moisture, el::Protein, el::MaxInBatch,
             el::Attenuation, el::Efficiency, el::EvapRate, el::HopUtilization, el::AbvMin,
             el::AbvMax});
        add(r, K::Gravity, {el::OgMin, el::OgMax, el::FgMin, el::FgMax});
        add(r, K::Gravity, {el::Og, el::Fg}, el::Recipe);
        add(r, K::Temperature,
            {el::PrimaryTemp, el::SecondaryTemp, el::TertiaryTemp, el::AgeTemp, el::CarbonationTemp,
             el::MinTemperature, el::MaxTemperature, el::GrainTemp, el::TunTemp, el::SpargeTemp,
             el::StepTemp, el::EndTemp});
        add(r, K::Ph, {el::Ph});
        add(r, K::Number,
            {el::Amount,
             el::Time,
             el::Color,
             el::DiastaticPower,
             el::IbuGalPerLb,
             el::BatchSize,
             el::BoilSize,
             el::BoilTime,
             el::PrimaryAge,
             el::SecondaryAge,
             el::TertiaryAge,
             el::Age,
             el::Carbonation,
             el::PrimingSugarEquiv,
             el::KegPrimingFactor,
             el::TasteRating,
             el::TunVolume,
             el::TunWeight,
             el::TunSpecificHeat,
             el::TopUpWater,
             el::TrubChillerLoss,
             el::LauterDeadspace,
             el::TopUpKettle,
             el::InfuseAmount,
             el::StepTime,
             el::RampTime,
             el::Calcium,
             el::Bicarbonate,
             el::Sulfate,
             el::Chloride,
             el::Sodium,
             el::Magnesium,
             el::IbuMin,
             el::IbuMax,
             el::ColorMin,
             el::ColorMax,
             el::CarbMin,
             el::CarbMax});
        words(r, el::Recipe, el::Type, {"Extract", "Partial Mash", "All Grain"});
        words(r, el::Recipe, el::IbuMethod, {"Rager", "Tinseth", "Garetz"});
        words(r, el::Style, el::Type, {"Lager", "Ale", "Mead", "Wheat", "Mixed", "Cider"});
        words(r, el::Hop, el::Use, {"Boil", "Dry Hop", "Mash", "First Wort", "Aroma"});
        words(r, el::Hop, el::Type, {"Bittering", "Aroma", "Both"});
        words(r, el::Hop, el::Form, {"Pellet", "Plug", "Leaf"});
        words(r, el::Fermentable, el::Type,
              {"Grain", "Sugar", "Extract", "Dry Extract", "Adjunct"});
        words(r, el::Misc, el::Type, {"Spice", "Fining", "Water Agent", "Herb", "Flavor", "Other"});
        words(r, el::Misc, el::Use, {"Boil", "Mash", "Primary", "Secondary", "Bottling"});
        words(r, el::Yeast, el::Type, {"Ale", "Lager", "Wheat", "Wine", "Champagne"});
        words(r, el::Yeast, el::Form, {"Liquid", "Dry", "Slant", "Culture"});
        words(r, el::Yeast, el::Flocculation, {"Low", "Medium", "High", "Very High"});
        words(r, el::MashStep, el::Type, {"Infusion", "Temperature", "Decoction"});
        return r;
    }();
    return rules;
}

const Rule* RuleFor(QByteArrayView record, QByteArrayView element) {
    const Rules& rules = AllRules();
    const auto it = rules.constFind(element.toByteArray());
    if (it == rules.cend())
        return nullptr;
    const Rule* any = nullptr;
    for (const Rule& rule : *it) {
        if (!rule.record)
            any = &rule;
        else if (record == QByteArrayView(rule.record))
            return &rule;
    }
    // An element named for some records only is text in the others (a recipe's bitterness is
    // a display text; a record's type is a word of its own list).
    return any;
}

// A number as the format writes it, with an optional unit after it; the unit in lower case
// without spaces, empty when there is none.
std::optional<std::pair<double, QString>> NumberAndUnit(const QString& text) {
    static const QRegularExpression form(
        QStringLiteral(R"(^\s*([-+]?(?:\d+\.?\d*|\.\d+)(?:[eE][-+]?\d+)?)\s*([^\d\s].*)?$)"));
    const QRegularExpressionMatch m = form.match(text);
    if (!m.hasMatch())
        return std::nullopt;
    bool ok = false;
    const double v = m.captured(1).toDouble(&ok);
    if (!ok || !std::isfinite(v))
        return std::nullopt;
    return std::pair{v, m.captured(2).simplified().remove(u' ').toLower()};
}

std::optional<QString> Within(const QString& text, double least, double most,
                              std::initializer_list<const char16_t*> ownUnits = {}) {
    const auto n = NumberAndUnit(text);
    if (!n)
        return std::nullopt;
    bool unitTaken = n->second.isEmpty();
    for (const char16_t* u : ownUnits)
        unitTaken = unitTaken || n->second == QStringView(u);
    if (!unitTaken || n->first < least || n->first > most)
        return std::nullopt;
    return Number(n->first);
}

} // namespace

ValueKind KindOf(QByteArrayView record, QByteArrayView element) {
    const Rule* rule = RuleFor(record, element);
    return rule ? rule->kind : ValueKind::Text;
}

std::optional<QString> ValidValue(QByteArrayView record, QByteArrayView element,
                                  const QString& value) {
    const Rule* rule = RuleFor(record, element);
    if (!rule)
        return value;
    constexpr double kHuge = 1e12;
    switch (rule->kind) {
    case ValueKind::Text:
        return value;
    case ValueKind::Flag: {
        const QString v = value.trimmed().toLower();
        if (v == QLatin1String("true") || v == QLatin1String("yes") || v == QLatin1String("1"))
            return QStringLiteral("TRUE");
        if (v == QLatin1String("false") || v == QLatin1String("no") || v == QLatin1String("0"))
            return QStringLiteral("FALSE");
        return std::nullopt;
    }
    case ValueKind::Whole: {
        const auto n = Within(value, 0, kHuge);
        if (!n || std::floor(n->toDouble()) != n->toDouble())
            return std::nullopt;
        return n;
    }
    case ValueKind::Number:
        return Within(value, 0, kHuge);
    case ValueKind::Percent:
        return Within(value, 0, 100, {u"%"});
    case ValueKind::Ph:
        return Within(value, 0, 14);
    case ValueKind::Temperature:
        return Within(value, 0, 150, {u"c", u"°c"});
    case ValueKind::Gravity: {
        const auto n = NumberAndUnit(value);
        if (!n)
            return std::nullopt;
        double g = n->first;
        const QString& unit = n->second;
        if (unit == u"°p" || unit == u"p" || unit == u"plato" || unit == u"°plato")
            g = n->first >= 0 && n->first <= 40 ? Rounded(GravityOfPlato(n->first)) : 0;
        else if (!unit.isEmpty() && unit != u"sg")
            return std::nullopt;
        if (g < 0.990 || g > 2.0)
            return std::nullopt;
        return Number(g);
    }
    case ValueKind::Word:
        for (const char* w : rule->words) {
            if (value.trimmed().compare(QLatin1String(w), Qt::CaseInsensitive) == 0)
                return QString::fromLatin1(w);
        }
        return std::nullopt;
    }
    return std::nullopt;
}

} // namespace wsc::beerxml
