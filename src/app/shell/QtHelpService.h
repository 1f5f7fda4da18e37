#pragma once

#include "settings/Prompter.h"

#include <QString>

namespace wsc {

// Opens help topics: an HTML file named after the context number in the program's help
// folder, shown by the desktop's browser. A topic that is not installed is said so.
class QtHelpService : public HelpService {
public:
    QtHelpService(Prompter& prompter, QString folder)
        : m_prompter(prompter), m_folder(std::move(folder)) {}
    void show(int context, const QString& helpFile = {}) override;
    int lastContext() const { return m_last; }

private:
    Prompter& m_prompter;
    QString m_folder;
    int m_last = 0;
};

} // namespace wsc
