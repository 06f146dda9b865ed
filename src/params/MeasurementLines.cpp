#include "params/MeasurementLines.h"

#include <cmath>
#include <optional>
#include <string>
#include <variant>

namespace amsim {

namespace {

constexpr const char* kNone = "—";

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

// The envelope detector's line: its distortion, or what it gives instead.
struct EnvelopeWords {
    const NumberFormat& format;

    std::string operator()(double distortion) const { return percent(distortion, format); }
    std::string operator()(const EnvelopeWithoutTone& without) const {
        return without.dominantKilohertz ? "no recupera el tono: domina " +
                                               std::to_string(*without.dominantKilohertz) + " kHz"
                                         : "sin tono";
    }
};

// A ratio in decibels with one decimal: "15.2 dB", "-4.8 dB".
std::string decibels(const std::optional<double>& ratio, const NumberFormat& format) {
    if (!ratio) {
        return kNone;
    }
    const long long tenths = std::llround(100.0 * std::log10(*ratio));
    const long long magnitude = tenths < 0 ? -tenths : tenths;
    return (tenths < 0 ? "-" : "") + std::to_string(magnitude / 10) + format.decimalSeparator +
           std::to_string(magnitude % 10) + " dB";
}

std::string filterWords(ReceiverBand band) {
    switch (band) {
    case ReceiverBand::Upper:
        return "3 kHz, BLS";
    case ReceiverBand::Lower:
        return "3 kHz, BLI";
    case ReceiverBand::Both:
        break;
    }
    return "6 kHz, BLI y BLS";
}

void addNoiseLines(std::vector<std::string>& lines, const NoiseReadout& noise, bool envelopeOn,
                   const NumberFormat& format) {
    lines.push_back("Filtro del receptor: " + filterWords(noise.band));
    lines.push_back("S/N de entrada: " + decibels(noise.theory.inputRatio, format));
    lines.push_back("S/N de audio (teórica): " + decibels(noise.theory.audioRatio, format));
    lines.push_back("S/N de audio (medida): " + decibels(noise.audioMeasured, format));
    lines.push_back("Figura de mérito: " + decibels(noise.theory.figureOfMerit, format));
    if (envelopeOn) {
        lines.push_back("S/N de audio, det. envolvente (medida): " +
                        decibels(noise.envelopeMeasured, format));
    }
}

} // namespace

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
        "Audio detectado: " + shown(m.detectedAudio, 3, format) + " V de pico" +
            (m.detectedAudio < 0.0 ? " (invertido), " : ", ") +
            (m.audioLossDecibels
                 ? shown(std::round(*m.audioLossDecibels * 10.0) / 10.0, 4, format) + " dB"
                 : kNone),
    };
    if (m.phaseNow) {
        const double degrees = std::round(*m.phaseNow);
        lines.push_back(
            "Error de fase ahora: " + shown(degrees == 360.0 ? 0.0 : degrees, 3, format) + "°");
    }
    if (m.detectedLevel != 0.0) {
        lines.push_back("Continua detectada: " + shown(m.detectedLevel, 3, format) + " V");
    }
    if (m.envelope) {
        lines.push_back("Distorsión del detector de envolvente: " +
                        std::visit(EnvelopeWords{format}, *m.envelope));
    }
    if (m.noise) {
        addNoiseLines(lines, *m.noise, m.envelope.has_value(), format);
    }
    return lines;
}

} // namespace amsim
