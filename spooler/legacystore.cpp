#include "spooler/legacystore.h"

#include "spooler/portstore.h"

#include <QFileInfo>
#include <QMap>
#include <QSettings>
#include <QStandardPaths>

namespace spooler {

namespace {

// Reads the INI file as the INI version wrote it: the time out under
// Monitor/Timeout, each port in the group Ports/<hex of its UTF-8 name> with
// the keys Name, Protocol, ProxyEnabled, ProxyName, ProxyPort, LogicalPrinter,
// Secure, Monitoring and Community.
DWORD readLegacy(const QString& iniFile, QList<StoredPort>* ports, int* timeout) {
    if (!QFileInfo(iniFile).isReadable()) {
        return ERROR_ACCESS_DENIED;
    }
    QSettings settings(iniFile, QSettings::IniFormat);
    if (settings.status() == QSettings::AccessError) {
        return ERROR_ACCESS_DENIED;
    }
    if (settings.status() != QSettings::NoError) {
        return ERROR_FILE_CORRUPT;
    }
    *timeout = kDefaultTimeout;
    parseTimeout(settings.value(QStringLiteral("Monitor/Timeout")).toString(), timeout);

    QMap<QString, StoredPort> byName; // a later group of the same name wins, as it did
    settings.beginGroup(QStringLiteral("Ports"));
    const QStringList groups = settings.childGroups();
    for (const QString& group : groups) {
        settings.beginGroup(group);
        StoredPort port;
        port.name = settings.value(QStringLiteral("Name")).toString();
        if (port.name.isEmpty()) {
            port.name = QString::fromUtf8(QByteArray::fromHex(group.toLatin1()));
        }
        const StoredPort defaults;
        port.protocol = settings.value(QStringLiteral("Protocol"), defaults.protocol).toString();
        port.proxyEnabled =
            settings.value(QStringLiteral("ProxyEnabled"), defaults.proxyEnabled).toString();
        port.proxyName = settings.value(QStringLiteral("ProxyName")).toString();
        port.proxyPort = settings.value(QStringLiteral("ProxyPort")).toString();
        port.logicalPrinter = settings.value(QStringLiteral("LogicalPrinter")).toString();
        port.secure = settings.value(QStringLiteral("Secure"), defaults.secure).toString();
        port.monitoring =
            settings.value(QStringLiteral("Monitoring"), defaults.monitoring).toString();
        port.community = settings.value(QStringLiteral("Community")).toString();
        settings.endGroup();
        if (!port.name.isEmpty()) {
            byName.insert(port.name, port);
        }
    }
    settings.endGroup();
    *ports = byName.values();
    return ERROR_SUCCESS;
}

} // namespace

QString legacyStoreFile() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QLatin1String("/netport/ports.ini");
}

DWORD carryOverLegacyStore(const QString& iniFile, const QString& storeFile, int* carried) {
    *carried = -1;
    const QFileInfo store(storeFile);
    if (store.exists() || store.isSymLink() || !QFileInfo::exists(iniFile)) {
        return ERROR_SUCCESS;
    }
    QList<StoredPort> ports;
    int timeout = kDefaultTimeout;
    DWORD status = readLegacy(iniFile, &ports, &timeout);
    if (status != ERROR_SUCCESS) {
        return status;
    }
    PortStore target(storeFile);
    bool created = false;
    status = target.create(ports, timeout, &created);
    if (status == ERROR_SUCCESS && created) {
        *carried = int(ports.size());
    }
    return status;
}

} // namespace spooler
