#pragma once

#include <QString>
#include <QStringList>

namespace wsc {

enum class PromptIcon { None, Information, Exclamation, Question, Stop };
enum class PromptButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class PromptAnswer { Ok, Cancel, Yes, No };

struct Prompt {
    QString text;
    PromptIcon icon = PromptIcon::Information;
    PromptButtons buttons = PromptButtons::Ok;
    int helpContext = 0;
    // A longer text the box offers behind a button (a scrolled list), when not empty.
    QString details;
};

// Every message box of the program goes through a Prompter: the window build shows a
// message box, tests answer from a script and keep what was asked.
class Prompter {
public:
    virtual ~Prompter() = default;
    virtual PromptAnswer show(const Prompt& prompt) = 0;

    // String `id` of the catalogue with its inserts; the id is the help context.
    PromptAnswer message(int id, const QStringList& inserts = {},
                         PromptIcon icon = PromptIcon::Information,
                         PromptButtons buttons = PromptButtons::Ok);
    // A text without a string id.
    PromptAnswer text(const QString& text, PromptIcon icon = PromptIcon::Information,
                      PromptButtons buttons = PromptButtons::Ok, int helpContext = 0);
};

// Opens the help file at a numeric context.
class HelpService {
public:
    virtual ~HelpService() = default;
    virtual void show(int context, const QString& helpFile = {}) = 0;
    // True when the help holds a topic of its own for `context` (a message box then offers a
    // Help button).
    virtual bool hasTopic(int context) { return context != 0; }
};

} // namespace wsc
