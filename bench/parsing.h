// Parsing: parseParams on replies of 100 B to 1 MB, beside splitting the same
// reply at ";".
#pragma once

#include <QString>

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>

namespace bench {

// A settings string of `units` UTF-16 units: the usual items, then more of
// them (known keys and unknown ones) until it is long enough.
QString reply(int units);

// The time of one parseParams call on `text`, in microseconds.
double timeParse(const QString& text);

// The time of splitting `text` at ";", in microseconds.
double timeSplit(const QString& text);

// Runs `action` with the debug output (standard error) going to /dev/null.
template <typename F> double withStderrDiscarded(F action) {
    std::fflush(stderr);
    const int saved = dup(2);
    const int null = open("/dev/null", O_WRONLY);
    dup2(null, 2);
    close(null);
    const double result = action();
    std::fflush(stderr);
    dup2(saved, 2);
    close(saved);
    return result;
}

} // namespace bench
