// netport as a real process: it loads the shipped module at run time, as the
// spooler does, and runs the operations against the embedded port monitor.
#include "spooler/embeddedmonitor.h"
#include "spooler/portstore.h"
#include "spooler/storetesting.h"

#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

namespace {

struct Run {
    int exitCode = -1; // -1 also when a signal ended the process
    QString out;
    QString err;
};

Run runProgram(const QString& program, const QStringList& arguments,
               const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment()) {
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
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

Run netport(const QStringList& arguments,
            const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment()) {
    return runProgram(QStringLiteral(NETPORT_PATH), arguments, environment);
}

// The environment of a session without a display: X on a display that does
// not exist.
QProcessEnvironment withoutDisplay() {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"QT_QPA_PLATFORM", "XDG_SESSION_TYPE", "WAYLAND_DISPLAY"}) {
        environment.remove(QLatin1String(name));
    }
    environment.insert(QStringLiteral("DISPLAY"), QStringLiteral(":4299"));
    return environment;
}

QString readText(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
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
    // Where the programs started by the tests keep their logs.
    QTemporaryDir state;
private slots:
    void initTestCase() {
        QVERIFY(state.isValid());
        qputenv("XDG_STATE_HOME", QFile::encodeName(state.path()));
    }

    void deletesAPortThroughTheModule() {
        QTemporaryDir dir;
        const QString store = dir.filePath(QStringLiteral("ports.db"));
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
        const QString store = dir.filePath(QStringLiteral("ports.db"));
        const QList<QStringList> bad = {
            {},
            {QStringLiteral("frobnicate")},
            {QStringLiteral("delete")},
            {QStringLiteral("show"), QStringLiteral("a"), QStringLiteral("b")},
            {QStringLiteral("list"), QStringLiteral("extra")},
            {QStringLiteral("--store")},
            {QStringLiteral("--colour"), QStringLiteral("list")},
            {QStringLiteral("--store"), QString(), QStringLiteral("list")},
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
        const QString store = dir.filePath(QStringLiteral("ports.db"));
        addPort(store, u"10.0.0.5:9100;PROT=SOCKET;MONITORING=ON;COMMUNITY=tulvex;");
        QProcessEnvironment bogus = QProcessEnvironment::systemEnvironment();
        bogus.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("nosuchplatform"));
        const QProcessEnvironment nowhere = withoutDisplay();
        const struct {
            QProcessEnvironment environment;
            QString error;
            bool displayHint;
        } cases[] = {
            {bogus, QStringLiteral("last error 126 ("), false},
            {nowhere, QStringLiteral("last error 4319 ("), true},
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
                QCOMPARE(run.err.contains(QStringLiteral("netport tour")), c.displayHint);
            }
        }
        const Run list = netport({QStringLiteral("--store"), store, QStringLiteral("list")});
        QCOMPARE(list.out, QStringLiteral("10.0.0.5:9100\n"));
        const Run del = netport({QStringLiteral("--store"), store, QStringLiteral("delete"),
                                 QStringLiteral("10.0.0.5:9100")},
                                bogus);
        QCOMPARE(del.exitCode, 0);
    }

    // The terminal shows what happened: the module's trace goes to the log,
    // and to standard error only with --verbose; a failure shows its cause.
    void diagnosticsGoToTheLog() {
        QTemporaryDir dir;
        const QString store = dir.filePath(QStringLiteral("ports.db"));
        addPort(store, u"10.0.0.5:9100;PROT=SOCKET;MONITORING=ON;COMMUNITY=tulvex;");
        QProcessEnvironment environment = withoutDisplay();
        environment.insert(QStringLiteral("XDG_STATE_HOME"), dir.filePath(QStringLiteral("state")));
        const QString log = dir.filePath(QStringLiteral("state/netport/netport.log"));
        const QStringList add = {QStringLiteral("--store"), store, QStringLiteral("add")};
        const QString cause = QStringLiteral("cannot open the display for (");

        const Run quiet = netport(add, environment);
        QCOMPARE(quiet.exitCode, 1);
        QVERIFY2(quiet.err.startsWith(QStringLiteral("netport: ") + cause), qPrintable(quiet.err));
        QCOMPARE(quiet.err.count(QLatin1Char('\n')), 3); // the cause and the display hint
        QString logged = readText(log);
        QVERIFY2(logged.contains(QStringLiteral(" netport --store %1 add\n").arg(store)),
                 qPrintable(logged));
        QVERIFY(logged.contains(QStringLiteral(" AddPorUI\n")) && logged.contains(cause));

        const Run loud = netport(QStringList{QStringLiteral("--verbose")} + add, environment);
        QVERIFY2(loud.err.startsWith(QStringLiteral("AddPorUI\n")), qPrintable(loud.err));
        QCOMPARE(loud.err.count(cause), 1);

        const Run removed = netport({QStringLiteral("--store"), store, QStringLiteral("delete"),
                                     QStringLiteral("10.0.0.5:9100")},
                                    environment);
        QCOMPARE(removed.exitCode, 0);
        QCOMPARE(removed.err, QString());
        QVERIFY(readText(log).count(QStringLiteral(" AddPorUI\n")) == 2);

        // A full log is kept as netport.log.1 and started afresh.
        {
            QFile full(log);
            QVERIFY(full.open(QIODevice::Append));
            full.write(QByteArray(1024 * 1024, 'x'));
        }
        QCOMPARE(netport(add, environment).exitCode, 1);
        QVERIFY(QFileInfo(log + QStringLiteral(".1")).size() > 1024 * 1024);
        logged = readText(log);
        QVERIFY(logged.size() < 4096 && logged.contains(cause));

        // A log that cannot be written is said once, and the command still runs.
        environment.insert(QStringLiteral("XDG_STATE_HOME"), store);
        const Run unlogged = netport(add, environment);
        QVERIFY2(unlogged.out.contains(QStringLiteral("last error 4319")),
                 qPrintable(unlogged.out));
        QCOMPARE(unlogged.err.count(QStringLiteral("netport: cannot write the log ")), 1);
        QVERIFY(unlogged.err.contains(cause));
    }

    void versionsNamed() {
        const Run run = netport({QStringLiteral("--version")});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.out, QStringLiteral("netport %1\nmodule %1 (%2)\nstore schema %3\nQt %4\n")
                              .arg(QStringLiteral(PROJECT_VERSION), QStringLiteral(MODULE_PATH))
                              .arg(spooler::kSchemaVersion)
                              .arg(QLatin1String(qVersion())));
        QTemporaryDir dir;
        const Run missing =
            netport({QStringLiteral("--module"), dir.filePath(QStringLiteral("missing.so")),
                     QStringLiteral("--version")});
        QCOMPARE(missing.exitCode, 1);
        QVERIFY(missing.out.contains(QStringLiteral("module unknown (")));
        QVERIFY(
            missing.err.startsWith(QStringLiteral("netport: cannot read the module's version")));
    }

    void storeFailuresReported_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("said");
        const QString notAStore = QStringLiteral("is not a port store (last error 13)\n");
        const QString damaged = QStringLiteral(": last error 1392 (the store is damaged)\n");
        QTest::newRow("text file") << "text" << notAStore;
        QTest::newRow("random bytes") << "random" << notAStore;
        QTest::newRow("directory") << "directory" << notAStore;
        QTest::newRow("damaged store") << "damaged" << damaged;
        QTest::newRow("truncated store") << "truncated" << damaged;
    }

    // Every command on a store that cannot be read fails with the store's
    // status; nothing is written.
    void storeFailuresReported() {
        QFETCH(QString, kind);
        QFETCH(QString, said);
        QTemporaryDir dir;
        const QString store = dir.filePath(QStringLiteral("ports.db"));
        if (kind == QLatin1String("text")) {
            QVERIFY(storetesting::writeFile(store, "10.0.0.5:9100\n[Oops\n"));
        } else if (kind == QLatin1String("random")) {
            QByteArray bytes(4096, 0);
            QRandomGenerator(99).fillRange(reinterpret_cast<quint32*>(bytes.data()), 1024);
            QVERIFY(storetesting::writeFile(store, bytes));
        } else if (kind == QLatin1String("directory")) {
            QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("ports.db")));
        } else {
            QVERIFY(storetesting::fill(store, 300));
            QVERIFY(storetesting::checkpoint(store));
            if (kind == QLatin1String("damaged")) {
                QVERIFY(storetesting::overwritePage(store, storetesting::rootPageOfPorts(store),
                                                    char(0xA5)));
            } else {
                QVERIFY(QFile::resize(store, QFileInfo(store).size() / 2));
            }
        }
        const QByteArray before = storetesting::contents(store);
        const QString code =
            said.contains(QLatin1String("1392"))
                ? QStringLiteral("1392 (the store is damaged)")
                : QStringLiteral("13 (invalid data: the file is not a port store)");

        const Run list = netport({QStringLiteral("--store"), store, QStringLiteral("list")});
        QCOMPARE(list.exitCode, 1);
        QCOMPARE(list.out, QString());
        QVERIFY2(list.err.endsWith(said), qPrintable(list.err));
        const Run show = netport(
            {QStringLiteral("--store"), store, QStringLiteral("show"), QStringLiteral("p0001")});
        QCOMPARE(show.exitCode, 1);
        QVERIFY2(show.err.endsWith(said), qPrintable(show.err));
        const Run del = netport(
            {QStringLiteral("--store"), store, QStringLiteral("delete"), QStringLiteral("p0001")});
        QCOMPARE(del.exitCode, 1);
        QCOMPARE(del.out, QStringLiteral("delete: failed, last error ") + code + QLatin1Char('\n'));
        QVERIFY2(del.err.endsWith(said), qPrintable(del.err));
        QCOMPARE(storetesting::contents(store), before);
    }

    void linkedStoreKept() {
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("real")));
        const QString target = dir.filePath(QStringLiteral("real/ports.db"));
        const QString link = dir.filePath(QStringLiteral("ports.db"));
        addPort(target, u"10.0.0.5:9100;PROT=SOCKET;");
        addPort(target, u"10.0.0.6:9100;PROT=SOCKET;");
        QVERIFY(QFile::link(QStringLiteral("real/ports.db"), link));
        // The temporary folder is not needed either.
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("TMPDIR"), QStringLiteral("/proc/no-such-folder"));
        const Run del = runProgram(QStringLiteral(NETPORT_PATH),
                                   {QStringLiteral("--store"), link, QStringLiteral("delete"),
                                    QStringLiteral("10.0.0.5:9100")},
                                   environment);
        QCOMPARE(del.exitCode, 0);
        QVERIFY(QFileInfo(link).isSymLink());
        QCOMPARE(spooler::EmbeddedPortMonitor(target).ports(), QStringList{"10.0.0.6:9100"});
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::System),
                 QStringList{QStringLiteral("ports.db")});
    }

    // One port per line, whatever its name holds.
    void namesPrintedEscaped() {
        QTemporaryDir dir;
        const QString store = dir.filePath(QStringLiteral("ports.db"));
        addPort(store, u"line\nbreak;COMMUNITY=\x1b[31mred");
        addPort(store, u"\x1b[2Jclear;PROT=HTTP");
        addPort(store, u"tab\tand\rreturn\u202e;PROT=SOCKET");
        const Run list = netport({QStringLiteral("--store"), store, QStringLiteral("list")});
        QCOMPARE(list.exitCode, 0);
        QCOMPARE(list.out,
                 QStringLiteral("\\x1b[2Jclear\nline\\nbreak\ntab\\tand\\rreturn\\u202e\n"));
        const Run show = netport({QStringLiteral("--store"), store, QStringLiteral("show"),
                                  QStringLiteral("line\nbreak")});
        QCOMPARE(show.exitCode, 0);
        QVERIFY2(show.out.startsWith(QStringLiteral("line\\nbreak;PROT=SOCKET;")),
                 qPrintable(show.out));
        QVERIFY(show.out.endsWith(QStringLiteral(";COMMUNITY=\\x1b[31mred\n")));
        QCOMPARE(show.out.count(QLatin1Char('\n')), 1);
        const Run missing = netport(
            {QStringLiteral("--store"), store, QStringLiteral("show"), QStringLiteral("no\nport")});
        QCOMPARE(missing.exitCode, 1);
        QCOMPARE(missing.err,
                 QStringLiteral("netport: no port no\\nport in ") + store + QLatin1Char('\n'));
    }

    // A file-size limit or a closed output ends the command with a message
    // and a failure, never with a signal.
    void writeLimitsReported() {
        QTemporaryDir dir;
        const QString store = dir.filePath(QStringLiteral("ports.db"));
        QVERIFY(storetesting::fill(store, 2000));
        QVERIFY(storetesting::checkpoint(store));
        const QString half = QString::number(QFileInfo(store).size() / 2);
        const QString prlimit = QStringLiteral("prlimit");
        // A change costs a few pages of log, not a rewrite of the store.
        Run del = runProgram(prlimit, {QStringLiteral("--fsize=") + half,
                                       QStringLiteral(NETPORT_PATH), QStringLiteral("--store"),
                                       store, QStringLiteral("delete"), QStringLiteral("p0001")});
        QCOMPARE(del.exitCode, 0);
        del = runProgram(prlimit, {QStringLiteral("--fsize=4096"), QStringLiteral(NETPORT_PATH),
                                   QStringLiteral("--store"), store, QStringLiteral("delete"),
                                   QStringLiteral("p0002")});
        QCOMPARE(del.exitCode, 1);
        QCOMPARE(del.out, QStringLiteral("delete: failed, last error 223 (the file would exceed "
                                         "the file-size limit)\n"));
        QStringList ports;
        QCOMPARE(spooler::EmbeddedPortMonitor(store).listPorts(&ports), DWORD(0));
        QCOMPARE(ports.size(), 1999);
        QVERIFY(ports.contains(QStringLiteral("p0002")));

        // The reader is gone before netport writes its list.
        const Run closed = runProgram(QStringLiteral("bash"),
                                      {QStringLiteral("-c"),
                                       QStringLiteral("set -o pipefail; (sleep 0.5; exec \"$0\" "
                                                      "--store \"$1\" list) | true"),
                                       QStringLiteral(NETPORT_PATH), store});
        QCOMPARE(closed.exitCode, 1);
        QVERIFY2(closed.err.startsWith(QStringLiteral("netport: cannot write the output")),
                 qPrintable(closed.err));
    }

    void fullDiskReported() {
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("small")));
        QProcess shell;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("D"), dir.path());
        environment.insert(QStringLiteral("W"), QStringLiteral(STORE_WORKER));
        environment.insert(QStringLiteral("N"), QStringLiteral(NETPORT_PATH));
        const Run run = runProgram(
            QStringLiteral("unshare"),
            {QStringLiteral("-rm"), QStringLiteral("sh"), QStringLiteral("-ec"),
             QStringLiteral("mount -t tmpfs -o size=256k tmpfs \"$D/small\"\n"
                            "\"$W\" \"$D/small/ports.db\" add a add b >/dev/null\n"
                            "dd if=/dev/zero of=\"$D/small/filler\" bs=4096 2>/dev/null || true\n"
                            "\"$N\" --store \"$D/small/ports.db\" delete a || echo \"exit $?\"\n"
                            "\"$N\" --store \"$D/small/ports.db\" list\n")},
            environment);
        if (run.exitCode != 0 && run.out.isEmpty()) {
            QSKIP(qPrintable(QStringLiteral("no user and mount namespace here (unshare -rm): ") +
                             run.err.trimmed()));
        }
        QCOMPARE(run.out, QStringLiteral("  DeletePort \"a\" -> status 112\n"
                                         "delete: failed, last error 112 (the disk is full)\n"
                                         "exit 1\na\nb\n"));
        QVERIFY(run.err.contains(QStringLiteral("last error 112 (the disk is full)")));
    }

    // The first run with the default store carries the INI version's store
    // over, once, and leaves the INI file as it was.
    void oldStoreCarriedOver() {
        QTemporaryDir home;
        const QString ini = home.filePath(QStringLiteral("config/netport/ports.ini"));
        QVERIFY(QDir().mkpath(QFileInfo(ini).absolutePath()));
        QVERIFY(QFile::copy(QStringLiteral(LEGACY_INI), ini));
        const QByteArray iniBefore = storetesting::contents(ini);
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("HOME"), home.path());
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"),
                           home.filePath(QStringLiteral("config")));
        environment.insert(QStringLiteral("XDG_DATA_HOME"), home.filePath(QStringLiteral("data")));
        const QString store = home.filePath(QStringLiteral("data/netport/ports.db"));

        const Run list =
            runProgram(QStringLiteral(NETPORT_PATH), {QStringLiteral("list")}, environment);
        QCOMPARE(list.exitCode, 0);
        QCOMPARE(list.out,
                 QStringLiteral("10.0.0.5:9100\n\\\\srv\\queue [ü]=1/2\nhttp://10.0.0.7/elp2\n"));
        QCOMPARE(list.err,
                 QStringLiteral("netport: carried 3 ports over from %1 into %2 (the old file is "
                                "left as it was)\n")
                     .arg(ini, store));
        QCOMPARE(storetesting::contents(ini), iniBefore);

        const Run show = runProgram(
            QStringLiteral(NETPORT_PATH),
            {QStringLiteral("show"), QStringLiteral("http://10.0.0.7/elp2")}, environment);
        QCOMPARE(show.err, QString());
        QCOMPARE(show.out,
                 QStringLiteral("http://10.0.0.7/elp2;PROT=HTTP;TIMEOUT=7;HTTP_PROXY_ENABLED=ON;"
                                "HTTP_PROXY_NAME=proxy;HTTP_PROXY_PORT=8080;"
                                "HTTP_PROXY_LPRINTER=lp2;HTTP_SECURE=ON;MONITORING=OFF;"
                                "COMMUNITY=a,b\n"));
    }
};

QTEST_GUILESS_MAIN(NetportTest)
#include "test_netport.moc"
