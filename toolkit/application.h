// The toolkit application inside a host process that has none of its own.
#pragma once

#include "platform/win32.h"

#include <QtGlobal>

QT_BEGIN_NAMESPACE
class QTranslator;
QT_END_NAMESPACE

// Whether acquireApplication() can give the windows an application now:
// ERROR_SUCCESS, or why not, after a log line that names the cause. A host
// application that is not a QApplication cannot carry windows
// (ERROR_NOT_SUPPORTED). Without one, the toolkit must find and load a platform
// plugin (else ERROR_MOD_NOT_FOUND) that reaches its display (else
// ERROR_DEVICE_NOT_AVAILABLE): the toolkit would end the process otherwise.
// A host application that belongs to another thread cannot carry windows made
// on this one either (ERROR_NOT_SUPPORTED).
// A plugin found and loaded is not searched for again in this process; a
// search that failed is made again next time, and the display is checked every
// time. Safe to call from several threads.
DWORD applicationStartError();

// Ensures that a toolkit application exists and counts one more user. The
// first acquisition creates the application and installs the catalogue.
void acquireApplication();

// Counts one user less; the last release destroys the application that
// acquireApplication() created (never one that belongs to the host).
void releaseApplication();

// Loads into the translator the first "monitor*.qm" (by name, ignoring case) of
// the system directory. Returns whether a catalogue was loaded.
bool loadTranslator(QTranslator& translator);

// The number of users the application has now.
int applicationUseCount();

// Whether the application that exists now was created by the module.
bool applicationIsOwn();
