#pragma once

#include "core/settings/CoreServices.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

namespace wsc {

class CDaoDatabase;
class CDaoException;
class CDaoWorkspace;
class HelpService;
class Prompter;

inline constexpr const char* kRecipeMarker = "A_Recipes";
inline constexpr const char* kDataMarker = "A_Data";
inline constexpr const char* kWorkspaceDao = "DAO";
inline constexpr const char* kWorkspaceLogView = "LogView";
// "Could not use '...'; file already in use."
inline constexpr long kFileInUse = 3045;

// Shows a database error: the error record's description and code with an offer of help,
// or the four parts of a bare status code.
void ReportDaoError(const CDaoException& e, Prompter& prompter, HelpService* help = nullptr);

// "%s   (%d)..." with the description and the code, each put in once.
QString FormatDaoErrorText(const QString& description, long code);

// The four numbers of a bare status code, as ReportDaoError shows them.
struct StatusCodeParts {
    int code;
    int facility;
    int severity;
    int scode;
};
StatusCodeParts SplitStatusCode(int scode);

// Opens `path` as the recipe database for changes. Returns the open database, or null after
// showing message 168 (not a recipe database), that another program has it open for changes,
// or the database error. Nothing is written to a file before it is known to be a recipe
// database. The open database holds the file's lock; a backup copy is made first when
// `backupRoot` is set. On success writes the path to "RecipeFileOpened"; on failure leaves it.
std::unique_ptr<CDaoDatabase> OpenRecipeDatabase(const QString& path, CoreServices& services);

// The backup an opening left for later (`backupWhenShown`), made now: the caller makes sure
// nothing was committed since. A failure is said once per session, as at opening.
void MakePendingBackup(CoreServices& services);

// True when the first table of `path` is named exactly `marker`; otherwise message 171 (or
// the database error), `focus(controlId)`, false.
bool CheckDatabaseKind(const QString& marker, int controlId, const QString& path,
                       CoreServices& services, const std::function<void(int)>& focus = {});

// A private workspace and connection: kind "DAO" opens the Data database (read-only when it
// cannot be written), "LogView" the recipe database `recipePath` read-only (the one last opened
// when none is given). Returns 1, or 0 with both released.
int GetNewWorkspace(std::unique_ptr<CDaoWorkspace>& workspace,
                    std::unique_ptr<CDaoDatabase>& database, const QString& kind,
                    CoreServices& services, const QString& recipePath = {});
bool cleanWorkspace(std::unique_ptr<CDaoWorkspace>& workspace,
                    std::unique_ptr<CDaoDatabase>& database, Prompter& prompter,
                    HelpService* help = nullptr);

// Throws CDaoException 3051 when the file, or its folder, cannot be written.
void CheckWritable(const QString& path);

// The name of the first table of the file (its marker), empty when it has no table; read
// without writing anything. Throws CDaoException for a file that is no database.
QString ReadDatabaseMarker(const QString& path);

// Creates a new database file from the schema of `marker`'s kind, under a temporary name that
// becomes `path` only once the file is complete. Refuses an existing file. The SQL scripts of
// the resource folders run in name order, then `finish`, all in the one transaction.
void CreateDatabase(const QString& path, const QString& marker,
                    const QStringList& scriptFolders = {},
                    const std::function<void(CDaoDatabase&)>& finish = {});
// The shipped Data database with the reference content (the sample recipe database, whose
// stored bitterness needs the calculation, is made in core/document/ShippedDatabases.h).
void CreateDataDatabase(const QString& path);

// Removes what killed builds of databases left in `folder` (hidden ".NAME.building-XXXXXX"
// files and their journals, with or without the file they belonged to). A build that is
// still running is left alone.
void RemoveBuildDebris(const QString& folder);

// Compacts the file in place under its journal. Refuses (3045) a file another program has open
// for changes or is using, and a file that is no database. Throws CDaoException.
void CompactDatabase(const QString& path);
// Checks and rebuilds the file in place. Throws CDaoException when it is in use (3045) or is
// still damaged.
void RepairDatabase(const QString& path);

} // namespace wsc
