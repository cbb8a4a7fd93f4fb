// Scripted stand-ins for the add-port wizard, the properties dialog, the
// port-exists warning and the window check, in the test build of the module
// that runs under Wine. The test program scripts them through the probe.
#include "monitorui/flows.h"

#include "tests/wine/probe.h"

namespace {

BoundaryProbe& probe() {
    return *boundaryProbe();
}

// The settings as a finished flow hands them over: a block from GlobalAlloc,
// for the caller's GlobalFree.
BOOL finish(LONG outcome, PCWSTR text, PWSTR* settings) {
    if (outcome != ProbeFinish) {
        return FALSE;
    }
    const SIZE_T bytes = 2 * static_cast<SIZE_T>(lstrlenW(text)) + 2;
    *settings = static_cast<PWSTR>(GlobalAlloc(GMEM_FIXED, bytes));
    if (*settings) {
        CopyMemory(*settings, text, bytes);
    }
    return TRUE;
}

} // namespace

BOOL MLAddPorts(PWSTR* settings) {
    ++probe().addRuns;
    return finish(probe().addOutcome, probe().addSettings, settings);
}

BOOL MLConfigPortUI(PCWSTR, DWORD, PWSTR* settings) {
    ++probe().configRuns;
    return finish(probe().configOutcome, probe().configSettings, settings);
}

void showPortExistsWarning() {
    ++probe().warnings;
    probe().channelsOpenDuringWarning = liveSlots(probe().channels);
}

DWORD windowSupportError() {
    ++probe().windowChecks;
    return probe().windowSupport;
}
