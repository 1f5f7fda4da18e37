#include "support/TestSupport.h"

#include "core/help/HelpContexts.h"
#include "core/settings/MessageCatalog.h"
#include "core/settings/ProfileStore.h"
#include "core/shell/CreditLines.h"
#include "core/shell/FileVersionInfo.h"
#include "core/shell/OptionsSettings.h"
#include "core/shell/ProgramFiles.h"
#include "core/shell/TipsFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <set>

namespace wsc {
namespace {

class Tips : public test::DbFixture {
protected:
    QString write(const QByteArray& content, const QString& name = QStringLiteral("tips.txt")) {
        const QString file = path(name);
        QFile f(file);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(content);
        return file;
    }
    // The tips one showing after another gives, opening the file each time.
    QStringList showings(const QString& file, int count) {
        QStringList out;
        for (int i = 0; i < count; ++i) {
            TipsFile tips(m_profile, file);
            out << tips.tip();
        }
        return out;
    }
};

TEST_F(Tips, CommentLinesAreSkippedAndEachShowingContinuesWithTheNextTip) {
    const QString file = write("; comment\n first blank\n\tfirst tab\n\nOne\n;x\nTwo\nThree\n");
    EXPECT_EQ(showings(file, 4), (QStringList{"One", "Two", "Three", "One"}));
    // Next Tip within one showing goes round as well.
    TipsFile tips(m_profile, file);
    EXPECT_EQ(tips.tip(), "Two");
    tips.next();
    tips.next();
    EXPECT_EQ(tips.tip(), "One");
}

TEST_F(Tips, ANewFileStartsFromItsFirstTipAndAnUnchangedOneContinues) {
    const QString file = write("One\nTwo\nThree\n");
    EXPECT_EQ(showings(file, 2), (QStringList{"One", "Two"}));
    // Same status time: the stored place holds.
    EXPECT_EQ(showings(file, 1), QStringList{"Three"});
    // A file with another status time (a new file put in its place) starts again.
    m_profile.setText(Setting::TipTimeStamp, QStringLiteral("Thu Jan  1 00:00:00 1970"));
    EXPECT_EQ(showings(file, 1), QStringList{"One"});
    EXPECT_EQ(m_profile.text(Setting::TipTimeStamp), TipsFile::statusTime(file));
}

TEST_F(Tips, AFileWithoutTipsShowsNoneAndAMissingFileSaysSo) {
    const QString file = write("; only\n; comments\n\n");
    TipsFile tips(m_profile, file);
    EXPECT_TRUE(tips.isOpen());
    EXPECT_EQ(tips.tip(), QString());
    tips.next(); // one pass each time, never for ever
    EXPECT_EQ(tips.tip(), QString());

    TipsFile missing(m_profile, path(QStringLiteral("none.txt")));
    EXPECT_FALSE(missing.isOpen());
    EXPECT_EQ(missing.tip(), QString::fromLatin1(TipsFile::kMissing));
}

TEST_F(Tips, APlacePastTheEndAndALongLine) {
    const QByteArray longLine(1500, 'x');
    const QString file = write("One\n" + longLine + "\n");
    { TipsFile first(m_profile, file); }
    m_profile.setInteger(Setting::TipFilePos, 1000000);
    // A stored place beyond the end goes round to the first tip.
    EXPECT_EQ(showings(file, 1), QStringList{"One"});
    // A line longer than 999 characters comes in pieces.
    const QStringList pieces = showings(file, 2);
    EXPECT_EQ(pieces.at(0).size(), 999);
    EXPECT_EQ(pieces.at(1).size(), 1500 - 999);
}

TEST_F(Tips, UntickingShowAtStartUpStoresOne) {
    const QString file = write("One\n");
    TipsFile tips(m_profile, file);
    EXPECT_TRUE(tips.showAtStartUp());
    tips.setShowAtStartUp(false);
    tips.storeStartUp();
    EXPECT_EQ(m_profile.integer(Setting::TipStartUp), 1);
    TipsFile again(m_profile, file);
    EXPECT_FALSE(again.showAtStartUp());
}

class Options : public test::DbFixture {};

TEST_F(Options, DefaultFilesOfTheWrongKindAndIncompleteToolsAreRefused) {
    LocationValues v;
    v.recipeFile = copyShippedData(); // a Data database where a recipe database belongs
    v.dataFile = copyShippedData(QStringLiteral("data2.mdb"));
    v.toolNames[1] = QStringLiteral("Spreadsheet");
    std::vector<LocationField> failed;
    EXPECT_FALSE(ValidateLocations(v, m_services, [&](LocationField f) { failed.push_back(f); }));
    EXPECT_EQ(failed,
              (std::vector<LocationField>{LocationField::RecipeFile, LocationField::Tool2Name}));
    ASSERT_EQ(m_prompter.shown().size(), 2u);
    EXPECT_EQ(m_prompter.shown()[0].text, MessageCatalog::format(171, {v.recipeFile}));
    EXPECT_EQ(
        m_prompter.shown()[1].text,
        QStringLiteral("Data Error:\nTool 2 is invalid.  Please enter both a name and path."));

    // Right kinds, the tool cleared, and empty boxes meaning "no default file" all pass.
    m_prompter.clear();
    v.recipeFile = copyShippedSamples();
    v.toolNames[1].clear();
    EXPECT_TRUE(ValidateLocations(v, m_services, {}));
    v.recipeFile.clear();
    v.dataFile.clear();
    v.toolNames[2] = QStringLiteral("Editor");
    v.toolPaths[2] = QStringLiteral("/usr/bin/editor");
    EXPECT_TRUE(ValidateLocations(v, m_services, {}));
    EXPECT_TRUE(m_prompter.shown().empty());
}

TEST_F(Options, ValuesRoundTripThroughTheProfile) {
    PreferenceValues p = PreferenceValues::read(m_profile);
    EXPECT_EQ(p.userSkill, QString());
    EXPECT_TRUE(p.displayWarnings);
    EXPECT_TRUE(p.displayDeleteWarnings);
    EXPECT_TRUE(p.displayToolTips);
    EXPECT_EQ(p.recipeScroll, 0);
    p.view = QStringLiteral("Log");
    p.displayDeleteWarnings = false;
    p.write(m_profile);
    EXPECT_EQ(m_profile.text(Setting::View), QStringLiteral("Log"));
    EXPECT_EQ(m_profile.integer(Setting::DisplayDeleteWarnings), 0);
    EXPECT_TRUE(m_profile.contains(Setting::UserSkill));
    EXPECT_EQ(m_profile.text(Setting::UserSkill), QString());

    LocationValues l;
    l.toolNames = {QStringLiteral("A"), QString(), QStringLiteral("C")};
    l.toolPaths = {QStringLiteral("/a"), QString(), QStringLiteral("/c")};
    l.recipeFile = QStringLiteral("/r.mdb");
    l.write(m_profile);
    const LocationValues back = LocationValues::read(m_profile);
    EXPECT_EQ(back.toolNames, l.toolNames);
    EXPECT_EQ(back.toolPaths, l.toolPaths);
    EXPECT_EQ(back.recipeFile, l.recipeFile);
}

TEST(Credits, FortySixLinesWithTheirCodesGoRound) {
    const auto& lines = Credits::Lines();
    ASSERT_EQ(lines.size(), 46u);
    EXPECT_EQ(Credits::CodeOf(lines[0]), Credits::kTitle);
    EXPECT_EQ(Credits::TextOf(lines[0]), QStringLiteral("Wortsmith Calculator "));
    EXPECT_EQ(Credits::CodeOf(lines[2]), Credits::kBitmap);
    EXPECT_EQ(Credits::TextOf(lines[2]), QStringLiteral("IDB_MainFrame "));
    EXPECT_EQ(Credits::CodeOf(lines[6]), Credits::kGroup);
    EXPECT_EQ(Credits::CodeOf(lines[20]), Credits::kSubGroup);
    EXPECT_EQ(Credits::CodeOf(lines[43]), Credits::kMaker);
    EXPECT_EQ(Credits::TextOf(lines[44]), QStringLiteral("All Rights Reserved "));
    EXPECT_TRUE(lines[45].isEmpty());

    // Each line stays as many ticks as it is high; after the 46th the first comes again.
    CreditsRoll roll;
    std::vector<int> order;
    for (int t = 0; t < 47 * 3 && order.size() < 48; ++t) {
        if (roll.tick([](int) { return 3; }))
            order.push_back(roll.current());
    }
    ASSERT_GE(order.size(), 47u);
    EXPECT_EQ(order[0], 0);
    EXPECT_EQ(order[45], 45);
    EXPECT_EQ(order[46], 0);
}

TEST(Credits, ABlankLineKeepsTheHeightBeforeIt) {
    CreditsRoll roll;
    int ticks = 0;
    // Line 0 is 5 high, line 1 is blank: it lasts 5 ticks too.
    auto height = [](int line) { return line == 0 ? 5 : (line == 1 ? 0 : 2); };
    while (roll.taken() < 3) {
        roll.tick(height);
        ++ticks;
    }
    EXPECT_EQ(ticks, 5 + 5 + 1);
}

TEST(VersionBlock, ValuesByKeyAndCodePage) {
    EXPECT_EQ(CFileVersionInfo::value(CFileVersionInfo::ProductVersion),
              QStringLiteral(WSC_VERSION));
    EXPECT_EQ(CFileVersionInfo::value(CFileVersionInfo::ProductName),
              QStringLiteral("Wortsmith Calculator"));
    // The block carries the first language and code page only, and no trademarks.
    EXPECT_FALSE(CFileVersionInfo::value(CFileVersionInfo::ProductVersion, 1));
    EXPECT_FALSE(CFileVersionInfo::value(CFileVersionInfo::LegalTrademarks));
    EXPECT_FALSE(CFileVersionInfo::value(99));
    EXPECT_EQ(CFileVersionInfo::path(CFileVersionInfo::FileVersion),
              QStringLiteral("\\StringFileInfo\\040904B0\\FileVersion"));
}

TEST(HelpContextList, DeclaresEachContextOnceAndEveryMessageBox) {
    std::set<int> seen;
    for (const HelpContextUse& u : WindowHelpContexts())
        EXPECT_TRUE(seen.insert(u.context).second) << u.context << " " << u.askedBy;
    const std::vector<int> messages = MessageHelpContexts();
    auto has = [&](int id) {
        return std::find(messages.begin(), messages.end(), id) != messages.end();
    };
    EXPECT_TRUE(has(8));
    EXPECT_TRUE(has(221));
    EXPECT_TRUE(has(68));
    EXPECT_FALSE(has(66));  // "Settings", a key name
    EXPECT_FALSE(has(148)); // a control tip
}

} // namespace
} // namespace wsc

namespace wsc {
namespace {

class InstalledFiles : public test::DbFixture {};

TEST_F(InstalledFiles, AUserGetsAnOwnCopyOfADataDatabaseTheyCannotChange) {
    const QString shared = readOnlySharedData();
    const QString home = path(QStringLiteral("user"));
    openFolderToEveryone();
    bool skipped = false;
    const std::string result = test::RunAsUnprivileged(
        [&]() -> std::string {
            const QString first = ProgramFiles::dataFileForUser(shared, home);
            if (first != QDir(home).filePath(QFileInfo(shared).fileName()))
                return "no copy: " + first.toStdString();
            if (!QFileInfo(first).isWritable())
                return "the copy cannot be written";
            if (test::FileDigest(first) != test::FileDigest(shared))
                return "the copy differs";
            // Made once: a second start keeps the user's changes.
            QFile mark(first);
            if (!mark.open(QIODevice::Append))
                return "cannot change the copy";
            mark.write("x");
            mark.close();
            if (ProgramFiles::dataFileForUser(shared, home) != first ||
                test::FileDigest(first) == test::FileDigest(shared))
                return "the copy was made again";
            return {};
        },
        &skipped);
    if (skipped)
        GTEST_SKIP() << result;
    EXPECT_EQ(result, "");
    // A Data database the user may change is used where it is.
    const QString own = copyShippedData();
    EXPECT_EQ(ProgramFiles::dataFileForUser(own, home), QFileInfo(own).absoluteFilePath());
    // An installed one is never changed in place, not even by whoever may write it.
    const QString copied = ProgramFiles::dataFileForUser(own, path(QStringLiteral("mine")), true);
    EXPECT_EQ(copied, QDir(path(QStringLiteral("mine"))).filePath(QFileInfo(own).fileName()));
    EXPECT_TRUE(QFileInfo(copied).isFile());
}

} // namespace
} // namespace wsc
