#include "AppFixture.h"

#include "calc/CTargetStyleGrid2.h"
#include "db/SqliteConnection.h"
#include "document/CRecipeLogView.h"
#include "document/CWscalcFrame.h"
#include "form/CRecipeFormSheet.h"
#include "form/CRecipeGrid1.h"
#include "form/CRecipePropertySheet.h"
#include "settings/MessageCatalog.h"
#include "shell/CMainFrame.h"
#include "shell/Commands.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QLineEdit>
#include <QScreen>
#include <QTableWidget>
#include <QtTest/QTest>

#include <csignal>

#include <sys/wait.h>
#include <unistd.h>

namespace wsc {
namespace {

using test::FormFixture;

class Trust : public FormFixture {
protected:
    ~Trust() override { CRecipeFormSheet::setGridLayoutDirectory(QString()); }
    void writeFile(const QString& name, const QByteArray& bytes) {
        QFile f(path(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    QStringList texts() const {
        QStringList all;
        for (const Prompt& p : m_prompter.shown())
            all << p.text;
        return all;
    }
};

TEST_F(Trust, TheLogReadsItsOwnDocumentsFile) {
    openSamples();
    // Another program, or another start of this one, changed the setting meanwhile.
    m_profile.setText(Setting::RecipeFileOpened, makeRecipeDb(QStringLiteral("other.mdb")));
    frame().runCommand(ID_VIEW_RECIPE_LOG);
    ASSERT_NE(frame().recipeLog(), nullptr);
    EXPECT_EQ(frame().recipeLog()->columnTexts(0).size(), 8);
}

TEST_F(Trust, FieldsTheUserDidNotTouchKeepTheirStoredValues) {
    const QString file = copyShippedSamples();
    const QString odd = QStringLiteral(
        "UPDATE Recipes SET RecipeSGOriginal=1.0525, RecipeFermConditioningUnits='Fortnights', "
        "RecipeDateBrewed='2026-03-04T17:45:00', RecipeSystemEfficiencyActual=61.3, "
        "RecipeSystemEfficiencyExpected=72.25 WHERE RecipeID=2");
    execSql(file, odd);
    const QByteArray untouched = test::FileDigest(file);
    open(file);
    // Looking at every recipe and its pages writes nothing. (Coming back to Fermentation
    // Info runs the calculations, which may bring a hop row's stored bitterness up to date.)
    for (int i = 0; i < 8; ++i) {
        for (int page : {0, 1, 2, 4, 5})
            form()->showPage(page);
        frame().runCommand(ID_RECORD_NEXT);
    }
    frame().runCommand(ID_RECORD_FIRST);
    EXPECT_EQ(test::FileDigest(file), untouched);

    // A change to one field writes that field only.
    goToBatch(2);
    form()->brewerEdit()->setFocus();
    form()->brewerEdit()->selectAll();
    QTest::keyClicks(form()->brewerEdit(), QStringLiteral("Typed Brewer"));
    frame().runCommand(ID_RECORD_NEXT);
    EXPECT_EQ(committed(QStringLiteral("SELECT RecipeBrewer FROM Recipes WHERE RecipeID=2")),
              QStringLiteral("Typed Brewer"));
    EXPECT_EQ(committed(QStringLiteral("SELECT RecipeSGOriginal FROM Recipes WHERE RecipeID=2"))
                  .toDouble(),
              1.0525);
    EXPECT_EQ(committed(QStringLiteral("SELECT RecipeFermConditioningUnits FROM Recipes WHERE "
                                       "RecipeID=2")),
              QStringLiteral("Fortnights"));
    EXPECT_EQ(committed(QStringLiteral("SELECT RecipeDateBrewed FROM Recipes WHERE RecipeID=2")),
              QStringLiteral("2026-03-04T17:45:00"));
    EXPECT_EQ(committed(QStringLiteral("SELECT RecipeSystemEfficiencyExpected FROM Recipes WHERE "
                                       "RecipeID=2"))
                  .toDouble(),
              72.25);
}

struct LayoutCase {
    const char* name;
    QByteArray content; // empty: no file at all
    const char* says;
};

class BadLayouts : public Trust, public ::testing::WithParamInterface<LayoutCase> {};

TEST_P(BadLayouts, TheFormOpensWithTheBuiltInLayoutAndSaysWhy) {
    const LayoutCase& c = GetParam();
    const QString dir = path(QStringLiteral("layouts"));
    ASSERT_TRUE(QDir().mkdir(dir));
    if (!c.content.isNull()) {
        QFile f(dir + QStringLiteral("/GWIngredients.gws"));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(c.content);
        QFile t(dir + QStringLiteral("/GWTargetStyle.gws"));
        ASSERT_TRUE(t.open(QIODevice::WriteOnly));
        t.write(c.content);
    }
    CRecipeFormSheet::setGridLayoutDirectory(dir);
    openSamples();
    // open() clears the prompts; the layout message came before.
    m_prompter.clear();
    CRecipeGrid1* grid = form()->grid();
    ASSERT_EQ(grid->sheetCount(), SheetCount);
    EXPECT_EQ(grid->table(SheetHops)->columnCount(), 8);
    goToBatch(2);
    EXPECT_GT(grid->ingredientCount(SheetHops), 0);
    CTargetStyleGrid2 target(dir, &m_prompter);
    EXPECT_EQ(target.sheetCount(), 1);
    ASSERT_EQ(m_prompter.shown().size(), 1u);
    EXPECT_TRUE(m_prompter.last().text.startsWith(QStringLiteral("Configuration Error:")));
    EXPECT_TRUE(m_prompter.last().text.contains(QString::fromLatin1(c.says)))
        << m_prompter.last().text.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Layouts, BadLayouts,
    ::testing::Values(
        LayoutCase{"missing", QByteArray(), "missing or empty"},
        LayoutCase{"empty", QByteArray(""), "missing or empty"},
        LayoutCase{"garbled", QByteArray("\x01\x02 not a layout \xff"), "number of sheets"},
        LayoutCase{"fiveSheets", QByteArray("[Grid]\nSheets=5\n"), "has 5 sheets where"},
        LayoutCase{"sevenSheets", QByteArray("[Grid]\nSheets=7\n"), "has 7 sheets where"},
        LayoutCase{"hugeSheets", QByteArray("[Grid]\nSheets=2147483647\n"), "number of sheets"},
        LayoutCase{"hugeColumns", QByteArray("[Grid]\nSheets=1\n[Sheet0]\nColumns=100000000\n"),
                   "columns it needs"}),
    [](const ::testing::TestParamInfo<LayoutCase>& info) { return std::string(info.param.name); });

TEST_F(Trust, SettingsOfTheWrongSizeOrTypeAreIgnored) {
    m_profile.setText(Setting::RecipeFormSizeMaxX, QStringLiteral("-5"));
    m_profile.setInteger(Setting::RecipeFormSizeMaxY, 999999999);
    m_profile.setText(Setting::RecipeDocSizeMaxX, QStringLiteral("abc"));
    m_profile.setText(Setting::WindowPos,
                      QStringLiteral("0,1,-1,-1,-1,-1,0,0,2000000000,2000000000"));
    openSamples();
    EXPECT_EQ(frame().formFrame()->width(), 840);
    EXPECT_EQ(frame().formFrame()->height(), 510);
    EXPECT_EQ(form()->sizeHint().width(), 815);
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_LE(frame().width(), screen.width());
    EXPECT_LE(frame().height(), screen.height());
}

// The program itself, started as a user starts it and ended from outside.
class Ending : public test::DbFixture, public ::testing::WithParamInterface<int> {};

TEST_P(Ending, ASignalClosesTheDatabaseCleanly) {
    const QString file = copyShippedSamples();
    openFolderToEveryone();
    // The program starts without the Tip of the Day, as a user who turned it off.
    const QString config = path(QStringLiteral("home/config/Quillbarrow Software"));
    ASSERT_TRUE(QDir().mkpath(config));
    QFile settings(config + QStringLiteral("/Wortsmith Calculator.conf"));
    ASSERT_TRUE(settings.open(QIODevice::WriteOnly));
    settings.write("[Tip]\nStartUp=1\n");
    settings.close();
    const pid_t pid = ::fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
        const QByteArray home = QFile::encodeName(path(QStringLiteral("home")));
        ::setenv("HOME", home.constData(), 1);
        ::setenv("XDG_CONFIG_HOME", (home + "/config").constData(), 1);
        ::setenv("XDG_DATA_HOME", (home + "/data").constData(), 1);
        ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
        const QByteArray program(WSC_APP_BINARY);
        const QByteArray database = QFile::encodeName(file);
        ::execl(program.constData(), program.constData(), "/s", database.constData(), nullptr);
        ::_exit(127);
    }
    // The program has the file open once its lock is there.
    const QString lock = file + QStringLiteral(".lock");
    for (int i = 0; i < 200 && !QFileInfo::exists(lock); ++i)
        QTest::qWait(50);
    ASSERT_TRUE(QFileInfo::exists(lock));
    QTest::qWait(200);
    ::kill(pid, GetParam());
    int status = 0;
    pid_t done = 0;
    for (int i = 0; i < 200 && done == 0; ++i) {
        done = ::waitpid(pid, &status, WNOHANG);
        if (done == 0)
            QTest::qWait(50);
    }
    if (done == 0) {
        ::kill(pid, SIGKILL);
        ::waitpid(pid, &status, 0);
        FAIL() << "the program did not end";
    }
    EXPECT_TRUE(WIFEXITED(status)) << "ended by signal " << WTERMSIG(status);
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_TRUE(test::SidecarsOf(file).isEmpty())
        << test::SidecarsOf(file).join(u' ').toStdString();
    SqliteConnection c(file, SqliteConnection::Mode::ReadOnly);
    EXPECT_EQ(c.integrityCheck(), QStringLiteral("ok"));
    EXPECT_EQ(c.scalar(QStringLiteral("SELECT count(*) FROM Recipes")), 8);
}

INSTANTIATE_TEST_SUITE_P(TermAndHangUp, Ending, ::testing::Values(SIGTERM, SIGHUP));

} // namespace
} // namespace wsc
