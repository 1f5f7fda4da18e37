#include "AppFixture.h"

#include "app/document/CWscalcFrame.h"
#include "app/form/CLabelView.h"
#include "app/form/CRecipeFormSheet.h"
#include "app/shell/CMainFrame.h"
#include "app/widgets/CControlTipWnd.h"
#include "app/widgets/CInfoStatusBar.h"
#include "app/widgets/Commands.h"
#include "app/widgets/IconFactory.h"
#include "core/db/SqliteConnection.h"
#include "core/document/CWscalcDoc.h"
#include "core/settings/CommandLine.h"
#include "core/settings/WindowPlacement.h"
#include "support/FormParts.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QIcon>
#include <QImage>
#include <QLineEdit>
#include <QMdiArea>
#include <QMenu>
#include <QPixmap>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest/QTest>

#include <sys/stat.h>

namespace wsc {
namespace {

using test::AppFixture;

TEST(CommandLineParse, SwitchesInEitherCaseAndWithEitherMark) {
    const CommandLine upper = CommandLine::parse({QStringLiteral("/L")});
    EXPECT_TRUE(upper.openLast);
    EXPECT_FALSE(upper.noSplash);
    const CommandLine dash = CommandLine::parse({QStringLiteral("-s"), QStringLiteral("x.mdb")});
    EXPECT_TRUE(dash.noSplash);
    EXPECT_EQ(dash.file, QStringLiteral("x.mdb"));
    // An absolute path is a file, not a switch.
    const CommandLine path = CommandLine::parse({QStringLiteral("/home/b/recipes.mdb")});
    EXPECT_EQ(path.file, QStringLiteral("/home/b/recipes.mdb"));
    EXPECT_FALSE(path.openLast);
}

TEST(CommandLineParse, AFileWhoseNameBeginsWithADashIsAFile) {
    QTemporaryDir dir;
    const QString old = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(dir.path()));
    QFile f(QStringLiteral("-old.mdb"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.close();
    const CommandLine there =
        CommandLine::parse({QStringLiteral("/s"), QStringLiteral("-old.mdb")});
    EXPECT_TRUE(there.noSplash);
    EXPECT_EQ(there.file, QStringLiteral("-old.mdb"));
    EXPECT_TRUE(there.unknownSwitches.isEmpty());
    // After "--" every word is a file, there or not.
    const CommandLine after =
        CommandLine::parse({QStringLiteral("--"), QStringLiteral("-l"), QStringLiteral("/s")});
    EXPECT_FALSE(after.openLast);
    EXPECT_FALSE(after.noSplash);
    EXPECT_EQ(after.file, QStringLiteral("-l"));
    // A word that is neither is an unknown switch.
    const CommandLine unknown = CommandLine::parse({QStringLiteral("-new.mdb")});
    EXPECT_TRUE(unknown.file.isEmpty());
    EXPECT_EQ(unknown.unknownSwitches, QStringList{QStringLiteral("-new.mdb")});
    QDir::setCurrent(old);
}

// A command's icon is drawn at the size it is shown in, sharp at each, and greyed when the
// command is off.
TEST(CommandIcons, DrawnAtTheSizeAskedAndGreyedWhenDisabled) {
    const QIcon icon = IconFactory::icon(Glyph::Print);
    ASSERT_FALSE(icon.isNull());
    for (int side : {16, 20, 24, 32, 48}) {
        const QImage normal = icon.pixmap(side, side).toImage();
        EXPECT_EQ(normal.size(), QSize(side, side)) << side;
        int inked = 0;
        for (int y = 0; y < side; ++y)
            for (int x = 0; x < side; ++x)
                inked += qAlpha(normal.pixel(x, y)) > 0 ? 1 : 0;
        EXPECT_GT(inked, side) << side;
    }
    const QImage normal = icon.pixmap(24, 24).toImage();
    const QImage disabled = icon.pixmap(QSize(24, 24), QIcon::Disabled).toImage();
    EXPECT_EQ(disabled.size(), normal.size());
    EXPECT_NE(disabled, normal);
    EXPECT_TRUE(IconFactory::icon(Glyph::None).isNull());
}

int inkedPixels(const QIcon& icon, int side) {
    const QImage image = icon.pixmap(side, side).toImage();
    int inked = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            inked += qAlpha(image.pixel(x, y)) > 0 ? 1 : 0;
    return inked;
}

// Every picture has its artwork: a file missing from the resources, or one that does not
// parse, would draw nothing.
TEST(CommandIcons, EveryGlyphIngredientAndTheWindowHaveArtwork) {
#define WSC_TEST_GLYPH(name, file) std::pair{Glyph::name, #name},
    for (const auto& [glyph, name] : {WSC_GLYPHS(WSC_TEST_GLYPH)})
        EXPECT_GT(inkedPixels(IconFactory::icon(glyph), 24), 24) << name;
#undef WSC_TEST_GLYPH
    QList<QImage> kinds;
    for (int kind = 0; kind < 6; ++kind) {
        EXPECT_GT(inkedPixels(IconFactory::ingredientIcon(kind), 16), 16) << kind;
        kinds << IconFactory::ingredientIcon(kind).pixmap(16, 16).toImage();
    }
    for (int a = 0; a < kinds.size(); ++a)
        for (int b = a + 1; b < kinds.size(); ++b)
            EXPECT_NE(kinds[a], kinds[b]) << a << " and " << b << " look the same";
    // A kind the list does not know is shown as yeast, as the last kind is.
    for (int kind : {-1, 6, 40})
        EXPECT_EQ(IconFactory::ingredientIcon(kind).pixmap(16, 16).toImage(), kinds.last()) << kind;
    EXPECT_GT(inkedPixels(IconFactory::appIcon(), 64), 64 * 8);
}

TEST(WindowPlacementText, TenNumbersOrNothing) {
    const auto p = WindowPlacement::parse(QStringLiteral("2,3,-1,-1,-1,-1,10,20,810,620"));
    ASSERT_TRUE(p);
    EXPECT_EQ(p->showCmd, 3u);
    EXPECT_EQ(p->normalRect(), QRect(10, 20, 800, 600));
    EXPECT_EQ(p->format(), QStringLiteral("2,3,-1,-1,-1,-1,10,20,810,620"));
    EXPECT_FALSE(WindowPlacement::parse(QStringLiteral("2,3,-1,-1,-1,-1,10,20,810")));
    EXPECT_FALSE(WindowPlacement::parse(QStringLiteral("a,3,-1,-1,-1,-1,10,20,810,620")));
    EXPECT_FALSE(WindowPlacement::parse(QString()));
}

class StartUp : public AppFixture {};

TEST_F(StartUp, OpenLastInCapitalsOpensFile1AndDashSSkipsTheSplash) {
    const QString samples = copyShippedSamples();
    m_profile.setText(Setting::RecentFile1, samples);
    CWscalcApp& app = start({QStringLiteral("/L"), QStringLiteral("-s")});
    EXPECT_EQ(app.splash(), nullptr);
    ASSERT_NE(app.mainFrame()->document(), nullptr);
    EXPECT_EQ(app.mainFrame()->document()->GetPathName(), samples);
    ASSERT_NE(app.mainFrame()->recipeForm(), nullptr);
    EXPECT_EQ(test::NameEdit(app.mainFrame()->recipeForm())->text(),
              QStringLiteral("Homestead Bitter"));
    EXPECT_TRUE(m_prompter.shown().empty());
}

TEST_F(StartUp, AnUnknownSwitchIsSaidAndTheFileStillOpens) {
    const QString samples = copyShippedSamples();
    CWscalcApp& app = start({QStringLiteral("/s"), QStringLiteral("-x"), samples});
    ASSERT_NE(app.mainFrame()->document(), nullptr);
    EXPECT_EQ(app.mainFrame()->document()->GetPathName(), samples);
    ASSERT_FALSE(m_prompter.shown().empty());
    EXPECT_TRUE(m_prompter.shown().front().text.startsWith(
        QStringLiteral("Command Line Error:\nThe switch -x is not known")))
        << m_prompter.shown().front().text.toStdString();
}

TEST_F(StartUp, SplashUnlessAsked) {
    CWscalcApp& app = start({});
    EXPECT_NE(app.splash(), nullptr);
    EXPECT_EQ(app.mainFrame()->document(), nullptr);
}

TEST_F(StartUp, OpenLastWithAnEmptyListOpensNothingQuietly) {
    CWscalcApp& app = start({QStringLiteral("/l"), QStringLiteral("/s")});
    EXPECT_EQ(app.mainFrame()->document(), nullptr);
    EXPECT_TRUE(m_prompter.shown().empty());
}

TEST_F(StartUp, OpenLastWithAFileShowsMessage230AndOpensNeither) {
    const QString samples = copyShippedSamples();
    m_profile.setText(Setting::RecentFile1, samples);
    CWscalcApp& app = start({QStringLiteral("/s"), QStringLiteral("/l"), samples});
    EXPECT_EQ(app.mainFrame()->document(), nullptr);
    ASSERT_EQ(m_prompter.ids(), std::vector<int>{230});
    EXPECT_TRUE(m_prompter.last().text.endsWith(QStringLiteral("Database = ") + samples));
}

TEST_F(StartUp, MissingFormSizeGivesAFrame840Wide) {
    m_profile.remove(Setting::RecipeFormSizeMaxX);
    CWscalcApp& app = start({QStringLiteral("/s"), copyShippedSamples()});
    ASSERT_NE(app.mainFrame()->formFrame(), nullptr);
    EXPECT_EQ(app.mainFrame()->formFrame()->width(), 840);
    EXPECT_EQ(app.mainFrame()->formFrame()->height(), 510);
    EXPECT_EQ(app.mainFrame()->formFrame()->pos(), QPoint(0, 0));
    EXPECT_EQ(app.mainFrame()->formFrame()->windowTitle(), QStringLiteral("Recipe Form"));
}

TEST_F(StartUp, ADataDatabaseOnTheCommandLineIsRefusedAndTheProgramRuns) {
    CWscalcApp& app = start({QStringLiteral("/s"), copyShippedData(QStringLiteral("d.mdb"))});
    EXPECT_EQ(app.mainFrame()->document(), nullptr);
    EXPECT_EQ(m_prompter.ids(), std::vector<int>{168});
    EXPECT_TRUE(app.mainFrame()->isVisible());
}

TEST_F(StartUp, ShippedDataDatabaseBecomesTheDefaultWhenNoneIsSet) {
    m_profile.remove(Setting::DefaultDataFile);
    const QString shipped = copyShippedData(QStringLiteral("shipped.mdb"));
    CWscalcApp::Environment env;
    env.profile = &m_profile;
    env.prompter = &m_prompter;
    env.runner = &m_runner;
    env.help = &m_help;
    env.shippedDataFile = shipped;
    CWscalcApp app(env);
    app.InitInstance({QStringLiteral("/s")});
    EXPECT_EQ(m_profile.text(Setting::DefaultDataFile), shipped);
}

// A settings file that is a FIFO would hold the program at its start: it is said once the
// window is up, and the program works on with settings of its own for the run.
TEST_F(StartUp, ASettingsFileThatIsAFifoIsSaidAndTheProgramRuns) {
    const QString pipe = path(QStringLiteral("settings.conf"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0644), 0);
    ProfileStore profile(pipe);
    CWscalcApp::Environment env;
    env.profile = &profile;
    env.prompter = &m_prompter;
    env.runner = &m_runner;
    env.help = &m_help;
    CWscalcApp app(env);
    app.InitInstance({QStringLiteral("/s"), copyShippedSamples()});
    ASSERT_FALSE(m_prompter.shown().empty());
    EXPECT_EQ(m_prompter.shown().front().text, profile.refusal());
    EXPECT_TRUE(profile.refusal().contains(QLatin1String("is a FIFO (named pipe), not a file")));
    EXPECT_TRUE(app.mainFrame()->isVisible());
    ASSERT_NE(app.mainFrame()->document(), nullptr);
}

class MainFrame : public AppFixture {
protected:
    CMainFrame& frame() { return *m_app->mainFrame(); }
};

TEST_F(MainFrame, ToolsMenuShowsPlaceholdersUntilNamed) {
    start({QStringLiteral("/s")});
    frame().updateToolsMenu();
    for (int n = 0; n < 3; ++n) {
        QAction* a = frame().action(ID_TOOLS_TOOL1 + n);
        EXPECT_EQ(a->text(), QStringLiteral("Tool %1").arg(n + 1));
        EXPECT_FALSE(a->isEnabled());
    }
    m_profile.setText(Setting::NameTool2, QStringLiteral("Spreadsheet"));
    m_profile.setText(Setting::PathTool2, path(QStringLiteral("no-such-program")));
    frame().updateToolsMenu();
    frame().updateCommandStates();
    QAction* tool2 = frame().action(ID_TOOLS_TOOL2);
    EXPECT_EQ(tool2->text(), QStringLiteral("Spreadsheet"));
    EXPECT_TRUE(tool2->isEnabled());
    frame().runCommand(ID_TOOLS_TOOL2);
    ASSERT_EQ(m_prompter.ids(), std::vector<int>{78});
    EXPECT_TRUE(m_prompter.last().text.endsWith(QStringLiteral("Tool=") +
                                                path(QStringLiteral("no-such-program")) +
                                                QStringLiteral("\nFile=")));
}

TEST_F(MainFrame, StatusBarLineButtonsFollowTheCurrentLine) {
    start({QStringLiteral("/s")});
    CInfoStatusBar* bar = frame().infoStatusBar();
    QToolButton* prev = bar->button(CInfoStatusBar::kPrevLineId);
    QToolButton* next = bar->button(CInfoStatusBar::kNextLineId);
    QToolButton* help = bar->button(CInfoStatusBar::kHelpId);
    EXPECT_FALSE(prev->isEnabled());
    EXPECT_FALSE(help->isEnabled());
    bar->AddLine(QStringLiteral("one"), false, false);
    bar->AddLine(QStringLiteral("two"), false, false);
    bar->AddLine(QStringLiteral("three"), true, false);
    EXPECT_FALSE(prev->isEnabled());
    EXPECT_TRUE(next->isEnabled());
    EXPECT_EQ(bar->textPane(), QStringLiteral("one"));
    next->click();
    next->click();
    EXPECT_TRUE(prev->isEnabled());
    EXPECT_FALSE(next->isEnabled());
    EXPECT_EQ(bar->textPane(), QStringLiteral("three"));
    help->click();
    EXPECT_EQ(m_help.contexts, std::vector<int>{98338});
    bar->RemoveLine(2, true);
    EXPECT_EQ(bar->textPane(), QStringLiteral("one"));
    bar->ClearLines(true);
    EXPECT_FALSE(help->isEnabled());
    EXPECT_TRUE(bar->textPane().isEmpty());
    EXPECT_EQ(bar->toolTip(), QStringLiteral("Current recipe's target style info"));
}

TEST_F(MainFrame, FormShowsTheTargetStyleLinesWithTheLastCurrent) {
    start({QStringLiteral("/s"), copyShippedSamples()});
    CInfoStatusBar* bar = frame().infoStatusBar();
    ASSERT_EQ(bar->lines().size(), 4);
    EXPECT_TRUE(bar->lines().at(0).startsWith(QStringLiteral("Target Specific Gravity 1.0")));
    EXPECT_TRUE(bar->lines().at(2).startsWith(QStringLiteral("Target IBU ")));
    EXPECT_EQ(bar->currentLine(), 3);
    EXPECT_FALSE(bar->progressVisible());
}

TEST_F(MainFrame, MaximisedWindowIsMaximisedAgainAtTheNextStart) {
    start({QStringLiteral("/s")});
    frame().showMaximized();
    frame().close();
    const auto saved = WindowPlacement::parse(m_profile.text(Setting::WindowPos));
    ASSERT_TRUE(saved);
    EXPECT_EQ(saved->flags, WindowPlacement::kRestoreToMaximized);
    m_app.reset();
    start({QStringLiteral("/s")});
    EXPECT_TRUE(frame().windowState() & Qt::WindowMaximized);
}

TEST_F(MainFrame, BadWindowPosIsIgnored) {
    m_profile.setText(Setting::WindowPos, QStringLiteral("1,2,3"));
    start({QStringLiteral("/s")});
    EXPECT_FALSE(frame().windowState() & Qt::WindowMaximized);
    EXPECT_TRUE(frame().isVisible());
}

TEST_F(MainFrame, OneRecipeDatabaseAtATime) {
    start({QStringLiteral("/s"), copyShippedSamples()});
    EXPECT_FALSE(frame().OpenDocumentFile(copyShippedSamples(QStringLiteral("second.mdb"))));
    frame().runCommand(ID_FILE_OPEN);
    EXPECT_EQ(m_prompter.ids(), (std::vector<int>{72, 72}));
    EXPECT_FALSE(frame().isCommandEnabled(ID_FILE_COMPRESS));
    EXPECT_FALSE(frame().isCommandEnabled(ID_FILE_REPAIR));
}

TEST_F(MainFrame, FileOpenWithNoDatabaseUsesTheChooser) {
    start({QStringLiteral("/s")});
    EXPECT_FALSE(frame().isCommandEnabled(ID_RECORD_NEXT));
    m_runner.files.push_back(copyShippedSamples());
    frame().runCommand(ID_FILE_OPEN);
    ASSERT_NE(frame().recipeForm(), nullptr);
    EXPECT_TRUE(frame().isCommandEnabled(ID_RECORD_NEXT));
    EXPECT_EQ(m_profile.text(Setting::RecentFile1), path(QStringLiteral("shipped-samples.mdb")));
}

TEST_F(MainFrame, ViewCommands) {
    start({QStringLiteral("/s")});
    // Without a database the views have nothing to show: their tool buttons are off, as their
    // menu items are absent.
    for (int id : {ID_VIEW_RECIPE_FORM, ID_VIEW_RECIPE_LOG, ID_VIEW_RECIPE_LABEL}) {
        EXPECT_FALSE(frame().action(id)->isEnabled()) << id;
        frame().runCommand(id);
    }
    EXPECT_TRUE(m_prompter.shown().empty());

    ASSERT_TRUE(frame().OpenDocumentFile(copyShippedSamples()));
    for (int id : {ID_VIEW_RECIPE_FORM, ID_VIEW_RECIPE_LOG, ID_VIEW_RECIPE_LABEL})
        EXPECT_TRUE(frame().action(id)->isEnabled()) << id;
    frame().runCommand(ID_VIEW_RECIPE_FORM);
    EXPECT_EQ(frame().mdiArea()->subWindowList().size(), 1);
    frame().runCommand(ID_VIEW_RECIPE_LABEL);
    EXPECT_EQ(m_prompter.ids(), std::vector<int>{19});
}

TEST_F(MainFrame, CloseAsksAboutChangesAndCancelKeepsEverything) {
    start({QStringLiteral("/s"), copyShippedSamples()});
    CRecipeFormSheet* form = frame().recipeForm();
    test::BrewerEdit(form)->setText(QStringLiteral("Changed"));
    m_prompter.queue(PromptAnswer::Cancel);
    EXPECT_FALSE(frame().close());
    EXPECT_EQ(m_prompter.ids(), std::vector<int>{68});
    ASSERT_NE(frame().document(), nullptr);
    EXPECT_FALSE(frame().document()->isClosing());
    EXPECT_EQ(test::BrewerEdit(form)->text(), QStringLiteral("Changed"));

    // Yes commits, then the program ends.
    m_prompter.queue(PromptAnswer::Yes);
    const QString file = frame().document()->GetPathName();
    EXPECT_TRUE(frame().close());
    EXPECT_EQ(frame().document(), nullptr);
    EXPECT_TRUE(m_profile.text(Setting::RecipeFileOpened).isEmpty());
    SqliteConnection c(file, SqliteConnection::Mode::ReadOnly);
    EXPECT_EQ(c.scalar(QStringLiteral("SELECT RecipeBrewer FROM Recipes WHERE RecipeBatchNo=1")),
              QStringLiteral("Changed"));
}

TEST_F(MainFrame, ClosingTheFormFrameWithoutWarningsCommitsTheChange) {
    m_profile.setInteger(Setting::DisplayWarnings, 0);
    start({QStringLiteral("/s"), copyShippedSamples()});
    const QString file = frame().document()->GetPathName();
    test::NameEdit(frame().recipeForm())->setText(QStringLiteral("Renamed"));
    frame().formFrame()->close();
    QCoreApplication::processEvents();
    EXPECT_EQ(frame().document(), nullptr);
    EXPECT_TRUE(m_prompter.shown().empty());
    SqliteConnection c(file, SqliteConnection::Mode::ReadOnly);
    EXPECT_EQ(c.scalar(QStringLiteral("SELECT RecipeName FROM Recipes WHERE RecipeBatchNo=1")),
              QStringLiteral("Renamed"));
}

} // namespace
} // namespace wsc

namespace wsc {
namespace {

// The left and right edges of what was drawn on a white picture.
std::pair<int, int> inkSpan(const QImage& image) {
    int left = image.width();
    int right = -1;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qGray(image.pixel(x, y)) < 128) {
                left = std::min(left, x);
                right = std::max(right, x);
            }
        }
    }
    return {left, right};
}

TEST(LabelView, BothLinesStayCentredWhenResized) {
    CLabelView view;
    for (int width : {600, 900}) {
        view.resize(width, 200);
        QPalette p = view.palette();
        p.setColor(QPalette::Window, Qt::white);
        p.setColor(QPalette::WindowText, Qt::black);
        view.setPalette(p);
        view.setAutoFillBackground(true);
        const QImage image = view.grab().toImage();
        const auto [left, right] = inkSpan(image);
        ASSERT_GE(right, left);
        EXPECT_NEAR(left + right, width - 1, 4) << width;
    }
}

TEST(InfoStatusBar, ProgressCoversTheTextUntilMinusOne) {
    CInfoStatusBar bar;
    bar.SetProgress(10, 100);
    EXPECT_TRUE(bar.progressVisible());
    bar.SetProgress(50, -1);
    EXPECT_TRUE(bar.progressVisible());
    bar.SetProgress(-1, -1);
    EXPECT_FALSE(bar.progressVisible());
    bar.SetPaneText(QStringLiteral("Opening Recipe database..."), 0);
    EXPECT_EQ(bar.currentMessage(), QStringLiteral("Opening Recipe database..."));
}

} // namespace
} // namespace wsc

namespace wsc {
namespace {

TEST_F(MainFrame, CompressAndRepairAskForAFileAndReport) {
    start({QStringLiteral("/s")});
    const QString file = copyShippedSamples(QStringLiteral("to-compress.mdb"));
    m_runner.files.push_back(file);
    frame().runCommand(ID_FILE_COMPRESS);
    ASSERT_EQ(m_prompter.ids(), std::vector<int>{4});
    EXPECT_EQ(m_prompter.last().text,
              QStringLiteral("Support Program Message:\nThe compress of the data base (") + file +
                  QStringLiteral(") was successful."));
    m_runner.files.push_back(file);
    frame().runCommand(ID_FILE_REPAIR);
    EXPECT_TRUE(m_prompter.last().text.contains(QStringLiteral("The repair of the data base")));
    // Cancelled: nothing happens.
    m_prompter.clear();
    frame().runCommand(ID_FILE_COMPRESS);
    EXPECT_TRUE(m_prompter.shown().empty());
}

TEST_F(MainFrame, AnEmptyRecipeDatabaseShowsNoRecipeUntilOneIsAdded) {
    start({QStringLiteral("/s"), makeRecipeDb(QStringLiteral("empty.mdb"))});
    CRecipeFormSheet* form = frame().recipeForm();
    ASSERT_NE(form, nullptr);
    EXPECT_TRUE(test::NameEdit(form)->text().isEmpty());
    EXPECT_FALSE(test::NameEdit(form)->isEnabled());
    frame().runCommand(ID_RECORD_NEXT);
    EXPECT_TRUE(m_prompter.shown().empty());
    frame().runCommand(ID_RECORD_ADD);
    EXPECT_EQ(test::NameEdit(form)->text(), QStringLiteral("<new recipe>"));
    EXPECT_EQ(test::BatchEdit(form)->text(), QStringLiteral("1"));
    EXPECT_TRUE(test::NameEdit(form)->isEnabled());
}

} // namespace
} // namespace wsc

namespace wsc {
namespace {

TEST_F(MainFrame, TheFormFramesCloseItemIsGreyed) {
    start({QStringLiteral("/s"), copyShippedSamples()});
    bool found = false;
    for (QAction* a : frame().formFrame()->systemMenu()->actions()) {
        if (a->text().contains(QStringLiteral("Close"), Qt::CaseInsensitive)) {
            found = true;
            EXPECT_FALSE(a->isEnabled());
        }
    }
    EXPECT_TRUE(found);
}

} // namespace
} // namespace wsc

namespace wsc {
namespace {

TEST(ControlTips, ShowAfterTheDelayAndGoOnAKey) {
    QWidget owner;
    auto* edit = new QLineEdit(&owner);
    owner.resize(200, 60);
    owner.show();
    CControlTipWnd tips(&owner);
    ASSERT_TRUE(tips.AddTool(edit, 131));
    EXPECT_FALSE(tips.AddTool(edit, 195)); // once per control
    QEvent enter(QEvent::Enter);
    QCoreApplication::sendEvent(edit, &enter);
    EXPECT_FALSE(tips.isTipShown());
    EXPECT_TRUE(QTest::qWaitFor([&] { return tips.isTipShown(); }, 10000));
    EXPECT_EQ(tips.shownText(), QStringLiteral("Enter a name\nUp to 50 characters"));
    QTest::keyClick(edit, Qt::Key_A);
    EXPECT_FALSE(tips.isTipShown());

    tips.setActive(false);
    QEvent again(QEvent::Enter);
    QCoreApplication::sendEvent(edit, &again);
    QTest::qWait(CControlTipWnd::kShowDelayMs + 150);
    EXPECT_FALSE(tips.isTipShown());
}

} // namespace
} // namespace wsc
