// The module's face to the print spooler: the exported table and the three port
// operations. Plain C++ without the toolkit, so that it builds against the real
// Windows headers as well as against the stand-ins.
#pragma once

#include "platform/win32.h"

#ifdef _WIN32
#define NETPORTUI_EXPORT
#else
#define NETPORTUI_EXPORT __attribute__((visibility("default")))
#endif

extern "C" {
NETPORTUI_EXPORT PMONITORUI WINAPI InitializePrintMonitorUI(VOID);
NETPORTUI_EXPORT BOOL WINAPI DllEntryPoint(HINSTANCE instance, DWORD reason, LPVOID reserved);
}

// The transaction channel name: "SERVER\,KEYWORD OBJECT", or ",KEYWORD OBJECT"
// when the server is null; a null object leaves the name ending in the blank.
// The block comes from GlobalAlloc (zero-filled); null when it cannot be had.
PWSTR buildXcvName(PCWSTR server, PCWSTR keyword, PCWSTR object);

BOOL WINAPI AddPortUI(PCWSTR pszServer, HWND hWnd, PCWSTR pszMonitorNameIn, PWSTR* ppszPortNameOut);
BOOL WINAPI ConfigurePortUI(PCWSTR pszServer, HWND hWnd, PCWSTR pszPortName);
BOOL WINAPI DeletePortUI(PCWSTR pszServer, HWND hWnd, PCWSTR pszPortName);
