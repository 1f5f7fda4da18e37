#pragma once

#include "core/document/UpdateHints.h"

#include <QWidget>

namespace wsc {

// The bottle label view: a placeholder that says the label routine is planned.
class CLabelView : public QWidget, public IDocumentView {
    Q_OBJECT
public:
    explicit CLabelView(QWidget* parent = nullptr);
    void OnUpdate(IDocumentView*, long, const CRowViewHint*) override {}

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace wsc
