#pragma once

#include "core/calc/Units.h"
#include "core/document/RecipeScaling.h"

#include <QDialog>

class QLineEdit;
class QPushButton;

namespace wsc {

class Prompter;

// Record > Scale Recipe: the batch size (in the brewer's volume unit) and the expected
// efficiency to scale the current recipe to. OK reads them, refusing a value that is no number
// with a message and the focus on it; the dialog stays open until they read.
class CScaleRecipeDlg : public QDialog {
    Q_OBJECT
public:
    CScaleRecipeDlg(Prompter& prompter, const UnitChoice& units, double batchSize,
                    double efficiency, QWidget* parent = nullptr);

    QLineEdit* batchSizeEdit() const { return m_batch; }
    QLineEdit* efficiencyEdit() const { return m_efficiency; }
    QPushButton* okButton() const { return m_ok; }
    // What was asked for, once the dialog is accepted.
    const ScaleRequest& request() const { return m_request; }

    void OnOK();

private:
    Prompter& m_prompter;
    Unit m_volume;
    QString m_shownEfficiency;
    QLineEdit* m_batch = nullptr;
    QLineEdit* m_efficiency = nullptr;
    QPushButton* m_ok = nullptr;
    ScaleRequest m_request;
};

} // namespace wsc
