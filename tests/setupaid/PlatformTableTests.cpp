#include "SetupAidCore.h"

#include <gtest/gtest.h>

#include <cstring>

namespace setupaid {
namespace {

TEST(PlatformNames, EveryListedVersion) {
    struct Case {
        int32_t code, major, minor, build;
        const char* name;
    };
    const Case cases[] = {
        {Win32s, 3, 10, 0, "Win32s"},
        {Windows9x, 4, 0, 950, "Windows 95"},
        {Windows9x, 4, 0, 951, "Windows 95 SP1"},
        {Windows9x, 4, 0, 1080, "Windows 95 SP1"},
        {Windows9x, 4, 0, 1081, "Windows 95 OSR2"},
        {Windows9x, 4, 3, 1212, "Windows 95 OSR2"},
        {Windows9x, 4, 10, 1998, "Windows 98"},
        {Windows9x, 4, 10, 1999, "Windows 98 SP1"},
        {Windows9x, 4, 10, 2182, "Windows 98 SP1"},
        {Windows9x, 4, 10, 2222, "Windows 98 Second Edition"},
        {Windows9x, 5, 0, 0, "Windows 98 Second Edition"},
        {Windows9x, 4, 0, 900, "Windows ??"},
        {Windows9x, 3, 95, 0, "Windows ??"},
        {NtWorkstation, 4, 0, 1381, "Windows NT Workstation"},
        {NtWorkstation, 5, 0, 2195, "Windows 2000 Professional"},
        {Windows16, 3, 10, 0, "Windows"},
        {WindowsForWorkgroups, 3, 11, 0, "Windows For Workgroups"},
        {Dos, 6, 22, 0, "Dos"},
        {NtServerStandalone, 4, 0, 0, "Windows NT Server (Acting as Standalone Sever)"},
        {NtServerStandalone, 5, 0, 0, "Windows 2000 Server (Acting as Standalone Sever)"},
        {NtServerPrimary, 4, 0, 0, "Windows NT Server (Acting as Primary Domain Controller)"},
        {NtServerPrimary, 5, 0, 0, "Windows 2000 Server (Acting as Primary Domain Controller)"},
        {NtServerBackup, 3, 51, 0, "Windows NT Server (Acting as Backup Domain Controller)"},
        {NtServerBackup, 5, 0, 0, "Windows 2000 Server (Acting as Backup Domain Controller)"},
        {WindowsCE, 2, 0, 0, "Windows CE"},
        {NtTerminalServer, 4, 0, 0, "Windows NT Terminal Server"},
        {NtEnterprise, 4, 0, 0, "Windows NT Enterprise Edition"},
        {13, 4, 0, 0, "Unknown OS"},
        {-1, 4, 0, 0, "Unknown OS"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(PlatformName(c.code, c.major, c.minor, c.build), c.name)
            << c.code << " " << c.major << "." << c.minor << " build " << c.build;
    EXPECT_EQ(PlatformName(RunningSystem, 6, 1, 0, "Linux"), "Linux");
    EXPECT_EQ(PlatformName(RunningSystem, 6, 1, 0, ""), "Unknown OS");
}

TEST(Description, TwoLinesInTheirFormat) {
    SetupAidOSVersion v;
    std::memset(&v, 0, sizeof v);
    v.emulatedPlatform = v.underlyingPlatform = NtWorkstation;
    v.emulatedMajor = v.underlyingMajor = 3;
    v.emulatedMinor = v.underlyingMinor = 51;
    v.emulatedBuild = v.underlyingBuild = 1057;
    v.emulatedServicePack = v.underlyingServicePack = 5;
    EXPECT_EQ(Describe(v), "Emulated OS: Windows NT Workstation v3.51 Build:1057 Service Pack:5 \n"
                           "Underlying OS: Windows NT Workstation v3.51 Build:1057 Service "
                           "Pack:5 \n");
    EXPECT_EQ(ServicePackResult(v), 5);
    // Build and service pack 0 are left out; the minor number has two digits.
    v.underlyingBuild = 0;
    v.underlyingServicePack = 0;
    v.underlyingMinor = 5;
    v.underlyingMajor = 4;
    EXPECT_EQ(Describe(v).substr(Describe(v).find("Underlying")),
              "Underlying OS: Windows NT Workstation v4.05  \n");
    EXPECT_EQ(ServicePackResult(v), -2);
}

TEST(CommandLines, SplitForDisplayAndForStarting) {
    const DisplaySplit s = SplitForDisplay("/opt/setup/tool /quiet");
    EXPECT_EQ(s.path, "/opt/setup/tool");
    EXPECT_EQ(s.argument, "/quiet");
    EXPECT_EQ(SplitForDisplay("tool").path, "tool");
    EXPECT_EQ(SplitForDisplay("/tool").path, "/tool");
    EXPECT_EQ(SplitForDisplay("/tool").argument, "");

    EXPECT_EQ(SplitArguments("a  \"b c\" d"), (std::vector<std::string>{"a", "b c", "d"}));
    EXPECT_FALSE(SplitArguments(""));
    EXPECT_FALSE(SplitArguments("   "));
    EXPECT_FALSE(SplitArguments("prog \"open"));
}

} // namespace
} // namespace setupaid
