// Recipe files made to break the reader: nested without end, one recipe of a hundred thousand
// rows, attributes by the hundred thousand, numbers no recipe holds, texts of any length and
// bytes of no encoding. Each is read in time and memory in proportion to what it means, and
// either comes in whole or changes nothing.
#include "support/BeerXmlFixture.h"

#include "core/interchange/XmlTree.h"
#include "core/settings/FileNodes.h"
#include "core/settings/ProfileStore.h"
#include "core/settings/Prompter.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>

#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

namespace wsc {
namespace {

class HostileFiles : public test::BeerXmlFixture {
protected:
    // Imports `xml` through a file read as a stream, as the program and the command do.
    std::optional<ImportSummary> importFile(const QString& db, const QByteArray& xml,
                                            QString* errorOut = nullptr) {
        const QString name = path(QStringLiteral("in.xml"));
        {
            QFile f(name);
            EXPECT_TRUE(f.open(QIODevice::WriteOnly));
            f.write(xml);
        }
        QFile in(name);
        EXPECT_TRUE(in.open(QIODevice::ReadOnly));
        CDaoDatabase recipes;
        recipes.Open(db, false, false);
        QString error;
        auto summary = BeerXml::importRecipes(recipes, nullptr, in, m_table, error);
        if (errorOut)
            *errorOut = error;
        return summary;
    }
    // A recipe file whose one recipe holds `inside` after its name.
    static QByteArray recipe(const QByteArray& inside, const QByteArray& name = "Hostile") {
        return "<?xml version=\"1.0\"?>\n<RECIPES>\n<RECIPE><NAME>" + name +
               "</NAME><VERSION>1</VERSION><TYPE>All Grain</TYPE><BATCH_SIZE>20</BATCH_SIZE>"
               "<BOIL_SIZE>25</BOIL_SIZE><BOIL_TIME>60</BOIL_TIME>" +
               inside + "</RECIPE>\n</RECIPES>\n";
    }
    static QByteArray hop(int i, const QByteArray& amount = "0.01") {
        return "<HOP><NAME>Hop " + QByteArray::number(i) +
               "</NAME><VERSION>1</VERSION><ALPHA>5</ALPHA><AMOUNT>" + amount +
               "</AMOUNT><USE>Boil</USE><TIME>60</TIME></HOP>\n";
    }
    // The import was refused and left the file as it was, with nothing beside it.
    void expectRefused(const QString& db, const QByteArray& xml, const char* says) {
        const QByteArray before = test::FileDigest(db);
        QString error;
        EXPECT_FALSE(importFile(db, xml, &error)) << says;
        EXPECT_TRUE(error.contains(QLatin1String(says))) << error.toStdString();
        EXPECT_LT(error.size(), 400) << "a message that grows with the file";
        EXPECT_EQ(test::FileDigest(db), before);
        EXPECT_TRUE(test::SidecarsOf(db).isEmpty());
    }
};

TEST_F(HostileFiles, ElementsNestedBeyondAnyRecipeAreRefusedWithTheirPlace) {
    const QString db = copyShippedSamples();
    constexpr int kMillion = 1000000;
    QByteArray deep;
    deep.reserve(kMillion * 7 + 64);
    deep += QByteArray("<X>").repeated(kMillion);
    deep += QByteArray("</X>").repeated(kMillion);
    expectRefused(db, recipe(deep), "nested more than 256 levels deep");
    QString error;
    importFile(db, recipe(deep), &error);
    // The 255th <X> inside RECIPES and RECIPE, the 257th level, on the third line.
    const int column =
        int(recipe({}).indexOf("</RECIPE>") - recipe({}).indexOf("<RECIPE>")) + 1 + 254 * 3;
    EXPECT_TRUE(error.startsWith(QStringLiteral("line 3, column %1:").arg(column)))
        << error.toStdString();

    // Within the limit, an element of another program is only named as not kept.
    const int fits = kMaxXmlDepth - 2;
    const auto summary = importFile(
        db, recipe(QByteArray("<X>").repeated(fits) + "x" + QByteArray("</X>").repeated(fits)),
        &error);
    ASSERT_TRUE(summary) << error.toStdString();
    EXPECT_EQ(summary->added.size(), 1u);
}

TEST_F(HostileFiles, OneHugeRecipeAndManySmallOnesComeInWhole) {
    // A hundred thousand hop rows in one recipe.
    QByteArray hops = "<HOPS>";
    for (int i = 0; i < 100000; ++i)
        hops += hop(i);
    hops += "</HOPS>";
    const QString one = makeRecipeDb(QStringLiteral("one.mdb"));
    QString error;
    auto summary = importFile(one, recipe(hops), &error);
    ASSERT_TRUE(summary) << error.toStdString();
    EXPECT_EQ(summary->added.size(), 1u);
    EXPECT_EQ(scalar(one, QStringLiteral("SELECT count(*) FROM Ingredients_Hops")).toInt(), 100000);
    EXPECT_EQ(scalar(one, QStringLiteral("SELECT count(*) FROM Ingredients_Hops WHERE "
                                         "IngHopsName = 'Hop 99999' AND IngHopsHBU > 0"))
                  .toInt(),
              1);

    // A hundred thousand attributes on one element: read past, never kept.
    QByteArray attributes = "<NOTES";
    for (int i = 0; i < 100000; ++i)
        attributes += " a" + QByteArray::number(i) + "=\"x\"";
    attributes += ">kept</NOTES>";
    const QString second = makeRecipeDb(QStringLiteral("attributes.mdb"));
    summary = importFile(second, recipe(attributes), &error);
    ASSERT_TRUE(summary) << error.toStdString();
    EXPECT_EQ(scalar(second, QStringLiteral("SELECT RecipeComments FROM Recipes")).toString(),
              QStringLiteral("kept"));

    // The same bytes as many small recipes.
    QByteArray many = "<RECIPES>";
    for (int i = 0; i < 5000; ++i)
        many += recipe("<HOPS>" + hop(i) + "</HOPS>", "R" + QByteArray::number(i))
                    .mid(recipe({}).indexOf("<RECIPE>"))
                    .chopped(QByteArray("\n</RECIPES>\n").size());
    many += "</RECIPES>";
    const QString small = makeRecipeDb(QStringLiteral("many.mdb"));
    summary = importFile(small, many, &error);
    ASSERT_TRUE(summary) << error.toStdString();
    EXPECT_EQ(summary->added.size(), 5000u);
    EXPECT_EQ(scalar(small, QStringLiteral("SELECT count(*) FROM Ingredients_Hops")).toInt(), 5000);
}

// Numbers no field takes are refused with the recipe and the element named, wherever they stand:
// in the format's elements, in our own, and after a conversion.
TEST_F(HostileFiles, NumbersNoFieldTakesAreRefused) {
    const QString db = copyShippedSamples();
    expectRefused(db, recipe("<HOPS>" + hop(1, "NaN") + "</HOPS>"), "AMOUNT is no number");
    expectRefused(db, recipe("<HOPS>" + hop(1, "inf") + "</HOPS>"), "AMOUNT is no number");
    expectRefused(db, recipe("<HOPS>" + hop(1, "-Infinity") + "</HOPS>"), "AMOUNT is no number");
    expectRefused(db, recipe("<HOPS>" + hop(1, "1e308") + "</HOPS>"),
                  "AMOUNT of 1e308 is beyond what a recipe holds (at most 1000000)");
    expectRefused(db, recipe("<HOPS>" + hop(1, "1e26") + "</HOPS>"),
                  "hop of \"Hostile\": AMOUNT of 1e26 is beyond");
    expectRefused(db, recipe("<EFFICIENCY>1e26</EFFICIENCY>"), "EFFICIENCY of 1e26 is beyond");
    // Our own elements carry stored values as they were: a text in a number column is refused.
    expectRefused(db,
                  recipe("<WORTSMITH_MEASURE>English</WORTSMITH_MEASURE><WORTSMITH_"
                         "RecipeBatchSize>NaN</WORTSMITH_RecipeBatchSize>"),
                  "RecipeBatchSize of \"NaN\" is no number this program keeps");
    expectRefused(db,
                  recipe("<WORTSMITH_MEASURE>English</WORTSMITH_MEASURE><WORTSMITH_"
                         "RecipeBoilLth>inf</WORTSMITH_RecipeBoilLth>"),
                  "RecipeBoilLth of \"inf\" is no number");

    // Numbers at the edge come in.
    QString error;
    ASSERT_TRUE(importFile(db, recipe("<HOPS>" + hop(1, "1000000") + "</HOPS>"), &error))
        << error.toStdString();
}

// A one-line text of any length is cut to its field with a short note; a note over what a memo
// holds is refused with its place, and no message quotes more than a line of either.
TEST_F(HostileFiles, TextsOfAnyLengthAreCutOrRefusedInFewWords) {
    const QString db = copyShippedSamples();
    for (const int length : {70000, 1000000}) {
        const QByteArray name(length, 'n');
        QString error;
        const auto summary = importFile(
            db,
            recipe("<HOPS><HOP><NAME>" + QByteArray(length, 'h') +
                       "</NAME><ALPHA>5</ALPHA><AMOUNT>0.01</AMOUNT><TIME>60</TIME></HOP>"
                       "</HOPS>",
                   name),
            &error);
        ASSERT_TRUE(summary) << error.left(300).toStdString();
        EXPECT_EQ(summary->added.front().name, QString(50, u'n'));
        EXPECT_LT(summary->text().size(), 2000) << "a summary that grows with the file";
        EXPECT_TRUE(summary->text().contains(QLatin1String("shortened to its field's 50")));
    }
    EXPECT_EQ(
        scalar(db, QStringLiteral("SELECT max(length(IngHopsName)) FROM Ingredients_Hops")).toInt(),
        255);
    expectRefused(db, recipe("\n<NOTES>" + QByteArray(1000000, 'x') + "</NOTES>"),
                  "line 4, column 1: recipe \"Hostile\": NOTES holds 1000000 characters");
    // Blanks around a text are not part of it, however many there are.
    QString error;
    const auto blanks = importFile(db,
                                   recipe("<NOTES>" + QByteArray(300000, ' ') + "kept" +
                                          QByteArray(300000, '\n') + "</NOTES>"),
                                   &error);
    ASSERT_TRUE(blanks) << error.toStdString();
    EXPECT_EQ(scalar(db, QStringLiteral("SELECT RecipeComments FROM Recipes WHERE RecipeBatchNo = "
                                        "%1")
                             .arg(blanks->added.front().batch))
                  .toString(),
              QStringLiteral("kept"));
}

TEST_F(HostileFiles, BytesOfNoEncodingAreFoundWhereTheyStand) {
    const QString db = copyShippedSamples();
    // Line 3: "<RECIPE><NAME>Mär" then a byte no UTF-8 text holds.
    expectRefused(db, recipe({}, "M\xC3\xA4r\xFFzen"), "line 3, column 18: byte 0xFF is not");
    // The same byte is a character in a file that says it is in windows-1252.
    QByteArray latin = recipe({}, "M\xE4rzen \x80");
    latin.replace("<?xml version=\"1.0\"?>", "<?xml version=\"1.0\" encoding=\"windows-1252\"?>");
    QString error;
    const auto summary = importFile(db, latin, &error);
    ASSERT_TRUE(summary) << error.toStdString();
    EXPECT_EQ(summary->added.front().name, QStringLiteral("M\u00e4rzen \u20ac"));
}

TEST_F(HostileFiles, MarkupWithoutEndIsRefusedBeforeItFillsMemory) {
    const QString db = copyShippedSamples();
    QByteArray comment = "<!--" + QByteArray(kMaxXmlMarkup + 1024, 'c');
    expectRefused(db, recipe(comment + "-->"), "runs on for more than 16 MiB");
    // Comments, processing instructions and blanks between elements are read past.
    QString error;
    ASSERT_TRUE(importFile(
        db, recipe("<!--" + QByteArray(1000000, 'c') + "--><?pi x?>" + QByteArray(1000000, '\n')),
        &error))
        << error.toStdString();
}

TEST(XmlTree, ATreeAsDeepAsTheLimitIsReadAndFreed) {
    XmlProblem problem;
    const int depth = kMaxXmlDepth;
    auto tree = ReadXmlTree(QByteArray("<A>").repeated(depth) + QByteArray("</A>").repeated(depth),
                            problem, 1 << 20);
    ASSERT_TRUE(tree) << problem.describe().toStdString();
    int levels = 1;
    for (const XmlElement* e = &*tree; !e->children.empty(); e = &e->children.front())
        ++levels;
    EXPECT_EQ(levels, depth);
    EXPECT_FALSE(
        ReadXmlTree(QByteArray("<A>").repeated(depth + 1) + QByteArray("</A>").repeated(depth + 1),
                    problem, 1 << 20));
    EXPECT_EQ(problem.line, 1);
    EXPECT_EQ(problem.column, depth * 3 + 1);

    // A tree built by hand, deeper than any file may be, is freed without a deep recursion.
    XmlElement root;
    XmlElement* at = &root;
    for (int i = 0; i < 1000000; ++i) {
        at->children.emplace_back();
        at = &at->children.back();
    }
}

// Nodes that are no files: a FIFO, and a device where the tests may make one (as root).
class NotFiles : public test::DbFixture {
protected:
    QString fifo() {
        const QString name = path(QStringLiteral("pipe.xml"));
        EXPECT_EQ(::mkfifo(QFile::encodeName(name).constData(), 0644), 0);
        return name;
    }
    // A character device like /dev/null, or empty where none can be made.
    QString device() {
        const QString name = path(QStringLiteral("null.pdf"));
        if (::mknod(QFile::encodeName(name).constData(), S_IFCHR | 0666, makedev(1, 3)) != 0)
            return {};
        return name;
    }
    static bool isFifo(const QString& name) {
        struct stat st {};
        return ::stat(QFile::encodeName(name).constData(), &st) == 0 && S_ISFIFO(st.st_mode);
    }
};

TEST_F(NotFiles, AreNamedAndNeverOpenedOrReplaced) {
    const QString pipe = fifo();
    EXPECT_EQ(NonFileKind(pipe), QStringLiteral("a FIFO (named pipe)"));
    EXPECT_EQ(NonFileKind(path({})), QStringLiteral("a folder"));
    EXPECT_EQ(NonFileKind(path(QStringLiteral("nothing-yet"))), QString());
    // A link is what it points to.
    const QString link = path(QStringLiteral("link.xml"));
    ASSERT_TRUE(QFile::link(pipe, link));
    EXPECT_EQ(NotAFileReason(link), QStringLiteral("it is a FIFO (named pipe), not a file"));

    // Opening one for reading does not wait for a writer.
    QFile in(link);
    QString why;
    EXPECT_FALSE(OpenRegularFile(in, why));
    EXPECT_EQ(why, QStringLiteral("it is a FIFO (named pipe), not a file"));
    EXPECT_FALSE(in.isOpen());

    // A file written under a temporary name is not renamed over a name that became a FIFO
    // meanwhile, and leaves nothing behind.
    const QString target = path(QStringLiteral("out.xml"));
    QSaveFile out(target);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.write("<RECIPES/>");
    ASSERT_EQ(::mkfifo(QFile::encodeName(target).constData(), 0644), 0);
    EXPECT_FALSE(CommitRegularFile(out, why));
    EXPECT_EQ(why, QStringLiteral("it is a FIFO (named pipe), not a file"));
    EXPECT_TRUE(isFifo(target));

    if (const QString dev = device(); !dev.isEmpty()) {
        EXPECT_EQ(NonFileKind(dev), QStringLiteral("a character device"));
    }
}

TEST_F(NotFiles, ASettingsFileThatIsNoFileIsNeitherReadNorWritten) {
    const QString pipe = fifo();
    ProfileStore profile(pipe);
    EXPECT_EQ(profile.refusal(),
              QStringLiteral("Configuration Error:\nThe settings file %1 is a FIFO (named pipe), "
                             "not a file.  The settings are not read, and what you change is kept "
                             "only until the program ends.")
                  .arg(pipe));
    // The program works on with the defaults, and what changes is kept for the run.
    EXPECT_EQ(profile.integer(Setting::DisplayWarnings), 1);
    profile.setInteger(Setting::DisplayWarnings, 0);
    profile.sync();
    EXPECT_EQ(profile.integer(Setting::DisplayWarnings), 0);
    EXPECT_TRUE(isFifo(pipe));
    EXPECT_EQ(QDir(path({})).entryList(QDir::Files | QDir::System | QDir::Hidden).size(), 1);
}

// A box holds a screenful: a longer text shows its head, and the whole of it is behind the
// details, before any details the prompt had.
TEST(MessageBoxes, ALongTextIsShownCutWithTheWholeInTheDetails) {
    Prompt shortOne;
    shortOne.text = QStringLiteral("Data Error:\nshort");
    EXPECT_EQ(FitForABox(shortOne).text, shortOne.text);
    EXPECT_TRUE(FitForABox(shortOne).details.isEmpty());

    const QString wide = QStringLiteral("Data Error:\n") + QString(1000000, u'n');
    Prompt p;
    p.text = wide;
    p.details = QStringLiteral("what there was before");
    const Prompt fitted = FitForABox(p);
    EXPECT_LE(fitted.text.size(), kBoxCharacters + 2);
    EXPECT_TRUE(fitted.text.startsWith(QStringLiteral("Data Error:\nnnn")));
    EXPECT_TRUE(fitted.text.endsWith(QChar(0x2026)));
    EXPECT_EQ(fitted.details, wide + QStringLiteral("\n\nwhat there was before"));

    QStringList lines;
    for (int i = 0; i < 100; ++i)
        lines << QStringLiteral("line %1").arg(i);
    Prompt many;
    many.text = lines.join(u'\n');
    const Prompt tall = FitForABox(many);
    EXPECT_EQ(tall.text.count(u'\n'), kBoxLines);
    EXPECT_EQ(tall.details, lines.join(u'\n'));
    // Nobody there to answer: the answer that changes nothing.
    EXPECT_EQ(UnseenAnswer(PromptButtons::YesNoCancel), PromptAnswer::Cancel);
    EXPECT_EQ(UnseenAnswer(PromptButtons::YesNo), PromptAnswer::No);
}

} // namespace
} // namespace wsc
