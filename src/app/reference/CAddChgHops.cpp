#include "app/reference/CAddChgHops.h"

#include "app/reference/CLookupDlg.h"
#include "app/widgets/DialogRunner.h"
#include "app/widgets/SpinButtons.h"
#include "core/reference/HopsRules.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace wsc {

CAddChgHops::CAddChgHops(CoreServices& services, DialogRunner& runner, QWidget* parent)
    : CAddChgDlg(ReferenceKind::Hops, services, runner, parent) {
    for (const char* column : {"HopsAlpha", "HopsAlphaLo", "HopsAlphaHi"}) {
        auto* edit = qobject_cast<QLineEdit*>(control(column));
        auto* spin = new SpinButtons(edit, HopsRules::kSpinLow, HopsRules::kSpinHigh, this, 0.1, 1);
        spin->setObjectName(QStringLiteral("spin") + QString::fromLatin1(column));
        fieldRow(column)->insertWidget(1, spin);
        m_spin[QString::fromLatin1(column)] = spin;
    }

    auto* box = new QGroupBox(QStringLiteral("Substitutes"), this);
    auto* row = new QHBoxLayout(box);
    m_list = new QListWidget(box);
    m_list->setObjectName(QStringLiteral("substitutes"));
    m_list->setMaximumHeight(m_list->fontMetrics().lineSpacing() * 5 + 8);
    m_add = new QPushButton(QStringLiteral("+"), box);
    m_remove = new QPushButton(QStringLiteral("-"), box);
    m_add->setObjectName(QStringLiteral("addSubstitute"));
    m_remove->setObjectName(QStringLiteral("removeSubstitute"));
    auto* buttons = new QVBoxLayout;
    for (QPushButton* b : {m_add, m_remove}) {
        b->setAutoDefault(false);
        b->setFixedWidth(b->fontMetrics().horizontalAdvance(QStringLiteral("MM")) + 16);
        buttons->addWidget(b);
    }
    buttons->addStretch();
    row->addWidget(m_list, 1);
    row->addLayout(buttons);
    extraArea()->addWidget(box);
    connect(m_add, &QPushButton::clicked, this, &CAddChgHops::OnAddSubstitute);
    connect(m_remove, &QPushButton::clicked, this, &CAddChgHops::OnRemoveSubstitute);
    updateButtons();
}

SpinButtons* CAddChgHops::spinner(const char* column) const {
    auto it = m_spin.find(QString::fromLatin1(column));
    return it == m_spin.end() ? nullptr : it->second;
}

void CAddChgHops::updateButtons() {
    m_add->setEnabled(m_hasRow && m_list->count() < HopsRules::kMaxSubstitutes);
    m_remove->setEnabled(m_hasRow && m_list->count() > 0);
    m_list->setEnabled(m_hasRow);
    for (const auto& [column, spin] : m_spin)
        spin->setEnabled(m_hasRow);
}

void CAddChgHops::loadExtras(const CDaoRecordset& record, bool hasRow) {
    m_hasRow = hasRow;
    m_list->clear();
    if (hasRow)
        m_list->addItems(HopsRules::substitutes(record));
    if (m_list->count() > 0)
        m_list->setCurrentRow(0);
    updateButtons();
}

bool CAddChgHops::saveExtras(CDaoRecordset& record) {
    QStringList names;
    for (int i = 0; i < m_list->count(); ++i)
        names << m_list->item(i)->text();
    HopsRules::storeSubstitutes(record, names);
    return true;
}

void CAddChgHops::showTips(bool shown) {
    m_list->setToolTip(
        shown ? QStringLiteral("Click on + or - buttons to select another hop\nSelect up to four")
              : QString());
}

void CAddChgHops::OnAddSubstitute() {
    if (m_list->count() >= HopsRules::kMaxSubstitutes)
        return;
    CLookupDlg lookup(LookupKind::Hops, m_services, this, &m_runner);
    lookup.OnInitDialog();
    if (m_runner.exec(lookup) != QDialog::Accepted || !lookup.lookupResult())
        return;
    m_list->addItem(lookup.lookupResult()->name);
    m_list->setCurrentRow(m_list->count() - 1);
    records().setDirty();
    updateButtons();
}

void CAddChgHops::OnRemoveSubstitute() {
    const int row = m_list->currentRow();
    if (row < 0)
        return;
    delete m_list->takeItem(row);
    if (m_list->count() > 0)
        m_list->setCurrentRow(std::min(row, m_list->count() - 1));
    records().setDirty();
    updateButtons();
}

} // namespace wsc
