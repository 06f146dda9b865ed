#include "cli/OutputFiles.h"

#include "cli/CliErrors.h"
#include "cli/NativeNames.h"
#include "cli/Replacement.h"
#include "cli/SystemErrors.h"
#include "core/Error.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <fcntl.h>
#include <memory>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace amsim {

namespace {

[[noreturn]] void fail(const QString& path, int error, const std::string& sent = {}) {
    throw WriteError(path.toStdString(), reasonOf(error), sent);
}

// Writes all of it, through interruptions and partial writes: 0, or the error.
int writeFully(int fd, const QByteArray& contents) {
    const char* next = contents.constData();
    for (qsizetype left = contents.size(); left > 0;) {
        const ssize_t written = ::write(fd, next, static_cast<std::size_t>(left));
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return errno;
        }
        next += written;
        left -= written;
    }
    return 0;
}

// The folder that holds the named file, as bytes.
QByteArray folderOf(const QByteArray& path) {
    const qsizetype slash = path.lastIndexOf('/');
    return slash < 0 ? QByteArray(".") : slash == 0 ? QByteArray("/") : path.left(slash);
}

QByteArray baseNameOf(const QByteArray& path) {
    return path.mid(path.lastIndexOf('/') + 1);
}

// The file a name leads to, through every link, when it exists.
QByteArray realPathOf(const QByteArray& path) {
    char* real = ::realpath(path.constData(), nullptr);
    QByteArray resolved = real != nullptr ? QByteArray(real) : path;
    std::free(real); // NOLINT(cppcoreguidelines-no-malloc): realpath allocates with malloc
    return resolved;
}

// The name a chain of symbolic links ends at, whether that exists or not,
// so that a dangling link is written through like a live one: 0, or the
// error (ELOOP for a chain without end).
int followLinks(QByteArray& path) {
    constexpr int kMostLinks = 40; // as the kernel allows
    for (int hop = 0; hop < kMostLinks; ++hop) {
        struct stat status {};
        if (::lstat(path.constData(), &status) != 0 || !S_ISLNK(status.st_mode)) {
            return 0;
        }
        QByteArray next(PATH_MAX, '\0');
        const ssize_t length = ::readlink(path.constData(), next.data(), PATH_MAX);
        if (length < 0) {
            return errno;
        }
        next.truncate(length);
        path = next.startsWith('/') ? next : folderOf(path) + "/" + next;
    }
    return ELOOP;
}

// What makes two names one file: the same device and inode when it exists,
// else the same real folder and the same name in it.
QByteArray identityOf(QByteArray path) {
    followLinks(path);
    struct stat status {};
    if (::stat(path.constData(), &status) == 0) {
        return "inode " + QByteArray::number(static_cast<qulonglong>(status.st_dev)) + " " +
               QByteArray::number(static_cast<qulonglong>(status.st_ino));
    }
    return "name " + realPathOf(folderOf(path)) + "/" + baseNameOf(path);
}

// One file to write: saved safely through a temporary file, or written
// straight into when it is a stream rather than a file: anything that is
// there and is no regular file, and every name under /dev or /proc
// (/dev/stdout, /proc/self/fd/1), which stands for an open stream even when
// that stream is a file.
class Target {
public:
    explicit Target(const OutputFile& file)
        : file_(&file)
        , bytes_(fileNameBytes(file.path)) {
        struct stat status {};
        if (::stat(bytes_.constData(), &status) == 0) {
            if (S_ISDIR(status.st_mode)) {
                fail(file.path, EISDIR);
            }
            mode_ = status.st_mode & 07777U;
            if (!S_ISREG(status.st_mode) || bytes_.startsWith("/dev/") ||
                bytes_.startsWith("/proc/")) {
                return;
            }
        } else {
            const mode_t mask = ::umask(0);
            ::umask(mask);
            mode_ = 0666U & ~mask;
        }
        if (const int error = followLinks(bytes_)) {
            fail(file.path, error);
        }
        replacement_ = std::make_unique<Replacement>(file.path, bytes_);
    }

    bool isStream() const { return replacement_ == nullptr; }
    const OutputFile& file() const { return *file_; }

    // The whole contents in a temporary file beside the target, on disk.
    void prepare() {
        const int fd = replacement_->makeTemporary();
        if (fd < 0) {
            fail(file_->path, errno);
        }
        int error = writeFully(fd, file_->contents);
        if (error == 0 && (::fchmod(fd, mode_) != 0 || ::fsync(fd) != 0)) {
            error = errno;
        }
        if (::close(fd) != 0 && error == 0) {
            error = errno;
        }
        if (error != 0) {
            fail(file_->path, error);
        }
    }

    void commit() {
        if (const int error = replacement_->commit()) {
            fail(file_->path, error);
        }
    }

    void finish() { replacement_->finish(); }

    // Straight into what is there: a device, a FIFO, a terminal.
    void writeDirectly(const std::string& sent) const {
        const int fd = ::open(bytes_.constData(), O_WRONLY | O_CLOEXEC);
        if (fd < 0) {
            fail(file_->path, errno, sent);
        }
        int error = writeFully(fd, file_->contents);
        if (::close(fd) != 0 && error == 0) {
            error = errno;
        }
        if (error != 0) {
            fail(file_->path, error, sent);
        }
    }

private:
    const OutputFile* file_;
    QByteArray bytes_;
    mode_t mode_ = 0644U;
    std::unique_ptr<Replacement> replacement_; // none for a stream
};

// "«fifo» ya recibió las muestras": what the streams got before a failure.
std::string sentSoFar(const std::string& sent, const OutputFile& file) {
    return (sent.empty() ? "" : sent + ", y ") + "«" + file.path.toStdString() + "» ya recibió " +
           file.what.toStdString();
}

} // namespace

void requireDistinctFiles(const std::vector<OutputName>& names) {
    for (std::size_t i = 0; i < names.size(); ++i) {
        for (std::size_t j = i + 1; j < names.size(); ++j) {
            const OutputName& first = names[i];
            const OutputName& second = names[j];
            if (identityOf(fileNameBytes(first.path)) != identityOf(fileNameBytes(second.path))) {
                continue;
            }
            const bool masculine = first.what.startsWith(QLatin1String("el ")) ||
                                   second.what.startsWith(QLatin1String("el "));
            throw CommandLineError("«" + first.path.toStdString() + "» y «" +
                                   second.path.toStdString() +
                                   "» son el mismo archivo: " + first.what.toStdString() + " y " +
                                   second.what.toStdString() + " necesitan un archivo " +
                                   (masculine ? "cada uno." : "cada una."));
        }
    }
}

// Regular files first, each replaced with its old file kept aside; the
// streams then; and only when all went well are the old files let go. A
// failure anywhere, or an ending signal, puts every regular file back.
void writeAll(const std::vector<OutputFile>& files) {
    Replacement::watchSignals();
    std::vector<Target> targets(files.begin(), files.end());
    for (Target& target : targets) {
        if (!target.isStream()) {
            target.prepare();
        }
    }
    for (Target& target : targets) {
        if (!target.isStream()) {
            target.commit();
        }
    }
    std::string sent;
    for (const Target& target : targets) {
        if (target.isStream()) {
            target.writeDirectly(sent);
            sent = sentSoFar(sent, target.file());
        }
    }
    for (Target& target : targets) {
        if (!target.isStream()) {
            target.finish();
        }
    }
}

} // namespace amsim
