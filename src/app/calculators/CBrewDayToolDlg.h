#pragma once

#include "app/calculators/CCalculatorDlg.h"

#include <map>

class QComboBox;

namespace wsc {

// A brew-day tool's dialog: its fields in the order the tool gives them, a list for a field
// that picks one of several things (the sugar), the quantity to solve for, and the usual
// buttons. The tool says the units in its labels.
class CBrewDayToolDlg : public CCalculatorDlg {
    Q_OBJECT
public:
    CBrewDayToolDlg(std::unique_ptr<SolverCalculator> tool, int helpContext, DialogRunner& runner,
                    QWidget* parent);
    // The list shown for a choice field, or null.
    QComboBox* choiceList(int field) const;

protected:
    void refreshExtras() override;

private:
    std::map<int, QComboBox*> m_choices;
};

} // namespace wsc
