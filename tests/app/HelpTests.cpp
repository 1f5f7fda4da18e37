#include "AppFixture.h"

#include "app/form/CRecipePage.h"
#include "app/form/CRecipePropertySheet.h"
#include "app/help/HelpWindow.h"
#include "app/help/QtHelpService.h"
#include "app/options/CWSOptionsSheet.h"
#include "app/widgets/QtPrompter.h"
#include "core/help/HelpContexts.h"
#include "core/settings/MessageCatalog.h"
#include "support/FormParts.h"

#include <QApplication>
#include <QHelpEngine>
#include <QHelpLink>
#include <QHelpSearchEngine>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTimer>
#include <QtTest/QTest>

namespace wsc {
namespace {

class Help : public test::DbFixture {
protected:
    Help() : m_service(m_prompter, QStringLiteral(WSC_HELP_FILE), path(QStringLiteral("cache"))) {}
    // The text of a topic as the help window shows it, without its markup.
    QString topicText(const QUrl& url) {
        HelpBrowser browser(*m_service.engine(), nullptr);
        browser.setSource(url);
        return browser.toPlainText();
    }
    QtHelpService m_service;
};

TEST_F(Help, EveryContextTheProgramAsksForHasATopicOfItsOwn) {
    ASSERT_NE(m_service.engine(), nullptr);
    const QUrl contents = m_service.contentsUrl();
    ASSERT_FALSE(contents.isEmpty());
    std::vector<std::pair<int, QString>> asked;
    for (const HelpContextUse& u : WindowHelpContexts())
        asked.emplace_back(u.context, QString::fromLatin1(u.askedBy));
    for (int id : MessageHelpContexts())
        asked.emplace_back(id, MessageCatalog::text(id).left(40));
    for (const auto& [context, what] : asked) {
        const QUrl url = m_service.topicUrl(context);
        ASSERT_FALSE(url.isEmpty()) << context << " (" << what.toStdString() << ") has no topic";
        EXPECT_NE(url, contents) << context;
        EXPECT_TRUE(m_service.hasTopic(context));
        const QString text = topicText(url);
        EXPECT_GT(text.size(), 200) << context << " " << url.toString().toStdString();
    }
}

TEST_F(Help, AnUnknownContextOpensTheContentsAndTheHopsTopicTeaches) {
    m_service.show(4242);
    ASSERT_NE(m_service.window(), nullptr);
    EXPECT_TRUE(m_service.window()->isVisible());
    EXPECT_EQ(m_service.window()->browser()->source(), m_service.contentsUrl());
    EXPECT_FALSE(m_service.hasTopic(4242));
    EXPECT_TRUE(m_prompter.shown().empty());

    m_service.show(HelpContext::kHops);
    const QString hops = m_service.window()->browser()->toPlainText();
    EXPECT_TRUE(hops.contains(QLatin1String("alpha acid")));
    EXPECT_TRUE(hops.contains(QLatin1String("utilisation")));
    // Back returns to the contents.
    m_service.window()->browser()->backward();
    EXPECT_EQ(m_service.window()->browser()->source(), m_service.contentsUrl());
}

TEST_F(Help, TheIndexAndTheFullTextSearchFindTopics) {
    QHelpEngine* engine = m_service.engine();
    ASSERT_NE(engine, nullptr);
    const QList<QHelpLink> hops = engine->documentsForKeyword(QStringLiteral("Hops"));
    ASSERT_FALSE(hops.isEmpty());
    EXPECT_EQ(hops.front().url, m_service.topicUrl(HelpContext::kHops));

    // The index is built in the background once the help is set up; wait until every run of
    // the indexer has finished.
    QHelpSearchEngine* search = engine->searchEngine();
    QSignalSpy started(search, &QHelpSearchEngine::indexingStarted);
    QSignalSpy finished(search, &QHelpSearchEngine::indexingFinished);
    for (int waited = 0; waited < 30000; waited += 50) {
        QTest::qWait(50);
        if (!started.isEmpty() && finished.count() >= started.count()) {
            QTest::qWait(300);
            if (finished.count() >= started.count())
                break;
        }
    }
    ASSERT_FALSE(finished.isEmpty());
    QSignalSpy searched(search, &QHelpSearchEngine::searchingFinished);
    search->search(QStringLiteral("flocculation"));
    ASSERT_TRUE(searched.count() > 0 || searched.wait(20000));
    const int hits = search->searchResultCount();
    ASSERT_GT(hits, 0);
    QStringList found;
    for (const QHelpSearchResult& r : search->searchResults(0, hits))
        found << r.url().fileName();
    EXPECT_TRUE(found.contains(QStringLiteral("yeast.html"))) << found.join(u' ').toStdString();
}

TEST_F(Help, TheIndexNamesTheBrewersWordsAndLookForIsAKey) {
    QHelpEngine* engine = m_service.engine();
    ASSERT_NE(engine, nullptr);
    for (const char* word :
         {"IBU (International Bitterness Units)", "HBU (Home Bitterness Units)", "Priming",
          "Carbonation", "Efficiency", "Colour (MCU and SRM)", "Bitterness Calculator",
          "Original Gravity Calculator", "Alcohol Calculator", "Specific Gravity to/from Balling",
          "Alcohol by Volume to/from by Weight"})
        EXPECT_FALSE(engine->documentsForKeyword(QLatin1String(word)).isEmpty()) << word;
    const QList<QHelpLink> hbu =
        engine->documentsForKeyword(QStringLiteral("HBU (Home Bitterness Units)"));
    ASSERT_FALSE(hbu.isEmpty());
    EXPECT_EQ(hbu.front().url.fileName(), QStringLiteral("hops.html"));
    EXPECT_EQ(hbu.front().url.fragment(), QStringLiteral("hbu"));

    HelpWindow window(*engine);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    window.tabs()->setCurrentIndex(1);
    // The label underlines its key rather than showing "&", and Alt+L goes to the filter.
    QLabel* lookFor = nullptr;
    for (QLabel* l : window.findChildren<QLabel*>()) {
        if (l->text() == QLatin1String("&Look for:"))
            lookFor = l;
    }
    ASSERT_NE(lookFor, nullptr);
    EXPECT_EQ(lookFor->buddy(), window.indexFilter());
    window.tabs()->setFocus();
    QTest::keyClick(&window, Qt::Key_L, Qt::AltModifier);
    EXPECT_TRUE(window.indexFilter()->hasFocus());
}

TEST_F(Help, AMissingHelpFileIsSaidInsteadOfOpeningNothing) {
    QtHelpService missing(m_prompter, path(QStringLiteral("none.qch")), path(QStringLiteral("c2")));
    missing.show(HelpContext::kHops);
    ASSERT_EQ(m_prompter.shown().size(), 1u);
    EXPECT_TRUE(m_prompter.shown()[0].text.startsWith(
        QLatin1String("Configuration Error:\nThe help file")));
    EXPECT_FALSE(missing.hasTopic(HelpContext::kHops));
}

TEST_F(Help, AMessageWithATopicOffersHelpThatLeavesTheQuestionOpen) {
    test::RecordingHelpService help;
    QtPrompter prompter;
    prompter.setHelp(&help);
    QMessageBox box;
    prompter.build(
        box,
        Prompt{MessageCatalog::text(221), PromptIcon::Exclamation, PromptButtons::Ok, 221, {}});
    auto* button = box.findChild<QPushButton*>(QStringLiteral("helpButton"));
    ASSERT_NE(button, nullptr);
    box.show();
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_EQ(help.contexts, std::vector<int>{221});
    EXPECT_TRUE(box.isVisible());

    // A text without a string id has no Help button.
    QMessageBox plain;
    prompter.build(
        plain,
        Prompt{QStringLiteral("Anything"), PromptIcon::Information, PromptButtons::Ok, 0, {}});
    EXPECT_EQ(plain.findChild<QPushButton*>(QStringLiteral("helpButton")), nullptr);
}

// Escape closes every message box as its closing button would, also one with a Help button
// beside OK, whose box has no button of its own to close with.
TEST_F(Help, EscapeClosesEveryMessageBox) {
    test::RecordingHelpService help;
    QtPrompter prompter;
    prompter.setHelp(&help);
    const std::pair<PromptButtons, PromptAnswer> cases[] = {
        {PromptButtons::Ok, PromptAnswer::Ok},
        {PromptButtons::OkCancel, PromptAnswer::Cancel},
        {PromptButtons::YesNo, PromptAnswer::No},
        {PromptButtons::YesNoCancel, PromptAnswer::Cancel},
    };
    for (const auto& [buttons, answer] : cases) {
        bool pressed = false;
        QTimer press;
        press.setInterval(10);
        QObject::connect(&press, &QTimer::timeout, [&] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                if (!pressed) {
                    pressed = true;
                    EXPECT_NE(box->findChild<QPushButton*>(QStringLiteral("helpButton")), nullptr);
                    QTest::keyClick(box, Qt::Key_Escape);
                } else {
                    // Escape did nothing: the box is closed so the test can go on.
                    box->done(QMessageBox::Yes);
                }
            }
        });
        press.start();
        const PromptAnswer got = prompter.show(
            Prompt{MessageCatalog::text(221), PromptIcon::Exclamation, buttons, 221, {}});
        EXPECT_TRUE(pressed);
        EXPECT_EQ(static_cast<int>(got), static_cast<int>(answer))
            << "buttons " << static_cast<int>(buttons);
    }
}

// F1 pressed on real widgets of the running program.
class HelpKeyPress : public test::FormFixture {};

TEST_F(HelpKeyPress, F1OpensTheTopicOfThePageOrDialogWithTheFocus) {
    openSamples();
    test::Sheet(form())->SetActivePage(2);
    form()->window()->show();
    CRecipePage* mash = test::Sheet(form())->page(2);
    auto* edit = mash->findChild<QLineEdit*>();
    ASSERT_NE(edit, nullptr);
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_F1);
    ASSERT_FALSE(m_help.contexts.empty());
    EXPECT_EQ(m_help.contexts.back(), HelpContext::kMash);

    m_runner.onDialog = [this](QDialog& d) {
        auto* sheet = dynamic_cast<CWSOptionsSheet*>(&d);
        if (!sheet)
            return int(QDialog::Rejected);
        sheet->show();
        sheet->tabs()->setCurrentIndex(CWSOptionsSheet::LocationsPage);
        QLineEdit* name = sheet->locations()->toolName(0);
        name->setFocus();
        QTest::keyClick(name, Qt::Key_F1);
        EXPECT_EQ(m_help.contexts.back(), HelpContext::kOptionsLocations);
        // The sheet's Help button opens the page shown.
        QTest::mouseClick(sheet->helpButton(), Qt::LeftButton);
        EXPECT_EQ(m_help.contexts.back(), HelpContext::kOptionsLocations);
        return int(QDialog::Rejected);
    };
    frame().runCommand(ID_TOOLS_OPTIONS);
    EXPECT_EQ(m_help.contexts.size(), 3u);

    // The Reference menu.
    frame().runCommand(ID_REFERENCE_WATER);
    EXPECT_EQ(m_help.contexts.back(), HelpContext::kWater);
}

} // namespace
} // namespace wsc
