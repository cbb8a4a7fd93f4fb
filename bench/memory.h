// Memory, measured in child processes of netport-bench so that each starts
// fresh: the peak resident memory of one add operation beside the bare dialog,
// and the growth of resident memory over the operation cycle.
#pragma once

#include <vector>

namespace bench {

// The children, run by the options --single-add, --single-floor and --cycle;
// each prints its figures on one line of standard output.

// One accepted add operation (a socket port through the whole wizard): the
// resident memory before it and its peak, in KiB, and 1 when all went well.
int childSingleAdd();

// The bare dialog, shown and rejected; printed as childSingleAdd prints.
int childSingleFloor();

// The operation cycle: the resident memory before it, after its first round
// and at its end, in KiB, and the number of failed operations.
int childCycle(int length);

// Runs this program with the options `mode` and answers the numbers it
// printed (none when it could not be run).
std::vector<long> runChild(const char* mode);

} // namespace bench
