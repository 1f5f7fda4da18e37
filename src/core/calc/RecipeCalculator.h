#pragma once

#include "core/calc/IngredientSheets.h"
#include "core/calc/UtilizationTable.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

namespace wsc {

class CRecordSetRecipe;

class Prompter;

// The recipe fields the calculations read.
struct RecipeInputs {
    double batchSize = 5.0;
    double boilSize = 5.0;
    long measureEnglish = 0; // 0 English, 1 Metric
    double efficiencyExpected = 80.0;
    QString primingName;
    // The texts shown for the three numbers when they are no numbers at all (a field typed
    // "abc"), for the messages; empty when the numbers are what was shown.
    QString batchSizeText = {};
    QString boilSizeText = {};
    QString efficiencyText = {};

    // The fields of a recipe that the calculations read.
    static RecipeInputs of(const CRecordSetRecipe& recipe);
};

// The "Calculations:" status: its text and colour (RGB).
enum class CalcStatus { NotDone, Errors, NoErrors };
struct CalcStatusLook {
    QString text;
    unsigned int rgb;
};
CalcStatusLook LookOf(CalcStatus status);

// One line of the "Calculation Messages" dialog.
struct CalcMessageLine {
    unsigned long number;
    QString level;
    QString message;
};

// Sorts the messages byte-wise in place, drops repeats, and splits each into its level (text
// before the first colon) and message (text after the colon and the character behind it).
std::vector<CalcMessageLine> CalcMessageLines(QStringList& messages);

// Where a prediction stands against a range: -1 below ("-"), 0 in range, +1 above ("+").
int CompareWithRange(double value, double low, double high);

// The predictions of the current recipe and the message list, as the recipe form holds them.
// Reads the ingredient rows through IngredientSheets and the recipe fields from RecipeInputs.
class RecipeCalculator {
public:
    RecipeCalculator(IngredientSheets& sheets, const UtilizationTable& table);

    void setInputs(const RecipeInputs& inputs) { m_in = inputs; }
    const RecipeInputs& inputs() const { return m_in; }
    void setPrompter(Prompter* prompter) { m_prompter = prompter; }
    void setDisplayWarnings(bool on) { m_displayWarnings = on; }
    // Called whenever a calculation changes a cell (the recipe is then modified).
    void setModifiedHandler(std::function<void()> handler) { m_onModified = std::move(handler); }
    // Called as soon as a run has set the status, before any message box of the run: what is
    // shown behind the box is the run's outcome, not the one before.
    void setStatusHandler(std::function<void()> handler) { m_onStatus = std::move(handler); }

    // All five results to 0 (new form, Add, Copy, Refresh).
    void resetResults();

    void AddCalcMessage(const QString& text);
    void CalcOriginalGravity();
    void CalcHopRow(int row, bool unitFlag);
    void CalcBitterness();
    void CalcAlcohol();
    void CalcColor();
    // Runs every step; returns the new status. Shows box 12 when asked and warnings are on.
    CalcStatus RunCalculations(bool showWarning);
    // The "Msgs" button: runs without the box; true when the messages dialog should open,
    // otherwise box 13 has been shown (when warnings are on).
    bool OnMsgs();

    double PredictedOG = 0;
    double PredictedABV = 0;
    // What the yeast's attenuation leaves of the original gravity.
    double PredictedFG = 0;
    double TotalIBU = 0;
    double TotalHBU = 0;
    double PredictedColor = 0;
    QStringList CalcMessages;
    std::uint32_t CalcMessageCount = 0;
    CalcStatus status = CalcStatus::NotDone;

    // The system efficiency the brew achieved, in percent: the actual original gravity's points
    // over the points the same ingredients give at 100 % grain efficiency. Empty when there is
    // no actual gravity above 1.0 or the ingredients give no points.
    static std::optional<double> systemEfficiencyActual(IngredientSheets& sheets,
                                                        const UtilizationTable& table,
                                                        RecipeInputs inputs, double actualOG);
    // Stores in `recipe` the efficiency its actual gravity shows, as a save does: a recipe
    // without an actual gravity, or whose ingredients give no points, keeps what is stored.
    static void storeSystemEfficiencyActual(CRecordSetRecipe& recipe, IngredientSheets& sheets,
                                            const UtilizationTable& table,
                                            const RecipeInputs& inputs);

    // Hop weight in ounces from a cell's weight and unit.
    static double hopOunces(double weight, const QString& unit);
    // Fermentable weight in pounds from a cell's weight and unit.
    static double pounds(double weight, const QString& unit);

private:
    void computeOriginalGravity();
    // The quantity in a cell: its leading number. A value below 0 or not finite (a stored
    // "inf") is reported with the text as it stands, and gives nothing.
    std::optional<double> quantity(int sheet, int row, int col, const char* what, const char* kind);
    // A recipe size usable as a divisor: false (having said so) when it is 0, below 0 or no
    // number. `zeroMessage` is the catalogue's message for 0.
    bool usableSize(double value, const QString& text, const char* field, int zeroMessage);
    // A message of the catalogue with %1, %2 and the row number for %d, in one pass.
    void addFormatted(int id, const QStringList& inserts, long row = -1);
    double gravityPart(int sheet, int weightCol, int unitCol, int gravityCol, const char* word,
                       const std::function<double(int row)>& assumed, int skipCol, int zeroMessage,
                       const QString& zeroWord);
    void writeHopCells(int row, double ibu, double hbu);

    IngredientSheets& m_sheets;
    const UtilizationTable& m_table;
    RecipeInputs m_in;
    Prompter* m_prompter = nullptr;
    bool m_displayWarnings = true;
    std::function<void()> m_onModified;
    std::function<void()> m_onStatus;
    bool m_ogComputed = false;
    // Within one bitterness step the fermentable rows cannot change, so the gravity of the
    // first hop row is replayed (value and messages) for the others.
    struct OgReplay {
        bool active = false;
        bool valid = false;
        double og = 0;
        QStringList messages;
    } m_ogReplay;
};

} // namespace wsc
