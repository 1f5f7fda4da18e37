#include "app/calculators/CBrewDayToolDlg.h"

#include "app/widgets/HelpContextProperty.h"
#include "core/calculators/SolverCalculator.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace wsc {

CBrewDayToolDlg::CBrewDayToolDlg(std::unique_ptr<SolverCalculator> tool, int helpContext,
                                 DialogRunner& runner, QWidget* parent)
    : CCalculatorDlg(std::move(tool), runner, parent) {
    SetHelpContext(this, helpContext);
    setObjectName(QStringLiteral("brewDayTool"));
    auto* grid = new QGridLayout;
    std::vector<QWidget*> chain;
    for (int i = 0; i < m_calc.fieldCount(); ++i) {
        const CalcFieldSpec& f = m_calc.field(i);
        addRow(grid, i, i);
        if (!f.choices) {
            if (f.kind != CalcFieldKind::Result)
                chain.push_back(edit(i));
            continue;
        }
        // A choice: the list stands where the edit was, and keeps the edit's number.
        auto* list = new QComboBox(this);
        list->setObjectName(QString::fromLatin1(f.key) + QStringLiteral("List"));
        list->addItems(QString::fromLatin1(f.choices).split(u';'));
        // The layout hands back the edit's old item, which is ours to delete.
        delete grid->replaceWidget(edit(i), list);
        edit(i)->hide();
        label(i)->setBuddy(list);
        connect(list, &QComboBox::activated, this, [this, i](int index) {
            m_calc.setText(i, QString::number(index));
            edit(i)->setText(QString::number(index));
        });
        m_choices[i] = list;
        chain.push_back(list);
    }
    grid->setColumnStretch(2, 1);
    auto* middle = new QHBoxLayout;
    middle->addLayout(grid, 1);
    middle->addLayout(listBox());
    auto* top = new QVBoxLayout(this);
    top->addLayout(middle);
    top->addWidget(note(QStringLiteral("Leave one of the first two values blank and press "
                                       "Calculate; F1 gives the formulas.")));
    top->addLayout(buttonRow());
    setTabChain(chain);
    refresh();
}

QComboBox* CBrewDayToolDlg::choiceList(int field) const {
    const auto it = m_choices.find(field);
    return it == m_choices.end() ? nullptr : it->second;
}

void CBrewDayToolDlg::refreshExtras() {
    for (const auto& [field, list] : m_choices)
        list->setCurrentIndex(m_calc.text(field).toInt());
}

} // namespace wsc
