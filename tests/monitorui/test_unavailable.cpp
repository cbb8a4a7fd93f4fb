// When the toolkit cannot start, adding and configuring fail with a last error
// that names the cause, instead of ending the host; deleting, which shows no
// window, goes on working, and once the cause is gone the windows come up.
#include "host/driver.h"
#include "monitorui/entry.h"
#include "platform/win32_testing.h"
#include "spooler/scriptablemonitor.h"
#include "toolkit/application.h"

#include <QtTest>

using spooler::ScriptableMonitor;

namespace {

const char16_t* const kMonitor = u"Test Monitor";
const char16_t* const kPort = u"10.0.0.5:9100";

// An X display number that nothing serves.
QByteArray unusedDisplay() {
    for (int n = 4242; n < 4342; ++n) {
        if (!QFile::exists(QStringLiteral("/tmp/.X11-unix/X%1").arg(n))) {
            return ":" + QByteArray::number(n);
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
};

QTEST_APPLESS_MAIN(UnavailableTest)
#include "test_unavailable.moc"
