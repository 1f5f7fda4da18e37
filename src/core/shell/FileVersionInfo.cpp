#include "core/shell/FileVersionInfo.h"

#include <iterator>

#ifndef WSC_VERSION
#define WSC_VERSION "0.0.0"
#endif
#ifndef WSC_SPECIAL_BUILD
#define WSC_SPECIAL_BUILD ""
#endif

namespace wsc {

namespace {

constexpr const char* kKeyNames[] = {
    "CompanyName",    "FileDescription",  "FileVersion",  "InternalName",
    "LegalCopyright", "OriginalFilename", "ProductName",  "ProductVersion",
    "Comments",       "LegalTrademarks",  "PrivateBuild", "SpecialBuild",
};
static_assert(std::size(kKeyNames) == CFileVersionInfo::KeyCount);

// The values of the block; an empty one is a key the block does not hold.
constexpr const char* kValues[] = {
    "Quillbarrow Software",
    "Wortsmith Calculator, the home brewer's recipe manager and calculator",
    WSC_VERSION,
    "wscalc",
    "Copyright (C) 2026 Quillbarrow Software",
    "wscalc",
    "Wortsmith Calculator",
    WSC_VERSION,
    "Recipes, predictions and brewing calculators for home brewers",
    "",
    "",
    WSC_SPECIAL_BUILD,
};

} // namespace

const char* CFileVersionInfo::keyName(int key) {
    return key >= 0 && key < KeyCount ? kKeyNames[key] : "";
}

QString CFileVersionInfo::path(int key, int codePage) {
    return QStringLiteral("\\%1\\%2\\%3")
        .arg(QStringLiteral("StringFileInfo"),
             QString::fromLatin1(kCodePages[codePage == 1 ? 1 : 0]),
             QString::fromLatin1(keyName(key)));
}

std::optional<QString> CFileVersionInfo::value(int key, int codePage) {
    if (codePage != 0 || key < 0 || key >= KeyCount || kValues[key][0] == '\0')
        return std::nullopt;
    return QString::fromUtf8(kValues[key]);
}

} // namespace wsc
