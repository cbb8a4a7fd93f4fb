// store_worker STORE COMMAND ARGUMENT [COMMAND ARGUMENT ...]: runs commands of
// the embedded port monitor on the store, as another process changing it
// would, and prints one line "COMMAND ARGUMENT -> STATUS" per command as soon
// as it is answered. The commands:
//   add SETTINGS      "AddPort"
//   set SETTINGS      "SetProperties"
//   delete NAME       "DeletePort"
//   get NAME          "GetProperties"; the line ends with " = SETTINGS"
//   list -            the port names; the line ends with " = NAME NAME ..."
//   churn PREFIX:N    N rounds of adding PREFIX-i and changing its community;
//                     one line per answered change
//   checkpoint -      copies the log into the store and removes it
#include "spooler/embeddedmonitor.h"
#include "storetesting.h"

#include <cstdio>
#include <string>
#include <vector>

namespace {

DWORD send(spooler::EmbeddedPortMonitor& monitor, const char16_t* command, const QString& text,
           QString* reply) {
    const std::u16string input = text.toStdU16String();
    std::vector<char16_t> output(64 * 1024);
    DWORD needed = 0;
    DWORD status = 0;
    monitor.xcvData(u"", false, command, reinterpret_cast<const BYTE*>(input.c_str()),
                    DWORD(2 * input.size() + 2), reinterpret_cast<BYTE*>(output.data()),
                    DWORD(2 * output.size()), &needed, &status);
    if (reply && status == 0) {
        *reply = QString::fromUtf16(output.data());
    }
    return status;
}

void say(const QString& line) {
    std::printf("%s\n", line.toUtf8().constData());
    std::fflush(stdout);
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2 || argc % 2 != 0) {
        std::fprintf(stderr, "usage: store_worker STORE COMMAND ARGUMENT ...\n");
        return 2;
    }
    spooler::EmbeddedPortMonitor monitor(QString::fromLocal8Bit(argv[1]));
    for (int i = 2; i + 1 < argc; i += 2) {
        const QString command = QString::fromLocal8Bit(argv[i]);
        const QString argument = QString::fromLocal8Bit(argv[i + 1]);
        const QString head = command + QLatin1Char(' ') + argument + QLatin1String(" -> ");
        QString reply;
        DWORD status = 0;
        if (command == QLatin1String("add")) {
            status = send(monitor, u"AddPort", argument, nullptr);
        } else if (command == QLatin1String("set")) {
            status = send(monitor, u"SetProperties", argument, nullptr);
        } else if (command == QLatin1String("delete")) {
            status = send(monitor, u"DeletePort", argument, nullptr);
        } else if (command == QLatin1String("get")) {
            status = send(monitor, u"GetProperties", argument, &reply);
        } else if (command == QLatin1String("list")) {
            QStringList names;
            status = monitor.listPorts(&names);
            reply = names.join(QLatin1Char(' '));
        } else if (command == QLatin1String("checkpoint")) {
            status = storetesting::checkpoint(monitor.storeFile()) ? 0 : 1;
        } else if (command == QLatin1String("churn")) {
            const QString prefix = argument.section(QLatin1Char(':'), 0, 0);
            const int rounds = argument.section(QLatin1Char(':'), 1).toInt();
            for (int n = 0; n < rounds; ++n) {
                const QString name = prefix + QLatin1Char('-') + QString::number(n);
                say(QStringLiteral("add %1 -> %2")
                        .arg(name)
                        .arg(send(monitor, u"AddPort", name, nullptr)));
                say(QStringLiteral("set %1 -> %2")
                        .arg(name)
                        .arg(send(monitor, u"SetProperties",
                                  name + QStringLiteral(";COMMUNITY=c%1").arg(n), nullptr)));
            }
            continue;
        } else {
            std::fprintf(stderr, "store_worker: unknown command %s\n", argv[i]);
            return 2;
        }
        say(head + QString::number(status) +
            (status == 0 && !reply.isEmpty() ? QLatin1String(" = ") + reply : QString()));
    }
    return 0;
}
