#include "monitorui/entry.h"

#include "monitorui/flows.h"
#include "toolkit/windowthread.h"

namespace {

const MONITORUI monitorUI = {
    // The spooler compares this with the size of the record it expects.
    sizeof(MONITORUI),
    AddPortUI,
    ConfigurePortUI,
    DeletePortUI,
};

// Byte count of a NUL-terminated UTF-16 text, terminator included.
DWORD wireBytes(PCWSTR text) {
    return 2 * static_cast<DWORD>(lstrlenW(text)) + 2;
}

PBYTE asInput(PCWSTR text) {
    return reinterpret_cast<PBYTE>(const_cast<PWSTR>(text));
}

// Opens the channel KEYWORD OBJECT on the server. FALSE with the last error set
// when the name cannot be allocated or the spooler refuses.
BOOL openChannel(PCWSTR server, PCWSTR keyword, PCWSTR object, HANDLE* channel) {
    PWSTR name = buildXcvName(server, keyword, object);
    if (!name) {
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return FALSE;
    }
    PRINTER_DEFAULTSW defaults = {nullptr, nullptr, SERVER_ACCESS_ADMINISTER};
    const BOOL opened = OpenPrinterW(name, channel, &defaults);
    GlobalFree(name);
    return opened;
}

// Closes the channel and then settles the last error, so that closing cannot
// overwrite the error the operation reports.
BOOL closeAndReturn(HANDLE channel, BOOL result, DWORD error) {
    if (channel) {
        ClosePrinter(channel);
    }
    SetLastError(error);
    return result;
}

// Opens the channel and makes sure that the windows can be shown; FALSE with
// the channel closed again and the last error set when they cannot.
BOOL openChannelForWindows(PCWSTR server, PCWSTR keyword, PCWSTR object, HANDLE* channel) {
    if (!openChannel(server, keyword, object, channel)) {
        return FALSE;
    }
    const DWORD unavailable = windowSupportError();
    if (unavailable != ERROR_SUCCESS) {
        closeAndReturn(*channel, FALSE, unavailable);
        *channel = nullptr;
        return FALSE;
    }
    return TRUE;
}

// The outcome of a command that reports through its status: a status other
// than success makes the operation fail with the status as the last error.
BOOL finishCommand(HANDLE channel, BOOL result, DWORD status) {
    if (!result) {
        return closeAndReturn(channel, FALSE, GetLastError());
    }
    if (status != ERROR_SUCCESS) {
        return closeAndReturn(channel, FALSE, status);
    }
    return closeAndReturn(channel, result, GetLastError());
}

} // namespace

PWSTR buildXcvName(PCWSTR server, PCWSTR keyword, PCWSTR object) {
    const SIZE_T bytes = (server ? 2 * static_cast<SIZE_T>(lstrlenW(server)) + 4 : 2) +
                         (2 * static_cast<SIZE_T>(lstrlenW(keyword)) + 4) +
                         2 * static_cast<SIZE_T>(object ? lstrlenW(object) : 0);
    PWSTR name = static_cast<PWSTR>(GlobalAlloc(GMEM_ZEROINIT, bytes));
    if (!name) {
        return nullptr;
    }
    PWSTR end = name;
    if (server) {
        lstrcpyW(end, server);
        end += lstrlenW(server);
        *end++ = WIDE('\\');
    }
    *end++ = WIDE(',');
    lstrcpyW(end, keyword);
    end += lstrlenW(keyword);
    *end++ = WIDE(' ');
    if (object) {
        lstrcpyW(end, object);
    }
    return name;
}

BOOL WINAPI AddPortUI(PCWSTR pszServer, HWND, PCWSTR pszMonitorNameIn, PWSTR*) {
    OutputDebugStringW(WIDE("AddPorUI\n"));
    const WindowThreadClaim windows;
    if (windows.error() != ERROR_SUCCESS) {
        return closeAndReturn(nullptr, FALSE, windows.error());
    }
    HANDLE channel = nullptr;
    const BOOL opened =
        openChannelForWindows(pszServer, WIDE("XcvMonitor"), pszMonitorNameIn, &channel);
    if (!opened) {
        return FALSE;
    }
    PWSTR settings = nullptr;
    if (!MLAddPorts(&settings)) {
        // Cancelled by the user: nothing to send, and no error.
        return closeAndReturn(channel, opened, GetLastError());
    }
    if (!settings) {
        return closeAndReturn(channel, FALSE, ERROR_NOT_ENOUGH_MEMORY);
    }
    BYTE scratch[4];
    DWORD needed = 0;
    DWORD status = ERROR_SUCCESS;
    const BOOL result = XcvDataW(channel, WIDE("AddPort"), reinterpret_cast<PBYTE>(settings),
                                 wireBytes(settings), scratch, 0, &needed, &status);
    const DWORD error = GetLastError();
    GlobalFree(settings);
    if (status == ERROR_ALREADY_EXISTS) {
        showPortExistsWarning();
        return closeAndReturn(channel, result, error);
    }
    SetLastError(error);
    return finishCommand(channel, result, status);
}

BOOL WINAPI DeletePortUI(PCWSTR pszServer, HWND, PCWSTR pszPortName) {
    HANDLE channel = nullptr;
    if (!openChannel(pszServer, WIDE("XcvPort"), pszPortName, &channel)) {
        return FALSE;
    }
    BYTE scratch[4];
    DWORD needed = 0;
    DWORD status = ERROR_SUCCESS;
    const BOOL result = XcvDataW(channel, WIDE("DeletePort"), asInput(pszPortName),
                                 wireBytes(pszPortName), scratch, 0, &needed, &status);
    return finishCommand(channel, result, status);
}

BOOL WINAPI ConfigurePortUI(PCWSTR pszServer, HWND, PCWSTR pszPortName) {
    const WindowThreadClaim windows;
    if (windows.error() != ERROR_SUCCESS) {
        return closeAndReturn(nullptr, FALSE, windows.error());
    }
    HANDLE channel = nullptr;
    if (!openChannelForWindows(pszServer, WIDE("XcvPort"), pszPortName, &channel)) {
        return FALSE;
    }
    DWORD needed = 0;
    DWORD status = ERROR_SUCCESS;
    const BOOL sized = XcvDataW(channel, WIDE("GetProperties"), asInput(pszPortName),
                                wireBytes(pszPortName), nullptr, 0, &needed, &status);
    if (!sized) {
        return closeAndReturn(channel, FALSE, GetLastError());
    }
    if (status != ERROR_SUCCESS && status != ERROR_INSUFFICIENT_BUFFER) {
        return closeAndReturn(channel, FALSE, status);
    }
    const DWORD replyBytes = needed;
    PBYTE reply = static_cast<PBYTE>(GlobalAlloc(GMEM_ZEROINIT, replyBytes));
    if (!reply) {
        return closeAndReturn(channel, FALSE, ERROR_NOT_ENOUGH_MEMORY);
    }
    status = ERROR_SUCCESS;
    const BOOL fetched = XcvDataW(channel, WIDE("GetProperties"), asInput(pszPortName),
                                  wireBytes(pszPortName), reply, replyBytes, &needed, &status);
    if (!fetched || status != ERROR_SUCCESS) {
        const DWORD error = fetched ? status : GetLastError();
        GlobalFree(reply);
        return closeAndReturn(channel, FALSE, error);
    }
    // The reply is read only within the size that the size query reported.
    PWSTR settings = nullptr;
    if (!MLConfigPortUI(reinterpret_cast<PCWSTR>(reply), replyBytes, &settings)) {
        GlobalFree(reply);
        return closeAndReturn(channel, fetched, GetLastError());
    }
    if (!settings) {
        GlobalFree(reply);
        return closeAndReturn(channel, FALSE, ERROR_NOT_ENOUGH_MEMORY);
    }
    status = ERROR_SUCCESS;
    const BOOL result = XcvDataW(channel, WIDE("SetProperties"), reinterpret_cast<PBYTE>(settings),
                                 wireBytes(settings), nullptr, 0, &needed, &status);
    const DWORD error = GetLastError();
    GlobalFree(settings);
    GlobalFree(reply);
    SetLastError(error);
    return finishCommand(channel, result, status);
}

extern "C" {

PMONITORUI WINAPI InitializePrintMonitorUI(VOID) {
    return const_cast<PMONITORUI>(&monitorUI);
}

BOOL WINAPI DllEntryPoint(HINSTANCE instance, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH) {
        DisableThreadLibraryCalls(instance);
    }
    return 1;
}

#ifdef _WIN32
BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved) {
    return DllEntryPoint(instance, reason, reserved);
}
#endif

} // extern "C"

#ifndef _WIN32
namespace {
// The load-time entry: thread notifications do not exist here, but the module
// makes the same call as on Windows.
__attribute__((constructor)) void onModuleLoad() {
    DllEntryPoint(nullptr, DLL_PROCESS_ATTACH, nullptr);
}
} // namespace
#endif
