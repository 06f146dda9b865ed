#include "files/OutputFiles.h"

#include "core/Error.h"
#include "files/EndingSignals.h"
#include "files/FileErrors.h"
#include "files/NativeNames.h"
#include "files/QuotedName.h"
#include "files/Replacements.h"
#include "files/SystemErrors.h"
#include "texts/Catalogue.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <fcntl.h>
#include <iterator>
#include <optional>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace amsim {

namespace {

[[noreturn]] void fail(const QString& path, const std::string& reason,
                       const std::string& sent = {}) {
    throw WriteError(path, reason, sent);
}

[[noreturn]] void fail(const QString& path, int error, const std::string& sent = {}) {
    fail(path, reasonOf(error), sent);
}

// Writes all of it, through interruptions and partial writes: 0, or the error.
int writeFully(int fd, const QByteArray& contents) {
    const QuietWriteErrors quiet;
    const char* next = contents.constData();
    for (qsizetype left = contents.size(); left > 0;) {
        const ssize_t written = ::write(fd, next, static_cast<std::size_t>(left));
        if (written < 0) {
            const int error = errno;
            if (error == EINTR) {
                continue;
            }
            QuietWriteErrors::dropSignalOf(error);
            return error;
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

bool isStreamMode(mode_t mode) {
    return S_ISFIFO(mode) || S_ISCHR(mode) || S_ISSOCK(mode);
}

// The mode a new file gets: everyone may read and write it, less the umask.
mode_t newFileMode() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666U & ~mask;
}

// Refuses, naming path, what is there and may not be replaced: a folder, a
// disk, a file with other names (a new file in its place would leave them
// with the old contents), or a file the caller may not write, as the
// shell's `>` would refuse it.
void requireReplaceable(const QString& path, const QByteArray& bytes, const struct stat& status) {
    if (S_ISDIR(status.st_mode)) {
        fail(path, EISDIR);
    }
    if (!S_ISREG(status.st_mode)) {
        fail(path, std::string(catalogueText("file.reason.disk")));
    }
    if (status.st_nlink > 1) {
        fail(path, std::string(catalogueText("file.reason.hardLink")));
    }
    if (status.st_nlink == 0) {
        fail(path, std::string(catalogueText("file.reason.noName")));
    }
    if (::faccessat(AT_FDCWD, bytes.constData(), W_OK, AT_EACCESS) != 0) {
        fail(path, errno);
    }
}

struct Owner {
    uid_t user;
    gid_t group;
};

// Gives the new file the owner and group of the old one, as far as the
// caller may: the owner only root may give, the group any member of it.
// Where it may not, the file is the caller's, as a file it makes.
void keepOwner(int fd, Owner owner) {
    if (::fchown(fd, owner.user, owner.group) != 0) {
        ::fchown(fd, static_cast<uid_t>(-1), owner.group);
    }
}

// One file to write: by what it is, not by its name. A FIFO, a character
// device (a terminal, /dev/null) or a socket is a stream, written straight
// into; anything else, a regular file wherever it lies (/dev/shm,
// /proc/self/cwd/…) or a name not there yet, is replaced whole through a
// temporary file, keeping its owner, group and mode.
class Target {
public:
    Target(const OutputFile& file, Replacements& replacements)
        : file_(&file)
        , bytes_(fileNameBytes(file.path))
        , replacements_(&replacements) {
        struct stat status {};
        if (::stat(bytes_.constData(), &status) == 0) {
            if (isStreamMode(status.st_mode)) {
                return;
            }
            requireReplaceable(file.path, bytes_, status);
            owner_ = Owner{status.st_uid, status.st_gid};
            // Without the set-user and set-group bits, which a write drops.
            mode_ = status.st_mode & 01777U;
        } else {
            mode_ = newFileMode();
        }
        if (const int error = followLinks(bytes_)) {
            fail(file.path, error);
        }
        index_ = replacements.add(bytes_);
        replaced_ = true;
    }

    bool isStream() const { return !replaced_; }
    const OutputFile& file() const { return *file_; }

    // The whole contents in a temporary file beside the target, on disk.
    void prepare() const {
        const int fd = replacements_->makeTemporary(index_);
        if (fd < 0) {
            fail(file_->path, errno);
        }
        if (owner_) {
            keepOwner(fd, *owner_);
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

    void commit() const {
        if (const int error = replacements_->commit(index_)) {
            fail(file_->path, error);
        }
    }

    // Straight into what is there: a device, a FIFO, a terminal.
    void writeDirectly(const std::string& sent) const {
        const int fd = ::open(bytes_.constData(), O_WRONLY | O_CLOEXEC | O_NOCTTY);
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
    Replacements* replacements_;
    bool replaced_ = false; // a stream is not
    std::size_t index_ = 0;
    mode_t mode_ = 0;
    std::optional<Owner> owner_; // of the file that was there
};

// "«fifo» ya recibió las muestras": what the streams got before a failure.
std::string sentSoFar(const std::string& sent, const OutputFile& file) {
    const std::string received = filled(
        "file.received", {{"name", quotedName(file.path)}, {"what", file.what.toStdString()}});
    return sent.empty() ? received
                        : filled("file.receivedToo", {{"sent", sent}, {"received", received}});
}

} // namespace

bool sameFile(const QString& first, const QString& second) {
    return identityOf(fileNameBytes(first)) == identityOf(fileNameBytes(second));
}

bool namesAStream(const QString& path) {
    struct stat status {};
    return ::stat(fileNameBytes(path).constData(), &status) == 0 && isStreamMode(status.st_mode);
}

// Every target checked first; the regular files then written aside and put
// in place, each old file kept aside; the streams then; and only when all
// went well is the export decided and the old files let go. A failure
// anywhere, or an ending signal before the decision, puts every regular
// file back.
void writeAll(const std::vector<OutputFile>& files) {
    Replacements replacements;
    std::vector<Target> targets;
    targets.reserve(files.size());
    std::transform(files.begin(), files.end(), std::back_inserter(targets),
                   [&replacements](const OutputFile& file) { return Target(file, replacements); });
    for (const Target& target : targets) {
        if (!target.isStream()) {
            target.prepare();
        }
    }
    for (const Target& target : targets) {
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
    replacements.keepNew();
}

} // namespace amsim
