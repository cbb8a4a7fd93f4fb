#include "toolkit/log.h"

#include "platform/win32.h"

#include <QString>

#include <cstdarg>
#include <cstdio>

void logMessage(const char* format, ...) {
    char buffer[256];
    va_list arguments;
    va_start(arguments, format);
    const int written = std::vsnprintf(buffer, sizeof buffer, format, arguments);
    va_end(arguments);
    if (written < 0) {
        buffer[0] = '\0';
    }
    const QString line = QString::fromLatin1(buffer) + QLatin1Char('\n');
    OutputDebugStringW(reinterpret_cast<LPCWSTR>(line.utf16()));
}
