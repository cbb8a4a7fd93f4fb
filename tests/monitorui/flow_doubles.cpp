#include "flow_doubles.h"

#include "monitorui/flows.h"
#include "spooler/spooler.h"

#include <cstring>

FlowDoubles flows;

namespace {

PWSTR block(const std::u16string& text) {
    auto* out = static_cast<PWSTR>(LocalAlloc(LMEM_ZEROINIT, 2 * text.size() + 2));
    if (out) {
        std::memcpy(out, text.data(), 2 * text.size());
    }
    return out;
}

BOOL run(FlowDoubles::Outcome outcome, const std::u16string& settings, PWSTR* out) {
    switch (outcome) {
    case FlowDoubles::Cancel:
        return FALSE;
    case FlowDoubles::Finish:
        *out = block(settings);
        return TRUE;
    case FlowDoubles::NoMemory:
        *out = nullptr;
        return TRUE;
    }
    return FALSE;
}

} // namespace

BOOL MLAddPorts(PWSTR* settings) {
    ++flows.addRuns;
    return run(flows.addOutcome, flows.addSettings, settings);
}

BOOL MLConfigPortUI(PCWSTR reply, DWORD replyBytes, PWSTR* settings) {
    ++flows.configRuns;
    const auto* bytes = reinterpret_cast<const BYTE*>(reply);
    flows.lastReply.assign(bytes, bytes + replyBytes);
    flows.lastReplyBytes = replyBytes;
    return run(flows.configOutcome, flows.configSettings, settings);
}

void showPortExistsWarning() {
    ++flows.warnings;
    flows.openChannelsDuringWarning = spooler::openChannelCount();
}

DWORD windowSupportError() {
    ++flows.windowChecks;
    return flows.windowSupport;
}
