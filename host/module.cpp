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
    case ERROR_PATH_NOT_FOUND:
        return QStringLiteral("path not found: the store's folder cannot be reached");
    case ERROR_ACCESS_DENIED:
        return QStringLiteral("access denied");
    case ERROR_INVALID_HANDLE:
        return QStringLiteral("invalid handle");
    case ERROR_NOT_ENOUGH_MEMORY:
        return QStringLiteral("not enough memory");
    case ERROR_INVALID_DATA:
        return QStringLiteral("invalid data: the file is not a port store");
    case ERROR_NOT_SUPPORTED:
        return QStringLiteral("not supported");
    case ERROR_INVALID_PARAMETER:
        return QStringLiteral("invalid parameter");
    case ERROR_DISK_FULL:
        return QStringLiteral("the disk is full");
    case ERROR_INSUFFICIENT_BUFFER:
        return QStringLiteral("buffer too small");
    case ERROR_INVALID_NAME:
        return QStringLiteral("invalid name: the port name cannot be stored exactly");
    case ERROR_MOD_NOT_FOUND:
        return QStringLiteral("module not found: the toolkit's platform plugin is missing");
    case ERROR_BUSY:
        return QStringLiteral("busy: another program kept the store locked");
    case ERROR_ALREADY_EXISTS:
        return QStringLiteral("the port exists already");
    case ERROR_FILE_TOO_LARGE:
        return QStringLiteral("the file would exceed the file-size limit");
    case ERROR_IO_DEVICE:
        return QStringLiteral("input/output error on the store's device");
    case ERROR_FILE_CORRUPT:
        return QStringLiteral("the store is damaged");
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

QString moduleVersion(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return QString();
    }
    // The module names its version in a text of its own ("@(#)netportui 4.2.2").
    const QByteArray marker = "@(#)netportui ";
    const QByteArray bytes = file.readAll();
    const qsizetype at = bytes.indexOf(marker);
    if (at < 0) {
        return QString();
    }
    const qsizetype from = at + marker.size();
    const qsizetype end = bytes.indexOf('\0', from);
    return QString::fromLatin1(bytes.mid(from, (end < 0 ? bytes.size() : end) - from));
}
