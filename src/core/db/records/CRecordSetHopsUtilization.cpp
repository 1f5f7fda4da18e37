#include "core/db/records/CRecordSetHopsUtilization.h"

namespace wsc {

WSC_RECORDSET_IMPLEMENT(CRecordSetHopsUtilization, "HopsUtilization", nullptr,
                        WSC_HOPSUTILIZATION_COLUMNS)

} // namespace wsc

#include "core/settings/MessageCatalog.h"
#include "core/settings/Prompter.h"

namespace wsc {

QString CRecordSetHopsUtilization::GetDefaultDBName() const {
    const QString path = CDataRecordset::GetDefaultDBName();
    if (!path.isEmpty())
        return path;
    if (m_prompter)
        m_prompter->message(Msg::kNoDataPath, {}, PromptIcon::Exclamation);
    return QString::fromLatin1(Texts::kNoDefaultDatabase);
}

} // namespace wsc
