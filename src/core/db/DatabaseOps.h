#pragma once

#include <QString>

#include <functional>
#include <memory>

namespace wsc {

class CDaoDatabase;
class CDaoException;
class CDaoWorkspace;
class HelpService;
class IInfoStatusBar;
class ProfileStore;
class Prompter;

// What the database operations need from their surroundings.
struct CoreServices {
    Prompter& prompter;
    ProfileStore& profile;
    IInfoStatusBar* statusBar = nullptr;
    HelpService* help = nullptr;
};

inline constexpr const char* kRecipeMarker = "A_Recipes";
inline constexpr const char* kDataMarker = "A_Data";
inline constexpr const char* kWorkspaceDao = "DAO";
inline constexpr const char* kWorkspaceLogView = "LogView";

// Shows a database error: the error record's description and code with an offer of help,
// or the four parts of a bare status code.
void ReportDaoError(const CDaoException& e, Prompter& prompter, HelpService* help = nullptr);

// The four numbers of a bare status code, as ReportDaoError shows them.
struct StatusCodeParts {
    int code;
    int facility;
    int severity;
    int scode;
};
StatusCodeParts SplitStatusCode(int scode);

// Opens `path` as the recipe database. Returns the open database, or null after showing
// message 168 (not a recipe database) or the database error. On success writes the path to
// "RecipeFileOpened"; on failure leaves it as it was.
std::unique_ptr<CDaoDatabase> OpenRecipeDatabase(const QString& path, CoreServices& services);

// True when the first table of `path` is named exactly `marker`; otherwise message 171 (or
// the database error), `focus(controlId)`, false.
bool CheckDatabaseKind(const QString& marker, int controlId, const QString& path,
                       CoreServices& services, const std::function<void(int)>& focus = {});

// A private workspace and connection: kind "DAO" opens the Data database, "LogView" the recipe
// database last opened. Returns 1, or 0 with both released.
int GetNewWorkspace(std::unique_ptr<CDaoWorkspace>& workspace,
                    std::unique_ptr<CDaoDatabase>& database, const QString& kind,
                    CoreServices& services);
bool cleanWorkspace(std::unique_ptr<CDaoWorkspace>& workspace,
                    std::unique_ptr<CDaoDatabase>& database, Prompter& prompter,
                    HelpService* help = nullptr);

// The name of the first table of the file (its marker). Throws CDaoException.
QString ReadDatabaseMarker(const QString& path);

// Creates a new database file from the schema of `marker`'s kind. Refuses an existing file.
void CreateDatabase(const QString& path, const QString& marker);
// Runs a script of SQL statements on an open database.
void RunSqlScript(CDaoDatabase& db, const QString& script);
// The shipped databases: the Data database with the reference content, and a recipe database
// that is empty or holds the sample recipes.
void CreateDataDatabase(const QString& path);
void CreateRecipeDatabase(const QString& path, bool withSamples);

// Compacts the file: into a temporary file beside it, verified, then renamed over it. On any
// failure the original stays as it was and the temporary file is removed. Throws CDaoException.
void CompactDatabase(const QString& path);
// Checks and rebuilds the file in place. Throws CDaoException when it is still damaged.
void RepairDatabase(const QString& path);

} // namespace wsc
