#pragma once

#include <QByteArray>
#include <cstddef>
#include <vector>

namespace amsim {

// The replacement of regular files, all of them or none. Each new file is
// written beside its target under a short hidden name and renamed into
// place, the old file kept aside under another hidden name until the
// export is decided. Every step that changes a name is taken under one
// lock, together with the record of what is on disk, so whoever takes the
// lock next (the next step, the destructor, or the thread that answers an
// ending signal) finds a state it knows how to settle: before keepNew(),
// every old file put back and every new one removed; from keepNew() on,
// only the old files removed. One export is under way at a time.
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

private:
    struct File {
        enum class Stage { Untouched, Temporary, Placed };
        QByteArray target;
        QByteArray temporary;
        QByteArray aside;
        Stage stage = Stage::Untouched;
        bool hadOld = false;
    };

    // Every file put back as it was or, once decided, its old copy removed.
    void settle();

    std::vector<File> files_;
    bool decided_ = false;

    friend void settleForTheEnd();
};

// Settles the export under way, as its destructor would, and lets it take
// no further step: the program is about to end by a signal. Called by the
// thread that answers the ending signals (EndingSignals).
void settleForTheEnd();

} // namespace amsim
