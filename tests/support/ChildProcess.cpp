#include "support/ChildProcess.h"

#include <chrono>
#include <csignal>

#include <fcntl.h>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

namespace wsc::test {

ChildProcess::ChildProcess(const std::vector<QByteArray>& args, const Environment& env,
                           const QByteArray& errors, const QByteArray& workingDirectory) {
    int out[2];
    if (::pipe(out) != 0)
        return;
    m_pid = ::fork();
    if (m_pid == 0) {
        ::dup2(out[1], STDOUT_FILENO);
        const int err = ::open(errors.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        ::dup2(err, STDERR_FILENO);
        ::close(out[0]);
        ::close(out[1]);
        for (const auto& [name, value] : env)
            ::setenv(name.constData(), value.constData(), 1);
        if (!workingDirectory.isEmpty() && ::chdir(workingDirectory.constData()) != 0)
            ::_exit(126);
        std::vector<char*> argv;
        for (const QByteArray& a : args)
            argv.push_back(const_cast<char*>(a.constData()));
        argv.push_back(nullptr);
        ::execv(argv[0], argv.data());
        ::_exit(127);
    }
    ::close(out[1]);
    m_out = out[0];
}

ChildProcess::~ChildProcess() {
    if (m_pid > 0)
        killNow();
    if (m_out >= 0)
        ::close(m_out);
}

bool ChildProcess::readSome(int ms) {
    pollfd p{m_out, POLLIN, 0};
    if (::poll(&p, 1, ms) <= 0)
        return true;
    char buffer[4096];
    const ssize_t n = ::read(m_out, buffer, sizeof buffer);
    if (n <= 0)
        return false;
    m_read.append(buffer, n);
    return true;
}

bool ChildProcess::waitFor(const QByteArray& line, int limitMs) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(limitMs);
    while (!m_read.contains(line + '\n')) {
        if (m_out < 0 || std::chrono::steady_clock::now() > end || !readSome(20))
            break;
    }
    return m_read.contains(line + '\n');
}

void ChildProcess::signal(int number) {
    if (m_pid > 0)
        ::kill(m_pid, number);
}

void ChildProcess::reap(int options) {
    int status = 0;
    if (::waitpid(m_pid, &status, options) != m_pid)
        return;
    m_exited = WIFEXITED(status);
    m_exitCode = m_exited ? WEXITSTATUS(status) : -1;
    m_signal = WIFSIGNALED(status) ? WTERMSIG(status) : 0;
    m_pid = -1;
}

bool ChildProcess::waitForExit(int limitMs) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(limitMs);
    while (m_pid > 0 && std::chrono::steady_clock::now() <= end) {
        if (m_out < 0) {
            ::usleep(20000);
        } else if (!readSome(20)) {
            ::close(m_out);
            m_out = -1;
        }
        reap(WNOHANG);
    }
    if (m_pid > 0) {
        killNow();
        return false;
    }
    return true;
}

QByteArray ChildProcess::killNow() {
    if (m_pid > 0) {
        ::kill(m_pid, SIGKILL);
        reap(0);
    }
    char buffer[4096];
    ssize_t n = 0;
    while (m_out >= 0 && (n = ::read(m_out, buffer, sizeof buffer)) > 0)
        m_read.append(buffer, n);
    return m_read;
}

} // namespace wsc::test
