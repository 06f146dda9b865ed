#pragma once

#include "signals/ScreenStart.h"

#include <complex>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace amsim {

// The part of the spectrum that the receiver's input filter passes: the band
// of the chosen sidebands with an audio bandwidth of 3 kHz. Both sidebands on,
// or both off: fc ± 3 kHz; one alone: the 3 kHz on its side of the carrier.
enum class ReceiverBand { Both, Upper, Lower };

// Li and Ls are the sideband factors; any but 0 chooses the sideband.
ReceiverBand receiverBandOf(double Li, double Ls);
double receiverBandwidthHz(ReceiverBand band);

// The band's edges in kHz: 17 to 23, 20 to 23 (upper), 17 to 20 (lower).
struct BandEdges {
    int lowKilohertz;
    int highKilohertz;
};
BandEdges receiverBandEdges(ReceiverBand band);

// The fine time base: 0.5 µs a sample (0.2 px), 2,000 samples a millisecond.
inline constexpr double kFineRate = 2e6;
// The audio bandwidth W of the receiver.
inline constexpr double kAudioBandwidthHz = 3000.0;

// The channel's noise as the receiver's input filter leaves it: white
// Gaussian noise of one-sided density N0 = ruido² / 1 kHz, limited to the
// band, so its power is P_N = ruido² B / 1 kHz. Sample n is at n / 2 MHz
// seconds of the bench's time; it depends on n, the band and ruido alone.
//
// It is made as a band-pass signal about the band's centre f0,
//   n(t) = g (zI(t) cos(2 pi f0 t) - zQ(t) sin(2 pi f0 t)),
// from complex white noise at 16 kHz (the engine's seeded generator, index
// by index), low-passed to half the band (Kaiser, 129 taps, flat to the edge,
// 60 dB down 500 Hz beyond it) and interpolated to the fine time base by a
// windowed sinc of 8 taps (70 dB against the images). g makes the noise
// bandwidth exactly B: the taps' power, not their ideal width, sets P_N.
class ChannelNoise {
public:
    ChannelNoise(ReceiverBand band, double ruido);

    // count fine samples from sample first.
    std::vector<double> samples(std::int64_t first, std::size_t count) const;
    // The same noise as its complex envelope about the carrier,
    //   n(t) = Re{e(t) e^(i 2 pi 20 kHz t)},
    // at count instants from firstStep, stride apart, in steps of 1/6 MHz (a
    // fine sample is 3 steps, a sample at 48 kHz 125). The envelope varies
    // within +-3 kHz, so it needs no fine time base.
    std::vector<std::complex<double>> envelope(std::int64_t firstStep, std::int64_t stride,
                                               std::size_t count) const;
    double power() const { return power_; }

private:
    ReceiverBand band_;
    double power_;
    double gain_;
};

// Steps of 1/6 MHz, the finest time on which the noise's envelope is read: a
// common multiple of the fine time base and of 48 kHz.
inline constexpr std::int64_t kStepsPerFineSample = 3;
inline constexpr std::int64_t kStepsPerSecond = 6000000;

// The noise that a redraw adds to the detectors: the screen's own samples and
// those of the two tone periods (4,000 samples) before it, in which the
// envelope detector settles.
struct ScreenNoise {
    std::vector<double> settling;
    std::vector<double> screen;
};

// first: the screen's first fine sample.
ScreenNoise screenNoise(const ChannelNoise& noise, std::int64_t first, std::size_t count);

} // namespace amsim
