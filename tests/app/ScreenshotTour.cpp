#include "AppFixture.h"

#include "form/CRecipeFormSheet.h"
#include "form/CRecipePropertySheet.h"
#include "shell/CMainFrame.h"
#include "shell/Commands.h"

#include <QDir>
#include <QPixmap>

namespace wsc {
namespace {

// Not a check: with WSC_SCREENSHOT_DIR set, saves a picture of the main window on each page
// of the recipe form, for looking at the program as a user would.
class ScreenshotTour : public test::AppFixture {};

TEST_F(ScreenshotTour, EveryPageOfTheRecipeForm) {
    const QString dir = qEnvironmentVariable("WSC_SCREENSHOT_DIR");
    if (dir.isEmpty())
        GTEST_SKIP() << "set WSC_SCREENSHOT_DIR to save the pictures";
    start({QStringLiteral("/s"), copyShippedSamples()});
    CMainFrame& frame = *m_app->mainFrame();
    frame.resize(1000, 720);
    frame.runCommand(ID_RECORD_LAST);
    CRecipeFormSheet* form = frame.recipeForm();
    for (int page = 0; page < form->sheet()->count(); ++page) {
        form->sheet()->SetActivePage(page);
        frame.grab().save(QDir(dir).filePath(QStringLiteral("page%1.png").arg(page)));
    }
}

} // namespace
} // namespace wsc
