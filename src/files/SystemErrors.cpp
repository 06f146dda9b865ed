#include "files/SystemErrors.h"

#include "texts/Catalogue.h"

#include <cerrno>

namespace amsim {

std::string reasonOf(int error) {
    switch (error) {
    case ENOSPC:
    case EDQUOT:
        return std::string(catalogueText("file.reason.noSpace"));
    case EACCES:
    case EPERM:
        return std::string(catalogueText("file.reason.permission"));
    case ENOENT:
    case ENOTDIR:
        return std::string(catalogueText("file.reason.noFolder"));
    case EISDIR:
        return std::string(catalogueText("file.reason.folder"));
    case EROFS:
        return std::string(catalogueText("file.reason.readOnly"));
    case EPIPE:
        return std::string(catalogueText("file.reason.readerLeft"));
    case ENAMETOOLONG:
        return std::string(catalogueText("file.reason.nameTooLong"));
    case ENXIO:
    case ENODEV:
    case EOPNOTSUPP:
        return std::string(catalogueText("file.reason.notAFile"));
    case ELOOP:
        return std::string(catalogueText("file.reason.links"));
    case EFBIG:
        return std::string(catalogueText("file.reason.tooBig"));
    case EIO:
        return std::string(catalogueText("file.reason.io"));
    case EBUSY:
    case ETXTBSY:
        return std::string(catalogueText("file.reason.busy"));
    case EMLINK:
    case EXDEV:
    case EINVAL:
        return std::string(catalogueText("file.reason.notAllowed"));
    default:
        return filled("file.reason.other", {{"error", std::to_string(error)}});
    }
}

} // namespace amsim
