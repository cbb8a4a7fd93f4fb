#include "host/module.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <dlfcn.h>
#include <unistd.h>

QString executableDirectory() {
    char path[4096];
    const ssize_t n = readlink("/proc/self/exe", path, sizeof path - 1);
    if (n <= 0) {
        return QDir::currentPath();
    }
    path[n] = '\0';
    return QFileInfo(QString::fromLocal8Bit(path)).absolutePath();
}

PMONITORUI loadModule(const QString& path, QString& error) {
    void* handle = dlopen(QFile::encodeName(path).constData(), RTLD_NOW | RTLD_LOCAL);
    if (!handle) {
        error = QStringLiteral("cannot load the module %1: %2")
                    .arg(path, QString::fromLocal8Bit(dlerror()));
        return nullptr;
    }
    using Initialize = PMONITORUI(WINAPI*)(VOID);
    auto initialize = reinterpret_cast<Initialize>(dlsym(handle, "InitializePrintMonitorUI"));
    if (!initialize) {
        error = QStringLiteral("%1 has no InitializePrintMonitorUI").arg(path);
        return nullptr;
    }
    PMONITORUI table = initialize();
    if (!table || table->dwMonitorUISize != sizeof(MONITORUI)) {
        error = QStringLiteral("%1 returned no valid table").arg(path);
        return nullptr;
    }
    return table;
}

QString errorMeaning(DWORD error) {
    switch (error) {
    case ERROR_SUCCESS:
        return QStringLiteral("success");
    case ERROR_ACCESS_DENIED:
        return QStringLiteral("access denied");
    case ERROR_INVALID_HANDLE:
        return QStringLiteral("invalid handle");
    case ERROR_NOT_ENOUGH_MEMORY:
        return QStringLiteral("not enough memory");
    case ERROR_NOT_SUPPORTED:
        return QStringLiteral("not supported");
    case ERROR_INVALID_PARAMETER:
        return QStringLiteral("invalid parameter");
    case ERROR_INSUFFICIENT_BUFFER:
        return QStringLiteral("buffer too small");
    case ERROR_MOD_NOT_FOUND:
        return QStringLiteral("module not found: the toolkit's platform plugin is missing");
    case ERROR_ALREADY_EXISTS:
        return QStringLiteral("the port exists already");
    case ERROR_UNKNOWN_PORT:
        return QStringLiteral("unknown port");
    case ERROR_INVALID_PRINTER_NAME:
        return QStringLiteral("invalid printer or monitor name");
    case ERROR_DEVICE_NOT_AVAILABLE:
        return QStringLiteral("device not available: the display cannot be opened");
    default:
        return QStringLiteral("unknown error");
    }
}

QString defaultModulePath() {
    const QString dir = executableDirectory();
    const QString beside = dir + QStringLiteral("/libnetportui.so");
    if (QFileInfo::exists(beside)) {
        return beside;
    }
    return QDir::cleanPath(dir +
                           QStringLiteral("/" NETPORT_INSTALLED_MODULE_DIR "/libnetportui.so"));
}
