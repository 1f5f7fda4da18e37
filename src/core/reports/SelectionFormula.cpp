#include "core/reports/SelectionFormula.h"

#include <QRegularExpression>

namespace wsc {

std::optional<SelectionFormula> SelectionFormula::parse(const QString& text, QString* error) {
    static const QRegularExpression form(
        QStringLiteral("^\\s*\\{([A-Za-z_][A-Za-z0-9_]*)\\.([A-Za-z_][A-Za-z0-9_]*)\\}\\s*=\\s*(-?["
                       "0-9]{1,18})\\s*$"));
    const QRegularExpressionMatch m = form.match(text);
    if (!m.hasMatch()) {
        if (error)
            *error = QStringLiteral("The selection formula \"%1\" is not of the form "
                                    "{Table.Column} = number.")
                         .arg(text);
        return std::nullopt;
    }
    return SelectionFormula{m.captured(1), m.captured(2), m.captured(3).toLongLong()};
}

} // namespace wsc
