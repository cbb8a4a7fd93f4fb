// The host's commands that read the embedded port monitor's store, and what
// the host says when the store fails.
#pragma once

#include "platform/win32.h"

#include <QString>

namespace spooler {
class EmbeddedPortMonitor;
}

// Carries the INI version's store (at its old default place) over into the
// default store when that does not exist yet, saying so on standard error.
// False, with the reason on standard error, when that fails.
bool carryOverLegacyStore(const QString& store);

// One line on standard error naming the store, when the error is one of the
// store's statuses; nothing otherwise.
void noteStoreFailure(const QString& store, DWORD error);

// netport list and netport show: one port or settings string per line, with
// control characters escaped. Return the exit code.
int listPorts(const spooler::EmbeddedPortMonitor& monitor);
int showPort(const spooler::EmbeddedPortMonitor& monitor, const QString& port);
