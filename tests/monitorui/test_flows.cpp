// Adding, configuring and deleting through the module's table, with the real
// wizard and dialog worked by key and mouse events.
#include "host/driver.h"
#include "monitorui/entry.h"
#include "platform/win32_testing.h"
#include "spooler/embeddedmonitor.h"
#include "spooler/scriptablemonitor.h"
#include "toolkit/application.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QtTest>

#include <thread>

using driver::Step;
using spooler::ScriptableMonitor;

namespace {

const char16_t* const kMonitor = u"Test Monitor";
const std::u16string kSocketReply =
    u"10.0.0.5:9100;PROT=SOCKET;TIMEOUT=5;HTTP_PROXY_ENABLED=OFF;HTTP_PROXY_NAME=;"
    u"HTTP_PROXY_PORT=;HTTP_PROXY_LPRINTER=;HTTP_SECURE=OFF;MONITORING=ON;COMMUNITY=tulvex";

Step onWizardPage(const char* form, std::function<void()> act) {
    return {QString::fromLatin1(form), [form] { return driver::onPage(form); }, std::move(act)};
}

// The socket wizard for a host, up to the summary; `last` runs on the summary.
std::vector<Step> socketWizard(const QString& host, std::function<void()> last) {
    return {
        onWizardPage("UISelectWidget", [] { driver::wizardButton("next"); }),
        onWizardPage("UIAddPort",
                     [host] {
                         driver::type(driver::onCurrentPage<QLineEdit>("hostname"), host);
                         driver::wizardButton("next");
                     }),
        onWizardPage("UISnmpWidget", [] { driver::wizardButton("next"); }),
        onWizardPage("UIInfoWidget", std::move(last)),
    };
}

QWidget* dialog() {
    return driver::window("test");
}

template <typename T> T* inDialog(const char* name) {
    return driver::find<T>(dialog(), name);
}

Step onDialog(std::function<void()> act) {
    return {QStringLiteral("the properties dialog"), [] { return dialog() != nullptr; },
            std::move(act)};
}

void programReply(ScriptableMonitor& monitor, const std::u16string& reply) {
    const DWORD size = DWORD(2 * reply.size() + 2);
    monitor.answer(u"GetProperties", {TRUE, 0, ERROR_INSUFFICIENT_BUFFER, size, {}});
    monitor.answer(u"GetProperties", {TRUE, 0, 0, size, ScriptableMonitor::utf16(reply)});
}

std::u16string sent(ScriptableMonitor& monitor, const std::u16string& command) {
    const auto calls = monitor.callsOf(command);
    return calls.size() == 1 ? ScriptableMonitor::inputText(calls[0]) : u"<not sent once>";
}

QString text(const std::u16string& s) {
    return QString::fromStdU16String(s);
}

} // namespace

class FlowsTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        monitor = std::make_shared<ScriptableMonitor>(std::set<std::u16string>{u"10.0.0.5:9100"});
        spooler::registerMonitor(kMonitor, monitor);
        table = InitializePrintMonitorUI();
        blocks = win32::liveBlocks();
        win32::beginDebugCapture();
    }
    void cleanup() {
        win32::endDebugCapture();
        driver::disarm();
        win32::failAllocation(0);
        spooler::unregisterAllMonitors();
        // Every operation leaves no application, no channel and no block behind.
        QVERIFY(!QCoreApplication::instance());
        QCOMPARE(applicationUseCount(), 0);
        QCOMPARE(spooler::openChannelCount(), 0);
        QCOMPARE(win32::liveBlocks(), blocks);
    }

    void addsASocketPort() {
        driver::arm(
            socketWizard(QStringLiteral("10.0.0.5"), [] { driver::wizardButton("finish"); }));
        PWSTR out = reinterpret_cast<PWSTR>(this);
        QVERIFY(table->pfnAddPortUI(nullptr, nullptr, kMonitor, &out));
        QCOMPARE(driver::failure(), QString());
        QCOMPARE(driver::remaining(), 0);
        QCOMPARE(out, reinterpret_cast<PWSTR>(this));
        QCOMPARE(text(sent(*monitor, u"AddPort")),
                 QStringLiteral("10.0.0.5:9100;PROT=SOCKET;MONITORING=ON;COMMUNITY=tulvex;"));
        const QString lines = QString::fromStdString(win32::endDebugCapture());
        win32::beginDebugCapture();
        QVERIFY(lines.startsWith(QStringLiteral("AddPorUI\nMLAddPorts\ncreate pApp() app (0)\n")));
        const QString app = QRegularExpression(QStringLiteral("\ncreate app \\(([0-9a-f]+)\\)\n"))
                                .match(lines)
                                .captured(1);
        QVERIFY(!app.isEmpty());
        QVERIFY2(
            lines.endsWith(
                QStringLiteral("wizard.exec()\ndelete pApp() app (%1)\nreturn (1)\n").arg(app)),
            qPrintable(lines));
    }

    void addsAnHttpPortWithAProxy() {
        driver::arm({
            onWizardPage("UISelectWidget",
                         [] {
                             driver::click(driver::onCurrentPage<QRadioButton>("secureRB"));
                             driver::wizardButton("next");
                         }),
            onWizardPage("UIAddHTTPPort",
                         [] {
                             driver::type(driver::onCurrentPage<QLineEdit>("hostname"),
                                          QStringLiteral("10.0.0.5"));
                             driver::wizardButton("next");
                         }),
            onWizardPage("UISnmpWidget",
                         [] {
                             driver::toggle(driver::onCurrentPage<QCheckBox>("snmpCB"));
                             driver::wizardButton("next");
                         }),
            onWizardPage("UIProxyWidget",
                         [] {
                             driver::toggle(driver::onCurrentPage<QCheckBox>("proxyCB"));
                             driver::type(driver::onCurrentPage<QLineEdit>("proxyname"),
                                          QStringLiteral("192.168.001.001"));
                             driver::type(driver::onCurrentPage<QLineEdit>("port"),
                                          QStringLiteral("8080"));
                             driver::wizardButton("next");
                         }),
            onWizardPage("UIInfoWidget", [] { driver::wizardButton("finish"); }),
        });
        PWSTR out = nullptr;
        QVERIFY(table->pfnAddPortUI(nullptr, nullptr, kMonitor, &out));
        QCOMPARE(driver::failure(), QString());
        QCOMPARE(text(sent(*monitor, u"AddPort")),
                 QStringLiteral("http://10.0.0.5/lp1;PROT=HTTP;HTTP_PROXY_ENABLED=ON;"
                                "HTTP_PROXY_NAME=192.168.1.1;HTTP_PROXY_PORT=8080;"
                                "HTTP_PROXY_LPRINTER=lp1;HTTP_SECURE=OFF;MONITORING=OFF;"
                                "COMMUNITY=tulvex;"));
    }

    void cancelledWizardSendsNothing() {
        driver::arm({onWizardPage("UISelectWidget", [] { driver::wizardButton("cancel"); })});
        PWSTR out = reinterpret_cast<PWSTR>(this);
        QVERIFY(table->pfnAddPortUI(nullptr, nullptr, kMonitor, &out));
        QCOMPARE(driver::remaining(), 0);
        QCOMPARE(out, reinterpret_cast<PWSTR>(this));
        QVERIFY(monitor->callsOf(u"AddPort").empty());
        const QString lines = QString::fromStdString(win32::endDebugCapture());
        win32::beginDebugCapture();
        QVERIFY(lines.endsWith(QStringLiteral("return (0)\n")));
        QVERIFY(!lines.contains(QStringLiteral("wizard.exec()")));
    }

    void finishedWithoutMemoryIsAFailure() {
        // The settings block is the first allocation after Finish.
        driver::arm(socketWizard(QStringLiteral("10.0.0.5"), [] {
            win32::failAllocation(1);
            driver::wizardButton("finish");
        }));
        PWSTR out = nullptr;
        SetLastError(0);
        QVERIFY(!table->pfnAddPortUI(nullptr, nullptr, kMonitor, &out));
        QCOMPARE(GetLastError(), DWORD(ERROR_NOT_ENOUGH_MEMORY));
        QVERIFY(monitor->callsOf(u"AddPort").empty());
    }

    void existingPortShowsTheWarning() {
        QTemporaryDir dir;
        auto embedded =
            std::make_shared<spooler::EmbeddedPortMonitor>(dir.filePath(QStringLiteral("p.db")));
        spooler::registerMonitor(kMonitor, embedded);
        for (int round = 0; round < 2; ++round) {
            std::vector<Step> steps =
                socketWizard(QStringLiteral("10.0.0.5"), [] { driver::wizardButton("finish"); });
            QString title, message;
            int buttons = -1;
            QMessageBox::Icon icon = QMessageBox::NoIcon;
            if (round == 1) {
                steps.push_back({QStringLiteral("warning"),
                                 [] { return driver::messageBox(QStringLiteral("WARNING")); },
                                 [&] {
                                     QMessageBox* box =
                                         driver::messageBox(QStringLiteral("WARNING"));
                                     title = box->windowTitle();
                                     message = box->text();
                                     icon = box->icon();
                                     buttons = static_cast<int>(box->buttons().size());
                                     driver::click(box->button(QMessageBox::Ok));
                                 }});
            }
            driver::arm(std::move(steps));
            PWSTR out = nullptr;
            QVERIFY(table->pfnAddPortUI(nullptr, nullptr, kMonitor, &out));
            QCOMPARE(driver::failure(), QString());
            QCOMPARE(driver::remaining(), 0);
            if (round == 1) {
                QCOMPARE(title, QStringLiteral("WARNING"));
                QCOMPARE(message, QStringLiteral("Port already exists"));
                QCOMPARE(icon, QMessageBox::Warning);
                QCOMPARE(buttons, 1);
            }
        }
        QCOMPARE(embedded->ports(), QStringList{QStringLiteral("10.0.0.5:9100")});
    }

    void configuresTimeOutAndCommunity() {
        programReply(*monitor, kSocketReply);
        QString title, shownCommunity;
        bool proxyVisible = true;
        driver::arm({onDialog([&] {
            title = inDialog<QGroupBox>("portGB")->title();
            shownCommunity = inDialog<QLineEdit>("communityLE")->text();
            proxyVisible = inDialog<QCheckBox>("proxyCB")->isVisible();
            driver::type(inDialog<QLineEdit>("timeout"), QStringLiteral("7"));
            driver::type(inDialog<QLineEdit>("communityLE"), QStringLiteral("public"));
            driver::click(driver::child(dialog(), "okButton"));
        })});
        QVERIFY(table->pfnConfigurePortUI(nullptr, nullptr, u"10.0.0.5:9100"));
        QCOMPARE(driver::failure(), QString());
        QCOMPARE(title, QStringLiteral("Configuration for Port 10.0.0.5:9100"));
        QCOMPARE(shownCommunity, QStringLiteral("******"));
        QVERIFY(!proxyVisible);
        QCOMPARE(text(sent(*monitor, u"SetProperties")),
                 QStringLiteral("10.0.0.5:9100;TIMEOUT=7;HTTP_PROXY_ENABLED=OFF;HTTP_PROXY_NAME=;"
                                "HTTP_PROXY_PORT=0;MONITORING=ON;COMMUNITY=public"));
    }

    void untouchedCommunityGoesBackAsItWas() {
        programReply(*monitor, u"http://h/lp1;PROT=HTTP;TIMEOUT=9;HTTP_PROXY_ENABLED=ON;"
                               u"HTTP_PROXY_NAME=010.0.0.1;HTTP_PROXY_PORT=3128;"
                               u"HTTP_PROXY_LPRINTER=lp1;HTTP_SECURE=OFF;MONITORING=OFF;"
                               u"COMMUNITY=s3cr\u00e9t\u2713");
        bool proxyOn = false, proxyGroupEnabled = false, snmpGroupEnabled = true;
        driver::arm({onDialog([&] {
            proxyOn = inDialog<QCheckBox>("proxyCB")->isChecked();
            proxyGroupEnabled = inDialog<QGroupBox>("proxyGB")->isEnabled();
            snmpGroupEnabled = inDialog<QGroupBox>("snmpGB")->isEnabled();
            driver::click(driver::child(dialog(), "okButton"));
        })});
        QVERIFY(table->pfnConfigurePortUI(nullptr, nullptr, u"10.0.0.5:9100"));
        QCOMPARE(driver::failure(), QString());
        QVERIFY(proxyOn);
        QVERIFY(proxyGroupEnabled);
        QVERIFY(!snmpGroupEnabled);
        QCOMPARE(text(sent(*monitor, u"SetProperties")),
                 QStringLiteral("http://h/lp1;TIMEOUT=9;HTTP_PROXY_ENABLED=ON;"
                                "HTTP_PROXY_NAME=10.0.0.1;HTTP_PROXY_PORT=3128;MONITORING=OFF;"
                                "COMMUNITY=s3cr\u00e9t\u2713"));
    }

    void proxyOffLeavesTheDialogsOwnState() {
        programReply(*monitor, u"http://h/lp1;PROT=HTTP;HTTP_PROXY_ENABLED=OFF;"
                               u"HTTP_PROXY_NAME=p;HTTP_PROXY_PORT=70000");
        bool proxyOn = true, proxyGroupEnabled = true;
        QString shownPort;
        driver::arm({onDialog([&] {
            proxyOn = inDialog<QCheckBox>("proxyCB")->isChecked();
            proxyGroupEnabled = inDialog<QGroupBox>("proxyGB")->isEnabled();
            shownPort = inDialog<QLineEdit>("port")->text();
            driver::click(driver::child(dialog(), "cancelButton"));
        })});
        QVERIFY(table->pfnConfigurePortUI(nullptr, nullptr, u"10.0.0.5:9100"));
        QVERIFY(!proxyOn);
        QVERIFY(!proxyGroupEnabled);
        // A port above 65535 is corrected to the dialog's remembered port.
        QCOMPARE(shownPort, QStringLiteral("3128"));
        QVERIFY(monitor->callsOf(u"SetProperties").empty());
    }

    void acceptedWithoutMemoryIsAFailure() {
        programReply(*monitor, kSocketReply);
        driver::arm({onDialog([] {
            win32::failAllocation(1);
            driver::click(driver::child(dialog(), "okButton"));
        })});
        SetLastError(0);
        QVERIFY(!table->pfnConfigurePortUI(nullptr, nullptr, u"10.0.0.5:9100"));
        QCOMPARE(GetLastError(), DWORD(ERROR_NOT_ENOUGH_MEMORY));
        QVERIFY(monitor->callsOf(u"SetProperties").empty());
    }

    void callsFromSeveralThreads() {
        // A host may call from any thread. While the wizard is open on one,
        // another thread's calls that need a window are turned away at once
        // (the join below would hang if they waited), and deleting is served.
        DWORD addError = 0, configureError = 0;
        BOOL added = TRUE, configured = TRUE, deleted = FALSE;
        std::vector<Step> steps = socketWizard(QStringLiteral("10.0.0.5"), [&] {
            std::thread other([&] {
                PWSTR out = nullptr;
                added = table->pfnAddPortUI(nullptr, nullptr, kMonitor, &out);
                addError = GetLastError();
                configured = table->pfnConfigurePortUI(nullptr, nullptr, u"10.0.0.5:9100");
                configureError = GetLastError();
                deleted = table->pfnDeletePortUI(nullptr, nullptr, u"10.0.0.5:9100");
            });
            other.join();
            driver::wizardButton("finish");
        });
        // One after another, each on a thread of its own, the application
        // created anew on each.
        for (int round = 0; round < 2; ++round) {
            driver::arm(round == 0 ? steps : socketWizard(QStringLiteral("10.0.0.6"), [] {
                driver::wizardButton("finish");
            }));
            BOOL result = FALSE;
            std::thread caller([&] {
                PWSTR out = nullptr;
                result = table->pfnAddPortUI(nullptr, nullptr, kMonitor, &out);
            });
            caller.join();
            QVERIFY(result);
            QCOMPARE(driver::failure(), QString());
            QCOMPARE(driver::remaining(), 0);
        }
        QVERIFY(!added);
        QCOMPARE(addError, DWORD(ERROR_BUSY));
        QVERIFY(!configured);
        QCOMPARE(configureError, DWORD(ERROR_BUSY));
        QVERIFY(deleted);
        QVERIFY(monitor->callsOf(u"GetProperties").empty());
        QCOMPARE(monitor->callsOf(u"AddPort").size(), size_t(2));
        QCOMPARE(text(ScriptableMonitor::inputText(monitor->callsOf(u"AddPort")[1])),
                 QStringLiteral("10.0.0.6:9100;PROT=SOCKET;MONITORING=ON;COMMUNITY=tulvex;"));
    }

    void addConfigureDeleteAgainstTheStore() {
        QTemporaryDir dir;
        auto embedded =
            std::make_shared<spooler::EmbeddedPortMonitor>(dir.filePath(QStringLiteral("p.db")));
        spooler::registerMonitor(kMonitor, embedded);
        driver::arm(socketWizard(QStringLiteral("192.168.001.020"),
                                 [] { driver::wizardButton("finish"); }));
        PWSTR out = nullptr;
        QVERIFY(table->pfnAddPortUI(nullptr, nullptr, kMonitor, &out));
        const std::u16string port = u"192.168.1.20:9100";
        QCOMPARE(embedded->ports(), QStringList{text(port)});

        driver::arm({onDialog([] {
            driver::type(inDialog<QLineEdit>("timeout"), QStringLiteral("120"));
            driver::toggle(inDialog<QCheckBox>("snmpCB"));
            driver::click(driver::child(dialog(), "okButton"));
        })});
        QVERIFY(table->pfnConfigurePortUI(nullptr, nullptr, port.c_str()));
        QCOMPARE(driver::failure(), QString());
        QCOMPARE(embedded->settingsString(text(port)),
                 QStringLiteral("192.168.1.20:9100;PROT=SOCKET;TIMEOUT=120;HTTP_PROXY_ENABLED=OFF;"
                                "HTTP_PROXY_NAME=;HTTP_PROXY_PORT=0;HTTP_PROXY_LPRINTER=;"
                                "HTTP_SECURE=OFF;MONITORING=OFF;COMMUNITY=tulvex"));

        QVERIFY(table->pfnDeletePortUI(nullptr, nullptr, port.c_str()));
        QVERIFY(embedded->ports().isEmpty());
    }

private:
    std::shared_ptr<ScriptableMonitor> monitor;
    PMONITORUI table = nullptr;
    long blocks = 0;
};

QTEST_APPLESS_MAIN(FlowsTest)
#include "test_flows.moc"
