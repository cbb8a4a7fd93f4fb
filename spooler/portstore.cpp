#include "spooler/portstore.h"

#include "spooler/storestatus.h"

#include <QFile>
#include <QFileInfo>

#include <sqlite3.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <utility>

namespace spooler {

namespace {

// The header fields that make a SQLite file a port store ("NPST").
constexpr int kApplicationId = 0x4e505354;
constexpr int kDefaultBusyTimeoutMs = 5000;

// The whole schema; created in the transaction of the store's first change.
const char* const kSchema = "CREATE TABLE monitor ("
                            "  id INTEGER PRIMARY KEY CHECK (id = 1),"
                            "  timeout INTEGER NOT NULL);"
                            "CREATE TABLE ports ("
                            "  name TEXT PRIMARY KEY NOT NULL,"
                            "  protocol TEXT NOT NULL,"
                            "  proxy_enabled TEXT NOT NULL,"
                            "  proxy_name TEXT NOT NULL,"
                            "  proxy_port TEXT NOT NULL,"
                            "  logical_printer TEXT NOT NULL,"
                            "  secure TEXT NOT NULL,"
                            "  monitoring TEXT NOT NULL,"
                            "  community TEXT NOT NULL) WITHOUT ROWID;"
                            "PRAGMA application_id = 1313887060;"
                            "PRAGMA user_version = 1;";
static_assert(kApplicationId == 1313887060, "the schema sets the application id");
static_assert(kSchemaVersion == 1, "the schema sets the schema version");

// The objects of the schema, as sqlite_schema lists them ("type name", sorted).
const char* const kSchemaObjects[] = {"table monitor", "table ports"};

// Set for every connection: nothing in the file can run code (no triggers or
// views, no functions from the schema), cells are checked as they are read,
// temporary data stays in memory (TMPDIR may be unusable).
const char* const kConnectionPragmas = "PRAGMA cell_size_check = ON;"
                                       "PRAGMA temp_store = MEMORY;";

// The log is copied into the store and emptied once it holds this many pages.
//
// Every command opens the store anew, and a process that opens it first reads
// the whole log to rebuild the log's index, so a short log keeps every command
// cheap. SQLite's own checkpoints leave the copied pages in the log, and the
// next process cannot know they were copied: it would copy them again after
// every change. So the log is emptied (a truncating checkpoint) instead.
constexpr int kCheckpointPages = 32;
// How long the checkpoint waits for readers to leave the log; it is tried
// again after a later change when they do not.
constexpr int kCheckpointWaitMs = 100;

const char* const kPortColumns = "protocol, proxy_enabled, proxy_name, proxy_port, "
                                 "logical_printer, secure, monitoring, community";

// A port name or value can be stored exactly when it is valid UTF-16: SQLite
// keeps UTF-8, which has no form for a lone surrogate.
bool storableExactly(const QString& text) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            ++i;
        } else if (c.isSurrogate()) {
            return false;
        }
    }
    return true;
}

DWORD storableStatus(const StoredPort& port) {
    if (!storableExactly(port.name)) {
        return ERROR_INVALID_NAME;
    }
    for (const QString* value :
         {&port.protocol, &port.proxyEnabled, &port.proxyName, &port.proxyPort,
          &port.logicalPrinter, &port.secure, &port.monitoring, &port.community}) {
        if (!storableExactly(*value)) {
            return ERROR_INVALID_PARAMETER;
        }
    }
    return ERROR_SUCCESS;
}

class Connection {
public:
    Connection() = default;
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;
    ~Connection() { sqlite3_close_v2(db); }

    DWORD open(const QByteArray& name, int flags, int busyTimeoutMs) {
        const int rc = sqlite3_open_v2(name.constData(), &db, flags, nullptr);
        if (rc != SQLITE_OK) {
            return db ? failure(sqlite3_extended_errcode(db)) : ERROR_NOT_ENOUGH_MEMORY;
        }
        sqlite3_extended_result_codes(db, 1);
        sqlite3_busy_timeout(db, busyTimeoutMs);
        sqlite3_db_config(db, SQLITE_DBCONFIG_NO_CKPT_ON_CLOSE, 1, nullptr);
        sqlite3_db_config(db, SQLITE_DBCONFIG_DEFENSIVE, 1, nullptr);
        sqlite3_db_config(db, SQLITE_DBCONFIG_TRUSTED_SCHEMA, 0, nullptr);
        sqlite3_db_config(db, SQLITE_DBCONFIG_ENABLE_TRIGGER, 0, nullptr);
        sqlite3_db_config(db, SQLITE_DBCONFIG_ENABLE_VIEW, 0, nullptr);
        sqlite3_wal_hook(db, countLogPages, this);
        return exec(kConnectionPragmas);
    }

    // After a committed change: empties the log once it is long enough. A
    // failure is left for a later change; the change itself is committed.
    void checkpointIfDue() {
        if (logPages >= kCheckpointPages) {
            sqlite3_busy_timeout(db, kCheckpointWaitMs);
            sqlite3_wal_checkpoint_v2(db, nullptr, SQLITE_CHECKPOINT_TRUNCATE, nullptr, nullptr);
        }
    }

    // Takes the other's database in exchange for its own.
    void swap(Connection& other) {
        std::swap(db, other.db);
        for (Connection* side : {this, &other}) {
            if (side->db) {
                sqlite3_wal_hook(side->db, countLogPages, side);
            }
        }
    }

    DWORD exec(const char* sql) {
        const int rc = sqlite3_exec(db, sql, nullptr, nullptr, nullptr);
        return rc == SQLITE_OK ? ERROR_SUCCESS : failure(rc);
    }

    // The status of a failed call, taken before anything else can change the
    // connection's system error.
    DWORD failure(int rc) const {
        const int kind = rc & 0xff;
        return storeStatus(rc, kind == SQLITE_IOERR || kind == SQLITE_CANTOPEN ? systemError() : 0);
    }

    // The errno of the failed call. sqlite3_system_errno does not always have
    // it (a write cut off by RLIMIT_FSIZE in the log leaves it 0); the files
    // of the connection keep the errno of their last failure.
    int systemError() const {
        int error = sqlite3_system_errno(db);
        if (error == 0) {
            sqlite3_file_control(db, "main", SQLITE_FCNTL_LAST_ERRNO, &error);
        }
        sqlite3_file* journal = nullptr;
        if (error == 0 &&
            sqlite3_file_control(db, "main", SQLITE_FCNTL_JOURNAL_POINTER, &journal) == SQLITE_OK &&
            journal && journal->pMethods) {
            journal->pMethods->xFileControl(journal, SQLITE_FCNTL_LAST_ERRNO, &error);
        }
        return error;
    }

    // Ends a failed transaction; harmless when SQLite ended it already.
    void rollback() {
        if (!sqlite3_get_autocommit(db)) {
            sqlite3_exec(db, "ROLLBACK", nullptr, nullptr, nullptr);
        }
    }

    sqlite3* db = nullptr;

private:
    static int countLogPages(void* self, sqlite3*, const char*, int pages) {
        static_cast<Connection*>(self)->logPages = pages;
        return SQLITE_OK;
    }

    int logPages = 0;
};

class Statement {
public:
    Statement(Connection& connection, const char* sql) : connection(connection) {
        rc = sqlite3_prepare_v2(connection.db, sql, -1, &stmt, nullptr);
    }
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;
    ~Statement() { sqlite3_finalize(stmt); }

    // The status of the last call; ERROR_SUCCESS while rows come or after the
    // last one.
    DWORD status() const { return connection.failure(rc); }

    void bind(int index, const QString& text) {
        if (rc == SQLITE_OK) {
            const QByteArray utf8 = text.toUtf8();
            rc = sqlite3_bind_text(stmt, index, utf8.constData(), int(utf8.size()),
                                   SQLITE_TRANSIENT);
        }
    }
    void bind(int index, int value) {
        if (rc == SQLITE_OK) {
            rc = sqlite3_bind_int(stmt, index, value);
        }
    }
    // True for a row; rc tells the rest.
    bool step() {
        if (rc == SQLITE_OK || rc == SQLITE_ROW) {
            rc = sqlite3_step(stmt);
        }
        return rc == SQLITE_ROW;
    }
    // Runs a statement that returns no rows.
    DWORD run() {
        step();
        return rc == SQLITE_DONE ? ERROR_SUCCESS : status();
    }
    QString text(int column) const {
        const auto* bytes = reinterpret_cast<const char*>(sqlite3_column_text(stmt, column));
        return QString::fromUtf8(bytes, sqlite3_column_bytes(stmt, column));
    }
    int integer(int column) const { return sqlite3_column_int(stmt, column); }

    int rc = SQLITE_OK;

private:
    Connection& connection;
    sqlite3_stmt* stmt = nullptr;
};

DWORD pragmaValue(Connection& connection, const char* sql, int* value) {
    Statement statement(connection, sql);
    if (!statement.step()) {
        return statement.rc == SQLITE_DONE ? ERROR_INVALID_DATA : statement.status();
    }
    *value = statement.integer(0);
    return ERROR_SUCCESS;
}

// Whether the open database is a port store: ERROR_SUCCESS with *empty when
// it holds nothing at all yet (a new store), ERROR_INVALID_DATA when it holds
// anything else than the store's schema and version. (A file that is not
// empty and does not carry the store's application id in its header never
// gets here.)
DWORD checkIdentity(Connection& connection, bool* empty) {
    *empty = false;
    int id = 0;
    int version = 0;
    DWORD status = pragmaValue(connection, "PRAGMA application_id", &id);
    if (status == ERROR_SUCCESS) {
        status = pragmaValue(connection, "PRAGMA user_version", &version);
    }
    if (status != ERROR_SUCCESS) {
        return status;
    }
    Statement objects(connection, "SELECT type || ' ' || name FROM sqlite_schema ORDER BY 1");
    QStringList found;
    while (objects.step()) {
        found << objects.text(0);
    }
    if (objects.rc != SQLITE_DONE) {
        return objects.status();
    }
    if (id == 0 && version == 0 && found.isEmpty()) {
        *empty = true;
        return ERROR_SUCCESS;
    }
    if (id != kApplicationId || version != kSchemaVersion) {
        return ERROR_INVALID_DATA;
    }
    QStringList expected;
    for (const char* object : kSchemaObjects) {
        expected << QString::fromLatin1(object);
    }
    return found == expected ? ERROR_SUCCESS : ERROR_INVALID_DATA;
}

// Tells a store that holds nothing (or not the port asked for) from a damaged
// one, whose damage the statement may simply not have met.
DWORD confirmIntact(Connection& connection) {
    Statement check(connection, "PRAGMA quick_check");
    if (!check.step()) {
        return check.status();
    }
    return check.text(0) == QLatin1String("ok") ? ERROR_SUCCESS : ERROR_FILE_CORRUPT;
}

// What the file at the store's path is, found without SQLite, so that a
// file that is not a store is never opened as a database (opening one in
// write-ahead log mode would create files beside it).
struct FileFacts {
    enum Kind { Missing, Empty, Store, Foreign } kind = Missing;
    bool logMode = false; // the header asks for write-ahead logging
};

quint32 bigEndian32(const unsigned char* bytes) {
    return (quint32(bytes[0]) << 24) | (quint32(bytes[1]) << 16) | (quint32(bytes[2]) << 8) |
           quint32(bytes[3]);
}

// The file a path leads to, links followed (SQLite keeps its companion files
// beside that one); empty with errno set when it cannot be resolved.
QByteArray resolvedPath(const QByteArray& path) {
    char resolved[PATH_MAX];
    return realpath(path.constData(), resolved) ? QByteArray(resolved) : QByteArray();
}

// Whether a companion file of the store (suffix "-journal", "-wal", ...) exists.
bool hasCompanion(const QByteArray& resolved, const char* suffix) {
    struct stat info;
    return !resolved.isEmpty() && ::stat((resolved + suffix).constData(), &info) == 0;
}

// A rollback journal beside the store: SQLite rolls it back before it reads,
// so the header may not tell what the file holds.
bool hasJournal(const QByteArray& path) {
    return hasCompanion(resolvedPath(path), "-journal");
}

DWORD inspect(const QByteArray& path, FileFacts* facts) {
    struct stat info;
    if (::stat(path.constData(), &info) != 0) {
        if (errno == ENOENT) {
            facts->kind = FileFacts::Missing;
            return ERROR_SUCCESS;
        }
        return storeStatusOfErrno(errno);
    }
    if (!S_ISREG(info.st_mode)) {
        return ERROR_INVALID_DATA;
    }
    if (info.st_size == 0) {
        facts->kind = FileFacts::Empty;
        return ERROR_SUCCESS;
    }
    const int fd = ::open(path.constData(), O_RDONLY | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) {
        return storeStatusOfErrno(errno);
    }
    unsigned char header[100];
    size_t got = 0;
    int readError = 0;
    while (got < sizeof header) {
        const ssize_t n = ::read(fd, header + got, sizeof header - got);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0) {
            readError = errno;
        }
        if (n <= 0) {
            break;
        }
        got += size_t(n);
    }
    ::close(fd);
    if (readError != 0) {
        return storeStatusOfErrno(readError);
    }
    const bool ours = got == sizeof header && std::memcmp(header, "SQLite format 3", 16) == 0 &&
                      bigEndian32(header + 68) == quint32(kApplicationId);
    facts->logMode = ours && header[18] == 2;
    facts->kind = ours || hasJournal(path) ? FileFacts::Store : FileFacts::Foreign;
    return ERROR_SUCCESS;
}

// Creates the folders of the path that do not exist yet; 0 or the errno.
int makeFolders(const QString& folder) {
    const QByteArray path = QFile::encodeName(folder);
    for (qsizetype end = 0; end != -1;) {
        end = path.indexOf('/', end + 1);
        const QByteArray prefix = end == -1 ? path : path.left(end);
        if (::mkdir(prefix.constData(), 0777) != 0 && errno != EEXIST) {
            return errno;
        }
    }
    struct stat info;
    if (::stat(path.constData(), &info) != 0) {
        return errno;
    }
    return S_ISDIR(info.st_mode) ? 0 : ENOTDIR;
}

// A URI that opens the file read-only as a file nobody changes: for a store in
// write-ahead log mode in a folder where its index cannot be created.
QByteArray immutableUri(const QByteArray& path) {
    const QByteArray absolute =
        QFile::encodeName(QFileInfo(QFile::decodeName(path)).absoluteFilePath());
    return "file:" + absolute.toPercentEncoding("/") + "?immutable=1";
}

// The log or its index beside the store.
bool hasLogFiles(const QByteArray& path) {
    const QByteArray resolved = resolvedPath(path);
    return hasCompanion(resolved, "-wal") || hasCompanion(resolved, "-shm");
}

// 0 when files can be made in the folder of the file the link points to, else
// the errno that says why not.
int folderWriteError(const QByteArray& path) {
    const QByteArray resolved = resolvedPath(path);
    if (resolved.isEmpty()) {
        return errno;
    }
    const QByteArray folder =
        QFile::encodeName(QFileInfo(QFile::decodeName(resolved)).absolutePath());
    return ::access(folder.constData(), W_OK) == 0 ? 0 : errno;
}

// The status of a store whose file exists but whose log, its index or its
// journal could not be opened (SQLite reports the last errno of its tries,
// ENOENT): whether the folder they belong in can be written.
DWORD companionStatus(const QByteArray& path, DWORD status) {
    if (status != ERROR_PATH_NOT_FOUND) {
        return status;
    }
    const int error = folderWriteError(path);
    return error == 0 ? status : storeStatusOfErrno(error);
}

// Opens the store and starts a read transaction in which its identity has been
// checked. *absent when there is no store yet (nothing is then opened).
DWORD beginReading(const QByteArray& path, int busyTimeoutMs, Connection& connection,
                   bool* absent) {
    *absent = false;
    FileFacts facts;
    DWORD status = inspect(path, &facts);
    if (status != ERROR_SUCCESS) {
        return status;
    }
    if (facts.kind == FileFacts::Missing || facts.kind == FileFacts::Empty) {
        *absent = true;
        return ERROR_SUCCESS;
    }
    if (facts.kind == FileFacts::Foreign) {
        return ERROR_INVALID_DATA;
    }
    // Read-write when the file allows it, so that SQLite can roll back what a
    // crashed writer left; SQLite falls back to reading only.
    status = connection.open(path, SQLITE_OPEN_READWRITE, busyTimeoutMs);
    if (status == ERROR_SUCCESS) {
        status = connection.exec("BEGIN");
    }
    if (status == ERROR_SUCCESS) {
        status = checkIdentity(connection, absent);
    }
    if (status != ERROR_SUCCESS && status != ERROR_FILE_CORRUPT && status != ERROR_INVALID_DATA &&
        status != ERROR_BUSY && facts.logMode && !hasLogFiles(path) &&
        folderWriteError(path) != 0) {
        // Without its log, the file holds every change; the folder is
        // read-only, so no writer can start a log beside it.
        Connection immutable;
        status = immutable.open(immutableUri(path), SQLITE_OPEN_READONLY | SQLITE_OPEN_URI,
                                busyTimeoutMs);
        if (status == ERROR_SUCCESS) {
            status = immutable.exec("BEGIN");
        }
        if (status == ERROR_SUCCESS) {
            status = checkIdentity(immutable, absent);
        }
        connection.swap(immutable);
    }
    return companionStatus(path, status);
}

// Runs one change in a write transaction on the store, created when it does
// not exist and `mayCreate`; otherwise the change answers `whenAbsent`
// without creating anything. The change gets whether the store was empty (its
// schema is in place by then) and returns a status; only ERROR_SUCCESS
// commits.
template <typename Change>
DWORD runChange(const QString& file, int busyTimeoutMs, bool mayCreate, DWORD whenAbsent,
                Change change) {
    const QByteArray path = QFile::encodeName(file);
    FileFacts facts;
    DWORD status = inspect(path, &facts);
    if (status != ERROR_SUCCESS) {
        return status;
    }
    if (facts.kind == FileFacts::Foreign) {
        return ERROR_INVALID_DATA;
    }
    if (facts.kind == FileFacts::Missing && !mayCreate) {
        return whenAbsent;
    }
    int flags = SQLITE_OPEN_READWRITE;
    if (facts.kind == FileFacts::Missing) {
        QFileInfo info(file);
        if (!info.isSymLink()) {
            const int error = makeFolders(info.absolutePath());
            if (error != 0) {
                return storeStatusOfErrno(error);
            }
        }
        flags |= SQLITE_OPEN_CREATE;
    }
    Connection connection;
    status = connection.open(path, flags, busyTimeoutMs);
    if (status == ERROR_SUCCESS) {
        status = connection.exec(facts.logMode ? "PRAGMA synchronous = NORMAL"
                                               : "PRAGMA synchronous = FULL");
    }
    if (status == ERROR_SUCCESS) {
        status = connection.exec("BEGIN IMMEDIATE");
    }
    bool empty = false;
    if (status == ERROR_SUCCESS) {
        status = checkIdentity(connection, &empty);
    }
    if (status == ERROR_SUCCESS && empty) {
        if (!mayCreate) {
            status = whenAbsent;
        } else {
            status = connection.exec(kSchema);
        }
    }
    if (status == ERROR_SUCCESS) {
        status = change(connection, empty);
    }
    if (status == ERROR_SUCCESS) {
        status = connection.exec("COMMIT");
    }
    if (status != ERROR_SUCCESS) {
        connection.rollback();
        return facts.kind == FileFacts::Missing ? status : companionStatus(path, status);
    }
    if (!facts.logMode) {
        // A new store, or one left in rollback-journal mode: from now on in
        // the log. Should this fail (another process reading), the next
        // change tries again.
        connection.exec("PRAGMA journal_mode = WAL");
    }
    connection.checkpointIfDue();
    return ERROR_SUCCESS;
}

void readPort(const Statement& row, int first, StoredPort* port) {
    port->protocol = row.text(first);
    port->proxyEnabled = row.text(first + 1);
    port->proxyName = row.text(first + 2);
    port->proxyPort = row.text(first + 3);
    port->logicalPrinter = row.text(first + 4);
    port->secure = row.text(first + 5);
    port->monitoring = row.text(first + 6);
    port->community = row.text(first + 7);
}

// Binds name and settings to ?1 ... ?9.
void bindPort(Statement& statement, const StoredPort& port) {
    statement.bind(1, port.name);
    statement.bind(2, port.protocol);
    statement.bind(3, port.proxyEnabled);
    statement.bind(4, port.proxyName);
    statement.bind(5, port.proxyPort);
    statement.bind(6, port.logicalPrinter);
    statement.bind(7, port.secure);
    statement.bind(8, port.monitoring);
    statement.bind(9, port.community);
}

DWORD readTimeout(Connection& connection, int* timeout) {
    Statement statement(connection, "SELECT timeout FROM monitor WHERE id = 1");
    *timeout = kDefaultTimeout;
    if (statement.step()) {
        const int stored = statement.integer(0);
        if (validTimeout(stored)) {
            *timeout = stored;
        }
        return ERROR_SUCCESS;
    }
    return statement.status();
}

DWORD writeTimeout(Connection& connection, int timeout) {
    Statement statement(connection, "INSERT INTO monitor (id, timeout) VALUES (1, ?1) "
                                    "ON CONFLICT (id) DO UPDATE SET timeout = excluded.timeout");
    statement.bind(1, timeout);
    return statement.run();
}

// Reads the port into *port; ERROR_UNKNOWN_PORT when the store does not hold it.
DWORD findPort(Connection& connection, const QString& name, StoredPort* port) {
    const QByteArray sql = QByteArray("SELECT ") + kPortColumns + " FROM ports WHERE name = ?1";
    Statement statement(connection, sql.constData());
    statement.bind(1, name);
    if (statement.step()) {
        port->name = name;
        readPort(statement, 0, port);
        return ERROR_SUCCESS;
    }
    const DWORD status = statement.status();
    return status != ERROR_SUCCESS ? status : ERROR_UNKNOWN_PORT;
}

DWORD insertPort(Connection& connection, const StoredPort& port) {
    const QByteArray sql = QByteArray("INSERT INTO ports (name, ") + kPortColumns +
                           ") VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9)";
    Statement statement(connection, sql.constData());
    bindPort(statement, port);
    return statement.run();
}

DWORD updatePort(Connection& connection, const StoredPort& port) {
    Statement statement(connection,
                        "UPDATE ports SET protocol = ?2, proxy_enabled = ?3, proxy_name = ?4, "
                        "proxy_port = ?5, logical_printer = ?6, secure = ?7, monitoring = ?8, "
                        "community = ?9 WHERE name = ?1");
    bindPort(statement, port);
    return statement.run();
}

// Whether a command on the port of that name can reach the store at all: a
// store file is named, and the name can be stored exactly.
DWORD nameStatus(const QString& path, const QString& name) {
    if (path.isEmpty()) {
        return ERROR_PATH_NOT_FOUND;
    }
    return storableExactly(name) ? ERROR_SUCCESS : ERROR_INVALID_NAME;
}

// Applies the edit to the port and the monitor's time out, then writes the
// port with `write` (insert or update) and the time out when it changed. The
// port keeps its name whatever the edit does.
DWORD writeEdited(Connection& connection, StoredPort& port, int timeout,
                  const PortStore::Edit& edit, DWORD (*write)(Connection&, const StoredPort&)) {
    const QString name = port.name;
    const int before = timeout;
    edit(port, timeout);
    port.name = name;
    DWORD status = storableStatus(port);
    if (status == ERROR_SUCCESS) {
        status = write(connection, port);
    }
    if (status == ERROR_SUCCESS && timeout != before) {
        status = writeTimeout(connection, timeout);
    }
    return status;
}

} // namespace

bool parseTimeout(const QString& text, int* minutes) {
    if (text.isEmpty()) {
        return false;
    }
    for (const QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9')) {
            return false;
        }
    }
    bool ok = false;
    const uint value = text.toUInt(&ok);
    if (!ok || value > 120 || !validTimeout(static_cast<int>(value))) {
        return false;
    }
    *minutes = static_cast<int>(value);
    return true;
}

PortStore::PortStore(QString file) : path(std::move(file)), busyTimeoutMs(kDefaultBusyTimeoutMs) {}

DWORD PortStore::names(QStringList* names) const {
    names->clear();
    if (path.isEmpty()) {
        return ERROR_PATH_NOT_FOUND;
    }
    Connection connection;
    bool absent = false;
    DWORD status = beginReading(QFile::encodeName(path), busyTimeoutMs, connection, &absent);
    if (status != ERROR_SUCCESS || absent) {
        return status;
    }
    {
        Statement statement(connection, "SELECT name FROM ports");
        while (statement.step()) {
            names->append(statement.text(0));
        }
        status = statement.status();
    }
    if (status == ERROR_SUCCESS && names->isEmpty()) {
        status = confirmIntact(connection);
    }
    if (status != ERROR_SUCCESS) {
        names->clear();
        return status;
    }
    std::sort(names->begin(), names->end());
    return ERROR_SUCCESS;
}

DWORD PortStore::read(const QString& name, StoredPort* port, int* timeout) const {
    const DWORD checked = nameStatus(path, name);
    if (checked != ERROR_SUCCESS) {
        return checked;
    }
    Connection connection;
    bool absent = false;
    DWORD status = beginReading(QFile::encodeName(path), busyTimeoutMs, connection, &absent);
    if (status != ERROR_SUCCESS) {
        return status;
    }
    if (absent) {
        return ERROR_UNKNOWN_PORT;
    }
    status = findPort(connection, name, port);
    if (status == ERROR_UNKNOWN_PORT) {
        const DWORD intact = confirmIntact(connection);
        return intact != ERROR_SUCCESS ? intact : status;
    }
    if (status == ERROR_SUCCESS) {
        status = readTimeout(connection, timeout);
    }
    return status;
}

DWORD PortStore::holds(const QString& name, bool* held) const {
    StoredPort port;
    int timeout = kDefaultTimeout;
    const DWORD status = read(name, &port, &timeout);
    *held = status == ERROR_SUCCESS;
    return status == ERROR_UNKNOWN_PORT || status == ERROR_INVALID_NAME ? ERROR_SUCCESS : status;
}

DWORD PortStore::add(const QString& name, const Edit& edit) {
    const DWORD checked = nameStatus(path, name);
    if (checked != ERROR_SUCCESS) {
        return checked;
    }
    return runChange(path, busyTimeoutMs, true, ERROR_SUCCESS,
                     [&](Connection& connection, bool) -> DWORD {
                         StoredPort port;
                         DWORD status = findPort(connection, name, &port);
                         if (status == ERROR_SUCCESS) {
                             return ERROR_ALREADY_EXISTS;
                         }
                         if (status != ERROR_UNKNOWN_PORT) {
                             return status;
                         }
                         int timeout = kDefaultTimeout;
                         status = readTimeout(connection, &timeout);
                         if (status != ERROR_SUCCESS) {
                             return status;
                         }
                         port = StoredPort();
                         port.name = name;
                         return writeEdited(connection, port, timeout, edit, insertPort);
                     });
}

DWORD PortStore::update(const QString& name, const Edit& edit) {
    const DWORD checked = nameStatus(path, name);
    if (checked != ERROR_SUCCESS) {
        return checked;
    }
    return runChange(path, busyTimeoutMs, false, ERROR_UNKNOWN_PORT,
                     [&](Connection& connection, bool) -> DWORD {
                         StoredPort port;
                         DWORD status = findPort(connection, name, &port);
                         if (status == ERROR_UNKNOWN_PORT) {
                             const DWORD intact = confirmIntact(connection);
                             return intact != ERROR_SUCCESS ? intact : status;
                         }
                         int timeout = kDefaultTimeout;
                         if (status == ERROR_SUCCESS) {
                             status = readTimeout(connection, &timeout);
                         }
                         if (status != ERROR_SUCCESS) {
                             return status;
                         }
                         return writeEdited(connection, port, timeout, edit, updatePort);
                     });
}

DWORD PortStore::remove(const QString& name) {
    const DWORD checked = nameStatus(path, name);
    if (checked != ERROR_SUCCESS) {
        return checked;
    }
    return runChange(path, busyTimeoutMs, false, ERROR_UNKNOWN_PORT,
                     [&](Connection& connection, bool) -> DWORD {
                         Statement statement(connection, "DELETE FROM ports WHERE name = ?1");
                         statement.bind(1, name);
                         const DWORD status = statement.run();
                         if (status != ERROR_SUCCESS || sqlite3_changes(connection.db) > 0) {
                             return status;
                         }
                         const DWORD intact = confirmIntact(connection);
                         return intact != ERROR_SUCCESS ? intact : ERROR_UNKNOWN_PORT;
                     });
}

DWORD PortStore::create(const QList<StoredPort>& ports, int timeout, bool* created) {
    *created = false;
    if (path.isEmpty()) {
        return ERROR_PATH_NOT_FOUND;
    }
    for (const StoredPort& port : ports) {
        const DWORD status = storableStatus(port);
        if (status != ERROR_SUCCESS) {
            return status;
        }
    }
    if (!validTimeout(timeout)) {
        return ERROR_INVALID_PARAMETER;
    }
    return runChange(path, busyTimeoutMs, true, ERROR_SUCCESS,
                     [&](Connection& connection, bool empty) -> DWORD {
                         if (!empty) {
                             return ERROR_SUCCESS;
                         }
                         DWORD status = writeTimeout(connection, timeout);
                         for (qsizetype i = 0; status == ERROR_SUCCESS && i < ports.size(); ++i) {
                             status = insertPort(connection, ports[i]);
                         }
                         *created = status == ERROR_SUCCESS;
                         return status;
                     });
}

} // namespace spooler
