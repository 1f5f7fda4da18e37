-- Data database: the reference catalogue shared by all recipe databases. The marker table
-- comes first: the program recognises the Data database by the name of the first table.
CREATE TABLE "A_Data" ("A_DataID" INTEGER PRIMARY KEY, "A_DataNote" TEXT);

CREATE TABLE "Adjuncts" (
    "AdjunctsID" INTEGER PRIMARY KEY AUTOINCREMENT,
    "AdjunctsColor" REAL DEFAULT 0,
    "AdjunctsComments" TEXT DEFAULT '',
    "AdjunctsDegreesBalling" REAL DEFAULT 0,
    "AdjunctsFermentable" INTEGER DEFAULT 0,
    "AdjunctsName" TEXT NOT NULL DEFAULT '',
    "AdjunctsProtein" REAL DEFAULT 0,
    "AdjunctsSPGrav" REAL DEFAULT 0,
    "AdjunctsYield" REAL DEFAULT 0,
    "AdjunctsPriming" INTEGER DEFAULT 0
);
CREATE INDEX "IndexAdjunctsName" ON "Adjuncts" ("AdjunctsName");

CREATE TABLE "Brewer" (
    "BrewerID" INTEGER PRIMARY KEY AUTOINCREMENT,
    "BrewerName" TEXT NOT NULL DEFAULT '',
    "BrewerAddress" TEXT DEFAULT '',
    "BrewerSkill" INTEGER DEFAULT 0
);
CREATE INDEX "IndexBrewerName" ON "Brewer" ("BrewerName");

CREATE TABLE "Extracts" (
    "ExtractsID" INTEGER PRIMARY KEY AUTOINCREMENT,
    "ExtractsColor" REAL DEFAULT 0,
    "ExtractsComments" TEXT DEFAULT '',
    "ExtractsDegreesBalling" REAL DEFAULT 0,
    "ExtractsHBU" REAL DEFAULT 0,
    "ExtractsHopped" INTEGER DEFAULT 0,
    "ExtractsManuf" TEXT NOT NULL DEFAULT '',
    "ExtractsName" TEXT NOT NULL DEFAULT '',
    "ExtractsSpecificGravity" REAL DEFAULT 0,
    "ExtractsUnits" INTEGER DEFAULT 0,
    "ExtractsWeight" REAL DEFAULT 0,
    "ExtractsForm" INTEGER DEFAULT 0
);
CREATE INDEX "IndexExtractsManufName" ON "Extracts" ("ExtractsManuf", "ExtractsName");

CREATE TABLE "Glossary" (
    "GlossaryID" INTEGER PRIMARY KEY AUTOINCREMENT,
    "GlossaryTerm" TEXT NOT NULL DEFAULT '',
    "GlossaryInfo" TEXT DEFAULT ''
);
CREATE INDEX "IndexGlossaryTerm" ON "Glossary" ("GlossaryTerm");

CREATE TABLE "Grains" (
    "GrainsID" INTEGER PRIMARY KEY AUTOINCREMENT,
    "GrainsName" TEXT NOT NULL DEFAULT '',
    "GrainsColor" REAL DEFAULT 0,
    "GrainsComments" TEXT DEFAULT '',
    "GrainsSPGrav" REAL DEFAULT 0,
    "GrainsDegreesBalling" REAL DEFAULT 0,
    "GrainsCategory" TEXT NOT NULL DEFAULT '',
    "GrainsProtein" REAL DEFAULT 0,
    "GrainsYield" REAL DEFAULT 0,
    "GrainsManuf" TEXT DEFAULT ''
);
CREATE INDEX "IndexGrainsCategoryName" ON "Grains" ("GrainsCategory", "GrainsName");

CREATE TABLE "Hops" (
    "HopsID" INTEGER PRIMARY KEY AUTOINCREMENT,
    "HopsAlpha" REAL NOT NULL DEFAULT 0,
    "HopsComments" TEXT DEFAULT '',
    "HopsName" TEXT NOT NULL DEFAULT '',
    "HopsOrigin" TEXT DEFAULT '',
    "HopsStability" INTEGER DEFAULT 2,
    "HopsAlphaHi" REAL DEFAULT 0,
    "HopsAlphaLo" REAL DEFAULT 0,
    "HopsSubstitute1" TEXT,
    "HopsSubstitute2" TEXT,
    "HopsSubstitute3" TEXT,
    "HopsSubstitute4" TEXT
);
CREATE INDEX "IndexHopsNameAlpha" ON "Hops" ("HopsName", "HopsAlpha");

CREATE TABLE "HopsUtilization" (
    "HopsUtilizationRowID" INTEGER PRIMARY KEY AUTOINCREMENT,
    "HopsUtil_BoilIndex" INTEGER NOT NULL,
    "HopsUtil_BoilTime" INTEGER NOT NULL,
    "HopsUtil_OriginalGravity" REAL NOT NULL,
    "HopsUtil_Utilization" REAL NOT NULL
);
CREATE INDEX "IndexBoilIndexOG" ON "HopsUtilization" ("HopsUtil_BoilIndex", "HopsUtil_OriginalGravity");

CREATE TABLE "Kits" (
    "KitsID" INTEGER PRIMARY KEY AUTOINCREMENT,
    "KitsColor" REAL DEFAULT 0,
    "KitsDescription" TEXT DEFAULT '',
    "KitsHBU" REAL DEFAULT 0,
    "KitsManuf" TEXT NOT NULL DEFAULT '',
    "KitsStartSPGrav" REAL DEFAULT 0,
    "KitsStyle" TEXT NOT NULL DEFAULT '',
    "KitsUnits" INTEGER DEFAULT 0,
    "KitsWeight" REAL DEFAULT 0
);
CREATE INDEX "IndexKitsManufStyle" ON "Kits" ("KitsManuf", "KitsStyle");

CREATE TABLE "Styles" (
    "StylesID" INTEGER PRIMARY KEY AUTOINCREMENT,
    "StylesName" TEXT NOT NULL DEFAULT '',
    "StylesCategory" TEXT NOT NULL DEFAULT '',
    "StylesSubcategory" TEXT NOT NULL DEFAULT ' ',
    "StylesGravityLo" REAL DEFAULT 1.0,
    "StylesGravityHi" REAL DEFAULT 1.0,
    "StylesAlcoLo" REAL DEFAULT 0,
    "StylesIBULo" REAL DEFAULT 0,
    "StylesIBUHi" REAL DEFAULT 0,
    "StylesColorLo" REAL DEFAULT 0,
    "StylesColorHi" REAL DEFAULT 0,
    "StylesAlcoHi" REAL DEFAULT 0,
    "StylesType" TEXT DEFAULT '',
    "StylesComments" TEXT DEFAULT ''
);
CREATE INDEX "IndexStylesNameCatSubcat" ON "Styles" ("StylesName", "StylesCategory", "StylesSubcategory");

CREATE TABLE "Suppliers" (
    "SuppliersID" INTEGER PRIMARY KEY AUTOINCREMENT,
    "SuppliersName" TEXT NOT NULL DEFAULT '',
    "SuppliersAddress" TEXT DEFAULT '',
    "SuppliersInfo" TEXT DEFAULT '',
    "SuppliersEMail" TEXT DEFAULT '',
    "SuppliersInternet" TEXT DEFAULT ''
);
CREATE INDEX "IndexSuppliersName" ON "Suppliers" ("SuppliersName");

CREATE TABLE "Water" (
    "WaterID" INTEGER PRIMARY KEY AUTOINCREMENT,
    "WaterHardness" INTEGER DEFAULT 0,
    "WaterInfo" TEXT DEFAULT '',
    "WaterType" TEXT NOT NULL DEFAULT ''
);
CREATE INDEX "IndexWaterType" ON "Water" ("WaterType");

CREATE TABLE "Yeast" (
    "YeastID" INTEGER PRIMARY KEY AUTOINCREMENT,
    "YeastForm" INTEGER DEFAULT 0,
    "YeastType" INTEGER DEFAULT 0,
    "YeastComments" TEXT DEFAULT '',
    "YeastStrain" TEXT NOT NULL DEFAULT '',
    "YeastManuf" TEXT NOT NULL DEFAULT '',
    "YeastAttenuation" REAL DEFAULT 0
);
CREATE INDEX "IndexYeastManufStrain" ON "Yeast" ("YeastManuf", "YeastStrain");
