#include "core/document/CWscalcDoc.h"
#include "core/settings/MessageCatalog.h"

#include "core/db/dao/CDaoDatabase.h"
#include "core/db/dao/CDaoException.h"
#include "core/db/records/CRecordSetHopsUtilization.h"
#include "core/settings/ProfileStore.h"
#include "core/settings/Prompter.h"

#include <QFileInfo>

#include <algorithm>

namespace wsc {

CWscalcDoc::CWscalcDoc(CoreServices& services) : m_services(services) {}

CWscalcDoc::~CWscalcDoc() = default;

bool CWscalcDoc::OnOpenDocument(const QString& path) {
    m_database = OpenRecipeDatabase(path, m_services);
    if (!m_database)
        return false;
    m_path = path;
    initialise();
    return true;
}

void CWscalcDoc::initialise() {
    m_docSizeX = m_services.profile.integer(Setting::RecipeDocSizeMaxX);
    m_docSizeY = m_services.profile.integer(Setting::RecipeDocSizeMaxY);
    m_currentRecipeId = 0;
    m_currentBatchNo = 0;
    m_closing = false;
    LoadUtilizationTable();
}

void CWscalcDoc::OnCloseDocument() {
    m_views.clear();
    m_form = nullptr;
    m_database.reset();
    m_path.clear();
}

QString CWscalcDoc::GetTitle() const {
    return QFileInfo(m_path).fileName();
}

CDaoWorkspace* CWscalcDoc::workspace() const {
    return m_database ? m_database->workspace() : nullptr;
}

bool CWscalcDoc::LoadUtilizationTable() {
    m_utilization.clear();
    const QString dataPath = DataFilePath(m_services.profile);
    if (!dataPath.isEmpty()) {
        try {
            if (ReadDatabaseMarker(dataPath) != QLatin1String(kDataMarker)) {
                m_services.prompter.message(Msg::kNotADataDatabase, {dataPath},
                                            PromptIcon::Exclamation);
                return false;
            }
        } catch (const CDaoException& e) {
            ReportDaoError(e, m_services.prompter, m_services.help);
            return false;
        }
    }
    CRecordSetHopsUtilization rs(nullptr, &m_services.profile, &m_services.prompter);
    try {
        // Reading needs no write access: shared, installed reference data is often read-only.
        rs.Open(CDaoRecordset::dbOpenTable, {}, CDaoRecordset::dbReadOnly);
    } catch (const CDaoException& e) {
        ReportDaoError(e, m_services.prompter, m_services.help);
        return false;
    }
    try {
        m_utilization.load(rs);
        return true;
    } catch (const CDaoException& e) {
        ReportDaoError(e, m_services.prompter, m_services.help);
        return false;
    }
}

void CWscalcDoc::addView(IDocumentView* view) {
    if (std::find(m_views.begin(), m_views.end(), view) == m_views.end())
        m_views.push_back(view);
}

void CWscalcDoc::removeView(IDocumentView* view) {
    m_views.erase(std::remove(m_views.begin(), m_views.end(), view), m_views.end());
    if (m_form == view)
        m_form = nullptr;
}

void CWscalcDoc::UpdateAllViews(IDocumentView* sender, long hint, const CRowViewHint* object) {
    // A view may close others while it handles a hint; walk a copy.
    const std::vector<IDocumentView*> views = m_views;
    for (IDocumentView* v : views) {
        if (v != sender && std::find(m_views.begin(), m_views.end(), v) != m_views.end())
            v->OnUpdate(sender, hint, object);
    }
}

void CWscalcDoc::SelectBatch(IDocumentView* sender, long batchNo) {
    m_currentBatchNo = batchNo;
    GoToBatch(sender, batchNo);
}

void CWscalcDoc::GoToBatch(IDocumentView* sender, long batchNo) {
    const CRowViewHint hint{batchNo};
    UpdateAllViews(sender, MakeHint(HintEvent::GoToBatch, static_cast<unsigned long>(batchNo)),
                   &hint);
}

} // namespace wsc
