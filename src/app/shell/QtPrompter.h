#pragma once

#include "settings/Prompter.h"

class QWidget;

namespace wsc {

// Shows prompts as message boxes over the main window.
class QtPrompter : public Prompter {
public:
    explicit QtPrompter(QWidget* parent = nullptr) : m_parent(parent) {}
    void setParent(QWidget* parent) { m_parent = parent; }
    PromptAnswer show(const Prompt& prompt) override;

private:
    QWidget* m_parent;
};

} // namespace wsc
