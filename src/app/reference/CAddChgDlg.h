#pragma once

#include "core/reference/CAddChgDAO.h"

#include <QDialog>

#include <map>
#include <memory>

class QAction;
class QGridLayout;
class QHBoxLayout;
class QToolBar;
class QVBoxLayout;

namespace wsc {

class DialogRunner;
class RecordBinder;
struct CoreServices;

// A maintenance dialog of a reference table, one row at a time: the fields of the table's
// declaration under a record tool bar (First, Previous, Next, Last | Add, Refresh, Delete |
// Find). The record life cycle is the core's; the dialog binds the controls and forwards the
// commands. Enter does not close it; closing passes through the leave-record check.
class CAddChgDlg : public QDialog, public AddChgControls {
    Q_OBJECT
public:
    CAddChgDlg(ReferenceKind kind, CoreServices& services, DialogRunner& runner,
               QWidget* parent = nullptr);
    ~CAddChgDlg() override;

    // The dialog of a table's own class (CAddChgHops for the hops, ...).
    static std::unique_ptr<CAddChgDlg> create(ReferenceKind kind, CoreServices& services,
                                              DialogRunner& runner, QWidget* parent = nullptr);

    // Opens the table and shows its first row; false when the Data database is out of reach.
    bool OnInitDialog();
    void runCommand(int id);
    bool commandEnabled(int id) const;

    CAddChgDAO& records() { return *m_records; }
    QWidget* control(const char* column) const;
    QAction* commandAction(int id) const;
    QToolBar* recordBar() const { return m_bar; }

    // AddChgControls
    bool saveControls(CDaoRecordset& record) override;
    void loadControls(const CDaoRecordset& record, bool hasRow) override;
    QString controlText(const char* column) const override;
    void setControlText(const char* column, const QString& text) override;
    void focusControl(const char* column) override;
    void commandStateChanged() override;

    void reject() override;

protected:
    // The row beside a field's control, where a table's dialog adds its buttons.
    QHBoxLayout* fieldRow(const char* column) const;
    // Where a table's dialog adds controls of its own, below the fields.
    QVBoxLayout* extraArea() const { return m_extra; }
    virtual void loadExtras(const CDaoRecordset&, bool /*hasRow*/) {}
    virtual bool saveExtras(CDaoRecordset&) { return true; }
    virtual void showTips(bool /*shown*/) {}
    void keyPressEvent(QKeyEvent* event) override;

    CoreServices& m_services;
    DialogRunner& m_runner;

private:
    void buildFields();
    void buildRecordBar();
    QWidget* makeControl(const ReferenceField& f, QWidget* parent);

    std::unique_ptr<CAddChgDAO> m_records;
    RecordBinder* m_binder;
    QToolBar* m_bar = nullptr;
    QVBoxLayout* m_extra = nullptr;
    std::map<QString, QWidget*> m_controls;
    std::map<QString, QHBoxLayout*> m_rows;
    std::map<int, QAction*> m_actions;
};

} // namespace wsc
