#include "core/shell/TipsFile.h"

#include "core/settings/FileNodes.h"
#include "core/settings/ProfileStore.h"

#include <sys/stat.h>

#include <ctime>

namespace wsc {

namespace {

constexpr qint64 kLongestLine = 1000; // at most 999 characters per read, like fgets

bool isComment(const QByteArray& line) {
    if (line.isEmpty())
        return true;
    const char c = line.at(0);
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == ';';
}

} // namespace

QString TipsFile::statusTime(const QString& path) {
    struct stat st {};
    if (::stat(QFile::encodeName(path).constData(), &st) != 0)
        return {};
    char buffer[64] = {};
    if (!::ctime_r(&st.st_ctime, buffer))
        return {};
    return QString::fromLatin1(buffer).trimmed();
}

TipsFile::TipsFile(ProfileStore& profile, const QString& path) : m_profile(profile) {
    m_showAtStartUp = m_profile.integer(Setting::TipStartUp) == 0;
    qint64 position = m_profile.integer(Setting::TipFilePos);
    m_file.setFileName(path);
    QString why;
    if (path.isEmpty() || !OpenRegularFile(m_file, why, QIODevice::ReadOnly | QIODevice::Text)) {
        m_tip = QString::fromLatin1(kMissing);
        return;
    }
    const QString stamp = statusTime(path);
    if (stamp != m_profile.text(Setting::TipTimeStamp)) {
        position = 0;
        m_profile.setText(Setting::TipTimeStamp, stamp);
    }
    if (!m_file.seek(position)) {
        m_tip = QString::fromLatin1(kTroubleReading);
        return;
    }
    next();
}

TipsFile::~TipsFile() {
    if (m_file.isOpen()) {
        m_profile.setInteger(Setting::TipFilePos, static_cast<int>(m_file.pos()));
        m_file.close();
    }
}

void TipsFile::next() {
    if (!m_file.isOpen())
        return;
    bool rewound = false;
    for (;;) {
        if (m_file.atEnd()) {
            // One pass over a file without a tip line is enough.
            if (rewound || !m_file.seek(0)) {
                m_tip = rewound ? QString() : QString::fromLatin1(kTroubleReading);
                return;
            }
            rewound = true;
            continue;
        }
        const QByteArray line = m_file.readLine(kLongestLine);
        if (line.isEmpty() && !m_file.atEnd()) {
            m_tip = QString::fromLatin1(kTroubleReading);
            return;
        }
        if (isComment(line))
            continue;
        QString text = QString::fromUtf8(line);
        while (text.endsWith(u'\n') || text.endsWith(u'\r'))
            text.chop(1);
        m_tip = text;
        return;
    }
}

void TipsFile::storeStartUp() {
    m_profile.setInteger(Setting::TipStartUp, m_showAtStartUp ? 0 : 1);
}

} // namespace wsc
