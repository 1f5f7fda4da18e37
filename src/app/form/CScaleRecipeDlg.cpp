#include "app/form/CScaleRecipeDlg.h"

#include "app/widgets/HelpContextProperty.h"
#include "core/document/FieldExchange.h"
#include "core/help/HelpContexts.h"
#include "core/settings/WindowTexts.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace wsc {

CScaleRecipeDlg::CScaleRecipeDlg(Prompter& prompter, const UnitChoice& units, double batchSize,
                                 double efficiency, QWidget* parent)
    : QDialog(parent), m_prompter(prompter), m_volume(units.volume),
      m_shownEfficiency(QString::number(efficiency, 'g', 4)) {
    setWindowTitle(QString::fromUtf8(Labels::kScaleRecipe));
    setObjectName(QStringLiteral("scaleRecipe"));
    SetHelpContext(this, HelpContext::kScaleRecipe);
    const QString symbol = QString::fromUtf8(InfoOf(m_volume).symbol);
    const QString size = FormatInUnit(m_volume, batchSize, -1, true);
    auto* about = new QLabel(QStringLiteral("The recipe makes %1 %2 at %3 % efficiency.  A copy "
                                            "is made with the next batch number; the recipe "
                                            "itself does not change.")
                                 .arg(size, symbol, m_shownEfficiency),
                             this);
    about->setWordWrap(true);
    m_batch = new QLineEdit(size, this);
    m_batch->setObjectName(QStringLiteral("toBatchSize"));
    m_efficiency = new QLineEdit(m_shownEfficiency, this);
    m_efficiency->setObjectName(QStringLiteral("toEfficiency"));
    auto* form = new QFormLayout;
    form->addRow(QString::fromUtf8(Labels::kNewBatchSizePattern).arg(symbol), m_batch);
    form->addRow(QString::fromUtf8(Labels::kExpectedEfficiency), m_efficiency);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    m_ok = buttons->button(QDialogButtonBox::Ok);
    connect(m_ok, &QPushButton::clicked, this, &CScaleRecipeDlg::OnOK);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(about);
    layout->addLayout(form);
    layout->addWidget(buttons);
    m_batch->selectAll();
}

void CScaleRecipeDlg::OnOK() {
    double size = 0;
    if (!ReadFieldInUnit(m_batch->text(), QString::fromUtf8(Labels::kNewBatchSize),
                         Quantity::Volume, m_volume, false, m_prompter, size)) {
        m_batch->setFocus();
        return;
    }
    double efficiency = 0;
    if (!ReadNumberField(m_efficiency->text(), QString::fromUtf8(Labels::kExpectedEfficiencyField),
                         m_prompter, efficiency)) {
        m_efficiency->setFocus();
        return;
    }
    m_request.batchSize = size;
    m_request.volume = m_volume;
    // An efficiency left as shown keeps the recipe's own, every figure of it (72.345 % is shown
    // as 72.34), even one the calculation assumes.
    if (m_efficiency->text() != m_shownEfficiency)
        m_request.efficiency = efficiency;
    accept();
}

} // namespace wsc
