#include "files/SystemErrors.h"

#include "texts/Catalogue.h"

#include <cerrno>

namespace amsim {

std::string reasonOf(int error) {
    switch (error) {
    case ENOSPC:
    case EDQUOT:
        return std::string(text("file.reason.noSpace"));
    case EACCES:
    case EPERM:
        return std::string(text("file.reason.permission"));
    case ENOENT:
    case ENOTDIR:
        return std::string(text("file.reason.noFolder"));
    case EISDIR:
        return std::string(text("file.reason.folder"));
    case EROFS:
        return std::string(text("file.reason.readOnly"));
    case EPIPE:
        return std::string(text("file.reason.readerLeft"));
    case ENAMETOOLONG:
        return std::string(text("file.reason.nameTooLong"));
    case ENXIO:
    case ENODEV:
    case EOPNOTSUPP:
        return std::string(text("file.reason.notAFile"));
    case ELOOP:
        return std::string(text("file.reason.links"));
    case EFBIG:
        return std::string(text("file.reason.tooBig"));
    case EIO:
        return std::string(text("file.reason.io"));
    case EBUSY:
    case ETXTBSY:
        return std::string(text("file.reason.busy"));
    case EMLINK:
    case EXDEV:
    case EINVAL:
        return std::string(text("file.reason.notAllowed"));
    default:
        return filled("file.reason.other", {{"error", std::to_string(error)}});
    }
}

} // namespace amsim
