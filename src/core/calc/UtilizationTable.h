#pragma once

#include <QString>

#include <array>
#include <functional>

namespace wsc {

class CDaoDatabase;
class CRecordSetHopsUtilization;
class Prompter;

// The hop utilization table: 25 boil-time groups × 11 gravity columns (1.030 to 1.130),
// loaded from the Data database in index order. Entries a load did not reach stay 0 and count
// as outside the table; an entry read as 0 is a utilization of 0.
class UtilizationTable {
public:
    static constexpr int kGroups = 25;
    static constexpr int kColumns = 11;
    static constexpr int kEntries = kGroups * kColumns;

    // Reads HopsUtilization under IndexBoilIndexOG. Throws CDaoException when the table cannot
    // be opened or holds fewer than 275 rows (the entries read so far are kept).
    void load(CDaoDatabase& data);
    // The same from a set that is already open (on the Data database named by the settings).
    void load(CRecordSetHopsUtilization& rs);
    void clear() {
        m_entries.fill(0.0);
        m_loaded.fill(false);
    }
    // The table the program ships in its Data database, read from the program's own copy of
    // it (for making the sample recipes without a Data database at hand).
    static UtilizationTable shipped();
    double entry(int group, int column) const { return m_entries.at(group * kColumns + column); }
    void setEntry(int group, int column, double value) {
        m_entries.at(group * kColumns + column) = value;
        m_loaded.at(group * kColumns + column) = true;
    }
    bool isLoaded(int group, int column) const { return m_loaded.at(group * kColumns + column); }

    static int groupFor(long boilMinutes);
    static int columnFor(double originalGravity);

    // The utilization for a boil time and gravity, 0 when either is outside the table (or the
    // entry was never loaded). Problems go to `addMessage`, or to the prompter when interactive.
    double lookup(long boilMinutes, double originalGravity, bool interactive, Prompter* prompter,
                  const std::function<void(const QString&)>& addMessage) const;

private:
    std::array<double, kEntries> m_entries{};
    std::array<bool, kEntries> m_loaded{};
};

} // namespace wsc
