#include "app/document/CWscalcFrame.h"

#include "app/form/CRecipeFormSheet.h"
#include "core/document/CWscalcDoc.h"

#include <QAction>
#include <QCloseEvent>
#include <QMenu>
#include <QScrollArea>

namespace wsc {

CWscalcFrame::CWscalcFrame(CWscalcDoc& doc, QWidget* view, QWidget* parent)
    : QMdiSubWindow(parent), m_doc(doc), m_view(view) {
    auto* scroll = new QScrollArea(this);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidget(view);
    setWidget(scroll);
    if (form()) {
        for (QAction* a : systemMenu()->actions()) {
            if (a->shortcut() == QKeySequence(QKeySequence::Close) ||
                a->text().contains(QStringLiteral("Close"), Qt::CaseInsensitive))
                a->setEnabled(false);
        }
    }
}

void CWscalcFrame::refit() {
    // Scroll bars shown while the frame was still small would otherwise stay.
    if (auto* scroll = qobject_cast<QScrollArea*>(widget())) {
        scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        scroll->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
        scroll->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    }
}

CRecipeFormSheet* CWscalcFrame::form() const {
    return qobject_cast<CRecipeFormSheet*>(m_view);
}

void CWscalcFrame::closeEvent(QCloseEvent* event) {
    if (CRecipeFormSheet* f = form()) {
        CWscalcDoc::CloseAttempt attempt(m_doc);
        if (!f->QuerySaveRecipe()) {
            event->ignore();
            return;
        }
        attempt.proceed();
    }
    event->accept();
    QMdiSubWindow::closeEvent(event);
    if (m_onClosed)
        m_onClosed(this);
}

} // namespace wsc
