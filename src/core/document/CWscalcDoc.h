#pragma once

#include "core/calc/UtilizationTable.h"
#include "core/db/DatabaseOps.h"
#include "core/document/UpdateHints.h"

#include <QString>

#include <memory>
#include <vector>

namespace wsc {

class CDaoDatabase;
class CDaoWorkspace;

// The open recipe database as a document: owns the connection, the current recipe and the
// hop utilization table for as long as it is open, and passes update hints between its views.
class CWscalcDoc {
public:
    explicit CWscalcDoc(CoreServices& services);
    ~CWscalcDoc();
    CWscalcDoc(const CWscalcDoc&) = delete;
    CWscalcDoc& operator=(const CWscalcDoc&) = delete;

    // Opens the recipe database; false (with the error shown) when it cannot be opened or is
    // not a recipe database.
    bool OnOpenDocument(const QString& path);
    void OnCloseDocument();
    bool isOpen() const { return m_database != nullptr; }
    QString GetPathName() const { return m_path; }
    QString GetTitle() const;

    CDaoDatabase* database() const { return m_database.get(); }
    CDaoWorkspace* workspace() const;
    CoreServices& services() const { return m_services; }

    // Fills the utilization table from the Data database. A failure is reported; entries
    // that were not read stay 0, so lookups on them report the boil time as outside the table.
    bool LoadUtilizationTable();
    const UtilizationTable& utilization() const { return m_utilization; }

    void addView(IDocumentView* view);
    void removeView(IDocumentView* view);
    const std::vector<IDocumentView*>& views() const { return m_views; }
    void UpdateAllViews(IDocumentView* sender, long hint, const CRowViewHint* object = nullptr);

    void SelectBatch(IDocumentView* sender, long batchNo);
    void GoToBatch(IDocumentView* sender, long batchNo);

    long m_currentRecipeId = 0;
    long m_currentBatchNo = 0;
    bool m_closing = false;
    IDocumentView* m_form = nullptr;
    int m_docSizeX = 815;
    int m_docSizeY = 470;

private:
    void initialise();

    CoreServices& m_services;
    std::unique_ptr<CDaoDatabase> m_database;
    QString m_path;
    UtilizationTable m_utilization;
    std::vector<IDocumentView*> m_views;
};

} // namespace wsc
