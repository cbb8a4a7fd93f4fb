// Drives the module's three port operations through its exported table, in a
// Windows process under Wine, against Wine's own spooler and its "Local Port"
// monitor. The module is the test build: stand-in flows and counting wrappers
// around its spooler and memory calls (probe.h). One line per check; any
// failure makes the exit status 1.
#include "platform/win32.h"
#include "tests/wine/probe.h"

#include <cstdio>
#include <iterator>
#include <string>
#include <vector>

namespace {

const wchar_t kMonitor[] = L"Local Port";
const wchar_t kPort[] = L"NETPORTUI_TEST_1:";
const wchar_t kMissingPort[] = L"NETPORTUI_TEST_MISSING:";
const wchar_t kMissingMonitor[] = L"NetPortUI No Such Monitor";
const wchar_t kMissingServer[] = L"\\\\NETPORTUI-NO-SUCH-HOST";

int failures = 0;
BoundaryProbe* probe = nullptr;
PMONITORUI ui = nullptr;

std::string narrow(const wchar_t* text) {
    std::string out;
    for (; text && *text; ++text) {
        out += *text < 128 ? static_cast<char>(*text) : '?';
    }
    return out;
}

void check(bool ok, const std::string& what) {
    std::printf("%s %s\n", ok ? "ok  " : "FAIL", what.c_str());
    std::fflush(stdout);
    failures += ok ? 0 : 1;
}

void expect(const std::string& what, unsigned long got, unsigned long expected) {
    std::string line = what + ": " + std::to_string(got);
    if (got != expected) {
        line += ", expected " + std::to_string(expected);
    }
    check(got == expected, line);
}

void expectText(const std::string& what, const wchar_t* got, const wchar_t* expected) {
    std::string line = what + ": \"" + narrow(got) + "\"";
    const bool same = lstrcmpW(got, expected) == 0;
    if (!same) {
        line += ", expected \"" + narrow(expected) + "\"";
    }
    check(same, line);
}

// The ports the spooler lists (EnumPortsW, level 1).
std::vector<std::wstring> listedPorts() {
    DWORD needed = 0;
    DWORD returned = 0;
    EnumPortsW(nullptr, 1, nullptr, 0, &needed, &returned);
    std::vector<BYTE> buffer(needed);
    if (!EnumPortsW(nullptr, 1, buffer.data(), needed, &needed, &returned)) {
        check(false, "EnumPortsW fails with " + std::to_string(GetLastError()));
        return {};
    }
    std::vector<std::wstring> names;
    const auto* ports = reinterpret_cast<const PORT_INFO_1W*>(buffer.data());
    for (DWORD i = 0; i < returned; ++i) {
        names.emplace_back(ports[i].pName);
    }
    return names;
}

bool listed(const wchar_t* port) {
    for (const std::wstring& name : listedPorts()) {
        if (lstrcmpiW(name.c_str(), port) == 0) {
            return true;
        }
    }
    return false;
}

// Sends "DeletePort" for `port` straight to the "Local Port" monitor, past the
// module: clears what an interrupted earlier run left in the prefix.
void removeLeftover(const wchar_t* port) {
    if (!listed(port)) {
        return;
    }
    std::printf("note: removing %s left by an earlier run\n", narrow(port).c_str());
    wchar_t name[] = L",XcvMonitor Local Port";
    PRINTER_DEFAULTSW defaults = {nullptr, nullptr, SERVER_ACCESS_ADMINISTER};
    HANDLE channel = nullptr;
    if (OpenPrinterW(name, &channel, &defaults)) {
        DWORD needed = 0;
        DWORD status = 0;
        XcvDataW(channel, L"DeletePort", reinterpret_cast<PBYTE>(const_cast<wchar_t*>(port)),
                 2 * static_cast<DWORD>(lstrlenW(port)) + 2, nullptr, 0, &needed, &status);
        ClosePrinter(channel);
    }
    check(!listed(port), "leftover " + narrow(port) + " removed");
}

// Starts a case with a clean record; the add-port flow finishes with `settings`.
void begin(const char* title, const wchar_t* settings = L"") {
    std::printf("-- %s\n", title);
    *probe = BoundaryProbe{};
    probe->addOutcome = ProbeFinish;
    lstrcpynW(probe->addSettings, settings, static_cast<int>(std::size(probe->addSettings)));
    probe->configOutcome = ProbeCancel;
    probe->windowSupport = ERROR_SUCCESS;
    SetLastError(0xfeed);
}

// The one OpenPrinterW call of the operation: the channel name and its answer.
void expectOpen(const wchar_t* name, BOOL result, DWORD error) {
    expect("OpenPrinterW calls", probe->openCalls, 1);
    if (probe->openCalls < 1) {
        return;
    }
    expectText("channel", probe->opens[0].name, name);
    expect("OpenPrinterW result", probe->opens[0].result, result);
    if (!result) {
        expect("OpenPrinterW last error", probe->opens[0].error, error);
    }
}

// The one XcvDataW call of the operation, as the spooler answered it.
void expectCommand(const wchar_t* command, DWORD inputBytes, BOOL result, DWORD status) {
    expect("XcvDataW calls", probe->xcvCalls, 1);
    if (probe->xcvCalls < 1) {
        return;
    }
    const ProbeXcv& call = probe->xcvs[0];
    expectText("command", call.command, command);
    expect("input bytes", call.inputBytes, inputBytes);
    expect("XcvDataW result", call.result, result);
    expect("spooler status", call.status, status);
}

// After each operation: every channel that opened was closed exactly once and
// every block was freed by the allocator's own free.
void expectBalanced() {
    LONG opened = 0;
    for (LONG i = 0; i < probe->openCalls && i < BoundaryProbe::kRecords; ++i) {
        opened += probe->opens[i].result ? 1 : 0;
    }
    const LONG openNow = liveSlots(probe->channels);
    const LONG liveNow = liveSlots(probe->blocks);
    const bool balanced = probe->closeCalls == opened && openNow == 0 && probe->strayCloses == 0 &&
                          probe->frees == probe->allocations && liveNow == 0 &&
                          probe->strayFrees == 0 && probe->mismatchedFrees == 0 &&
                          probe->overflows == 0;
    char line[400];
    std::snprintf(line, sizeof line,
                  "balanced: %ld channel(s) opened, %ld closed, %ld left open, %ld closes of a "
                  "channel not open; %ld block(s) allocated, %ld freed, %ld left, %ld frees of a "
                  "block not live, %ld by the other allocator; %ld records lost",
                  opened, probe->closeCalls, openNow, probe->strayCloses, probe->allocations,
                  probe->frees, liveNow, probe->strayFrees, probe->mismatchedFrees,
                  probe->overflows);
    check(balanced, line);
}

void expectFlows(LONG windowChecks, LONG addRuns, LONG configRuns, LONG warnings) {
    expect("window checks", probe->windowChecks, windowChecks);
    expect("add-port wizard runs", probe->addRuns, addRuns);
    expect("properties dialog runs", probe->configRuns, configRuns);
    expect("port-exists warnings", probe->warnings, warnings);
}

void addsANewPort() {
    begin("AddPortUI: a new port", kPort);
    check(!listed(kPort), "EnumPortsW does not list the port before");
    PWSTR out = nullptr;
    const BOOL result = ui->pfnAddPortUI(nullptr, nullptr, kMonitor, &out);
    expect("AddPortUI", result, TRUE);
    expectOpen(L",XcvMonitor Local Port", TRUE, 0);
    expectCommand(L"AddPort", 2 * lstrlenW(kPort) + 2, TRUE, ERROR_SUCCESS);
    expectFlows(1, 1, 0, 0);
    expectBalanced();
    check(listed(kPort), "EnumPortsW lists " + narrow(kPort));
}

void addsAnExistingPort() {
    begin("AddPortUI: the port exists already", kPort);
    PWSTR out = nullptr;
    const BOOL result = ui->pfnAddPortUI(nullptr, nullptr, kMonitor, &out);
    const DWORD error = GetLastError();
    expectOpen(L",XcvMonitor Local Port", TRUE, 0);
    expectCommand(L"AddPort", 2 * lstrlenW(kPort) + 2, TRUE, ERROR_ALREADY_EXISTS);
    expectFlows(1, 1, 0, 1);
    expect("channels open while the warning shows", probe->channelsOpenDuringWarning, 1);
    // The warning is all: the result and the last error are the call's.
    expect("AddPortUI", result, probe->xcvs[0].result);
    expect("last error", error, probe->xcvs[0].error);
    expectBalanced();
}

void addsOnAnUnknownMonitor() {
    begin("AddPortUI: an unknown monitor", kPort);
    PWSTR out = nullptr;
    const BOOL result = ui->pfnAddPortUI(nullptr, nullptr, kMissingMonitor, &out);
    const DWORD error = GetLastError();
    expect("AddPortUI", result, FALSE);
    expect("last error", error, ERROR_UNKNOWN_PORT);
    expectOpen(L",XcvMonitor NetPortUI No Such Monitor", FALSE, ERROR_UNKNOWN_PORT);
    expect("XcvDataW calls", probe->xcvCalls, 0);
    expectFlows(0, 0, 0, 0);
    expectBalanced();
}

void addsOnAnUnknownServer() {
    begin("AddPortUI: an unknown server", kPort);
    PWSTR out = nullptr;
    const BOOL result = ui->pfnAddPortUI(kMissingServer, nullptr, kMonitor, &out);
    const DWORD error = GetLastError();
    expect("AddPortUI", result, FALSE);
    expect("last error", error, ERROR_INVALID_PRINTER_NAME);
    expectOpen(L"\\\\NETPORTUI-NO-SUCH-HOST\\,XcvMonitor Local Port", FALSE,
               ERROR_INVALID_PRINTER_NAME);
    expect("XcvDataW calls", probe->xcvCalls, 0);
    expectFlows(0, 0, 0, 0);
    expectBalanced();
}

void addsWithoutWindows() {
    begin("AddPortUI: the windows cannot be shown", kPort);
    probe->windowSupport = ERROR_DEVICE_NOT_AVAILABLE;
    PWSTR out = nullptr;
    const BOOL result = ui->pfnAddPortUI(nullptr, nullptr, kMonitor, &out);
    const DWORD error = GetLastError();
    expect("AddPortUI", result, FALSE);
    expect("last error, set after the channel closed", error, ERROR_DEVICE_NOT_AVAILABLE);
    expectOpen(L",XcvMonitor Local Port", TRUE, 0);
    expect("XcvDataW calls", probe->xcvCalls, 0);
    expectFlows(1, 0, 0, 0);
    expectBalanced();
}

void configuresAPortOfLocalPort() {
    begin("ConfigurePortUI: \"Local Port\" refuses GetProperties");
    const BOOL result = ui->pfnConfigurePortUI(nullptr, nullptr, kPort);
    const DWORD error = GetLastError();
    expect("ConfigurePortUI", result, FALSE);
    expect("last error", error, ERROR_INVALID_PARAMETER);
    expectOpen(L",XcvPort NETPORTUI_TEST_1:", TRUE, 0);
    expectCommand(L"GetProperties", 2 * lstrlenW(kPort) + 2, TRUE, ERROR_INVALID_PARAMETER);
    expectFlows(1, 0, 0, 0);
    expectBalanced();
}

void deletesThePort() {
    begin("DeletePortUI: the port");
    const BOOL result = ui->pfnDeletePortUI(nullptr, nullptr, kPort);
    expect("DeletePortUI", result, TRUE);
    expectOpen(L",XcvPort NETPORTUI_TEST_1:", TRUE, 0);
    expectCommand(L"DeletePort", 2 * lstrlenW(kPort) + 2, TRUE, ERROR_SUCCESS);
    expectFlows(0, 0, 0, 0);
    expectBalanced();
    check(!listed(kPort), "EnumPortsW no longer lists " + narrow(kPort));
}

void deletesAMissingPort() {
    begin("DeletePortUI: a port that does not exist");
    const BOOL result = ui->pfnDeletePortUI(nullptr, nullptr, kMissingPort);
    const DWORD error = GetLastError();
    expect("DeletePortUI", result, FALSE);
    expect("last error", error, ERROR_UNKNOWN_PORT);
    expectOpen(L",XcvPort NETPORTUI_TEST_MISSING:", FALSE, ERROR_UNKNOWN_PORT);
    expect("XcvDataW calls", probe->xcvCalls, 0);
    expectBalanced();
}

// Loads the module from the program's own folder and takes its table.
bool loadModule() {
    wchar_t path[MAX_PATH];
    const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder(path, length);
    folder.erase(folder.find_last_of(L'\\') + 1);
    const HMODULE module = LoadLibraryW((folder + L"netportui.dll").c_str());
    if (!module) {
        check(false, "netportui.dll does not load: error " + std::to_string(GetLastError()));
        return false;
    }
    check(true, "netportui.dll loads");
    using Initialize = PMONITORUI(WINAPI*)();
    // FARPROC takes no arguments; the cast goes through void* as GetProcAddress's
    // callers must.
    const auto initialize = reinterpret_cast<Initialize>(
        reinterpret_cast<void*>(GetProcAddress(module, "InitializePrintMonitorUI")));
    check(initialize != nullptr, "InitializePrintMonitorUI is exported");
    check(GetProcAddress(module, "DllEntryPoint") != nullptr, "DllEntryPoint is exported");
    if (!initialize) {
        return false;
    }
    ui = initialize();
    check(ui != nullptr, "InitializePrintMonitorUI returns the table");
    if (!ui) {
        return false;
    }
    expect("dwMonitorUISize", ui->dwMonitorUISize, sizeof(MONITORUI));
    return ui->pfnAddPortUI && ui->pfnConfigurePortUI && ui->pfnDeletePortUI;
}

} // namespace

int main() {
    probe = boundaryProbe();
    if (loadModule()) {
        removeLeftover(kPort);
        addsANewPort();
        addsAnExistingPort();
        addsOnAnUnknownMonitor();
        addsOnAnUnknownServer();
        addsWithoutWindows();
        configuresAPortOfLocalPort();
        deletesThePort();
        deletesAMissingPort();
    }
    std::printf("%d check(s) failed\n", failures);
    return failures == 0 ? 0 : 1;
}
