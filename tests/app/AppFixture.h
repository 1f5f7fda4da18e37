#pragma once

#include "support/TestSupport.h"

#include "app/form/CRecipeFormSheet.h"
#include "app/shell/CMainFrame.h"
#include "app/shell/CWscalcApp.h"
#include "app/widgets/Commands.h"
#include "app/widgets/DialogRunner.h"
#include "core/db/SqliteConnection.h"

#include <QDialog>
#include <QPageLayout>
#include <QPrinter>
#include <QStringList>

#include <optional>

#include <deque>
#include <functional>
#include <memory>

namespace wsc::test {

// Answers file choosers from a queue and closes every modal dialog at once, keeping its class
// name; `onDialog` may look at (or fill in) the dialog first.
class ScriptedRunner : public DialogRunner {
public:
    int exec(QDialog& dialog) override {
        dialogs << QString::fromLatin1(dialog.metaObject()->className());
        return onDialog ? onDialog(dialog) : QDialog::Rejected;
    }
    QString openFileName(QWidget*, const QString&, const QString&) override {
        if (files.empty())
            return {};
        const QString f = files.front();
        files.pop_front();
        return f;
    }

    bool openUrl(const QString& address, QString& why) override {
        urls << address;
        if (!openUrlResult)
            why = openUrlWhy;
        return openUrlResult;
    }
    QString saveFileName(QWidget*, const QString&, const QString&) override {
        if (saveFiles.empty())
            return {};
        const QString f = saveFiles.front();
        saveFiles.pop_front();
        return f;
    }
    // Prints into a PDF file when one is given, as if that printer had been chosen.
    bool choosePrinter(QPrinter& printer, QWidget*) override {
        ++printDialogs;
        if (printToFile.isEmpty())
            return false;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(printToFile);
        return true;
    }
    // Chooses `pageSetupChoice` when one is given, as the user would in the dialog.
    bool setUpPrinter(QPrinter& printer, QWidget*) override {
        ++pageSetups;
        if (pageSetupChoice)
            printer.setPageLayout(*pageSetupChoice);
        return true;
    }
    std::optional<QPageLayout> pageSetupChoice;
    // Long work: its label kept, every step counted, and Cancel pressed at step `cancelAt`
    // (never when 0).
    class ScriptedWork : public WorkProgress {
    public:
        explicit ScriptedWork(ScriptedRunner& runner) : m_runner(runner) {}
        bool step(qint64 done, qint64 total) override {
            ++m_runner.workSteps;
            m_runner.lastWork = {done, total};
            if (m_runner.cancelAt > 0 && m_runner.workSteps >= m_runner.cancelAt)
                m_cancelled = true;
            return !m_cancelled;
        }
        bool cancelled() const override { return m_cancelled; }

    private:
        ScriptedRunner& m_runner;
        bool m_cancelled = false;
    };
    std::unique_ptr<WorkProgress> startWork(QWidget*, const QString& label) override {
        workLabels << label;
        return std::make_unique<ScriptedWork>(*this);
    }
    QStringList workLabels;
    int workSteps = 0;
    int cancelAt = 0;
    std::pair<qint64, qint64> lastWork;

    std::deque<QString> files;
    std::deque<QString> saveFiles;
    QString printToFile;
    int printDialogs = 0;
    int pageSetups = 0;
    QStringList dialogs;
    QStringList urls;
    bool openUrlResult = true;
    QString openUrlWhy = QStringLiteral("the desktop has no program set up for web addresses");
    std::function<int(QDialog&)> onDialog;
};

// Keeps the help contexts asked for.
class RecordingHelpService : public HelpService {
public:
    void show(int context, const QString&) override { contexts.push_back(context); }
    std::vector<int> contexts;
};

// The program started the way main() starts it, on a settings file of the test's own.
class AppFixture : public DbFixture {
protected:
    AppFixture() {
        m_profile.setText(Setting::DefaultDataFile, copyShippedData());
        // Tests that want the Tip of the Day at start-up ask for it.
        m_profile.setInteger(Setting::TipStartUp, 1);
    }

    CWscalcApp& start(const QStringList& arguments) {
        CWscalcApp::Environment env;
        env.profile = &m_profile;
        env.prompter = &m_prompter;
        env.runner = &m_runner;
        env.help = &m_help;
        env.backupRoot = path(QStringLiteral("backups"));
        env.tipsFile = m_tipsFile;
        env.metricLocale = m_metricLocale;
        m_app = std::make_unique<CWscalcApp>(env);
        m_app->InitInstance(arguments);
        return *m_app;
    }

    ScriptedRunner m_runner;
    RecordingHelpService m_help;
    QString m_tipsFile;
    // Whether the system measures in metric units; unknown (nothing asked) unless set.
    std::optional<bool> m_metricLocale;
    std::unique_ptr<CWscalcApp> m_app;
};

// The program started on a recipe database, with the recipe form showing.
class FormFixture : public AppFixture {
protected:
    void open(const QString& file) {
        m_file = file;
        start({QStringLiteral("/s"), file});
        ASSERT_NE(form(), nullptr);
        m_prompter.clear();
    }
    void openSamples() { open(copyShippedSamples()); }
    CMainFrame& frame() { return *m_app->mainFrame(); }
    CRecipeFormSheet* form() { return frame().recipeForm(); }
    void goToBatch(int batch) {
        frame().runCommand(ID_RECORD_FIRST);
        for (int i = 1; i < batch; ++i)
            frame().runCommand(ID_RECORD_NEXT);
    }
    // What another connection sees: only committed data.
    QVariant committed(const QString& sql) {
        SqliteConnection c(m_file, SqliteConnection::Mode::ReadOnly);
        return c.scalar(sql);
    }
    // A change to the Data database the program uses.
    void dataSql(const QString& sql) {
        SqliteConnection c(m_profile.text(Setting::DefaultDataFile),
                           SqliteConnection::Mode::ReadWrite);
        c.exec(sql);
    }

    QString m_file;
};

} // namespace wsc::test
