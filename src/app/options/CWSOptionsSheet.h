#pragma once

#include "core/calc/Units.h"
#include "core/shell/OptionsSettings.h"

#include <QDialog>

#include <array>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;

namespace wsc {

struct CoreServices;
class DialogRunner;
class HelpService;
class ProfileStore;

// "Preferences": the user's view, skill, tips and warnings.
class CWSOptions_Preferences : public QWidget {
public:
    CWSOptions_Preferences(CoreServices& services, QWidget* parent);
    void load(const PreferenceValues& v);
    PreferenceValues values() const;

    QComboBox* viewList() const { return m_view; }
    QComboBox* skillList() const { return m_skill; }
    QCheckBox* toolTips() const { return m_toolTips; }
    QCheckBox* warnings() const { return m_warnings; }
    QCheckBox* deleteWarnings() const { return m_deleteWarnings; }
    QRadioButton* scrollButton(int index) const;

private:
    // Turning a warning off needs a confirmation; Cancel ticks the box again.
    void confirmOff(QCheckBox* box, const char* question);

    CoreServices& m_services;
    QComboBox* m_view = nullptr;
    QComboBox* m_skill = nullptr;
    QCheckBox* m_toolTips = nullptr;
    QButtonGroup* m_scroll = nullptr;
    QCheckBox* m_warnings = nullptr;
    QCheckBox* m_deleteWarnings = nullptr;
};

// "Locations": the three user tools and the default databases.
class CWSOptions_Locations : public QWidget {
public:
    CWSOptions_Locations(CoreServices& services, DialogRunner& runner, QWidget* parent);
    void load(const LocationValues& v);
    LocationValues values() const;
    // Every test of the page, each with its own message; the first failing box gets the focus.
    bool validate();

    QLineEdit* toolName(int i) const { return m_names[i]; }
    QLineEdit* toolPath(int i) const { return m_paths[i]; }
    QLineEdit* recipeFile() const { return m_recipe; }
    QLineEdit* dataFile() const { return m_data; }
    QPushButton* browseTool(int i) const { return m_browseTools[i]; }
    QPushButton* browseRecipe() const { return m_browseRecipe; }
    QPushButton* browseData() const { return m_browseData; }

private:
    void browseDatabase(QLineEdit* box, const char* marker, const QString& filter);
    QLineEdit* fieldBox(LocationField field) const;

    CoreServices& m_services;
    DialogRunner& m_runner;
    std::array<QLineEdit*, 3> m_names{};
    std::array<QLineEdit*, 3> m_paths{};
    std::array<QPushButton*, 3> m_browseTools{};
    QLineEdit* m_recipe = nullptr;
    QLineEdit* m_data = nullptr;
    QPushButton* m_browseRecipe = nullptr;
    QPushButton* m_browseData = nullptr;
};

// "Units": the units quantities are shown and typed in, one list per quantity.
class CWSOptions_Units : public QWidget {
public:
    explicit CWSOptions_Units(QWidget* parent);
    void load(const UnitChoice& units);
    UnitChoice values() const;
    QComboBox* list(Quantity quantity) const;

private:
    std::array<QComboBox*, 5> m_lists{};
};

// "Hints": four fixed texts.
class CWSOptions_Hints : public QWidget {
public:
    explicit CWSOptions_Hints(QWidget* parent);
    static const std::array<const char*, 4>& texts();
};

// Tools > Options: the three pages; every value is read when its page is first shown and written
// back only on OK.
class CWSOptionsSheet : public QDialog {
    Q_OBJECT
public:
    static constexpr const char* kTitle = "Wortsmith Calculator Options";
    enum Page { PreferencesPage, LocationsPage, HintsPage, UnitsPage };

    CWSOptionsSheet(CoreServices& services, DialogRunner& runner, HelpService* help,
                    QWidget* parent = nullptr);

    // OK: leaves the current page (the Locations page validates), then closes accepted.
    void OnOK();
    // Writes the pages that were shown to the profile.
    void writeSettings();

    QTabWidget* tabs() const { return m_tabs; }
    CWSOptions_Preferences* preferences() const { return m_preferences; }
    CWSOptions_Locations* locations() const { return m_locations; }
    CWSOptions_Units* units() const { return m_units; }
    QPushButton* okButton() const { return m_ok; }
    QPushButton* cancelButton() const { return m_cancel; }
    QPushButton* helpButton() const { return m_helpButton; }

private:
    void pageShown(int index);

    CoreServices& m_services;
    QTabWidget* m_tabs = nullptr;
    CWSOptions_Preferences* m_preferences = nullptr;
    CWSOptions_Locations* m_locations = nullptr;
    CWSOptions_Units* m_units = nullptr;
    QPushButton* m_ok = nullptr;
    QPushButton* m_cancel = nullptr;
    QPushButton* m_helpButton = nullptr;
    std::array<bool, 4> m_loaded{};
    int m_current = 0;
    bool m_switching = false;
};

} // namespace wsc
