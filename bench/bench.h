// What the benchmark groups of netport-bench share: the module's table and the
// port monitors it talks to, the ports they hold, and seeing a window appear.
#pragma once

#include "bench/figures.h"

#include "platform/win32.h"

#include <QString>

#include <chrono>
#include <cstdio>
#include <functional>
#include <memory>
#include <optional>
#include <utility>

QT_BEGIN_NAMESPACE
class QDialog;
class QTemporaryDir;
class QWidget;
QT_END_NAMESPACE

namespace spooler {
class EmbeddedPortMonitor;
class ScriptableMonitor;
} // namespace spooler

namespace bench {

using Clock = figures::Clock;

inline constexpr const char16_t* kMonitor = u"Bench Monitor";
inline constexpr const char16_t* kAnsweringMonitor = u"Bench Answering Monitor";
// A port of the answering monitor, which replies from memory, and one kept in
// the embedded monitor's file store.
inline constexpr const char16_t* kPort = u"10.0.0.5:9100";
inline constexpr const char16_t* kStoredPort = u"10.0.0.6:9100";
inline constexpr const char16_t* kPortSettings =
    u"10.0.0.5:9100;PROT=SOCKET;TIMEOUT=5;MONITORING=ON;COMMUNITY=public";

inline double microsecondsBetween(Clock::time_point from, Clock::time_point to) {
    return std::chrono::duration<double, std::micro>(to - from).count();
}

struct Bench {
    PMONITORUI table = nullptr;
    std::shared_ptr<spooler::EmbeddedPortMonitor> monitor;
    std::shared_ptr<spooler::ScriptableMonitor> answering;
    bool failed = false;

    void problem(const char* what) {
        std::fprintf(stderr, "netport-bench: %s\n", what);
        failed = true;
    }
};

// The embedded monitor, registered under kMonitor, with its store in `store`.
std::shared_ptr<spooler::EmbeddedPortMonitor> registerMonitor(const QTemporaryDir& store);

// The monitors and the ports that ConfigurePortUI opens.
bool setUpMonitors(Bench& bench, const QTemporaryDir& store);

// ---------------------------------------------------------------------------
// Seeing a window appear.

// When a window of the awaited name is first shown: the time, and an action
// run on it from the event loop (the Show event arrives before the modal loop
// runs, so the window cannot be closed from inside the event).
struct Awaited {
    Awaited(QString name, std::function<void(QWidget*)> then)
        : name(std::move(name)), then(std::move(then)) {}

    QString name;
    std::function<void(QWidget*)> then;
    bool shown = false;
    Clock::time_point at;
};

// The window awaited now, if any; set around each call that opens one.
extern Awaited* awaited;

// Installed in every application as it is created.
void installProbe();

void rejectWindow(QWidget* w);

// Shows the dialog that `build` makes in a bare application, runs `then` on it
// from the event loop once it is shown, and destroys both afterwards, as the
// module does with its own. Answers when the dialog was shown, if it was.
std::optional<Clock::time_point> showInBareApplication(const std::function<QDialog*()>& build,
                                                       std::function<void(QWidget*)> then);

} // namespace bench
