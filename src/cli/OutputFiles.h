#pragma once

#include <QByteArray>
#include <QString>
#include <vector>

namespace amsim {

// A file the command line writes: its name as the user gave it (see
// NativeNames), everything it is to hold, and what that is, for messages
// ("las muestras", "la imagen").
struct OutputFile {
    QString path;
    QByteArray contents;
    QString what;
};

// A file's name and what it is to hold, before it is made.
struct OutputName {
    QString path;
    QString what;
};

// Refuses, with amsim::Error, two names for one file: the same name twice,
// or two names of which one leads to the other (a link, "./a" and "a").
void requireDistinctFiles(const std::vector<OutputName>& names);

// Writes every file, or none of them, and throws amsim::Error naming the
// file and saying why when it cannot. A regular file, or one not there yet,
// is saved through a temporary file beside it and a rename, the old file
// kept aside until all is written and put back on any failure. A symbolic
// link, dangling or not, is written through to the file it names. Anything
// else that is there (a device, a FIFO, a terminal, /dev/stdout) is a stream:
// written straight into, never replaced, and last, since what a stream got
// cannot be taken back; the message says which streams got their contents.
void writeAll(const std::vector<OutputFile>& files);

} // namespace amsim
