// The signals that ask a run to stop (SIGINT from Ctrl+C, SIGTERM from kill
// or a shutdown). A headless run catches them and ends at its next drawing
// or key as a closed window ends a run with a window: the picture being
// written is finished, the shots and the trace are closed whole, and the
// trace's last event names the signal. (With a window, SDL turns them into
// a close request.)
#pragma once

#include <cerrno>

namespace plat {

// From here on SIGINT and SIGTERM are noted instead of ending the process.
void CatchStopSignals();
// The stop signal noted, or 0.
int PendingStopSignal();
// True when a call interrupted by a signal (EINTR) should give up rather
// than be made again: a stop signal is waiting to end the run.
inline bool StopInterrupts(int error) { return error == EINTR && PendingStopSignal() != 0; }
// Forgets a noted signal (for tests).
void ClearStopSignal();
// "SIGINT", "SIGTERM", or "signal N".
const char* StopSignalName(int signal);
// Ends the process as the signal would have, once the run has closed its
// outputs: the parent sees it killed by that signal (a shell's status
// 128 + N, and a script that runs it stops at Ctrl+C as it should).
[[noreturn]] void EndBySignal(int signal);

}  // namespace plat
