// The embedded port monitor, driven through the spooler's channel calls as the
// module drives it, and its store file.
#include "fulldisk.h"
#include "storetesting.h"

#include "spooler/embeddedmonitor.h"
#include "spooler/scriptablemonitor.h"
#include "spooler/spooler.h"

#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <sqlite3.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <csignal>
#include <cstring>
#include <vector>

using spooler::EmbeddedPortMonitor;

namespace {

const QString kSocket = QStringLiteral("10.0.0.5:9100");
const QString kSocketAdd =
    QStringLiteral("10.0.0.5:9100;PROT=SOCKET;MONITORING=ON;COMMUNITY=tulvex;");
const QString kSocketFull = QStringLiteral(
    "10.0.0.5:9100;PROT=SOCKET;TIMEOUT=5;HTTP_PROXY_ENABLED=OFF;HTTP_PROXY_NAME=;"
    "HTTP_PROXY_PORT=;HTTP_PROXY_LPRINTER=;HTTP_SECURE=OFF;MONITORING=ON;COMMUNITY=tulvex");
const QString kHttp = QStringLiteral("http://10.0.0.5/lp1");
const QString kHttpAdd = QStringLiteral(
    "http://10.0.0.5/lp1;PROT=HTTP;HTTP_PROXY_ENABLED=ON;HTTP_PROXY_NAME=192.168.1.1;"
    "HTTP_PROXY_PORT=8080;HTTP_PROXY_LPRINTER=lp1;HTTP_SECURE=OFF;MONITORING=OFF;COMMUNITY="
    "tulvex;");

struct Result {
    BOOL ok = FALSE;
    DWORD status = 0xFFFF;
    DWORD needed = 0xFFFF;
};

// The files of the store's folder.
QStringList filesBeside(const QString& store) {
    return QDir(QFileInfo(store).absolutePath()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
}

} // namespace

class EmbeddedMonitorTest : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> dir;
    QString store;
    std::shared_ptr<EmbeddedPortMonitor> monitor;
    HANDLE channel = nullptr;

    // Sends the command with the text as input (NUL-terminated, counted with
    // the terminator) on the monitor channel, without output.
    Result send(const char16_t* command, const QString& input, HANDLE on = nullptr) {
        std::u16string text = input.toStdU16String();
        Result result;
        result.ok =
            XcvDataW(on ? on : channel, command, reinterpret_cast<PBYTE>(text.data()),
                     DWORD(2 * text.size() + 2), nullptr, 0, &result.needed, &result.status);
        return result;
    }

    // Fetches the settings string as the module does: size query, then fetch.
    QString properties(const QString& port) {
        const Result query = send(u"GetProperties", port);
        if (query.status != ERROR_INSUFFICIENT_BUFFER) {
            return QStringLiteral("status %1").arg(query.status);
        }
        std::u16string name = port.toStdU16String();
        std::vector<char16_t> reply(query.needed / 2);
        DWORD needed = 0, status = 0;
        XcvDataW(channel, u"GetProperties", reinterpret_cast<PBYTE>(name.data()),
                 DWORD(2 * name.size() + 2), reinterpret_cast<PBYTE>(reply.data()), query.needed,
                 &needed, &status);
        if (status != 0 || reply.empty() || reply.back() != 0) {
            return QStringLiteral("fetch status %1").arg(status);
        }
        return QString::fromUtf16(reply.data());
    }

private slots:
    void init() {
        dir = std::make_unique<QTemporaryDir>();
        QVERIFY(dir->isValid());
        store = dir->filePath(QStringLiteral("config/ports.db"));
        monitor = std::make_shared<EmbeddedPortMonitor>(store);
        spooler::unregisterAllMonitors();
        spooler::registerMonitor(spooler::kEmbeddedMonitorName, monitor);
        std::u16string name = u",XcvMonitor VARDENO Port Monitor";
        PRINTER_DEFAULTSW defaults{nullptr, nullptr, SERVER_ACCESS_ADMINISTER};
        QVERIFY(OpenPrinterW(name.data(), &channel, &defaults));
    }

    void cleanup() {
        QVERIFY(ClosePrinter(channel));
        spooler::unregisterAllMonitors();
        dir.reset();
    }

    void addAndGet() {
        Result added = send(u"AddPort", kSocketAdd);
        QVERIFY(added.ok);
        QCOMPARE(added.status, DWORD(0));
        QCOMPARE(send(u"AddPort", kSocketAdd).status, DWORD(ERROR_ALREADY_EXISTS));
        QCOMPARE(send(u"AddPort", kHttpAdd).status, DWORD(0));
        QCOMPARE(monitor->ports(), QStringList({kSocket, kHttp}));

        // Size query: no output, then one byte short; the size counts the terminator.
        const Result query = send(u"GetProperties", kSocket);
        QVERIFY(query.ok);
        QCOMPARE(query.status, DWORD(ERROR_INSUFFICIENT_BUFFER));
        QCOMPARE(query.needed, DWORD(2 * kSocketFull.size() + 2));
        std::u16string name = kSocket.toStdU16String();
        std::vector<BYTE> buffer(query.needed, 0xEE);
        DWORD needed = 0, status = 0;
        QVERIFY(XcvDataW(channel, u"GetProperties", reinterpret_cast<PBYTE>(name.data()),
                         DWORD(2 * name.size() + 2), buffer.data(), query.needed - 1, &needed,
                         &status));
        QCOMPARE(status, DWORD(ERROR_INSUFFICIENT_BUFFER));
        QCOMPARE(needed, query.needed);
        QCOMPARE(buffer[0], BYTE(0xEE));

        QCOMPARE(properties(kSocket), kSocketFull);
        QCOMPARE(monitor->settingsString(kSocket), kSocketFull);
        QCOMPARE(properties(kHttp),
                 QStringLiteral("http://10.0.0.5/lp1;PROT=HTTP;TIMEOUT=5;HTTP_PROXY_ENABLED=ON;"
                                "HTTP_PROXY_NAME=192.168.1.1;HTTP_PROXY_PORT=8080;"
                                "HTTP_PROXY_LPRINTER=lp1;HTTP_SECURE=OFF;MONITORING=OFF;"
                                "COMMUNITY=tulvex"));

        // The configure channel is routed to the monitor by the port name.
        HANDLE portChannel = nullptr;
        std::u16string portChannelName = u"\\,XcvPort http://10.0.0.5/lp1";
        PRINTER_DEFAULTSW defaults{nullptr, nullptr, SERVER_ACCESS_ADMINISTER};
        QVERIFY(OpenPrinterW(portChannelName.data(), &portChannel, &defaults));
        QCOMPARE(send(u"DeletePort", kHttp, portChannel).status, DWORD(0));
        QVERIFY(ClosePrinter(portChannel));
        QCOMPARE(send(u"GetProperties", kHttp).status, DWORD(ERROR_UNKNOWN_PORT));
        QCOMPARE(send(u"DeletePort", kHttp).status, DWORD(ERROR_UNKNOWN_PORT));
        QCOMPARE(send(u"SetProperties", kHttp + ";COMMUNITY=x").status, DWORD(ERROR_UNKNOWN_PORT));
        QCOMPARE(OpenPrinterW(portChannelName.data(), &portChannel, &defaults), FALSE);
        QCOMPARE(GetLastError(), DWORD(ERROR_INVALID_PRINTER_NAME));
        QCOMPARE(monitor->ports(), QStringList({kSocket}));
    }

    void inputReadWithinItsSize() {
        // Only the first six bytes are the input: "p1" and its terminator.
        std::u16string text = u"p1\0;PROT=HTTP;COMMUNITY=x";
        text[2] = u'\0';
        DWORD needed = 0, status = 0;
        QVERIFY(XcvDataW(channel, u"AddPort", reinterpret_cast<PBYTE>(text.data()), 6, nullptr, 0,
                         &needed, &status));
        QCOMPARE(status, DWORD(0));
        // Unterminated and odd: "p2" and half a unit.
        std::u16string second = u"p2;PROT=HTTP";
        QVERIFY(XcvDataW(channel, u"AddPort", reinterpret_cast<PBYTE>(second.data()), 5, nullptr, 0,
                         &needed, &status));
        QCOMPARE(status, DWORD(0));
        QCOMPARE(monitor->ports(), QStringList({"p1", "p2"}));
        QVERIFY(monitor->settingsString("p2").startsWith("p2;PROT=SOCKET;"));
    }

    void malformedAddStoresNothing_data() {
        QTest::addColumn<QString>("input");
        QTest::newRow("empty") << "";
        QTest::newRow("no port name") << ";PROT=SOCKET;MONITORING=ON;";
        QTest::newRow("item without =") << "p;PROT;MONITORING=ON";
        QTest::newRow("unknown key") << "p;PROT=SOCKET;QUEUE=lp";
        QTest::newRow("key in lower case") << "p;prot=SOCKET";
        QTest::newRow("blank before key") << "p; PROT=SOCKET";
        QTest::newRow("other protocol") << "p;PROT=LPR";
        QTest::newRow("switch in lower case") << "p;MONITORING=on";
        QTest::newRow("switch not ON/OFF") << "p;PROT=HTTP;HTTP_SECURE=YES";
        QTest::newRow("time out 0") << "p;TIMEOUT=0";
        QTest::newRow("time out not a number") << "p;TIMEOUT=5m";
    }

    void malformedAddStoresNothing() {
        QFETCH(QString, input);
        QCOMPARE(send(u"AddPort", kSocketAdd).status, DWORD(0));
        const QByteArray before = storetesting::contents(store);
        const Result result = send(u"AddPort", input);
        QVERIFY(result.ok);
        QCOMPARE(result.status, DWORD(ERROR_INVALID_PARAMETER));
        QCOMPARE(storetesting::contents(store), before);
        QCOMPARE(monitor->ports(), QStringList({kSocket}));
    }

    void setProperties() {
        QCOMPARE(send(u"AddPort", kSocketAdd).status, DWORD(0));
        QCOMPARE(send(u"AddPort", kHttpAdd).status, DWORD(0));
        const QString httpBefore = monitor->settingsString(kHttp);

        // Only the carried keys change.
        QCOMPARE(send(u"SetProperties", kSocket + ";COMMUNITY=public;HTTP_PROXY_NAME=proxy").status,
                 DWORD(0));
        QString expected = kSocketFull;
        expected.replace("COMMUNITY=tulvex", "COMMUNITY=public")
            .replace("HTTP_PROXY_NAME=;", "HTTP_PROXY_NAME=proxy;");
        QCOMPARE(properties(kSocket), expected);
        QCOMPARE(properties(kHttp), httpBefore);

        // The time out belongs to the monitor: every port shows the new one.
        QCOMPARE(send(u"SetProperties", kHttp + ";TIMEOUT=030").status, DWORD(0));
        QVERIFY(properties(kSocket).contains(";TIMEOUT=30;"));
        QVERIFY(properties(kHttp).contains(";TIMEOUT=30;"));

        // What the properties dialog sends.
        QCOMPARE(send(u"SetProperties", kSocket +
                                            ";TIMEOUT=120;HTTP_PROXY_ENABLED=OFF;HTTP_PROXY_NAME=;"
                                            "HTTP_PROXY_PORT=0;MONITORING=OFF;COMMUNITY=tulvex")
                     .status,
                 DWORD(0));
        QCOMPARE(properties(kSocket),
                 "10.0.0.5:9100;PROT=SOCKET;TIMEOUT=120;HTTP_PROXY_ENABLED=OFF;HTTP_PROXY_NAME=;"
                 "HTTP_PROXY_PORT=0;HTTP_PROXY_LPRINTER=;HTTP_SECURE=OFF;MONITORING=OFF;"
                 "COMMUNITY=tulvex");

        // Refused changes leave everything as it was.
        const QByteArray before = storetesting::contents(store);
        for (const char* timeout : {"0", "121", "", "-5", "1e2", "99999999999"}) {
            const Result result =
                send(u"SetProperties", kSocket + ";COMMUNITY=zzz;TIMEOUT=" + timeout);
            QVERIFY(result.ok);
            QCOMPARE(result.status, DWORD(ERROR_INVALID_PARAMETER));
        }
        QCOMPARE(send(u"SetProperties", kSocket + ";COMMUNITY").status,
                 DWORD(ERROR_INVALID_PARAMETER));
        QCOMPARE(send(u"SetProperties", "10.0.0.6:9100;COMMUNITY=x").status,
                 DWORD(ERROR_UNKNOWN_PORT));
        QCOMPARE(send(u"SetProperties", "").status, DWORD(ERROR_INVALID_PARAMETER));
        QCOMPARE(storetesting::contents(store), before);
    }

    void unknownCommands() {
        QCOMPARE(send(u"AddPort", kSocketAdd).status, DWORD(0));
        for (const char16_t* command : {u"getproperties", u"AddPorts", u"", u"ConfigurePort"}) {
            const Result result = send(command, kSocket);
            QVERIFY(result.ok);
            QCOMPARE(result.status, DWORD(ERROR_INVALID_PARAMETER));
        }
        QCOMPARE(send(u"DeletePort", "").status, DWORD(ERROR_INVALID_PARAMETER));
        QCOMPARE(send(u"GetProperties", "").status, DWORD(ERROR_UNKNOWN_PORT));
        QCOMPARE(monitor->ports(), QStringList({kSocket}));
    }

    void persistsAcrossInstances() {
        const QString odd = QStringLiteral("\\\\srv\\queue [ü]=1,2/3");
        QCOMPARE(send(u"AddPort", kSocketAdd).status, DWORD(0));
        QCOMPARE(send(u"AddPort", kHttpAdd).status, DWORD(0));
        QCOMPARE(send(u"AddPort", odd + ";COMMUNITY=a,b;HTTP_PROXY_NAME=@x").status, DWORD(0));
        QCOMPARE(send(u"SetProperties", kHttp + ";TIMEOUT=7").status, DWORD(0));

        EmbeddedPortMonitor reopened(store);
        QCOMPARE(reopened.ports(), monitor->ports());
        QCOMPARE(reopened.ports().size(), 3);
        for (const QString& port : monitor->ports()) {
            QCOMPARE(reopened.settingsString(port), monitor->settingsString(port));
        }
        QVERIFY(reopened.settingsString(odd).contains(";HTTP_PROXY_NAME=@x;"));
        QVERIFY(reopened.settingsString(odd).endsWith(";COMMUNITY=a,b"));
        QVERIFY(reopened.settingsString(kSocket).contains(";TIMEOUT=7;"));

        // A change made by another instance (another process) is seen on the
        // next command, also when it keeps the file's size and modification
        // time (two writes within one tick of the file system's clock).
        QVERIFY(properties(kSocket).endsWith(";COMMUNITY=tulvex"));
        const QDateTime stamp = QFileInfo(store).lastModified();
        DWORD needed = 0, status = 0;
        const std::u16string set = (kSocket + ";COMMUNITY=public").toStdU16String() + u'\0';
        QVERIFY(reopened.xcvData(u"", false, u"SetProperties",
                                 reinterpret_cast<const BYTE*>(set.data()), DWORD(2 * set.size()),
                                 nullptr, 0, &needed, &status));
        QCOMPARE(status, DWORD(0));
        QFile file(store);
        QVERIFY(file.open(QIODevice::ReadWrite));
        QVERIFY(file.setFileTime(stamp, QFileDevice::FileModificationTime));
        file.close();
        QVERIFY(properties(kSocket).endsWith(";COMMUNITY=public"));
        QVERIFY(monitor->settingsString(kSocket).endsWith(";COMMUNITY=public"));
    }

    void unreachableFolder() {
        // The store's folder would be inside a file: nothing can be read or
        // written, and the status says why.
        QVERIFY(storetesting::writeFile(dir->filePath("blocker"), "x"));
        auto blocked = std::make_shared<EmbeddedPortMonitor>(dir->filePath("blocker/ports.db"));
        DWORD needed = 0, status = 0;
        const std::u16string add = kSocketAdd.toStdU16String();
        QVERIFY(blocked->xcvData(u"", false, u"AddPort", reinterpret_cast<const BYTE*>(add.c_str()),
                                 DWORD(2 * add.size() + 2), nullptr, 0, &needed, &status));
        QCOMPARE(status, DWORD(ERROR_PATH_NOT_FOUND));
        QStringList names{"stale"};
        QCOMPARE(blocked->listPorts(&names), DWORD(ERROR_PATH_NOT_FOUND));
        QVERIFY(names.isEmpty());
        QCOMPARE(storetesting::contents(dir->filePath("blocker")), QByteArray("x"));
    }

    void writeCutShortByFileSizeLimit() {
        QCOMPARE(send(u"AddPort", kSocketAdd).status, DWORD(0));
        // The file alone holds the store; the next change starts a new log.
        QVERIFY(storetesting::checkpoint(store));
        const QByteArray before = storetesting::contents(store);

        // Files of this process may not grow beyond 32 KiB (this holds for
        // root too): the log's index fits, a change of more than seven pages
        // does not and is cut off in the middle of its write.
        const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit previous{};
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &previous), 0);
        rlimit limited = previous;
        limited.rlim_cur = 32768;
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &limited), 0);
        const QString large = QString(40000, QLatin1Char('c'));
        const Result added = send(u"AddPort", kHttpAdd + ";COMMUNITY=" + large);
        const Result changed = send(u"SetProperties", kSocket + ";COMMUNITY=" + large);
        setrlimit(RLIMIT_FSIZE, &previous);
        std::signal(SIGXFSZ, previousHandler);

        QVERIFY(added.ok);
        QCOMPARE(added.status, DWORD(ERROR_FILE_TOO_LARGE));
        QCOMPARE(changed.status, DWORD(ERROR_FILE_TOO_LARGE));
        QCOMPARE(storetesting::contents(store), before);
        QCOMPARE(monitor->ports(), QStringList({kSocket}));
        QCOMPARE(properties(kSocket), kSocketFull);
        for (const QString& file : filesBeside(store)) {
            QVERIFY2(QRegularExpression("^ports\\.db(-wal|-shm)?$").match(file).hasMatch(),
                     qPrintable(file));
        }

        // A later successful change brings neither failed change back.
        QCOMPARE(send(u"SetProperties", kSocket + ";MONITORING=OFF").status, DWORD(0));
        QCOMPARE(EmbeddedPortMonitor(store).ports(), QStringList({kSocket}));
        QVERIFY(properties(kSocket).endsWith(";MONITORING=OFF;COMMUNITY=tulvex"));
        QCOMPARE(send(u"AddPort", kHttpAdd).status, DWORD(0));
        QCOMPARE(monitor->ports(), QStringList({kSocket, kHttp}));
    }

    void fullDiskAnswered() {
        QCOMPARE(send(u"AddPort", kSocketAdd).status, DWORD(0));
        QVERIFY(storetesting::checkpoint(store));
        const QByteArray before = storetesting::contents(store);
        const QString bigAdd = kHttpAdd + ";COMMUNITY=" + QString(6000, QLatin1Char('c'));
        {
            // No space at all: every change needs its log to grow.
            FullDisk disk(0);
            QCOMPARE(send(u"AddPort", bigAdd).status, DWORD(ERROR_DISK_FULL));
            QCOMPARE(send(u"SetProperties", kSocket + ";COMMUNITY=public").status,
                     DWORD(ERROR_DISK_FULL));
            QCOMPARE(send(u"DeletePort", kSocket).status, DWORD(ERROR_DISK_FULL));
            // Reading needs no space.
            QCOMPARE(properties(kSocket), kSocketFull);
            QVERIFY(disk.refused() >= 3);
        }
        // Space running out at every point of the change's write: each try
        // fails whole, until there is enough.
        int failures = 0;
        DWORD status = ERROR_DISK_FULL;
        for (sqlite3_int64 budget = 512; status == ERROR_DISK_FULL && budget < 65536;
             budget += 512) {
            FullDisk disk(budget);
            status = send(u"AddPort", bigAdd).status;
            if (status == ERROR_DISK_FULL) {
                ++failures;
                QCOMPARE(monitor->ports(), QStringList({kSocket}));
                QCOMPARE(storetesting::contents(store), before);
            }
        }
        QCOMPARE(status, DWORD(0));
        QVERIFY2(failures >= 8, qPrintable(QString::number(failures)));
        QCOMPARE(monitor->ports(), QStringList({kSocket, kHttp}));
        QVERIFY(properties(kHttp).endsWith(QString(6000, QLatin1Char('c'))));
        QCOMPARE(properties(kSocket), kSocketFull);
    }

    void busyStoreAnswered() {
        QCOMPARE(send(u"AddPort", kSocketAdd).status, DWORD(0));
        monitor->setBusyTimeout(200);
        {
            storetesting::WriteLock other(store);
            QVERIFY(other.held);
            QElapsedTimer waited;
            waited.start();
            QCOMPARE(send(u"AddPort", kHttpAdd).status, DWORD(ERROR_BUSY));
            QVERIFY(waited.elapsed() >= 150);
            QCOMPARE(send(u"DeletePort", kSocket).status, DWORD(ERROR_BUSY));
            // Readers do not wait for a writer.
            QCOMPARE(properties(kSocket), kSocketFull);
        }
        QCOMPARE(send(u"AddPort", kHttpAdd).status, DWORD(0));
        QCOMPARE(monitor->ports(), QStringList({kSocket, kHttp}));
    }

    void unstorableTextsRefused() {
        const QString lone = QString(QChar(0xD800));
        const QString printer = QString::fromUcs4(U"printer-\U0001F5A8");
        QCOMPARE(send(u"AddPort", "bad" + lone + ";PROT=SOCKET").status, DWORD(ERROR_INVALID_NAME));
        QCOMPARE(send(u"AddPort", "p;COMMUNITY=x" + QString(QChar(0xDC00))).status,
                 DWORD(ERROR_INVALID_PARAMETER));
        QCOMPARE(send(u"AddPort", printer + ";COMMUNITY=\U0001F5A8").status, DWORD(0));
        QCOMPARE(send(u"SetProperties", printer + ";HTTP_PROXY_NAME=" + lone).status,
                 DWORD(ERROR_INVALID_PARAMETER));
        QCOMPARE(send(u"DeletePort", lone).status, DWORD(ERROR_INVALID_NAME));
        QCOMPARE(monitor->ports(), QStringList({printer}));
        QVERIFY(properties(printer).startsWith(printer + ";PROT=SOCKET;"));
        QVERIFY(properties(printer).endsWith(";HTTP_PROXY_NAME=;HTTP_PROXY_PORT=;"
                                             "HTTP_PROXY_LPRINTER=;HTTP_SECURE=OFF;"
                                             "MONITORING=OFF;COMMUNITY=\U0001F5A8"));
    }

    void foreignFilesKept_data() {
        QTest::addColumn<QString>("kind");
        QTest::newRow("text file") << "text";
        QTest::newRow("random bytes") << "random";
        QTest::newRow("another program's database") << "database";
        QTest::newRow("store of a later version") << "later";
        QTest::newRow("directory") << "directory";
        QTest::newRow("named pipe") << "fifo";
    }

    // A file that is not a port store is never written, and every command
    // says so.
    void foreignFilesKept() {
        QFETCH(QString, kind);
        QVERIFY(QDir().mkpath(QFileInfo(store).absolutePath()));
        if (kind == "text") {
            QVERIFY(storetesting::writeFile(store, "Remember the milk.\n[Oops\n"));
        } else if (kind == "random") {
            QByteArray bytes(4096, 0);
            QRandomGenerator generator(1234);
            generator.fillRange(reinterpret_cast<quint32*>(bytes.data()), 1024);
            QVERIFY(storetesting::writeFile(store, bytes));
        } else if (kind == "database") {
            QVERIFY(storetesting::runSql(
                store, "CREATE TABLE notes (text); INSERT INTO notes VALUES ('x')"));
        } else if (kind == "later") {
            QVERIFY(storetesting::fill(store, 2));
            QVERIFY(storetesting::runSql(store, "PRAGMA user_version = 2"));
            QVERIFY(storetesting::checkpoint(store));
        } else if (kind == "directory") {
            QVERIFY(QDir().mkpath(store));
        } else {
            QCOMPARE(mkfifo(QFile::encodeName(store).constData(), 0600), 0);
        }
        const QByteArray before = kind == "fifo" ? QByteArray() : storetesting::contents(store);
        const QStringList besideBefore = filesBeside(store);

        QCOMPARE(send(u"AddPort", kSocketAdd).status, DWORD(ERROR_INVALID_DATA));
        QCOMPARE(send(u"SetProperties", "p0000;COMMUNITY=x").status, DWORD(ERROR_INVALID_DATA));
        QCOMPARE(send(u"DeletePort", "p0000").status, DWORD(ERROR_INVALID_DATA));
        QCOMPARE(send(u"GetProperties", "p0000").status, DWORD(ERROR_INVALID_DATA));
        QStringList names;
        QCOMPARE(monitor->listPorts(&names), DWORD(ERROR_INVALID_DATA));
        HANDLE portChannel = nullptr;
        std::u16string name = u",XcvPort p0000";
        PRINTER_DEFAULTSW defaults{nullptr, nullptr, SERVER_ACCESS_ADMINISTER};
        QCOMPARE(OpenPrinterW(name.data(), &portChannel, &defaults), FALSE);
        QCOMPARE(GetLastError(), DWORD(ERROR_INVALID_DATA));
        // A port of another monitor (asked after this one) is still reached.
        spooler::registerMonitor(u"Zeta Monitor", std::make_shared<spooler::ScriptableMonitor>(
                                                      std::set<std::u16string>{u"elsewhere"}));
        std::u16string other = u",XcvPort elsewhere";
        QVERIFY(OpenPrinterW(other.data(), &portChannel, &defaults));
        QVERIFY(ClosePrinter(portChannel));

        if (kind != "fifo") {
            QCOMPARE(storetesting::contents(store), before);
        }
        QStringList besideAfter = filesBeside(store);
        if (kind == "later") {
            // A reader of a store in write-ahead log mode starts its log.
            besideAfter.removeAll("ports.db-wal");
            besideAfter.removeAll("ports.db-shm");
        }
        QCOMPARE(besideAfter, besideBefore);
    }

    void damagedStoresReported_data() {
        QTest::addColumn<QString>("damage");
        QTest::newRow("cut in half") << "cut";
        QTest::newRow("table's first page zeroed") << "zeroed";
        QTest::newRow("a page of garbage in the middle") << "garbage";
    }

    // A damaged store is never taken for an empty one, and a command that
    // meets the damage changes nothing.
    void damagedStoresReported() {
        QFETCH(QString, damage);
        QVERIFY(QDir().mkpath(QFileInfo(store).absolutePath()));
        QVERIFY(storetesting::fill(store, 400));
        QVERIFY(storetesting::checkpoint(store));
        const qint64 size = QFileInfo(store).size();
        if (damage == "cut") {
            QVERIFY(QFile::resize(store, size / 2));
        } else if (damage == "zeroed") {
            QVERIFY(storetesting::overwritePage(store, storetesting::rootPageOfPorts(store), 0));
        } else {
            QVERIFY(storetesting::overwritePage(store, int(size / 4096 / 2), char(0xA5)));
        }
        const QByteArray before = storetesting::contents(store);

        QStringList names;
        QCOMPARE(monitor->listPorts(&names), DWORD(ERROR_FILE_CORRUPT));
        QVERIFY(names.isEmpty());
        if (damage != "garbage") {
            // Every command goes through the damage.
            QCOMPARE(send(u"AddPort", kSocketAdd).status, DWORD(ERROR_FILE_CORRUPT));
            QCOMPARE(send(u"SetProperties", "p0001;COMMUNITY=x").status, DWORD(ERROR_FILE_CORRUPT));
            QCOMPARE(send(u"DeletePort", "p0001").status, DWORD(ERROR_FILE_CORRUPT));
            QCOMPARE(send(u"GetProperties", "p0001").status, DWORD(ERROR_FILE_CORRUPT));
            HANDLE portChannel = nullptr;
            std::u16string name = u",XcvPort p0001";
            PRINTER_DEFAULTSW defaults{nullptr, nullptr, SERVER_ACCESS_ADMINISTER};
            QCOMPARE(OpenPrinterW(name.data(), &portChannel, &defaults), FALSE);
            QCOMPARE(GetLastError(), DWORD(ERROR_FILE_CORRUPT));
        }
        // A port the store cannot be shown not to hold is not called unknown.
        QCOMPARE(send(u"GetProperties", "no such port").status, DWORD(ERROR_FILE_CORRUPT));
        QCOMPARE(send(u"DeletePort", "no such port").status, DWORD(ERROR_FILE_CORRUPT));
        QCOMPARE(storetesting::contents(store), before);
    }

    void linkedStoreChangedWhereItPoints() {
        // The link exists before its target: the store is created there.
        QVERIFY(QDir().mkpath(dir->filePath("real")));
        QVERIFY(QDir().mkpath(dir->filePath("links")));
        const QString link = dir->filePath("links/ports.db");
        QVERIFY(QFile::link("../real/ports.db", link));
        EmbeddedPortMonitor linked(link);
        DWORD needed = 0, status = 0;
        for (const QString& command : {kSocketAdd, kHttpAdd}) {
            const std::u16string add = command.toStdU16String();
            QVERIFY(linked.xcvData(u"", false, u"AddPort",
                                   reinterpret_cast<const BYTE*>(add.c_str()),
                                   DWORD(2 * add.size() + 2), nullptr, 0, &needed, &status));
            QCOMPARE(status, DWORD(0));
        }
        const std::u16string remove = kHttp.toStdU16String();
        QVERIFY(linked.xcvData(u"", false, u"DeletePort",
                               reinterpret_cast<const BYTE*>(remove.c_str()),
                               DWORD(2 * remove.size() + 2), nullptr, 0, &needed, &status));
        QCOMPARE(status, DWORD(0));

        QVERIFY(QFileInfo(link).isSymLink());
        QCOMPARE(filesBeside(link), QStringList({"ports.db"}));
        QCOMPARE(EmbeddedPortMonitor(dir->filePath("real/ports.db")).ports(),
                 QStringList({kSocket}));
        QCOMPARE(linked.settingsString(kSocket), kSocketFull);
    }
};

QTEST_GUILESS_MAIN(EmbeddedMonitorTest)
#include "test_embeddedmonitor.moc"
