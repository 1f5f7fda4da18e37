// The command-line tool as a user runs it, against what is no file: a FIFO or a device as the
// file to import, the file to write or the settings file. Each is refused at once with what it
// is, and the node is left as it was.
#include "CliFixture.h"

#include "support/ChildProcess.h"

#include <QDir>
#include <QFile>

#include <csignal>
#include <functional>

#include <dirent.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

namespace wsc {
namespace {

class NodesCli : public test::Cli {
protected:
    QString fifo(const QString& name) {
        const QString p = path(name);
        EXPECT_EQ(::mkfifo(QFile::encodeName(p).constData(), 0644), 0);
        return p;
    }
    // A character device like /dev/null, where the tests may make one (as root).
    QString device(const QString& name) {
        const QString p = path(name);
        if (::mknod(QFile::encodeName(p).constData(), S_IFCHR | 0666, makedev(1, 3)) != 0)
            return {};
        return p;
    }
    static mode_t kind(const QString& p) {
        struct stat st {};
        return ::stat(QFile::encodeName(p).constData(), &st) == 0 ? (st.st_mode & S_IFMT) : 0;
    }
    // The real program, so that a wait on a FIFO would show as a program that never ends.
    struct Ran {
        bool ended;
        int code;
        QByteArray out, err;
    };
    // With `asIs`, `args` is the whole command line (a shell, say), not the tool's arguments.
    Ran runProgram(const QStringList& args, const test::ChildProcess::Environment& env = {},
                   bool asIs = false) {
        std::vector<QByteArray> argv;
        if (!asIs)
            argv.push_back(QByteArray(WSC_CLI_BINARY));
        for (const QString& a : args)
            argv.push_back(QFile::encodeName(a));
        const QString errors = path(QStringLiteral("stderr.txt"));
        test::ChildProcess child(argv, env, QFile::encodeName(errors));
        const bool ended = child.waitForExit(120000);
        return {ended, child.exitCode(), child.output(), readFile(errors)};
    }
};

TEST_F(NodesCli, AFifoOrADeviceIsNeverReadOrWrittenAsAFile) {
    const QString samples = copyShippedSamples();
    const QString data = copyShippedData();
    const QByteArray before = test::FileDigest(samples);

    const QString in = fifo(QStringLiteral("in.xml"));
    Ran r = runProgram({"import", "--db", samples, in});
    ASSERT_TRUE(r.ended) << "the import waited on a FIFO";
    EXPECT_EQ(r.code, cli::kError);
    EXPECT_TRUE(r.err.contains("in.xml: it is a FIFO (named pipe), not a file")) << r.err.data();

    const QString out = fifo(QStringLiteral("out.xml"));
    r = runProgram({"export", "--db", samples, "--all", out});
    ASSERT_TRUE(r.ended);
    EXPECT_EQ(r.code, cli::kError);
    EXPECT_TRUE(r.err.contains("cannot write " + QFile::encodeName(out) +
                               ": it is a FIFO (named pipe), not a file"))
        << r.err.data();
    EXPECT_EQ(kind(out), mode_t(S_IFIFO));

    const QString html = fifo(QStringLiteral("report.html"));
    r = runProgram({"report", "--report", "Hops", "--data", data, "--html", html});
    ASSERT_TRUE(r.ended);
    EXPECT_EQ(r.code, cli::kError);
    EXPECT_TRUE(r.err.contains("it is a FIFO (named pipe), not a file")) << r.err.data();
    EXPECT_EQ(kind(html), mode_t(S_IFIFO));

    if (const QString dev = device(QStringLiteral("report.pdf")); !dev.isEmpty()) {
        r = runProgram({"report", "--report", "Hops", "--data", data, "--pdf", dev});
        EXPECT_EQ(r.code, cli::kError);
        EXPECT_TRUE(r.err.contains("it is a character device, not a file")) << r.err.data();
        EXPECT_FALSE(r.out.contains("written"));
        EXPECT_EQ(kind(dev), mode_t(S_IFCHR));
        r = runProgram({"export", "--db", samples, "--all", dev});
        EXPECT_EQ(r.code, cli::kError);
        EXPECT_EQ(kind(dev), mode_t(S_IFCHR));
        r = runProgram({"check", dev});
        EXPECT_EQ(r.code, cli::kError);
        EXPECT_TRUE(r.err.contains("is a character device, not a file")) << r.err.data();
    }
    // Nothing was left beside the nodes.
    EXPECT_EQ(test::FileDigest(samples), before);
    EXPECT_TRUE(test::SidecarsOf(samples).isEmpty());
    const QStringList left =
        QDir(path({})).entryList(QDir::Files | QDir::System | QDir::Hidden, QDir::Name);
    for (const QString& name : left)
        EXPECT_FALSE(name.startsWith(u'.')) << name.toStdString();
}

TEST_F(NodesCli, ASettingsFileThatIsAFifoIsSaidAndPassedBy) {
    const QString home = path(QStringLiteral("home"));
    ASSERT_TRUE(QDir().mkpath(home + QStringLiteral("/config/Quillbarrow Software")));
    const QString settings =
        fifo(QStringLiteral("home/config/Quillbarrow Software/Wortsmith Calculator.conf"));
    const QString samples = copyShippedSamples();
    const Ran r = runProgram({"calc", "--db", samples, "--data", copyShippedData(), "--batch", "1"},
                             {{"HOME", QFile::encodeName(home)},
                              {"XDG_CONFIG_HOME", QFile::encodeName(home + "/config")}});
    ASSERT_TRUE(r.ended) << "the tool waited on its settings file";
    EXPECT_EQ(r.code, cli::kOk) << r.err.data();
    EXPECT_TRUE(r.err.contains("The settings file " + QFile::encodeName(settings) +
                               " is a FIFO (named pipe), not a file."))
        << r.err.data();
    EXPECT_TRUE(r.out.contains("Original gravity  1.047")) << r.out.data();
    EXPECT_EQ(kind(settings), mode_t(S_IFIFO));
}

// Ctrl+C in the middle of an import or an export: the tool stops there, undoes what it began
// and says so, with 128 + SIGINT as its status; nothing is left beside the database or the file
// it was writing.
class StoppedCli : public NodesCli {
protected:
    static bool holdsFileIn(pid_t pid, const QString& folder) {
        const QByteArray fds = "/proc/" + QByteArray::number(pid) + "/fd/";
        const QByteArray inside = QFile::encodeName(QDir(folder).canonicalPath()) + '/';
        DIR* dir = ::opendir(fds.constData());
        bool held = false;
        while (dir && !held) {
            const dirent* entry = ::readdir(dir);
            if (!entry)
                break;
            char target[4096] = {};
            const ssize_t n =
                ::readlink((fds + entry->d_name).constData(), target, sizeof target - 1);
            held = n > 0 && QByteArray(target, n).startsWith(inside);
        }
        if (dir)
            ::closedir(dir);
        return held;
    }
    // Many small recipes: seconds of work for the tool.
    QString manyRecipes() {
        const QString file = path(QStringLiteral("many.xml"));
        QFile f(file);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("<RECIPES>\n");
        for (int i = 0; i < 20000; ++i)
            f.write("<RECIPE><NAME>R" + QByteArray::number(i) +
                    "</NAME><BATCH_SIZE>20</BATCH_SIZE><BOIL_SIZE>25</BOIL_SIZE><HOPS><HOP><NAME>"
                    "Cascade</NAME><ALPHA>5</ALPHA><AMOUNT>0.03</AMOUNT><TIME>60</TIME></HOP>"
                    "</HOPS></RECIPE>\n");
        f.write("</RECIPES>\n");
        return file;
    }
    // Starts the tool, waits until `started` says it is in the middle of its work, and stops
    // it with Ctrl+C.
    Ran interrupt(const QStringList& args, const std::function<bool(pid_t)>& started) {
        std::vector<QByteArray> argv{QByteArray(WSC_CLI_BINARY)};
        for (const QString& a : args)
            argv.push_back(QFile::encodeName(a));
        const QString errors = path(QStringLiteral("stderr.txt"));
        test::ChildProcess child(argv, {}, QFile::encodeName(errors));
        bool midway = false;
        for (int i = 0; i < 60000 && !(midway = started(child.pid())); ++i)
            ::usleep(1000);
        EXPECT_TRUE(midway) << "the work never began";
        child.signal(SIGINT);
        const bool ended = child.waitForExit(60000);
        EXPECT_TRUE(child.exitedByItself()) << "ended by signal " << child.endingSignal();
        return {ended, child.exitCode(), child.output(), readFile(errors)};
    }
};

TEST_F(StoppedCli, CtrlCInTheMiddleOfAnImportLeavesTheDatabaseAsItWas) {
    const QString db = makeRecipeDb(QStringLiteral("target.mdb"));
    const QString xml = manyRecipes();
    const QByteArray before = test::FileDigest(db);
    const QString journal = db + QStringLiteral("-journal");
    const Ran r =
        interrupt({"import", "--db", db, xml}, [&](pid_t) { return QFile::exists(journal); });
    ASSERT_TRUE(r.ended);
    EXPECT_EQ(r.code, 128 + SIGINT);
    EXPECT_TRUE(r.err.contains("stopped by Ctrl+C (SIGINT)")) << r.err.data();
    EXPECT_EQ(test::FileDigest(db), before);
    EXPECT_TRUE(test::SidecarsOf(db).isEmpty()) << test::SidecarsOf(db).join(u' ').toStdString();
}

TEST_F(StoppedCli, CtrlCInTheMiddleOfAnExportLeavesNoFile) {
    const QString db = makeRecipeDb(QStringLiteral("source.mdb"));
    ASSERT_EQ(run({"import", "--db", db, manyRecipes()}), cli::kOk) << stderrText.toStdString();
    const QString folder = path(QStringLiteral("out"));
    ASSERT_TRUE(QDir().mkpath(folder));
    // The file being written has no name yet: the tool is in the middle of it once it holds
    // a file of that folder open.
    const Ran r = interrupt({"export", "--db", db, "--all", folder + QStringLiteral("/all.xml")},
                            [&](pid_t pid) { return holdsFileIn(pid, folder); });
    ASSERT_TRUE(r.ended);
    EXPECT_EQ(r.code, 128 + SIGINT);
    EXPECT_TRUE(QDir(folder).isEmpty(QDir::Files | QDir::Hidden))
        << QDir(folder).entryList(QDir::Files | QDir::Hidden).join(u' ').toStdString();
    EXPECT_TRUE(test::SidecarsOf(db).isEmpty());
}

// Files made to bring the tool down: a million levels of elements, a gigabyte of blanks. The
// first is refused at its place with nothing left beside the database; the second comes in
// under a memory limit far below its size.
class HugeFilesCli : public NodesCli {
protected:
    QString writeHuge(const QString& name, const std::function<void(QFile&)>& body) {
        const QString file = path(name);
        QFile f(file);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("<?xml version=\"1.0\"?>\n<RECIPES>\n<RECIPE><NAME>Deep</NAME>");
        body(f);
        f.write("</RECIPE>\n</RECIPES>\n");
        return file;
    }
};

TEST_F(HugeFilesCli, AMillionLevelsAreRefusedAndLeaveNothingBeside) {
    const QString db = copyShippedSamples();
    const QByteArray before = test::FileDigest(db);
    const QString deep = writeHuge(QStringLiteral("deep.xml"), [](QFile& f) {
        f.write(QByteArray("<X>").repeated(1000000));
        f.write(QByteArray("</X>").repeated(1000000));
    });
    const Ran r = runProgram({"import", "--db", db, deep});
    ASSERT_TRUE(r.ended);
    EXPECT_EQ(r.code, cli::kError);
    EXPECT_TRUE(r.err.contains("deep.xml: line 3, column 788: the elements are nested more than "
                               "256 levels deep here"))
        << r.err.left(400).data();
    EXPECT_TRUE(r.err.contains("Nothing was imported."));
    EXPECT_EQ(test::FileDigest(db), before);
    EXPECT_TRUE(test::SidecarsOf(db).isEmpty()) << test::SidecarsOf(db).join(u' ').toStdString();
}

TEST_F(HugeFilesCli, AGigabyteOfBlanksComesInUnderAMemoryLimit) {
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "the address sanitizer reserves more address space than the limit";
#endif
    const QString db = copyShippedSamples();
    const QString blanks = writeHuge(QStringLiteral("blanks.xml"), [](QFile& f) {
        const QByteArray mega(1 << 20, ' ');
        f.write("<NOTES>kept</NOTES>");
        for (int i = 0; i < 1024; ++i)
            f.write(mega);
    });
    // 300 MB of address space: a program that kept the blanks would need several gigabytes.
    const Ran r =
        runProgram({"/bin/sh", "-c", "ulimit -v 300000 && exec \"$0\" import --db \"$1\" \"$2\"",
                    QString::fromLatin1(WSC_CLI_BINARY), db, blanks},
                   {}, true);
    ASSERT_TRUE(r.ended);
    EXPECT_EQ(r.code, cli::kOk) << r.err.data();
    EXPECT_TRUE(r.out.startsWith("Recipes added: 1\n  batch 9: Deep")) << r.out.data();
    QFile::remove(blanks);
}

} // namespace
} // namespace wsc
