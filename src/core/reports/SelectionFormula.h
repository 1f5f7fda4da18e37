#pragma once

#include <QString>

#include <cstdint>
#include <optional>

namespace wsc {

// A record selection formula of the one form reports take: "{Table.Column} = N" with N a whole
// number. The value is bound as a parameter when the rows are read, never put into SQL text.
struct SelectionFormula {
    QString table;
    QString column;
    std::int64_t value = 0;

    // The formula, or nothing with `error` saying what is wrong with the text.
    static std::optional<SelectionFormula> parse(const QString& text, QString* error);
};

} // namespace wsc
