// A tips file of any bytes, read tip after tip from any stored position.
#include "core/settings/ProfileStore.h"
#include "core/shell/TipsFile.h"

#include <QFile>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static QTemporaryDir folder;
    const QString tips = folder.filePath(QStringLiteral("tips.txt"));
    {
        QFile f(tips);
        if (!f.open(QIODevice::WriteOnly))
            return 0;
        f.write(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    }
    wsc::ProfileStore profile(folder.filePath(QStringLiteral("settings.conf")));
    // A position stored by an earlier run, maybe past the end or in the middle of a line.
    profile.setInteger(wsc::Setting::TipFilePos, size > 0 ? data[0] * 7 : 0);
    wsc::TipsFile file(profile, tips);
    for (int i = 0; i < 4; ++i)
        file.next();
    return 0;
}
