// The module in its real home: a plain Windows program (not a Qt application)
// calls the spooler's own AddPortW, ConfigurePortW and DeletePortW under Wine.
// Wine's spooler asks the port monitor of the tests (testmonitor.cpp) for its
// user interface ("MonitorUI"), loads netportui.dll from the system directory
// with the Qt libraries and plugins deployed beside it, and runs its windows
// on Qt's "windows" platform. A second thread works the windows as a person
// would: it finds each window by its caption, brings it to the front, saves a
// picture of it and presses keys (SendInput). Each scenario then compares
// what reached the port monitor (journal.h) and the port it keeps.
//
// Usage: chain_test.exe PICTURE_FOLDER. One line per check; any failure makes
// the exit status 1. Every wait is bounded: a window that does not appear or
// does not close fails the scenario with its caption and what was expected,
// and the windows are closed so that the operation returns.
#include "tests/wine/journal.h"

#include <winspool.h>

#include <gdiplus.h>
#include <winsplp.h>

#include <cstdio>
#include <functional>
#include <string>
#include <vector>

namespace {

const wchar_t kMonitor[] = L"VARDENO Port Monitor";
const wchar_t kMonitorDll[] = L"netport_testmon.dll";
const wchar_t kCaption[] = L"VARDENO TCP/IP Port Configuration (4.2.2)";
const wchar_t kWarning[] = L"WARNING";
const wchar_t kSocketPort[] = L"10.0.0.5:9101";
const wchar_t kHttpPort[] = L"http://10.0.0.7/elp3";

// How long a person waits for a window, and between two keys.
const DWORD kWindowTimeout = 30000;
const DWORD kCloseTimeout = 15000;
const DWORD kKeyPause = 80;
const DWORD kSettle = 500;

int failures = 0;
std::wstring pictureFolder;
MonitorJournal* journal = nullptr;

std::string narrow(const std::wstring& text) {
    std::string out;
    for (wchar_t c : text) {
        out += c < 128 ? static_cast<char>(c) : '?';
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

void expectText(const std::string& what, const std::wstring& got, const std::wstring& expected) {
    std::string line = what + ": \"" + narrow(got) + "\"";
    if (got != expected) {
        line += ", expected \"" + narrow(expected) + "\"";
    }
    check(got == expected, line);
}

// ---- What a person does: keys, windows and pictures -------------------------

struct Key {
    WORD key;            // a virtual key, or 0 for text
    bool shift;          // held while the key is pressed
    const wchar_t* text; // typed character by character
};

Key press(WORD key) {
    return {key, false, nullptr};
}
Key shiftPress(WORD key) {
    return {key, true, nullptr};
}
Key type(const wchar_t* text) {
    return {0, false, text};
}

INPUT keyInput(WORD key, WORD character, DWORD flags) {
    INPUT input = {};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.wScan = character;
    input.ki.dwFlags = flags;
    return input;
}

void send(std::vector<INPUT> inputs) {
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
    Sleep(kKeyPause);
}

void pressKey(const Key& key) {
    if (key.text) {
        for (const wchar_t* c = key.text; *c; ++c) {
            send({keyInput(0, *c, KEYEVENTF_UNICODE),
                  keyInput(0, *c, KEYEVENTF_UNICODE | KEYEVENTF_KEYUP)});
        }
        return;
    }
    std::vector<INPUT> inputs;
    if (key.shift) {
        inputs.push_back(keyInput(VK_SHIFT, 0, 0));
    }
    inputs.push_back(keyInput(key.key, 0, 0));
    inputs.push_back(keyInput(key.key, 0, KEYEVENTF_KEYUP));
    if (key.shift) {
        inputs.push_back(keyInput(VK_SHIFT, 0, KEYEVENTF_KEYUP));
    }
    send(inputs);
}

// This process's visible top-level windows with that caption (any, when
// empty).
std::vector<HWND> windows(const std::wstring& caption) {
    struct Search {
        std::wstring caption;
        std::vector<HWND> found;
    } search{caption, {}};
    EnumWindows(
        [](HWND window, LPARAM data) -> BOOL {
            auto& s = *reinterpret_cast<Search*>(data);
            DWORD process = 0;
            GetWindowThreadProcessId(window, &process);
            wchar_t text[256] = {};
            GetWindowTextW(window, text, 256);
            if (process == GetCurrentProcessId() && IsWindowVisible(window) &&
                (s.caption.empty() || s.caption == text)) {
                s.found.push_back(window);
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// Saves what the screen shows of the window as PNG. Qt's windows come out
// black through PrintWindow under Wine, so the picture is copied from the
// screen with the window in front.
bool savePicture(HWND window, const std::string& name) {
    RECT r = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    if (window) {
        GetWindowRect(window, &r);
    }
    const int width = r.right - r.left;
    const int height = r.bottom - r.top;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, r.left, r.top, SRCCOPY);
    SelectObject(memory, old);
    // The PNG encoder of GDI+.
    const CLSID png = {
        0x557cf406, 0x1a04, 0x11d3, {0x9a, 0x73, 0x00, 0x00, 0xf8, 0x1e, 0xf3, 0x2e}};
    const std::wstring file =
        pictureFolder + L"\\" + std::wstring(name.begin(), name.end()) + L".png";
    Gdiplus::Bitmap* image = Gdiplus::Bitmap::FromHBITMAP(bitmap, nullptr);
    const bool saved = image && image->Save(file.c_str(), &png, nullptr) == Gdiplus::Ok;
    delete image;
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return saved;
}

// One thing a person waits for, looks at and does.
struct Step {
    const wchar_t* caption; // the window to wait for
    const char* expected;   // what should be in it, for the failure message
    std::string picture;    // saved before the keys (empty: none)
    std::vector<Key> keys;
    LONG openChannels = -1; // channels the monitor has open meanwhile (-1: not checked)
};

// ---- The scenarios -----------------------------------------------------------

enum Operation { AddPort, ConfigurePort, DeletePort };

// A command that reached the port monitor, and its input (nullptr: any).
struct Sent {
    const wchar_t* command;
    const wchar_t* input;
};

struct Scenario {
    const char* title;
    Operation operation;
    const wchar_t* name; // the monitor for AddPort, the port otherwise
    std::vector<Step> steps;
    BOOL result;
    DWORD error; // the last error when the result is FALSE
    std::vector<Sent> sent;
    const wchar_t* port;     // the port to look at afterwards
    const wchar_t* settings; // what "GetProperties" answers for it; nullptr: no such port
    bool withoutPlatformPlugin = false;
};

// What the person saw and what went wrong, shared by the two threads.
struct Run {
    const Scenario* scenario;
    int index;
    HANDLE operationDone;
    LARGE_INTEGER started;
    double firstWindowMs = -1;
    std::vector<std::string> problems;
};

double millisecondsSince(const LARGE_INTEGER& start) {
    LARGE_INTEGER now;
    LARGE_INTEGER frequency;
    QueryPerformanceCounter(&now);
    QueryPerformanceFrequency(&frequency);
    return 1000.0 * double(now.QuadPart - start.QuadPart) / double(frequency.QuadPart);
}

// Waits for a window with the caption; nullptr once the operation has ended
// or the time is up.
HWND waitForWindow(Run& run, const wchar_t* caption, DWORD timeout) {
    const DWORD start = GetTickCount();
    while (GetTickCount() - start < timeout) {
        const std::vector<HWND> found = windows(caption);
        if (!found.empty()) {
            return found.front();
        }
        if (WaitForSingleObject(run.operationDone, 50) == WAIT_OBJECT_0) {
            return nullptr;
        }
    }
    return nullptr;
}

// Makes the window the one that receives the keys.
bool bringToFront(HWND window) {
    const DWORD start = GetTickCount();
    while (GetForegroundWindow() != window) {
        if (GetTickCount() - start > kWindowTimeout || !IsWindow(window)) {
            return false;
        }
        SetForegroundWindow(window);
        Sleep(50);
    }
    return true;
}

// After a failure: notes it with a picture of the screen, then closes every
// window the module shows, so that the operation returns.
DWORD giveUp(Run& run, const std::string& problem) {
    run.problems.push_back(problem);
    savePicture(nullptr, "failed-" + std::to_string(run.index));
    const DWORD start = GetTickCount();
    while (WaitForSingleObject(run.operationDone, 300) != WAIT_OBJECT_0) {
        for (HWND window : windows(L"")) {
            PostMessageW(window, WM_CLOSE, 0, 0);
        }
        if (GetTickCount() - start > kCloseTimeout) {
            std::printf("FAIL the operation did not return after its windows were closed\n");
            std::fflush(stdout);
            ExitProcess(2);
        }
    }
    return 0;
}

DWORD WINAPI person(void* data) {
    Run& run = *static_cast<Run*>(data);
    const Scenario& scenario = *run.scenario;
    for (const Step& step : scenario.steps) {
        HWND window = waitForWindow(run, step.caption, kWindowTimeout);
        const std::string what =
            "the window \"" + narrow(step.caption) + "\" with " + step.expected;
        if (!window) {
            return giveUp(run, what + " did not appear");
        }
        if (run.firstWindowMs < 0) {
            run.firstWindowMs = millisecondsSince(run.started);
        }
        if (!bringToFront(window)) {
            return giveUp(run, what + " cannot be brought to the front");
        }
        Sleep(kSettle);
        if (step.openChannels >= 0 && journal->opened - journal->closed != step.openChannels) {
            run.problems.push_back(std::string("channels open while ") + step.expected +
                                   " shows: " + std::to_string(journal->opened - journal->closed));
        }
        if (!step.picture.empty() && !savePicture(window, step.picture)) {
            run.problems.push_back(std::string("the picture ") + step.picture + " was not saved");
        }
        for (const Key& key : step.keys) {
            pressKey(key);
        }
    }
    // Every window must close after the last key, and none may appear for an
    // operation without windows.
    const DWORD start = GetTickCount();
    while (WaitForSingleObject(run.operationDone, 100) != WAIT_OBJECT_0) {
        const std::vector<HWND> open = windows(L"");
        if (!open.empty() && (scenario.steps.empty() || GetTickCount() - start > kCloseTimeout)) {
            wchar_t caption[256] = {};
            GetWindowTextW(open.front(), caption, 256);
            return giveUp(run, "the window \"" + narrow(caption) + "\" " +
                                   (scenario.steps.empty() ? "appeared, expected none"
                                                           : "is still open after the last key"));
        }
    }
    return 0;
}

// ---- The port monitor's side -------------------------------------------------

HANDLE openChannel(const std::wstring& name) {
    PRINTER_DEFAULTSW defaults = {nullptr, nullptr, SERVER_ACCESS_ADMINISTER};
    HANDLE channel = nullptr;
    std::wstring text = name;
    return OpenPrinterW(text.data(), &channel, &defaults) ? channel : nullptr;
}

// The port's settings string as "GetProperties" on its own channel answers
// it; empty when the spooler knows no such port.
std::wstring portSettings(const std::wstring& port) {
    HANDLE channel = openChannel(L",XcvPort " + port);
    if (!channel) {
        return L"";
    }
    std::wstring input = port;
    DWORD needed = 0;
    DWORD status = 0;
    XcvDataW(channel, L"GetProperties", reinterpret_cast<PBYTE>(input.data()),
             static_cast<DWORD>(2 * input.size() + 2), nullptr, 0, &needed, &status);
    std::vector<wchar_t> reply(needed / 2 + 1, 0);
    XcvDataW(channel, L"GetProperties", reinterpret_cast<PBYTE>(input.data()),
             static_cast<DWORD>(2 * input.size() + 2), reinterpret_cast<PBYTE>(reply.data()),
             needed, &needed, &status);
    ClosePrinter(channel);
    return status == ERROR_SUCCESS ? std::wstring(reply.data()) : L"";
}

std::vector<std::wstring> listedPorts() {
    DWORD needed = 0;
    DWORD returned = 0;
    EnumPortsW(nullptr, 2, nullptr, 0, &needed, &returned);
    std::vector<BYTE> buffer(needed + 1);
    std::vector<std::wstring> names;
    if (!EnumPortsW(nullptr, 2, buffer.data(), needed, &needed, &returned)) {
        check(false, "EnumPortsW fails with " + std::to_string(GetLastError()));
        return names;
    }
    const auto* ports = reinterpret_cast<const PORT_INFO_2W*>(buffer.data());
    for (DWORD i = 0; i < returned; ++i) {
        if (lstrcmpW(ports[i].pMonitorName, kMonitor) == 0) {
            names.emplace_back(ports[i].pPortName);
        }
    }
    return names;
}

bool listed(const std::wstring& port) {
    for (const std::wstring& name : listedPorts()) {
        if (name == port) {
            return true;
        }
    }
    return false;
}

// Moves the platform plugin out of the toolkit's way and back.
bool movePlatformPlugin(bool away) {
    wchar_t system[MAX_PATH];
    GetSystemDirectoryW(system, MAX_PATH);
    const std::wstring plugin = std::wstring(system) + L"\\netportui\\platforms\\qwindows.dll";
    const std::wstring parked = plugin + L".parked";
    return away ? MoveFileW(plugin.c_str(), parked.c_str()) != 0
                : MoveFileW(parked.c_str(), plugin.c_str()) != 0;
}

BOOL runOperation(const Scenario& s) {
    std::wstring name = s.name;
    switch (s.operation) {
    case AddPort:
        return AddPortW(nullptr, nullptr, name.data());
    case ConfigurePort:
        return ConfigurePortW(nullptr, nullptr, name.data());
    case DeletePort:
        return DeletePortW(nullptr, nullptr, name.data());
    }
    return FALSE;
}

void runScenario(const Scenario& s) {
    static const char* const operations[] = {"AddPortW", "ConfigurePortW", "DeletePortW"};
    std::printf("-- %s\n", s.title);
    if (s.withoutPlatformPlugin) {
        check(movePlatformPlugin(true), "the platform plugin is moved away");
    }
    journal->count = 0;
    journal->opened = journal->closed = 0;

    static int index = 0;
    Run run{&s, ++index, CreateEventW(nullptr, TRUE, FALSE, nullptr), {}, -1, {}};
    QueryPerformanceCounter(&run.started);
    HANDLE thread = CreateThread(nullptr, 0, person, &run, 0, nullptr);
    SetLastError(0xfeed);
    const BOOL result = runOperation(s);
    const DWORD error = GetLastError();
    const double took = millisecondsSince(run.started);
    SetEvent(run.operationDone);
    WaitForSingleObject(thread, INFINITE);
    CloseHandle(thread);
    CloseHandle(run.operationDone);
    if (s.withoutPlatformPlugin) {
        check(movePlatformPlugin(false), "the platform plugin is back");
    }

    for (const std::string& problem : run.problems) {
        check(false, problem);
    }
    if (run.firstWindowMs >= 0) {
        std::printf("time: the first window appeared %.0f ms after %s was called\n",
                    run.firstWindowMs, operations[s.operation]);
    }
    std::printf("time: %s returned after %.0f ms\n", operations[s.operation], took);
    expect(operations[s.operation], result, s.result);
    if (!s.result) {
        expect("last error", error, s.error);
    }
    const LONG count = journal->count;
    expect("commands that reached the port monitor", count, static_cast<LONG>(s.sent.size()));
    for (LONG i = 0; i < count && i < MonitorJournal::kEntries; ++i) {
        const JournalEntry& entry = journal->entries[i];
        const std::string what = "command " + std::to_string(i + 1);
        if (i >= static_cast<LONG>(s.sent.size())) {
            check(false, what + ": " + narrow(entry.command) + " \"" + narrow(entry.input) +
                             "\", expected none");
            continue;
        }
        expectText(what, entry.command, s.sent[i].command);
        if (s.sent[i].input) {
            expectText(what + " input", entry.input, s.sent[i].input);
        }
    }
    expect("channels the spooler left open at the monitor", journal->opened - journal->closed, 0);
    if (s.port) {
        const std::wstring settings = portSettings(s.port);
        if (s.settings) {
            check(listed(s.port), "EnumPortsW lists " + narrow(s.port));
            expectText("GetProperties for " + narrow(s.port), settings, s.settings);
        } else {
            check(!listed(s.port), "EnumPortsW does not list " + narrow(s.port));
            check(settings.empty(), "GetProperties knows no " + narrow(s.port));
        }
    }
}

// The socket port as the wizard adds it: the method page, host and port, SNMP,
// the summary.
std::vector<Step> socketWizard(const std::string& pictures) {
    const auto picture = [&pictures](const char* page) {
        return pictures.empty() ? pictures : pictures + page;
    };
    return {
        {kCaption, "the method page", picture("method"), {press(VK_RETURN)}},
        {kCaption,
         "the socket page",
         "",
         {type(L"10.0.0.5"), press(VK_TAB), type(L"9101"), shiftPress(VK_TAB)}},
        {kCaption, "the socket page, filled", picture("socket"), {press(VK_RETURN)}},
        {kCaption, "the SNMP page", "", {press(VK_TAB), type(L"public")}},
        {kCaption, "the SNMP page, filled", picture("snmp"), {press(VK_RETURN)}},
        {kCaption, "the summary", picture("summary"), {press(VK_RETURN)}},
    };
}

const wchar_t kSocketAdded[] = L"10.0.0.5:9101;PROT=SOCKET;MONITORING=ON;COMMUNITY=public;";
const wchar_t kSocketStored[] =
    L"10.0.0.5:9101;PROT=SOCKET;TIMEOUT=5;HTTP_PROXY_ENABLED=OFF;HTTP_PROXY_NAME=;"
    L"HTTP_PROXY_PORT=;HTTP_PROXY_LPRINTER=;HTTP_SECURE=OFF;MONITORING=ON;COMMUNITY=public";
const wchar_t kSocketConfigured[] =
    L"10.0.0.5:9101;TIMEOUT=15;HTTP_PROXY_ENABLED=OFF;HTTP_PROXY_NAME=;HTTP_PROXY_PORT=0;"
    L"MONITORING=ON;COMMUNITY=private";
const wchar_t kSocketStoredAfter[] =
    L"10.0.0.5:9101;PROT=SOCKET;TIMEOUT=15;HTTP_PROXY_ENABLED=OFF;HTTP_PROXY_NAME=;"
    L"HTTP_PROXY_PORT=0;HTTP_PROXY_LPRINTER=;HTTP_SECURE=OFF;MONITORING=ON;COMMUNITY=private";
const wchar_t kHttpAdded[] =
    L"http://10.0.0.7/elp3;PROT=HTTP;HTTP_PROXY_ENABLED=ON;HTTP_PROXY_NAME=proxy.example;"
    L"HTTP_PROXY_PORT=8080;HTTP_PROXY_LPRINTER=lp3;HTTP_SECURE=ON;MONITORING=OFF;"
    L"COMMUNITY=tulvex;";
const wchar_t kHttpStored[] =
    L"http://10.0.0.7/elp3;PROT=HTTP;TIMEOUT=5;HTTP_PROXY_ENABLED=ON;"
    L"HTTP_PROXY_NAME=proxy.example;HTTP_PROXY_PORT=8080;HTTP_PROXY_LPRINTER=lp3;"
    L"HTTP_SECURE=ON;MONITORING=OFF;COMMUNITY=tulvex";

std::vector<Scenario> scenarios() {
    const Sent ui = {L"MonitorUI", L""};
    return {
        {"AddPortW without the platform plugin",
         AddPort,
         kMonitor,
         {},
         FALSE,
         ERROR_MOD_NOT_FOUND,
         {ui},
         kSocketPort,
         nullptr,
         true},
        {"AddPortW: a socket port",
         AddPort,
         kMonitor,
         socketWizard("wine-socket-"),
         TRUE,
         0,
         {ui, {L"AddPort", kSocketAdded}},
         kSocketPort,
         kSocketStored},
        {"AddPortW: an HTTP port, encrypted, through a proxy",
         AddPort,
         kMonitor,
         {{kCaption, "the method page", "", {press(VK_DOWN), press(VK_RETURN)}},
          {kCaption,
           "the HTTP page",
           "",
           {type(L"lp3"), press(VK_TAB), press(VK_SPACE), press(VK_TAB), type(L"10.0.0.7")}},
          {kCaption, "the HTTP page, filled", "wine-http-host", {press(VK_RETURN)}},
          {kCaption, "the SNMP page", "", {press(VK_SPACE)}},
          {kCaption, "the SNMP page, monitoring off", "wine-http-snmp", {press(VK_RETURN)}},
          {kCaption,
           "the proxy page",
           "",
           {press(VK_SPACE), press(VK_TAB), type(L"proxy.example"), press(VK_TAB), type(L"8080")}},
          {kCaption, "the proxy page, filled", "wine-http-proxy", {press(VK_RETURN)}},
          {kCaption, "the summary", "wine-http-summary", {press(VK_RETURN)}}},
         TRUE,
         0,
         {ui, {L"AddPort", kHttpAdded}},
         kHttpPort,
         kHttpStored},
        {"AddPortW: the socket port again",
         AddPort,
         kMonitor,
         [] {
             std::vector<Step> steps = socketWizard("");
             steps.push_back(
                 {kWarning, "\"Port already exists\"", "wine-warning", {press(VK_RETURN)}, 1});
             return steps;
         }(),
         TRUE,
         0,
         {ui, {L"AddPort", kSocketAdded}},
         kSocketPort,
         kSocketStored},
        {"ConfigurePortW: Escape",
         ConfigurePort,
         kSocketPort,
         {{kCaption, "the properties dialog", "wine-dialog-socket", {press(VK_ESCAPE)}}},
         TRUE,
         0,
         {ui, {L"GetProperties", kSocketPort}, {L"GetProperties", kSocketPort}},
         kSocketPort,
         kSocketStored},
        {"ConfigurePortW: a new time out and community",
         ConfigurePort,
         kSocketPort,
         {{kCaption,
           "the properties dialog",
           "",
           {shiftPress(VK_TAB), press(VK_TAB), type(L"15"), press(VK_TAB), press(VK_TAB),
            type(L"private")}},
          {kCaption,
           "the properties dialog, edited",
           "wine-dialog-socket-edited",
           {press(VK_RETURN)}}},
         TRUE,
         0,
         {ui,
          {L"GetProperties", kSocketPort},
          {L"GetProperties", kSocketPort},
          {L"SetProperties", kSocketConfigured}},
         kSocketPort,
         kSocketStoredAfter},
        {"ConfigurePortW: the HTTP port",
         ConfigurePort,
         kHttpPort,
         {{kCaption, "the properties dialog", "wine-dialog-http", {press(VK_ESCAPE)}}},
         TRUE,
         0,
         {ui, {L"GetProperties", kHttpPort}, {L"GetProperties", kHttpPort}},
         kHttpPort,
         kHttpStored},
        {"DeletePortW: the HTTP port",
         DeletePort,
         kHttpPort,
         {},
         TRUE,
         0,
         {ui, {L"DeletePort", kHttpPort}},
         kHttpPort,
         nullptr},
        {"DeletePortW: the socket port",
         DeletePort,
         kSocketPort,
         {},
         TRUE,
         0,
         {ui, {L"DeletePort", kSocketPort}},
         kSocketPort,
         nullptr},
    };
}

// ---- The module's own table ---------------------------------------------------

// What the spooler does not pass on: the module's answers when the channel
// cannot be opened or the port monitor refuses, from its table called
// directly. The module comes from the system directory, as the spooler loads
// it.
struct DirectCase {
    const char* title;
    std::function<BOOL(const MONITORUI&)> call;
    BOOL result;
    DWORD error;
};

const wchar_t kLocalPort[] = L"NETPORTUI_TEST_1:";

// Adds a port to Wine's own "Local Port" monitor, past the module.
bool addLocalPort() {
    HANDLE channel = openChannel(L",XcvMonitor Local Port");
    if (!channel) {
        return false;
    }
    std::wstring input = kLocalPort;
    DWORD needed = 0;
    DWORD status = 0;
    XcvDataW(channel, L"AddPort", reinterpret_cast<PBYTE>(input.data()),
             static_cast<DWORD>(2 * input.size() + 2), nullptr, 0, &needed, &status);
    ClosePrinter(channel);
    return status == ERROR_SUCCESS || status == ERROR_ALREADY_EXISTS;
}

void runDirectCases() {
    std::printf("-- the module's table, called directly\n");
    HMODULE module = LoadLibraryW(L"netportui.dll");
    check(module != nullptr, "netportui.dll loads from the system directory");
    using Initialize = PMONITORUI(WINAPI*)();
    // FARPROC takes no arguments; the cast goes through void* as GetProcAddress's
    // callers must.
    const auto initialize = module ? reinterpret_cast<Initialize>(reinterpret_cast<void*>(
                                         GetProcAddress(module, "InitializePrintMonitorUI")))
                                   : nullptr;
    const PMONITORUI ui = initialize ? initialize() : nullptr;
    check(ui != nullptr, "InitializePrintMonitorUI returns the table");
    if (!ui) {
        return;
    }
    expect("dwMonitorUISize", ui->dwMonitorUISize, sizeof(MONITORUI));
    check(addLocalPort(), "\"Local Port\" has the port " + narrow(kLocalPort));
    const DirectCase cases[] = {
        {"AddPortUI on an unknown monitor",
         [](const MONITORUI& t) {
             return t.pfnAddPortUI(nullptr, nullptr, L"NetPortUI No Such Monitor", nullptr);
         },
         FALSE, ERROR_UNKNOWN_PORT},
        {"AddPortUI on an unknown server",
         [](const MONITORUI& t) {
             return t.pfnAddPortUI(L"\\\\NETPORTUI-NO-SUCH-HOST", nullptr, kMonitor, nullptr);
         },
         FALSE, ERROR_INVALID_PRINTER_NAME},
        {"ConfigurePortUI on a port of \"Local Port\", which refuses GetProperties",
         [](const MONITORUI& t) { return t.pfnConfigurePortUI(nullptr, nullptr, kLocalPort); },
         FALSE, ERROR_INVALID_PARAMETER},
        {"DeletePortUI on that port",
         [](const MONITORUI& t) { return t.pfnDeletePortUI(nullptr, nullptr, kLocalPort); }, TRUE,
         0},
        {"DeletePortUI on a port nobody has",
         [](const MONITORUI& t) { return t.pfnDeletePortUI(nullptr, nullptr, kLocalPort); }, FALSE,
         ERROR_UNKNOWN_PORT},
    };
    for (const DirectCase& c : cases) {
        SetLastError(0xfeed);
        const BOOL result = c.call(*ui);
        const DWORD error = GetLastError();
        expect(c.title, result, c.result);
        if (!c.result) {
            expect("last error", error, c.error);
        }
    }
    FreeLibrary(module);
}

// ---- Set-up ------------------------------------------------------------------

// Registers the test monitor as an installer does; its DLL lies in the system
// directory already. Ports an interrupted run left behind are removed first.
bool installMonitor() {
    RegDeleteTreeW(HKEY_LOCAL_MACHINE, L"System\\CurrentControlSet\\Control\\Print\\Monitors\\"
                                       L"VARDENO Port Monitor\\Ports");
    DeleteMonitorW(nullptr, nullptr, const_cast<LPWSTR>(kMonitor));
    MONITOR_INFO_2W info = {const_cast<LPWSTR>(kMonitor), const_cast<LPWSTR>(L"Windows x64"),
                            const_cast<LPWSTR>(kMonitorDll)};
    const BOOL added = AddMonitorW(nullptr, 2, reinterpret_cast<LPBYTE>(&info));
    check(added, "AddMonitorW registers \"VARDENO Port Monitor\" (" + narrow(kMonitorDll) + ")" +
                     (added ? "" : ": error " + std::to_string(GetLastError())));
    return added;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::printf("usage: chain_test.exe PICTURE_FOLDER\n");
        return 2;
    }
    pictureFolder = std::wstring(argv[1], argv[1] + lstrlenA(argv[1]));
    CreateDirectoryW(pictureFolder.c_str(), nullptr);
    HANDLE section = CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0,
                                        sizeof(MonitorJournal), kJournalName);
    journal = static_cast<MonitorJournal*>(
        MapViewOfFile(section, FILE_MAP_WRITE, 0, 0, sizeof(MonitorJournal)));
    Gdiplus::GdiplusStartupInput gdiplus;
    ULONG_PTR gdiplusToken = 0;
    Gdiplus::GdiplusStartup(&gdiplusToken, &gdiplus, nullptr);

    SystemParametersInfoW(SPI_SETCLIENTAREAANIMATION, 0, reinterpret_cast<PVOID>(FALSE), 0);
    if (journal && installMonitor()) {
        const std::vector<Scenario> all = scenarios();
        // The first scenario meets a process that has never loaded the module.
        runScenario(all.front());
        runDirectCases();
        for (size_t i = 1; i < all.size(); ++i) {
            runScenario(all[i]);
        }
    }
    Gdiplus::GdiplusShutdown(gdiplusToken);
    std::printf("%d check(s) failed\n", failures);
    return failures == 0 ? 0 : 1;
}
