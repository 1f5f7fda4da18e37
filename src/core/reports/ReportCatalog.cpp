#include "core/reports/ReportCatalog.h"

namespace wsc {

const std::vector<ReportEntry>& ReportCatalog() {
    using D = ReportDatabase;
    static const std::vector<ReportEntry> entries = {
        {"Print Current Recipe", kRecipeReport, D::Recipes},
        {"List all Recipes", "Recipes", D::Recipes},
        {"List all Styles", "Styles", D::Data},
        {"List all Kits", "Kits", D::Data},
        {"List all Extracts", "Extracts", D::Data},
        {"List all Grains", "Grains", D::Data},
        {"List all Hops", "Hops", D::Data},
        {"List all Yeasts", "Yeasts", D::Data},
        {"List all Waters", "Waters", D::Data},
        {"List all Adjuncts", "Adjuncts", D::Data},
        {"List all Glossary Terms", "Glossary", D::Data},
        {"List all Suppliers", "Suppliers", D::Data},
    };
    return entries;
}

const ReportEntry* ReportNamed(const QString& file) {
    for (const ReportEntry& e : ReportCatalog()) {
        if (file.compare(QLatin1String(e.file), Qt::CaseInsensitive) == 0 ||
            file.compare(QLatin1String(e.display), Qt::CaseInsensitive) == 0)
            return &e;
    }
    return nullptr;
}

} // namespace wsc
