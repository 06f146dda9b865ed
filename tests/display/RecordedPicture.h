#pragma once

#include "display/Graficar.h"
#include "support/FakeParameters.h"
#include "support/RecordingCanvas.h"

#include <map>
#include <vector>

namespace amsim::test {

// One redraw recorded and cut into the parts of the bench: every trace is
// what follows its light-magenta axis; spectrum lines are the lines drawn
// right of the traces; envelope points are the points drawn after them.
struct RecordedPicture {
    std::vector<Operation> all;
    std::map<float, std::vector<Operation>> traces; // by axis height
    std::vector<Operation> spectrum;
    std::vector<Operation> envelope;

    std::vector<Operation> trace(float axisY) const { return traces.at(axisY); }
};

inline RecordedPicture cutIntoParts(const std::vector<Operation>& operations) {
    RecordedPicture picture{operations, {}, {}, {}};
    std::vector<Operation>* current = nullptr;
    for (const Operation& op : operations) {
        const bool isAxis = op.kind == Operation::Kind::Line &&
                            op.colour == PaletteColour::LightMagenta && op.from.x == 639.0F;
        if (isAxis) {
            current = &picture.traces[op.from.y];
        } else if (op.kind == Operation::Kind::Line && op.from.x >= 730.0F) {
            current = &picture.spectrum;
        } else if (current == &picture.spectrum) {
            current = &picture.envelope;
        }
        if (current != nullptr && !isAxis) {
            current->push_back(op);
        }
    }
    return picture;
}

inline RecordedPicture recordRedraw(FakeParameters& parameters) {
    RecordingCanvas canvas;
    Graficar(canvas, parameters, WindowValues{});
    return cutIntoParts(canvas.operations());
}

inline RecordedPicture recordRedraw(FakeParameters&& parameters) {
    return recordRedraw(parameters);
}

// The height of a drawn value above the axis, in pixels.
inline float heightAbove(float axisY, const Operation& op) {
    return axisY - op.to.y;
}

} // namespace amsim::test
