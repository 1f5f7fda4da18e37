#pragma once

#include "core/help/HelpContexts.h"

#include "core/calc/TargetStyles.h"
#include "core/models/StyleTreeModel.h"

#include <QDialog>

#include <functional>
#include <memory>
#include <optional>

class QLabel;
class QPushButton;
class QTreeView;

namespace wsc {

class CColorLabel;
class CDaoDatabase;
class CDaoWorkspace;
class CTargetStyleGrid2;
struct CoreServices;

// "Target Style": the styles of the Data database as a tree; choosing one shows its ranges
// beside the recipe's predictions. OK returns the chosen style and its ranges.
class CTargetStyleDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr int kHelpContext = HelpContext::kTargetStyle;

    struct Inputs {
        StyleKey target;
        double og = 0, abv = 0, ibu = 0, color = 0, hbu = 0;
        unsigned messageCount = 0;
    };

    CTargetStyleDlg(CoreServices& services, const QString& layoutDirectory, Inputs inputs,
                    QWidget* parent = nullptr);
    ~CTargetStyleDlg() override;

    // The "Msgs" button opens the form's messages.
    void setMessagesHandler(std::function<void()> show) { m_showMessages = std::move(show); }

    bool OnInitDialog();
    // False (having said why) when the selection is not found; the display keeps what it had.
    bool ShowStyle(bool initialShow);
    void accept() override;
    void reject() override;
    void OnShowAllStyles();
    // Choosing a node of the tree as a click does.
    void selectItem(const QModelIndex& node);
    QModelIndex findItem(const QStringList& path) const { return m_styleTree->find(path); }

    const StyleKey& selection() const { return m_selection; }
    const StyleRanges& ranges() const { return m_ranges; }
    const std::optional<StyleRow>& chosen() const { return m_chosen; }
    QTreeView* tree() const { return m_tree; }
    const StyleTreeModel& styles() const { return *m_styleTree; }
    CTargetStyleGrid2* grid() const { return m_grid; }
    QLabel* label(int i) const { return m_labels[i]; }
    QPushButton* showAllButton() const { return m_showAll; }
    QPushButton* msgsButton() const { return m_msgs; }
    CColorLabel* statusLabel() const { return m_status; }

private:
    void onSelectionChanged();

    CoreServices& m_services;
    Inputs m_in;
    StyleKey m_selection;
    StyleRanges m_ranges;
    std::optional<StyleRow> m_chosen;
    std::vector<StyleRow> m_styles;
    std::unique_ptr<CDaoWorkspace> m_workspace;
    std::unique_ptr<CDaoDatabase> m_data;
    std::function<void()> m_showMessages;
    StyleTreeModel* m_styleTree;
    QTreeView* m_tree;
    CTargetStyleGrid2* m_grid;
    QLabel* m_labels[3] = {};
    QPushButton* m_showAll;
    QPushButton* m_msgs;
    CColorLabel* m_status;
    bool m_expandNext = true;
};

} // namespace wsc
