#pragma once

#include <QString>
#include <QStringList>

namespace wsc {

// The files the program reads beside itself (tips, help): looked for in the current directory
// first, then beside the program, then in the installed share folder.
class ProgramFiles {
public:
    static QStringList folders();
    // The program's own folder, and the share folder of an installed program beside it.
    static QString programFolder();
    static QString shareFolder();
    // The first existing `name` in folders(), or an empty text.
    static QString find(const QString& name);
    // The folder of the files installed with the program (report files, grid layouts): the
    // program's own folder when `name` is there, else the installed share folder when it is
    // there, else the program's folder.
    static QString installedFolderHolding(const QString& name);
    // The Data database a new user starts with: the shipped one when the user may change it
    // and it is not an installed file, else a copy of it in `userFolder` (made once), so the
    // Data menu can keep it up to date without touching what the package installed. The shipped
    // file itself when no copy can be made.
    static QString dataFileForUser(const QString& shipped, const QString& userFolder,
                                   bool installed = false);
};

} // namespace wsc
