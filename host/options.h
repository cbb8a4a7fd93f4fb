// The command line of the host program netport, as main() reads it.
#pragma once

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
