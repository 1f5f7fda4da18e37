#include "core/calc/TargetStyles.h"

#include "core/db/records/CRecordSetStyles.h"
#include "core/settings/MessageCatalog.h"

namespace wsc {

std::vector<StyleRow> TargetStyles::read(CDaoDatabase& data) {
    std::vector<StyleRow> out;
    CRecordSetStyles rs(&data);
    rs.Open(CDaoRecordset::dbOpenTable, {}, CDaoRecordset::dbReadOnly);
    rs.SetCurrentIndex(QStringLiteral("IndexStylesNameCatSubcat"));
    rs.MoveFirst();
    while (!rs.IsEOF()) {
        StyleRow row;
        row.key = {rs.m_StylesName, rs.m_StylesCategory, rs.m_StylesSubcategory};
        row.ranges = {rs.m_StylesGravityLo, rs.m_StylesGravityHi, rs.m_StylesAlcoLo,
                      rs.m_StylesAlcoHi,    rs.m_StylesIBULo,     rs.m_StylesIBUHi,
                      rs.m_StylesColorLo,   rs.m_StylesColorHi};
        out.push_back(std::move(row));
        rs.MoveNext();
    }
    return out;
}

std::optional<StyleRanges> TargetStyles::find(const std::vector<StyleRow>& styles,
                                              const StyleKey& key) {
    const QString sub = key.subcategory.trimmed();
    for (const StyleRow& s : styles) {
        if (s.key.name == key.name && s.key.category == key.category &&
            s.key.subcategory.trimmed() == sub)
            return s.ranges;
    }
    return std::nullopt;
}

QString TargetStyles::seekFailedText(const StyleKey& key) {
    QStringList keys{key.name, key.category};
    if (key.subcategory != QLatin1String(" "))
        keys << key.subcategory;
    return MessageCatalog::seekFailed(keys);
}

} // namespace wsc
