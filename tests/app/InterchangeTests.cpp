#include "AppFixture.h"
#include "app/shell/RecipeTransfer.h"

#include "core/settings/MessageCatalog.h"
#include "core/settings/WindowTexts.h"
#include "support/FormParts.h"

#include <QCoreApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QLineEdit>
#include <QMimeData>
#include <QUrl>
#include <QtTest/QTest>

#include <sys/stat.h>

namespace wsc {
namespace {

class RecipeFiles : public test::FormFixture {
protected:
    QString writeFile(const QString& name, const QByteArray& content) {
        const QString file = path(name);
        QFile f(file);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(content);
        return file;
    }
};

TEST_F(RecipeFiles, ExportThenImportAddsCommittedRecipesAndShowsTheFirst) {
    openSamples();
    frame().updateCommandStates();
    EXPECT_TRUE(frame().action(ID_FILE_IMPORT_RECIPES)->isEnabled());
    const QString all = path(QStringLiteral("all.xml"));
    m_runner.saveFiles.push_back(path(QStringLiteral("all"))); // the extension is added
    frame().runCommand(ID_FILE_EXPORT_ALL);
    ASSERT_EQ(readFile(all).count("<RECIPE>"), 8);
    goToBatch(3);
    m_runner.saveFiles.push_back(path(QStringLiteral("one.xml")));
    frame().runCommand(ID_FILE_EXPORT_RECIPE);
    EXPECT_EQ(readFile(path(QStringLiteral("one.xml"))).count("<RECIPE>"), 1);
    EXPECT_TRUE(readFile(path(QStringLiteral("one.xml"))).contains("<NAME>Porch Stout</NAME>"));
    m_prompter.clear();

    m_runner.files.push_back(all);
    frame().runCommand(ID_FILE_IMPORT_RECIPES);
    ASSERT_EQ(m_prompter.shown().size(), 1u);
    EXPECT_TRUE(m_prompter.shown()[0].text.contains(QLatin1String("Recipes added: 8")))
        << m_prompter.shown()[0].text.toStdString();
    EXPECT_EQ(committed(QStringLiteral("SELECT count(*) FROM Recipes")), 16);
    EXPECT_EQ(test::NameEdit(form())->text(), QStringLiteral("Homestead Bitter"));
    EXPECT_EQ(form()->currentBatch(), 9);
    // The import is committed: a Refresh on the form does not take it back.
    frame().runCommand(ID_RECORD_REFRESH);
    EXPECT_EQ(committed(QStringLiteral("SELECT count(*) FROM Recipes")), 16);
}

// A file named .json is written as BeerJSON and comes back in by what it holds, whatever it is
// named; a BeerJSON file dropped on the window comes in too.
TEST_F(RecipeFiles, BeerJsonGoesOutByItsNameAndComesInByItsContent) {
    openSamples();
    const QString json = path(QStringLiteral("all.json"));
    m_runner.saveFiles.push_back(json);
    frame().runCommand(ID_FILE_EXPORT_ALL);
    const QByteArray written = readFile(json);
    ASSERT_TRUE(written.startsWith("{\n  \"beerjson\""));
    EXPECT_EQ(written.count("\"batch_size\""), 8);
    // Renamed so that only its content says what it is.
    const QString renamed = path(QStringLiteral("recipes.txt"));
    ASSERT_TRUE(QFile::copy(json, renamed));
    m_prompter.clear();
    m_runner.files.push_back(renamed);
    frame().runCommand(ID_FILE_IMPORT_RECIPES);
    ASSERT_EQ(m_prompter.shown().size(), 1u);
    EXPECT_TRUE(m_prompter.shown()[0].text.contains(QLatin1String("Recipes added: 8")))
        << m_prompter.shown()[0].text.toStdString();
    EXPECT_EQ(committed(QStringLiteral("SELECT count(*) FROM Recipes")), 16);
    EXPECT_EQ(test::NameEdit(form())->text(), QStringLiteral("Homestead Bitter"));

    QMimeData mime;
    mime.setUrls({QUrl::fromLocalFile(json), QUrl::fromLocalFile(renamed)});
    EXPECT_EQ(RecipeTransfer::droppedFiles(&mime), QStringList{json})
        << "a drop takes recipe files by their names";
}

TEST_F(RecipeFiles, ABadFileOrACancelledQuestionImportsNothing) {
    openSamples();
    const QByteArray before = test::FileDigest(m_file);
    m_runner.files.push_back(writeFile(QStringLiteral("bad.xml"), "<RECIPES><RECIPE><NAME>x"));
    frame().runCommand(ID_FILE_IMPORT_RECIPES);
    ASSERT_EQ(m_prompter.shown().size(), 1u);
    EXPECT_TRUE(m_prompter.shown()[0].text.startsWith(QLatin1String("Data Error:\nThe file ")));
    EXPECT_TRUE(m_prompter.shown()[0].text.contains(QLatin1String("Nothing was imported.")));
    EXPECT_EQ(committed(QStringLiteral("SELECT count(*) FROM Recipes")), 8);

    // A changed recipe: Cancel on the question stops the import and keeps the typing.
    m_prompter.clear();
    QTest::keyClicks(test::NameEdit(form()), QStringLiteral("Bitter Mk II"));
    const QString typed = test::NameEdit(form())->text();
    m_prompter.queue(PromptAnswer::Cancel);
    m_runner.files.push_back(writeFile(QStringLiteral("one.xml"), R"(<RECIPE><NAME>Solo</NAME>
        <FERMENTABLES/><HOPS/></RECIPE>)"));
    frame().runCommand(ID_FILE_IMPORT_RECIPES);
    ASSERT_EQ(m_prompter.shown().size(), 1u);
    EXPECT_EQ(m_prompter.shown()[0].helpContext, 68);
    EXPECT_EQ(committed(QStringLiteral("SELECT count(*) FROM Recipes")), 8);
    EXPECT_EQ(test::NameEdit(form())->text(), typed);
    EXPECT_TRUE(form()->commands().isModified());
    EXPECT_EQ(test::FileDigest(m_file), before);
}

// A BeerXML file dropped on the main window is imported; anything else is not taken.
TEST_F(RecipeFiles, AFileDroppedOnTheWindowIsImported) {
    openSamples();
    const QString xml = writeFile(QStringLiteral("dropped.xml"),
                                  "<RECIPES><RECIPE><NAME>Dropped In</NAME></RECIPE></RECIPES>");
    const QString text = writeFile(QStringLiteral("notes.txt"), "not a recipe");
    auto drop = [&](const QString& file) {
        QMimeData mime;
        mime.setUrls({QUrl::fromLocalFile(file)});
        const QPoint at = frame().rect().center();
        QDragEnterEvent enter(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&frame(), &enter);
        if (!enter.isAccepted())
            return false;
        QDropEvent dropped(QPointF(at), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&frame(), &dropped);
        return true;
    };
    EXPECT_FALSE(drop(text));
    EXPECT_TRUE(drop(xml));
    EXPECT_EQ(committed(QStringLiteral("SELECT RecipeBatchNo FROM Recipes WHERE RecipeName = "
                                       "'Dropped In'")),
              9);
    EXPECT_EQ(test::NameEdit(form())->text(), QStringLiteral("Dropped In"));
}

// Forty recipes would make a box taller than any screen: the box lists the head of each list
// and holds the whole summary behind its details button; a short summary has none.
TEST_F(RecipeFiles, ALongSummaryKeepsItsBoxOnTheScreen) {
    openSamples();
    QByteArray many = "<RECIPES>";
    for (int i = 1; i <= 40; ++i)
        many += "<RECIPE><NAME>Brew " + QByteArray::number(i) + "</NAME></RECIPE>";
    m_runner.files.push_back(writeFile(QStringLiteral("many.xml"), many + "</RECIPES>"));
    frame().runCommand(ID_FILE_IMPORT_RECIPES);
    ASSERT_EQ(m_prompter.shown().size(), 1u);
    const Prompt& box = m_prompter.shown()[0];
    EXPECT_TRUE(box.text.contains(QLatin1String("Recipes added: 40")));
    EXPECT_TRUE(box.text.contains(QLatin1String("batch 16: Brew 8\n  ... and 32 more")))
        << box.text.toStdString();
    EXPECT_FALSE(box.text.contains(QLatin1String("Brew 9")));
    EXPECT_LT(box.text.count(u'\n'), 25);
    EXPECT_TRUE(box.details.contains(QLatin1String("batch 48: Brew 40")));

    m_prompter.clear();
    m_runner.files.push_back(writeFile(QStringLiteral("one.xml"),
                                       "<RECIPES><RECIPE><NAME>Single</NAME></RECIPE></RECIPES>"));
    frame().runCommand(ID_FILE_IMPORT_RECIPES);
    ASSERT_EQ(m_prompter.shown().size(), 1u);
    EXPECT_TRUE(m_prompter.shown()[0].details.isEmpty());
}

// A FIFO chosen as the file to import or to export to is refused at once with what it is,
// and stays a FIFO; the window goes on.
TEST_F(RecipeFiles, AFifoIsNeitherImportedNorReplacedByAnExport) {
    openSamples();
    const QByteArray before = test::FileDigest(m_file);
    const QString pipe = path(QStringLiteral("pipe.xml"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0644), 0);
    m_runner.files.push_back(pipe);
    frame().runCommand(ID_FILE_IMPORT_RECIPES);
    ASSERT_EQ(m_prompter.shown().size(), 1u);
    EXPECT_EQ(m_prompter.shown()[0].text,
              QString::fromLatin1(Texts::kImportFailed)
                  .arg(pipe, QStringLiteral("it is a FIFO (named pipe), not a file")));
    m_prompter.clear();
    m_runner.saveFiles.push_back(pipe);
    frame().runCommand(ID_FILE_EXPORT_ALL);
    ASSERT_EQ(m_prompter.shown().size(), 1u);
    EXPECT_EQ(m_prompter.shown()[0].text,
              QString::fromLatin1(Texts::kExportFailed)
                  .arg(pipe, QStringLiteral("it is a FIFO (named pipe), not a file")));
    struct stat st {};
    ASSERT_EQ(::stat(QFile::encodeName(pipe).constData(), &st), 0);
    EXPECT_TRUE(S_ISFIFO(st.st_mode));
    EXPECT_EQ(test::FileDigest(m_file), before);
    EXPECT_EQ(committed(QStringLiteral("SELECT count(*) FROM Recipes")), 8);
}

// A long import says how far it has come, over both readings of the file; Cancel there leaves
// the database as it was and says nothing more. So does Cancel in a long export, and no file
// is left.
TEST_F(RecipeFiles, CancelInTheMiddleOfALongImportOrExportChangesNothing) {
    openSamples();
    QByteArray xml = "<RECIPES>";
    for (int i = 0; i < 3000; ++i)
        xml += "<RECIPE><NAME>R" + QByteArray::number(i) +
               "</NAME><HOPS><HOP><NAME>Cascade</NAME><ALPHA>5</ALPHA><AMOUNT>0.03</AMOUNT>"
               "<TIME>60</TIME></HOP></HOPS></RECIPE>\n";
    xml += "</RECIPES>";
    const QString file = writeFile(QStringLiteral("long.xml"), xml);
    const QByteArray before = test::FileDigest(m_file);

    // Cancel once the second reading, the one that adds, is under way.
    m_runner.cancelAt = 0;
    m_runner.files.push_back(file);
    frame().runCommand(ID_FILE_IMPORT_RECIPES);
    const int whole = m_runner.workSteps;
    ASSERT_GT(whole, 3);
    EXPECT_EQ(m_runner.lastWork, std::make_pair(2 * xml.size(), 2 * xml.size()));
    EXPECT_EQ(m_runner.workLabels.value(0), QString::fromLatin1(Labels::kImportingFrom).arg(file));
    EXPECT_EQ(committed(QStringLiteral("SELECT count(*) FROM Recipes")), 3008);

    // Cancel at the last step but one: nothing of the second import stays.
    const QByteArray beforeCancel = test::FileDigest(m_file);
    m_prompter.clear();
    m_runner.workSteps = 0;
    m_runner.cancelAt = whole - 1;
    m_runner.files.push_back(file);
    frame().runCommand(ID_FILE_IMPORT_RECIPES);
    EXPECT_EQ(m_runner.workSteps, whole - 1);
    EXPECT_TRUE(m_prompter.shown().empty()) << m_prompter.last().text.toStdString();
    EXPECT_EQ(test::FileDigest(m_file), beforeCancel);
    EXPECT_EQ(committed(QStringLiteral("SELECT count(*) FROM Recipes")), 3008);

    // An export cancelled half-way leaves no file.
    m_runner.workSteps = 0;
    m_runner.cancelAt = 2;
    const QString out = path(QStringLiteral("cancelled.xml"));
    m_runner.saveFiles.push_back(out);
    frame().runCommand(ID_FILE_EXPORT_ALL);
    EXPECT_EQ(m_runner.workSteps, 2);
    EXPECT_FALSE(QFile::exists(out));
    EXPECT_TRUE(m_prompter.shown().empty());
    EXPECT_NE(test::FileDigest(m_file), before);
}

} // namespace
} // namespace wsc
