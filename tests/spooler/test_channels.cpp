// The stand-in spooler's channel calls: channel names, access, handles,
// routing, and the scriptable monitor that the module's tests rely on.
#include "spooler/scriptablemonitor.h"
#include "spooler/spooler.h"

#include <QSysInfo>
#include <QTest>

#include <cstring>

using spooler::ScriptableMonitor;

namespace {

const std::u16string kMonitor = u"Test Monitor";
const std::u16string kPort = u"10.0.0.5:9100";

std::u16string u16(const QString& text) {
    return text.toStdU16String();
}

BOOL openChannel(const std::u16string& name, HANDLE* handle,
                 DWORD access = SERVER_ACCESS_ADMINISTER) {
    std::u16string copy = name;
    PRINTER_DEFAULTSW defaults{nullptr, nullptr, access};
    return OpenPrinterW(copy.data(), handle, &defaults);
}

} // namespace

class ChannelTest : public QObject {
    Q_OBJECT

    std::shared_ptr<ScriptableMonitor> monitor;

private slots:
    void init() {
        spooler::unregisterAllMonitors();
        monitor = std::make_shared<ScriptableMonitor>(std::set<std::u16string>{kPort});
        spooler::registerMonitor(kMonitor, monitor);
    }

    void cleanup() {
        spooler::unregisterAllMonitors();
        QCOMPARE(spooler::openChannelCount(), 0);
    }

    void acceptedNames_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("object");
        QTest::addColumn<bool>("isPort");
        const QString host = QSysInfo::machineHostName();
        QTest::newRow("no server") << ",XcvMonitor Test Monitor"
                                   << "Test Monitor" << false;
        QTest::newRow("empty server") << "\\,XcvMonitor Test Monitor"
                                      << "Test Monitor" << false;
        QTest::newRow("host name") << "\\\\" + host + "\\,XcvMonitor Test Monitor"
                                   << "Test Monitor" << false;
        QTest::newRow("host name, other case")
            << "\\\\" + host.toUpper() + "\\,XcvPort 10.0.0.5:9100"
            << "10.0.0.5:9100" << true;
        QTest::newRow("localhost") << "\\\\localhost\\,XcvPort 10.0.0.5:9100"
                                   << "10.0.0.5:9100" << true;
        QTest::newRow("port, no server") << ",XcvPort 10.0.0.5:9100"
                                         << "10.0.0.5:9100" << true;
    }

    void acceptedNames() {
        QFETCH(QString, name);
        QFETCH(QString, object);
        QFETCH(bool, isPort);
        HANDLE handle = nullptr;
        QVERIFY(openChannel(u16(name), &handle));
        QVERIFY(handle != nullptr);
        QCOMPARE(spooler::openChannelCount(), 1);
        QVERIFY(ClosePrinter(handle));
        const auto calls = monitor->calls();
        QCOMPARE(calls.size(), size_t(2));
        QCOMPARE(calls[0].kind, ScriptableMonitor::Call::Open);
        QCOMPARE(QString::fromStdU16String(calls[0].object), object);
        QCOMPARE(calls[0].isPort, isPort);
        QCOMPARE(calls[1].kind, ScriptableMonitor::Call::Close);
        QCOMPARE(QString::fromStdU16String(calls[1].object), object);
    }

    void refusedNames_data() {
        QTest::addColumn<QString>("name");
        const QString host = QSysInfo::machineHostName();
        QTest::newRow("empty") << "";
        QTest::newRow("remote server") << "\\\\printhost.example.org\\,XcvMonitor Test Monitor";
        QTest::newRow("server without backslash") << "\\\\" + host + ",XcvMonitor Test Monitor";
        QTest::newRow("server without leading backslashes")
            << "localhost\\,XcvMonitor Test Monitor";
        QTest::newRow("empty host name") << "\\\\\\,XcvMonitor Test Monitor";
        QTest::newRow("no comma") << "XcvMonitor Test Monitor";
        QTest::newRow("no object") << ",XcvMonitor ";
        QTest::newRow("no blank") << ",XcvMonitorTest Monitor";
        QTest::newRow("keyword case") << ",xcvmonitor Test Monitor";
        QTest::newRow("other keyword") << ",XcvJob Test Monitor";
        QTest::newRow("unknown monitor") << ",XcvMonitor Other Monitor";
        QTest::newRow("unknown port") << ",XcvPort 10.0.0.6:9100";
        QTest::newRow("two blanks") << ",XcvPort  10.0.0.5:9100";
        QTest::newRow("port name as monitor") << ",XcvMonitor 10.0.0.5:9100";
        QTest::newRow("printer name") << "Test Monitor";
    }

    void refusedNames() {
        QFETCH(QString, name);
        HANDLE handle = reinterpret_cast<HANDLE>(0x1234);
        SetLastError(0);
        QCOMPARE(openChannel(u16(name), &handle), FALSE);
        QCOMPARE(GetLastError(), DWORD(ERROR_INVALID_PRINTER_NAME));
        QCOMPARE(handle, nullptr);
        QCOMPARE(spooler::openChannelCount(), 0);
        QVERIFY(monitor->calls().empty());
    }

    void nullNameAndAccess() {
        HANDLE handle = nullptr;
        PRINTER_DEFAULTSW defaults{nullptr, nullptr, SERVER_ACCESS_ADMINISTER};
        QCOMPARE(OpenPrinterW(nullptr, &handle, &defaults), FALSE);
        QCOMPARE(GetLastError(), DWORD(ERROR_INVALID_PRINTER_NAME));

        std::u16string name = u",XcvMonitor Test Monitor";
        QCOMPARE(OpenPrinterW(name.data(), &handle, nullptr), FALSE);
        QCOMPARE(GetLastError(), DWORD(ERROR_ACCESS_DENIED));
        QCOMPARE(openChannel(name, &handle, 0), FALSE);
        QCOMPARE(GetLastError(), DWORD(ERROR_ACCESS_DENIED));
        QCOMPARE(openChannel(name, &handle, 0x8 /* use, not administer */), FALSE);
        QCOMPARE(GetLastError(), DWORD(ERROR_ACCESS_DENIED));
        QCOMPARE(spooler::openChannelCount(), 0);
        QVERIFY(monitor->calls().empty());

        QVERIFY(openChannel(name, &handle, 0xF0000 | SERVER_ACCESS_ADMINISTER));
        QVERIFY(ClosePrinter(handle));
    }

    void invalidAndClosedHandles() {
        DWORD needed = 99, status = 99;
        int local = 0;
        for (HANDLE bogus : {HANDLE(nullptr), HANDLE(&local)}) {
            SetLastError(0);
            QCOMPARE(XcvDataW(bogus, u"DeletePort", nullptr, 0, nullptr, 0, &needed, &status),
                     FALSE);
            QCOMPARE(GetLastError(), DWORD(ERROR_INVALID_HANDLE));
            SetLastError(0);
            QCOMPARE(ClosePrinter(bogus), FALSE);
            QCOMPARE(GetLastError(), DWORD(ERROR_INVALID_HANDLE));
        }

        HANDLE first = nullptr, second = nullptr;
        QVERIFY(openChannel(u",XcvMonitor Test Monitor", &first));
        QVERIFY(openChannel(u",XcvPort 10.0.0.5:9100", &second));
        QVERIFY(first != second);
        QCOMPARE(spooler::openChannelCount(), 2);
        QVERIFY(ClosePrinter(first));
        QCOMPARE(spooler::openChannelCount(), 1);
        SetLastError(0);
        QCOMPARE(XcvDataW(first, u"DeletePort", nullptr, 0, nullptr, 0, &needed, &status), FALSE);
        QCOMPARE(GetLastError(), DWORD(ERROR_INVALID_HANDLE));
        QCOMPARE(ClosePrinter(first), FALSE);
        QCOMPARE(GetLastError(), DWORD(ERROR_INVALID_HANDLE));
        // A new channel never takes over the number of a closed one.
        HANDLE third = nullptr;
        QVERIFY(openChannel(u",XcvMonitor Test Monitor", &third));
        QVERIFY(third != first);
        QCOMPARE(ClosePrinter(first), FALSE);
        QVERIFY(XcvDataW(second, u"DeletePort", nullptr, 0, nullptr, 0, &needed, &status));
        QVERIFY(ClosePrinter(second));
        QVERIFY(ClosePrinter(third));
        QCOMPARE(monitor->callsOf(u"DeletePort").size(), size_t(1));
    }

    void routing() {
        auto other = std::make_shared<ScriptableMonitor>(std::set<std::u16string>{u"p2"});
        spooler::registerMonitor(u"Other Monitor", other);
        HANDLE handle = nullptr;
        QVERIFY(openChannel(u",XcvPort p2", &handle));
        QVERIFY(ClosePrinter(handle));
        QVERIFY(openChannel(u",XcvMonitor Test Monitor", &handle));
        QVERIFY(ClosePrinter(handle));
        QCOMPARE(other->calls().size(), size_t(2));
        QVERIFY(other->calls()[0].isPort);
        QCOMPARE(monitor->calls().size(), size_t(2));
        QVERIFY(!monitor->calls()[0].isPort);

        // A port that the monitor takes on later is found; one it gives up is not.
        monitor->addPort(u"p3");
        QVERIFY(openChannel(u",XcvPort p3", &handle));
        QVERIFY(ClosePrinter(handle));
        other->removePort(u"p2");
        QCOMPARE(openChannel(u",XcvPort p2", &handle), FALSE);
        QCOMPARE(GetLastError(), DWORD(ERROR_INVALID_PRINTER_NAME));

        // An open channel keeps its monitor after the monitor is unregistered.
        QVERIFY(openChannel(u",XcvMonitor Other Monitor", &handle));
        spooler::unregisterMonitor(u"Other Monitor");
        HANDLE refused = nullptr;
        QCOMPARE(openChannel(u",XcvMonitor Other Monitor", &refused), FALSE);
        DWORD needed = 0, status = 0;
        QVERIFY(XcvDataW(handle, u"AddPort", nullptr, 0, nullptr, 0, &needed, &status));
        QCOMPARE(other->callsOf(u"AddPort").size(), size_t(1));
        QVERIFY(ClosePrinter(handle));
    }

    void monitorRefusesOpen() {
        monitor->refuseOpen(1722);
        HANDLE handle = nullptr;
        SetLastError(0);
        QCOMPARE(openChannel(u",XcvPort 10.0.0.5:9100", &handle), FALSE);
        QCOMPARE(GetLastError(), DWORD(1722));
        QCOMPARE(handle, nullptr);
        QCOMPARE(spooler::openChannelCount(), 0);
        monitor->refuseOpen(0);
        QVERIFY(openChannel(u",XcvPort 10.0.0.5:9100", &handle));
        QVERIFY(ClosePrinter(handle));
    }

    void scriptableRecordsCalls() {
        HANDLE handle = nullptr;
        QVERIFY(openChannel(u",XcvPort 10.0.0.5:9100", &handle));
        std::u16string input = u"ab";
        DWORD needed = 0, status = 0;
        BYTE output[4];
        QVERIFY(XcvDataW(handle, u"DeletePort", reinterpret_cast<PBYTE>(input.data()), 6, output, 0,
                         &needed, &status));
        QVERIFY(XcvDataW(handle, u"GetProperties", nullptr, 0, nullptr, 0, &needed, &status));
        QVERIFY(ClosePrinter(handle));

        const auto calls = monitor->calls();
        QCOMPARE(calls.size(), size_t(4));
        QCOMPARE(calls[1].kind, ScriptableMonitor::Call::XcvData);
        QCOMPARE(calls[1].command, std::u16string(u"DeletePort"));
        QCOMPARE(calls[1].inputBytes, DWORD(6));
        QCOMPARE(calls[1].input, ScriptableMonitor::utf16(u"ab"));
        QCOMPARE(ScriptableMonitor::inputText(calls[1]), input);
        QVERIFY(!calls[1].outputNull);
        QCOMPARE(calls[1].outputBytes, DWORD(0));
        QCOMPARE(calls[2].command, std::u16string(u"GetProperties"));
        QVERIFY(calls[2].inputNull);
        QVERIFY(calls[2].outputNull);
        QCOMPARE(calls[3].kind, ScriptableMonitor::Call::Close);
    }

    void scriptableAnswers() {
        monitor->answer(u"GetProperties", {.result = TRUE, .status = 122, .needed = 40});
        monitor->answer(u"GetProperties",
                        {.result = TRUE, .needed = 8, .reply = ScriptableMonitor::utf16(u"abc")});
        monitor->answer(u"GetProperties", {.result = TRUE, .reply = {0x41, 0x00, 0x42}});
        monitor->answer(u"SetProperties", {.result = FALSE, .lastError = 1722, .status = 5});
        HANDLE handle = nullptr;
        QVERIFY(openChannel(u",XcvPort 10.0.0.5:9100", &handle));
        DWORD needed = 0, status = 0;

        QVERIFY(XcvDataW(handle, u"GetProperties", nullptr, 0, nullptr, 0, &needed, &status));
        QCOMPARE(status, DWORD(122));
        QCOMPARE(needed, DWORD(40));

        // Only outputBytes of the reply are written; the rest of the buffer stays.
        BYTE buffer[8];
        std::memset(buffer, 0xEE, sizeof buffer);
        QVERIFY(XcvDataW(handle, u"GetProperties", nullptr, 0, buffer, 4, &needed, &status));
        QCOMPARE(status, DWORD(0));
        QCOMPARE(needed, DWORD(8));
        const BYTE firstTwo[] = {'a', 0, 'b', 0, 0xEE, 0xEE, 0xEE, 0xEE};
        QVERIFY(std::memcmp(buffer, firstTwo, sizeof buffer) == 0);

        std::memset(buffer, 0xEE, sizeof buffer);
        QVERIFY(XcvDataW(handle, u"GetProperties", nullptr, 0, buffer, 8, &needed, &status));
        const BYTE odd[] = {0x41, 0x00, 0x42, 0xEE, 0xEE, 0xEE, 0xEE, 0xEE};
        QVERIFY(std::memcmp(buffer, odd, sizeof buffer) == 0);

        // The queue is used up: the unprogrammed answer.
        needed = status = 7;
        std::memset(buffer, 0xEE, sizeof buffer);
        QVERIFY(XcvDataW(handle, u"GetProperties", nullptr, 0, buffer, 8, &needed, &status));
        QCOMPARE(needed, DWORD(0));
        QCOMPARE(status, DWORD(0));
        QCOMPARE(buffer[0], BYTE(0xEE));

        SetLastError(0);
        QCOMPARE(XcvDataW(handle, u"SetProperties", nullptr, 0, nullptr, 0, &needed, &status),
                 FALSE);
        QCOMPARE(GetLastError(), DWORD(1722));
        QCOMPARE(status, DWORD(5));

        monitor->setDefaultAnswer(u"AddPort", {.result = TRUE, .status = 183});
        for (int i = 0; i < 2; ++i) {
            QVERIFY(XcvDataW(handle, u"AddPort", nullptr, 0, nullptr, 0, &needed, &status));
            QCOMPARE(status, DWORD(183));
        }
        QVERIFY(ClosePrinter(handle));
    }
};

QTEST_GUILESS_MAIN(ChannelTest)
#include "test_channels.moc"
