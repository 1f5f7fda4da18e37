#include "app/options/CWSOptionsSheet.h"

#include "app/widgets/DialogRunner.h"
#include "app/widgets/HelpContextProperty.h"
#include "core/calc/UnitPreference.h"
#include "core/db/DatabaseOps.h"
#include "core/help/HelpContexts.h"
#include "core/settings/ProfileStore.h"
#include "core/settings/Prompter.h"
#include "core/settings/WindowTexts.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace wsc {

namespace {

// Selects the entry of that text, or nothing when no entry matches.
void selectText(QComboBox* list, const QString& text) {
    list->setCurrentIndex(list->findText(text));
}

QLabel* wrapped(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setWordWrap(true);
    return label;
}

} // namespace

CWSOptions_Preferences::CWSOptions_Preferences(CoreServices& services, QWidget* parent)
    : QWidget(parent), m_services(services) {
    SetHelpContext(this, HelpContext::kOptionsPreferences);
    auto* layout = new QGridLayout(this);

    m_view = new QComboBox(this);
    m_view->setObjectName(QStringLiteral("view"));
    m_view->addItems({QString::fromUtf8(Labels::kForm), QString::fromUtf8(Labels::kLog)});
    auto* viewLabel = new QLabel(QString::fromUtf8(Labels::kDefaultView), this);
    viewLabel->setBuddy(m_view);
    layout->addWidget(viewLabel, 0, 0);
    layout->addWidget(m_view, 0, 1);

    m_skill = new QComboBox(this);
    m_skill->setObjectName(QStringLiteral("skill"));
    m_skill->addItems({QString::fromUtf8(Labels::kNovice), QString::fromUtf8(Labels::kIntermediate),
                       QString::fromUtf8(Labels::kAdvanced)});
    auto* skillLabel = wrapped(QString::fromUtf8(Labels::kCurrentUserSSkillLevelWith), this);
    skillLabel->setBuddy(m_skill);
    layout->addWidget(skillLabel, 1, 0);
    layout->addWidget(m_skill, 1, 1);

    m_toolTips = new QCheckBox(QString::fromUtf8(Labels::kDisplayToolTips), this);
    layout->addWidget(m_toolTips, 2, 0, 1, 2);

    auto* scrollBox = new QGroupBox(QString::fromUtf8(Labels::kRecipeScrolling), this);
    auto* scrollLayout = new QVBoxLayout(scrollBox);
    m_scroll = new QButtonGroup(this);
    const QString scrollTexts[] = {QString::fromUtf8(Labels::kShowRecipeTab),
                                   QString::fromUtf8(Labels::kStayOnCurrentTab)};
    for (int i = 0; i < 2; ++i) {
        auto* radio = new QRadioButton(scrollTexts[i], scrollBox);
        radio->setEnabled(false);
        m_scroll->addButton(radio, i);
        scrollLayout->addWidget(radio);
    }
    layout->addWidget(scrollBox, 3, 0, 1, 2);

    m_warnings = new QCheckBox(QString::fromUtf8(Labels::kDisplayWarningMessages), this);
    layout->addWidget(m_warnings, 4, 0);
    layout->addWidget(wrapped(QStringLiteral("Suppress warning messages that ask you to confirm "
                                             "recipe changes."),
                              this),
                      4, 1);
    m_deleteWarnings =
        new QCheckBox(QString::fromUtf8(Labels::kDisplayDeleteWarningMessages), this);
    layout->addWidget(m_deleteWarnings, 5, 0);
    layout->addWidget(wrapped(QStringLiteral("Suppress warning messages that ask you to confirm "
                                             "any deleting of data."),
                              this),
                      5, 1);
    layout->setRowStretch(6, 1);

    connect(m_warnings, &QCheckBox::toggled, this, [this](bool on) {
        if (!on)
            confirmOff(m_warnings, kConfirmNoChangeWarnings);
    });
    connect(m_deleteWarnings, &QCheckBox::toggled, this, [this](bool on) {
        if (!on)
            confirmOff(m_deleteWarnings, kConfirmNoDeleteWarnings);
    });
}

QRadioButton* CWSOptions_Preferences::scrollButton(int index) const {
    return qobject_cast<QRadioButton*>(m_scroll->button(index));
}

void CWSOptions_Preferences::confirmOff(QCheckBox* box, const char* question) {
    const PromptAnswer a = m_services.prompter.text(QString::fromLatin1(question),
                                                    PromptIcon::Question, PromptButtons::OkCancel);
    if (a != PromptAnswer::Ok) {
        const QSignalBlocker block(box);
        box->setChecked(true);
    }
}

void CWSOptions_Preferences::load(const PreferenceValues& v) {
    // Showing the stored values asks nothing.
    const QSignalBlocker b1(m_warnings);
    const QSignalBlocker b2(m_deleteWarnings);
    selectText(m_view, v.view);
    selectText(m_skill, v.userSkill);
    m_toolTips->setChecked(v.displayToolTips);
    if (QAbstractButton* b = m_scroll->button(v.recipeScroll == 1 ? 1 : 0))
        b->setChecked(true);
    m_warnings->setChecked(v.displayWarnings);
    m_deleteWarnings->setChecked(v.displayDeleteWarnings);
}

PreferenceValues CWSOptions_Preferences::values() const {
    PreferenceValues v;
    v.view = m_view->currentIndex() < 0 ? QString() : m_view->currentText();
    v.userSkill = m_skill->currentIndex() < 0 ? QString() : m_skill->currentText();
    v.displayToolTips = m_toolTips->isChecked();
    v.recipeScroll = m_scroll->checkedId() == 1 ? 1 : 0;
    v.displayWarnings = m_warnings->isChecked();
    v.displayDeleteWarnings = m_deleteWarnings->isChecked();
    return v;
}

CWSOptions_Locations::CWSOptions_Locations(CoreServices& services, DialogRunner& runner,
                                           QWidget* parent)
    : QWidget(parent), m_services(services), m_runner(runner) {
    SetHelpContext(this, HelpContext::kOptionsLocations);
    auto* layout = new QVBoxLayout(this);
    auto* tools = new QGroupBox(QString::fromUtf8(Labels::kTools), this);
    auto* toolGrid = new QGridLayout(tools);
    for (int i = 0; i < 3; ++i) {
        auto* label = new QLabel(QString::fromUtf8(Labels::kNameLocationPattern).arg(i + 1), tools);
        m_names[i] = new QLineEdit(tools);
        m_names[i]->setObjectName(QStringLiteral("toolName%1").arg(i + 1));
        m_paths[i] = new QLineEdit(tools);
        m_paths[i]->setObjectName(QStringLiteral("toolPath%1").arg(i + 1));
        m_browseTools[i] = new QPushButton(QString::fromUtf8(Labels::kBrowse), tools);
        label->setBuddy(m_names[i]);
        toolGrid->addWidget(label, i, 0);
        toolGrid->addWidget(m_names[i], i, 1);
        toolGrid->addWidget(m_paths[i], i, 2);
        toolGrid->addWidget(m_browseTools[i], i, 3);
        toolGrid->setColumnStretch(2, 2);
        QLineEdit* path = m_paths[i];
        connect(m_browseTools[i], &QPushButton::clicked, this, [this, path] {
            const QString chosen =
                m_runner.openFileName(this, QString::fromUtf8(Labels::kBrowseTitle),
                                      QString::fromUtf8(Labels::kPrograms));
            if (!chosen.isEmpty())
                path->setText(chosen);
        });
    }
    layout->addWidget(tools);

    auto* files = new QGroupBox(QString::fromUtf8(Labels::kDefaultFiles), this);
    auto* fileGrid = new QGridLayout(files);
    m_recipe = new QLineEdit(files);
    m_recipe->setObjectName(QStringLiteral("recipeFile"));
    m_data = new QLineEdit(files);
    m_data->setObjectName(QStringLiteral("dataFile"));
    m_browseRecipe = new QPushButton(QString::fromUtf8(Labels::kBrowse), files);
    m_browseData = new QPushButton(QString::fromUtf8(Labels::kBrowse), files);
    auto* recipeLabel = new QLabel(QString::fromUtf8(Labels::kRecipe), files);
    recipeLabel->setBuddy(m_recipe);
    auto* dataLabel = new QLabel(QString::fromUtf8(Labels::kDataMenu), files);
    dataLabel->setBuddy(m_data);
    fileGrid->addWidget(recipeLabel, 0, 0);
    fileGrid->addWidget(m_recipe, 0, 1);
    fileGrid->addWidget(m_browseRecipe, 0, 2);
    fileGrid->addWidget(dataLabel, 1, 0);
    fileGrid->addWidget(m_data, 1, 1);
    fileGrid->addWidget(m_browseData, 1, 2);
    layout->addWidget(files);
    layout->addStretch();

    connect(m_browseRecipe, &QPushButton::clicked, this, [this] {
        browseDatabase(m_recipe, kRecipeMarker,
                       QString::fromUtf8(Labels::kWortsmithCalculatorRecipesMdbMDB));
    });
    connect(m_browseData, &QPushButton::clicked, this, [this] {
        browseDatabase(m_data, kDataMarker,
                       QString::fromUtf8(Labels::kWortsmithCalculatorDataMdbMDB));
    });
}

void CWSOptions_Locations::browseDatabase(QLineEdit* box, const char* marker,
                                          const QString& filter) {
    const QString chosen =
        m_runner.openFileName(this, QString::fromUtf8(Labels::kBrowseTitle), filter);
    if (chosen.isEmpty())
        return;
    // A database of the wrong kind is refused and the box keeps its text.
    if (CheckDatabaseKind(QString::fromLatin1(marker), 0, chosen, m_services))
        box->setText(chosen);
    box->setFocus();
}

void CWSOptions_Locations::load(const LocationValues& v) {
    for (int i = 0; i < 3; ++i) {
        m_names[i]->setText(v.toolNames[i]);
        m_paths[i]->setText(v.toolPaths[i]);
    }
    m_recipe->setText(v.recipeFile);
    m_data->setText(v.dataFile);
}

LocationValues CWSOptions_Locations::values() const {
    LocationValues v;
    for (int i = 0; i < 3; ++i) {
        v.toolNames[i] = m_names[i]->text();
        v.toolPaths[i] = m_paths[i]->text();
    }
    v.recipeFile = m_recipe->text();
    v.dataFile = m_data->text();
    return v;
}

QLineEdit* CWSOptions_Locations::fieldBox(LocationField field) const {
    switch (field) {
    case LocationField::RecipeFile:
        return m_recipe;
    case LocationField::DataFile:
        return m_data;
    case LocationField::Tool1Name:
        return m_names[0];
    case LocationField::Tool2Name:
        return m_names[1];
    case LocationField::Tool3Name:
        return m_names[2];
    }
    return nullptr;
}

bool CWSOptions_Locations::validate() {
    QLineEdit* first = nullptr;
    const bool ok = ValidateLocations(values(), m_services, [&](LocationField f) {
        if (!first)
            first = fieldBox(f);
    });
    if (first)
        first->setFocus();
    return ok;
}

const std::array<const char*, 4>& CWSOptions_Hints::texts() {
    static const std::array<const char*, 4> t = {
        "Use the online help!!  It will help you use the Wortsmith Calculator software as well "
        "as brew the best beer!  It's as easy as clicking the Help button below.",
        "If you wish to delete this software from your computer, please use the Windows "
        "Add/Remove Programs feature.  See Windows online help for instructions.",
        "If you have any questions or require any support, please either open the Help-About box "
        "or use the online help.",
        "After you install, it is easy to change any of the options.  Start the software and "
        "then select the Tools-Options menu command.",
    };
    return t;
}

CWSOptions_Hints::CWSOptions_Hints(QWidget* parent) : QWidget(parent) {
    SetHelpContext(this, HelpContext::kOptionsHints);
    auto* layout = new QVBoxLayout(this);
    for (const char* text : texts()) {
        auto* label = wrapped(QString::fromLatin1(text), this);
        label->setFrameShape(QFrame::StyledPanel);
        label->setMargin(6);
        layout->addWidget(label);
    }
    layout->addStretch();
}

namespace {

struct UnitList {
    Quantity quantity;
    const char* label;
    Unit units[2];
    const char* names[2];
};

const UnitList kUnitLists[] = {
    {Quantity::Volume, "&Volume", {Unit::UsGallon, Unit::Litre}, {"US gallons", "Litres"}},
    {Quantity::Weight,
     "&Weight",
     {Unit::Pound, Unit::Kilogram},
     {"Pounds and ounces", "Kilograms and grams"}},
    {Quantity::Temperature,
     "&Temperature",
     {Unit::Fahrenheit, Unit::Celsius},
     {"Degrees Fahrenheit (\u00b0F)", "Degrees Celsius (\u00b0C)"}},
    {Quantity::Gravity,
     "&Gravity",
     {Unit::SpecificGravity, Unit::Plato},
     {"Specific gravity", "Degrees Plato (\u00b0P)"}},
    {Quantity::Color, "&Colour", {Unit::Srm, Unit::Ebc}, {"SRM", "EBC"}},
};

} // namespace

CWSOptions_Units::CWSOptions_Units(QWidget* parent) : QWidget(parent) {
    SetHelpContext(this, HelpContext::kOptionsUnits);
    auto* layout = new QGridLayout(this);
    int row = 0;
    for (const UnitList& u : kUnitLists) {
        auto* list = new QComboBox(this);
        list->setObjectName(QStringLiteral("units") + QString::fromLatin1(u.label + 1));
        for (int i = 0; i < 2; ++i)
            list->addItem(QString::fromUtf8(u.names[i]), static_cast<int>(u.units[i]));
        auto* label = new QLabel(QString::fromLatin1(u.label), this);
        label->setBuddy(list);
        layout->addWidget(label, row, 0);
        layout->addWidget(list, row, 1);
        m_lists[static_cast<std::size_t>(row)] = list;
        ++row;
    }
    layout->addWidget(wrapped(QStringLiteral("Recipes are always stored in US measure: these "
                                             "units are how quantities are shown and typed."),
                              this),
                      row, 0, 1, 2);
    layout->setRowStretch(row + 1, 1);
    layout->setColumnStretch(1, 1);
}

QComboBox* CWSOptions_Units::list(Quantity quantity) const {
    return m_lists[static_cast<std::size_t>(quantity)];
}

void CWSOptions_Units::load(const UnitChoice& units) {
    for (const UnitList& u : kUnitLists) {
        QComboBox* l = list(u.quantity);
        l->setCurrentIndex(l->findData(static_cast<int>(units.of(u.quantity))));
    }
}

UnitChoice CWSOptions_Units::values() const {
    UnitChoice units;
    Unit* members[] = {&units.volume, &units.weight, &units.temperature, &units.gravity,
                       &units.color};
    for (const UnitList& u : kUnitLists)
        *members[static_cast<int>(u.quantity)] =
            static_cast<Unit>(list(u.quantity)->currentData().toInt());
    return units;
}

CWSOptionsSheet::CWSOptionsSheet(CoreServices& services, DialogRunner& runner, HelpService* help,
                                 QWidget* parent)
    : QDialog(parent), m_services(services) {
    setWindowTitle(QString::fromLatin1(kTitle));
    m_tabs = new QTabWidget(this);
    m_preferences = new CWSOptions_Preferences(services, m_tabs);
    m_locations = new CWSOptions_Locations(services, runner, m_tabs);
    m_tabs->addTab(m_preferences, QString::fromUtf8(Labels::kPreferences));
    m_tabs->addTab(m_locations, QString::fromUtf8(Labels::kLocations));
    m_tabs->addTab(new CWSOptions_Hints(m_tabs), QString::fromUtf8(Labels::kHints));
    m_units = new CWSOptions_Units(m_tabs);
    m_tabs->addTab(m_units, QString::fromUtf8(Labels::kUnits));

    auto* buttons = new QDialogButtonBox(this);
    m_ok = buttons->addButton(QDialogButtonBox::Ok);
    m_cancel = buttons->addButton(QDialogButtonBox::Cancel);
    m_helpButton = buttons->addButton(QDialogButtonBox::Help);
    connect(m_ok, &QPushButton::clicked, this, &CWSOptionsSheet::OnOK);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_helpButton, &QPushButton::clicked, this, [this, help] {
        if (help)
            help->show(HelpContextOf(m_tabs->currentWidget()));
    });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_tabs);
    layout->addWidget(buttons);
    resize(560, 430);

    connect(m_tabs, &QTabWidget::currentChanged, this, [this](int index) {
        if (m_switching)
            return;
        // The Locations page can be left only when all of it is valid.
        if (m_current == LocationsPage && index != LocationsPage && !m_locations->validate()) {
            m_switching = true;
            m_tabs->setCurrentIndex(LocationsPage);
            m_switching = false;
            return;
        }
        m_current = index;
        pageShown(index);
    });
    pageShown(PreferencesPage);
}

void CWSOptionsSheet::pageShown(int index) {
    if (index < 0 || index >= int(m_loaded.size()) || m_loaded[index])
        return;
    m_loaded[index] = true;
    if (index == PreferencesPage)
        m_preferences->load(PreferenceValues::read(m_services.profile));
    else if (index == LocationsPage)
        m_locations->load(LocationValues::read(m_services.profile));
    else if (index == UnitsPage)
        m_units->load(ReadUnitChoice(m_services.profile));
}

void CWSOptionsSheet::OnOK() {
    if (m_current == LocationsPage && !m_locations->validate())
        return;
    accept();
}

void CWSOptionsSheet::writeSettings() {
    if (m_loaded[PreferencesPage])
        m_preferences->values().write(m_services.profile);
    if (m_loaded[LocationsPage])
        m_locations->values().write(m_services.profile);
    if (m_loaded[UnitsPage])
        WriteUnitChoice(m_services.profile, m_units->values());
}

} // namespace wsc
