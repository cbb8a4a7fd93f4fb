#include "bench/cycle.h"

#include "platform/win32_testing.h"
#include "spooler/embeddedmonitor.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTest>
#include <QTimer>

#include <utility>

namespace cycle {

namespace {

// A step that waits longer than this has failed (generous: sanitizer builds
// are several times slower).
constexpr int kStepTimeoutMs = 20000;

// The driver's state for the operation that runs now. It outlives the
// applications: an operation may create more than one (the port-exists warning
// comes after the wizard's application is gone).
struct State {
    std::vector<Step> steps;
    size_t next = 0;
    // A step was taken and its action is queued but has not started yet.
    bool pending = false;
    QString failure;
    std::function<void()> hook;
};

State state;

QDialog* visibleDialog() {
    const QWidgetList widgets = QApplication::topLevelWidgets();
    for (QWidget* w : widgets) {
        if (auto* dialog = qobject_cast<QDialog*>(w); dialog && dialog->isVisible()) {
            return dialog;
        }
    }
    return nullptr;
}

// Rejects every dialog still shown, so that the operation returns.
void closeWindows() {
    const QWidgetList widgets = QApplication::topLevelWidgets();
    for (QWidget* w : widgets) {
        if (auto* dialog = qobject_cast<QDialog*>(w); dialog && dialog->isVisible()) {
            dialog->reject();
        }
    }
}

// Lives as long as the application it was created for. Each step's action is
// queued rather than run from the timer: an action that opens a nested modal
// loop (OK that raises an input error box) returns only when the box is gone,
// and the timer must keep firing inside that loop for the next step.
class Driver : public QObject {
public:
    explicit Driver(QObject* parent) : QObject(parent) {
        state.pending = false;
        timer.setTimerType(Qt::PreciseTimer);
        connect(&timer, &QTimer::timeout, this, &Driver::poll);
        timer.start(1);
        clock.start();
    }

private:
    void poll() {
        if (state.pending) {
            return;
        }
        if (!state.failure.isEmpty()) {
            closeWindows();
            return;
        }
        if (state.next >= state.steps.size()) {
            // Every step was taken: a window still shown long after that is one
            // nobody expected (it would keep the operation from returning).
            if (clock.elapsed() > kStepTimeoutMs && visibleDialog()) {
                fail(QStringLiteral("\"%1\" is still shown after the last step")
                         .arg(visibleDialog()->windowTitle()));
                closeWindows();
            }
            return;
        }
        const Step& step = state.steps[state.next];
        if (!step.ready()) {
            if (clock.elapsed() > kStepTimeoutMs) {
                fail(QStringLiteral("\"%1\" did not happen within %2 s")
                         .arg(step.what)
                         .arg(kStepTimeoutMs / 1000));
                closeWindows();
            }
            return;
        }
        std::function<void()> act = step.act;
        ++state.next;
        state.pending = true;
        clock.restart();
        QMetaObject::invokeMethod(
            this,
            [act] {
                state.pending = false;
                act();
                if (!state.failure.isEmpty()) {
                    closeWindows();
                }
            },
            Qt::QueuedConnection);
    }

    QTimer timer;
    QElapsedTimer clock;
};

void onApplicationCreated() {
    // Only while an operation has steps: other applications are left alone.
    if (!state.steps.empty()) {
        new Driver(QCoreApplication::instance());
    }
    if (state.hook) {
        state.hook();
    }
}

template <typename T> T* child(QWidget* in, const char* name) {
    T* w = in ? in->findChild<T*>(QLatin1String(name)) : nullptr;
    if (!w) {
        fail(QStringLiteral("there is no %1 in %2")
                 .arg(QLatin1String(name), in ? in->objectName() : QStringLiteral("(no window)")));
    }
    return w;
}

QWidget* wizard() {
    return visibleWindow("AddPortWizard");
}

template <typename T> T* onPage(const char* name) {
    return child<T>(wizardPage(), name);
}

// Switches a check box with the space key, as from the keyboard.
void toggle(QCheckBox* box) {
    if (!box) {
        return;
    }
    const bool was = box->isChecked();
    box->setFocus();
    QTest::keyClick(box, Qt::Key_Space);
    if (box->isChecked() == was) {
        fail(QStringLiteral("%1 did not switch").arg(box->objectName()));
    }
}

QString messageBoxDone(const QString& title) {
    return QStringLiteral("close the \"%1\" box").arg(title);
}

Step closeMessageBox(const QString& title) {
    return {messageBoxDone(title), [title] { return visibleMessageBox(title) != nullptr; },
            [title] {
                QMessageBox* box = visibleMessageBox(title);
                click(box ? box->button(QMessageBox::Ok) : nullptr);
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

Q_COREAPP_STARTUP_FUNCTION(onApplicationCreated)

void setApplicationHook(std::function<void()> hook) {
    state.hook = std::move(hook);
}

QWidget* visibleWindow(const char* objectName) {
    const QWidgetList widgets = QApplication::topLevelWidgets();
    for (QWidget* w : widgets) {
        if (w->isVisible() && w->objectName() == QLatin1String(objectName)) {
            return w;
        }
    }
    return nullptr;
}

QMessageBox* visibleMessageBox(const QString& title) {
    const QWidgetList widgets = QApplication::topLevelWidgets();
    for (QWidget* w : widgets) {
        auto* box = qobject_cast<QMessageBox*>(w);
        if (box && box->isVisible() && box->windowTitle() == title) {
            return box;
        }
    }
    return nullptr;
}

QWidget* wizardPage() {
    QWidget* w = wizard();
    auto* pages = w ? w->findChild<QStackedWidget*>(QStringLiteral("pages")) : nullptr;
    return pages ? pages->currentWidget() : nullptr;
}

bool onWizardPage(const char* form) {
    QWidget* page = wizardPage();
    return page && page->isVisible() && page->inherits(form);
}

void fail(const QString& problem) {
    if (state.failure.isEmpty()) {
        state.failure = problem;
    }
}

void click(QWidget* widget) {
    if (!widget) {
        fail(QStringLiteral("nothing to click"));
        return;
    }
    if (!widget->isEnabled()) {
        fail(QStringLiteral("%1 is disabled").arg(widget->objectName()));
        return;
    }
    QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center());
}

void clickWizardButton(const char* name) {
    click(child<QPushButton>(wizard(), name));
}

void type(QLineEdit* field, const QString& text) {
    if (!field) {
        return;
    }
    field->setFocus();
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(field, Qt::Key_Backspace);
    QTest::keyClicks(field, text);
    if (field->text() != text) {
        fail(QStringLiteral("%1 shows \"%2\" after typing \"%3\"")
                 .arg(field->objectName(), field->text(), text));
    }
}

Outcome run(Operation& operation) {
    state.steps = std::move(operation.steps);
    state.next = 0;
    state.pending = false;
    state.failure.clear();

    Outcome outcome;
    win32::beginDebugCapture();
    SetLastError(0);
    outcome.result = operation.call();
    outcome.lastError = GetLastError();
    outcome.debug = win32::endDebugCapture();

    outcome.failure = state.failure;
    if (outcome.failure.isEmpty() && state.next != state.steps.size()) {
        outcome.failure =
            QStringLiteral("the windows closed before \"%1\"").arg(state.steps[state.next].what);
    }
    state.steps.clear();
    state.next = 0;
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
        {QStringLiteral("choose standard TCP/IP printing"),
         [] { return onWizardPage("UISelectWidget"); }, [] { clickWizardButton("next"); }},
        {QStringLiteral("type the host"), [] { return onWizardPage("UIAddPort"); },
         [typedHost] {
             type(onPage<QLineEdit>("hostname"), typedHost);
             clickWizardButton("next");
         }},
        {QStringLiteral("keep SNMP monitoring"), [] { return onWizardPage("UISnmpWidget"); },
         [] { clickWizardButton("next"); }},
        {QStringLiteral("finish on the summary"), [] { return onWizardPage("UIInfoWidget"); },
         [] { clickWizardButton("finish"); }},
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
        {QStringLiteral("choose HTTP printing"), [] { return onWizardPage("UISelectWidget"); },
         [] {
             click(onPage<QRadioButton>("secureRB"));
             clickWizardButton("next");
         }},
        {QStringLiteral("type the host, pick the printer"),
         [] { return onWizardPage("UIAddHTTPPort"); },
         [round, secure, printerDowns] {
             type(onPage<QLineEdit>("hostname"), host(2, round));
             if (auto* printers = onPage<QComboBox>("lpComboBox")) {
                 printers->setFocus();
                 for (int i = 0; i < printerDowns; ++i) {
                     QTest::keyClick(printers, Qt::Key_Down);
                 }
             }
             if (secure) {
                 toggle(onPage<QCheckBox>("secureCB"));
             }
             clickWizardButton("next");
         }},
        {QStringLiteral("turn SNMP monitoring off"), [] { return onWizardPage("UISnmpWidget"); },
         [] {
             toggle(onPage<QCheckBox>("snmpCB"));
             clickWizardButton("next");
         }},
        {QStringLiteral("set the proxy"), [] { return onWizardPage("UIProxyWidget"); },
         [proxy, proxyPort] {
             if (proxy) {
                 toggle(onPage<QCheckBox>("proxyCB"));
                 type(onPage<QLineEdit>("proxyname"), QStringLiteral("proxy.example"));
                 type(onPage<QLineEdit>("port"), proxyPort);
             }
             clickWizardButton("next");
         }},
        {QStringLiteral("finish on the summary"), [] { return onWizardPage("UIInfoWidget"); },
         [] { clickWizardButton("finish"); }},
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
                        [] { return onWizardPage("UISelectWidget"); },
                        [stage] { clickWizardButton(stage == 0 ? "cancel" : "next"); }});
    if (stage > 0) {
        op.steps.push_back({QStringLiteral("type a host"), [] { return onWizardPage("UIAddPort"); },
                            [stage, round] {
                                type(onPage<QLineEdit>("hostname"), host(9, round));
                                clickWizardButton(stage == 1 ? "cancel" : "next");
                            }});
    }
    if (stage > 1) {
        op.steps.push_back({QStringLiteral("go back from the SNMP page and cancel"),
                            [] { return onWizardPage("UISnmpWidget"); },
                            [] {
                                clickWizardButton("back");
                                if (!onWizardPage("UIAddPort")) {
                                    fail(QStringLiteral("Back did not return to the socket page"));
                                }
                                clickWizardButton("cancel");
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
                 [] { return visibleWindow("test") != nullptr; },
                 [timeout, community] {
                     QWidget* dialog = visibleWindow("test");
                     type(child<QLineEdit>(dialog, "timeout"), timeout);
                     type(child<QLineEdit>(dialog, "communityLE"), community);
                     click(child<QPushButton>(dialog, "okButton"));
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
    op.steps = {{QStringLiteral("cancel the dialog"),
                 [] { return visibleWindow("test") != nullptr; },
                 [] { click(child<QPushButton>(visibleWindow("test"), "cancelButton")); }}};
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
         [] { return visibleWindow("test") != nullptr; },
         [] {
             QWidget* dialog = visibleWindow("test");
             type(child<QLineEdit>(dialog, "timeout"), QStringLiteral("0"));
             click(child<QPushButton>(dialog, "okButton"));
         }},
        closeMessageBox(title),
        {QStringLiteral("cancel the dialog"),
         [title] { return visibleWindow("test") && !visibleMessageBox(title); },
         [] { click(child<QPushButton>(visibleWindow("test"), "cancelButton")); }},
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
