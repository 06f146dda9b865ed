#include "files/SystemErrors.h"

#include <cerrno>

namespace amsim {

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
    case ENAMETOOLONG:
        return "nombre de archivo demasiado largo";
    case ENXIO:
    case ENODEV:
    case EOPNOTSUPP:
        return "no es un archivo ni un dispositivo";
    case ELOOP:
        return "hay demasiados enlaces simbólicos seguidos";
    case EFBIG:
        return "el archivo sería demasiado grande";
    case EIO:
        return "el disco dio un error de lectura o escritura";
    case EBUSY:
    case ETXTBSY:
        return "está en uso";
    case EMLINK:
    case EXDEV:
    case EINVAL:
        return "el sistema de archivos no permite guardarlo así";
    default:
        return "el sistema respondió con el error " + std::to_string(error);
    }
}

} // namespace amsim
