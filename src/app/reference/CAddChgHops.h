#pragma once

#include "app/reference/CAddChgDlg.h"

#include <map>

class QListView;
class QStringListModel;
class QPushButton;

namespace wsc {

class SpinButtons;

// The maintenance dialog of the hop varieties: alpha acid and its range with spinners stepping
// tenths from 1.0 to 20.0, and up to four substitute hops chosen through the hop lookup.
class CAddChgHops : public CAddChgDlg {
    Q_OBJECT
public:
    CAddChgHops(CoreServices& services, DialogRunner& runner, QWidget* parent = nullptr);

    QListView* substitutes() const { return m_list; }
    int substituteCount() const;
    QPushButton* addButton() const { return m_add; }
    QPushButton* removeButton() const { return m_remove; }
    SpinButtons* spinner(const char* column) const;

    // "+": a hop chosen in the hop lookup joins the list; "-": the selected entry leaves it.
    void OnAddSubstitute();
    void OnRemoveSubstitute();

protected:
    void loadExtras(const CDaoRecordset& record, bool hasRow) override;
    bool saveExtras(CDaoRecordset& record) override;
    void showTips(bool shown) override;

private:
    void updateButtons();
    void setCurrentSubstitute(int row);

    QStringListModel* m_names;
    QListView* m_list;
    QPushButton* m_add;
    QPushButton* m_remove;
    std::map<QString, SpinButtons*> m_spin;
    bool m_hasRow = false;
};

} // namespace wsc
