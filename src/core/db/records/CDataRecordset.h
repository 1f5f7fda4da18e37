#pragma once

#include "core/db/dao/CDaoRecordset.h"

namespace wsc {

class ProfileStore;
class Prompter;

// Base of the record classes of the Data database: opened without a database object they
// open the file named by the "DefaultDataFile" setting.
class CDataRecordset : public CDaoRecordset {
public:
    explicit CDataRecordset(CDaoDatabase* database = nullptr, const ProfileStore* profile = nullptr,
                            Prompter* prompter = nullptr);
    QString GetDefaultDBName() const override;

protected:
    const ProfileStore* m_profile;
    Prompter* m_prompter;
};

} // namespace wsc
