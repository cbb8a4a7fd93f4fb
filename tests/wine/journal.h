// What the test port monitor (testmonitor.cpp) tells the chain test
// (chain_test.cpp) about the calls that reached it: how many transaction
// channels were opened and closed, and every command with its input. The journal is a named shared
// memory section that the test creates before the first call; the spooler loads and unloads the
// monitor as it pleases, and the section outlives each load.
#pragma once

#include <windows.h>

inline constexpr wchar_t kJournalName[] = L"Local\\netportui-monitor-journal";

struct JournalEntry {
    WCHAR command[24];
    WCHAR input[400]; // the input text, cut to fit
};

struct MonitorJournal {
    static constexpr LONG kEntries = 16;
    LONG opened; // XcvOpenPort
    LONG closed; // XcvClosePort
    LONG count;  // commands, of which the first kEntries are kept
    JournalEntry entries[kEntries];
};
