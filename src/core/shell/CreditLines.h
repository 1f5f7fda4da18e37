#pragma once

#include <QString>

#include <vector>

namespace wsc {

// The lines of the Credits dialog. The last character of each text is its format code and is
// not shown; an empty text is a blank line of the previous line's height.
namespace Credits {

inline constexpr char kTitle = '\n';
inline constexpr char kMaker = '\r';
inline constexpr char kGroup = '\t';
inline constexpr char kSubGroup = '\a';
inline constexpr char kBitmap = '\b';
inline constexpr char kEntry = '\f';

// The 46 texts, shown in order and then again from the start.
const std::vector<QString>& Lines();
// The format code of a line (kEntry for anything unknown), and its text without the code.
char CodeOf(const QString& line);
QString TextOf(const QString& line);

} // namespace Credits

// Which credit line comes next: a new line is taken each time the tick counter reaches the
// height of the current one, so a line has scrolled fully into view before the next starts.
class CreditsRoll {
public:
    // One tick; `heightOf(line)` gives the height of a line in pixels. Returns true when a new
    // line was taken (its index is current()).
    template <typename HeightOf> bool tick(HeightOf heightOf) {
        if (m_height > 0 && m_counter % m_height != 0) {
            ++m_counter;
            return false;
        }
        m_current = m_next;
        m_next = (m_next + 1) % int(Credits::Lines().size());
        const int h = heightOf(m_current);
        if (h > 0)
            m_height = h;
        else if (m_height <= 0)
            m_height = 1;
        m_counter = 1;
        ++m_taken;
        return true;
    }
    int current() const { return m_current; }
    int next() const { return m_next; }
    int height() const { return m_height; }
    // How many lines have been taken since the start.
    int taken() const { return m_taken; }

private:
    int m_next = 0;
    int m_current = -1;
    int m_counter = 1;
    int m_height = 0;
    int m_taken = 0;
};

} // namespace wsc
