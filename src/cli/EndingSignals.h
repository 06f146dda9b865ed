#pragma once

namespace amsim {

// Holds every signal that would end the program (and that the caller does
// not ignore) in every thread the program starts from now on, and answers
// them on one thread of its own: it settles the export under way (see
// Replacements) and then ends the program as the signal asks. A thread
// starts with the signals its creator held, so this must come before any
// thread starts (Qt's pooled threads encode a picture). SIGPIPE held, a
// reader that goes away is a write error (EPIPE), and a file grown past
// the size limit one too (EFBIG).
void holdEndingSignals();

} // namespace amsim
