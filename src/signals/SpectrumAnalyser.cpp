#include "signals/SpectrumAnalyser.h"

#include "signals/ChannelNoise.h"
#include "signals/ReceiverOutputStream.h"
#include "signals/ScreenStart.h"
#include "signals/Signals.h"
#include "signals/Sine.h"
#include "signals/Tones.h"
#include "signals/Turns.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <complex>
#include <kissfft/kissfft.hh>
#include <map>
#include <mutex>
#include <numbers>
#include <numeric>

namespace amsim {

namespace {

using Complex = std::complex<double>;

constexpr double kTwoPi = 2.0 * std::numbers::pi;
constexpr std::int64_t kStride = ReceiverOutputStream::kStride;
// A record and the detectors' lead-in before a stretch of records, in fine
// samples: whole ones, as the stream starts on one.
constexpr auto kRecordFine =
    static_cast<std::int64_t>(kAnalyserRecord) * kStride / kStepsPerFineSample;
constexpr std::size_t kLeadIn = 96; // 2 ms: the detectors' smoothers settle
constexpr auto kLeadInFine = static_cast<std::int64_t>(kLeadIn) * kStride / kStepsPerFineSample;
static_assert(kRecordFine * kStepsPerFineSample ==
              static_cast<std::int64_t>(kAnalyserRecord) * kStride);
static_assert(kLeadInFine * kStepsPerFineSample == static_cast<std::int64_t>(kLeadIn) * kStride);

// The five-term flat-top window: its main lobe is flat to 0.02 dB across a
// bin, so a line reads its power wherever it falls, and its side lobes lie
// 90 dB down, so a line does not hide a floor a few bins off.
struct FlatTop {
    // The weights' cosine terms: w[n] = sum of terms[k] cos(2 pi k n / N).
    static constexpr std::array<double, 5> kTerms{0.21557895, -0.41663158, 0.277263158,
                                                  -0.083578947, 0.006947368};
    std::vector<double> weights;
    double sum = 0.0;
    double squares = 0.0;

    FlatTop()
        : weights(kAnalyserRecord) {
        for (std::size_t n = 0; n < weights.size(); ++n) {
            const double angle =
                kTwoPi * static_cast<double>(n) / static_cast<double>(kAnalyserRecord);
            double w = 0.0;
            for (std::size_t k = 0; k < kTerms.size(); ++k) {
                w += kTerms.at(k) * cosine(static_cast<double>(k) * angle);
            }
            weights[n] = w;
        }
        sum = std::accumulate(weights.begin(), weights.end(), 0.0);
        squares = std::inner_product(weights.begin(), weights.end(), weights.begin(), 0.0);
    }
};

const FlatTop& flatTop() {
    static const FlatTop window;
    return window;
}

// The powers of one record of each signal.
struct RecordSpectra {
    std::vector<double> generator;
    std::vector<double> received;
    std::vector<double> audio;
    std::vector<double> envelope;
};

// A record's transform after the window, scaled so that a bin's squared
// size is the power of a complex line in it.
// A real record takes the transform of half its length, of its samples
// paired, and gives bins 0 to N/2.
class Transform {
public:
    Transform()
        : fft_(kAnalyserRecord, false)
        , half_(kAnalyserRecord / 2, false)
        , in_(kAnalyserRecord)
        , out_(kAnalyserRecord)
        , real_(kAnalyserRecord) {}

    template <class Sample> const std::vector<Complex>& complex(Sample&& sample) {
        const FlatTop& window = flatTop();
        for (std::size_t n = 0; n < kAnalyserRecord; ++n) {
            in_[n] = window.weights[n] / window.sum * sample(n);
        }
        fft_.transform(in_.data(), out_.data());
        return out_;
    }

    template <class Sample> const std::vector<Complex>& real(Sample&& sample) {
        const FlatTop& window = flatTop();
        for (std::size_t n = 0; n < kAnalyserRecord; ++n) {
            real_[n] = window.weights[n] / window.sum * sample(n);
        }
        half_.transform_real(real_.data(), out_.data());
        // Bin 0 holds the level and, as its imaginary part, bin N/2.
        out_[kAnalyserRecord / 2] = out_[0].imag();
        out_[0] = out_[0].real();
        return out_;
    }

private:
    kissfft<double> fft_;
    kissfft<double> half_;
    std::vector<Complex> in_;
    std::vector<Complex> out_;
    std::vector<double> real_;
};

// A real signal's one-sided power per bin: a line of amplitude a is a/2 in
// each of its two bins, a²/2 in all. A steady level is its own mirror: the
// window spreads it over the first bins as terms[k] / 2 terms[0] of bin 0,
// which is taken off them, lest they count it twice and read it 2.7 dB high.
std::vector<double> realPower(const std::vector<Complex>& bins) {
    const auto& terms = FlatTop::kTerms;
    std::vector<double> power(kAnalyserBins);
    for (std::size_t k = 0; k < kAnalyserBins; ++k) {
        const bool edge = k == 0 || k == kAnalyserRecord / 2;
        const Complex level =
            !edge && k < terms.size() ? bins[0] * terms.at(k) / (2.0 * terms[0]) : Complex();
        power[k] = (edge ? 1.0 : 2.0) * std::norm(bins[k] - level);
    }
    return power;
}

// The received signal is Re{e(t) e^(i wc t)} for its complex envelope e
// about the carrier: its power at f is half the envelope's at f - fc, and at
// f - fc's mirror, -f - fc, which the envelope's band reaches only near 0 Hz.
std::vector<double> receivedPower(const std::vector<Complex>& bins) {
    constexpr auto kRecord = static_cast<std::int64_t>(kAnalyserRecord);
    const auto carrierBin = static_cast<std::int64_t>(
        std::llround(kCarrierHertz * static_cast<double>(kRecord) / kAnalyserRate));
    const auto at = [&](std::int64_t offset) {
        return 0.5 *
               std::norm(bins[static_cast<std::size_t>(((offset % kRecord) + kRecord) % kRecord)]);
    };
    std::vector<double> power(kAnalyserBins);
    for (std::size_t k = 0; k < kAnalyserBins; ++k) {
        const auto bin = static_cast<std::int64_t>(k);
        const std::int64_t mirror = -bin - carrierBin;
        power[k] = at(bin - carrierBin) + (bin > 0 && mirror >= -kRecord / 2 ? at(mirror) : 0.0);
    }
    return power;
}

// The signals at one output sample: the generator's, the received complex
// envelope without noise (the carrier in sine phase, as the stream has it)
// at its step.
double generatorAt(const ParameterValues& v, const Tones& tones, std::int64_t step) {
    return v.Vcc + sumOverTones(tones, [step](const Tone& tone) {
               return tone.amplitude * sine(kTwoPi * turnsAt(step, tone.hertz));
           });
}

Complex receivedAt(const Sidebands& sides, double Vcc, std::int64_t step) {
    return Complex(0.0, -Vcc) + sideFrequencyEnvelope(sides, [step](const Tone& tone) {
               const double angle = kTwoPi * turnsAt(step, tone.hertz);
               return Complex(cosine(angle), sine(angle));
           });
}

// Whether the tones repeat within a record, so that the generator's records
// are all alike.
bool repeatsInARecord(const Tones& tones) {
    const std::optional<std::int64_t> hertz =
        commonHertz(tones, static_cast<std::int64_t>(kAnalyserRate));
    return hertz && (static_cast<std::int64_t>(kAnalyserRecord) * *hertz) %
                            static_cast<std::int64_t>(kAnalyserRate) ==
                        0;
}

// The channel's noise at ruido 1 over a record and the lead-in before it, by
// band and record: the noise scales with ruido and is the same whatever else
// is set, so a click on anything but ruido and the sidebands finds it made.
class UnitNoise {
public:
    const std::vector<Complex>& of(ReceiverBand band, std::int64_t record) {
        const auto key = std::pair(static_cast<int>(band), record);
        auto found = kept_.find(key);
        if (found == kept_.end()) {
            const std::int64_t firstStep =
                (record * kRecordFine - kLeadInFine) * kStepsPerFineSample;
            found = kept_
                        .emplace(key, ChannelNoise(band, 1.0).envelope(firstStep, kStride,
                                                                       kLeadIn + kAnalyserRecord))
                        .first;
        }
        return found->second;
    }

    void forgetBefore(std::int64_t record) {
        std::erase_if(kept_, [record](const auto& kept) { return kept.first.second < record; });
    }

private:
    std::map<std::pair<int, std::int64_t>, std::vector<Complex>> kept_;
};

// The channel's noise over the records first … first + count - 1 and the
// lead-in before them.
std::vector<Complex> stretchNoise(UnitNoise& unit, const ParameterValues& v, std::int64_t first,
                                  std::size_t count) {
    std::vector<Complex> noise(kLeadIn + count * kAnalyserRecord);
    if (v.ruido == 0.0) {
        return noise;
    }
    const ReceiverBand band = receiverBandOf(v.BliSiNo, v.BlsSiNo);
    const std::vector<Complex>& lead = unit.of(band, first);
    std::transform(lead.begin(), lead.begin() + kLeadIn, noise.begin(),
                   [&v](const Complex& e) { return v.ruido * e; });
    for (std::size_t r = 0; r < count; ++r) {
        const std::vector<Complex>& record = unit.of(band, first + static_cast<std::int64_t>(r));
        std::transform(record.begin() + kLeadIn, record.end(),
                       noise.begin() + static_cast<long>(kLeadIn + r * kAnalyserRecord),
                       [&v](const Complex& e) { return v.ruido * e; });
    }
    return noise;
}

// The records first … first + count - 1, their signals run as one stretch
// from the lead-in before the first, as the bench runs them.
std::vector<RecordSpectra> analyseStretch(UnitNoise& unit, const ParameterValues& v,
                                          std::int64_t first, std::size_t count) {
    const Tones tones = modulatingTones(v);
    const std::int64_t firstFine = first * kRecordFine - kLeadInFine;
    const std::int64_t firstStep = firstFine * kStepsPerFineSample;
    const std::vector<Complex> noise = stretchNoise(unit, v, first, count);
    const std::vector<ReceiverOutput> output =
        ReceiverOutputStream(v, tones, firstFine).next(noise);
    // Where the tones repeat within a record, every record's clean signals
    // are the first's.
    const bool repeats = repeatsInARecord(tones);
    const Sidebands sides{v.BliSiNo, v.BlsSiNo, tones};
    std::vector<Complex> received(kAnalyserRecord);
    Transform transform;
    std::vector<RecordSpectra> records(count);
    for (std::size_t r = 0; r < count; ++r) {
        const std::size_t start = kLeadIn + r * kAnalyserRecord;
        const auto stepOf = [&](std::size_t n) {
            return firstStep + static_cast<std::int64_t>(start + n) * kStride;
        };
        RecordSpectra& record = records[r];
        const bool alike = r > 0 && repeats;
        if (!alike) {
            record.generator = realPower(
                transform.real([&](std::size_t n) { return generatorAt(v, tones, stepOf(n)); }));
            for (std::size_t n = 0; n < kAnalyserRecord; ++n) {
                received[n] = receivedAt(sides, v.Vcc, stepOf(n));
            }
        } else {
            record.generator = records.front().generator;
        }
        record.received = receivedPower(
            transform.complex([&](std::size_t n) { return received[n] + noise[start + n]; }));
        record.audio =
            realPower(transform.real([&](std::size_t n) { return output[start + n].product; }));
        if (v.envelope != 0.0) {
            record.envelope = realPower(
                transform.real([&](std::size_t n) { return output[start + n].envelope; }));
        }
    }
    return records;
}

// Every record is the same while nothing in the signals is random or drifts
// and the tones repeat within a record.
bool stationary(const ParameterValues& v) {
    return v.ruido == 0.0 && v.df == 0.0 && repeatsInARecord(modulatingTones(v));
}

// The records of the setting last analysed, by their index on the bench's
// time; those that a running bench has left behind are let go.
class RecordCache {
public:
    std::vector<const RecordSpectra*> records(const ParameterValues& v, std::int64_t first,
                                              std::size_t count) {
        if (setting_ != v) {
            setting_ = v;
            records_.clear();
        }
        std::erase_if(records_, [first](const auto& kept) { return kept.first < first; });
        noise_.forgetBefore(first);
        const std::int64_t last = first + static_cast<std::int64_t>(count) - 1;
        for (std::int64_t missing = first; missing <= last; ++missing) {
            if (records_.contains(missing)) {
                continue;
            }
            std::int64_t end = missing;
            while (end < last && !records_.contains(end + 1)) {
                ++end;
            }
            std::vector<RecordSpectra> made =
                analyseStretch(noise_, v, missing, static_cast<std::size_t>(end - missing + 1));
            for (std::size_t r = 0; r < made.size(); ++r) {
                records_.emplace(missing + static_cast<std::int64_t>(r), std::move(made[r]));
            }
            missing = end;
        }
        std::vector<const RecordSpectra*> kept;
        for (std::int64_t r = first; r <= last; ++r) {
            kept.push_back(&records_.at(r));
        }
        return kept;
    }

private:
    std::optional<ParameterValues> setting_;
    std::map<std::int64_t, RecordSpectra> records_;
    UnitNoise noise_;
};

std::vector<double> averaged(const std::vector<const RecordSpectra*>& records,
                             std::vector<double> RecordSpectra::*signal) {
    std::vector<double> mean(kAnalyserBins, 0.0);
    for (const RecordSpectra* record : records) {
        const std::vector<double>& power = record->*signal;
        for (std::size_t k = 0; k < kAnalyserBins; ++k) {
            mean[k] += power[k];
        }
    }
    const auto count = static_cast<double>(records.size());
    std::transform(mean.begin(), mean.end(), mean.begin(),
                   [count](double power) { return power / count; });
    return mean;
}

} // namespace

double analyserResolutionHertz() {
    const FlatTop& window = flatTop();
    return kAnalyserRate / static_cast<double>(kAnalyserRecord) * window.squares *
           static_cast<double>(kAnalyserRecord) / (window.sum * window.sum);
}

double powerDbv(double power) {
    constexpr double kFloor = 1e-20;
    return 10.0 * std::log10(std::max(power, kFloor));
}

AnalyserSpectra analyseSpectra(const ParameterValues& values, double instant) {
    static std::mutex mutex;
    static RecordCache cache;
    // The records that ended by the instant; a still signal's are all alike,
    // so one stands for their average.
    const bool still = stationary(values);
    const std::int64_t first =
        still ? 0
              : fineSampleAt(instant) / kRecordFine - static_cast<std::int64_t>(kAnalyserRecords);
    AnalyserSpectra spectra;
    spectra.binHertz = kAnalyserRate / static_cast<double>(kAnalyserRecord);
    spectra.resolutionHertz = analyserResolutionHertz();
    spectra.records = kAnalyserRecords;
    spectra.recordSeconds = static_cast<double>(kAnalyserRecord) / kAnalyserRate;
    const std::scoped_lock lock(mutex);
    const std::vector<const RecordSpectra*> records =
        cache.records(values, first, still ? 1 : kAnalyserRecords);
    spectra.generator = averaged(records, &RecordSpectra::generator);
    spectra.received = averaged(records, &RecordSpectra::received);
    spectra.audio = averaged(records, &RecordSpectra::audio);
    if (values.envelope != 0.0) {
        spectra.envelope = averaged(records, &RecordSpectra::envelope);
    }
    return spectra;
}

} // namespace amsim
