// A host that has a toolkit application of its own: the module uses it and
// never creates a second one nor destroys the host's.
#include "platform/win32_testing.h"
#include "toolkit/application.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QtTest>

#include <thread>

class HostApplicationTest : public QObject {
    Q_OBJECT
private slots:
    void borrowsTheHostsApplication() {
        QCoreApplication* host = QCoreApplication::instance();
        QVERIFY(host);
        win32::beginDebugCapture();
        acquireApplication();
        acquireApplication();
        QCOMPARE(QCoreApplication::instance(), host);
        QVERIFY(!applicationIsOwn());
        QCOMPARE(applicationUseCount(), 2);
        releaseApplication();
        releaseApplication();
        const QString log = QString::fromStdString(win32::endDebugCapture());
        QCOMPARE(QCoreApplication::instance(), host);
        QCOMPARE(applicationUseCount(), 0);
        QVERIFY(!log.contains(QStringLiteral("vor create app")));
        // The catalogue was looked for once, for the first user.
        QCOMPARE(log.count(QStringLiteral("count(")), 1);

        win32::beginDebugCapture();
        acquireApplication();
        releaseApplication();
        win32::endDebugCapture();
        QCOMPARE(QCoreApplication::instance(), host);
    }

    void hostsApplicationServesItsOwnThreadOnly() {
        // Windows made on another thread than the one the host's application
        // belongs to would take the process down.
        QCOMPARE(applicationStartError(), DWORD(ERROR_SUCCESS));
        DWORD elsewhere = ERROR_SUCCESS;
        std::thread([&elsewhere] { elsewhere = applicationStartError(); }).join();
        QCOMPARE(elsewhere, DWORD(ERROR_NOT_SUPPORTED));
    }
};

QTEST_MAIN(HostApplicationTest)
#include "test_host_application.moc"
