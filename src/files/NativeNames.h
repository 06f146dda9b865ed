#pragma once

#include <QByteArray>
#include <QString>

namespace amsim {

// Command-line arguments and the file names among them, byte for byte. A
// name that is not UTF-8 (an older system's Latin-1 "café", say) still names
// its own file: each byte that belongs to no UTF-8 sequence is kept as a code
// unit of its own, U+DC80 plus the byte, and turned back into that very byte
// when the file is opened. (Qt's own decoding turns such bytes into U+FFFD,
// which names another file.)
QString argumentText(const QByteArray& bytes);
QByteArray fileNameBytes(const QString& name);

} // namespace amsim
