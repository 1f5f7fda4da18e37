#include "app/calculators/CBitternessCalcDlg.h"

#include "app/widgets/HelpContextProperty.h"
#include "core/help/HelpContexts.h"
#include "core/settings/WindowTexts.h"

#include "app/reference/CLookupDlg.h"
#include "core/calc/UnitPreference.h"
#include "core/document/CWscalcDoc.h"
#include "core/settings/MessageCatalog.h"

#include <QButtonGroup>
#include <QEvent>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QVBoxLayout>

namespace wsc {

using F = BitternessCalculator::Field;

CBitternessCalcDlg::CBitternessCalcDlg(CWscalcDoc& doc, DialogRunner& runner, QWidget* parent)
    : CCalculatorDlg(
          std::make_unique<BitternessCalculator>(doc.services().prompter, doc.utilization()),
          runner, parent),
      m_doc(doc), m_model(static_cast<BitternessCalculator&>(m_calc)) {
    SetHelpContext(this, HelpContext::kBitternessCalc);
    makeLarge(F::Ibu);
    makeLarge(F::Hbu);

    m_weightUnit = new QLabel(this);
    m_volumeUnit = new QLabel(this);
    m_hopLabel = new QLabel(this);
    m_hopLabel->setObjectName(QStringLiteral("hopLabel"));
    auto* selectHop = new QPushButton(QString::fromUtf8(Labels::kSelectAHop), this);
    selectHop->setObjectName(QStringLiteral("selectHop"));
    selectHop->setAutoDefault(false);
    connect(selectHop, &QPushButton::clicked, this, &CBitternessCalcDlg::OnSelectHop);

    auto* grid = new QGridLayout;
    addRow(grid, 0, F::Weight);
    grid->addWidget(m_weightUnit, 0, 2);
    addRow(grid, 1, F::Alpha);
    grid->addWidget(selectHop, 1, 2);
    grid->addWidget(m_hopLabel, 1, 3);
    addRow(grid, 2, F::Volume);
    grid->addWidget(m_volumeUnit, 2, 2);
    addRow(grid, 3, F::Gravity);
    grid->addWidget(new QLabel(QString::fromUtf8(Labels::kBitternessGravityRange), this), 3, 2, 1,
                    2);
    addRow(grid, 4, F::Time);
    grid->addWidget(new QLabel(QString::fromUtf8(Labels::kBoilTimeRange), this), 4, 2, 1, 2);
    addRow(grid, 5, F::Utilization);
    grid->addWidget(note(QString::fromUtf8(Labels::kUtilizationSource)), 5, 2, 1, 2);
    grid->setColumnStretch(3, 1);

    auto* results = new QGridLayout;
    addRow(results, 0, F::Ibu);
    addRow(results, 1, F::Hbu);
    results->setColumnStretch(2, 1);

    auto* measurement = new QGroupBox(QString::fromUtf8(Labels::kMeasurement), this);
    m_english = new QRadioButton(QString::fromUtf8(Labels::kEnglishChoice), measurement);
    m_english->setObjectName(QStringLiteral("english"));
    m_metric = new QRadioButton(QString::fromUtf8(Labels::kMetric), measurement);
    m_metric->setObjectName(QStringLiteral("metric"));
    auto* units = new QButtonGroup(this);
    units->addButton(m_english);
    units->addButton(m_metric);
    auto* ml = new QVBoxLayout(measurement);
    ml->addWidget(m_english);
    ml->addWidget(m_metric);
    connect(m_english, &QRadioButton::clicked, this,
            [this] { act([this] { m_model.setMetric(false); }); });
    connect(m_metric, &QRadioButton::clicked, this,
            [this] { act([this] { m_model.setMetric(true); }); });

    auto* method = new QLabel(QString::fromUtf8(Labels::kMethodPattern)
                                  .arg(QString::fromLatin1(Texts::kBitternessMethod)),
                              this);
    method->setObjectName(QStringLiteral("method"));
    auto* equation = new QGroupBox(this);
    auto* el = new QVBoxLayout(equation);
    el->addWidget(method);
    el->addWidget(note(QString::fromUtf8(Labels::kIbuFormula)));
    el->addWidget(note(QStringLiteral(
        "mg/l of added alpha acids =\n( decimal Alpha Acid rating * ozs hops * 7490 )/ volume of "
        "boil in gallons\n OR\n( decimal Alpha Acid rating * grams hops * 1000 )/ volume of boil "
        "in liters")));

    auto* side = new QVBoxLayout;
    side->addWidget(measurement);
    side->addLayout(listBox());

    auto* middle = new QHBoxLayout;
    middle->addLayout(results, 1);
    middle->addLayout(side);

    auto* top = new QVBoxLayout(this);
    top->addWidget(equation);
    top->addLayout(grid);
    top->addLayout(middle);
    top->addWidget(
        note(QStringLiteral(
                 "To calculate a value leave it blank and enter all other values.  For example: To "
                 "calculate IBUs, enter weight, alpha, and volume - then click on Calculate.  "
                 "(gravity && "
                 "time are required)")
                 .replace(QStringLiteral("&&"), QStringLiteral("&"))));
    top->addLayout(buttonRow());

    for (int f : {F::Gravity, F::Time})
        edit(f)->installEventFilter(this);
    setTabChain({edit(F::Weight), edit(F::Alpha), selectHop, edit(F::Volume), edit(F::Gravity),
                 edit(F::Time), edit(F::Ibu), m_english, m_metric});
    // A brewer who reads metric units starts in grams and litres.
    m_model.useMetric(ReadUnitChoice(doc.services().profile).prefersMetric());
    refresh();
}

void CBitternessCalcDlg::refreshExtras() {
    m_weightUnit->setText(m_model.weightUnit());
    m_volumeUnit->setText(m_model.volumeUnit());
    m_english->setChecked(!m_model.metric());
    m_metric->setChecked(m_model.metric());
    m_hopLabel->setText(m_model.hopLabel());
}

bool CBitternessCalcDlg::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut && !acting()) {
        // Leaving for another control of the dialog, not for a message box or another window.
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
            auto* e = static_cast<QLineEdit*>(watched);
            bool found = true;
            act([&] { found = m_model.leaveGravityOrTime(); }, false);
            if (!found)
                QTimer::singleShot(0, e, [e] {
                    e->setFocus();
                    e->selectAll();
                });
        }
    }
    return CCalculatorDlg::eventFilter(watched, event);
}

void CBitternessCalcDlg::OnSelectHop() {
    CLookupDlg lookup(LookupKind::Hops, m_doc.services(), this, &m_runner);
    if (!lookup.OnInitDialog())
        return;
    if (run(lookup) != QDialog::Accepted || !lookup.lookupResult())
        return;
    act([&] { m_model.chooseHop(lookup.lookupResult()->name, lookup.lookupResult()->alpha); });
}

} // namespace wsc
