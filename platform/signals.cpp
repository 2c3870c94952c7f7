#include "platform/signals.h"

#include <csignal>
#include <cstdlib>
#include <unistd.h>

namespace plat {
namespace {

volatile std::sig_atomic_t pendingSignal = 0;

void Note(int signal) {
    if (pendingSignal == 0) pendingSignal = signal;
}

}  // namespace

void CatchStopSignals() {
    struct sigaction action {};
    action.sa_handler = Note;
    sigemptyset(&action.sa_mask);
    // No SA_RESTART: a write that blocks (a trace into a pipe nobody reads)
    // returns, so that the run can end.
    action.sa_flags = 0;
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
}

int PendingStopSignal() { return pendingSignal; }

void ClearStopSignal() { pendingSignal = 0; }

const char* StopSignalName(int signal) {
    switch (signal) {
        case SIGINT: return "SIGINT";
        case SIGTERM: return "SIGTERM";
        default: return "signal";
    }
}

void EndBySignal(int signal) {
    std::signal(signal, SIG_DFL);
    sigset_t set;
    sigemptyset(&set);
    sigaddset(&set, signal);
    sigprocmask(SIG_UNBLOCK, &set, nullptr);
    raise(signal);
    _exit(128 + signal);   // not reached
}

}  // namespace plat
