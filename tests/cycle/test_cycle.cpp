// Many operations in one process, as a print spooler's user interface runs
// them over a long session: after each one the toolkit application is gone,
// every channel is closed, every kernel block is freed and the port monitor
// holds exactly the ports it should.
#include "bench/cycle.h"

#include "monitorui/entry.h"
#include "platform/win32_testing.h"
#include "spooler/embeddedmonitor.h"
#include "spooler/spooler.h"
#include "toolkit/application.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {

const char16_t* const kMonitor = u"Cycle Monitor";
constexpr int kOperations = 300;

// What is wrong after an operation, or empty.
QString problemAfter(const cycle::Operation& op, const cycle::Outcome& outcome,
                     long blocksAtStart) {
    if (!outcome.failure.isEmpty()) {
        return outcome.failure;
    }
    if (outcome.result != op.expectedResult) {
        return QStringLiteral("the result is %1 (last error %2)")
            .arg(outcome.result)
            .arg(outcome.lastError);
    }
    if (!op.expectedResult && outcome.lastError != op.expectedError) {
        return QStringLiteral("the last error is %1 instead of %2")
            .arg(outcome.lastError)
            .arg(op.expectedError);
    }
    if (!op.expectedLogLine.isEmpty() && !QString::fromStdString(outcome.debug)
                                              .split(QLatin1Char('\n'))
                                              .contains(op.expectedLogLine)) {
        return QStringLiteral("the debug output lacks \"%1\"").arg(op.expectedLogLine);
    }
    if (QCoreApplication::instance()) {
        return QStringLiteral("the toolkit application is still there");
    }
    if (applicationUseCount() != 0) {
        return QStringLiteral("the application's use count is %1").arg(applicationUseCount());
    }
    if (spooler::openChannelCount() != 0) {
        return QStringLiteral("%1 channels are open").arg(spooler::openChannelCount());
    }
    if (win32::liveBlocks() != blocksAtStart) {
        return QStringLiteral("%1 kernel blocks are live instead of %2")
            .arg(win32::liveBlocks())
            .arg(blocksAtStart);
    }
    return op.verify ? op.verify() : QString();
}

} // namespace

class CycleTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        QVERIFY(store.isValid());
        monitor = std::make_shared<spooler::EmbeddedPortMonitor>(store.filePath("ports.db"));
        spooler::registerMonitor(kMonitor, monitor);
    }
    void cleanupTestCase() { spooler::unregisterAllMonitors(); }

    void runsManyOperationsWithoutGrowth() {
        QVERIFY(!QCoreApplication::instance());
        const long blocksAtStart = win32::liveBlocks();
        cycle::Cycle operations(InitializePrintMonitorUI(), kMonitor, *monitor);
        for (int i = 0; i < kOperations; ++i) {
            cycle::Operation op = operations.operation(i);
            const cycle::Outcome outcome = cycle::run(op);
            const QString problem = problemAfter(op, outcome, blocksAtStart);
            QVERIFY2(
                problem.isEmpty(),
                qPrintable(QStringLiteral("operation %1 (%2): %3").arg(i).arg(op.what, problem)));
            const QStringList held = monitor->ports();
            QVERIFY2(held == operations.expectedPorts(),
                     qPrintable(QStringLiteral("after operation %1 (%2) the monitor holds %3")
                                    .arg(i)
                                    .arg(op.what, held.join(QLatin1Char(' ')))));
        }

        // Every even round keeps its socket port; everything else was deleted.
        QStringList kept;
        for (int round = 0; round < kOperations / cycle::Cycle::kOperationsPerRound; round += 2) {
            kept << QStringLiteral("10.1.%1.1:9100").arg(round);
        }
        kept.sort();
        QCOMPARE(monitor->ports(), kept);
    }

private:
    QTemporaryDir store;
    std::shared_ptr<spooler::EmbeddedPortMonitor> monitor;
};

QTEST_APPLESS_MAIN(CycleTest)
#include "test_cycle.moc"
