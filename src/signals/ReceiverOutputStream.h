#pragma once

#include "core/ParameterValues.h"
#include "signals/ChannelNoise.h"
#include "signals/Signals.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace amsim {

// One sample of the receiver's output: the product detector's audio and, when
// it is switched on, the envelope detector's (0 otherwise), in volts.
struct ReceiverOutput {
    double product;
    double envelope;
};

// The receiver's output as a stream at 48 kHz, with the channel's noise in
// it: what the readout measures and what a loudspeaker would play.
//
// The real chain runs on the fine time base (2 MHz): the received signal
// plus the noise, times the reinserted carrier, through the two smoothers;
// the transmitter's output plus the same noise through the envelope
// detector. The clean signals repeat every tone period, so they are
// computed for one period and read from it. The detectors first run 2 ms
// before the stream's first sample to reach their steady state.
//
// The 2 MHz is brought to 48 kHz without folding: an average of 5 samples
// (400 kHz; the smoothers leave nothing near 400 kHz to fold), then a
// Kaiser-windowed sinc of 160 taps with three phases (48 kHz is 3/25 of
// 400 kHz), flat to 16 kHz and 70 dB down from 28 kHz, which is what would
// fold below 20 kHz.
class ReceiverOutputStream {
public:
    static constexpr double kRate = 48000.0;

    // firstSample: the fine sample of the bench's time at which it begins.
    ReceiverOutputStream(const ParameterValues& values, std::int64_t firstSample);

    std::vector<ReceiverOutput> next(std::size_t count);

private:
    void runFineChain(std::int64_t until400);

    std::vector<double> reinserted_;  // -cos(0.1 pi (x + F/18)), one tone period
    std::vector<double> received_;    // the product detector's received signal
    std::vector<double> transmitted_; // the envelope detector's input
    ChannelNoise noise_;
    bool envelopeOn_;
    DetectorSmoothing smoothing_;
    EnvelopeDetector envelope_;
    std::int64_t fineStart_;
    std::int64_t offset400_; // the stream's first sample, in 400 kHz samples from fineStart_
    std::vector<double> product400_;
    std::vector<double> envelope400_;
    std::int64_t first400_ = 0; // the 400 kHz sample that product400_ begins with
    std::int64_t nextOutput_ = 0;
};

} // namespace amsim
