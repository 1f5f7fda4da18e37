#include "app/help/HelpWindow.h"

#include "app/widgets/HelpContextProperty.h"
#include "core/help/HelpContexts.h"
#include "core/settings/WindowTexts.h"

#include <QHBoxLayout>
#include <QHelpContentModel>
#include <QHelpContentWidget>
#include <QHelpEngine>
#include <QHelpIndexWidget>
#include <QHelpLink>
#include <QHelpSearchEngine>
#include <QHelpSearchQueryWidget>
#include <QHelpSearchResultWidget>
#include <QLabel>
#include <QLineEdit>
#include <QSplitter>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace wsc {

QVariant HelpBrowser::loadResource(int type, const QUrl& name) {
    if (name.scheme() == QLatin1String("qthelp"))
        return m_engine.fileData(name);
    return QTextBrowser::loadResource(type, name);
}

HelpWindow::HelpWindow(QHelpEngine& engine, QWidget* parent)
    : QWidget(parent, Qt::Window), m_engine(engine) {
    setWindowTitle(QString::fromUtf8(Labels::kWortsmithCalculatorHelp));
    setObjectName(QStringLiteral("helpWindow"));
    SetHelpContext(this, HelpContext::kUsingHelp);
    resize(900, 620);

    m_browser = new HelpBrowser(engine, this);
    m_browser->setOpenExternalLinks(false);
    m_browser->setOpenLinks(true);

    m_tabs = new QTabWidget(this);
    QHelpContentWidget* contents = engine.contentWidget();
    m_tabs->addTab(contents, QString::fromUtf8(Labels::kContents));
    connect(contents, &QHelpContentWidget::linkActivated, this, &HelpWindow::showTopic);
    // The contents are read in the background; show the books open once they are there.
    connect(engine.contentModel(), &QHelpContentModel::contentsCreated, contents,
            [contents] { contents->expandToDepth(0); });
    contents->expandToDepth(0);

    auto* indexPage = new QWidget(this);
    auto* indexLayout = new QVBoxLayout(indexPage);
    indexLayout->setContentsMargins(4, 4, 4, 4);
    m_indexFilter = new QLineEdit(indexPage);
    m_indexFilter->setPlaceholderText(QString::fromUtf8(Labels::kTypeAWordToLookUp));
    QHelpIndexWidget* index = engine.indexWidget();
    auto* lookFor = new QLabel(QString::fromUtf8(Labels::kLookFor), indexPage);
    // Without a buddy the label shows its "&" instead of underlining the key.
    lookFor->setBuddy(m_indexFilter);
    indexLayout->addWidget(lookFor);
    indexLayout->addWidget(m_indexFilter);
    indexLayout->addWidget(index);
    connect(m_indexFilter, &QLineEdit::textChanged, index,
            [index](const QString& text) { index->filterIndices(text); });
    connect(m_indexFilter, &QLineEdit::returnPressed, index,
            &QHelpIndexWidget::activateCurrentItem);
    connect(index, &QHelpIndexWidget::documentActivated, this,
            [this](const QHelpLink& link, const QString&) { showTopic(link.url); });
    connect(index, &QHelpIndexWidget::documentsActivated, this,
            [this](const QList<QHelpLink>& links, const QString&) {
                if (!links.isEmpty())
                    showTopic(links.front().url);
            });
    m_tabs->addTab(indexPage, QString::fromUtf8(Labels::kIndex));

    auto* searchPage = new QWidget(this);
    auto* searchLayout = new QVBoxLayout(searchPage);
    searchLayout->setContentsMargins(4, 4, 4, 4);
    QHelpSearchEngine* search = engine.searchEngine();
    QHelpSearchQueryWidget* query = search->queryWidget();
    QHelpSearchResultWidget* results = search->resultWidget();
    searchLayout->addWidget(query);
    searchLayout->addWidget(results, 1);
    connect(query, &QHelpSearchQueryWidget::search, search,
            [search, query] { search->search(query->searchInput()); });
    connect(results, &QHelpSearchResultWidget::requestShowLink, this, &HelpWindow::showTopic);
    m_tabs->addTab(searchPage, QString::fromUtf8(Labels::kSearch));

    auto* back = new QToolButton(this);
    back->setText(QString::fromUtf8(Labels::kBack));
    auto* forward = new QToolButton(this);
    forward->setText(QString::fromUtf8(Labels::kForward));
    auto* home = new QToolButton(this);
    home->setText(QString::fromUtf8(Labels::kContentsButton));
    connect(back, &QToolButton::clicked, m_browser, &QTextBrowser::backward);
    connect(forward, &QToolButton::clicked, m_browser, &QTextBrowser::forward);
    connect(m_browser, &QTextBrowser::backwardAvailable, back, &QWidget::setEnabled);
    connect(m_browser, &QTextBrowser::forwardAvailable, forward, &QWidget::setEnabled);
    back->setEnabled(false);
    forward->setEnabled(false);
    connect(home, &QToolButton::clicked, this, [this] { m_tabs->setCurrentIndex(0); });

    auto* bar = new QHBoxLayout;
    bar->addWidget(back);
    bar->addWidget(forward);
    bar->addWidget(home);
    bar->addStretch();

    auto* splitter = new QSplitter(this);
    splitter->addWidget(m_tabs);
    splitter->addWidget(m_browser);
    splitter->setStretchFactor(1, 3);
    splitter->setSizes({260, 640});

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(bar);
    layout->addWidget(splitter, 1);
}

void HelpWindow::showTopic(const QUrl& url) {
    m_browser->setSource(url);
}

} // namespace wsc
