#include "app/widgets/QtPrompter.h"
#include "core/settings/MessageCatalog.h"
#include "core/settings/StopRequest.h"

#include "app/widgets/HelpContextProperty.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

namespace wsc {

PromptAnswer QtPrompter::show(const Prompt& asked) {
    // The program is ending: nobody is there to read or answer.
    if (StopRequest::pending())
        return UnseenAnswer(asked.buttons);
    const Prompt prompt = FitForABox(asked);
    // Over the dialog that asks (the Options sheet, a maintenance dialog), so the dialog stays
    // above the main window while its question is open.
    QWidget* parent = QApplication::activeModalWidget();
    if (!parent)
        parent = m_parent ? m_parent : QApplication::activeWindow();
    QMessageBox box(parent);
    build(box, prompt);
    switch (box.exec()) {
    case QMessageBox::Yes:
        return PromptAnswer::Yes;
    case QMessageBox::No:
        return PromptAnswer::No;
    case QMessageBox::Cancel:
        return PromptAnswer::Cancel;
    default:
        return prompt.buttons == PromptButtons::YesNo ? PromptAnswer::No : PromptAnswer::Ok;
    }
}

void QtPrompter::build(QMessageBox& box, const Prompt& prompt) {
    box.setWindowTitle(MessageCatalog::text(Msg::kProgramName));
    box.setText(prompt.text);
    if (!prompt.details.isEmpty())
        box.setDetailedText(prompt.details);
    switch (prompt.icon) {
    case PromptIcon::None:
        break;
    case PromptIcon::Information:
        box.setIcon(QMessageBox::Information);
        break;
    case PromptIcon::Exclamation:
        box.setIcon(QMessageBox::Warning);
        break;
    case PromptIcon::Question:
        box.setIcon(QMessageBox::Question);
        break;
    case PromptIcon::Stop:
        box.setIcon(QMessageBox::Critical);
        break;
    }
    switch (prompt.buttons) {
    case PromptButtons::Ok:
        box.setStandardButtons(QMessageBox::Ok);
        break;
    case PromptButtons::OkCancel:
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        break;
    case PromptButtons::YesNo:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        break;
    case PromptButtons::YesNoCancel:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        break;
    }
    // Escape answers as closing the box does, also when a Help button is there beside OK.
    for (const QMessageBox::StandardButton b :
         {QMessageBox::Cancel, QMessageBox::No, QMessageBox::Ok}) {
        if (QAbstractButton* button = box.button(b)) {
            box.setEscapeButton(button);
            break;
        }
    }
    if (m_help && prompt.helpContext != 0 && m_help->hasTopic(prompt.helpContext)) {
        SetHelpContext(&box, prompt.helpContext);
        QPushButton* help = box.addButton(QMessageBox::Help);
        help->setObjectName(QStringLiteral("helpButton"));
        // Help opens the topic and leaves the question open.
        QObject::disconnect(help, &QAbstractButton::clicked, nullptr, nullptr);
        HelpService* service = m_help;
        const int context = prompt.helpContext;
        QObject::connect(help, &QAbstractButton::clicked, &box,
                         [service, context] { service->show(context); });
    }
}

} // namespace wsc
