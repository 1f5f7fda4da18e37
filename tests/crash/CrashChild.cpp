// Commits recipe changes through the document layer for ever, saying after each commit what it
// committed, until it is killed. The crash test kills it at random moments.
//
//   wsc_crash_child RECIPES.mdb DATA.mdb SETTINGS.ini
#include "support/FakeRecipeForm.h"

#include "core/db/SqliteConnection.h"
#include "core/db/dao/CDaoDatabase.h"
#include "core/settings/ScriptedPrompter.h"

#include <cstdio>

#include <unistd.h>

namespace {

using namespace wsc;

void say(const QString& line) {
    std::printf("%s\n", line.toUtf8().constData());
    std::fflush(stdout);
}

void addHops(CDaoDatabase& db, long recipeId, const QString& name) {
    for (int k = 1; k <= 3; ++k) {
        SqliteStatement st = db.connection().prepare(QStringLiteral(
            "INSERT INTO Ingredients_Hops (IngRecipeID, IngHopsName, IngHopsAlpha, "
            "IngHopsWeight, IngHopsUnits, IngHopsTime) VALUES (?, ?, 5, 1, 'oz', 60)"));
        st.bindInt64(1, recipeId);
        st.bindText(2, name + QStringLiteral(" hop %1").arg(k));
        st.exec();
    }
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: wsc_crash_child RECIPES DATA SETTINGS\n");
        return 2;
    }
    ProfileStore profile(QString::fromLocal8Bit(argv[3]));
    profile.setText(Setting::DefaultDataFile, QString::fromLocal8Bit(argv[2]));
    profile.setInteger(Setting::DisplayWarnings, 0);
    ScriptedPrompter prompter;
    CoreServices services{prompter, profile};
    CWscalcDoc doc(services);
    if (!doc.OnOpenDocument(QString::fromLocal8Bit(argv[1]))) {
        std::fprintf(stderr, "cannot open: %s\n",
                     prompter.shown().empty() ? "" : prompter.last().text.toUtf8().constData());
        return 1;
    }
    test::FakeForm form(doc);
    RecipeRecordCommands commands(doc, form, &form);
    if (!commands.open())
        return 1;
    commands.beginFirstTransaction();
    say(QStringLiteral("ready"));
    for (int i = 1;; ++i) {
        commands.OnRecordAdd();
        const QString name = QStringLiteral("Crash %1-%2").arg(::getpid()).arg(i);
        form.name = name;
        form.brewer = QStringLiteral("crash test");
        commands.setModified();
        addHops(*doc.database(), commands.currentRecipeId(), name);
        if (!commands.OnRecordCommit()) {
            std::fprintf(stderr, "commit failed: %s\n",
                         prompter.shown().empty() ? "" : prompter.last().text.toUtf8().constData());
            return 1;
        }
        say(QStringLiteral("committed %1").arg(name));
        if (i % 4 == 0) {
            commands.OnRecordCopy();
            if (!commands.OnRecordCommit())
                return 1;
            say(QStringLiteral("committed Copy of %1").arg(name));
        }
    }
}
