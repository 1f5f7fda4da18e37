#include "core/settings/ScriptedPrompter.h"

namespace wsc {

PromptAnswer ScriptedPrompter::show(const Prompt& prompt) {
    m_shown.push_back(prompt);
    if (onShow)
        onShow(prompt);
    if (!m_answers.empty()) {
        const PromptAnswer a = m_answers.front();
        m_answers.pop_front();
        return a;
    }
    switch (prompt.buttons) {
    case PromptButtons::Ok:
    case PromptButtons::OkCancel:
        return PromptAnswer::Ok;
    case PromptButtons::YesNo:
    case PromptButtons::YesNoCancel:
        return PromptAnswer::Yes;
    }
    return PromptAnswer::Ok;
}

std::vector<int> ScriptedPrompter::ids() const {
    std::vector<int> out;
    out.reserve(m_shown.size());
    for (const Prompt& p : m_shown)
        out.push_back(p.helpContext);
    return out;
}

} // namespace wsc
