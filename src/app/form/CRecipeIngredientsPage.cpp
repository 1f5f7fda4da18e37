#include "app/form/CRecipeIngredientsPage.h"

#include "app/form/CRecipeGrid1.h"
#include "app/widgets/RecordBinder.h"
#include "core/db/records/CRecordSetRecipe.h"
#include "core/db/records/Columns.h"
#include "core/settings/MessageCatalog.h"
#include "core/settings/Prompter.h"
#include "core/settings/WindowTexts.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace wsc {

CRecipeIngredientsPage::CRecipeIngredientsPage(CRecipeGrid1* grid, Prompter& prompter,
                                               HelpService* help, QWidget* parent)
    : CRecipePage(parent), m_grid(grid) {
    setObjectName(QStringLiteral("ingredientsPage"));
    m_binder = new RecordBinder(prompter, this);
    m_boilTime = new QLineEdit(this);
    m_boilTime->setObjectName(QStringLiteral("boilTime"));
    m_boilTime->setMaximumWidth(60);
    m_boilTime->setAlignment(Qt::AlignRight);
    auto* label = new QLabel(QString::fromUtf8(Labels::kTotalBoilTimeMin), this);
    label->setBuddy(m_boilTime);
    auto* helpButton = makeHelpButton(help, kHelpContext);
    m_binder->bind(m_boilTime, col::recipe::RecipeBoilLth,
                   QString::fromUtf8(Labels::kTotalBoilTimeField), RecordBinder::Format::Whole);
    connect(m_binder, &RecordBinder::modified, this, &CRecipePage::modified);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(label);
    bottom->addWidget(m_boilTime);
    bottom->addStretch();
    bottom->addWidget(helpButton);
    auto* layout = new QVBoxLayout(this);
    grid->setParent(this);
    layout->addWidget(grid, 1);
    layout->addLayout(bottom);
    setToolTipsShown(true);
}

void CRecipeIngredientsPage::setToolTipsShown(bool shown) {
    m_boilTime->setToolTip(shown ? QString::fromLatin1(Texts::kBoilTimeTip) : QString());
}

void CRecipeIngredientsPage::loadRecord(const CRecordSetRecipe& record) {
    m_binder->load(record);
}

bool CRecipeIngredientsPage::saveRecord(CRecordSetRecipe& record) {
    return m_binder->save(record);
}

void CRecipeIngredientsPage::activated() {
    // The field already shows the record or what the user typed since; reloading it here
    // would throw the typing away.
}

} // namespace wsc
