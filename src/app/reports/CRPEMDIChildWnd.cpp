#include "app/reports/CRPEMDIChildWnd.h"

#include "app/widgets/HelpContextProperty.h"
#include "core/help/HelpContexts.h"
#include "core/settings/MessageCatalog.h"
#include "core/settings/WindowTexts.h"

#include "app/widgets/DialogRunner.h"
#include "app/widgets/IconFactory.h"
#include "core/settings/Prompter.h"
#include "render/ReportPages.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPrinter>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

namespace wsc {

CRPEMDIChildWnd::CRPEMDIChildWnd(const RenderedReport& report, const QPageLayout& pageLayout,
                                 QPrinter& printer, DialogRunner& runner, Prompter& prompter,
                                 QWidget* parent)
    : QMdiSubWindow(parent), m_pages(std::make_unique<ReportPages>(report, pageLayout)),
      m_printer(printer), m_runner(runner), m_prompter(prompter) {
    SetHelpContext(this, HelpContext::kReportPreview);
    setAttribute(Qt::WA_DeleteOnClose);
    auto* inside = new QWidget(this);
    auto* bar = new QHBoxLayout;
    auto button = [&](const QString& text, const char* name, Glyph glyph) {
        auto* b = new QPushButton(IconFactory::icon(glyph), text, inside);
        b->setObjectName(QString::fromLatin1(name));
        b->setAutoDefault(false);
        bar->addWidget(b);
        return b;
    };
    m_first = button(QString(), "firstPage", Glyph::First);
    m_previous = button(QString(), "previousPage", Glyph::Previous);
    m_pageLabel = new QLabel(inside);
    m_pageLabel->setObjectName(QStringLiteral("pageLabel"));
    bar->addWidget(m_pageLabel);
    m_next = button(QString(), "nextPage", Glyph::Next);
    m_last = button(QString(), "lastPage", Glyph::Last);
    m_zoomBox = new QComboBox(inside);
    m_zoomBox->setObjectName(QStringLiteral("zoom"));
    for (int z : {50, 75, 100, 125, 150, 200})
        m_zoomBox->addItem(QStringLiteral("%1%").arg(z), z / 100.0);
    m_zoomBox->setCurrentIndex(2);
    bar->addWidget(m_zoomBox);
    bar->addStretch(1);
    QPushButton* print = button(QString::fromLatin1(Labels::kPrintButton), "print", Glyph::Print);
    QPushButton* pdf =
        button(QString::fromLatin1(Labels::kExportPdfButton), "exportPdf", Glyph::Save);

    m_scroll = new QScrollArea(inside);
    m_scroll->setBackgroundRole(QPalette::Dark);
    m_scroll->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    m_view = new QLabel;
    m_view->setObjectName(QStringLiteral("pageView"));
    m_scroll->setWidget(m_view);

    auto* layout = new QVBoxLayout(inside);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addLayout(bar);
    layout->addWidget(m_scroll, 1);
    setWidget(inside);

    connect(m_first, &QPushButton::clicked, this, [this] { showPage(0); });
    connect(m_previous, &QPushButton::clicked, this, [this] { showPage(m_page - 1); });
    connect(m_next, &QPushButton::clicked, this, [this] { showPage(m_page + 1); });
    connect(m_last, &QPushButton::clicked, this, [this] { showPage(pageCount() - 1); });
    connect(m_zoomBox, &QComboBox::currentIndexChanged, this,
            [this] { setZoom(m_zoomBox->currentData().toDouble()); });
    connect(print, &QPushButton::clicked, this, &CRPEMDIChildWnd::OnPrint);
    connect(pdf, &QPushButton::clicked, this, &CRPEMDIChildWnd::OnExportPdf);
    showPage(0);
}

CRPEMDIChildWnd::~CRPEMDIChildWnd() = default;

int CRPEMDIChildWnd::pageCount() const {
    return m_pages->pageCount();
}

void CRPEMDIChildWnd::showPage(int page) {
    m_page = std::clamp(page, 0, pageCount() - 1);
    const QImage image = m_pages->pageImage(m_page, m_zoom);
    m_view->setPixmap(QPixmap::fromImage(image));
    m_view->resize(image.size());
    m_pageLabel->setText(QString::fromLatin1(Labels::kPageOf).arg(m_page + 1).arg(pageCount()));
    m_first->setEnabled(m_page > 0);
    m_previous->setEnabled(m_page > 0);
    m_next->setEnabled(m_page + 1 < pageCount());
    m_last->setEnabled(m_page + 1 < pageCount());
}

void CRPEMDIChildWnd::setZoom(double zoom) {
    m_zoom = std::clamp(zoom, 0.25, 4.0);
    showPage(m_page);
}

void CRPEMDIChildWnd::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_PageDown:
        showPage(m_page + 1);
        return;
    case Qt::Key_PageUp:
        showPage(m_page - 1);
        return;
    case Qt::Key_Home:
        showPage(0);
        return;
    case Qt::Key_End:
        showPage(pageCount() - 1);
        return;
    default:
        QMdiSubWindow::keyPressEvent(event);
    }
}

void CRPEMDIChildWnd::OnPrint() {
    if (!m_runner.choosePrinter(m_printer, this))
        return;
    // What the preview shows is what prints: its page, its line breaks.
    m_printer.setPageLayout(m_pages->layout());
    if (!m_pages->paint(m_printer))
        m_prompter.text(QString::fromLatin1(Texts::kReportNotPrinted).arg(m_printer.printerName()),
                        PromptIcon::Exclamation);
}

void CRPEMDIChildWnd::OnExportPdf() {
    QString path = m_runner.saveFileName(this, QString::fromLatin1(Labels::kExportPdfTitle),
                                         QString::fromLatin1(Labels::kPdfFilter));
    if (path.isEmpty())
        return;
    if (!path.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive))
        path += QStringLiteral(".pdf");
    QString error;
    if (!m_pages->writePdf(path, &error))
        m_prompter.text(QString::fromLatin1(Texts::kPdfNotWritten) + error,
                        PromptIcon::Exclamation);
}

} // namespace wsc
