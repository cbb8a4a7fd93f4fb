#include "host/tracingmonitor.h"

#include "host/printable.h"

#include <QString>

TracingMonitor::TracingMonitor(std::shared_ptr<spooler::PortMonitor> inner, std::FILE* out)
    : inner(std::move(inner)), out(out) {}

DWORD TracingMonitor::findPort(const std::u16string& port, bool* owned) const {
    return inner->findPort(port, owned);
}

BOOL TracingMonitor::open(const std::u16string& object, bool isPort) {
    return inner->open(object, isPort);
}

void TracingMonitor::close(const std::u16string& object, bool isPort) {
    inner->close(object, isPort);
}

BOOL TracingMonitor::xcvData(const std::u16string& object, bool isPort,
                             const std::u16string& command, const BYTE* input, DWORD inputBytes,
                             BYTE* output, DWORD outputBytes, DWORD* needed, DWORD* status) {
    const BOOL result = inner->xcvData(object, isPort, command, input, inputBytes, output,
                                       outputBytes, needed, status);
    // The input is a NUL-terminated UTF-16 text of inputBytes bytes.
    qsizetype units = input ? inputBytes / 2 : 0;
    const auto* text = reinterpret_cast<const char16_t*>(input);
    qsizetype length = 0;
    while (length < units && text[length]) {
        ++length;
    }
    const QString cmd = QString::fromStdU16String(command);
    std::fprintf(out, "  %s \"%s\" -> status %u\n", qPrintable(cmd),
                 qPrintable(printable(QString::fromUtf16(text, length))),
                 static_cast<unsigned>(*status));
    if (cmd == QLatin1String("GetProperties") && result && *status == 0 && output) {
        const auto* reply = reinterpret_cast<const char16_t*>(output);
        qsizetype replyLength = 0;
        while (replyLength < static_cast<qsizetype>(outputBytes / 2) && reply[replyLength]) {
            ++replyLength;
        }
        std::fprintf(out, "  GetProperties reply \"%s\"\n",
                     qPrintable(printable(QString::fromUtf16(reply, replyLength))));
    }
    std::fflush(out);
    return result;
}
