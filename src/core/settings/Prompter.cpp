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

} // namespace wsc
