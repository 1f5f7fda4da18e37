#pragma once

#include "core/help/HelpContexts.h"

#include "core/db/IInfoStatusBar.h"

#include <QStatusBar>
#include <QStringList>

class QLabel;
class QProgressBar;
class QToolButton;

namespace wsc {

class HelpService;

// The main window's status bar: transient texts, two arrow buttons and a help button over a
// list of information lines (the current recipe's target style), and a progress bar that
// covers the information text while it is shown.
class CInfoStatusBar : public QStatusBar, public IInfoStatusBar {
    Q_OBJECT
public:
    enum Style { ArrowButtons = 1, HelpButton = 2, ProgressBar = 4 };
    static constexpr int kPrevLineId = 2001;
    static constexpr int kNextLineId = 2002;
    static constexpr int kHelpId = 2003;
    static constexpr int kProgressId = 2004;
    static constexpr int kStylesHelpContext = HelpContext::kStyles;

    explicit CInfoStatusBar(QWidget* parent = nullptr, int style = 7);

    void setHelpService(HelpService* help) { m_help = help; }

    void SetProgress(int position, int range) override;
    void SetPaneText(const QString& text, int pane) override;
    void ShowNote(const QString& text, int milliseconds) override;
    void ClearLines(bool update) override;
    void AddLine(const QString& text, bool update, bool makeCurrent) override;
    void NextLine() override;
    void BeginWaitCursor() override;
    void EndWaitCursor() override;

    void RemoveLine(int line, bool update);
    void PrevLine();
    void HelpOnLine();
    bool CanGoBack() const { return m_current > 0; }
    bool CanGoForward() const { return m_current >= 0 && m_current + 1 < m_lines.size(); }
    bool HasCurrentLine() const { return m_current >= 0; }
    void UpdateButtons(bool blank = false);

    const QStringList& lines() const { return m_lines; }
    int currentLine() const { return m_current; }
    QString textPane() const;
    bool progressVisible() const;
    QToolButton* button(int id) const;

private:
    QStringList m_lines;
    int m_current = -1;
    QToolButton* m_prev = nullptr;
    QToolButton* m_next = nullptr;
    QToolButton* m_helpButton = nullptr;
    QLabel* m_text = nullptr;
    QProgressBar* m_progress = nullptr;
    HelpService* m_help = nullptr;
    int m_waitDepth = 0;
};

} // namespace wsc
