#include "app/shell/DocTemplates.h"

namespace wsc {

const std::vector<DocTemplate>& DocTemplates() {
    static const std::vector<DocTemplate> templates = {
        {2, "Recipe Form\nWortsmith\nWortsmith Document\nWortsmith Databases (*.mdb)\n.MDB\n"
            "WortsmithCalc.mdb\nWortsmith Calculator Database"},
        {140, "Log Book\nWortsmith\n\nWortsmith Data (*.WSC)\n.wsc\nWortsmithCalc.Document\n"
              "Wortsmith Calculator Document"},
        {141, "Recipe Label\nWortsmith\n\nWortsmith Data (*.WSC)\n.wsc\nWortsmithCalc.Document\n"
              "Wortsmith Calculator Document"},
    };
    return templates;
}

} // namespace wsc
