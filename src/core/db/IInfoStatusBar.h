#pragma once

#include <QString>

namespace wsc {

// What core code asks of the main frame's status bar and cursor. The window build implements
// it on CInfoStatusBar; tests record the calls.
class IInfoStatusBar {
public:
    virtual ~IInfoStatusBar() = default;
    virtual void SetProgress(int position, int range) = 0;
    virtual void SetPaneText(const QString& text, int pane) = 0;
    // A note in the message pane that goes again after `milliseconds`.
    virtual void ShowNote(const QString& text, int milliseconds) = 0;
    virtual void ClearLines(bool update) = 0;
    virtual void AddLine(const QString& text, bool update, bool makeCurrent) = 0;
    virtual void NextLine() = 0;
    virtual void BeginWaitCursor() = 0;
    virtual void EndWaitCursor() = 0;
};

// The wait cursor for the length of a scope, when there is a status bar to show it.
class WaitCursor {
public:
    explicit WaitCursor(IInfoStatusBar* bar) : m_bar(bar) {
        if (m_bar)
            m_bar->BeginWaitCursor();
    }
    ~WaitCursor() {
        if (m_bar)
            m_bar->EndWaitCursor();
    }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;

private:
    IInfoStatusBar* m_bar;
};

} // namespace wsc
