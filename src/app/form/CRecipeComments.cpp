#include "app/form/CRecipeComments.h"

#include "core/db/records/CRecordSetRecipe.h"
#include "core/db/records/Columns.h"
#include "core/settings/WindowTexts.h"

#include "app/widgets/CheckableDateEdit.h"
#include "app/widgets/RecordBinder.h"
#include "core/settings/MessageCatalog.h"
#include "core/settings/Prompter.h"

#include <QGridLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

namespace wsc {

CRecipeComments::CRecipeComments(Prompter& prompter, HelpService* help, QWidget* parent)
    : CRecipePage(parent) {
    setObjectName(QStringLiteral("commentsPage"));
    m_binder = new RecordBinder(prompter, this);
    m_source = new QPlainTextEdit(this);
    m_source->setObjectName(QStringLiteral("source"));
    m_comments = new QPlainTextEdit(this);
    m_comments->setObjectName(QStringLiteral("comments"));
    m_date = new CheckableDateEdit(this);
    m_date->setObjectName(QStringLiteral("dateObtained"));
    auto label = [this](const QString& text, QWidget* buddy) {
        auto* l = new QLabel(text, this);
        l->setBuddy(buddy);
        return l;
    };
    auto* helpButton = makeHelpButton(help, kHelpContext);
    auto* layout = new QGridLayout(this);
    layout->addWidget(label(QString::fromUtf8(Labels::kSourceOfRecipe), m_source), 0, 0,
                      Qt::AlignTop);
    layout->addWidget(m_source, 0, 1);
    layout->addWidget(label(QString::fromUtf8(Labels::kDateObtained), m_date), 1, 0);
    layout->addWidget(m_date, 1, 1, Qt::AlignLeft);
    layout->addWidget(label(QString::fromUtf8(Labels::kComments), m_comments), 2, 0, Qt::AlignTop);
    layout->addWidget(m_comments, 2, 1);
    layout->addWidget(helpButton, 3, 1, Qt::AlignRight);
    layout->setRowStretch(0, 1);
    layout->setRowStretch(2, 2);

    m_binder->bind(m_source, col::recipe::RecipeSource);
    m_binder->bind(m_date, col::recipe::RecipeDateObtained);
    m_binder->bind(m_comments, col::recipe::RecipeComments);
    connect(m_binder, &RecordBinder::modified, this, &CRecipePage::modified);
    setToolTipsShown(true);
}

void CRecipeComments::setToolTipsShown(bool shown) {
    setHint(m_source, Msg::kTextTip, shown);
    setHint(m_comments, Msg::kTextTip, shown);
    setHint(m_date, Msg::kDateTip, shown);
}

void CRecipeComments::loadRecord(const CRecordSetRecipe& record) {
    m_binder->load(record);
}

bool CRecipeComments::saveRecord(CRecordSetRecipe& record) {
    return m_binder->save(record);
}

} // namespace wsc
