#pragma once

namespace amsim {

// Clears the upper halves of the processor's 256-bit vector registers, where
// the processor has them. Graphics code built for wide vectors (Qt's painting
// among it) can leave them in use; until they are cleared, every ordinary
// floating-point instruction after it runs markedly slower, which made a
// redraw in the running window take almost twice as long.
void clearWideVectorState();

} // namespace amsim
