#include "app/form/CRecipeMash.h"

#include "app/widgets/RecordBinder.h"
#include "core/db/records/CRecordSetRecipe.h"
#include "core/db/records/Columns.h"
#include "core/document/MashTypeRules.h"
#include "core/settings/MessageCatalog.h"
#include "core/settings/Prompter.h"
#include "core/settings/WindowTexts.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace wsc {
namespace {

using F = RecordBinder::Format;

QLineEdit* numberEdit(QWidget* parent, const QString& name) {
    auto* e = new QLineEdit(parent);
    e->setObjectName(name);
    e->setMaximumWidth(80);
    e->setAlignment(Qt::AlignRight);
    return e;
}

const char* const kTimeColumns[4] = {col::recipe::RecipeMashTime1, col::recipe::RecipeMashTime2,
                                     col::recipe::RecipeMashTime3, col::recipe::RecipeMashTime4};
const char* const kVolColumns[4] = {col::recipe::RecipeMashVol1, col::recipe::RecipeMashVol2,
                                    col::recipe::RecipeMashVol3, col::recipe::RecipeMashVol4};
const char* const kTempColumns[4] = {col::recipe::RecipeMashTemp1, col::recipe::RecipeMashTemp2,
                                     col::recipe::RecipeMashTemp3, col::recipe::RecipeMashTemp4};

} // namespace

CRecipeMash::CRecipeMash(Prompter& prompter, HelpService* help, QWidget* parent)
    : CRecipePage(parent) {
    setObjectName(QStringLiteral("mashPage"));
    m_binder = new RecordBinder(prompter, this);

    auto* typeBox = buildType();
    auto* table = buildSchedule();
    auto* sparge = buildSparge();
    auto* wort = buildWort();
    auto* efficiency = buildEfficiency();

    auto* helpButton = makeHelpButton(help, kHelpContext);

    // The boxes keep the size their fields need; a maximised form grows the space beside and
    // below them, never empty frames.
    auto* top = new QHBoxLayout;
    top->addWidget(typeBox, 0, Qt::AlignTop);
    top->addWidget(table, 0, Qt::AlignTop);
    top->addStretch();
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(sparge, 0, Qt::AlignTop);
    bottom->addWidget(wort, 0, Qt::AlignTop);
    bottom->addWidget(efficiency, 0, Qt::AlignTop);
    bottom->addStretch();
    bottom->addWidget(helpButton, 0, Qt::AlignBottom);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(bottom);
    layout->addStretch();

    connect(m_binder, &RecordBinder::modified, this, &CRecipePage::modified);
    connect(m_types, &QButtonGroup::buttonClicked, this, [this] {
        if (m_record)
            m_binder->save(*m_record);
        applyMashTypeRules();
    });
    applyMashTypeRules();
}

QGroupBox* CRecipeMash::buildType() {
    auto* typeBox = new QGroupBox(QString::fromUtf8(Labels::kMashType), this);
    m_types = new QButtonGroup(this);
    auto* tl = new QVBoxLayout(typeBox);
    const char* types[] = {"Single Stage Inf&usion", "&Step Infusion", "Decoct&ion"};
    for (int i = 0; i < 3; ++i) {
        auto* r = new QRadioButton(QString::fromLatin1(types[i]), typeBox);
        m_types->addButton(r, i);
        tl->addWidget(r);
    }
    tl->addStretch();
    m_binder->bind(m_types, col::recipe::RecipeMashType);
    return typeBox;
}

// The four steps of the schedule: their minutes, water and temperatures, and the pH.
QGroupBox* CRecipeMash::buildSchedule() {
    auto* table = new QGroupBox(QString::fromUtf8(Labels::kMashSchedule), this);
    auto* grid = new QGridLayout(table);
    const char* headings[] = {"Protein Rest", "Starch Conv", "Starch Conv", "Mash Out"};
    const char* rows[] = {"Time", "Volume", "Temperature"};
    const char* units[] = {"Minutes", "Gallons", "Degrees"};
    for (int r = 0; r < 3; ++r) {
        grid->addWidget(new QLabel(QString::fromLatin1(rows[r]), table), r + 1, 0);
        auto* unit = new QLabel(QString::fromLatin1(units[r]), table);
        grid->addWidget(unit, r + 1, 5);
        if (r > 0)
            m_binder->bindUnitLabel(unit, QString::fromLatin1(units[r]), QStringLiteral("%1"),
                                    r == 1 ? Quantity::Volume : Quantity::Temperature);
    }
    for (int c = 0; c < 4; ++c) {
        m_heading[c] = new QLabel(QString::fromLatin1(headings[c]), table);
        m_heading[c]->setAlignment(Qt::AlignCenter);
        grid->addWidget(m_heading[c], 0, c + 1);
        m_time[c] = numberEdit(table, QStringLiteral("mashTime%1").arg(c + 1));
        m_vol[c] = numberEdit(table, QStringLiteral("mashVol%1").arg(c + 1));
        m_temp[c] = numberEdit(table, QStringLiteral("mashTemp%1").arg(c + 1));
        grid->addWidget(m_time[c], 1, c + 1);
        grid->addWidget(m_vol[c], 2, c + 1);
        grid->addWidget(m_temp[c], 3, c + 1);
        const QString column = QStringLiteral(" (%1)").arg(QString::fromLatin1(headings[c]));
        m_binder->bind(m_time[c], kTimeColumns[c], QString::fromUtf8(Labels::kTime) + column,
                       F::Whole);
        m_binder->bind(m_vol[c], kVolColumns[c], QString::fromUtf8(Labels::kVolume) + column,
                       F::Number, Quantity::Volume);
        m_binder->bind(m_temp[c], kTempColumns[c], QString::fromUtf8(Labels::kTemperature) + column,
                       F::Whole, Quantity::Temperature);
    }
    m_mashPh = numberEdit(table, QStringLiteral("mashPh"));
    grid->addWidget(new QLabel(QString::fromUtf8(Labels::kPHAdjustment), table), 4, 0);
    grid->addWidget(m_mashPh, 4, 1);
    m_binder->bind(m_mashPh, col::recipe::RecipeMashPhAdj, QString::fromUtf8(Labels::kPHAdjustment),
                   F::Number);
    // Extra width goes past the units, so the headings stay over their edits.
    grid->setColumnStretch(6, 1);
    return table;
}

QGroupBox* CRecipeMash::buildSparge() {
    auto* sparge = new QGroupBox(QString::fromUtf8(Labels::kSparge), this);
    auto* sl = new QGridLayout(sparge);
    m_spargeVol = numberEdit(sparge, QStringLiteral("spargeVol"));
    m_spargeTemp = numberEdit(sparge, QStringLiteral("spargeTemp"));
    m_spargePh = numberEdit(sparge, QStringLiteral("spargePh"));
    auto* spargeVolLabel = new QLabel(sparge);
    auto* spargeTempLabel = new QLabel(sparge);
    m_binder->bindUnitLabel(spargeVolLabel, QString::fromUtf8(Labels::kWaterVolume),
                            QString::fromUtf8(Labels::kWaterVolumePattern), Quantity::Volume);
    m_binder->bindUnitLabel(spargeTempLabel, QString::fromUtf8(Labels::kTemperature),
                            QString::fromUtf8(Labels::kTemperaturePattern), Quantity::Temperature);
    sl->addWidget(spargeVolLabel, 0, 0);
    sl->addWidget(m_spargeVol, 0, 1);
    sl->addWidget(spargeTempLabel, 1, 0);
    sl->addWidget(m_spargeTemp, 1, 1);
    sl->addWidget(new QLabel(QString::fromUtf8(Labels::kPHAdjustment), sparge), 2, 0);
    sl->addWidget(m_spargePh, 2, 1);
    m_binder->bind(m_spargeVol, col::recipe::RecipeSpargeVol,
                   QString::fromUtf8(Labels::kWaterVolume), F::Number, Quantity::Volume);
    m_binder->bind(m_spargeTemp, col::recipe::RecipeSpargeTemp,
                   QString::fromUtf8(Labels::kTemperatureSparge), F::Whole, Quantity::Temperature);
    m_binder->bind(m_spargePh, col::recipe::RecipeSpargePhAdj,
                   QString::fromUtf8(Labels::kPHAdjustmentSparge), F::Number);
    return sparge;
}

QGroupBox* CRecipeMash::buildWort() {
    auto* wort = new QGroupBox(QString::fromUtf8(Labels::kWort), this);
    auto* wl = new QGridLayout(wort);
    m_collected = numberEdit(wort, QStringLiteral("wortCollected"));
    auto* collectedLabel = new QLabel(wort);
    m_binder->bindUnitLabel(collectedLabel, QString::fromUtf8(Labels::kVolumeCollected),
                            QString::fromUtf8(Labels::kVolumeCollectedPattern), Quantity::Volume);
    wl->addWidget(collectedLabel, 0, 0);
    wl->addWidget(m_collected, 0, 1);
    m_binder->bind(m_collected, col::recipe::RecipeWortCollectedVol,
                   QString::fromUtf8(Labels::kVolumeCollected), F::Number, Quantity::Volume);
    return wort;
}

QGroupBox* CRecipeMash::buildEfficiency() {
    auto* efficiency = new QGroupBox(QString::fromUtf8(Labels::kSystemEfficiency), this);
    auto* el = new QGridLayout(efficiency);
    m_expected = numberEdit(efficiency, QStringLiteral("efficiencyExpected"));
    m_calculated = new QLabel(QStringLiteral("---"), efficiency);
    m_calculated->setObjectName(QStringLiteral("efficiencyCalculated"));
    m_calculated->setFrameShape(QFrame::StyledPanel);
    m_calculated->setMinimumWidth(60);
    m_calculated->setMaximumHeight(m_expected->sizeHint().height());
    m_calculated->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    el->addWidget(new QLabel(QString::fromUtf8(Labels::kExpected), efficiency), 0, 0);
    el->addWidget(m_expected, 0, 1);
    el->addWidget(new QLabel(QString::fromUtf8(Labels::kCalculated), efficiency), 1, 0);
    el->addWidget(m_calculated, 1, 1);
    m_binder->bind(m_expected, col::recipe::RecipeSystemEfficiencyExpected,
                   QString::fromUtf8(Labels::kExpected), F::Number);
    return efficiency;
}

int CRecipeMash::mashType() const {
    return m_types->checkedId();
}

void CRecipeMash::applyMashTypeRules() {
    const MashLayout m = MashLayoutFor(mashType());
    for (int c = 0; c < 4; ++c) {
        m_time[c]->setEnabled(m.time[c]);
        m_temp[c]->setEnabled(m.temperature[c]);
        m_vol[c]->setEnabled(m.volume[c]);
        setHint(m_time[c], m.timeTip[c], m_tips);
        setHint(m_temp[c], m.temperatureTip[c], m_tips);
        setHint(m_vol[c], m.volumeTip[c], m_tips);
    }
    if (m.changesHeadings) {
        m_heading[0]->setText(m.firstHeading);
        m_heading[1]->setEnabled(m.starchHeadingsEnabled);
        m_heading[2]->setEnabled(m.starchHeadingsEnabled);
    }
}

void CRecipeMash::setToolTipsShown(bool shown) {
    m_tips = shown;
    setHint(m_expected, Msg::kEfficiencyExpectedTip, shown);
    setHint(m_calculated, Msg::kEfficiencyCalculatedTip, shown);
    setHint(m_mashPh, Msg::kPhTip, shown);
    setHint(m_spargePh, Msg::kPhTip, shown);
    setHint(m_spargeVol, Msg::kVolumeTip, shown);
    setHint(m_collected, Msg::kVolumeTip, shown);
    setHint(m_spargeTemp, Msg::kDegreesTip, shown);
    applyMashTypeRules();
}

void CRecipeMash::loadRecord(const CRecordSetRecipe& record) {
    m_binder->load(record);
    applyMashTypeRules();
    showCalculated();
}

bool CRecipeMash::saveRecord(CRecordSetRecipe& record) {
    return m_binder->save(record);
}

void CRecipeMash::activated() {
    applyMashTypeRules();
    showCalculated();
}

void CRecipeMash::showCalculated() {
    if (!m_record || m_record->m_RecipeSGOriginal <= 1.0) {
        m_calculated->setText(QStringLiteral("---"));
        return;
    }
    const std::optional<double> e = m_efficiency ? m_efficiency() : std::nullopt;
    if (!e) {
        m_calculated->setText(QStringLiteral("---"));
        return;
    }
    m_calculated->setText(QString::asprintf("%.1f", *e));
}

} // namespace wsc
