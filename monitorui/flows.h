// The two flows that run the windows, and the port-exists warning. Declared
// without the toolkit, so that the entry points compile as plain C++.
#pragma once

#include "platform/win32.h"

// Runs the add-port wizard. FALSE: the user cancelled; nothing is to be sent and
// *settings is untouched. TRUE: the user finished; *settings holds the "AddPort"
// settings string in a block that the caller frees with GlobalFree, or null when
// the block could not be allocated (the last error is then 8).
BOOL MLAddPorts(PWSTR* settings);

// Shows the properties dialog for the "GetProperties" reply of `replyBytes`
// bytes (read up to its first NUL unit, never beyond its size). FALSE: the user
// cancelled. TRUE: the user accepted; *settings holds the "SetProperties"
// settings string in a block that the caller frees with GlobalFree, or null when
// the block could not be allocated (the last error is then 8).
BOOL MLConfigPortUI(PCWSTR reply, DWORD replyBytes, PWSTR* settings);

// The modal "WARNING" box saying that the port exists already.
void showPortExistsWarning();
