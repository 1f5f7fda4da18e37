#pragma once

#include <QString>

namespace wsc {

class HelpService;
class IInfoStatusBar;
class ProfileStore;
class Prompter;

// What the core needs from its surroundings: the program, a tool or a test gives each
// operation the same few services.
struct CoreServices {
    Prompter& prompter;
    ProfileStore& profile;
    IInfoStatusBar* statusBar = nullptr;
    HelpService* help = nullptr;
    // Where the backups of recipe databases go; none are made while it is empty.
    QString backupRoot = {};
    bool backupFailureReported = false;
    // Set by the windowed program: the backup an opening needs is left for MakePendingBackup,
    // once the form shows, instead of keeping the window from showing meanwhile.
    bool backupWhenShown = false;
    QString pendingBackup = {};
};

} // namespace wsc
