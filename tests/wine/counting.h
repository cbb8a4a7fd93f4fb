// Force-included (-include) into the test build of the module's entry points
// and of the stand-in flows: every spooler and memory call they make goes
// through a counting wrapper (counting.cpp), so that the test can prove each
// channel closed once and each block freed. Wine reports neither. The sources
// themselves compile unchanged.
#pragma once

#include "platform/win32.h"

BOOL WINAPI countedOpenPrinterW(LPWSTR name, LPHANDLE channel, LPPRINTER_DEFAULTSW defaults);
BOOL WINAPI countedXcvDataW(HANDLE channel, PCWSTR command, PBYTE input, DWORD inputBytes,
                            PBYTE output, DWORD outputBytes, PDWORD needed, PDWORD status);
BOOL WINAPI countedClosePrinter(HANDLE channel);
HGLOBAL WINAPI countedGlobalAlloc(UINT flags, SIZE_T bytes);
HGLOBAL WINAPI countedGlobalFree(HGLOBAL block);
HLOCAL WINAPI countedLocalAlloc(UINT flags, SIZE_T bytes);
HLOCAL WINAPI countedLocalFree(HLOCAL block);

#ifndef NETPORTUI_COUNTING_WRAPPERS
#define OpenPrinterW countedOpenPrinterW
#define XcvDataW countedXcvDataW
#define ClosePrinter countedClosePrinter
#define GlobalAlloc countedGlobalAlloc
#define GlobalFree countedGlobalFree
#define LocalAlloc countedLocalAlloc
#define LocalFree countedLocalFree
#endif
