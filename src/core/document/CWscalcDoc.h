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

    // The recipe the form shows: its id (0 while a new one is being added) and batch number.
    long currentRecipeId() const { return m_currentRecipeId; }
    long currentBatchNo() const { return m_currentBatchNo; }
    void showRecipe(long recipeId, long batchNo) {
        m_currentRecipeId = recipeId;
        m_currentBatchNo = batchNo;
    }
    void beginNewRecipe() { m_currentRecipeId = 0; }
    void aimAtBatch(long batchNo) { m_currentBatchNo = batchNo; }

    // The view that is the recipe form.
    IDocumentView* form() const { return m_form; }
    void setForm(IDocumentView* form) { m_form = form; }
    // The form's natural size ("RecipeDocSizeMaxX/Y").
    int formWidth() const { return m_docSizeX; }
    int formHeight() const { return m_docSizeY; }

    // While the document is closing, a saved recipe does not begin the next edit.
    bool isClosing() const { return m_closing; }
    // Marks the document as closing while a close asks whether to save the recipe. Unless
    // the close goes ahead (proceed()), the mark is taken back when the attempt ends.
    class CloseAttempt {
    public:
        explicit CloseAttempt(CWscalcDoc& doc) : m_doc(doc), m_wasClosing(doc.m_closing) {
            doc.m_closing = true;
        }
        ~CloseAttempt() {
            if (!m_proceeds)
                m_doc.m_closing = m_wasClosing;
        }
        CloseAttempt(const CloseAttempt&) = delete;
        CloseAttempt& operator=(const CloseAttempt&) = delete;
        void proceed() { m_proceeds = true; }

    private:
        CWscalcDoc& m_doc;
        bool m_wasClosing;
        bool m_proceeds = false;
    };

private:
    long m_currentRecipeId = 0;
    long m_currentBatchNo = 0;
    bool m_closing = false;
    IDocumentView* m_form = nullptr;
    int m_docSizeX = 815;
    int m_docSizeY = 470;

    void initialise();

    CoreServices& m_services;
    std::unique_ptr<CDaoDatabase> m_database;
    QString m_path;
    UtilizationTable m_utilization;
    std::vector<IDocumentView*> m_views;
};

} // namespace wsc
