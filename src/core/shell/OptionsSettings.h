#pragma once

#include <QString>

#include <array>
#include <functional>

namespace wsc {

struct CoreServices;
class ProfileStore;

// The "Preferences" page of the Options sheet: what it shows and writes back.
struct PreferenceValues {
    QString userSkill;
    QString view;
    bool displayToolTips = true;
    int recipeScroll = 0;
    bool displayWarnings = true;
    bool displayDeleteWarnings = true;

    static PreferenceValues read(const ProfileStore& profile);
    void write(ProfileStore& profile) const;
};

// The "Locations" page: the three user tools and the two default databases.
struct LocationValues {
    std::array<QString, 3> toolNames;
    std::array<QString, 3> toolPaths;
    QString recipeFile;
    QString dataFile;

    static LocationValues read(const ProfileStore& profile);
    void write(ProfileStore& profile) const;
};

// Where a test of the Locations page failed, for the page to focus.
enum class LocationField { RecipeFile, DataFile, Tool1Name, Tool2Name, Tool3Name };

// Runs every test of the Locations page, each showing its own message: the two default files
// (of the right kind, or empty for none) and the three tools (name and path both given or both
// empty). `focus` receives each failing field. True when every test passed.
bool ValidateLocations(const LocationValues& values, CoreServices& services,
                       const std::function<void(LocationField)>& focus);

// The confirmation texts asked when a warning is turned off.
inline constexpr const char* kConfirmNoChangeWarnings =
    "Please confirm that you do not want to be forewarned\nbefore data is changed.";
inline constexpr const char* kConfirmNoDeleteWarnings =
    "Please confirm that you do not want to be forewarned\nbefore data is deleted.";
// %1 the tool's number.
inline constexpr const char* kInvalidTool =
    "Data Error:\nTool %1 is invalid.  Please enter both a name and path.";

} // namespace wsc
