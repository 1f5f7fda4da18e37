#pragma once

#include "support/TestSupport.h"

#include "cli/CliCommands.h"

#include <QString>
#include <QStringList>

#include <cstdio>

namespace wsc::test {

// Runs the command-line tool in-process and keeps what it printed.
class Cli : public DbFixture {
protected:
    int run(const QStringList& args) {
        std::FILE* out = std::tmpfile();
        std::FILE* err = std::tmpfile();
        const int rc = cli::Run(args, {out, err});
        stdoutText = slurp(out);
        stderrText = slurp(err);
        return rc;
    }
    static QString slurp(std::FILE* f) {
        std::rewind(f);
        QByteArray bytes;
        char buf[4096];
        std::size_t n;
        while ((n = std::fread(buf, 1, sizeof buf, f)) > 0)
            bytes.append(buf, static_cast<qsizetype>(n));
        std::fclose(f);
        return QString::fromUtf8(bytes);
    }
    QString stdoutText, stderrText;
};

} // namespace wsc::test
