#include "app/DesignFonts.h"
#include "canvas/QtRasterCanvas.h"
#include "display/Graficar.h"
#include "params/BoxReader.h"

#include <benchmark/benchmark.h>

namespace amsim {
namespace {

// The boxes as the window leaves them after loading, read through the same
// text conversion as the window's boxes.
BoxReader startValues() {
    return {[](Parameter parameter) { return parameter == Parameter::Fase ? "0" : "1"; },
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

void GraficarComputingFloor(benchmark::State& state) {
    NullCanvas canvas;
    BoxReader reader = startValues();
    for (auto _ : state) {
        Graficar(canvas, reader, WindowValues{});
        benchmark::ClobberMemory();
    }
}
BENCHMARK(GraficarComputingFloor)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace amsim
