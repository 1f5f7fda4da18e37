#include "core/settings/ProfileStore.h"

#include <QSettings>

#include <array>

namespace wsc {

namespace {

const std::array<SettingInfo, 36> kSettings = {{
    {Setting::DefaultDataFile, "Settings", "DefaultDataFile", QString()},
    {Setting::DefaultRecipeFile, "Settings", "DefaultRecipeFile", QString()},
    {Setting::RecipeFileOpened, "Settings", "RecipeFileOpened", QString()},
    {Setting::RecipeDocSizeMaxX, "Settings", "RecipeDocSizeMaxX", 815, 100, 10000},
    {Setting::RecipeDocSizeMaxY, "Settings", "RecipeDocSizeMaxY", 470, 100, 10000},
    {Setting::RecipeFormSizeMaxX, "Settings", "RecipeFormSizeMaxX", 840, 100, 10000},
    {Setting::RecipeFormSizeMaxY, "Settings", "RecipeFormSizeMaxY", 510, 100, 10000},
    {Setting::DisplayWarnings, "Settings", "DisplayWarnings", 1},
    {Setting::DisplayDeleteWarnings, "Settings", "DisplayDeleteWarnings", 1},
    {Setting::DisplayToolTips, "Settings", "DisplayToolTips", 1},
    {Setting::RecipeScroll, "Settings", "RecipeScroll", 0},
    {Setting::UserSkill, "Settings", "UserSkill", QString()},
    {Setting::View, "Settings", "View", QString()},
    {Setting::WindowPos, "Settings", "WindowPos", QString()},
    {Setting::NameTool1, "Tools", "NameTool1", QString()},
    {Setting::NameTool2, "Tools", "NameTool2", QString()},
    {Setting::NameTool3, "Tools", "NameTool3", QString()},
    {Setting::PathTool1, "Tools", "PathTool1", QString()},
    {Setting::PathTool2, "Tools", "PathTool2", QString()},
    {Setting::PathTool3, "Tools", "PathTool3", QString()},
    {Setting::MSInfoPath, "Tools", "MSInfoPath", QString()},
    {Setting::RecentFile1, "Recent File List", "File1", QString()},
    {Setting::RecentFile2, "Recent File List", "File2", QString()},
    {Setting::RecentFile3, "Recent File List", "File3", QString()},
    {Setting::RecentFile4, "Recent File List", "File4", QString()},
    {Setting::TipStartUp, "Tip", "StartUp", 0},
    {Setting::TipFilePos, "Tip", "FilePos", 0, 0},
    {Setting::TipTimeStamp, "Tip", "TimeStamp", QString()},
    {Setting::TipMissingReported, "Tip", "MissingReported", 0, 0, 1},
    {Setting::ShowPredictions, "Settings", "ShowPredictions", 1, 0, 1},
    {Setting::UnitsVolume, "Units", "Volume", QStringLiteral("gallon")},
    {Setting::UnitsWeight, "Units", "Weight", QStringLiteral("pound")},
    {Setting::UnitsTemperature, "Units", "Temperature", QStringLiteral("fahrenheit")},
    {Setting::UnitsGravity, "Units", "Gravity", QStringLiteral("sg")},
    {Setting::UnitsColor, "Units", "Color", QStringLiteral("srm")},
    {Setting::UnitsOffered, "Units", "Offered", 0, 0, 1},
}};

QString path(const SettingInfo& i) {
    return QString::fromLatin1(i.section) + u'/' + QString::fromLatin1(i.key);
}

} // namespace

ProfileStore::ProfileStore()
    : m_settings(std::make_unique<QSettings>(QString::fromLatin1(kCompany),
                                             QString::fromLatin1(kApplication))) {}

ProfileStore::ProfileStore(const QString& iniPath)
    : m_settings(std::make_unique<QSettings>(iniPath, QSettings::IniFormat)) {}

ProfileStore::~ProfileStore() = default;

const SettingInfo& ProfileStore::info(Setting s) {
    return kSettings.at(static_cast<std::size_t>(s));
}

QString ProfileStore::text(Setting s) const {
    const SettingInfo& i = info(s);
    return m_settings->value(path(i), i.defaultValue).toString();
}

int ProfileStore::integer(Setting s) const {
    const SettingInfo& i = info(s);
    bool ok = false;
    const int v = m_settings->value(path(i), i.defaultValue).toInt(&ok);
    return ok && v >= i.minimum && v <= i.maximum ? v : i.defaultValue.toInt();
}

bool ProfileStore::contains(Setting s) const {
    return m_settings->contains(path(info(s)));
}

void ProfileStore::setText(Setting s, const QString& value) {
    m_settings->setValue(path(info(s)), value);
}

void ProfileStore::setInteger(Setting s, int value) {
    m_settings->setValue(path(info(s)), value);
}

void ProfileStore::remove(Setting s) {
    m_settings->remove(path(info(s)));
}

QVariant ProfileStore::raw(const QString& section, const QString& key, const QVariant& def) const {
    return m_settings->value(section + u'/' + key, def);
}

void ProfileStore::setRaw(const QString& section, const QString& key, const QVariant& value) {
    m_settings->setValue(section + u'/' + key, value);
}

void ProfileStore::sync() {
    m_settings->sync();
}

QString ProfileStore::fileName() const {
    return m_settings->fileName();
}

QString DataFilePath(const ProfileStore& profile) {
    return profile.text(Setting::DefaultDataFile);
}

QString LastRecipeFilePath(const ProfileStore& profile) {
    return profile.text(Setting::RecipeFileOpened);
}

} // namespace wsc
