#include "params/BuiltInExercises.h"

#include "flows/Bench.h"
#include "params/MeasurementLines.h"
#include "params/MemoryControls.h"
#include "signals/SpectrumAnalyser.h"
#include "support/RecordingCanvas.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <numeric>
#include <optional>
#include <string>
#include <vector>

namespace amsim {
namespace {

constexpr double kPi = 3.14159265358979323846;

// A student's bench: the built-in exercise from a seed, at an instant.
class StudentBench {
public:
    StudentBench(std::string_view name, std::uint32_t seed)
        : bench_(controls_, NumberFormat{}) {
        GivenStart given;
        given.exercise = std::string(name);
        given.seed = std::to_string(seed);
        given.instant = 0.0;
        bench_.start(given);
    }

    // The first number of the readout's line that begins with the label;
    // none where the line is missing or hidden.
    std::optional<double> readout(std::string_view label, std::size_t nth = 0) const {
        return numberAfter(controls_.readout(), label, nth);
    }

    static std::optional<double> numberAfter(const std::vector<std::string>& lines,
                                             std::string_view label, std::size_t nth) {
        for (const std::string& line : lines) {
            if (line.starts_with(label)) {
                std::string rest = line.substr(label.size());
                for (std::size_t k = 0;; ++k) {
                    const std::size_t start = rest.find_first_of("-0123456789");
                    if (start == std::string::npos) {
                        return std::nullopt;
                    }
                    std::size_t used = 0;
                    const double value = std::stod(rest.substr(start), &used);
                    if (k == nth) {
                        return value;
                    }
                    rest = rest.substr(start + used);
                }
            }
        }
        return std::nullopt;
    }

    // The readout's line at another instant of the running time.
    std::optional<double> readoutAt(double instant, std::string_view label) {
        const std::vector<std::string> lines =
            measurementLines(measure(values(), instant), NumberFormat{});
        return numberAfter(lines, label, 0);
    }

    // The analyser's spectra as its displays show them.
    AnalyserSpectra spectra() { return analyseSpectra(values(), 0.0); }

    ParameterValues values() {
        return valuesOf([this](Parameter box) { return bench_.boxes().read(box); });
    }

    // The answer of the exercise's own question, from the given number.
    Verdict answer(double value) {
        controls_.setAnswer(std::to_string(value));
        bench_.handlers().Comprobar_Click();
        return *controls_.exercise().judged;
    }
    Verdict answer(const std::string& word) {
        controls_.setAnswer(word);
        bench_.handlers().Comprobar_Click();
        return *controls_.exercise().judged;
    }

private:
    test::RecordingCanvas canvas_;
    MemoryControls controls_{canvas_};
    Bench bench_;
};

// The frequency of the strongest bin between low and high, in Hz.
double peakHertz(const AnalyserSpectra& spectra, const std::vector<double>& power, double low,
                 double high) {
    const auto first = static_cast<std::ptrdiff_t>(low / spectra.binHertz);
    const auto last = static_cast<std::ptrdiff_t>(high / spectra.binHertz);
    const auto peak = std::max_element(power.begin() + first, power.begin() + last);
    return static_cast<double>(peak - power.begin()) * spectra.binHertz;
}

double bandPower(const AnalyserSpectra& spectra, const std::vector<double>& power, double hertz) {
    const auto centre = static_cast<std::ptrdiff_t>(hertz / spectra.binHertz);
    return std::accumulate(power.begin() + centre - 10, power.begin() + centre + 10, 0.0);
}

// The modulation index in per cent from the carrier's and the sidebands'
// powers: P(BLS + BLI) / P(portadora) = m² / 2.
double indexFromPowers(const StudentBench& student) {
    const double carrier = *student.readout("Potencia de portadora:");
    const double sidebands = *student.readout("Potencia BLS:") + *student.readout("Potencia BLI:");
    return 100.0 * std::sqrt(2.0 * sidebands / carrier);
}

struct SolverRow {
    const char* name;
    // What a student works out from what the bench shows; its verdict.
    Verdict (*solve)(std::string_view name, std::uint32_t seed);
};

class BuiltInTest : public testing::TestWithParam<SolverRow> {};

// Every instance is solvable: the answer a student works out from the
// readout's lines that stay, the spectra or the running time lies within
// the exercise's tolerance.
TEST_P(BuiltInTest, EverySeedIsSolvable) {
    const SolverRow& row = GetParam();
    ASSERT_NE(builtInNamed(row.name), nullptr);
    for (std::uint32_t seed = 0; seed < 50; ++seed) {
        EXPECT_EQ(row.solve(row.name, seed), Verdict::Correct) << row.name << " seed " << seed;
    }
}

Verdict byPowers(std::string_view name, std::uint32_t seed) {
    StudentBench student(name, seed);
    return student.answer(indexFromPowers(student));
}

INSTANTIATE_TEST_SUITE_P(
    Exercises, BuiltInTest,
    testing::Values(
        SolverRow{"indice", byPowers}, SolverRow{"sobremodulacion", byPowers},
        SolverRow{"vcc",
                  [](std::string_view name, std::uint32_t seed) {
                      StudentBench student(name, seed);
                      return student.answer(
                          std::sqrt(2.0 * *student.readout("Potencia de portadora:")));
                  }},
        SolverRow{"banda",
                  [](std::string_view name, std::uint32_t seed) {
                      StudentBench student(name, seed);
                      const AnalyserSpectra spectra = student.spectra();
                      const bool lowerLow = bandPower(spectra, spectra.received, 19000.0) <
                                            bandPower(spectra, spectra.received, 21000.0);
                      return student.answer(std::string(lowerLow ? "inferior" : "superior"));
                  }},
        // The audio's loss against 0°: 20 log cos(fase).
        SolverRow{"fase",
                  [](std::string_view name, std::uint32_t seed) {
                      StudentBench student(name, seed);
                      const double loss = *student.readout("Audio detectado:", 1);
                      return student.answer(std::acos(std::pow(10.0, loss / 20.0)) * 180.0 / kPi);
                  }},
        // With time running the audio first vanishes a quarter of the
        // error's period after 0: found in steps of 50 ms, then of 1 ms.
        SolverRow{"deriva",
                  [](std::string_view name, std::uint32_t seed) {
                      StudentBench student(name, seed);
                      const auto volts = [&student](double instant) {
                          return std::abs(*student.readoutAt(instant, "Audio detectado:"));
                      };
                      double coarse = 0.05;
                      while (volts(coarse + 0.05) < volts(coarse)) {
                          coarse += 0.05;
                      }
                      double quietest = coarse;
                      for (double at = coarse - 0.05; at <= coarse + 0.05; at += 0.001) {
                          quietest = volts(at) < volts(quietest) ? at : quietest;
                      }
                      return student.answer(1.0 / (4.0 * quietest));
                  }},
        // The upper sideband's tone comes out lower by the error.
        SolverRow{"tono-blu",
                  [](std::string_view name, std::uint32_t seed) {
                      StudentBench student(name, seed);
                      return student.answer(1000.0 - *student.readout("Tono detectado:"));
                  }},
        // The noise power over the receiver's 6 kHz from the input S/N.
        SolverRow{"ruido",
                  [](std::string_view name, std::uint32_t seed) {
                      StudentBench student(name, seed);
                      const double noise =
                          *student.readout("Potencia total:") /
                          std::pow(10.0, *student.readout("S/N de entrada:") / 10.0);
                      return student.answer(std::sqrt(noise / 6.0));
                  }},
        SolverRow{"tono",
                  [](std::string_view name, std::uint32_t seed) {
                      StudentBench student(name, seed);
                      const AnalyserSpectra spectra = student.spectra();
                      return student.answer(peakHertz(spectra, spectra.generator, 50.0, 2500.0));
                  }},
        SolverRow{"segundo-tono",
                  [](std::string_view name, std::uint32_t seed) {
                      StudentBench student(name, seed);
                      const AnalyserSpectra spectra = student.spectra();
                      std::vector<double> others = spectra.generator;
                      const auto tone = static_cast<std::ptrdiff_t>(1000.0 / spectra.binHertz);
                      std::fill(others.begin() + tone - 10, others.begin() + tone + 10, 0.0);
                      return student.answer(peakHertz(spectra, others, 50.0, 2500.0));
                  }}),
    [](const testing::TestParamInfo<SolverRow>& row) {
        std::string name = row.param.name;
        std::replace(name.begin(), name.end(), '-', '_');
        return name;
    });

// A teacher checks a student's answer on the student's own instance: one
// seed draws one exercise, and the seeds draw several.
TEST(BuiltInExercises, OneSeedDrawsOneInstance) {
    for (const BuiltInExercise& exercise : builtInExercises()) {
        const Exercise first = exercise.make(7);
        const Exercise again = exercise.make(7);
        EXPECT_EQ(first.texts, again.texts) << exercise.name;
        EXPECT_NE(first.texts, exercise.make(8).texts) << exercise.name;
    }
}

} // namespace
} // namespace amsim
