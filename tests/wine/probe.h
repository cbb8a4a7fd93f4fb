// What the Wine test program and the test build of the module share in one
// process: the script of the stand-in flows, and the record of every spooler
// and memory call the module makes. It lives in a DLL of its own
// (netportui_probe.dll), so that the module under test is linked with the real
// definition file and exports nothing else.
#pragma once

#include "platform/win32.h"

#ifdef NETPORTUI_BUILDING_PROBE
#define NETPORTUI_PROBE_API __declspec(dllexport)
#else
#define NETPORTUI_PROBE_API __declspec(dllimport)
#endif

enum ProbeOutcome : LONG { ProbeCancel, ProbeFinish };

// One OpenPrinterW call: the channel name asked for and the answer.
struct ProbeOpen {
    WCHAR name[96];
    BOOL result;
    DWORD error;
};

// One XcvDataW call: the command, the byte counts handed over and the answer.
struct ProbeXcv {
    WCHAR command[24];
    DWORD inputBytes;
    DWORD outputBytes;
    BOOL result;
    DWORD status;
    DWORD error;
};

struct BoundaryProbe {
    static constexpr LONG kRecords = 8;
    static constexpr LONG kSlots = 32;

    // What the stand-in flows do when they are run.
    LONG addOutcome;
    WCHAR addSettings[96];
    LONG configOutcome;
    WCHAR configSettings[96];
    DWORD windowSupport;

    // How often they were run.
    LONG addRuns;
    LONG configRuns;
    LONG warnings;
    LONG windowChecks;
    LONG channelsOpenDuringWarning;

    // Spooler calls, the first kRecords of each kind kept in order.
    LONG openCalls;
    ProbeOpen opens[kRecords];
    LONG xcvCalls;
    ProbeXcv xcvs[kRecords];
    LONG closeCalls;
    LONG strayCloses; // ClosePrinter on a handle that is not open
    HANDLE channels[kSlots];

    // Memory blocks from GlobalAlloc and LocalAlloc.
    LONG allocations;
    LONG frees;
    LONG strayFrees;      // a block that is not live
    LONG mismatchedFrees; // GlobalFree of a LocalAlloc block or the reverse
    LPVOID blocks[kSlots];
    bool blockIsLocal[kSlots];

    LONG overflows; // records or slots that did not fit
};

extern "C" NETPORTUI_PROBE_API BoundaryProbe* WINAPI boundaryProbe();

// How many of the slots are taken.
inline LONG liveSlots(void* const* slots) {
    LONG count = 0;
    for (LONG i = 0; i < BoundaryProbe::kSlots; ++i) {
        count += slots[i] != nullptr;
    }
    return count;
}
