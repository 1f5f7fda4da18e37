#pragma once

#include <QFile>
#include <QString>
#include <QStringList>

namespace wsc {

class ProfileStore;

// The tips of the Tip of the Day: one tip per line of "tips.txt"; a line that starts with a
// blank, a tab, a line feed or ";" is a comment. The position of the next tip and the file's
// status time are kept in the profile, so each showing continues with the following tip and a
// new file starts from its first.
class TipsFile {
public:
    static constexpr const char* kFileName = "tips.txt";
    static constexpr const char* kMissing =
        "File Error:\nTips file does not exist in the prescribed directory";
    static constexpr const char* kTroubleReading = "File Error:\nTrouble reading the tips file";

    // Opens `path` (none when empty), takes up the stored position and reads the first tip.
    TipsFile(ProfileStore& profile, const QString& path);
    // Stores the position of the next tip.
    ~TipsFile();
    TipsFile(const TipsFile&) = delete;
    TipsFile& operator=(const TipsFile&) = delete;

    bool isOpen() const { return m_file.isOpen(); }
    // The tip to show (without its line end), an error text, or empty when the file holds no tip.
    const QString& tip() const { return m_tip; }
    // Reads the following tip, going round to the start after the last; a file without any
    // tip line is read once, not for ever.
    void next();

    // The "Show Tips on StartUp" box: StartUp 0 means show.
    bool showAtStartUp() const { return m_showAtStartUp; }
    void setShowAtStartUp(bool show) { m_showAtStartUp = show; }
    // What Close stores: StartUp 0 when ticked, 1 when not.
    void storeStartUp();

    // The file's status time as the C library writes it, e.g. "Mon Dec  7 18:00:50 2026".
    static QString statusTime(const QString& path);

private:
    ProfileStore& m_profile;
    QFile m_file;
    QString m_tip;
    bool m_showAtStartUp = true;
};

} // namespace wsc
