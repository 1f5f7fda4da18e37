#pragma once

#include <QString>

#include <vector>

namespace wsc {

enum class ReportDatabase { Recipes, Data };

// An entry of the "Select Report" list: what it says, its report file (without ".rpt") and
// the database it reads.
struct ReportEntry {
    const char* display;
    const char* file;
    ReportDatabase database;
};

const std::vector<ReportEntry>& ReportCatalog();
// The entry of a report file name or its title in the list (any case), or null.
const ReportEntry* ReportNamed(const QString& file);

// The current recipe report's file.
inline constexpr const char* kRecipeReport = "Recipe";

} // namespace wsc
