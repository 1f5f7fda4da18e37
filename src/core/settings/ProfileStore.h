#pragma once

#include <QString>
#include <QVariant>

#include <limits>
#include <memory>

class QSettings;
class QTemporaryDir;

namespace wsc {

// Every value the program keeps in the per-user profile, with its section, key and default.
enum class Setting {
    DefaultDataFile,
    DefaultRecipeFile,
    RecipeFileOpened,
    RecipeDocSizeMaxX,
    RecipeDocSizeMaxY,
    RecipeFormSizeMaxX,
    RecipeFormSizeMaxY,
    DisplayWarnings,
    DisplayDeleteWarnings,
    DisplayToolTips,
    RecipeScroll,
    UserSkill,
    View,
    WindowPos,
    NameTool1,
    NameTool2,
    NameTool3,
    PathTool1,
    PathTool2,
    PathTool3,
    MSInfoPath,
    RecentFile1,
    RecentFile2,
    RecentFile3,
    RecentFile4,
    TipStartUp,
    TipFilePos,
    TipTimeStamp,
    // Set once a missing tips file has been reported at start-up, so it is said only once.
    TipMissingReported,
    // The recipe form's strip of predictions against the target style: shown (1) or hidden.
    ShowPredictions,
    // The units quantities are shown and typed in, by their keys ("litre"); the working measure
    // when absent or not a unit of its quantity.
    UnitsVolume,
    UnitsWeight,
    UnitsTemperature,
    UnitsGravity,
    UnitsColor,
    // Set once a user of a metric locale has been asked whether to use metric units.
    UnitsOffered,
};

struct SettingInfo {
    Setting setting;
    const char* section;
    const char* key;
    QVariant defaultValue; // an int for integer settings, a QString for texts
    // An integer outside these bounds reads as the default: a size of -5 or 10^9 is no size.
    int minimum = std::numeric_limits<int>::min();
    int maximum = std::numeric_limits<int>::max();
};

// The settings store: QSettings under "Quillbarrow Software" / "Wortsmith Calculator", or an
// INI file given by path (tests and portable use).
class ProfileStore {
public:
    static constexpr const char* kCompany = "Quillbarrow Software";
    static constexpr const char* kApplication = "Wortsmith Calculator";
    static constexpr const char* kBarStatePrefix = "Control Bar States";

    ProfileStore();                                // the per-user profile
    explicit ProfileStore(const QString& iniPath); // a file of our own
    ~ProfileStore();
    ProfileStore(const ProfileStore&) = delete;
    ProfileStore& operator=(const ProfileStore&) = delete;

    static const SettingInfo& info(Setting s);

    QString text(Setting s) const;
    int integer(Setting s) const;
    bool contains(Setting s) const;
    void setText(Setting s, const QString& value);
    void setInteger(Setting s, int value);
    void remove(Setting s);

    // Keys outside the table (the tool bar state, for instance).
    QVariant raw(const QString& section, const QString& key, const QVariant& def = {}) const;
    void setRaw(const QString& section, const QString& key, const QVariant& value);

    void sync();
    QString fileName() const;
    // Set when the settings file is no file (a FIFO, a device): the message that says so. The
    // settings then live in a file of this run's own, so that nothing waits on or writes to
    // that node.
    const QString& refusal() const { return m_refusal; }
    // Where the per-user profile lives.
    static QString userFile();

private:
    void useFile(const QString& path);

    std::unique_ptr<QTemporaryDir> m_scratch;
    std::unique_ptr<QSettings> m_settings;
    QString m_refusal;
};

// The Data database path ("DefaultDataFile"; empty when absent).
QString DataFilePath(const ProfileStore& profile);
// The recipe database last opened ("RecipeFileOpened").
QString LastRecipeFilePath(const ProfileStore& profile);

} // namespace wsc
