#pragma once

#include "core/ParameterValues.h"
#include "signals/Tones.h"

#include <complex>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace amsim {

// One component of a detector's clean output: Re{phasor e^(i 2 pi hertz t)},
// t in seconds from the bench's start.
struct AudioComponent {
    double hertz;
    std::complex<double> phasor;
};

// The stretch over which the envelope detector is analysed: C periods of the
// carrier, 100 C fine samples, in which every analysed tone makes a whole
// number of turns, so the transmitter's signal repeats with it. Tones that
// have such a period within 50 ms are analysed as they are (1 kHz: C 20;
// 700 and 1900 Hz: C 200); others (a tone of no whole Hz, tones of no common
// period) are each moved to the nearest that have one, by at most a
// thousandth where a period of 50 ms allows it (123.4 Hz: 123.457 Hz, C 162),
// else by the least it allows (123.4 and 1000 Hz: under 1 %). The diode
// chain's output hardly depends on so small a move, and its components are
// then heard at the generator's own frequencies.
struct EnvelopePeriod {
    std::int64_t carrierPeriods;
    std::vector<std::int64_t> turns; // each tone's turns in the period
    bool exact;                      // the analysed tones are the generator's

    std::size_t fineSamples() const;
    // 20 kHz / C: every analysed component is a whole multiple of it.
    double baseHertz() const;
    // The tones with the analysed frequencies.
    Tones analysed(const Tones& tones) const;
};

EnvelopePeriod envelopePeriodOf(const Tones& tones);

// The envelope detector's clean output in steady state: the mean that the
// coupling capacitor takes off, and its components in the audio band, up to
// 15 kHz, by ascending bin of the period. Above lies the carrier's ripple
// (20 kHz and its sidebands), which no audio stage passes. With the period
// short enough (C up to 200) every bin up to 15 kHz is a component; with a
// longer one, or moved tones, the components are the tones' harmonics and,
// with two tones, their intermodulation products m f1 + n f2 up to the
// seventh order, where the detector's distortion lies.
struct EnvelopeSpectrum {
    EnvelopePeriod period;
    double mean = 0.0;
    std::vector<std::int64_t> bins; // each component's bin of the period
    std::vector<AudioComponent> components;
    // Each product's multiples of the tones; empty where every bin is one.
    std::vector<std::vector<int>> multiples;
};

EnvelopeSpectrum envelopeSpectrum(const ParameterValues& values, const Tones& tones);

} // namespace amsim
