#pragma once

// SIGINT and SIGTERM end the program without losing a completed line: the handler only notes the
// signal; the program looks at the note between two lines (or loop passes), writes out the whole
// lines it has, and then ends by the same signal with its default action, so that its parent sees
// the usual status.

namespace calcorix {

// From now on SIGINT and SIGTERM are noted instead of ending the program at once. Reads and
// writes that wait are interrupted by them (no automatic restart).
void NoteTerminationSignals();

// The signal noted, or 0.
int PendingTerminationSignal();

// Ends the program by `signal` (EndProgram with that signal): the caller's pending output is
// written first by main.
[[noreturn]] void EndBySignal(int signal);

// For code that waits for several signals at once (the line editor at a terminal): a handler that
// only notes its signal, for sigaction, and the notes it leaves.
void NoteSignal(int signal);
bool SignalNoted(int signal);
void ForgetSignal(int signal);

// Restores the default action of `signal` and raises it; when that does not end the process, it
// ends with status 128 + signal.
[[noreturn]] void RaiseWithDefaultAction(int signal);

}  // namespace calcorix
