#pragma once

#include "canvas/Canvas.h"
#include "core/Error.h"

namespace amsim {

// A canvas operation that failed stops the drawing with the program's own
// error; what was drawn before it stays.
inline void requireDrawn(CanvasStatus status) {
    if (status != CanvasStatus::Ok) {
        throw Error::drawingFailed();
    }
}

} // namespace amsim
