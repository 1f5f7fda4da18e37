#pragma once

#include "app/help/HelpWindow.h"
#include "core/settings/Prompter.h"

#include <QPointer>
#include <QString>
#include <QUrl>

#include <memory>

class QHelpEngine;

namespace wsc {

// Opens the help window at a numeric context. The topics live in the compressed help file
// beside the program; its collection and search index are kept in the user's cache folder,
// since the program's own folder may not be writable.
class QtHelpService : public HelpService {
public:
    // `helpFile` the .qch file (empty or missing: the help is not installed), `cacheFolder`
    // where the collection and the search index go.
    QtHelpService(Prompter& prompter, QString helpFile, QString cacheFolder);
    ~QtHelpService() override;

    void show(int context, const QString& helpFile = {}) override;
    bool hasTopic(int context) override;

    // The topic of `context`, or an empty address when the help has none of its own.
    QUrl topicUrl(int context);
    QUrl contentsUrl();
    HelpWindow* window() const { return m_window; }
    int lastContext() const { return m_last; }
    QHelpEngine* engine();

    // "wortsmith.qch" in the current directory, beside the program, or in the installed share
    // folder; empty when there is none.
    static QString findHelpFile();
    static QString defaultCacheFolder();

private:
    bool ready();

    Prompter& m_prompter;
    QString m_helpFile;
    QString m_cacheFolder;
    std::unique_ptr<QHelpEngine> m_engine;
    bool m_failed = false;
    QPointer<HelpWindow> m_window;
    int m_last = 0;
};

} // namespace wsc
