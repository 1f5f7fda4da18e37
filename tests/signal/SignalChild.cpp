// The real program, started as a user starts it, driven into a question or a dialog and then
// left there: the signal test ends it from outside at that moment.
//
//   wsc_signal_child SCENARIO [wscalc arguments...]
//
// SCENARIO says where to go once the window is up: "question" (a change typed, then
// Ctrl+N: the question whether to save), "delete" (Ctrl+keypad -: the question whether to
// delete), "startup" (nothing: a message the start-up itself shows), "lookup" (S on a hop row),
// "maintenance" (Data > Hops, with a change typed), "options", "calculator", "filedialog"
// (File > Import Recipes...), "exit-with-help" (F1, then File > Exit: the program must end),
// "busy" (a change in the open transaction, then a loop that never looks at its events) and
// "busy-sql" (the same change, then a query that never ends). When a modal window is up it says
// "open CLASSNAME"; before a busy loop it says "busy".
#include "app/form/CRecipeFormSheet.h"
#include "app/form/CRecipeGrid1.h"
#include "app/form/CRecipePropertySheet.h"
#include "app/shell/CMainFrame.h"
#include "app/shell/CWscalcApp.h"
#include "app/shell/ProgramMain.h"
#include "app/widgets/Commands.h"
#include "core/db/SqliteConnection.h"
#include "core/db/dao/CDaoDatabase.h"
#include "core/document/CWscalcDoc.h"
#include "support/FormParts.h"

#include <QApplication>
#include <QLineEdit>
#include <QTableWidget>
#include <QTimer>
#include <QtTest/QTest>

#include <cstdio>
#include <vector>

namespace {

using namespace wsc;

void say(const QByteArray& line) {
    std::printf("%s\n", line.constData());
    std::fflush(stdout);
}

// A change in the dialog, so that it has something to lose.
void typeInto(QWidget* dialog) {
    for (QLineEdit* edit : dialog->findChildren<QLineEdit*>()) {
        if (edit->isVisible() && edit->isEnabled() && !edit->isReadOnly()) {
            edit->setFocus();
            QTest::keyClicks(edit, QStringLiteral("zz"));
            return;
        }
    }
}

void drive(const QByteArray& scenario, CWscalcApp& app) {
    CMainFrame* frame = app.mainFrame();
    CRecipeFormSheet* form = frame->recipeForm();
    if (!form) {
        say("no form");
        return;
    }
    frame->activateWindow();
    if (!QTest::qWaitForWindowActive(frame))
        say("no active window");
    if (scenario == "question") {
        QTest::keyClicks(test::NameEdit(form), QStringLiteral(" typed"));
        QTest::keyClick(test::NameEdit(form), Qt::Key_N, Qt::ControlModifier);
    } else if (scenario == "delete") {
        QTest::keyClick(test::NameEdit(form), Qt::Key_Minus,
                        Qt::ControlModifier | Qt::KeypadModifier);
    } else if (scenario == "lookup") {
        form->showPage(CRecipeFormSheet::PageIngredients);
        test::Grid(form)->setCurrentSheet(SheetHops);
        test::Grid(form)->SetCurrentCell(1, 0, SheetHops);
        QTest::keyClick(test::Grid(form)->table(SheetHops), Qt::Key_S);
    } else if (scenario == "maintenance") {
        frame->runCommand(ID_DATA_HOP);
    } else if (scenario == "options") {
        frame->runCommand(ID_TOOLS_OPTIONS);
    } else if (scenario == "calculator") {
        frame->runCommand(ID_CALC_BITTERNESS);
    } else if (scenario == "filedialog") {
        frame->runCommand(ID_FILE_IMPORT_RECIPES);
    } else if (scenario == "busy" || scenario == "busy-sql") {
        // What a grid edit does: a change written inside the recipe's open transaction.
        SqliteConnection& c = form->document().database()->connection();
        c.exec(QStringLiteral("UPDATE Ingredients_Hops SET IngHopsWeight = 9"));
        say("busy");
        if (scenario == "busy-sql")
            c.scalar(QStringLiteral("WITH RECURSIVE n(x) AS (SELECT 1 UNION ALL SELECT x + 1 "
                                    "FROM n) SELECT count(*) FROM n"));
        for (volatile bool spinning = true; spinning;) {
        }
    } else if (scenario == "exit-with-help") {
        // The help window open beside the main window, then File > Exit.
        QTest::keyClick(test::NameEdit(form), Qt::Key_F1);
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (w->objectName() == QLatin1String("helpWindow") && w->isVisible())
                say("help open");
        }
        frame->runCommand(ID_APP_EXIT);
    }
    say("returned");
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: wsc_signal_child SCENARIO [ARGUMENTS...]\n");
        return 2;
    }
    const QByteArray scenario = argv[1];
    std::vector<char*> args = {argv[0]};
    for (int i = 2; i < argc; ++i)
        args.push_back(argv[i]);
    int count = static_cast<int>(args.size());
    args.push_back(nullptr);
    return RunProgram(count, args.data(), [scenario](CWscalcApp& app) {
        auto* watch = new QTimer(qApp);
        watch->setInterval(20);
        QObject::connect(watch, &QTimer::timeout, [watch, scenario] {
            QWidget* modal = QApplication::activeModalWidget();
            if (!modal)
                return;
            watch->stop();
            if (scenario == "maintenance")
                typeInto(modal);
            say("open " + QByteArray(modal->metaObject()->className()));
        });
        watch->start();
        if (scenario != "startup")
            QTimer::singleShot(0, qApp, [scenario, &app] { drive(scenario, app); });
    });
}
