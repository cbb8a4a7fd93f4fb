// The three port operations through the stand-in spooler and a scriptable
// port monitor: every path, with results, last errors, the commands sent with
// their byte counts, and the channel closed every time.
#include "flow_doubles.h"

#include "monitorui/entry.h"
#include "platform/win32_testing.h"
#include "spooler/scriptablemonitor.h"
#include "toolkit/windowthread.h"

#include <QtTest>

#include <future>
#include <memory>
#include <thread>

using spooler::ScriptableMonitor;

namespace {

const char16_t* const kMonitor = u"Test Monitor";
const char16_t* const kPort = u"10.0.0.5:9100";

std::u16string owned(PWSTR block) {
    std::u16string text = block ? std::u16string(block) : std::u16string();
    GlobalFree(block);
    return text;
}

std::vector<BYTE> bytesOf(const std::u16string& text, size_t count) {
    const auto* p = reinterpret_cast<const BYTE*>(text.c_str());
    return std::vector<BYTE>(p, p + count);
}

} // namespace

class EntryTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        flows.reset();
        monitor = std::make_shared<ScriptableMonitor>(std::set<std::u16string>{kPort, u"pp"});
        spooler::registerMonitor(kMonitor, monitor);
        blocksBefore = win32::liveBlocks();
        SetLastError(0);
    }
    void cleanup() {
        // Every way out closes the channel and frees every block it allocated.
        QCOMPARE(spooler::openChannelCount(), 0);
        QCOMPARE(win32::liveBlocks(), blocksBefore);
        win32::failAllocation(0);
        spooler::unregisterAllMonitors();
    }

    void buildsChannelNames() {
        QCOMPARE(owned(buildXcvName(u"\\\\SERVER", u"XcvPort", kPort)),
                 std::u16string(u"\\\\SERVER\\,XcvPort 10.0.0.5:9100"));
        QCOMPARE(owned(buildXcvName(nullptr, u"XcvMonitor", u"M")),
                 std::u16string(u",XcvMonitor M"));
        QCOMPARE(owned(buildXcvName(u"", u"XcvPort", u"p")), std::u16string(u"\\,XcvPort p"));
        QCOMPARE(owned(buildXcvName(nullptr, u"XcvMonitor", nullptr)),
                 std::u16string(u",XcvMonitor "));
        win32::failAllocation(1);
        QVERIFY(!buildXcvName(nullptr, u"XcvPort", u"p"));
    }

    void returnsTheSameTableAndEntry() {
        PMONITORUI table = InitializePrintMonitorUI();
        QCOMPARE(InitializePrintMonitorUI(), table);
        QCOMPARE(table->dwMonitorUISize, static_cast<DWORD>(sizeof(MONITORUI)));
        QVERIFY(table->pfnAddPortUI == &AddPortUI);
        QVERIFY(table->pfnConfigurePortUI == &ConfigurePortUI);
        QVERIFY(table->pfnDeletePortUI == &DeletePortUI);
        for (DWORD reason = 0; reason < 4; ++reason) {
            QCOMPARE(DllEntryPoint(nullptr, reason, nullptr), 1);
        }
    }

    void deletesAPort() {
        QVERIFY(DeletePortUI(nullptr, nullptr, u"pp"));
        const auto calls = monitor->calls();
        QCOMPARE(calls.size(), size_t(3));
        QCOMPARE(calls[0].kind, ScriptableMonitor::Call::Open);
        QCOMPARE(calls[0].object, std::u16string(u"pp"));
        QVERIFY(calls[0].isPort);
        QCOMPARE(calls[1].command, std::u16string(u"DeletePort"));
        QCOMPARE(calls[1].inputBytes, DWORD(6));
        QCOMPARE(calls[1].input, bytesOf(u"pp", 6));
        QCOMPARE(calls[1].outputBytes, DWORD(0));
        QCOMPARE(calls[2].kind, ScriptableMonitor::Call::Close);
    }

    void deleteFailures() {
        // A refused command is a failure with the status as the last error.
        monitor->answer(u"DeletePort", {TRUE, 0, ERROR_UNKNOWN_PORT, 0, {}});
        QVERIFY(!DeletePortUI(nullptr, nullptr, kPort));
        QCOMPARE(GetLastError(), DWORD(ERROR_UNKNOWN_PORT));

        // A failing call keeps the error the spooler left.
        monitor->answer(u"DeletePort", {FALSE, 1234, 0, 0, {}});
        QVERIFY(!DeletePortUI(nullptr, nullptr, kPort));
        QCOMPARE(GetLastError(), DWORD(1234));

        // A port no monitor owns, or a refused open: nothing is sent.
        monitor->clearCalls();
        QVERIFY(!DeletePortUI(nullptr, nullptr, u"nobody's port"));
        QCOMPARE(GetLastError(), DWORD(ERROR_INVALID_PRINTER_NAME));
        monitor->refuseOpen(ERROR_ACCESS_DENIED);
        QVERIFY(!DeletePortUI(nullptr, nullptr, kPort));
        QCOMPARE(GetLastError(), DWORD(ERROR_ACCESS_DENIED));
        monitor->refuseOpen(0);
        QVERIFY(monitor->callsOf(u"DeletePort").empty());

        // No memory for the channel name: nothing opened, nothing sent.
        monitor->clearCalls();
        win32::failAllocation(1);
        QVERIFY(!DeletePortUI(nullptr, nullptr, kPort));
        QCOMPARE(GetLastError(), DWORD(ERROR_NOT_ENOUGH_MEMORY));
        QVERIFY(monitor->calls().empty());
    }

    void addsAPort() {
        flows.addOutcome = FlowDoubles::Finish;
        flows.addSettings = u"10.0.0.5:9100;PROT=SOCKET;MONITORING=ON;COMMUNITY=tulvex;";
        PWSTR out = reinterpret_cast<PWSTR>(this);
        win32::beginDebugCapture();
        const BOOL result = AddPortUI(nullptr, nullptr, kMonitor, &out);
        const std::string debug = win32::endDebugCapture();
        QVERIFY(result);
        QCOMPARE(debug, std::string("AddPorUI\n"));
        QCOMPARE(out, reinterpret_cast<PWSTR>(this));
        const auto calls = monitor->callsOf(u"AddPort");
        QCOMPARE(calls.size(), size_t(1));
        QCOMPARE(calls[0].inputBytes, DWORD(116));
        QCOMPARE(ScriptableMonitor::inputText(calls[0]), flows.addSettings);
        QCOMPARE(calls[0].outputBytes, DWORD(0));
        QVERIFY(!calls[0].outputNull);
        QCOMPARE(monitor->calls().front().object, std::u16string(kMonitor));
        QVERIFY(!monitor->calls().front().isPort);
        QCOMPARE(flows.warnings, 0);
    }

    void addCancelledOrExisting() {
        PWSTR out = nullptr;
        flows.addOutcome = FlowDoubles::Cancel;
        QVERIFY(AddPortUI(nullptr, nullptr, kMonitor, &out));
        QVERIFY(monitor->callsOf(u"AddPort").empty());
        QVERIFY(!out);

        // The port exists: the warning shows while the channel is open, and the
        // call's result stands.
        flows.addOutcome = FlowDoubles::Finish;
        flows.addSettings = u"x:1;PROT=SOCKET;MONITORING=ON;COMMUNITY=tulvex;";
        monitor->answer(u"AddPort", {TRUE, 0, ERROR_ALREADY_EXISTS, 0, {}});
        QVERIFY(AddPortUI(nullptr, nullptr, kMonitor, &out));
        QCOMPARE(flows.warnings, 1);
        QCOMPARE(flows.openChannelsDuringWarning, 1);

        // Any other refusal is a failure.
        monitor->answer(u"AddPort", {TRUE, 0, ERROR_INVALID_PARAMETER, 0, {}});
        QVERIFY(!AddPortUI(nullptr, nullptr, kMonitor, &out));
        QCOMPARE(GetLastError(), DWORD(ERROR_INVALID_PARAMETER));
        QCOMPARE(flows.warnings, 1);

        monitor->answer(u"AddPort", {FALSE, 4321, 0, 0, {}});
        QVERIFY(!AddPortUI(nullptr, nullptr, kMonitor, &out));
        QCOMPARE(GetLastError(), DWORD(4321));
    }

    void addFailures() {
        PWSTR out = nullptr;
        // The user finished but the settings block could not be allocated.
        flows.addOutcome = FlowDoubles::NoMemory;
        QVERIFY(!AddPortUI(nullptr, nullptr, kMonitor, &out));
        QCOMPARE(GetLastError(), DWORD(ERROR_NOT_ENOUGH_MEMORY));
        QVERIFY(monitor->callsOf(u"AddPort").empty());

        // Unknown monitor or no memory for the name: no wizard at all.
        flows.addRuns = 0;
        QVERIFY(!AddPortUI(nullptr, nullptr, u"Unknown Monitor", &out));
        QCOMPARE(GetLastError(), DWORD(ERROR_INVALID_PRINTER_NAME));
        win32::failAllocation(1);
        QVERIFY(!AddPortUI(nullptr, nullptr, kMonitor, &out));
        QCOMPARE(GetLastError(), DWORD(ERROR_NOT_ENOUGH_MEMORY));
        QCOMPARE(flows.addRuns, 0);
    }

    void windowsHeldByAnotherThread() {
        // Another thread shows a window: the calls that need one are turned
        // away at once, before any channel; deleting needs none.
        std::promise<void> held;
        std::promise<void> done;
        std::thread other([&] {
            const WindowThreadClaim claim;
            held.set_value();
            done.get_future().wait();
        });
        held.get_future().wait();
        PWSTR out = nullptr;
        QVERIFY(!AddPortUI(nullptr, nullptr, kMonitor, &out));
        QCOMPARE(GetLastError(), DWORD(ERROR_BUSY));
        SetLastError(0);
        QVERIFY(!ConfigurePortUI(nullptr, nullptr, kPort));
        QCOMPARE(GetLastError(), DWORD(ERROR_BUSY));
        QVERIFY(monitor->calls().empty());
        QCOMPARE(flows.windowChecks + flows.addRuns + flows.configRuns, 0);
        QVERIFY(DeletePortUI(nullptr, nullptr, u"pp"));
        done.set_value();
        other.join();

        // Once that thread is done, this one may; and a thread may nest its calls.
        const WindowThreadClaim outer;
        QCOMPARE(outer.error(), DWORD(ERROR_SUCCESS));
        QVERIFY(AddPortUI(nullptr, nullptr, kMonitor, &out));
        QCOMPARE(flows.addRuns, 1);
    }

    void configuresAPort() {
        const std::u16string reply = u"10.0.0.5:9100;PROT=SOCKET;TIMEOUT=5;MONITORING=ON";
        const DWORD size = DWORD(2 * reply.size() + 2);
        monitor->answer(u"GetProperties", {TRUE, 0, ERROR_INSUFFICIENT_BUFFER, size, {}});
        monitor->answer(u"GetProperties", {TRUE, 0, 0, size, ScriptableMonitor::utf16(reply)});
        flows.configOutcome = FlowDoubles::Finish;
        flows.configSettings = u"10.0.0.5:9100;TIMEOUT=7;HTTP_PROXY_ENABLED=OFF;HTTP_PROXY_NAME=;"
                               u"HTTP_PROXY_PORT=0;MONITORING=ON;COMMUNITY=tulvex";
        QVERIFY(ConfigurePortUI(nullptr, nullptr, kPort));

        const auto gets = monitor->callsOf(u"GetProperties");
        QCOMPARE(gets.size(), size_t(2));
        QCOMPARE(gets[0].inputBytes, DWORD(28));
        QVERIFY(gets[0].outputNull);
        QCOMPARE(gets[0].outputBytes, DWORD(0));
        QCOMPARE(gets[1].outputBytes, size);
        QVERIFY(!gets[1].outputNull);
        QCOMPARE(flows.lastReply, ScriptableMonitor::utf16(reply));
        const auto sets = monitor->callsOf(u"SetProperties");
        QCOMPARE(sets.size(), size_t(1));
        QCOMPARE(ScriptableMonitor::inputText(sets[0]), flows.configSettings);
        QCOMPARE(sets[0].inputBytes, DWORD(2 * flows.configSettings.size() + 2));
        QVERIFY(sets[0].outputNull);

        // Status 0 on the size query goes on to the fetch just the same.
        monitor->clearCalls();
        monitor->answer(u"GetProperties", {TRUE, 0, 0, size, {}});
        monitor->answer(u"GetProperties", {TRUE, 0, 0, size, ScriptableMonitor::utf16(reply)});
        flows.configOutcome = FlowDoubles::Cancel;
        QVERIFY(ConfigurePortUI(nullptr, nullptr, kPort));
        QCOMPARE(monitor->callsOf(u"GetProperties").size(), size_t(2));
        QVERIFY(monitor->callsOf(u"SetProperties").empty());
    }

    void configureFailures() {
        // Size query refused: its status becomes the last error, no dialog.
        monitor->answer(u"GetProperties", {TRUE, 0, ERROR_ACCESS_DENIED, 0, {}});
        QVERIFY(!ConfigurePortUI(nullptr, nullptr, kPort));
        QCOMPARE(GetLastError(), DWORD(ERROR_ACCESS_DENIED));
        monitor->answer(u"GetProperties", {FALSE, 77, 0, 0, {}});
        QVERIFY(!ConfigurePortUI(nullptr, nullptr, kPort));
        QCOMPARE(GetLastError(), DWORD(77));

        // Fetch refused or failing.
        monitor->answer(u"GetProperties", {TRUE, 0, ERROR_INSUFFICIENT_BUFFER, 10, {}});
        monitor->answer(u"GetProperties", {TRUE, 0, ERROR_UNKNOWN_PORT, 0, {}});
        QVERIFY(!ConfigurePortUI(nullptr, nullptr, kPort));
        QCOMPARE(GetLastError(), DWORD(ERROR_UNKNOWN_PORT));
        monitor->answer(u"GetProperties", {TRUE, 0, ERROR_INSUFFICIENT_BUFFER, 10, {}});
        monitor->answer(u"GetProperties", {FALSE, 99, 0, 0, {}});
        QVERIFY(!ConfigurePortUI(nullptr, nullptr, kPort));
        QCOMPARE(GetLastError(), DWORD(99));
        QCOMPARE(flows.configRuns, 0);

        // No memory for the reply block (the second allocation, after the
        // channel name): a failure, nothing shown, nothing more sent.
        monitor->clearCalls();
        monitor->answer(u"GetProperties", {TRUE, 0, ERROR_INSUFFICIENT_BUFFER, 10, {}});
        win32::failAllocation(2);
        QVERIFY(!ConfigurePortUI(nullptr, nullptr, kPort));
        QCOMPARE(GetLastError(), DWORD(ERROR_NOT_ENOUGH_MEMORY));
        QCOMPARE(monitor->callsOf(u"GetProperties").size(), size_t(1));
        QCOMPARE(flows.configRuns, 0);

        // The user accepted but the settings block could not be allocated.
        monitor->answer(u"GetProperties", {TRUE, 0, ERROR_INSUFFICIENT_BUFFER, 4, {}});
        monitor->answer(u"GetProperties", {TRUE, 0, 0, 4, ScriptableMonitor::utf16(u"p")});
        flows.configOutcome = FlowDoubles::NoMemory;
        QVERIFY(!ConfigurePortUI(nullptr, nullptr, kPort));
        QCOMPARE(GetLastError(), DWORD(ERROR_NOT_ENOUGH_MEMORY));
        QVERIFY(monitor->callsOf(u"SetProperties").empty());

        // SetProperties refused.
        monitor->answer(u"GetProperties", {TRUE, 0, ERROR_INSUFFICIENT_BUFFER, 4, {}});
        monitor->answer(u"GetProperties", {TRUE, 0, 0, 4, ScriptableMonitor::utf16(u"p")});
        monitor->answer(u"SetProperties", {TRUE, 0, ERROR_INVALID_PARAMETER, 0, {}});
        flows.configOutcome = FlowDoubles::Finish;
        flows.configSettings = u"p;TIMEOUT=500";
        QVERIFY(!ConfigurePortUI(nullptr, nullptr, kPort));
        QCOMPARE(GetLastError(), DWORD(ERROR_INVALID_PARAMETER));
    }

    void replyIsHandedOnWithinItsReportedSize() {
        // A reply without terminator, of odd size and of size 0: the flow gets
        // exactly the reported bytes (the reply block is allocated to that size,
        // so reading past it would be caught by the sanitizer build).
        struct Case {
            std::vector<BYTE> bytes;
            DWORD size;
        };
        const std::vector<Case> cases = {
            {ScriptableMonitor::utf16(u"abc", false), 6},
            {{'a', 0, 'b'}, 3},
            {{}, 0},
        };
        for (const Case& c : cases) {
            monitor->answer(u"GetProperties", {TRUE, 0, ERROR_INSUFFICIENT_BUFFER, c.size, {}});
            monitor->answer(u"GetProperties", {TRUE, 0, 0, c.size, c.bytes});
            flows.configOutcome = FlowDoubles::Cancel;
            QVERIFY(ConfigurePortUI(nullptr, nullptr, kPort));
            QCOMPARE(flows.lastReplyBytes, c.size);
            QCOMPARE(flows.lastReply, c.bytes);
        }
    }

private:
    std::shared_ptr<ScriptableMonitor> monitor;
    long blocksBefore = 0;
};

QTEST_GUILESS_MAIN(EntryTest)
#include "test_entry.moc"
