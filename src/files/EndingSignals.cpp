#include "files/EndingSignals.h"

#include <array>
#include <cerrno>
#include <csignal>
#include <ctime>
#include <poll.h>
#include <pthread.h>
#include <sys/signalfd.h>
#include <thread>
#include <unistd.h>

namespace amsim {

namespace {

// The signals whose default action ends the program, less those of a fault
// in the program itself (SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGTRAP, SIGSYS,
// SIGABRT), which the thread at fault receives whatever it holds, and
// SIGKILL, which nothing can hold. The real-time signals come too.
constexpr std::array kEndingSignals = {SIGHUP,  SIGINT,    SIGQUIT, SIGUSR1,   SIGUSR2,
                                       SIGPIPE, SIGALRM,   SIGTERM, SIGSTKFLT, SIGXCPU,
                                       SIGXFSZ, SIGVTALRM, SIGPROF, SIGPOLL,   SIGPWR};

// Written once, before any other thread starts; only read after.
sigset_t held;

bool ignored(int signal) {
    struct sigaction now {};
    return ::sigaction(signal, nullptr, &now) == 0 && now.sa_handler == SIG_IGN;
}

sigset_t endingSignalsNotIgnored() {
    sigset_t set;
    sigemptyset(&set);
    const auto add = [&set](int signal) {
        if (!ignored(signal)) {
            sigaddset(&set, signal);
        }
    };
    for (const int signal : kEndingSignals) {
        add(signal);
    }
    for (int signal = SIGRTMIN; signal <= SIGRTMAX; ++signal) {
        add(signal);
    }
    return set;
}

// Takes one of the signals, if one is pending, from this thread's or the
// program's: it or 0.
int take(const sigset_t& signals) {
    const timespec now{};
    const int signal = ::sigtimedwait(&signals, nullptr, &now);
    return signal > 0 ? signal : 0;
}

} // namespace

void holdEndingSignals(void (*answer)()) {
    held = endingSignalsNotIgnored();
    ::pthread_sigmask(SIG_BLOCK, &held, nullptr);
    // Readable while a signal is pending for the thread that polls it, or
    // for the program; polling takes none.
    const int pending = ::signalfd(-1, &held, SFD_CLOEXEC);
    std::thread([pending, answer] {
        pollfd watched{pending, POLLIN, 0};
        for (;;) {
            if (::poll(&watched, 1, -1) > 0) {
                answer();
            }
        }
    }).detach();
}

int takeEndingSignal() {
    return take(held);
}

void endBy(int signal) {
    struct sigaction standard {};
    standard.sa_handler = SIG_DFL;
    ::sigaction(signal, &standard, nullptr);
    sigset_t only;
    sigemptyset(&only);
    sigaddset(&only, signal);
    ::pthread_sigmask(SIG_UNBLOCK, &only, nullptr);
    ::raise(signal);
    // Not reached: each of these signals ends the program by default.
    // cppcheck-suppress unreachableCode
    ::_exit(128 + signal);
}

QuietWriteErrors::QuietWriteErrors()
    : before_() {
    sigset_t quiet;
    sigemptyset(&quiet);
    sigaddset(&quiet, SIGPIPE);
    sigaddset(&quiet, SIGXFSZ);
    ::pthread_sigmask(SIG_BLOCK, &quiet, &before_);
}

QuietWriteErrors::~QuietWriteErrors() {
    ::pthread_sigmask(SIG_SETMASK, &before_, nullptr);
}

void QuietWriteErrors::dropSignalOf(int error) {
    const int raised = error == EPIPE ? SIGPIPE : error == EFBIG ? SIGXFSZ : 0;
    if (raised != 0) {
        sigset_t only;
        sigemptyset(&only);
        sigaddset(&only, raised);
        take(only);
    }
}

} // namespace amsim
