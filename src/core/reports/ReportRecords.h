#pragma once

#include <QString>

#include <array>
#include <cstdint>

class QObject;

namespace wsc {

struct RenderedReport;

// Where a table of a report reads its rows: the path of the database file. The engine keeps
// at most kLocationChars characters of it.
struct TableLocation {
    static constexpr int kLocationChars = 255;
    QString location;
};

// The name of the subreport found in a section.
struct SubreportInfo {
    QString name;
};

// Fourteen 16-bit words the engine fills and the program may change before output, addressed
// by their byte offset as in the engine's record (the first word of that record is its size).
struct PrintOptions {
    static constexpr int kFirstPageOffset = 12; // 0: from the first page
    static constexpr int kCopiesOffset = 22;
    static constexpr int kCollateOffset = 24;

    std::array<std::uint16_t, 14> words{};
    std::uint16_t word(int byteOffset) const {
        return words.at(static_cast<std::size_t>((byteOffset - 2) / 2));
    }
    void setWord(int byteOffset, std::uint16_t value) {
        words.at(static_cast<std::size_t>((byteOffset - 2) / 2)) = value;
    }
};

// The window a job shows its report in: a child of `parent` at the given place.
struct WindowOutput {
    QString title;
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    int style = 0;
    QObject* parent = nullptr;
};

// What the engine hands a finished report to: a window or the printer. The window build shows
// a preview window or prints; the command-line tool writes a PDF file.
class ReportOutput {
public:
    virtual ~ReportOutput() = default;
    // The window showing the report, or null with `error` set.
    virtual QObject* showInWindow(const RenderedReport& report, const WindowOutput& where,
                                  QString* error) = 0;
    virtual bool print(const RenderedReport& report, const PrintOptions& options,
                       QString* error) = 0;
};

} // namespace wsc
