#include "params/Measurements.h"

#include "display/EnvelopeDetector.h"
#include "display/Signals.h"
#include "display/Sweep.h"
#include "display/WindowValues.h"

#include <cmath>
#include <complex>

namespace amsim {

namespace {

constexpr const char* kNone = "—";

double squared(double v) {
    return v * v;
}

// The smoothers' gain at the tone's frequency, both stages.
double smoothersGain() {
    const double w = 0.001 * 4.0 * std::atan(1.0);
    const double stage =
        DetectorSmoothing::kTake / std::abs(1.0 - DetectorSmoothing::kKeep * std::polar(1.0, -w));
    return stage * stage;
}

double detectedAudio(const ParameterValues& v, double phase) {
    const double square = sidebandAudioSquare(v.BliSiNo, v.BlsSiNo, phase);
    return std::abs(v.mdl) / 4.0 * std::sqrt(std::max(0.0, square)) * smoothersGain();
}

// The envelope detector's distortion, from its output over one tone period.
double envelopeDistortion(const ParameterValues& v) {
    const WindowValues window;
    const Sidebands sides{v.BliSiNo, v.mdl * 0.5, v.BlsSiNo, v.mdl * 0.5};
    // One tone period is all the detector's harmonics are measured over; x
    // grows by addition, as in the sweep, so the samples are the trace's.
    std::vector<double> transmitted;
    transmitted.reserve(kToneSamples);
    double x = 0.0;
    for (std::size_t n = 0; n < kToneSamples; ++n, x += kFineStep) {
        transmitted.push_back(transmitterOutput(sides, v.Vcc, window.Pi, x));
    }
    const std::vector<double> detected = detectEnvelope(transmitted);
    const double fundamental = toneHarmonic(detected, 1);
    double harmonics = 0.0;
    for (int h = 2; h <= 10; ++h) {
        harmonics += squared(toneHarmonic(detected, h));
    }
    return std::sqrt(harmonics) / fundamental;
}

// Rounded to the given number of significant digits.
double significant(double value, int digits) {
    if (value == 0.0 || !std::isfinite(value)) {
        return value;
    }
    const double scale = std::pow(10.0, digits - 1 - std::floor(std::log10(std::abs(value))));
    return std::round(value * scale) / scale;
}

std::string shown(double value, int digits, const NumberFormat& format) {
    return std::isfinite(value) ? numberToText(significant(value, digits), format) : kNone;
}

std::string percent(double fraction, const NumberFormat& format) {
    const double tenths = std::round(fraction * 1000.0) / 10.0;
    return std::isfinite(tenths) ? numberToText(tenths, format) + " %" : kNone;
}

std::string power(double watts, double total, const NumberFormat& format) {
    return shown(watts, 4, format) + " W (" +
           (total > 0.0 ? percent(watts / total, format) : kNone) + ")";
}

} // namespace

Measurements measure(const ParameterValues& values) {
    Measurements m;
    m.mode = modeOf(values);
    if (values.Vcc != 0.0) {
        m.modulationIndex = std::abs(values.mdl) / std::abs(values.Vcc);
    }
    m.carrierPower = squared(values.Vcc) / 2.0;
    m.upperPower = squared(values.BlsSiNo * values.mdl / 2.0) / 2.0;
    m.lowerPower = squared(values.BliSiNo * values.mdl / 2.0) / 2.0;
    m.peakEnvelopePower = squared(std::abs(values.Vcc) +
                                  std::abs(values.mdl) *
                                      (std::abs(values.BliSiNo) + std::abs(values.BlsSiNo)) / 2.0) /
                          2.0;
    const bool tone = values.mdl != 0.0;
    m.bandwidthKilohertz =
        (tone && values.BlsSiNo != 0.0 ? 1 : 0) + (tone && values.BliSiNo != 0.0 ? 1 : 0);
    const double phase = 8.0 * std::atan(1.0) * values.fase / 360.0;
    m.detectedAudio = detectedAudio(values, phase);
    const double reference = detectedAudio(values, 0.0);
    if (reference > 0.0) {
        m.audioLossDecibels = 20.0 * std::log10(m.detectedAudio / reference);
    }
    if (values.envelope != 0.0) {
        m.envelopeDistortion = envelopeDistortion(values);
    }
    return m;
}

std::vector<std::string> measurementLines(const Measurements& m, const NumberFormat& format) {
    const double total = m.totalPower();
    std::vector<std::string> lines{
        "Modo: " + m.mode,
        "Índice de modulación: " +
            (m.modulationIndex ? percent(*m.modulationIndex, format) : kNone),
        "Potencia de portadora: " + power(m.carrierPower, total, format),
        "Potencia BLS: " + power(m.upperPower, total, format),
        "Potencia BLI: " + power(m.lowerPower, total, format),
        "Potencia total: " + shown(total, 4, format) + " W",
        "Eficiencia: " +
            (total > 0.0 ? percent((m.upperPower + m.lowerPower) / total, format) : kNone),
        "Potencia de pico (PEP): " + shown(m.peakEnvelopePower, 4, format) + " W",
        "Ancho de banda: " + std::to_string(m.bandwidthKilohertz) + " kHz",
        "Audio detectado: " + shown(m.detectedAudio, 3, format) + " V, " +
            (m.audioLossDecibels
                 ? shown(std::round(*m.audioLossDecibels * 10.0) / 10.0, 4, format) + " dB"
                 : kNone),
    };
    if (m.envelopeDistortion) {
        lines.push_back("Distorsión del detector de envolvente: " +
                        percent(*m.envelopeDistortion, format));
    }
    return lines;
}

} // namespace amsim
