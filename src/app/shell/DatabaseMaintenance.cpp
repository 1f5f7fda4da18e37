#include "app/shell/DatabaseMaintenance.h"

#include "app/widgets/DialogRunner.h"
#include "core/db/DatabaseOps.h"
#include "core/db/IInfoStatusBar.h"
#include "core/db/dao/CDaoException.h"
#include "core/settings/CoreServices.h"
#include "core/settings/MessageCatalog.h"
#include "core/settings/Prompter.h"
#include "core/settings/WindowTexts.h"

namespace wsc {

void DatabaseMaintenance::run(bool compress) {
    const QString path =
        m_runner.openFileName(m_parent,
                              compress ? QString::fromLatin1(Labels::kCompressTitle)
                                       : QString::fromLatin1(Labels::kRepairTitle),
                              QString::fromLatin1(Labels::kDatabaseFilter));
    if (path.isEmpty())
        return;
    try {
        WaitCursor wait(m_services.statusBar);
        if (compress)
            CompactDatabase(path);
        else
            RepairDatabase(path);
    } catch (const CDaoException& e) {
        ReportDaoError(e, m_services.prompter, m_services.help);
        return;
    }
    m_services.prompter.message(
        Msg::kMaintenanceSucceeded,
        {compress ? QStringLiteral("compress") : QStringLiteral("repair"), path},
        PromptIcon::Information);
}

} // namespace wsc
