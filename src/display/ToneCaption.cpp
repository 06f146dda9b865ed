// The block diagram names the generator's tone as it is at start, "1kHz".
// Another tone, or two, is written over that name on a plate of its own, so
// that the diagram says what the generator sends.

#include "display/Redraw.h"

#include <array>
#include <cmath>
#include <string>

namespace amsim {

namespace {

// Where the diagram's "1kHz" stands, under the generator's "modulante"; a
// second tone goes under the first.
constexpr float kCaptionLeft = 764.0F;
constexpr float kCaptionTop = 46.0F;
constexpr float kCaptionLine = 12.0F;

} // namespace

// A hidden tone is written "? Hz ", the start tone's too, on a plate that
// covers the diagram's "1kHz", so that it gives nothing away.
void Redraw::captionTones() {
    const std::array<bool, 2> concealed{parameters_.conceals(Parameter::Tono),
                                        parameters_.conceals(Parameter::Tono2)};
    if (tones_.size() == 1 && tones_.front().hertz == kStartToneHertz && !concealed[0] &&
        !concealed[1]) {
        return;
    }
    float top = kCaptionTop;
    for (std::size_t k = 0; k < tones_.size(); ++k) {
        const bool hidden = k < concealed.size() && concealed.at(k);
        label({kCaptionLeft, top},
              hidden ? std::string("? Hz ") : std::to_string(std::llround(tones_[k].hertz)) + "Hz");
        top += kCaptionLine;
    }
}

} // namespace amsim
