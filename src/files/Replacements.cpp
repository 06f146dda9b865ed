#include "files/Replacements.h"

#include "files/EndingSignals.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <mutex>
#include <stdexcept>
#include <sys/stat.h>
#include <unistd.h>

namespace amsim {

namespace {

// Guards every step on disk and the record of it, and `underWay`.
std::mutex steps;
Replacements* underWay = nullptr;

// A hidden name beside the target, whatever the target's own length: a
// name that fits its folder leaves room for this one.
QByteArray hiddenBeside(const QByteArray& target, const char* kind) {
    const qsizetype slash = target.lastIndexOf('/');
    return target.left(slash + 1) + ".amsim-" + kind + "-XXXXXX";
}

} // namespace

// Whoever takes the lock first answers a pending ending signal: it settles
// the export under way and ends the program, the lock never released. So a
// signal pending when a step would begin is answered before it, whichever
// thread holds the lock.
std::unique_lock<std::mutex> Replacements::stepLock() {
    std::unique_lock held(steps);
    if (const int signal = takeEndingSignal()) {
        if (underWay != nullptr) {
            underWay->settle();
        }
        endBy(signal);
    }
    return held;
}

Replacements::Replacements() {
    const auto held = stepLock();
    if (underWay != nullptr) {
        throw std::logic_error("one export at a time");
    }
    underWay = this;
}

Replacements::~Replacements() {
    const auto held = stepLock();
    settle();
    underWay = nullptr;
}

std::size_t Replacements::add(const QByteArray& target) {
    const auto held = stepLock();
    files_.push_back({target, hiddenBeside(target, "new"), hiddenBeside(target, "old")});
    return files_.size() - 1;
}

int Replacements::makeTemporary(std::size_t file) {
    const auto held = stepLock();
    File& f = files_.at(file);
    const int fd = ::mkostemp(f.temporary.data(), O_CLOEXEC);
    if (fd >= 0) {
        f.stage = File::Stage::Temporary;
    }
    return fd;
}

int Replacements::commit(std::size_t file) {
    const auto held = stepLock();
    File& f = files_.at(file);
    struct stat status {};
    if (::lstat(f.target.constData(), &status) == 0) {
        // The hidden name is reserved by a file of its own, then taken over.
        const int reserved = ::mkostemp(f.aside.data(), O_CLOEXEC);
        if (reserved < 0) {
            return errno;
        }
        ::close(reserved);
        if (::rename(f.target.constData(), f.aside.constData()) != 0) {
            const int error = errno;
            ::unlink(f.aside.constData());
            return error;
        }
        f.hadOld = true;
    }
    if (::rename(f.temporary.constData(), f.target.constData()) != 0) {
        const int error = errno;
        if (f.hadOld) {
            ::rename(f.aside.constData(), f.target.constData());
            f.hadOld = false;
        }
        return error;
    }
    f.stage = File::Stage::Placed;
    return 0;
}

void Replacements::keepNew() {
    const auto held = stepLock();
    decided_ = true;
    settle();
}

void Replacements::settle() {
    for (File& f : files_) {
        if (f.stage == File::Stage::Temporary) {
            ::unlink(f.temporary.constData());
        } else if (f.stage == File::Stage::Placed && f.hadOld) {
            if (decided_) {
                ::unlink(f.aside.constData());
            } else {
                ::rename(f.aside.constData(), f.target.constData());
            }
        } else if (f.stage == File::Stage::Placed && !decided_) {
            ::unlink(f.target.constData());
        }
        f.stage = File::Stage::Untouched;
    }
}

void Replacements::watchEndingSignals() {
    holdEndingSignals([] { stepLock(); });
}

} // namespace amsim
