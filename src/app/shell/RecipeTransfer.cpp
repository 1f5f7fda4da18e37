#include "app/shell/RecipeTransfer.h"

#include "app/document/CWscalcFrame.h"
#include "app/form/CRecipeFormSheet.h"
#include "app/shell/CMainFrame.h"
#include "app/shell/ReferencePreviewDialog.h"
#include "app/widgets/DialogRunner.h"
#include "core/db/DatabaseOps.h"
#include "core/db/IInfoStatusBar.h"
#include "core/db/dao/CDaoDatabase.h"
#include "core/db/dao/CDaoException.h"
#include "core/document/CWscalcDoc.h"
#include "core/interchange/BeerJson.h"
#include "core/interchange/BeerXml.h"
#include "core/interchange/ReferenceData.h"
#include "core/settings/CoreServices.h"
#include "core/settings/FileNodes.h"
#include "core/settings/MessageCatalog.h"
#include "core/settings/ProfileStore.h"
#include "core/settings/Prompter.h"
#include "core/settings/WindowTexts.h"

#include <QFile>
#include <QFileInfo>
#include <QMimeData>
#include <QSaveFile>
#include <QUrl>

#include <functional>
#include <memory>

namespace wsc {
namespace {

// A long file operation's progress in the status bar, a step per whole per cent, under the wait
// cursor; the bar goes when the operation ends, however it ends.
class StatusProgress {
public:
    explicit StatusProgress(IInfoStatusBar* status) : m_status(status), m_wait(status) {}
    ~StatusProgress() {
        if (m_status)
            m_status->SetProgress(-1, 0);
    }
    StatusProgress(const StatusProgress&) = delete;
    StatusProgress& operator=(const StatusProgress&) = delete;
    std::function<bool(qint64, qint64)> step() {
        return [this](qint64 done, qint64 total) {
            const int percent = int(done * 100 / std::max<qint64>(total, 1));
            if (m_status && total > 1 && percent != m_shown)
                m_status->SetProgress(m_shown = percent, 100);
            return true;
        };
    }

private:
    IInfoStatusBar* m_status;
    WaitCursor m_wait;
    int m_shown = -1;
};

// Writes a file whole or not at all: under a temporary name, renamed over `path` only once
// `write` succeeded, so a failed export leaves no half file (a device or a FIFO, which the rename
// would replace, is refused). What went wrong, or an empty text.
QString WriteWholeFile(const QString& path,
                       const std::function<bool(QIODevice& out, QString& error)>& write) {
    QString error = NotAFileReason(path);
    if (!error.isEmpty())
        return error;
    QSaveFile out(path);
    if (!out.open(QIODevice::WriteOnly))
        return out.errorString();
    try {
        if (write(out, error))
            CommitRegularFile(out, error);
    } catch (const CDaoException& e) {
        error = QString::fromUtf8(e.what());
    }
    return error;
}

} // namespace

RecipeTransfer::RecipeTransfer(CMainFrame& frame, CoreServices& services, DialogRunner& runner)
    : m_frame(frame), m_services(services), m_runner(runner) {}

void RecipeTransfer::importRecipes() {
    if (!m_frame.recipeForm() || !m_frame.document() || !m_frame.document()->database())
        return;
    const QString path = m_runner.openFileName(&m_frame, QString::fromLatin1(Labels::kImportTitle),
                                               QString::fromLatin1(Labels::kRecipeFileOpenFilter));
    if (!path.isEmpty())
        importFile(path);
}

QStringList RecipeTransfer::droppedFiles(const QMimeData* mime) {
    QStringList files;
    if (!mime || !mime->hasUrls())
        return files;
    for (const QUrl& url : mime->urls()) {
        const QString suffix = QFileInfo(url.toLocalFile()).suffix();
        if (url.isLocalFile() && (suffix.compare(QLatin1String("xml"), Qt::CaseInsensitive) == 0 ||
                                  suffix.compare(QLatin1String("json"), Qt::CaseInsensitive) == 0))
            files << url.toLocalFile();
    }
    return files;
}

void RecipeTransfer::importFile(const QString& path) {
    CRecipeFormSheet* form = m_frame.recipeForm();
    if (!form || !m_frame.document() || !m_frame.document()->database())
        return;
    MakePendingBackup(m_services);
    auto refuse = [&](const QString& why) {
        m_services.prompter.text(QString::fromLatin1(Texts::kImportFailed).arg(path, why),
                                 PromptIcon::Exclamation);
    };
    QFile file(path);
    if (QString why; !OpenRegularFile(file, why))
        return refuse(why);
    if (file.size() > BeerXml::kMaxBytes)
        return refuse(
            QString::fromLatin1(Texts::kImportTooLarge).arg(file.size()).arg(BeerXml::kMaxBytes));
    // Ingredients are matched against the Data database when it can be read.
    std::unique_ptr<CDaoDatabase> data;
    try {
        data = std::make_unique<CDaoDatabase>();
        data->Open(m_services.profile.text(Setting::DefaultDataFile), false, true);
    } catch (const CDaoException&) {
        data.reset();
    }
    std::optional<ImportSummary> summary;
    QString error;
    std::unique_ptr<WorkProgress> work;
    const bool ran = form->commands().runBetweenEdits([&] {
        // Read as a stream, with the progress in the status bar and, after a second, in a
        // dialog whose Cancel leaves the database as it was.
        StatusProgress progress(m_services.statusBar);
        work = m_runner.startWork(&m_frame, QString::fromLatin1(Labels::kImportingFrom).arg(path));
        const auto status = progress.step();
        // BeerXML or BeerJSON, as the file's content says.
        summary = ImportRecipeFile(*m_frame.document()->database(), data.get(), file,
                                   m_frame.document()->utilization(), error,
                                   [&](qint64 done, qint64 total) {
                                       status(done, total);
                                       return work->step(done, total);
                                   });
        work.reset();
    });
    if (!ran)
        return;
    if (!summary && error == QLatin1String(BeerXml::kCancelled))
        return;
    if (!summary)
        return refuse(error);
    m_frame.document()->UpdateAllViews(nullptr, 0);
    form->commands().GoToBatch(summary->added.front().batch);
    // A long summary would make a box taller than the screen: the box shows the head of each
    // list, and the whole summary scrolls behind "Show Details...".
    constexpr int kListLines = 8;
    Prompt prompt;
    prompt.text = QString::fromLatin1(Texts::kImportComplete).arg(path, summary->text(kListLines));
    if (summary->exceeds(kListLines))
        prompt.details = summary->text();
    m_services.prompter.show(prompt);
}

void RecipeTransfer::exportRecipes(bool all) {
    CRecipeFormSheet* form = m_frame.recipeForm();
    if (!form || !m_frame.document() || !m_frame.document()->database())
        return;
    // What is exported is what is saved: a changed recipe is saved first, after the question.
    if (!form->commands().QuerySaveRecipe())
        return;
    QString path = m_runner.saveFileName(&m_frame,
                                         all ? QString::fromLatin1(Labels::kExportAllTitle)
                                             : QString::fromLatin1(Labels::kExportOneTitle),
                                         QString::fromLatin1(Labels::kRecipeFileSaveFilter));
    if (path.isEmpty())
        return;
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".xml");
    // The file type chosen is the name's: BeerJSON for ".json", BeerXML otherwise.
    const bool json =
        QFileInfo(path).suffix().compare(QLatin1String("json"), Qt::CaseInsensitive) == 0;
    // Recipe by recipe, with the progress in the status bar.
    std::unique_ptr<WorkProgress> work;
    const QString error = WriteWholeFile(path, [&](QIODevice& out, QString& why) {
        StatusProgress progress(m_services.statusBar);
        work = m_runner.startWork(&m_frame, QString::fromLatin1(Labels::kExportingTo).arg(path));
        const auto status = progress.step();
        const std::vector<long> batches =
            all ? std::vector<long>{} : std::vector<long>{long(form->currentBatch())};
        const auto step = [&](qint64 done, qint64 total) {
            status(done, total);
            return work->step(done, total);
        };
        return json ? BeerJson::exportRecipes(*m_frame.document()->database(), batches,
                                              m_frame.document()->utilization(), out, why, step)
                    : BeerXml::exportRecipes(*m_frame.document()->database(), batches,
                                             m_frame.document()->utilization(), out, why, step);
    });
    // Cancelled: no file is written, and nothing more is said.
    if (work && work->cancelled())
        return;
    if (!error.isEmpty()) {
        m_services.prompter.text(QString::fromLatin1(Texts::kExportFailed).arg(path, error),
                                 PromptIcon::Exclamation);
        return;
    }
    m_services.prompter.text(
        QString::fromLatin1(Texts::kExportComplete)
            .arg(QString::fromLatin1(all ? Texts::kExportedAll : Texts::kExportedOne), path),
        PromptIcon::Information);
}

void RecipeTransfer::importReference() {
    const QString path =
        m_runner.openFileName(&m_frame, QString::fromLatin1(Labels::kDataImportTitle),
                              QString::fromLatin1(Labels::kRecipeFileOpenFilter));
    if (path.isEmpty())
        return;
    auto refuse = [&](const QString& why) {
        m_services.prompter.text(QString::fromLatin1(Texts::kDataImportFailed).arg(path, why),
                                 PromptIcon::Exclamation);
    };
    QFile file(path);
    if (QString why; !OpenRegularFile(file, why))
        return refuse(why);
    QString error;
    std::optional<ReferenceFile> read = ReferenceData::read(file, error);
    if (!read)
        return refuse(error);
    try {
        CDaoDatabase data;
        data.Open(m_services.profile.text(Setting::DefaultDataFile), false, false);
        ReferenceData::preview(data, *read);
        ReferencePreviewDialog preview(*read, &m_frame);
        if (m_runner.exec(preview) != QDialog::Accepted)
            return;
        const auto result = ReferenceData::apply(data, *read, preview.choices(), error);
        if (!result)
            return refuse(error);
        m_services.prompter.text(QString::fromLatin1(Texts::kDataImportComplete)
                                     .arg(path)
                                     .arg(result->added)
                                     .arg(result->replaced)
                                     .arg(result->skipped),
                                 PromptIcon::Information);
    } catch (const CDaoException& e) {
        refuse(QString::fromUtf8(e.what()));
    }
}

void RecipeTransfer::exportReference() {
    QString path = m_runner.saveFileName(&m_frame, QString::fromLatin1(Labels::kDataExportTitle),
                                         QString::fromLatin1(Labels::kDataFileSaveFilter));
    if (path.isEmpty())
        return;
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".json");
    const bool json =
        QFileInfo(path).suffix().compare(QLatin1String("xml"), Qt::CaseInsensitive) != 0;
    const QString error = WriteWholeFile(path, [&](QIODevice& out, QString& why) {
        CDaoDatabase data;
        data.Open(m_services.profile.text(Setting::DefaultDataFile), false, true);
        return ReferenceData::write(data, ReferenceData::exportableTables(), json, out, why);
    });
    if (!error.isEmpty()) {
        m_services.prompter.text(QString::fromLatin1(Texts::kDataExportFailed).arg(path, error),
                                 PromptIcon::Exclamation);
        return;
    }
    m_services.prompter.text(QString::fromLatin1(Texts::kDataExportComplete).arg(path),
                             PromptIcon::Information);
}

} // namespace wsc
