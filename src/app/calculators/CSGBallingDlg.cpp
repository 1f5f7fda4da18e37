#include "app/calculators/CSGBallingDlg.h"

#include "app/widgets/HelpContextProperty.h"
#include "core/help/HelpContexts.h"
#include "core/settings/WindowTexts.h"

#include "app/widgets/CControlTipWnd.h"
#include "core/calculators/TwoWayConverter.h"
#include "core/settings/MessageCatalog.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace wsc {

using F = SgBallingConverter::Field;

CSGBallingDlg::CSGBallingDlg(Prompter& prompter, DialogRunner& runner, QWidget* parent)
    : CCalculatorDlg(std::make_unique<SgBallingConverter>(prompter), runner, parent),
      m_tips(new CControlTipWnd(this)) {
    SetHelpContext(this, HelpContext::kSgBalling);
    auto* grid = new QGridLayout;
    addRow(grid, 0, F::Sg, QStringLiteral("1.000 - 1.200"));
    grid->addWidget(new QLabel(QString::fromUtf8(Labels::kGravityFromBallingFormula), this), 0, 3);
    addRow(grid, 1, F::Balling, QStringLiteral("0 - 50"));
    grid->addWidget(new QLabel(QString::fromUtf8(Labels::kBallingFromGravityFormula), this), 1, 3);
    grid->setColumnStretch(3, 1);
    grid->setHorizontalSpacing(12);
    auto* top = new QVBoxLayout(this);
    top->addLayout(grid);
    top->addLayout(buttonRow());
    m_tips->AddTool(edit(F::Sg), Msg::kGravityTip);
    m_tips->AddTool(edit(F::Balling), QString::fromUtf8(Labels::kBallingFieldTip));
    refresh();
}

} // namespace wsc
