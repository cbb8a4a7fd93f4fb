// Time for the Windows programs that run under Wine: the performance counter,
// as milliseconds since a point taken with QueryPerformanceCounter.
#pragma once

#include <windows.h>

inline double millisecondsSince(const LARGE_INTEGER& start) {
    LARGE_INTEGER now;
    LARGE_INTEGER frequency;
    QueryPerformanceCounter(&now);
    QueryPerformanceFrequency(&frequency);
    return 1000.0 * double(now.QuadPart - start.QuadPart) / double(frequency.QuadPart);
}
