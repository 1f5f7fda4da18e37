#pragma once

#include "core/db/DatabaseOps.h"
#include "core/db/IInfoStatusBar.h"
#include "core/settings/ProfileStore.h"
#include "core/settings/ScriptedPrompter.h"

#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

// Readable texts in test failures.
inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}

namespace wsc::test {

// Records what core code asked of the status bar.
class RecordingStatusBar : public IInfoStatusBar {
public:
    void SetProgress(int position, int range) override { progress.push_back({position, range}); }
    void SetPaneText(const QString& text, int pane) override { panes.push_back({pane, text}); }
    void ShowNote(const QString& text, int) override { notes << text; }
    void ClearLines(bool) override {
        lines.clear();
        ++clears;
    }
    void AddLine(const QString& text, bool, bool) override { lines << text; }
    void NextLine() override { ++nextLines; }
    void BeginWaitCursor() override { ++waitDepth; }
    void EndWaitCursor() override { --waitDepth; }

    std::vector<std::pair<int, int>> progress;
    std::vector<std::pair<int, QString>> panes;
    QStringList lines;
    QStringList notes;
    int clears = 0;
    int nextLines = 0;
    int waitDepth = 0;
};

// Sets a decimal-comma locale (de_DE.UTF-8) for as long as it lives, and the one before again
// after; `available()` is false where the system has no such locale.
class CommaLocale {
public:
    CommaLocale();
    ~CommaLocale();
    CommaLocale(const CommaLocale&) = delete;
    CommaLocale& operator=(const CommaLocale&) = delete;
    bool available() const { return m_available; }

private:
    std::string m_before;
    bool m_available = false;
};

// Files SQLite or the program may leave beside a database ("-journal", "-wal", "-shm",
// ".lock") that are there now.
QStringList SidecarsOf(const QString& database);
// A digest of the file's bytes.
QByteArray FileDigest(const QString& path);

// Runs `body` in a child process as the user "nobody" when the tests run as root (root may
// write any file, so read-only files and folders mean nothing to it). The body returns an
// empty text on success or what went wrong. Returns the body's text, or a text saying why the
// child could not run it. `skip` is set when there is no unprivileged user to run as.
std::string RunAsUnprivileged(const std::function<std::string()>& body, bool* skip = nullptr);

// A temporary folder with a settings file, a scripted prompter and helpers to make databases.
class DbFixture : public ::testing::Test {
protected:
    DbFixture();

    QString path(const QString& name) const { return m_dir.filePath(name); }
    // A new recipe database from the schema (empty, or with the sample recipes).
    QString makeRecipeDb(const QString& name = QStringLiteral("recipes.mdb"), bool samples = false);
    QString makeDataDb(const QString& name = QStringLiteral("data.mdb"));
    // Copies of the databases the build made.
    QString copyShippedData(const QString& name = QStringLiteral("shipped-data.mdb"));
    QString copyShippedSamples(const QString& name = QStringLiteral("shipped-samples.mdb"));
    static QByteArray readFile(const QString& path);
    // Lets another user reach the files of the temporary folder.
    void openFolderToEveryone();
    // Runs SQL on a database file through a connection of its own.
    static void execSql(const QString& file, const QString& sql);
    // The shipped Data database in a folder of its own that nobody can write to (made
    // writable again when the test ends), for tests run as another user.
    QString readOnlySharedData();

    ~DbFixture() override;

    QTemporaryDir m_dir;
    ProfileStore m_profile;
    ScriptedPrompter m_prompter;
    RecordingStatusBar m_status;
    CoreServices m_services;
};

} // namespace wsc::test
