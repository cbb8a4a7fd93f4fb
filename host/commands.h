// The commands of the host program netport.
#pragma once

#include "host/options.h"

// Runs the command; returns the process exit code.
int runCommand(const Options& options);
