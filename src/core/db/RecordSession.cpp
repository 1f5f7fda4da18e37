#include "core/db/RecordSession.h"

#include "core/db/DatabaseOps.h"
#include "core/db/dao/CDaoRecordset.h"
#include "core/db/dao/CDaoWorkspace.h"
#include "core/settings/CoreServices.h"

namespace wsc {

RecordSession::RecordSession(CoreServices& services, std::function<CDaoWorkspace*()> workspace,
                             std::function<void()> beforeCommit)
    : m_services(services), m_workspace(std::move(workspace)),
      m_beforeCommit(std::move(beforeCommit)) {}

void RecordSession::ensureTransaction() {
    CDaoWorkspace* ws = m_workspace();
    if (ws && ws->transactionDepth() == 0)
        ws->BeginTrans();
}

void RecordSession::commitTransaction() {
    CDaoWorkspace* ws = m_workspace();
    if (ws && ws->transactionDepth() > 0) {
        if (m_beforeCommit)
            m_beforeCommit();
        ws->CommitTrans();
    }
}

void RecordSession::rollbackTransaction() {
    CDaoWorkspace* ws = m_workspace();
    if (ws && ws->transactionDepth() > 0)
        ws->Rollback();
}

void RecordSession::rollbackQuietly() {
    try {
        rollbackTransaction();
    } catch (const CDaoException&) {
    }
}

void RecordSession::report(const CDaoException& e) const {
    ReportDaoError(e, m_services.prompter, m_services.help);
}

void RecordSession::move(CDaoRecordset& set, Move move, bool showingRow) {
    if (!showingRow)
        move = Move::First;
    switch (move) {
    case Move::First:
        set.MoveFirst();
        break;
    case Move::Last:
        set.MoveLast();
        break;
    case Move::Next:
        set.MoveNext();
        if (set.IsEOF())
            set.MoveLast();
        break;
    case Move::Previous:
        set.MovePrev();
        if (set.IsBOF())
            set.MoveFirst();
        break;
    }
}

} // namespace wsc
