// The exported functions of setupaid: the installer's calling form over the plain functions.

#include "setupaid.h"
#include "SetupAidCore.h"

#include <sys/wait.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <spawn.h>
#include <string>
#include <unistd.h>

extern char** environ;

namespace {

SetupAidMessageFn g_message = nullptr;
void* g_messageUser = nullptr;
SetupAidProgressFn g_progress = nullptr;
void* g_progressUser = nullptr;
bool g_override = false;
bool g_overrideFails = false;
SetupAidOSVersion g_overrideRecord;

constexpr int32_t kConfirmLevel = 100;
constexpr int kProgressTop = 10;
constexpr int kWaitMs = 1000;
constexpr int kPollMs = 20;

void say(int icon, const std::string& text) {
    if (g_message)
        g_message(icon, text.c_str(), g_messageUser);
    else
        std::fprintf(stderr, "setupaid: %s\n", text.c_str());
}

bool confirming(const int32_t* level) {
    return level && *level > kConfirmLevel;
}

// The progress window: the installer's own, or a bar drawn on standard error.
void progress(int event, int position) {
    static const char* title = "Run Application and Wait";
    static const char* text = "Waiting...";
    if (g_progress) {
        g_progress(event, title, text, position, kProgressTop, g_progressUser);
        return;
    }
    if (event == 2) {
        std::fputc('\n', stderr);
        return;
    }
    char bar[kProgressTop + 1];
    for (int i = 0; i < kProgressTop; ++i)
        bar[i] = i < position ? '#' : ' ';
    bar[kProgressTop] = '\0';
    std::fprintf(stderr, "\r%s: %s [%s]", title, text, bar);
    std::fflush(stderr);
}

void sleepMs(int ms) {
    struct timespec t {
        ms / 1000, long(ms % 1000) * 1000000L
    };
    while (::nanosleep(&t, &t) != 0 && errno == EINTR) {
    }
}

enum class WaitResult { Running, Ended, Failed };

// Waits up to one second for the process.
WaitResult waitOnce(pid_t pid) {
    for (int waited = 0; waited < kWaitMs; waited += kPollMs) {
        int status = 0;
        const pid_t done = ::waitpid(pid, &status, WNOHANG);
        if (done == pid)
            return WaitResult::Ended;
        if (done < 0 && errno != EINTR)
            return WaitResult::Failed;
        sleepMs(kPollMs);
    }
    return WaitResult::Running;
}

// The type library checks shared by RegTlb and UnRegTlb: -2 without a path, -3 when it is too
// long for the conversion buffer or no type library.
int32_t loadTypeLibrary(const int32_t* level, const char* path, const char* confirmation,
                        setupaid::TypeLibrary& out) {
    if (confirming(level))
        say(SETUPAID_INFORMATION,
            std::string(confirmation) + (path ? path : "") + "\n\nSelect OK to continue.");
    if (!path || !*path)
        return -2;
    if (setupaid::CharacterCount(path) > setupaid::kLongestPath)
        return -3;
    const auto lib = setupaid::ReadTypeLibrary(path);
    if (!lib)
        return -3;
    out = *lib;
    return 0;
}

} // namespace

extern "C" {

void SetupAidSetMessageCallback(SetupAidMessageFn fn, void* user) {
    g_message = fn;
    g_messageUser = user;
}

void SetupAidSetProgressCallback(SetupAidProgressFn fn, void* user) {
    g_progress = fn;
    g_progressUser = user;
}

void SetupAidSetOSVersionOverride(const SetupAidOSVersion* record, int fail) {
    g_override = record != nullptr || fail != 0;
    g_overrideFails = fail != 0;
    if (record)
        g_overrideRecord = *record;
}

int32_t RunAppWait(SetupAidWindow, const int32_t* debugLevel, const char* commandLine) {
    const std::string line = commandLine ? commandLine : "";
    if (confirming(debugLevel)) {
        const setupaid::DisplaySplit split = setupaid::SplitForDisplay(line);
        say(SETUPAID_INFORMATION, "Starting to execute:\nPath=" + split.path + "\nArgument=" +
                                      split.argument + "\n\nSelect OK to continue.");
    }
    const auto words = setupaid::SplitArguments(line);
    pid_t pid = -1;
    int started = -1;
    if (words) {
        std::vector<char*> argv;
        for (const std::string& w : *words)
            argv.push_back(const_cast<char*>(w.c_str()));
        argv.push_back(nullptr);
        posix_spawnattr_t attributes;
        posix_spawnattr_init(&attributes);
        // A process group of its own, as a program started in a new console.
        posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETPGROUP);
        posix_spawnattr_setpgroup(&attributes, 0);
        started = ::posix_spawnp(&pid, argv[0], nullptr, &attributes, argv.data(), environ);
        posix_spawnattr_destroy(&attributes);
    }
    if (started != 0) {
        say(SETUPAID_INFORMATION, "setupaid encountered error running requested application via "
                                  "RunAppWait");
        return -2;
    }

    progress(0, 0);
    int position = 0;
    int waits = 0;
    int32_t result = 0;
    for (;;) {
        const WaitResult w = waitOnce(pid);
        if (++waits % 10 == 0)
            position = 0;
        position = position < kProgressTop ? position + 1 : kProgressTop;
        progress(1, position);
        if (w == WaitResult::Failed) {
            say(SETUPAID_EXCLAMATION, "setupaid.dll GetExitCodeProcess() failed");
            result = -3;
            break;
        }
        if (w == WaitResult::Ended)
            break;
    }
    progress(2, position);
    return result;
}

int32_t InstallGetNTServicePack(SetupAidWindow, const int32_t*, char* buffer) {
    SetupAidOSVersion v;
    std::memset(&v, 0, sizeof v);
    bool ok;
    if (g_override) {
        ok = !g_overrideFails;
        if (ok)
            v = g_overrideRecord;
    } else {
        ok = setupaid::QueryRunningSystem(v);
    }
    const std::string text = ok ? setupaid::Describe(v) : "Failed in call to GetOSVersion\n";
    if (buffer) {
        // The caller's buffer holds 259 bytes with the terminating zero: a longer text is cut.
        constexpr std::size_t kBuffer = 259;
        const std::size_t n = text.size() < kBuffer - 1 ? text.size() : kBuffer - 1;
        std::memcpy(buffer, text.data(), n);
        buffer[n] = '\0';
    }
    return ok ? setupaid::ServicePackResult(v) : -3;
}

int32_t RegTlb(SetupAidWindow, const int32_t* debugLevel, const char* path) {
    setupaid::TypeLibrary lib;
    const int32_t loaded =
        loadTypeLibrary(debugLevel, path, "Setup about to register Type Library:\n", lib);
    if (loaded != 0)
        return loaded;
    char full[PATH_MAX];
    const std::string fullPath = ::realpath(path, full) ? std::string(full) : std::string(path);
    return setupaid::RegisterTypeLibrary(lib, fullPath) ? 0 : -4;
}

int32_t UnRegTlb(SetupAidWindow, const int32_t* debugLevel, const char* path) {
    setupaid::TypeLibrary lib;
    const int32_t loaded =
        loadTypeLibrary(debugLevel, path, "Setup about to unregister Type Library:\n", lib);
    if (loaded != 0)
        return loaded;
    if (!lib.attributesRead)
        return -5;
    return setupaid::UnregisterTypeLibrary(lib) ? 0 : -4;
}

} // extern "C"
