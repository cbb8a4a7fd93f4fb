// netport tour: the system's whole job without a person and without a display.
// The driver works the module's windows with real key and mouse events, page by
// page, and the tour saves a picture of each window.
#include "host/tour.h"

#include "host/diagnostics.h"
#include "host/driver.h"
#include "host/module.h"
#include "host/options.h"
#include "host/tracingmonitor.h"
#include "spooler/embeddedmonitor.h"
#include "spooler/spooler.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>
#include <memory>
#include <vector>

using driver::click;
using driver::onCurrentPage;
using driver::onPage;
using driver::Step;
using driver::toggle;
using driver::type;
using driver::wizard;
using driver::wizardButton;

namespace {

// Where the pictures go (empty: none are taken), and those taken so far.
QString pictureDir;
QStringList pictures;

void picture(QWidget* w, const QString& name) {
    if (!w || pictureDir.isEmpty()) {
        return;
    }
    QApplication::processEvents();
    const QString path = QDir(pictureDir).filePath(name + QStringLiteral(".png"));
    if (!w->grab().save(path)) {
        driver::fail(QStringLiteral("cannot save %1").arg(path));
        return;
    }
    pictures << path;
}

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
                         [] { return driver::messageBox(QStringLiteral("WARNING")) != nullptr; },
                         [] {
                             QMessageBox* box = driver::messageBox(QStringLiteral("WARNING"));
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
             [] { return driver::window("test") != nullptr; },
             [name, edit] {
                 QWidget* dialog = driver::window("test");
                 picture(dialog, name);
                 if (edit) {
                     type(driver::find<QLineEdit>(dialog, "timeout"), QStringLiteral("15"));
                     type(driver::find<QLineEdit>(dialog, "communityLE"), QStringLiteral("public"));
                     picture(dialog, name + QStringLiteral("-edited"));
                     click(driver::child(dialog, "okButton"));
                 } else {
                     click(driver::child(dialog, "cancelButton"));
                 }
             }}};
}

std::vector<Step> cancelWizard() {
    return {{QStringLiteral("cancel the wizard on its first page"),
             [] { return onPage("UISelectWidget"); }, [] { wizardButton("cancel"); }}};
}

// The path of a built or installed catalogue of that name, or empty.
QString findCatalogue(const QString& name) {
    const QString dir = executableDirectory();
    const QStringList places = {
        dir + QStringLiteral("/" NETPORT_INSTALLED_CATALOGUE_DIR),
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

// Loads the module, from a copy beside the catalogue when a language is chosen.
PMONITORUI loadTourModule(const QString& modulePath, const QString& language,
                          QTemporaryDir& copyDir, QString& error) {
    if (language.isEmpty()) {
        return loadModule(modulePath, error);
    }
    const QString name = QStringLiteral("monitor_%1.qm").arg(language);
    const QString catalogue = findCatalogue(name);
    if (catalogue.isEmpty()) {
        error = QStringLiteral("no catalogue %1 found; the languages are: %2")
                    .arg(name, QStringLiteral(NETPORT_LANGUAGES));
        return nullptr;
    }
    // The module takes the first "monitor*.qm" beside itself.
    const QString path = copyDir.filePath(QStringLiteral("libnetportui.so"));
    if (!QFile::copy(modulePath, path) || !QFile::copy(catalogue, copyDir.filePath(name))) {
        error = QStringLiteral("cannot copy the module and %1 to %2").arg(name, copyDir.path());
        return nullptr;
    }
    return loadModule(path, error);
}

} // namespace

int runTour(const Options& options, const QString& modulePath) {
    // The windows are drawn off screen, so that no display is needed, unless
    // the caller chose a platform (QT_QPA_PLATFORM=xcb with a display).
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }

    QTemporaryDir storeDir;
    QTemporaryDir copyDir;
    if (!storeDir.isValid() || !copyDir.isValid()) {
        std::fprintf(stderr, "netport: cannot create a temporary directory\n");
        return 1;
    }
    pictures.clear();
    pictureDir.clear();
    if (!options.screenshots.isEmpty()) {
        if (!QDir().mkpath(options.screenshots)) {
            std::fprintf(stderr, "netport: cannot create %s\n", qPrintable(options.screenshots));
            return 1;
        }
        pictureDir = QFileInfo(options.screenshots).absoluteFilePath();
    }
    const QString store = storeDir.filePath(QStringLiteral("ports.db"));
    auto embedded = std::make_shared<spooler::EmbeddedPortMonitor>(store);
    const std::u16string monitorName = options.monitor.toStdU16String();
    spooler::registerMonitor(monitorName, std::make_shared<TracingMonitor>(embedded, stdout));

    QString error;
    PMONITORUI table = loadTourModule(modulePath, options.language, copyDir, error);
    if (!table) {
        std::fprintf(stderr, "netport: %s\n", qPrintable(error));
        return 1;
    }
    std::printf("Tour on a fresh store %s\n", qPrintable(store));

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

    QString platform; // as the module's application reports it
    for (Operation& op : operations) {
        std::printf("\n== %s\n", qPrintable(op.title));
        std::fflush(stdout);
        driver::arm(std::move(op.steps), [&platform](const QString& what) {
            platform = QGuiApplication::platformName();
            std::printf("    - %s\n", qPrintable(what));
            std::fflush(stdout);
        });
        diagnostics::beginOperation();
        SetLastError(0);
        const BOOL result = op.call();
        const DWORD lastError = GetLastError();
        std::printf("  result: %s", result ? "succeeded" : "failed");
        if (!result) {
            std::printf(", last error %u (%s)", static_cast<unsigned>(lastError),
                        qPrintable(errorMeaning(lastError)));
        }
        std::printf("\n");
        driver::disarm();
        QString problem = driver::failure();
        if (problem.isEmpty() && driver::remaining() > 0) {
            problem = QStringLiteral("the windows closed before \"%1\"").arg(driver::nextStep());
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
            diagnostics::reportCauses();
            std::fprintf(stderr, "netport: tour stopped at \"%s\": %s\n", qPrintable(op.title),
                         qPrintable(problem));
            return 1;
        }
    }
    std::printf("\n== Ports at the end\n");
    for (const QString& port : embedded->ports()) {
        std::printf("  %s\n    %s\n", qPrintable(port), qPrintable(embedded->settingsString(port)));
    }
    std::printf("\nWindows shown on the %s platform\n", qPrintable(platform));
    if (!pictures.isEmpty()) {
        std::printf("\n%d pictures in %s\n", static_cast<int>(pictures.size()),
                    qPrintable(pictureDir));
    }
    std::printf("\ntour: completed\n");
    return 0;
}
