#include "core/settings/Prompter.h"

#include "core/settings/MessageCatalog.h"

namespace wsc {

PromptAnswer Prompter::message(int id, const QStringList& inserts, PromptIcon icon,
                               PromptButtons buttons) {
    return show(Prompt{MessageCatalog::format(id, inserts), icon, buttons, id, {}});
}

PromptAnswer Prompter::text(const QString& text, PromptIcon icon, PromptButtons buttons,
                            int helpContext) {
    return show(Prompt{text, icon, buttons, helpContext, {}});
}

Prompt FitForABox(const Prompt& prompt) {
    QString head = prompt.text;
    qsizetype lines = 0;
    qsizetype cut = -1;
    for (qsizetype i = 0; i < head.size() && cut < 0; ++i) {
        if (i >= kBoxCharacters || (head.at(i) == u'\n' && ++lines >= kBoxLines))
            cut = i;
    }
    if (cut < 0)
        return prompt;
    Prompt fitted = prompt;
    fitted.text = head.left(cut) + QStringLiteral("\n") + QChar(0x2026);
    fitted.details = prompt.details.isEmpty()
                         ? prompt.text
                         : prompt.text + QStringLiteral("\n\n") + prompt.details;
    return fitted;
}

PromptAnswer UnseenAnswer(PromptButtons buttons) {
    switch (buttons) {
    case PromptButtons::Ok:
        return PromptAnswer::Ok;
    case PromptButtons::YesNo:
        return PromptAnswer::No;
    case PromptButtons::OkCancel:
    case PromptButtons::YesNoCancel:
        break;
    }
    return PromptAnswer::Cancel;
}

} // namespace wsc
