#pragma once

#include "core/ParameterValues.h"
#include "signals/ChannelNoise.h"
#include "signals/EnvelopeSpectrum.h"
#include "signals/Tones.h"

#include <complex>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

namespace amsim {

// One sample of the receiver's output: the product detector's audio and, when
// it is switched on, the envelope detector's (0 otherwise), in volts.
struct ReceiverOutput {
    double product;
    double envelope;
};

// The detector's two smoothers at 48 kHz: each pole of the fine time base's
// pair (0.97 a fine sample) taken over the 41 2/3 fine samples of one output
// sample, so the audio band sees the response it sees on screen.
struct AudioSmoothing {
    double first = 0.0;
    double second = 0.0;

    double next(double value);
};

// The receiver's output as a stream at 48 kHz, with the channel's noise in
// it: what the readout measures and what a loudspeaker plays. It holds what
// the bench's chain leaves below 20 kHz, computed in the audio band itself,
// so nothing above 20 kHz can fold into it:
//   product detector, clean: the smoothed product's audio, exactly,
//     (V/2) sin phi + sum over the tones of
//     (A/2) |H| (Li sin(wm t + phi + arg H) + Ls sin(wm t - phi + arg H)),
//     A = m/2 of each tone, H the two smoothers' response at its frequency
//     fm; phi(t) = fase + 360 df t and each term meets the smoothers at its
//     own frequency: the level at df, the lower side's audio at fm + df, the
//     upper's at fm - df;
//   envelope detector, clean: its components in the audio band, up to
//     15 kHz (above them lies the carrier's ripple), from one period of the
//     diode, capacitor and smoothers in steady state (EnvelopeSpectrum);
//   noise: from its complex envelope e(t) about the carrier,
//     product detector  -Re{e e^(-i phi(t))} / 2,
//     envelope detector k (|c + e| - |c|), c the received signal's complex
//       envelope and k the diode chain's gain on an envelope,
//   each through the smoothers at 48 kHz.
class ReceiverOutputStream {
public:
    static constexpr double kRate = 48000.0;
    // Steps of 1/6 MHz (ChannelNoise) from one output sample to the next.
    static constexpr std::int64_t kStride = kStepsPerSecond / 48000;
    // firstSample: the fine sample of the bench's time at which it begins.
    ReceiverOutputStream(const ParameterValues& values, std::int64_t firstSample);
    // The same for the given tones in place of the generator's.
    ReceiverOutputStream(const ParameterValues& values, const Tones& tones,
                         std::int64_t firstSample);
    // The stream whose envelope detector's output repeats over its analysed
    // period even where the generator's tones are analysed moved
    // (EnvelopePeriod): it is then heard at the moved tones. What the
    // measurement of its noise reads.
    static ReceiverOutputStream repeating(const ParameterValues& values, std::int64_t firstSample);

    std::vector<ReceiverOutput> next(std::size_t count);
    // The next samples with the given noise envelope, one value a sample, in
    // place of the channel's own.
    std::vector<ReceiverOutput> next(const std::vector<std::complex<double>>& noise);

    std::int64_t nextStep() const { return nextStep_; }

    // The charge that a one-pole low-pass, c += step (x - c), holds at the
    // stream's next sample when the clean output (the envelope detector's, or
    // the product detector's) has passed through it for ever: the fixed point
    // of a period's pass where the envelope detector's output is tabulated,
    // else the sum of each term's or component's steady response.
    double steadyLowPass(double step, bool envelope) const;

    // The envelope detector's output averaged over the noise, one period from
    // the stream's first sample: what the average of ever more periods tends
    // to, for a stream whose envelope detector is on and repeats (repeating,
    // or tones analysed as they are). The noise's complex envelope is
    // Gaussian of E|e|² = noisePower, so at each point of the period the
    // diode chain's input averages to the Rice mean of |c + e|; the
    // smoothers, being linear, pass that average.
    std::vector<double> envelopeAverage(double noisePower) const;
    // The received signal's complex envelope that the diode chain reads at
    // each sample of that period, without noise.
    const std::vector<std::complex<double>>& receivedPeriod() const { return received_; }

private:
    ReceiverOutputStream(const ParameterValues& values, const Tones& tones,
                         std::int64_t firstSample, bool repeating);
    // One term of the product's audio: its frequency, and its amplitude
    // through the smoothers and their lag at that frequency.
    struct AudioTerm {
        double hertz;
        double amplitude;
        double lag;
    };
    // A tone's two terms: its lower side's audio and its upper side's.
    struct ToneTerms {
        double hertz; // the tone's own
        AudioTerm lower;
        AudioTerm upper;
    };
    // The product detector's clean audio at a step: the steady level's term
    // and each tone's.
    struct ProductAudio {
        double fase; // degrees
        double df;   // Hz
        AudioTerm level;
        std::vector<ToneTerms> tones;
    };
    static ProductAudio productAudioOf(const ParameterValues& values, const Tones& tones);
    // The envelope detector's components, for a stream that computes them at
    // every sample: their multiples of the tones, heard at the tones' own
    // frequencies.
    struct EnvelopeProducts {
        Tones tones;
        std::vector<AudioComponent> components;
        std::vector<std::vector<int>> multiples;
        // Each tone's turn at the step last turned to, raised to 0, 1, … its
        // highest multiple.
        std::vector<std::vector<std::complex<double>>> powers;

        EnvelopeProducts() = default;
        EnvelopeProducts(Tones toneList, std::vector<AudioComponent> parts,
                         std::vector<std::vector<int>> multiplesOf);
        void turnTo(std::int64_t step);
        // The clean output and the received complex envelope there.
        double clean() const;
        std::complex<double> received(double V, double Li, double Ls) const;
    };
    // The phase error at a step, in radians, and the product's audio there.
    double phaseAt(std::int64_t step) const;
    double cleanProduct(std::int64_t step, double phi) const;
    void tabulateProduct(const Tones& tones);
    void tabulateEnvelope(const ParameterValues& values, const Tones& tones,
                          const EnvelopeSpectrum& spectrum);
    static void keepAudible(EnvelopeSpectrum& spectrum);
    // The next envelope sample with the noise envelope e, the chain's gain on it given.
    double envelopeSample(const std::complex<double>& e, double gain);

    ProductAudio product_;
    // While the carrier stands still, the product's clean audio repeats with
    // the tones' common period: one period of it from the stream's start,
    // when that period is short; empty otherwise.
    std::vector<double> productPeriod_;
    std::size_t inProductPeriod_ = 0;
    // The envelope detector's clean period and the received complex envelope
    // it reads, made only while it is on and its tones repeat; else its
    // products, computed at every sample.
    std::vector<double> envelope_;
    std::vector<std::complex<double>> received_;
    EnvelopeProducts products_;
    std::complex<double> carrierTurn_;
    bool drifting_;
    bool envelopeOn_;
    ChannelNoise noise_;
    std::int64_t nextStep_;
    double Vcc_;
    double Li_;
    double Ls_;
    std::size_t inPeriod_ = 0;
    AudioSmoothing productNoise_;
    AudioSmoothing envelopeNoise_;
};

} // namespace amsim
