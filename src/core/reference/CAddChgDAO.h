#pragma once

#include "core/db/RecordSession.h"
#include "core/reference/ReferenceTables.h"

#include <QString>

#include <memory>

namespace wsc {

class CDaoDatabase;
class CDaoRecordset;
class CDaoWorkspace;
struct CoreServices;

// What the record life cycle needs of a maintenance dialog: its controls.
class AddChgControls {
public:
    virtual ~AddChgControls() = default;
    // Moves the controls into the record; false (having said why and taken the focus) when a
    // control holds a value its field cannot take.
    virtual bool saveControls(CDaoRecordset& record) = 0;
    // Shows the record, or empty controls when there is no row.
    virtual void loadControls(const CDaoRecordset& record, bool hasRow) = 0;
    // The text a field's control shows now.
    virtual QString controlText(const char* column) const = 0;
    virtual void setControlText(const char* column, const QString& text) = 0;
    virtual void focusControl(const char* column) = 0;
    // More rules of the table than its required fields (the Hops ranges); false after a
    // message.
    virtual bool validateMore() { return true; }
    // The enabled state of the record commands may have changed.
    virtual void commandStateChanged() {}
};

// The record life cycle of a reference table's maintenance dialog: a private "DAO" workspace
// on the Data database, the table's record set in its index's order, and the displayed row
// always under edit inside an open transaction. Moving, adding, deleting and closing first
// settle the displayed row: an invalid row cannot be left, a changed one is saved (or, when
// the user says so, discarded), an unchanged one is left as stored.
class CAddChgDAO {
public:
    using Move = RecordSession::Move;

    CAddChgDAO(ReferenceKind kind, CoreServices& services, AddChgControls& controls);
    ~CAddChgDAO();
    CAddChgDAO(const CAddChgDAO&) = delete;
    CAddChgDAO& operator=(const CAddChgDAO&) = delete;

    const ReferenceTable& table() const { return m_table; }

    // Opens the workspace and the table and shows its first row under edit. False when the
    // Data database cannot be reached (having said so).
    bool OnInitDialog();

    void OnRecordMove(Move move);
    void OnRecordAdd();
    void OnRecordDelete();
    void OnRecordRefresh();
    void OnRecordFind();
    // Settles the displayed row: validates, asks (when warnings are on) and writes a changed
    // or new row, writes nothing for an unchanged one. False when the row cannot be left.
    bool SaveRecord();
    // Cancel, Esc and the close box: false keeps the dialog open with the change on screen.
    bool canClose();

    // Every edit of a control sets this.
    void setDirty();
    bool isDirty() const { return m_dirty; }
    bool isAdding() const { return m_adding; }
    // A row is displayed (under edit, or being added).
    bool hasRow() const;
    long rowCountAtOpen() const { return m_rowCountAtOpen; }

    bool canDelete() const { return m_rowCountAtOpen > 0; }
    bool canRefresh() const;

    CDaoRecordset& record() { return *m_set; }
    bool displayToolTips() const { return m_displayToolTips; }

private:
    void BeginRecordEdit();
    bool ValidateRecord();
    bool writeRecord();
    // Throws CDaoException 3022 when another row holds the same index key.
    void checkDuplicateKey();
    void applyNewRowDefaults();

    const ReferenceTable& m_table;
    CoreServices& m_services;
    AddChgControls& m_controls;
    std::unique_ptr<CDaoWorkspace> m_workspace;
    std::unique_ptr<CDaoDatabase> m_database;
    std::unique_ptr<CDaoRecordset> m_set;
    RecordSession m_session;
    bool m_adding = false;
    bool m_dirty = false;
    bool m_loading = false;
    bool m_displayWarnings = true;
    bool m_displayDeleteWarnings = true;
    bool m_displayToolTips = true;
    long m_rowCountAtOpen = 0;
};

} // namespace wsc
