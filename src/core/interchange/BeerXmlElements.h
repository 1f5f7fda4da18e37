#pragma once

// The element names of BeerXML 1.0 that the reader and the writer share, declared once: a
// misspelt name would compile and make a file that no program (this one included) reads back.

namespace wsc::beerxml {

namespace el {
// The records and their lists.
inline constexpr char Recipes[] = "RECIPES";
inline constexpr char Recipe[] = "RECIPE";
inline constexpr char Style[] = "STYLE";
inline constexpr char Equipment[] = "EQUIPMENT";
inline constexpr char Mash[] = "MASH";
inline constexpr char MashSteps[] = "MASH_STEPS";
inline constexpr char MashStep[] = "MASH_STEP";
inline constexpr char Hops[] = "HOPS";
inline constexpr char Hop[] = "HOP";
inline constexpr char Fermentables[] = "FERMENTABLES";
inline constexpr char Fermentable[] = "FERMENTABLE";
inline constexpr char Miscs[] = "MISCS";
inline constexpr char Misc[] = "MISC";
inline constexpr char Yeasts[] = "YEASTS";
inline constexpr char Yeast[] = "YEAST";
inline constexpr char Waters[] = "WATERS";
inline constexpr char Water[] = "WATER";
// A recipe's fields, and the display figures every program computes for itself.
inline constexpr char Name[] = "NAME";
inline constexpr char Version[] = "VERSION";
inline constexpr char Type[] = "TYPE";
inline constexpr char Brewer[] = "BREWER";
inline constexpr char BatchSize[] = "BATCH_SIZE";
inline constexpr char BoilSize[] = "BOIL_SIZE";
inline constexpr char BoilTime[] = "BOIL_TIME";
inline constexpr char Efficiency[] = "EFFICIENCY";
inline constexpr char Notes[] = "NOTES";
inline constexpr char TasteNotes[] = "TASTE_NOTES";
inline constexpr char TasteRating[] = "TASTE_RATING";
inline constexpr char Og[] = "OG";
inline constexpr char Fg[] = "FG";
inline constexpr char Date[] = "DATE";
inline constexpr char PrimaryAge[] = "PRIMARY_AGE";
inline constexpr char PrimaryTemp[] = "PRIMARY_TEMP";
inline constexpr char SecondaryAge[] = "SECONDARY_AGE";
inline constexpr char SecondaryTemp[] = "SECONDARY_TEMP";
inline constexpr char PrimingSugarName[] = "PRIMING_SUGAR_NAME";
inline constexpr char Age[] = "AGE";
inline constexpr char EstOg[] = "EST_OG";
inline constexpr char EstFg[] = "EST_FG";
inline constexpr char EstColor[] = "EST_COLOR";
inline constexpr char Ibu[] = "IBU";
inline constexpr char IbuMethod[] = "IBU_METHOD";
inline constexpr char EstAbv[] = "EST_ABV";
inline constexpr char Abv[] = "ABV";
inline constexpr char ActualEfficiency[] = "ACTUAL_EFFICIENCY";
inline constexpr char Calories[] = "CALORIES";
inline constexpr char DisplayAmount[] = "DISPLAY_AMOUNT";
// A style's.
inline constexpr char Inventory[] = "INVENTORY";
inline constexpr char Category[] = "CATEGORY";
inline constexpr char CategoryNumber[] = "CATEGORY_NUMBER";
inline constexpr char StyleLetter[] = "STYLE_LETTER";
inline constexpr char StyleGuide[] = "STYLE_GUIDE";
inline constexpr char OgMin[] = "OG_MIN";
inline constexpr char OgMax[] = "OG_MAX";
inline constexpr char FgMin[] = "FG_MIN";
inline constexpr char FgMax[] = "FG_MAX";
inline constexpr char IbuMin[] = "IBU_MIN";
inline constexpr char IbuMax[] = "IBU_MAX";
inline constexpr char ColorMin[] = "COLOR_MIN";
inline constexpr char ColorMax[] = "COLOR_MAX";
inline constexpr char AbvMin[] = "ABV_MIN";
// Equipment and mash.
inline constexpr char AbvMax[] = "ABV_MAX";
inline constexpr char EvapRate[] = "EVAP_RATE";
inline constexpr char GrainTemp[] = "GRAIN_TEMP";
inline constexpr char SpargeTemp[] = "SPARGE_TEMP";
inline constexpr char Ph[] = "PH";
inline constexpr char StepTime[] = "STEP_TIME";
inline constexpr char StepTemp[] = "STEP_TEMP";
// An ingredient's.
inline constexpr char InfuseAmount[] = "INFUSE_AMOUNT";
inline constexpr char Amount[] = "AMOUNT";
inline constexpr char AmountIsWeight[] = "AMOUNT_IS_WEIGHT";
inline constexpr char Use[] = "USE";
inline constexpr char Time[] = "TIME";
inline constexpr char Supplier[] = "SUPPLIER";
inline constexpr char Yield[] = "YIELD";
inline constexpr char Color[] = "COLOR";
inline constexpr char Alpha[] = "ALPHA";
inline constexpr char Form[] = "FORM";
inline constexpr char Laboratory[] = "LABORATORY";
inline constexpr char Attenuation[] = "ATTENUATION";
inline constexpr char Flocculation[] = "FLOCCULATION";
inline constexpr char RecommendMash[] = "RECOMMEND_MASH";
inline constexpr char AddAfterBoil[] = "ADD_AFTER_BOIL";
inline constexpr char IsMashed[] = "IS_MASHED";
inline constexpr char AddToSecondary[] = "ADD_TO_SECONDARY";
inline constexpr char ForcedCarbonation[] = "FORCED_CARBONATION";
inline constexpr char CalcBoilVolume[] = "CALC_BOIL_VOLUME";
inline constexpr char HopUtilization[] = "HOP_UTILIZATION";
inline constexpr char EquipAdjust[] = "EQUIP_ADJUST";
// The rest of the format's elements, named for the one check of what goes into each.
inline constexpr char FermentationStages[] = "FERMENTATION_STAGES";
inline constexpr char TimesCultured[] = "TIMES_CULTURED";
inline constexpr char MaxReuse[] = "MAX_REUSE";
inline constexpr char Beta[] = "BETA";
inline constexpr char Hsi[] = "HSI";
inline constexpr char Humulene[] = "HUMULENE";
inline constexpr char Caryophyllene[] = "CARYOPHYLLENE";
inline constexpr char Cohumulone[] = "COHUMULONE";
inline constexpr char Myrcene[] = "MYRCENE";
inline constexpr char CoarseFineDiff[] = "COARSE_FINE_DIFF";
inline constexpr char Moisture[] = "MOISTURE";
inline constexpr char Protein[] = "PROTEIN";
inline constexpr char MaxInBatch[] = "MAX_IN_BATCH";
inline constexpr char DiastaticPower[] = "DIASTATIC_POWER";
inline constexpr char IbuGalPerLb[] = "IBU_GAL_PER_LB";
inline constexpr char TertiaryAge[] = "TERTIARY_AGE";
inline constexpr char TertiaryTemp[] = "TERTIARY_TEMP";
inline constexpr char AgeTemp[] = "AGE_TEMP";
inline constexpr char Carbonation[] = "CARBONATION";
inline constexpr char CarbonationTemp[] = "CARBONATION_TEMP";
inline constexpr char PrimingSugarEquiv[] = "PRIMING_SUGAR_EQUIV";
inline constexpr char KegPrimingFactor[] = "KEG_PRIMING_FACTOR";
inline constexpr char MinTemperature[] = "MIN_TEMPERATURE";
inline constexpr char MaxTemperature[] = "MAX_TEMPERATURE";
inline constexpr char TunTemp[] = "TUN_TEMP";
inline constexpr char EndTemp[] = "END_TEMP";
inline constexpr char RampTime[] = "RAMP_TIME";
inline constexpr char TunVolume[] = "TUN_VOLUME";
inline constexpr char TunWeight[] = "TUN_WEIGHT";
inline constexpr char TunSpecificHeat[] = "TUN_SPECIFIC_HEAT";
inline constexpr char TopUpWater[] = "TOP_UP_WATER";
inline constexpr char TrubChillerLoss[] = "TRUB_CHILLER_LOSS";
inline constexpr char LauterDeadspace[] = "LAUTER_DEADSPACE";
inline constexpr char TopUpKettle[] = "TOP_UP_KETTLE";
inline constexpr char CarbMin[] = "CARB_MIN";
inline constexpr char CarbMax[] = "CARB_MAX";
inline constexpr char Calcium[] = "CALCIUM";
inline constexpr char Bicarbonate[] = "BICARBONATE";
inline constexpr char Sulfate[] = "SULFATE";
inline constexpr char Chloride[] = "CHLORIDE";
inline constexpr char Sodium[] = "SODIUM";
inline constexpr char Magnesium[] = "MAGNESIUM";
inline constexpr char Origin[] = "ORIGIN";
inline constexpr char ProductId[] = "PRODUCT_ID";
} // namespace el

// Our own elements, for what the format has no place for; other programs ignore them. Each is
// written with kOwnPrefix before its name.
inline constexpr char kOwnPrefix[] = "WORTSMITH_";
// What another program's file brought that the recipe keeps goes back in elements named
// kKeptPrefix and the element's name.
inline constexpr char kKeptPrefix[] = "WORTSMITH_KEPT.";

namespace ours {
inline constexpr char Measure[] = "MEASURE";
inline constexpr char Process[] = "PROCESS";
inline constexpr char Rating[] = "RATING";
inline constexpr char ConditioningUnits[] = "CONDITIONING_UNITS";
inline constexpr char PrimingAmount[] = "PRIMING_AMOUNT";
inline constexpr char PrimingUnits[] = "PRIMING_UNITS";
inline constexpr char IbuMethod[] = "IBU_METHOD";
inline constexpr char Mcu[] = "MCU";
inline constexpr char Subcategory[] = "SUBCATEGORY";
inline constexpr char MashType[] = "MASH_TYPE";
inline constexpr char SpargeVolume[] = "SPARGE_VOLUME";
inline constexpr char Place[] = "PLACE";
inline constexpr char Units[] = "UNITS";
inline constexpr char Kit[] = "KIT";
inline constexpr char Hbu[] = "HBU";
inline constexpr char Form[] = "FORM";
inline constexpr char Hopped[] = "HOPPED";
inline constexpr char Amount[] = "AMOUNT";
inline constexpr char Fermentable[] = "FERMENTABLE";
inline constexpr char Potential[] = "POTENTIAL";
inline constexpr char Color[] = "COLOR";
} // namespace ours

} // namespace wsc::beerxml
