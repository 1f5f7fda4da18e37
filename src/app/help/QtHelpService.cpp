#include "app/help/QtHelpService.h"

#include "app/help/HelpWindow.h"
#include "app/widgets/ScreenFit.h"
#include "core/settings/MessageCatalog.h"
#include "core/shell/ProgramFiles.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QHelpEngine>
#include <QHelpLink>
#include <QHelpSearchEngine>
#include <QStandardPaths>

namespace wsc {

namespace {
constexpr const char* kHelpFileName = "wortsmith.qch";
constexpr const char* kStampKey = "wscHelpFileStamp";

QString stampOf(const QString& file) {
    const QFileInfo info(file);
    return QStringLiteral("%1|%2|%3")
        .arg(info.absoluteFilePath(), QString::number(info.size()),
             QString::number(info.lastModified().toMSecsSinceEpoch()));
}
} // namespace

QString QtHelpService::findHelpFile() {
    return ProgramFiles::find(QString::fromLatin1(kHelpFileName));
}

QString QtHelpService::defaultCacheFolder() {
    const QString cache = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
    return cache.isEmpty() ? QString() : QDir(cache).filePath(QStringLiteral("help"));
}

QtHelpService::QtHelpService(Prompter& prompter, QString helpFile, QString cacheFolder)
    : m_prompter(prompter), m_helpFile(std::move(helpFile)), m_cacheFolder(std::move(cacheFolder)) {
}

QtHelpService::~QtHelpService() {
    delete m_window;
}

bool QtHelpService::ready() {
    if (m_engine)
        return true;
    if (m_failed)
        return false;
    m_failed = true;
    if (m_helpFile.isEmpty() || !QFileInfo(m_helpFile).isFile() || m_cacheFolder.isEmpty() ||
        !QDir().mkpath(m_cacheFolder))
        return false;
    const QString helpFile = QFileInfo(m_helpFile).absoluteFilePath();
    auto engine = std::make_unique<QHelpEngine>(
        QDir(m_cacheFolder).filePath(QStringLiteral("wortsmith.qhc")));
    engine->setReadOnly(false);
    // Made before the set-up, so the search index is built when the set-up finishes.
    engine->searchEngine();
    if (!engine->setupData())
        return false;
    const QString ns = QHelpEngineCore::namespaceName(helpFile);
    if (ns.isEmpty())
        return false;
    // A new help file (another build, another folder) replaces the one registered before.
    const QString stamp = stampOf(helpFile);
    if (!engine->registeredDocumentations().contains(ns) ||
        engine->customValue(QString::fromLatin1(kStampKey)).toString() != stamp) {
        engine->unregisterDocumentation(ns);
        if (!engine->registerDocumentation(helpFile))
            return false;
        engine->setCustomValue(QString::fromLatin1(kStampKey), stamp);
        engine->searchEngine()->reindexDocumentation();
    }
    m_engine = std::move(engine);
    m_failed = false;
    return true;
}

QHelpEngine* QtHelpService::engine() {
    return ready() ? m_engine.get() : nullptr;
}

QUrl QtHelpService::topicUrl(int context) {
    if (!ready())
        return {};
    const QList<QHelpLink> links = m_engine->documentsForIdentifier(QString::number(context));
    return links.isEmpty() ? QUrl() : links.front().url;
}

QUrl QtHelpService::contentsUrl() {
    if (!ready())
        return {};
    const QUrl top = topicUrl(0);
    if (!top.isEmpty())
        return top;
    const QList<QUrl> files = m_engine->files(QHelpEngineCore::namespaceName(m_helpFile), QString(),
                                              QStringLiteral("html"));
    return files.isEmpty() ? QUrl() : files.front();
}

bool QtHelpService::hasTopic(int context) {
    return context != 0 && !topicUrl(context).isEmpty();
}

void QtHelpService::show(int context, const QString&) {
    m_last = context;
    if (!ready()) {
        m_prompter.text(
            QString::fromLatin1(Texts::kHelpMissing)
                .arg(m_helpFile.isEmpty() ? QString::fromLatin1(kHelpFileName) : m_helpFile),
            PromptIcon::Exclamation);
        return;
    }
    QUrl url = topicUrl(context);
    // An unknown context opens the contents.
    if (url.isEmpty())
        url = contentsUrl();
    if (!m_window) {
        m_window = new HelpWindow(*m_engine);
        // The help does not keep the program running once its main window has closed.
        m_window->setAttribute(Qt::WA_QuitOnClose, false);
        FitOnScreen(*m_window, QApplication::activeWindow());
    }
    // Over a modal question the help must be modal too, or the question would block it.
    QWidget* modal = QApplication::activeModalWidget();
    const Qt::WindowModality wanted =
        modal && modal != m_window ? Qt::ApplicationModal : Qt::NonModal;
    if (m_window->windowModality() != wanted) {
        m_window->hide();
        m_window->setWindowModality(wanted);
    }
    m_window->showTopic(url);
    m_window->show();
    m_window->raise();
    m_window->activateWindow();
}

} // namespace wsc
