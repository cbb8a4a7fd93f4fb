// Helpers for tests of the embedded port monitor's store: they reach the
// SQLite file directly, as another program would.
#pragma once

#include "spooler/portstore.h"

#include <QFile>
#include <QString>

#include <sqlite3.h>

namespace storetesting {

// The bytes of a file; empty when it cannot be read.
inline QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// Copies the store's log into the file and closes the last connection, which
// removes the log and its index: afterwards the file alone holds every port.
inline bool checkpoint(const QString& store) {
    sqlite3* db = nullptr;
    bool ok =
        sqlite3_open_v2(QFile::encodeName(store).constData(), &db, SQLITE_OPEN_READWRITE,
                        nullptr) == SQLITE_OK &&
        sqlite3_exec(db, "PRAGMA wal_checkpoint(TRUNCATE)", nullptr, nullptr, nullptr) == SQLITE_OK;
    return sqlite3_close(db) == SQLITE_OK && ok;
}

// A store holding `count` ports PREFIX0000, PREFIX0001, ..., written in one
// transaction.
inline bool fill(const QString& store, int count, const QString& prefix = QStringLiteral("p")) {
    QList<spooler::StoredPort> ports;
    for (int i = 0; i < count; ++i) {
        spooler::StoredPort port;
        port.name = prefix + QStringLiteral("%1").arg(i, 4, 10, QLatin1Char('0'));
        port.community = QStringLiteral("community-%1").arg(i);
        ports << port;
    }
    bool created = false;
    return spooler::PortStore(store).create(ports, spooler::kDefaultTimeout, &created) == 0 &&
           created;
}

// Runs SQL on a database file as another program would.
inline bool runSql(const QString& path, const char* sql) {
    sqlite3* db = nullptr;
    const bool ok = sqlite3_open(QFile::encodeName(path).constData(), &db) == SQLITE_OK &&
                    sqlite3_exec(db, sql, nullptr, nullptr, nullptr) == SQLITE_OK;
    return sqlite3_close(db) == SQLITE_OK && ok;
}

inline int rootPageOfPorts(const QString& path) {
    sqlite3* db = nullptr;
    sqlite3_stmt* statement = nullptr;
    int page = 0;
    if (sqlite3_open(QFile::encodeName(path).constData(), &db) == SQLITE_OK &&
        sqlite3_prepare_v2(db, "SELECT rootpage FROM sqlite_schema WHERE name = 'ports'", -1,
                           &statement, nullptr) == SQLITE_OK &&
        sqlite3_step(statement) == SQLITE_ROW) {
        page = sqlite3_column_int(statement, 0);
    }
    sqlite3_finalize(statement);
    sqlite3_close(db);
    return page;
}

// Overwrites page `page` (counted from 1) of the file with the byte.
inline bool overwritePage(const QString& path, int page, char byte) {
    QFile file(path);
    return page > 0 && file.open(QIODevice::ReadWrite) && file.seek(qint64(page - 1) * 4096) &&
           file.write(QByteArray(4096, byte)) == 4096;
}

// Another writer: holds the store's write lock while it lives.
class WriteLock {
public:
    explicit WriteLock(const QString& store) {
        sqlite3_open_v2(QFile::encodeName(store).constData(), &db, SQLITE_OPEN_READWRITE, nullptr);
        sqlite3_db_config(db, SQLITE_DBCONFIG_NO_CKPT_ON_CLOSE, 1, nullptr);
        held = sqlite3_exec(db, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr) == SQLITE_OK;
    }
    WriteLock(const WriteLock&) = delete;
    WriteLock& operator=(const WriteLock&) = delete;
    ~WriteLock() {
        sqlite3_exec(db, "ROLLBACK", nullptr, nullptr, nullptr);
        sqlite3_close(db);
    }
    bool held = false;

private:
    sqlite3* db = nullptr;
};

} // namespace storetesting
