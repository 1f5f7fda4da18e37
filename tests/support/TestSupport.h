#pragma once

#include "db/DatabaseOps.h"
#include "db/IInfoStatusBar.h"
#include "settings/ProfileStore.h"
#include "settings/ScriptedPrompter.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace wsc::test {

// Records what core code asked of the status bar.
class RecordingStatusBar : public IInfoStatusBar {
public:
    void SetProgress(int position, int range) override { progress.push_back({position, range}); }
    void SetPaneText(const QString& text, int pane) override { panes.push_back({pane, text}); }
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
    int clears = 0;
    int nextLines = 0;
    int waitDepth = 0;
};

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

    QTemporaryDir m_dir;
    ProfileStore m_profile;
    ScriptedPrompter m_prompter;
    RecordingStatusBar m_status;
    CoreServices m_services;
};

} // namespace wsc::test
