// The module in its real home: a plain Windows program (not a Qt application)
// calls the spooler's own AddPortW, ConfigurePortW and DeletePortW under Wine.
// Wine's spooler asks the port monitor of the tests (testmonitor.cpp) for its
// user interface ("MonitorUI"), loads netportui.dll from the system directory
// with the Qt libraries and plugins installed beside it, and the module runs
// its windows on Qt's "windows" platform. A second thread works the windows as
// a person would: it finds each window by its caption, brings it to the
// front, saves a picture of it and presses keys (SendInput). Each scenario
// then compares what reached the port monitor (journal.h) and the port the
// monitor keeps.
//
// Usage: chain_test.exe PICTURE_FOLDER. One line per check, and "N check(s)
// failed" last. Every wait is bounded: a window that does not appear or does
// not close fails the scenario with its caption and what was expected, and
// the windows are closed so that the operation returns.
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
const wchar_t kCaption[] = L"VARDENO TCP/IP Port Configuration (4.2.2)";
const wchar_t kSocketPort[] = L"10.0.0.5:9101";
const wchar_t kHttpPort[] = L"http://10.0.0.7/elp3";
const wchar_t kLocalPort[] = L"NETPORTUI_TEST_1:";

// How long a person waits for a window and for it to close, between two
// keys, and before looking at a page.
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
        out += c == L'\n' ? '|' : c < 128 ? static_cast<char>(c) : '?';
    }
    return out;
}

void check(bool ok, const std::string& what) {
    std::printf("%s %s\n", ok ? "ok  " : "FAIL", what.c_str());
    std::fflush(stdout);
    failures += ok ? 0 : 1;
}

void expect(const std::string& what, unsigned long got, unsigned long expected) {
    check(got == expected, what + ": " + std::to_string(got) +
                               (got == expected ? "" : ", expected " + std::to_string(expected)));
}

void expectText(const std::string& what, const std::wstring& got, const std::wstring& expected) {
    check(got == expected, what + ": \"" + narrow(got) + "\"" +
                               (got == expected ? "" : ", expected \"" + narrow(expected) + "\""));
}

// ---- What a person does: keys, windows and pictures -------------------------

INPUT keyInput(WORD key, WORD character, DWORD flags) {
    INPUT input = {};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.wScan = character;
    input.ki.dwFlags = flags;
    return input;
}

void send(const std::vector<INPUT>& inputs) {
    SendInput(static_cast<UINT>(inputs.size()), const_cast<INPUT*>(inputs.data()), sizeof(INPUT));
    Sleep(kKeyPause);
}

// Types the keys: "{Return}", "{Tab}", "{Shift+Tab}", "{Down}", "{Space}" and
// "{Escape}" are keys, every other character is typed as it is.
void typeKeys(const std::wstring& keys) {
    static const std::pair<const wchar_t*, WORD> named[] = {{L"Return", VK_RETURN},
                                                            {L"Tab", VK_TAB},
                                                            {L"Down", VK_DOWN},
                                                            {L"Space", VK_SPACE},
                                                            {L"Escape", VK_ESCAPE}};
    for (size_t i = 0; i < keys.size(); ++i) {
        const size_t close = keys[i] == L'{' ? keys.find(L'}', i) : std::wstring::npos;
        if (close == std::wstring::npos) {
            send({keyInput(0, keys[i], KEYEVENTF_UNICODE),
                  keyInput(0, keys[i], KEYEVENTF_UNICODE | KEYEVENTF_KEYUP)});
            continue;
        }
        std::wstring name = keys.substr(i + 1, close - i - 1);
        i = close;
        const bool shift = name.rfind(L"Shift+", 0) == 0;
        name = shift ? name.substr(6) : name;
        for (const auto& [text, key] : named) {
            if (name == text) {
                std::vector<INPUT> inputs = {keyInput(key, 0, 0),
                                             keyInput(key, 0, KEYEVENTF_KEYUP)};
                if (shift) {
                    inputs.insert(inputs.begin(), keyInput(VK_SHIFT, 0, 0));
                    inputs.push_back(keyInput(VK_SHIFT, 0, KEYEVENTF_KEYUP));
                }
                send(inputs);
            }
        }
    }
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

// Saves what the screen shows of the window (or the whole screen) as PNG.
// Qt's windows come out black through PrintWindow under Wine, so the picture
// is copied from the screen with the window in front.
bool savePicture(HWND window, const std::string& name) {
    RECT r = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    if (window) {
        GetWindowRect(window, &r);
    }
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, r.right - r.left, r.bottom - r.top);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, r.right - r.left, r.bottom - r.top, screen, r.left, r.top, SRCCOPY);
    SelectObject(memory, old);
    // GDI+'s PNG encoder.
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
    std::wstring keys;
    LONG openChannels = -1; // channels open at the monitor meanwhile (-1: not checked)
};

// ---- The scenarios -----------------------------------------------------------

enum Operation { AddPort, ConfigurePort, DeletePort };
const char* const kOperations[] = {"AddPortW", "ConfigurePortW", "DeletePortW"};

struct Scenario {
    const char* title;
    Operation operation;
    const wchar_t* name; // the monitor for AddPort, the port otherwise
    std::vector<Step> steps;
    BOOL result;
    DWORD error; // the last error when the result is FALSE
    // The commands that reached the port monitor, "COMMAND INPUT" one a line.
    std::wstring sent;
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
    double firstWindowMs;
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
HWND waitForWindow(Run& run, const wchar_t* caption) {
    const DWORD start = GetTickCount();
    while (GetTickCount() - start < kWindowTimeout) {
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
    for (const Step& step : run.scenario->steps) {
        HWND window = waitForWindow(run, step.caption);
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
            run.problems.push_back("channels open while " + what +
                                   " shows: " + std::to_string(journal->opened - journal->closed));
        }
        if (!step.picture.empty() && !savePicture(window, step.picture)) {
            run.problems.push_back("the picture " + step.picture + " was not saved");
        }
        typeKeys(step.keys);
    }
    // Every window must close after the last key, and none may appear for an
    // operation without windows.
    const bool windowless = run.scenario->steps.empty();
    const DWORD start = GetTickCount();
    while (WaitForSingleObject(run.operationDone, 100) != WAIT_OBJECT_0) {
        const std::vector<HWND> open = windows(L"");
        if (!open.empty() && (windowless || GetTickCount() - start > kCloseTimeout)) {
            wchar_t caption[256] = {};
            GetWindowTextW(open.front(), caption, 256);
            return giveUp(run, "the window \"" + narrow(caption) + "\" " +
                                   (windowless ? "appeared, expected none"
                                               : "is still open after the last key"));
        }
    }
    return 0;
}

// ---- The spooler and the port monitor ----------------------------------------

HANDLE openChannel(const std::wstring& name) {
    PRINTER_DEFAULTSW defaults = {nullptr, nullptr, SERVER_ACCESS_ADMINISTER};
    HANDLE channel = nullptr;
    std::wstring text = name;
    return OpenPrinterW(text.data(), &channel, &defaults) ? channel : nullptr;
}

// Sends a command with a text input on the channel; the status, and the reply
// in `reply` when there is one.
DWORD command(HANDLE channel, const wchar_t* name, std::wstring input,
              std::wstring* reply = nullptr) {
    const DWORD bytes = static_cast<DWORD>(2 * input.size() + 2);
    DWORD needed = 0;
    DWORD status = 0;
    XcvDataW(channel, name, reinterpret_cast<PBYTE>(input.data()), bytes, nullptr, 0, &needed,
             &status);
    if (reply && status == ERROR_INSUFFICIENT_BUFFER) {
        std::vector<wchar_t> text(needed / 2 + 1, 0);
        XcvDataW(channel, name, reinterpret_cast<PBYTE>(input.data()), bytes,
                 reinterpret_cast<PBYTE>(text.data()), needed, &needed, &status);
        *reply = text.data();
    }
    return status;
}

// The port's settings string as "GetProperties" on its own channel answers
// it; empty when the spooler knows no such port.
std::wstring portSettings(const std::wstring& port) {
    std::wstring settings;
    if (HANDLE channel = openChannel(L",XcvPort " + port)) {
        command(channel, L"GetProperties", port, &settings);
        ClosePrinter(channel);
    }
    return settings;
}

bool listed(const std::wstring& port) {
    DWORD needed = 0;
    DWORD returned = 0;
    EnumPortsW(nullptr, 1, nullptr, 0, &needed, &returned);
    std::vector<BYTE> buffer(needed + 1);
    if (!EnumPortsW(nullptr, 1, buffer.data(), needed, &needed, &returned)) {
        check(false, "EnumPortsW fails with " + std::to_string(GetLastError()));
    }
    const auto* ports = reinterpret_cast<const PORT_INFO_1W*>(buffer.data());
    for (DWORD i = 0; i < returned; ++i) {
        if (port == ports[i].pName) {
            return true;
        }
    }
    return false;
}

// The commands in the journal, "COMMAND INPUT" one a line.
std::wstring sentCommands() {
    std::wstring sent;
    for (LONG i = 0; i < journal->count && i < MonitorJournal::kEntries; ++i) {
        sent +=
            std::wstring(journal->entries[i].command) + L" " + journal->entries[i].input + L"\n";
    }
    return sent;
}

// Moves the platform plugin out of the toolkit's way, or back, keeping it in
// its folder under a name that is not a library's.
bool movePlatformPlugin(bool away) {
    wchar_t system[MAX_PATH];
    GetSystemDirectoryW(system, MAX_PATH);
    const std::wstring plugin =
        std::wstring(system) + L"\\netportui\\platforms\\qwindows_netportui.dll";
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
    static int index = 0;
    std::printf("-- %s\n", s.title);
    if (s.withoutPlatformPlugin) {
        check(movePlatformPlugin(true), "the platform plugin is moved away");
    }
    journal->count = journal->opened = journal->closed = 0;
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
                    run.firstWindowMs, kOperations[s.operation]);
    }
    std::printf("time: %s returned after %.0f ms\n", kOperations[s.operation], took);
    expect(kOperations[s.operation], result, s.result);
    if (!s.result) {
        expect("last error", error, s.error);
    }
    expectText("what reached the port monitor", sentCommands(), s.sent);
    expect("channels left open at the monitor", journal->opened - journal->closed, 0);
    const std::wstring settings = portSettings(s.port);
    if (s.settings) {
        check(listed(s.port), "EnumPortsW lists " + narrow(s.port));
        expectText("GetProperties for " + narrow(s.port), settings, s.settings);
    } else {
        check(!listed(s.port), "EnumPortsW does not list " + narrow(s.port));
        check(settings.empty(), "GetProperties knows no " + narrow(s.port));
    }
}

// The socket port as the wizard adds it: the method page, host and port, SNMP,
// the summary; pictures of each page when `pictures` names them.
std::vector<Step> socketWizard(const std::string& pictures) {
    const auto picture = [&pictures](const char* page) {
        return pictures.empty() ? pictures : pictures + page;
    };
    return {{kCaption, "the method page", picture("method"), L"{Return}"},
            {kCaption, "the socket page", "", L"10.0.0.5{Tab}9101{Shift+Tab}"},
            {kCaption, "the socket page, filled", picture("socket"), L"{Return}"},
            {kCaption, "the SNMP page", "", L"{Tab}public"},
            {kCaption, "the SNMP page, filled", picture("snmp"), L"{Return}"},
            {kCaption, "the summary", picture("summary"), L"{Return}"}};
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

// What reaches the port monitor: every operation starts with the spooler
// asking the monitor for its user interface.
std::wstring sent(const std::wstring& commands = L"") {
    return L"MonitorUI \n" + commands;
}

Scenario adding(const char* title, std::vector<Step> steps, const wchar_t* added,
                const wchar_t* port, const wchar_t* stored) {
    const std::wstring commands = sent(L"AddPort " + std::wstring(added) + L"\n");
    return {title, AddPort, kMonitor, std::move(steps), TRUE, 0, commands, port, stored};
}

// Configuring fetches the settings (a size query, then the reply) and sends
// `changed` when the dialog was accepted.
Scenario configuring(const char* title, const wchar_t* port, std::vector<Step> steps,
                     const wchar_t* changed, const wchar_t* stored) {
    const std::wstring fetch = L"GetProperties " + std::wstring(port) + L"\n";
    const std::wstring change = changed ? L"SetProperties " + std::wstring(changed) + L"\n" : L"";
    const std::wstring commands = sent(fetch + fetch + change);
    return {title, ConfigurePort, port, std::move(steps), TRUE, 0, commands, port, stored};
}

Scenario deleting(const char* title, const wchar_t* port) {
    const std::wstring commands = sent(L"DeletePort " + std::wstring(port) + L"\n");
    return {title, DeletePort, port, {}, TRUE, 0, commands, port, nullptr};
}

std::vector<Scenario> scenarios() {
    std::vector<Step> again = socketWizard("");
    again.push_back({L"WARNING", "\"Port already exists\"", "wine-warning", L"{Return}", 1});
    const std::wstring nothing = sent();
    return {
        {"AddPortW without the platform plugin",
         AddPort,
         kMonitor,
         {},
         FALSE,
         ERROR_MOD_NOT_FOUND,
         nothing,
         kSocketPort,
         nullptr,
         true},
        adding("AddPortW: a socket port", socketWizard("wine-socket-"), kSocketAdded, kSocketPort,
               kSocketStored),
        adding("AddPortW: an HTTP port, encrypted, through a proxy",
               {{kCaption, "the method page", "", L"{Down}{Return}"},
                {kCaption, "the HTTP page", "", L"lp3{Tab}{Space}{Tab}10.0.0.7"},
                {kCaption, "the HTTP page, filled", "wine-http-host", L"{Return}"},
                {kCaption, "the SNMP page", "", L"{Space}"},
                {kCaption, "the SNMP page, monitoring off", "wine-http-snmp", L"{Return}"},
                {kCaption, "the proxy page", "", L"{Space}{Tab}proxy.example{Tab}8080"},
                {kCaption, "the proxy page, filled", "wine-http-proxy", L"{Return}"},
                {kCaption, "the summary", "wine-http-summary", L"{Return}"}},
               kHttpAdded, kHttpPort, kHttpStored),
        adding("AddPortW: the socket port again", again, kSocketAdded, kSocketPort, kSocketStored),
        configuring("ConfigurePortW: Escape", kSocketPort,
                    {{kCaption, "the properties dialog", "wine-dialog-socket", L"{Escape}"}},
                    nullptr, kSocketStored),
        configuring(
            "ConfigurePortW: a new time out and community", kSocketPort,
            {{kCaption, "the properties dialog", "", L"{Shift+Tab}{Tab}15{Tab}{Tab}private"},
             {kCaption, "the properties dialog, edited", "wine-dialog-socket-edited", L"{Return}"}},
            kSocketConfigured, kSocketStoredAfter),
        configuring("ConfigurePortW: the HTTP port", kHttpPort,
                    {{kCaption, "the properties dialog", "wine-dialog-http", L"{Escape}"}}, nullptr,
                    kHttpStored),
        deleting("DeletePortW: the HTTP port", kHttpPort),
        deleting("DeletePortW: the socket port", kSocketPort),
    };
}

// ---- The module's own table --------------------------------------------------

// What the spooler does not pass on: the module's answers when the channel
// cannot be opened or the port monitor refuses, from its table called
// directly. The module comes from the system directory, as the spooler loads
// it.
void runDirectCases() {
    std::printf("-- the module's table, called directly\n");
    HMODULE module = LoadLibraryW(L"netportui.dll");
    using Initialize = PMONITORUI(WINAPI*)();
    // FARPROC takes no arguments; the cast goes through void* as GetProcAddress's
    // callers must.
    const auto initialize = module ? reinterpret_cast<Initialize>(reinterpret_cast<void*>(
                                         GetProcAddress(module, "InitializePrintMonitorUI")))
                                   : nullptr;
    const PMONITORUI ui = initialize ? initialize() : nullptr;
    check(ui != nullptr, "netportui.dll loads from the system directory and gives its table");
    if (!ui) {
        return;
    }
    expect("dwMonitorUISize", ui->dwMonitorUISize, sizeof(MONITORUI));
    // A port of Wine's own "Local Port" monitor, added past the module.
    HANDLE channel = openChannel(L",XcvMonitor Local Port");
    const DWORD added = channel ? command(channel, L"AddPort", kLocalPort) : ERROR_INVALID_HANDLE;
    ClosePrinter(channel);
    check(added == ERROR_SUCCESS || added == ERROR_ALREADY_EXISTS,
          "\"Local Port\" has the port " + narrow(kLocalPort));

    const struct {
        const char* title;
        std::function<BOOL()> call;
        BOOL result;
        DWORD error;
    } cases[] = {
        {"AddPortUI on an unknown monitor",
         [ui] { return ui->pfnAddPortUI(nullptr, nullptr, L"NetPortUI No Such Monitor", nullptr); },
         FALSE, ERROR_UNKNOWN_PORT},
        {"AddPortUI on an unknown server",
         [ui] {
             return ui->pfnAddPortUI(L"\\\\NETPORTUI-NO-SUCH-HOST", nullptr, kMonitor, nullptr);
         },
         FALSE, ERROR_INVALID_PRINTER_NAME},
        {"ConfigurePortUI on a port of \"Local Port\", which refuses GetProperties",
         [ui] { return ui->pfnConfigurePortUI(nullptr, nullptr, kLocalPort); }, FALSE,
         ERROR_INVALID_PARAMETER},
        {"DeletePortUI on that port",
         [ui] { return ui->pfnDeletePortUI(nullptr, nullptr, kLocalPort); }, TRUE, 0},
        {"DeletePortUI on it again",
         [ui] { return ui->pfnDeletePortUI(nullptr, nullptr, kLocalPort); }, FALSE,
         ERROR_UNKNOWN_PORT},
    };
    for (const auto& c : cases) {
        SetLastError(0xfeed);
        const BOOL result = c.call();
        const DWORD error = GetLastError();
        expect(c.title, result, c.result);
        if (!c.result) {
            expect("last error", error, c.error);
        }
    }
    FreeLibrary(module);
}

// Registers the test monitor as an installer does; its DLL lies in the system
// directory already. Ports an interrupted run left behind go first.
bool installMonitor() {
    RegDeleteTreeW(HKEY_LOCAL_MACHINE, L"System\\CurrentControlSet\\Control\\Print\\Monitors\\"
                                       L"VARDENO Port Monitor\\Ports");
    DeleteMonitorW(nullptr, nullptr, const_cast<LPWSTR>(kMonitor));
    MONITOR_INFO_2W info = {const_cast<LPWSTR>(kMonitor), const_cast<LPWSTR>(L"Windows x64"),
                            const_cast<LPWSTR>(L"netport_testmon.dll")};
    const BOOL added = AddMonitorW(nullptr, 2, reinterpret_cast<LPBYTE>(&info));
    check(added, "AddMonitorW registers \"VARDENO Port Monitor\"" +
                     (added ? std::string() : ": error " + std::to_string(GetLastError())));
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
    // The Windows style animates its check boxes; under Wine the animation
    // never ends and a box keeps showing its old state. "Show animations in
    // Windows" off, as a user may set it, draws them at once.
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
