#include "params/MeasurementLines.h"

#include "params/ReadoutFigures.h"
#include "texts/Grammar.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace amsim {

namespace {

// Rounded to the given number of significant digits. Near the smallest
// doubles the scale itself is no double: it is then applied in two halves.
double significant(double value, int digits) {
    if (value == 0.0 || !std::isfinite(value)) {
        return value;
    }
    const double exponent = digits - 1 - std::floor(std::log10(std::abs(value)));
    const double scale = std::pow(10.0, exponent);
    if (std::isfinite(scale)) {
        return std::round(value * scale) / scale;
    }
    const double half = std::pow(10.0, std::floor(exponent / 2.0));
    const double rest = std::pow(10.0, exponent - std::floor(exponent / 2.0));
    return std::round(value * half * rest) / half / rest;
}

std::string shown(double value, int digits, const NumberFormat& format) {
    return std::isfinite(value) ? numberToText(significant(value, digits), format)
                                : std::string(catalogueText("readout.none"));
}

std::string percent(double fraction, const NumberFormat& format) {
    const double tenths = fraction * 1000.0;
    const std::optional<double> within = tenthsWithin(tenths, kPercentTenths);
    return within ? numberToText(*within / 10.0, format) + " %"
                  : beyondBound(tenths, kPercentTenths, "%", format);
}

std::string power(double watts, double total, const NumberFormat& format) {
    return shown(watts, 4, format) + " W (" +
           (total > 0.0 ? percent(watts / total, format)
                        : std::string(catalogueText("readout.none"))) +
           ")";
}

// The envelope detector's line: its distortion, or what it gives instead.
struct EnvelopeWords {
    const NumberFormat& format;

    std::string operator()(double distortion) const { return percent(distortion, format); }
    std::string operator()(const EnvelopeWithoutTone& without) const {
        return without.dominantKilohertz
                   ? filled("readout.envelopeDominant",
                            {{"kilohertz", shown(*without.dominantKilohertz, 3, format)}})
                   : std::string(catalogueText("readout.envelopeNoTone"));
    }
};

// A ratio in decibels with one decimal: "15.2 dB", "-4.8 dB".
std::string decibels(const std::optional<double>& ratio, const NumberFormat& format) {
    if (!ratio) {
        return std::string(catalogueText("readout.none"));
    }
    const double tenths = 100.0 * std::log10(*ratio);
    const std::optional<double> within = tenthsWithin(tenths, kDecibelTenths);
    if (!within) {
        return beyondBound(tenths, kDecibelTenths, "dB", format);
    }
    const auto magnitude = static_cast<int>(std::abs(*within));
    return (*within < 0.0 ? "-" : "") + std::to_string(magnitude / 10) + format.decimalSeparator +
           std::to_string(magnitude % 10) + " dB";
}

// The audio's loss to a tenth, without a trailing zero: "0 dB", "-1.2 dB".
std::string audioLoss(const std::optional<double>& decibels, const NumberFormat& format) {
    if (!decibels) {
        return std::string(catalogueText("readout.none"));
    }
    const double tenths = *decibels * 10.0;
    const std::optional<double> within = tenthsWithin(tenths, kDecibelTenths);
    return within ? numberToText(*within / 10.0, format) + " dB"
                  : beyondBound(tenths, kDecibelTenths, "dB", format);
}

// A measured ratio with its standard error, rounded up to a tenth as an
// uncertainty is, and never above 99.9: "15.4 dB ± 0.1"; beyond the
// readout's bounds, the bound alone.
std::string measuredDecibels(const std::optional<MeasuredRatio>& measured,
                             const NumberFormat& format) {
    if (!measured || !std::isfinite(measured->spreadDecibels)) {
        return std::string(catalogueText("readout.none"));
    }
    const double ratioTenths = 100.0 * std::log10(measured->ratio);
    if (!tenthsWithin(ratioTenths, kDecibelTenths)) {
        return decibels(measured->ratio, format);
    }
    const long long tenths =
        std::llround(std::clamp(std::ceil(measured->spreadDecibels * 10.0), 1.0, 999.0));
    return decibels(measured->ratio, format) + " ± " + std::to_string(tenths / 10) +
           format.decimalSeparator + std::to_string(tenths % 10);
}

std::string_view filterWords(ReceiverBand band) {
    switch (band) {
    case ReceiverBand::Upper:
        return catalogueText("readout.filterUpper");
    case ReceiverBand::Lower:
        return catalogueText("readout.filterLower");
    case ReceiverBand::Both:
        break;
    }
    return catalogueText("readout.filterBoth");
}

// A ratio with one decimal: "4.0"; "—" where there is none.
std::string oneDecimal(double value, const NumberFormat& format) {
    const double tenths = value * 10.0;
    const std::optional<double> within = tenthsWithin(tenths, kPercentTenths);
    if (!within) {
        return beyondBound(tenths, kPercentTenths, "", format);
    }
    const auto magnitude = static_cast<long long>(std::abs(*within));
    return std::to_string(magnitude / 10) + format.decimalSeparator +
           std::to_string(magnitude % 10);
}

// The two tones' lines: the average power, the total, and PEP over it.
void addTwoToneLines(std::vector<std::string>& lines, const Measurements& m,
                     const NumberFormat& format) {
    const double total = m.totalPower();
    lines.push_back(filled("readout.averagePower", {{"watts", shown(total, 4, format)}}));
    lines.push_back(filled("readout.peakToAverage",
                           {{"ratio", total > 0.0 ? oneDecimal(m.peakEnvelopePower / total, format)
                                                  : std::string(catalogueText("readout.none"))}}));
}

// Each tone's audio: "0.248", "0.124 y 0.124".
std::string audioVolts(const std::vector<double>& audio, const NumberFormat& format) {
    std::vector<std::string> volts(audio.size());
    std::transform(audio.begin(), audio.end(), volts.begin(),
                   [&format](double v) { return shown(v, 3, format); });
    return listed(volts);
}

// "500 Hz", "500 y 1500 Hz", to a tenth of a hertz; "—" without a tone.
std::string hertzWords(const std::vector<double>& hertz, const NumberFormat& format) {
    std::vector<std::string> tones(hertz.size());
    std::transform(hertz.begin(), hertz.end(), tones.begin(), [&format](double tone) {
        return numberToText(std::round(tone * 10.0) / 10.0, format);
    });
    return tones.empty() ? std::string(catalogueText("readout.none"))
                         : listed(tones) + " " + std::string(catalogueText("unit.hertz"));
}

void addNoiseLines(std::vector<std::string>& lines, const NoiseReadout& noise, bool envelopeOn,
                   const NumberFormat& format) {
    lines.push_back(filled("readout.filter", {{"band", filterWords(noise.band)}}));
    lines.push_back(
        filled("readout.inputRatio", {{"ratio", decibels(noise.theory.inputRatio, format)}}));
    lines.push_back(
        filled("readout.audioRatioTheory", {{"ratio", decibels(noise.theory.audioRatio, format)}}));
    lines.push_back(filled("readout.audioRatioMeasured",
                           {{"ratio", measuredDecibels(noise.audioMeasured, format)}}));
    lines.push_back(
        filled("readout.figureOfMerit", {{"ratio", decibels(noise.theory.figureOfMerit, format)}}));
    if (envelopeOn) {
        lines.push_back(filled("readout.envelopeRatioMeasured",
                               {{"ratio", measuredDecibels(noise.envelopeMeasured, format)}}));
    }
}

} // namespace

std::vector<std::string> measurementLines(const Measurements& m, const NumberFormat& format) {
    const double total = m.totalPower();
    const std::string none(catalogueText("readout.none"));
    const bool inverted = !m.detectedAudio.empty() && m.detectedAudio.front() < 0.0;
    std::vector<std::string> lines{
        filled("readout.mode", {{"mode", m.mode}}),
        filled("readout.modulationIndex",
               {{"percent", m.modulationIndex ? percent(*m.modulationIndex, format) : none}}),
        filled("readout.carrierPower", {{"power", power(m.carrierPower, total, format)}}),
        filled("readout.upperPower", {{"power", power(m.upperPower, total, format)}}),
        filled("readout.lowerPower", {{"power", power(m.lowerPower, total, format)}}),
        filled("readout.totalPower", {{"watts", shown(total, 4, format)}}),
        filled("readout.efficiency",
               {{"percent",
                 total > 0.0 ? percent((m.upperPower + m.lowerPower) / total, format) : none}}),
        filled("readout.peakPower", {{"watts", shown(m.peakEnvelopePower, 4, format)}}),
    };
    if (m.twoTones) {
        addTwoToneLines(lines, m, format);
    }
    lines.push_back(
        filled("readout.bandwidth", {{"kilohertz", shown(m.bandwidthHertz / 1000.0, 4, format)}}));
    lines.push_back(filled(inverted ? TextKey("readout.audioInverted") : TextKey("readout.audio"),
                           {{"volts", audioVolts(m.detectedAudio, format)},
                            {"loss", audioLoss(m.audioLossDecibels, format)}}));
    if (m.phaseNow) {
        const double degrees = std::round(*m.phaseNow);
        lines.push_back(filled("readout.phaseNow",
                               {{"degrees", shown(degrees == 360.0 ? 0.0 : degrees, 3, format)}}));
    }
    if (m.toneHertz) {
        lines.push_back(filled("readout.tone", {{"hertz", hertzWords(*m.toneHertz, format)}}));
    }
    if (m.detectedLevel != 0.0) {
        lines.push_back(filled("readout.level", {{"volts", shown(m.detectedLevel, 3, format)}}));
    }
    if (m.envelope) {
        lines.push_back(filled("readout.envelopeDistortion",
                               {{"distortion", std::visit(EnvelopeWords{format}, *m.envelope)}}));
    }
    if (m.noise) {
        addNoiseLines(lines, *m.noise, m.envelope.has_value(), format);
    }
    return lines;
}

} // namespace amsim
