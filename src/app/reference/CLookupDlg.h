#pragma once

#include "core/reference/Lookups.h"

#include <QDialog>

class QLineEdit;

#include <memory>
#include <optional>

namespace wsc {

class CDaoDatabase;
class CDaoWorkspace;
class CSortListCtrl;
class DialogRunner;
struct CoreServices;

// "Lookup Ingredient": the rows of one reference table in a sortable list; Select returns the
// highlighted row's values, found by its identifier. Info shows its details, Add opens the
// table's maintenance, Help its topic.
class CLookupDlg : public QDialog {
    Q_OBJECT
public:
    // The maintenance dialog behind Add runs through `runner` (a plain modal run when none).
    CLookupDlg(LookupKind kind, CoreServices& services, QWidget* parent = nullptr,
               DialogRunner* runner = nullptr);
    ~CLookupDlg() override;

    void setAdjunctMode(AdjunctMode mode) { m_mode = mode; }
    LookupKind kind() const { return m_kind; }

    // Builds the list; false (with the message shown) when the table is empty or unreadable.
    bool OnInitDialog();
    bool FillList();
    void accept() override;
    void ShowInfo();
    void OnAdd();
    void OnHelp();

    const std::optional<LookupResult>& lookupResult() const { return m_result; }
    CSortListCtrl* list() const { return m_list; }
    QLineEdit* filter() const { return m_filter; }
    void selectRow(int row);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool openData();
    long highlightedId() const;
    void seekFailed();

    LookupKind m_kind;
    AdjunctMode m_mode = AdjunctMode::All;
    CoreServices& m_services;
    DialogRunner* m_runner;
    CSortListCtrl* m_list;
    QLineEdit* m_filter;
    std::unique_ptr<CDaoWorkspace> m_workspace;
    std::unique_ptr<CDaoDatabase> m_data;
    std::optional<LookupResult> m_result;
};

} // namespace wsc
