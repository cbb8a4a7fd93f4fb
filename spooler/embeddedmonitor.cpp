#include "spooler/embeddedmonitor.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QMap>
#include <QRandomGenerator>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <atomic>
#include <cstdio>
#include <cstring>
#include <mutex>

namespace spooler {

namespace {

// One port as kept in the store; the values are the texts of the settings
// string ("SOCKET", "ON", ...).
struct Port {
    QString name;
    QString protocol = QStringLiteral("SOCKET");
    QString proxyEnabled = QStringLiteral("OFF");
    QString proxyName;
    QString proxyPort;
    QString logicalPrinter;
    QString secure = QStringLiteral("OFF");
    QString monitoring = QStringLiteral("OFF");
    QString community;

    bool operator==(const Port& other) const {
        return name == other.name && protocol == other.protocol &&
               proxyEnabled == other.proxyEnabled && proxyName == other.proxyName &&
               proxyPort == other.proxyPort && logicalPrinter == other.logicalPrinter &&
               secure == other.secure && monitoring == other.monitoring &&
               community == other.community;
    }
};

// Everything the store holds.
struct Store {
    int timeout = kDefaultTimeout;
    QMap<QString, Port> ports; // by name, so listed sorted

    bool operator==(const Store& other) const {
        return timeout == other.timeout && ports == other.ports;
    }
};

const QString kPortsGroup = QStringLiteral("Ports");
const QString kTimeoutKey = QStringLiteral("Monitor/Timeout");
const int kLockTimeoutMs = 10000;
const int kKeysPerPort = 9; // written by writeStore for every port

// Settings keys: the group of a port is the hex form of its name's UTF-8 bytes,
// because "/", "\" and ":" in port names have a meaning of their own to QSettings.
QString groupOf(const QString& name) {
    return QString::fromLatin1(name.toUtf8().toHex());
}

bool isDecimal(const QString& text) {
    if (text.isEmpty()) {
        return false;
    }
    for (const QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9')) {
            return false;
        }
    }
    return true;
}

// A time out as the commands carry it: decimal digits giving 1 to 120 minutes.
bool parseTimeout(const QString& text, int* minutes) {
    if (!isDecimal(text)) {
        return false;
    }
    bool ok = false;
    const uint value = text.toUInt(&ok);
    if (!ok || value < 1 || value > 120) {
        return false;
    }
    *minutes = static_cast<int>(value);
    return true;
}

// A settings string taken apart: the port name and the items it carries.
struct Request {
    QString name;
    QMap<QString, QString> values; // by key; a later item with the same key wins
};

// Splits and checks "NAME;KEY=VALUE;...". Empty items (the closing ";" of an
// "AddPort" string) are skipped. ERROR_INVALID_PARAMETER when the name is
// missing, an item has no "=", a key is unknown or a value is not allowed for
// its key.
DWORD parseRequest(const QString& text, Request* request) {
    static const QStringList switchKeys{QStringLiteral("HTTP_PROXY_ENABLED"),
                                        QStringLiteral("HTTP_SECURE"),
                                        QStringLiteral("MONITORING")};
    static const QStringList textKeys{
        QStringLiteral("HTTP_PROXY_NAME"), QStringLiteral("HTTP_PROXY_PORT"),
        QStringLiteral("HTTP_PROXY_LPRINTER"), QStringLiteral("COMMUNITY")};
    const QStringList items = text.split(QLatin1Char(';'));
    if (items.first().isEmpty()) {
        return ERROR_INVALID_PARAMETER;
    }
    request->name = items.first();
    for (qsizetype i = 1; i < items.size(); ++i) {
        const QString& item = items[i];
        if (item.isEmpty()) {
            continue;
        }
        const qsizetype equals = item.indexOf(QLatin1Char('='));
        if (equals < 0) {
            return ERROR_INVALID_PARAMETER;
        }
        const QString key = item.left(equals);
        const QString value = item.mid(equals + 1);
        int minutes = 0;
        if (key == QLatin1String("PROT")) {
            if (value != QLatin1String("SOCKET") && value != QLatin1String("HTTP")) {
                return ERROR_INVALID_PARAMETER;
            }
        } else if (key == QLatin1String("TIMEOUT")) {
            if (!parseTimeout(value, &minutes)) {
                return ERROR_INVALID_PARAMETER;
            }
        } else if (switchKeys.contains(key)) {
            if (value != QLatin1String("ON") && value != QLatin1String("OFF")) {
                return ERROR_INVALID_PARAMETER;
            }
        } else if (!textKeys.contains(key)) {
            return ERROR_INVALID_PARAMETER;
        }
        request->values.insert(key, value);
    }
    return ERROR_SUCCESS;
}

// Applies the items of a checked request to the port and the monitor.
void apply(const Request& request, Port* port, Store* store) {
    for (auto it = request.values.cbegin(); it != request.values.cend(); ++it) {
        const QString& key = it.key();
        const QString& value = it.value();
        if (key == QLatin1String("PROT")) {
            port->protocol = value;
        } else if (key == QLatin1String("TIMEOUT")) {
            parseTimeout(value, &store->timeout);
        } else if (key == QLatin1String("HTTP_PROXY_ENABLED")) {
            port->proxyEnabled = value;
        } else if (key == QLatin1String("HTTP_PROXY_NAME")) {
            port->proxyName = value;
        } else if (key == QLatin1String("HTTP_PROXY_PORT")) {
            port->proxyPort = value;
        } else if (key == QLatin1String("HTTP_PROXY_LPRINTER")) {
            port->logicalPrinter = value;
        } else if (key == QLatin1String("HTTP_SECURE")) {
            port->secure = value;
        } else if (key == QLatin1String("MONITORING")) {
            port->monitoring = value;
        } else if (key == QLatin1String("COMMUNITY")) {
            port->community = value;
        }
    }
}

QString settingsOf(const Port& port, int timeout) {
    return port.name + QLatin1String(";PROT=") + port.protocol + QLatin1String(";TIMEOUT=") +
           QString::number(timeout) + QLatin1String(";HTTP_PROXY_ENABLED=") + port.proxyEnabled +
           QLatin1String(";HTTP_PROXY_NAME=") + port.proxyName +
           QLatin1String(";HTTP_PROXY_PORT=") + port.proxyPort +
           QLatin1String(";HTTP_PROXY_LPRINTER=") + port.logicalPrinter +
           QLatin1String(";HTTP_SECURE=") + port.secure + QLatin1String(";MONITORING=") +
           port.monitoring + QLatin1String(";COMMUNITY=") + port.community;
}

// Every read and write of any store in this process goes through this lock;
// the lock file guards against other processes.
std::mutex storeMutex;
std::atomic<quint64> uniqueSerial{0};

QString uniqueSuffix() {
    return QString::number(QCoreApplication::applicationPid()) + QLatin1Char('-') +
           QString::number(++uniqueSerial) + QLatin1Char('-') +
           QString::number(QRandomGenerator::global()->generate(), 36);
}

// Reads the INI file at path. A missing file is an empty store.
//
// QSettings keeps the contents of every file it opened in a per-process cache
// and answers a later QSettings on the same path from it whenever the file's
// size and modification time (in milliseconds) look unchanged, so a quick
// second write of the same size would go unseen. It also keeps the changes of
// a failed sync pending in that cache and writes them with the next QSettings
// on that path. Reading through a link under a name never used before makes
// QSettings read what is on disk.
//
// keyCount, when given, receives the number of keys the file holds.
DWORD readStore(const QString& path, Store* store, int* keyCount = nullptr) {
    *store = Store();
    if (keyCount) {
        *keyCount = 0;
    }
    const QFileInfo info(path);
    if (!info.exists()) {
        return ERROR_SUCCESS;
    }
    if (!info.isFile() || !info.isReadable()) {
        return ERROR_ACCESS_DENIED;
    }
    QTemporaryDir snapshotDir(QDir::tempPath() + QLatin1String("/netport-store-XXXXXX"));
    const QString snapshot =
        snapshotDir.filePath(QLatin1String("store-") + uniqueSuffix() + QLatin1String(".ini"));
    if (!snapshotDir.isValid() || !QFile::link(info.absoluteFilePath(), snapshot)) {
        return ERROR_ACCESS_DENIED;
    }
    QSettings settings(snapshot, QSettings::IniFormat);
    if (settings.status() == QSettings::AccessError) {
        return ERROR_ACCESS_DENIED;
    }
    if (settings.status() != QSettings::NoError) {
        return kErrorStoreCorrupt;
    }
    if (keyCount) {
        *keyCount = static_cast<int>(settings.allKeys().size());
    }
    int minutes = kDefaultTimeout;
    if (parseTimeout(settings.value(kTimeoutKey).toString(), &minutes)) {
        store->timeout = minutes;
    }
    settings.beginGroup(kPortsGroup);
    const QStringList groups = settings.childGroups();
    for (const QString& group : groups) {
        settings.beginGroup(group);
        Port port;
        port.name = settings.value(QStringLiteral("Name")).toString();
        if (port.name.isEmpty()) {
            port.name = QString::fromUtf8(QByteArray::fromHex(group.toLatin1()));
        }
        const Port defaults;
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
            store->ports.insert(port.name, port);
        }
    }
    settings.endGroup();
    return ERROR_SUCCESS;
}

// Writes the store whole to a new file beside path, reads it back, and renames
// it over path. The caller holds the store's lock file. Until the rename the
// previous file is untouched; a failure anywhere leaves it as it was.
DWORD writeStore(const QString& path, const Store& store) {
    const QString fresh = path + QLatin1String(".new-") + uniqueSuffix();
    const auto discard = [&fresh](DWORD status) {
        QFile::remove(fresh);
        return status;
    };
    {
        QSettings settings(fresh, QSettings::IniFormat);
        settings.setAtomicSyncRequired(true);
        settings.setValue(kTimeoutKey, store.timeout);
        settings.beginGroup(kPortsGroup);
        for (const Port& port : store.ports) {
            settings.beginGroup(groupOf(port.name));
            settings.setValue(QStringLiteral("Name"), port.name);
            settings.setValue(QStringLiteral("Protocol"), port.protocol);
            settings.setValue(QStringLiteral("ProxyEnabled"), port.proxyEnabled);
            settings.setValue(QStringLiteral("ProxyName"), port.proxyName);
            settings.setValue(QStringLiteral("ProxyPort"), port.proxyPort);
            settings.setValue(QStringLiteral("LogicalPrinter"), port.logicalPrinter);
            settings.setValue(QStringLiteral("Secure"), port.secure);
            settings.setValue(QStringLiteral("Monitoring"), port.monitoring);
            settings.setValue(QStringLiteral("Community"), port.community);
            settings.endGroup();
        }
        settings.endGroup();
        settings.sync();
        if (settings.status() != QSettings::NoError) {
            return discard(ERROR_ACCESS_DENIED);
        }
    }
    // QSettings does not notice every failed write (a write cut short in the
    // final flush still gets committed), so the new file must read back as
    // exactly the store that was meant, with every key present: a cut that
    // only dropped keys whose defaults happen to match would otherwise pass.
    Store written;
    int keys = 0;
    if (readStore(fresh, &written, &keys) != ERROR_SUCCESS || !(written == store) ||
        keys != 1 + kKeysPerPort * static_cast<int>(store.ports.size())) {
        return discard(ERROR_ACCESS_DENIED);
    }
    if (std::rename(QFile::encodeName(fresh).constData(), QFile::encodeName(path).constData()) !=
        0) {
        return discard(ERROR_ACCESS_DENIED);
    }
    return ERROR_SUCCESS;
}

// Runs a change of the store: lock, read, change, write. The change returns a
// status; only ERROR_SUCCESS writes.
template <typename Change> DWORD changeStore(const QString& path, Change change) {
    const QFileInfo info(path);
    if (!QDir().mkpath(info.absolutePath())) {
        return ERROR_ACCESS_DENIED;
    }
    QLockFile lock(path + QLatin1String(".lock"));
    if (!lock.tryLock(kLockTimeoutMs)) {
        return ERROR_ACCESS_DENIED;
    }
    Store store;
    DWORD status = readStore(path, &store);
    if (status == ERROR_SUCCESS) {
        status = change(store);
    }
    if (status == ERROR_SUCCESS) {
        status = writeStore(path, store);
    }
    return status;
}

// The text of a command's input: UTF-16 up to the first NUL, never beyond
// inputBytes (an odd last byte is ignored).
QString inputText(const BYTE* input, DWORD inputBytes) {
    QString text;
    if (!input) {
        return text;
    }
    const DWORD units = inputBytes / 2;
    text.reserve(static_cast<qsizetype>(units));
    for (DWORD i = 0; i < units; ++i) {
        char16_t unit;
        std::memcpy(&unit, input + 2 * static_cast<size_t>(i), sizeof unit);
        if (unit == 0) {
            break;
        }
        text.append(QChar(unit));
    }
    return text;
}

} // namespace

QString defaultStoreFile() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QLatin1String("/netport/ports.ini");
}

EmbeddedPortMonitor::EmbeddedPortMonitor(const QString& storeFile) : file(storeFile) {}

QStringList EmbeddedPortMonitor::ports() const {
    std::lock_guard<std::mutex> guard(storeMutex);
    Store store;
    if (readStore(file, &store) != ERROR_SUCCESS) {
        return {};
    }
    return store.ports.keys();
}

QString EmbeddedPortMonitor::settingsString(const QString& port) const {
    std::lock_guard<std::mutex> guard(storeMutex);
    Store store;
    if (readStore(file, &store) != ERROR_SUCCESS || !store.ports.contains(port)) {
        return {};
    }
    return settingsOf(store.ports.value(port), store.timeout);
}

bool EmbeddedPortMonitor::ownsPort(const std::u16string& port) const {
    std::lock_guard<std::mutex> guard(storeMutex);
    Store store;
    return readStore(file, &store) == ERROR_SUCCESS &&
           store.ports.contains(QStringView(port.data(), qsizetype(port.size())).toString());
}

BOOL EmbeddedPortMonitor::xcvData(const std::u16string&, bool, const std::u16string& command,
                                  const BYTE* input, DWORD inputBytes, BYTE* output,
                                  DWORD outputBytes, DWORD* needed, DWORD* status) {
    std::lock_guard<std::mutex> guard(storeMutex);
    const QString text = inputText(input, inputBytes);
    *needed = 0;
    Request request;

    if (command == u"AddPort") {
        *status = parseRequest(text, &request);
        if (*status == ERROR_SUCCESS) {
            *status = changeStore(file, [&request](Store& store) -> DWORD {
                if (store.ports.contains(request.name)) {
                    return ERROR_ALREADY_EXISTS;
                }
                Port port;
                port.name = request.name;
                apply(request, &port, &store);
                store.ports.insert(port.name, port);
                return ERROR_SUCCESS;
            });
        }
    } else if (command == u"SetProperties") {
        *status = parseRequest(text, &request);
        if (*status == ERROR_SUCCESS) {
            *status = changeStore(file, [&request](Store& store) -> DWORD {
                const auto port = store.ports.find(request.name);
                if (port == store.ports.end()) {
                    return ERROR_UNKNOWN_PORT;
                }
                apply(request, &port.value(), &store);
                return ERROR_SUCCESS;
            });
        }
    } else if (command == u"DeletePort") {
        if (text.isEmpty()) {
            *status = ERROR_INVALID_PARAMETER;
        } else {
            *status = changeStore(file, [&text](Store& store) -> DWORD {
                return store.ports.remove(text) != 0 ? ERROR_SUCCESS : ERROR_UNKNOWN_PORT;
            });
        }
    } else if (command == u"GetProperties") {
        Store store;
        *status = readStore(file, &store);
        if (*status == ERROR_SUCCESS && !store.ports.contains(text)) {
            *status = ERROR_UNKNOWN_PORT;
        }
        if (*status == ERROR_SUCCESS) {
            const QString reply = settingsOf(store.ports.value(text), store.timeout);
            const size_t bytes = (static_cast<size_t>(reply.size()) + 1) * sizeof(char16_t);
            *needed = static_cast<DWORD>(bytes);
            if (!output || outputBytes < bytes) {
                *status = ERROR_INSUFFICIENT_BUFFER;
            } else {
                std::memcpy(output, reply.utf16(), bytes);
            }
        }
    } else {
        *status = ERROR_INVALID_PARAMETER;
    }
    return TRUE;
}

} // namespace spooler
