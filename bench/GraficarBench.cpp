#include "app/DesignFonts.h"
#include "canvas/QtRasterCanvas.h"
#include "display/Graficar.h"
#include "params/BoxReader.h"

#include <QPainter>
#include <benchmark/benchmark.h>

namespace amsim {
namespace {

// The boxes as the window leaves them after loading, read through the same
// text conversion as the window's boxes; the envelope detector as asked.
BoxReader startValues(bool envelopeDetector = false) {
    return {[envelopeDetector](Parameter parameter) {
                if (parameter == Parameter::Envelope) {
                    return envelopeDetector ? "1" : "0";
                }
                return parameter == Parameter::Fase ? "0" : "1";
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
    std::optional<float> drawText(CanvasPoint /*topLeft*/, std::string_view /*text*/) override {
        return 13.0F;
    }
};

void GraficarOnRasterCanvas(benchmark::State& state) {
    QtRasterCanvas canvas(QSize(952, 700), windowFont(), Qt::black);
    BoxReader reader = startValues();
    for (auto _ : state) {
        Graficar(canvas, reader, WindowValues{});
        benchmark::DoNotOptimize(canvas.pixels().data());
    }
}
BENCHMARK(GraficarOnRasterCanvas)->Unit(benchmark::kMicrosecond);

// The same redraw with the envelope detector on: its trace and two lines more.
void GraficarWithEnvelopeDetector(benchmark::State& state) {
    QtRasterCanvas canvas(QSize(952, 700), windowFont(), Qt::black);
    BoxReader reader = startValues(true);
    for (auto _ : state) {
        Graficar(canvas, reader, WindowValues{});
        benchmark::DoNotOptimize(canvas.pixels().data());
    }
}
BENCHMARK(GraficarWithEnvelopeDetector)->Unit(benchmark::kMicrosecond);

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
    QtRasterCanvas canvas(QSize(952, 700), windowFont(), Qt::black);
    bool stepped = false;
    BoxReader reader(
        [&stepped](Parameter parameter) {
            if (parameter == Parameter::Vcc) {
                return stepped ? "0.8" : "1";
            }
            return parameter == Parameter::Fase ? "0" : "1";
        },
        NumberFormat{});
    QImage screen(952, 700, QImage::Format_ARGB32_Premultiplied);
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
