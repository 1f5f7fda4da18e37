#include "support/TestSupport.h"

#include <QFile>

namespace wsc::test {

DbFixture::DbFixture()
    : m_profile(m_dir.filePath(QStringLiteral("settings.ini"))), m_services{m_prompter, m_profile,
                                                                            &m_status, nullptr} {}

QString DbFixture::makeRecipeDb(const QString& name, bool samples) {
    const QString p = path(name);
    CreateRecipeDatabase(p, samples);
    return p;
}

QString DbFixture::makeDataDb(const QString& name) {
    const QString p = path(name);
    CreateDatabase(p, QString::fromLatin1(kDataMarker));
    return p;
}

QString DbFixture::copyShippedData(const QString& name) {
    const QString p = path(name);
    QFile::copy(QStringLiteral(WSC_DATA_DB), p);
    return p;
}

QString DbFixture::copyShippedSamples(const QString& name) {
    const QString p = path(name);
    QFile::copy(QStringLiteral(WSC_SAMPLES_DB), p);
    return p;
}

QByteArray DbFixture::readFile(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace wsc::test
