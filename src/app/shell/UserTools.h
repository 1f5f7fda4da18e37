#pragma once

#include <QString>

#include <array>
#include <functional>

class QAction;

namespace wsc {

class ProfileStore;
class Prompter;

// The Tools menu's three programs of the user's choice: their names and paths from the
// settings, the menu items that start them.
class UserTools {
public:
    static constexpr int kCount = 3;

    UserTools(ProfileStore& profile, Prompter& prompter)
        : m_profile(profile), m_prompter(prompter) {}

    // Starts tool `n` (from 0); says so when it cannot be started.
    void run(int n);
    // Whether tool `n` has a name, which is what makes its item enabled.
    bool configured(int n) const;
    // Each tool's item named from the settings, or "Tool n", disabled, while it has no name.
    void nameItems(const std::function<QAction*(int n)>& item);

private:
    ProfileStore& m_profile;
    Prompter& m_prompter;
};

} // namespace wsc
