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

#include <cstring>
#include <string>
#include <utility>
#include <vector>

namespace {

const wchar_t kPortsKey[] =
    L"System\\CurrentControlSet\\Control\\Print\\Monitors\\VARDENO Port Monitor\\Ports";
const wchar_t kMonitorName[] = L"VARDENO Port Monitor";
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

bool isSwitch(const std::wstring& value) {
    return value == L"ON" || value == L"OFF";
}

bool validValue(const std::wstring& key, const std::wstring& value) {
    if (key == L"PROT") {
        return value == L"SOCKET" || value == L"HTTP";
    }
    if (key == L"TIMEOUT") {
        if (value.empty() || value.size() > 3 ||
            value.find_first_not_of(L"0123456789") != std::wstring::npos) {
            return false;
        }
        const int minutes = std::stoi(value);
        return minutes >= 1 && minutes <= 120;
    }
    if (key == L"HTTP_PROXY_ENABLED" || key == L"HTTP_SECURE" || key == L"MONITORING") {
        return isSwitch(value);
    }
    return key == L"HTTP_PROXY_NAME" || key == L"HTTP_PROXY_PORT" ||
           key == L"HTTP_PROXY_LPRINTER" || key == L"COMMUNITY";
}

// Takes "NAME;KEY=VALUE;..." apart; empty items are skipped. False when the
// name is missing or cannot be a key name, or an item is not a known key with
// an allowed value.
bool parse(const std::wstring& text, std::wstring* name, Settings* items) {
    size_t start = 0;
    bool first = true;
    while (start <= text.size()) {
        size_t end = text.find(L';', start);
        if (end == std::wstring::npos) {
            end = text.size();
        }
        const std::wstring item = text.substr(start, end - start);
        start = end + 1;
        if (first) {
            if (item.empty() || item.find(L'\\') != std::wstring::npos) {
                return false;
            }
            *name = item;
            first = false;
            continue;
        }
        if (item.empty()) {
            continue;
        }
        const size_t equals = item.find(L'=');
        if (equals == std::wstring::npos ||
            !validValue(item.substr(0, equals), item.substr(equals + 1))) {
            return false;
        }
        items->emplace_back(item.substr(0, equals), item.substr(equals + 1));
    }
    return !first;
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

HKEY openPort(const std::wstring& name, REGSAM access) {
    HKEY key = nullptr;
    const std::wstring path = std::wstring(kPortsKey) + L'\\' + name;
    if (name.empty() || RegOpenKeyExW(HKEY_LOCAL_MACHINE, path.c_str(), 0, access, &key) != 0) {
        return nullptr;
    }
    return key;
}

// The stored settings of a port; false when there is no such port.
bool readPort(const std::wstring& name, Settings* port) {
    HKEY key = openPort(name, KEY_READ);
    if (!key) {
        return false;
    }
    wchar_t buffer[2048] = {};
    DWORD bytes = sizeof buffer - sizeof(wchar_t);
    const LSTATUS read = RegQueryValueExW(key, L"Settings", nullptr, nullptr,
                                          reinterpret_cast<BYTE*>(buffer), &bytes);
    RegCloseKey(key);
    std::wstring stored;
    Settings items;
    *port = Settings(std::begin(kDefaults), std::end(kDefaults));
    if (read == 0 && parse(buffer, &stored, &items)) {
        apply(items, *port);
    }
    return true;
}

DWORD writePort(const std::wstring& name, const Settings& port) {
    HKEY key = nullptr;
    const std::wstring path = std::wstring(kPortsKey) + L'\\' + name;
    LSTATUS status = RegCreateKeyExW(HKEY_LOCAL_MACHINE, path.c_str(), 0, nullptr, 0, KEY_WRITE,
                                     nullptr, &key, nullptr);
    if (status != 0) {
        return static_cast<DWORD>(status);
    }
    const std::wstring text = compose(name, port);
    status =
        RegSetValueExW(key, L"Settings", 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                       static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
    RegCloseKey(key);
    return static_cast<DWORD>(status);
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
        return static_cast<DWORD>(
            RegDeleteTreeW(HKEY_LOCAL_MACHINE, (std::wstring(kPortsKey) + L'\\' + text).c_str()));
    }
    return ERROR_INVALID_PARAMETER;
}

struct Channel {
    std::wstring object;
};

BOOL WINAPI xcvOpenPort(HANDLE, LPCWSTR object, ACCESS_MASK, PHANDLE channel) {
    *channel = new Channel{object ? object : L""};
    journal([](MonitorJournal& j) { ++j.opened; });
    return TRUE;
}

DWORD WINAPI xcvDataPort(HANDLE channel, LPCWSTR name, PBYTE input, DWORD inputBytes, PBYTE output,
                         DWORD outputBytes, PDWORD needed) {
    *needed = 0;
    const std::wstring text = inputText(input, inputBytes);
    const DWORD status = command(name, text, output, outputBytes, needed);
    journal([&](MonitorJournal& j) {
        if (j.count < MonitorJournal::kEntries) {
            JournalEntry& entry = j.entries[j.count];
            lstrcpynW(entry.command, name, ARRAYSIZE(entry.command));
            lstrcpynW(entry.object, static_cast<Channel*>(channel)->object.c_str(),
                      ARRAYSIZE(entry.object));
            lstrcpynW(entry.input, text.c_str(), ARRAYSIZE(entry.input));
            entry.status = status;
        }
        ++j.count;
    });
    return status;
}

BOOL WINAPI xcvClosePort(HANDLE channel) {
    delete static_cast<Channel*>(channel);
    journal([](MonitorJournal& j) { ++j.closed; });
    return TRUE;
}

// Level 1 (PORT_INFO_1W) or 2 (PORT_INFO_2W): the records first, then their
// texts.
BOOL WINAPI enumPorts(HANDLE, LPWSTR, DWORD level, LPBYTE buffer, DWORD bufferBytes, LPDWORD needed,
                      LPDWORD returned) {
    *returned = 0;
    if (level != 1 && level != 2) {
        SetLastError(ERROR_INVALID_LEVEL);
        return FALSE;
    }
    const std::vector<std::wstring> names = portNames();
    const DWORD record = level == 1 ? sizeof(PORT_INFO_1W) : sizeof(PORT_INFO_2W);
    const std::wstring description = L"Network port";
    DWORD bytes = 0;
    for (const std::wstring& name : names) {
        bytes += record + static_cast<DWORD>(name.size() + 1) * sizeof(wchar_t);
        if (level == 2) {
            bytes += static_cast<DWORD>(std::size(kMonitorName) + description.size() + 1) *
                     sizeof(wchar_t);
        }
    }
    *needed = bytes;
    if (!buffer || bufferBytes < bytes) {
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return FALSE;
    }
    auto* text = reinterpret_cast<wchar_t*>(buffer + record * names.size());
    const auto put = [&text](const std::wstring& value) {
        wchar_t* at = text;
        std::memcpy(at, value.c_str(), (value.size() + 1) * sizeof(wchar_t));
        text += value.size() + 1;
        return at;
    };
    for (size_t i = 0; i < names.size(); ++i) {
        if (level == 1) {
            reinterpret_cast<PORT_INFO_1W*>(buffer)[i].pName = put(names[i]);
        } else {
            PORT_INFO_2W& info = reinterpret_cast<PORT_INFO_2W*>(buffer)[i];
            info.pPortName = put(names[i]);
            info.pMonitorName = put(kMonitorName);
            info.pDescription = put(description);
            info.fPortType = PORT_TYPE_WRITE;
            info.Reserved = 0;
        }
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
