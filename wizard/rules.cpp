#include "wizard/rules.h"

#include "toolkit/log.h"

#include <QLineEdit>

#include <climits>
#include <cstdint>

const char* const kDefaultCommunity = "tulvex";

namespace {

bool isScanSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// Reads one "%d" as the C library's scanf does: white space, an optional sign,
// at least one digit. Out-of-range numbers saturate like strtol and are then
// narrowed to int, as the C library on this platform stores them.
bool scanInt(const char*& p, const char* end, int& value) {
    while (p < end && isScanSpace(*p)) {
        ++p;
    }
    const char* q = p;
    bool negative = false;
    if (q < end && (*q == '+' || *q == '-')) {
        negative = *q == '-';
        ++q;
    }
    if (q == end || *q < '0' || *q > '9') {
        return false;
    }
    std::uint64_t magnitude = 0;
    bool overflow = false;
    for (; q < end && *q >= '0' && *q <= '9'; ++q) {
        if (!overflow) {
            magnitude = magnitude * 10 + static_cast<std::uint64_t>(*q - '0');
            if (magnitude > static_cast<std::uint64_t>(LLONG_MAX) + 1) {
                overflow = true;
            }
        }
    }
    long long wide;
    if (negative) {
        wide = (overflow || magnitude > static_cast<std::uint64_t>(LLONG_MAX) + 1)
                   ? LLONG_MIN
                   : static_cast<long long>(0 - magnitude);
    } else {
        wide = (overflow || magnitude > static_cast<std::uint64_t>(LLONG_MAX))
                   ? LLONG_MAX
                   : static_cast<long long>(magnitude);
    }
    value = static_cast<int>(static_cast<std::uint32_t>(static_cast<std::uint64_t>(wide)));
    p = q;
    return true;
}

} // namespace

QString normalizeHostAddress(const QString& text) {
    const QByteArray bytes = text.toLatin1();
    const char* p = bytes.constData();
    // The C library stops at the first NUL byte.
    const char* end = p + qstrnlen(p, static_cast<uint>(bytes.size()));
    int numbers[4];
    for (int i = 0; i < 4; ++i) {
        if (i > 0) {
            if (p == end || *p != '.') {
                return text;
            }
            ++p;
        }
        if (!scanInt(p, end, numbers[i])) {
            return text;
        }
    }
    return QString::asprintf("%d.%d.%d.%d", numbers[0], numbers[1], numbers[2], numbers[3]);
}

void correctPortText(QLineEdit* field, const QString& text, quint16& lastPort, bool writeLog) {
    bool ok = false;
    const unsigned long number = text.toULong(&ok, 10);
    const unsigned long value = ok ? number : 0;
    if (value > 0xffff) {
        field->setText(QString::number(lastPort));
        if (writeLog) {
            logMessage("> 0xffff, lastPort(%d)", static_cast<int>(lastPort));
        }
    } else if (text == QLatin1String("0")) {
        field->setText(QString());
    } else {
        lastPort = static_cast<quint16>(value);
    }
}

QString composePortName(int protocol, const QString& hostAddress, quint16 tcpPort, bool secure,
                        const QString& logicalPrinter) {
    if (protocol == 1) {
        return hostAddress + QLatin1Char(':') + QString::number(tcpPort);
    }
    if (protocol == 2) {
        return QLatin1String("http://") + hostAddress +
               (secure ? QLatin1String("/e") : QLatin1String("/")) + logicalPrinter;
    }
    return QString();
}

QString defaultCommunity(const QString& text) {
    return text.isEmpty() ? QString::fromLatin1(kDefaultCommunity) : text;
}
