#include "monitorui/settings.h"

#include "toolkit/log.h"

#include <QStringList>

#include <cstring>

namespace {

QLatin1String onOff(bool on) {
    return on ? QLatin1String("ON") : QLatin1String("OFF");
}

void appendItem(QString& text, const char* key, const QString& value) {
    text += QLatin1Char(';');
    text += QLatin1String(key);
    text += QLatin1Char('=');
    text += value;
}

} // namespace

QString composeAddPortString(const NewPortValues& values) {
    QString text = values.portName;
    text += QLatin1String(";PROT=");
    if (values.protocol == 1) {
        text += QLatin1String("SOCKET");
    }
    if (values.protocol == 2) {
        text += QLatin1String("HTTP");
        appendItem(text, "HTTP_PROXY_ENABLED", onOff(values.proxyEnabled));
        appendItem(text, "HTTP_PROXY_NAME", values.proxyName);
        appendItem(text, "HTTP_PROXY_PORT", values.proxyPort);
        appendItem(text, "HTTP_PROXY_LPRINTER", values.logicalPrinter);
        appendItem(text, "HTTP_SECURE", onOff(values.secure));
    }
    appendItem(text, "MONITORING", onOff(values.monitoring));
    appendItem(text, "COMMUNITY", values.community);
    text += QLatin1Char(';');
    return text;
}

QString composeSetPropertiesString(const QString& portName, const EditedPortValues& values) {
    QString text = portName;
    appendItem(text, "TIMEOUT", values.timeout);
    appendItem(text, "HTTP_PROXY_ENABLED", onOff(values.proxyEnabled));
    appendItem(text, "HTTP_PROXY_NAME", values.proxyName);
    appendItem(text, "HTTP_PROXY_PORT", QString::number(values.proxyPort));
    appendItem(text, "MONITORING", onOff(values.monitoring));
    appendItem(text, "COMMUNITY", values.community);
    return text;
}

void splitKeyValue(const QString& item, QString& key, QString& value) {
    const QStringList pieces = item.trimmed().split(QLatin1Char('='), Qt::SkipEmptyParts);
    if (pieces.size() == 2) {
        key = pieces.at(0);
        value = pieces.at(1);
    } else {
        key.clear();
        value.clear();
    }
}

bool isOnValue(const QString& value) {
    return value == QLatin1String("ON");
}

void parseParams(PortSettings& settings, const QString& reply) {
    const QStringList items = reply.split(QLatin1Char(';'), Qt::SkipEmptyParts);
    logMessage("parseParams: params count (%d)", static_cast<int>(items.size()));
    if (items.isEmpty()) {
        return;
    }
    settings.portName = items.at(0);
    for (qsizetype i = 1; i < items.size(); ++i) {
        QString key;
        QString value;
        splitKeyValue(items.at(i), key, value);
        logMessage("parseParams: param%d = %s, param(%s), value(%s)", static_cast<int>(i),
                   items.at(i).toLatin1().constData(), key.toLatin1().constData(),
                   value.toLatin1().constData());
        if (key == QLatin1String("PROT")) {
            settings.protocol = value == QLatin1String("SOCKET") ? 1
                                : value == QLatin1String("HTTP") ? 2
                                                                 : 0;
        } else if (key == QLatin1String("MONITORING")) {
            settings.monitoring = isOnValue(value);
        } else if (key == QLatin1String("COMMUNITY")) {
            settings.community = value;
        } else if (key == QLatin1String("TIMEOUT")) {
            bool ok = false;
            const int timeout = value.toInt(&ok, 10);
            settings.timeout = ok ? timeout : 0;
        } else if (key == QLatin1String("HTTP_PROXY_ENABLED")) {
            settings.proxyEnabled = isOnValue(value);
        } else if (key == QLatin1String("HTTP_PROXY_NAME")) {
            settings.proxyName = value;
        } else if (key == QLatin1String("HTTP_PROXY_PORT")) {
            settings.proxyPort = value;
        } else if (key == QLatin1String("HTTP_PROXY_LPRINTER")) {
            settings.logicalPrinter = value;
        } else if (key == QLatin1String("HTTP_SECURE")) {
            settings.secure = isOnValue(value);
        }
    }
}

QString replyText(PCWSTR reply, DWORD bytes) {
    if (!reply) {
        return QString();
    }
    const DWORD units = bytes / 2;
    DWORD length = 0;
    while (length < units && reply[length] != 0) {
        ++length;
    }
    // Taken unit by unit: fromUtf16 would read a leading byte order mark as
    // one, dropping it or swapping every unit after it.
    return QStringView(reinterpret_cast<const char16_t*>(reply), static_cast<qsizetype>(length))
        .toString();
}

PWSTR toWireString(const QString& text) {
    const SIZE_T bytes = 2 * static_cast<SIZE_T>(text.size()) + 2;
    PWSTR block = static_cast<PWSTR>(LocalAlloc(LMEM_ZEROINIT, bytes));
    if (!block) {
        return nullptr;
    }
    std::memcpy(block, text.utf16(), 2 * static_cast<size_t>(text.size()));
    return block;
}
