#pragma once

#include "core/ParameterValues.h"
#include "signals/NoiseMeasurements.h"

#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace amsim {

// What the bench measures at the parameters, for a 1 ohm load with the
// signal units as volts, each tone being m sin (the generator's tones), the
// carrier V sin and each side frequency of amplitude factor·m/2:
//   carrier power      V² / 2
//   side powers        the sum over the tones of (Ls m / 2)² / 2 and
//                      (Li m / 2)² / 2
//   efficiency         side powers / total
//   PEP                (|V| + sum of |m| (|Li| + |Ls|) / 2)² / 2, the
//                      envelope's peak, where the tones' peaks meet
//   average power      with two tones, the total power, and PEP over it:
//                      4 in DSB and 2 in SSB at equal tones
//   bandwidth          the highest tone's frequency for each sideband that
//                      passes
//   detected audio     each tone's peak amplitude in the product detector's
//                      audio in steady state: (|m| / 4) |Li e^(i phi) +
//                      Ls e^(-i phi)| through the two smoothers,
//                      |0.03 / (1 - 0.97 e^(-i w))|² at the tone's
//                      w = 2 pi fm 0.5 µs per fine sample; negative where
//                      the spectrum draws it inverted
//   its loss           20 log10 of the audio over the audio at phase 0
//   detected level     the product detector's steady level, (V / 2) sin phi:
//                      the received carrier, in sine phase, against the
//                      reinserted one, in cosine phase
//   phase error now    phi(t) = fase + 360 df t, reduced to 0 … 360 degrees,
//                      while the reinserted carrier drifts (df not 0); the
//                      detected audio, its loss, the level and the noise's
//                      S/N are then those at that phase
//   detected tones     while df is not 0, the frequencies of the product
//                      detector's tones that the detected-audio display
//                      shows, for each tone: each sideband's where the
//                      screen tells them apart, else the tone's own
//                      (DetectedTones.h)
//   envelope distortion the root of the squares of the envelope detector's
//                      components up to 10 kHz other than the tones (their
//                      harmonics and, with two tones, the intermodulation
//                      products) over that of the tones, from its clean
//                      spectrum (EnvelopeSpectrum) when it is on and
//                      recovers the tones; with noise, of its average
//                      period in the long run: with one tone, its THD
//
// The envelope detector's output when it does not recover the tones: their
// components are under a tenth of the product detector's audio at phase 0
// (DSB, SSB without carrier, no tone at all). Its distortion would then be
// a ratio of near nothings; what it gives instead is said in words.
struct EnvelopeWithoutTone {
    // The frequency, in kHz, of its strongest other component up to 10 kHz;
    // none when no component reaches that tenth either.
    std::optional<double> dominantKilohertz;
};

struct Measurements {
    std::string mode;
    std::optional<double> modulationIndex; // |mdl| / |V(cc)|; none when V(cc) is 0
    double carrierPower = 0.0;
    double upperPower = 0.0;
    double lowerPower = 0.0;
    double peakEnvelopePower = 0.0;
    bool twoTones = false; // the readout then gives the average power too
    double bandwidthHertz = 0.0;
    std::vector<double> detectedAudio;       // each tone's, in the order of the tones
    std::optional<double> audioLossDecibels; // none when the audio, or that at phase 0, is none
    double detectedLevel = 0.0;
    std::optional<double> phaseNow; // degrees, while df is not 0
    // Hz, ascending, while df is not 0; empty when no tone passes.
    std::optional<std::vector<double>> toneHertz;
    // When the envelope detector is on: its distortion, or what it gives
    // instead of the tone.
    std::optional<std::variant<double, EnvelopeWithoutTone>> envelope;
    // While ruido is above 0: the receiver's filter and the S/N, in theory and
    // measured on the receiver's output.
    std::optional<NoiseReadout> noise;

    double totalPower() const { return carrierPower + upperPower + lowerPower; }
};

// At the bench's instant, in seconds.
Measurements measure(const ParameterValues& values, double instant = 0.0);

} // namespace amsim
