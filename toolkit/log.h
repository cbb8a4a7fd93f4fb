// The diagnostic log: printf-style lines on the debugger output.
#pragma once

#if defined(__GNUC__)
#define NETPORT_PRINTF_FORMAT(f, a) __attribute__((format(printf, f, a)))
#else
#define NETPORT_PRINTF_FORMAT(f, a)
#endif

#include <cinttypes>
#include <cstdint>

// Formats the message (at most 255 characters; longer messages are cut), reads
// the bytes as Latin-1, appends a line feed and writes the line to the debugger
// output. Addresses are logged with "%" PRIxPTR and logAddress(), so that the
// whole address is printed in hex on every platform.
void logMessage(const char* format, ...) NETPORT_PRINTF_FORMAT(1, 2);

template <typename T> std::uintptr_t logAddress(const T* pointer) {
    return reinterpret_cast<std::uintptr_t>(pointer);
}
