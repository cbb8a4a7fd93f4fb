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
// Beside the plain program, the module meets the company it keeps in real
// processes: another product's Qt6Core.dll in the program's own folder (which
// Windows searches first), a host that is itself a Qt application built
// against another Qt (qt_host.cpp), two threads calling at once, and the
// Arabic catalogue in the system directory.
//
// Usage: chain_test.exe PICTURE_FOLDER. One line per check, and "N check(s)
// failed" last. Every wait is bounded: a window that does not appear or does
// not close fails the scenario with its caption and what was expected, and
// the windows are closed so that the operation returns.
#include "tests/wine/elapsed.h"
#include "tests/wine/journal.h"
#include "tests/wine/monitorregistration.h"

#include <winspool.h>

#include <gdiplus.h>
#include <winsplp.h>

#include <atomic>
#include <cstdio>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace {

const wchar_t* const kMonitor = kTestMonitor;
const wchar_t kCaption[] = L"VARDENO TCP/IP Port Configuration (4.2.2)";
const wchar_t kHttpPort[] = L"http://10.0.0.7/elp3";
const wchar_t kLocalPort[] = L"NETPORTUI_TEST_1:";
// The caption with the Arabic catalogue installed.
const wchar_t kArabicCaption[] = L"\u062a\u0643\u0648\u064a\u0646 \u0645\u0646\u0641\u0630 "
                                 L"VARDENO TCP/IP (4.2.2)";
// The Qt host's own windows' captions begin so; they are not the module's.
const wchar_t kHostWindows[] = L"NETPORTUI Qt host";
const wchar_t kQtHost[] = L"C:\\netportui-qthost\\qt_host.exe";
const wchar_t kQtHostResult[] = L"C:\\netportui-tests\\qthost-result.txt";

// How long a person waits for a window and for it to close, between two
// keys, and before looking at a page.
const DWORD kWindowTimeout = 30000;
const DWORD kCloseTimeout = 15000;
const DWORD kKeyPause = 80;
const DWORD kSettle = 500;

int failures = 0;
std::wstring pictureFolder;
MonitorJournal* journal = nullptr;
// The process whose windows a person looks at: 0 for this one.
std::atomic<DWORD> watchedProcess{0};

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

// The watched process's visible top-level windows with that caption (any of
// the module's, when empty).
std::vector<HWND> windows(const std::wstring& caption) {
    struct Search {
        std::wstring caption;
        DWORD process;
        std::vector<HWND> found;
    } search{caption, watchedProcess ? watchedProcess.load() : GetCurrentProcessId(), {}};
    EnumWindows(
        [](HWND window, LPARAM data) -> BOOL {
            auto& s = *reinterpret_cast<Search*>(data);
            DWORD process = 0;
            GetWindowThreadProcessId(window, &process);
            wchar_t text[256] = {};
            GetWindowTextW(window, text, 256);
            const bool hostWindow = std::wstring(text).rfind(kHostWindows, 0) == 0;
            if (process == s.process && IsWindowVisible(window) &&
                (s.caption.empty() ? !hostWindow : s.caption == text)) {
                s.found.push_back(window);
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// What the screen shows of the window (or the whole screen). Qt's windows come
// out black through PrintWindow under Wine, so the picture is copied from the
// screen with the window in front. The caller deletes the bitmap.
HBITMAP screenPicture(HWND window, RECT& r) {
    r = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    if (window) {
        GetWindowRect(window, &r);
    }
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, r.right - r.left, r.bottom - r.top);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, r.right - r.left, r.bottom - r.top, screen, r.left, r.top, SRCCOPY);
    SelectObject(memory, old);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return bitmap;
}

// Where in the window the summary's symbol is: the middle of its blue, as a
// share of the window's width (0 left, 1 right); -1 when no blue is seen.
double symbolPlace(HWND window) {
    RECT r;
    HBITMAP bitmap = screenPicture(window, r);
    const LONG width = r.right - r.left;
    const LONG height = r.bottom - r.top;
    BITMAPINFO info = {};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    std::vector<DWORD> pixels(size_t(width) * size_t(height));
    HDC screen = GetDC(nullptr);
    GetDIBits(screen, bitmap, 0, UINT(height), pixels.data(), &info, DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    DeleteObject(bitmap);
    double sum = 0;
    long count = 0;
    for (LONG y = 0; y < height; ++y) {
        for (LONG x = 0; x < width; ++x) {
            const DWORD p = pixels[size_t(y) * size_t(width) + size_t(x)];
            if ((p & 0xff) > 200 && ((p >> 8) & 0xff) < 60 && ((p >> 16) & 0xff) < 60) {
                sum += x;
                ++count;
            }
        }
    }
    return count > 20 ? sum / double(count) / double(width) : -1;
}

// Saves what the screen shows of the window (or the whole screen) as PNG.
bool savePicture(HWND window, const std::string& name) {
    RECT r;
    HBITMAP bitmap = screenPicture(window, r);
    // GDI+'s PNG encoder.
    const CLSID png = {
        0x557cf406, 0x1a04, 0x11d3, {0x9a, 0x73, 0x00, 0x00, 0xf8, 0x1e, 0xf3, 0x2e}};
    const std::wstring file =
        pictureFolder + L"\\" + std::wstring(name.begin(), name.end()) + L".png";
    Gdiplus::Bitmap* image = Gdiplus::Bitmap::FromHBITMAP(bitmap, nullptr);
    const bool saved = image && image->Save(file.c_str(), &png, nullptr) == Gdiplus::Ok;
    delete image;
    DeleteObject(bitmap);
    return saved;
}

// One thing a person waits for, looks at and does.
struct Step {
    const wchar_t* caption; // the window to wait for
    const char* expected;   // what should be in it, for the failure message
    std::string picture;    // saved before the keys (empty: none)
    std::wstring keys;
    LONG openChannels = -1; // channels open at the monitor meanwhile (-1: not checked)
    char symbol = 0;        // the side of the window the symbol is on: 'L', 'R' (0: none)
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
    int callers = 1;                    // threads that call at the same moment
    const wchar_t* catalogue = nullptr; // put into the system directory meanwhile
    bool inQtHost = false;              // called by the Qt host program
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
        if (step.symbol) {
            const double place = symbolPlace(window);
            const bool right = place > 0.75;
            if (place < 0 || (step.symbol == 'R') != right || (!right && place > 0.25)) {
                run.problems.push_back(what + ": the symbol is at " + std::to_string(place) +
                                       " of the width, expected on the " +
                                       (step.symbol == 'R' ? "right" : "left"));
            }
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

// The path of a file in the system directory.
std::wstring inSystemDirectory(const std::wstring& name) {
    wchar_t system[MAX_PATH];
    GetSystemDirectoryW(system, MAX_PATH);
    return std::wstring(system) + L"\\" + name;
}

// Moves the platform plugin out of the toolkit's way, or back, keeping it in
// its folder under a name that is not a library's.
bool movePlatformPlugin(bool away) {
    const std::wstring plugin = inSystemDirectory(L"netportui\\platforms\\qwindows_netportui.dll");
    const std::wstring parked = plugin + L".parked";
    return away ? MoveFileW(plugin.c_str(), parked.c_str()) != 0
                : MoveFileW(parked.c_str(), plugin.c_str()) != 0;
}

// Puts a catalogue from the program's folder into the system directory, or
// takes it out again.
bool placeCatalogue(const wchar_t* name, bool in) {
    const std::wstring installed = inSystemDirectory(name);
    return in ? CopyFileW((L"C:\\netportui-tests\\" + std::wstring(name)).c_str(),
                          installed.c_str(), FALSE) != 0
              : DeleteFileW(installed.c_str()) != 0;
}

// What the Qt host wrote, "name value" a line; -1 for what it did not write.
std::map<std::string, long> hostResults() {
    std::map<std::string, long> results;
    for (const char* name : {"addport", "error", "ticks", "paints", "application", "another"}) {
        results[name] = -1;
    }
    if (FILE* file = _wfopen(kQtHostResult, L"r")) {
        char name[64];
        long value = 0;
        while (std::fscanf(file, "%63s %ld", name, &value) == 2) {
            results[name] = value;
        }
        std::fclose(file);
    }
    return results;
}

// Runs the Qt host, which calls AddPortW from its user-interface thread, and
// checks what it saw of its own Qt meanwhile and afterwards. Its windows are
// the ones the person looks at.
BOOL addPortInQtHost(DWORD& error) {
    DeleteFileW(kQtHostResult);
    std::wstring command = std::wstring(kQtHost) + L" " + kQtHostResult;
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    if (!CreateProcessW(kQtHost, command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        L"C:\\netportui-qthost", &startup, &process)) {
        check(false, "the Qt host starts: error " + std::to_string(GetLastError()));
        error = 0;
        return FALSE;
    }
    watchedProcess = process.dwProcessId;
    const bool ended = WaitForSingleObject(process.hProcess, 120000) == WAIT_OBJECT_0;
    DWORD code = 0;
    GetExitCodeProcess(process.hProcess, &code);
    if (!ended) {
        TerminateProcess(process.hProcess, 9);
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    check(ended && code == 0, "the Qt host quits normally: exit code " + std::to_string(code));
    std::map<std::string, long> results = hostResults();
    std::printf("the Qt host: its timer fired %ld times and its window was painted %ld times "
                "while AddPortW ran\n",
                results["ticks"], results["paints"]);
    check(results["ticks"] > 10, "the Qt host's timer goes on firing meanwhile");
    check(results["paints"] > 10, "the Qt host's window goes on being painted");
    check(results["application"] == 1, "the Qt host's application is intact afterwards");
    check(results["another"] == 1, "the Qt host opens another window of its own");
    error = DWORD(results["error"]);
    return results["addport"] == 1;
}

BOOL runOperation(const Scenario& s, DWORD& error) {
    if (s.inQtHost) {
        return addPortInQtHost(error);
    }
    std::wstring name = s.name;
    SetLastError(0xfeed);
    BOOL result = FALSE;
    switch (s.operation) {
    case AddPort:
        result = AddPortW(nullptr, nullptr, name.data());
        break;
    case ConfigurePort:
        result = ConfigurePortW(nullptr, nullptr, name.data());
        break;
    case DeletePort:
        result = DeletePortW(nullptr, nullptr, name.data());
        break;
    }
    error = GetLastError();
    return result;
}

// A second caller of the same operation, started at the same moment as the
// first.
struct SecondCaller {
    const Scenario* scenario;
    HANDLE go;
    BOOL result;
    DWORD error;
};

DWORD WINAPI secondCaller(void* data) {
    auto& caller = *static_cast<SecondCaller*>(data);
    WaitForSingleObject(caller.go, INFINITE);
    caller.result = runOperation(*caller.scenario, caller.error);
    return 0;
}

void runScenario(const Scenario& s) {
    static int index = 0;
    std::printf("-- %s\n", s.title);
    if (s.withoutPlatformPlugin) {
        check(movePlatformPlugin(true), "the platform plugin is moved away");
    }
    if (s.catalogue) {
        check(placeCatalogue(s.catalogue, true), "the catalogue is in the system directory");
    }
    journal->count = journal->opened = journal->closed = 0;
    watchedProcess = 0;
    Run run{&s, ++index, CreateEventW(nullptr, TRUE, FALSE, nullptr), {}, -1, {}};
    SecondCaller second{&s, CreateEventW(nullptr, TRUE, FALSE, nullptr), FALSE, 0};
    HANDLE secondThread =
        s.callers > 1 ? CreateThread(nullptr, 0, secondCaller, &second, 0, nullptr) : nullptr;
    QueryPerformanceCounter(&run.started);
    HANDLE thread = CreateThread(nullptr, 0, person, &run, 0, nullptr);
    SetEvent(second.go);
    DWORD error = 0;
    BOOL result = runOperation(s, error);
    const double took = millisecondsSince(run.started);
    if (secondThread) {
        WaitForSingleObject(secondThread, INFINITE);
        CloseHandle(secondThread);
        // Whichever caller came first showed the wizard; the other was turned
        // away at once.
        std::printf("the two callers: %d (error %lu) and %d (error %lu)\n", result, error,
                    second.result, second.error);
        if (!result) {
            std::swap(result, second.result);
            std::swap(error, second.error);
        }
        expect("the other caller's result", second.result, FALSE);
        expect("the other caller's last error", second.error, ERROR_BUSY);
    }
    CloseHandle(second.go);
    SetEvent(run.operationDone);
    WaitForSingleObject(thread, INFINITE);
    CloseHandle(thread);
    CloseHandle(run.operationDone);
    watchedProcess = 0;
    if (s.withoutPlatformPlugin) {
        check(movePlatformPlugin(false), "the platform plugin is back");
    }
    if (s.catalogue) {
        check(placeCatalogue(s.catalogue, false), "the catalogue is taken out again");
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

// A socket port as the wizard adds it: the method page, host and port 9101,
// SNMP, the summary (its symbol on the left, or on the right when the windows
// are mirrored); pictures of each page when `pictures` names them.
std::vector<Step> socketWizard(const std::string& pictures, const wchar_t* host = L"10.0.0.5",
                               const wchar_t* caption = kCaption, char symbol = 'L') {
    const auto picture = [&pictures](const char* page) {
        return pictures.empty() ? pictures : pictures + page;
    };
    return {{caption, "the method page", picture("method"), L"{Return}"},
            {caption, "the socket page", "", host + std::wstring(L"{Tab}9101{Shift+Tab}")},
            {caption, "the socket page, filled", picture("socket"), L"{Return}"},
            {caption, "the SNMP page", "", L"{Tab}public"},
            {caption, "the SNMP page, filled", picture("snmp"), L"{Return}"},
            {caption, "the summary", picture("summary"), L"{Return}", -1, symbol}};
}

// A text that lives as long as the test, for the scenarios' tables.
const wchar_t* kept(const std::wstring& text) {
    static std::vector<std::unique_ptr<std::wstring>> texts;
    texts.push_back(std::make_unique<std::wstring>(text));
    return texts.back()->c_str();
}

// Such a port's name, the settings string "AddPort" carries for it, and what
// the monitor then keeps.
const wchar_t* socketPort(const std::wstring& host) {
    return kept(host + L":9101");
}

const wchar_t* socketAdded(const std::wstring& host) {
    return kept(host + L":9101;PROT=SOCKET;MONITORING=ON;COMMUNITY=public;");
}

const wchar_t* socketStored(const std::wstring& host) {
    return kept(host + L":9101;PROT=SOCKET;TIMEOUT=5;HTTP_PROXY_ENABLED=OFF;HTTP_PROXY_NAME=;"
                       L"HTTP_PROXY_PORT=;HTTP_PROXY_LPRINTER=;HTTP_SECURE=OFF;MONITORING=ON;"
                       L"COMMUNITY=public");
}

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

// A socket port added through the wizard, with the host's address in its name.
Scenario addingSocket(const char* title, const std::wstring& host, std::vector<Step> steps) {
    return adding(title, std::move(steps), socketAdded(host), socketPort(host), socketStored(host));
}

std::vector<Scenario> scenarios() {
    std::vector<Step> again = socketWizard("");
    again.push_back({L"WARNING", "\"Port already exists\"", "wine-warning", L"{Return}", 1});
    const std::wstring nothing = sent();
    Scenario twoCallers = addingSocket("AddPortW on two threads at the same moment", L"10.0.0.8",
                                       socketWizard("", L"10.0.0.8"));
    twoCallers.callers = 2;
    // Both calls ask the monitor for its user interface; one adds the port.
    twoCallers.sent =
        sent(L"MonitorUI \nAddPort " + std::wstring(socketAdded(L"10.0.0.8")) + L"\n");
    Scenario inQtHost = addingSocket("AddPortW from a Qt application's own thread", L"10.0.0.6",
                                     socketWizard("", L"10.0.0.6"));
    inQtHost.inQtHost = true;
    Scenario arabic = addingSocket("AddPortW with the Arabic catalogue", L"10.0.0.9",
                                   socketWizard("wine-ar-", L"10.0.0.9", kArabicCaption, 'R'));
    arabic.catalogue = L"monitor_ar.qm";
    return {
        {"AddPortW without the platform plugin",
         AddPort,
         kMonitor,
         {},
         FALSE,
         ERROR_MOD_NOT_FOUND,
         nothing,
         socketPort(L"10.0.0.5"),
         nullptr,
         true},
        addingSocket("AddPortW: a socket port", L"10.0.0.5", socketWizard("wine-socket-")),
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
        addingSocket("AddPortW: the socket port again", L"10.0.0.5", again),
        configuring("ConfigurePortW: Escape", socketPort(L"10.0.0.5"),
                    {{kCaption, "the properties dialog", "wine-dialog-socket", L"{Escape}"}},
                    nullptr, socketStored(L"10.0.0.5")),
        configuring(
            "ConfigurePortW: a new time out and community", socketPort(L"10.0.0.5"),
            {{kCaption, "the properties dialog", "", L"{Shift+Tab}{Tab}15{Tab}{Tab}private"},
             {kCaption, "the properties dialog, edited", "wine-dialog-socket-edited", L"{Return}"}},
            kSocketConfigured, kSocketStoredAfter),
        configuring("ConfigurePortW: the HTTP port", kHttpPort,
                    {{kCaption, "the properties dialog", "wine-dialog-http", L"{Escape}"}}, nullptr,
                    kHttpStored),
        deleting("DeletePortW: the HTTP port", kHttpPort),
        deleting("DeletePortW: the socket port", socketPort(L"10.0.0.5")),
        // Two property sheets at once, each on a thread of its own.
        twoCallers,
        deleting("DeletePortW: the port the two callers added", socketPort(L"10.0.0.8")),
        // A host that is a Qt application itself, with another Qt.
        inQtHost,
        deleting("DeletePortW: the Qt host's port", socketPort(L"10.0.0.6")),
        // The windows as an administrator in Arabic sees them: mirrored, and the
        // same settings string as in English.
        arabic,
        deleting("DeletePortW: the Arabic run's port", socketPort(L"10.0.0.9")),
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

// The module's version resource, as Explorer and installers read it.
void checkVersionResource() {
    wchar_t path[MAX_PATH];
    GetSystemDirectoryW(path, MAX_PATH);
    lstrcatW(path, L"\\netportui.dll");
    DWORD handle = 0;
    std::vector<BYTE> block(GetFileVersionInfoSizeW(path, &handle));
    const bool read =
        !block.empty() && GetFileVersionInfoW(path, 0, DWORD(block.size()), block.data());
    check(read, "netportui.dll carries a version resource");
    if (!read) {
        return;
    }
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT size = 0;
    VerQueryValueW(block.data(), L"\\", reinterpret_cast<void**>(&fixed), &size);
    unsigned major = 0, minor = 0, patch = 0;
    std::sscanf(NETPORTUI_VERSION, "%u.%u.%u", &major, &minor, &patch);
    expect("the file version's high word", fixed ? fixed->dwFileVersionMS : 0,
           (major << 16) | minor);
    expect("the file version's low word", fixed ? fixed->dwFileVersionLS : 0, patch << 16);
    expect("the product version's high word", fixed ? fixed->dwProductVersionMS : 0,
           (major << 16) | minor);
    const std::wstring version(NETPORTUI_VERSION, NETPORTUI_VERSION + lstrlenA(NETPORTUI_VERSION));
    const std::pair<const wchar_t*, std::wstring> strings[] = {
        {L"FileVersion", version},
        {L"ProductVersion", version},
        {L"CompanyName", L"VARDENO"},
        {L"FileDescription", L"VARDENO Port Monitor user interface"},
        {L"ProductName", L"VARDENO Port Monitor"},
        {L"OriginalFilename", L"netportui.dll"},
        {L"InternalName", L"netportui"},
    };
    for (const auto& [name, expected] : strings) {
        wchar_t* value = nullptr;
        const std::wstring key = std::wstring(L"\\StringFileInfo\\040904B0\\") + name;
        VerQueryValueW(block.data(), key.c_str(), reinterpret_cast<void**>(&value), &size);
        expectText(narrow(name), value ? value : L"<none>", expected);
    }
}

// Another product's Qt6Core.dll lies in this program's folder. Windows
// searches that folder first, so a module that imports a library of that name
// would get it; the module's own Qt has other names.
void checkForeignQtCore() {
    HMODULE foreign = LoadLibraryW(L"Qt6Core.dll");
    check(foreign && GetProcAddress(foreign, "netportuiForeignQtCore"),
          "a search for Qt6Core.dll finds another product's in the program's folder");
    if (foreign) {
        FreeLibrary(foreign);
    }
}

bool installMonitor() {
    const BOOL added = registerTestMonitor();
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
        checkForeignQtCore();
        // The first scenario meets a process that has never loaded the module.
        runScenario(all.front());
        runDirectCases();
        checkVersionResource();
        for (size_t i = 1; i < all.size(); ++i) {
            runScenario(all[i]);
        }
    }
    Gdiplus::GdiplusShutdown(gdiplusToken);
    std::printf("%d check(s) failed\n", failures);
    return failures == 0 ? 0 : 1;
}
