#include "app/form/CCompetitionResultsDlg.h"

#include "app/widgets/HelpContextProperty.h"
#include "core/db/records/Columns.h"
#include "core/help/HelpContexts.h"
#include "core/settings/WindowTexts.h"

#include "app/widgets/CheckableDateEdit.h"
#include "app/widgets/RecordBinder.h"
#include "core/db/records/CRecordSetRecipe.h"
#include "core/settings/MessageCatalog.h"
#include "core/settings/Prompter.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace wsc {

CCompetitionResultsDlg::CCompetitionResultsDlg(CRecordSetRecipe& record, Prompter& prompter,
                                               bool tips, QWidget* parent)
    : QDialog(parent), m_record(record), m_prompter(prompter) {
    SetHelpContext(this, HelpContext::kCompetitionResults);
    setWindowTitle(QString::fromUtf8(Labels::kCompetitionResults));
    m_binder = new RecordBinder(prompter, this);
    m_name = new QLineEdit(this);
    m_name->setMaxLength(50);
    m_prizes = new QPlainTextEdit(this);
    m_score = new QLineEdit(this);
    m_score->setMaximumWidth(60);
    m_comments = new QPlainTextEdit(this);
    m_date = new CheckableDateEdit(this);
    if (tips) {
        m_name->setToolTip(MessageCatalog::text(Msg::kNameTip));
        m_prizes->setToolTip(MessageCatalog::text(Msg::kTextTip));
        m_score->setToolTip(QString::fromLatin1(Texts::kJudgeScoreTip));
        m_comments->setToolTip(MessageCatalog::text(Msg::kTextTip));
        m_date->setToolTip(MessageCatalog::text(Msg::kDateTip));
    }
    auto* form = new QFormLayout;
    form->addRow(QString::fromUtf8(Labels::kName), m_name);
    form->addRow(QString::fromUtf8(Labels::kPrizesWon), m_prizes);
    form->addRow(QString::fromUtf8(Labels::kJudgesScore), m_score);
    form->addRow(QString::fromUtf8(Labels::kCommentsField), m_comments);
    form->addRow(QString::fromUtf8(Labels::kDate), m_date);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);

    m_binder->bind(m_name, col::recipe::RecipeRatingCompName, QString::fromUtf8(Labels::kName),
                   RecordBinder::Format::Text);
    m_binder->bind(m_prizes, col::recipe::RecipeRatingCompPrizes);
    m_binder->bind(m_score, col::recipe::RecipeRatingCompScore,
                   QString::fromUtf8(Labels::kJudgesScore), RecordBinder::Format::Whole);
    m_binder->bind(m_comments, col::recipe::RecipeRatingCompComments);
    m_binder->bind(m_date, col::recipe::RecipeRatingCompDate);
    m_binder->load(record);
    connect(m_binder, &RecordBinder::modified, this, [this] { m_typed = true; });
}

void CCompetitionResultsDlg::accept() {
    const QString text = m_score->text().trimmed();
    if (!text.isEmpty() && text.toDouble() > 50) {
        m_prompter.text(QString::fromLatin1(Texts::kJudgeScoreTooHigh), PromptIcon::Information);
        m_score->setFocus();
        m_score->selectAll();
        return;
    }
    // All fields or none: a refused field leaves the record as it was.
    const FieldValues before = m_record.fieldValues();
    if (!m_binder->save(m_record)) {
        m_record.setFieldValues(before);
        return;
    }
    QDialog::accept();
}

} // namespace wsc
