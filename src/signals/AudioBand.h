#pragma once

#include <complex>
#include <cstddef>
#include <span>
#include <utility>
#include <vector>

namespace amsim {

// The receiver's audio band, 0 to W = 3 kHz, read from its output at 48 kHz
// in blocks of 4,096 samples (85 ms): a block's discrete Fourier transform has
// bins 11.7 Hz apart, and W falls on bin 256.
inline constexpr std::size_t kAudioBlock = 4096;

// The bins of one block from 0 to W, weighted so that the sum of their
// squared magnitudes is the mean square of what the block holds in the band:
// each bin between 0 and W stands for its positive and negative frequency,
// the bin at W for the half of it inside the band.
using BandBins = std::vector<std::complex<double>>;

// Two blocks at once, by one complex transform of first + i second.
using AudioBlock = std::span<const double, kAudioBlock>;
std::pair<BandBins, BandBins> audioBandBins(AudioBlock first, AudioBlock second);

// What two blocks hold in common in the band, sum Re{a b*}: a block's power
// in the band with itself.
double bandPower(const BandBins& a, const BandBins& b);

} // namespace amsim
