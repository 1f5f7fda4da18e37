#include "core/settings/ProfileStore.h"

#include "core/settings/FileNodes.h"
#include "core/settings/MessageCatalog.h"

#include <QDir>
#include <QLibraryInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <algorithm>

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

ProfileStore::ProfileStore() {
    // QSettings reads its files as it is made, the organisation's and the system's beside the
    // user's: a FIFO among them would hold the program there for good.
    const QString company = QString::fromLatin1(kCompany);
    const QString user = userFile();
    QStringList others;
    QStringList folders = QStandardPaths::standardLocations(QStandardPaths::GenericConfigLocation);
    folders << QLibraryInfo::path(QLibraryInfo::SettingsPath);
    for (const QString& folder : folders) {
        others << QDir(folder).filePath(company + QStringLiteral(".conf"))
               << QDir(folder).filePath(company + u'/' + QString::fromLatin1(kApplication) +
                                        QStringLiteral(".conf"));
    }
    others.removeAll(user);
    const bool othersFine = std::all_of(others.begin(), others.end(),
                                        [](const QString& f) { return NonFileKind(f).isEmpty(); });
    if (NonFileKind(user).isEmpty() && othersFine)
        m_settings = std::make_unique<QSettings>(company, QString::fromLatin1(kApplication));
    else
        useFile(user);
}

ProfileStore::ProfileStore(const QString& iniPath) {
    useFile(iniPath);
}

void ProfileStore::useFile(const QString& path) {
    const QString kind = NonFileKind(path);
    if (kind.isEmpty()) {
        m_settings = std::make_unique<QSettings>(path, QSettings::IniFormat);
        return;
    }
    // Settings for this run only, in a file of our own that goes when the program ends.
    m_refusal = QString::fromLatin1(Texts::kSettingsNotAFile).arg(path, kind);
    m_scratch = std::make_unique<QTemporaryDir>();
    m_settings = std::make_unique<QSettings>(m_scratch->filePath(QStringLiteral("settings.conf")),
                                             QSettings::IniFormat);
}

QString ProfileStore::userFile() {
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation))
        .filePath(QString::fromLatin1(kCompany) + u'/' + QString::fromLatin1(kApplication) +
                  QStringLiteral(".conf"));
}

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
