#include "spooler/embeddedmonitor.h"

#include <QMap>
#include <QStandardPaths>

#include <cstring>

namespace spooler {

namespace {

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

// Applies the items of a checked request to the port and the monitor's time
// out.
void apply(const Request& request, StoredPort& port, int& timeout) {
    for (auto it = request.values.cbegin(); it != request.values.cend(); ++it) {
        const QString& key = it.key();
        const QString& value = it.value();
        if (key == QLatin1String("PROT")) {
            port.protocol = value;
        } else if (key == QLatin1String("TIMEOUT")) {
            parseTimeout(value, &timeout);
        } else if (key == QLatin1String("HTTP_PROXY_ENABLED")) {
            port.proxyEnabled = value;
        } else if (key == QLatin1String("HTTP_PROXY_NAME")) {
            port.proxyName = value;
        } else if (key == QLatin1String("HTTP_PROXY_PORT")) {
            port.proxyPort = value;
        } else if (key == QLatin1String("HTTP_PROXY_LPRINTER")) {
            port.logicalPrinter = value;
        } else if (key == QLatin1String("HTTP_SECURE")) {
            port.secure = value;
        } else if (key == QLatin1String("MONITORING")) {
            port.monitoring = value;
        } else if (key == QLatin1String("COMMUNITY")) {
            port.community = value;
        }
    }
}

QString settingsOf(const StoredPort& port, int timeout) {
    return port.name + QLatin1String(";PROT=") + port.protocol + QLatin1String(";TIMEOUT=") +
           QString::number(timeout) + QLatin1String(";HTTP_PROXY_ENABLED=") + port.proxyEnabled +
           QLatin1String(";HTTP_PROXY_NAME=") + port.proxyName +
           QLatin1String(";HTTP_PROXY_PORT=") + port.proxyPort +
           QLatin1String(";HTTP_PROXY_LPRINTER=") + port.logicalPrinter +
           QLatin1String(";HTTP_SECURE=") + port.secure + QLatin1String(";MONITORING=") +
           port.monitoring + QLatin1String(";COMMUNITY=") + port.community;
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
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QLatin1String("/netport/ports.db");
}

EmbeddedPortMonitor::EmbeddedPortMonitor(const QString& storeFile) : store(storeFile) {}

DWORD EmbeddedPortMonitor::listPorts(QStringList* ports) const {
    return store.names(ports);
}

DWORD EmbeddedPortMonitor::portSettings(const QString& port, QString* settings) const {
    StoredPort stored;
    int timeout = kDefaultTimeout;
    const DWORD status = store.read(port, &stored, &timeout);
    *settings = status == ERROR_SUCCESS ? settingsOf(stored, timeout) : QString();
    return status;
}

QStringList EmbeddedPortMonitor::ports() const {
    QStringList names;
    listPorts(&names);
    return names;
}

QString EmbeddedPortMonitor::settingsString(const QString& port) const {
    QString settings;
    portSettings(port, &settings);
    return settings;
}

DWORD EmbeddedPortMonitor::findPort(const std::u16string& port, bool* owned) const {
    return store.holds(QString::fromStdU16String(port), owned);
}

BOOL EmbeddedPortMonitor::xcvData(const std::u16string&, bool, const std::u16string& command,
                                  const BYTE* input, DWORD inputBytes, BYTE* output,
                                  DWORD outputBytes, DWORD* needed, DWORD* status) {
    const QString text = inputText(input, inputBytes);
    *needed = 0;
    Request request;
    const auto edit = [&request](StoredPort& port, int& timeout) { apply(request, port, timeout); };

    if (command == u"AddPort") {
        *status = parseRequest(text, &request);
        if (*status == ERROR_SUCCESS) {
            *status = store.add(request.name, edit);
        }
    } else if (command == u"SetProperties") {
        *status = parseRequest(text, &request);
        if (*status == ERROR_SUCCESS) {
            *status = store.update(request.name, edit);
        }
    } else if (command == u"DeletePort") {
        *status = text.isEmpty() ? DWORD(ERROR_INVALID_PARAMETER) : store.remove(text);
    } else if (command == u"GetProperties") {
        QString reply;
        *status = portSettings(text, &reply);
        if (*status == ERROR_SUCCESS) {
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
