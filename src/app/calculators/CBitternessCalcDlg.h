#pragma once

#include "app/calculators/CCalculatorDlg.h"
#include "core/calculators/BitternessCalculator.h"

class QRadioButton;

namespace wsc {

class CWscalcDoc;

// "Bitterness Calculator": IBUs, hop weight, alpha acid or boil volume from the other three,
// with the utilization of the document's table for the gravity and boil time.
class CBitternessCalcDlg : public CCalculatorDlg {
    Q_OBJECT
public:
    CBitternessCalcDlg(CWscalcDoc& doc, DialogRunner& runner, QWidget* parent = nullptr);

    BitternessCalculator& calculator() { return m_model; }
    QLabel* hopLabel() const { return m_hopLabel; }
    QLabel* weightUnitLabel() const { return m_weightUnit; }
    QLabel* volumeUnitLabel() const { return m_volumeUnit; }
    QRadioButton* englishButton() const { return m_english; }
    QRadioButton* metricButton() const { return m_metric; }
    void OnSelectHop();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void refreshExtras() override;

private:
    CWscalcDoc& m_doc;
    BitternessCalculator& m_model;
    QLabel* m_hopLabel;
    QLabel* m_weightUnit;
    QLabel* m_volumeUnit;
    QRadioButton* m_english;
    QRadioButton* m_metric;
};

} // namespace wsc
