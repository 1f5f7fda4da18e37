#pragma once

#include <QByteArray>
#include <QString>

#include <memory>
#include <optional>
#include <vector>

namespace wsc {

// An element of a BeerXML file as read: its name in capitals (files spell them in any case),
// its text with surrounding blanks removed, its children, and where it started.
struct XmlElement {
    QString name;
    QString text;
    std::vector<XmlElement> children;
    qint64 line = 0;
    qint64 column = 0;

    // The first child of that name (capitals), or null.
    const XmlElement* child(const char* childName) const;
    std::vector<const XmlElement*> all(const char* childName) const;
    // The text of a child; empty when there is none.
    QString value(const char* childName) const;
};

struct XmlProblem {
    QString text;
    qint64 line = 0;
    qint64 column = 0;
    // "line 3, column 7: ..." or the text alone.
    QString describe() const;
};

// Reads a whole file: no document type declarations (so no entities are ever expanded or
// fetched), at most `maxBytes`. Nothing and a problem on any fault.
std::optional<XmlElement> ReadXmlTree(const QByteArray& bytes, XmlProblem& problem,
                                      qint64 maxBytes);

} // namespace wsc
