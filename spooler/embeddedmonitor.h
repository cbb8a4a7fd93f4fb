// The embedded port monitor: the default monitor of the stand-in spooler. It
// keeps its ports in an INI file and answers, on any of its channels:
//   "AddPort"        input "NAME;KEY=VALUE;..." (the keys PROT, TIMEOUT,
//                    HTTP_PROXY_ENABLED, HTTP_PROXY_NAME, HTTP_PROXY_PORT,
//                    HTTP_PROXY_LPRINTER, HTTP_SECURE, MONITORING, COMMUNITY);
//                    183 when the port exists, 87 when the string is malformed
//   "DeletePort"     input the port name; 1796 for an unknown port
//   "GetProperties"  input the port name; reply the port's full settings
//                    string, NUL-terminated UTF-16; 122 with the size (in
//                    bytes, terminator included) when the output is missing or
//                    too small; 1796 for an unknown port
//   "SetProperties"  input "NAME;KEY=VALUE;..."; changes only the keys given
// TIMEOUT (1 to 120 minutes) belongs to the monitor and applies to all its
// ports. Any other command answers 87. The call itself always succeeds; the
// status tells the outcome.
//
// The file is read again for every command and every query, since another
// process (the host program) may have changed it. A change is written whole to
// a new file beside the store, read back, and renamed over the store, under the
// store's lock file: a command that cannot write leaves the previous contents
// as they were and answers 5 (also when the file cannot be read, or
// kErrorStoreCorrupt when it cannot be parsed).
#pragma once

#include "spooler/spooler.h"

#include <QString>
#include <QStringList>

namespace spooler {

// The name under which the embedded monitor is registered by default.
inline constexpr char16_t kEmbeddedMonitorName[] = u"VARDENO Port Monitor";

// The time out of a monitor whose time out was never set, in minutes.
constexpr int kDefaultTimeout = 5;

// The embedded monitor's usual store: netport/ports.ini in the user's
// configuration directory (for example ~/.config/netport/ports.ini).
NETPORT_SPOOLER_API QString defaultStoreFile();

class NETPORT_SPOOLER_API EmbeddedPortMonitor : public PortMonitor {
public:
    explicit EmbeddedPortMonitor(const QString& storeFile);

    QString storeFile() const { return file; }
    // The port names, sorted; empty when the store cannot be read.
    QStringList ports() const;
    // The port's full settings string as "GetProperties" answers it; empty for
    // an unknown port or an unreadable store.
    QString settingsString(const QString& port) const;

    bool ownsPort(const std::u16string& port) const override;
    BOOL xcvData(const std::u16string& object, bool isPort, const std::u16string& command,
                 const BYTE* input, DWORD inputBytes, BYTE* output, DWORD outputBytes,
                 DWORD* needed, DWORD* status) override;

private:
    QString file;
};

} // namespace spooler
