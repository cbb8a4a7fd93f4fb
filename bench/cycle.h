// The operation cycle: adds, configures and deletes ports through the module's
// table, with the windows worked by real key and mouse events from inside the
// module's modal loops, accepted, cancelled and refused in turn. Shared by the
// cycle test and the benchmark.
#pragma once

#include "host/driver.h"
#include "platform/win32.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <string>
#include <vector>

namespace spooler {
class EmbeddedPortMonitor;
}

namespace cycle {

// The steps of an operation are the shared window driver's: it starts each
// time a toolkit application is created and performs them in order.
using driver::Step;

struct Operation {
    QString what;
    std::vector<Step> steps;
    std::function<BOOL()> call;
    BOOL expectedResult = TRUE;
    DWORD expectedError = 0; // the last error, checked when the result is FALSE
    // A debug output line the operation must write (empty: none checked).
    QString expectedLogLine;
    // Checks the port monitor's state afterwards; empty text when all is well.
    std::function<QString()> verify;
};

struct Outcome {
    BOOL result = FALSE;
    DWORD lastError = 0;
    QString failure;   // what went wrong with the windows, or empty
    std::string debug; // the debug output written during the call
};

// Runs one operation with its steps armed and the debug output captured.
Outcome run(Operation& operation);

// The cycle's operations, ten to a round: add a socket port, add an HTTP port,
// cancel an add, configure the socket port (accepted), look at the HTTP port
// and cancel, add the socket port again (the port-exists warning), give the
// socket port a bad time out (the input error, then cancel), delete the HTTP
// port, configure the deleted HTTP port (refused without a window), and in
// odd rounds delete the socket port (even rounds keep it).
class Cycle {
public:
    static constexpr int kOperationsPerRound = 10;

    Cycle(PMONITORUI table, std::u16string monitorName, spooler::EmbeddedPortMonitor& monitor);

    // The operation with this index; operations are to be taken and run in
    // order, since each one expects what the ones before it left.
    Operation operation(int index);
    // The ports the monitor should hold once the operations handed out so
    // far have run, sorted.
    QStringList expectedPorts() const;

private:
    Operation addSocket(const QString& typedHost, const QString& portName, bool exists);
    Operation addHttp(int round);
    Operation cancelAdd(int round);
    Operation configureAccept(const QString& port, int round);
    Operation configureCancel(const QString& port);
    Operation configureBadTimeout(const QString& port);
    Operation deletePort(const QString& port);
    Operation configureUnknown(const QString& port);

    PMONITORUI table;
    std::u16string monitorName;
    spooler::EmbeddedPortMonitor& monitor;
    QStringList ports;
};

// Resident memory figures of this process from /proc/self/status, in KiB.
long residentKiB();
long peakResidentKiB();
// Sets the peak back to the present resident size (false where the kernel
// does not allow it).
bool resetPeakResident();

} // namespace cycle
