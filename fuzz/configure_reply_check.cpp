// Input: a flags byte, a word, then the reply bytes the fetch copies out.
//   flags bits 0-1, the size query: 0 status 122, 1 status 0, 2 status 5, 3 the
//                   call fails with error 77;
//   flags bits 2-3, the fetch: 0 or 1 status 0, 2 status 1392, 3 the call fails
//                   with error 99;
//   flags bits 4-5: 2 makes the first allocation (the channel name) fail, 3 the
//                   second (the reply block);
//   flags bits 6-7, the size the size query reports: 0 the reply's size, 1 the
//                   reply's size plus the word's low byte taken as signed (at
//                   least 0), 2 the word, 3 the word's two low bits (0 to 3).
// The fetch copies at most the reported size of the reply bytes, with no
// terminator added, into the block that ConfigurePortUI allocated.
#include "fuzz/checks.h"
#include "fuzz/input.h"
#include "monitorui/entry.h"
#include "platform/win32.h"
#include "platform/win32_testing.h"
#include "spooler/scriptablemonitor.h"
#include "toolkit/application.h"

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QGroupBox>
#include <QStringList>

#include <algorithm>
#include <memory>
#include <vector>

namespace {

const char16_t kPort[] = u"fuzz:9100";

// Cancels the properties dialog as soon as it shows, as a person pressing
// Cancel at once would, and remembers what its port group showed. Any other
// dialog is closed too and counted: none is expected.
class DialogCanceller : public QObject {
public:
    using QObject::QObject;

    int shown = 0;
    int others = 0;
    QString portTitle;

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show) {
            if (auto* dialog = qobject_cast<QDialog*>(watched)) {
                if (dialog->objectName() == QLatin1String("test")) {
                    ++shown;
                    auto* group = dialog->findChild<QGroupBox*>(QStringLiteral("portGB"));
                    portTitle = group ? group->title() : QStringLiteral("(no portGB)");
                } else {
                    ++others;
                }
                // Queued, so that it arrives once the dialog's own event loop
                // runs.
                QMetaObject::invokeMethod(dialog, &QDialog::reject, Qt::QueuedConnection);
            }
        }
        return false;
    }
};

std::shared_ptr<spooler::ScriptableMonitor> monitor;
DialogCanceller* canceller = nullptr;

// The port name the dialog must show for a reply block of `bytes` bytes whose
// start holds `reply` (the rest zero): the first item of its UTF-16 text up to
// the first NUL, within the block.
QString expectedPortName(const std::vector<BYTE>& reply, DWORD bytes) {
    std::vector<BYTE> block(bytes, 0);
    std::copy_n(reply.begin(), std::min<size_t>(reply.size(), bytes), block.begin());
    QString text;
    for (size_t i = 0; i + 1 < block.size(); i += 2) {
        const char16_t unit = static_cast<char16_t>(block[i] | (block[i + 1] << 8));
        if (unit == 0) {
            break;
        }
        text += QChar(unit);
    }
    return text.split(QLatin1Char(';'), Qt::SkipEmptyParts).value(0);
}

} // namespace

void prepareConfigureReply() {
    // No catalogue, so that the dialog shows its source texts.
    win32::setSystemDirectory("/nonexistent/netport-fuzz");
    monitor = std::make_shared<spooler::ScriptableMonitor>(std::set<std::u16string>{kPort});
    spooler::registerMonitor(u"Fuzz Port Monitor", monitor);
    canceller = new DialogCanceller(QCoreApplication::instance());
    QCoreApplication::instance()->installEventFilter(canceller);
}

QString checkConfigureReply(const uint8_t* data, size_t size) {
    FuzzInput in(data, size);
    const uint8_t flags = in.byte();
    const uint16_t word = in.word();
    const std::vector<BYTE> reply(in.rest(), in.rest() + in.restSize());

    DWORD needed = 0;
    switch (flags >> 6) {
    case 0:
        needed = static_cast<DWORD>(reply.size());
        break;
    case 1:
        needed = static_cast<DWORD>(
            std::max<long>(0, static_cast<long>(reply.size()) + static_cast<int8_t>(word & 0xff)));
        break;
    case 2:
        needed = word;
        break;
    default:
        needed = word & 3;
        break;
    }

    using Answer = spooler::ScriptableMonitor::Answer;
    Answer query;
    query.needed = needed;
    DWORD expectedError = 0;
    switch (flags & 3) {
    case 0:
        query.status = ERROR_INSUFFICIENT_BUFFER;
        break;
    case 1:
        query.status = ERROR_SUCCESS;
        break;
    case 2:
        query.status = expectedError = ERROR_ACCESS_DENIED;
        break;
    default:
        query.result = FALSE;
        query.lastError = expectedError = 77;
        break;
    }
    // The reply block is allocated once the size query succeeded.
    const bool queryAnswered = !expectedError;
    Answer fetch;
    fetch.needed = needed;
    fetch.reply = reply;
    if (!expectedError) {
        switch ((flags >> 2) & 3) {
        case 2:
            fetch.status = expectedError = ERROR_FILE_CORRUPT;
            break;
        case 3:
            fetch.result = FALSE;
            fetch.lastError = expectedError = 99;
            break;
        default:
            break;
        }
    }
    const int failingAllocation = (flags >> 4) & 3;
    monitor->reset();
    monitor->answer(u"GetProperties", query);
    monitor->answer(u"GetProperties", fetch);

    const long blocks = win32::liveBlocks();
    const int channels = spooler::openChannelCount();
    canceller->shown = 0;
    canceller->others = 0;
    canceller->portTitle.clear();

    if (failingAllocation >= 2) {
        win32::failAllocation(failingAllocation - 1);
    }
    win32::beginDebugCapture();
    const BOOL result = ConfigurePortUI(nullptr, nullptr, kPort);
    const DWORD error = GetLastError();
    win32::endDebugCapture();
    win32::failAllocation(0);

    QStringList failures;
    if (win32::liveBlocks() != blocks) {
        failures << QStringLiteral("%1 blocks left behind").arg(win32::liveBlocks() - blocks);
    }
    if (spooler::openChannelCount() != channels) {
        failures
            << QStringLiteral("%1 channels left open").arg(spooler::openChannelCount() - channels);
    }
    if (applicationUseCount() != 0) {
        failures << QStringLiteral("the application keeps %1 users").arg(applicationUseCount());
    }
    if (canceller->others) {
        failures << QStringLiteral("%1 other dialogs shown").arg(canceller->others);
    }
    if (!monitor->callsOf(u"SetProperties").empty()) {
        failures << QStringLiteral("SetProperties sent for a cancelled dialog");
    }

    if (failingAllocation == 2) {
        // No channel name: nothing reaches the spooler.
        if (result || !monitor->calls().empty() || canceller->shown) {
            failures << QStringLiteral("went on without a channel name");
        }
    } else if (expectedError && !(failingAllocation == 3 && queryAnswered)) {
        if (result || error != expectedError || canceller->shown) {
            failures << QStringLiteral("failure %1 gave result %2, error %3, %4 dialogs")
                            .arg(expectedError)
                            .arg(result)
                            .arg(error)
                            .arg(canceller->shown);
        }
    } else if (failingAllocation == 3) {
        if (canceller->shown) {
            failures << QStringLiteral("dialog shown without a reply block");
        }
    } else {
        const auto gets = monitor->callsOf(u"GetProperties");
        if (gets.size() != 2 || gets[1].outputBytes != needed || gets[1].outputNull) {
            failures << QStringLiteral("the fetch did not get a block of the reported size");
        }
        if (!result) {
            failures << QStringLiteral("a cancelled dialog gave FALSE, error %1").arg(error);
        }
        if (canceller->shown != 1) {
            failures << QStringLiteral("the dialog showed %1 times").arg(canceller->shown);
        } else {
            const QString expected =
                QStringLiteral("Configuration for Port %1").arg(expectedPortName(reply, needed));
            if (canceller->portTitle != expected) {
                failures << QStringLiteral("the port group showed \"%1\" instead of \"%2\"")
                                .arg(canceller->portTitle, expected);
            }
        }
    }
    if (failures.isEmpty()) {
        return QString();
    }
    return failures.join(QStringLiteral("; ")) +
           QStringLiteral(" (flags 0x%1, reported size %2, %3 reply bytes)")
               .arg(flags, 2, 16, QLatin1Char('0'))
               .arg(needed)
               .arg(reply.size());
}
