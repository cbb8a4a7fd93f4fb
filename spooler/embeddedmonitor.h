// The embedded port monitor: the default monitor of the stand-in spooler. It
// keeps its ports in a SQLite store and answers, on any of its channels:
//   "AddPort"        input "NAME;KEY=VALUE;..." (the keys PROT, TIMEOUT,
//                    HTTP_PROXY_ENABLED, HTTP_PROXY_NAME, HTTP_PROXY_PORT,
//                    HTTP_PROXY_LPRINTER, HTTP_SECURE, MONITORING, COMMUNITY);
//                    183 when the port exists, 87 when the string is malformed
//   "DeletePort"     input the port name; 1796 for an unknown port
//   "GetProperties"  input the port name; reply the port's full settings
//                    string, NUL-terminated UTF-16; 122 with the size (in
//                    bytes, terminator included) when the output is missing or
//                    too small; 1796 for an unknown port
//   "SetProperties"  input "NAME;KEY=VALUE;..."; changes only the keys given;
//                    1796 for an unknown port
// TIMEOUT (1 to 120 minutes) belongs to the monitor and applies to all its
// ports. Any other command answers 87. The call itself always succeeds; the
// status tells the outcome.
//
// The ports are kept in a PortStore (spooler/portstore.h), opened anew for
// every command and every query, since another process (the host program) may
// change it. A command that cannot read or change the store answers the
// store's status (spooler/storestatus.h) and leaves the store as it was; a
// port's channel cannot be opened while the store cannot be read.
#pragma once

#include "spooler/portstore.h"
#include "spooler/spooler.h"

#include <QString>
#include <QStringList>

namespace spooler {

// The name under which the embedded monitor is registered by default.
inline constexpr char16_t kEmbeddedMonitorName[] = u"VARDENO Port Monitor";

// The embedded monitor's usual store: netport/ports.db in the user's data
// directory (for example ~/.local/share/netport/ports.db).
NETPORT_SPOOLER_API QString defaultStoreFile();

class NETPORT_SPOOLER_API EmbeddedPortMonitor : public PortMonitor {
public:
    explicit EmbeddedPortMonitor(const QString& storeFile);

    QString storeFile() const { return store.file(); }
    // How long a change waits for another writer (5 s unless set).
    void setBusyTimeout(int milliseconds) { store.setBusyTimeout(milliseconds); }

    // The port names, sorted, or the store's status.
    DWORD listPorts(QStringList* ports) const;
    // The port's full settings string as "GetProperties" answers it, or
    // ERROR_UNKNOWN_PORT or the store's status.
    DWORD portSettings(const QString& port, QString* settings) const;
    // The same, empty when the store cannot be read or has no such port.
    QStringList ports() const;
    QString settingsString(const QString& port) const;

    DWORD findPort(const std::u16string& port, bool* owned) const override;
    BOOL xcvData(const std::u16string& object, bool isPort, const std::u16string& command,
                 const BYTE* input, DWORD inputBytes, BYTE* output, DWORD outputBytes,
                 DWORD* needed, DWORD* status) override;

private:
    PortStore store;
};

} // namespace spooler
