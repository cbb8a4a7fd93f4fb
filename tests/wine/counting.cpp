// The counting wrappers: each calls the real function, records the call in the
// probe and leaves the last error as the real call left it.
#define NETPORTUI_COUNTING_WRAPPERS
#include "tests/wine/counting.h"

#include "tests/wine/probe.h"

namespace {

BoundaryProbe& probe() {
    return *boundaryProbe();
}

template <size_t N> void copyText(WCHAR (&to)[N], PCWSTR from) {
    lstrcpynW(to, from ? from : L"", N);
}

// Puts `item` into a free slot; false when none is left.
bool putSlot(void** slots, void* item) {
    for (LONG i = 0; i < BoundaryProbe::kSlots; ++i) {
        if (!slots[i]) {
            slots[i] = item;
            return true;
        }
    }
    return false;
}

// The slot holding `item`, or -1.
LONG findSlot(void* const* slots, const void* item) {
    for (LONG i = 0; i < BoundaryProbe::kSlots; ++i) {
        if (slots[i] == item) {
            return i;
        }
    }
    return -1;
}

void recordAllocation(void* block, bool local) {
    if (!block) {
        return;
    }
    BoundaryProbe& p = probe();
    ++p.allocations;
    if (!putSlot(p.blocks, block)) {
        ++p.overflows;
        return;
    }
    p.blockIsLocal[findSlot(p.blocks, block)] = local;
}

void recordFree(void* block, bool local) {
    if (!block) {
        return;
    }
    BoundaryProbe& p = probe();
    ++p.frees;
    const LONG slot = findSlot(p.blocks, block);
    if (slot < 0) {
        ++p.strayFrees;
        return;
    }
    if (p.blockIsLocal[slot] != local) {
        ++p.mismatchedFrees;
    }
    p.blocks[slot] = nullptr;
}

} // namespace

BOOL WINAPI countedOpenPrinterW(LPWSTR name, LPHANDLE channel, LPPRINTER_DEFAULTSW defaults) {
    const BOOL result = OpenPrinterW(name, channel, defaults);
    const DWORD error = GetLastError();
    BoundaryProbe& p = probe();
    if (p.openCalls < BoundaryProbe::kRecords) {
        ProbeOpen& record = p.opens[p.openCalls];
        copyText(record.name, name);
        record.result = result;
        record.error = error;
    } else {
        ++p.overflows;
    }
    ++p.openCalls;
    if (result && !putSlot(p.channels, *channel)) {
        ++p.overflows;
    }
    SetLastError(error);
    return result;
}

BOOL WINAPI countedXcvDataW(HANDLE channel, PCWSTR command, PBYTE input, DWORD inputBytes,
                            PBYTE output, DWORD outputBytes, PDWORD needed, PDWORD status) {
    const BOOL result =
        XcvDataW(channel, command, input, inputBytes, output, outputBytes, needed, status);
    const DWORD error = GetLastError();
    BoundaryProbe& p = probe();
    if (p.xcvCalls < BoundaryProbe::kRecords) {
        ProbeXcv& record = p.xcvs[p.xcvCalls];
        copyText(record.command, command);
        record.inputBytes = inputBytes;
        record.outputBytes = outputBytes;
        record.result = result;
        record.status = status ? *status : ~DWORD(0);
        record.error = error;
    } else {
        ++p.overflows;
    }
    ++p.xcvCalls;
    SetLastError(error);
    return result;
}

BOOL WINAPI countedClosePrinter(HANDLE channel) {
    BoundaryProbe& p = probe();
    ++p.closeCalls;
    const LONG slot = findSlot(p.channels, channel);
    if (slot < 0) {
        ++p.strayCloses;
    } else {
        p.channels[slot] = nullptr;
    }
    return ClosePrinter(channel);
}

HGLOBAL WINAPI countedGlobalAlloc(UINT flags, SIZE_T bytes) {
    const HGLOBAL block = GlobalAlloc(flags, bytes);
    const DWORD error = GetLastError();
    recordAllocation(block, false);
    SetLastError(error);
    return block;
}

HGLOBAL WINAPI countedGlobalFree(HGLOBAL block) {
    recordFree(block, false);
    return GlobalFree(block);
}

HLOCAL WINAPI countedLocalAlloc(UINT flags, SIZE_T bytes) {
    const HLOCAL block = LocalAlloc(flags, bytes);
    const DWORD error = GetLastError();
    recordAllocation(block, true);
    SetLastError(error);
    return block;
}

HLOCAL WINAPI countedLocalFree(HLOCAL block) {
    recordFree(block, true);
    return LocalFree(block);
}
