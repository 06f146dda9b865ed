// The block diagram names the generator's tone as it is at start, "1kHz".
// Another tone, or two, is written over that name on a plate of its own, so
// that the diagram says what the generator sends.

#include "display/Redraw.h"

#include <cmath>

namespace amsim {

namespace {

// Where the diagram's "1kHz" stands, under the generator's "modulante"; a
// second tone goes under the first.
constexpr float kCaptionLeft = 764.0F;
constexpr float kCaptionTop = 46.0F;
constexpr float kCaptionLine = 12.0F;

} // namespace

void Redraw::captionTones() {
    if (tones_.size() == 1 && tones_.front().hertz == kStartToneHertz) {
        return;
    }
    float top = kCaptionTop;
    for (const Tone& tone : tones_) {
        label({kCaptionLeft, top}, std::to_string(std::llround(tone.hertz)) + "Hz");
        top += kCaptionLine;
    }
}

} // namespace amsim
