#include "bench/cycle.h"

#include "platform/win32_testing.h"
#include "spooler/embeddedmonitor.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <utility>

namespace cycle {

using driver::click;
using driver::find;
using driver::onCurrentPage;
using driver::onPage;
using driver::toggle;
using driver::type;
using driver::window;
using driver::wizardButton;

namespace {

QString messageBoxDone(const QString& title) {
    return QStringLiteral("close the \"%1\" box").arg(title);
}

Step closeMessageBox(const QString& title) {
    return {messageBoxDone(title), [title] { return driver::messageBox(title) != nullptr; },
            [title] {
                QMessageBox* box = driver::messageBox(title);
                QWidget* ok = box ? box->button(QMessageBox::Ok) : nullptr;
                if (!ok) {
                    driver::fail(QStringLiteral("nothing to click"));
                    return;
                }
                click(ok);
            }};
}

QString host(int a, int b) {
    return QStringLiteral("10.%1.%2.1").arg(a).arg(b);
}

// The same address as a person might type it, with leading zeros.
QString paddedHost(int a, int b) {
    return QStringLiteral("%1.%2.%3.001")
        .arg(10, 3, 10, QLatin1Char('0'))
        .arg(a, 3, 10, QLatin1Char('0'))
        .arg(b, 3, 10, QLatin1Char('0'));
}

} // namespace

Outcome run(Operation& operation) {
    driver::arm(std::move(operation.steps));

    Outcome outcome;
    win32::beginDebugCapture();
    SetLastError(0);
    outcome.result = operation.call();
    outcome.lastError = GetLastError();
    outcome.debug = win32::endDebugCapture();
    // Applications created from now on (the benchmark's own) are left alone.
    driver::disarm();

    outcome.failure = driver::failure();
    if (outcome.failure.isEmpty() && driver::remaining() > 0) {
        outcome.failure =
            QStringLiteral("the windows closed before \"%1\"").arg(driver::nextStep());
    }
    return outcome;
}

Cycle::Cycle(PMONITORUI table, std::u16string monitorName, spooler::EmbeddedPortMonitor& monitor)
    : table(table), monitorName(std::move(monitorName)), monitor(monitor) {}

QStringList Cycle::expectedPorts() const {
    QStringList sorted = ports;
    sorted.sort();
    return sorted;
}

Operation Cycle::operation(int index) {
    const int round = index / kOperationsPerRound;
    const QString socketPort = host(1, round) + QStringLiteral(":9100");
    const QString httpPort = QStringLiteral("http://%1/%2lp%3")
                                 .arg(host(2, round), round % 2 ? QStringLiteral("e") : QString())
                                 .arg(1 + round % 8);
    switch (index % kOperationsPerRound) {
    case 0:
        // Odd rounds type the address with leading zeros; the port name has none.
        ports << socketPort;
        return addSocket(round % 2 ? paddedHost(1, round) : host(1, round), socketPort, false);
    case 1:
        ports << httpPort;
        return addHttp(round);
    case 2:
        return cancelAdd(round);
    case 3:
        return configureAccept(socketPort, round);
    case 4:
        return configureCancel(httpPort);
    case 5:
        return addSocket(host(1, round), socketPort, true);
    case 6:
        return configureBadTimeout(socketPort);
    case 7:
        ports.removeAll(httpPort);
        return deletePort(httpPort);
    case 8:
        return configureUnknown(httpPort);
    default:
        if (round % 2) {
            ports.removeAll(socketPort);
            return deletePort(socketPort);
        }
        return configureCancel(socketPort);
    }
}

Operation Cycle::addSocket(const QString& typedHost, const QString& portName, bool exists) {
    Operation op;
    op.what = exists ? QStringLiteral("add %1 again").arg(portName)
                     : QStringLiteral("add %1").arg(portName);
    op.steps = {
        {QStringLiteral("choose standard TCP/IP printing"), [] { return onPage("UISelectWidget"); },
         [] { wizardButton("next"); }},
        {QStringLiteral("type the host"), [] { return onPage("UIAddPort"); },
         [typedHost] {
             type(onCurrentPage<QLineEdit>("hostname"), typedHost);
             wizardButton("next");
         }},
        {QStringLiteral("keep SNMP monitoring"), [] { return onPage("UISnmpWidget"); },
         [] { wizardButton("next"); }},
        {QStringLiteral("finish on the summary"), [] { return onPage("UIInfoWidget"); },
         [] { wizardButton("finish"); }},
    };
    if (exists) {
        op.steps.push_back(closeMessageBox(QStringLiteral("WARNING")));
    }
    op.call = [this] {
        PWSTR out = nullptr;
        return table->pfnAddPortUI(nullptr, nullptr, monitorName.c_str(), &out);
    };
    op.expectedLogLine = QStringLiteral("return (1)");
    op.verify = [this, portName] {
        const QString settings = monitor.settingsString(portName);
        return settings.contains(QLatin1String(";PROT=SOCKET;")) &&
                       settings.contains(QLatin1String(";MONITORING=ON;"))
                   ? QString()
                   : QStringLiteral("%1 holds \"%2\"").arg(portName, settings);
    };
    return op;
}

Operation Cycle::addHttp(int round) {
    const bool secure = round % 2;
    const bool proxy = round % 3 == 0;
    const int printerDowns = round % 8;
    const QString name = QStringLiteral("http://%1/%2lp%3")
                             .arg(host(2, round), secure ? QStringLiteral("e") : QString())
                             .arg(1 + printerDowns);
    const QString proxyPort = QString::number(3128 + round);
    Operation op;
    op.what =
        QStringLiteral("add %1%2").arg(name, proxy ? QStringLiteral(" with a proxy") : QString());
    op.steps = {
        {QStringLiteral("choose HTTP printing"), [] { return onPage("UISelectWidget"); },
         [] {
             click(onCurrentPage<QRadioButton>("secureRB"));
             wizardButton("next");
         }},
        {QStringLiteral("type the host, pick the printer"), [] { return onPage("UIAddHTTPPort"); },
         [round, secure, printerDowns] {
             type(onCurrentPage<QLineEdit>("hostname"), host(2, round));
             if (auto* printers = onCurrentPage<QComboBox>("lpComboBox")) {
                 printers->setFocus();
                 for (int i = 0; i < printerDowns; ++i) {
                     QTest::keyClick(printers, Qt::Key_Down);
                 }
             }
             if (secure) {
                 toggle(onCurrentPage<QCheckBox>("secureCB"));
             }
             wizardButton("next");
         }},
        {QStringLiteral("turn SNMP monitoring off"), [] { return onPage("UISnmpWidget"); },
         [] {
             toggle(onCurrentPage<QCheckBox>("snmpCB"));
             wizardButton("next");
         }},
        {QStringLiteral("set the proxy"), [] { return onPage("UIProxyWidget"); },
         [proxy, proxyPort] {
             if (proxy) {
                 toggle(onCurrentPage<QCheckBox>("proxyCB"));
                 type(onCurrentPage<QLineEdit>("proxyname"), QStringLiteral("proxy.example"));
                 type(onCurrentPage<QLineEdit>("port"), proxyPort);
             }
             wizardButton("next");
         }},
        {QStringLiteral("finish on the summary"), [] { return onPage("UIInfoWidget"); },
         [] { wizardButton("finish"); }},
    };
    op.call = [this] {
        PWSTR out = nullptr;
        return table->pfnAddPortUI(nullptr, nullptr, monitorName.c_str(), &out);
    };
    op.expectedLogLine = QStringLiteral("return (1)");
    op.verify = [this, name, proxy, secure, proxyPort] {
        const QString settings = monitor.settingsString(name);
        const bool ok =
            settings.contains(QLatin1String(";PROT=HTTP;")) &&
            settings.contains(QLatin1String(";MONITORING=OFF;")) &&
            settings.contains(secure ? QLatin1String(";HTTP_SECURE=ON")
                                     : QLatin1String(";HTTP_SECURE=OFF")) &&
            (!proxy || settings.contains(QStringLiteral(";HTTP_PROXY_ENABLED=ON;HTTP_PROXY_NAME="
                                                        "proxy.example;HTTP_PROXY_PORT=%1")
                                             .arg(proxyPort)));
        return ok ? QString() : QStringLiteral("%1 holds \"%2\"").arg(name, settings);
    };
    return op;
}

Operation Cycle::cancelAdd(int round) {
    Operation op;
    const int stage = round % 3;
    op.what = QStringLiteral("cancel an add on page %1").arg(stage + 1);
    op.steps.push_back({QStringLiteral("on the first page"),
                        [] { return onPage("UISelectWidget"); },
                        [stage] { wizardButton(stage == 0 ? "cancel" : "next"); }});
    if (stage > 0) {
        op.steps.push_back({QStringLiteral("type a host"), [] { return onPage("UIAddPort"); },
                            [stage, round] {
                                type(onCurrentPage<QLineEdit>("hostname"), host(9, round));
                                wizardButton(stage == 1 ? "cancel" : "next");
                            }});
    }
    if (stage > 1) {
        op.steps.push_back({QStringLiteral("go back from the SNMP page and cancel"),
                            [] { return onPage("UISnmpWidget"); },
                            [] {
                                wizardButton("back");
                                if (!onPage("UIAddPort")) {
                                    driver::fail(
                                        QStringLiteral("Back did not return to the socket page"));
                                }
                                wizardButton("cancel");
                            }});
    }
    op.call = [this] {
        PWSTR out = nullptr;
        return table->pfnAddPortUI(nullptr, nullptr, monitorName.c_str(), &out);
    };
    op.expectedLogLine = QStringLiteral("return (0)");
    return op;
}

Operation Cycle::configureAccept(const QString& port, int round) {
    const QString timeout = QString::number(1 + round % 60);
    const QString community = QStringLiteral("pub%1").arg(round);
    Operation op;
    op.what =
        QStringLiteral("configure %1: time out %2, community %3").arg(port, timeout, community);
    op.steps = {{QStringLiteral("edit the dialog and press OK"),
                 [] { return window("test") != nullptr; },
                 [timeout, community] {
                     QWidget* dialog = window("test");
                     type(find<QLineEdit>(dialog, "timeout"), timeout);
                     type(find<QLineEdit>(dialog, "communityLE"), community);
                     click(find<QPushButton>(dialog, "okButton"));
                 }}};
    const std::u16string name = port.toStdU16String();
    op.call = [this, name] { return table->pfnConfigurePortUI(nullptr, nullptr, name.c_str()); };
    op.verify = [this, port, timeout, community] {
        const QString settings = monitor.settingsString(port);
        return settings.contains(QStringLiteral(";TIMEOUT=%1;").arg(timeout)) &&
                       settings.endsWith(QStringLiteral(";COMMUNITY=%1").arg(community))
                   ? QString()
                   : QStringLiteral("%1 holds \"%2\"").arg(port, settings);
    };
    return op;
}

namespace {

// The port's settings must be what they were when the operation was made.
std::function<QString()> unchanged(spooler::EmbeddedPortMonitor& monitor, const QString& port) {
    const QString before = monitor.settingsString(port);
    return [&monitor, port, before] {
        const QString after = monitor.settingsString(port);
        return after == before && !after.isEmpty()
                   ? QString()
                   : QStringLiteral("%1 changed from \"%2\" to \"%3\"").arg(port, before, after);
    };
}

} // namespace

Operation Cycle::configureCancel(const QString& port) {
    Operation op;
    op.what = QStringLiteral("look at %1 and cancel").arg(port);
    op.steps = {{QStringLiteral("cancel the dialog"), [] { return window("test") != nullptr; },
                 [] { click(find<QPushButton>(window("test"), "cancelButton")); }}};
    const std::u16string name = port.toStdU16String();
    op.call = [this, name] { return table->pfnConfigurePortUI(nullptr, nullptr, name.c_str()); };
    op.verify = unchanged(monitor, port);
    return op;
}

Operation Cycle::configureBadTimeout(const QString& port) {
    const QString title = QStringLiteral("Input Error");
    Operation op;
    op.what = QStringLiteral("give %1 the time out 0, then cancel").arg(port);
    op.steps = {
        {QStringLiteral("type the time out 0 and press OK"),
         [] { return window("test") != nullptr; },
         [] {
             QWidget* dialog = window("test");
             type(find<QLineEdit>(dialog, "timeout"), QStringLiteral("0"));
             click(find<QPushButton>(dialog, "okButton"));
         }},
        closeMessageBox(title),
        {QStringLiteral("cancel the dialog"),
         [title] { return window("test") && !driver::messageBox(title); },
         [] { click(find<QPushButton>(window("test"), "cancelButton")); }},
    };
    const std::u16string name = port.toStdU16String();
    op.call = [this, name] { return table->pfnConfigurePortUI(nullptr, nullptr, name.c_str()); };
    op.verify = unchanged(monitor, port);
    return op;
}

Operation Cycle::deletePort(const QString& port) {
    Operation op;
    op.what = QStringLiteral("delete %1").arg(port);
    const std::u16string name = port.toStdU16String();
    op.call = [this, name] { return table->pfnDeletePortUI(nullptr, nullptr, name.c_str()); };
    op.verify = [this, port] {
        return monitor.settingsString(port).isEmpty()
                   ? QString()
                   : QStringLiteral("%1 is still there").arg(port);
    };
    return op;
}

Operation Cycle::configureUnknown(const QString& port) {
    Operation op;
    op.what = QStringLiteral("configure the deleted %1").arg(port);
    const std::u16string name = port.toStdU16String();
    op.call = [this, name] { return table->pfnConfigurePortUI(nullptr, nullptr, name.c_str()); };
    // No monitor owns the port any more: the spooler refuses the channel.
    op.expectedResult = FALSE;
    op.expectedError = ERROR_INVALID_PRINTER_NAME;
    return op;
}

namespace {

long statusField(const char* field) {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) {
        return -1;
    }
    const QByteArray prefix = QByteArray(field) + ':';
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith(prefix)) {
            return line.mid(prefix.size()).trimmed().split(' ').value(0).toLong();
        }
    }
    return -1;
}

} // namespace

long residentKiB() {
    return statusField("VmRSS");
}

long peakResidentKiB() {
    return statusField("VmHWM");
}

bool resetPeakResident() {
    QFile clear(QStringLiteral("/proc/self/clear_refs"));
    return clear.open(QIODevice::WriteOnly) && clear.write("5") == 1;
}

} // namespace cycle
