#include "cli/Replacement.h"

#include "cli/CliErrors.h"
#include "cli/SystemErrors.h"
#include "core/Error.h"

#include <array>
#include <atomic>
#include <cerrno>
#include <climits>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <pthread.h>
#include <stdexcept>
#include <sys/stat.h>
#include <unistd.h>

namespace amsim {

namespace {

// What one slot has changed on disk. Written only with the ending signals
// held, read by their handler.
enum Stage : int {
    Free,      // no replacement
    Untouched, // nothing on disk yet, or all of it undone or made final
    Temporary, // the temporary file exists
    Placed,    // the new file is at the target, the old one (if any) aside
};

// The names live in fixed arrays: the signal handler may not allocate.
struct Slot {
    std::array<char, PATH_MAX> target{};
    std::array<char, PATH_MAX> temporary{};
    std::array<char, PATH_MAX> aside{};
    volatile std::sig_atomic_t stage = Free;
    volatile std::sig_atomic_t hadOld = 0;
};

// One for each file the command line writes: the picture, the samples and
// the sound.
std::array<Slot, 3> underWay;

constexpr std::array kEndingSignals = {SIGTERM, SIGINT, SIGHUP};

sigset_t endingSignals() {
    sigset_t set;
    sigemptyset(&set);
    for (const int signal : kEndingSignals) {
        sigaddset(&set, signal);
    }
    return set;
}

// The ending signals wait while one lives.
class SignalsHeld {
public:
    SignalsHeld() {
        const sigset_t held = endingSignals();
        pthread_sigmask(SIG_BLOCK, &held, &previous_);
    }
    ~SignalsHeld() { pthread_sigmask(SIG_SETMASK, &previous_, nullptr); }
    SignalsHeld(const SignalsHeld&) = delete;
    SignalsHeld& operator=(const SignalsHeld&) = delete;
    SignalsHeld(SignalsHeld&&) = delete;
    SignalsHeld& operator=(SignalsHeld&&) = delete;

private:
    sigset_t previous_{};
};

void setStage(Slot& slot, Stage stage) {
    std::atomic_signal_fence(std::memory_order_seq_cst);
    slot.stage = stage;
}

// Async-signal-safe: only unlink and rename.
void undoSlot(Slot& slot) {
    if (slot.stage == Temporary) {
        ::unlink(slot.temporary.data());
    } else if (slot.stage == Placed && slot.hadOld != 0) {
        ::rename(slot.aside.data(), slot.target.data());
    } else if (slot.stage == Placed) {
        ::unlink(slot.target.data());
    }
    if (slot.stage != Free) {
        setStage(slot, Untouched);
    }
}

void undoAllAndEnd(int signal) {
    for (Slot& slot : underWay) {
        undoSlot(slot);
    }
    struct sigaction standard {};
    standard.sa_handler = SIG_DFL;
    ::sigaction(signal, &standard, nullptr);
    ::raise(signal);
}

// name written into room, or false when it does not fit.
bool keep(std::array<char, PATH_MAX>& room, const QByteArray& name) {
    if (name.size() >= static_cast<qsizetype>(room.size())) {
        return false;
    }
    std::memcpy(room.data(), name.constData(), static_cast<std::size_t>(name.size()) + 1);
    return true;
}

QByteArray hiddenBeside(const QByteArray& target, const char* ending) {
    const qsizetype slash = target.lastIndexOf('/');
    return target.left(slash + 1) + "." + target.mid(slash + 1) + ending;
}

} // namespace

Replacement::Replacement(const QString& path, const QByteArray& target) {
    const SignalsHeld held;
    for (std::size_t i = 0; i < underWay.size() && slot_ < 0; ++i) {
        if (underWay.at(i).stage == Free) {
            slot_ = static_cast<int>(i);
        }
    }
    if (slot_ < 0) {
        throw std::logic_error("more files under way than the command line writes");
    }
    Slot& slot = underWay.at(static_cast<std::size_t>(slot_));
    if (!keep(slot.target, target) || !keep(slot.temporary, hiddenBeside(target, ".XXXXXX")) ||
        !keep(slot.aside, hiddenBeside(target, ".old-XXXXXX"))) {
        throw WriteError(path.toStdString(), reasonOf(ENAMETOOLONG));
    }
    slot.hadOld = 0;
    setStage(slot, Untouched);
}

Replacement::~Replacement() {
    const SignalsHeld held;
    Slot& slot = underWay.at(static_cast<std::size_t>(slot_));
    undoSlot(slot);
    setStage(slot, Free);
}

// The steps change the files and the slot that the signal handler reads,
// never this object's own members.
// NOLINTBEGIN(readability-make-member-function-const)
int Replacement::makeTemporary() {
    const SignalsHeld held;
    Slot& slot = underWay.at(static_cast<std::size_t>(slot_));
    const int fd = ::mkostemp(slot.temporary.data(), O_CLOEXEC);
    if (fd >= 0) {
        setStage(slot, Temporary);
    }
    return fd;
}

int Replacement::commit() {
    const SignalsHeld held;
    Slot& slot = underWay.at(static_cast<std::size_t>(slot_));
    struct stat status {};
    if (::lstat(slot.target.data(), &status) == 0) {
        const int reserved = ::mkostemp(slot.aside.data(), O_CLOEXEC);
        if (reserved < 0) {
            return errno;
        }
        ::close(reserved);
        if (::rename(slot.target.data(), slot.aside.data()) != 0) {
            const int error = errno;
            ::unlink(slot.aside.data());
            return error;
        }
        slot.hadOld = 1;
    }
    if (::rename(slot.temporary.data(), slot.target.data()) != 0) {
        const int error = errno;
        if (slot.hadOld != 0) {
            ::rename(slot.aside.data(), slot.target.data());
            slot.hadOld = 0;
        }
        return error;
    }
    setStage(slot, Placed);
    return 0;
}

void Replacement::finish() {
    const SignalsHeld held;
    Slot& slot = underWay.at(static_cast<std::size_t>(slot_));
    if (slot.stage == Placed && slot.hadOld != 0) {
        ::unlink(slot.aside.data());
    }
    setStage(slot, Untouched);
}
// NOLINTEND(readability-make-member-function-const)

void Replacement::watchSignals() {
    std::signal(SIGPIPE, SIG_IGN);
    struct sigaction handler {};
    handler.sa_handler = undoAllAndEnd;
    handler.sa_mask = endingSignals();
    for (const int signal : kEndingSignals) {
        struct sigaction before {};
        ::sigaction(signal, nullptr, &before);
        // A signal the caller ignores (nohup's SIGHUP) stays ignored.
        if (before.sa_handler != SIG_IGN) {
            ::sigaction(signal, &handler, nullptr);
        }
    }
}

} // namespace amsim
