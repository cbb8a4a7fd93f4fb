// netport as a real process: it loads the shipped module at run time, as the
// spooler does, and runs the operations against the embedded port monitor.
#include "spooler/embeddedmonitor.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace {

struct Run {
    int exitCode = -1;
    QString out;
    QString err;
};

Run netport(const QStringList& arguments,
            const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment()) {
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(NETPORT_PATH), arguments);
    Run run;
    if (!process.waitForFinished(60000)) {
        process.kill();
        return run;
    }
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

// Adds a port to the store the way the port monitor's own command does.
void addPort(const QString& store, const std::u16string& settings) {
    spooler::EmbeddedPortMonitor monitor(store);
    DWORD needed = 0, status = 1;
    const BOOL ok =
        monitor.xcvData(u"", false, u"AddPort", reinterpret_cast<const BYTE*>(settings.c_str()),
                        DWORD(2 * settings.size() + 2), nullptr, 0, &needed, &status);
    QVERIFY(ok);
    QCOMPARE(status, DWORD(0));
}

} // namespace

class NetportTest : public QObject {
    Q_OBJECT
private slots:
    void deletesAPortThroughTheModule() {
        QTemporaryDir dir;
        const QString store = dir.filePath(QStringLiteral("ports.ini"));
        addPort(store, u"10.0.0.5:9100;PROT=SOCKET;MONITORING=ON;COMMUNITY=tulvex;");
        addPort(store, u"http://10.0.0.7/elp2;PROT=HTTP;HTTP_PROXY_ENABLED=OFF;HTTP_PROXY_NAME=;"
                       u"HTTP_PROXY_PORT=;HTTP_PROXY_LPRINTER=lp2;HTTP_SECURE=ON;MONITORING=OFF;"
                       u"COMMUNITY=tulvex;");

        Run list = netport({QStringLiteral("--store"), store, QStringLiteral("list")});
        QCOMPARE(list.exitCode, 0);
        QCOMPARE(list.out, QStringLiteral("10.0.0.5:9100\nhttp://10.0.0.7/elp2\n"));

        Run show = netport({QStringLiteral("--store"), store, QStringLiteral("show"),
                            QStringLiteral("10.0.0.5:9100")});
        QCOMPARE(show.exitCode, 0);
        QVERIFY2(show.out.startsWith(QStringLiteral("10.0.0.5:9100;PROT=SOCKET;TIMEOUT=5;")),
                 qPrintable(show.out));
        QVERIFY(show.out.contains(QStringLiteral(";MONITORING=ON;COMMUNITY=tulvex")));

        Run del = netport({QStringLiteral("--store"), store, QStringLiteral("delete"),
                           QStringLiteral("10.0.0.5:9100")});
        QCOMPARE(del.exitCode, 0);
        QCOMPARE(del.out, QStringLiteral("  DeletePort \"10.0.0.5:9100\" -> status 0\n"
                                         "delete: succeeded\n"));
        list = netport({QStringLiteral("--store"), store, QStringLiteral("list")});
        QCOMPARE(list.out, QStringLiteral("http://10.0.0.7/elp2\n"));

        // The port is gone: no monitor owns that name any more.
        del = netport({QStringLiteral("--store"), store, QStringLiteral("delete"),
                       QStringLiteral("10.0.0.5:9100")});
        QCOMPARE(del.exitCode, 1);
        QCOMPARE(del.out, QStringLiteral("delete: failed, last error 1801 (invalid printer or "
                                         "monitor name)\n"));

        // A server name other than this machine is refused by the spooler.
        del = netport({QStringLiteral("--store"), store, QStringLiteral("--server"),
                       QStringLiteral("\\\\elsewhere"), QStringLiteral("delete"),
                       QStringLiteral("http://10.0.0.7/elp2")});
        QCOMPARE(del.exitCode, 1);
        QVERIFY(del.out.contains(QStringLiteral("last error 1801")));
        del = netport({QStringLiteral("--store"), store, QStringLiteral("--server"),
                       QStringLiteral("\\\\localhost"), QStringLiteral("delete"),
                       QStringLiteral("http://10.0.0.7/elp2")});
        QCOMPARE(del.exitCode, 0);
        list = netport({QStringLiteral("--store"), store, QStringLiteral("list")});
        QVERIFY(list.out.startsWith(QStringLiteral("(no ports in ")));
    }

    void refusesBadCommandLines() {
        QTemporaryDir dir;
        const QString store = dir.filePath(QStringLiteral("ports.ini"));
        const QList<QStringList> bad = {
            {},
            {QStringLiteral("frobnicate")},
            {QStringLiteral("delete")},
            {QStringLiteral("show"), QStringLiteral("a"), QStringLiteral("b")},
            {QStringLiteral("list"), QStringLiteral("extra")},
            {QStringLiteral("--store")},
            {QStringLiteral("--colour"), QStringLiteral("list")},
        };
        for (const QStringList& arguments : bad) {
            const Run run = netport(arguments);
            QVERIFY2(run.exitCode == 2, qPrintable(arguments.join(QLatin1Char(' '))));
            QVERIFY(!run.err.isEmpty());
        }
        const Run noModule = netport({QStringLiteral("--store"), store, QStringLiteral("--module"),
                                      dir.filePath(QStringLiteral("missing.so")),
                                      QStringLiteral("delete"), QStringLiteral("p")});
        QCOMPARE(noModule.exitCode, 1);
        QVERIFY(noModule.err.contains(QStringLiteral("cannot load the module")));

        const Run help = netport({QStringLiteral("--help")});
        QCOMPARE(help.exitCode, 0);
        QVERIFY(help.out.contains(QStringLiteral("delete PORT")));
    }

    // Windows that cannot open are an error the program reports, not a crash.
    void windowsThatCannotOpenAreReported() {
        QTemporaryDir dir;
        const QString store = dir.filePath(QStringLiteral("ports.ini"));
        addPort(store, u"10.0.0.5:9100;PROT=SOCKET;MONITORING=ON;COMMUNITY=tulvex;");
        QProcessEnvironment bogus = QProcessEnvironment::systemEnvironment();
        bogus.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("nosuchplatform"));
        QProcessEnvironment nowhere = QProcessEnvironment::systemEnvironment();
        nowhere.remove(QStringLiteral("QT_QPA_PLATFORM"));
        nowhere.remove(QStringLiteral("XDG_SESSION_TYPE"));
        nowhere.insert(QStringLiteral("DISPLAY"), QStringLiteral(":4299"));
        const struct {
            QProcessEnvironment environment;
            QString error;
        } cases[] = {
            {bogus, QStringLiteral("last error 126 (")},
            {nowhere, QStringLiteral("last error 4319 (")},
        };
        for (const auto& c : cases) {
            for (const QStringList& command :
                 {QStringList{QStringLiteral("add")},
                  QStringList{QStringLiteral("configure"), QStringLiteral("10.0.0.5:9100")}}) {
                const Run run =
                    netport(QStringList{QStringLiteral("--store"), store} + command, c.environment);
                QCOMPARE(run.exitCode, 1);
                QVERIFY2(run.out.contains(c.error), qPrintable(run.out));
                // Nothing crossed to the port monitor.
                QVERIFY2(!run.out.contains(QStringLiteral("GetProperties")), qPrintable(run.out));
                QVERIFY(run.err.contains(QStringLiteral("netport tour")));
            }
        }
        const Run list = netport({QStringLiteral("--store"), store, QStringLiteral("list")});
        QCOMPARE(list.out, QStringLiteral("10.0.0.5:9100\n"));
        const Run del = netport({QStringLiteral("--store"), store, QStringLiteral("delete"),
                                 QStringLiteral("10.0.0.5:9100")},
                                bogus);
        QCOMPARE(del.exitCode, 0);
    }
};

QTEST_GUILESS_MAIN(NetportTest)
#include "test_netport.moc"
