// The embedded port monitor, driven through the spooler's channel calls as the
// module drives it, and its store file.
#include "spooler/embeddedmonitor.h"
#include "spooler/spooler.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <sys/resource.h>

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

QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
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
        store = dir->filePath(QStringLiteral("config/ports.ini"));
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
        const QByteArray before = contents(store);
        const Result result = send(u"AddPort", input);
        QVERIFY(result.ok);
        QCOMPARE(result.status, DWORD(ERROR_INVALID_PARAMETER));
        QCOMPARE(contents(store), before);
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
        const QByteArray before = contents(store);
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
        QCOMPARE(contents(store), before);
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

    void unwritableStore() {
        // The store's directory is a file: nothing can be written.
        QFile blocker(dir->filePath("blocker"));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        auto blocked = std::make_shared<EmbeddedPortMonitor>(dir->filePath("blocker/ports.ini"));
        DWORD needed = 0, status = 0;
        const std::u16string add = kSocketAdd.toStdU16String();
        QVERIFY(blocked->xcvData(u"", false, u"AddPort", reinterpret_cast<const BYTE*>(add.c_str()),
                                 DWORD(2 * add.size() + 2), nullptr, 0, &needed, &status));
        QVERIFY(status != 0);
        QVERIFY(blocked->ports().isEmpty());
    }

    void writeFailingHalfWay() {
        QCOMPARE(send(u"AddPort", kSocketAdd).status, DWORD(0));
        const QByteArray before = contents(store);
        QVERIFY(!before.isEmpty());

        // Files of this process may not grow beyond the store's present size
        // (this holds for root too): the next, larger store cannot be written
        // completely.
        const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit previous{};
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &previous), 0);
        rlimit limited = previous;
        limited.rlim_cur = rlim_t(before.size());
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &limited), 0);
        const Result added = send(u"AddPort", kHttpAdd);
        const Result changed =
            send(u"SetProperties", kSocket + ";COMMUNITY=a-much-longer-community");
        setrlimit(RLIMIT_FSIZE, &previous);
        std::signal(SIGXFSZ, previousHandler);

        QVERIFY(added.ok);
        QVERIFY(added.status != 0);
        QVERIFY(changed.status != 0);
        QCOMPARE(contents(store), before);
        QCOMPARE(monitor->ports(), QStringList({kSocket}));
        QCOMPARE(QDir(QFileInfo(store).absolutePath()).entryList(QDir::Files),
                 QStringList({"ports.ini"}));

        // A later successful change brings neither failed change back.
        QCOMPARE(send(u"SetProperties", kSocket + ";MONITORING=OFF").status, DWORD(0));
        QCOMPARE(EmbeddedPortMonitor(store).ports(), QStringList({kSocket}));
        QVERIFY(properties(kSocket).endsWith(";MONITORING=OFF;COMMUNITY=tulvex"));
        QCOMPARE(send(u"AddPort", kHttpAdd).status, DWORD(0));
        QCOMPARE(monitor->ports(), QStringList({kSocket, kHttp}));
    }
};

QTEST_GUILESS_MAIN(EmbeddedMonitorTest)
#include "test_embeddedmonitor.moc"
