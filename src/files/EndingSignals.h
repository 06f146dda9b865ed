#pragma once

#include <csignal>

namespace amsim {

// The signals that would end the program, held and answered at chosen
// moments rather than whenever they come.

// Holds every signal that would end the program (and that the caller does
// not ignore) in this thread and every thread it starts from now on, and
// calls answer() on a thread of its own whenever one is pending, without
// taking it: answer() takes it (takeEndingSignal) at a moment it chooses.
// A thread starts with the signals its creator holds, so this must come
// before any thread starts (Qt's pooled threads encode a picture). Held,
// SIGPIPE and SIGXFSZ no longer end the program: a reader that goes away
// is a write error (EPIPE), and so is a file past the size limit (EFBIG).
void holdEndingSignals(void (*answer)());

// A pending ending signal, sent to this thread or to the program, taken
// from the pending ones; 0 when none is.
int takeEndingSignal();

// Ends the program as the signal would have, with its status.
[[noreturn]] void endBy(int signal);

// Holds SIGPIPE and SIGXFSZ on this thread while it lives, so that a write
// to a reader that went away, or past the size limit, fails with EPIPE or
// EFBIG instead of ending the program, also where nothing else holds them
// (the window).
class QuietWriteErrors {
public:
    QuietWriteErrors();
    ~QuietWriteErrors();
    QuietWriteErrors(const QuietWriteErrors&) = delete;
    QuietWriteErrors& operator=(const QuietWriteErrors&) = delete;
    QuietWriteErrors(QuietWriteErrors&&) = delete;
    QuietWriteErrors& operator=(QuietWriteErrors&&) = delete;

    // After a write failed with error: takes back the signal the failure
    // raised on this thread, so that it is not taken for one sent to end
    // the program.
    static void dropSignalOf(int error);

private:
    sigset_t before_;
};

} // namespace amsim
