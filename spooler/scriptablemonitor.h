// A port monitor for tests: it records every call it receives and answers with
// results programmed beforehand.
//
//   auto monitor = std::make_shared<spooler::ScriptableMonitor>(
//       std::set<std::u16string>{u"10.0.0.5:9100"});
//   spooler::registerMonitor(u"Test Monitor", monitor);
//   monitor->answer(u"GetProperties", {.result = TRUE, .status = 122, .needed = 40});
//   monitor->answer(u"GetProperties",
//                   {.result = TRUE, .reply = spooler::ScriptableMonitor::utf16(u"p;PROT=HTTP")});
//   ... run the code under test ...
//   monitor->calls()   // what it was asked, in order
#pragma once

#include "spooler/spooler.h"

#include <deque>
#include <map>
#include <mutex>
#include <set>
#include <string>
#include <vector>

namespace spooler {

class NETPORT_SPOOLER_API ScriptableMonitor : public PortMonitor {
public:
    // The answer to one XcvDataW call.
    struct Answer {
        BOOL result = TRUE;
        DWORD lastError = 0; // set with SetLastError when result is FALSE
        DWORD status = 0;
        DWORD needed = 0;
        // Copied into the output as given (no terminator is added), at most
        // outputBytes of it and nothing when the output pointer is null.
        std::vector<BYTE> reply = {};
    };

    struct Call {
        enum Kind { Open, XcvData, Close };
        Kind kind = Open;
        std::u16string object; // monitor or port name of the channel
        bool isPort = false;
        // XcvData only:
        std::u16string command;
        std::vector<BYTE> input; // copy of the inputBytes bytes (empty for a null input)
        DWORD inputBytes = 0;
        bool inputNull = false;
        DWORD outputBytes = 0;
        bool outputNull = false;
    };

    ScriptableMonitor() = default;
    explicit ScriptableMonitor(std::set<std::u16string> ports);

    // The bytes of a UTF-16 text, with its NUL terminator unless told otherwise.
    static std::vector<BYTE> utf16(const std::u16string& text, bool terminator = true);
    // The recorded input of a call read as UTF-16, up to the first NUL.
    static std::u16string inputText(const Call& call);

    void addPort(const std::u16string& port);
    void removePort(const std::u16string& port);

    // Queues an answer for the next unanswered call of the command; queued
    // answers are used in order.
    void answer(const std::u16string& command, const Answer& answer);
    // The answer once the queue of the command is empty (initially TRUE,
    // status 0, needed 0, no reply).
    void setDefaultAnswer(const std::u16string& command, const Answer& answer);
    // Makes every following open fail with the error; 0 accepts again.
    void refuseOpen(DWORD lastError);

    std::vector<Call> calls() const;
    // The recorded XcvData calls of one command.
    std::vector<Call> callsOf(const std::u16string& command) const;
    void clearCalls();
    // Clears the recorded calls, the queued and default answers and the open
    // refusal; the ports stay.
    void reset();

    DWORD findPort(const std::u16string& port, bool* owned) const override;
    BOOL open(const std::u16string& object, bool isPort) override;
    BOOL xcvData(const std::u16string& object, bool isPort, const std::u16string& command,
                 const BYTE* input, DWORD inputBytes, BYTE* output, DWORD outputBytes,
                 DWORD* needed, DWORD* status) override;
    void close(const std::u16string& object, bool isPort) override;

private:
    mutable std::mutex mutex;
    std::set<std::u16string> portNames;
    std::map<std::u16string, std::deque<Answer>> queued;
    std::map<std::u16string, Answer> defaults;
    DWORD openError = 0;
    std::vector<Call> recorded;
};

} // namespace spooler
