// The embedded port monitor's store as separate processes reach it: writers
// killed in the middle of their changes, eight writers at once, a read-only
// folder and a full file system. The processes are store_worker
// (store_worker.cpp); the last two run in a new user and mount namespace,
// where the test may mount file systems.
#include <QDir>
#include <QElapsedTimer>
#include <QMap>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>
#include <vector>

namespace {

// The lines a worker printed, "COMMAND ARGUMENT -> STATUS[ = REPLY]".
QStringList linesOf(const QByteArray& output) {
    return QString::fromUtf8(output).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

QStringList work(const QStringList& arguments) {
    QProcess worker;
    worker.start(QStringLiteral(STORE_WORKER), arguments);
    if (!worker.waitForFinished(60000) || worker.exitCode() != 0) {
        return {QStringLiteral("worker failed: ") +
                QString::fromUtf8(worker.readAllStandardError())};
    }
    return linesOf(worker.readAllStandardOutput());
}

// Runs the script with sh in a new user and mount namespace, with $W the
// worker and the variables given. False, with the reason, where this machine
// does not allow such a namespace.
bool inNamespace(const QString& script, const QMap<QString, QString>& variables, QStringList* lines,
                 QString* why) {
    QProcess shell;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("W"), QStringLiteral(STORE_WORKER));
    for (auto it = variables.cbegin(); it != variables.cend(); ++it) {
        environment.insert(it.key(), it.value());
    }
    shell.setProcessEnvironment(environment);
    shell.start(QStringLiteral("unshare"),
                {QStringLiteral("-rm"), QStringLiteral("sh"), QStringLiteral("-ec"), script});
    if (!shell.waitForFinished(60000)) {
        *why = QStringLiteral("unshare did not finish");
        return false;
    }
    *lines = linesOf(shell.readAllStandardOutput());
    *why = QString::fromUtf8(shell.readAllStandardError()).trimmed();
    return shell.exitStatus() == QProcess::NormalExit && shell.exitCode() == 0;
}

// Skips the test where no user and mount namespace can be made.
#define REQUIRE_NAMESPACE()                                                                        \
    do {                                                                                           \
        QStringList ignored;                                                                       \
        QString why;                                                                               \
        if (!inNamespace(QStringLiteral("mount -t tmpfs tmpfs /mnt"), {}, &ignored, &why)) {       \
            QSKIP(qPrintable(QStringLiteral("no user and mount namespace here (unshare -rm): ") +  \
                             why));                                                                \
        }                                                                                          \
    } while (false)

// Only the store and its log files lie beside it.
QString litterBeside(const QString& store) {
    const QStringList files =
        QDir(QFileInfo(store).absolutePath()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    for (const QString& file : files) {
        if (!QRegularExpression(QStringLiteral("^ports\\.db(-wal|-shm)?$"))
                 .match(file)
                 .hasMatch()) {
            return file;
        }
    }
    return {};
}

} // namespace

class StoreProcessesTest : public QObject {
    Q_OBJECT
private slots:
    // 30 writers killed (SIGKILL) at different points of their changes, the
    // first one while it creates the store: every change a writer saw
    // succeed is kept, the next change succeeds at once, nothing is left
    // beside the store.
    void killedWritersLoseNothing() {
        QTemporaryDir dir;
        const QString store = dir.filePath(QStringLiteral("ports.db"));
        QSet<QString> added;
        QMap<QString, QString> communities;
        for (int round = 0; round < 30; ++round) {
            QProcess writer;
            writer.start(QStringLiteral(STORE_WORKER),
                         {store, QStringLiteral("churn"), QStringLiteral("r%1:100000").arg(round)});
            QVERIFY(writer.waitForStarted());
            QByteArray output;
            const int answered = round % 5; // changes to see answered before the kill
            while (output.count('\n') < answered && writer.waitForReadyRead(10000)) {
                output += writer.readAllStandardOutput();
            }
            if (answered == 0) {
                QTest::qSleep(round % 3);
            }
            writer.kill();
            QVERIFY(writer.waitForFinished(10000));
            output += writer.readAllStandardOutput();

            QStringList query{store, QStringLiteral("list"), QStringLiteral("-")};
            for (const QString& line : linesOf(output)) {
                const QStringList parts = line.split(QLatin1Char(' '));
                QCOMPARE(parts.value(3), QStringLiteral("0"));
                if (parts[0] == QLatin1String("add")) {
                    added.insert(parts[1]);
                } else {
                    communities.insert(parts[1], QStringLiteral("c") + parts[1].section('-', 1));
                }
            }
            for (auto it = communities.cbegin(); it != communities.cend(); ++it) {
                query << QStringLiteral("get") << it.key();
            }
            const QStringList found = work(query);
            QVERIFY2(found.value(0).startsWith(QLatin1String("list - -> 0")),
                     qPrintable(found.value(0)));
            const QStringList names = found[0].split(QLatin1Char(' ')).mid(5);
            const QSet<QString> held(names.begin(), names.end());
            for (const QString& name : added) {
                QVERIFY2(held.contains(name),
                         qPrintable(QStringLiteral("round %1 lost %2").arg(round).arg(name)));
            }
            int index = 1;
            for (auto it = communities.cbegin(); it != communities.cend(); ++it, ++index) {
                QVERIFY2(found.value(index).endsWith(QLatin1String(";COMMUNITY=") + it.value()),
                         qPrintable(found.value(index)));
            }

            QElapsedTimer next;
            next.start();
            const QStringList probe =
                work({store, QStringLiteral("add"), QStringLiteral("probe-%1").arg(round)});
            QCOMPARE(probe, QStringList{QStringLiteral("add probe-%1 -> 0").arg(round)});
            QVERIFY2(next.elapsed() < 3000, qPrintable(QString::number(next.elapsed())));
            added.insert(QStringLiteral("probe-%1").arg(round));
        }
        QVERIFY(added.size() > 40);
        QCOMPARE(litterBeside(store), QString());
    }

    // Eight processes changing different ports at once: none refused, none
    // lost.
    void concurrentWritersAllSucceed() {
        QTemporaryDir dir;
        const QString store = dir.filePath(QStringLiteral("ports.db"));
        std::vector<std::unique_ptr<QProcess>> writers;
        for (int k = 0; k < 8; ++k) {
            writers.push_back(std::make_unique<QProcess>());
            writers.back()->start(QStringLiteral(STORE_WORKER), {store, QStringLiteral("churn"),
                                                                 QStringLiteral("w%1:20").arg(k)});
        }
        for (auto& writer : writers) {
            QVERIFY(writer->waitForFinished(60000));
            const QStringList lines = linesOf(writer->readAllStandardOutput());
            QCOMPARE(lines.size(), 40);
            for (const QString& line : lines) {
                QVERIFY2(line.endsWith(QLatin1String(" -> 0")), qPrintable(line));
            }
        }
        const QStringList found = work({store, QStringLiteral("list"), QStringLiteral("-"),
                                        QStringLiteral("get"), QStringLiteral("w7-19")});
        QCOMPARE(found.value(0).count(QLatin1Char(' ')), 4 + 160);
        QVERIFY(found.value(1).endsWith(QLatin1String(";COMMUNITY=c19")));
    }

    // A store in a read-only folder is read, with its log files beside it
    // and without them, and every change answers 5.
    void readOnlyFolder() {
        REQUIRE_NAMESPACE();
        QTemporaryDir dir;
        const QString store = dir.filePath(QStringLiteral("ports.db"));
        QCOMPARE(
            work({store, QStringLiteral("add"), QStringLiteral("a;COMMUNITY=x"),
                  QStringLiteral("add"), QStringLiteral("b")}),
            QStringList({QStringLiteral("add a;COMMUNITY=x -> 0"), QStringLiteral("add b -> 0")}));
        const QString script = QStringLiteral(
            "mount --bind \"$D\" \"$D\"; mount -o remount,bind,ro \"$D\"\n"
            "\"$W\" \"$D/ports.db\" list - get a add c delete b set 'a;COMMUNITY=y'\n");
        const QStringList expected = {
            QStringLiteral("list - -> 0 = a b"),
            QStringLiteral("get a -> 0 = a;PROT=SOCKET;TIMEOUT=5;HTTP_PROXY_ENABLED=OFF;"
                           "HTTP_PROXY_NAME=;HTTP_PROXY_PORT=;HTTP_PROXY_LPRINTER=;"
                           "HTTP_SECURE=OFF;MONITORING=OFF;COMMUNITY=x"),
            QStringLiteral("add c -> 5"), QStringLiteral("delete b -> 5"),
            QStringLiteral("set a;COMMUNITY=y -> 5")};
        for (const bool withLog : {true, false}) {
            if (!withLog) {
                QCOMPARE(work({store, QStringLiteral("checkpoint"), QStringLiteral("-")}),
                         QStringList{QStringLiteral("checkpoint - -> 0")});
                QVERIFY(!QFileInfo::exists(store + QStringLiteral("-shm")));
            }
            QStringList lines;
            QString why;
            QVERIFY2(inNamespace(script, {{QStringLiteral("D"), dir.path()}}, &lines, &why),
                     qPrintable(why));
            QCOMPARE(lines, expected);
        }
    }

    // On a full file system every change answers 112 and changes nothing;
    // reading goes on; once there is space again, the same changes succeed.
    void fullFileSystem() {
        REQUIRE_NAMESPACE();
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("small")));
        const QString big = QString(5000, QLatin1Char('b'));
        const QString script = QStringLiteral(
            "mount -t tmpfs -o size=256k tmpfs \"$D/small\"\n"
            "S=\"$D/small/ports.db\"\n"
            "\"$W\" \"$S\" add a add b add c\n"
            "cp \"$S\" \"$D/before.db\"\n"
            "dd if=/dev/zero of=\"$D/small/filler\" bs=4096 2>/dev/null || true\n"
            "\"$W\" \"$S\" list - add \"d;COMMUNITY=$B\" set a\\;COMMUNITY=changed delete b get c\n"
            "cmp \"$S\" \"$D/before.db\" && echo unchanged\n"
            "rm \"$D/small/filler\"\n"
            "\"$W\" \"$S\" add \"d;COMMUNITY=$B\" set a\\;COMMUNITY=changed delete b list -\n");
        QStringList lines;
        QString why;
        QVERIFY2(inNamespace(script,
                             {{QStringLiteral("D"), dir.path()}, {QStringLiteral("B"), big}},
                             &lines, &why),
                 qPrintable(why));
        const QString full = QStringLiteral(" -> 112");
        const QStringList expected = {
            QStringLiteral("add a -> 0"),
            QStringLiteral("add b -> 0"),
            QStringLiteral("add c -> 0"),
            QStringLiteral("list - -> 0 = a b c"),
            QStringLiteral("add d;COMMUNITY=") + big + full,
            QStringLiteral("set a;COMMUNITY=changed") + full,
            QStringLiteral("delete b") + full,
            QStringLiteral("get c -> 0 = c;PROT=SOCKET;TIMEOUT=5;HTTP_PROXY_ENABLED=OFF;"
                           "HTTP_PROXY_NAME=;HTTP_PROXY_PORT=;HTTP_PROXY_LPRINTER=;"
                           "HTTP_SECURE=OFF;MONITORING=OFF;COMMUNITY="),
            QStringLiteral("unchanged"),
            QStringLiteral("add d;COMMUNITY=") + big + QStringLiteral(" -> 0"),
            QStringLiteral("set a;COMMUNITY=changed -> 0"),
            QStringLiteral("delete b -> 0"),
            QStringLiteral("list - -> 0 = a c d")};
        QCOMPARE(lines, expected);
    }
};

QTEST_GUILESS_MAIN(StoreProcessesTest)
#include "test_storeprocesses.moc"
