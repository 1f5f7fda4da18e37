#include "core/reports/ReportFile.h"

#include "core/settings/FileNodes.h"

#include <QFile>
#include <QRegularExpression>

namespace wsc {

ReportSyntaxError::ReportSyntaxError(int line, const QString& message)
    : std::runtime_error(message.toStdString()), m_line(line), m_message(message) {}

const ReportSubreport* ReportFile::subreportInSection(int section) const {
    for (const ReportSubreport& s : subreports) {
        if (s.section == section)
            return &s;
    }
    return nullptr;
}

const ReportSubreport* ReportFile::subreportNamed(const QString& name) const {
    for (const ReportSubreport& s : subreports) {
        if (s.name.compare(name, Qt::CaseInsensitive) == 0)
            return &s;
    }
    return nullptr;
}

namespace {

struct Token {
    QString text;
    bool quoted = false;
};

// Splits a line into words and "quoted texts" (\" and \\ inside quotes); '#' outside quotes
// starts a comment.
std::vector<Token> tokenize(const QString& line, int lineNo) {
    std::vector<Token> out;
    qsizetype i = 0;
    while (i < line.size()) {
        const QChar c = line.at(i);
        if (c.isSpace()) {
            ++i;
        } else if (c == u'#') {
            break;
        } else if (c == u'"') {
            Token t{QString(), true};
            ++i;
            bool closed = false;
            while (i < line.size()) {
                const QChar d = line.at(i++);
                if (d == u'\\' && i < line.size()) {
                    t.text += line.at(i++);
                } else if (d == u'"') {
                    closed = true;
                    break;
                } else {
                    t.text += d;
                }
            }
            if (!closed)
                throw ReportSyntaxError(lineNo, QStringLiteral("a quoted text is not closed"));
            out.push_back(t);
        } else {
            Token t;
            while (i < line.size() && !line.at(i).isSpace() && line.at(i) != u'"')
                t.text += line.at(i++);
            out.push_back(t);
        }
    }
    return out;
}

class Parser {
public:
    explicit Parser(ReportFile& file) : m_file(file) {}

    void line(int no, const std::vector<Token>& t) {
        m_no = no;
        if (t.empty())
            return;
        if (t[0].quoted)
            fail(QStringLiteral("a line starts with a keyword, not with \"%1\"").arg(t[0].text));
        const QString& key = t[0].text;
        if (m_block)
            return blockLine(key, t);
        if (m_subreport)
            return subreportLine(key, t);
        topLine(key, t);
    }

    void finish() {
        if (m_block || m_subreport)
            throw ReportSyntaxError(m_no, QStringLiteral("the last block has no \"end\""));
        if (m_file.title.isEmpty())
            throw ReportSyntaxError(0, QStringLiteral("the file has no \"report\" line"));
        if (m_file.source.table.isEmpty())
            throw ReportSyntaxError(0, QStringLiteral("the file has no \"table\" line"));
        if (m_file.items.empty() && m_file.columns.empty())
            throw ReportSyntaxError(0, QStringLiteral("the file shows nothing"));
        if (!m_file.items.empty() && !m_file.columns.empty())
            throw ReportSyntaxError(
                0, QStringLiteral("a report has either columns or items such as \"fields\""));
    }

private:
    [[noreturn]] void fail(const QString& message) const { throw ReportSyntaxError(m_no, message); }

    void count(const std::vector<Token>& t, std::size_t least, std::size_t most) const {
        if (t.size() < least || t.size() > most)
            fail(QStringLiteral("\"%1\" takes %2 word(s) after it")
                     .arg(t[0].text,
                          least == most ? QString::number(least - 1)
                                        : QStringLiteral("%1 to %2").arg(least - 1).arg(most - 1)));
    }

    QString quoted(const Token& t, const char* what) const {
        if (!t.quoted)
            fail(QStringLiteral("%1 must be in quotes, not %2").arg(QLatin1String(what), t.text));
        return t.text;
    }

    QString name(const Token& t, const char* what) const {
        static const QRegularExpression word(QStringLiteral("^[A-Za-z_][A-Za-z0-9_]*$"));
        if (t.quoted || !word.match(t.text).hasMatch())
            fail(QStringLiteral("%1 must be a name, not \"%2\"").arg(QLatin1String(what), t.text));
        return t.text;
    }

    // "Column" or "Column:format", or a quoted literal.
    ReportValue value(const Token& t) const {
        ReportValue v;
        if (t.quoted) {
            v.literal = t.text;
            return v;
        }
        const qsizetype colon = t.text.indexOf(u':');
        v.column = name(Token{colon < 0 ? t.text : t.text.left(colon)}, "a column");
        if (colon >= 0)
            v.format = format(t.text.mid(colon + 1));
        return v;
    }

    QString format(const QString& f) const {
        static const QRegularExpression printf(QStringLiteral("^%(\\.[0-9])?[df]$"));
        if (printf.match(f).hasMatch() || f == QLatin1String("date") ||
            f == QLatin1String("yesno") || f == QLatin1String("srm") || m_file.choices.count(f))
            return f;
        fail(QStringLiteral("unknown format \"%1\" (a printf format such as %.1f or %d, date, "
                            "yesno, srm, or a choices list named earlier)")
                 .arg(f));
    }

    // The words that may follow a value: units Column[:choices], to Column, and Column,
    // plus Column, unset N. Reads from t[i] on and returns the index after what it took.
    std::size_t valueOptions(ReportValue& v, const std::vector<Token>& t, std::size_t i) const {
        while (i < t.size() && !t[i].quoted && i + 1 < t.size()) {
            const QString& w = t[i].text;
            if (w == QLatin1String("unset")) {
                bool ok = false;
                v.unset = t[i + 1].text.toDouble(&ok);
                if (!ok || t[i + 1].quoted)
                    fail(QStringLiteral("\"unset\" takes a number, not \"%1\"").arg(t[i + 1].text));
                i += 2;
            } else if (w == QLatin1String("in")) {
                static const std::pair<const char*, Quantity> kQuantities[] = {
                    {"volume", Quantity::Volume},
                    {"weight", Quantity::Weight},
                    {"temperature", Quantity::Temperature},
                    {"gravity", Quantity::Gravity},
                    {"color", Quantity::Color},
                };
                for (const auto& [word, quantity] : kQuantities) {
                    if (t[i + 1].text == QLatin1String(word))
                        v.quantity = quantity;
                }
                if (!v.quantity || t[i + 1].quoted)
                    fail(QStringLiteral("\"in\" takes volume, weight, temperature, gravity or "
                                        "color, not \"%1\"")
                             .arg(t[i + 1].text));
                i += 2;
            } else if (w == QLatin1String("units")) {
                const QString& u = t[i + 1].text;
                const qsizetype colon = u.indexOf(u':');
                v.unitsColumn = name(Token{colon < 0 ? u : u.left(colon)}, "a column");
                if (colon >= 0) {
                    v.unitsChoices = u.mid(colon + 1);
                    if (!m_file.choices.count(v.unitsChoices))
                        fail(QStringLiteral("unknown choices list \"%1\" for units")
                                 .arg(v.unitsChoices));
                }
                i += 2;
            } else if (w == QLatin1String("to") || w == QLatin1String("and") ||
                       w == QLatin1String("plus")) {
                const QString other = name(t[i + 1], "a column");
                if (w == QLatin1String("and"))
                    v.andColumns << other;
                else if (w == QLatin1String("plus"))
                    v.plusColumns << other;
                else
                    v.toColumn = other;
                i += 2;
            } else {
                break;
            }
        }
        return i;
    }

    // column Column[:format] "Header" [units Column[:choices]] [to Column] [and Column]
    //        [plus Column] [unset N] [right]
    ReportColumn column(const std::vector<Token>& t) const {
        if (t.size() < 3)
            fail(QStringLiteral("\"column\" takes a column and a header in quotes"));
        ReportColumn c;
        c.value = value(t[1]);
        if (t[1].quoted)
            fail(QStringLiteral("a column must name a column of the table"));
        c.header = quoted(t[2], "the header");
        for (std::size_t i = 3; i < t.size();) {
            const QString& w = t[i].text;
            if (w == QLatin1String("right") && !t[i].quoted) {
                c.right = true;
                ++i;
                continue;
            }
            const std::size_t next = valueOptions(c.value, t, i);
            if (next == i)
                fail(QStringLiteral("unknown word \"%1\" in a column (units, to, and, plus, "
                                    "unset or right)")
                         .arg(w));
            i = next;
        }
        return c;
    }

    ReportSource& currentSource() {
        return m_subreport ? m_file.subreports.back().source : m_file.source;
    }

    bool sourceLine(const QString& key, const std::vector<Token>& t) {
        if (key == QLatin1String("table")) {
            count(t, 2, 2);
            currentSource().table = name(t[1], "a table");
        } else if (key == QLatin1String("order")) {
            if (t.size() < 2)
                fail(QStringLiteral("\"order\" takes one or more columns"));
            QStringList cols;
            for (std::size_t i = 1; i < t.size(); ++i)
                cols << name(t[i], "a column");
            currentSource().order = cols;
        } else {
            return false;
        }
        return true;
    }

    void topLine(const QString& key, const std::vector<Token>& t) {
        if (sourceLine(key, t))
            return;
        if (key == QLatin1String("report")) {
            count(t, 2, 2);
            m_file.title = quoted(t[1], "the title");
        } else if (key == QLatin1String("group")) {
            count(t, 2, 2);
            m_file.groupColumn = name(t[1], "a column");
        } else if (key == QLatin1String("column")) {
            m_file.columns.push_back(column(t));
        } else if (key == QLatin1String("choices")) {
            if (t.size() < 4 || t.size() % 2 != 0)
                fail(QStringLiteral("\"choices\" takes a name and pairs of value and \"text\""));
            auto& list = m_file.choices[name(t[1], "a choices list")];
            for (std::size_t i = 2; i + 1 < t.size(); i += 2)
                list[t[i].text] = quoted(t[i + 1], "a choice's text");
        } else if (key == QLatin1String("heading")) {
            if (t.size() < 2)
                fail(QStringLiteral("\"heading\" takes texts and columns"));
            ReportItem item;
            item.kind = ReportItem::Kind::Heading;
            for (std::size_t i = 1; i < t.size(); ++i)
                item.parts.push_back(value(t[i]));
            m_file.items.push_back(item);
        } else if (key == QLatin1String("memo")) {
            count(t, 3, 3);
            ReportItem item;
            item.kind = ReportItem::Kind::Memo;
            item.caption = quoted(t[1], "the caption");
            item.memo = value(t[2]);
            m_file.items.push_back(item);
        } else if (key == QLatin1String("fields")) {
            count(t, 2, 3);
            ReportItem item;
            item.kind = ReportItem::Kind::Fields;
            item.caption = quoted(t[1], "the caption");
            if (t.size() == 3) {
                bool ok = false;
                item.pairsPerRow = t[2].text.toInt(&ok);
                if (!ok || item.pairsPerRow < 1 || item.pairsPerRow > 4)
                    fail(
                        QStringLiteral("fields per row must be 1 to 4, not \"%1\"").arg(t[2].text));
            }
            m_file.items.push_back(item);
            m_block = true;
        } else if (key == QLatin1String("grid")) {
            count(t, 2, 3);
            ReportItem item;
            item.kind = ReportItem::Kind::Grid;
            item.caption = quoted(t[1], "the caption");
            if (t.size() == 3) {
                if (t[2].text != QLatin1String("skipempty") || t[2].quoted)
                    fail(QStringLiteral("unknown word \"%1\" after a grid").arg(t[2].text));
                item.skipEmptyRows = true;
            }
            m_file.items.push_back(item);
            m_block = true;
        } else if (key == QLatin1String("checklist")) {
            if (t.size() < 3)
                fail(QStringLiteral(
                    "\"checklist\" takes a caption and one or more steps in quotes"));
            ReportItem item;
            item.kind = ReportItem::Kind::Checklist;
            item.caption = quoted(t[1], "the caption");
            for (std::size_t i = 2; i < t.size(); ++i)
                item.checks << quoted(t[i], "a step");
            m_file.items.push_back(item);
        } else if (key == QLatin1String("notes")) {
            count(t, 3, 3);
            ReportItem item;
            item.kind = ReportItem::Kind::Notes;
            item.caption = quoted(t[1], "the caption");
            bool ok = false;
            item.noteLines = t[2].text.toInt(&ok);
            if (!ok || t[2].quoted || item.noteLines < 1 || item.noteLines > 40)
                fail(QStringLiteral("a notes box has 1 to 40 lines, not \"%1\"").arg(t[2].text));
            m_file.items.push_back(item);
        } else if (key == QLatin1String("subreport")) {
            count(t, 3, 3);
            bool ok = false;
            ReportSubreport s;
            s.section = t[1].text.toInt(&ok);
            if (!ok || s.section < 1 || s.section > 12)
                fail(QStringLiteral("a subreport's section is 1 to 12, not \"%1\"").arg(t[1].text));
            if (m_file.subreportInSection(s.section))
                fail(QStringLiteral("section %1 already holds a subreport").arg(s.section));
            s.name = quoted(t[2], "the subreport's name");
            if (m_file.subreportNamed(s.name))
                fail(QStringLiteral("a subreport named \"%1\" is already defined").arg(s.name));
            m_file.subreports.push_back(s);
            ReportItem item;
            item.kind = ReportItem::Kind::Subreport;
            item.subreport = static_cast<int>(m_file.subreports.size()) - 1;
            m_file.items.push_back(item);
            m_subreport = true;
        } else {
            fail(QStringLiteral("unknown keyword \"%1\"").arg(key));
        }
    }

    void blockLine(const QString& key, const std::vector<Token>& t) {
        ReportItem& item = m_file.items.back();
        if (key == QLatin1String("end")) {
            count(t, 1, 1);
            if ((item.kind == ReportItem::Kind::Fields && item.fields.empty()) ||
                (item.kind == ReportItem::Kind::Grid && item.rows.empty()))
                fail(QStringLiteral("the block \"%1\" is empty").arg(item.caption));
            m_block = false;
        } else if (item.kind == ReportItem::Kind::Fields) {
            fail(QStringLiteral("a field line is a label in quotes and a value, not \"%1\"")
                     .arg(key));
        } else if (key == QLatin1String("header")) {
            for (std::size_t i = 1; i < t.size(); ++i)
                item.headers << quoted(t[i], "a header");
        } else if (key == QLatin1String("row")) {
            if (item.headers.isEmpty())
                fail(QStringLiteral("a grid needs its \"header\" line before its rows"));
            std::vector<ReportValue> row;
            for (std::size_t i = 1; i < t.size();) {
                row.push_back(value(t[i]));
                i = t[i].quoted ? i + 1 : valueOptions(row.back(), t, i + 1);
            }
            if (static_cast<qsizetype>(row.size()) != item.headers.size())
                fail(QStringLiteral("a row has %1 values for %2 headers")
                         .arg(row.size())
                         .arg(item.headers.size()));
            item.rows.push_back(row);
        } else {
            fail(QStringLiteral("unknown keyword \"%1\" in a grid (header, row, end)").arg(key));
        }
    }

    void subreportLine(const QString& key, const std::vector<Token>& t) {
        ReportSubreport& s = m_file.subreports.back();
        if (sourceLine(key, t))
            return;
        if (key == QLatin1String("end")) {
            count(t, 1, 1);
            if (!s.source.predictions && (s.source.table.isEmpty() || s.columns.empty()))
                fail(QStringLiteral("the subreport \"%1\" needs a table and columns").arg(s.name));
            m_subreport = false;
        } else if (key == QLatin1String("link")) {
            count(t, 3, 3);
            s.source.linkChild = name(t[1], "a column");
            s.source.linkParent = name(t[2], "a column");
        } else if (key == QLatin1String("column")) {
            s.columns.push_back(column(t));
        } else if (key == QLatin1String("empty")) {
            count(t, 2, 2);
            s.emptyText = quoted(t[1], "the text");
        } else if (key == QLatin1String("predictions")) {
            count(t, 1, 1);
            s.source.predictions = true;
        } else {
            fail(QStringLiteral("unknown keyword \"%1\" in a subreport").arg(key));
        }
    }

public:
    void fieldLine(const std::vector<Token>& t) {
        ReportItem& item = m_file.items.back();
        if (t.size() < 2)
            fail(QStringLiteral("a field line is a label in quotes and one value"));
        ReportValue v = value(t[1]);
        if (valueOptions(v, t, 2) != t.size())
            fail(QStringLiteral("a field line is a label in quotes and one value, with units, "
                                "to, and, plus, in or unset after it"));
        item.fields.emplace_back(t[0].text, v);
    }
    bool inFields() const {
        return m_block && m_file.items.back().kind == ReportItem::Kind::Fields;
    }

private:
    ReportFile& m_file;
    int m_no = 0;
    bool m_block = false;
    bool m_subreport = false;
};

} // namespace

ReportFile ReportFile::parse(const QString& text) {
    ReportFile file;
    Parser p(file);
    const QStringList lines = text.split(u'\n');
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const int no = static_cast<int>(i) + 1;
        const std::vector<Token> t = tokenize(lines.at(i), no);
        // Inside "fields", a line is a quoted label and its value (or "end").
        if (p.inFields() && !t.empty() && t[0].quoted) {
            p.line(no, {}); // keeps the line number for messages
            p.fieldLine(t);
            continue;
        }
        p.line(no, t);
    }
    p.finish();
    return file;
}

ReportFile ReportFile::load(const QString& path) {
    QFile f(path);
    if (QString why; !OpenRegularFile(f, why))
        throw ReportSyntaxError(
            0, QStringLiteral("The report file %1 cannot be read: %2").arg(path, why));
    // A report file is a page of text: one of many megabytes is no report file, and is not
    // read whole to find that out.
    if (f.size() > kMaxBytes)
        throw ReportSyntaxError(
            0, QStringLiteral("The report file %1 has %2 bytes; a report "
                              "file holds at most %3.")
                   .arg(path, QString::number(f.size()), QString::number(kMaxBytes)));
    return parse(QString::fromUtf8(f.readAll()));
}

} // namespace wsc
