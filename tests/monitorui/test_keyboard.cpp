// The port operations through the module's table, worked with the keyboard
// alone: every key goes to whatever holds the keyboard focus, as on a real
// display. After each key the test notes the page and the focused widget, and
// at the end it compares the settings string that reached the port monitor.
// The suite runs it on the offscreen platform and on a real X server (xcb).
#include "host/driver.h"
#include "monitorui/entry.h"
#include "spooler/scriptablemonitor.h"
#include "toolkit/application.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeySequence>
#include <QMessageBox>
#include <QtTest>

using driver::Step;
using spooler::ScriptableMonitor;

namespace {

const char16_t* const kMonitor = u"Test Monitor";
const char16_t* const kHttpPort = u"http://10.0.0.7/lp1";

QWidget* dialog() {
    return driver::window("test");
}

// Where the keyboard is: the wizard's page and its focused widget, the
// dialog's focused widget, or a message box's title and focused button;
// "closed" once the module shows no window any more.
QString where() {
    QWidget* focus = QApplication::focusWidget();
    if (!focus || !focus->isVisible()) {
        return driver::wizard() || dialog() ? QStringLiteral("<no focus>")
                                            : QStringLiteral("closed");
    }
    QString name = focus->objectName();
    if (auto* button = qobject_cast<QAbstractButton*>(focus); button && name.isEmpty()) {
        name = button->text();
    }
    QWidget* window = focus->window();
    if (window == driver::wizard()) {
        return QString::fromLatin1(driver::currentPage()->metaObject()->className()) +
               QLatin1Char('/') + name;
    }
    if (window == dialog()) {
        return name;
    }
    return window->windowTitle() + QLatin1Char('/') + name;
}

// Presses keys and types texts, noting where the keyboard is after each.
class Keyboard {
public:
    explicit Keyboard(QStringList& trace) : trace(trace) { trace << where(); }
    Keyboard& key(Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
        driver::press(key, modifiers);
        trace << QKeySequence(QKeyCombination(modifiers, key)).toString() + QStringLiteral(" -> ") +
                     where();
        return *this;
    }
    Keyboard& type(const QString& text) {
        driver::typeKeys(text);
        trace << QLatin1Char('"') + text + QStringLiteral("\" -> ") + where();
        return *this;
    }

private:
    QStringList& trace;
};

// Once the wizard's first page is shown and its window active.
Step inTheWizard(std::function<void()> keys) {
    return {QStringLiteral("the wizard, active"),
            [] { return driver::onPage("UISelectWidget") && driver::active(driver::wizard()); },
            std::move(keys)};
}

Step inTheDialog(std::function<void()> keys) {
    return {QStringLiteral("the properties dialog, active"),
            [] { return driver::active(dialog()); }, std::move(keys)};
}

std::u16string sent(ScriptableMonitor& monitor, const std::u16string& command) {
    const auto calls = monitor.callsOf(command);
    return calls.size() == 1 ? ScriptableMonitor::inputText(calls[0]) : u"<not sent once>";
}

QString text(const std::u16string& s) {
    return QString::fromStdU16String(s);
}

void programReply(ScriptableMonitor& monitor, const std::u16string& reply) {
    const DWORD size = DWORD(2 * reply.size() + 2);
    monitor.answer(u"GetProperties", {TRUE, 0, ERROR_INSUFFICIENT_BUFFER, size, {}});
    monitor.answer(u"GetProperties", {TRUE, 0, 0, size, ScriptableMonitor::utf16(reply)});
}

const Qt::KeyboardModifiers kShift = Qt::ShiftModifier;

} // namespace

class KeyboardTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        monitor = std::make_shared<ScriptableMonitor>(std::set<std::u16string>{kHttpPort});
        spooler::registerMonitor(kMonitor, monitor);
        table = InitializePrintMonitorUI();
        trace.clear();
    }
    void cleanup() {
        driver::disarm();
        spooler::unregisterAllMonitors();
        QVERIFY(!QCoreApplication::instance());
        QCOMPARE(applicationUseCount(), 0);
    }

    void addsASocketPort() {
        driver::arm({inTheWizard([this] {
            Keyboard(trace)
                .key(Qt::Key_Return)
                .key(Qt::Key_Return) // no host yet: Next is off, nothing happens
                .type(QStringLiteral("10.0.0.5"))
                .key(Qt::Key_Tab)
                .type(QStringLiteral("9101"))
                .key(Qt::Key_Tab, kShift)
                .key(Qt::Key_Return)
                .key(Qt::Key_Tab)
                .type(QStringLiteral("public"))
                .key(Qt::Key_Return)
                .key(Qt::Key_Return);
        })});
        PWSTR out = nullptr;
        QVERIFY(table->pfnAddPortUI(nullptr, nullptr, kMonitor, &out));
        QCOMPARE(driver::failure(), QString());
        QCOMPARE(trace, QStringList({
                            "SelectWidget/socketRB",
                            "Return -> AddSocketPortWidget/hostname",
                            "Return -> AddSocketPortWidget/hostname",
                            "\"10.0.0.5\" -> AddSocketPortWidget/hostname",
                            "Tab -> AddSocketPortWidget/port",
                            "\"9101\" -> AddSocketPortWidget/port",
                            "Shift+Tab -> AddSocketPortWidget/hostname",
                            "Return -> SnmpWidget/snmpCB",
                            "Tab -> SnmpWidget/communityLE",
                            "\"public\" -> SnmpWidget/communityLE",
                            "Return -> InfoWidget/finish",
                            "Return -> closed",
                        }));
        QCOMPARE(text(sent(*monitor, u"AddPort")),
                 QStringLiteral("10.0.0.5:9101;PROT=SOCKET;MONITORING=ON;COMMUNITY=public;"));
    }

    void addsAnHttpPortWithEncryptionAndAProxy() {
        driver::arm({inTheWizard([this] {
            Keyboard(trace)
                // Tab reaches the checked button of a set; the arrows choose.
                .key(Qt::Key_Down)
                .key(Qt::Key_Return)
                .type(QStringLiteral("lp3"))
                .key(Qt::Key_Tab)
                .key(Qt::Key_Space)
                .key(Qt::Key_Tab)
                .type(QStringLiteral("10.0.0.7"))
                .key(Qt::Key_Return)
                .key(Qt::Key_Space)
                .key(Qt::Key_Return)
                .key(Qt::Key_Space)
                .key(Qt::Key_Return) // proxy on without name and port: nothing happens
                .key(Qt::Key_Tab)
                .type(QStringLiteral("proxy.example"))
                .key(Qt::Key_Tab)
                .type(QStringLiteral("8080"))
                .key(Qt::Key_Return)
                .key(Qt::Key_Tab, kShift)
                .key(Qt::Key_Return) // a focused Back goes back
                .key(Qt::Key_Return)
                .key(Qt::Key_Return);
        })});
        PWSTR out = nullptr;
        QVERIFY(table->pfnAddPortUI(nullptr, nullptr, kMonitor, &out));
        QCOMPARE(driver::failure(), QString());
        QCOMPARE(trace, QStringList({
                            "SelectWidget/socketRB",
                            "Down -> SelectWidget/secureRB",
                            "Return -> AddHTTPPortWidget/lpComboBox",
                            "\"lp3\" -> AddHTTPPortWidget/lpComboBox",
                            "Tab -> AddHTTPPortWidget/secureCB",
                            "Space -> AddHTTPPortWidget/secureCB",
                            "Tab -> AddHTTPPortWidget/hostname",
                            "\"10.0.0.7\" -> AddHTTPPortWidget/hostname",
                            "Return -> SnmpWidget/snmpCB",
                            "Space -> SnmpWidget/snmpCB",
                            "Return -> ProxyWidget/proxyCB",
                            "Space -> ProxyWidget/proxyCB",
                            "Return -> ProxyWidget/proxyCB",
                            "Tab -> ProxyWidget/proxyname",
                            "\"proxy.example\" -> ProxyWidget/proxyname",
                            "Tab -> ProxyWidget/port",
                            "\"8080\" -> ProxyWidget/port",
                            "Return -> InfoWidget/finish",
                            "Shift+Tab -> InfoWidget/back",
                            "Return -> ProxyWidget/proxyCB",
                            "Return -> InfoWidget/finish",
                            "Return -> closed",
                        }));
        QCOMPARE(text(sent(*monitor, u"AddPort")),
                 QStringLiteral("http://10.0.0.7/elp3;PROT=HTTP;HTTP_PROXY_ENABLED=ON;"
                                "HTTP_PROXY_NAME=proxy.example;HTTP_PROXY_PORT=8080;"
                                "HTTP_PROXY_LPRINTER=lp3;HTTP_SECURE=ON;MONITORING=OFF;"
                                "COMMUNITY=tulvex;"));
    }

    void escapeCancelsTheWizard() {
        driver::arm({inTheWizard([this] {
            Keyboard(trace)
                .key(Qt::Key_Return)
                .type(QStringLiteral("10.0.0.9"))
                .key(Qt::Key_Escape);
        })});
        PWSTR out = nullptr;
        QVERIFY(table->pfnAddPortUI(nullptr, nullptr, kMonitor, &out));
        QCOMPARE(driver::failure(), QString());
        QCOMPARE(trace, QStringList({
                            "SelectWidget/socketRB",
                            "Return -> AddSocketPortWidget/hostname",
                            "\"10.0.0.9\" -> AddSocketPortWidget/hostname",
                            "Esc -> closed",
                        }));
        QVERIFY(monitor->callsOf(u"AddPort").empty());
    }

    void configuresAPort() {
        programReply(*monitor, u"http://10.0.0.7/lp1;PROT=HTTP;TIMEOUT=5;HTTP_PROXY_ENABLED=OFF;"
                               u"HTTP_PROXY_NAME=;HTTP_PROXY_PORT=;HTTP_PROXY_LPRINTER=lp1;"
                               u"HTTP_SECURE=OFF;MONITORING=ON;COMMUNITY=tulvex");
        const QString errorTitle = QStringLiteral("Input Error");
        driver::arm({
            inTheDialog([this] {
                Keyboard keyboard(trace);
                keyboard.key(Qt::Key_Tab, kShift).key(Qt::Key_Tab).type(QStringLiteral("150"));
                // OK refuses the time out with a message box; the key comes
                // back once the next step has closed the box.
                driver::press(Qt::Key_Return);
                // Without a window manager nobody gives the dialog back the focus.
                QVERIFY(QTest::qWaitFor([] { return driver::active(dialog()); }, 10000));
                trace << QStringLiteral("dialog again -> ") + where();
                keyboard.key(Qt::Key_Tab, kShift)
                    .key(Qt::Key_Tab)
                    .type(QStringLiteral("15"))
                    .key(Qt::Key_Tab)
                    .key(Qt::Key_Tab)
                    .key(Qt::Key_Space)
                    .key(Qt::Key_Tab)
                    .type(QStringLiteral("proxy.example"))
                    .key(Qt::Key_Tab)
                    .type(QStringLiteral("3128"))
                    .key(Qt::Key_Tab)
                    .type(QStringLiteral("public"))
                    .key(Qt::Key_Return);
            }),
            {QStringLiteral("the time out error, active"),
             [errorTitle] { return driver::active(driver::messageBox(errorTitle)); },
             [this] {
                 trace << where();
                 driver::press(Qt::Key_Return);
             }},
        });
        QVERIFY(table->pfnConfigurePortUI(nullptr, nullptr, kHttpPort));
        QCOMPARE(driver::failure(), QString());
        QCOMPARE(trace, QStringList({
                            "timeout",
                            "Shift+Tab -> cancelButton",
                            "Tab -> timeout",
                            "\"150\" -> timeout",
                            "Input Error/OK",
                            "dialog again -> timeout",
                            "Shift+Tab -> cancelButton",
                            "Tab -> timeout",
                            "\"15\" -> timeout",
                            "Tab -> snmpCB",
                            "Tab -> proxyCB",
                            "Space -> proxyCB",
                            "Tab -> proxyname",
                            "\"proxy.example\" -> proxyname",
                            "Tab -> port",
                            "\"3128\" -> port",
                            "Tab -> communityLE",
                            "\"public\" -> communityLE",
                            "Return -> closed",
                        }));
        QCOMPARE(text(sent(*monitor, u"SetProperties")),
                 QStringLiteral("http://10.0.0.7/lp1;TIMEOUT=15;HTTP_PROXY_ENABLED=ON;"
                                "HTTP_PROXY_NAME=proxy.example;HTTP_PROXY_PORT=3128;"
                                "MONITORING=ON;COMMUNITY=public"));
    }

    void cancelButtonAndEscapeLeaveThePortAlone() {
        const std::u16string reply = u"http://10.0.0.7/lp1;PROT=HTTP;TIMEOUT=5;MONITORING=ON";
        programReply(*monitor, reply);
        driver::arm({inTheDialog([this] {
            Keyboard(trace).type(QStringLiteral("0")).key(Qt::Key_Tab, kShift).key(Qt::Key_Return);
        })});
        QVERIFY(table->pfnConfigurePortUI(nullptr, nullptr, kHttpPort));
        QCOMPARE(driver::failure(), QString());

        programReply(*monitor, reply);
        driver::arm({inTheDialog([this] { Keyboard(trace).key(Qt::Key_Escape); })});
        QVERIFY(table->pfnConfigurePortUI(nullptr, nullptr, kHttpPort));
        QCOMPARE(driver::failure(), QString());
        QCOMPARE(trace, QStringList({"timeout", "\"0\" -> timeout", "Shift+Tab -> cancelButton",
                                     "Return -> closed", "timeout", "Esc -> closed"}));
        QVERIFY(monitor->callsOf(u"SetProperties").empty());
    }

private:
    std::shared_ptr<ScriptableMonitor> monitor;
    PMONITORUI table = nullptr;
    QStringList trace;
};

QTEST_APPLESS_MAIN(KeyboardTest)
#include "test_keyboard.moc"
