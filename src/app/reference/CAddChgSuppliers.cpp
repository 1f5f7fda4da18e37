#include "app/reference/CAddChgSuppliers.h"

#include "app/widgets/DialogRunner.h"
#include "core/db/DatabaseOps.h"
#include "core/db/records/Columns.h"
#include "core/reference/ContactAddresses.h"
#include "core/settings/MessageCatalog.h"
#include "core/settings/Prompter.h"
#include "core/settings/WindowTexts.h"

#include <QHBoxLayout>
#include <QPushButton>

namespace wsc {

CAddChgSuppliers::CAddChgSuppliers(CoreServices& services, DialogRunner& runner, QWidget* parent)
    : CAddChgDlg(ReferenceKind::Suppliers, services, runner, parent) {
    m_send = new QPushButton(QString::fromUtf8(Labels::kSendMessage), this);
    m_visit = new QPushButton(QString::fromUtf8(Labels::kVisitSupplierWebSite), this);
    m_send->setObjectName(QStringLiteral("sendMessage"));
    m_visit->setObjectName(QStringLiteral("visitWebSite"));
    for (QPushButton* b : {m_send, m_visit})
        b->setAutoDefault(false);
    fieldRow(col::data::SuppliersEMail)->addWidget(m_send);
    fieldRow(col::data::SuppliersInternet)->addWidget(m_visit);
    connect(m_send, &QPushButton::clicked, this, &CAddChgSuppliers::OnSendMessage);
    connect(m_visit, &QPushButton::clicked, this, &CAddChgSuppliers::OnVisitWebSite);
}

void CAddChgSuppliers::open(const std::optional<QString>& address, const QString& typed,
                            const char* refusal) {
    if (typed.trimmed().isEmpty())
        return;
    if (!address) {
        m_services.prompter.text(QString::fromLatin1(refusal).arg(typed.trimmed()),
                                 PromptIcon::Exclamation);
        return;
    }
    QString why;
    if (!m_runner.openUrl(*address, why))
        m_services.prompter.text(QString::fromLatin1(Texts::kContactFailed).arg(*address, why),
                                 PromptIcon::Exclamation);
}

void CAddChgSuppliers::OnSendMessage() {
    const QString typed = controlText(col::data::SuppliersEMail);
    open(ContactAddresses::mailto(typed), typed, Texts::kNotAnEmailAddress);
}

void CAddChgSuppliers::OnVisitWebSite() {
    const QString typed = controlText(col::data::SuppliersInternet);
    open(ContactAddresses::website(typed), typed, Texts::kNotAWebSite);
}

} // namespace wsc
