#include "spooler/scriptablemonitor.h"

#include <algorithm>
#include <cstring>
#include <iterator>
#include <utility>

namespace spooler {

ScriptableMonitor::ScriptableMonitor(std::set<std::u16string> ports)
    : portNames(std::move(ports)) {}

std::vector<BYTE> ScriptableMonitor::utf16(const std::u16string& text, bool terminator) {
    const size_t units = text.size() + (terminator ? 1 : 0);
    std::vector<BYTE> bytes(units * sizeof(char16_t));
    std::memcpy(bytes.data(), text.c_str(), bytes.size());
    return bytes;
}

std::u16string ScriptableMonitor::inputText(const Call& call) {
    std::u16string text;
    for (size_t i = 0; i + 1 < call.input.size(); i += 2) {
        char16_t unit;
        std::memcpy(&unit, call.input.data() + i, sizeof unit);
        if (unit == 0) {
            break;
        }
        text += unit;
    }
    return text;
}

void ScriptableMonitor::addPort(const std::u16string& port) {
    std::lock_guard<std::mutex> lock(mutex);
    portNames.insert(port);
}

void ScriptableMonitor::removePort(const std::u16string& port) {
    std::lock_guard<std::mutex> lock(mutex);
    portNames.erase(port);
}

void ScriptableMonitor::answer(const std::u16string& command, const Answer& answer) {
    std::lock_guard<std::mutex> lock(mutex);
    queued[command].push_back(answer);
}

void ScriptableMonitor::setDefaultAnswer(const std::u16string& command, const Answer& answer) {
    std::lock_guard<std::mutex> lock(mutex);
    defaults[command] = answer;
}

void ScriptableMonitor::refuseOpen(DWORD lastError) {
    std::lock_guard<std::mutex> lock(mutex);
    openError = lastError;
}

std::vector<ScriptableMonitor::Call> ScriptableMonitor::calls() const {
    std::lock_guard<std::mutex> lock(mutex);
    return recorded;
}

std::vector<ScriptableMonitor::Call>
ScriptableMonitor::callsOf(const std::u16string& command) const {
    std::lock_guard<std::mutex> lock(mutex);
    std::vector<Call> result;
    std::copy_if(
        recorded.begin(), recorded.end(), std::back_inserter(result),
        [&](const Call& call) { return call.kind == Call::XcvData && call.command == command; });
    return result;
}

void ScriptableMonitor::clearCalls() {
    std::lock_guard<std::mutex> lock(mutex);
    recorded.clear();
}

void ScriptableMonitor::reset() {
    std::lock_guard<std::mutex> lock(mutex);
    recorded.clear();
    queued.clear();
    defaults.clear();
    openError = 0;
}

DWORD ScriptableMonitor::findPort(const std::u16string& port, bool* owned) const {
    std::lock_guard<std::mutex> lock(mutex);
    *owned = portNames.count(port) != 0;
    return ERROR_SUCCESS;
}

BOOL ScriptableMonitor::open(const std::u16string& object, bool isPort) {
    std::lock_guard<std::mutex> lock(mutex);
    Call call;
    call.kind = Call::Open;
    call.object = object;
    call.isPort = isPort;
    recorded.push_back(std::move(call));
    if (openError != 0) {
        SetLastError(openError);
        return FALSE;
    }
    return TRUE;
}

BOOL ScriptableMonitor::xcvData(const std::u16string& object, bool isPort,
                                const std::u16string& command, const BYTE* input, DWORD inputBytes,
                                BYTE* output, DWORD outputBytes, DWORD* needed, DWORD* status) {
    std::lock_guard<std::mutex> lock(mutex);
    Call call;
    call.kind = Call::XcvData;
    call.object = object;
    call.isPort = isPort;
    call.command = command;
    call.inputBytes = inputBytes;
    call.inputNull = input == nullptr;
    if (input) {
        call.input.assign(input, input + inputBytes);
    }
    call.outputBytes = outputBytes;
    call.outputNull = output == nullptr;
    recorded.push_back(std::move(call));

    Answer reply;
    auto queue = queued.find(command);
    if (queue != queued.end() && !queue->second.empty()) {
        reply = std::move(queue->second.front());
        queue->second.pop_front();
    } else if (const auto fallback = defaults.find(command); fallback != defaults.end()) {
        reply = fallback->second;
    }
    if (output && !reply.reply.empty()) {
        std::memcpy(output, reply.reply.data(),
                    std::min<size_t>(reply.reply.size(), static_cast<size_t>(outputBytes)));
    }
    *needed = reply.needed;
    *status = reply.status;
    if (!reply.result) {
        SetLastError(reply.lastError);
    }
    return reply.result;
}

void ScriptableMonitor::close(const std::u16string& object, bool isPort) {
    std::lock_guard<std::mutex> lock(mutex);
    Call call;
    call.kind = Call::Close;
    call.object = object;
    call.isPort = isPort;
    recorded.push_back(std::move(call));
}

} // namespace spooler
