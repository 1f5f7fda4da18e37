#include "AppFixture.h"

#include "app/about/CAboutBoxDlg.h"
#include "app/about/CCreditsDlg.h"
#include "app/about/CTipOfTheDayDlg.h"
#include "app/options/CWSOptionsSheet.h"
#include "core/settings/MessageCatalog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QToolButton>
#include <QtTest/QTest>

namespace wsc {
namespace {

// Tools > Options driven through its real controls while the runner holds it open.
class OptionsSheet : public test::FormFixture {
protected:
    // Runs Tools > Options; `body` works the sheet and returns how it closed.
    void runOptions(const std::function<void(CWSOptionsSheet&)>& body) {
        m_runner.onDialog = [body](QDialog& d) {
            auto* sheet = dynamic_cast<CWSOptionsSheet*>(&d);
            if (!sheet)
                return int(QDialog::Rejected);
            sheet->show();
            body(*sheet);
            return sheet->result();
        };
        frame().runCommand(ID_TOOLS_OPTIONS);
        m_runner.onDialog = nullptr;
    }
    static void click(QAbstractButton* b) { QTest::mouseClick(b, Qt::LeftButton); }
};

TEST_F(OptionsSheet, TheWrongDatabaseIsRefusedAndAnIncompleteToolKeepsThePage) {
    openSamples();
    const QString dataFile = m_profile.text(Setting::DefaultDataFile);
    m_profile.setText(Setting::DefaultRecipeFile, m_file);
    runOptions([&](CWSOptionsSheet& sheet) {
        sheet.tabs()->setCurrentIndex(CWSOptionsSheet::LocationsPage);
        CWSOptions_Locations* page = sheet.locations();
        EXPECT_EQ(page->recipeFile()->text(), m_file);

        // The Data database chosen as the recipe file: refused, the box keeps its text.
        m_runner.files.push_back(dataFile);
        click(page->browseRecipe());
        ASSERT_EQ(m_prompter.shown().size(), 1u);
        EXPECT_EQ(m_prompter.shown()[0].text, MessageCatalog::format(171, {dataFile}));
        EXPECT_EQ(page->recipeFile()->text(), m_file);
        m_prompter.clear();

        // Tool 2 with a name and no path: the page cannot be left.
        page->toolName(1)->setText(QStringLiteral("Spreadsheet"));
        sheet.tabs()->setCurrentIndex(CWSOptionsSheet::HintsPage);
        EXPECT_EQ(sheet.tabs()->currentIndex(), int(CWSOptionsSheet::LocationsPage));
        ASSERT_EQ(m_prompter.shown().size(), 1u);
        EXPECT_EQ(m_prompter.shown()[0].text,
                  QStringLiteral("Data Error:\nTool 2 is invalid.  Please enter both a name and "
                                 "path."));
        // The window's focus child, whether or not the window is the active one.
        EXPECT_EQ(sheet.focusWidget(), page->toolName(1));
        click(sheet.okButton());
        EXPECT_TRUE(sheet.isVisible());
        EXPECT_EQ(m_prompter.shown().size(), 2u);

        // Cleared again, it is valid; OK writes the page.
        page->toolName(1)->clear();
        page->toolName(2)->setText(QStringLiteral("Editor"));
        page->toolPath(2)->setText(QStringLiteral("/usr/bin/editor"));
        click(sheet.okButton());
        EXPECT_EQ(sheet.result(), int(QDialog::Accepted));
    });
    EXPECT_EQ(m_profile.text(Setting::NameTool3), QStringLiteral("Editor"));
    EXPECT_EQ(m_profile.text(Setting::PathTool3), QStringLiteral("/usr/bin/editor"));
    EXPECT_EQ(m_profile.text(Setting::NameTool2), QString());
    EXPECT_EQ(m_profile.text(Setting::DefaultRecipeFile), m_file);
}

TEST_F(OptionsSheet, WarningsNeedAConfirmationAndTheFormFollowsAtOnce) {
    openSamples();
    ASSERT_TRUE(form()->commands().preferences().displayWarnings);
    runOptions([&](CWSOptionsSheet& sheet) {
        CWSOptions_Preferences* page = sheet.preferences();
        // No skill stored: nothing chosen.
        EXPECT_EQ(page->skillList()->currentIndex(), -1);
        EXPECT_FALSE(page->scrollButton(0)->isEnabled());
        EXPECT_TRUE(page->scrollButton(0)->isChecked());

        m_prompter.queue(PromptAnswer::Cancel);
        click(page->deleteWarnings());
        ASSERT_EQ(m_prompter.shown().size(), 1u);
        EXPECT_EQ(m_prompter.shown()[0].text,
                  QStringLiteral("Please confirm that you do not want to be forewarned\nbefore "
                                 "data is deleted."));
        EXPECT_TRUE(page->deleteWarnings()->isChecked());

        m_prompter.queue(PromptAnswer::Ok);
        click(page->warnings());
        EXPECT_FALSE(page->warnings()->isChecked());
        // Turning one on again asks nothing.
        click(page->toolTips());
        click(page->toolTips());
        EXPECT_EQ(m_prompter.shown().size(), 2u);
        click(sheet.okButton());
    });
    EXPECT_EQ(m_profile.integer(Setting::DisplayDeleteWarnings), 1);
    EXPECT_EQ(m_profile.integer(Setting::DisplayWarnings), 0);
    EXPECT_EQ(m_profile.text(Setting::UserSkill), QString());
    EXPECT_FALSE(form()->commands().preferences().displayWarnings);
}

TEST_F(OptionsSheet, CancelKeepsEverythingAndTheSheetOpensWithoutADatabase) {
    start({QStringLiteral("/s")});
    ASSERT_EQ(frame().recipeForm(), nullptr);
    runOptions([&](CWSOptionsSheet& sheet) {
        EXPECT_EQ(sheet.windowTitle(), QStringLiteral("Wortsmith Calculator Options"));
        sheet.preferences()->viewList()->setCurrentIndex(1);
        click(sheet.cancelButton());
    });
    EXPECT_EQ(m_runner.dialogs, QStringList{QStringLiteral("wsc::CWSOptionsSheet")});
    EXPECT_FALSE(m_profile.contains(Setting::View));
}

class TipAndAbout : public test::FormFixture {
protected:
    QString writeTips(const QByteArray& content) {
        m_tipsFile = path(QStringLiteral("tips.txt"));
        QFile f(m_tipsFile);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(content);
        return m_tipsFile;
    }
    int tipsShown() const {
        return int(m_runner.dialogs.count(QStringLiteral("wsc::CTipOfTheDayDlg")));
    }
};

TEST_F(TipAndAbout, UntickedAtCloseTheTipIsNotShownAtTheNextStart) {
    writeTips("; tips\nFirst tip\nSecond tip\n");
    m_profile.setInteger(Setting::TipStartUp, 0);
    m_runner.onDialog = [](QDialog& d) {
        auto* tip = dynamic_cast<CTipOfTheDayDlg*>(&d);
        if (!tip)
            return int(QDialog::Rejected);
        EXPECT_EQ(tip->tipLabel()->text(), QStringLiteral("First tip"));
        EXPECT_TRUE(tip->startUpBox()->isChecked());
        QTest::mouseClick(tip->nextButton(), Qt::LeftButton);
        EXPECT_EQ(tip->tipLabel()->text(), QStringLiteral("Second tip"));
        QTest::mouseClick(tip->startUpBox(), Qt::LeftButton);
        QTest::mouseClick(tip->closeButton(), Qt::LeftButton);
        return tip->result();
    };
    openSamples();
    EXPECT_EQ(tipsShown(), 1);
    EXPECT_EQ(m_profile.integer(Setting::TipStartUp), 1);

    m_app.reset();
    m_runner.dialogs.clear();
    openSamples();
    EXPECT_EQ(tipsShown(), 0);
    // From the Help menu it still shows, continuing after the last tip shown.
    m_runner.onDialog = [](QDialog& d) {
        if (auto* tip = dynamic_cast<CTipOfTheDayDlg*>(&d)) {
            EXPECT_EQ(tip->tipLabel()->text(), QStringLiteral("First tip"));
        }
        return int(QDialog::Rejected);
    };
    frame().runCommand(ID_TIP_OF_THE_DAY);
    EXPECT_EQ(tipsShown(), 1);
}

TEST_F(TipAndAbout, AMissingTipsFileIsReportedOnceAtStartUp) {
    m_tipsFile = path(QStringLiteral("no-tips.txt"));
    m_profile.setInteger(Setting::TipStartUp, 0);
    m_runner.onDialog = [this](QDialog& d) {
        auto* tip = dynamic_cast<CTipOfTheDayDlg*>(&d);
        if (tip && !QFileInfo::exists(m_tipsFile)) {
            EXPECT_EQ(tip->tipLabel()->text(), QString::fromLatin1(TipsFile::kMissing));
            EXPECT_FALSE(tip->nextButton()->isEnabled());
        }
        return int(QDialog::Rejected);
    };
    openSamples();
    EXPECT_EQ(tipsShown(), 1);
    m_app.reset();
    openSamples();
    EXPECT_EQ(tipsShown(), 1);
    // Once the file is back, the tips return.
    writeTips("Back again\n");
    m_app.reset();
    openSamples();
    EXPECT_EQ(tipsShown(), 2);
}

TEST_F(TipAndAbout, TheAboutBoxShowsTheBuildAndHandsOnlyAddressesToTheDesktop) {
    openSamples();
    m_runner.onDialog = [this](QDialog& d) {
        auto* about = dynamic_cast<CAboutBoxDlg*>(&d);
        if (!about)
            return int(QDialog::Rejected);
        EXPECT_EQ(about->windowTitle(), QStringLiteral("About Wortsmith Calculator"));
        EXPECT_EQ(about->productLine()->text(),
                  QStringLiteral("Wortsmith Calculator  Product Version " WSC_VERSION));
        EXPECT_EQ(about->fileLine()->text(), QStringLiteral("File Version " WSC_VERSION));
        EXPECT_TRUE(about->emailLabel()->linkMode());
        EXPECT_EQ(about->emailLabel()->textColor(), QColor(0, 0, 255));
        EXPECT_TRUE(about->emailLabel()->font().underline());

        QTest::mouseClick(about->emailLabel(), Qt::LeftButton);
        QTest::mouseClick(about->webIcon(), Qt::LeftButton);
        EXPECT_EQ(m_runner.urls,
                  (QStringList{QStringLiteral("mailto:support@quillbarrow.example"),
                               QStringLiteral("https://www.quillbarrow.example/wortsmith")}));
        // A label whose text is a program or a file never reaches the desktop.
        for (const char* text : {"/usr/bin/xterm", "file:///etc/passwd", "javascript:alert(1)"}) {
            about->webLabel()->setText(QString::fromLatin1(text));
            QTest::mouseClick(about->webLabel(), Qt::LeftButton);
        }
        EXPECT_EQ(m_runner.urls.size(), 2);
        EXPECT_EQ(m_prompter.shown().size(), 3u);
        m_prompter.clear();

        // The desktop could not open the address: the support message with the telephone.
        m_runner.openUrlResult = false;
        QTest::mouseClick(about->emailIcon(), Qt::LeftButton);
        EXPECT_EQ(m_prompter.shown().size(), 1u);
        if (m_prompter.shown().empty())
            return int(QDialog::Rejected);
        EXPECT_TRUE(m_prompter.shown()[0].text.startsWith(
            QLatin1String("Support Program Error:\nAn error occurred while trying to contact\n")));
        EXPECT_TRUE(m_prompter.shown()[0].text.contains(QLatin1String(CAboutBoxDlg::kPhone)));
        // Why it failed, not a number that means nothing here.
        EXPECT_TRUE(m_prompter.shown()[0].text.endsWith(
            QLatin1String("Error = the desktop has no program set up for web addresses")))
            << m_prompter.shown()[0].text.toStdString();
        m_prompter.clear();

        // System Info: what the running system reports, or the named program.
        QTest::mouseClick(about->systemInfoButton(), Qt::LeftButton);
        EXPECT_EQ(m_prompter.shown().size(), 1u);
        if (m_prompter.shown().size() != 1)
            return int(QDialog::Rejected);
        EXPECT_TRUE(m_prompter.shown()[0].text.contains(QSysInfo::kernelType()));
        m_profile.setText(Setting::MSInfoPath, path(QStringLiteral("no-such-program")));
        QTest::mouseClick(about->systemInfoButton(), Qt::LeftButton);
        EXPECT_EQ(m_prompter.shown().size(), 2u);
        if (m_prompter.shown().size() != 2)
            return int(QDialog::Rejected);
        EXPECT_TRUE(m_prompter.shown()[1].text.contains(path(QStringLiteral("no-such-program"))));

        QTest::mouseClick(about->moreInfoButton(), Qt::LeftButton);
        EXPECT_EQ(m_prompter.shown().back().text, MessageCatalog::text(19));
        QTest::mouseClick(about->creditsButton(), Qt::LeftButton);
        return int(QDialog::Accepted);
    };
    frame().runCommand(ID_APP_ABOUT);
    EXPECT_EQ(m_runner.dialogs, (QStringList{QStringLiteral("wsc::CAboutBoxDlg"),
                                             QStringLiteral("wsc::CCreditsDlg")}));
}

TEST_F(TipAndAbout, TheCreditsScrollRoundAndAMissingBitmapStopsThem) {
    CCreditsDlg credits(m_prompter);
    credits.resize(400, 300);
    credits.show();
    credits.timer().stop();
    int ticks = 0;
    while (credits.roll().taken() <= 46 && ticks < 200000) {
        credits.OnTimer();
        ++ticks;
    }
    EXPECT_EQ(credits.roll().current(), 0) << "after the 46th line the first comes again";
    EXPECT_TRUE(m_prompter.shown().empty());

    CCreditsDlg broken(m_prompter);
    broken.forgetBitmap(QStringLiteral("IDB_MainFrame"));
    ASSERT_TRUE(broken.timer().isActive());
    for (int i = 0; i < 200 && broken.timer().isActive(); ++i)
        broken.OnTimer();
    EXPECT_FALSE(broken.timer().isActive());
    ASSERT_EQ(m_prompter.shown().size(), 1u);
    EXPECT_EQ(m_prompter.shown()[0].text,
              QStringLiteral("Could not find bitmap resource \"IDB_MainFrame\". Be sure to assign "
                             "the bitmap a QUOTED resource name"));
}

} // namespace
} // namespace wsc
