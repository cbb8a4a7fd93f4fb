#include "tests/wine/probe.h"

namespace {
BoundaryProbe state;
}

BoundaryProbe* WINAPI boundaryProbe() {
    return &state;
}
