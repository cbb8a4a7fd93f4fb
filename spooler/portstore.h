// The embedded port monitor's store: a SQLite database file holding one table
// of ports with their settings and a one-row table with the monitor's time out.
// The file carries the store's application id and schema version in its
// header; a file without them is never written.
//
// Every command opens the file anew, since another process may change it, and
// runs in one transaction: a change either happens whole or not at all. Writers
// wait for each other through SQLite's locks (the kernel's, which go with a
// crashed process) up to the busy time out. The store is kept in write-ahead
// log mode with synchronous=NORMAL: a change is one append to ports.db-wal,
// safe against a crash of the process (a power cut may lose the changes since
// the last copy), and every few dozen pages the log is copied into the store
// with fsync and emptied. The log and its index ports.db-shm stay beside the
// store, so that the store can be read from a read-only folder. A store is
// created in rollback-journal mode with synchronous=FULL and switched to the
// log once its schema is in place.
//
// A store reached through a symbolic link is changed where the link points.
// An empty file (also what a crash while creating the store leaves) is a new
// store. Reading changes no port and creates nothing but SQLite's own log and
// index beside the store; it may roll back what a crashed writer left. The
// statuses are those of spooler/storestatus.h.
#pragma once

#include "platform/win32.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

namespace spooler {

// The version of the store's schema, kept in the file's header (user_version).
constexpr int kSchemaVersion = 1;

// The time out of a monitor whose time out was never set, in minutes.
constexpr int kDefaultTimeout = 5;

// A time out the monitor keeps: 1 to 120 minutes.
constexpr bool validTimeout(int minutes) {
    return minutes >= 1 && minutes <= 120;
}

// A time out written as text, as the commands and earlier stores carry it:
// decimal digits only, giving a valid time out. False leaves *minutes alone.
bool parseTimeout(const QString& text, int* minutes);

// One port as the store keeps it; the values are the texts of the settings
// string ("SOCKET", "ON", ...).
struct StoredPort {
    QString name;
    QString protocol = QStringLiteral("SOCKET");
    QString proxyEnabled = QStringLiteral("OFF");
    QString proxyName;
    QString proxyPort;
    QString logicalPrinter;
    QString secure = QStringLiteral("OFF");
    QString monitoring = QStringLiteral("OFF");
    QString community;
};

class NETPORT_SPOOLER_API PortStore {
public:
    // Changes a port and the monitor's time out (in minutes) within a change.
    using Edit = std::function<void(StoredPort& port, int& timeout)>;

    explicit PortStore(QString file);

    const QString& file() const { return path; }
    // How long a change waits for another writer before it answers ERROR_BUSY.
    void setBusyTimeout(int milliseconds) { busyTimeoutMs = milliseconds; }

    // The port names, sorted. A missing or empty file is a store without
    // ports.
    DWORD names(QStringList* names) const;
    // The port and the monitor's time out; ERROR_UNKNOWN_PORT for a port the
    // store does not hold.
    DWORD read(const QString& name, StoredPort* port, int* timeout) const;
    // ERROR_SUCCESS with *held telling whether the store holds the port.
    DWORD holds(const QString& name, bool* held) const;

    // Adds the port with the default settings as `edit` changes them;
    // ERROR_ALREADY_EXISTS when the port exists.
    DWORD add(const QString& name, const Edit& edit);
    // Changes a port; ERROR_UNKNOWN_PORT for an unknown one.
    DWORD update(const QString& name, const Edit& edit);
    // Deletes a port; ERROR_UNKNOWN_PORT for an unknown one.
    DWORD remove(const QString& name);
    // Fills a new store with the ports and the time out in one transaction;
    // *created is false (and nothing is written) when the store holds its
    // schema already.
    DWORD create(const QList<StoredPort>& ports, int timeout, bool* created);

private:
    QString path;
    int busyTimeoutMs;
};

} // namespace spooler
