// Where netport sends the module's diagnostic lines and the toolkit's
// messages: to a log file, so that the terminal shows what happened and not
// how; with --verbose to standard error as well.
#pragma once

#include <QString>

namespace diagnostics {

// The log file: $XDG_STATE_HOME/netport/netport.log, or
// ~/.local/state/netport/netport.log when XDG_STATE_HOME is not set.
QString logFile();

// A log that reaches this size is renamed to netport.log.1 (replacing the
// previous one) and started afresh, so that the two never exceed twice this.
constexpr qint64 kLogLimit = 1024 * 1024;

// Routes the module's debugger output and the toolkit's messages from now on.
// `run` names this run in the log (the program and its arguments); the log is
// opened when the first line arrives, so that a run that logs nothing leaves
// it untouched.
void start(bool verbose, const QString& run);

// An operation begins: the lines logged so far no longer explain its outcome.
void beginOperation();

// After a failed operation: prints to standard error the lines logged since
// beginOperation() that name the cause ("cannot open the display for (xcb)"),
// unless they were printed there already.
void reportCauses();

} // namespace diagnostics
