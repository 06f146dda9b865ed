#include "signals/SnrCurve.h"

#include "signals/AudioBand.h"
#include "signals/ChannelNoise.h"
#include "signals/NoiseMeasurements.h"
#include "signals/ReceiverOutputStream.h"
#include "signals/SignalCsv.h"

#include <cmath>
#include <numbers>

namespace amsim {

namespace {

constexpr int kPointCount = kSnrCurveHighestDecibels - kSnrCurveLowestDecibels + 1;
const double kStretchSeconds =
    static_cast<double>(kSnrCurveBlocks * kAudioBlock) / ReceiverOutputStream::kRate;

double decibels(double ratio) {
    return 10.0 * std::log10(ratio);
}

std::optional<double> decibelsOf(const std::optional<double>& ratio) {
    return ratio ? std::optional(decibels(*ratio)) : std::nullopt;
}

// The spread of an S/N measured over the stretch, in dB: its noise power's
// standard error over the blocks and its tone's. The noise in the tone's bin
// moves a tone of amplitude a measured over T seconds by sqrt(P / (W T))
// along it, so its power by 2 sqrt(P / (W T)) / a = sqrt(2 / (W T S/N)) of
// itself: the tone's part grows as the S/N falls.
double spreadOf(const MeasuredRatio& measured) {
    const double toDecibels = 10.0 / std::numbers::ln10;
    const double noise = measured.spreadDecibels / toDecibels;
    const double tone = std::sqrt(2.0 / (kAudioBandwidthHz * kStretchSeconds * measured.ratio));
    return toDecibels * std::hypot(noise, tone);
}

// Rounded to a hundredth of a dB, finer than any spread.
std::string decibelText(double value) {
    return shortestText(std::round(value * 100.0) / 100.0);
}

void appendMeasured(std::string& text, const std::optional<double>& value, double spread) {
    text += ",";
    if (value) {
        text += decibelText(*value) + "," + decibelText(spread);
    } else {
        text += ",";
    }
}

} // namespace

std::optional<ParameterValues> snrCurveValues(const ParameterValues& setting,
                                              double inputDecibels) {
    const double receivedPower = noiseTheory(setting).receivedPower;
    if (receivedPower <= 0.0) {
        return std::nullopt;
    }
    ParameterValues values = setting;
    // The envelope detector is measured in every mode: without a carrier
    // (DSB, SSB) its output follows no tone, and the student sees it fail.
    values.envelope = 1.0;
    values.df = 0.0;
    // P_N = P_R / (S/N), and P_N goes as ruido².
    const double unitPower =
        ChannelNoise(receiverBandOf(values.BliSiNo, values.BlsSiNo), 1.0).power();
    values.ruido = std::sqrt(receivedPower / std::pow(10.0, inputDecibels / 10.0) / unitPower);
    return values;
}

SnrCurve::SnrCurve(const ParameterValues& values)
    : values_(values)
    , pointCount_(snrCurveValues(values, 0.0) ? static_cast<std::size_t>(kPointCount) : 0U) {
    points_.reserve(pointCount_);
}

void SnrCurve::measureNext() {
    if (done()) {
        return;
    }
    const double input = kSnrCurveLowestDecibels + static_cast<double>(points_.size());
    const ParameterValues values = snrCurveValues(values_, input).value();
    const DetectorRatios measured = measureDetectors(values, kSnrCurveBlocks);
    SnrPoint point;
    point.inputDecibels = input;
    if (measured.product) {
        point.productDecibels = decibels(measured.product->ratio);
        point.productSpreadDecibels = spreadOf(*measured.product);
    }
    if (measured.envelope) {
        point.envelopeDecibels = decibels(measured.envelope->ratio);
        point.envelopeSpreadDecibels = spreadOf(*measured.envelope);
    }
    point.productTheoryDecibels = decibelsOf(noiseTheory(values).audioRatio);
    point.envelopeTheoryDecibels = decibelsOf(measured.envelopeTheory);
    points_.push_back(point);
}

std::vector<SnrPoint> snrCurve(const ParameterValues& values) {
    SnrCurve curve(values);
    while (!curve.done()) {
        curve.measureNext();
    }
    return curve.points();
}

std::string snrCurveCsv(const std::vector<SnrPoint>& points) {
    std::string text = "snr_entrada_db,producto_db,producto_dispersion_db,envolvente_db,"
                       "envolvente_dispersion_db,teoria_producto_db\n";
    for (const SnrPoint& point : points) {
        text += decibelText(point.inputDecibels);
        appendMeasured(text, point.productDecibels, point.productSpreadDecibels);
        appendMeasured(text, point.envelopeDecibels, point.envelopeSpreadDecibels);
        text += ",";
        if (point.productTheoryDecibels) {
            text += decibelText(*point.productTheoryDecibels);
        }
        text += "\n";
    }
    return text;
}

} // namespace amsim
