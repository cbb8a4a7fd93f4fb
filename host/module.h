// What the host program's commands and its tour share about the module: where
// it lies, how it is loaded, and what the Win32 errors it reports mean.
#pragma once

#include "platform/win32.h"

#include <QString>

// The directory of the running program.
QString executableDirectory();

// The module beside the program, or where it is installed.
QString defaultModulePath();

// Loads the module and returns its table; null with `error` set when the
// module cannot be loaded or gives no valid table. The module stays loaded for
// the rest of the process, as the spooler keeps it.
PMONITORUI loadModule(const QString& path, QString& error);

// The version the module file names in itself, or empty when the file cannot
// be read or names none.
QString moduleVersion(const QString& path);

// The text that names a Win32 error code.
QString errorMeaning(DWORD error);
