#include "interchange/XmlTree.h"

#include <QXmlStreamReader>

namespace wsc {

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

QString XmlProblem::describe() const {
    if (line <= 0)
        return text;
    return QStringLiteral("line %1, column %2: %3").arg(line).arg(column).arg(text);
}

std::optional<XmlElement> ReadXmlTree(const QByteArray& bytes, XmlProblem& problem,
                                      qint64 maxBytes) {
    if (bytes.size() > maxBytes) {
        problem = {QStringLiteral("the file has %1 bytes; at most %2 are read")
                       .arg(bytes.size())
                       .arg(maxBytes)};
        return std::nullopt;
    }
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
        problem = {reader.errorString(), reader.lineNumber(), reader.columnNumber()};
        return std::nullopt;
    }
    if (!root) {
        problem = {QStringLiteral("the file holds no XML element")};
        return std::nullopt;
    }
    return root;
}

} // namespace wsc
