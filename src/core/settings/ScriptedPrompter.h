#pragma once

#include "core/settings/Prompter.h"

#include <deque>
#include <functional>
#include <vector>

namespace wsc {

// A Prompter for tests and for the command-line tool: answers from a queue (then with the
// default answer of the box's buttons) and keeps every prompt it was shown.
class ScriptedPrompter : public Prompter {
public:
    PromptAnswer show(const Prompt& prompt) override;

    void queue(PromptAnswer answer) { m_answers.push_back(answer); }
    const std::vector<Prompt>& shown() const { return m_shown; }
    // Help contexts (string ids) of the prompts shown, in order.
    std::vector<int> ids() const;
    const Prompt& last() const { return m_shown.back(); }
    void clear() { m_shown.clear(); }
    // Called with each prompt while it is "open", before it is answered: a test looks at the
    // window as the user would see it behind the box.
    std::function<void(const Prompt&)> onShow;

private:
    std::deque<PromptAnswer> m_answers;
    std::vector<Prompt> m_shown;
};

} // namespace wsc
