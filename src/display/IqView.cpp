// The I/Q view: the complex plane of the received signal's envelope about
// the carrier, I to the right and Q up, at 40 px a division of a 1-2-5 volt
// step that holds the carrier, the trajectory and two standard deviations of
// the noise within four divisions of the centre.
//
// The product detector's audio is the projection of the envelope on its axis,
// e^(i phi): at 90° in DSB the trajectory lies across it and nothing comes
// out. The envelope detector gives the distance from the origin: about the
// carrier's circle it follows the modulation while the trajectory stays on
// the carrier's side, and without a carrier it has no circle to follow.
#include "display/IqView.h"

#include "core/ParameterValues.h"
#include "display/DrawingStatus.h"
#include "display/Redraw.h"
#include "signals/ComplexEnvelope.h"
#include "signals/Sine.h"
#include "signals/Sweep.h"
#include "texts/Catalogue.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <numeric>
#include <string>

namespace amsim {

namespace {

using Complex = ComplexEnvelope::Complex;

constexpr float kCentreX = 240.0F;
constexpr float kCentreY = 196.0F;
constexpr float kDivision = 32.0F;
constexpr int kDivisions = 5; // each side of the centre
constexpr float kHalf = kDivision * kDivisions;
// What the scale's step leaves within: half a division short of the edge.
constexpr double kFilledDivisions = kDivisions - 0.5;
constexpr float kLegendTop = 362.0F;
constexpr float kLegendLine = 16.0F;
constexpr float kSwatchLeft = 12.0F;
constexpr float kSwatchRight = 32.0F;
constexpr float kLegendText = 38.0F;
constexpr int kCircleSegments = 120;

constexpr PaletteColour kGridColour = PaletteColour::LightGrey;
constexpr PaletteColour kAxisColour = PaletteColour::DarkGrey;
constexpr PaletteColour kCarrierColour = PaletteColour::Black;
constexpr PaletteColour kTrajectoryColour = PaletteColour::Red;
constexpr PaletteColour kNoiseColour = PaletteColour::DarkGrey;
constexpr PaletteColour kDetectorColour = PaletteColour::Green;
constexpr PaletteColour kDetectorEndColour = PaletteColour::LightGreen;
constexpr PaletteColour kEnvelopeColour = PaletteColour::LightBlue;

// A number as the catalogue writes it, to three significant figures.
std::string numberText(double value) {
    std::array<char, 32> buffer{};
    std::snprintf(buffer.data(), buffer.size(), "%.3g", value);
    std::string text(buffer.data());
    const std::size_t point = text.find('.');
    if (point != std::string::npos) {
        text.replace(point, 1, catalogueText("number.decimalSeparator"));
    }
    return text;
}

// An angle in degrees as a student reads it, within -180 to 180.
double withinHalfATurn(double degrees) {
    const double reduced = std::remainder(degrees, 360.0);
    return reduced == -180.0 ? 180.0 : reduced;
}

// The least step of 1, 2 or 5 times a power of ten that is at least `least`.
double niceStep(double least) {
    if (!(least > 0.0)) {
        return 0.5;
    }
    const double decade = std::pow(10.0, std::floor(std::log10(least)));
    constexpr std::array<double, 4> kFactors{1.0, 2.0, 5.0, 10.0};
    const auto* const factor = std::find_if(kFactors.begin(), kFactors.end(),
                                            [&](double f) { return f * decade >= least; });
    return (factor == kFactors.end() ? 10.0 : *factor) * decade;
}

double largestMagnitude(const std::vector<Complex>& points) {
    double largest = 0.0;
    for (const Complex& p : points) {
        largest = std::max(largest, std::abs(p));
    }
    return largest;
}

// Two standard deviations of the noise's spread about the clean envelope.
double noiseSpread(const ComplexEnvelope& envelope) {
    if (envelope.cloud.empty()) {
        return 0.0;
    }
    const double power =
        std::accumulate(envelope.cloud.begin(), envelope.cloud.end(), 0.0,
                        [&envelope](double sum, const ComplexEnvelope::CloudPoint& p) {
                            return sum + std::norm(p.value - envelope.trajectory[p.sample]);
                        });
    return 2.0 * std::sqrt(power / static_cast<double>(envelope.cloud.size()));
}

class IqPicture {
public:
    // The values it would print of hidden boxes print "?": the carrier's
    // size while V(cc) is hidden, the axis's angle while the phase or the
    // frequency error is.
    struct Concealed {
        bool carrier = false;
        bool axis = false;
    };

    IqPicture(Canvas& canvas, const ComplexEnvelope& envelope, double spanMilliseconds,
              Concealed concealed)
        : canvas_(canvas)
        , envelope_(envelope)
        , spanMilliseconds_(spanMilliseconds)
        , concealed_(concealed)
        , voltsPerDivision_(
              niceStep(std::max({std::abs(envelope.carrier), largestMagnitude(envelope.trajectory),
                                 std::abs(envelope.carrier) + noiseSpread(envelope)}) /
                       kFilledDivisions)) {}

    void draw() {
        requireDrawn(canvas_.clear());
        drawGrid();
        drawNoise();
        drawEnvelopeCircle();
        drawDetectorAxes();
        drawTrajectory();
        drawCarrier();
        drawLabels();
        drawLegend();
    }

private:
    CanvasPoint at(Complex v) const {
        const double pixelsPerVolt = static_cast<double>(kDivision) / voltsPerDivision_;
        return {toCanvasCoordinate(static_cast<double>(kCentreX) + pixelsPerVolt * v.real()),
                toCanvasCoordinate(static_cast<double>(kCentreY) - pixelsPerVolt * v.imag())};
    }

    void text(CanvasPoint topLeft, const std::string& words) {
        canvas_.moveTo(topLeft);
        requireDrawn(canvas_.print(words, PaletteColour::White));
    }

    void drawGrid() {
        for (int i = -kDivisions; i <= kDivisions; ++i) {
            const float offset = static_cast<float>(i) * kDivision;
            const PaletteColour colour = i == 0 ? kAxisColour : kGridColour;
            requireDrawn(canvas_.line({kCentreX - kHalf, kCentreY + offset},
                                      {kCentreX + kHalf, kCentreY + offset}, colour));
            requireDrawn(canvas_.line({kCentreX + offset, kCentreY - kHalf},
                                      {kCentreX + offset, kCentreY + kHalf}, colour));
        }
    }

    void drawNoise() {
        for (const ComplexEnvelope::CloudPoint& p : envelope_.cloud) {
            requireDrawn(canvas_.point(at(p.value), kNoiseColour));
        }
    }

    void drawEnvelopeCircle() {
        const double radius = std::abs(envelope_.carrier);
        if (radius == 0.0) {
            return;
        }
        const double step = 2.0 * std::atan(1.0) * 4.0 / kCircleSegments;
        canvas_.moveTo(at({radius, 0.0}));
        for (int k = 1; k <= kCircleSegments; ++k) {
            const double angle = step * k;
            const CanvasPoint to = at({radius * cosine(angle), radius * sine(angle)});
            requireDrawn(canvas_.line(canvas_.position(), to, kEnvelopeColour));
        }
    }

    // A line through the origin across the plot at the given angle, degrees.
    void axisLine(double degrees, PaletteColour colour) {
        const double radians = degrees * std::atan(1.0) / 45.0;
        const Complex reach = std::polar(voltsPerDivision_ * kDivisions, radians);
        requireDrawn(canvas_.line(at(-reach), at(reach), colour));
    }

    // Where the carrier drifts, the axis at the screen's end too and the arc
    // it swept, near the plot's edge.
    void drawDetectorAxes() {
        const double turned = envelope_.axisAtEnd - envelope_.axisAtStart;
        if (std::fabs(turned) >= kLeastShownTurn) {
            const double swept = std::clamp(turned, -360.0, 360.0);
            const int segments = std::max(2, static_cast<int>(std::fabs(swept) / 3.0));
            const double radius = voltsPerDivision_ * (kDivisions - 0.5);
            const double start = envelope_.axisAtStart * std::atan(1.0) / 45.0;
            const double step = swept * std::atan(1.0) / 45.0 / segments;
            canvas_.moveTo(at(std::polar(radius, start)));
            for (int k = 1; k <= segments; ++k) {
                requireDrawn(canvas_.line(canvas_.position(),
                                          at(std::polar(radius, start + step * k)),
                                          kDetectorEndColour));
            }
            axisLine(envelope_.axisAtEnd, kDetectorEndColour);
        }
        axisLine(envelope_.axisAtStart, kDetectorColour);
    }

    void drawTrajectory() {
        if (envelope_.trajectory.empty()) {
            return;
        }
        canvas_.moveTo(at(envelope_.trajectory.front()));
        for (const Complex& p : envelope_.trajectory) {
            requireDrawn(canvas_.line(canvas_.position(), at(p), kTrajectoryColour));
        }
    }

    void drawCarrier() {
        const Complex tip = envelope_.carrier;
        if (tip == Complex()) {
            return;
        }
        requireDrawn(canvas_.line(at({}), at(tip), kCarrierColour));
        // The arrow's head: two strokes of 8 px back from the tip.
        const CanvasPoint end = at(tip);
        const float direction = tip.real() >= 0.0 ? -1.0F : 1.0F;
        requireDrawn(canvas_.line(end, {end.x + direction * 8.0F, end.y - 4.0F}, kCarrierColour));
        requireDrawn(canvas_.line(end, {end.x + direction * 8.0F, end.y + 4.0F}, kCarrierColour));
    }

    void drawLabels() {
        text({kCentreX + kHalf + 4.0F, kCentreY - 7.0F}, std::string(catalogueText("iqView.i")));
        text({kCentreX + 4.0F, kCentreY - kHalf - 16.0F}, std::string(catalogueText("iqView.q")));
        text({kCentreX - kHalf, kCentreY - kHalf - 16.0F},
             filled("iqView.scale", {{"volts", numberText(voltsPerDivision_)}}));
        text({4.0F, 2.0F}, std::string(catalogueText("iqView.title")));
    }

    // The side frequencies' largest projection on the detector's axis at the
    // screen's start, to the millivolt: 0 in DSB at 90°.
    double projectionPeak() const {
        const Complex turn = std::polar(1.0, -envelope_.axisAtStart * std::atan(1.0) / 45.0);
        double peak = 0.0;
        for (const Complex& p : envelope_.trajectory) {
            peak = std::max(peak, std::fabs(((p - envelope_.carrier) * turn).real()));
        }
        return std::round(peak * 1000.0) / 1000.0;
    }

    void legendLine(int row, std::optional<PaletteColour> swatch, const std::string& words) {
        const float y = kLegendTop + kLegendLine * static_cast<float>(row);
        if (swatch) {
            requireDrawn(canvas_.line({kSwatchLeft, y + 7.0F}, {kSwatchRight, y + 7.0F}, *swatch));
        }
        text({kLegendText, y}, words);
    }

    void drawLegend() {
        int row = 0;
        legendLine(
            row++, kCarrierColour,
            filled("iqView.legend.carrier",
                   {{"volts", shownUnless(concealed_.carrier, std::abs(envelope_.carrier))}}));
        legendLine(
            row++, kTrajectoryColour,
            filled("iqView.legend.trajectory", {{"milliseconds", numberText(spanMilliseconds_)}}));
        if (!envelope_.cloud.empty()) {
            legendLine(
                row++, kNoiseColour,
                filled("iqView.legend.noise", {{"sweeps", std::to_string(kPersistentSweeps)}}));
        }
        const double turned = envelope_.axisAtEnd - envelope_.axisAtStart;
        legendLine(
            row++, kDetectorColour,
            std::fabs(turned) >= kLeastShownTurn
                ? filled("iqView.legend.detectorTurning",
                         {{"start",
                           shownUnless(concealed_.axis, withinHalfATurn(envelope_.axisAtStart))},
                          {"turn", shownUnless(concealed_.axis, turned)}})
                : filled("iqView.legend.detector",
                         {{"degrees",
                           shownUnless(concealed_.axis, withinHalfATurn(envelope_.axisAtStart))}}));
        legendLine(row++, std::nullopt,
                   filled("iqView.legend.projection", {{"volts", numberText(projectionPeak())}}));
        if (std::abs(envelope_.carrier) != 0.0) {
            legendLine(row++, kEnvelopeColour,
                       std::string(catalogueText("iqView.legend.envelope")));
            legendLine(row, std::nullopt, std::string(catalogueText("iqView.legend.envelopeWhy")));
        } else {
            legendLine(row, kEnvelopeColour,
                       std::string(catalogueText("iqView.legend.noEnvelope")));
        }
    }

    static std::string shownUnless(bool concealed, double value) {
        return concealed ? "?" : numberText(value);
    }

    // A turn of the axis across the screen smaller than this is not drawn.
    static constexpr double kLeastShownTurn = 0.5;

    Canvas& canvas_;
    const ComplexEnvelope& envelope_;
    double spanMilliseconds_;
    Concealed concealed_;
    double voltsPerDivision_;
};

} // namespace

void drawIqView(Canvas& canvas, ParameterReader& parameters, double instant) {
    const ParameterValues values =
        valuesOf([&parameters](Parameter parameter) { return parameters.read(parameter); });
    const TimeBase base = TimeBase::ofMillisecondsPerDivision(parameters.read(Parameter::Base));
    const ComplexEnvelope envelope = complexEnvelope(values, base, instant);
    const IqPicture::Concealed concealed{parameters.conceals(Parameter::Vcc),
                                         parameters.conceals(Parameter::Fase) ||
                                             parameters.conceals(Parameter::Df)};
    IqPicture(canvas, envelope, base.lastTime() / kColumnsPerMillisecond, concealed).draw();
}

} // namespace amsim
