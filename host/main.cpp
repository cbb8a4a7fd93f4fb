// netport: plays the print spooler's part for the module on Linux. It loads
// the module, asks it for its table and runs the port operations against the
// embedded port monitor.
#include "host/commands.h"
#include "host/diagnostics.h"
#include "host/module.h"
#include "spooler/embeddedmonitor.h"
#include "spooler/portstore.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>

namespace {

const char* const usage =
    "Usage: netport [options] COMMAND [PORT]\n"
    "\n"
    "Commands:\n"
    "  add               run the add-port wizard (needs a display)\n"
    "  configure PORT    run the port properties dialog (needs a display)\n"
    "  delete PORT       delete the port\n"
    "  list              list the ports of the embedded port monitor\n"
    "  show PORT         show one port's settings string\n"
    "  tour              add, configure and delete ports through the real windows on a\n"
    "                    fresh temporary store, driven without a person or a display\n"
    "\n"
    "Options:\n"
    "  --store FILE      the embedded port monitor's store (default: %s)\n"
    "  --module PATH     the module to load (default: %s)\n"
    "  --server NAME     the server name handed to the module (default: none)\n"
    "  --monitor NAME    the port monitor for add (default: %s)\n"
    "  --screenshots DIR tour: save a picture of every window in DIR\n"
    "  --language LANG   tour: use the catalogue monitor_LANG.qm, LANG one of\n"
    "%s"
    "  --verbose         also write the module's and the toolkit's diagnostics to\n"
    "                    standard error (they always go to %s)\n"
    "  --version         show the versions of netport, the module, the store and Qt\n"
    "  --help            show this text\n";

// The tour's languages, in lines indented under the option's text.
QString languageLines() {
    QString lines;
    QString line;
    for (const QString& language : QStringLiteral(NETPORT_LANGUAGES).split(QLatin1Char(' '))) {
        if (line.size() + language.size() > 56) {
            lines += QStringLiteral("                    ") + line.trimmed() + QLatin1Char('\n');
            line.clear();
        }
        line += language + QLatin1Char(' ');
    }
    return lines + QStringLiteral("                    ") + line.trimmed() + QLatin1Char('\n');
}

void printUsage(std::FILE* to) {
    std::fprintf(to, usage, qPrintable(spooler::defaultStoreFile()),
                 qPrintable(defaultModulePath()),
                 qPrintable(QString::fromStdU16String(spooler::kEmbeddedMonitorName)),
                 qPrintable(languageLines()), qPrintable(diagnostics::logFile()));
}

// The versions of everything a run puts together; fails when the module that
// would be loaded cannot be read.
int printVersions(const QString& module) {
    std::printf("netport %s\n", NETPORT_VERSION);
    const QString moduleVersion = ::moduleVersion(module);
    std::printf("module %s (%s)\n", moduleVersion.isEmpty() ? "unknown" : qPrintable(moduleVersion),
                qPrintable(module));
    std::printf("store schema %d\n", spooler::kSchemaVersion);
    std::printf("Qt %s", qVersion());
    if (std::strcmp(qVersion(), QT_VERSION_STR) != 0) {
        std::printf(" (built with %s)", QT_VERSION_STR);
    }
    std::printf("\n");
    if (moduleVersion.isEmpty()) {
        std::fprintf(stderr, "netport: cannot read the module's version from %s\n",
                     qPrintable(module));
        return 1;
    }
    return 0;
}

// Standard output could not be written completely (a full disk, a closed
// pipe): the command failed, whatever it did.
int finishOutput(int exitCode) {
    if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
        std::fprintf(stderr, "netport: cannot write the output: %s\n", std::strerror(errno));
        return exitCode != 0 ? exitCode : 1;
    }
    return exitCode;
}

} // namespace

int main(int argc, char** argv) {
    // A write cut short by a file-size limit or a closed pipe is a failure to
    // report, not a reason to die.
    std::signal(SIGXFSZ, SIG_IGN);
    std::signal(SIGPIPE, SIG_IGN);
    Options options;
    bool verbose = false;
    bool version = false;
    options.monitor = QString::fromStdU16String(spooler::kEmbeddedMonitorName);
    const char* const valued[] = {"--store",   "--module",      "--server",
                                  "--monitor", "--screenshots", "--language"};
    QString* targets[] = {&options.store,   &options.module,      &options.server,
                          &options.monitor, &options.screenshots, &options.language};
    for (int i = 1; i < argc; ++i) {
        const char* arg = argv[i];
        if (std::strcmp(arg, "--help") == 0 || std::strcmp(arg, "-h") == 0) {
            printUsage(stdout);
            return 0;
        }
        if (std::strcmp(arg, "--verbose") == 0) {
            verbose = true;
            continue;
        }
        if (std::strcmp(arg, "--version") == 0) {
            version = true;
            continue;
        }
        bool matched = false;
        for (size_t k = 0; k < sizeof valued / sizeof valued[0]; ++k) {
            if (std::strcmp(arg, valued[k]) == 0) {
                if (i + 1 >= argc) {
                    std::fprintf(stderr, "netport: %s needs a value\n", arg);
                    return 2;
                }
                *targets[k] = QString::fromLocal8Bit(argv[++i]);
                if (targets[k] == &options.store && options.store.isEmpty()) {
                    std::fprintf(stderr, "netport: --store needs a file name\n");
                    return 2;
                }
                options.hasServer = options.hasServer || targets[k] == &options.server;
                matched = true;
            }
        }
        if (matched) {
            continue;
        }
        if (arg[0] == '-' && arg[1] == '-') {
            std::fprintf(stderr, "netport: unknown option %s (see netport --help)\n", arg);
            return 2;
        }
        if (options.command.isEmpty()) {
            options.command = QString::fromLocal8Bit(arg);
        } else {
            options.arguments << QString::fromLocal8Bit(arg);
        }
    }
    if (version) {
        return finishOutput(
            printVersions(options.module.isEmpty() ? defaultModulePath() : options.module));
    }
    if (options.command.isEmpty()) {
        std::fprintf(stderr, "netport: no command given\n\n");
        printUsage(stderr);
        return 2;
    }
    QStringList run{QStringLiteral("netport")};
    for (int i = 1; i < argc; ++i) {
        run << QString::fromLocal8Bit(argv[i]);
    }
    diagnostics::start(verbose, run.join(QLatin1Char(' ')));
    return finishOutput(runCommand(options));
}
