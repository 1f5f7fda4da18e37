#pragma once

#include <QTextBrowser>
#include <QWidget>

class QHelpEngine;
class QTabWidget;
class QLineEdit;

namespace wsc {

// Shows the topics of the help file: the pages come from the help engine, not from the disk.
class HelpBrowser : public QTextBrowser {
public:
    HelpBrowser(QHelpEngine& engine, QWidget* parent) : QTextBrowser(parent), m_engine(engine) {}
    QVariant loadResource(int type, const QUrl& name) override;

private:
    QHelpEngine& m_engine;
};

// The help window: contents, index and full-text search on the left, the topic on the right.
class HelpWindow : public QWidget {
public:
    HelpWindow(QHelpEngine& engine, QWidget* parent = nullptr);

    void showTopic(const QUrl& url);
    HelpBrowser* browser() const { return m_browser; }
    QTabWidget* tabs() const { return m_tabs; }
    QLineEdit* indexFilter() const { return m_indexFilter; }

private:
    QHelpEngine& m_engine;
    HelpBrowser* m_browser = nullptr;
    QTabWidget* m_tabs = nullptr;
    QLineEdit* m_indexFilter = nullptr;
};

} // namespace wsc
