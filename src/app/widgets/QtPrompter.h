#pragma once

#include "core/settings/Prompter.h"

class QMessageBox;
class QWidget;

namespace wsc {

// Shows prompts as message boxes over the main window.
class QtPrompter : public Prompter {
public:
    explicit QtPrompter(QWidget* parent = nullptr) : m_parent(parent) {}
    void setParent(QWidget* parent) { m_parent = parent; }
    // Boxes whose help context has a topic get a Help button (and F1) that opens it.
    void setHelp(HelpService* help) { m_help = help; }
    PromptAnswer show(const Prompt& prompt) override;

    // The box as show() presents it, for tests to look at without running it.
    void build(QMessageBox& box, const Prompt& prompt);

private:
    QWidget* m_parent;
    HelpService* m_help = nullptr;
};

} // namespace wsc
