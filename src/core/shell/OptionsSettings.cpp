#include "core/shell/OptionsSettings.h"

#include "core/db/DatabaseOps.h"
#include "core/settings/ProfileStore.h"
#include "core/settings/Prompter.h"

namespace wsc {

namespace {
constexpr Setting kToolNames[] = {Setting::NameTool1, Setting::NameTool2, Setting::NameTool3};
constexpr Setting kToolPaths[] = {Setting::PathTool1, Setting::PathTool2, Setting::PathTool3};
} // namespace

PreferenceValues PreferenceValues::read(const ProfileStore& p) {
    PreferenceValues v;
    v.userSkill = p.text(Setting::UserSkill);
    v.view = p.text(Setting::View);
    v.displayToolTips = p.integer(Setting::DisplayToolTips) != 0;
    v.recipeScroll = p.integer(Setting::RecipeScroll);
    v.displayWarnings = p.integer(Setting::DisplayWarnings) != 0;
    v.displayDeleteWarnings = p.integer(Setting::DisplayDeleteWarnings) != 0;
    return v;
}

void PreferenceValues::write(ProfileStore& p) const {
    p.setText(Setting::UserSkill, userSkill);
    p.setText(Setting::View, view);
    p.setInteger(Setting::DisplayToolTips, displayToolTips ? 1 : 0);
    p.setInteger(Setting::RecipeScroll, recipeScroll);
    p.setInteger(Setting::DisplayWarnings, displayWarnings ? 1 : 0);
    p.setInteger(Setting::DisplayDeleteWarnings, displayDeleteWarnings ? 1 : 0);
}

LocationValues LocationValues::read(const ProfileStore& p) {
    LocationValues v;
    for (int i = 0; i < 3; ++i) {
        v.toolNames[i] = p.text(kToolNames[i]);
        v.toolPaths[i] = p.text(kToolPaths[i]);
    }
    v.recipeFile = p.text(Setting::DefaultRecipeFile);
    v.dataFile = p.text(Setting::DefaultDataFile);
    return v;
}

void LocationValues::write(ProfileStore& p) const {
    for (int i = 0; i < 3; ++i) {
        p.setText(kToolNames[i], toolNames[i]);
        p.setText(kToolPaths[i], toolPaths[i]);
    }
    p.setText(Setting::DefaultRecipeFile, recipeFile);
    p.setText(Setting::DefaultDataFile, dataFile);
}

bool ValidateLocations(const LocationValues& v, CoreServices& services,
                       const std::function<void(LocationField)>& focus) {
    bool ok = true;
    auto fail = [&](LocationField field) {
        ok = false;
        if (focus)
            focus(field);
    };
    // An empty box means "no default file": nothing to open, so nothing to refuse.
    const std::pair<const QString*, std::pair<const char*, LocationField>> files[] = {
        {&v.recipeFile, {kRecipeMarker, LocationField::RecipeFile}},
        {&v.dataFile, {kDataMarker, LocationField::DataFile}},
    };
    for (const auto& [path, check] : files) {
        const QString trimmed = path->trimmed();
        if (trimmed.isEmpty())
            continue;
        if (!CheckDatabaseKind(QString::fromLatin1(check.first), 0, trimmed, services))
            fail(check.second);
    }
    const LocationField toolFields[] = {LocationField::Tool1Name, LocationField::Tool2Name,
                                        LocationField::Tool3Name};
    for (int i = 0; i < 3; ++i) {
        const bool hasName = !v.toolNames[i].trimmed().isEmpty();
        const bool hasPath = !v.toolPaths[i].trimmed().isEmpty();
        if (hasName != hasPath) {
            services.prompter.text(QString::fromLatin1(kInvalidTool).arg(i + 1),
                                   PromptIcon::Exclamation);
            fail(toolFields[i]);
        }
    }
    return ok;
}

} // namespace wsc
