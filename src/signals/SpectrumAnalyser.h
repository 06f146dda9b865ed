#pragma once

#include "core/ParameterValues.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

namespace amsim {

// The spectrum analyser: what a real bench's analyser shows of the
// generator's output, the signal at the receiver's input (after the channel
// and the receiver's filter) and the detected audio, measured from the
// running signals rather than computed from formulas. Each record of 150 ms
// of the 48 kHz signals is weighted by a flat-top window (its lines read
// their own power within 0.02 dB wherever they fall between bins) and
// transformed; the analyser averages the powers of the last records before
// the instant. The records lie on a fixed grid of the bench's time, so the
// same instant shows the same spectra in the window, an export and the page,
// and a running bench computes only each record that has just ended.
inline constexpr std::size_t kAnalyserRecord = 7200;
inline constexpr std::size_t kAnalyserRecords = 16;
inline constexpr double kAnalyserRate = 48000.0;
inline constexpr std::size_t kAnalyserBins = kAnalyserRecord / 2 + 1;

// The power in each bin, in V² (mean square volts on 1 Ω), from 0 Hz to
// 24 kHz a bin apart; the received signal's about the 20 kHz carrier as a
// real signal's would be. A line of peak amplitude a reads a²/2; a noise
// floor its one-sided density times the resolution bandwidth.
struct AnalyserSpectra {
    double binHertz = 0.0;
    double resolutionHertz = 0.0; // the window's equivalent noise bandwidth
    std::size_t records = 0;
    double recordSeconds = 0.0;
    std::vector<double> generator;
    std::vector<double> received;
    std::vector<double> audio;                   // the product detector's
    std::optional<std::vector<double>> envelope; // the envelope detector's, while on
};

// The spectra averaged over the records that ended by the instant, in
// seconds of the bench's time.
AnalyserSpectra analyseSpectra(const ParameterValues& values, double instant);

// The window's equivalent noise bandwidth in Hz at the analyser's rate.
double analyserResolutionHertz();

// A power in V² as dBV (decibels relative to 1 V rms), no lower than the
// analyser's floor of -200 dBV, so that a bin of no signal at all reads a
// number.
double powerDbv(double power);

} // namespace amsim
