#include "bench/parsing.h"

#include "bench/bench.h"

#include "monitorui/settings.h"

#include <QStringList>

#include <algorithm>

namespace bench {

QString reply(int units) {
    QString text =
        QStringLiteral("10.0.0.5:9100;PROT=HTTP;TIMEOUT=5;MONITORING=ON;COMMUNITY=public");
    const char* const more[] = {
        "HTTP_PROXY_NAME=proxy%1.example", "HTTP_PROXY_PORT=%1", "COMMUNITY=c%1",
        "HTTP_PROXY_ENABLED=OFF",          "EXTRA_%1=value%1",   "HTTP_PROXY_LPRINTER=lp%1"};
    for (int i = 0; text.size() < units; ++i) {
        text += QLatin1Char(';') +
                QString::fromLatin1(more[i % 6]).replace(QLatin1String("%1"), QString::number(i));
    }
    text.truncate(units);
    return text;
}

namespace {

// Each sample repeats the call often enough to last a few milliseconds, so
// that the small replies are not lost in the clock's noise; the result is
// the time of one call.
int repetitionsFor(int units) {
    return std::max(1, 200000 / std::max(units, 1));
}

} // namespace

double timeParse(const QString& text) {
    const int repetitions = repetitionsFor(text.size());
    bool parsed = true;
    const Clock::time_point start = Clock::now();
    for (int i = 0; i < repetitions; ++i) {
        PortSettings settings;
        parseParams(settings, text);
        parsed = parsed && !settings.portName.isEmpty();
    }
    const double us = microsecondsBetween(start, Clock::now()) / repetitions;
    if (!parsed) {
        std::fprintf(stderr, "netport-bench: the reply was not parsed\n");
    }
    return us;
}

double timeSplit(const QString& text) {
    const int repetitions = repetitionsFor(text.size());
    qsizetype count = 0;
    const Clock::time_point start = Clock::now();
    for (int i = 0; i < repetitions; ++i) {
        count += text.split(QLatin1Char(';'), Qt::SkipEmptyParts).size();
    }
    const double us = microsecondsBetween(start, Clock::now()) / repetitions;
    if (count == 0) {
        std::fprintf(stderr, "netport-bench: nothing to split\n");
    }
    return us;
}

} // namespace bench
