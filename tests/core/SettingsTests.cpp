#include "support/TestSupport.h"

#include "settings/MessageCatalog.h"

namespace wsc {
namespace {

TEST(MessageCatalog, TextsKeepTheirExactWording) {
    EXPECT_EQ(MessageCatalog::text(234),
              QStringLiteral("Warning: Color (degrees Lovibond) of %1 invalid in %2 number %d.  "
                             "Please enter a value between 1and 500 (English measures) or 1 and "
                             "2000 (Metric)"));
    EXPECT_EQ(MessageCatalog::text(68), QStringLiteral("Save changes to current recipe?\n%1"));
    EXPECT_TRUE(MessageCatalog::text(999).isEmpty());
    EXPECT_FALSE(MessageCatalog::contains(999));
}

TEST(MessageCatalog, SubstitutionReplacesOnlyPercentOneAndTwo) {
    EXPECT_EQ(MessageCatalog::substitute(QStringLiteral("a %1 b %2 c %d 100%"),
                                         {QStringLiteral("x%2"), QStringLiteral("y")}),
              QStringLiteral("a x%2 b y c %d 100%"));
    EXPECT_EQ(MessageCatalog::format(4, {QStringLiteral("compress"), QStringLiteral("/a.mdb")}),
              QStringLiteral("Support Program Message:\nThe compress of the data base (/a.mdb) "
                             "was successful."));
    EXPECT_EQ(MessageCatalog::substitute(QStringLiteral("%1-%2"), {}), QStringLiteral("-"));
}

class Settings : public test::DbFixture {};

TEST_F(Settings, DefaultsComeFromTheTableUntilWritten) {
    EXPECT_EQ(m_profile.integer(Setting::RecipeFormSizeMaxX), 840);
    EXPECT_EQ(m_profile.integer(Setting::RecipeDocSizeMaxY), 470);
    EXPECT_EQ(m_profile.integer(Setting::DisplayWarnings), 1);
    EXPECT_EQ(m_profile.integer(Setting::RecipeScroll), 0);
    EXPECT_TRUE(m_profile.text(Setting::DefaultDataFile).isEmpty());
    EXPECT_FALSE(m_profile.contains(Setting::WindowPos));
    m_profile.setInteger(Setting::DisplayWarnings, 0);
    m_profile.setText(Setting::NameTool2, QStringLiteral("Editor"));
    EXPECT_EQ(m_profile.integer(Setting::DisplayWarnings), 0);
    EXPECT_EQ(m_profile.text(Setting::NameTool2), QStringLiteral("Editor"));
    EXPECT_EQ(QString::fromLatin1(ProfileStore::info(Setting::RecentFile1).section),
              QStringLiteral("Recent File List"));
    EXPECT_EQ(QString::fromLatin1(ProfileStore::info(Setting::RecentFile1).key),
              QStringLiteral("File1"));
}

TEST_F(Settings, AnUnreadableIntegerFallsBackToItsDefault) {
    m_profile.setText(Setting::RecipeFormSizeMaxX, QStringLiteral("wide"));
    EXPECT_EQ(m_profile.integer(Setting::RecipeFormSizeMaxX), 840);
}

} // namespace
} // namespace wsc
