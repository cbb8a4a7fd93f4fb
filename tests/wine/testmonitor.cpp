// A port monitor for the Windows chain test, installed in Wine as Windows
// installs one (AddMonitorW, its DLL in the system directory). It names the
// module as its user interface ("MonitorUI") and answers the module's commands
// with the statuses of the embedded port monitor of spooler/:
//   "AddPort"        "NAME;KEY=VALUE;..."; 183 when the port exists, 87 when
//                    the string is malformed
//   "GetProperties"  input the port name; the port's full settings string, or
//                    122 with the size when the output is missing or too small
//   "SetProperties"  "NAME;KEY=VALUE;..."; changes only the keys given
//   "DeletePort"     input the port name
// 1796 for a port it does not have. The ports live where Windows' port
// monitors keep theirs, under the monitor's key in the registry
// (Monitors\<name>\Ports\<port>, value "Settings"): the spooler unloads the
// monitor between calls, and it finds the monitor of a port by that key.
// Every call is written to the test's journal (journal.h).
#include "tests/wine/journal.h"

#include <winsplp.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

namespace {

const wchar_t kPortsKey[] =
    L"System\\CurrentControlSet\\Control\\Print\\Monitors\\VARDENO Port Monitor\\Ports";
const wchar_t kModule[] = L"netportui.dll";

// The keys of a full settings string, in the order GetProperties writes them,
// with the value of a port that never set them.
const std::pair<std::wstring, std::wstring> kDefaults[] = {
    {L"PROT", L"SOCKET"},      {L"TIMEOUT", L"5"},        {L"HTTP_PROXY_ENABLED", L"OFF"},
    {L"HTTP_PROXY_NAME", L""}, {L"HTTP_PROXY_PORT", L""}, {L"HTTP_PROXY_LPRINTER", L""},
    {L"HTTP_SECURE", L"OFF"},  {L"MONITORING", L"OFF"},   {L"COMMUNITY", L""},
};

using Settings = std::vector<std::pair<std::wstring, std::wstring>>;

// Writes to the journal when the test has created it.
template <typename Write> void journal(Write write) {
    HANDLE section = OpenFileMappingW(FILE_MAP_WRITE, FALSE, kJournalName);
    if (!section) {
        return;
    }
    if (void* view = MapViewOfFile(section, FILE_MAP_WRITE, 0, 0, sizeof(MonitorJournal))) {
        write(*static_cast<MonitorJournal*>(view));
        UnmapViewOfFile(view);
    }
    CloseHandle(section);
}

// The text of a command's input: UTF-16 up to the first NUL, never beyond the
// byte count.
std::wstring inputText(const BYTE* input, DWORD bytes) {
    std::wstring text;
    for (DWORD i = 0; input && i + 1 < bytes; i += 2) {
        wchar_t unit;
        std::memcpy(&unit, input + i, sizeof unit);
        if (unit == 0) {
            break;
        }
        text += unit;
    }
    return text;
}

bool knownKey(const std::wstring& key) {
    for (const auto& entry : kDefaults) {
        if (entry.first == key) {
            return true;
        }
    }
    return false;
}

// Takes "NAME;KEY=VALUE;..." apart; empty items are skipped. False when the
// name is missing or cannot name a registry key, or an item is not KEY=VALUE
// with a known key.
bool parse(const std::wstring& text, std::wstring* name, Settings* items) {
    size_t start = 0;
    for (bool first = true; start <= text.size(); first = false) {
        const size_t end = std::min(text.find(L';', start), text.size());
        const std::wstring item = text.substr(start, end - start);
        const size_t equals = item.find(L'=');
        start = end + 1;
        if (first) {
            *name = item;
            if (item.empty() || item.find(L'\\') != std::wstring::npos) {
                return false;
            }
        } else if (!item.empty()) {
            if (equals == std::wstring::npos || !knownKey(item.substr(0, equals))) {
                return false;
            }
            items->emplace_back(item.substr(0, equals), item.substr(equals + 1));
        }
    }
    return true;
}

void apply(const Settings& items, Settings& port) {
    for (const auto& [key, value] : items) {
        for (auto& entry : port) {
            if (entry.first == key) {
                entry.second = value;
            }
        }
    }
}

std::wstring compose(const std::wstring& name, const Settings& port) {
    std::wstring text = name;
    for (const auto& [key, value] : port) {
        text += L';' + key + L'=' + value;
    }
    return text;
}

std::wstring portKey(const std::wstring& name) {
    return std::wstring(kPortsKey) + L'\\' + name;
}

// The stored settings of a port; false when there is no such port.
bool readPort(const std::wstring& name, Settings* port) {
    wchar_t buffer[2048] = {};
    DWORD bytes = sizeof buffer;
    if (name.empty() || RegGetValueW(HKEY_LOCAL_MACHINE, portKey(name).c_str(), L"Settings",
                                     RRF_RT_REG_SZ, nullptr, buffer, &bytes) != ERROR_SUCCESS) {
        return false;
    }
    std::wstring stored;
    Settings items;
    *port = Settings(std::begin(kDefaults), std::end(kDefaults));
    parse(buffer, &stored, &items);
    apply(items, *port);
    return true;
}

DWORD writePort(const std::wstring& name, const Settings& port) {
    const std::wstring text = compose(name, port);
    return static_cast<DWORD>(RegSetKeyValueW(HKEY_LOCAL_MACHINE, portKey(name).c_str(),
                                              L"Settings", REG_SZ, text.c_str(),
                                              static_cast<DWORD>((text.size() + 1) * 2)));
}

std::vector<std::wstring> portNames() {
    std::vector<std::wstring> names;
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, kPortsKey, 0, KEY_READ, &key) != 0) {
        return names;
    }
    wchar_t name[256];
    for (DWORD i = 0;; ++i) {
        DWORD length = 256;
        if (RegEnumKeyExW(key, i, name, &length, nullptr, nullptr, nullptr, nullptr) != 0) {
            break;
        }
        names.emplace_back(name, length);
    }
    RegCloseKey(key);
    return names;
}

// Copies a reply text with its terminator when it fits; 122 with the size
// otherwise.
DWORD reply(const std::wstring& text, BYTE* output, DWORD outputBytes, DWORD* needed) {
    const DWORD bytes = static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t));
    *needed = bytes;
    if (!output || outputBytes < bytes) {
        return ERROR_INSUFFICIENT_BUFFER;
    }
    std::memcpy(output, text.c_str(), bytes);
    return ERROR_SUCCESS;
}

DWORD command(const std::wstring& name, const std::wstring& text, BYTE* output, DWORD outputBytes,
              DWORD* needed) {
    std::wstring port;
    Settings items;
    Settings stored;
    if (name == L"MonitorUI") {
        return reply(kModule, output, outputBytes, needed);
    }
    if (name == L"AddPort") {
        if (!parse(text, &port, &items)) {
            return ERROR_INVALID_PARAMETER;
        }
        if (readPort(port, &stored)) {
            return ERROR_ALREADY_EXISTS;
        }
        stored = Settings(std::begin(kDefaults), std::end(kDefaults));
        apply(items, stored);
        return writePort(port, stored);
    }
    if (name == L"SetProperties") {
        if (!parse(text, &port, &items)) {
            return ERROR_INVALID_PARAMETER;
        }
        if (!readPort(port, &stored)) {
            return ERROR_UNKNOWN_PORT;
        }
        apply(items, stored);
        return writePort(port, stored);
    }
    if (name == L"GetProperties") {
        if (!readPort(text, &stored)) {
            return ERROR_UNKNOWN_PORT;
        }
        return reply(compose(text, stored), output, outputBytes, needed);
    }
    if (name == L"DeletePort") {
        if (!readPort(text, &stored)) {
            return ERROR_UNKNOWN_PORT;
        }
        return static_cast<DWORD>(RegDeleteTreeW(HKEY_LOCAL_MACHINE, portKey(text).c_str()));
    }
    return ERROR_INVALID_PARAMETER;
}

// The channels carry nothing: every command names its port in its input.
BOOL WINAPI xcvOpenPort(HANDLE monitor, LPCWSTR, ACCESS_MASK, PHANDLE channel) {
    *channel = monitor;
    journal([](MonitorJournal& j) { InterlockedIncrement(&j.opened); });
    return TRUE;
}

DWORD WINAPI xcvDataPort(HANDLE, LPCWSTR name, PBYTE input, DWORD inputBytes, PBYTE output,
                         DWORD outputBytes, PDWORD needed) {
    *needed = 0;
    const std::wstring text = inputText(input, inputBytes);
    const DWORD status = command(name, text, output, outputBytes, needed);
    // Calls may come from several threads at once: each takes its own entry.
    journal([&](MonitorJournal& j) {
        const LONG entry = InterlockedIncrement(&j.count) - 1;
        if (entry < MonitorJournal::kEntries) {
            lstrcpynW(j.entries[entry].command, name, ARRAYSIZE(j.entries[entry].command));
            lstrcpynW(j.entries[entry].input, text.c_str(), ARRAYSIZE(j.entries[entry].input));
        }
    });
    return status;
}

BOOL WINAPI xcvClosePort(HANDLE) {
    journal([](MonitorJournal& j) { InterlockedIncrement(&j.closed); });
    return TRUE;
}

// Level 1 (PORT_INFO_1W), what the tests ask for: the records first, then
// their names.
BOOL WINAPI enumPorts(HANDLE, LPWSTR, DWORD level, LPBYTE buffer, DWORD bufferBytes, LPDWORD needed,
                      LPDWORD returned) {
    *returned = 0;
    if (level != 1) {
        SetLastError(ERROR_INVALID_LEVEL);
        return FALSE;
    }
    const std::vector<std::wstring> names = portNames();
    DWORD bytes = 0;
    for (const std::wstring& name : names) {
        bytes += sizeof(PORT_INFO_1W) + static_cast<DWORD>(name.size() + 1) * sizeof(wchar_t);
    }
    *needed = bytes;
    if (!buffer || bufferBytes < bytes) {
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return FALSE;
    }
    auto* text = reinterpret_cast<wchar_t*>(buffer + sizeof(PORT_INFO_1W) * names.size());
    for (size_t i = 0; i < names.size(); ++i) {
        reinterpret_cast<PORT_INFO_1W*>(buffer)[i].pName = text;
        std::memcpy(text, names[i].c_str(), (names[i].size() + 1) * sizeof(wchar_t));
        text += names[i].size() + 1;
    }
    *returned = static_cast<DWORD>(names.size());
    return TRUE;
}

VOID WINAPI shutdown(HANDLE) {}

} // namespace

// The spooler's entry: the monitor's functions. Without pfnAddPort,
// pfnConfigurePort and pfnDeletePort the spooler runs the user interface that
// "MonitorUI" names.
extern "C" __declspec(dllexport) LPMONITOR2 WINAPI
    InitializePrintMonitor2(PMONITORINIT, PHANDLE monitor) {
    static MONITOR2 table = [] {
        MONITOR2 t = {};
        t.cbSize = sizeof(MONITOR2);
        t.pfnEnumPorts = enumPorts;
        t.pfnXcvOpenPort = xcvOpenPort;
        t.pfnXcvDataPort = xcvDataPort;
        t.pfnXcvClosePort = xcvClosePort;
        t.pfnShutdown = shutdown;
        return t;
    }();
    *monitor = &table;
    return &table;
}
