#include "files/FileErrors.h"

#include "files/QuotedName.h"
#include "texts/Catalogue.h"

namespace amsim {

namespace {

std::string writeMessage(const QString& path, const std::string& reason, const std::string& sent) {
    const std::string nothingElse = sent.empty()
                                        ? std::string(catalogueText("file.nothingWritten"))
                                        : filled("file.nothingElseWritten", {{"sent", sent}});
    return filled("file.writeFailed",
                  {{"name", quotedName(path)}, {"reason", reason}, {"written", nothingElse}});
}

} // namespace

WriteError::WriteError(const QString& path, const std::string& reason, const std::string& sent)
    : Error(writeMessage(path, reason, sent)) {}

} // namespace amsim
