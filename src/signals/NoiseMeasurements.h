#pragma once

#include "core/ParameterValues.h"
#include "signals/ChannelNoise.h"
#include "signals/ReceiverOutputStream.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

namespace amsim {

// What theory says of the noise, for ideal filters and the product detector,
// with A = m/2, phase error phi, N0 = ruido² / 1 kHz and W = 3 kHz:
//   P_R   received power, V²/2 + (Li A)²/2 + (Ls A)²/2
//   P_N   noise power in the receiver's filter, ruido² B / 1 kHz
//   a     the tone's amplitude at the detector's output,
//         (A/2) sqrt(Li² + Ls² + 2 Li Ls cos 2phi)
//   S/N at the input    P_R / P_N
//   S/N of the audio    (a²/2) / (P_N/4) = 2a² / P_N: the detector's output
//                       noise in 0 to W is P_N/4, whatever phi and the mode
//   figure of merit     S/N of the audio over P_R / (N0 W): 1 in DSB and SSB,
//                       mu² / (2 + mu²) in AM of index mu
// A ratio has no meaning, and is none, where its numerator or denominator is
// nothing: no noise, no received signal, no tone.
struct NoiseTheory {
    double receivedPower = 0.0;
    double noisePower = 0.0;
    double toneAmplitude = 0.0;
    std::optional<double> inputRatio;
    std::optional<double> audioRatio;
    std::optional<double> figureOfMerit;
};

NoiseTheory noiseTheory(const ParameterValues& values);

// An output stream at 48 kHz split into what repeats with the tone (48
// samples a period) and what does not: the tone is the 1 kHz component of
// the average period, the noise everything that differs from it.
struct ToneAndNoise {
    double toneAmplitude;
    double noisePower;
};

// The same, one sample at a time, for a stream too long to keep: sums per
// place in the period and of the squares.
class ToneSeparation {
public:
    void add(double sample);
    ToneAndNoise result() const;

private:
    std::array<double, ReceiverOutputStream::kPeriod> sums_{};
    double squares_ = 0.0;
    std::size_t count_ = 0;
};

ToneAndNoise separateTone(const std::vector<double>& output);

// The readout of the noise: the filter, the theory, and the S/N of the audio
// measured over one second of the receiver's output from firstSample, for
// the product detector and, when it is on, the envelope detector. A measured
// ratio is none where no tone was detected: under a tenth of the product
// detector's best audio, or lost in the noise.
struct NoiseReadout {
    ReceiverBand band;
    NoiseTheory theory;
    std::optional<double> audioMeasured;
    std::optional<double> envelopeMeasured;
};

// None when ruido is 0.
std::optional<NoiseReadout> measureNoise(const ParameterValues& values, std::int64_t firstSample);

} // namespace amsim
