// netport-bench: what the module costs its host, each figure beside a baseline
// measured in the same run on the same machine.
//
//   open latency  AddPortUI until the wizard is shown, ConfigurePortUI until the
//                 dialog is shown (toolkit application and catalogue scan
//                 included; the port monitor answers from memory); baseline: a
//                 bare QApplication showing an empty QDialog, and beside it the
//                 same dialog holding a label and a button (the text floor);
//                 for information, the properties dialog's generated form
//                 alone in a bare application
//   start check   applicationStartError() on its own, the first call of the
//                 process and the later ones; baseline: the display check alone
//   typing        one keystroke in the socket page's port field; baseline: one
//                 keystroke in a bare QLineEdit
//   parsing       parseParams on replies of 100 B to 1 MB, per byte; baseline:
//                 splitting the same reply at ";"
//   memory        peak resident memory of one add operation in a fresh process
//                 (baseline: the bare dialog in a fresh process), and the growth
//                 of resident memory over the 300-operation cycle
//   store         add, show, delete and list on the embedded monitor's store
//                 with 100, 1,000 and 10,000 ports; floor: the same statement
//                 on a bare SQLite table (bench/storebench.cpp)
//
// Every figure is the median of repeated runs; the runs of a figure and its
// baseline are interleaved. The windows are drawn on the offscreen platform.
// The --loop-* options repeat one kind of run, for a profiler.
//
// The rows are measured in bench/open.cpp (open latency and the start check),
// bench/typing.cpp, bench/parsing.cpp, bench/memory.cpp (the child processes)
// and bench/storebench.cpp; this file runs them and prints the table.
#include "bench/bench.h"
#include "bench/cycle.h"
#include "bench/figures.h"
#include "bench/memory.h"
#include "bench/open.h"
#include "bench/parsing.h"
#include "bench/storebench.h"
#include "bench/typing.h"

#include "host/driver.h"
#include "monitorui/entry.h"
#include "platform/win32_testing.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace bench {

namespace {

using figures::median;
using figures::verdict;

// ---------------------------------------------------------------------------
// The machine.

QString firstLine(const QString& path, const QString& prefix) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    for (const QByteArray& line : file.readAll().split('\n')) {
        const QString text = QString::fromUtf8(line);
        if (text.startsWith(prefix)) {
            return text.mid(text.indexOf(QLatin1Char(':')) + 1).trimmed();
        }
    }
    return {};
}

void printMachine() {
    std::printf(
        "Machine: %s, %ld cores online, %s memory; Qt %s; build type %s\n",
        qPrintable(firstLine(QStringLiteral("/proc/cpuinfo"), QStringLiteral("model name"))),
        sysconf(_SC_NPROCESSORS_ONLN),
        qPrintable(firstLine(QStringLiteral("/proc/meminfo"), QStringLiteral("MemTotal"))),
        qVersion(), NETPORT_BUILD_TYPE);
}

struct Options {
    int runs = 15;
    int keystrokes = 200;
    int cycles = 3;
    int cycleLength = 300;
    int storeRuns = 200;
    // The store figures are taken on the disk the program lies on, which is
    // where it was built, unless told otherwise.
    QString storeFolder;
    bool storeOnly = false;
};

int runBenchmarks(const Options& options) {
    printMachine();
    if (options.storeOnly) {
        return storebench::run(options.storeFolder, options.storeRuns) ? 0 : 1;
    }
    Bench bench;
    // First of all: the first start check of the process is timed before
    // anything loaded the platform plugin.
    const StartCheck startCheck = timeStartCheck(bench, options.runs);
    QTemporaryDir store;
    bench.table = InitializePrintMonitorUI();
    if (!setUpMonitors(bench, store)) {
        return 1;
    }
    driver::setApplicationHook(installProbe);

    // Open latency; one warm-up round first (the first application of a
    // process loads the platform plugin and the fonts).
    std::vector<double> floorMs;
    std::vector<double> wizardMs;
    std::vector<double> dialogMs;
    std::vector<double> textFloorMs;
    std::vector<double> storedDialogMs;
    std::vector<double> formMs;
    for (int i = 0; i <= options.runs; ++i) {
        const double f = openFloor(bench);
        const double w = openWizard(bench);
        const double t = openFloor(bench, true);
        const double d = openDialog(bench);
        const double ds = openDialog(bench, true);
        const double u = openPropertiesForm(bench);
        if (i > 0) {
            formMs.push_back(u);
            storedDialogMs.push_back(ds);
            textFloorMs.push_back(t);
            floorMs.push_back(f);
            wizardMs.push_back(w);
            dialogMs.push_back(d);
        }
    }

    // Typing.
    std::vector<double> keyFloor, keyFlip, keySteady, keyPainted, keyFloorPainted;
    int wrongNext = 0;
    for (int i = 0; i < options.runs; ++i) {
        Keystrokes wizardKeys;
        typeWizard(bench, options.keystrokes, wizardKeys);
        Keystrokes floorKeys;
        typeFloor(bench, options.keystrokes, floorKeys);
        keyFlip.push_back(median(wizardKeys.flipping));
        keySteady.push_back(median(wizardKeys.steady));
        keyPainted.push_back(median(wizardKeys.painted));
        keyFloor.push_back(median(floorKeys.flipping));
        keyFloorPainted.push_back(median(floorKeys.painted));
        wrongNext += wizardKeys.wrongNext;
    }
    if (wrongNext) {
        bench.problem("Next did not follow the port field while typing");
    }
    driver::setApplicationHook({});

    // Parsing.
    struct Size {
        const char* label;
        int bytes;
    };
    const Size sizes[] = {
        {"100 B", 100}, {"1 KB", 1000}, {"10 KB", 10000}, {"100 KB", 100000}, {"1 MB", 1000000}};
    struct ParseRow {
        const char* label;
        double captured;
        double discarded;
        double split;
    };
    // The sizes take turns, so that a slower stretch of the machine falls on
    // all of them alike.
    const size_t sizeCount = sizeof sizes / sizeof sizes[0];
    std::vector<QString> texts;
    for (const Size& size : sizes) {
        texts.push_back(reply(size.bytes / 2));
    }
    std::vector<std::vector<double>> captured(sizeCount), discarded(sizeCount), split(sizeCount);
    for (int i = 0; i < options.runs; ++i) {
        for (size_t k = 0; k < sizeCount; ++k) {
            const QString& text = texts[k];
            win32::beginDebugCapture();
            captured[k].push_back(timeParse(text));
            win32::endDebugCapture();
            discarded[k].push_back(withStderrDiscarded([&text] { return timeParse(text); }));
            split[k].push_back(timeSplit(text));
        }
    }
    std::vector<ParseRow> parseRows;
    for (size_t k = 0; k < sizeCount; ++k) {
        // Nanoseconds per byte of the reply block (UTF-16).
        const double perByte = 1000.0 / sizes[k].bytes;
        parseRows.push_back({sizes[k].label, median(captured[k]) * perByte,
                             median(discarded[k]) * perByte, median(split[k]) * perByte});
    }

    // Memory.
    std::vector<double> addPeak, addRise, floorPeak, floorRise;
    for (int i = 0; i < options.runs; ++i) {
        const std::vector<long> add = runChild("--single-add");
        const std::vector<long> bare = runChild("--single-floor");
        if (add.size() != 3 || !add[2] || bare.size() != 3 || !bare[2]) {
            bench.problem("a memory child failed");
            continue;
        }
        addPeak.push_back(add[1] / 1024.0);
        addRise.push_back((add[1] - add[0]) / 1024.0);
        floorPeak.push_back(bare[1] / 1024.0);
        floorRise.push_back((bare[1] - bare[0]) / 1024.0);
    }
    std::vector<double> growthRss, growthRssFromStart;
    for (int i = 0; i < options.cycles; ++i) {
        const std::string mode = "--cycle " + std::to_string(options.cycleLength);
        const std::vector<long> c = runChild(mode.c_str());
        if (c.size() != 4 || c[3] != 0) {
            bench.problem("a cycle child failed");
            continue;
        }
        growthRss.push_back((c[2] - c[1]) / 1024.0);
        growthRssFromStart.push_back((c[2] - c[0]) / 1024.0);
    }

    const double wizardRatio = median(wizardMs) / median(floorMs);
    const double dialogRatio = median(dialogMs) / median(floorMs);
    std::printf("\nMedians of %d runs (open latency after one warm-up round; typing %d runs of %d "
                "keystrokes each kind; memory %d fresh processes, the cycle %d times).\n"
                "Debug output captured in memory (win32::beginDebugCapture) unless said "
                "otherwise.\n\n",
                options.runs, options.runs, options.keystrokes, options.runs, options.cycles);
    std::printf("| Measure | Module | Baseline | Ratio | Goal | Verdict |\n");
    std::printf("|---|---:|---:|---:|---|---|\n");
    std::printf("| Open: AddPortUI until the wizard is shown | %.1f ms | %.1f ms | %.2f | <= 1.5 x "
                "baseline | %s |\n",
                median(wizardMs), median(floorMs), wizardRatio, verdict(wizardRatio <= 1.5));
    std::printf("| Open: ConfigurePortUI until the dialog is shown (monitor answering from memory) "
                "| %.1f ms | %.1f ms | %.2f | <= "
                "1.3 x baseline | %s |\n",
                median(dialogMs), median(floorMs), dialogRatio, verdict(dialogRatio <= 1.3));
    // The goal against the text floor: a window with text cannot cost less
    // than the font set-up that the empty dialog leaves out.
    const double wizardTextRatio = median(wizardMs) / median(textFloorMs);
    const double dialogTextRatio = median(dialogMs) / median(textFloorMs);
    std::printf("| Open: AddPortUI until the wizard is shown, against the text floor (the bare "
                "dialog with a label and a button) | %.1f ms | "
                "%.1f ms | %.2f | <= 1.1 x text floor | %s |\n",
                median(wizardMs), median(textFloorMs), wizardTextRatio,
                verdict(wizardTextRatio <= 1.1));
    std::printf("| Open: ConfigurePortUI until the dialog is shown, against the text floor | "
                "%.1f ms | %.1f ms | %.2f | <= 1.1 x text floor | %s |\n",
                median(dialogMs), median(textFloorMs), dialogTextRatio,
                verdict(dialogTextRatio <= 1.1));
    const double formRatio = median(formMs) / median(textFloorMs);
    std::printf("| Open: the properties dialog's generated form alone in a bare application (no "
                "module code), against the text floor | %.1f ms | %.1f ms | %.2f | (information) "
                "| |\n",
                median(formMs), median(textFloorMs), formRatio);
    const double laterUs = median(startCheck.laterUs);
    const double displayUs = median(startCheck.displayUs);
    std::printf("| Start check (applicationStartError, no application yet), later calls: plugin "
                "known, display checked | %.3f us | %.3f us | %.2f | (information) | |\n",
                laterUs, displayUs, laterUs / displayUs);
    std::printf("| Start check, first call of the process: plugin search and load | %.0f us | | | "
                "(information) | |\n",
                startCheck.firstUs);
    std::printf("| Open, ConfigurePortUI with the port in the embedded monitor's file store "
                "(stand-in store read on every query) | %.1f ms | | | (information) | |\n",
                median(storedDialogMs));
    std::printf("| Keystroke in the port field, Next turns on/off (row rebuilt) | %.0f us | %.0f "
                "us | %.2f | < 1000 us | %s |\n",
                median(keyFlip), median(keyFloor), median(keyFlip) / median(keyFloor),
                verdict(median(keyFlip) < 1000));
    std::printf("| Keystroke in the port field, Next stays on | %.0f us | %.0f us | %.2f | < 1000 "
                "us | %s |\n",
                median(keySteady), median(keyFloor), median(keySteady) / median(keyFloor),
                verdict(median(keySteady) < 1000));
    std::printf("| Keystroke with Next turning, repaint included | %.0f us | %.0f us | %.2f | "
                "(information) | |\n",
                median(keyPainted), median(keyFloorPainted),
                median(keyPainted) / median(keyFloorPainted));
    for (const ParseRow& row : parseRows) {
        std::printf("| parseParams, %s reply, per byte (debug output to /dev/null instead: %.1f "
                    "ns) | %.1f ns | %.2f ns | %.1f | flat per byte | |\n",
                    row.label, row.discarded, row.captured, row.split, row.captured / row.split);
    }
    // Linear cost: from 1 KB on (below it the fixed cost of a call dominates),
    // no reply costs more per byte than 1.5 times what the 1 KB reply costs.
    double growth = 0;
    for (size_t k = 2; k < parseRows.size(); ++k) {
        growth = std::max(growth, parseRows[k].captured / parseRows[1].captured);
    }
    std::printf("| parseParams per byte, worst of 10 KB to 1 MB against 1 KB | %.2f | | | <= 1.5 "
                "| %s |\n",
                growth, verdict(growth <= 1.5));
    std::printf("| Peak resident memory, one add operation in a fresh process (VmHWM) | %.1f MB | "
                "%.1f MB | %.2f | (information) | |\n",
                median(addPeak), median(floorPeak), median(addPeak) / median(floorPeak));
    std::printf("| Rise of the peak above the resident memory before the operation | %.1f MB | "
                "%.1f MB | %.2f | (information) | |\n",
                median(addRise), median(floorRise), median(addRise) / median(floorRise));
    std::printf("| Resident memory growth, operations 11 to %d of the cycle | %.2f MB | | | < 1 "
                "MB | %s |\n",
                options.cycleLength, median(growthRss), verdict(median(growthRss) < 1.0));
    std::printf("| Resident memory growth, operations 1 to %d (first loads included) | %.2f MB "
                "| | | (information) | |\n",
                options.cycleLength, median(growthRssFromStart));
    if (!storebench::run(options.storeFolder, options.storeRuns)) {
        bench.failed = true;
    }
    return bench.failed ? 1 : 0;
}

// Repeats one kind of run `count` times, for a profiler.
int loop(const std::string& kind, int count, int replyBytes) {
    QTemporaryDir store;
    Bench bench;
    bench.table = InitializePrintMonitorUI();
    if (!setUpMonitors(bench, store)) {
        return 1;
    }
    driver::setApplicationHook(installProbe);
    const QString text = kind == "--loop-parse" ? reply(replyBytes / 2) : QString();
    double total = 0;
    for (int i = 0; i < count; ++i) {
        if (kind == "--loop-floor") {
            total += openFloor(bench);
        } else if (kind == "--loop-text-floor") {
            total += openFloor(bench, true);
        } else if (kind == "--loop-wizard") {
            total += openWizard(bench);
        } else if (kind == "--loop-dialog") {
            total += openDialog(bench);
        } else if (kind == "--loop-properties-form") {
            total += openPropertiesForm(bench);
        } else {
            win32::beginDebugCapture();
            total += timeParse(text) / 1000;
            win32::endDebugCapture();
        }
    }
    std::printf("%s: %.2f ms on average\n", kind.c_str(), total / count);
    return bench.failed ? 1 : 0;
}

} // namespace

} // namespace bench

int main(int argc, char** argv) {
    using namespace bench;
    // The windows are drawn off screen: no display is needed.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    Options options;
    options.storeFolder =
        QFileInfo(QFile::symLinkTarget(QStringLiteral("/proc/self/exe"))).absolutePath();
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--store-only") {
            options.storeOnly = true;
            continue;
        }
        if (arg == "--store-dir" && i + 1 < argc) {
            options.storeFolder = QString::fromLocal8Bit(argv[++i]);
            continue;
        }
        if (arg == "--single-add") {
            return childSingleAdd();
        }
        if (arg == "--single-floor") {
            return childSingleFloor();
        }
        if (arg == "--cycle" && i + 1 < argc) {
            return childCycle(std::atoi(argv[i + 1]));
        }
        // Profiling aids: one kind of run, repeated.
        if ((arg == "--loop-floor" || arg == "--loop-text-floor" || arg == "--loop-wizard" ||
             arg == "--loop-dialog" || arg == "--loop-properties-form" || arg == "--loop-parse") &&
            i + 1 < argc) {
            // --loop-parse COUNT [BYTES]: the reply size, 1 MB unless given.
            const int bytes = i + 2 < argc ? std::atoi(argv[i + 2]) : 1000000;
            return loop(arg, std::atoi(argv[i + 1]), std::max(bytes, 2));
        }
        if ((arg == "--runs" || arg == "--keystrokes" || arg == "--cycles" ||
             arg == "--cycle-length" || arg == "--store-runs") &&
            i + 1 < argc) {
            const int value = std::atoi(argv[++i]);
            if (value < 1) {
                std::fprintf(stderr, "netport-bench: %s needs a positive number\n", arg.c_str());
                return 2;
            }
            if (arg == "--cycle-length" && value <= cycle::Cycle::kOperationsPerRound) {
                std::fprintf(stderr, "netport-bench: a cycle has more than one round\n");
                return 2;
            }
            (arg == "--runs"         ? options.runs
             : arg == "--keystrokes" ? options.keystrokes
             : arg == "--cycles"     ? options.cycles
             : arg == "--store-runs" ? options.storeRuns
                                     : options.cycleLength) = value;
            continue;
        }
        std::fprintf(stderr, "usage: netport-bench [--runs N] [--keystrokes N] [--cycles N] "
                             "[--cycle-length N] [--store-runs N] [--store-dir DIR] "
                             "[--store-only]\n");
        return 2;
    }
    return runBenchmarks(options);
}
