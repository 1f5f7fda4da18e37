#pragma once

#include "core/help/HelpContexts.h"

#include "core/models/TextRowsModel.h"

#include <QDialog>
#include <QStringList>

class QTreeView;

namespace wsc {

// "Calculation Messages": the form's message list, sorted, each text once, split into its
// level and message. Display only.
class CCalcMessagesDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr int kHelpContext = HelpContext::kCalcMessages;

    // Sorts and de-duplicates `messages` in place, as the form keeps them afterwards.
    CCalcMessagesDlg(QStringList& messages, QWidget* parent = nullptr);
    QTreeView* list() const { return m_list; }
    const TextRowsModel& rows() const { return m_rows; }

private:
    TextRowsModel m_rows;
    QTreeView* m_list;
};

} // namespace wsc
