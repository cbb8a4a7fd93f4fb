// The toolkit application's lifetime, the catalogue and the log, in a process
// without an application of its own (like the print spooler's).
#include "platform/win32_testing.h"
#include "toolkit/application.h"
#include "toolkit/log.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <fcntl.h>
#include <sys/stat.h>

namespace {

QString capture(void (*action)()) {
    win32::beginDebugCapture();
    action();
    return QString::fromStdString(win32::endDebugCapture());
}

QString hex(const void* pointer) {
    return QString::number(reinterpret_cast<quintptr>(pointer), 16);
}

// Gives a directory the modification time `at` (milliseconds since the
// epoch), as a folder left alone for a while has, or one changed twice within
// one tick of a coarse clock.
void setModified(const QString& directory, qint64 at) {
    const timespec time = {static_cast<time_t>(at / 1000), static_cast<long>(at % 1000) * 1000000};
    const timespec times[2] = {time, time};
    QCOMPARE(utimensat(AT_FDCWD, QFile::encodeName(directory).constData(), times, 0), 0);
}

void copyCatalogue(const char* from, const QString& to) {
    QVERIFY(QFile::copy(QStringLiteral(TEST_CATALOGUE_DIR "/") + QLatin1String(from), to));
}

} // namespace

class ApplicationTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        QVERIFY(!QCoreApplication::instance());
        QCOMPARE(applicationUseCount(), 0);
        win32::setSystemDirectory(directory.path().toStdString());
    }
    void cleanupTestCase() { win32::setSystemDirectory(std::string()); }

    void createsKeepsAndDestroysTheApplication() {
        const QString first = capture(acquireApplication);
        QVERIFY(qApp);
        QVERIFY(applicationIsOwn());
        const QString dir = directory.path();
        QCOMPARE(first,
                 QStringLiteral("create pApp() app (0)\nvor create app (0)\ncreate app (%1)\n"
                                "count(0)\ncan't load translator file (%2/)\n"
                                "installTranslator\n")
                     .arg(hex(qApp), dir));
        QCoreApplication* app = qApp;

        const QString second = capture(acquireApplication);
        QCOMPARE(second, QStringLiteral("create pApp() app (%1)\n").arg(hex(app)));
        QCOMPARE(qApp, app);
        QCOMPARE(applicationUseCount(), 2);

        QCOMPARE(capture(releaseApplication),
                 QStringLiteral("delete pApp() app (%1)\n").arg(hex(app)));
        QCOMPARE(qApp, app);
        QCOMPARE(capture(releaseApplication),
                 QStringLiteral("delete pApp() app (%1)\n").arg(hex(app)));
        QVERIFY(!QCoreApplication::instance());
        QVERIFY(!applicationIsOwn());

        // A new application, with a new scan of the directory.
        const QString third = capture(acquireApplication);
        QVERIFY(third.contains(QStringLiteral("vor create app (0)")));
        QVERIFY(third.contains(QStringLiteral("count(0)")));
        QVERIFY(qApp);
        capture(releaseApplication);
        QVERIFY(!QCoreApplication::instance());
    }

    void extraReleaseOnlyCounts() {
        capture(releaseApplication);
        QCOMPARE(applicationUseCount(), -1);
        QVERIFY(!QCoreApplication::instance());
        // The next acquisition brings the count back to 0 and creates; the
        // application then lives until a release brings it to 0 again.
        capture(acquireApplication);
        QVERIFY(qApp);
        QCOMPARE(applicationUseCount(), 0);
        capture(acquireApplication);
        capture(releaseApplication);
        QVERIFY(!QCoreApplication::instance());
    }

    void choosesTheFirstCatalogueIgnoringCase() {
        copyCatalogue("catalogue_B.qm", directory.filePath(QStringLiteral("monitor_B.qm")));
        copyCatalogue("catalogue_a.qm", directory.filePath(QStringLiteral("monitor_a.qm")));
        copyCatalogue("catalogue_a.qm", directory.filePath(QStringLiteral("other.qm")));
        const QString log = capture(acquireApplication);
        QVERIFY2(log.contains(QStringLiteral("count(2)\ntranslator file loaded (%1/monitor_a.qm)\n")
                                  .arg(directory.path())),
                 qPrintable(log));
        QCOMPARE(QObject::tr("Port already exists"), QStringLiteral("catalogue a"));
        capture(releaseApplication);

        // The catalogue goes with its application; with monitor_a.qm gone the
        // next application takes monitor_B.qm.
        QVERIFY(QFile::remove(directory.filePath(QStringLiteral("monitor_a.qm"))));
        capture(acquireApplication);
        QCOMPARE(QObject::tr("Port already exists"), QStringLiteral("catalogue B"));
        capture(releaseApplication);
        QVERIFY(QFile::remove(directory.filePath(QStringLiteral("monitor_B.qm"))));
    }

    void cataloguesInstalledBetweenApplicationsAreFound() {
        const auto translated = [] {
            capture(acquireApplication);
            const QString text = QObject::tr("Port already exists");
            capture(releaseApplication);
            return text;
        };
        const QString path = directory.path();
        const qint64 now = QDateTime::currentMSecsSinceEpoch();
        // A folder left alone for an hour, then a catalogue installed in it.
        setModified(path, now - 3600 * 1000);
        QCOMPARE(translated(), QStringLiteral("Port already exists"));
        copyCatalogue("catalogue_a.qm", directory.filePath(QStringLiteral("monitor_a.qm")));
        QCOMPARE(translated(), QStringLiteral("catalogue a"));
        // One that sorts first, in a folder whose time then reads an older hour.
        copyCatalogue("catalogue_B.qm", directory.filePath(QStringLiteral("monitor_0.qm")));
        setModified(path, now - 7200 * 1000);
        QCOMPARE(translated(), QStringLiteral("catalogue B"));
        // Two changes within one tick of a coarse clock leave the folder the
        // same time; a folder changed moments ago is read again.
        setModified(path, now);
        QCOMPARE(translated(), QStringLiteral("catalogue B"));
        QVERIFY(QFile::remove(directory.filePath(QStringLiteral("monitor_0.qm"))));
        setModified(path, now);
        QCOMPARE(translated(), QStringLiteral("catalogue a"));
        QVERIFY(QFile::remove(directory.filePath(QStringLiteral("monitor_a.qm"))));
    }

    void unreadableCatalogueLeavesTextsUntranslated() {
        // A catalogue whose name does not match is not taken, not even one
        // named ".qm" (what the toolkit would make of an empty name).
        copyCatalogue("catalogue_a.qm", directory.filePath(QStringLiteral(".qm")));
        QVERIFY(capture(acquireApplication)
                    .contains(QStringLiteral("count(0)\ncan't load translator file (%1/)\n")
                                  .arg(directory.path())));
        QCOMPARE(QObject::tr("Port already exists"), QStringLiteral("Port already exists"));
        capture(releaseApplication);
        QVERIFY(QFile::remove(directory.filePath(QStringLiteral(".qm"))));

        QFile broken(directory.filePath(QStringLiteral("MONITOR_x.qm")));
        QVERIFY(broken.open(QIODevice::WriteOnly));
        broken.write("not a catalogue");
        broken.close();
        const QString log = capture(acquireApplication);
        QVERIFY(
            log.contains(QStringLiteral("count(1)\ncan't load translator file (%1/MONITOR_x.qm)\n"
                                        "installTranslator\n")
                             .arg(directory.path())));
        QCOMPARE(QObject::tr("Port already exists"), QStringLiteral("Port already exists"));
        capture(releaseApplication);
        QVERIFY(broken.remove());
    }

    void longSystemDirectoryIsCutNotOverrun() {
        const std::string longPath = "/" + std::string(300, 'd');
        win32::setSystemDirectory(longPath);
        const QString log = capture(acquireApplication);
        const QString cut = QString::fromStdString(longPath.substr(0, 255));
        QVERIFY2(log.contains(QStringLiteral("count(0)\ncan't load translator file (")),
                 qPrintable(log));
        // The log line itself is cut to 255 characters.
        const QString line = log.section(QLatin1Char('\n'), 4, 4);
        QVERIFY(line.startsWith(QStringLiteral("can't load translator file (") + cut.left(50)));
        QCOMPARE(line.size(), 255);
        capture(releaseApplication);
    }

    void logLinesAreFormattedAndCut() {
        win32::beginDebugCapture();
        logMessage("return (%d)", 1);
        logMessage("%s", std::string(400, 'x').c_str());
        int local = 0;
        logMessage("create app (%" PRIxPTR ")", logAddress(&local));
        logMessage("%s", "caf\xe9");
        const QString log = QString::fromStdString(win32::endDebugCapture());
        const QStringList lines = log.split(QLatin1Char('\n'));
        QCOMPARE(lines.at(0), QStringLiteral("return (1)"));
        QCOMPARE(lines.at(1), QString(255, QLatin1Char('x')));
        QCOMPARE(lines.at(2), QStringLiteral("create app (%1)").arg(hex(&local)));
        QCOMPARE(lines.at(3), QStringLiteral("café"));
        QCOMPARE(lines.size(), 5);
    }

private:
    QTemporaryDir directory;
};

QTEST_APPLESS_MAIN(ApplicationTest)
#include "test_application.moc"
