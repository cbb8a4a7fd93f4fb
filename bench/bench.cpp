#include "bench/bench.h"

#include "spooler/embeddedmonitor.h"
#include "spooler/scriptablemonitor.h"
#include "spooler/spooler.h"

#include <QApplication>
#include <QDialog>
#include <QPointer>
#include <QTemporaryDir>

#include <set>
#include <string>
#include <utility>

namespace bench {

std::shared_ptr<spooler::EmbeddedPortMonitor> registerMonitor(const QTemporaryDir& store) {
    auto monitor =
        std::make_shared<spooler::EmbeddedPortMonitor>(store.filePath(QStringLiteral("ports.db")));
    spooler::registerMonitor(kMonitor, monitor);
    return monitor;
}

bool setUpMonitors(Bench& bench, const QTemporaryDir& store) {
    bench.monitor = registerMonitor(store);
    bench.answering = std::make_shared<spooler::ScriptableMonitor>(std::set<std::u16string>{kPort});
    spooler::registerMonitor(kAnsweringMonitor, bench.answering);
    const std::u16string settings =
        std::u16string(kStoredPort) + u";PROT=SOCKET;MONITORING=ON;COMMUNITY=public;";
    DWORD needed = 0;
    DWORD status = 0;
    bench.monitor->xcvData(
        kMonitor, false, u"AddPort", reinterpret_cast<const BYTE*>(settings.c_str()),
        static_cast<DWORD>(2 * settings.size() + 2), nullptr, 0, &needed, &status);
    if (status != 0) {
        bench.problem("cannot add the port to configure");
        return false;
    }
    return true;
}

// ---------------------------------------------------------------------------
// Seeing a window appear.

Awaited* awaited = nullptr;

namespace {

class ShowProbe : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show && awaited && !awaited->shown &&
            watched->isWidgetType()) {
            auto* w = static_cast<QWidget*>(watched);
            if (w->isWindow() && w->objectName() == awaited->name) {
                awaited->at = Clock::now();
                awaited->shown = true;
                QPointer<QWidget> target = w;
                Awaited* current = awaited;
                QMetaObject::invokeMethod(
                    this,
                    [target, current] {
                        if (target) {
                            current->then(target);
                        }
                    },
                    Qt::QueuedConnection);
            }
        }
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

void installProbe() {
    qApp->installEventFilter(new ShowProbe(qApp));
}

void rejectWindow(QWidget* w) {
    if (auto* dialog = qobject_cast<QDialog*>(w)) {
        dialog->reject();
    }
}

std::optional<Clock::time_point> showInBareApplication(const std::function<QDialog*()>& build,
                                                       std::function<void(QWidget*)> then) {
    Awaited wait{QStringLiteral("bare"), std::move(then)};
    awaited = &wait;
    {
        int argc = 1;
        char program[] = "netport-bench";
        char* argv[] = {program, nullptr};
        auto* app = new QApplication(argc, argv);
        QDialog* dialog = build();
        dialog->setObjectName(QStringLiteral("bare"));
        dialog->exec();
        delete dialog;
        delete app;
    }
    awaited = nullptr;
    if (!wait.shown) {
        return std::nullopt;
    }
    return wait.at;
}

} // namespace bench
