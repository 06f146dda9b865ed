#pragma once

#include <QByteArray>
#include <QString>
#include <vector>

namespace amsim {

// A file to write: its name as the user gave it (see
// NativeNames), everything it is to hold, and what that is, for messages
// ("las muestras", "la imagen").
struct OutputFile {
    QString path;
    QByteArray contents;
    QString what;
};

// Whether two names lead to one file: the same name twice, or one that
// leads to the other (a link, "./a" and "a").
bool sameFile(const QString& first, const QString& second);

// Whether the name leads to a stream: a FIFO, a character device (a
// terminal, /dev/null) or a socket, which is written into, never replaced.
bool namesAStream(const QString& path);

// Writes every file, or none of them, and throws amsim::Error naming the
// file and saying why when it cannot. A stream is written straight into,
// and last, since what a stream got cannot be taken back; the message says
// which streams got their contents. Anything else is a file, replaced whole
// through a temporary file beside it and a rename, with its owner, group
// and mode, the old file kept aside until all is written and put back on
// any failure or ending signal (see Replacements and EndingSignals). A
// symbolic link, dangling or not, is written through to the file it names.
// A file is refused, as the shell would refuse it, when the caller may not
// write it; and when it has other names, which would keep the old contents.
void writeAll(const std::vector<OutputFile>& files);

} // namespace amsim
