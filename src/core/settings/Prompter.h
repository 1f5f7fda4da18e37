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

// A prompt as a box on the screen can hold it: a text of more than kBoxLines lines or
// kBoxCharacters characters (a value quoted from a file, a long list) is shown cut, and the
// whole of it is behind the box's details.
inline constexpr int kBoxLines = 30;
inline constexpr int kBoxCharacters = 2000;
Prompt FitForABox(const Prompt& prompt);

// The answer a box gives that nobody can see (the program is being ended by a signal): the
// one that changes nothing.
PromptAnswer UnseenAnswer(PromptButtons buttons);

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
