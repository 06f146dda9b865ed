#include "cli/EndingSignals.h"

#include "cli/Replacements.h"

#include <array>
#include <csignal>
#include <pthread.h>
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

// The export settled, the signal's own default action: the program ends as
// the signal asks, with its status.
[[noreturn]] void endBy(int signal) {
    settleForTheEnd();
    struct sigaction standard {};
    standard.sa_handler = SIG_DFL;
    ::sigaction(signal, &standard, nullptr);
    sigset_t only;
    sigemptyset(&only);
    sigaddset(&only, signal);
    ::pthread_sigmask(SIG_UNBLOCK, &only, nullptr);
    ::raise(signal);
    ::_exit(128 + signal); // not reached: each of these ends the program by default
}

} // namespace

void holdEndingSignals() {
    const sigset_t held = endingSignalsNotIgnored();
    ::pthread_sigmask(SIG_BLOCK, &held, nullptr);
    std::thread([held] {
        for (;;) {
            int signal = 0;
            if (::sigwait(&held, &signal) == 0) {
                endBy(signal);
            }
        }
    }).detach();
}

} // namespace amsim
