#include "files/FileErrors.h"

#include "files/QuotedName.h"

namespace amsim {

namespace {

std::string writeMessage(const QString& path, const std::string& reason, const std::string& sent) {
    const std::string nothingElse =
        sent.empty() ? "No se escribió ningún archivo."
                     : sent + ", y eso no se puede deshacer; no se escribió ningún otro archivo.";
    return "No se pudo escribir el archivo " + quotedName(path) + ": " + reason + ". " +
           nothingElse;
}

} // namespace

WriteError::WriteError(const QString& path, const std::string& reason, const std::string& sent)
    : Error(writeMessage(path, reason, sent)) {}

} // namespace amsim
