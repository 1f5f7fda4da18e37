#pragma once

#include <QString>
#include <QStringList>

namespace wsc {

class ProfileStore;
class Prompter;

// The program's command line: switches /l (open the last-used database) and /s (no splash
// window), also written with "-" and in either case, and an optional database path. A word
// beginning with "-" that names an existing file, and every word after "--", is a file.
struct CommandLine {
    bool openLast = false;
    bool noSplash = false;
    QString file;
    QStringList unknownSwitches;

    // `arguments` without the program name.
    static CommandLine parse(const QStringList& arguments);

    // The database to open at start-up, or an empty text. Switches the program does not know
    // are reported first. /l with a file shows message 230 and opens neither.
    QString databaseToOpen(const ProfileStore& profile, Prompter& prompter) const;
};

} // namespace wsc
