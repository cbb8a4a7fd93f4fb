// The open time on Windows' platform, under Wine: from the call of the
// spooler's AddPortW until the wizard's first page is shown, against the same
// time for the floor, a bare Qt dialog with a label and a button built with the
// same Qt and shown the same way (floor.cpp). Each window is closed as soon as
// it is seen.
//
//   cold  the first call of a process (the module or the floor DLL and the Qt
//         libraries loaded, the platform plugin and the fonts read): a new
//         process of this program for each run;
//   warm  the calls after that one in the same process.
//
// Beside them, for information: the module's AddPortUI called through its
// table, which leaves out the spooler's part of AddPortW.
//
// Usage: open_bench.exe FOLDER [COLD_RUNS [WARM_RUNS]] (15 and 61: a cold run
// costs a process): prints a table of medians and, last,
// "0 check(s) failed" when every window was seen. open_bench.exe FOLDER --cold
// wizard|floor|direct: one cold run, its figure written to FOLDER\cold.txt.
#include "tests/wine/elapsed.h"
#include "tests/wine/monitorregistration.h"

#include <winsplp.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

const wchar_t kWizardCaption[] = L"VARDENO TCP/IP Port Configuration (4.2.2)";
const wchar_t kFloorCaption[] = L"NETPORTUI floor";

// Watches for the window from a second thread: the time it is first seen
// visible, then a request to close it.
struct Watch {
    const wchar_t* caption;
    LARGE_INTEGER started;
    HANDLE callReturned;
    double shownMs = -1;
};

HWND findWindow(const wchar_t* caption) {
    HWND window = FindWindowW(nullptr, caption);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    return window && process == GetCurrentProcessId() && IsWindowVisible(window) ? window : nullptr;
}

DWORD WINAPI watch(void* data) {
    auto& w = *static_cast<Watch*>(data);
    while (WaitForSingleObject(w.callReturned, 0) != WAIT_OBJECT_0) {
        if (HWND window = findWindow(w.caption)) {
            w.shownMs = millisecondsSince(w.started);
            while (WaitForSingleObject(w.callReturned, 50) != WAIT_OBJECT_0) {
                PostMessageW(window, WM_CLOSE, 0, 0);
            }
            break;
        }
        Sleep(1);
    }
    return 0;
}

// Calls `open` and returns how long its window took to be shown (-1: never).
template <typename Open> double timeOpen(const wchar_t* caption, Open open) {
    Watch w{caption, {}, CreateEventW(nullptr, TRUE, FALSE, nullptr)};
    QueryPerformanceCounter(&w.started);
    HANDLE thread = CreateThread(nullptr, 0, watch, &w, 0, nullptr);
    open();
    SetEvent(w.callReturned);
    WaitForSingleObject(thread, INFINITE);
    CloseHandle(thread);
    CloseHandle(w.callReturned);
    return w.shownMs;
}

double openWizard() {
    return timeOpen(kWizardCaption, [] {
        std::wstring monitor = kTestMonitor;
        AddPortW(nullptr, nullptr, monitor.data());
    });
}

// The module's own AddPortUI, called through its table as the spooler calls
// it, without the spooler's part of AddPortW.
double openWizardDirectly() {
    return timeOpen(kWizardCaption, [] {
        HMODULE module = LoadLibraryW(L"netportui.dll");
        using Initialize = PMONITORUI(WINAPI*)();
        const auto initialize = module ? reinterpret_cast<Initialize>(reinterpret_cast<void*>(
                                             GetProcAddress(module, "InitializePrintMonitorUI")))
                                       : nullptr;
        if (const PMONITORUI ui = initialize ? initialize() : nullptr) {
            ui->pfnAddPortUI(nullptr, nullptr, kTestMonitor, nullptr);
        }
    });
}

double openFloor() {
    return timeOpen(kFloorCaption, [] {
        // Loaded from the system directory, beside the module and its Qt.
        HMODULE floor = LoadLibraryW(L"netportui_floor.dll");
        using Show = int (*)();
        const auto show = floor ? reinterpret_cast<Show>(reinterpret_cast<void*>(
                                      GetProcAddress(floor, "netportuiShowFloor")))
                                : nullptr;
        if (show) {
            show();
        }
    });
}

double median(std::vector<double> values) {
    if (values.empty()) {
        return -1;
    }
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

// One cold run in a new process of this program; -1 when it saw no window.
double coldRun(const std::wstring& folder, const wchar_t* kind) {
    const std::wstring result = folder + L"\\cold.txt";
    DeleteFileW(result.c_str());
    wchar_t self[MAX_PATH];
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    std::wstring command = L"\"" + std::wstring(self) + L"\" \"" + folder + L"\" --cold " + kind;
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    if (!CreateProcessW(self, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process)) {
        return -1;
    }
    WaitForSingleObject(process.hProcess, 120000);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    double ms = -1;
    if (FILE* file = _wfopen(result.c_str(), L"r")) {
        if (std::fscanf(file, "%lf", &ms) != 1) {
            ms = -1;
        }
        std::fclose(file);
    }
    return ms;
}

struct Row {
    const char* name;
    std::vector<double> wizard;
    std::vector<double> floor;
    std::vector<double> direct; // the module's AddPortUI without the spooler
};

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::printf("usage: open_bench.exe FOLDER [COLD_RUNS [WARM_RUNS] | --cold "
                    "wizard|floor|direct]\n");
        return 2;
    }
    const std::wstring folder(argv[1], argv[1] + lstrlenA(argv[1]));
    CreateDirectoryW(folder.c_str(), nullptr);
    // The Windows style animates; under Wine the animation keeps going.
    SystemParametersInfoW(SPI_SETCLIENTAREAANIMATION, 0, reinterpret_cast<PVOID>(FALSE), 0);
    if (argc > 3 && std::string(argv[2]) == "--cold") {
        const std::string kind = argv[3];
        const double ms = kind == "wizard"   ? openWizard()
                          : kind == "direct" ? openWizardDirectly()
                                             : openFloor();
        if (FILE* file = _wfopen((folder + L"\\cold.txt").c_str(), L"w")) {
            std::fprintf(file, "%.3f\n", ms);
            std::fclose(file);
        }
        return ms < 0 ? 1 : 0;
    }
    const int coldRuns = argc > 2 ? std::max(1, std::atoi(argv[2])) : 15;
    const int warmRuns = argc > 3 ? std::max(1, std::atoi(argv[3])) : 61;
    if (!registerTestMonitor()) {
        std::printf("AddMonitorW failed: %lu\n1 check(s) failed\n", GetLastError());
        return 1;
    }
    Row cold{"cold (first call of a process)", {}, {}, {}};
    Row warm{"warm (later calls)", {}, {}, {}};
    // The runs of the wizard and of the floor take turns, so that a slower
    // stretch of the machine falls on all alike.
    for (int i = 0; i < coldRuns; ++i) {
        cold.wizard.push_back(coldRun(folder, L"wizard"));
        cold.floor.push_back(coldRun(folder, L"floor"));
        cold.direct.push_back(coldRun(folder, L"direct"));
    }
    // One round first, so that all are loaded.
    openWizard();
    openFloor();
    openWizardDirectly();
    // Each round starts with another of the three, so that none always
    // follows the same one.
    for (int i = 0; i < warmRuns; ++i) {
        for (int k = 0; k < 3; ++k) {
            switch ((i + k) % 3) {
            case 0:
                warm.wizard.push_back(openWizard());
                break;
            case 1:
                warm.floor.push_back(openFloor());
                break;
            default:
                warm.direct.push_back(openWizardDirectly());
            }
        }
    }
    int missed = 0;
    std::printf("Open time under Wine, from the call until the window is shown "
                "(medians of %d cold and %d warm runs, ms)\n\n",
                coldRuns, warmRuns);
    std::printf("| Run | Wizard (AddPortW) | Floor (bare Qt dialog) | Ratio | "
                "Wizard (AddPortUI, no spooler) | Ratio |\n");
    std::printf("|---|---|---|---|---|---|\n");
    for (const Row* row : {&cold, &warm}) {
        for (const std::vector<double>* values : {&row->wizard, &row->floor, &row->direct}) {
            missed += int(
                std::count_if(values->begin(), values->end(), [](double ms) { return ms < 0; }));
        }
        const double wizard = median(row->wizard);
        const double floor = median(row->floor);
        const double direct = median(row->direct);
        std::printf("| %s | %.1f | %.1f | %.2f | %.1f | %.2f |\n", row->name, wizard, floor,
                    wizard / floor, direct, direct / floor);
    }
    std::printf("\nAll runs (ms):\n");
    for (const Row* row : {&cold, &warm}) {
        std::printf("%s\n  wizard:", row->name);
        for (double ms : row->wizard) {
            std::printf(" %.1f", ms);
        }
        std::printf("\n  floor: ");
        for (double ms : row->floor) {
            std::printf(" %.1f", ms);
        }
        std::printf("\n  AddPortUI:");
        for (double ms : row->direct) {
            std::printf(" %.1f", ms);
        }
        std::printf("\n");
    }
    if (missed) {
        std::printf("%d window(s) were never seen\n", missed);
    }
    std::printf("%d check(s) failed\n", missed);
    return missed ? 1 : 0;
}
