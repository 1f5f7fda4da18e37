#include "app/calculators/COGCalcDlg.h"

#include "app/widgets/HelpContextProperty.h"
#include "core/help/HelpContexts.h"
#include "core/settings/WindowTexts.h"

#include "app/calculators/CSGBallingDlg.h"
#include "app/reference/CLookupDlg.h"
#include "core/calc/UnitPreference.h"
#include "core/db/DatabaseOps.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace wsc {

using F = GravityCalculator::Field;
using Source = GravityCalculator::Source;

COGCalcDlg::COGCalcDlg(CoreServices& services, DialogRunner& runner, QWidget* parent)
    : CCalculatorDlg(std::make_unique<GravityCalculator>(services.prompter), runner, parent),
      m_services(services), m_model(static_cast<GravityCalculator&>(m_calc)) {
    SetHelpContext(this, HelpContext::kGravityCalc);
    makeLarge(F::Og);
    makeLarge(F::Balling);
    m_source = new QLabel(this);
    m_source->setObjectName(QStringLiteral("sourceLabel"));

    auto* measurement = new QGroupBox(QString::fromUtf8(Labels::kMeasurement), this);
    m_pounds = new QRadioButton(QString::fromUtf8(Labels::kPounds), measurement);
    m_kilograms = new QRadioButton(QString::fromUtf8(Labels::kKilograms), measurement);
    m_kilograms->setObjectName(QStringLiteral("kilograms"));
    auto* units = new QButtonGroup(this);
    units->addButton(m_pounds);
    units->addButton(m_kilograms);
    auto* ml = new QVBoxLayout(measurement);
    ml->addWidget(m_pounds);
    ml->addWidget(m_kilograms);
    connect(m_pounds, &QRadioButton::clicked, this, [this] { m_model.setKilograms(false); });
    connect(m_kilograms, &QRadioButton::clicked, this, [this] { m_model.setKilograms(true); });

    std::vector<QWidget*> chain;
    auto* sources = new QHBoxLayout;
    const std::pair<const char*, Source> buttons[] = {{"&Extract...", Source::Extract},
                                                      {"&Grain...", Source::Grain},
                                                      {"&Adjunct...", Source::Adjunct}};
    for (const auto& [text, source] : buttons) {
        auto* b = new QPushButton(QString::fromLatin1(text), this);
        b->setObjectName(QString::fromLatin1(text).remove(u'&').remove(QStringLiteral("...")));
        b->setAutoDefault(false);
        connect(b, &QPushButton::clicked, this, [this, s = source] { OnChooseSource(s); });
        sources->addWidget(b);
        chain.push_back(b);
    }
    sources->addStretch(1);

    auto* grid = new QGridLayout;
    addRow(grid, 0, F::Weight);
    grid->addWidget(measurement, 0, 2, 2, 1);
    addRow(grid, 2, F::Potential);
    grid->addWidget(
        new QLabel(
            QStringLiteral("Valid values:\n1.000 - 1.200\nFor Extracts : Dry = 1.045\n            "
                           "      Syrup = 1.037"),
            this),
        2, 2, 2, 1);
    grid->addWidget(m_source, 3, 1);
    addRow(grid, 4, F::Volume, QString::fromUtf8(Labels::kGallons));
    addRow(grid, 5, F::Efficiency, QStringLiteral("25 - 100"));
    grid->addWidget(note(QStringLiteral(
                        "- Efficiency is 100% for Extracts and Fermentable Adjuncts\n- Efficiency "
                        "is normally between 70-90% for Grains\n    (if unknown, assume 80%)")),
                    6, 0, 1, 3);
    grid->setColumnStretch(3, 1);

    auto* results = new QGridLayout;
    addRow(results, 0, F::Og);
    addRow(results, 1, F::Balling);
    results->setColumnStretch(2, 1);

    auto* sg = new QPushButton(QString::fromUtf8(Labels::kSGToFromBalling), this);
    sg->setObjectName(QStringLiteral("sgBalling"));
    connect(sg, &QPushButton::clicked, this, &COGCalcDlg::OnSgBalling);

    auto* middle = new QHBoxLayout;
    middle->addLayout(results, 1);
    middle->addLayout(listBox());

    auto* formula =
        new QGroupBox(QString::fromUtf8(Labels::kPredictedOriginalGravityFormula), this);
    auto* fl = new QVBoxLayout(formula);
    fl->addWidget(note(QStringLiteral("OG = ( ( Pounds of Extract * Extract Potential ) / Volume "
                                      "of boil in gallons ) * Efficiency")));
    fl->addWidget(note(QString::fromUtf8(Labels::kPotentialInPointsNote)));

    auto* top = new QVBoxLayout(this);
    top->addWidget(formula);
    top->addLayout(sources);
    top->addLayout(grid);
    top->addLayout(middle);
    top->addWidget(note(QStringLiteral(
        "To calculate a value leave it blank and enter all other values.  For example: To "
        "calculate OG/Balling, enter Weight, Extract Potential, and Volume - then click on "
        "Calculate.  (Efficiency is required)")));
    top->addLayout(buttonRow({sg}));
    chain.insert(chain.end(), {edit(F::Weight), m_pounds, m_kilograms, edit(F::Potential),
                               edit(F::Volume), edit(F::Efficiency), edit(F::Og)});
    setTabChain(chain, {sg});
    // A brewer who reads metric units starts in kilograms.
    m_model.setKilograms(ReadUnitChoice(services.profile).prefersMetric());
    refresh();
}

void COGCalcDlg::refreshExtras() {
    m_pounds->setChecked(!m_model.kilograms());
    m_kilograms->setChecked(m_model.kilograms());
    m_source->setText(m_model.sourceName());
    edit(F::Efficiency)->setEnabled(!m_model.efficiencyLocked());
}

void COGCalcDlg::OnChooseSource(Source source) {
    const LookupKind kind = source == Source::Extract ? LookupKind::Extracts
                            : source == Source::Grain ? LookupKind::Grains
                                                      : LookupKind::Adjuncts;
    CLookupDlg lookup(kind, m_services, this, &m_runner);
    lookup.setAdjunctMode(AdjunctMode::FermentableOnly);
    if (!lookup.OnInitDialog())
        return;
    if (run(lookup) != QDialog::Accepted || !lookup.lookupResult())
        return;
    const LookupResult& r = *lookup.lookupResult();
    act([&] { m_model.chooseSource(source, r.name, r.specificGravity); });
}

void COGCalcDlg::OnSgBalling() {
    CSGBallingDlg converter(m_services.prompter, m_runner, this);
    run(converter);
}

} // namespace wsc
