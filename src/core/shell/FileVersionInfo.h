#pragma once

#include <QString>

#include <optional>

namespace wsc {

// The program's version block: twelve keys by index, under one language and code page. The
// values come from the build.
class CFileVersionInfo {
public:
    enum Key {
        CompanyName,
        FileDescription,
        FileVersion,
        InternalName,
        LegalCopyright,
        OriginalFilename,
        ProductName,
        ProductVersion,
        Comments,
        LegalTrademarks,
        PrivateBuild,
        SpecialBuild,
        KeyCount
    };
    // 0: "040904B0" (the block the program carries), 1: "040904E4".
    static constexpr const char* kCodePages[] = {"040904B0", "040904E4"};

    static const char* keyName(int key);
    // The value of `key` in the block of code page `codePage`, or nothing when the block or the
    // key is missing (the caller's text then stays as it was).
    static std::optional<QString> value(int key, int codePage = 0);
    // "\StringFileInfo\<code page>\<key>", the path a value is read from.
    static QString path(int key, int codePage = 0);
};

} // namespace wsc
