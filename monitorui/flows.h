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

// Whether the windows can be shown in this process now: ERROR_SUCCESS, or the
// Win32 error that says why not, after a log line that names the cause:
// ERROR_MOD_NOT_FOUND when the toolkit's platform plugin cannot be loaded,
// ERROR_DEVICE_NOT_AVAILABLE when the display cannot be opened, and
// ERROR_NOT_SUPPORTED when the host's own application cannot carry windows.
// Checked before any window is made, since the toolkit ends the whole process
// when it cannot start.
DWORD windowSupportError();
