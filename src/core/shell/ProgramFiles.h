#pragma once

#include <QString>
#include <QStringList>

namespace wsc {

// The files the program reads beside itself (tips, help): looked for in the current directory
// first, then beside the program, then in the installed share folder.
class ProgramFiles {
public:
    static QStringList folders();
    // The first existing `name` in folders(), or an empty text.
    static QString find(const QString& name);
};

} // namespace wsc
