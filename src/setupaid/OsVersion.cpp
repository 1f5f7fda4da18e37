#include "SetupAidCore.h"

#include <sys/utsname.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace setupaid {

std::string PlatformName(int32_t platform, int32_t major, int32_t minor, int32_t build,
                         const char* systemName) {
    const char* server = major == 5 ? "Windows 2000 Server" : "Windows NT Server";
    switch (platform) {
    case Win32s:
        return "Win32s";
    case Windows9x:
        if (major == 4 && minor == 0 && build == 950)
            return "Windows 95";
        if (major == 4 && build > 950 && build <= 1080)
            return "Windows 95 SP1";
        if (major == 4 && minor < 10 && build > 1080)
            return "Windows 95 OSR2";
        if (major == 4 && minor == 10 && build == 1998)
            return "Windows 98";
        if (major == 4 && minor == 10 && build > 1998 && build < 2183)
            return "Windows 98 SP1";
        if (major > 4 || (major == 4 && build > 2182))
            return "Windows 98 Second Edition";
        return "Windows ??";
    case NtWorkstation:
        return major == 5 ? "Windows 2000 Professional" : "Windows NT Workstation";
    case Windows16:
        return "Windows";
    case WindowsForWorkgroups:
        return "Windows For Workgroups";
    case Dos:
        return "Dos";
    case NtServerStandalone:
        return std::string(server) + " (Acting as Standalone Sever)";
    case NtServerPrimary:
        return std::string(server) + " (Acting as Primary Domain Controller)";
    case NtServerBackup:
        return std::string(server) + " (Acting as Backup Domain Controller)";
    case WindowsCE:
        return "Windows CE";
    case NtTerminalServer:
        return "Windows NT Terminal Server";
    case NtEnterprise:
        return "Windows NT Enterprise Edition";
    case RunningSystem:
        return systemName && *systemName ? systemName : "Unknown OS";
    default:
        return "Unknown OS";
    }
}

namespace {

std::string describeOne(int32_t platform, int32_t major, int32_t minor, int32_t build,
                        int32_t servicePack, const char* systemName) {
    std::string out = PlatformName(platform, major, minor, build, systemName);
    char part[64];
    std::snprintf(part, sizeof part, " v%d.", major);
    out += part;
    std::snprintf(part, sizeof part, "%02d ", minor);
    out += part;
    if (build != 0) {
        std::snprintf(part, sizeof part, "Build:%d", build);
        out += part;
    }
    if (servicePack != 0) {
        std::snprintf(part, sizeof part, " Service Pack:%d", servicePack);
        out += part;
    }
    return out + " \n";
}

// The number formed by the first digits of a text ("5.2" gives 5).
int32_t leadingNumber(const char* text) {
    int32_t n = 0;
    for (; *text >= '0' && *text <= '9' && n < 100000; ++text)
        n = n * 10 + (*text - '0');
    return n;
}

} // namespace

std::string Describe(const SetupAidOSVersion& v) {
    return "Emulated OS: " +
           describeOne(v.emulatedPlatform, v.emulatedMajor, v.emulatedMinor, v.emulatedBuild,
                       v.emulatedServicePack, v.systemName) +
           "Underlying OS: " +
           describeOne(v.underlyingPlatform, v.underlyingMajor, v.underlyingMinor,
                       v.underlyingBuild, v.underlyingServicePack, v.systemName);
}

int32_t ServicePackResult(const SetupAidOSVersion& v) {
    const bool nt =
        v.underlyingPlatform == NtWorkstation || v.underlyingPlatform == NtServerStandalone ||
        v.underlyingPlatform == NtServerPrimary || v.underlyingPlatform == NtServerBackup;
    if (nt && v.underlyingMajor == 3 && v.underlyingMinor == 51)
        return v.underlyingServicePack & 0xFFFF;
    return -2;
}

bool QueryRunningSystem(SetupAidOSVersion& v) {
    struct utsname u {};
    if (::uname(&u) != 0)
        return false;
    // "6.1.0-18-amd64": major 6, minor 1, build 0.
    int32_t parts[3] = {0, 0, 0};
    const char* p = u.release;
    for (int i = 0; i < 3 && *p; ++i) {
        parts[i] = leadingNumber(p);
        while (*p >= '0' && *p <= '9')
            ++p;
        if (*p != '.')
            break;
        ++p;
    }
    v.emulatedMajor = v.underlyingMajor = parts[0];
    v.emulatedMinor = v.underlyingMinor = parts[1];
    v.emulatedBuild = v.underlyingBuild = parts[2] & 0xFFFF;
    v.emulatedPlatform = v.underlyingPlatform = RunningSystem;
    std::snprintf(v.emulatedServicePackText, sizeof v.emulatedServicePackText, "%s", u.version);
    std::snprintf(v.underlyingServicePackText, sizeof v.underlyingServicePackText, "%s", u.version);
    std::snprintf(v.systemName, sizeof v.systemName, "%s", u.sysname);
    return true;
}

} // namespace setupaid
