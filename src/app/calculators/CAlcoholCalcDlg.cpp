#include "app/calculators/CAlcoholCalcDlg.h"

#include "app/widgets/HelpContextProperty.h"
#include "core/help/HelpContexts.h"
#include "core/settings/WindowTexts.h"

#include "app/calculators/CABVABWDlg.h"
#include "app/calculators/CSGBallingDlg.h"
#include "core/calculators/AlcoholCalculator.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace wsc {

using F = AlcoholCalculator::Field;

CAlcoholCalcDlg::CAlcoholCalcDlg(Prompter& prompter, DialogRunner& runner, QWidget* parent)
    : CCalculatorDlg(std::make_unique<AlcoholCalculator>(prompter), runner, parent),
      m_prompter(prompter) {
    SetHelpContext(this, HelpContext::kAlcoholCalc);
    makeLarge(F::Abv);
    makeLarge(F::Abw);

    auto* grid = new QGridLayout;
    addRow(grid, 0, F::Og, QStringLiteral("1.000 - 1.200"));
    addRow(grid, 1, F::Tg, QStringLiteral("1.000 - 1.200"));
    grid->addWidget(note(QString::fromUtf8(Labels::kPredictedAbvNote)), 2, 0, 1, 4);
    grid->setColumnStretch(3, 1);

    auto* predicting = new QGroupBox(QString::fromUtf8(Labels::kAttenuationGroup), this);
    auto* pl = new QGridLayout(predicting);
    addRow(pl, 0, F::Attenuation, QStringLiteral("50 - 95"));
    pl->addWidget(note(QString::fromUtf8(Labels::kAttenuationHint)), 1, 0, 1, 4);
    pl->setColumnStretch(3, 1);

    auto* results = new QGridLayout;
    addRow(results, 0, F::Abv);
    addRow(results, 1, F::Abw);
    results->setColumnStretch(2, 1);

    auto* formulas = new QGroupBox(this);
    auto* fl = new QVBoxLayout(formulas);
    fl->addWidget(note(QString::fromUtf8(Labels::kAbvFormula)));
    fl->addWidget(note(QString::fromUtf8(Labels::kAbwFormula)));
    fl->addWidget(note(QString::fromUtf8(Labels::kGravitiesInPointsNote)));

    auto* abv = new QPushButton(QString::fromUtf8(Labels::kAbvAbwButton), this);
    abv->setObjectName(QStringLiteral("abvAbw"));
    connect(abv, &QPushButton::clicked, this, &CAlcoholCalcDlg::OnAbvAbw);
    auto* sg = new QPushButton(QString::fromUtf8(Labels::kSGToFromBalling), this);
    sg->setObjectName(QStringLiteral("sgBalling"));
    connect(sg, &QPushButton::clicked, this, &CAlcoholCalcDlg::OnSgBalling);

    auto* middle = new QHBoxLayout;
    middle->addLayout(results, 1);
    middle->addLayout(listBox());

    auto* top = new QVBoxLayout(this);
    top->addWidget(formulas);
    top->addLayout(grid);
    top->addWidget(predicting);
    top->addLayout(middle);
    top->addLayout(buttonRow({abv, sg}));
    setTabChain({edit(F::Og), edit(F::Tg), edit(F::Attenuation), edit(F::Abv)}, {abv, sg});
    refresh();
}

void CAlcoholCalcDlg::OnAbvAbw() {
    CABVABWDlg converter(m_prompter, m_runner, this);
    run(converter);
}

void CAlcoholCalcDlg::OnSgBalling() {
    CSGBallingDlg converter(m_prompter, m_runner, this);
    run(converter);
}

} // namespace wsc
