/* setupaid: what an installer calls while it installs or removes Wortsmith Calculator.
 * A C interface without Qt. Every installer function takes the installer's three arguments
 * (its window, which is ignored; a pointer to the debug level; a text) and returns a signed
 * 32-bit result. */
#ifndef SETUPAID_H
#define SETUPAID_H

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

#define SETUPAID_EXPORT __attribute__((visibility("default")))

/* The installer's window; never used. */
typedef void* SetupAidWindow;

/* Icons of the messages. */
enum { SETUPAID_INFORMATION = 0, SETUPAID_EXCLAMATION = 1 };

/* Shows a message (and, for the confirmations at a debug level above 100, waits until the user
 * has seen it). Without one, messages go to standard error. */
typedef void (*SetupAidMessageFn)(int icon, const char* text, void* user);
/* The progress window of RunAppWait: `event` 0 shows it (title, text, range top), 1 moves it
 * to `position`, 2 destroys it. Without one, the progress is drawn on standard error. */
typedef void (*SetupAidProgressFn)(int event, const char* title, const char* text, int position,
                                   int top, void* user);

SETUPAID_EXPORT void SetupAidSetMessageCallback(SetupAidMessageFn fn, void* user);
SETUPAID_EXPORT void SetupAidSetProgressCallback(SetupAidProgressFn fn, void* user);

/* The operating system as the version query reports it. */
typedef struct SetupAidOSVersion {
    int32_t emulatedMajor, emulatedMinor, emulatedBuild, emulatedPlatform;
    char emulatedServicePackText[129];
    int32_t emulatedServicePack;
    int32_t underlyingMajor, underlyingMinor, underlyingBuild, underlyingPlatform;
    char underlyingServicePackText[129];
    int32_t underlyingServicePack;
    /* The running system's own name (platform code 12), e.g. "Linux". */
    char systemName[65];
} SetupAidOSVersion;

/* For installer tests: answer the version query with this record instead of the running
 * system (a null pointer returns to the running system; `fail` makes the query fail). */
SETUPAID_EXPORT void SetupAidSetOSVersionOverride(const SetupAidOSVersion* record, int fail);

/* Runs a command line (no shell) and waits until the program ends: 0, -2 when it could not be
 * started, -3 when its state could not be read. */
SETUPAID_EXPORT int32_t RunAppWait(SetupAidWindow window, const int32_t* debugLevel,
                                   const char* commandLine);
/* Writes a two-line description of the system into `buffer` (259 bytes with the terminating
 * zero) and returns the service pack on Windows NT 3.51, -2 on any other system, -3 when the
 * version cannot be determined. */
SETUPAID_EXPORT int32_t InstallGetNTServicePack(SetupAidWindow window, const int32_t* unused,
                                                char* buffer);
/* Registers a type library file: 0, -2 without a path, -3 not a type library (or a path of 300
 * characters or more), -4 registration failed. */
SETUPAID_EXPORT int32_t RegTlb(SetupAidWindow window, const int32_t* debugLevel, const char* path);
/* Unregisters it: 0, -2, -3 as RegTlb, -5 its attributes cannot be read, -4 failed. */
SETUPAID_EXPORT int32_t UnRegTlb(SetupAidWindow window, const int32_t* debugLevel,
                                 const char* path);

#ifdef __cplusplus
}
#endif

#endif
