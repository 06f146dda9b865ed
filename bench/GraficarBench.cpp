#include "app/DesignFonts.h"
#include "core/ParameterTable.h"
#include "display/Graficar.h"
#include "params/BoxReader.h"
#include "qtcanvas/QtRasterCanvas.h"
#include "signals/Sweep.h"

#include <QPainter>
#include <benchmark/benchmark.h>
#include <cmath>
#include <string>

namespace amsim {
namespace {

// The boxes as the window leaves them after loading, read through the same
// text conversion as the window's boxes; the envelope detector, the noise,
// the scales and the time base as asked.
BoxReader startValues(bool envelopeDetector = false, const char* ruido = "0", bool scales = false,
                      const char* base = "0.2") {
    return {[envelopeDetector, ruido, scales, base](Parameter parameter) -> std::string {
                switch (parameter) {
                case Parameter::Envelope:
                    return envelopeDetector ? "1" : "0";
                case Parameter::Ruido:
                    return ruido;
                case Parameter::Escalas:
                    return scales ? "1" : "0";
                case Parameter::Base:
                    return base;
                default:
                    return std::string(rowOf(parameter).start);
                }
            },
            NumberFormat{}};
}

// Accepts every operation and draws nothing: what is left is the computing.
class NullCanvas : public Canvas {
protected:
    CanvasStatus fillBackground() override { return CanvasStatus::Ok; }
    CanvasStatus drawLine(CanvasPoint /*from*/, CanvasPoint /*to*/,
                          std::optional<PaletteColour> /*colour*/) override {
        return CanvasStatus::Ok;
    }
    CanvasStatus drawPoint(CanvasPoint /*at*/, std::optional<PaletteColour> /*colour*/) override {
        return CanvasStatus::Ok;
    }
    std::optional<float> drawText(CanvasPoint /*topLeft*/, std::string_view /*text*/,
                                  std::optional<PaletteColour> /*plate*/) override {
        return 13.0F;
    }
};

// One full redraw at the start values, on the window's canvas at the given
// device pixel ratio, the envelope detector and the scales as asked.
// Its loop over the state is what runs the benchmark, so the state stays
// non-const, as in the callbacks the library calls.
// cppcheck-suppress constParameter
void timeRedraw(benchmark::State& state, double scale, bool envelopeDetector,
                const char* ruido = "0", bool scales = false, const char* base = "0.2") {
    QtRasterCanvas canvas(QSize(kDrawingWidth, kDrawingHeight), windowFont(), Qt::black, scale);
    BoxReader reader = startValues(envelopeDetector, ruido, scales, base);
    for (auto _ : state) {
        Graficar(canvas, reader, WindowValues{});
        benchmark::DoNotOptimize(canvas.pixels().data());
    }
}

void GraficarOnRasterCanvas(benchmark::State& state) {
    timeRedraw(state, 1.0, false);
}
BENCHMARK(GraficarOnRasterCanvas)->Unit(benchmark::kMicrosecond);

// Four times the pixels, lines and points two pixels thick.
void GraficarAtTwiceTheResolution(benchmark::State& state) {
    timeRedraw(state, 2.0, false);
}
BENCHMARK(GraficarAtTwiceTheResolution)->Unit(benchmark::kMicrosecond);

// Its trace and two spectral lines more.
void GraficarWithEnvelopeDetector(benchmark::State& state) {
    timeRedraw(state, 1.0, true);
}
BENCHMARK(GraficarWithEnvelopeDetector)->Unit(benchmark::kMicrosecond);

// The graticule, the spectra's ticks and some twenty labels more.
void GraficarWithScales(benchmark::State& state) {
    timeRedraw(state, 1.0, false, "0", true);
}
BENCHMARK(GraficarWithScales)->Unit(benchmark::kMicrosecond);

// The channel's noise on both detectors and the filter's floor.
void GraficarWithNoise(benchmark::State& state) {
    timeRedraw(state, 1.0, true, "0.1");
}
BENCHMARK(GraficarWithNoise)->Unit(benchmark::kMicrosecond);

// Ten times the time on screen: sixteen tone periods, each column drawn
// through its extremes. It must cost no more than three redraws at the start.
void GraficarAtTwoMillisecondsADivision(benchmark::State& state) {
    timeRedraw(state, 1.0, false, "0", false, "2");
}
BENCHMARK(GraficarAtTwoMillisecondsADivision)->Unit(benchmark::kMicrosecond);

// The same with the envelope detector and the noise, whose samples do not
// repeat.
void GraficarAtTwoMillisecondsWithNoise(benchmark::State& state) {
    timeRedraw(state, 1.0, true, "0.1", false, "2");
}
BENCHMARK(GraficarAtTwoMillisecondsWithNoise)->Unit(benchmark::kMicrosecond);

// Live, with the analyser on, in noise, with the envelope detector: a frame
// at 60 a second, each a sixtieth later, so that every ninth frame ends a
// record of 150 ms that the analyser must transform.
void GraficarWithTheAnalyserRunning(benchmark::State& state) {
    QtRasterCanvas canvas(QSize(kDrawingWidth, kDrawingHeight), windowFont(), Qt::black, 1.0);
    const auto text = [](Parameter parameter) -> std::string {
        switch (parameter) {
        case Parameter::Analizador:
        case Parameter::Envelope:
            return "1";
        case Parameter::Ruido:
            return "0.1";
        default:
            return std::string(rowOf(parameter).start);
        }
    };
    BoxReader reader(text, NumberFormat{});
    double instant = 10.0;
    Graficar(canvas, reader, WindowValues{}, instant);
    for (auto _ : state) {
        instant += 1.0 / 60.0;
        GraficarFrame(canvas, reader, WindowValues{}, instant);
        benchmark::DoNotOptimize(canvas.pixels().data());
    }
}
BENCHMARK(GraficarWithTheAnalyserRunning)->Unit(benchmark::kMicrosecond);

// The pure computing floor: only the sines and cosines that one redraw
// takes, at the arguments it takes them at, and nothing else.
void SinesAndCosinesOfARedraw(benchmark::State& state) {
    const double pi = 4.0 * std::atan(1.0);
    const auto each = [pi](double step, double factor, bool cosine, double& sum) {
        sweep(step, [&](double x) {
            sum += cosine ? std::cos(x * pi * factor) : std::sin(x * pi * factor);
        });
    };
    for (auto _ : state) {
        double sum = 0.0;
        each(kColumnStep, 0.005, false, sum);   // generator
        each(kFineStep, 0.1, false, sum);       // carrier
        each(kFineStep, 0.105, true, sum);      // upper side
        each(kFineStep, 0.095, true, sum);      // lower side
        for (int pass = 0; pass < 2; ++pass) {  // detector, twice
            each(kFineStep, 0.1, true, sum);    //   reinserted carrier
            each(kFineStep, 0.095, false, sum); //   received signal
            each(kFineStep, 0.105, false, sum);
            each(kFineStep, 0.1, false, sum);
        }
        each(kFineStep, 0.095, true, sum); // transmitter
        each(kFineStep, 0.105, true, sum);
        each(kFineStep, 0.1, false, sum);
        each(kEnvelopeStep, 0.005, false, sum); // envelope, twice
        each(kEnvelopeStep, 0.005, false, sum);
        benchmark::DoNotOptimize(sum);
    }
    const auto samples = [](double step) {
        int count = 0;
        sweep(step, [&count](double /*x*/) { ++count; });
        return count;
    };
    state.counters["calls"] =
        samples(kColumnStep) + 14 * samples(kFineStep) + 2 * samples(kEnvelopeStep);
}
BENCHMARK(SinesAndCosinesOfARedraw)->Unit(benchmark::kMicrosecond);

void GraficarComputingFloor(benchmark::State& state) {
    NullCanvas canvas;
    BoxReader reader = startValues();
    for (auto _ : state) {
        Graficar(canvas, reader, WindowValues{});
        benchmark::ClobberMemory();
    }
}
BENCHMARK(GraficarComputingFloor)->Unit(benchmark::kMicrosecond);

// A redraw as the window shows it, the counterpart of a redraw in the page:
// Graficar on the window's canvas, its pixels then painted onto a window-sized
// backing store as the canvas view paints them. V(cc) alternates between 1 and
// 0.8, as in the page's benchmark, so every redraw changes the picture.
void RedrawOnScreen(benchmark::State& state) {
    QtRasterCanvas canvas(QSize(kDrawingWidth, kDrawingHeight), windowFont(), Qt::black);
    bool stepped = false;
    BoxReader reader(
        [&stepped](Parameter parameter) {
            if (parameter == Parameter::Vcc) {
                return stepped ? "0.8" : "1";
            }
            return parameter == Parameter::Fase || parameter == Parameter::Ruido ||
                           parameter == Parameter::Escalas
                       ? "0"
                       : "1";
        },
        NumberFormat{});
    QImage screen(kDrawingWidth, kDrawingHeight, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        stepped = !stepped;
        Graficar(canvas, reader, WindowValues{});
        QPainter painter(&screen);
        painter.drawImage(0, 0, canvas.image());
    }
    benchmark::DoNotOptimize(screen.constBits());
}
BENCHMARK(RedrawOnScreen)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace amsim
