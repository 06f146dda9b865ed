// The spectrum analyser's three displays, in place of the line spectra while
// it is on: each the measured spectrum of its signal on the same frequency
// scale (10 pixels per kHz from 730), in dB at 10 dB a division over six
// divisions up from the baseline (four under the generator's, where the
// block diagram and the controls above leave less room). Each column shows the strongest bin it
// covers, as an analyser's detector does, so that a line reads its power
// however many bins share the column. The envelope detector's spectrum is
// drawn in light blue 2 pixels to the right, as its lines are.
#include "display/Redraw.h"
#include "signals/SpectrumAnalyser.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string>
#include <vector>

namespace amsim {

struct AnalyserDisplay {
    float baseline;
    int divisions;
    int referenceDbv; // the top line's level
    CanvasPoint labelAt;
    std::vector<double> AnalyserSpectra::*spectrum;
};

namespace {

constexpr float kLeft = 730.0F;
constexpr int kColumns = 220; // 0 to 22 kHz
constexpr double kHertzPerColumn = 100.0;
constexpr float kPixelsPerDecibel = 1.0F;
constexpr float kDivision = 10.0F;

// Each label under its display's top line, where the block diagram beneath
// and the window's controls above leave room.
const std::array<AnalyserDisplay, 3> kDisplays{{
    {100.0F, 4, 10, {762.0F, 62.0F}, &AnalyserSpectra::generator},
    {400.0F, 6, 0, {732.0F, 344.0F}, &AnalyserSpectra::received},
    {650.0F, 6, 0, {732.0F, 594.0F}, &AnalyserSpectra::audio},
}};

float heightOf(const AnalyserDisplay& display) {
    return static_cast<float>(display.divisions) * kDivision;
}

// The strongest bin of each column, in dBV.
std::vector<double> columnLevels(const AnalyserSpectra& spectra, const std::vector<double>& power) {
    std::vector<double> levels;
    for (int column = 0; column <= kColumns; ++column) {
        const double from = (column - 0.5) * kHertzPerColumn;
        const double to = (column + 0.5) * kHertzPerColumn;
        const auto first =
            static_cast<std::size_t>(std::max(0.0, std::ceil(from / spectra.binHertz)));
        const auto last =
            std::min(power.size(), static_cast<std::size_t>(std::ceil(to / spectra.binHertz)));
        double strongest = 0.0;
        for (std::size_t k = first; k < last; ++k) {
            strongest = std::max(strongest, power[k]);
        }
        levels.push_back(powerDbv(strongest));
    }
    return levels;
}

// A level's height on its display, held between the baseline and the top
// line as an analyser's screen holds it.
float levelY(const AnalyserDisplay& display, double dbv) {
    const double below = display.referenceDbv - dbv;
    const double clamped = std::clamp(below, 0.0, static_cast<double>(heightOf(display)));
    return display.baseline - heightOf(display) + static_cast<float>(clamped) * kPixelsPerDecibel;
}

} // namespace

bool Redraw::analyserOn() {
    return read(Parameter::Analizador) != 0.0;
}

void Redraw::drawAnalyser() {
    const AnalyserSpectra spectra =
        analyseSpectra(valuesOf([this](Parameter parameter) { return read(parameter); }), instant_);
    for (const AnalyserDisplay& display : kDisplays) {
        drawAnalyserGrid(display.baseline, display.divisions);
        drawAnalyserTrace(display, columnLevels(spectra, spectra.*display.spectrum), 0.0F,
                          std::nullopt);
    }
    if (spectra.envelope) {
        drawAnalyserTrace(kDisplays.back(), columnLevels(spectra, *spectra.envelope), 2.0F,
                          PaletteColour::LightBlue);
    }
    for (const AnalyserDisplay& display : kDisplays) {
        std::string text =
            (display.referenceDbv > 0 ? "+" : "") + std::to_string(display.referenceDbv) + " dBV";
        if (&display == &kDisplays.back()) {
            text +=
                ", 10 dB/div, RBW " + std::to_string(std::lround(spectra.resolutionHertz)) + " Hz";
        }
        label(display.labelAt, text);
    }
}

void Redraw::drawAnalyserGrid(float baseline, int divisions) {
    const float right = kLeft + static_cast<float>(kColumns);
    for (int division = 1; division <= divisions; ++division) {
        const float y = baseline - static_cast<float>(division) * kDivision;
        check(canvas_.line({kLeft, y}, {right, y}, PaletteColour::LightGrey));
    }
    check(canvas_.line({kLeft, baseline}, {right, baseline}));
}

void Redraw::drawAnalyserTrace(const AnalyserDisplay& display, const std::vector<double>& levels,
                               float shift, std::optional<PaletteColour> colour) {
    canvas_.moveTo({kLeft + shift, levelY(display, levels.front())});
    for (std::size_t column = 1; column < levels.size(); ++column) {
        const CanvasPoint to{kLeft + shift + static_cast<float>(column),
                             levelY(display, levels[column])};
        check(canvas_.line(canvas_.position(), to, colour));
    }
}

} // namespace amsim
