#pragma once

#include <QString>

#include <optional>

namespace wsc {

// What a supplier's e-mail and web site boxes may hand the desktop: only a "mailto:" address
// or an http(s) address. A bare host name is taken as an https site; anything else (a path, a
// program, another scheme) is no address.
class ContactAddresses {
public:
    static std::optional<QString> mailto(const QString& email);
    static std::optional<QString> website(const QString& site);
};

} // namespace wsc
