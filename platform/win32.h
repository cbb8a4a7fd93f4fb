// The one header through which the module reaches every Win32 name it uses.
//
// On Windows it is the real system headers and nothing else. Elsewhere it
// declares the same names with the same signatures and sizes; the functions are
// provided by the stand-in libraries "win32" (kernel) and "spooler" (print
// spooler) built from platform/ and spooler/.
#pragma once

#ifdef _WIN32

// Qt's Windows headers define STRICT as empty, but the spooler's header tests
// it in an arithmetic #if; the meaning (strict handle types) stays the same.
#ifdef STRICT
#undef STRICT
#endif
#define STRICT 1

#include <windows.h>
#include <winsplp.h>
#include <winspool.h>

// A UTF-16 text literal of the system's WCHAR.
#define WIDE(text) L##text

#else

#include <cstddef>
#include <cstdint>

#if defined(NETPORT_BUILDING_WIN32)
#define NETPORT_WIN32_API __attribute__((visibility("default")))
#else
#define NETPORT_WIN32_API
#endif
#if defined(NETPORT_BUILDING_SPOOLER)
#define NETPORT_SPOOLER_API __attribute__((visibility("default")))
#else
#define NETPORT_SPOOLER_API
#endif

#define WINAPI
#define VOID void

typedef int BOOL;
typedef int WINBOOL;
typedef unsigned char BYTE;
typedef BYTE* PBYTE;
typedef BYTE* LPBYTE;
typedef std::uint32_t DWORD;
typedef DWORD* PDWORD;
typedef DWORD* LPDWORD;
typedef unsigned int UINT;
typedef std::uintptr_t SIZE_T;
typedef void* PVOID;
typedef void* LPVOID;
typedef void* HANDLE;
typedef HANDLE* LPHANDLE;
typedef HANDLE HGLOBAL;
typedef HANDLE HLOCAL;
typedef struct HWND__* HWND;
typedef struct HINSTANCE__* HINSTANCE;
typedef HINSTANCE HMODULE;

// A UTF-16 code unit, as on Windows: two bytes on every platform, so that the
// byte counts exchanged with the spooler (2 x length + 2) hold everywhere.
typedef char16_t WCHAR;
typedef WCHAR* PWSTR;
typedef WCHAR* LPWSTR;
typedef const WCHAR* PCWSTR;
typedef const WCHAR* LPCWSTR;

static_assert(sizeof(WCHAR) == 2, "WCHAR must be a 16-bit unit");

// A UTF-16 text literal of WCHAR.
#define WIDE(text) u##text
static_assert(sizeof(DWORD) == 4, "DWORD must be 32 bits");

#ifndef TRUE
#define TRUE 1
#endif
#ifndef FALSE
#define FALSE 0
#endif

#define DLL_PROCESS_DETACH 0
#define DLL_PROCESS_ATTACH 1
#define DLL_THREAD_ATTACH 2
#define DLL_THREAD_DETACH 3

#define GMEM_FIXED 0x0000
#define GMEM_ZEROINIT 0x0040
#define GPTR (GMEM_FIXED | GMEM_ZEROINIT)
#define LMEM_FIXED 0x0000
#define LMEM_ZEROINIT 0x0040
#define LPTR (LMEM_FIXED | LMEM_ZEROINIT)

#define SERVER_ACCESS_ADMINISTER 0x00000001

#define ERROR_SUCCESS 0L
#define ERROR_PATH_NOT_FOUND 3L
#define ERROR_ACCESS_DENIED 5L
#define ERROR_INVALID_HANDLE 6L
#define ERROR_NOT_ENOUGH_MEMORY 8L
#define ERROR_INVALID_DATA 13L
#define ERROR_NOT_SUPPORTED 50L
#define ERROR_INVALID_PARAMETER 87L
#define ERROR_DISK_FULL 112L
#define ERROR_INSUFFICIENT_BUFFER 122L
#define ERROR_INVALID_NAME 123L
#define ERROR_MOD_NOT_FOUND 126L
#define ERROR_BUSY 170L
#define ERROR_ALREADY_EXISTS 183L
#define ERROR_FILE_TOO_LARGE 223L
#define ERROR_IO_DEVICE 1117L
#define ERROR_FILE_CORRUPT 1392L
#define ERROR_UNKNOWN_PORT 1796L
#define ERROR_INVALID_PRINTER_NAME 1801L
#define ERROR_DEVICE_NOT_AVAILABLE 4319L

struct _devicemodeW;
typedef struct _devicemodeW DEVMODEW;
typedef DEVMODEW* LPDEVMODEW;

typedef struct _PRINTER_DEFAULTSW {
    LPWSTR pDatatype;
    LPDEVMODEW pDevMode;
    DWORD DesiredAccess;
} PRINTER_DEFAULTSW, *PPRINTER_DEFAULTSW, *LPPRINTER_DEFAULTSW;

typedef struct _MONITORUI {
    DWORD dwMonitorUISize;
    BOOL(WINAPI* pfnAddPortUI)
    (PCWSTR pszServer, HWND hWnd, PCWSTR pszPortNameIn, PWSTR* ppszPortNameOut);
    BOOL(WINAPI* pfnConfigurePortUI)(PCWSTR pName, HWND hWnd, PCWSTR pPortName);
    BOOL(WINAPI* pfnDeletePortUI)(PCWSTR pszServer, HWND hWnd, PCWSTR pszPortName);
} MONITORUI, *PMONITORUI;

extern "C" {

// Kernel (stand-ins in platform/win32.cpp).
NETPORT_WIN32_API HGLOBAL WINAPI GlobalAlloc(UINT uFlags, SIZE_T dwBytes);
NETPORT_WIN32_API HGLOBAL WINAPI GlobalFree(HGLOBAL hMem);
NETPORT_WIN32_API HLOCAL WINAPI LocalAlloc(UINT uFlags, SIZE_T uBytes);
NETPORT_WIN32_API HLOCAL WINAPI LocalFree(HLOCAL hMem);
NETPORT_WIN32_API int WINAPI lstrlenW(LPCWSTR lpString);
NETPORT_WIN32_API LPWSTR WINAPI lstrcpyW(LPWSTR lpString1, LPCWSTR lpString2);
NETPORT_WIN32_API DWORD WINAPI GetLastError(void);
NETPORT_WIN32_API void WINAPI SetLastError(DWORD dwErrCode);
NETPORT_WIN32_API void WINAPI OutputDebugStringW(LPCWSTR lpOutputString);
NETPORT_WIN32_API UINT WINAPI GetSystemDirectoryW(LPWSTR lpBuffer, UINT uSize);
NETPORT_WIN32_API BOOL WINAPI DisableThreadLibraryCalls(HMODULE hLibModule);

// Print spooler (stand-ins in spooler/spooler.cpp).
NETPORT_SPOOLER_API BOOL WINAPI OpenPrinterW(LPWSTR pPrinterName, LPHANDLE phPrinter,
                                             LPPRINTER_DEFAULTSW pDefault);
NETPORT_SPOOLER_API BOOL WINAPI XcvDataW(HANDLE hXcv, PCWSTR pszDataName, PBYTE pInputData,
                                         DWORD cbInputData, PBYTE pOutputData, DWORD cbOutputData,
                                         PDWORD pcbOutputNeeded, PDWORD pdwStatus);
NETPORT_SPOOLER_API BOOL WINAPI ClosePrinter(HANDLE hPrinter);
}

#endif
