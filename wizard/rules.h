// Rules about host addresses, port fields, port names and the SNMP community,
// shared by the add-port wizard and the port properties dialog.
#pragma once

#include <QString>

QT_BEGIN_NAMESPACE
class QLineEdit;
QT_END_NAMESPACE

// The default SNMP community.
extern const char* const kDefaultCommunity;

// An address written as four numbers separated by dots (as "%d.%d.%d.%d" reads
// it) comes back as plain decimals without leading zeros or blanks, anything
// after the fourth number dropped. Any other text comes back unchanged.
QString normalizeHostAddress(const QString& text);

// Corrects a port field after its text changed to `text`: a number above 65535
// is replaced by `lastPort`, the text "0" is emptied, and any other text makes
// its value (0 when it is no number) the new `lastPort`. A replacement is a text
// change of the field, so the field's own change handler runs the rule again.
// With `writeLog` the replacement of a number above 65535 is logged.
void correctPortText(QLineEdit* field, const QString& text, quint16& lastPort, bool writeLog);

// The port name of a new port: "host:port" for protocol 1, "http://host/lp" or
// "http://host/elp" (encrypted) for protocol 2, empty for any other protocol.
QString composePortName(int protocol, const QString& hostAddress, quint16 tcpPort, bool secure,
                        const QString& logicalPrinter);

// The empty text becomes the default community; any other text stays.
QString defaultCommunity(const QString& text);
