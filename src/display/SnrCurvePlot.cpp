#include "display/SnrCurvePlot.h"

#include "display/DrawingStatus.h"
#include "signals/Mode.h"
#include "signals/NoiseMeasurements.h"
#include "signals/SignalCsv.h"
#include "texts/Catalogue.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <string>

namespace amsim {

namespace {

// The plot's frame, in positions.
constexpr float kLeft = 64.0F;
constexpr float kRight = 616.0F;
constexpr float kTop = 52.0F;
constexpr float kBottom = 420.0F;
// The letters' advance, near enough to centre a label on its tick.
constexpr float kLetterWidth = 6.0F;
constexpr float kLineHeight = 14.0F;
constexpr float kMarker = 3.0F;
constexpr PaletteColour kGrid = PaletteColour::LightGrey;
constexpr PaletteColour kEnvelope = PaletteColour::LightBlue;
constexpr PaletteColour kPlate = PaletteColour::White;
constexpr double kStep = 10.0;

// The product detector's theory at an input S/N, in dB.
std::optional<double> productTheory(const ParameterValues& setting, double inputDecibels) {
    const std::optional<ParameterValues> values = snrCurveValues(setting, inputDecibels);
    if (!values) {
        return std::nullopt;
    }
    const std::optional<double> ratio = noiseTheory(*values).audioRatio;
    return ratio ? std::optional(10.0 * std::log10(*ratio)) : std::nullopt;
}

// The audio's S/N from the tens below to the tens above the product
// detector's theory over the whole range, with room below for the envelope
// detector's fall, and whatever the points measured so far reach; the range
// grows only where a point would leave it.
struct Range {
    double low;
    double high;
};

Range audioRange(const std::vector<SnrPoint>& points, const ParameterValues& setting) {
    std::optional<double> low;
    std::optional<double> high;
    const auto include = [&low, &high](std::optional<double> value, double below, double above) {
        if (value) {
            low = std::min(low.value_or(*value - below), *value - below);
            high = std::max(high.value_or(*value + above), *value + above);
        }
    };
    include(productTheory(setting, kSnrCurveLowestDecibels), 5.0, 0.0);
    include(productTheory(setting, kSnrCurveHighestDecibels), 0.0, 1.0);
    for (const SnrPoint& point : points) {
        include(point.productDecibels, point.productSpreadDecibels, point.productSpreadDecibels);
        include(point.envelopeDecibels, point.envelopeSpreadDecibels, point.envelopeSpreadDecibels);
        include(point.envelopeTheoryDecibels, 0.0, 0.0);
    }
    if (!low || !high) {
        return {-30.0, 40.0};
    }
    return {kStep * std::floor(*low / kStep), kStep * std::ceil(*high / kStep)};
}

std::string decibelLabel(double decibels) {
    const long long whole = std::llround(decibels);
    return whole < 0 ? "\u2212" + std::to_string(-whole) : std::to_string(whole);
}

// Letters of a UTF-8 text, for its width.
float widthOf(const std::string& text) {
    const auto letters = std::count_if(text.begin(), text.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0U) != 0x80U;
    });
    return kLetterWidth * static_cast<float>(letters);
}

class Plot {
public:
    Plot(Canvas& canvas, Range range)
        : canvas_(canvas)
        , range_(range) {}

    float x(double input) const {
        const double share = (input - kSnrCurveLowestDecibels) /
                             (kSnrCurveHighestDecibels - kSnrCurveLowestDecibels);
        return kLeft + static_cast<float>(share) * (kRight - kLeft);
    }
    float y(double audio) const {
        const double share = (audio - range_.low) / (range_.high - range_.low);
        return kBottom - static_cast<float>(share) * (kBottom - kTop);
    }
    bool inside(double audio) const { return audio >= range_.low && audio <= range_.high; }
    double clamped(double audio) const { return std::clamp(audio, range_.low, range_.high); }

    void line(CanvasPoint from, CanvasPoint to, std::optional<PaletteColour> colour = {}) {
        requireDrawn(canvas_.line(from, to, colour));
    }
    void text(CanvasPoint at, const std::string& words, std::optional<PaletteColour> plate = {}) {
        canvas_.moveTo(at);
        requireDrawn(canvas_.print(words, plate));
    }

    void frame() {
        for (double input = kSnrCurveLowestDecibels; input <= kSnrCurveHighestDecibels;
             input += kStep) {
            const std::string label = decibelLabel(input);
            line({x(input), kTop}, {x(input), kBottom}, kGrid);
            text({x(input) - widthOf(label) / 2.0F, kBottom + 4.0F}, label);
        }
        for (double audio = range_.low; audio <= range_.high; audio += kStep) {
            const std::string label = decibelLabel(audio);
            line({kLeft, y(audio)}, {kRight, y(audio)}, kGrid);
            text({kLeft - 6.0F - widthOf(label), y(audio) - kLineHeight / 2.0F}, label);
        }
        line({kLeft, kTop}, {kRight, kTop});
        line({kRight, kTop}, {kRight, kBottom});
        line({kRight, kBottom}, {kLeft, kBottom});
        line({kLeft, kBottom}, {kLeft, kTop});
        const std::string input(catalogueText("snrCurve.inputAxis"));
        text({(kLeft + kRight - widthOf(input)) / 2.0F, kBottom + 22.0F}, input);
        text({kLeft - 40.0F, kTop - 20.0F}, std::string(catalogueText("snrCurve.audioAxis")));
    }

    // A theory as a line through its values, broken where it has none or
    // leaves the plot.
    template <class Value>
    void theory(const std::vector<double>& inputs, Value value,
                std::optional<PaletteColour> colour) {
        std::optional<CanvasPoint> last;
        for (const double input : inputs) {
            const std::optional<double> audio = value(input);
            if (!audio || !inside(*audio)) {
                last.reset();
                continue;
            }
            const CanvasPoint here{x(input), y(*audio)};
            if (last) {
                line(*last, here, colour);
            }
            last = here;
        }
    }

    // A point with its error bar, marked as a square or, for the envelope
    // detector, a cross.
    void measured(double input, const std::optional<double>& audio, double spread,
                  std::optional<PaletteColour> colour) {
        if (!audio || !inside(*audio)) {
            return;
        }
        const float at = x(input);
        const float low = y(clamped(*audio - spread));
        const float high = y(clamped(*audio + spread));
        line({at, low}, {at, high}, colour);
        line({at - 2.0F, low}, {at + 2.0F, low}, colour);
        line({at - 2.0F, high}, {at + 2.0F, high}, colour);
        marker({at, y(*audio)}, colour);
    }

    void marker(CanvasPoint at, std::optional<PaletteColour> colour) {
        const float m = kMarker;
        if (colour) {
            line({at.x - m, at.y - m}, {at.x + m, at.y + m}, colour);
            line({at.x - m, at.y + m}, {at.x + m, at.y - m}, colour);
            return;
        }
        line({at.x - m, at.y - m}, {at.x + m, at.y - m});
        line({at.x + m, at.y - m}, {at.x + m, at.y + m});
        line({at.x + m, at.y + m}, {at.x - m, at.y + m});
        line({at.x - m, at.y + m}, {at.x - m, at.y - m});
    }

    // The legend in the plot's upper left, which the curves leave free.
    void legend() {
        const float left = kLeft + 10.0F;
        float top = kTop + 8.0F;
        const auto entry = [&](TextKey words, std::optional<PaletteColour> colour, bool isTheory) {
            const float middle = top + kLineHeight / 2.0F;
            if (isTheory) {
                line({left, middle}, {left + 20.0F, middle}, colour);
            } else {
                marker({left + 10.0F, middle}, colour);
            }
            text({left + 26.0F, top}, std::string(catalogueText(words)), kPlate);
            top += kLineHeight;
        };
        entry("snrCurve.productMeasured", std::nullopt, false);
        entry("snrCurve.productTheory", std::nullopt, true);
        entry("snrCurve.envelopeMeasured", kEnvelope, false);
        entry("snrCurve.envelopeTheory", kEnvelope, true);
    }

private:
    Canvas& canvas_;
    Range range_;
};

// A setting's number with the separator: "0,3", "-45".
std::string numberText(double value, std::string_view separator) {
    std::string text = shortestText(value);
    const std::size_t point = text.find('.');
    if (point != std::string::npos) {
        text.replace(point, 1, separator);
    }
    return text;
}

} // namespace

std::string snrCurveCaption(const ParameterValues& setting, std::string_view decimalSeparator) {
    return filled("snrCurve.caption", {{"mode", modeOf(setting)},
                                       {"modulante", numberText(setting.mdl, decimalSeparator)},
                                       {"fase", numberText(setting.fase, decimalSeparator)}});
}

void drawSnrCurve(Canvas& canvas, const std::vector<SnrPoint>& points,
                  const ParameterValues& setting, std::string_view decimalSeparator) {
    requireDrawn(canvas.clear());
    Plot plot(canvas, audioRange(points, setting));
    plot.frame();
    std::vector<double> inputs;
    for (int input = kSnrCurveLowestDecibels; input <= kSnrCurveHighestDecibels; ++input) {
        inputs.push_back(input);
    }
    plot.theory(
        inputs, [&setting](double input) { return productTheory(setting, input); }, std::nullopt);
    plot.theory(
        inputs,
        [&points](double input) {
            const auto at = std::find_if(points.begin(), points.end(), [input](const SnrPoint& p) {
                return p.inputDecibels == input;
            });
            return at == points.end() ? std::nullopt : at->envelopeTheoryDecibels;
        },
        kEnvelope);
    for (const SnrPoint& point : points) {
        plot.measured(point.inputDecibels, point.productDecibels, point.productSpreadDecibels,
                      std::nullopt);
        plot.measured(point.inputDecibels, point.envelopeDecibels, point.envelopeSpreadDecibels,
                      kEnvelope);
    }
    plot.legend();
    plot.text({kLeft - 40.0F, 10.0F}, snrCurveCaption(setting, decimalSeparator));
}

} // namespace amsim
