#include "core/reference/ContactAddresses.h"

#include <QRegularExpression>
#include <QUrl>

namespace wsc {
namespace {

// A host of labels and dots, with a top-level name of letters: "www.example.com".
bool isHostName(const QString& host) {
    static const QRegularExpression re(
        QStringLiteral("^(?:[A-Za-z0-9](?:[A-Za-z0-9-]{0,61}[A-Za-z0-9])?\\.)+[A-Za-z]{2,63}$"));
    return re.match(host).hasMatch();
}

} // namespace

std::optional<QString> ContactAddresses::mailto(const QString& email) {
    QString address = email.trimmed();
    if (address.startsWith(QStringLiteral("mailto:"), Qt::CaseInsensitive))
        address = address.mid(7);
    static const QRegularExpression re(QStringLiteral("^[A-Za-z0-9.!#$%&'*+=?^_`{|}~-]+@(.+)$"));
    const QRegularExpressionMatch m = re.match(address);
    if (!m.hasMatch() || !isHostName(m.captured(1)))
        return std::nullopt;
    return QStringLiteral("mailto:") + address;
}

std::optional<QString> ContactAddresses::website(const QString& site) {
    const QString text = site.trimmed();
    if (text.isEmpty() || text.contains(QRegularExpression(QStringLiteral("\\s"))))
        return std::nullopt;
    static const QRegularExpression scheme(QStringLiteral("^[A-Za-z][A-Za-z0-9+.-]*:"));
    const bool hasScheme = scheme.match(text).hasMatch();
    const QUrl url(hasScheme ? text : QStringLiteral("https://") + text, QUrl::StrictMode);
    if (!url.isValid())
        return std::nullopt;
    const QString s = url.scheme().toLower();
    if ((s != QLatin1String("http") && s != QLatin1String("https")) || !isHostName(url.host()) ||
        !url.userInfo().isEmpty())
        return std::nullopt;
    return url.toString(QUrl::FullyEncoded);
}

} // namespace wsc
