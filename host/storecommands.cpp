#include "host/storecommands.h"

#include "host/module.h"
#include "host/printable.h"
#include "spooler/embeddedmonitor.h"
#include "spooler/legacystore.h"

#include <cstdio>

namespace {

// The store's path as it may be printed.
QByteArray shown(const QString& text) {
    return printable(text).toLocal8Bit();
}

} // namespace

bool carryOverLegacyStore(const QString& store) {
    const QString ini = spooler::legacyStoreFile();
    int carried = -1;
    const DWORD status = spooler::carryOverLegacyStore(ini, store, &carried);
    if (status != ERROR_SUCCESS) {
        std::fprintf(stderr,
                     "netport: cannot carry the ports of %s over into %s: last error %u (%s)\n",
                     shown(ini).constData(), shown(store).constData(), unsigned(status),
                     qPrintable(errorMeaning(status)));
        return false;
    }
    if (carried >= 0) {
        std::fprintf(stderr,
                     "netport: carried %d port%s over from %s into %s (the old file is left as "
                     "it was)\n",
                     carried, carried == 1 ? "" : "s", shown(ini).constData(),
                     shown(store).constData());
    }
    return true;
}

void noteStoreFailure(const QString& store, DWORD error) {
    switch (error) {
    case ERROR_INVALID_DATA:
        std::fprintf(stderr, "netport: %s is not a port store (last error %u)\n",
                     shown(store).constData(), unsigned(error));
        break;
    case ERROR_PATH_NOT_FOUND:
    case ERROR_ACCESS_DENIED:
    case ERROR_DISK_FULL:
    case ERROR_BUSY:
    case ERROR_FILE_TOO_LARGE:
    case ERROR_IO_DEVICE:
    case ERROR_FILE_CORRUPT:
        std::fprintf(stderr, "netport: the store %s: last error %u (%s)\n",
                     shown(store).constData(), unsigned(error), qPrintable(errorMeaning(error)));
        break;
    default:
        break;
    }
}

int listPorts(const spooler::EmbeddedPortMonitor& monitor) {
    QStringList ports;
    const DWORD status = monitor.listPorts(&ports);
    if (status != ERROR_SUCCESS) {
        noteStoreFailure(monitor.storeFile(), status);
        return 1;
    }
    for (const QString& port : ports) {
        std::printf("%s\n", shown(port).constData());
    }
    if (ports.isEmpty()) {
        std::printf("(no ports in %s)\n", shown(monitor.storeFile()).constData());
    }
    return 0;
}

int showPort(const spooler::EmbeddedPortMonitor& monitor, const QString& port) {
    QString settings;
    const DWORD status = monitor.portSettings(port, &settings);
    if (status == ERROR_UNKNOWN_PORT || status == ERROR_INVALID_NAME) {
        std::fprintf(stderr, "netport: no port %s in %s\n", shown(port).constData(),
                     shown(monitor.storeFile()).constData());
        return 1;
    }
    if (status != ERROR_SUCCESS) {
        noteStoreFailure(monitor.storeFile(), status);
        return 1;
    }
    std::printf("%s\n", shown(settings).constData());
    return 0;
}
