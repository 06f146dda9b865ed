#pragma once

#include <QString>
#include <string>

namespace amsim {

// A file's name as a message quotes it, «…»: every character in view
// (control characters as their pictures, bytes that are not UTF-8 as
// U+FFFD), and a long name cut to its beginning and its end, where the
// name of the file itself is.
std::string quotedName(const QString& path);

} // namespace amsim
