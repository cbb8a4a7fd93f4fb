// Typing: keystrokes in the socket page's port field of the wizard, beside
// keystrokes in a bare QLineEdit.
#pragma once

#include "bench/bench.h"

#include <vector>

namespace bench {

// The times of the keystrokes, in microseconds.
struct Keystrokes {
    std::vector<double> flipping; // each keystroke turns Next on or off
    std::vector<double> steady;   // Next stays on
    std::vector<double> painted;  // flipping, with the repaint that follows
    int wrongNext = 0;            // keystrokes after which Next showed the wrong state
    bool done = false;
};

// `count` keystrokes of each kind in the wizard's port field, after a host was
// typed on the socket page; the wizard is cancelled afterwards.
void typeWizard(Bench& bench, int count, Keystrokes& k);

// A bare line edit in an empty dialog of a bare application.
void typeFloor(Bench& bench, int count, Keystrokes& k);

} // namespace bench
