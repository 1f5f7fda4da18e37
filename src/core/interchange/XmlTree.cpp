#include "interchange/XmlTree.h"

#include <QXmlStreamReader>

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

// The bytes without the control characters XML 1.0 does not allow (all below 0x20 but tab,
// line feed and carriage return). In UTF-8 such a byte is always a character of its own; a
// file in UTF-16 or UTF-32 is left as it is.
QByteArray withoutControls(const QByteArray& bytes, XmlReadNotes& notes) {
    if (bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF") ||
        bytes.contains(QByteArray(2, '\0')))
        return bytes;
    QByteArray out;
    out.reserve(bytes.size());
    qint64 line = 1;
    qint64 column = 1;
    for (const char c : bytes) {
        const auto u = static_cast<unsigned char>(c);
        if (u < 0x20 && c != '\t' && c != '\n' && c != '\r') {
            if (notes.droppedControls++ == 0) {
                notes.firstDropLine = line;
                notes.firstDropColumn = column;
            }
            continue;
        }
        out.append(c);
        if (c == '\n') {
            ++line;
            column = 1;
        } else if ((u & 0xC0) != 0x80) {
            ++column;
        }
    }
    return out;
}

// The same text with all its top-level elements inside one, after the XML declaration and on
// the same line, so that lines keep their numbers.
QByteArray wrapped(const QByteArray& bytes) {
    qsizetype at = 0;
    const qsizetype declaration = bytes.indexOf("<?xml");
    if (declaration >= 0 && declaration <= 3) {
        const qsizetype end = bytes.indexOf("?>", declaration);
        if (end >= 0)
            at = end + 2;
    }
    return bytes.left(at) + "<WSC_DOCUMENT>" + bytes.mid(at) + "</WSC_DOCUMENT>";
}

std::optional<XmlElement> parse(const QByteArray& bytes, XmlProblem& problem, bool& extraContent);

} // namespace

std::optional<XmlElement> ReadXmlTree(const QByteArray& bytes, XmlProblem& problem, qint64 maxBytes,
                                      XmlReadNotes* notesOut) {
    if (bytes.size() > maxBytes) {
        problem = {QStringLiteral("the file has %1 bytes; at most %2 are read")
                       .arg(bytes.size())
                       .arg(maxBytes)};
        return std::nullopt;
    }
    XmlReadNotes notes;
    const QByteArray clean = withoutControls(bytes, notes);
    bool extraContent = false;
    std::optional<XmlElement> root = parse(clean, problem, extraContent);
    if (!root && extraContent) {
        // Several sections side by side (some programs write their reference lists beside the
        // recipes): read them all.
        XmlProblem second;
        bool again = false;
        root = parse(wrapped(clean), second, again);
        if (root) {
            root->name = QString::fromLatin1(kXmlDocumentRoot);
            notes.severalRoots = true;
        }
    }
    if (notesOut)
        *notesOut = notes;
    return root;
}

namespace {

std::optional<XmlElement> parse(const QByteArray& bytes, XmlProblem& problem, bool& extraContent) {
    QXmlStreamReader reader(bytes);
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
            else
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
