#pragma once

#include "core/reports/ReportRenderer.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QLocale>
#include <QPageLayout>

#include <array>
#include <map>
#include <vector>

class QPagedPaintDevice;
class QPainter;

namespace wsc {

// A rendered report laid out on pages: its blocks flow down the pages (a table's head row
// again at the top of each page it runs onto, a heading kept with what follows it) and each
// page gets a foot line with the report's title, the print date and "Page n of m". The layout
// is done in units of 1/96 inch; drawing scales it to the screen, a printer or a PDF. Only where
// each page begins is kept: a page is laid out again from there when it is drawn, so a report
// of thousands of pages holds one page's texts at a time.
class ReportPages {
public:
    // The paper of the locale (Letter where the US measure is used, A4 elsewhere), portrait,
    // margins of 15 mm: the preview, a PDF and the printer start from the system's.
    static QPageLayout defaultLayout(const QLocale& locale);
    static QPageLayout defaultLayout() { return defaultLayout(QLocale::system()); }

    explicit ReportPages(RenderedReport report, const QPageLayout& layout = defaultLayout());
    ReportPages(const ReportPages&) = delete;
    ReportPages& operator=(const ReportPages&) = delete;

    int pageCount() const { return static_cast<int>(m_starts.size()); }
    const QPageLayout& layout() const { return m_layout; }
    // The foot line of page `page` (0-based).
    QString footer(int page) const;
    // The texts drawn on a page, top to bottom, one line each (for checking a layout).
    QStringList pageTexts(int page) const;
    struct PlacedText {
        QString text;
        QRectF rect;
        QFont font;
    };
    // The same with where each stands and the font it prints in, in layout units (1/96 inch).
    std::vector<PlacedText> placedTexts(int page) const;
    // The height the body may fill above the foot line, in layout units.
    double bodyHeight() const { return m_height; }

    // Page `page` as a picture at `zoom` × 96 dots per inch.
    QImage pageImage(int page, double zoom) const;
    // Every page onto a printer or PDF writer already set up with the layout.
    bool paint(QPagedPaintDevice& device) const;
    // Writes a PDF file; the file appears whole or not at all.
    bool writePdf(const QString& path, QString* error) const;

private:
    // The fonts every report starts with; a table too wide for its page adds smaller ones.
    enum Font { Body, Bold, Italic, TitleFont, HeadingFont, FootFont, FontCount };
    struct Op {
        enum class Kind { Text, Fill, Frame };
        Kind kind;
        QRectF rect;
        QString text; // one line: the layout breaks the lines itself
        int font = Body;
        int flags = 0;
        QColor color;
    };
    // Where a table's columns stand and in which fonts its cells print.
    struct TableGeometry {
        std::vector<double> x; // the columns' left edges and the right edge
        int body = Body;
        int bold = Bold;
        std::vector<float> advance; // each cell's width on one line, row by row
        double headHeight = 0;
    };

    // Where a page begins: at the start of a block, or inside it at a row (of a table or of
    // fields) or a line (of a text) the page before had no room for.
    struct Start {
        std::size_t block = 0;
        std::size_t from = 0;
        bool inside = false;
    };

    // Lays the blocks out from `start`: to the end, noting where each page begins, or (with
    // m_onePage) up to the next page only, keeping what it draws in m_ops.
    void layout(Start start) const;
    // False where the page was the one wanted: laying out stops.
    bool newPage(std::size_t from = 0, bool inside = false) const;
    void push(Op op) const;
    // The operations of page `page`.
    const std::vector<Op>& ops(int page) const;
    double lineHeight(int font) const;
    // The lines `text` takes in `width`: at its word boundaries, inside a word only where the
    // word alone is wider than the width. Never cut.
    QStringList lines(int font, const QString& text, double width) const;
    QStringList layOut(int font, const QString& text, double width) const;
    double textHeight(int font, const QString& text, double width) const;
    // One text in a box: its lines, each drawn on its own.
    void text(int font, const QRectF& rect, const QString& text, int flags) const;
    void placeLines(int font, const QRectF& rect, const QStringList& lines, int flags) const;
    void paintPage(QPainter& painter, int page) const;
    // What must stand on the page with the heading before a block: its first lines or rows.
    double leadHeight(const ReportBlock& block) const;

    const TableGeometry& geometry(const ReportBlock& block) const;
    // A row's cells as the lines they print in.
    std::vector<QStringList> cellLines(const ReportBlock& block, const TableGeometry& g,
                                       std::size_t row) const;
    double rowHeight(const std::vector<QStringList>& cells, int font) const;
    bool layoutBlock(std::size_t i, const Start& start) const;
    bool layoutTable(const ReportBlock& block, const Start& start) const;
    bool layoutFields(const ReportBlock& block, const Start& start) const;
    bool layoutText(int font, const QString& text, const Start& start) const;
    bool layoutBox(int lines) const;
    int fontOfSize(int base, double pixels) const;

    const RenderedReport m_report;
    QPageLayout m_layout;
    QImage m_metrics;    // the 96-dpi device the layout measures with
    double m_width = 0;  // of the body
    double m_height = 0; // of the body, above the foot line
    // Measured once, as the pages are first counted, and kept for laying out each page again.
    mutable std::vector<QFont> m_fonts;
    mutable std::vector<double> m_lineHeights; // of each font, -1 until measured
    // The lines of each long text, as laid out once: a text that flows over many pages is
    // laid out again from the top of each page it is on.
    struct LaidOut {
        QString text;
        int font;
        double width;
        QStringList lines;
    };
    mutable std::multimap<std::size_t, LaidOut> m_laidOut;
    mutable std::map<const ReportBlock*, TableGeometry> m_geometry;
    // Laying out: the height filled, the block at hand, the page wanted and what it draws.
    mutable double m_y = 0;
    mutable std::size_t m_block = 0;
    mutable bool m_onePage = false;
    mutable int m_opsPage = -1;
    mutable std::vector<Op> m_ops;
    mutable std::vector<Start> m_starts; // filled as the pages are counted
};

} // namespace wsc
