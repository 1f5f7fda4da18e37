#include "app/form/CRecipeSpecGravities.h"

#include "app/widgets/CheckableDateEdit.h"
#include "app/widgets/RecordBinder.h"
#include "core/db/records/CRecordSetRecipe.h"
#include "core/db/records/Columns.h"
#include "core/document/FieldExchange.h"
#include "core/settings/MessageCatalog.h"
#include "core/settings/Prompter.h"
#include "core/settings/WindowTexts.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace wsc {
namespace {

using F = RecordBinder::Format;

QLineEdit* numberEdit(QWidget* parent, const QString& name, int width = 70) {
    auto* e = new QLineEdit(parent);
    e->setObjectName(name);
    e->setMaximumWidth(width);
    e->setAlignment(Qt::AlignRight);
    return e;
}

} // namespace

CRecipeSpecGravities::CRecipeSpecGravities(Prompter& prompter, HelpService* help, QWidget* parent)
    : CRecipePage(parent), m_prompter(prompter) {
    setObjectName(QStringLiteral("fermentationPage"));
    m_binder = new RecordBinder(prompter, this);

    auto* gravities = buildGravities(help);
    auto* ferm = buildFermentation();
    auto* dates = buildDates();
    auto* sizes = buildSizes();
    auto* yieldBox = buildYield();
    auto* priming = buildPriming();
    auto* conditioning = buildConditioning();

    auto* helpButton = makeHelpButton(help, kHelpContext);

    auto* left = new QVBoxLayout;
    left->addWidget(gravities);
    left->addWidget(sizes);
    left->addStretch();
    auto* middle = new QVBoxLayout;
    middle->addWidget(ferm);
    middle->addWidget(dates);
    middle->addStretch();
    auto* right = new QVBoxLayout;
    right->addWidget(priming);
    right->addWidget(conditioning);
    right->addWidget(yieldBox, 0, Qt::AlignTop);
    right->addStretch();
    right->addWidget(helpButton, 0, Qt::AlignRight);
    // The columns keep the width their fields need; a maximised form grows the space beside
    // them, never empty frames.
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left);
    layout->addLayout(middle);
    layout->addLayout(right);
    layout->addStretch();

    connect(m_binder, &RecordBinder::modified, this, &CRecipePage::modified);
    setToolTipsShown(true);
}

// The three readings with their temperatures, the predicted original gravity.
QGroupBox* CRecipeSpecGravities::buildGravities(HelpService* help) {
    auto* gravities = new QGroupBox(QString::fromUtf8(Labels::kSpecificGravities), this);
    auto* gl = new QGridLayout(gravities);
    auto* gravityHeading = new QLabel(gravities);
    gl->addWidget(gravityHeading, 0, 1);
    auto* gravityTemp = new QLabel(gravities);
    gl->addWidget(gravityTemp, 0, 2);
    m_binder->bindUnitLabel(gravityHeading, QString(), QStringLiteral("%1"), Quantity::Gravity);
    m_binder->bindUnitLabel(gravityTemp, QString::fromUtf8(Labels::kTemp),
                            QString::fromUtf8(Labels::kTempPattern), Quantity::Temperature);
    const char* names[] = {"Original", "Racking", "Final"};
    const char* columns[] = {col::recipe::RecipeSGOriginal, col::recipe::RecipeSGRacking,
                             col::recipe::RecipeSGFinal};
    const char* temps[] = {col::recipe::RecipeSGOriginalTemp, col::recipe::RecipeSGRackingTemp,
                           col::recipe::RecipeSGFinalTemp};
    for (int i = 0; i < 3; ++i) {
        const QString name = QString::fromLatin1(names[i]);
        m_gravity[i] = numberEdit(gravities, QStringLiteral("sg") + name);
        m_gravityTemp[i] = numberEdit(gravities, QStringLiteral("sgTemp") + name, 50);
        gl->addWidget(new QLabel(name, gravities), i + 1, 0);
        gl->addWidget(m_gravity[i], i + 1, 1);
        gl->addWidget(m_gravityTemp[i], i + 1, 2);
        m_binder->bind(m_gravity[i], columns[i], name, F::Gravity, Quantity::Gravity);
        m_binder->bind(m_gravityTemp[i], temps[i], name + QString::fromUtf8(Labels::kTempIndented),
                       F::Whole, Quantity::Temperature);
    }
    m_predicted = new QLabel(gravities);
    m_predicted->setObjectName(QStringLiteral("predictedOG"));
    m_predicted->setFrameShape(QFrame::StyledPanel);
    m_predicted->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    gl->addWidget(new QLabel(QString::fromUtf8(Labels::kPredicted), gravities), 4, 0);
    gl->addWidget(m_predicted, 4, 1);
    auto* tempAdjust = new QPushButton(QString::fromUtf8(Labels::kTempAdjust), gravities);
    gl->addWidget(tempAdjust, 4, 2);
    connect(tempAdjust, &QPushButton::clicked, this, [help] {
        if (help)
            help->show(kTempAdjustHelp);
    });
    return gravities;
}

QGroupBox* CRecipeSpecGravities::buildFermentation() {
    auto* ferm = new QGroupBox(QString::fromUtf8(Labels::kFermentation), this);
    auto* fl = new QGridLayout(ferm);
    auto* types = new QButtonGroup(this);
    const char* kinds[] = {"Ale", "Lager", "Other"};
    auto* typeRow = new QHBoxLayout;
    for (int i = 0; i < 3; ++i) {
        auto* r = new QRadioButton(QString::fromLatin1(kinds[i]), ferm);
        types->addButton(r, i);
        typeRow->addWidget(r);
    }
    fl->addLayout(typeRow, 0, 0, 1, 3);
    m_binder->bind(types, col::recipe::RecipeFermTypeAle);
    fl->addWidget(new QLabel(QString::fromUtf8(Labels::kDays), ferm), 1, 1);
    auto* fermTemp = new QLabel(ferm);
    fl->addWidget(fermTemp, 1, 2);
    m_binder->bindUnitLabel(fermTemp, QString::fromUtf8(Labels::kTemp),
                            QString::fromUtf8(Labels::kTempPattern), Quantity::Temperature);
    const char* stages[] = {"Primary", "Secondary"};
    const char* dayColumns[] = {col::recipe::RecipeFermPrimary, col::recipe::RecipeFermSecondary};
    const char* tempColumns[] = {col::recipe::RecipeFermAvgTempPri,
                                 col::recipe::RecipeFermAvgTempSec};
    for (int i = 0; i < 2; ++i) {
        const QString stage = QString::fromLatin1(stages[i]);
        m_days[i] = numberEdit(ferm, stage + QString::fromUtf8(Labels::kDays), 50);
        m_fermTemp[i] = numberEdit(ferm, stage + QString::fromUtf8(Labels::kTemp), 50);
        fl->addWidget(new QLabel(stage, ferm), i + 2, 0);
        fl->addWidget(m_days[i], i + 2, 1);
        fl->addWidget(m_fermTemp[i], i + 2, 2);
        m_binder->bind(m_days[i], dayColumns[i], stage + QString::fromUtf8(Labels::kDaysIndented),
                       F::Whole);
        m_binder->bind(m_fermTemp[i], tempColumns[i],
                       stage + QString::fromUtf8(Labels::kTempIndented), F::Whole,
                       Quantity::Temperature);
    }
    return ferm;
}

QGroupBox* CRecipeSpecGravities::buildDates() {
    auto* dates = new QGroupBox(QString::fromUtf8(Labels::kDates), this);
    auto* dl = new QGridLayout(dates);
    const char* dateNames[] = {"Brewed", "Racked", "Bottled"};
    const char* dateColumns[] = {col::recipe::RecipeDateBrewed, col::recipe::RecipeDateRacked,
                                 col::recipe::RecipeDateBottled};
    for (int i = 0; i < 3; ++i) {
        m_dates[i] = new CheckableDateEdit(dates);
        m_dates[i]->setObjectName(QStringLiteral("date") + QString::fromLatin1(dateNames[i]));
        dl->addWidget(new QLabel(QString::fromLatin1(dateNames[i]), dates), i, 0);
        dl->addWidget(m_dates[i], i, 1);
        m_binder->bind(m_dates[i], dateColumns[i]);
    }
    return dates;
}

// The boil and batch sizes, in the unit the recipe measures in.
QGroupBox* CRecipeSpecGravities::buildSizes() {
    auto* sizes = new QGroupBox(this);
    m_binder->bindUnitLabel(sizes, QString::fromUtf8(Labels::kSizeGallons),
                            QString::fromUtf8(Labels::kSizePattern), Quantity::Volume);
    auto* zl = new QGridLayout(sizes);
    m_boil = numberEdit(sizes, QStringLiteral("boilSize"));
    m_batch = numberEdit(sizes, QStringLiteral("batchSize"));
    zl->addWidget(new QLabel(QString::fromUtf8(Labels::kBoil), sizes), 0, 0);
    zl->addWidget(m_boil, 0, 1);
    zl->addWidget(new QLabel(QString::fromUtf8(Labels::kBatch), sizes), 1, 0);
    zl->addWidget(m_batch, 1, 1);
    m_binder->bind(m_boil, col::recipe::RecipeBoilSize, QString::fromUtf8(Labels::kBoil), F::Number,
                   Quantity::Volume);
    m_binder->bind(m_batch, col::recipe::RecipeBatchSize, QString::fromUtf8(Labels::kBatch),
                   F::Number, Quantity::Volume);
    m_boil->installEventFilter(this);
    return sizes;
}

QGroupBox* CRecipeSpecGravities::buildYield() {
    auto* yieldBox = new QGroupBox(QString::fromUtf8(Labels::kYield), this);
    auto* yl = new QVBoxLayout(yieldBox);
    m_yield = new QPlainTextEdit(yieldBox);
    m_yield->setObjectName(QStringLiteral("yield"));
    m_yield->setMaximumHeight(60);
    yl->addWidget(m_yield);
    m_binder->bind(m_yield, col::recipe::RecipeYield);
    return yieldBox;
}

QGroupBox* CRecipeSpecGravities::buildPriming() {
    auto* priming = new QGroupBox(QString::fromUtf8(Labels::kPriming), this);
    auto* pl = new QGridLayout(priming);
    m_primingMethod = new QLineEdit(priming);
    m_primingMethod->setObjectName(QStringLiteral("primingMethod"));
    m_selectMethod = new QPushButton(QString::fromUtf8(Labels::kSelectAMethod), priming);
    auto* amount = new QLineEdit(priming);
    amount->setMaximumWidth(70);
    auto* units = new QLineEdit(priming);
    units->setMaximumWidth(70);
    pl->addWidget(new QLabel(QString::fromUtf8(Labels::kMethod), priming), 0, 0);
    pl->addWidget(m_primingMethod, 0, 1, 1, 3);
    pl->addWidget(m_selectMethod, 1, 1, 1, 3);
    pl->addWidget(new QLabel(QString::fromUtf8(Labels::kAmount), priming), 2, 0);
    pl->addWidget(amount, 2, 1);
    pl->addWidget(new QLabel(QString::fromUtf8(Labels::kUnits), priming), 2, 2);
    pl->addWidget(units, 2, 3);
    m_binder->bind(m_primingMethod, col::recipe::RecipeFermPrimingName,
                   QString::fromUtf8(Labels::kMethod), F::Text);
    m_binder->bind(amount, col::recipe::RecipeFermPrimingAmt, QString::fromUtf8(Labels::kAmount),
                   F::Text);
    m_binder->bind(units, col::recipe::RecipeFermPrimingUnits, QString::fromUtf8(Labels::kUnits),
                   F::Text);
    connect(m_selectMethod, &QPushButton::clicked, this, [this] {
        if (!m_choosePriming) {
            m_prompter.message(Msg::kPlannedFunction, {}, PromptIcon::Information);
            return;
        }
        const QString chosen = m_choosePriming();
        if (!chosen.isEmpty()) {
            m_primingMethod->setText(chosen);
            m_primingMethod->setFocus();
        }
    });
    return priming;
}

QGroupBox* CRecipeSpecGravities::buildConditioning() {
    auto* conditioning = new QGroupBox(QString::fromUtf8(Labels::kLengthOfConditioning), this);
    auto* cl = new QHBoxLayout(conditioning);
    m_conditioning = numberEdit(conditioning, QStringLiteral("conditioningAmt"), 50);
    auto* unitList = new QComboBox(conditioning);
    unitList->addItems({QString::fromUtf8(Labels::kDays), QString::fromUtf8(Labels::kWeeks)});
    cl->addWidget(m_conditioning);
    cl->addWidget(unitList);
    m_binder->bind(m_conditioning, col::recipe::RecipeFermConditioningAmt,
                   QString::fromUtf8(Labels::kLengthOfConditioning), F::Whole);
    m_binder->bind(unitList, col::recipe::RecipeFermConditioningUnits);
    return conditioning;
}

void CRecipeSpecGravities::setToolTipsShown(bool shown) {
    auto tip = [shown](QWidget* w, int id) { setHint(w, id, shown); };
    for (int i = 0; i < 3; ++i) {
        tip(m_gravity[i], Msg::kGravityTip);
        tip(m_gravityTemp[i], Msg::kReadingTemperatureTip);
        tip(m_dates[i], Msg::kDateTip);
    }
    for (int i = 0; i < 2; ++i) {
        tip(m_days[i], Msg::kDaysTip);
        tip(m_fermTemp[i], Msg::kDegreesTip);
    }
    tip(m_boil, Msg::kVolumeTip);
    tip(m_batch, Msg::kVolumeTip);
    tip(m_yield, Msg::kTextTip);
}

void CRecipeSpecGravities::loadRecord(const CRecordSetRecipe& record) {
    m_binder->load(record);
}

bool CRecipeSpecGravities::saveRecord(CRecordSetRecipe& record) {
    return m_binder->save(record);
}

void CRecipeSpecGravities::showPredicted(double og) {
    m_predicted->setText(FormatInUnit(m_binder->units().gravity, og, -1, false));
}

void CRecipeSpecGravities::activated() {
    // The sheet activates every page once while it is built; that first time runs nothing.
    if (m_skipActivation) {
        m_skipActivation = false;
        return;
    }
    if (m_record)
        m_binder->save(*m_record);
    if (m_run)
        showPredicted(m_run());
}

void CRecipeSpecGravities::boilSizeLeft() {
    if (!m_record || m_binder->isLoading())
        return;
    // Text that is no number is refused when the recipe is saved, not on every focus change.
    bool ok = false;
    const double value = ReadTypedNumber(m_boil->text(), &ok);
    if (!ok)
        return;
    if (value == m_record->m_RecipeBoilSize)
        return;
    m_record->m_RecipeBoilSize = value;
    if (m_run)
        showPredicted(m_run());
}

bool CRecipeSpecGravities::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_boil && event->type() == QEvent::FocusOut)
        boilSizeLeft();
    return CRecipePage::eventFilter(watched, event);
}

} // namespace wsc
