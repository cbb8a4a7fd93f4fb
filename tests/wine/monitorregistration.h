// Registers the port monitor of the tests (testmonitor.cpp) as an installer
// does, for the Windows programs that run under Wine: its DLL lies in the
// system directory already. Ports that an interrupted run left behind go
// first.
#pragma once

#include <windows.h>
#include <winspool.h>

inline constexpr wchar_t kTestMonitor[] = L"VARDENO Port Monitor";

// AddMonitorW's result; the last error says why it failed.
inline BOOL registerTestMonitor() {
    RegDeleteTreeW(HKEY_LOCAL_MACHINE, L"System\\CurrentControlSet\\Control\\Print\\Monitors\\"
                                       L"VARDENO Port Monitor\\Ports");
    DeleteMonitorW(nullptr, nullptr, const_cast<LPWSTR>(kTestMonitor));
    MONITOR_INFO_2W info = {const_cast<LPWSTR>(kTestMonitor), const_cast<LPWSTR>(L"Windows x64"),
                            const_cast<LPWSTR>(L"netport_testmon.dll")};
    return AddMonitorW(nullptr, 2, reinterpret_cast<LPBYTE>(&info));
}
