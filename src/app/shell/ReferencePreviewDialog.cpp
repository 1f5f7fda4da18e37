#include "app/shell/ReferencePreviewDialog.h"

#include "app/widgets/HelpContextProperty.h"
#include "core/help/HelpContexts.h"
#include "core/settings/WindowTexts.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace wsc {

ReferencePreviewDialog::ReferencePreviewDialog(const ReferenceFile& file, QWidget* parent)
    : QDialog(parent), m_file(file) {
    SetHelpContext(this, HelpContext::kReferenceImport);
    setWindowTitle(QString::fromLatin1(Labels::kDataImportTitle));
    auto* intro = new QLabel(QString::fromLatin1(Labels::kDataPreviewIntro), this);
    intro->setWordWrap(true);
    m_list = new QTreeWidget(this);
    m_list->setRootIsDecorated(false);
    m_list->setHeaderLabels(QString::fromLatin1(Labels::kDataPreviewHeadings).split(u'|'));
    for (const ReferenceItem& item : file.items) {
        QString state;
        switch (item.state) {
        case ReferenceItem::State::New:
            state = QStringLiteral("new");
            break;
        case ReferenceItem::State::Same:
            state = QStringLiteral("the same");
            break;
        case ReferenceItem::State::Differs:
            state = QStringLiteral("differs: %1").arg(item.differences.join(QStringLiteral("; ")));
            break;
        case ReferenceItem::State::Refused:
            state = QStringLiteral("cannot be kept: %1").arg(item.refusal);
            break;
        }
        auto* row = new QTreeWidgetItem(
            m_list, {item.kind, item.name, state, item.notKept.join(QStringLiteral(", "))});
        const bool choosable =
            item.state == ReferenceItem::State::New || item.state == ReferenceItem::State::Differs;
        row->setFlags(choosable ? Qt::ItemIsEnabled | Qt::ItemIsUserCheckable : Qt::NoItemFlags);
        if (choosable)
            row->setCheckState(0, item.state == ReferenceItem::State::New ? Qt::Checked
                                                                          : Qt::Unchecked);
        row->setToolTip(2, state);
    }
    for (const QString& other : file.notImported)
        new QTreeWidgetItem(m_list, {QString(), other, QStringLiteral("not imported")});
    m_list->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, this);
    QPushButton* import = buttons->addButton(QString::fromLatin1(Labels::kDataPreviewImport),
                                             QDialogButtonBox::AcceptRole);
    import->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    layout->addWidget(m_list, 1);
    layout->addWidget(buttons);
    resize(760, 460);
}

std::vector<ReferenceChoice> ReferencePreviewDialog::choices() const {
    std::vector<ReferenceChoice> out;
    for (std::size_t i = 0; i < m_file.items.size(); ++i) {
        const QTreeWidgetItem* row = m_list->topLevelItem(int(i));
        const bool ticked =
            (row->flags() & Qt::ItemIsUserCheckable) && row->checkState(0) == Qt::Checked;
        const bool isNew = m_file.items[i].state == ReferenceItem::State::New;
        out.push_back(!ticked ? ReferenceChoice::Skip
                              : (isNew ? ReferenceChoice::Add : ReferenceChoice::Replace));
    }
    return out;
}

void ReferencePreviewDialog::setChosen(std::size_t item, bool chosen) {
    m_list->topLevelItem(int(item))->setCheckState(0, chosen ? Qt::Checked : Qt::Unchecked);
}

} // namespace wsc
