#include "core/help/HelpContexts.h"

#include "core/settings/MessageCatalog.h"

namespace wsc {

const std::vector<HelpContextUse>& WindowHelpContexts() {
    using namespace HelpContext;
    static const std::vector<HelpContextUse> uses = [] {
#define WSC_HELP_CONTEXT_USE(name, value, askedBy) {name, askedBy},
        std::vector<HelpContextUse> u = {WSC_WINDOW_HELP_CONTEXTS(WSC_HELP_CONTEXT_USE)};
#undef WSC_HELP_CONTEXT_USE
        for (int k = 0; k < kAddChgDialogs; ++k)
            u.push_back({AddChg(k), "a Data menu maintenance dialog"});
        return u;
    }();
    return uses;
}

std::vector<int> MessageHelpContexts() {
    return MessageCatalog::messageBoxIds();
}

} // namespace wsc
