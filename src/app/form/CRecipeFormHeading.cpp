#include "app/form/CRecipeFormHeading.h"

#include "app/widgets/CColorLabel.h"
#include "app/widgets/CControlTipWnd.h"
#include "app/widgets/Commands.h"
#include "app/widgets/IconFactory.h"
#include "app/widgets/RecordBinder.h"
#include "core/calc/RecipeCalculator.h"
#include "core/db/records/CRecordSetRecipe.h"
#include "core/db/records/Columns.h"
#include "core/settings/MessageCatalog.h"
#include "core/settings/WindowTexts.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QVBoxLayout>

namespace wsc {
namespace {

QString orNotApplicable(const QString& text) {
    return text.isEmpty() ? QString::fromLatin1(Labels::kNotAvailable) : text;
}

QFont bold(QFont font) {
    font.setBold(true);
    return font;
}

} // namespace

CRecipeFormHeading::CRecipeFormHeading(Prompter& prompter, QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("recipeFormHeading"));
    m_name = new QLineEdit(this);
    m_name->setObjectName(QStringLiteral("name"));
    m_name->setMaxLength(50);
    m_brewer = new QLineEdit(this);
    m_brewer->setObjectName(QStringLiteral("brewer"));
    m_brewer->setMaxLength(50);
    m_batch = new QLineEdit(this);
    m_batch->setObjectName(QStringLiteral("batchNo"));
    m_batch->setMaximumWidth(fontMetrics().horizontalAdvance(QStringLiteral("0000000000")) + 12);
    auto label = [this](const char* text, QWidget* buddy) {
        auto* l = new QLabel(QString::fromUtf8(text), this);
        l->setBuddy(buddy);
        return l;
    };
    auto* names = new QGridLayout;
    names->addWidget(label(Labels::kName, m_name), 0, 0);
    names->addWidget(m_name, 0, 1);
    names->addWidget(label(Labels::kBrewer, m_brewer), 0, 2);
    names->addWidget(m_brewer, 0, 3);
    names->addWidget(label(Labels::kBatchLabel, m_batch), 0, 4);
    names->addWidget(m_batch, 0, 5);
    names->setColumnStretch(1, 3);
    names->setColumnStretch(3, 2);

    auto* groups = new QHBoxLayout;
    groups->addWidget(buildMeasure());
    groups->addWidget(buildProcess());
    groups->addWidget(buildTarget(), 1);
    groups->addWidget(buildCalculation());

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(names);
    layout->addLayout(groups);
    bindFields(prompter);
}

QGroupBox* CRecipeFormHeading::buildMeasure() {
    m_measureGroup = new QGroupBox(QString::fromUtf8(Labels::kMeasurement), this);
    m_measureGroup->setObjectName(QStringLiteral("measurement"));
    auto* english = new QRadioButton(QString::fromUtf8(Labels::kEnglish), m_measureGroup);
    auto* metric = new QRadioButton(QString::fromUtf8(Labels::kMetric), m_measureGroup);
    english->setEnabled(false);
    metric->setEnabled(false);
    m_measure = new QButtonGroup(this);
    m_measure->addButton(english, 0);
    m_measure->addButton(metric, 1);
    auto* l = new QVBoxLayout(m_measureGroup);
    l->addWidget(english);
    l->addWidget(metric);
    return m_measureGroup;
}

QGroupBox* CRecipeFormHeading::buildProcess() {
    m_processGroup = new QGroupBox(QString::fromUtf8(Labels::kProcess), this);
    m_processGroup->setObjectName(QStringLiteral("process"));
    m_kit = new QCheckBox(QString::fromUtf8(Labels::kKit), m_processGroup);
    m_extract = new QCheckBox(QString::fromUtf8(Labels::kExtract), m_processGroup);
    m_partial = new QCheckBox(QString::fromUtf8(Labels::kPartialMash), m_processGroup);
    m_allGrain = new QCheckBox(QString::fromUtf8(Labels::kAllGrain), m_processGroup);
    auto* l = new QGridLayout(m_processGroup);
    l->addWidget(m_kit, 0, 0);
    l->addWidget(m_extract, 0, 1);
    l->addWidget(m_partial, 1, 0);
    l->addWidget(m_allGrain, 1, 1);
    return m_processGroup;
}

QGroupBox* CRecipeFormHeading::buildTarget() {
    auto* group = new QGroupBox(QString::fromUtf8(Labels::kTarget), this);
    m_targetButton = new QPushButton(QString::fromUtf8(Labels::kTargetStyle), group);
    m_targetButton->setObjectName(QStringLiteral("targetStyle"));
    connect(m_targetButton, &QPushButton::clicked, this, &CRecipeFormHeading::targetStyleAsked);
    auto* l = new QGridLayout(group);
    l->addWidget(m_targetButton, 0, 0, 3, 1, Qt::AlignTop);
    for (int i = 0; i < 3; ++i) {
        m_target[i] = new QLabel(QString::fromLatin1(Labels::kNotAvailable), group);
        m_target[i]->setObjectName(QStringLiteral("target%1").arg(i));
        m_target[i]->setFont(bold(m_target[i]->font()));
        l->addWidget(m_target[i], i, 1);
    }
    l->setColumnStretch(1, 1);
    return group;
}

QGroupBox* CRecipeFormHeading::buildCalculation() {
    auto* group = new QGroupBox(QString::fromUtf8(Labels::kCalculations), this);
    m_status = new CColorLabel(LookOf(CalcStatus::NotDone).text, group);
    m_status->setObjectName(QStringLiteral("calcStatus"));
    m_status->setFont(bold(m_status->font()));
    m_msgs = new QPushButton(QString::fromLatin1(Labels::kMsgsButton), group);
    m_msgs->setObjectName(QStringLiteral("msgs"));
    m_msgs->setIcon(IconFactory::icon(Glyph::Log));
    const int icon = style()->pixelMetric(QStyle::PM_SmallIconSize);
    m_msgs->setIconSize(QSize(icon, icon));
    m_msgs->setEnabled(false);
    connect(m_msgs, &QPushButton::clicked, this, &CRecipeFormHeading::messagesAsked);
    auto* l = new QVBoxLayout(group);
    l->addWidget(m_status, 0, Qt::AlignHCenter);
    l->addWidget(m_msgs);
    return group;
}

void CRecipeFormHeading::bindFields(Prompter& prompter) {
    m_binder = new RecordBinder(prompter, this);
    m_binder->bind(m_name, col::recipe::RecipeName, QString::fromUtf8(Labels::kName),
                   RecordBinder::Format::Text);
    m_binder->bind(m_brewer, col::recipe::RecipeBrewer, QString::fromUtf8(Labels::kBrewer),
                   RecordBinder::Format::Text);
    m_binder->bindRequired(m_batch, col::recipe::RecipeBatchNo,
                           QString::fromUtf8(Labels::kBatchField));
    m_binder->bind(m_measure, col::recipe::RecipeMeasureEnglish);
    m_binder->bind(m_kit, col::recipe::RecipeProcessKit);
    m_binder->bind(m_extract, col::recipe::RecipeProcessExtract);
    m_binder->bind(m_partial, col::recipe::RecipeProcessPartial);
    m_binder->bind(m_allGrain, col::recipe::RecipeProcessAllGrain);
    connect(m_binder, &RecordBinder::modified, this, &CRecipeFormHeading::modified);

    m_tips = new CControlTipWnd(this);
    m_tips->setObjectName(QStringLiteral("headingTips"));
    m_tips->AddTool(m_name, Msg::kNameTip);
    m_tips->AddTool(m_brewer, Msg::kNameTip);
    m_tips->AddTool(m_batch, Msg::kBatchTip);
    m_tips->AddTool(m_measureGroup, Msg::kMeasureTip);
    m_tips->AddTool(m_processGroup, Msg::kProcessTip);
}

void CRecipeFormHeading::load(const CRecordSetRecipe& r) {
    m_binder->load(r);
    // The heading's fields are short: typing goes on after their text.
    for (QLineEdit* e : {m_name, m_brewer, m_batch})
        e->end(false);
    setRecordShown(true);
}

void CRecipeFormHeading::clear() {
    m_binder->clear();
    setRecordShown(false);
}

void CRecipeFormHeading::setRecordShown(bool shown) {
    for (QWidget* w :
         std::initializer_list<QWidget*>{m_name, m_brewer, m_batch, m_processGroup, m_targetButton})
        w->setEnabled(shown);
}

bool CRecipeFormHeading::save(CRecordSetRecipe& r) {
    return m_binder->save(r);
}

QString CRecipeFormHeading::nameText() const {
    return m_name->text();
}

QString CRecipeFormHeading::batchText() const {
    return m_batch->text();
}

ProcessChecks CRecipeFormHeading::processChecks() const {
    return {m_kit->isChecked(), m_extract->isChecked(), m_partial->isChecked(),
            m_allGrain->isChecked()};
}

int CRecipeFormHeading::measureShown() const {
    return m_measure->checkedId();
}

QWidget* CRecipeFormHeading::control(int id) const {
    switch (id) {
    case FormControl::kName:
        return m_name;
    case FormControl::kBrewer:
        return m_brewer;
    case FormControl::kBatchNo:
        return m_batch;
    case FormControl::kKit:
        return m_kit;
    case FormControl::kExtract:
        return m_extract;
    case FormControl::kPartialMash:
        return m_partial;
    case FormControl::kAllGrain:
        return m_allGrain;
    case kIdMsgs:
        return m_msgs;
    case kIdTargetStyle:
        return m_targetButton;
    case kIdStatus:
        return m_status;
    default:
        return nullptr;
    }
}

void CRecipeFormHeading::showTarget(const QString& style, const QString& category,
                                    const QString& subcategory) {
    m_target[0]->setText(orNotApplicable(style));
    m_target[1]->setText(orNotApplicable(category));
    m_target[2]->setText(orNotApplicable(subcategory));
}

void CRecipeFormHeading::resetTarget() {
    for (QLabel* l : m_target)
        l->setText(QString::fromLatin1(Labels::kNotAvailable));
}

void CRecipeFormHeading::showStatus(const CalcStatusLook& look, bool messages) {
    m_status->setText(look.text);
    m_status->setTextColor(QColor::fromRgb(look.rgb));
    m_msgs->setEnabled(messages);
}

void CRecipeFormHeading::setMessagesEnabled(bool enabled) {
    m_msgs->setEnabled(enabled);
}

void CRecipeFormHeading::setToolTipsShown(bool shown) {
    m_tips->setActive(shown);
}

} // namespace wsc
