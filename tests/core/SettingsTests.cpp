#include "support/TestSupport.h"

#include "core/settings/MessageCatalog.h"

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

// Each message family's text as written, once, so a test that builds its expectation from the
// catalogue cannot pass on a catalogue text that has drifted.
TEST(MessageCatalog, EveryFamilyTheTestsUseHasItsWordingPinned) {
    const std::pair<int, const char*> pinned[] = {
        {4, "Support Program Message:\nThe %1 of the data base (%2) was successful."},
        {8, "Data Error:\nThe recipe must have a name."},
        {12, "Warning:  During the recipe calculations for predicted Original Gravity, Alcohol "
             "content, Bitterness (IBU) and Color one or more potential errors were encountered.  "
             "Please check the Calculation Messages list for details by selecting that button in "
             "the Target Style window."},
        {13, "Information:  There are no longer any recipe calculation messages to display."},
        {32, "Please confirm delete -\n%1 - %2"},
        {37, "Please confirm copy -\n%1 - %2"},
        {72, "File Error:\nOnly one Recipe database can be open at a time.\nTo open another "
             "database, please close this one."},
        {82, "No %1.  Use Data-%1 command to add."},
        {83, "The recipe copy is complete."},
        {85, "Data Error:\nThe recipe must have a batch number.  It must also be unique from all "
             "other recipes."},
        {86, "Data Error:\nThe batch number for each recipe must be unique.  Please change."},
        {149, "Warning: Specific Gravity of %1 invalid in %2 number %d.  Please enter a value "
              "between 1.000 and 1.200."},
        {156, "Warning: During Hops IBU calculation the %1 (%2) was outside the bounds of the "
              "Utilization table."},
        {168, "File Error:\nThe data base you tried to open is not a Wortsmith Calculator recipe "
              "data base.  Please select another.\n\nData base name = %1."},
        {171, "File Error:\nThe data base you entered is not the right type of Wortsmith "
              "Calculator data base.  Please select another.\n\nData base name = %1."},
        {210, "Warning: The recipe's Boil Size is zero.  Calculations have been bypassed."},
        {212, "Warning: The recipe's Batch Size is zero.  Calculations have been bypassed."},
        {213, "Warning: Amount is zero or missing for %1 %2.  This ingredient was excluded from "
              "the calculations."},
        {233, "Information: During Hops IBU calculation the Boil Time was zero.  These will be "
              "assumed to be finishing  hops, and not contribute to bitterness."},
        {236, "Warning: Attenuation of %1 invalid in %2 number %d.  Please enter a value between 1 "
              "and 100."},
        {237, "Information: Multiple yeasts are in recipe.  Or, no yeast with a valid attenuation "
              "was found.  Default attenuation of 75 used in alcohol calculation."},
        {250, "Error:\nYou cannot delete the only recipe in the database.\n Please add at least "
              "one other recipe, then delete this recipe."},
        {285, "Warning: Weight is zero or missing for %1 %2.  This ingredient was excluded from "
              "the calculations."},
        {286, "Information: Assumed extract potential of %1 due to invalid SG on %2 %d"},
        {287, "Information: Assumed attenuation of %1 percent due to invalid attenuation on %2 %d"},
        {288, "Information: System efficiency of %1 assumed because not entered on Mash tab"},
        {289, "Warning: The recipe's Batch Size is zero during OG calc.  Calculations have been "
              "bypassed."},
    };
    for (const auto& [id, text] : pinned)
        EXPECT_EQ(MessageCatalog::text(id), QString::fromUtf8(text)) << id;
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
