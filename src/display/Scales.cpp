// The scales a student reads the picture by. Their lines are drawn first, so
// that every trace and spectral line lies on top of them; their labels last,
// each on a white plate of its own, so that no trace crosses a label.
//
// Oscilloscope: a column of the graticule every 80 px is a division of the
// time base, 0.2 ms at the start (a pixel 2.5 us), so the 640 pixels are
// 1.6 ms there and 16 ms at 2 ms per division; the labels say which. A
// division is 30 px: one
// unit of a trace drawn at Escala, half a unit of the detector's, drawn at
// twice Escala. Each strip gets its rows at 1 and 2 divisions from its axis
// while they stay nearer to it than to the neighbouring axis.
//
// Spectra: index k stands at 730 + 10 k and is k kHz, so the ticks are 1 kHz
// apart; each display has one amplitude mark at its own volts per pixel. The
// transmitter's display ends at 22 kHz, inside the noise floor of both
// sidebands' filter and at the upper one's edge: with noise, the floor's band
// is labelled with its edges.
#include "display/Redraw.h"
#include "texts/Catalogue.h"
#include "signals/ChannelNoise.h"

#include <array>
#include <cmath>
#include <string>

namespace amsim {

namespace {

constexpr PaletteColour kGridColour = PaletteColour::LightGrey;

constexpr float kGridLeft = 0.0F;
constexpr float kGridRight = 640.0F;
constexpr float kGridTop = 20.0F; // below the title strip
constexpr float kGridBottom = 660.0F;
constexpr float kDivision = 30.0F;
constexpr float kColumnWidth = 80.0F;

struct Strip {
    float axis;
    int axisScale; // multiples of Escala the trace is drawn at
};
constexpr std::array<Strip, 6> kStrips{
    {{80.0F, 1}, {145.0F, 1}, {230.0F, 1}, {305.0F, 1}, {415.0F, 1}, {600.0F, 2}}};

// Where a strip's scale ends on one side: halfway to the neighbouring axis,
// or at the graticule's edge.
float roomAbove(std::size_t strip) {
    return strip == 0 ? kStrips.at(0).axis - kGridTop
                      : (kStrips.at(strip).axis - kStrips.at(strip - 1).axis) / 2.0F;
}

float roomBelow(std::size_t strip) {
    return strip + 1 == kStrips.size()
               ? kGridBottom - kStrips.at(strip).axis
               : (kStrips.at(strip + 1).axis - kStrips.at(strip).axis) / 2.0F;
}

// A number of tenths in the regional notation: "0", "0,4", "1", "1,6".
std::string tenthsText(int tenths, const std::string& separator) {
    std::string text = std::to_string(tenths / 10);
    if (tenths % 10 != 0) {
        text += separator + std::to_string(tenths % 10);
    }
    return text;
}

// A time in the regional notation, to the microsecond: "0", "0,4", "12".
std::string millisecondsText(double milliseconds, const std::string& separator) {
    const long long thousandths = std::llround(milliseconds * 1000.0);
    std::string fraction = std::to_string(1000 + thousandths % 1000).substr(1);
    while (!fraction.empty() && fraction.back() == '0') {
        fraction.pop_back();
    }
    const std::string whole = std::to_string(thousandths / 1000);
    return fraction.empty() ? whole : whole + separator + fraction;
}

struct SpectrumScale {
    float baseline;
    int pixelsPerVolt; // the display's own, as its lines are drawn
    int markTenths;    // the amplitude marked, in tenths of a volt
    bool zeroLabelled; // under the audio display's 0 the picture has its caption
};
constexpr std::array<SpectrumScale, 3> kSpectrumScales{
    {{100.0F, 20, 10, true}, {400.0F, 40, 10, true}, {650.0F, 80, 5, false}}};

constexpr float kSpectrumLeft = 730.0F;
constexpr int kSpectrumTicks = 22; // 0 to 22 kHz, to the baseline's right end
constexpr float kMarkEnd = 760.0F; // the amplitude mark crosses the first lines

constexpr PaletteColour kPlate = PaletteColour::White;
// Under the transmitter's display, below its frequencies, where the floor lies.
constexpr CanvasPoint kFloorLabel{890.0F, 419.0F};

// The picture's caption under the detected-audio display ("salida detector
// de producto"): the rows and columns kept clear, a pixel around its letters.
// Its right end follows its words in the block diagram of each language.
constexpr float kCaptionLeft = 722.0F;
constexpr float kCaptionTop = 654.0F;
constexpr float kCaptionBottom = 680.0F;

float captionRight() {
    constexpr float kSpanishRight = 794.0F;
    constexpr float kEnglishRight = 802.0F; // "product detector"
    return languageInUse() == "en" ? kEnglishRight : kSpanishRight;
}

} // namespace

bool Redraw::scalesOn() {
    // Never part of any arithmetic, so never the value an overflow names.
    return parameters_.read(Parameter::Escalas) != 0.0;
}

void Redraw::drawScales() {
    drawGraticule();
    drawTimeTicks();
    drawSpectrumTicks();
}

void Redraw::labelScales() {
    labelTimes();
    labelSensitivities();
    labelSpectra();
    labelNoiseFloor();
}

void Redraw::label(CanvasPoint topLeft, const std::string& text) {
    canvas_.moveTo(topLeft);
    check(canvas_.print(text, kPlate));
}

void Redraw::gridLine(CanvasPoint from, CanvasPoint to) {
    check(canvas_.line(from, to, kGridColour));
}

void Redraw::drawGraticule() {
    for (int column = 0; static_cast<float>(column) * kColumnWidth <= kGridRight; ++column) {
        const float x = kGridLeft + static_cast<float>(column) * kColumnWidth;
        gridLine({x, kGridTop}, {x, kGridBottom});
    }
    for (std::size_t strip = 0; strip < kStrips.size(); ++strip) {
        for (const float rows : {1.0F, 2.0F}) {
            const float offset = rows * kDivision;
            const float axis = kStrips.at(strip).axis;
            if (offset <= roomAbove(strip)) {
                gridLine({kGridLeft, axis - offset}, {kGridRight, axis - offset});
            }
            if (offset <= roomBelow(strip)) {
                gridLine({kGridLeft, axis + offset}, {kGridRight, axis + offset});
            }
        }
    }
}

namespace {

// Under the lowest trace, every other column: 0, 0,4 … 1,6 ms at the start.
constexpr int kLabelledColumns = 2;

float labelledColumn(int n) {
    return static_cast<float>(n * kLabelledColumns) * kColumnWidth;
}

} // namespace

void Redraw::drawTimeTicks() {
    constexpr float kTickEnd = kGridBottom + 4.0F;
    for (int n = 0; labelledColumn(n) <= kGridRight; ++n) {
        gridLine({labelledColumn(n), kGridBottom}, {labelledColumn(n), kTickEnd});
    }
}

// Each label just right of its tick, the last one left of it, inside the
// graticule.
void Redraw::labelTimes() {
    constexpr float kLabelTop = kGridBottom + 5.0F;
    constexpr float kLastLabelLeft = kGridRight - 40.0F;
    for (int n = 0; labelledColumn(n) <= kGridRight; ++n) {
        const float x = labelledColumn(n);
        const double milliseconds =
            timeBase_.columns(static_cast<double>(x)) / kColumnsPerMillisecond;
        // A hidden time base is what the student is to find.
        const std::string number = parameters_.conceals(Parameter::Base)
                                       ? std::string("?")
                                       : millisecondsText(milliseconds, decimalSeparator_);
        if (x < kGridRight) {
            label({x + 2.0F, kLabelTop}, number);
        } else {
            label({kLastLabelLeft, kLabelTop}, number + " ms");
        }
    }
}

// At each strip's right end, just below its axis: a division in volts.
void Redraw::labelSensitivities() {
    constexpr float kLabelLeft = kGridRight - 52.0F;
    for (const Strip& strip : kStrips) {
        const double voltsPerDivision = static_cast<double>(kDivision) / (Escala * strip.axisScale);
        const auto tenths = static_cast<int>(std::lround(voltsPerDivision * 10.0));
        label({kLabelLeft, strip.axis + 2.0F}, tenthsText(tenths, decimalSeparator_) + " V/div");
    }
}

namespace {

float markHeight(const SpectrumScale& scale) {
    return scale.baseline - static_cast<float>(scale.pixelsPerVolt * scale.markTenths) / 10.0F;
}

} // namespace

// Ticks below each baseline every kHz, longer every 10 kHz; the amplitude
// mark a light line at its height.
void Redraw::drawSpectrumTicks() {
    for (const SpectrumScale& scale : kSpectrumScales) {
        const float y0 = scale.baseline;
        for (int k = 0; k <= kSpectrumTicks; ++k) {
            const float x = kSpectrumLeft + 10.0F * static_cast<float>(k);
            check(canvas_.line({x, y0 + 1.0F}, {x, y0 + (k % 10 == 0 ? 5.0F : 2.0F)}));
        }
        if (!analyserOn()) {
            gridLine({kSpectrumLeft, markHeight(scale)}, {kMarkEnd, markHeight(scale)});
        }
    }
}

// The long ticks labelled, the unit with the first label; the amplitude
// mark's value beside it.
void Redraw::labelSpectra() {
    for (const SpectrumScale& scale : kSpectrumScales) {
        const float y0 = scale.baseline;
        if (scale.zeroLabelled) {
            label({kSpectrumLeft - 2.0F, y0 + 6.0F}, "0 kHz");
        }
        label({kSpectrumLeft + 94.0F, y0 + 6.0F}, scale.zeroLabelled ? "10" : "10 kHz");
        label({kSpectrumLeft + 194.0F, y0 + 6.0F}, "20");
        if (!analyserOn()) {
            label({kMarkEnd + 2.0F, markHeight(scale) - 6.0F},
                  tenthsText(scale.markTenths, decimalSeparator_) + " V");
        }
    }
}

// "17–23 kHz": the floor's band, which the display shows only up to 22 kHz;
// none while a sideband's switch is hidden, which the band would tell.
void Redraw::labelNoiseFloor() {
    if (read(Parameter::Ruido) == 0.0 || parameters_.conceals(Parameter::BliSiNo) ||
        parameters_.conceals(Parameter::BlsSiNo)) {
        return;
    }
    const BandEdges edges =
        receiverBandEdges(receiverBandOf(read(Parameter::BliSiNo), read(Parameter::BlsSiNo)));
    label(kFloorLabel,
          std::to_string(edges.lowKilohertz) + "–" + std::to_string(edges.highKilohertz) + " kHz");
}

// With the scales on, a spectral line that runs down through the picture's
// caption passes behind it, so that both stay readable; its end still shows
// its length.
void Redraw::drawSpectralLine(float x, float from, float to) {
    const bool behindCaption = x >= kCaptionLeft && x <= captionRight() && to >= kCaptionTop &&
                               from <= kCaptionBottom && scalesOn();
    if (!behindCaption) {
        check(canvas_.line({x, from}, {x, to}));
        return;
    }
    if (from < kCaptionTop) {
        check(canvas_.line({x, from}, {x, kCaptionTop - 1.0F}));
    }
    if (to > kCaptionBottom) {
        check(canvas_.line({x, kCaptionBottom + 1.0F}, {x, to}));
    }
}

} // namespace amsim
