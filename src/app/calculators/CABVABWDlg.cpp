#include "app/calculators/CABVABWDlg.h"

#include "app/widgets/HelpContextProperty.h"
#include "core/help/HelpContexts.h"
#include "core/settings/WindowTexts.h"

#include "app/widgets/CControlTipWnd.h"
#include "core/calculators/TwoWayConverter.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace wsc {

using F = AbvAbwConverter::Field;

CABVABWDlg::CABVABWDlg(Prompter& prompter, DialogRunner& runner, QWidget* parent)
    : CCalculatorDlg(std::make_unique<AbvAbwConverter>(prompter), runner, parent),
      m_tips(new CControlTipWnd(this)) {
    SetHelpContext(this, HelpContext::kAbvAbw);
    auto* grid = new QGridLayout;
    addRow(grid, 0, F::Abv, QStringLiteral("0.5 - 20.00%"));
    grid->addWidget(new QLabel(QString::fromUtf8(Labels::kAbvFromAbwFormula), this), 0, 3);
    addRow(grid, 1, F::Abw, QStringLiteral("0.4 - 16.00%"));
    grid->addWidget(new QLabel(QString::fromUtf8(Labels::kAbwFromAbvFormula), this), 1, 3);
    grid->setColumnStretch(3, 1);
    grid->setHorizontalSpacing(12);
    auto* top = new QVBoxLayout(this);
    top->addLayout(grid);
    top->addLayout(buttonRow());
    m_tips->AddTool(edit(F::Abv), QString::fromUtf8(Labels::kAbvFieldTip));
    m_tips->AddTool(edit(F::Abw), QString::fromUtf8(Labels::kAbwFieldTip));
    refresh();
}

} // namespace wsc
