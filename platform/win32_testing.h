// Controls of the kernel stand-ins, for tests and for the host program.
// Not part of the Win32 surface: only code that runs off Windows includes it.
#pragma once

#ifndef _WIN32

#include "platform/win32.h"

#include <string>

namespace win32 {

// Makes the nth allocation from now (GlobalAlloc or LocalAlloc) fail and
// return null; 1 is the very next one. 0 turns injection off.
NETPORT_WIN32_API void failAllocation(int nth);

// Number of blocks handed out by GlobalAlloc/LocalAlloc and not yet freed.
NETPORT_WIN32_API long liveBlocks();

// Debugger output: every OutputDebugStringW line is written to standard error
// as UTF-8. While a capture is active the lines are collected instead.
NETPORT_WIN32_API void beginDebugCapture();
// Ends the capture and returns everything written since it began.
NETPORT_WIN32_API std::string endDebugCapture();

// Hands every OutputDebugStringW text (UTF-8) to the listener instead of
// standard error, as a debugger would receive it; null restores standard
// error. A capture takes precedence. The listener is called with the output
// serialised, from whichever thread wrote the text.
using DebugListener = void (*)(const std::string& text);
NETPORT_WIN32_API void setDebugListener(DebugListener listener);

// Makes GetSystemDirectoryW answer this directory (UTF-8 path). An empty text
// restores the default: the directory of the module that calls it.
NETPORT_WIN32_API void setSystemDirectory(const std::string& directory);

} // namespace win32

#endif
