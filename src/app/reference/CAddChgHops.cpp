#include "app/reference/CAddChgHops.h"

#include "app/reference/CLookupDlg.h"
#include "app/widgets/DialogRunner.h"
#include "app/widgets/SpinButtons.h"
#include "core/db/records/Columns.h"
#include "core/reference/HopsRules.h"
#include "core/settings/WindowTexts.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QStringListModel>
#include <QVBoxLayout>

namespace wsc {

CAddChgHops::CAddChgHops(CoreServices& services, DialogRunner& runner, QWidget* parent)
    : CAddChgDlg(ReferenceKind::Hops, services, runner, parent) {
    for (const char* column :
         {col::data::HopsAlpha, col::data::HopsAlphaLo, col::data::HopsAlphaHi}) {
        auto* edit = qobject_cast<QLineEdit*>(control(column));
        auto* spin = new SpinButtons(edit, HopsRules::kSpinLow, HopsRules::kSpinHigh, this, 0.1, 1);
        spin->setObjectName(QStringLiteral("spin") + QString::fromLatin1(column));
        fieldRow(column)->insertWidget(1, spin);
        m_spin[QString::fromLatin1(column)] = spin;
    }

    auto* box = new QGroupBox(QString::fromLatin1(Labels::kSubstitutes), this);
    auto* row = new QHBoxLayout(box);
    m_names = new QStringListModel(this);
    m_list = new QListView(box);
    m_list->setObjectName(QStringLiteral("substitutes"));
    m_list->setModel(m_names);
    // The names come from the hop lookup only.
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->setMaximumHeight(m_list->fontMetrics().lineSpacing() * 5 + 8);
    m_add = new QPushButton(QString::fromLatin1(Labels::kAddSubstitute), box);
    m_remove = new QPushButton(QString::fromLatin1(Labels::kRemoveSubstitute), box);
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

int CAddChgHops::substituteCount() const {
    return m_names->rowCount();
}

void CAddChgHops::setCurrentSubstitute(int row) {
    m_list->setCurrentIndex(m_names->index(row, 0));
}

void CAddChgHops::updateButtons() {
    m_add->setEnabled(m_hasRow && substituteCount() < HopsRules::kMaxSubstitutes);
    m_remove->setEnabled(m_hasRow && substituteCount() > 0);
    m_list->setEnabled(m_hasRow);
    for (const auto& [column, spin] : m_spin)
        spin->setEnabled(m_hasRow);
}

void CAddChgHops::loadExtras(const CDaoRecordset& record, bool hasRow) {
    m_hasRow = hasRow;
    m_names->setStringList(hasRow ? HopsRules::substitutes(record) : QStringList());
    if (substituteCount() > 0)
        setCurrentSubstitute(0);
    updateButtons();
}

bool CAddChgHops::saveExtras(CDaoRecordset& record) {
    HopsRules::storeSubstitutes(record, m_names->stringList());
    return true;
}

void CAddChgHops::showTips(bool shown) {
    m_list->setToolTip(shown ? QString::fromLatin1(Labels::kSubstitutesTip) : QString());
}

void CAddChgHops::OnAddSubstitute() {
    if (substituteCount() >= HopsRules::kMaxSubstitutes)
        return;
    CLookupDlg lookup(LookupKind::Hops, m_services, this, &m_runner);
    lookup.OnInitDialog();
    if (m_runner.exec(lookup) != QDialog::Accepted || !lookup.lookupResult())
        return;
    const int at = substituteCount();
    m_names->insertRows(at, 1);
    m_names->setData(m_names->index(at, 0), lookup.lookupResult()->name);
    setCurrentSubstitute(at);
    records().setDirty();
    updateButtons();
}

void CAddChgHops::OnRemoveSubstitute() {
    const int row = m_list->currentIndex().row();
    if (row < 0)
        return;
    m_names->removeRows(row, 1);
    if (substituteCount() > 0)
        setCurrentSubstitute(std::min(row, substituteCount() - 1));
    records().setDirty();
    updateButtons();
}

} // namespace wsc
