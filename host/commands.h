// The commands of the host program netport.
#pragma once

#include "platform/win32.h"

#include <QString>
#include <QStringList>

struct Options {
    QString command;
    QStringList arguments;
    QString store;  // the embedded port monitor's file; empty: the default
    QString module; // the module to load; empty: the built or installed one
    bool hasServer = false;
    QString server;      // the server name when hasServer
    QString monitor;     // the monitor name for "add"
    QString screenshots; // where the tour saves its pictures
    QString language;    // the tour's catalogue language
};

// The text that names a Win32 error code.
QString errorMeaning(DWORD error);

// The directory of the running program.
QString executableDirectory();

// Loads the module and returns its table; null with `error` set when the
// module cannot be loaded or gives no valid table.
PMONITORUI loadModule(const QString& path, QString& error);

// The module beside the program, or where it is installed.
QString defaultModulePath();

// Runs the command; returns the process exit code.
int runCommand(const Options& options);
