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

    // Spectrum analyser.
    void markSpectra();
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
    template <class Signal> void sample(double step, Signal&& signal);
    void drawAxis();
    void drawConnected(double scale);
    void drawPoints(double scale, std::optional<PaletteColour> colour = std::nullopt);
    float screenY(double value, double scale) const;

    double read(Parameter parameter);
    void check(CanvasStatus status);
    void drawEverything();
    void drawStill();
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

    // The generator's tones, read with the still part of the picture.
    Tones tones_;
    int Eje = 0;
    DetectorSmoothing Smoothing;
};

template <class Signal> void Redraw::sample(double step, Signal&& signal) {
    samples_.clear();
    sweep(step, [&](double x) { samples_.push_back({x, signal(x)}); });
}

// Converts a computed coordinate to the canvas's single precision; a value
// that is not finite or does not fit is an overflow.
float toCanvasCoordinate(double value);

} // namespace amsim
