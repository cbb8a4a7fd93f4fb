// When the toolkit cannot start, adding and configuring fail with a last error
// that names the cause, instead of ending the host; deleting, which shows no
// window, goes on working, and once the cause is gone the windows come up.
#include "host/driver.h"
#include "monitorui/entry.h"
#include "platform/win32_testing.h"
#include "spooler/scriptablemonitor.h"
#include "toolkit/application.h"

#include <QLibraryInfo>
#include <QScopeGuard>
#include <QtTest>

using spooler::ScriptableMonitor;

namespace {

const char16_t* const kMonitor = u"Test Monitor";
const char16_t* const kPort = u"10.0.0.5:9100";

// The socket of an X display.
QString displaySocket(const QByteArray& display) {
    return QStringLiteral("/tmp/.X11-unix/X") + QString::fromLatin1(display.mid(1));
}

// An X display number that nothing serves.
QByteArray unusedDisplay() {
    for (int n = 4242; n < 4342; ++n) {
        const QByteArray display = ":" + QByteArray::number(n);
        if (!QFile::exists(displaySocket(display)) &&
            !QFile::exists(QStringLiteral("/tmp/.X%1-lock").arg(n))) {
            return display;
        }
    }
    return ":4242";
}

} // namespace

class UnavailableTest : public QObject {
    Q_OBJECT
    std::shared_ptr<ScriptableMonitor> monitor;
    PMONITORUI table = nullptr;
    long blocks = 0;

    // Adding and configuring both fail with `error`; the channels were opened
    // and closed again, nothing was sent, and the log names the cause.
    void windowsRefused(DWORD error, const QString& cause) {
        monitor->clearCalls();
        win32::beginDebugCapture();
        PWSTR out = reinterpret_cast<PWSTR>(this);
        SetLastError(0);
        QVERIFY(!table->pfnAddPortUI(nullptr, nullptr, kMonitor, &out));
        QCOMPARE(GetLastError(), error);
        QCOMPARE(out, reinterpret_cast<PWSTR>(this));
        SetLastError(0);
        QVERIFY(!table->pfnConfigurePortUI(nullptr, nullptr, kPort));
        QCOMPARE(GetLastError(), error);
        const QString log = QString::fromStdString(win32::endDebugCapture());
        QVERIFY2(log.contains(cause), qPrintable(log));
        QVERIFY(!log.contains(QStringLiteral("create app")));

        const auto calls = monitor->calls();
        QCOMPARE(calls.size(), size_t(4));
        for (const auto& call : calls) {
            QVERIFY(call.kind != ScriptableMonitor::Call::XcvData);
        }
        QVERIFY(!QCoreApplication::instance());
        QCOMPARE(spooler::openChannelCount(), 0);

        // Deleting shows no window and still works.
        QVERIFY(table->pfnDeletePortUI(nullptr, nullptr, kPort));
        QCOMPARE(monitor->callsOf(u"DeletePort").size(), size_t(1));
    }

    // The next AddPortUI in this process shows the wizard.
    void wizardComesUp() {
        driver::arm({{QStringLiteral("the wizard"), [] { return driver::onPage("UISelectWidget"); },
                      [] { driver::wizardButton("cancel"); }}});
        PWSTR out = nullptr;
        QVERIFY(table->pfnAddPortUI(nullptr, nullptr, kMonitor, &out));
        QCOMPARE(driver::failure(), QString());
        QCOMPARE(driver::remaining(), 0);
        driver::disarm();
    }

private slots:
    void init() {
        monitor = std::make_shared<ScriptableMonitor>(std::set<std::u16string>{kPort});
        spooler::registerMonitor(kMonitor, monitor);
        table = InitializePrintMonitorUI();
        blocks = win32::liveBlocks();
    }
    void cleanup() {
        spooler::unregisterAllMonitors();
        qputenv("QT_QPA_PLATFORM", "offscreen");
        QCOMPARE(applicationUseCount(), 0);
        QCOMPARE(spooler::openChannelCount(), 0);
        QCOMPARE(win32::liveBlocks(), blocks);
    }

    void missingPlatformPlugin() {
        qputenv("QT_QPA_PLATFORM", "nosuchplatform");
        windowsRefused(ERROR_MOD_NOT_FOUND,
                       QStringLiteral("no platform plugin for (nosuchplatform)"));
        // A list of platforms is tried in order, as the toolkit does.
        qputenv("QT_QPA_PLATFORM", "nosuchplatform;offscreen");
        wizardComesUp();
        qputenv("QT_QPA_PLATFORM", "offscreen");
        wizardComesUp();
    }

    void displayThatPointsNowhere() {
        const QByteArray display = qgetenv("DISPLAY");
        qputenv("DISPLAY", unusedDisplay());
        qputenv("QT_QPA_PLATFORM", "xcb");
        windowsRefused(ERROR_DEVICE_NOT_AVAILABLE,
                       QStringLiteral("cannot open the display for (xcb)"));
        // The toolkit's default on X11 systems is the same display.
        qunsetenv("QT_QPA_PLATFORM");
        qunsetenv("XDG_SESSION_TYPE");
        qunsetenv("WAYLAND_DISPLAY");
        windowsRefused(ERROR_DEVICE_NOT_AVAILABLE, QStringLiteral("cannot open the display"));
        qunsetenv("DISPLAY");
        windowsRefused(ERROR_DEVICE_NOT_AVAILABLE, QStringLiteral("cannot open the display"));
        qputenv("DISPLAY", display);
        qputenv("QT_QPA_PLATFORM", "offscreen");
        wizardComesUp();
    }

    // A failed start check is not kept: the next operation tries afresh, and
    // finds the plugin installed meanwhile.
    void pluginInstalledLater() {
        const QString plugin = QLibraryInfo::path(QLibraryInfo::PluginsPath) +
                               QStringLiteral("/platforms/libqminimal.so");
        QVERIFY2(QFile::exists(plugin), qPrintable(plugin));
        QTemporaryDir folder;
        const QStringList libraryPaths = QCoreApplication::libraryPaths();
        const auto restore = qScopeGuard([&libraryPaths] {
            qunsetenv("QT_QPA_PLATFORM_PLUGIN_PATH");
            QCoreApplication::setLibraryPaths(libraryPaths);
        });
        // The empty folder is the only place searched.
        QCoreApplication::setLibraryPaths({});
        qputenv("QT_QPA_PLATFORM_PLUGIN_PATH", QFile::encodeName(folder.path()));
        qputenv("QT_QPA_PLATFORM", "minimal");
        windowsRefused(ERROR_MOD_NOT_FOUND, QStringLiteral("no platform plugin for (minimal)"));
        QVERIFY(QFile::link(plugin, folder.filePath(QStringLiteral("libqminimal.so"))));
        wizardComesUp();
    }

    // A display that could not be reached is tried again by the next
    // operation: an X server started meanwhile on it carries the wizard. It
    // starts an X server of its own, so it runs as a test of its own
    // (monitorui_unavailable_xvfb).
    void displayThatComesBack() {
        if (!qEnvironmentVariableIsSet("NETPORT_TEST_START_XVFB")) {
            QSKIP("starts an X server: run by monitorui_unavailable_xvfb");
        }
        const QString xvfb = QStandardPaths::findExecutable(QStringLiteral("Xvfb"));
        QVERIFY2(!xvfb.isEmpty(), "Xvfb is not installed: install the Debian package xvfb");
        const QByteArray savedDisplay = qgetenv("DISPLAY");
        const QByteArray display = unusedDisplay();
        qputenv("DISPLAY", display);
        qputenv("QT_QPA_PLATFORM", "xcb");
        windowsRefused(ERROR_DEVICE_NOT_AVAILABLE,
                       QStringLiteral("cannot open the display for (xcb)"));

        QProcess server;
        server.setProcessChannelMode(QProcess::ForwardedChannels);
        server.start(xvfb,
                     {QString::fromLatin1(display), QStringLiteral("-nolisten"),
                      QStringLiteral("tcp"), QStringLiteral("-noreset"), QStringLiteral("-screen"),
                      QStringLiteral("0"), QStringLiteral("1024x768x24")});
        const auto stop = qScopeGuard([&server, &savedDisplay] {
            server.terminate();
            server.waitForFinished();
            qputenv("DISPLAY", savedDisplay);
        });
        QVERIFY(server.waitForStarted());
        // A client that connects once the socket is there waits for the server.
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(displaySocket(display)), 10000);
        wizardComesUp();
    }
};

QTEST_APPLESS_MAIN(UnavailableTest)
#include "test_unavailable.moc"
