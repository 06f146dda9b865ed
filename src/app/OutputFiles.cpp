#include "app/OutputFiles.h"

#include "app/NativeNames.h"
#include "display/Error.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace amsim {

namespace {

std::string reasonOf(int error) {
    switch (error) {
    case ENOSPC:
    case EDQUOT:
        return "no queda espacio en el disco";
    case EACCES:
    case EPERM:
        return "no hay permiso para escribir en él o en su carpeta";
    case ENOENT:
    case ENOTDIR:
        return "la carpeta no existe";
    case EISDIR:
        return "es una carpeta";
    case EROFS:
        return "está en un disco de solo lectura";
    case EPIPE:
        return "quien lo leía dejó de hacerlo";
    default:
        return "el sistema respondió con el error " + std::to_string(error);
    }
}

[[noreturn]] void fail(const QString& path, int error) {
    throw Error::writeFailed(path.toStdString(), reasonOf(error));
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

// What makes two names one file: the same device and inode when it exists,
// else the same real folder and the same name in it.
QByteArray identityOf(const QByteArray& path) {
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
        : file_(file)
        , bytes_(fileNameBytes(file.path)) {
        struct stat status {};
        if (::stat(bytes_.constData(), &status) != 0) {
            const mode_t mask = ::umask(0);
            ::umask(mask);
            mode_ = 0666U & ~mask;
            return;
        }
        if (S_ISDIR(status.st_mode)) {
            fail(file_.path, EISDIR);
        }
        direct_ =
            !S_ISREG(status.st_mode) || bytes_.startsWith("/dev/") || bytes_.startsWith("/proc/");
        mode_ = status.st_mode & 07777U;
        if (!direct_) {
            bytes_ = realPathOf(bytes_); // a link stays a link; its file is replaced
        }
    }

    Target(const Target&) = delete;
    Target& operator=(const Target&) = delete;
    Target(Target&&) = default;
    Target& operator=(Target&&) = delete;

    ~Target() {
        if (!temporary_.isEmpty()) {
            ::unlink(temporary_.constData());
        }
    }

    bool direct() const { return direct_; }

    // The whole contents in a temporary file beside the target, on disk.
    void prepare() {
        QByteArray name = folderOf(bytes_) + "/." + baseNameOf(bytes_) + ".XXXXXX";
        const int fd = ::mkstemp(name.data());
        if (fd < 0) {
            fail(file_.path, errno);
        }
        temporary_ = name;
        int error = writeFully(fd, file_.contents);
        if (error == 0 && (::fchmod(fd, mode_) != 0 || ::fsync(fd) != 0)) {
            error = errno;
        }
        if (::close(fd) != 0 && error == 0) {
            error = errno;
        }
        if (error != 0) {
            fail(file_.path, error);
        }
    }

    // Straight into what is there: a device, a FIFO, a terminal.
    void writeDirectly() const {
        const int fd = ::open(bytes_.constData(), O_WRONLY | O_CLOEXEC);
        if (fd < 0) {
            fail(file_.path, errno);
        }
        int error = writeFully(fd, file_.contents);
        if (::close(fd) != 0 && error == 0) {
            error = errno;
        }
        if (error != 0) {
            fail(file_.path, error);
        }
    }

    void commit() {
        if (::rename(temporary_.constData(), bytes_.constData()) != 0) {
            fail(file_.path, errno);
        }
        temporary_.clear();
        committed_ = true;
    }

    // A file already renamed into place goes again when another fails.
    void undo() const {
        if (committed_) {
            ::unlink(bytes_.constData());
        }
    }

private:
    const OutputFile& file_;
    QByteArray bytes_;
    QByteArray temporary_;
    mode_t mode_ = 0644U;
    bool direct_ = false;
    bool committed_ = false;
};

} // namespace

void requireDistinctFiles(const std::vector<QString>& paths) {
    for (std::size_t i = 0; i < paths.size(); ++i) {
        for (std::size_t j = i + 1; j < paths.size(); ++j) {
            if (identityOf(fileNameBytes(paths[i])) == identityOf(fileNameBytes(paths[j]))) {
                throw Error::commandLine("«" + paths[i].toStdString() + "» y «" +
                                         paths[j].toStdString() +
                                         "» son el mismo archivo: la imagen y las muestras "
                                         "necesitan un archivo cada una.");
            }
        }
    }
}

void writeAll(const std::vector<OutputFile>& files) {
    std::vector<Target> targets(files.begin(), files.end());
    for (Target& target : targets) {
        if (!target.direct()) {
            target.prepare();
        }
    }
    for (const Target& target : targets) {
        if (target.direct()) {
            target.writeDirectly();
        }
    }
    try {
        for (Target& target : targets) {
            if (!target.direct()) {
                target.commit();
            }
        }
    } catch (const Error&) {
        for (const Target& target : targets) {
            target.undo();
        }
        throw;
    }
}

} // namespace amsim
