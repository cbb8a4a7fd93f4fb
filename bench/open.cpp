#include "bench/open.h"

#include "forms/uiproperties.h"

#include "platform/display.h"
#include "platform/win32_testing.h"
#include "spooler/scriptablemonitor.h"
#include "toolkit/application.h"

#include <QCoreApplication>
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <string>

namespace bench {

using figures::millisecondsBetween;

// ---------------------------------------------------------------------------
// Open latency.

namespace {

// The time from the start of the application until the dialog is shown.
double openInBareApplication(Bench& bench, const std::function<QDialog*()>& build,
                             const char* problem) {
    const Clock::time_point start = Clock::now();
    const std::optional<Clock::time_point> shown = showInBareApplication(build, rejectWindow);
    if (!shown) {
        bench.problem(problem);
        return 0;
    }
    return millisecondsBetween(start, *shown);
}

} // namespace

double openFloor(Bench& bench, bool text) {
    return openInBareApplication(
        bench,
        [text] {
            auto* dialog = new QDialog();
            if (text) {
                auto* layout = new QVBoxLayout(dialog);
                layout->addWidget(new QLabel(QStringLiteral("Port Configuration"), dialog));
                layout->addWidget(new QPushButton(QStringLiteral("OK"), dialog));
            }
            return dialog;
        },
        "the bare dialog was not shown");
}

double openPropertiesForm(Bench& bench) {
    return openInBareApplication(
        bench, [] { return new UIProperties(); }, "the properties form was not shown");
}

double openWizard(Bench& bench) {
    Awaited wait{QStringLiteral("AddPortWizard"), rejectWindow};
    awaited = &wait;
    win32::beginDebugCapture();
    PWSTR out = nullptr;
    const Clock::time_point start = Clock::now();
    const BOOL result = bench.table->pfnAddPortUI(nullptr, nullptr, kMonitor, &out);
    win32::endDebugCapture();
    awaited = nullptr;
    if (!result || !wait.shown) {
        bench.problem("the wizard was not shown and cancelled");
    }
    return millisecondsBetween(start, wait.at);
}

double openDialog(Bench& bench, bool stored) {
    if (!stored) {
        const std::vector<BYTE> reply = spooler::ScriptableMonitor::utf16(kPortSettings);
        bench.answering->reset();
        bench.answering->answer(u"GetProperties", {TRUE, 0, ERROR_INSUFFICIENT_BUFFER,
                                                   static_cast<DWORD>(reply.size())});
        bench.answering->answer(u"GetProperties", {TRUE, 0, 0, 0, reply});
    }
    Awaited wait{QStringLiteral("test"), rejectWindow};
    awaited = &wait;
    win32::beginDebugCapture();
    const Clock::time_point start = Clock::now();
    const BOOL result =
        bench.table->pfnConfigurePortUI(nullptr, nullptr, stored ? kStoredPort : kPort);
    win32::endDebugCapture();
    awaited = nullptr;
    if (!result || !wait.shown) {
        bench.problem("the properties dialog was not shown and cancelled");
    }
    return millisecondsBetween(start, wait.at);
}

// ---------------------------------------------------------------------------
// The start check.

StartCheck timeStartCheck(Bench& bench, int runs) {
    const int batch = 1000;
    const std::string platform = qEnvironmentVariable("QT_QPA_PLATFORM").toStdString();
    StartCheck check;
    bool ok = !QCoreApplication::instance();
    Clock::time_point start = Clock::now();
    ok = applicationStartError() == ERROR_SUCCESS && ok;
    check.firstUs = microsecondsBetween(start, Clock::now());
    for (int i = 0; i < runs; ++i) {
        start = Clock::now();
        for (int k = 0; k < batch; ++k) {
            ok = applicationStartError() == ERROR_SUCCESS && ok;
        }
        check.laterUs.push_back(microsecondsBetween(start, Clock::now()) / batch);
        start = Clock::now();
        for (int k = 0; k < batch; ++k) {
            ok = platform::displayReachable(platform) && ok;
        }
        check.displayUs.push_back(microsecondsBetween(start, Clock::now()) / batch);
    }
    if (!ok) {
        bench.problem("the start check failed");
    }
    return check;
}

} // namespace bench
