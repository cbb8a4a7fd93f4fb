// The store of the monitor's INI version (netport/ports.ini in the user's
// configuration directory), carried over once into the SQLite store.
#pragma once

#include "platform/win32.h"

#include <QString>

namespace spooler {

// Where the INI version kept its ports by default (for example
// ~/.config/netport/ports.ini).
NETPORT_SPOOLER_API QString legacyStoreFile();

// When the SQLite store does not exist yet and the INI file does, writes the
// INI file's ports and time out into a new SQLite store in one transaction and
// sets *carried to the number of ports; the INI file is only read. Otherwise
// nothing happens and *carried is -1. Returns the status of reading the INI
// file (ERROR_ACCESS_DENIED, or ERROR_FILE_CORRUPT when it cannot be parsed)
// or of writing the store; on a failure no store is written.
NETPORT_SPOOLER_API DWORD carryOverLegacyStore(const QString& iniFile, const QString& storeFile,
                                               int* carried);

} // namespace spooler
