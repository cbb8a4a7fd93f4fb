// A host whose own application cannot carry windows (a QCoreApplication or a
// QGuiApplication): the module neither borrows it nor creates a second one,
// but fails adding and configuring with ERROR_NOT_SUPPORTED and leaves the
// host's application as it was.
#include "monitorui/entry.h"
#include "platform/win32_testing.h"
#include "spooler/scriptablemonitor.h"
#include "toolkit/application.h"

#include <QGuiApplication>
#include <QtTest>

#include <cstring>
#include <memory>

using spooler::ScriptableMonitor;

class HostKindsTest : public QObject {
    Q_OBJECT
private slots:
    void windowsAreRefused() {
        QCoreApplication* host = QCoreApplication::instance();
        QVERIFY(host);
        auto monitor = std::make_shared<ScriptableMonitor>(std::set<std::u16string>{u"p"});
        spooler::registerMonitor(u"M", monitor);
        PMONITORUI table = InitializePrintMonitorUI();

        win32::beginDebugCapture();
        PWSTR out = nullptr;
        SetLastError(0);
        QVERIFY(!table->pfnAddPortUI(nullptr, nullptr, u"M", &out));
        QCOMPARE(GetLastError(), DWORD(ERROR_NOT_SUPPORTED));
        SetLastError(0);
        QVERIFY(!table->pfnConfigurePortUI(nullptr, nullptr, u"p"));
        QCOMPARE(GetLastError(), DWORD(ERROR_NOT_SUPPORTED));
        const QString log = QString::fromStdString(win32::endDebugCapture());
        QVERIFY2(log.contains(QStringLiteral("host application cannot carry windows (%1)")
                                  .arg(QLatin1String(host->metaObject()->className()))),
                 qPrintable(log));
        QVERIFY(monitor->callsOf(u"GetProperties").empty());
        QVERIFY(monitor->callsOf(u"AddPort").empty());

        QVERIFY(table->pfnDeletePortUI(nullptr, nullptr, u"p"));
        QCOMPARE(QCoreApplication::instance(), host);
        QVERIFY(!applicationIsOwn());
        QCOMPARE(applicationUseCount(), 0);
        QCOMPARE(spooler::openChannelCount(), 0);
        spooler::unregisterAllMonitors();
    }
};

// The first argument says which application the host has: "core" or "gui".
int main(int argc, char** argv) {
    const bool gui = argc > 1 && std::strcmp(argv[1], "gui") == 0;
    std::unique_ptr<QCoreApplication> host;
    if (gui) {
        host = std::make_unique<QGuiApplication>(argc, argv);
    } else {
        host = std::make_unique<QCoreApplication>(argc, argv);
    }
    HostKindsTest test;
    QStringList arguments = QCoreApplication::arguments();
    arguments.removeAt(1);
    return QTest::qExec(&test, arguments);
}

#include "test_host_kinds.moc"
