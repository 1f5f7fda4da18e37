#pragma once

#include "reports/ReportRenderer.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPageLayout>

#include <array>
#include <vector>

class QPagedPaintDevice;
class QPainter;

namespace wsc {

// A rendered report laid out on pages: its blocks flow down the pages (a table's head row
// again at the top of each page it runs onto, a heading kept with what follows it) and each
// page gets a foot line with the report's title, the print date and "Page n of m". The layout
// is done once in units of 1/96 inch; drawing scales it to the screen, a printer or a PDF.
class ReportPages {
public:
    explicit ReportPages(const RenderedReport& report, const QPageLayout& layout = defaultLayout());

    // Letter, portrait, margins of 15 mm.
    static QPageLayout defaultLayout();

    int pageCount() const { return static_cast<int>(m_pages.size()); }
    const QPageLayout& layout() const { return m_layout; }
    // The foot line of page `page` (0-based).
    QString footer(int page) const;
    // The texts drawn on a page, top to bottom (for checking a layout).
    QStringList pageTexts(int page) const;

    // Page `page` as a picture at `zoom` × 96 dots per inch.
    QImage pageImage(int page, double zoom) const;
    // Every page onto a printer or PDF writer already set up with the layout.
    bool paint(QPagedPaintDevice& device) const;
    // Writes a PDF file; the file appears whole or not at all.
    bool writePdf(const QString& path, QString* error) const;

private:
    enum Font { Body, Bold, Italic, TitleFont, HeadingFont, FootFont, FontCount };
    struct Op {
        enum class Kind { Text, Fill, Frame };
        Kind kind;
        QRectF rect;
        QString text;
        Font font = Body;
        int flags = 0;
        QColor color;
    };

    void layout(const RenderedReport& report);
    void newPage();
    double textHeight(Font font, const QString& text, double width) const;
    void text(Font font, const QRectF& rect, const QString& text, int flags);
    void paintPage(QPainter& painter, int page) const;

    void layoutTable(const ReportBlock& block);
    void layoutFields(const ReportBlock& block);

    QString m_title;
    QDate m_printDate;
    QPageLayout m_layout;
    QImage m_metrics; // the 96-dpi device the layout measures with
    std::array<QFont, FontCount> m_fonts;
    double m_width = 0;  // of the body
    double m_height = 0; // of the body, above the foot line
    double m_y = 0;
    std::vector<std::vector<Op>> m_pages;
};

} // namespace wsc
