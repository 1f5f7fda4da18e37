#pragma once

#include "core/db/dao/CDaoException.h"

#include <functional>
#include <utility>

namespace wsc {

class CDaoRecordset;
class CDaoWorkspace;
struct CoreServices;

// How a window that edits records works with the database, the one way for the recipe form
// and the reference dialogs: the record under edit sits in an open transaction of the
// window's workspace, a save commits it, a refresh or a delete rolls it back, a move past
// either end stays on the end row, and a database error is told to the user and ends the step,
// not the program.
class RecordSession {
public:
    enum class Move { First, Previous, Next, Last };

    // `workspace` is asked each time, as a document's workspace comes and goes with its file;
    // `beforeCommit` runs before a commit that has something to write.
    RecordSession(CoreServices& services, std::function<CDaoWorkspace*()> workspace,
                  std::function<void()> beforeCommit = {});

    void ensureTransaction();
    void commitTransaction();
    void rollbackTransaction();
    void report(const CDaoException& e) const;

    // Runs `work`; a database error it throws is reported. Whether it went through.
    template <class Work> bool run(Work&& work) {
        return RunReported(std::forward<Work>(work), [this](const CDaoException& e) { report(e); });
    }

    // Runs `work` as a transaction of its own, after committing what is open: its changes are
    // written together or, on an error (which is reported), not at all.
    template <class Work> bool runWhole(Work&& work) {
        return run([&] {
            try {
                commitTransaction();
                ensureTransaction();
                work();
                commitTransaction();
            } catch (const CDaoException&) {
                rollbackQuietly();
                throw;
            }
        });
    }

    // Moves `set`; an empty set, or one showing no row, starts again from the first row.
    static void move(CDaoRecordset& set, Move move, bool showingRow);

private:
    // After another error: a failing rollback has nothing more to say.
    void rollbackQuietly();

    CoreServices& m_services;
    std::function<CDaoWorkspace*()> m_workspace;
    std::function<void()> m_beforeCommit;
};

} // namespace wsc
