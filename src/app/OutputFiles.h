#pragma once

#include <QByteArray>
#include <QString>
#include <vector>

namespace amsim {

// A file the command line writes: its name as the user gave it (see
// NativeNames) and everything it is to hold.
struct OutputFile {
    QString path;
    QByteArray contents;
};

// Refuses, with amsim::Error, two names for one file: the same name twice,
// or two names of which one leads to the other (a link, "./a" and "a").
void requireDistinctFiles(const std::vector<QString>& paths);

// Writes every file, or none of them. A regular file, or one not there yet,
// is saved safely: a temporary file beside it, then a rename. Anything else
// that is there (a device, a FIFO, a terminal, /dev/stdout) is written
// straight into and never replaced. The temporary files are made first, then
// the direct writes done, then the renames: a failure anywhere undoes what
// is undoable and throws amsim::Error naming the file and saying why.
void writeAll(const std::vector<OutputFile>& files);

} // namespace amsim
