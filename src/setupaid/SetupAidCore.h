#pragma once

// The workings of setupaid, kept apart from its exported functions so they can be tested as
// plain functions.

#include "setupaid.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace setupaid {

// Platform codes of the version record.
enum Platform : int32_t {
    Win32s = 0,
    Windows9x = 1,
    NtWorkstation = 2,
    Windows16 = 3,
    WindowsForWorkgroups = 4,
    Dos = 5,
    NtServerStandalone = 6,
    NtServerPrimary = 7,
    NtServerBackup = 8,
    WindowsCE = 9,
    NtTerminalServer = 10,
    NtEnterprise = 11,
    // The running system when it is not Windows: its name comes from the record.
    RunningSystem = 12,
};

// The name printed for a platform code with that version.
std::string PlatformName(int32_t platform, int32_t major, int32_t minor, int32_t build,
                         const char* systemName = "");
// The two lines "Emulated OS: ... \nUnderlying OS: ... \n".
std::string Describe(const SetupAidOSVersion& v);
// The service pack on Windows NT 3.51, else -2.
int32_t ServicePackResult(const SetupAidOSVersion& v);
// The running system, from uname; false when it cannot be read.
bool QueryRunningSystem(SetupAidOSVersion& v);

// The command line split for display only: the path, and the argument from the last "/" on.
struct DisplaySplit {
    std::string path;
    std::string argument;
};
DisplaySplit SplitForDisplay(const std::string& commandLine);
// The words of a command line (blanks separate, double quotes group); nothing when it is
// empty or a quote is left open.
std::optional<std::vector<std::string>> SplitArguments(const std::string& commandLine);

// What the header of a type library file says.
struct TypeLibrary {
    bool attributesRead = false;
    std::string libraryId; // "{XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}"
    int major = 0;
    int minor = 0;
    uint32_t locale = 0;
    int systemKind = 0;
};
// Nothing when the file is no type library.
std::optional<TypeLibrary> ReadTypeLibrary(const std::string& path);
// Paths longer than the conversion buffer allows (299 characters) are refused.
inline constexpr std::size_t kLongestPath = 299;
std::size_t CharacterCount(const std::string& utf8);

// The per-user registry of type libraries: one line per library and version.
std::string RegistryFile();
bool RegisterTypeLibrary(const TypeLibrary& lib, const std::string& fullPath);
bool UnregisterTypeLibrary(const TypeLibrary& lib);

} // namespace setupaid
