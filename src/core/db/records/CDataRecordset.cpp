#include "core/db/records/CDataRecordset.h"

#include "core/settings/ProfileStore.h"

namespace wsc {

CDataRecordset::CDataRecordset(CDaoDatabase* database, const ProfileStore* profile,
                               Prompter* prompter)
    : CDaoRecordset(database), m_profile(profile), m_prompter(prompter) {}

QString CDataRecordset::GetDefaultDBName() const {
    return m_profile ? DataFilePath(*m_profile) : CDaoRecordset::GetDefaultDBName();
}

} // namespace wsc
