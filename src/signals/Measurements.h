#pragma once

#include "core/ParameterValues.h"
#include "signals/NoiseMeasurements.h"

#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace amsim {

// What the bench measures at the parameters, for a 1 ohm load with the
// signal units as volts, the tone being m sin, the carrier V sin and each
// side frequency of amplitude factor·m/2:
//   carrier power      V² / 2
//   side powers        (Ls m / 2)² / 2 and (Li m / 2)² / 2
//   efficiency         side powers / total
//   PEP                (|V| + |m| (|Li| + |Ls|) / 2)² / 2, the envelope's peak
//   bandwidth          1 kHz for each side frequency that passes
//   detected audio     the 1 kHz peak amplitude of the product detector's
//                      audio in steady state: (|m| / 4) |Li e^(i phi) +
//                      Ls e^(-i phi)| through the two smoothers,
//                      |0.03 / (1 - 0.97 e^(-i w))|² at the tone's
//                      w = 0.001 pi per fine sample; negative where the
//                      spectrum draws it inverted
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
//                      shows: each sideband's where the screen tells them
//                      apart, else the one at 1 kHz (DetectedTones.h)
//   envelope THD       sqrt(A2² + … + A10²) / A1 of the envelope detector's
//                      output over one tone period, when it is on and
//                      recovers the tone; with noise, of its average period
//                      in the long run
//
// The envelope detector's output when it does not recover the tone: its
// 1 kHz component is under a tenth of the product detector's audio at phase
// 0 (DSB, SSB without carrier, no tone at all). Its distortion would then be
// a ratio of near nothings; what it gives instead is said in words.
struct EnvelopeWithoutTone {
    // The multiple of the tone, in kHz, of its strongest component up to
    // 10 kHz; none when no component reaches that tenth either.
    std::optional<int> dominantKilohertz;
};

struct Measurements {
    std::string mode;
    std::optional<double> modulationIndex; // |mdl| / |V(cc)|; none when V(cc) is 0
    double carrierPower = 0.0;
    double upperPower = 0.0;
    double lowerPower = 0.0;
    double peakEnvelopePower = 0.0;
    int bandwidthKilohertz = 0;
    double detectedAudio = 0.0;
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
