#include "core/interchange/XmlTree.h"

#include <QBuffer>
#include <QXmlStreamReader>

#include <algorithm>
#include <cstring>

namespace wsc {

const XmlElement* XmlElement::child(const char* childName) const {
    for (const XmlElement& c : children) {
        if (c.name == QLatin1String(childName)) {
            c.used = true;
            return &c;
        }
    }
    return nullptr;
}

std::vector<const XmlElement*> XmlElement::all(const char* childName) const {
    std::vector<const XmlElement*> out;
    for (const XmlElement& c : children) {
        if (c.name == QLatin1String(childName)) {
            c.used = true;
            out.push_back(&c);
        }
    }
    return out;
}

QString XmlElement::value(const char* childName) const {
    const XmlElement* c = child(childName);
    return c ? c->text : QString();
}

QString XmlProblem::describe() const {
    if (line <= 0)
        return text;
    return QStringLiteral("line %1, column %2: %3").arg(line).arg(column).arg(text);
}

namespace {

constexpr qint64 kChunk = 256 * 1024;
constexpr char kWrapOpen[] = "<WSC_DOCUMENT>";
constexpr char kWrapClose[] = "</WSC_DOCUMENT>";

// The file as the parser reads it, a piece at a time: without the control characters XML 1.0
// does not allow (all below 0x20 but tab, line feed and carriage return; in UTF-8 such a byte
// is always a character of its own, and a file in UTF-16 or UTF-32 is left as it is), and,
// when asked, with all its top-level elements inside one, after the XML declaration and on
// the same line, so that lines keep their numbers.
class XmlSource : public QIODevice {
public:
    XmlSource(QIODevice& in, bool wrap, XmlReadNotes& notes)
        : m_in(in), m_wrap(wrap), m_notes(notes) {
        open(QIODevice::ReadOnly);
    }
    bool isSequential() const override { return true; }
    bool atEnd() const override { return m_done && m_pending.isEmpty() && QIODevice::atEnd(); }
    qint64 bytesAvailable() const override {
        return m_pending.size() - m_at + QIODevice::bytesAvailable() + (m_done ? 0 : kChunk);
    }

protected:
    qint64 readData(char* data, qint64 maxSize) override {
        while (m_pending.isEmpty() && !m_done)
            fill();
        const qint64 n = std::min<qint64>(maxSize, m_pending.size() - m_at);
        if (n == 0)
            return -1;
        std::memcpy(data, m_pending.constData() + m_at, static_cast<std::size_t>(n));
        m_at += n;
        if (m_at == m_pending.size()) {
            m_pending.clear();
            m_at = 0;
        }
        return n;
    }
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    void fill() {
        QByteArray chunk = m_in.read(kChunk);
        if (chunk.isEmpty()) {
            if (m_wrap)
                m_pending = kWrapClose;
            m_done = true;
            return;
        }
        if (m_first) {
            m_first = false;
            m_filter = !(chunk.startsWith("\xFF\xFE") || chunk.startsWith("\xFE\xFF") ||
                         chunk.contains(QByteArray(2, '\0')));
        }
        m_pending = m_filter ? withoutControls(chunk) : chunk;
        if (m_wrap && !m_wrapped) {
            m_wrapped = true;
            qsizetype at = 0;
            const qsizetype declaration = m_pending.indexOf("<?xml");
            if (declaration >= 0 && declaration <= 3) {
                const qsizetype end = m_pending.indexOf("?>", declaration);
                if (end >= 0)
                    at = end + 2;
            }
            m_pending.insert(at, kWrapOpen);
        }
    }
    static bool isControl(char c) {
        return static_cast<unsigned char>(c) < 0x20 && c != '\t' && c != '\n' && c != '\r';
    }
    // Where a file's text stands after `bytes`, kept only until the first character dropped.
    void advance(const char* bytes, qsizetype n) {
        const char* end = bytes + n;
        const char* lastLine = bytes;
        for (const char* p = bytes; (p = static_cast<const char*>(std::memchr(p, '\n', end - p)));
             ++p) {
            ++m_line;
            m_column = 1;
            lastLine = p + 1;
        }
        for (const char* p = lastLine; p < end; ++p)
            if ((static_cast<unsigned char>(*p) & 0xC0) != 0x80)
                ++m_column;
    }
    QByteArray withoutControls(const QByteArray& bytes) {
        const char* data = bytes.constData();
        const qsizetype n = bytes.size();
        qsizetype first = 0;
        while (first < n && !isControl(data[first]))
            ++first;
        if (first == n) {
            if (m_notes.droppedControls == 0)
                advance(data, n);
            return bytes;
        }
        if (m_notes.droppedControls == 0) {
            advance(data, first);
            m_notes.firstDropLine = m_line;
            m_notes.firstDropColumn = m_column;
        }
        QByteArray out;
        out.reserve(n);
        out.append(data, first);
        for (qsizetype i = first; i < n; ++i) {
            if (isControl(data[i]))
                ++m_notes.droppedControls;
            else
                out.append(data[i]);
        }
        return out;
    }

    QIODevice& m_in;
    const bool m_wrap;
    XmlReadNotes& m_notes;
    QByteArray m_pending;
    qsizetype m_at = 0;
    bool m_first = true;
    bool m_filter = true;
    bool m_wrapped = false;
    bool m_done = false;
    qint64 m_line = 1;
    qint64 m_column = 1;
};

std::optional<XmlElement> parse(QIODevice& source, XmlProblem& problem, bool& extraContent,
                                const XmlStream& stream);

} // namespace

std::optional<XmlElement> ReadXmlTree(const QByteArray& bytes, XmlProblem& problem, qint64 maxBytes,
                                      XmlReadNotes* notesOut) {
    QByteArray copy = bytes;
    QBuffer in(&copy);
    in.open(QIODevice::ReadOnly);
    return ReadXmlStream(in, problem, maxBytes, {}, notesOut);
}

std::optional<XmlElement> ReadXmlStream(QIODevice& in, XmlProblem& problem, qint64 maxBytes,
                                        const XmlStream& stream, XmlReadNotes* notesOut) {
    if (in.size() > maxBytes) {
        problem = {QStringLiteral("the file has %1 bytes; at most %2 are read")
                       .arg(in.size())
                       .arg(maxBytes)};
        return std::nullopt;
    }
    XmlReadNotes notes;
    bool extraContent = stream.severalRoots;
    std::optional<XmlElement> root;
    if (!stream.severalRoots) {
        XmlSource source(in, false, notes);
        root = parse(source, problem, extraContent, stream);
    }
    if (!root && extraContent && in.seek(0)) {
        // Several sections side by side (some programs write their reference lists beside the
        // recipes): read them all.
        if (stream.restart)
            stream.restart();
        notes = {};
        XmlProblem second;
        bool again = false;
        XmlSource source(in, true, notes);
        root = parse(source, second, again, stream);
        if (root) {
            root->name = QString::fromLatin1(kXmlDocumentRoot);
            notes.severalRoots = true;
        } else if (stream.severalRoots) {
            problem = second;
        }
    }
    if (notesOut)
        *notesOut = notes;
    return root;
}

namespace {

std::optional<XmlElement> parse(QIODevice& source, XmlProblem& problem, bool& extraContent,
                                const XmlStream& stream) {
    QXmlStreamReader reader(&source);
    reader.setNamespaceProcessing(false);
    std::vector<XmlElement> stack;
    std::optional<XmlElement> root;
    while (!reader.atEnd()) {
        const QXmlStreamReader::TokenType token = reader.readNext();
        switch (token) {
        case QXmlStreamReader::DTD:
            problem = {QStringLiteral("document type declarations are not accepted (they could "
                                      "expand or fetch entities)"),
                       reader.lineNumber(), reader.columnNumber()};
            return std::nullopt;
        case QXmlStreamReader::EntityReference:
            problem = {QStringLiteral("the entity \"%1\" is not known").arg(reader.name()),
                       reader.lineNumber(), reader.columnNumber()};
            return std::nullopt;
        case QXmlStreamReader::StartElement: {
            XmlElement e;
            e.name = reader.name().toString().toUpper();
            e.line = reader.lineNumber();
            e.column = reader.columnNumber();
            if (stream.keep && !stream.keep(e, stack)) {
                reader.skipCurrentElement();
                break;
            }
            stack.push_back(std::move(e));
            break;
        }
        case QXmlStreamReader::Characters:
            if (!stack.empty())
                stack.back().text += reader.text();
            break;
        case QXmlStreamReader::EndElement: {
            XmlElement done = std::move(stack.back());
            stack.pop_back();
            // Only an element without children can have a text worth keeping as it stands.
            if (done.children.empty())
                done.raw = done.text;
            done.text = done.text.trimmed();
            if (stack.empty())
                root = std::move(done);
            else if (!stream.take || !stream.take(done, stack))
                stack.back().children.push_back(std::move(done));
            break;
        }
        default:
            break;
        }
    }
    if (reader.hasError()) {
        // A complete first element followed by more: a file of several sections.
        extraContent = root.has_value() && reader.error() == QXmlStreamReader::NotWellFormedError;
        problem = {reader.errorString(), reader.lineNumber(), reader.columnNumber()};
        return std::nullopt;
    }
    if (!root) {
        problem = {QStringLiteral("the file holds no XML element")};
        return std::nullopt;
    }
    return root;
}

} // namespace

} // namespace wsc
