#pragma once

#include "canvas/Canvas.h"
#include "core/Error.h"
#include "core/Parameters.h"
#include "core/Results.h"
#include "core/WindowValues.h"
#include "signals/ChannelNoise.h"
#include "signals/Signals.h"
#include "signals/Sweep.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace amsim {

// One of the spectrum analyser's displays.
struct AnalyserDisplay;

// One call of Graficar: the working values of the redraw and its drawing
// steps. Each drawing step lives in the source file of the part of the bench
// it draws. Parameters are read when first used, so a bad text stops the
// redraw at the same place as reading it at every sample would.
class Redraw {
public:
    // reuseStill: put back the still part the canvas kept, when it kept it.
    Redraw(Canvas& canvas, ParameterReader& parameters, const WindowValues& window, double instant,
           bool reuseStill);

    void run();

private:
    // Generator and the three components of the balanced modulator.
    void TrazarGenerador();
    void TrazarPortadora();
    void TrazarBandaSuperior();
    void TrazarBandaInferior();
    // Receiver.
    void TrazarDetector();
    bool envelopeDetectorOn();
    void TrazarDetectorEnvolvente();
    // Transmitter.
    void TrazarSalida();
    bool envelopeCondition();
    void TrazarEnvolventeSuperior();
    void TrazarEnvolventeInferior();
    // The block diagram's name of the tone, when it is not the start's.
    void captionTones();

    // The spectra: the line spectra, or the analyser's measured ones.
    void markSpectra();
    bool analyserOn();
    void drawAnalyser();
    void drawAnalyserGrid(float baseline, int divisions);
    void drawAnalyserTrace(const AnalyserDisplay& display, const std::vector<double>& levels,
                           float shift, std::optional<PaletteColour> colour);
    // One spectral line: the baseline from (X0, Y0) and the line at index
    // Indice, Valor high.
    void MarcarEspectro(int X0, int Y0, int Indice, double Valor);
    // The same at any frequency, in kHz.
    void markSpectralLine(int X0, int Y0, double kilohertz, double Valor);
    // The detected audio's tones: one line at 1 kHz, or each sideband's.
    void markDetectedTones();
    double detectedToneAmplitude(double m);
    // The reinserted carrier's phase error at the bench's instant, degrees.
    double phaseNow();
    void markEnvelopeTones();
    void markEnvelopeComponents();
    void markEnvelopeLine(double kilohertz, double amplitude);
    // Scales: their lines beneath everything else, their labels on top.
    bool scalesOn();
    void drawScales();
    void drawGraticule();
    void drawTimeTicks();
    void drawSpectrumTicks();
    void labelScales();
    void labelTimes();
    void labelSensitivities();
    void labelSpectra();
    void labelNoiseFloor();
    void gridLine(CanvasPoint from, CanvasPoint to);
    void label(CanvasPoint topLeft, const std::string& text);
    // A spectral line at x from the baseline's y to the value's.
    void drawSpectralLine(float x, float from, float to);
    void markNoiseFloor();
    // The channel's noise on screen, made at its first use; none while the
    // ruido is 0.
    const ScreenNoise* channelNoise();

    // Drawing on the trace whose axis is at Eje. A signal is first sampled
    // across the screen and then drawn, so the arithmetic and the pixel work
    // each run in a loop of their own.
    struct Sample {
        double x;
        double value;
    };
    // A signal every `columns` columns of the screen, at its time x.
    template <class Signal> void sample(double columns, Signal&& signal);
    // A still signal at every fine sample, at its time within the signals'
    // common period; the samples that repeat are copied.
    template <class Signal> void sampleFine(Signal&& signal);
    FineSweep fineSweep() const;
    void drawAxis();
    void drawConnected(double scale);
    void drawPoints(double scale, std::optional<PaletteColour> colour = std::nullopt);
    float screenY(double value, double scale) const;
    // Where a column holds many samples: its two extremes, in the order they
    // came, at the column's own x.
    struct ColumnPeaks {
        float x;
        float first;
        float second;
    };
    std::vector<ColumnPeaks> columnPeaks(double scale) const;

    double read(Parameter parameter);
    void check(CanvasStatus status);
    void drawEverything();
    void drawStill();
    void readStill();
    std::vector<double> stillKey();
    bool restoreStill();

    Canvas& canvas_;
    ParameterReader& parameters_;
    std::vector<Sample> samples_;
    // What the envelope detector makes of the transmitter's output, when on.
    std::vector<double> envelopeAudio_;
    std::optional<ScreenNoise> noise_;
    Readings readings_{};

    const double instant_;
    const bool reuseStill_;
    const double Pi;
    const double Escala;
    const std::string decimalSeparator_;

    // The generator's tones and the time base, read with the still part of
    // the picture.
    Tones tones_;
    TimeBase timeBase_;
    int Eje = 0;
    DetectorSmoothing Smoothing;
};

template <class Signal> void Redraw::sample(double columns, Signal&& signal) {
    samples_.clear();
    sweep(timeBase_.columns(columns), timeBase_.lastTime(), [&](double x) {
        samples_.push_back({timeBase_.columnOf(x), signal(x)});
    });
}

template <class Signal> void Redraw::sampleFine(Signal&& signal) {
    samples_.clear();
    const FineSweep fine = fineSweep();
    fine.run([&](const FineTime& t) {
        const double value =
            fine.repeats(t.n) ? samples_[t.n - fine.period()].value : signal(t.within);
        samples_.push_back({timeBase_.columnOf(t.x), value});
    });
}

// Converts a computed coordinate to the canvas's single precision; a value
// that is not finite or does not fit is an overflow.
float toCanvasCoordinate(double value);

} // namespace amsim
