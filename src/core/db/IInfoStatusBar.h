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
    virtual void ClearLines(bool update) = 0;
    virtual void AddLine(const QString& text, bool update, bool makeCurrent) = 0;
    virtual void NextLine() = 0;
    virtual void BeginWaitCursor() = 0;
    virtual void EndWaitCursor() = 0;
};

} // namespace wsc
