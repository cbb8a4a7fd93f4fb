#include "bench/memory.h"

#include "bench/bench.h"
#include "bench/cycle.h"
#include "bench/open.h"

#include "host/driver.h"
#include "monitorui/entry.h"
#include "spooler/embeddedmonitor.h"

#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <string>

namespace bench {

int childSingleAdd() {
    QTemporaryDir store;
    auto monitor = registerMonitor(store);
    cycle::Cycle operations(InitializePrintMonitorUI(), kMonitor, *monitor);
    cycle::Operation op = operations.operation(0);
    const long before = cycle::residentKiB();
    const bool reset = cycle::resetPeakResident();
    const cycle::Outcome outcome = cycle::run(op);
    const long peak = cycle::peakResidentKiB();
    const bool ok = outcome.result && outcome.failure.isEmpty() && monitor->ports().size() == 1;
    std::printf("%ld %ld %d\n", before, peak, ok && reset ? 1 : 0);
    return 0;
}

int childSingleFloor() {
    Bench bench;
    driver::setApplicationHook(installProbe);
    const long before = cycle::residentKiB();
    const bool reset = cycle::resetPeakResident();
    openFloor(bench);
    const long peak = cycle::peakResidentKiB();
    std::printf("%ld %ld %d\n", before, peak, !bench.failed && reset ? 1 : 0);
    return 0;
}

int childCycle(int length) {
    QTemporaryDir store;
    auto monitor = registerMonitor(store);
    cycle::Cycle operations(InitializePrintMonitorUI(), kMonitor, *monitor);
    long rss[3] = {cycle::residentKiB(), 0, 0};
    int failures = 0;
    for (int i = 0; i < length; ++i) {
        cycle::Operation op = operations.operation(i);
        const cycle::Outcome outcome = cycle::run(op);
        if (!outcome.failure.isEmpty() || outcome.result != op.expectedResult) {
            ++failures;
        }
        if (i + 1 == cycle::Cycle::kOperationsPerRound) {
            rss[1] = cycle::residentKiB();
        }
    }
    rss[2] = cycle::residentKiB();
    if (monitor->ports() != operations.expectedPorts()) {
        ++failures;
    }
    std::printf("%ld %ld %ld %d\n", rss[0], rss[1], rss[2], failures);
    return 0;
}

std::vector<long> runChild(const char* mode) {
    const QByteArray self =
        QFile::encodeName(QFile::symLinkTarget(QStringLiteral("/proc/self/exe")));
    const std::string command = "'" + self.toStdString() + "' " + mode + " 2>/dev/null";
    std::vector<long> numbers;
    if (FILE* pipe = popen(command.c_str(), "r")) {
        long n = 0;
        while (std::fscanf(pipe, "%ld", &n) == 1) {
            numbers.push_back(n);
        }
        pclose(pipe);
    }
    return numbers;
}

} // namespace bench
