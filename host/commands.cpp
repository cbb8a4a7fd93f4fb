#include "host/commands.h"

#include "host/diagnostics.h"
#include "host/module.h"
#include "host/storecommands.h"
#include "host/tour.h"
#include "host/tracingmonitor.h"
#include "spooler/embeddedmonitor.h"
#include "spooler/spooler.h"

#include <cstdio>
#include <memory>

namespace {

// The outcome of an operation on the store, with the last error it left.
int report(const char* operation, BOOL result, DWORD error, const QString& store) {
    if (result) {
        std::printf("%s: succeeded\n", operation);
        return 0;
    }
    noteStoreFailure(store, error);
    std::printf("%s: failed, last error %u (%s)\n", operation, static_cast<unsigned>(error),
                qPrintable(errorMeaning(error)));
    diagnostics::reportCauses();
    if (error == ERROR_DEVICE_NOT_AVAILABLE) {
        std::fprintf(stderr,
                     "netport: %s opens a window, which needs a display. Run it on a "
                     "desktop or under Xvfb;\n`netport tour` runs the windows without a "
                     "display.\n",
                     operation);
    }
    return 1;
}

bool needPort(const Options& options) {
    if (options.arguments.size() != 1) {
        std::fprintf(stderr, "netport: %s needs exactly one port name\n",
                     qPrintable(options.command));
        return false;
    }
    return true;
}

} // namespace

int runCommand(const Options& options) {
    const QString command = options.command;
    static const QStringList known = {QStringLiteral("add"),    QStringLiteral("configure"),
                                      QStringLiteral("delete"), QStringLiteral("list"),
                                      QStringLiteral("show"),   QStringLiteral("tour")};
    if (!known.contains(command)) {
        std::fprintf(stderr, "netport: unknown command %s (see netport --help)\n",
                     qPrintable(command));
        return 2;
    }
    if ((command == QLatin1String("configure") || command == QLatin1String("delete") ||
         command == QLatin1String("show")) &&
        !needPort(options)) {
        return 2;
    }
    if ((command == QLatin1String("add") || command == QLatin1String("list") ||
         command == QLatin1String("tour")) &&
        !options.arguments.isEmpty()) {
        std::fprintf(stderr, "netport: %s takes no port name\n", qPrintable(command));
        return 2;
    }

    const QString modulePath = options.module.isEmpty() ? defaultModulePath() : options.module;
    if (command == QLatin1String("tour")) {
        return runTour(options, modulePath);
    }

    const QString store = options.store.isEmpty() ? spooler::defaultStoreFile() : options.store;
    if (options.store.isEmpty() && !carryOverLegacyStore(store)) {
        return 1;
    }
    auto embedded = std::make_shared<spooler::EmbeddedPortMonitor>(store);

    if (command == QLatin1String("list")) {
        return listPorts(*embedded);
    }
    if (command == QLatin1String("show")) {
        return showPort(*embedded, options.arguments.at(0));
    }

    spooler::registerMonitor(options.monitor.toStdU16String(),
                             std::make_shared<TracingMonitor>(embedded, stdout));

    QString error;
    PMONITORUI table = loadModule(modulePath, error);
    if (!table) {
        std::fprintf(stderr, "netport: %s\n", qPrintable(error));
        return 1;
    }
    diagnostics::beginOperation();
    const std::u16string server = options.server.toStdU16String();
    PCWSTR serverName = options.hasServer ? server.c_str() : nullptr;
    if (command == QLatin1String("add")) {
        const std::u16string monitor = options.monitor.toStdU16String();
        PWSTR portOut = nullptr;
        SetLastError(0);
        const BOOL result = table->pfnAddPortUI(serverName, nullptr, monitor.c_str(), &portOut);
        return report("add", result, GetLastError(), store);
    }
    const std::u16string port = options.arguments.at(0).toStdU16String();
    SetLastError(0);
    if (command == QLatin1String("configure")) {
        const BOOL result = table->pfnConfigurePortUI(serverName, nullptr, port.c_str());
        return report("configure", result, GetLastError(), store);
    }
    const BOOL result = table->pfnDeletePortUI(serverName, nullptr, port.c_str());
    return report("delete", result, GetLastError(), store);
}
