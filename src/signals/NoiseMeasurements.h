#pragma once

#include "core/ParameterValues.h"
#include "signals/ChannelNoise.h"
#include "signals/EnvelopeSpectrum.h"

#include <array>
#include <cstddef>
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

// A measured S/N of the audio and its standard error in dB.
struct MeasuredRatio {
    double ratio;
    double spreadDecibels;
};

// The readout of the noise: the filter, the theory, and the S/N of the audio
// measured on the receiver's output, for the product detector and, when it
// is on, the envelope detector. The tone is the 1 kHz component of the
// output's average period in the long run; the noise is what differs from
// that period, in 0 to W, measured over a stretch of the output and given
// with its standard error. A measured ratio is none where no tone was
// detected: under a tenth of the product detector's best audio, or within
// three times the spread that the noise alone gives a 1 kHz component
// measured over the stretch.
struct NoiseReadout {
    ReceiverBand band;
    NoiseTheory theory;
    std::optional<MeasuredRatio> audioMeasured;
    std::optional<MeasuredRatio> envelopeMeasured;
};

// None when ruido is 0.
std::optional<NoiseReadout> measureNoise(const ParameterValues& values);

// Both detectors' S/N of the audio, measured as the readout measures them
// but over a stretch of so many blocks of kAudioBlock samples (an even
// number), the envelope detector's whether it is on or not, and the S/N
// that theory gives an ideal envelope detector, |c + e|, of the same
// signal and noise (none without a tone). All none when ruido is 0.
struct DetectorRatios {
    std::optional<MeasuredRatio> product;
    std::optional<MeasuredRatio> envelope;
    std::optional<double> envelopeTheory;
};
DetectorRatios measureDetectors(const ParameterValues& values, std::size_t blocks);

// The envelope detector's output with noise in the long run: its average
// period's components, at the bins of its clean spectrum (EnvelopeSpectrum).
// Below the threshold the noise takes the tone; these are what its spectral
// lines and its distortion are measured from while ruido is above 0.
std::vector<AudioComponent> envelopeComponentsWithNoise(const ParameterValues& values);
// The amplitudes of those at the first tone's harmonics 1 to 10, from index 0.
inline constexpr std::size_t kEnvelopeHarmonics = 10;
std::array<double, kEnvelopeHarmonics> envelopeHarmonicsWithNoise(const ParameterValues& values);

} // namespace amsim
