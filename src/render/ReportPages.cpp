#include "ReportPages.h"

#include <QFontMetricsF>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

#include <algorithm>

namespace wsc {
namespace {

constexpr double kLayoutDpi = 96.0;
constexpr double kFootHeight = 0.3 * kLayoutDpi; // below the body
constexpr double kCellPad = 3;
constexpr double kFieldPad = 2;
const QColor kHeadFill(0xdc, 0xdc, 0xdc);
const QColor kGroupFill(0xe8, 0xe8, 0xe8);
const QColor kRule(0x80, 0x80, 0x80);

} // namespace

QPageLayout ReportPages::defaultLayout() {
    return QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Portrait,
                       QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
}

ReportPages::ReportPages(const RenderedReport& report, const QPageLayout& layout)
    : m_title(report.title), m_printDate(report.printDate), m_layout(layout),
      m_metrics(8, 8, QImage::Format_RGB32) {
    const int dotsPerMeter = qRound(kLayoutDpi / 0.0254);
    m_metrics.setDotsPerMeterX(dotsPerMeter);
    m_metrics.setDotsPerMeterY(dotsPerMeter);
    // Sizes in layout units, so every device scales them alike.
    const QString family = QStringLiteral("DejaVu Sans");
    const std::array<std::pair<int, int>, FontCount> sizes = {std::pair{11, QFont::Normal},
                                                              {11, QFont::Bold},
                                                              {11, QFont::Normal},
                                                              {20, QFont::Bold},
                                                              {15, QFont::Bold},
                                                              {10, QFont::Normal}};
    for (std::size_t i = 0; i < sizes.size(); ++i) {
        QFont f(family);
        f.setPixelSize(sizes[i].first);
        f.setWeight(static_cast<QFont::Weight>(sizes[i].second));
        m_fonts[i] = f;
    }
    m_fonts[Italic].setItalic(true);
    const QRectF body = m_layout.paintRect(QPageLayout::Inch);
    m_width = body.width() * kLayoutDpi;
    m_height = body.height() * kLayoutDpi - kFootHeight;
    this->layout(report);
}

double ReportPages::textHeight(Font font, const QString& text, double width) const {
    const QFontMetricsF fm(m_fonts[font], &m_metrics);
    // Most cells hold one short line: measured without laying the text out.
    if (!text.contains(u'\n') && fm.horizontalAdvance(text) <= width)
        return fm.height();
    return fm.boundingRect(QRectF(0, 0, width, 1e9), Qt::TextWordWrap, text).height();
}

void ReportPages::newPage() {
    m_pages.emplace_back();
    m_y = 0;
}

void ReportPages::text(Font font, const QRectF& rect, const QString& text, int flags) {
    m_pages.back().push_back(Op{Op::Kind::Text, rect, text, font, flags | Qt::TextWordWrap, {}});
}

void ReportPages::layout(const RenderedReport& report) {
    newPage();
    using K = ReportBlock::Kind;
    for (std::size_t i = 0; i < report.blocks.size(); ++i) {
        const ReportBlock& b = report.blocks[i];
        switch (b.kind) {
        case K::PageBreak:
            if (m_y > 0)
                newPage();
            break;
        case K::Title:
        case K::Heading: {
            const Font f = b.kind == K::Title ? TitleFont : HeadingFont;
            const double before = m_y > 0 ? (b.kind == K::Title ? 10 : 12) : 0;
            const double h = textHeight(f, b.text, m_width);
            // A heading is kept with the start of what follows it.
            if (m_y + before + h + 3 * textHeight(Body, QString(), m_width) > m_height && m_y > 0)
                newPage();
            m_y += m_y > 0 ? before : 0;
            text(f, QRectF(0, m_y, m_width, h), b.text, Qt::AlignLeft | Qt::AlignTop);
            m_y += h + 4;
            break;
        }
        case K::Paragraph:
        case K::Note: {
            const Font f = b.kind == K::Note ? Italic : (b.bold ? Bold : Body);
            const double h = textHeight(f, b.text, m_width);
            if (m_y + h > m_height && m_y > 0)
                newPage();
            text(f, QRectF(0, m_y + 2, m_width, h), b.text, Qt::AlignLeft | Qt::AlignTop);
            m_y += h + 6;
            break;
        }
        case K::Fields:
            layoutFields(b);
            break;
        case K::Table:
            layoutTable(b);
            break;
        }
    }
}

void ReportPages::layoutFields(const ReportBlock& b) {
    const auto n = static_cast<std::size_t>(std::max(1, b.pairsPerRow));
    const double pair = m_width / static_cast<double>(n);
    const double labelWidth = pair * 0.45 - 2 * kFieldPad;
    const double valueWidth = pair * 0.55 - 2 * kFieldPad;
    for (std::size_t i = 0; i < b.fields.size(); i += n) {
        double h = 0;
        for (std::size_t j = i; j < std::min(b.fields.size(), i + n); ++j)
            h = std::max({h, textHeight(Bold, b.fields[j].first, labelWidth),
                          textHeight(Body, b.fields[j].second, valueWidth)});
        h += 2 * kFieldPad;
        if (m_y + h > m_height && m_y > 0)
            newPage();
        for (std::size_t j = i; j < std::min(b.fields.size(), i + n); ++j) {
            const double x = pair * static_cast<double>(j - i);
            text(Bold, QRectF(x + kFieldPad, m_y + kFieldPad, labelWidth, h), b.fields[j].first,
                 Qt::AlignLeft | Qt::AlignTop);
            text(Body, QRectF(x + pair * 0.45 + kFieldPad, m_y + kFieldPad, valueWidth, h),
                 b.fields[j].second, Qt::AlignLeft | Qt::AlignTop);
        }
        m_y += h;
    }
    m_y += 4;
}

void ReportPages::layoutTable(const ReportBlock& b) {
    const auto columns = static_cast<std::size_t>(b.headers.size());
    if (columns == 0)
        return;
    std::vector<double> x(columns + 1, 0);
    double total = 0;
    for (std::size_t c = 0; c < columns; ++c)
        total += c < b.widths.size() ? b.widths[c] : 1;
    for (std::size_t c = 0; c < columns; ++c)
        x[c + 1] = x[c] + m_width * (c < b.widths.size() ? b.widths[c] : 1) / total;

    auto align = [&](std::size_t c) {
        return (b.right[c] ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignTop;
    };
    auto rowHeight = [&](const QStringList& cells, Font f) {
        double h = 0;
        for (std::size_t c = 0; c < columns; ++c)
            h = std::max(h, textHeight(f, cells.value(static_cast<qsizetype>(c)),
                                       x[c + 1] - x[c] - 2 * kCellPad));
        return h + 2 * kCellPad;
    };
    const double headHeight = rowHeight(b.headers, Bold);
    auto head = [&] {
        for (std::size_t c = 0; c < columns; ++c) {
            const QRectF cell(x[c], m_y, x[c + 1] - x[c], headHeight);
            m_pages.back().push_back(Op{Op::Kind::Fill, cell, {}, Body, 0, kHeadFill});
            m_pages.back().push_back(Op{Op::Kind::Frame, cell, {}, Body, 0, kRule});
            text(Bold, cell.adjusted(kCellPad, kCellPad, -kCellPad, -kCellPad), b.headers.at(c),
                 align(c));
        }
        m_y += headHeight;
    };

    const double first = b.rows.empty() ? 0 : rowHeight(b.rows.front().cells, Body);
    if (m_y + headHeight + first > m_height && m_y > 0)
        newPage();
    head();
    for (const ReportRow& row : b.rows) {
        const double h =
            row.group ? textHeight(Bold, row.cells.value(0), m_width - 2 * kCellPad) + 2 * kCellPad
                      : rowHeight(row.cells, Body);
        if (m_y + h > m_height && m_y > headHeight) {
            newPage();
            head();
        }
        if (row.group) {
            const QRectF cell(0, m_y, m_width, h);
            m_pages.back().push_back(Op{Op::Kind::Fill, cell, {}, Body, 0, kGroupFill});
            m_pages.back().push_back(Op{Op::Kind::Frame, cell, {}, Body, 0, kRule});
            text(Bold, cell.adjusted(kCellPad, kCellPad, -kCellPad, -kCellPad), row.cells.value(0),
                 Qt::AlignLeft | Qt::AlignTop);
        } else {
            for (std::size_t c = 0; c < columns; ++c) {
                const QRectF cell(x[c], m_y, x[c + 1] - x[c], h);
                m_pages.back().push_back(Op{Op::Kind::Frame, cell, {}, Body, 0, kRule});
                text(Body, cell.adjusted(kCellPad, kCellPad, -kCellPad, -kCellPad),
                     row.cells.value(static_cast<qsizetype>(c)), align(c));
            }
        }
        m_y += h;
    }
    m_y += 6;
}

QString ReportPages::footer(int page) const {
    return QStringLiteral("%1  -  Printed %2  -  Page %3 of %4")
        .arg(m_title, m_printDate.toString(Qt::ISODate), QString::number(page + 1),
             QString::number(pageCount()));
}

QStringList ReportPages::pageTexts(int page) const {
    QStringList out;
    for (const Op& op : m_pages.at(static_cast<std::size_t>(page))) {
        if (op.kind == Op::Kind::Text)
            out << op.text;
    }
    return out;
}

void ReportPages::paintPage(QPainter& p, int page) const {
    // The painter is in layout units with its origin at the page's printable corner.
    int font = -1;
    p.setPen(Qt::black);
    for (const Op& op : m_pages.at(static_cast<std::size_t>(page))) {
        switch (op.kind) {
        case Op::Kind::Text:
            if (op.font != font) {
                font = op.font;
                p.setFont(m_fonts[op.font]);
            }
            p.drawText(op.rect, op.flags, op.text);
            break;
        case Op::Kind::Fill:
            p.fillRect(op.rect, op.color);
            break;
        case Op::Kind::Frame:
            p.save();
            p.setPen(QPen(op.color, 0.75));
            p.setBrush(Qt::NoBrush);
            p.drawRect(op.rect);
            p.restore();
            break;
        }
    }
    p.setFont(m_fonts[FootFont]);
    p.setPen(Qt::black);
    const QRectF foot(0, m_height, m_width, kFootHeight);
    p.drawLine(foot.topLeft() + QPointF(0, 6), foot.topRight() + QPointF(0, 6));
    p.drawText(foot.adjusted(0, 9, 0, 0), Qt::AlignLeft | Qt::AlignTop, footer(page));
}

QImage ReportPages::pageImage(int page, double zoom) const {
    const QRectF full = m_layout.fullRect(QPageLayout::Inch);
    const QRectF body = m_layout.paintRect(QPageLayout::Inch);
    QImage img(qRound(full.width() * kLayoutDpi * zoom), qRound(full.height() * kLayoutDpi * zoom),
               QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.scale(zoom, zoom);
    p.translate(body.left() * kLayoutDpi, body.top() * kLayoutDpi);
    paintPage(p, page);
    return img;
}

bool ReportPages::paint(QPagedPaintDevice& device) const {
    QPainter p;
    if (!p.begin(&device))
        return false;
    const double scale = device.logicalDpiX() / kLayoutDpi;
    for (int i = 0; i < pageCount(); ++i) {
        if (i > 0 && !device.newPage())
            return false;
        p.save();
        // The device's origin is already the printable corner.
        p.scale(scale, scale);
        paintPage(p, i);
        p.restore();
    }
    return p.end();
}

bool ReportPages::writePdf(const QString& path, QString* error) const {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        if (error)
            *error = QStringLiteral("%1 cannot be written: %2").arg(path, file.errorString());
        return false;
    }
    {
        QPdfWriter pdf(&file);
        pdf.setPageLayout(m_layout);
        pdf.setResolution(300);
        pdf.setTitle(m_title);
        pdf.setCreator(QStringLiteral("Wortsmith Calculator"));
        if (!paint(pdf)) {
            file.cancelWriting();
            if (error)
                *error = QStringLiteral("%1 could not be drawn.").arg(path);
            return false;
        }
    }
    if (!file.commit()) {
        if (error)
            *error = QStringLiteral("%1 cannot be written: %2").arg(path, file.errorString());
        return false;
    }
    return true;
}

} // namespace wsc
