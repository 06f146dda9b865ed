#include "cli/Measurements.h"

#include "app/DesignFonts.h"
#include "app/LocaleFormat.h"
#include "cli/FactorOption.h"
#include "display/Graficar.h"
#include "flows/Bench.h"
#include "params/MemoryControls.h"
#include "params/ParameterSummary.h"
#include "qtcanvas/QtRasterCanvas.h"

#include <QLocale>

namespace amsim {

QStringList measurementLinesOf(const CommandLine& commandLine) {
    // The drawing is made in memory, for the readout alone.
    QtRasterCanvas drawing(QSize(kDrawingWidth, kDrawingHeight), windowFont(), QColor(Qt::black));
    MemoryControls controls(drawing);
    Bench bench(controls, numberFormatOf(QLocale::system()),
                BenchClock::standingAt(instantOption(commandLine.instantText)));
    bench.start(givenTexts(commandLine));
    ParameterReader& boxes = bench.boxes();
    const ParameterValues values = valuesOf([&boxes](Parameter box) { return boxes.read(box); });
    QStringList shown{QString::fromStdString(
        valuesLine(values, bench.handlers().format(), bench.handlers().hidden()))};
    for (const std::string& line : controls.readout()) {
        shown << QString::fromStdString(line);
    }
    return shown;
}

} // namespace amsim
