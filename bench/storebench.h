// The embedded port monitor's store under netport-bench: add, show, delete and
// list on stores of 100, 1,000 and 10,000 ports, each beside a floor, the same
// statement on a bare SQLite table in a file beside the store.
#pragma once

#include <QString>

namespace storebench {

// Measures in a new folder inside `folder` (which should be on the disk under
// test, not on tmpfs) and prints the table rows; `runs` samples of each
// change and query per store size. Returns false when an operation failed.
bool run(const QString& folder, int runs);

} // namespace storebench
