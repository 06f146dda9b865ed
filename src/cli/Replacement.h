#pragma once

#include <QByteArray>
#include <QString>

namespace amsim {

// The safe replacement of one regular file, step by step, each step undoable
// at any moment: by the destructor when a later step or another file fails,
// and by the program's end on SIGTERM, SIGINT or SIGHUP, which first undoes
// every replacement under way. Until finish(), the file the user had is kept
// beside the target under a hidden name, and undoing puts it back byte for
// byte; a target that was not there is removed again.
//
// The steps are made with signals held, so that an ending signal always
// finds the files in a state it knows how to undo. At most two replacements
// are under way at once (the command line writes two files at most).
class Replacement {
public:
    // Reserves a slot. Throws amsim::Error naming path when the names are
    // too long to be kept for the signal handler.
    Replacement(const QString& path, const QByteArray& target);
    ~Replacement(); // undoes what is not finished
    Replacement(const Replacement&) = delete;
    Replacement& operator=(const Replacement&) = delete;
    Replacement(Replacement&&) = delete;
    Replacement& operator=(Replacement&&) = delete;

    // A new temporary file beside the target, open for writing: its
    // descriptor, or -1 with errno set.
    int makeTemporary();
    // The old file moved aside, when there is one, and the temporary file
    // renamed into its place: 0, or the error, with nothing changed.
    int commit();
    // The old file, kept until now, removed: the replacement is final.
    void finish();

    // Ends the program on SIGPIPE no more (a reader that goes away is a
    // write error, EPIPE), and on SIGTERM, SIGINT and SIGHUP undoes every
    // replacement under way before ending as the signal asks.
    static void watchSignals();

private:
    int slot_ = -1;
};

} // namespace amsim
