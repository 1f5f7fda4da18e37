#include "core/interchange/XmlTree.h"

#include <QBuffer>
#include <QIODevice>
#include <QStringDecoder>

#include <expat.h>

#include <algorithm>
#include <cstring>

namespace wsc {

XmlElement::~XmlElement() {
    // A tree as deep as a file makes it must not take as deep a recursion to free.
    if (children.empty())
        return;
    std::vector<XmlElement> pending = std::move(children);
    while (!pending.empty()) {
        XmlElement last = std::move(pending.back());
        pending.pop_back();
        for (XmlElement& c : last.children)
            pending.push_back(std::move(c));
        last.children.clear();
    }
}

const XmlElement* XmlElement::child(const char* childName) const {
    for (const XmlElement& c : children) {
        if (c.name == QLatin1String(childName))
            return &c;
    }
    return nullptr;
}

std::vector<const XmlElement*> XmlElement::all(const char* childName) const {
    std::vector<const XmlElement*> out;
    for (const XmlElement& c : children) {
        if (c.name == QLatin1String(childName))
            out.push_back(&c);
    }
    return out;
}

QString XmlElement::value(const char* childName) const {
    const XmlElement* c = child(childName);
    return c ? c->text : QString();
}

const XmlElement* XmlElement::takeChild(const char* childName) const {
    const XmlElement* c = child(childName);
    if (c)
        c->used = true;
    return c;
}

std::vector<const XmlElement*> XmlElement::takeAll(const char* childName) const {
    std::vector<const XmlElement*> out = all(childName);
    for (const XmlElement* c : out)
        c->used = true;
    return out;
}

QString XmlElement::takeValue(const char* childName) const {
    const XmlElement* c = takeChild(childName);
    return c ? c->text : QString();
}

QString XmlProblem::describe() const {
    if (line <= 0)
        return text;
    return QStringLiteral("line %1, column %2: %3").arg(line).arg(column).arg(text);
}

namespace {

constexpr qint64 kChunk = 256 * 1024;
const QByteArray kWrapOpen = QByteArray("<") + kXmlStreamWrapper + ">";
const QByteArray kWrapClose = QByteArray("</") + kXmlStreamWrapper + ">";

// The file as the parser reads it, a piece at a time: without the control characters XML 1.0
// does not allow (all below 0x20 but tab, line feed and carriage return; in UTF-8 such a byte
// is always a character of its own, and a file in UTF-16 or UTF-32 is left as it is), and,
// when asked, with all its top-level elements inside one, after the XML declaration and on
// the same line, so that lines keep their numbers.
class XmlSource {
public:
    XmlSource(QIODevice& in, bool wrap, XmlReadNotes& notes)
        : m_in(in), m_wrap(wrap), m_notes(notes) {}

    // Up to `maxSize` bytes; 0 at the end of the file, -1 when it cannot be read.
    qint64 read(char* data, qint64 maxSize) {
        qint64 done = 0;
        while (done < maxSize) {
            if (m_at == m_pending.size()) {
                if (m_done)
                    break;
                if (!fill())
                    return -1;
                continue;
            }
            const qint64 n = std::min<qint64>(maxSize - done, m_pending.size() - m_at);
            std::memcpy(data + done, m_pending.constData() + m_at, static_cast<std::size_t>(n));
            m_at += n;
            done += n;
        }
        return done;
    }
    qint64 bytesRead() const { return m_read; }

private:
    bool fill() {
        m_pending.clear();
        m_at = 0;
        QByteArray chunk = m_in.read(kChunk);
        if (chunk.isEmpty()) {
            if (!m_in.atEnd())
                return false;
            if (m_wrap)
                m_pending = kWrapClose;
            m_done = true;
            return true;
        }
        m_read += chunk.size();
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
        return true;
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
    qint64 m_read = 0;
    bool m_first = true;
    bool m_filter = true;
    bool m_wrapped = false;
    bool m_done = false;
    qint64 m_line = 1;
    qint64 m_column = 1;
};

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

// The text of the element being read: its first kMaxXmlText characters, and of the rest only
// how far its last character that is no blank stands. Blanks in front that fill the whole
// allowance are read past, so that a text after a sea of blanks is still found.
struct TextSoFar {
    QString kept;
    bool ink = false;
    bool overflow = false;
    // Characters after `kept`, up to and with the last one that is no blank.
    qint64 inkAfter = 0;
    qint64 blanksAfter = 0;

    void append(const char* s, int len) {
        if (overflow) {
            countRest(QByteArray::fromRawData(s, len));
            return;
        }
        QString more = QString::fromUtf8(s, len);
        if (!ink) {
            qsizetype first = 0;
            while (first < more.size() && more.at(first).isSpace())
                ++first;
            if (first == more.size()) {
                if (kept.size() + more.size() <= kMaxXmlText)
                    kept += more;
                return;
            }
            ink = true;
            if (kept.size() + first > kMaxXmlText) {
                kept.clear();
                more.remove(0, first);
            }
        }
        const qsizetype room = kMaxXmlText - kept.size();
        if (more.size() <= room) {
            kept += more;
            return;
        }
        kept += QStringView(more).left(room);
        overflow = true;
        countRest(QStringView(more).mid(room).toUtf8());
    }
    void countRest(const QByteArray& bytes) {
        for (const char c : bytes) {
            if ((static_cast<unsigned char>(c) & 0xC0) == 0x80)
                continue;
            if (isBlank(c)) {
                ++blanksAfter;
            } else {
                inkAfter += blanksAfter + 1;
                blanksAfter = 0;
            }
        }
    }
    void finish(XmlElement& e) {
        // Only an element without children can have a text worth keeping as it stands.
        if (e.children.empty())
            e.raw = kept;
        e.text = kept.trimmed();
        e.length = e.text.size();
        if (overflow && inkAfter > 0) {
            qsizetype lead = 0;
            while (lead < kept.size() && kept.at(lead).isSpace())
                ++lead;
            e.text = kept.mid(lead);
            e.length = e.text.size() + inkAfter;
        }
    }
};

// The single-byte encodings Qt knows that expat does not (windows-1252 above all), as the map
// expat asks for.
int unknownEncoding(void*, const XML_Char* name, XML_Encoding* info) {
    if (!QStringDecoder(name).isValid())
        return XML_STATUS_ERROR;
    for (int b = 0; b < 256; ++b) {
        const char byte = static_cast<char>(b);
        QStringDecoder decoder(name, QStringDecoder::Flag::Stateless);
        const QString s = decoder.decode(QByteArrayView(&byte, 1));
        const bool one = !decoder.hasError() && s.size() == 1 &&
                         s.at(0) != QChar::ReplacementCharacter && !s.at(0).isSurrogate();
        info->map[b] = one ? s.at(0).unicode() : -1;
        // The mark-up itself must read as ASCII.
        if (b < 0x80 && info->map[b] != b && info->map[b] != -1)
            return XML_STATUS_ERROR;
    }
    info->data = nullptr;
    info->convert = nullptr;
    info->release = nullptr;
    return XML_STATUS_OK;
}

// One reading of a file with expat: the elements open around the place being read, each with
// its text so far, and what came of it.
class Reading {
public:
    Reading(const XmlStream& stream, XmlProblem& problem) : m_stream(stream), m_problem(problem) {
        m_parser = XML_ParserCreate(nullptr);
        XML_SetUserData(m_parser, this);
        XML_SetElementHandler(m_parser, &Reading::onStart, &Reading::onEnd);
        XML_SetCharacterDataHandler(m_parser, &Reading::onText);
        XML_SetStartDoctypeDeclHandler(m_parser, &Reading::onDoctype);
        XML_SetUnknownEncodingHandler(m_parser, &unknownEncoding, nullptr);
        XML_SetParamEntityParsing(m_parser, XML_PARAM_ENTITY_PARSING_NEVER);
    }
    ~Reading() { XML_ParserFree(m_parser); }
    Reading(const Reading&) = delete;
    Reading& operator=(const Reading&) = delete;

    std::optional<XmlElement> run(XmlSource& source, bool& extraContent);

private:
    static void onStart(void* self, const XML_Char* name, const XML_Char**) {
        static_cast<Reading*>(self)->start(name);
    }
    static void onEnd(void* self, const XML_Char*) { static_cast<Reading*>(self)->end(); }
    static void onText(void* self, const XML_Char* s, int len) {
        Reading& r = *static_cast<Reading*>(self);
        if (r.m_skipping == 0 && !r.m_texts.empty())
            r.m_texts.back().append(s, len);
    }
    static void onDoctype(void* self, const XML_Char*, const XML_Char*, const XML_Char*, int) {
        static_cast<Reading*>(self)->fail(
            QStringLiteral("document type declarations are not accepted (they could expand or "
                           "fetch entities)"));
    }

    void start(const XML_Char* name) {
        if (m_failed)
            return;
        m_started = true;
        if (m_stack.size() + static_cast<std::size_t>(m_skipping) >= std::size_t(kMaxXmlDepth)) {
            fail(QStringLiteral("the elements are nested more than %1 levels deep here; no "
                                "recipe file needs so many")
                     .arg(kMaxXmlDepth));
            return;
        }
        if (m_skipping > 0) {
            ++m_skipping;
            return;
        }
        XmlElement e;
        e.name = QString::fromUtf8(name).toUpper();
        e.line = qint64(XML_GetCurrentLineNumber(m_parser));
        e.column = qint64(XML_GetCurrentColumnNumber(m_parser)) + 1;
        if (m_stream.keep && !m_stream.keep(e, m_stack)) {
            m_skipping = 1;
            return;
        }
        m_stack.push_back(std::move(e));
        m_texts.emplace_back();
    }
    void end() {
        if (m_failed)
            return;
        if (m_skipping > 0) {
            --m_skipping;
            return;
        }
        XmlElement done = std::move(m_stack.back());
        m_stack.pop_back();
        m_texts.back().finish(done);
        m_texts.pop_back();
        if (m_stack.empty())
            m_root = std::move(done);
        else if (!m_stream.take || !m_stream.take(done, m_stack))
            m_stack.back().children.push_back(std::move(done));
    }
    void fail(const QString& text) {
        if (m_failed)
            return;
        m_failed = true;
        m_problem = {text, qint64(XML_GetCurrentLineNumber(m_parser)),
                     qint64(XML_GetCurrentColumnNumber(m_parser)) + 1};
        XML_StopParser(m_parser, XML_FALSE);
    }
    // What expat found wrong, in words a brewer can act on where expat's own are terse.
    QString faultText(XML_Error code) const {
        switch (code) {
        case XML_ERROR_NO_ELEMENTS:
            return m_started ? QStringLiteral("the file ends before its elements are closed")
                             : QStringLiteral("the file holds no XML element");
        case XML_ERROR_INVALID_TOKEN: {
            int offset = 0;
            int size = 0;
            const char* context = XML_GetInputContext(m_parser, &offset, &size);
            if (context && offset >= 0 && offset < size &&
                static_cast<unsigned char>(context[offset]) >= 0x80)
                return QStringLiteral("byte 0x%1 is not a character of the file's encoding "
                                      "(UTF-8 unless the file says otherwise)")
                    .arg(
                        QString::number(static_cast<unsigned char>(context[offset]), 16).toUpper());
            break;
        }
        case XML_ERROR_UNKNOWN_ENCODING:
        case XML_ERROR_INCORRECT_ENCODING:
            return QStringLiteral("the file's encoding is not one this program reads; save it "
                                  "as UTF-8");
        case XML_ERROR_UNDEFINED_ENTITY:
            return QStringLiteral("an entity that is not known (only &amp; &lt; &gt; &quot; "
                                  "&apos; and character references are read)");
        default:
            break;
        }
        return QString::fromUtf8(XML_ErrorString(code));
    }

    const XmlStream& m_stream;
    XmlProblem& m_problem;
    XML_Parser m_parser = nullptr;
    std::vector<XmlElement> m_stack;
    std::vector<TextSoFar> m_texts;
    std::optional<XmlElement> m_root;
    int m_skipping = 0;
    bool m_started = false;
    bool m_failed = false;
};

std::optional<XmlElement> Reading::run(XmlSource& source, bool& extraContent) {
    extraContent = false;
    qint64 fed = 0;
    for (;;) {
        // The start of a piece of mark-up not yet complete stays in the parser's buffer and is
        // read again with each piece added: each addition at least as large as what waits
        // keeps that linear, and the limit keeps it small.
        const qint64 waiting = fed - qint64(XML_GetCurrentByteIndex(m_parser));
        if (fed > 0 && waiting > kMaxXmlMarkup) {
            fail(QStringLiteral("a single tag, comment or other piece of mark-up runs on for more "
                                "than %1 MiB from here")
                     .arg(kMaxXmlMarkup / (1024 * 1024)));
            return std::nullopt;
        }
        // ... and no more than takes what waits past the limit.
        const qint64 want = std::min(std::max(kChunk, waiting), kMaxXmlMarkup + 1 - waiting);
        void* buffer = XML_GetBuffer(m_parser, static_cast<int>(want));
        if (!buffer) {
            m_problem = {QStringLiteral("not enough memory to read the file")};
            return std::nullopt;
        }
        const qint64 n = source.read(static_cast<char*>(buffer), want);
        if (n < 0) {
            m_problem = {QStringLiteral("the file could not be read to its end")};
            return std::nullopt;
        }
        fed += n;
        const XML_Status status = XML_ParseBuffer(m_parser, static_cast<int>(n), n == 0);
        if (m_failed)
            return std::nullopt;
        if (status == XML_STATUS_ERROR) {
            const XML_Error code = XML_GetErrorCode(m_parser);
            // A complete first element followed by more: a file of several sections.
            extraContent = m_root.has_value() && code == XML_ERROR_JUNK_AFTER_DOC_ELEMENT;
            m_problem = {faultText(code), qint64(XML_GetCurrentLineNumber(m_parser)),
                         qint64(XML_GetCurrentColumnNumber(m_parser)) + 1};
            return std::nullopt;
        }
        if (m_stream.progress && !m_stream.progress(source.bytesRead())) {
            m_problem = {QStringLiteral("the reading was cancelled")};
            m_problem.cancelled = true;
            return std::nullopt;
        }
        if (n == 0)
            break;
    }
    if (!m_root) {
        m_problem = {QStringLiteral("the file holds no XML element")};
        return std::nullopt;
    }
    return std::move(m_root);
}

std::optional<XmlElement> parse(XmlSource& source, XmlProblem& problem, bool& extraContent,
                                const XmlStream& stream) {
    Reading reading(stream, problem);
    return reading.run(source, extraContent);
}

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
        } else if (stream.severalRoots || second.cancelled) {
            problem = second;
        }
    }
    if (notesOut)
        *notesOut = notes;
    return root;
}

} // namespace wsc
