// netport tour: adds, configures and deletes ports through the module's real
// windows, driven by key and mouse events on the offscreen platform.
#pragma once

#include <QString>

struct Options;

// Runs the tour against a fresh temporary store; returns the exit code.
int runTour(const Options& options, const QString& modulePath);
