// Stand-ins for the two flows and the warning box, so that the entry points can
// be driven through every path without windows.
#pragma once

#include "platform/win32.h"

#include <string>
#include <vector>

struct FlowDoubles {
    enum Outcome { Cancel, Finish, NoMemory };

    Outcome addOutcome = Cancel;
    std::u16string addSettings;
    int addRuns = 0;

    Outcome configOutcome = Cancel;
    std::u16string configSettings;
    int configRuns = 0;
    std::vector<BYTE> lastReply; // the reply bytes the flow was handed
    DWORD lastReplyBytes = 0;

    DWORD windowSupport = ERROR_SUCCESS; // what windowSupportError() answers
    int windowChecks = 0;

    int warnings = 0;
    int openChannelsDuringWarning = -1;

    void reset() { *this = FlowDoubles(); }
};

extern FlowDoubles flows;
