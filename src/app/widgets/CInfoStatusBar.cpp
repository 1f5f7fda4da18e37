#include "app/widgets/CInfoStatusBar.h"
#include "core/settings/WindowTexts.h"

#include "app/widgets/IconFactory.h"
#include "core/settings/Prompter.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QStackedWidget>
#include <QToolButton>

namespace wsc {
namespace {

QToolButton* makeButton(QWidget* parent, int id, Glyph glyph, const QString& tip) {
    auto* b = new QToolButton(parent);
    b->setObjectName(QStringLiteral("statusButton%1").arg(id));
    b->setIcon(IconFactory::icon(glyph));
    b->setIconSize(QSize(14, 14));
    b->setAutoRaise(true);
    b->setToolTip(tip);
    b->setEnabled(false);
    return b;
}

} // namespace

CInfoStatusBar::CInfoStatusBar(QWidget* parent, int style) : QStatusBar(parent) {
    setObjectName(QStringLiteral("infoStatusBar"));
    const QString tip = QString::fromLatin1(Labels::kTargetStyleInfoTip);
    setToolTip(tip);

    auto* buttons = new QWidget(this);
    auto* bl = new QHBoxLayout(buttons);
    bl->setContentsMargins(0, 0, 1, 0);
    bl->setSpacing(2);
    if (style & ArrowButtons) {
        m_prev = makeButton(buttons, kPrevLineId, Glyph::Previous, tip);
        m_next = makeButton(buttons, kNextLineId, Glyph::Next, tip);
        bl->addWidget(m_prev);
        bl->addWidget(m_next);
        connect(m_prev, &QToolButton::clicked, this, [this] { PrevLine(); });
        connect(m_next, &QToolButton::clicked, this, [this] { NextLine(); });
    }
    if (style & HelpButton) {
        m_helpButton = makeButton(buttons, kHelpId, Glyph::About, tip);
        bl->addWidget(m_helpButton);
        connect(m_helpButton, &QToolButton::clicked, this, [this] { HelpOnLine(); });
    }
    addPermanentWidget(buttons);

    auto* stack = new QStackedWidget(this);
    m_text = new QLabel(stack);
    m_text->setObjectName(QStringLiteral("infoText"));
    m_text->setToolTip(tip);
    stack->addWidget(m_text);
    if (style & ProgressBar) {
        m_progress = new QProgressBar(stack);
        m_progress->setObjectName(QStringLiteral("infoProgress"));
        m_progress->setTextVisible(false);
        m_progress->setMaximumHeight(14);
        stack->addWidget(m_progress);
    }
    stack->setMinimumWidth(fontMetrics().averageCharWidth() * 40);
    addPermanentWidget(stack);
    UpdateButtons();
}

QToolButton* CInfoStatusBar::button(int id) const {
    switch (id) {
    case kPrevLineId:
        return m_prev;
    case kNextLineId:
        return m_next;
    case kHelpId:
        return m_helpButton;
    default:
        return nullptr;
    }
}

void CInfoStatusBar::SetProgress(int position, int range) {
    if (!m_progress)
        return;
    auto* stack = static_cast<QStackedWidget*>(m_progress->parentWidget());
    if (position == -1) {
        stack->setCurrentWidget(m_text);
        return;
    }
    if (range > 0)
        m_progress->setRange(0, range);
    stack->setCurrentWidget(m_progress);
    m_progress->setValue(position);
    m_progress->repaint();
}

bool CInfoStatusBar::progressVisible() const {
    return m_progress && m_progress->parentWidget() &&
           static_cast<QStackedWidget*>(m_progress->parentWidget())->currentWidget() == m_progress;
}

void CInfoStatusBar::ShowNote(const QString& text, int milliseconds) {
    showMessage(text, milliseconds);
}

void CInfoStatusBar::SetPaneText(const QString& text, int pane) {
    if (pane == 0) {
        showMessage(text);
        repaint();
    } else {
        m_text->setText(text);
        m_text->repaint();
    }
}

QString CInfoStatusBar::textPane() const {
    return m_text->text();
}

void CInfoStatusBar::ClearLines(bool update) {
    m_lines.clear();
    m_current = -1;
    if (update)
        UpdateButtons();
}

void CInfoStatusBar::AddLine(const QString& text, bool update, bool makeCurrent) {
    m_lines << text;
    if (m_current < 0)
        m_current = 0;
    if (makeCurrent)
        m_current = static_cast<int>(m_lines.size()) - 1;
    if (update)
        UpdateButtons();
}

void CInfoStatusBar::RemoveLine(int line, bool update) {
    if (line < 0 || line >= m_lines.size())
        return;
    m_lines.removeAt(line);
    if (line == m_current)
        m_current = m_lines.isEmpty() ? -1 : 0;
    else if (line < m_current)
        --m_current;
    if (update)
        UpdateButtons();
}

void CInfoStatusBar::NextLine() {
    if (CanGoForward())
        ++m_current;
    UpdateButtons();
}

void CInfoStatusBar::PrevLine() {
    if (CanGoBack())
        --m_current;
    UpdateButtons();
}

void CInfoStatusBar::HelpOnLine() {
    if (m_help)
        m_help->show(kStylesHelpContext);
}

void CInfoStatusBar::UpdateButtons(bool blank) {
    const bool none = blank || !HasCurrentLine();
    if (m_prev)
        m_prev->setEnabled(!none && CanGoBack());
    if (m_next)
        m_next->setEnabled(!none && CanGoForward());
    if (m_helpButton)
        m_helpButton->setEnabled(!none);
    m_text->setText(none ? QString() : m_lines.at(m_current));
}

void CInfoStatusBar::BeginWaitCursor() {
    if (m_waitDepth++ == 0)
        QApplication::setOverrideCursor(Qt::WaitCursor);
}

void CInfoStatusBar::EndWaitCursor() {
    if (m_waitDepth > 0 && --m_waitDepth == 0)
        QApplication::restoreOverrideCursor();
}

} // namespace wsc
