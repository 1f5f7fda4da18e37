#pragma once

// The name of every column, made from the record classes' column lists: a column renamed or
// dropped there fails to compile where its name is used, instead of failing at run time.

#include "core/db/records/CRecordSetAdjuncts.h"
#include "core/db/records/CRecordSetBrewer.h"
#include "core/db/records/CRecordSetExtracts.h"
#include "core/db/records/CRecordSetGlossary.h"
#include "core/db/records/CRecordSetGrains.h"
#include "core/db/records/CRecordSetHops.h"
#include "core/db/records/CRecordSetHopsUtilization.h"
#include "core/db/records/CRecordSetKits.h"
#include "core/db/records/CRecordSetRecIngAdjuncts.h"
#include "core/db/records/CRecordSetRecIngExtracts.h"
#include "core/db/records/CRecordSetRecIngGrains.h"
#include "core/db/records/CRecordSetRecIngHops.h"
#include "core/db/records/CRecordSetRecIngKits.h"
#include "core/db/records/CRecordSetRecIngYeasts.h"
#include "core/db/records/CRecordSetRecipe.h"
#include "core/db/records/CRecordSetStyles.h"
#include "core/db/records/CRecordSetSuppliers.h"
#include "core/db/records/CRecordSetWater.h"
#include "core/db/records/CRecordSetYeast.h"

namespace wsc::col {

#define WSC_COLUMN_NAME(name, type, init) inline constexpr const char* name = #name;

// The recipe database, a namespace a table: the ingredient tables share IngRecipeID. The
// recipe log reads the recipe table, so its columns are the recipe's.
namespace recipe {
WSC_RECIPE_COLUMNS(WSC_COLUMN_NAME)
}
namespace kits {
WSC_RECINGKITS_COLUMNS(WSC_COLUMN_NAME)
}
namespace extracts {
WSC_RECINGEXTRACTS_COLUMNS(WSC_COLUMN_NAME)
}
namespace grains {
WSC_RECINGGRAINS_COLUMNS(WSC_COLUMN_NAME)
}
namespace adjuncts {
WSC_RECINGADJUNCTS_COLUMNS(WSC_COLUMN_NAME)
}
namespace hops {
WSC_RECINGHOPS_COLUMNS(WSC_COLUMN_NAME)
}
namespace yeasts {
WSC_RECINGYEASTS_COLUMNS(WSC_COLUMN_NAME)
}

// The Data database, in one namespace: its column names begin with their table's.
namespace data {
WSC_STYLES_COLUMNS(WSC_COLUMN_NAME)
WSC_KITS_COLUMNS(WSC_COLUMN_NAME)
WSC_EXTRACTS_COLUMNS(WSC_COLUMN_NAME)
WSC_GRAINS_COLUMNS(WSC_COLUMN_NAME)
WSC_HOPS_COLUMNS(WSC_COLUMN_NAME)
WSC_YEAST_COLUMNS(WSC_COLUMN_NAME)
WSC_WATER_COLUMNS(WSC_COLUMN_NAME)
WSC_ADJUNCTS_COLUMNS(WSC_COLUMN_NAME)
WSC_GLOSSARY_COLUMNS(WSC_COLUMN_NAME)
WSC_SUPPLIERS_COLUMNS(WSC_COLUMN_NAME)
WSC_BREWER_COLUMNS(WSC_COLUMN_NAME)
WSC_HOPSUTILIZATION_COLUMNS(WSC_COLUMN_NAME)
} // namespace data

#undef WSC_COLUMN_NAME

} // namespace wsc::col
