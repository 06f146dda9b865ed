#pragma once

#include <QByteArray>
#include <cstddef>
#include <mutex>
#include <vector>

namespace amsim {

// The replacement of regular files, all of them or none. Each new file is
// written beside its target under a short hidden name and renamed into
// place, the old file kept aside under another hidden name until the
// export is decided. Every step that changes a name is taken under one
// lock, together with the record of what is on disk, so whoever takes the
// lock next finds a state it knows how to settle: before keepNew(), every
// old file put back and every new one removed; from keepNew() on, only the
// old files removed. The destructor settles so, and so does whoever holds
// the lock when an ending signal is pending (see watchEndingSignals), then
// ending the program by it. One export is under way at a time.
class Replacements {
public:
    Replacements();
    ~Replacements(); // settles what is under way
    Replacements(const Replacements&) = delete;
    Replacements& operator=(const Replacements&) = delete;
    Replacements(Replacements&&) = delete;
    Replacements& operator=(Replacements&&) = delete;

    // A regular file to replace, or a name to make, by its name after every
    // link: its number for the steps below.
    std::size_t add(const QByteArray& target);
    // A new temporary file beside that target, open for writing: its
    // descriptor, or -1 with errno set.
    int makeTemporary(std::size_t file);
    // The old file moved aside, when there is one, and the temporary file
    // renamed into its place: 0, or the error, with nothing changed.
    int commit(std::size_t file);
    // The export succeeded: the new files stay, and the old ones go. Once
    // this has begun, a signal can only finish it.
    void keepNew();

    // Answers every ending signal, from now on, by settling the export
    // under way (if any) before the program ends by it; a signal that
    // comes during a step is answered when the step is done. Must come
    // before any thread starts (see holdEndingSignals).
    static void watchEndingSignals();

private:
    struct File {
        enum class Stage { Untouched, Temporary, Placed };
        QByteArray target;
        QByteArray temporary;
        QByteArray aside;
        Stage stage = Stage::Untouched;
        bool hadOld = false;
    };

    static std::unique_lock<std::mutex> stepLock();
    // Every file put back as it was or, once decided, its old copy removed.
    void settle();

    std::vector<File> files_;
    bool decided_ = false;
};

} // namespace amsim
