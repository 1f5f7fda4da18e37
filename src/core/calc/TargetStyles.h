#pragma once

#include <QString>

#include <optional>
#include <vector>

namespace wsc {

class CDaoDatabase;

// A beer style as the Data database keeps it: three names and the eight ranges a recipe copies.
struct StyleKey {
    QString name;
    QString category;
    QString subcategory; // " " when the style has none
};

struct StyleRanges {
    double gravityLo = 0, gravityHi = 0;
    double alcoholLo = 0, alcoholHi = 0;
    double ibuLo = 0, ibuHi = 0;
    double colorLo = 0, colorHi = 0;
};

struct StyleRow {
    StyleKey key;
    StyleRanges ranges;
};

class TargetStyles {
public:
    static constexpr const char* kNoneSelected = "None Selected";

    // Every style in the order of IndexStylesNameCatSubcat. Throws CDaoException.
    static std::vector<StyleRow> read(CDaoDatabase& data);
    // The style with these names. A subcategory of " " and an empty one are the same: the
    // recipe may keep either.
    static std::optional<StyleRanges> find(const std::vector<StyleRow>& styles,
                                           const StyleKey& key);
    // "Seek failed on name, category[, subcategory].  Contact Quillbarrow Software."
    static QString seekFailedText(const StyleKey& key);
};

} // namespace wsc
