#pragma once

#include <QByteArray>

#include <sys/types.h>
#include <utility>
#include <vector>

namespace wsc::test {

// A program the test starts, with its standard output on a pipe and its standard error in a
// file. Every wait has a limit far above what the step takes on a slow machine, so a test
// depends on what the program says, never on how long it takes.
class ChildProcess {
public:
    using Environment = std::vector<std::pair<QByteArray, QByteArray>>;

    explicit ChildProcess(const std::vector<QByteArray>& args, const Environment& env = {},
                          const QByteArray& errors = "/dev/null",
                          const QByteArray& workingDirectory = {});
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    bool started() const { return m_pid > 0; }
    pid_t pid() const { return m_pid; }
    // Waits until the program has written `line` (true), or has ended or the limit has
    // passed (false). What it wrote stays readable in output().
    bool waitFor(const QByteArray& line, int limitMs = 60000);
    void signal(int number);
    // Waits for the program to end by itself; after the limit it is killed and false returned.
    bool waitForExit(int limitMs = 60000);
    // SIGKILL now, then everything it wrote before it died.
    QByteArray killNow();

    const QByteArray& output() const { return m_read; }
    bool exitedByItself() const { return m_exited; }
    int exitCode() const { return m_exitCode; }
    // The signal that ended it, or 0.
    int endingSignal() const { return m_signal; }

private:
    // Reads what is there, waiting up to `ms`; false once the pipe is closed.
    bool readSome(int ms);
    void reap(int options);

    pid_t m_pid = -1;
    int m_out = -1;
    bool m_exited = false;
    int m_exitCode = -1;
    int m_signal = 0;
    QByteArray m_read;
};

} // namespace wsc::test
