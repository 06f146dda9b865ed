// The spectrum analyser: three displays, one line per component standing on
// its baseline at 10 pixels per kHz, 20 pixels per unit of the value marked.
// Each of the generator's tones, at fm, has its side frequencies at
// 20 kHz ± fm, about the carrier at 20 (19 and 21 for a 1 kHz tone). Within each display every line
// has the same volts per pixel: 20 in the generator's (DC level V, tone m), 40 in the transmitter's
// (each side frequency m/2 marked as m, the carrier V as 2V) and 80 in the detected-audio display,
// whose tone of amplitude (m/4)|Li e^(i phi) + Ls e^(-i phi)| is marked as four times that. With
// the envelope detector on, its 1 kHz and 2 kHz components stand in light blue 2 pixels right of
// their places in the detected-audio display, at its 80 pixels per volt,
// measured from its trace over one tone period; with noise, of its average
// period in the long run, where the noise takes its tone below the threshold.
// While the reinserted carrier drifts, each sideband's tone stands where the
// audio holds it, 1 kHz + df for the lower and 1 kHz - df for the upper, of
// amplitude m/4 each (marked m); both sidebands' tones closer than the
// screen's 1.6 ms tells apart are one 1 kHz tone, the one at the phase error
// of the instant (DetectedTones.h).
// With noise in the channel, the transmitter's display shows the floor that
// the receiver's filter passes, in dark grey across the filter's width: ruido
// is the rms voltage in each 1 kHz, marked as a line of amplitude ruido·√2,
// the side frequency of the same power, at the display's 40 pixels per volt.
// The display ends at 22 kHz: of the both sidebands' filter, 17 to 22 kHz show;
// with the scales on, a label gives the band's edges (Scales.cpp).
#include "display/Redraw.h"
#include "signals/ChannelNoise.h"
#include "signals/DetectedTones.h"
#include "signals/EnvelopeDetector.h"
#include "signals/NoiseMeasurements.h"
#include "signals/ScreenEnvelope.h"
#include "signals/Signals.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>
#include <vector>

namespace amsim {

namespace {

// The detected audio's display: 80 pixels a volt, up to 22 kHz.
constexpr double kAudioPixelsPerVolt = 80.0;
constexpr double kLastHertz = 22000.0;

} // namespace

void Redraw::MarcarEspectro(int X0, int Y0, int Indice, double Valor) {
    markSpectralLine(X0, Y0, static_cast<double>(Indice), Valor);
}

void Redraw::markSpectralLine(int X0, int Y0, double kilohertz, double Valor) {
    const auto x0 = static_cast<float>(X0);
    const auto y0 = static_cast<float>(Y0);
    const auto x = static_cast<float>(X0 + 10.0 * kilohertz);
    check(canvas_.line({x0, y0}, {x0 + 220.0F, y0}));
    drawSpectralLine(x, y0, toCanvasCoordinate(Y0 - 20.0 * Valor));
}

// The amplitude of a detected tone, m |Li e^(i phi) + Ls e^(-i phi)|: the
// two sidebands' audio adds in phase only when the reinserted carrier is
// right. With both sidebands this is 2 m cos(phi), drawn below the baseline
// when the audio is inverted; with one sideband it is m at every phase.
double Redraw::detectedToneAmplitude(double m) {
    const double phi = finiteResult(2.0 * Pi * phaseNow() / 360.0);
    const double Li = read(Parameter::BliSiNo);
    const double Ls = read(Parameter::BlsSiNo);
    // Rounding may leave the square a hair below zero where the audio cancels.
    const double square = finiteResult(sidebandAudioSquare(Li, Ls, phi));
    const double amplitude = m * std::sqrt(std::max(0.0, square));
    return sidebandAudioInverted(Li, Ls, phi) ? -amplitude : amplitude;
}

double Redraw::phaseNow() {
    return driftedPhase(read(Parameter::Fase), read(Parameter::Df), instant_);
}

// Each amplitude is computed right before its line is marked, so an overflow
// stops the spectra after the lines before it.
void Redraw::markSpectra() {
    if (analyserOn()) {
        drawAnalyser();
        return;
    }
    const auto marcar = [this](int x0, int y0, int indice, double valor) {
        MarcarEspectro(x0, y0, indice, finiteResult(valor));
    };
    const auto at = [this](int x0, int y0, double hertz, double valor) {
        markSpectralLine(x0, y0, hertz / 1000.0, finiteResult(valor));
    };
    marcar(730, 100, 0, read(Parameter::Vcc)); // DC level
    for (const Tone& tone : tones_) {
        at(730, 100, tone.hertz, tone.amplitude);
    }
    markNoiseFloor();
    for (const Tone& tone : tones_) {
        at(730, 400, kCarrierHertz - tone.hertz, read(Parameter::BliSiNo) * tone.amplitude);
    }
    marcar(730, 400, 20, 2.0 * read(Parameter::Vcc)); // carrier
    for (const Tone& tone : tones_) {
        at(730, 400, kCarrierHertz + tone.hertz, read(Parameter::BlsSiNo) * tone.amplitude);
    }
    markDetectedTones();
    if (envelopeDetectorOn()) {
        markEnvelopeTones();
    }
}

void Redraw::markDetectedTones() {
    for (const Tone& tone : tones_) {
        const std::vector<SidebandTone> sides = separateTones(
            tone.hertz, read(Parameter::BliSiNo), read(Parameter::BlsSiNo), read(Parameter::Df));
        if (sides.empty()) {
            markSpectralLine(730, 650, tone.hertz / 1000.0,
                             finiteResult(detectedToneAmplitude(tone.amplitude)));
        }
        for (const SidebandTone& side : sides) {
            markSpectralLine(730, 650, side.hertz / 1000.0,
                             finiteResult(tone.amplitude * std::abs(side.factor)));
        }
    }
}

void Redraw::markNoiseFloor() {
    const double ruido = read(Parameter::Ruido);
    if (ruido == 0.0) {
        return;
    }
    constexpr double kTransmitterPixelsPerVolt = 40.0;
    const BandEdges edges =
        receiverBandEdges(receiverBandOf(read(Parameter::BliSiNo), read(Parameter::BlsSiNo)));
    const float top =
        toCanvasCoordinate(400.0 - kTransmitterPixelsPerVolt * std::sqrt(2.0) * std::abs(ruido));
    const double last = std::min(950.0, 730.0 + 10.0 * edges.highKilohertz);
    for (double x = 730.0 + 10.0 * edges.lowKilohertz; x <= last; x += 1.0) {
        const auto column = static_cast<float>(x);
        check(canvas_.line({column, 400.0F}, {column, top}, PaletteColour::DarkGrey));
    }
}

void Redraw::markEnvelopeTones() {
    if (std::any_of(tones_.begin(), tones_.end(),
                    [](const Tone& tone) { return tone.hertz != kStartToneHertz; })) {
        markEnvelopeComponents();
        return;
    }
    const double ruido = read(Parameter::Ruido);
    std::optional<std::array<double, kEnvelopeHarmonics>> withNoise;
    if (ruido != 0.0) {
        withNoise = envelopeHarmonicsWithNoise({read(Parameter::Modulante), read(Parameter::Vcc),
                                                read(Parameter::BliSiNo), read(Parameter::BlsSiNo),
                                                0.0, 1.0, ruido});
    }
    for (const int harmonic : {1, 2}) {
        markEnvelopeLine(harmonic, withNoise ? withNoise->at(static_cast<std::size_t>(harmonic - 1))
                                             : toneHarmonic(envelopeAudio_, harmonic));
    }
}

// Any other tones: every component of the detector's audio that the display
// shows at all, half a pixel high or more; with noise, as the noise leaves it
// in the long run, which the readout's distortion is measured from too.
void Redraw::markEnvelopeComponents() {
    const Sidebands sides{read(Parameter::BliSiNo), read(Parameter::BlsSiNo), tones_};
    const double ruido = read(Parameter::Ruido);
    ParameterValues values{
        read(Parameter::Modulante), read(Parameter::Vcc), sides.Li, sides.Ls, 0.0, 1.0, ruido};
    values.tono = read(Parameter::Tono);
    values.tono2 = read(Parameter::Tono2);
    const std::vector<AudioComponent> components =
        ruido != 0.0 ? envelopeComponentsWithNoise(values)
                     : screenEnvelopeSpectrum(sides, values.Vcc).components;
    for (const AudioComponent& component : components) {
        const double amplitude = std::abs(component.phasor);
        if (amplitude * kAudioPixelsPerVolt >= 0.5 && component.hertz <= kLastHertz) {
            markEnvelopeLine(component.hertz / 1000.0, amplitude);
        }
    }
}

// A blue line in the detected audio's display, 2 pixels right of the
// product detector's line at the same frequency.
void Redraw::markEnvelopeLine(double kilohertz, double amplitude) {
    const auto x = toCanvasCoordinate(732.0 + 10.0 * kilohertz);
    check(canvas_.line(
        {x, 650.0F}, {x, toCanvasCoordinate(650.0 - kAudioPixelsPerVolt * finiteResult(amplitude))},
        PaletteColour::LightBlue));
}

} // namespace amsim
