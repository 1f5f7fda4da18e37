#include "render/ReportPages.h"

#include "core/settings/FileNodes.h"

#include <QFontMetricsF>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QSaveFile>
#include <QTextLayout>

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

QPageLayout ReportPages::defaultLayout(const QLocale& locale) {
    const QPageSize::PageSizeId paper =
        locale.measurementSystem() == QLocale::ImperialUSSystem ? QPageSize::Letter : QPageSize::A4;
    return QPageLayout(QPageSize(paper), QPageLayout::Portrait, QMarginsF(15, 15, 15, 15),
                       QPageLayout::Millimeter);
}

ReportPages::ReportPages(RenderedReport report, const QPageLayout& layout)
    : m_report(std::move(report)), m_layout(layout), m_metrics(8, 8, QImage::Format_RGB32) {
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
    for (const auto& [pixels, weight] : sizes) {
        QFont f(family);
        f.setPixelSize(pixels);
        f.setWeight(static_cast<QFont::Weight>(weight));
        m_fonts.push_back(f);
    }
    m_fonts[Italic].setItalic(true);
    const QRectF body = m_layout.paintRect(QPageLayout::Inch);
    m_width = body.width() * kLayoutDpi;
    m_height = body.height() * kLayoutDpi - kFootHeight;
    m_starts.push_back(Start{});
    this->layout(Start{});
}

int ReportPages::fontOfSize(int base, double pixels) const {
    QFont f = m_fonts[static_cast<std::size_t>(base)];
    if (f.pixelSize() == qRound(pixels))
        return base;
    f.setPixelSize(qRound(pixels));
    for (std::size_t i = FontCount; i < m_fonts.size(); ++i) {
        if (m_fonts[i] == f)
            return static_cast<int>(i);
    }
    m_fonts.push_back(f);
    return static_cast<int>(m_fonts.size()) - 1;
}

double ReportPages::lineHeight(int font) const {
    // Asked for every cell of every row: measured once a font.
    const auto f = static_cast<std::size_t>(font);
    if (m_lineHeights.size() < m_fonts.size())
        m_lineHeights.resize(m_fonts.size(), -1);
    if (m_lineHeights[f] < 0)
        m_lineHeights[f] = QFontMetricsF(m_fonts[f], &m_metrics).height();
    return m_lineHeights[f];
}

QStringList ReportPages::lines(int font, const QString& text, double width) const {
    constexpr qsizetype kLong = 2048;
    std::size_t key = 0;
    if (text.size() > kLong) {
        key = qHash(text);
        const auto [first, end] = m_laidOut.equal_range(key);
        for (auto it = first; it != end; ++it) {
            if (it->second.font == font && it->second.width == width && it->second.text == text)
                return it->second.lines;
        }
    }
    QStringList out = layOut(font, text, width);
    if (text.size() > kLong)
        m_laidOut.emplace(key, LaidOut{text, font, width, out});
    return out;
}

QStringList ReportPages::layOut(int font, const QString& text, double width) const {
    const QFont& f = m_fonts[static_cast<std::size_t>(font)];
    const QFontMetricsF fm(f, &m_metrics);
    QStringList out;
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    // A layout's cost grows faster than its text: a long paragraph is laid out a piece at a
    // time, each piece starting where the last line of the one before started, so the lines
    // break exactly where they would in one layout of it all.
    constexpr qsizetype kPiece = 4096;
    for (const QString& paragraph : text.split(u'\n')) {
        // Most texts are one short line: kept whole without laying them out.
        if (paragraph.size() <= kPiece && fm.horizontalAdvance(paragraph) <= width) {
            out << paragraph;
            continue;
        }
        qsizetype from = 0;
        qsizetype piece = kPiece;
        while (from < paragraph.size()) {
            const bool last = paragraph.size() - from <= piece;
            QString part = paragraph.mid(from, last ? -1 : piece);
            // A piece ends after a whole word, so that no cut word fits a line it would not.
            if (const qsizetype blank = part.lastIndexOf(u' '); !last && blank > piece / 2)
                part.truncate(blank + 1);
            QTextLayout layout(part, f, &m_metrics);
            layout.setTextOption(option);
            layout.beginLayout();
            QStringList partLines;
            qsizetype lastStart = 0;
            for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
                line.setLineWidth(width);
                lastStart = line.textStart();
                partLines << part.mid(line.textStart(), line.textLength()).trimmed();
            }
            layout.endLayout();
            if (last) {
                out << partLines;
                break;
            }
            if (partLines.size() < 2) {
                // One line holds the whole piece: a larger one is needed to find its end.
                piece *= 2;
                continue;
            }
            partLines.removeLast();
            out << partLines;
            from += lastStart;
        }
    }
    return out;
}

double ReportPages::textHeight(int font, const QString& text, double width) const {
    return lineHeight(font) * static_cast<double>(lines(font, text, width).size());
}

bool ReportPages::newPage(std::size_t from, bool inside) const {
    if (m_onePage)
        return false;
    m_starts.push_back(Start{m_block, from, inside});
    m_y = 0;
    return true;
}

void ReportPages::push(Op op) const {
    // Counting the pages draws nothing.
    if (m_onePage)
        m_ops.push_back(std::move(op));
}

const std::vector<ReportPages::Op>& ReportPages::ops(int page) const {
    if (m_opsPage != page) {
        m_ops.clear();
        m_onePage = true;
        layout(m_starts.at(static_cast<std::size_t>(page)));
        m_onePage = false;
        m_opsPage = page;
    }
    return m_ops;
}

void ReportPages::text(int font, const QRectF& rect, const QString& text, int flags) const {
    placeLines(font, rect, lines(font, text, rect.width()), flags);
}

void ReportPages::placeLines(int font, const QRectF& rect, const QStringList& lines,
                             int flags) const {
    const double h = lineHeight(font);
    double y = rect.top();
    for (const QString& line : lines) {
        push(Op{Op::Kind::Text, QRectF(rect.left(), y, rect.width(), h), line, font, flags, {}});
        y += h;
    }
}

double ReportPages::leadHeight(const ReportBlock& b) const {
    using K = ReportBlock::Kind;
    switch (b.kind) {
    case K::Table: {
        const TableGeometry& g = geometry(b);
        return g.headHeight + (b.rows.empty() ? 0
                                              : rowHeight(cellLines(b, g, 0),
                                                          b.rows[0].group() ? g.bold : g.body));
    }
    case K::Paragraph:
    case K::Note:
        return 2 + lineHeight(Body) * std::min<double>(3, static_cast<double>(
                                                              lines(Body, b.text, m_width).size()));
    case K::Box: // kept whole
        return std::min(lineHeight(Body) * 1.6 * b.lines, m_height) + 2;
    default:
        return 3 * lineHeight(Body);
    }
}

void ReportPages::layout(Start start) const {
    m_y = 0;
    const auto& blocks = m_report.blocks;
    for (std::size_t i = start.block; i < blocks.size(); ++i) {
        m_block = i;
        if (!layoutBlock(i, i == start.block ? start : Start{i, 0, false}))
            return;
    }
}

bool ReportPages::layoutBlock(std::size_t i, const Start& start) const {
    using K = ReportBlock::Kind;
    const auto& blocks = m_report.blocks;
    const ReportBlock& b = blocks[i];
    switch (b.kind) {
    case K::PageBreak:
        return m_y > 0 ? newPage() : true;
    case K::Title:
    case K::Heading: {
        const Font f = b.kind == K::Title ? TitleFont : HeadingFont;
        const double before = m_y > 0 ? (b.kind == K::Title ? 10 : 12) : 0;
        const double h = textHeight(f, b.text, m_width);
        // A heading is kept with the start of what follows it.
        const double lead = i + 1 < blocks.size() && blocks[i + 1].kind != K::PageBreak
                                ? leadHeight(blocks[i + 1])
                                : 0;
        if (m_y + before + h + 4 + lead > m_height && m_y > 0 && !newPage())
            return false;
        m_y += m_y > 0 ? before : 0;
        text(f, QRectF(0, m_y, m_width, h), b.text, Qt::AlignLeft | Qt::AlignTop);
        m_y += h + 4;
        return true;
    }
    case K::Paragraph:
    case K::Note:
        return layoutText(b.kind == K::Note ? Italic : (b.bold ? Bold : Body), b.text, start);
    case K::Fields:
        return layoutFields(b, start);
    case K::Table:
        return layoutTable(b, start);
    case K::Check:
        return layoutText(Body, QStringLiteral("\u2610  ") + b.text, start);
    case K::Box:
        return layoutBox(b.lines);
    }
    return true;
}

// A framed box of ruled lines to write on, kept whole on one page.
bool ReportPages::layoutBox(int lines) const {
    const double rule = lineHeight(Body) * 1.6;
    const double h = std::min(rule * lines, m_height);
    if (m_y + h + 2 > m_height && m_y > 0 && !newPage())
        return false;
    const QRectF box(0, m_y + 2, m_width, h);
    push(Op{Op::Kind::Frame, box, {}, Body, 0, kRule});
    for (double y = box.top() + rule; y < box.bottom() - 1; y += rule)
        push(Op{Op::Kind::Fill, QRectF(4, y, m_width - 8, 0.5), {}, Body, 0, kRule});
    m_y += h + 8;
    return true;
}

// A text flows line by line over as many pages as it needs.
bool ReportPages::layoutText(int font, const QString& text, const Start& start) const {
    const double h = lineHeight(font);
    // A text the page before ran out of room for goes on at the top of this one.
    double y = start.inside ? 0 : m_y + 2;
    const QStringList all = lines(font, text, m_width);
    for (auto l = static_cast<qsizetype>(start.from); l < all.size(); ++l) {
        if (y + h > m_height && y > 2) {
            if (!newPage(static_cast<std::size_t>(l), true))
                return false;
            y = 0;
        }
        push(Op{Op::Kind::Text,
                QRectF(0, y, m_width, h),
                all.at(l),
                font,
                Qt::AlignLeft | Qt::AlignTop,
                {}});
        y += h;
    }
    m_y = y + 4;
    return true;
}

bool ReportPages::layoutFields(const ReportBlock& b, const Start& start) const {
    const auto n = static_cast<std::size_t>(std::max(1, b.pairsPerRow));
    const double pair = m_width / static_cast<double>(n);
    // The labels get the room the widest of them takes, up to a little over half the pair.
    const QFontMetricsF bold(m_fonts[Bold], &m_metrics);
    double widest = 0;
    for (const auto& [label, value] : b.fields)
        widest = std::max(widest, bold.horizontalAdvance(label));
    const double labelWidth = std::min(widest + 1, pair * 0.55 - 2 * kFieldPad);
    const double valueWidth = pair - labelWidth - 4 * kFieldPad - 4;
    for (std::size_t i = start.from; i < b.fields.size(); i += n) {
        double h = 0;
        for (std::size_t j = i; j < std::min(b.fields.size(), i + n); ++j)
            h = std::max({h, textHeight(Bold, b.fields[j].first, labelWidth),
                          textHeight(Body, b.fields[j].second, valueWidth)});
        h += 2 * kFieldPad;
        if (m_y + h > m_height && m_y > 0 && !newPage(i, true))
            return false;
        for (std::size_t j = i; j < std::min(b.fields.size(), i + n); ++j) {
            const double x = pair * static_cast<double>(j - i);
            text(Bold, QRectF(x + kFieldPad, m_y + kFieldPad, labelWidth, h), b.fields[j].first,
                 Qt::AlignLeft | Qt::AlignTop);
            text(Body, QRectF(x + labelWidth + 3 * kFieldPad + 4, m_y + kFieldPad, valueWidth, h),
                 b.fields[j].second, Qt::AlignLeft | Qt::AlignTop);
        }
        m_y += h;
    }
    m_y += 4;
    return true;
}

// Column widths from the texts as they print: each column as wide as its widest entry when the
// page holds them all; else as wide as its longest word, the rest of the page shared by how
// much more each column would take; else a step smaller type. Only a word wider than a whole
// column at the smallest type is broken.
const ReportPages::TableGeometry& ReportPages::geometry(const ReportBlock& b) const {
    auto found = m_geometry.find(&b);
    if (found != m_geometry.end())
        return found->second;
    TableGeometry g;
    const auto columns = static_cast<std::size_t>(b.headers.size());
    const double pad = 2 * kCellPad + 1; // a pixel to spare: layouts round
    for (const double pixels : {11.0, 10.0, 9.0}) {
        g.body = fontOfSize(Body, pixels);
        g.bold = fontOfSize(Bold, pixels);
        const QFontMetricsF fm(m_fonts[static_cast<std::size_t>(g.body)], &m_metrics);
        const QFontMetricsF fmBold(m_fonts[static_cast<std::size_t>(g.bold)], &m_metrics);
        auto widthOf = [](const QFontMetricsF& m, const QString& t) {
            if (!t.contains(u'\n'))
                return m.horizontalAdvance(t);
            double w = 0;
            for (const QString& part : t.split(u'\n'))
                w = std::max(w, m.horizontalAdvance(part));
            return w;
        };
        auto longestWord = [](const QFontMetricsF& m, const QString& t) {
            double w = 0;
            static const QRegularExpression space(QStringLiteral("\\s+"));
            for (const QString& word : t.split(space, Qt::SkipEmptyParts))
                w = std::max(w, m.horizontalAdvance(word));
            return w;
        };
        std::vector<double> natural(columns, 0), least(columns, 0);
        for (std::size_t c = 0; c < columns; ++c)
            natural[c] = widthOf(fmBold, b.headers.at(static_cast<qsizetype>(c)));
        g.advance.assign(b.rows.size() * columns, 0);
        for (std::size_t r = 0; r < b.rows.size(); ++r) {
            if (b.rows[r].group())
                continue;
            // The row's packed text split once, not searched again for each cell.
            const QStringList cells = b.rows[r].cells();
            for (std::size_t c = 0; c < columns; ++c) {
                const double a = widthOf(fm, cells.value(static_cast<qsizetype>(c)));
                g.advance[r * columns + c] = static_cast<float>(a);
                natural[c] = std::max(natural[c], a);
            }
        }
        double naturalSum = 0;
        for (double& w : natural)
            naturalSum += (w += pad);
        std::vector<double> widths(columns);
        if (naturalSum <= m_width) {
            for (std::size_t c = 0; c < columns; ++c)
                widths[c] = natural[c] * m_width / naturalSum;
        } else {
            for (std::size_t c = 0; c < columns; ++c)
                least[c] = longestWord(fmBold, b.headers.at(static_cast<qsizetype>(c)));
            for (std::size_t r = 0; r < b.rows.size(); ++r) {
                if (b.rows[r].group())
                    continue;
                for (std::size_t c = 0; c < columns; ++c) {
                    // A word is never wider than its whole text.
                    if (g.advance[r * columns + c] > least[c])
                        least[c] = std::max(
                            least[c], longestWord(fm, b.rows[r].cell(static_cast<qsizetype>(c))));
                }
            }
            double leastSum = 0, more = 0;
            for (std::size_t c = 0; c < columns; ++c) {
                leastSum += (least[c] += pad);
                more += natural[c] - least[c];
            }
            if (leastSum > m_width && pixels > 9.0)
                continue;
            for (std::size_t c = 0; c < columns; ++c)
                widths[c] = leastSum > m_width
                                ? least[c] * m_width / leastSum
                                : least[c] + (m_width - leastSum) *
                                                 (more > 0 ? (natural[c] - least[c]) / more
                                                           : 1.0 / static_cast<double>(columns));
        }
        g.x.assign(columns + 1, 0);
        for (std::size_t c = 0; c < columns; ++c)
            g.x[c + 1] = g.x[c] + widths[c];
        break;
    }
    double head = 0;
    for (std::size_t c = 0; c < columns; ++c)
        head = std::max(head, textHeight(g.bold, b.headers.at(static_cast<qsizetype>(c)),
                                         g.x[c + 1] - g.x[c] - 2 * kCellPad));
    g.headHeight = head + 2 * kCellPad;
    return m_geometry.emplace(&b, std::move(g)).first->second;
}

std::vector<QStringList> ReportPages::cellLines(const ReportBlock& b, const TableGeometry& g,
                                                std::size_t r) const {
    const ReportRow& row = b.rows[r];
    if (row.group())
        return {lines(g.bold, row.cell(0), m_width - 2 * kCellPad)};
    const auto columns = static_cast<std::size_t>(b.headers.size());
    const QStringList texts = row.cells();
    std::vector<QStringList> out(columns);
    for (std::size_t c = 0; c < columns; ++c) {
        const double room = g.x[c + 1] - g.x[c] - 2 * kCellPad;
        const QString cell = texts.value(static_cast<qsizetype>(c));
        // The width measured for the columns tells which cells need laying out.
        out[c] = g.advance[r * columns + c] <= room && !cell.contains(u'\n')
                     ? QStringList{cell}
                     : lines(g.body, cell, room);
    }
    return out;
}

double ReportPages::rowHeight(const std::vector<QStringList>& cells, int font) const {
    qsizetype most = 1;
    for (const QStringList& c : cells)
        most = std::max(most, c.size());
    return lineHeight(font) * static_cast<double>(most) + 2 * kCellPad;
}

bool ReportPages::layoutTable(const ReportBlock& b, const Start& start) const {
    const auto columns = static_cast<std::size_t>(b.headers.size());
    if (columns == 0)
        return true;
    const TableGeometry& g = geometry(b);
    const std::vector<double>& x = g.x;
    auto align = [&](std::size_t c) {
        return (c < b.right.size() && b.right[c] ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignTop;
    };
    auto head = [&] {
        for (std::size_t c = 0; c < columns; ++c) {
            const QRectF cell(x[c], m_y, x[c + 1] - x[c], g.headHeight);
            push(Op{Op::Kind::Fill, cell, {}, Body, 0, kHeadFill});
            push(Op{Op::Kind::Frame, cell, {}, Body, 0, kRule});
            text(g.bold, cell.adjusted(kCellPad, kCellPad, -kCellPad, -kCellPad),
                 b.headers.at(static_cast<qsizetype>(c)), align(c));
        }
        m_y += g.headHeight;
    };

    if (!start.inside && m_y + leadHeight(b) > m_height && m_y > 0 && !newPage())
        return false;
    head();
    for (std::size_t r = start.from; r < b.rows.size(); ++r) {
        const ReportRow& row = b.rows[r];
        const std::vector<QStringList> cells = cellLines(b, g, r);
        const double h = rowHeight(cells, row.group() ? g.bold : g.body);
        if (m_y + h > m_height && m_y > g.headHeight) {
            if (!newPage(r, true))
                return false;
            head();
        }
        if (row.group()) {
            const QRectF cell(0, m_y, m_width, h);
            push(Op{Op::Kind::Fill, cell, {}, Body, 0, kGroupFill});
            push(Op{Op::Kind::Frame, cell, {}, Body, 0, kRule});
            placeLines(g.bold, cell.adjusted(kCellPad, kCellPad, -kCellPad, -kCellPad),
                       cells.front(), Qt::AlignLeft | Qt::AlignTop);
        } else {
            for (std::size_t c = 0; c < columns; ++c) {
                const QRectF cell(x[c], m_y, x[c + 1] - x[c], h);
                push(Op{Op::Kind::Frame, cell, {}, Body, 0, kRule});
                placeLines(g.body, cell.adjusted(kCellPad, kCellPad, -kCellPad, -kCellPad),
                           cells[c], align(c));
            }
        }
        m_y += h;
    }
    m_y += 6;
    return true;
}

QString ReportPages::footer(int page) const {
    return QStringLiteral("%1  -  Printed %2  -  Page %3 of %4")
        .arg(m_report.title, m_report.printDate.toString(Qt::ISODate), QString::number(page + 1),
             QString::number(pageCount()));
}

QStringList ReportPages::pageTexts(int page) const {
    QStringList out;
    for (const Op& op : ops(page)) {
        if (op.kind == Op::Kind::Text)
            out << op.text;
    }
    return out;
}

std::vector<ReportPages::PlacedText> ReportPages::placedTexts(int page) const {
    std::vector<PlacedText> out;
    for (const Op& op : ops(page)) {
        if (op.kind == Op::Kind::Text)
            out.push_back({op.text, op.rect, m_fonts[static_cast<std::size_t>(op.font)]});
    }
    return out;
}

void ReportPages::paintPage(QPainter& p, int page) const {
    // The painter is in layout units with its origin at the page's printable corner.
    int font = -1;
    p.setPen(Qt::black);
    for (const Op& op : ops(page)) {
        switch (op.kind) {
        case Op::Kind::Text:
            if (op.font != font) {
                font = op.font;
                p.setFont(m_fonts[static_cast<std::size_t>(op.font)]);
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
    // A device or a FIFO would be replaced by the rename that ends the writing.
    if (const QString why = NotAFileReason(path); !why.isEmpty()) {
        if (error)
            *error = QStringLiteral("%1 cannot be written: %2").arg(path, why);
        return false;
    }
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
        pdf.setTitle(m_report.title);
        pdf.setCreator(QStringLiteral("Wortsmith Calculator"));
        if (!paint(pdf)) {
            file.cancelWriting();
            if (error)
                *error = QStringLiteral("%1 could not be drawn.").arg(path);
            return false;
        }
    }
    if (QString why; !CommitRegularFile(file, why)) {
        if (error)
            *error = QStringLiteral("%1 cannot be written: %2").arg(path, why);
        return false;
    }
    return true;
}

} // namespace wsc
