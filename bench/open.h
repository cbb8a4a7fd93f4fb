// Open latency: AddPortUI until the wizard is shown and ConfigurePortUI until
// the dialog is shown, beside a bare dialog in a bare application; and the
// start check, applicationStartError() beside the display check alone.
#pragma once

#include "bench/bench.h"

#include <vector>

namespace bench {

// The time in milliseconds from the start of a bare application until an
// empty dialog is shown. With `text`, the dialog holds a label and a button: a
// window with text makes the toolkit set up its font database, which an empty
// one never does.
double openFloor(Bench& bench, bool text = false);

// The properties dialog's generated form alone: what the dialog's widgets cost
// the toolkit before the module adds anything.
double openPropertiesForm(Bench& bench);

// AddPortUI until the wizard is shown, in milliseconds; the wizard is cancelled.
double openWizard(Bench& bench);

// ConfigurePortUI until the dialog is shown, in milliseconds; the dialog is
// cancelled. With `stored`, the port is one of the embedded monitor, which
// reads its file store for every query; otherwise the answering monitor
// replies from memory, so that only the module's own work is timed.
double openDialog(Bench& bench, bool stored = false);

struct StartCheck {
    double firstUs = 0;            // the first call of the process
    std::vector<double> laterUs;   // later calls, one mean per batch
    std::vector<double> displayUs; // the display check alone, likewise
};

// applicationStartError() while no toolkit application exists, as before
// every operation that opens a window. The first call of the process searches
// for the platform plugin and loads it; the later ones, and the display check
// beside them, are timed in batches of 1,000 calls, so that the clock's
// resolution does not count. Runs before any application was created.
StartCheck timeStartCheck(Bench& bench, int runs);

} // namespace bench
