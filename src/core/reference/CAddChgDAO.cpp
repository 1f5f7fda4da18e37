#include "core/reference/CAddChgDAO.h"

#include "core/db/DatabaseOps.h"
#include "core/db/IInfoStatusBar.h"
#include "core/db/SqliteConnection.h"
#include "core/db/dao/CDaoDatabase.h"
#include "core/db/dao/CDaoException.h"
#include "core/db/dao/CDaoRecordset.h"
#include "core/db/dao/CDaoWorkspace.h"
#include "core/db/records/Columns.h"
#include "core/reference/HopsRules.h"
#include "core/settings/MessageCatalog.h"
#include "core/settings/ProfileStore.h"
#include "core/settings/Prompter.h"

namespace wsc {
CAddChgDAO::CAddChgDAO(ReferenceKind kind, CoreServices& services, AddChgControls& controls)
    : m_table(ReferenceTableOf(kind)), m_services(services), m_controls(controls),
      m_session(services, [this] { return m_workspace.get(); }) {}

CAddChgDAO::~CAddChgDAO() {
    // Whatever is not saved goes with the transaction, which closing the workspace ends.
    m_set.reset();
    if (m_workspace || m_database)
        cleanWorkspace(m_workspace, m_database, m_services.prompter, m_services.help);
}

bool CAddChgDAO::OnInitDialog() {
    WaitCursor wait(m_services.statusBar);
    if (!m_workspace || !m_workspace->IsOpen()) {
        if (GetNewWorkspace(m_workspace, m_database, QString::fromLatin1(kWorkspaceDao),
                            m_services) != 1) {
            m_services.prompter.text(QString::fromLatin1(Texts::kAddChgWorkspaceFailed));
            return false;
        }
    }
    if (!m_session.run([&] {
            m_set = m_table.makeRecordset(m_database.get());
            m_set->Open();
            m_set->SetCurrentIndex(QString::fromLatin1(m_table.index));
            m_rowCountAtOpen = m_set->GetRecordCount();
        })) {
        m_set.reset();
        return false;
    }
    const ProfileStore& p = m_services.profile;
    m_displayWarnings = p.integer(Setting::DisplayWarnings) != 0;
    m_displayDeleteWarnings = p.integer(Setting::DisplayDeleteWarnings) != 0;
    m_displayToolTips = p.integer(Setting::DisplayToolTips) != 0;
    BeginRecordEdit();
    return true;
}

bool CAddChgDAO::hasRow() const {
    return m_set && (m_adding || m_set->HasCurrentRecord());
}

bool CAddChgDAO::canRefresh() const {
    return m_table.kind == ReferenceKind::Hops ? m_dirty : hasRow();
}

void CAddChgDAO::setDirty() {
    if (m_loading || !hasRow() || m_dirty)
        return;
    m_dirty = true;
    m_controls.commandStateChanged();
}

void CAddChgDAO::BeginRecordEdit() {
    m_session.run([&] {
        if (m_set->HasCurrentRecord()) {
            m_set->Edit();
            m_session.ensureTransaction();
        }
    });
    m_loading = true;
    m_controls.loadControls(*m_set, m_set->HasCurrentRecord());
    m_loading = false;
    m_dirty = false;
    m_controls.commandStateChanged();
}

bool CAddChgDAO::ValidateRecord() {
    const char* firstEmpty = nullptr;
    for (const char* column : m_table.required) {
        if (m_controls.controlText(column).isEmpty()) {
            firstEmpty = column;
            break;
        }
    }
    if (firstEmpty) {
        m_controls.focusControl(firstEmpty);
        m_services.prompter.text(QString::fromLatin1(Texts::kRequiredDataMissing),
                                 PromptIcon::Exclamation);
        return false;
    }
    if (m_table.kind == ReferenceKind::Hops) {
        const auto problem = HopsRules::checkAlpha(m_controls.controlText(col::data::HopsAlpha),
                                                   m_controls.controlText(col::data::HopsAlphaLo),
                                                   m_controls.controlText(col::data::HopsAlphaHi));
        if (problem) {
            m_controls.focusControl(problem->focus);
            m_services.prompter.text(problem->message, PromptIcon::Exclamation);
            return false;
        }
    }
    return true;
}

void CAddChgDAO::checkDuplicateKey() {
    const QStringList keys = m_database->indexColumns(QString::fromLatin1(m_table.index));
    QStringList conditions;
    for (const QString& k : keys)
        conditions << SqliteConnection::quoteIdentifier(k) + QStringLiteral(" IS ?");
    SqliteStatement st = m_database->connection().prepare(
        QStringLiteral("SELECT 1 FROM %1 WHERE %2 AND rowid IS NOT ? LIMIT 1")
            .arg(SqliteConnection::quoteIdentifier(QString::fromLatin1(m_table.table)),
                 conditions.join(QStringLiteral(" AND "))));
    int p = 1;
    for (const QString& k : keys)
        st.bind(p++, m_set->GetFieldValue(k));
    st.bindInt64(p, m_adding || !m_set->HasCurrentRecord() ? -1 : m_set->GetBookmark());
    if (st.step())
        throw CDaoException(CDaoException::kDuplicateKey,
                            QString::fromLatin1(Texts::kDuplicateKey));
}

bool CAddChgDAO::writeRecord() {
    if (!m_session.run([&] {
            if (m_set->GetEditMode() == CDaoRecordset::dbEditNone)
                m_set->Edit();
            checkDuplicateKey();
            m_set->Update();
            m_session.commitTransaction();
            // A new row stays on show.
            if (m_adding)
                m_set->SetBookmark(m_set->GetLastModifiedBookmark());
        }))
        return false;
    m_adding = false;
    m_dirty = false;
    m_controls.commandStateChanged();
    return true;
}

bool CAddChgDAO::SaveRecord() {
    if (!hasRow())
        return true;
    // Nothing was changed: nothing is written.
    if (!m_dirty && !m_adding)
        return m_session.run([this] { m_session.commitTransaction(); });
    if (!m_controls.saveControls(*m_set) || !ValidateRecord())
        return false;
    if (m_dirty && m_displayWarnings &&
        m_services.prompter.text(QString::fromLatin1(Texts::kSaveDataRecord), PromptIcon::None,
                                 PromptButtons::YesNo) == PromptAnswer::No) {
        OnRecordRefresh();
        return true;
    }
    return writeRecord();
}

bool CAddChgDAO::canClose() {
    return SaveRecord();
}

void CAddChgDAO::OnRecordMove(Move move) {
    if (!SaveRecord())
        return;
    m_session.run([&] { RecordSession::move(*m_set, move, m_set->HasCurrentRecord()); });
    BeginRecordEdit();
}

void CAddChgDAO::applyNewRowDefaults() {
    for (const auto& [column, value] : m_table.defaults)
        m_set->SetFieldValue(QString::fromLatin1(column), value);
}

void CAddChgDAO::OnRecordAdd() {
    // An empty table has no row to settle: its first row is added straight away.
    if (!SaveRecord())
        return;
    if (!m_session.run([&] {
            m_session.ensureTransaction();
            m_set->AddNew();
        }))
        return;
    applyNewRowDefaults();
    m_adding = true;
    m_dirty = false;
    m_loading = true;
    m_controls.loadControls(*m_set, true);
    for (const auto& [column, text] : m_table.newRowTexts)
        m_controls.setControlText(column, QString::fromLatin1(text));
    m_loading = false;
    m_controls.focusControl(m_table.focus);
    m_controls.commandStateChanged();
}

void CAddChgDAO::OnRecordDelete() {
    if (!hasRow())
        return;
    Prompter& prompter = m_services.prompter;
    if (m_table.kind == ReferenceKind::Brewer) {
        long count = 0;
        if (!m_session.run([&] { count = m_set->GetRecordCount(); }))
            return;
        if (count == 1 &&
            prompter.text(QString::fromLatin1(Texts::kDeleteLastBrewer), PromptIcon::Question,
                          PromptButtons::YesNo) != PromptAnswer::Yes)
            return;
    }
    if (m_displayDeleteWarnings) {
        const QString key = m_table.deleteKey(
            [this](const char* column) { return m_controls.controlText(column); });
        if (prompter.message(Msg::kConfirmDelete, {QString::fromLatin1(m_table.deleteWord), key},
                             PromptIcon::Question, PromptButtons::OkCancel) != PromptAnswer::Ok)
            return;
    }
    // A row not stored yet is only dropped; a stored one goes whatever was typed into it, so
    // nothing is saved just to be deleted.
    if (m_adding) {
        OnRecordRefresh();
        return;
    }
    m_session.run([&] {
        m_set->CancelUpdate();
        m_session.rollbackTransaction();
        m_set->Delete();
        m_set->MoveNext();
        if (m_set->IsEOF())
            m_set->MoveLast();
    });
    BeginRecordEdit();
}

void CAddChgDAO::OnRecordRefresh() {
    m_session.run([&] {
        if (m_set->GetEditMode() != CDaoRecordset::dbEditNone)
            m_set->CancelUpdate();
        m_session.rollbackTransaction();
        if (m_adding) {
            m_adding = false;
            m_set->Move(0);
        }
    });
    m_adding = false;
    BeginRecordEdit();
    if (hasRow())
        m_controls.focusControl(m_table.focus);
}

void CAddChgDAO::OnRecordFind() {
    m_services.prompter.message(Msg::kPlannedFunction, {}, PromptIcon::Information);
}

} // namespace wsc
