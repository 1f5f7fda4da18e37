#pragma once

#include <QStringList>

#include <cstdio>

namespace wsc::cli {

// Exit codes: 0 success; 1 the file is not of the kind asked for, or a calculator refused the
// values (a data error); 2 bad usage, bad input or failure.
inline constexpr int kOk = 0;
inline constexpr int kWrongKind = 1;
inline constexpr int kDataError = 1;
inline constexpr int kError = 2;

struct Output {
    std::FILE* out = stdout;
    std::FILE* err = stderr;
};

// Runs one command line (without the program name) and returns the exit code.
int Run(const QStringList& args, const Output& io = {});

} // namespace wsc::cli
