-- Recipe database: one row per recipe in Recipes, ingredient rows in the six Ingredients_*
-- tables, and the saved queries the program opens by name. The marker table comes first:
-- the program recognises a recipe database by the name of the first table in the file.
CREATE TABLE "A_Recipes" ("A_RecipesID" INTEGER PRIMARY KEY, "A_RecipesNote" TEXT);

CREATE TABLE "Recipes" (
    "RecipeID" INTEGER PRIMARY KEY AUTOINCREMENT,
    "RecipeBatchNo" INTEGER NOT NULL,
    "RecipeBatchSize" REAL DEFAULT 5.0,
    "RecipeBoilLth" INTEGER DEFAULT 0,
    "RecipeBoilSize" REAL DEFAULT 5.0,
    "RecipeBrewer" TEXT DEFAULT '',
    "RecipeComments" TEXT DEFAULT '',
    "RecipeDateBottled" TEXT,
    "RecipeDateBrewed" TEXT,
    "RecipeDateObtained" TEXT,
    "RecipeDateRacked" TEXT,
    "RecipeFermAvgTempPri" INTEGER DEFAULT 0,
    "RecipeFermAvgTempSec" INTEGER DEFAULT 0,
    "RecipeFermConditioningAmt" INTEGER DEFAULT 0,
    "RecipeFermConditioningUnits" TEXT DEFAULT 'Days',
    "RecipeFermPrimary" INTEGER DEFAULT 0,
    "RecipeFermPrimingAmt" TEXT DEFAULT '',
    "RecipeFermPrimingName" TEXT DEFAULT '',
    "RecipeFermPrimingUnits" TEXT DEFAULT '',
    "RecipeFermSecondary" INTEGER DEFAULT 0,
    "RecipeFermTypeAle" INTEGER DEFAULT 0,
    "RecipeMashTime1" INTEGER DEFAULT 0,
    "RecipeMashTime2" INTEGER DEFAULT 0,
    "RecipeMashTime3" INTEGER DEFAULT 0,
    "RecipeMashTime4" INTEGER DEFAULT 0,
    "RecipeMashVol1" REAL DEFAULT 0,
    "RecipeMashVol2" REAL DEFAULT 0,
    "RecipeMashVol3" REAL DEFAULT 0,
    "RecipeMashVol4" REAL DEFAULT 0,
    "RecipeMeasureEnglish" INTEGER DEFAULT 0,
    "RecipeName" TEXT DEFAULT '',
    "RecipeProcessAllGrain" INTEGER DEFAULT 0,
    "RecipeProcessExtract" INTEGER DEFAULT 0,
    "RecipeProcessKit" INTEGER DEFAULT 0,
    "RecipeProcessPartial" INTEGER DEFAULT 0,
    "RecipeRatingAppearance" INTEGER DEFAULT 0,
    "RecipeRatingAroma" INTEGER DEFAULT 0,
    "RecipeRatingCompComments" TEXT DEFAULT '',
    "RecipeRatingCompDate" TEXT,
    "RecipeRatingCompName" TEXT DEFAULT '',
    "RecipeRatingCompPrizes" TEXT DEFAULT '',
    "RecipeRatingCompScore" INTEGER DEFAULT 0,
    "RecipeRatingDateSampled2" TEXT,
    "RecipeRatingDateSampled3" TEXT,
    "RecipeRatingImpression" INTEGER DEFAULT 1,
    "RecipeRatingNotes" TEXT DEFAULT '',
    "RecipeRatingTaste" INTEGER DEFAULT 0,
    "RecipeSGFinal" REAL DEFAULT 1.0,
    "RecipeSGOriginal" REAL DEFAULT 1.0,
    "RecipeSGRacking" REAL DEFAULT 1.0,
    "RecipeSource" TEXT DEFAULT '',
    "RecipeSpargeVol" REAL DEFAULT 0,
    "RecipeTargetAlcoHi" REAL DEFAULT 0,
    "RecipeTargetAlcoLo" REAL DEFAULT 0,
    "RecipeTargetCategory" TEXT DEFAULT '',
    "RecipeTargetColorHi" REAL DEFAULT 0,
    "RecipeTargetColorLo" REAL DEFAULT 0,
    "RecipeTargetIBUHi" REAL DEFAULT 0,
    "RecipeTargetIBULo" REAL DEFAULT 0,
    "RecipeTargetSpGravHi" REAL DEFAULT 1.0,
    "RecipeTargetSpGravLo" REAL DEFAULT 1.0,
    "RecipeTargetStyle" TEXT DEFAULT '',
    "RecipeTargetSubcategory" TEXT DEFAULT '',
    "RecipeUtensils" TEXT DEFAULT '',
    "RecipeWortCollectedVol" REAL DEFAULT 0,
    "RecipeYield" TEXT DEFAULT '',
    "RecipeMashPhAdj" REAL DEFAULT 0,
    "RecipeSpargePhAdj" REAL DEFAULT 0,
    "RecipeMashTemp1" INTEGER DEFAULT 0,
    "RecipeMashTemp2" INTEGER DEFAULT 0,
    "RecipeMashTemp3" INTEGER DEFAULT 0,
    "RecipeMashTemp4" INTEGER DEFAULT 0,
    "RecipeSGFinalTemp" INTEGER DEFAULT 0,
    "RecipeSGOriginalTemp" INTEGER DEFAULT 0,
    "RecipeSGRackingTemp" INTEGER DEFAULT 0,
    "RecipeSpargeTemp" INTEGER DEFAULT 0,
    "RecipeMashType" INTEGER DEFAULT -1,
    "RecipeRatingDateSampled1" TEXT,
    "RecipeSystemEfficiencyActual" REAL DEFAULT 0,
    "RecipeSystemEfficiencyExpected" REAL DEFAULT 80.0
);
CREATE UNIQUE INDEX "IndexRecipeBatchNo" ON "Recipes" ("RecipeBatchNo");

-- Ingredient rows carry their own identifier (IngRowID): the grid finds and deletes a row by
-- it, and the queries return rows in the order they were entered.
CREATE TABLE "Ingredients_Kits" (
    "IngRowID" INTEGER PRIMARY KEY AUTOINCREMENT,
    "IngKitsHBU" REAL DEFAULT 0,
    "IngKitsManuf" TEXT DEFAULT '',
    "IngKitsStartSPGrav" REAL DEFAULT 0,
    "IngKitsStyle" TEXT DEFAULT '',
    "IngKitsWeight" REAL DEFAULT 0,
    "IngRecipeID" INTEGER NOT NULL DEFAULT 0,
    "IngKitsColor" REAL DEFAULT 0,
    "IngKitsID" INTEGER DEFAULT 0,
    "IngKitsUnits" TEXT DEFAULT ''
);
CREATE INDEX "IndexIngKitsRecipeID" ON "Ingredients_Kits" ("IngRecipeID");

CREATE TABLE "Ingredients_Extracts" (
    "IngRowID" INTEGER PRIMARY KEY AUTOINCREMENT,
    "IngExtractsForm" TEXT DEFAULT '',
    "IngExtractsHBU" REAL DEFAULT 0,
    "IngExtractsHopped" INTEGER DEFAULT 0,
    "IngExtractsManuf" TEXT DEFAULT '',
    "IngExtractsName" TEXT DEFAULT '',
    "IngExtractsSPGrav" REAL DEFAULT 0,
    "IngExtractsWeight" REAL DEFAULT 0,
    "IngRecipeID" INTEGER NOT NULL DEFAULT 0,
    "IngExtractsID" INTEGER DEFAULT 0,
    "IngExtractsColor" REAL DEFAULT 0,
    "IngExtractsUnits" TEXT DEFAULT ''
);
CREATE INDEX "IndexIngExtractsRecipeID" ON "Ingredients_Extracts" ("IngRecipeID");

CREATE TABLE "Ingredients_Grains" (
    "IngRowID" INTEGER PRIMARY KEY AUTOINCREMENT,
    "IngGrainsName" TEXT DEFAULT '',
    "IngRecipeID" INTEGER NOT NULL DEFAULT 0,
    "IngGrainsColor" REAL DEFAULT 0,
    "IngGrainsID" INTEGER DEFAULT 0,
    "IngGrainsSPGrav" REAL DEFAULT 0,
    "IngGrainsUnits" TEXT DEFAULT '',
    "IngGrainsWeight" REAL DEFAULT 0
);
CREATE INDEX "IndexIngGrainsRecipeID" ON "Ingredients_Grains" ("IngRecipeID");

CREATE TABLE "Ingredients_Hops" (
    "IngRowID" INTEGER PRIMARY KEY AUTOINCREMENT,
    "IngHopsAlpha" REAL DEFAULT 0,
    "IngHopsName" TEXT DEFAULT '',
    "IngRecipeID" INTEGER NOT NULL DEFAULT 0,
    "IngHopsHBU" REAL DEFAULT 0,
    "IngHopsIBU" REAL DEFAULT 0,
    "IngHopsID" INTEGER DEFAULT 0,
    "IngHopsTime" REAL NOT NULL DEFAULT 0,
    "IngHopsUnits" TEXT DEFAULT '',
    "IngHopsWeight" REAL DEFAULT 0
);
CREATE INDEX "IndexIngHopsTime" ON "Ingredients_Hops" ("IngHopsTime");
CREATE INDEX "IndexIngHopsRecipeID" ON "Ingredients_Hops" ("IngRecipeID");

CREATE TABLE "Ingredients_Yeasts" (
    "IngRowID" INTEGER PRIMARY KEY AUTOINCREMENT,
    "IngRecipeID" INTEGER NOT NULL DEFAULT 0,
    "IngYeastAmt" REAL DEFAULT 0,
    "IngYeastForm" TEXT DEFAULT '',
    "IngYeastName" TEXT DEFAULT '',
    "IngYeastType" TEXT DEFAULT '',
    "IngYeastManuf" TEXT DEFAULT '',
    "IngYeastID" INTEGER DEFAULT 0,
    "IngYeastAttenuation" REAL DEFAULT 0,
    "IngYeastUnits" TEXT DEFAULT ''
);
CREATE INDEX "IndexIngYeastsRecipeID" ON "Ingredients_Yeasts" ("IngRecipeID");

CREATE TABLE "Ingredients_Adjuncts" (
    "IngRowID" INTEGER PRIMARY KEY AUTOINCREMENT,
    "IngAdjunctsAmt" TEXT DEFAULT '',
    "IngAdjunctsName" TEXT DEFAULT '',
    "IngRecipeID" INTEGER NOT NULL DEFAULT 0,
    "IngAdjunctsFermentable" INTEGER DEFAULT 0,
    "IngAdjunctsUnits" TEXT DEFAULT '',
    "IngAdjunctsColor" REAL DEFAULT 0,
    "IngAdjunctsSPGrav" REAL DEFAULT 0,
    "IngAdjunctsID" INTEGER DEFAULT 0
);
CREATE INDEX "IndexIngAdjunctsRecipeID" ON "Ingredients_Adjuncts" ("IngRecipeID");

CREATE VIEW "Recipes Log Query - By Batch Number" AS
    SELECT "RecipeBatchNo", "RecipeDateBrewed", "RecipeName", "RecipeTargetCategory",
           "RecipeTargetStyle", "RecipeTargetSubcategory", "RecipeID"
    FROM "Recipes" ORDER BY "RecipeBatchNo";

CREATE VIEW "Recipes Max Batch Number Query" AS
    SELECT max("RecipeBatchNo") AS "Max Of RecipeBatchNo" FROM "Recipes";

-- The grid's sheets: the grid's columns in its order, then the row's own identifier.
CREATE VIEW "RecipeIngredients_Kits" AS
    SELECT "IngKitsManuf", "IngKitsStyle", "IngKitsHBU", "IngKitsWeight", "IngKitsUnits",
           "IngKitsStartSPGrav", "IngKitsColor", "IngRecipeID", "IngRowID"
    FROM "Ingredients_Kits" ORDER BY "IngRowID";
CREATE VIEW "RecipeIngredients_Extracts" AS
    SELECT "IngExtractsManuf", "IngExtractsName", "IngExtractsHBU", "IngExtractsWeight",
           "IngExtractsUnits", "IngExtractsForm", "IngExtractsHopped", "IngExtractsSPGrav",
           "IngExtractsColor", "IngRecipeID", "IngRowID"
    FROM "Ingredients_Extracts" ORDER BY "IngRowID";
CREATE VIEW "RecipeIngredients_Grains" AS
    SELECT "IngGrainsName", "IngGrainsWeight", "IngGrainsUnits", "IngGrainsSPGrav",
           "IngGrainsColor", "IngRecipeID", "IngRowID"
    FROM "Ingredients_Grains" ORDER BY "IngRowID";
CREATE VIEW "RecipeIngredients_Adjuncts" AS
    SELECT "IngAdjunctsName", "IngAdjunctsAmt", "IngAdjunctsUnits", "IngAdjunctsFermentable",
           "IngAdjunctsSPGrav", "IngAdjunctsColor", "IngRecipeID", "IngRowID"
    FROM "Ingredients_Adjuncts" ORDER BY "IngRowID";
CREATE VIEW "RecipeIngredients_Hops" AS
    SELECT "IngHopsName", "IngHopsAlpha", "IngHopsWeight", "IngHopsUnits", "IngHopsTime",
           "IngHopsIBU", "IngHopsHBU", "IngRecipeID", "IngRowID"
    FROM "Ingredients_Hops" ORDER BY "IngRowID";
CREATE VIEW "RecipeIngredients_Yeasts" AS
    SELECT "IngYeastManuf", "IngYeastName", "IngYeastType", "IngYeastForm", "IngYeastAmt",
           "IngYeastUnits", "IngYeastAttenuation", "IngRecipeID", "IngRowID"
    FROM "Ingredients_Yeasts" ORDER BY "IngRowID";
