// The port settings string: "NAME;KEY=VALUE;..." exchanged with the port monitor.
#pragma once

#include "platform/win32.h"

#include <QString>

// One port's settings as read from a "GetProperties" reply.
struct PortSettings {
    QString portName;
    int protocol = 0; // 1 standard TCP/IP (socket), 2 HTTP, 0 neither
    bool proxyEnabled = false;
    QString proxyName;
    QString proxyPort;
    QString logicalPrinter;
    bool secure = false;
    bool monitoring = false;
    QString community;
    int timeout = 0;
};

// What the add-port wizard hands over for the "AddPort" string.
struct NewPortValues {
    int protocol = 0;
    QString portName;
    bool proxyEnabled = false;
    QString proxyName;
    QString proxyPort;
    QString logicalPrinter;
    bool secure = false;
    bool monitoring = false;
    QString community;
};

// What the properties dialog hands over for the "SetProperties" string.
struct EditedPortValues {
    QString timeout;
    bool proxyEnabled = false;
    QString proxyName;
    quint16 proxyPort = 0;
    bool monitoring = false;
    QString community;
};

// "NAME;PROT=SOCKET;MONITORING=..;COMMUNITY=..;" or, for HTTP, with the proxy,
// logical printer and encryption items after "PROT=HTTP". Ends with ";".
QString composeAddPortString(const NewPortValues& values);

// "NAME;TIMEOUT=..;HTTP_PROXY_ENABLED=..;HTTP_PROXY_NAME=..;HTTP_PROXY_PORT=..;
// MONITORING=..;COMMUNITY=.." without a closing ";".
QString composeSetPropertiesString(const QString& portName, const EditedPortValues& values);

// Fills the record from the reply; fields whose key does not occur keep their
// values. Never fails: malformed items are ignored.
void parseParams(PortSettings& settings, const QString& reply);

// The text of a reply block of `bytes` bytes: its UTF-16 units up to the first
// NUL, never reading beyond the block (an odd last byte is not read).
QString replyText(PCWSTR reply, DWORD bytes);

// Splits a KEY=VALUE item (trimmed first, empty pieces dropped). Any other form
// gives an empty key and value.
void splitKeyValue(const QString& item, QString& key, QString& value);

// True exactly for "ON".
bool isOnValue(const QString& value);

// A new zero-filled LocalAlloc block of 2 x length + 2 bytes holding the text's
// UTF-16 units and a NUL; null when it cannot be allocated. Freed by the
// receiver with GlobalFree.
PWSTR toWireString(const QString& text);
