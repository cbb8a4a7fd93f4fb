// netport tour: the system's whole job without a person and without a display.
// The host arms a driver each time the module creates its toolkit application;
// the driver works the module's windows with real key and mouse events, page by
// page, and saves a picture of each window.
#include "host/tour.h"

#include "host/commands.h"
#include "host/tracingmonitor.h"
#include "spooler/embeddedmonitor.h"
#include "spooler/spooler.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <dlfcn.h>

#include <cstdio>
#include <functional>
#include <memory>
#include <vector>

namespace {

// One thing a person does once the window shows what `ready` waits for.
struct Step {
    QString what;
    std::function<bool()> ready;
    std::function<void()> act;
};

// The tour's state for the operation that runs now.
struct Tour {
    QString screenshots;
    QStringList pictures;
    std::vector<Step> steps;
    size_t next = 0;
    QString failure;
};

Tour* tour = nullptr;

constexpr int kStepTimeoutMs = 15000;

QWidget* window(const char* name) {
    const QWidgetList widgets = QApplication::topLevelWidgets();
    for (QWidget* w : widgets) {
        if (w->isVisible() && w->objectName() == QLatin1String(name)) {
            return w;
        }
    }
    return nullptr;
}

QMessageBox* messageBox(const QString& title) {
    const QWidgetList widgets = QApplication::topLevelWidgets();
    for (QWidget* w : widgets) {
        auto* box = qobject_cast<QMessageBox*>(w);
        if (box && box->isVisible() && box->windowTitle() == title) {
            return box;
        }
    }
    return nullptr;
}

QWidget* wizard() {
    return window("AddPortWizard");
}

// The wizard page shown now, known by the form it is built on.
QWidget* pageOf(QWidget* wizardWindow) {
    auto* pages =
        wizardWindow ? wizardWindow->findChild<QStackedWidget*>(QStringLiteral("pages")) : nullptr;
    return pages ? pages->currentWidget() : nullptr;
}

bool onPage(const char* form) {
    QWidget* page = pageOf(wizard());
    return page && page->isVisible() && page->inherits(form);
}

template <typename T> T* find(QWidget* in, const char* name) {
    T* w = in ? in->findChild<T*>(QLatin1String(name)) : nullptr;
    if (!w) {
        tour->failure = QStringLiteral("there is no %1 in %2")
                            .arg(QLatin1String(name), in ? in->objectName() : QStringLiteral("?"));
    }
    return w;
}

template <typename T> T* onCurrentPage(const char* name) {
    return find<T>(pageOf(wizard()), name);
}

void click(QWidget* w) {
    if (!w) {
        return;
    }
    if (!w->isEnabled()) {
        tour->failure = QStringLiteral("%1 is disabled").arg(w->objectName());
        return;
    }
    QTest::mouseClick(w, Qt::LeftButton, {}, w->rect().center());
}

// A check box is switched with the space key, as a person does from the
// keyboard: a box without text has no label to click.
void toggle(QCheckBox* box) {
    if (!box) {
        return;
    }
    const bool was = box->isChecked();
    box->setFocus();
    QTest::keyClick(box, Qt::Key_Space);
    if (box->isChecked() == was) {
        tour->failure = QStringLiteral("%1 did not switch").arg(box->objectName());
    }
}

void wizardButton(const char* name) {
    click(find<QPushButton>(wizard(), name));
}

// Replaces the field's text by typing, as a person does: select all, then type.
void type(QLineEdit* field, const QString& text) {
    if (!field) {
        return;
    }
    field->setFocus();
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    if (text.isEmpty()) {
        QTest::keyClick(field, Qt::Key_Backspace);
    }
    QTest::keyClicks(field, text);
    if (field->text() != text) {
        tour->failure = QStringLiteral("%1 shows \"%2\" after typing \"%3\"")
                            .arg(field->objectName(), field->text(), text);
    }
}

void picture(QWidget* w, const QString& name) {
    if (!w || tour->screenshots.isEmpty()) {
        return;
    }
    QApplication::processEvents();
    const QString path = QDir(tour->screenshots).filePath(name + QStringLiteral(".png"));
    if (!w->grab().save(path)) {
        tour->failure = QStringLiteral("cannot save %1").arg(path);
        return;
    }
    tour->pictures << path;
}

// Rejects every window the module still shows, so that the operation returns.
void closeWindows() {
    const QWidgetList widgets = QApplication::topLevelWidgets();
    for (QWidget* w : widgets) {
        if (auto* dialog = qobject_cast<QDialog*>(w); dialog && dialog->isVisible()) {
            dialog->reject();
        }
    }
}

// Works through the steps of the current operation inside the module's modal
// windows; lives as long as the application the module created.
class Driver : public QObject {
public:
    explicit Driver(QObject* parent) : QObject(parent) {
        connect(&timer, &QTimer::timeout, this, &Driver::poll);
        timer.start(20);
        clock.start();
    }

private:
    void poll() {
        if (!tour || !tour->failure.isEmpty() || tour->next >= tour->steps.size()) {
            return;
        }
        Step& step = tour->steps[tour->next];
        if (!step.ready()) {
            if (clock.elapsed() > kStepTimeoutMs) {
                tour->failure = QStringLiteral("\"%1\" did not happen within %2 s")
                                    .arg(step.what)
                                    .arg(kStepTimeoutMs / 1000);
                closeWindows();
            }
            return;
        }
        std::printf("    - %s\n", qPrintable(step.what));
        std::fflush(stdout);
        ++tour->next;
        clock.restart();
        step.act();
        if (!tour->failure.isEmpty()) {
            closeWindows();
        }
    }

    QTimer timer;
    QElapsedTimer clock;
};

void armDriver() {
    if (tour && QCoreApplication::instance()) {
        new Driver(QCoreApplication::instance());
    }
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(armDriver)

namespace {

std::vector<Step> addSocketPort(const QString& host, const QString& prefix, bool exists) {
    std::vector<Step> steps = {
        {QStringLiteral("choose standard TCP/IP printing"), [] { return onPage("UISelectWidget"); },
         [prefix] {
             picture(wizard(), prefix + QStringLiteral("-method"));
             wizardButton("next");
         }},
        {QStringLiteral("type the host and keep port 9100"), [] { return onPage("UIAddPort"); },
         [host, prefix] {
             type(onCurrentPage<QLineEdit>("hostname"), host);
             picture(wizard(), prefix + QStringLiteral("-socket"));
             wizardButton("next");
         }},
        {QStringLiteral("keep SNMP monitoring with the default community"),
         [] { return onPage("UISnmpWidget"); },
         [prefix] {
             picture(wizard(), prefix + QStringLiteral("-snmp"));
             wizardButton("next");
         }},
        {QStringLiteral("read the summary and finish"), [] { return onPage("UIInfoWidget"); },
         [prefix] {
             picture(wizard(), prefix + QStringLiteral("-summary"));
             wizardButton("finish");
         }},
    };
    if (exists) {
        steps.push_back({QStringLiteral("see the port-exists warning and close it"),
                         [] { return messageBox(QStringLiteral("WARNING")) != nullptr; },
                         [] {
                             QMessageBox* box = messageBox(QStringLiteral("WARNING"));
                             picture(box, QStringLiteral("warning"));
                             click(box->button(QMessageBox::Ok));
                         }});
    }
    return steps;
}

std::vector<Step> addHttpPort() {
    return {
        {QStringLiteral("choose HTTP printing"), [] { return onPage("UISelectWidget"); },
         [] {
             click(onCurrentPage<QRadioButton>("secureRB"));
             picture(wizard(), QStringLiteral("http-method"));
             wizardButton("next");
         }},
        {QStringLiteral("type the host, pick lp3 and encryption"),
         [] { return onPage("UIAddHTTPPort"); },
         [] {
             type(onCurrentPage<QLineEdit>("hostname"), QStringLiteral("10.0.0.7"));
             QComboBox* printers = onCurrentPage<QComboBox>("lpComboBox");
             if (printers) {
                 printers->setFocus();
                 QTest::keyClick(printers, Qt::Key_Down);
                 QTest::keyClick(printers, Qt::Key_Down);
             }
             toggle(onCurrentPage<QCheckBox>("secureCB"));
             picture(wizard(), QStringLiteral("http-host"));
             wizardButton("next");
         }},
        {QStringLiteral("turn SNMP monitoring off"), [] { return onPage("UISnmpWidget"); },
         [] {
             toggle(onCurrentPage<QCheckBox>("snmpCB"));
             picture(wizard(), QStringLiteral("http-snmp"));
             wizardButton("next");
         }},
        {QStringLiteral("use the proxy proxy.example port 8080"),
         [] { return onPage("UIProxyWidget"); },
         [] {
             toggle(onCurrentPage<QCheckBox>("proxyCB"));
             type(onCurrentPage<QLineEdit>("proxyname"), QStringLiteral("proxy.example"));
             type(onCurrentPage<QLineEdit>("port"), QStringLiteral("8080"));
             picture(wizard(), QStringLiteral("http-proxy"));
             wizardButton("next");
         }},
        {QStringLiteral("read the summary and finish"), [] { return onPage("UIInfoWidget"); },
         [] {
             picture(wizard(), QStringLiteral("http-summary"));
             wizardButton("finish");
         }},
    };
}

std::vector<Step> configure(const QString& name, bool edit) {
    return {{edit ? QStringLiteral("set the time out to 15 and the community to public, then OK")
                  : QStringLiteral("look at the dialog and cancel it"),
             [] { return window("test") != nullptr; },
             [name, edit] {
                 QWidget* dialog = window("test");
                 picture(dialog, name);
                 if (edit) {
                     type(find<QLineEdit>(dialog, "timeout"), QStringLiteral("15"));
                     type(find<QLineEdit>(dialog, "communityLE"), QStringLiteral("public"));
                     picture(dialog, name + QStringLiteral("-edited"));
                     click(find<QPushButton>(dialog, "okButton"));
                 } else {
                     click(find<QPushButton>(dialog, "cancelButton"));
                 }
             }}};
}

std::vector<Step> cancelWizard() {
    return {{QStringLiteral("cancel the wizard on its first page"),
             [] { return onPage("UISelectWidget"); }, [] { wizardButton("cancel"); }}};
}

// Loads the module, from a copy beside the catalogue when a language is chosen.
PMONITORUI loadModule(const QString& modulePath, const QString& language, QTemporaryDir& copyDir,
                      QString& error) {
    QString path = modulePath;
    if (!language.isEmpty()) {
        const QString name = QStringLiteral("monitor_%1.qm").arg(language);
        const QString catalogue = findCatalogue(name);
        if (catalogue.isEmpty()) {
            error = QStringLiteral("no catalogue %1 found").arg(name);
            return nullptr;
        }
        // The module takes the first "monitor*.qm" beside itself.
        path = copyDir.filePath(QStringLiteral("libnetportui.so"));
        if (!QFile::copy(modulePath, path) || !QFile::copy(catalogue, copyDir.filePath(name))) {
            error = QStringLiteral("cannot copy the module and %1 to %2").arg(name, copyDir.path());
            return nullptr;
        }
    }
    void* handle = dlopen(QFile::encodeName(path).constData(), RTLD_NOW | RTLD_LOCAL);
    if (!handle) {
        error = QStringLiteral("cannot load the module %1: %2")
                    .arg(path, QString::fromLocal8Bit(dlerror()));
        return nullptr;
    }
    using Initialize = PMONITORUI(WINAPI*)(VOID);
    auto initialize = reinterpret_cast<Initialize>(dlsym(handle, "InitializePrintMonitorUI"));
    if (!initialize) {
        error = QStringLiteral("%1 has no InitializePrintMonitorUI").arg(path);
        return nullptr;
    }
    return initialize();
}

} // namespace

QString findCatalogue(const QString& name) {
    const QString exe = QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath();
    const QString dir = QFileInfo(exe).absolutePath();
    const QStringList places = {
        dir + QStringLiteral("/../share/netportui/translations"),
        QStringLiteral(NETPORT_BUILD_TRANSLATIONS_DIR),
    };
    for (const QString& place : places) {
        const QString path = QDir(place).filePath(name);
        if (QFileInfo::exists(path)) {
            return QDir::cleanPath(path);
        }
    }
    return QString();
}

int runTour(const Options& options, const QString& modulePath) {
    // The windows are drawn off screen: no display is needed.
    qputenv("QT_QPA_PLATFORM", "offscreen");

    QTemporaryDir storeDir;
    QTemporaryDir copyDir;
    if (!storeDir.isValid() || !copyDir.isValid()) {
        std::fprintf(stderr, "netport: cannot create a temporary directory\n");
        return 1;
    }
    Tour state;
    if (!options.screenshots.isEmpty()) {
        if (!QDir().mkpath(options.screenshots)) {
            std::fprintf(stderr, "netport: cannot create %s\n", qPrintable(options.screenshots));
            return 1;
        }
        state.screenshots = QFileInfo(options.screenshots).absoluteFilePath();
    }
    const QString store = storeDir.filePath(QStringLiteral("ports.ini"));
    auto embedded = std::make_shared<spooler::EmbeddedPortMonitor>(store);
    const std::u16string monitorName = options.monitor.toStdU16String();
    spooler::registerMonitor(monitorName, std::make_shared<TracingMonitor>(embedded, stdout));

    QString error;
    PMONITORUI table = loadModule(modulePath, options.language, copyDir, error);
    if (!table) {
        std::fprintf(stderr, "netport: %s\n", qPrintable(error));
        return 1;
    }
    std::printf("Tour on a fresh store %s\n", qPrintable(store));
    tour = &state;

    const QString socketPort = QStringLiteral("192.168.1.20:9100");
    const QString httpPort = QStringLiteral("http://10.0.0.7/elp3");
    struct Operation {
        QString title;
        std::vector<Step> steps;
        std::function<BOOL()> call;
        QString expectPorts; // the port list afterwards
    };
    auto add = [&table, &monitorName] {
        PWSTR out = nullptr;
        return table->pfnAddPortUI(nullptr, nullptr, monitorName.c_str(), &out);
    };
    auto configurePort = [&table](const QString& port) {
        return [&table, name = port.toStdU16String()] {
            return table->pfnConfigurePortUI(nullptr, nullptr, name.c_str());
        };
    };
    const std::u16string httpName = httpPort.toStdU16String();
    std::vector<Operation> operations = {
        {QStringLiteral("Add a standard TCP/IP port"),
         addSocketPort(QStringLiteral("192.168.001.020"), QStringLiteral("socket"), false), add,
         socketPort},
        {QStringLiteral("Add an HTTP port with encryption and a proxy"), addHttpPort(), add,
         socketPort + QLatin1Char(' ') + httpPort},
        {QStringLiteral("Add the standard TCP/IP port again"),
         addSocketPort(QStringLiteral("192.168.1.20"), QStringLiteral("again"), true), add,
         socketPort + QLatin1Char(' ') + httpPort},
        {QStringLiteral("Configure the standard TCP/IP port"),
         configure(QStringLiteral("dialog-socket"), true), configurePort(socketPort),
         socketPort + QLatin1Char(' ') + httpPort},
        {QStringLiteral("Look at the HTTP port's properties"),
         configure(QStringLiteral("dialog-http"), false), configurePort(httpPort),
         socketPort + QLatin1Char(' ') + httpPort},
        {QStringLiteral("Cancel a wizard"), cancelWizard(), add,
         socketPort + QLatin1Char(' ') + httpPort},
        {QStringLiteral("Delete the HTTP port"),
         {},
         [&table, &httpName] { return table->pfnDeletePortUI(nullptr, nullptr, httpName.c_str()); },
         socketPort},
    };

    for (Operation& op : operations) {
        std::printf("\n== %s\n", qPrintable(op.title));
        std::fflush(stdout);
        state.steps = std::move(op.steps);
        state.next = 0;
        SetLastError(0);
        const BOOL result = op.call();
        const DWORD lastError = GetLastError();
        std::printf("  result: %s", result ? "succeeded" : "failed");
        if (!result) {
            std::printf(", last error %u (%s)", static_cast<unsigned>(lastError),
                        qPrintable(errorMeaning(lastError)));
        }
        std::printf("\n");
        QString problem = state.failure;
        if (problem.isEmpty() && state.next != state.steps.size()) {
            problem = QStringLiteral("the windows closed before \"%1\"")
                          .arg(state.steps[state.next].what);
        }
        if (problem.isEmpty() && !result) {
            problem = QStringLiteral("the operation failed");
        }
        if (problem.isEmpty() && QCoreApplication::instance()) {
            problem = QStringLiteral("the module kept its toolkit application after the operation");
        }
        const QString ports = embedded->ports().join(QLatin1Char(' '));
        if (problem.isEmpty() && ports != op.expectPorts) {
            problem = QStringLiteral("the monitor holds \"%1\" instead of \"%2\"")
                          .arg(ports, op.expectPorts);
        }
        if (problem.isEmpty() && op.title.startsWith(QLatin1String("Configure"))) {
            const QString settings = embedded->settingsString(socketPort);
            if (!settings.contains(QLatin1String(";TIMEOUT=15;")) ||
                !settings.endsWith(QLatin1String(";COMMUNITY=public"))) {
                problem = QStringLiteral("the port holds %1 after configuring").arg(settings);
            }
        }
        if (!problem.isEmpty()) {
            std::fprintf(stderr, "netport: tour stopped at \"%s\": %s\n", qPrintable(op.title),
                         qPrintable(problem));
            tour = nullptr;
            return 1;
        }
    }
    tour = nullptr;

    std::printf("\n== Ports at the end\n");
    for (const QString& port : embedded->ports()) {
        std::printf("  %s\n    %s\n", qPrintable(port), qPrintable(embedded->settingsString(port)));
    }
    if (!state.pictures.isEmpty()) {
        std::printf("\n%d pictures in %s\n", static_cast<int>(state.pictures.size()),
                    qPrintable(state.screenshots));
    }
    std::printf("\ntour: completed\n");
    return 0;
}
