// The receiver's product detector. The received signal (side frequencies in
// sine phase) is multiplied by a carrier reinserted F degrees late:
//   c = -cos(0.1 pi (x + F/18))
//   r = Li (m/2) sin(0.095 pi x) - Ls (m/2) sin(0.105 pi x) + V sin(0.1 pi x)
//   s = c r
// With ruido above 0 the channel's noise n adds to r: s = c (r + n).
// Two first-order smoothers (weight 0.03 per sample) leave the audio,
// (m/2) cos(phi) sin(0.005 pi x) with both sidebands, m/4 with one, plus the
// steady level (V/2) sin(phi); it is drawn in green at twice the scale.
// With a frequency error df the phase error moves across the screen,
// phi(x) = F + 360 df (t0 + x 2.5 µs), t0 the screen's first millisecond;
// both traces are those of a still bench of that phase at each column.
// x is the time: at a slower time base a column spans more of it.
//
// The envelope detector, when it is switched on, takes what the transmitter
// sends (its trace's samples) plus the same noise, and is drawn in light blue on the same axis and
// scale, for comparison: it follows AM up to 100 %, distorts beyond it, gives
// twice the tone's frequency in DSB and next to nothing in SSB.
#include "display/Redraw.h"
#include "signals/ChannelNoise.h"
#include "signals/EnvelopeDetector.h"
#include "signals/ScreenEnvelope.h"
#include "signals/Signals.h"

#include <algorithm>
#include <utility>

namespace amsim {

// Every parameter is read before the first sample, so a bad phase stops the
// redraw right after the detector's axis.
void Redraw::TrazarDetector() {
    Eje = 600;
    const double scale = Escala * 2;
    drawAxis();
    const double F = read(Parameter::Fase);
    const double df = read(Parameter::Df);
    const ScreenPhase phase{F, df, screenMillisecond(instant_)};
    const Sidebands sides{read(Parameter::BliSiNo), read(Parameter::BlsSiNo), tones_};
    const double V = read(Parameter::Vcc);
    const ScreenNoise* noise = channelNoise();
    // The received signal repeats with the still signals, and so does the
    // product while the carrier stands still and the channel is clean.
    const FineSweep fine = fineSweep();
    const bool productRepeats = noise == nullptr && df == 0.0;
    std::vector<double> received;
    received.reserve(noise == nullptr ? 0 : fine.count());
    samples_.clear();
    fine.run([&](const FineTime& t) {
        const double x = timeBase_.columnOf(t.x);
        if (fine.repeats(t.n) && productRepeats) {
            samples_.push_back({x, samples_[t.n - fine.period()].value});
            return;
        }
        const double phi = phase.at(t.x);
        if (noise == nullptr) {
            samples_.push_back({x, detectorProduct(sides, V, phi, Pi, t.within)});
            return;
        }
        received.push_back(fine.repeats(t.n) ? received[t.n - fine.period()]
                                             : receivedSignal(sides, V, Pi, t.within));
        samples_.push_back(
            {x, reinsertedCarrier(phi, Pi, t.within) * (received.back() + noise->screen[t.n])});
    });
    drawConnected(scale);

    // The green audio smooths the very products just drawn.
    Smoothing = DetectorSmoothing{};
    for (Sample& s : samples_) {
        s.value = Smoothing.next(s.value);
    }
    drawPoints(scale, PaletteColour::Green);
}

const ScreenNoise* Redraw::channelNoise() {
    const double ruido = read(Parameter::Ruido);
    if (ruido == 0.0) {
        return nullptr;
    }
    if (!noise_) {
        const ChannelNoise channel(
            receiverBandOf(read(Parameter::BliSiNo), read(Parameter::BlsSiNo)), ruido);
        noise_ = screenNoise(channel, screenFirstSample(instant_),
                             std::max(fineSweep().count(), kToneSamples));
    }
    return &*noise_;
}

bool Redraw::envelopeDetectorOn() {
    return read(Parameter::Envelope) != 0.0;
}

// Drawn right after the transmitter's output, whose samples it still holds.
void Redraw::TrazarDetectorEnvolvente() {
    Eje = 600;
    std::vector<double> transmitted(samples_.size());
    std::transform(samples_.begin(), samples_.end(), transmitted.begin(),
                   [](const Sample& s) { return s.value; });
    const double V = read(Parameter::Vcc);
    const Sidebands sides{read(Parameter::BliSiNo), read(Parameter::BlsSiNo), tones_};
    envelopeAudio_ = screenEnvelope(std::move(transmitted), sides, V, Pi, channelNoise());
    for (std::size_t n = 0; n < samples_.size(); ++n) {
        samples_[n].value = envelopeAudio_[n];
    }
    drawPoints(Escala * 2, PaletteColour::LightBlue);
}

} // namespace amsim
