// netport: plays the print spooler's part for the module on Linux. It loads
// the module, asks it for its table and runs the port operations against the
// embedded port monitor.
#include "host/commands.h"
#include "host/module.h"
#include "spooler/embeddedmonitor.h"

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
    "  --language LANG   tour: use the catalogue monitor_LANG.qm\n"
    "  --help            show this text\n";

void printUsage(std::FILE* to) {
    std::fprintf(to, usage, qPrintable(spooler::defaultStoreFile()),
                 qPrintable(defaultModulePath()),
                 qPrintable(QString::fromStdU16String(spooler::kEmbeddedMonitorName)));
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
    if (options.command.isEmpty()) {
        std::fprintf(stderr, "netport: no command given\n\n");
        printUsage(stderr);
        return 2;
    }
    return finishOutput(runCommand(options));
}
