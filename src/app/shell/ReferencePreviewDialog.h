#pragma once

#include "core/interchange/ReferenceData.h"

#include <QDialog>

class QTreeWidget;

namespace wsc {

// The records of a reference file as the Data database would take them, each with a tick:
// what is ticked is added (new) or replaced (differs) when the brewer chooses Import.
class ReferencePreviewDialog : public QDialog {
public:
    ReferencePreviewDialog(const ReferenceFile& file, QWidget* parent = nullptr);
    // What the ticks say, one choice per item of the file.
    std::vector<ReferenceChoice> choices() const;
    // The tick of an item, for tests that answer the dialog.
    void setChosen(std::size_t item, bool chosen);
    QTreeWidget* list() const { return m_list; }

private:
    const ReferenceFile& m_file;
    QTreeWidget* m_list;
};

} // namespace wsc
