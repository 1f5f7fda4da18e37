#pragma once

#include <QByteArray>
#include <QString>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QIODevice;

namespace wsc {

// An element of a BeerXML file as read: its name in capitals (files spell them in any case),
// its text with surrounding blanks removed, its children, and where it started.
struct XmlElement {
    QString name;
    QString text;
    // The text as it stands in the file, blanks around it included.
    QString raw;
    std::vector<XmlElement> children;
    qint64 line = 0;
    qint64 column = 0;
    // Set when a reader asked for this element: what no reader asked for was not kept.
    mutable bool used = false;

    // The first child of that name (capitals), or null. Each marks what it returns as used.
    const XmlElement* child(const char* childName) const;
    std::vector<const XmlElement*> all(const char* childName) const;
    // The text of a child; empty when there is none.
    QString value(const char* childName) const;
};

// What reading a file had to mend: characters XML does not allow, dropped, and several
// top-level elements side by side, read as the children of one.
struct XmlReadNotes {
    int droppedControls = 0;
    qint64 firstDropLine = 0;
    qint64 firstDropColumn = 0;
    bool severalRoots = false;
};

// The name of the element that holds several top-level elements of a file.
inline constexpr const char* kXmlDocumentRoot = "#DOCUMENT";

struct XmlProblem {
    QString text;
    qint64 line = 0;
    qint64 column = 0;
    // "line 3, column 7: ..." or the text alone.
    QString describe() const;
};

// Reads a whole file: no document type declarations (so no entities are ever expanded or
// fetched), at most `maxBytes`. Nothing and a problem on any fault. Control characters (which
// XML forbids, and some programs leave in texts) are dropped, and a file with several
// top-level elements is read as one element named kXmlDocumentRoot holding them; `notes`
// says so when given.
std::optional<XmlElement> ReadXmlTree(const QByteArray& bytes, XmlProblem& problem, qint64 maxBytes,
                                      XmlReadNotes* notes = nullptr);

// Reads a file as a stream, as ReadXmlTree reads it, without holding it: each element is
// offered to `take` as it ends, with the elements still open around it (outermost first), and
// one it takes is left out of the tree, so a file of many records is held one record at a
// time. A file of several top-level elements is read a second time as one: `restart` hears of
// that first. `in` must be able to seek back to its start.
struct XmlStream {
    std::function<bool(XmlElement& element, const std::vector<XmlElement>& open)> take;
    std::function<void()> restart;
    // When given, an element it does not keep is read past, unbuilt, with all it holds; what
    // it holds must still be well-formed.
    std::function<bool(const XmlElement& element, const std::vector<XmlElement>& open)> keep;
    // Known from an earlier reading to hold several top-level elements: read as one at once.
    bool severalRoots = false;
};
std::optional<XmlElement> ReadXmlStream(QIODevice& in, XmlProblem& problem, qint64 maxBytes,
                                        const XmlStream& stream, XmlReadNotes* notes = nullptr);

} // namespace wsc
