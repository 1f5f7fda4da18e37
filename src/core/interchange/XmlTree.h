#pragma once

#include <QByteArray>
#include <QString>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QIODevice;

namespace wsc {

// How deep elements may nest: far beyond any recipe file, and a bound on every walk of a tree.
inline constexpr int kMaxXmlDepth = 256;
// How much of one element's text is kept: more than any field of a recipe holds. A longer text
// keeps its head, and `length` says how long it was.
inline constexpr qsizetype kMaxXmlText = 131072;
// The longest single tag, comment or other piece of mark-up read; a longer one is refused, so
// that what a file holds costs time, never memory.
inline constexpr qint64 kMaxXmlMarkup = qint64(16) * 1024 * 1024;

// An element of a BeerXML file as read: its name in capitals (files spell them in any case),
// its text with surrounding blanks removed, its children, and where it started (the line and
// the column of its "<", both counted from 1).
struct XmlElement {
    QString name;
    QString text;
    // The text as it stands in the file, blanks around it included.
    QString raw;
    std::vector<XmlElement> children;
    qint64 line = 0;
    qint64 column = 0;
    // The characters of `text` as the file gives them: more than text.size() when the file's
    // text was longer than kMaxXmlText.
    qint64 length = 0;
    // Set when a reader asked for this element: what no reader asked for was not kept.
    mutable bool used = false;

    XmlElement() = default;
    XmlElement(const XmlElement&) = default;
    XmlElement(XmlElement&&) noexcept = default;
    XmlElement& operator=(const XmlElement&) = default;
    XmlElement& operator=(XmlElement&&) noexcept = default;
    // Frees the tree below it without recursion.
    ~XmlElement();

    // The first child of that name (capitals), or null; every child of that name; the text of
    // the first, empty when there is none. They only look.
    const XmlElement* child(const char* childName) const;
    std::vector<const XmlElement*> all(const char* childName) const;
    QString value(const char* childName) const;
    // The same, and what they return is taken as read (`used`): a reader's way to ask.
    const XmlElement* takeChild(const char* childName) const;
    std::vector<const XmlElement*> takeAll(const char* childName) const;
    QString takeValue(const char* childName) const;
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
// Its name while the file is still being read as a stream (a name XML allows, which the
// reading puts around the file's elements); it becomes kXmlDocumentRoot once read.
inline constexpr const char* kXmlStreamWrapper = "WSC_DOCUMENT";

struct XmlProblem {
    QString text;
    qint64 line = 0;
    qint64 column = 0;
    // The reading was stopped by its progress callback, not by a fault of the file.
    bool cancelled = false;
    // "line 3, column 7: ..." or the text alone.
    QString describe() const;
};

// Reads a whole file: no document type declarations (so no entities are ever expanded or
// fetched), at most `maxBytes`, elements at most kMaxXmlDepth deep. Nothing and a problem,
// with its line and column, on any fault. Control characters (which XML forbids, and some
// programs leave in texts) are dropped, and a file with several top-level elements is read as
// one element named kXmlDocumentRoot holding them; `notes` says so when given. Blanks between
// elements, comments, processing instructions and attributes are read past, never kept, and
// the text of an element is kept up to kMaxXmlText characters: the memory a reading takes is
// that of the elements it keeps, whatever else the file holds.
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
    // When given, hears how many bytes of the file have been read, and stops the reading (a
    // problem that says it was cancelled) by returning false.
    std::function<bool(qint64 bytesRead)> progress;
};
std::optional<XmlElement> ReadXmlStream(QIODevice& in, XmlProblem& problem, qint64 maxBytes,
                                        const XmlStream& stream, XmlReadNotes* notes = nullptr);

} // namespace wsc
