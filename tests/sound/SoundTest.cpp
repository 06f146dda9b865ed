#include "WavReading.h"
#include "signals/AudioBand.h"
#include "signals/NoiseMeasurements.h"
#include "signals/SignalTable.h"
#include "sound/SoundGenerator.h"
#include "sound/WavFile.h"
#include "support/FakeParameters.h"

#include <algorithm>
#include <cmath>
#include <complex>
#include <gtest/gtest.h>
#include <numbers>
#include <numeric>
#include <string>
#include <vector>

namespace amsim {
namespace {

using test::TemporaryFolder;

constexpr std::size_t kPeriod = 48; // one tone period at 48 kHz
constexpr double kPi = std::numbers::pi;

// ParameterValues: mdl, Vcc, BliSiNo, BlsSiNo, fase, envelope, ruido, df.
constexpr ParameterValues kAm{1, 1, 1, 1, 0, 0, 0};
constexpr ParameterValues kDsb{1, 0, 1, 1, 0, 0, 0};

// The sound as a sum of the tone's harmonics, from the average tone period
// (which a second of whole periods makes exact for a periodic sound), and
// what is left over: everything that does not repeat with the tone.
struct Spectrum {
    double mean = 0.0;
    std::vector<double> harmonics; // amplitude of k kHz at [k]
    double residueRms = 0.0;

    explicit Spectrum(const std::vector<double>& volts)
        : harmonics(kPeriod / 2) {
        const std::size_t periods = volts.size() / kPeriod;
        std::vector<double> average(kPeriod);
        for (std::size_t n = 0; n < periods * kPeriod; ++n) {
            average[n % kPeriod] += volts[n] / static_cast<double>(periods);
        }
        mean = std::accumulate(average.begin(), average.end(), 0.0) / kPeriod;
        for (std::size_t k = 1; k < harmonics.size(); ++k) {
            std::complex<double> sum;
            for (std::size_t n = 0; n < kPeriod; ++n) {
                sum += average[n] * std::polar(1.0, -2.0 * kPi * static_cast<double>(k * n) /
                                                        static_cast<double>(kPeriod));
            }
            harmonics[k] = 2.0 * std::abs(sum) / kPeriod;
        }
        double residue = 0.0;
        for (std::size_t n = 0; n < periods * kPeriod; ++n) {
            residue += std::pow(volts[n] - average[n % kPeriod], 2);
        }
        residueRms = std::sqrt(residue / static_cast<double>(periods * kPeriod));
    }
};

double fundamental(const Spectrum& s) {
    return s.harmonics[1];
}

double secondHarmonic(const Spectrum& s) {
    return s.harmonics[2];
}

double distortion(const Spectrum& s) {
    double sum = 0.0;
    for (std::size_t k = 2; k < s.harmonics.size(); ++k) {
        sum += s.harmonics[k] * s.harmonics[k];
    }
    return std::sqrt(sum) / s.harmonics[1];
}

// The frequency of the rising zero crossings, interpolated, over the whole sound.
double crossingFrequency(const std::vector<double>& volts) {
    std::vector<double> rising;
    for (std::size_t n = 1; n < volts.size(); ++n) {
        if (volts[n - 1] < 0.0 && volts[n] >= 0.0) {
            rising.push_back(static_cast<double>(n - 1) + volts[n - 1] / (volts[n - 1] - volts[n]));
        }
    }
    return kSoundRate * static_cast<double>(rising.size() - 1) / (rising.back() - rising.front());
}

class SoundTest : public testing::Test {
protected:
    std::vector<double> sound(const ParameterValues& values, double seconds = 1.0) const {
        return test::soundThroughWav(folder_, values, seconds);
    }

private:
    TemporaryFolder folder_;
};

TEST_F(SoundTest, AmAtTheStartIsAPureKilohertzWithoutDc) {
    const std::vector<double> volts = sound(kAm);
    const Spectrum spectrum(volts);
    EXPECT_NEAR(crossingFrequency(volts), 1000.0, 1.0);
    EXPECT_NEAR(fundamental(spectrum), 0.5, 0.01);
    EXPECT_LT(std::abs(spectrum.mean), 0.01 * fundamental(spectrum));
    for (std::size_t k = 2; k < spectrum.harmonics.size(); ++k) {
        EXPECT_LT(spectrum.harmonics[k], 0.01 * fundamental(spectrum)) << k << " kHz";
    }
    EXPECT_LT(spectrum.residueRms * std::sqrt(2.0), 0.01 * fundamental(spectrum));
}

// One measure of one setting's sound against another's.
struct RatioRow {
    const char* name;
    ParameterValues values;
    double (*measure)(const Spectrum&);
    ParameterValues reference;
    double (*referenceMeasure)(const Spectrum&);
    double least;
    double most;
};

class SoundRatioTest : public SoundTest, public testing::WithParamInterface<RatioRow> {};

TEST_P(SoundRatioTest, IsInRange) {
    const RatioRow& row = GetParam();
    const double ratio = row.measure(Spectrum(sound(row.values))) /
                         row.referenceMeasure(Spectrum(sound(row.reference)));
    EXPECT_GE(ratio, row.least);
    EXPECT_LE(ratio, row.most);
}

constexpr double kBig = 1e9;

INSTANTIATE_TEST_SUITE_P(
    Rows, SoundRatioTest,
    testing::Values(RatioRow{"DsbAtFase60IsHalfOfFase0",
                             {1, 0, 1, 1, 60, 0, 0},
                             fundamental,
                             kDsb,
                             fundamental,
                             0.49,
                             0.51},
                    RatioRow{"UpperSidebandIsHalfOfDsb",
                             {1, 0, 0, 1, 0, 0, 0},
                             fundamental,
                             kDsb,
                             fundamental,
                             0.49,
                             0.51},
                    RatioRow{"LowerSidebandIsHalfOfDsb",
                             {1, 0, 1, 0, 0, 0, 0},
                             fundamental,
                             kDsb,
                             fundamental,
                             0.49,
                             0.51},
                    // The envelope detector of an overmodulated carrier: THD over 10 %.
                    RatioRow{"EnvelopeAtModulante2Distorts",
                             {2, 1, 1, 1, 0, 1, 0},
                             distortion,
                             kAm,
                             [](const Spectrum&) { return 1.0; },
                             0.10,
                             kBig},
                    // Without a carrier it follows |cos|: twice the tone.
                    RatioRow{"EnvelopeInDsbDoublesTheTone",
                             {1, 0, 1, 1, 0, 1, 0},
                             secondHarmonic,
                             {1, 0, 1, 1, 0, 1, 0},
                             fundamental,
                             1.0,
                             kBig},
                    // The fixed level: 1 V of audio is half of full scale in every mode.
                    RatioRow{"EnvelopeOfAmHasTheProductsLevel",
                             {1, 1, 1, 1, 0, 1, 0},
                             fundamental,
                             kAm,
                             fundamental,
                             0.9,
                             1.1}),
    [](const testing::TestParamInfo<RatioRow>& row) { return std::string(row.param.name); });

struct CleanRow {
    const char* name;
    ParameterValues values;
};

class CleanSoundTest : public SoundTest, public testing::WithParamInterface<CleanRow> {};

// Without noise the sound repeats with the tone: whatever does not (folded
// carrier, aliases) stays 60 dB under it.
TEST_P(CleanSoundTest, HoldsNothingButTheToneAndItsHarmonics) {
    const Spectrum spectrum(sound(GetParam().values));
    EXPECT_LT(spectrum.residueRms * std::sqrt(2.0), 1e-3 * fundamental(spectrum));
}

// The green trace at the same instants, without its DC (which the coupling
// removes) and without what lies above 20 kHz (what 48 kHz cannot hold: the
// smoother's ripple at the carrier's harmonics), is the sound within 2 % of
// the tone: the trace's period from fine sample 1000 rebuilt from its
// harmonics up to 19 kHz.
class TraceSoundTest : public CleanSoundTest {};

TEST_P(TraceSoundTest, FollowsTheGreenTrace) {
    const ParameterValues& v = GetParam().values;
    test::FakeParameters parameters;
    parameters.set(Parameter::Modulante, v.mdl)
        .set(Parameter::Vcc, v.Vcc)
        .set(Parameter::BliSiNo, v.BliSiNo)
        .set(Parameter::BlsSiNo, v.BlsSiNo)
        .set(Parameter::Fase, v.fase)
        .set(Parameter::Envelope, v.envelope);
    const std::vector<SignalSample> trace = sampleSignals(parameters, WindowValues{});
    constexpr std::size_t kFinePeriod = 2000;
    constexpr std::size_t kFrom = 1000;
    std::vector<std::complex<double>> harmonics(20);
    for (std::size_t k = 1; k < harmonics.size(); ++k) {
        for (std::size_t i = 0; i < kFinePeriod; ++i) {
            const SignalSample& at = trace.at(kFrom + i);
            harmonics[k] += at.detectedAudio *
                            std::polar(1.0, -2.0 * kPi * static_cast<double>(k * i) / kFinePeriod);
        }
    }
    const std::vector<double> volts = sound(v, 0.01);
    const double tone = 2.0 * std::abs(harmonics[1]) / kFinePeriod;
    ASSERT_GT(tone, 0.1);
    // Sound sample 3j is at fine sample 125j.
    for (std::size_t j = 8; j < 24; ++j) {
        double expected = 0.0;
        for (std::size_t k = 1; k < harmonics.size(); ++k) {
            expected += 2.0 / kFinePeriod *
                        (harmonics[k] *
                         std::polar(1.0, 2.0 * kPi * static_cast<double>(k) *
                                             static_cast<double>(125 * j - kFrom) / kFinePeriod))
                            .real();
        }
        EXPECT_NEAR(volts.at(3 * j), expected, 0.02 * tone) << "sample " << 3 * j;
    }
}

const CleanRow kProductRows[] = {{"AmAtTheStart", kAm},
                                 {"DsbFase30", {1, 0, 1, 1, 30, 0, 0}},
                                 {"UpperSidebandFase45", {1, 0, 0, 1, 45, 0, 0}},
                                 {"AmAt50PercentFase20", {0.5, 1, 1, 1, 20, 0, 0}}};

std::string cleanRowName(const testing::TestParamInfo<CleanRow>& row) {
    return row.param.name;
}

INSTANTIATE_TEST_SUITE_P(ProductRows, CleanSoundTest, testing::ValuesIn(kProductRows),
                         cleanRowName);
INSTANTIATE_TEST_SUITE_P(EnvelopeRows, CleanSoundTest,
                         testing::Values(CleanRow{"OverModulated", {2, 1, 1, 1, 0, 1, 0}},
                                         CleanRow{"Dsb", {1, 0, 1, 1, 0, 1, 0}}),
                         cleanRowName);
INSTANTIATE_TEST_SUITE_P(ProductRows, TraceSoundTest, testing::ValuesIn(kProductRows),
                         cleanRowName);

// The S/N heard is the one the readout shows.
TEST_F(SoundTest, NoiseHasTheReadoutsSignalToNoise) {
    const ParameterValues noisy{1, 0, 1, 1, 0, 0, 0.05};
    const Spectrum spectrum(sound(noisy));
    const double heard = 10.0 * std::log10(std::pow(fundamental(spectrum), 2) / 2.0 /
                                           std::pow(spectrum.residueRms, 2));
    const NoiseReadout readout = measureNoise(noisy).value();
    EXPECT_NEAR(heard, 10.0 * std::log10(readout.audioMeasured.value().ratio), 1.0);
    EXPECT_NEAR(heard, 10.0 * std::log10(readout.theory.audioRatio.value()), 1.0);
}

// The S/N of the audio in 0 to W over the program's own WAV: the 1 kHz of
// its average period over the power of what differs from that period in the
// band (the blocks' mean, corrected for the average's share of the noise).
double wavSignalToNoise(const std::vector<double>& volts) {
    const Spectrum spectrum(volts);
    const std::size_t periods = volts.size() / kPeriod;
    std::vector<double> average(kPeriod);
    for (std::size_t n = 0; n < periods * kPeriod; ++n) {
        average[n % kPeriod] += volts[n] / static_cast<double>(periods);
    }
    std::vector<double> residue(periods * kPeriod);
    for (std::size_t n = 0; n < residue.size(); ++n) {
        residue[n] = volts[n] - average[n % kPeriod];
    }
    double power = 0.0;
    std::size_t blocks = 0;
    for (std::size_t at = 0; at + 2 * kAudioBlock <= residue.size(); at += 2 * kAudioBlock) {
        const auto [a, b] =
            audioBandBins(AudioBlock(residue.data() + at, kAudioBlock),
                          AudioBlock(residue.data() + at + kAudioBlock, kAudioBlock));
        power += bandPower(a, a) + bandPower(b, b);
        blocks += 2;
    }
    power *= static_cast<double>(periods) / static_cast<double>(periods - 1) /
             static_cast<double>(blocks);
    return 10.0 * std::log10(std::pow(fundamental(spectrum), 2) / 2.0 / power);
}

struct LongRunRow {
    const char* name;
    double inputDecibels; // of AM at 30 %, V(cc) 1
    double envelope;
};

class LongRunTest : public SoundTest, public testing::WithParamInterface<LongRunRow> {};

// Each detector's measured S/N, at the input S/N of the threshold, is the
// one a minute of its WAV holds, within 0.3 dB, and says how far it may be off.
TEST_P(LongRunTest, ReadoutIsTheSignalToNoiseOfAMinuteOfSound) {
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "a statistic of six minutes of sound: the plain build checks it, and the "
                    "sanitizers see the same code in the shorter sound tests";
#endif
    const double receivedPower = 0.5 + 0.15 * 0.15 / 2.0 * 2.0;
    const double ruido =
        std::sqrt(receivedPower / std::pow(10.0, GetParam().inputDecibels / 10.0) / 6.0);
    const ParameterValues values{0.3, 1, 1, 1, 0, GetParam().envelope, ruido};
    const NoiseReadout readout = measureNoise(values).value();
    const MeasuredRatio shown =
        (values.envelope != 0.0 ? readout.envelopeMeasured : readout.audioMeasured).value();
    EXPECT_NEAR(10.0 * std::log10(shown.ratio), wavSignalToNoise(sound(values, 60.0)), 0.3);
    EXPECT_GT(shown.spreadDecibels, 0.0);
    EXPECT_LT(shown.spreadDecibels, 0.1);
}

INSTANTIATE_TEST_SUITE_P(Rows, LongRunTest,
                         testing::Values(LongRunRow{"ProductAtInput0Decibels", 0.0, 0.0},
                                         LongRunRow{"ProductAtInputMinus3Decibels", -3.0, 0.0},
                                         LongRunRow{"ProductAtInputMinus6Decibels", -6.0, 0.0},
                                         LongRunRow{"EnvelopeAtInput0Decibels", 0.0, 1.0},
                                         LongRunRow{"EnvelopeAtInputMinus3Decibels", -3.0, 1.0},
                                         LongRunRow{"EnvelopeAtInputMinus6Decibels", -6.0, 1.0}),
                         [](const testing::TestParamInfo<LongRunRow>& row) {
                             return std::string(row.param.name);
                         });

// A WAV starts as it goes on: the coupling starts in its steady state, so its
// first 10 ms reach no higher than the rest, with a drifting carrier too.
class SoundStartTest : public SoundTest, public testing::WithParamInterface<CleanRow> {};

TEST_P(SoundStartTest, HasNoThump) {
    const std::vector<double> volts = sound(GetParam().values, 0.5);
    const auto peak = [&volts](std::size_t from, std::size_t to) {
        double most = 0.0;
        for (std::size_t n = from; n < to; ++n) {
            most = std::max(most, std::abs(volts[n]));
        }
        return most;
    };
    constexpr std::size_t kTenMilliseconds = 480;
    EXPECT_LE(peak(0, kTenMilliseconds), peak(kTenMilliseconds, volts.size()) + 1e-4);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, SoundStartTest,
    testing::Values(CleanRow{"AmAtTheStart", kAm}, CleanRow{"DsbFase30", {1, 0, 1, 1, 30, 0, 0}},
                    CleanRow{"UpperSidebandOff500Hz", {1, 0, 0, 1, 0, 0, 0, 500}},
                    CleanRow{"LowerSidebandOffMinus200Hz", {1, 0, 1, 0, 0, 0, 0, -200}},
                    CleanRow{"AmOff100Hz", {1, 1, 1, 1, 0, 0, 0, 100}},
                    CleanRow{"UpperWithCarrierOff7Hz", {1, 1, 0, 1, 0, 0, 0, 7}},
                    CleanRow{"EnvelopeAt30Percent", {0.3, 1, 1, 1, 0, 1, 0}},
                    CleanRow{"EnvelopeOfDsb", {1, 0, 1, 1, 0, 1, 0}},
                    CleanRow{"DsbOff1HzWithNoise", {1, 0, 1, 1, 0, 0, 0.05, 1}},
                    CleanRow{"EnvelopeOfTwoTones", {1, 1, 1, 1, 0, 1, 0, 0, 700, 1900}},
                    CleanRow{"EnvelopeOfAToneOfNoWholeHertz", {1, 1, 1, 1, 0, 1, 0, 0, 123.4}}),
    cleanRowName);

// A tone beyond full scale is limited: flat tops, never a jump to the other sign.
// A reinserted carrier off by df: one sideband moves the tone by df, both
// make it fade and invert twice in each 1/df seconds.
struct DriftRow {
    const char* name;
    ParameterValues values;
    double hertz;
};

class DriftSoundTest : public SoundTest, public testing::WithParamInterface<DriftRow> {};

TEST_P(DriftSoundTest, MovesTheToneBytheError) {
    EXPECT_NEAR(crossingFrequency(sound(GetParam().values)), GetParam().hertz, 2.0);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, DriftSoundTest,
    testing::Values(
        DriftRow{"UpperSidebandGivesTheToneLessTheError", {1, 0, 0, 1, 0, 0, 0, 50}, 950},
        DriftRow{"LowerSidebandGivesTheToneAndTheError", {1, 0, 1, 0, 0, 0, 0, 50}, 1050},
        DriftRow{"AnyToneIsHeardAtItsPitch", {1, 1, 1, 1, 0, 0, 0, 0, 500}, 500},
        DriftRow{"UpperSidebandOfAnyTone", {1, 0, 0, 1, 0, 0, 0, 100, 700}, 600}),
    [](const testing::TestParamInfo<DriftRow>& row) { return std::string(row.param.name); });

// The amplitude of a tone of a whole number of Hz in a second of sound.
double levelAt(const std::vector<double>& volts, double hertz) {
    const auto count = static_cast<std::size_t>(kSoundRate);
    std::complex<double> sum;
    for (std::size_t n = 0; n < count; ++n) {
        sum +=
            volts.at(n) * std::polar(1.0, -2.0 * kPi * hertz * static_cast<double>(n) / kSoundRate);
    }
    return 2.0 * std::abs(sum) / kSoundRate;
}

// The two-tone test: each tone carries half the modulation and comes out at
// half the one tone's level, equal within the smoothers' response.
TEST_F(SoundTest, TwoTonesComeOutAtEqualLevels) {
    const std::vector<double> volts = sound({1, 0, 1, 1, 0, 0, 0, 0, 700, 1900});
    const double low = levelAt(volts, 700);
    const double high = levelAt(volts, 1900);
    EXPECT_NEAR(low, 0.25, 0.01);
    EXPECT_LT(std::abs(20.0 * std::log10(low / high)), 0.5);
    EXPECT_LT(levelAt(volts, 1200), 1e-3); // no intermodulation in a product detector
}

TEST_F(SoundTest, BothSidebandsOffByOneHertzFadeToNothingTwiceASecond) {
    const std::vector<double> volts = sound({1, 0, 1, 1, 0, 0, 0, 1}, 2.0);
    constexpr std::size_t kBlock = 480; // 10 ms
    std::vector<double> levels;
    for (std::size_t at = 0; at + kBlock <= volts.size(); at += kBlock) {
        double sum = 0.0;
        for (std::size_t n = at; n < at + kBlock; ++n) {
            sum += volts[n] * volts[n];
        }
        levels.push_back(std::sqrt(2.0 * sum / kBlock));
    }
    const double loudest = *std::max_element(levels.begin(), levels.end());
    EXPECT_NEAR(loudest, 0.5, 0.02);
    int fades = 0;
    for (std::size_t k = 1; k + 1 < levels.size(); ++k) {
        if (levels[k] < 0.05 * loudest && levels[k] <= levels[k - 1] && levels[k] < levels[k + 1]) {
            ++fades;
        }
    }
    EXPECT_EQ(fades, 4);
}

TEST_F(SoundTest, LimitsRatherThanWraps) {
    const std::vector<double> volts = sound({10, 0, 1, 1, 0, 0, 0}, 0.01);
    EXPECT_DOUBLE_EQ(*std::max_element(volts.begin(), volts.end()), 2.0);
    EXPECT_DOUBLE_EQ(*std::min_element(volts.begin(), volts.end()), -2.0);
    for (std::size_t n = 1; n < volts.size(); ++n) {
        EXPECT_LT(std::abs(volts[n] - volts[n - 1]), 1.0) << "sample " << n;
    }
}

TEST(Pcm16, ScalesAndLimits) {
    EXPECT_EQ(pcm16(0.5F), 16384);
    EXPECT_EQ(pcm16(-1.0F), -32767);
    EXPECT_EQ(pcm16(3.0F), 32767);
    EXPECT_EQ(pcm16(-3.0F), -32767);
    EXPECT_EQ(pcm16(std::nanf("")), 0);
}

struct ChangeRow {
    const char* name;
    ParameterValues before;
    ParameterValues after;
};

class SoundChangeTest : public testing::TestWithParam<ChangeRow> {};

constexpr std::size_t kBeforeChange = 4801; // not on a whole fine sample

std::vector<float> changed(const ChangeRow& row, std::size_t after) {
    SoundGenerator generator(row.before, 0);
    std::vector<float> out = generator.next(kBeforeChange);
    generator.setValues(row.after);
    std::vector<float> rest = generator.next(after);
    out.insert(out.end(), rest.begin(), rest.end());
    return out;
}

// Within 100 ms the sound is the new setting's, from the same running time,
// sample for sample.
TEST_P(SoundChangeTest, FollowsWithinAHundredMilliseconds) {
    const std::vector<float> out = changed(GetParam(), 4800);
    const std::size_t takeOver = kBeforeChange + 2; // the next whole fine sample
    const std::vector<float> fresh = soundSamples(GetParam().after, 125 * takeOver / 3, 4800 - 2);
    for (std::size_t n = 4800 - 1; n < fresh.size(); ++n) {
        ASSERT_EQ(out[takeOver + n], fresh[n]) << "sample " << n << " after the change";
    }
}

// No click: across the change no step is steeper than the steady sounds' own.
TEST_P(SoundChangeTest, NeverClicks) {
    auto steepest = [](const std::vector<float>& s, std::size_t from, std::size_t to) {
        float most = 0.0F;
        for (std::size_t n = from + 1; n < to; ++n) {
            most = std::max(most, std::abs(s[n] - s[n - 1]));
        }
        return most;
    };
    const std::vector<float> out = changed(GetParam(), 4800);
    const std::vector<float> after = soundSamples(GetParam().after, 0, 4800);
    const float steady =
        std::max({steepest(out, 0, kBeforeChange), steepest(after, 0, 4800), 0.01F});
    EXPECT_LE(steepest(out, kBeforeChange - 10, kBeforeChange + 1000), 1.1F * steady);
}

INSTANTIATE_TEST_SUITE_P(Rows, SoundChangeTest,
                         testing::Values(ChangeRow{"CarrierOff", kAm, kDsb},
                                         ChangeRow{"PhaseTo90InDsb", kDsb, {1, 0, 1, 1, 90, 0, 0}},
                                         ChangeRow{"PhaseTo90InAm", kAm, {1, 1, 1, 1, 90, 0, 0}},
                                         ChangeRow{"EnvelopeOn", kAm, {1, 1, 1, 1, 0, 1, 0}},
                                         ChangeRow{"SidebandOff", kDsb, {1, 0, 0, 1, 0, 0, 0}},
                                         ChangeRow{"NoiseOn", kAm, {1, 1, 1, 1, 0, 0, 0.05}}),
                         [](const testing::TestParamInfo<ChangeRow>& row) {
                             return std::string(row.param.name);
                         });

// Time keeps running: two changes in a row, the second while the first
// fades, and the sound still arrives where a fresh start would be.
TEST(SoundGenerator, KeepsTimeAcrossQuickChanges) {
    SoundGenerator generator(kAm, 0);
    generator.next(999);
    generator.setValues(kDsb);
    generator.next(100);
    const ParameterValues last{1, 0, 0, 1, 30, 0, 0};
    generator.setValues(last);
    const std::vector<float> out = generator.next(4800);
    EXPECT_EQ(generator.position(), 999 + 100 + 4800);
    const std::vector<float> fresh = soundSamples(last, 0, 999 + 100 + 4800);
    EXPECT_NEAR(out.back(), fresh.back(), 1e-3F);
}

} // namespace
} // namespace amsim
