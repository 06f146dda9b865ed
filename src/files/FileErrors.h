#pragma once

#include "core/Error.h"

#include <QString>
#include <string>

namespace amsim {

// A file the user asked for could not be written. sent: what streams, which
// cannot take it back, already got ("«fifo» ya recibió las muestras"); empty
// when none did.
class WriteError : public Error {
public:
    WriteError(const QString& path, const std::string& reason, const std::string& sent = {});
};

} // namespace amsim
