#pragma once

#include <QString>

class QLineEdit;
class QPlainTextEdit;
class QWidget;

namespace wsc {

// Shows a stored text in an edit. A text longer than the edit takes (its maximum length, or
// the length of a memo) would freeze the window, or be cut by the next commit: it is shown cut,
// with a note, in a read-only edit, and IsShownCut tells the binding to keep what is stored.
void ShowStoredText(QLineEdit* edit, const QString& text);
void ShowStoredText(QPlainTextEdit* edit, const QString& text);
bool IsShownCut(const QWidget* edit);

} // namespace wsc
