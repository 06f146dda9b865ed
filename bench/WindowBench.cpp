#include "app/Form1.h"

#include <QApplication>
#include <QPushButton>
#include <benchmark/benchmark.h>

namespace amsim {
namespace {

// A click on a step button as the user makes it: the handler, its redraw and
// the repaint of the window that the event loop then does. Up and down
// alternate, so the parameter stays where it started.
void ClickThroughWindow(benchmark::State& state) {
    Form1 form(QLocale::c());
    form.show();
    QApplication::processEvents();
    auto* up = form.findChild<QPushButton*>(QStringLiteral("VccSubir"));
    auto* down = form.findChild<QPushButton*>(QStringLiteral("VccBajar"));
    bool goUp = true;
    for (auto _ : state) {
        (goUp ? up : down)->click();
        QApplication::processEvents();
        goUp = !goUp;
    }
}
BENCHMARK(ClickThroughWindow)->Unit(benchmark::kMicrosecond);

// From building the window to its first picture on screen.
void StartUpToFirstPicture(benchmark::State& state) {
    for (auto _ : state) {
        Form1 form(QLocale::c());
        form.show();
        QApplication::processEvents();
        benchmark::DoNotOptimize(form.drawing().constBits());
    }
}
BENCHMARK(StartUpToFirstPicture)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace amsim
