#include "bench/storebench.h"

#include "bench/figures.h"

#include "spooler/embeddedmonitor.h"
#include "spooler/portstore.h"

#include <QFile>
#include <QTemporaryDir>

#include <sqlite3.h>

#include <fcntl.h>
#include <sys/vfs.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <memory>
#include <numeric>
#include <string>
#include <vector>

namespace storebench {

namespace {

using Clock = std::chrono::steady_clock;

double millisecondsSince(Clock::time_point start) {
    return figures::millisecondsBetween(start, Clock::now());
}

struct Samples {
    std::vector<double> values;

    double median() const { return figures::median(values); }
    double mean() const {
        return values.empty() ? 0
                              : std::accumulate(values.begin(), values.end(), 0.0) / values.size();
    }
};

QString portName(int i) {
    return QStringLiteral("10.%1.%2.%3:9100").arg(i / 65536).arg(i / 256 % 256).arg(i % 256);
}

const char* const kSettings = ";PROT=SOCKET;MONITORING=ON;COMMUNITY=public";
constexpr int kCheckpointPages = 32; // as spooler/portstore.cpp

// The floor: a bare table of the same columns, in write-ahead log mode with
// the store's synchronous level and checkpoints (the log emptied once it holds
// 32 pages), opened for every statement as the monitor opens its store for
// every command. Each statement is its own transaction.
class Floor {
public:
    explicit Floor(const QString& file) : path(QFile::encodeName(file)) {}

    bool create(int count) {
        sqlite3* db = nullptr;
        bool ok = sqlite3_open(path.constData(), &db) == SQLITE_OK &&
                  exec(db, "PRAGMA journal_mode = WAL; CREATE TABLE ports (name TEXT PRIMARY "
                           "KEY NOT NULL, protocol TEXT NOT NULL, proxy_enabled TEXT NOT NULL, "
                           "proxy_name TEXT NOT NULL, proxy_port TEXT NOT NULL, logical_printer "
                           "TEXT NOT NULL, secure TEXT NOT NULL, monitoring TEXT NOT NULL, "
                           "community TEXT NOT NULL) WITHOUT ROWID; BEGIN");
        for (int i = 0; ok && i < count; ++i) {
            ok = statement(db, kInsert, portName(i), false);
        }
        ok = ok && exec(db, "COMMIT");
        sqlite3_db_config(db, SQLITE_DBCONFIG_NO_CKPT_ON_CLOSE, 1, nullptr);
        sqlite3_close(db);
        return ok;
    }

    // Milliseconds for one statement with its connection; negative on failure.
    double time(const char* sql, const QString& name, bool rows) {
        const Clock::time_point start = Clock::now();
        sqlite3* db = nullptr;
        bool ok =
            sqlite3_open_v2(path.constData(), &db, SQLITE_OPEN_READWRITE, nullptr) == SQLITE_OK;
        sqlite3_db_config(db, SQLITE_DBCONFIG_NO_CKPT_ON_CLOSE, 1, nullptr);
        int logPages = 0;
        sqlite3_wal_hook(
            db,
            [](void* pages, sqlite3*, const char*, int count) {
                *static_cast<int*>(pages) = count;
                return SQLITE_OK;
            },
            &logPages);
        ok = ok && exec(db, "PRAGMA synchronous = NORMAL") && statement(db, sql, name, rows);
        if (ok && logPages >= kCheckpointPages) {
            sqlite3_wal_checkpoint_v2(db, nullptr, SQLITE_CHECKPOINT_TRUNCATE, nullptr, nullptr);
        }
        sqlite3_close(db);
        return ok ? millisecondsSince(start) : -1;
    }

    static constexpr const char* kInsert =
        "INSERT INTO ports VALUES (?1, 'SOCKET', 'OFF', '', '', '', 'OFF', 'ON', 'public')";

private:
    static bool exec(sqlite3* db, const char* sql) {
        return sqlite3_exec(db, sql, nullptr, nullptr, nullptr) == SQLITE_OK;
    }

    static bool statement(sqlite3* db, const char* sql, const QString& name, bool rows) {
        sqlite3_stmt* stmt = nullptr;
        const QByteArray utf8 = name.toUtf8();
        bool ok = sqlite3_prepare_v2(db, sql, -1, &stmt, nullptr) == SQLITE_OK &&
                  (name.isEmpty() || sqlite3_bind_text(stmt, 1, utf8.constData(), int(utf8.size()),
                                                       SQLITE_TRANSIENT) == SQLITE_OK);
        int rc = SQLITE_ROW;
        int found = 0;
        while (ok && (rc = sqlite3_step(stmt)) == SQLITE_ROW) {
            ++found;
        }
        sqlite3_finalize(stmt);
        return ok && rc == SQLITE_DONE && (!rows || found > 0);
    }

    QByteArray path;
};

double timeCommand(spooler::EmbeddedPortMonitor& monitor, const char16_t* command,
                   const QString& text, bool* failed) {
    const std::u16string input = text.toStdU16String();
    DWORD needed = 0;
    DWORD status = 0;
    const Clock::time_point start = Clock::now();
    monitor.xcvData(u"", false, command, reinterpret_cast<const BYTE*>(input.c_str()),
                    DWORD(2 * input.size() + 2), nullptr, 0, &needed, &status);
    const double ms = millisecondsSince(start);
    *failed = *failed || status != 0;
    return ms;
}

// One store size under test.
struct Size {
    int ports = 0;
    std::unique_ptr<spooler::EmbeddedPortMonitor> monitor;
    std::unique_ptr<Floor> floor;
    Samples add, show, remove, list;
    Samples floorAdd, floorShow, floorRemove, floorList;
};

const char* fileSystemName(const QString& folder) {
    struct statfs info;
    if (statfs(QFile::encodeName(folder).constData(), &info) != 0) {
        return "unknown";
    }
    switch (static_cast<unsigned long>(info.f_type)) {
    case 0xEF53:
        return "ext2/3/4";
    case 0x01021994:
        return "tmpfs (not a disk!)";
    case 0x9123683E:
        return "btrfs";
    case 0x58465342:
        return "xfs";
    case 0x794C7630:
        return "overlayfs";
    default:
        return "other";
    }
}

// One 4 KiB write and fdatasync, as SQLite syncs a page.
double timeSync(const QString& folder) {
    const QByteArray path = QFile::encodeName(folder + QStringLiteral("/sync-probe"));
    const int fd = ::open(path.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    Samples samples;
    std::vector<char> page(4096, 'x');
    for (int i = 0; fd >= 0 && i < 20; ++i) {
        const Clock::time_point start = Clock::now();
        if (pwrite(fd, page.data(), page.size(), 0) == ssize_t(page.size()) && fdatasync(fd) == 0) {
            samples.values.push_back(millisecondsSince(start));
        }
    }
    if (fd >= 0) {
        ::close(fd);
    }
    ::unlink(path.constData());
    return samples.median();
}

using figures::verdict;

QString withMean(const Samples& samples) {
    return QStringLiteral("%1 ms (mean %2)")
        .arg(samples.median(), 0, 'f', 2)
        .arg(samples.mean(), 0, 'f', 2);
}

void row(const char* what, int ports, const Samples& monitor, const Samples& floor,
         const char* goal, bool met, bool information) {
    std::printf("| Store: %s, %d ports | %s | %.2f ms | %.2f | %s | %s |\n", what, ports,
                qPrintable(withMean(monitor)), floor.median(), monitor.median() / floor.median(),
                goal, information ? "" : verdict(met));
}

} // namespace

bool run(const QString& folder, int runs) {
    QTemporaryDir dir(folder + QStringLiteral("/netport-bench-store-XXXXXX"));
    if (!dir.isValid()) {
        std::fprintf(stderr, "netport-bench: cannot make a folder in %s\n", qPrintable(folder));
        return false;
    }
    std::printf("\nStore figures in %s, file system %s; one 4 KiB write with fdatasync there: "
                "%.2f ms (median of 20).\n",
                qPrintable(dir.path()), fileSystemName(dir.path()), timeSync(dir.path()));

    bool failed = false;
    std::vector<Size> sizes(3);
    const int counts[] = {100, 1000, 10000};
    for (size_t k = 0; k < sizes.size(); ++k) {
        Size& size = sizes[k];
        size.ports = counts[k];
        const QString store = dir.filePath(QStringLiteral("ports-%1.db").arg(size.ports));
        QList<spooler::StoredPort> ports;
        for (int i = 0; i < size.ports; ++i) {
            spooler::StoredPort port;
            port.name = portName(i);
            port.monitoring = QStringLiteral("ON");
            port.community = QStringLiteral("public");
            ports << port;
        }
        bool created = false;
        if (spooler::PortStore(store).create(ports, spooler::kDefaultTimeout, &created) != 0 ||
            !created) {
            std::fprintf(stderr, "netport-bench: cannot create %s\n", qPrintable(store));
            return false;
        }
        size.monitor = std::make_unique<spooler::EmbeddedPortMonitor>(store);
        size.floor =
            std::make_unique<Floor>(dir.filePath(QStringLiteral("floor-%1.db").arg(size.ports)));
        if (!size.floor->create(size.ports)) {
            std::fprintf(stderr, "netport-bench: cannot create the floor's table\n");
            return false;
        }
    }

    // Round 0 warms up (first log, page cache); the sizes take turns, so that
    // a slower stretch of the machine falls on all of them alike.
    for (int round = 0; round <= runs; ++round) {
        for (Size& size : sizes) {
            const QString added = QStringLiteral("bench-%1").arg(round);
            const QString shown = portName(round * 37 % size.ports);
            bool wrong = false;
            const double add = timeCommand(*size.monitor, u"AddPort", added + kSettings, &wrong);
            const double floorAdd = size.floor->time(Floor::kInsert, added, false);
            const Clock::time_point start = Clock::now();
            QString settings;
            wrong = wrong || size.monitor->portSettings(shown, &settings) != 0;
            const double show = millisecondsSince(start);
            const double floorShow =
                size.floor->time("SELECT * FROM ports WHERE name = ?1", shown, true);
            const double remove = timeCommand(*size.monitor, u"DeletePort", added, &wrong);
            const double floorRemove =
                size.floor->time("DELETE FROM ports WHERE name = ?1", added, false);
            const Clock::time_point listStart = Clock::now();
            QStringList names;
            wrong = wrong || size.monitor->listPorts(&names) != 0 || names.size() != size.ports;
            const double list = millisecondsSince(listStart);
            const double floorList = size.floor->time("SELECT name FROM ports", QString(), true);
            if (wrong || floorAdd < 0 || floorShow < 0 || floorRemove < 0 || floorList < 0) {
                failed = true;
            }
            if (round > 0) {
                size.add.values.push_back(add);
                size.show.values.push_back(show);
                size.remove.values.push_back(remove);
                size.list.values.push_back(list);
                size.floorAdd.values.push_back(floorAdd);
                size.floorShow.values.push_back(floorShow);
                size.floorRemove.values.push_back(floorRemove);
                size.floorList.values.push_back(floorList);
            }
        }
    }
    if (failed) {
        std::fprintf(stderr, "netport-bench: a store operation failed\n");
    }

    std::printf("\nMedians (and means) of %d runs; the floor is the same statement on a bare "
                "SQLite table, its connection opened for it as the monitor opens its store.\n\n",
                runs);
    std::printf("| Measure | Monitor | Floor | Ratio | Goal | Verdict |\n");
    std::printf("|---|---:|---:|---:|---|---|\n");
    for (const Size& size : sizes) {
        const bool largest = size.ports == 10000;
        row("add a port (AddPort)", size.ports, size.add, size.floorAdd,
            largest ? "< 5 ms" : "(information)", size.add.median() < 5, !largest);
        row("delete a port (DeletePort)", size.ports, size.remove, size.floorRemove,
            largest ? "< 5 ms" : "(information)", size.remove.median() < 5, !largest);
        row("show a port (netport show)", size.ports, size.show, size.floorShow, "< 2 ms",
            size.show.median() < 2, false);
        row("list the ports (netport list)", size.ports, size.list, size.floorList, "(information)",
            true, true);
    }
    const double addGrowth = sizes[2].add.median() / sizes[0].add.median();
    const double removeGrowth = sizes[2].remove.median() / sizes[0].remove.median();
    std::printf("| Store: time per change, 10,000 against 100 ports | add %.2f, delete %.2f | | "
                "| <= 1.5 (flat) | %s |\n",
                addGrowth, removeGrowth, verdict(addGrowth <= 1.5 && removeGrowth <= 1.5));
    return !failed;
}

} // namespace storebench
