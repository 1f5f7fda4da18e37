#include "core/interchange/BeerXmlCommon.h"

#include "core/interchange/BeerXmlElements.h"

#include <charconv>
#include <string_view>

namespace wsc::beerxml {
namespace {

// Gravity points of one pound in one US gallon at 100 % yield (sucrose).
constexpr double kPointsAtFullYield = 46.214;

} // namespace

QString Number(double v) {
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

double Rounded(double v) {
    return std::round(v * 1e6) / 1e6;
}

std::optional<double> KilogramsPer(const QString& unit) {
    const QString u = unit.trimmed().toLower();
    if (u == QLatin1String("lbs") || u == QLatin1String("lb"))
        return units::kKgPerLb;
    if (u == QLatin1String("oz"))
        return units::kKgPerOz;
    if (u == QLatin1String("kg"))
        return 1.0;
    if (u == QLatin1String("g"))
        return 0.001;
    return std::nullopt;
}

double YieldOf(double potential) {
    return potential > 1 ? (potential - 1) * 1000 / kPointsAtFullYield * 100 : 0;
}

double PotentialOf(double yield) {
    return yield > 0 ? Rounded(1 + yield / 100 * kPointsAtFullYield / 1000) : 0;
}

bool IsTrue(const QString& text) {
    return text.compare(QLatin1String("TRUE"), Qt::CaseInsensitive) == 0;
}

QByteArray OwnElement(const char* name) {
    return QByteArray(kOwnPrefix) + name;
}

QString KeptElement(const QString& name) {
    return QLatin1String(kKeptPrefix) +
           (name.startsWith(u'#') ? QStringLiteral("SIG.") + name.mid(1) : name);
}

std::optional<QString> KeptName(const QString& element) {
    static const QString kept = QString::fromLatin1(kKeptPrefix);
    if (!element.startsWith(kept))
        return std::nullopt;
    const QString name = element.mid(kept.size());
    return name.startsWith(QLatin1String("SIG.")) ? u'#' + name.mid(4) : name;
}

} // namespace wsc::beerxml
